#include "frmDAVURedavStart.h"
#include "screen_fixture.h"

#include <QLabel>

namespace {

using Splash = ScreenTest;

TEST_F(Splash, ClosesOnTheFiftiethTick)
{
    frmDAVURedavStart splash;
    splash.show();
    for (int tick = 1; tick < frmDAVURedavStart::kTicks; ++tick)
        splash.Tim_Timer();
    EXPECT_TRUE(splash.isVisible()) << "closed before the 50th tick";
    splash.Tim_Timer();
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(splash.result(), QDialog::Accepted);
}

TEST_F(Splash, ShowsItsPictureAtItsOwnSize)
{
    frmDAVURedavStart splash;
    const auto* pic = child<QLabel>(&splash, "Pic");
    EXPECT_EQ(pic->pixmap().size(), QSize(514, 230));
    EXPECT_EQ(splash.size(), QSize(514, 230));
}

TEST_F(Splash, ItsTimerClosesItWithinAFewSeconds)
{
    expectedModals << "frmDAVURedavStart";
    frmDAVURedavStart splash;
    QTimer::singleShot(10000, &splash, &QDialog::reject); // never hang
    splash.exec();
    EXPECT_EQ(splash.result(), QDialog::Accepted);
    EXPECT_EQ(splash.ticks(), frmDAVURedavStart::kTicks);
}

} // namespace
