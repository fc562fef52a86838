#include "frmST_Keisan2.h"
#include "program_values.h"
#include "screen_fixture.h"
#include "zone_list_driver.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

class ST : public ScreenTest {
protected:
    void openWithZone(int16_t zone)
    {
        programValues().ZahyoKei = zone;
        screen = open<frmST_Keisan2>();
    }
    QLineEdit* field(const char* name) const { return child(screen, name); }
    QComboBox* zoneList() const { return child<QComboBox>(screen, "Combo1"); }
    QString datum() const { return child<QLabel>(screen, "lblSekaiSokuti")->text(); }
    // txtS1, txtT12, txtT21, txtS2.
    QStringList results() const { return textsOf(screen, {"txtS1", "txtT12", "txtT21", "txtS2"}); }
    void enterPoints(const QString& x1, const QString& y1, const QString& x2, const QString& y2)
    {
        enter({{field("txtX1"), x1}, {field("txtY1"), y1}, {field("txtX2"), x2}, {field("txtY2"), y2}});
    }

    frmST_Keisan2* screen = nullptr;
};

TEST_F(ST, OpensWithTheCurrentZoneTheArbitrarySystemIncluded)
{
    struct Case {
        int16_t zone;
        const char* shown;
        const char* datum;
    } const cases[] = {{9, " 9", "世 界 測 地 系"}, {0, " 0", "任 意 座 標 系"}, {19, "19", "世 界 測 地 系"}};
    for (const auto& c : cases) {
        openWithZone(c.zone);
        EXPECT_EQ(screen->windowTitle(), "座標による距離・方向角の計算");
        EXPECT_EQ(zoneList()->currentText(), c.shown);
        EXPECT_EQ(datum(), c.datum);
        EXPECT_EQ(programValues().ZahyoKei, c.zone);
        EXPECT_EQ(focused(), "txtX1");
        EXPECT_EQ(itemsOf(zoneList()),
                  QStringList({" 0", " 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8", " 9", "10",
                               "11", "12", "13", "14", "15", "16", "17", "18", "19", " 0"}));
        EXPECT_EQ(child<QPushButton>(screen, "cmdClear")->text(), "データクリア");
        EXPECT_EQ(child<QPushButton>(screen, "cmdEND")->text(), "終了");
        screen->close();
    }
}

TEST_F(ST, DistancesAndDirectionAngles)
{
    struct Case {
        int16_t zone;
        const char *x1, *y1, *x2, *y2;
        QStringList results; // plane distance, t12, t21, distance on the ellipsoid
    } const cases[] = {
        {9, "-10000", "-20000", "15000", "30000",
         {"     55 901.699m", " 63°26′ 5.604″", "243°26′ 4.969″", "     55 907.129m"}},
        // The arbitrary system: no correction, scale 1.
        {0, "-10000", "-20000", "15000", "30000",
         {"     55 901.699m", " 63°26′ 5.816″", "243°26′ 5.816″", "     55 901.699m"}},
        {1, "1000", "50000", "-2000", "52000",
         {"      3 605.551m", "146°18′35.370″", "326°18′36.148″", "      3 605.796m"}},
        // Along the central meridian: no correction, the scale is m0.
        {9, "0", "0", "10000", "0", {"     10 000.000m", "  0° 0′ 0.000″", "180° 0′ 0.000″", "     10 001.000m"}},
        // One point twice.
        {9, "100", "200", "100", "200", {"          0.000m", "  0° 0′ 0.000″", "180° 0′ 0.000″", "          0.000m"}},
    };
    for (const auto& c : cases) {
        openWithZone(c.zone);
        enterPoints(c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(results(), c.results) << "zone " << c.zone << " " << c.x1 << " " << c.y1;
        EXPECT_EQ(focused(), "txtX1");
        screen->close();
    }
}

TEST_F(ST, EnterOrderAndWhatLeavingAFieldDoes)
{
    openWithZone(9);
    type(field("txtX1"), "-010000.0");
    pressEnter(field("txtX1"));
    EXPECT_EQ(focused(), "txtY1");
    EXPECT_EQ(textOf(screen, "txtX1"), "-10000");
    type(field("txtY1"), "-20000");
    pressEnter(field("txtY1"));
    EXPECT_EQ(focused(), "txtX2");
    type(field("txtX2"), "15000");
    pressEnter(field("txtX2"));
    EXPECT_EQ(focused(), "txtY2");
    EXPECT_EQ(results(), QStringList(4, QString())); // nothing computed before the last field is left
    type(field("txtY2"), "30000.00");
    pressEnter(field("txtY2"));
    EXPECT_EQ(textOf(screen, "txtY2"), "30000");
    EXPECT_EQ(focused(), "txtX1");
    EXPECT_EQ(textOf(screen, "txtS1"), "     55 901.699m");

    // Leaving the first point keeps the results; Enter in X1 empties them.
    focusTo(field("txtY1"));
    EXPECT_EQ(textOf(screen, "txtS1"), "     55 901.699m");
    focusTo(field("txtX1"));
    pressEnter(field("txtX1"));
    EXPECT_EQ(results(), QStringList(4, QString()));
}

TEST_F(ST, ChoosingAZoneSetsTheProgramZoneAndTheDatumCaption)
{
    struct Case {
        int index;
        int16_t zone;
        const char* datum;
    } const cases[] = {{0, 0, "任 意 座 標 系"}, {5, 5, "世 界 測 地 系"}, {20, 0, "任 意 座 標 系"}, {19, 19, "世 界 測 地 系"}};
    openWithZone(8);
    for (const auto& c : cases) {
        choose(zoneList(), c.index);
        EXPECT_EQ(programValues().ZahyoKei, c.zone) << c.index;
        EXPECT_EQ(datum(), c.datum) << c.index;
        EXPECT_EQ(focused(), "txtX1");
    }
}

TEST_F(ST, TypingIntoTheZoneListDoesNotChangeTheZone)
{
    openWithZone(8);
    typeInto(zoneList(), "0");
    pressEnter(zoneList()->lineEdit());
    EXPECT_EQ(focused(), "txtX1");
    EXPECT_EQ(programValues().ZahyoKei, 8);
    EXPECT_EQ(datum(), "世 界 測 地 系");
    typeInto(zoneList(), "07.0");
    focusTo(field("txtY1"));
    EXPECT_EQ(zoneList()->currentText(), "7");
    EXPECT_EQ(programValues().ZahyoKei, 8);
}

TEST_F(ST, ClearEmptiesEverythingAndGoesToTheFirstField)
{
    openWithZone(9);
    enterPoints("1", "2", "3", "4");
    QTest::mouseClick(child<QPushButton>(screen, "cmdClear"), Qt::LeftButton);
    EXPECT_EQ(textsOf(screen, {"txtX1", "txtY1", "txtX2", "txtY2"}), QStringList(4, QString()));
    EXPECT_EQ(results(), QStringList(4, QString()));
    EXPECT_EQ(focused(), "txtX1");
}

// Coordinates whose squares leave the double range: the shared error dialog.
TEST_F(ST, ArithmeticFaultsShowTheErrorDialog)
{
    openWithZone(9);
    enterPoints("1E300", "1E300", "-1E300", "-1E300");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, "ｴﾗｰ");
    EXPECT_TRUE(boxes.shown[0].text.startsWith("ｴﾗｰ番号  6  ｴﾗｰが発生しました。")) << boxes.shown[0].text;
}

} // namespace
