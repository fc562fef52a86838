#include "screen_fixture.h"
#include "frmOpenTrv2.h"
#include "program_values.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <string>
#include <vector>

namespace {

const char* const kInputs[] = {"txtBackX", "txtBackY", "txtBackT", "txtKX", "txtKY", "txtA", "txtS"};

class OpenTrv : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        screen = open<frmOpenTrv2>();
    }
    QLineEdit* field(const char* name) const { return child(screen, name); }
    QStringList backSightAndStation() const { return textsOf(screen, {"txtBackT", "txtKX", "txtKY"}); }
    QStringList observation() const { return textsOf(screen, {"txtA", "txtS"}); }
    // txtPT, txtPX, txtPY.
    QStringList results() const { return textsOf(screen, {"txtPT", "txtPX", "txtPY"}); }
    QStringList allFields() const
    {
        QStringList texts;
        for (const char* name : kInputs)
            texts << textOf(screen, name);
        return texts + results();
    }
    // The back-sight as a direction angle, the station and one observation.
    void enterLeg(const QString& backT, const QString& kx, const QString& ky, const QString& a, const QString& s)
    {
        enter({{field("txtBackT"), backT}, {field("txtKX"), kx}, {field("txtKY"), ky}});
        enterObservation(a, s);
    }
    void enterObservation(const QString& a, const QString& s) { enter({{field("txtA"), a}, {field("txtS"), s}}); }
    void enterStationFromPoints(const QString& backX, const QString& backY, const QString& kx, const QString& ky)
    {
        enter({{field("txtBackX"), backX}, {field("txtBackY"), backY}, {field("txtKX"), kx}, {field("txtKY"), ky}});
    }
    void expectOneInputDataMessage(const char* name)
    {
        ASSERT_EQ(boxes.shown.size(), 1u) << name;
        EXPECT_EQ(boxes.shown[0].text, "入力データ　？") << name;
        EXPECT_EQ(boxes.shown[0].title, "エラー") << name;
        EXPECT_EQ(boxes.shown[0].icon, QMessageBox::Critical) << name;
        EXPECT_EQ(boxes.shown[0].buttons, QMessageBox::Ok) << name;
        boxes.shown.clear();
    }

    frmOpenTrv2* screen = nullptr;
};

const QStringList kNoResults(3, QString());
const QStringList kNoObservation(2, QString());

TEST_F(OpenTrv, OpensRadialWithTheBackSightAsAnAngle)
{
    screen->close();
    programValues().KeisanKeta = 6;
    screen = open<frmOpenTrv2>();
    EXPECT_EQ(screen->objectName(), "frmOpenTrv2");
    EXPECT_EQ(screen->windowTitle(), "オープントラバース座標計算");
    EXPECT_EQ(programValues().KeisanKeta, 3);
    EXPECT_TRUE(child<QRadioButton>(screen, "Option1")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(screen, "Check1")->isChecked());
    EXPECT_FALSE(child<QWidget>(screen, "fraBackXY")->isVisible());
    EXPECT_EQ(allFields(), QStringList(10, QString()));
    for (const char* name : {"txtPT", "txtPX", "txtPY"})
        EXPECT_TRUE(field(name)->isReadOnly()) << name;
}

TEST_F(OpenTrv, CaptionsAndLabels)
{
    struct Caption {
        const char* name;
        const char* text;
    } const captions[] = {{"Option1", "放射（単独）"}, {"Option2", "連　続"}, {"Check1", "座標入力"},
                          {"cmdClear", "クリア"},       {"cmdNEXT", "次へ"},   {"cmdEnd", "終了"}};
    for (const auto& c : captions)
        EXPECT_EQ(child<QAbstractButton>(screen, c.name)->text(), c.text) << c.name;

    QStringList labels;
    for (const QLabel* label : screen->findChildren<QLabel*>())
        labels << label->text();
    for (const char* text : {"計算の種類 ：", "Ｘ =", "Ｙ =", "後視方向角（Ｔ） =", "夾角 =", "距離 =", "Ｔ =",
                             "角度入力：（ 35°4′23″→ 35.0423 ）"})
        EXPECT_TRUE(labels.contains(text)) << text;
    QStringList frames;
    for (const QGroupBox* frame : screen->findChildren<QGroupBox*>())
        frames << frame->title();
    frames.sort();
    QStringList expected{"入力データ", "後視点", "既知点座標", "観測データ", "計算結果"};
    expected.sort();
    EXPECT_EQ(frames, expected);
}

TEST_F(OpenTrv, NewPointFromStationBackSightAngleAndDistance)
{
    struct Case {
        const char* name;
        const char *backT, *kx, *ky, *a, *s;
        QStringList results; // T, X, Y
    } const cases[] = {
        {"a right angle from north", "0", "0", "0", "90.0000", "100", {"90°0′0″", "        0.000", "      100.000"}},
        {"the sum above 360 reduced once", "300.0000", "0", "0", "90.0000", "100",
         {"30°0′0″", "       86.603", "       50.000"}},
        {"whole seconds rounded", "35.04596", "1000", "-2000", "0", "0",
         {"35°5′0″", "    1 000.000", "   -2 000.000"}},
        {"digit groups, rounding to 3 decimals", "180", "-12345.6785", "0", "0", "1000",
         {"180°0′0″", "  -13 345.679", "        0.000"}},
        {"angles in d.mmss", "10.3030", "0", "0", "20.2930", "0", {"31°0′0″", "        0.000", "        0.000"}},
    };
    for (const auto& c : cases) {
        enterLeg(c.backT, c.kx, c.ky, c.a, c.s);
        EXPECT_EQ(results(), c.results) << c.name;
        EXPECT_EQ(focused(), "cmdNEXT") << c.name;
        click(screen, "cmdClear");
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(OpenTrv, EnterMovesAlongTheChainOfFields)
{
    struct Case {
        bool coordinates;
        std::vector<const char*> chain; // each field's Enter leads to the next
    } const cases[] = {
        {false, {"txtBackT", "txtKX", "txtKY", "txtA", "txtS", "cmdNEXT"}},
        {true, {"txtBackX", "txtBackY", "txtKX", "txtKY", "txtA", "txtS", "cmdNEXT"}},
    };
    for (const auto& c : cases) {
        if (c.coordinates)
            click(screen, "Check1");
        for (std::size_t i = 0; i + 1 < c.chain.size(); ++i) {
            type(field(c.chain[i]), "1");
            pressEnter(field(c.chain[i]));
            EXPECT_EQ(focused(), c.chain[i + 1]) << c.chain[i];
        }
        EXPECT_FALSE(textOf(screen, "txtPX").isEmpty()); // Enter in txtS computes
        EXPECT_EQ(textOf(screen, "txtS"), "1");           // and inserts nothing
    }
}

TEST_F(OpenTrv, LeavingAFieldWritesItInNormalForm)
{
    struct Case {
        const char* name;
        const char* typed;
        const char* rewritten;
    } const cases[] = {
        {"txtBackX", "007.50", "7.5"},  {"txtBackY", "1 234.5", "1234.5"}, {"txtKX", "abc", "0"},
        {"txtKY", "", "0"},             {"txtA", "-.5", "-0.5"},          {"txtBackT", "035.0423", "35.0423"},
    };
    click(screen, "Check1");
    for (const auto& c : cases) {
        type(field(c.name), c.typed);
        focusTo(field(c.name == std::string("txtKX") ? "txtKY" : "txtKX"));
        EXPECT_EQ(textOf(screen, c.name), c.rewritten) << c.name;
    }
    type(field("txtS"), "0100.0");
    pressEnter(field("txtS"));
    EXPECT_EQ(textOf(screen, "txtS"), "100");
}

TEST_F(OpenTrv, FieldsDoNotSelectTheirTextOnTakingTheFocus)
{
    for (const char* name : kInputs)
        field(name)->setText("12.5");
    click(screen, "Check1"); // empties the fields and puts the focus on txtBackX
    field("txtKX")->setText("12.5");
    type(field("txtBackY"), "3");
    pressEnter(field("txtBackY"));
    EXPECT_EQ(focused(), "txtKX");
    EXPECT_TRUE(field("txtKX")->selectedText().isEmpty());
    field("txtA")->setText("45");
    QTest::mouseClick(field("txtA"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(focused(), "txtA");
    EXPECT_TRUE(field("txtA")->selectedText().isEmpty());
}

TEST_F(OpenTrv, ContinuousNextMovesStationAndBackSightOneLegForward)
{
    click(screen, "Option2");
    EXPECT_EQ(focused(), "txtBackT");
    enterLeg("0", "0", "0", "90.0000", "100");
    EXPECT_EQ(results(), QStringList({"90°0′0″", "        0.000", "      100.000"}));

    struct Leg {
        const char *a, *s;
        QStringList results;           // T, X, Y of the leg
        QStringList carried;           // back-sight and station after 次へ
    } const legs[] = {
        {nullptr, nullptr, {}, {"270.0000", "        0.000", "      100.000"}},
        {"90", "100", {"0°0′0″", "      100.000", "      100.000"}, {"180.0000", "      100.000", "      100.000"}},
        {"20", "100", {"200°0′0″", "        6.031", "       65.798"}, {" 20.0000", "        6.031", "       65.798"}},
    };
    for (const auto& leg : legs) {
        if (leg.a) {
            enterObservation(leg.a, leg.s);
            EXPECT_EQ(results(), leg.results) << leg.a;
        }
        click(screen, "cmdNEXT");
        EXPECT_EQ(backSightAndStation(), leg.carried) << (leg.a ? leg.a : "first");
        EXPECT_EQ(observation(), kNoObservation);
        EXPECT_EQ(results(), kNoResults);
        EXPECT_EQ(focused(), "txtA");
    }
}

TEST_F(OpenTrv, BackSightDirectionFromTheCoordinatesOfTheBackSightPoint)
{
    struct Case {
        const char *backX, *backY, *kx, *ky;
        const char* backT;
    } const cases[] = {
        {"100", "0", "0", "0", "   0.0000"},   {"0", "100", "0", "0", "  90.0000"},
        {"-100", "0", "0", "0", " 180.0000"},  {"10", "10", "110", "110", " 225.0000"},
        {"1", "0.7", "0", "0", "  34.5931"},
    };
    click(screen, "Check1");
    EXPECT_TRUE(child<QWidget>(screen, "fraBackXY")->isVisible());
    EXPECT_EQ(focused(), "txtBackX");
    for (const auto& c : cases) {
        enterStationFromPoints(c.backX, c.backY, c.kx, c.ky);
        EXPECT_EQ(textOf(screen, "txtBackT"), c.backT) << c.backX << " " << c.backY;
        EXPECT_EQ(focused(), "txtA");
    }
    // The computed back-sight is read back as the d.mmss it shows.
    enterObservation("90", "10");
    EXPECT_EQ(results(), QStringList({"124°59′31″", "       -5.735", "        8.192"}));
}

TEST_F(OpenTrv, ContinuousWithCoordinatesMakesTheOldStationTheBackSightPoint)
{
    click(screen, "Option2");
    click(screen, "Check1");
    enterStationFromPoints("100", "0", "0", "0");
    enterObservation("90", "100");
    click(screen, "cmdNEXT");
    EXPECT_EQ(textsOf(screen, {"txtBackX", "txtBackY"}), QStringList({"0", "0"}));
    EXPECT_EQ(backSightAndStation(), QStringList({"270.0000", "        0.000", "      100.000"}));
}

TEST_F(OpenTrv, RadialNextKeepsStationAndBackSight)
{
    enterLeg("10", "5", "6", "90", "100");
    click(screen, "cmdNEXT");
    EXPECT_EQ(backSightAndStation(), QStringList({"10", "5", "6"}));
    EXPECT_EQ(observation(), kNoObservation);
    EXPECT_EQ(results(), kNoResults);
    EXPECT_EQ(focused(), "txtA");
    enterObservation("180", "10");
    EXPECT_EQ(results(), QStringList({"190°0′0″", "       -4.848", "        4.264"}));
}

// Leaving 次へ in any way prepares the next observation, even before a point
// was computed: the continuous mode then carries station 0, 0 and 180°.
TEST_F(OpenTrv, LeavingNextByOtherMeansAlsoPreparesTheNextObservation)
{
    click(screen, "Option2");
    focusTo(child<QPushButton>(screen, "cmdNEXT"));
    focusTo(field("txtKX"));
    EXPECT_EQ(backSightAndStation(), QStringList({"180.0000", "        0.000", "        0.000"}));
    EXPECT_EQ(focused(), "txtA");

    enterObservation("90", "100");
    pressEnter(child<QPushButton>(screen, "cmdNEXT")); // Enter on the button is its click
    EXPECT_EQ(backSightAndStation(), QStringList({" 90.0000", "        0.000", "     -100.000"}));
    EXPECT_EQ(focused(), "txtA");
}

TEST_F(OpenTrv, ModeCoordinatesAndClearEmptyEverything)
{
    struct Case {
        const char* action;
        bool coordinates; // Check1 after the action
        const char* focus;
    } const cases[] = {
        {"Option2", false, "txtBackT"}, {"cmdClear", false, "txtBackT"}, {"Check1", true, "txtBackX"},
        {"Option1", true, "txtBackX"},  {"Option2", true, "txtBackX"},   {"cmdClear", true, "txtBackX"},
        {"Check1", false, "txtBackT"},
    };
    for (const auto& c : cases) {
        for (const char* name : kInputs)
            field(name)->setText("1");
        enterObservation("1", "1");
        ASSERT_NE(results(), kNoResults);
        click(screen, c.action);
        EXPECT_EQ(allFields(), QStringList(10, QString())) << c.action;
        EXPECT_EQ(focused(), c.focus) << c.action;
        EXPECT_EQ(child<QWidget>(screen, "fraBackXY")->isVisible(), c.coordinates) << c.action;
    }
}

// Leaving the distance computes and puts the focus on 次へ, whose leaving
// carries the leg forward: the fields are emptied after all that.
TEST_F(OpenTrv, ClearingWhileTypingTheDistanceEmptiesEverything)
{
    struct Case {
        const char* action;
        const char* focus;
    } const cases[] = {{"cmdClear", "txtBackT"}, {"Check1", "txtBackX"}, {"cmdClear", "txtBackX"}};
    click(screen, "Option2");
    for (const auto& c : cases) {
        const bool coordinates = child<QCheckBox>(screen, "Check1")->isChecked();
        if (coordinates)
            enterStationFromPoints("100", "0", "0", "0");
        else
            enter({{field("txtBackT"), "0"}, {field("txtKX"), "0"}, {field("txtKY"), "0"}});
        enterObservation("90", "100");
        click(screen, "cmdNEXT");
        enter({{field("txtA"), "90"}});
        type(field("txtS"), "50");
        click(screen, c.action);
        EXPECT_EQ(allFields(), QStringList(10, QString())) << c.action;
        EXPECT_EQ(focused(), c.focus) << c.action;
    }
}

TEST_F(OpenTrv, RunTimeErrorInTheComputationAsksForTheInputData)
{
    struct Case {
        const char* name;
        const char *kx, *a, *s;
    } const cases[] = {
        {"X beyond the range of rounding", "0", "0", "1E308"},
        {"X beyond the double range", "1.5E308", "0", "1E308"},
        {"included angle beyond 16-bit degrees", "0", "40000", "1"},
    };
    for (const auto& c : cases) {
        enterLeg("0", c.kx, "0", c.a, c.s);
        expectOneInputDataMessage(c.name);
        EXPECT_EQ(results(), kNoResults) << c.name;
        EXPECT_EQ(focused(), "txtS") << c.name;
        // Leaving the distance computes again and goes on to 次へ.
        focusTo(field("txtA"));
        expectOneInputDataMessage(c.name);
        EXPECT_EQ(focused(), "cmdNEXT") << c.name;
        click(screen, "cmdClear");
    }
    // The screen goes on working.
    enterLeg("0", "0", "0", "90", "100");
    EXPECT_EQ(results(), QStringList({"90°0′0″", "        0.000", "      100.000"}));
}

TEST_F(OpenTrv, BackSightPointsTooFarApartShowTheErrorDialog)
{
    click(screen, "Check1");
    enterStationFromPoints("1E308", "0", "-1E308", "0");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, "ｴﾗｰ");
    EXPECT_TRUE(boxes.shown[0].text.startsWith("ｴﾗｰ番号  6  ｴﾗｰが発生しました。")) << boxes.shown[0].text.toStdString();
    EXPECT_EQ(textOf(screen, "txtBackT"), "");
    EXPECT_EQ(programValues().ErrFlag, 0);
}

} // namespace

