#include "screen_fixture.h"
#include "frmGyakuTrvST2.h"
#include "program_values.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace {

class GyakuTrv : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        screen = open<frmGyakuTrvST2>();
    }
    QLineEdit* field(const char* name) const { return child(screen, name); }
    QPushButton* button(const char* name) const { return child<QPushButton>(screen, name); }
    QStringList inputs() const { return textsOf(screen, {"txtX1", "txtY1", "txtX2", "txtY2"}); }
    QStringList results() const { return textsOf(screen, {"txtPS", "txtPT"}); }
    void enterPoints(const QString& x1, const QString& y1, const QString& x2, const QString& y2)
    {
        enter({{field("txtX1"), x1}, {field("txtY1"), y1}, {field("txtX2"), x2}, {field("txtY2"), y2}});
    }
    void enterSight(const QString& x2, const QString& y2) { enter({{field("txtX2"), x2}, {field("txtY2"), y2}}); }

    frmGyakuTrvST2* screen = nullptr;
};

const QStringList kEmpty2(2, QString());
const QStringList kEmpty4(4, QString());

TEST_F(GyakuTrv, OpensInSingleModeWithThreeDecimals)
{
    screen->close();
    programValues().KeisanKeta = 6;
    screen = open<frmGyakuTrvST2>();
    EXPECT_EQ(screen->objectName(), "frmGyakuTrvST2");
    EXPECT_EQ(screen->windowTitle(), "逆座標（Ｓ・Ｔ）計算");
    EXPECT_EQ(programValues().KeisanKeta, 3);
    EXPECT_TRUE(child<QRadioButton>(screen, "Option1")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(screen, "Opt3")->isChecked());
    EXPECT_FALSE(button("cmdNEXT")->isVisible());
    EXPECT_FALSE(button("cmdKitenHenkou")->isVisible());
    for (const char* name : {"txtPS", "txtPT"}) {
        EXPECT_TRUE(field(name)->isReadOnly()) << name;
        EXPECT_TRUE(field(name)->isEnabled()) << name;
    }
    EXPECT_EQ(inputs(), kEmpty4);
    EXPECT_EQ(results(), kEmpty2);
}

TEST_F(GyakuTrv, CaptionsAndLabels)
{
    struct Caption {
        const char* name;
        const char* text;
    } const captions[] = {{"Option1", "単独"}, {"Option2", "放射"},   {"Option3", "連続"},         {"Opt3", "３位"},
                          {"Opt6", "６位"},    {"cmdNEXT", "次へ"}, {"cmdKitenHenkou", "基点変更"}, {"cmdEnd", "終了"}};
    for (const auto& c : captions)
        EXPECT_EQ(child<QAbstractButton>(screen, c.name)->text(), c.text) << c.name;

    QStringList labels;
    for (const QLabel* label : screen->findChildren<QLabel*>())
        labels << label->text();
    for (const char* text : {"計算の種類 ：", "計算桁小数点以下 ：", "Ｘ", "Ｙ", "基点 ：", "視点 ：", "距  離 =", "方向角 ="})
        EXPECT_TRUE(labels.contains(text)) << text;
    QStringList frames;
    for (const QGroupBox* frame : screen->findChildren<QGroupBox*>())
        frames << frame->title();
    EXPECT_EQ(frames, QStringList({"入力データ", "計算結果"}));
}

TEST_F(GyakuTrv, DistanceAndDirectionInTheChosenDecimals)
{
    struct Case {
        const char* name;
        bool sixDecimals;
        const char *x1, *y1, *x2, *y2;
        const char *distance, *direction;
    } const cases[] = {
        {"north-east", false, "0", "0", "100", "100", "      141.421", "     45  0  0"},
        {"north-east, 6 decimals", true, "0", "0", "100", "100", "       141.421356", "  45  0  0.000000"},
        {"one point twice", false, "12.5", "-3", "12.5", "-3", "        0.000", "      0  0  0"},
        {"one point twice, 6 decimals", true, "12.5", "-3", "12.5", "-3", "         0.000000", "   0  0  0.000000"},
        {"due east", false, "10", "10", "10", "20", "       10.000", "     90  0  0"},
        {"due south", false, "10", "10", "0", "10", "       10.000", "    180  0  0"},
        {"due west", false, "10", "10", "10", "0", "       10.000", "    270  0  0"},
        {"digit groups", false, "-1000", "-2000", "2000", "2000", "    5 000.000", "     53  7 48"},
        {"third quadrant, 6 decimals", true, "0", "0", "-3000", "-4000", "     5 000.000000", " 233  7 48.368475"},
        {"blanks and letters in the fields", false, "1 000", "abc", "1 100 m", "", "      100.000", "      0  0  0"},
    };
    for (const auto& c : cases) {
        click(screen, c.sixDecimals ? "Opt6" : "Opt3");
        enterPoints(c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(results(), QStringList({c.distance, c.direction})) << c.name;
        EXPECT_EQ(focused(), "txtX1") << c.name;
    }
}

TEST_F(GyakuTrv, EnterOrderAndTheLastFieldOfEachMode)
{
    struct Case {
        const char* mode;
        const char* afterLastField;
        bool nextShown, changeBaseShown;
    } const cases[] = {
        {"Option1", "txtX1", false, false},
        {"Option2", "txtX2", false, true},
        {"Option3", "cmdNEXT", true, true},
    };
    for (const auto& c : cases) {
        click(screen, c.mode);
        const char* order[] = {"txtX1", "txtY1", "txtX2", "txtY2"};
        for (int i = 0; i < 3; ++i) {
            type(field(order[i]), "1");
            pressEnter(field(order[i]));
            EXPECT_EQ(focused(), order[i + 1]) << c.mode;
        }
        EXPECT_EQ(results(), kEmpty2) << c.mode; // computed only when txtY2 is left
        type(field("txtY2"), "2");
        pressEnter(field("txtY2"));
        EXPECT_EQ(inputs(), QStringList({"1", "1", "1", "2"})) << c.mode; // Enter inserts nothing
        EXPECT_EQ(focused(), c.afterLastField) << c.mode;
        EXPECT_EQ(results(), QStringList({"        1.000", "     90  0  0"})) << c.mode;
        EXPECT_EQ(button("cmdNEXT")->isVisible(), c.nextShown) << c.mode;
        EXPECT_EQ(button("cmdKitenHenkou")->isVisible(), c.changeBaseShown) << c.mode;
    }
}

// The fields keep their texts as typed: nothing rewrites them when they are left.
TEST_F(GyakuTrv, LeavingAFieldKeepsItsText)
{
    enterPoints("007.50", "+1e1", "abc", "1 000");
    EXPECT_EQ(inputs(), QStringList({"007.50", "+1e1", "abc", "1 000"}));
    EXPECT_EQ(results(), QStringList({"      990.028", "     90 26  3"}));
}

TEST_F(GyakuTrv, LeavingTheBasePointClearsTheResultInSingleModeOnly)
{
    struct Case {
        const char* mode;
        bool cleared;
    } const cases[] = {{"Option1", true}, {"Option2", false}, {"Option3", false}};
    for (const auto& c : cases) {
        click(screen, c.mode);
        enter({{field("txtX1"), "0"}, {field("txtY1"), "0"}, {field("txtX2"), "100"}});
        type(field("txtY2"), "100");
        focusTo(field("txtX1")); // leaving txtY2 computes
        ASSERT_NE(results(), kEmpty2) << c.mode;
        focusTo(field("txtX1"));
        focusTo(field("txtY1"));
        EXPECT_EQ(results() == kEmpty2, c.cleared) << c.mode;

        // Leaving the sight point clears it in every mode.
        enterSight("100", "100");
        ASSERT_NE(results(), kEmpty2) << c.mode;
        focusTo(field("txtX2"));
        focusTo(field("txtY1"));
        EXPECT_EQ(results(), kEmpty2) << c.mode;
    }
}

TEST_F(GyakuTrv, ChoosingAModeEmptiesAllSixFields)
{
    struct Case {
        const char* from;
        const char* to;
        const char* focus; // the single mode leaves the focus on its button
    } const cases[] = {{"Option1", "Option2", "txtX1"}, {"Option2", "Option3", "txtX1"},
                       {"Option3", "Option1", "Option1"}, {"Option1", "Option3", "txtX1"}};
    for (const auto& c : cases) {
        click(screen, c.from);
        enterPoints("1", "2", "3", "4");
        ASSERT_NE(results(), kEmpty2) << c.from;
        click(screen, c.to);
        EXPECT_EQ(inputs(), kEmpty4) << c.to;
        EXPECT_EQ(results(), kEmpty2) << c.to;
        EXPECT_EQ(focused(), c.focus) << c.to;
        EXPECT_FALSE(button("cmdKitenHenkou")->isVisible()) << c.to;
    }
}

TEST_F(GyakuTrv, RadialModeMeasuresEverySightPointFromTheSameBase)
{
    click(screen, "Option2");
    enterPoints("100", "100", "200", "100");
    EXPECT_EQ(results(), QStringList({"      100.000", "      0  0  0"}));
    EXPECT_EQ(focused(), "txtX2");
    type(field("txtX2"), "100");
    pressEnter(field("txtX2"));
    EXPECT_EQ(results(), kEmpty2); // the previous result goes when txtX2 is left
    type(field("txtY2"), "50");
    pressEnter(field("txtY2"));
    EXPECT_EQ(results(), QStringList({"       50.000", "    270  0  0"}));
    EXPECT_EQ(textsOf(screen, {"txtX1", "txtY1"}), QStringList({"100", "100"}));

    // 基点変更 starts again with a new base point and stays.
    click(screen, "cmdKitenHenkou");
    EXPECT_EQ(inputs(), kEmpty4);
    EXPECT_EQ(results(), kEmpty2);
    EXPECT_EQ(focused(), "txtX1");
    EXPECT_TRUE(button("cmdKitenHenkou")->isVisible());
}

TEST_F(GyakuTrv, ContinuousNextCarriesTheSightPointAsTyped)
{
    click(screen, "Option3");
    enterPoints("0", "0", "1 000.50", "007.5");
    EXPECT_EQ(focused(), "cmdNEXT");
    EXPECT_EQ(results(), QStringList({"    1 000.528", "      0 25 46"}));

    pressEnter(button("cmdNEXT")); // Enter on the focused button clicks it
    EXPECT_EQ(inputs(), QStringList({"1 000.50", "007.5", "", ""}));
    EXPECT_EQ(results(), kEmpty2);
    EXPECT_EQ(focused(), "txtX2");

    enterSight("1000.5", "107.5");
    EXPECT_EQ(results(), QStringList({"      100.000", "     90  0  0"}));
    click(screen, "cmdNEXT");
    EXPECT_EQ(inputs(), QStringList({"1000.5", "107.5", "", ""}));
    EXPECT_EQ(focused(), "txtX2");
}

// The decimals hold from the next computation on; a shown result stays.
TEST_F(GyakuTrv, ChangingTheDecimalsDoesNotRecompute)
{
    click(screen, "Option3");
    enterPoints("0", "0", "100", "100");
    click(screen, "Opt6");
    EXPECT_EQ(programValues().KeisanKeta, 6);
    EXPECT_EQ(focused(), "txtX1");
    EXPECT_EQ(results(), QStringList({"      141.421", "     45  0  0"}));
    enterSight("100", "100");
    EXPECT_EQ(results(), QStringList({"       141.421356", "  45  0  0.000000"}));
    click(screen, "Opt3");
    EXPECT_EQ(programValues().KeisanKeta, 3);
}

TEST_F(GyakuTrv, CoordinatesTooFarApartShowTheErrorDialogAndNoResult)
{
    struct Case {
        const char* name;
        const char *x1, *x2;
    } const cases[] = {
        {"the difference overflows", "-1E308", "1E308"},
        {"the square of the difference overflows", "0", "1E200"},
    };
    click(screen, "Option2");
    for (const auto& c : cases) {
        enterPoints("0", "0", "100", "100");
        ASSERT_NE(results(), kEmpty2);
        type(field("txtX1"), c.x1);
        enterSight(c.x2, "1");
        ASSERT_EQ(boxes.shown.size(), 1u) << c.name;
        EXPECT_EQ(boxes.shown[0].title, "ｴﾗｰ") << c.name;
        EXPECT_EQ(boxes.shown[0].icon, QMessageBox::Critical) << c.name;
        EXPECT_TRUE(boxes.shown[0].text.startsWith("ｴﾗｰ番号  6  ｴﾗｰが発生しました。")) << c.name;
        EXPECT_EQ(results(), kEmpty2) << c.name;
        EXPECT_EQ(programValues().ErrFlag, 0) << c.name;
        boxes.shown.clear();
    }
    // The screen goes on working.
    type(field("txtX1"), "0");
    enterSight("0", "1");
    EXPECT_EQ(results(), QStringList({"        1.000", "     90  0  0"}));
}

TEST_F(GyakuTrv, EndClosesTheScreen)
{
    QPointer<frmGyakuTrvST2> alive(screen);
    click(screen, "cmdEnd");
    QApplication::processEvents();
    EXPECT_TRUE(alive.isNull() || !alive->isVisible());
}

} // namespace
