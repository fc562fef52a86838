// Each screen fits the window the main window gives it, with the program's
// font, and shows its widest results without clipping them.

#include "frmAreaCoordCnge_Keisan2.h"
#include "frmBL_XY_Keisan2.h"
#include "frmST_Keisan2.h"
#include "program_values.h"
#include "screen_layout.h"
#include "zone_list_driver.h"

namespace {

using GeodesyLayout = ScreenLayoutTest;

TEST_F(GeodesyLayout, LatitudeLongitudeScreenWithLatitudes)
{
    programValues().ZahyoKei = 9;
    auto* screen = place<frmBL_XY_Keisan2>();
    click(screen, "Option2");
    enter({{child(screen, "txtB"), "-110316.7328"}, {child(screen, "txtL"), "-106494.7533"}});
    EXPECT_EQ(textOf(screen, "txtY"), "138°40′ 0.00000″");
    expectNothingClipped(screen);
}

TEST_F(GeodesyLayout, DistanceScreen)
{
    auto* screen = place<frmST_Keisan2>();
    enter({{child(screen, "txtX1"), "-310000.123"}, {child(screen, "txtY1"), "-220000.456"},
           {child(screen, "txtX2"), "315000.789"}, {child(screen, "txtY2"), "230000.012"}});
    EXPECT_EQ(textOf(screen, "txtS1"), "    770 147.104m");
    expectNothingClipped(screen);
}

TEST_F(GeodesyLayout, ZoneConversionScreen)
{
    auto* screen = place<frmAreaCoordCnge_Keisan2>();
    choose(child<QComboBox>(screen, "Combo1"), " 9");
    choose(child<QComboBox>(screen, "Combo2"), "10");
    enter({{child(screen, "txtX1"), "-110316.7328"}, {child(screen, "txtY1"), "106494.7533"}});
    EXPECT_EQ(textOf(screen, "txtX2"), "-554 867.944 m");
    expectNothingClipped(screen);
}

} // namespace
