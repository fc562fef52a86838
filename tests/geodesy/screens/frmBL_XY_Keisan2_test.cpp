#include "frmBL_XY_Keisan2.h"
#include "program_values.h"
#include "screen_fixture.h"
#include "zone_list_driver.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

class BL_XY : public ScreenTest {
protected:
    void openWithZone(int16_t zone)
    {
        programValues().ZahyoKei = zone;
        screen = open<frmBL_XY_Keisan2>();
    }
    QLineEdit* field(const char* name) const { return child(screen, name); }
    QComboBox* zoneList() const { return child<QComboBox>(screen, "Combo1"); }
    QString labelText(const char* name) const { return child<QLabel>(screen, name)->text(); }
    QStringList results() const { return textsOf(screen, {"txtX", "txtY", "txtG", "txtM"}); }
    void convert(const QString& first, const QString& second)
    {
        enter({{field("txtB"), first}, {field("txtL"), second}});
    }

    frmBL_XY_Keisan2* screen = nullptr;
};

TEST_F(BL_XY, OpensWithTheCurrentZoneAndLatitudeLongitudeToPlane)
{
    struct Case {
        int16_t zone;
        const char* shown;
        int16_t zoneAfter; // the arbitrary system 0 is not offered here
    } const cases[] = {{8, " 8", 8}, {0, " 1", 1}, {19, "19", 19}};
    for (const auto& c : cases) {
        openWithZone(c.zone);
        EXPECT_EQ(screen->windowTitle(), "BL ←→ XY 変換");
        EXPECT_EQ(zoneList()->currentText(), c.shown) << c.zone;
        EXPECT_EQ(programValues().ZahyoKei, c.zoneAfter);
        EXPECT_EQ(focused(), "txtB");
        EXPECT_EQ(itemsOf(zoneList()), QStringList({" 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8", " 9", "10",
                                                    "11", "12", "13", "14", "15", "16", "17", "18", "19"}));
        EXPECT_TRUE(child<QRadioButton>(screen, "Option1")->isChecked());
        EXPECT_EQ(child<QRadioButton>(screen, "Option1")->text(), "BL → XY 変換");
        EXPECT_EQ(child<QRadioButton>(screen, "Option2")->text(), "XY → BL 変換");
        EXPECT_EQ(labelText("Label1"), "世 界 測 地 系");
        EXPECT_EQ(child<QPushButton>(screen, "cmdClear")->text(), "データクリア");
        EXPECT_EQ(child<QPushButton>(screen, "cmdEND")->text(), "終了");
        screen->close();
    }
}

TEST_F(BL_XY, LabelsFollowTheDirection)
{
    openWithZone(9);
    const auto labels = [this] {
        return QStringList{labelText("lblB"), labelText("lblL"), labelText("lblX"), labelText("lblY")};
    };
    EXPECT_EQ(labels(), QStringList({"Ｂ=", "Ｌ=", "Ｘ =", "Ｙ ="}));
    EXPECT_EQ(labelText("lblKAKU"), "角度入力：（ 35°4′23.″1846 → 35.04231846 ）");
    EXPECT_TRUE(child<QLabel>(screen, "lblKAKU")->isVisible());

    click(screen, "Option2");
    EXPECT_EQ(labels(), QStringList({"Ｘ=", "Ｙ=", "緯度（Ｂ） =", "経度（Ｌ） ="}));
    EXPECT_FALSE(child<QLabel>(screen, "lblKAKU")->isVisible());

    click(screen, "Option1");
    EXPECT_EQ(labels(), QStringList({"Ｂ=", "Ｌ=", "Ｘ =", "Ｙ ="}));
    EXPECT_TRUE(child<QLabel>(screen, "lblKAKU")->isVisible());
}

// Zone 9: its origin, a point east of the central meridian (negative
// convergence) and one west of it (positive).
TEST_F(BL_XY, LatitudeLongitudeToPlane)
{
    struct Case {
        const char *B, *L;
        QStringList results;
    } const cases[] = {
        {"36", "139.50", {"          0.0000m", "          0.0000m", "- 0° 0′ 0.00″", "     0.99990000"}},
        {"35", "141", {"   -110 316.7328m", "    106 494.7533m", "- 0°40′ 9.25″", "     1.00003973"}},
        {"35.30", "139.30", {"    -55 420.5581m", "    -30 240.1622m", "+ 0°11′36.85″", "     0.99991127"}},
    };
    openWithZone(9);
    for (const auto& c : cases) {
        convert(c.B, c.L);
        EXPECT_EQ(results(), c.results) << c.B << " " << c.L;
        EXPECT_EQ(focused(), "txtB");
    }
}

TEST_F(BL_XY, PlaneToLatitudeLongitude)
{
    struct Case {
        const char *X, *Y;
        QStringList results;
    } const cases[] = {
        // The origin: the negative zero of the convergence counts as "+" here.
        {"0", "0", {" 36° 0′ 0.00000″", "139°50′ 0.00000″", "+ 0° 0′ 0.00″", "     0.99990000"}},
        {"-110316.7328", "106494.7533",
         {" 35° 0′ 0.00000″", "141° 0′ 0.00000″", "- 0°40′ 9.25″", "     1.00003973"}},
    };
    openWithZone(9);
    click(screen, "Option2");
    for (const auto& c : cases) {
        convert(c.X, c.Y);
        EXPECT_EQ(results(), c.results) << c.X << " " << c.Y;
        EXPECT_EQ(focused(), "txtB");
    }
}

TEST_F(BL_XY, ChangingTheDirectionEmptiesInputsAndResults)
{
    struct Case {
        const char* from;
        const char* to;
        const char* focusAfter; // only the plane direction moves the focus on
    } const cases[] = {{"Option1", "Option2", "txtB"}, {"Option2", "Option1", "Option1"}};
    openWithZone(9);
    for (const auto& c : cases) {
        click(screen, c.from);
        convert("35", "141");
        ASSERT_FALSE(textOf(screen, "txtM").isEmpty());
        click(screen, c.to);
        EXPECT_EQ(textsOf(screen, {"txtB", "txtL", "txtX", "txtY", "txtG", "txtM"}), QStringList(6, QString()))
            << c.to;
        EXPECT_EQ(focused(), c.focusAfter) << c.to;
    }
}

TEST_F(BL_XY, EnterOrderAndWhatLeavingAFieldDoes)
{
    openWithZone(9);
    convert("35", "141");
    ASSERT_FALSE(textOf(screen, "txtX").isEmpty());

    // Enter in the latitude empties the results and moves on; leaving rewrites.
    type(field("txtB"), "035.3000");
    pressEnter(field("txtB"));
    EXPECT_EQ(focused(), "txtL");
    EXPECT_EQ(textOf(screen, "txtB"), "35.3");
    EXPECT_EQ(results(), QStringList(4, QString()));

    // Leaving the longitude rewrites it and computes; Enter there goes back.
    type(field("txtL"), "139.3000");
    pressEnter(field("txtL"));
    EXPECT_EQ(textOf(screen, "txtL"), "139.3");
    EXPECT_EQ(textOf(screen, "txtX"), "    -55 420.5581m");
    EXPECT_EQ(focused(), "txtB");
    EXPECT_EQ(field("txtB")->selectedText(), "35.3");

    // Leaving the latitude by any way empties the results again.
    focusTo(child<QPushButton>(screen, "cmdEND"));
    EXPECT_EQ(results(), QStringList(4, QString()));
}

TEST_F(BL_XY, EmptyInputsConvertTheZeroPoint)
{
    openWithZone(9);
    convert("", "abc");
    EXPECT_EQ(textsOf(screen, {"txtB", "txtL"}), QStringList({"0", "0"}));
    EXPECT_FALSE(textOf(screen, "txtX").isEmpty());
}

TEST_F(BL_XY, ChoosingAZoneSetsTheProgramZone)
{
    openWithZone(8);
    choose(zoneList(), "10");
    EXPECT_EQ(programValues().ZahyoKei, 10);
    EXPECT_EQ(focused(), "txtB");
    // Leaving the list rewrote its text as the number it reads as.
    EXPECT_EQ(zoneList()->currentText(), "10");
    choose(zoneList(), " 9");
    EXPECT_EQ(programValues().ZahyoKei, 9);
    EXPECT_EQ(zoneList()->currentText(), "9");
}

// Typed text is no choice: neither leaving the list nor Enter in it changes
// the zone, even for a text that is one of the items.
TEST_F(BL_XY, TypingIntoTheZoneListDoesNotChangeTheZone)
{
    struct Case {
        const char* typed;
        const char* rewritten;
    } const cases[] = {{" 9", "9"}, {"1", "1"}, {"12.50", "12.5"}, {"abc", "0"}};
    openWithZone(8);
    for (const auto& c : cases) {
        typeInto(zoneList(), c.typed);
        pressEnter(zoneList()->lineEdit());
        EXPECT_EQ(focused(), "txtB") << c.typed;
        EXPECT_EQ(zoneList()->currentText(), c.rewritten);
        EXPECT_EQ(programValues().ZahyoKei, 8) << c.typed;
    }
}

// Going to the list leaves the latitude, which empties the results; choosing
// a zone computes nothing.
TEST_F(BL_XY, ChoosingAZoneDoesNotRecompute)
{
    openWithZone(9);
    convert("35", "141");
    choose(zoneList(), " 1");
    EXPECT_EQ(results(), QStringList(4, QString()));
    EXPECT_EQ(textsOf(screen, {"txtB", "txtL"}), QStringList({"35", "141"}));
}

TEST_F(BL_XY, ClearEmptiesInputsAndResultsWithoutMovingTheFocus)
{
    openWithZone(9);
    convert("35", "141");
    auto* clear = child<QPushButton>(screen, "cmdClear");
    focusTo(clear);
    QTest::keyClick(clear, Qt::Key_Space);
    EXPECT_EQ(textsOf(screen, {"txtB", "txtL", "txtX", "txtY", "txtG", "txtM"}), QStringList(6, QString()));
    EXPECT_EQ(focused(), "cmdClear");
}

// Arithmetic faults end in the shared error dialog, never in a hang: a
// latitude beyond the 16-bit degrees of the d.mmss reading, and a northing so
// far out that the footpoint latitude cannot settle.
TEST_F(BL_XY, ArithmeticFaultsShowTheErrorDialog)
{
    struct Case {
        const char* direction;
        const char *first, *second;
    } const cases[] = {{"Option1", "40000", "139"}, {"Option2", "1E13", "0"}};
    openWithZone(9);
    for (const auto& c : cases) {
        click(screen, c.direction);
        boxes.shown.clear();
        convert(c.first, c.second);
        ASSERT_EQ(boxes.shown.size(), 1u) << c.first;
        EXPECT_EQ(boxes.shown[0].title, "ｴﾗｰ");
        EXPECT_TRUE(boxes.shown[0].text.startsWith("ｴﾗｰ番号  6  ｴﾗｰが発生しました。")) << boxes.shown[0].text;
        EXPECT_EQ(results(), QStringList(4, QString()));
        reactivate(screen);
    }
}

TEST_F(BL_XY, EndClosesTheScreen)
{
    openWithZone(9);
    QPointer<frmBL_XY_Keisan2> alive(screen);
    QTest::mouseClick(child<QPushButton>(screen, "cmdEND"), Qt::LeftButton);
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
}

} // namespace
