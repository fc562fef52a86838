#pragma once
// The fixture of layout tests: a screen in a sub-window of the size the main
// window gives it, with the program's font, checked for clipped controls and
// texts.

#include "placement.h"
#include "screen_fixture.h"

#include <QApplication>
#include <QFont>
#include <QMdiArea>
#include <QMdiSubWindow>

class ScreenLayoutTest : public ScreenTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The screen in a sub-window of its designed size, as the main window places it.
    template <typename Screen>
    Screen* place()
    {
        auto* screen = new Screen;
        QMdiSubWindow* sub = area.addSubWindow(screen);
        sub->setFixedSize(toPixels(*designPlacement(screen->objectName()), &area).size());
        sub->show();
        area.setActiveSubWindow(sub);
        QApplication::processEvents();
        return screen;
    }

    // Every control lies inside the screen, and every field shows its whole text.
    static void expectNothingClipped(const QWidget* screen);

    QMdiArea area;

private:
    QFont applicationFont_;
};
