// Each screen fits the window the main window gives it, with the program's
// font, and shows its widest results without clipping them.

#include "frmGyakuTrvST2.h"
#include "frmOpenTrv2.h"
#include "screen_layout.h"

namespace {

using CogoLayout = ScreenLayoutTest;

TEST_F(CogoLayout, InverseListWithSixDecimals)
{
    auto* screen = place<frmGyakuTrvST2>();
    click(screen, "Option3");
    click(screen, "Opt6");
    enter({{child(screen, "txtX1"), "-123456.789"}, {child(screen, "txtY1"), "-98765.4321"},
           {child(screen, "txtX2"), "123456.789"}, {child(screen, "txtY2"), "98765.4321"}});
    EXPECT_EQ(textOf(screen, "txtPS"), "   316 203.664293");
    expectNothingClipped(screen);
}

TEST_F(CogoLayout, OpenTraverseWithCoordinatesOfTheBackSight)
{
    auto* screen = place<frmOpenTrv2>();
    click(screen, "Check1");
    enter({{child(screen, "txtBackX"), "-123456.789"}, {child(screen, "txtBackY"), "-98765.4321"},
           {child(screen, "txtKX"), "-123456.789"}, {child(screen, "txtKY"), "-98760.4321"},
           {child(screen, "txtA"), "89.5959"}, {child(screen, "txtS"), "1234.567"}});
    EXPECT_EQ(textOf(screen, "txtPT"), "359°59′59″");
    expectNothingClipped(screen);
}

} // namespace
