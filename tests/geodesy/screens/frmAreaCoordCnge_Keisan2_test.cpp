#include "frmAreaCoordCnge_Keisan2.h"
#include "program_values.h"
#include "screen_fixture.h"
#include "zone_list_driver.h"

#include <QLabel>
#include <QPushButton>

namespace {

class AreaCoordCnge : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        screen = open<frmAreaCoordCnge_Keisan2>();
    }
    QLineEdit* field(const char* name) const { return child(screen, name); }
    QComboBox* source() const { return child<QComboBox>(screen, "Combo1"); }
    QComboBox* target() const { return child<QComboBox>(screen, "Combo2"); }
    QStringList point() const { return textsOf(screen, {"txtX1", "txtY1", "txtX2", "txtY2"}); }
    QStringList converted() const { return textsOf(screen, {"txtX2", "txtY2"}); }
    void enterPoint(const QString& x, const QString& y) { enter({{field("txtX1"), x}, {field("txtY1"), y}}); }

    frmAreaCoordCnge_Keisan2* screen = nullptr;
};

const QStringList kZones{" 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8", " 9", "10",
                         "11", "12", "13", "14", "15", "16", "17", "18", "19"};

TEST_F(AreaCoordCnge, OpensWithoutZones)
{
    EXPECT_EQ(screen->windowTitle(), "座標系座標変換");
    EXPECT_EQ(focused(), "Combo1");
    for (QComboBox* list : {source(), target()}) {
        EXPECT_EQ(itemsOf(list), kZones);
        EXPECT_EQ(list->currentText(), "");
    }
    // The origins are for reading only, yet can be selected and copied.
    for (const char* name : {"txtB1", "txtL1", "txtB2", "txtL2"}) {
        EXPECT_TRUE(field(name)->isReadOnly()) << name;
        EXPECT_TRUE(field(name)->isEnabled()) << name;
        EXPECT_EQ(textOf(screen, name), "");
    }
    EXPECT_EQ(child<QLabel>(screen, "lblYazirusi")->text(), "→");
    EXPECT_EQ(child<QLabel>(screen, "Label1")->text(), "世 界 測 地 系");
    EXPECT_EQ(child<QPushButton>(screen, "cmdEnd")->text(), "終了");
}

TEST_F(AreaCoordCnge, ChoosingAZoneShowsItsOrigin)
{
    struct Case {
        const char* zone;
        const char *B0, *L0;
    } const cases[] = {
        {" 9", " 36° 0′ 0″", "139°50′ 0″"}, {" 1", " 33° 0′ 0″", "129°30′ 0″"}, {" 3", " 36° 0′ 0″", "132°10′ 0″"},
        {"11", " 44° 0′ 0″", "140°15′ 0″"}, {"18", " 20° 0′ 0″", "136° 0′ 0″"}, {"19", " 26° 0′ 0″", "154° 0′ 0″"},
    };
    for (const auto& c : cases) {
        choose(source(), c.zone);
        EXPECT_EQ(textsOf(screen, {"txtB1", "txtL1"}), QStringList({c.B0, c.L0})) << c.zone;
        EXPECT_EQ(focused(), "Combo2");
        choose(target(), c.zone);
        EXPECT_EQ(textsOf(screen, {"txtB2", "txtL2"}), QStringList({c.B0, c.L0})) << c.zone;
        EXPECT_EQ(focused(), "txtX1");
    }
}

TEST_F(AreaCoordCnge, ChoosingAZoneEmptiesThePoint)
{
    for (QComboBox* list : {source(), target()}) {
        choose(source(), " 9");
        choose(target(), " 8");
        enterPoint("0", "0");
        ASSERT_FALSE(textOf(screen, "txtX2").isEmpty());
        choose(list, " 7");
        EXPECT_EQ(point(), QStringList(4, QString())) << list->objectName();
    }
}

TEST_F(AreaCoordCnge, ConvertsBetweenZones)
{
    struct Case {
        const char *from, *to, *x, *y;
        QStringList converted;
    } const cases[] = {
        {" 9", " 8", "0", "0", {"     822.223 m", " 120 209.612 m"}},
        {" 9", "10", "-110316.7328", "106494.7533", {"-554 867.944 m", "  15 213.181 m"}},
        {" 9", " 9", "-110316.7328", "106494.7533", {"-110 316.733 m", " 106 494.753 m"}},
    };
    for (const auto& c : cases) {
        choose(source(), c.from);
        choose(target(), c.to);
        enterPoint(c.x, c.y);
        EXPECT_EQ(converted(), c.converted) << c.from << " to " << c.to;
        EXPECT_EQ(focused(), "txtX1");
    }
}

// Zone numbers are read from the lists' texts: a typed zone counts as it
// reads, rounded with halves to even, without its origin being shown.
TEST_F(AreaCoordCnge, TypedZonesAreUsedAsTheyRead)
{
    struct Case {
        const char *from, *to;
        QStringList converted;
    } const cases[] = {
        {"9", "8", {"     822.223 m", " 120 209.612 m"}},
        {"9", "8.5", {"     822.223 m", " 120 209.612 m"}},
        {"8.5", "8", {"       0.000 m", "       0.000 m"}},
        // Zone 0 has no projection: everything becomes zero.
        {"9", "0", {"       0.000 m", "       0.000 m"}},
    };
    for (const auto& c : cases) {
        typeInto(source(), c.from);
        typeInto(target(), c.to);
        enterPoint("0", "0");
        EXPECT_EQ(converted(), c.converted) << c.from << " to " << c.to;
        EXPECT_EQ(textsOf(screen, {"txtB1", "txtL1", "txtB2", "txtL2"}), QStringList(4, QString()));
    }
    EXPECT_EQ(programValues().ZahyoKei, 8); // the program's zone is none of this screen's business
}

TEST_F(AreaCoordCnge, EnterOrderAndWhatLeavingAFieldDoes)
{
    choose(source(), " 9");
    choose(target(), " 8");
    enterPoint("", "");
    // Blank fields become 0 and the point is converted.
    EXPECT_EQ(point(), QStringList({"0", "0", "     822.223 m", " 120 209.612 m"}));
    EXPECT_EQ(focused(), "txtX1");

    // Enter in X goes to Y; leaving X empties the converted point but keeps
    // a text that is not blank as it was typed.
    type(field("txtX1"), "abc");
    pressEnter(field("txtX1"));
    EXPECT_EQ(focused(), "txtY1");
    EXPECT_EQ(point(), QStringList({"abc", "0", "", ""}));
    pressEnter(field("txtY1"));
    EXPECT_EQ(point(), QStringList({"abc", "0", "     822.223 m", " 120 209.612 m"}));
}

TEST_F(AreaCoordCnge, AMissingZoneIsAskedFor)
{
    struct Case {
        const char* source;
        const char* message;
        const char* focusAfter;
    } const cases[] = {{nullptr, "元座標系を選択してください。", "Combo1"},
                       {" 9", "変換座標系を選択してください。", "Combo2"}};
    for (const auto& c : cases) {
        if (c.source)
            choose(source(), c.source);
        boxes.shown.clear();
        enterPoint("100", "200");
        ASSERT_EQ(boxes.shown.size(), 1u) << c.message;
        EXPECT_EQ(boxes.shown[0].text, c.message);
        EXPECT_EQ(boxes.shown[0].title, "入力データ");
        EXPECT_EQ(boxes.shown[0].icon, QMessageBox::Warning);
        EXPECT_EQ(point(), QStringList(4, QString()));
        EXPECT_EQ(focused(), c.focusAfter);
    }
}

// A zone number beyond 16 bits and a northing whose footpoint latitude
// cannot settle: the shared error dialog, no hang.
TEST_F(AreaCoordCnge, ArithmeticFaultsShowTheErrorDialog)
{
    struct Case {
        const char *from, *x;
    } const cases[] = {{"40000", "0"}, {"9", "1E13"}};
    for (const auto& c : cases) {
        typeInto(source(), c.from);
        typeInto(target(), "8");
        boxes.shown.clear();
        enterPoint(c.x, "0");
        ASSERT_EQ(boxes.shown.size(), 1u) << c.from;
        EXPECT_EQ(boxes.shown[0].title, "ｴﾗｰ");
        EXPECT_TRUE(boxes.shown[0].text.startsWith("ｴﾗｰ番号  6  ｴﾗｰが発生しました。")) << boxes.shown[0].text;
        EXPECT_EQ(converted(), QStringList(2, QString()));
        reactivate(screen);
    }
}

} // namespace
