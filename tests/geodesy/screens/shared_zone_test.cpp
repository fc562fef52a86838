// The program's zone is one value for the latitude/longitude screen and the
// plane distance screen: the last zone chosen on either holds for both.

#include "frmBL_XY_Keisan2.h"
#include "frmST_Keisan2.h"
#include "program_values.h"
#include "screen_fixture.h"
#include "zone_list_driver.h"

namespace {

class SharedZone : public ScreenTest {
protected:
    QComboBox* zoneList(QWidget* screen) const { return child<QComboBox>(screen, "Combo1"); }
};

TEST_F(SharedZone, TheLastZoneChosenOnEitherScreenHoldsForBoth)
{
    programValues().ZahyoKei = 9;
    auto* blxy = open<frmBL_XY_Keisan2>();
    auto* st = open<frmST_Keisan2>();

    // The arbitrary system chosen for distances makes the conversion return
    // zeros and scale 1, while its own list still shows its last choice.
    choose(zoneList(st), " 0");
    ASSERT_EQ(programValues().ZahyoKei, 0);
    reactivate(blxy);
    enter({{child(blxy, "txtB"), "35"}, {child(blxy, "txtL"), "141"}});
    EXPECT_EQ(textsOf(blxy, {"txtX", "txtY", "txtG", "txtM"}),
              QStringList({"          0.0000m", "          0.0000m", "- 0° 0′ 0.00″", "     1.00000000"}));
    EXPECT_EQ(zoneList(blxy)->currentText(), " 9");

    // A zone chosen for the conversion is the zone of the next distance.
    choose(zoneList(blxy), " 1");
    reactivate(st);
    enter({{child(st, "txtX1"), "1000"}, {child(st, "txtY1"), "50000"}, {child(st, "txtX2"), "-2000"},
           {child(st, "txtY2"), "52000"}});
    EXPECT_EQ(textOf(st, "txtT12"), "146°18′35.370″");
}

// The conversion does not offer the arbitrary system: opened while it is the
// program's zone, it makes zone 1 the program's zone.
TEST_F(SharedZone, TheConversionReplacesTheArbitrarySystemByZone1)
{
    programValues().ZahyoKei = 9;
    auto* st = open<frmST_Keisan2>();
    choose(zoneList(st), " 0");
    auto* blxy = open<frmBL_XY_Keisan2>();
    EXPECT_EQ(zoneList(blxy)->currentText(), " 1");
    EXPECT_EQ(programValues().ZahyoKei, 1);
}

} // namespace
