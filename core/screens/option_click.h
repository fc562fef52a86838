#pragma once
// The Click of an option button: it runs whenever the button becomes the chosen
// one of its group, by a click, by the arrow keys or by the program itself.

#include <QAbstractButton>

template <typename Screen>
void onChosen(QAbstractButton* button, Screen* screen, void (Screen::*handler)())
{
    QObject::connect(button, &QAbstractButton::toggled, screen, [screen, handler](bool chosen) {
        if (chosen)
            (screen->*handler)();
    });
}
