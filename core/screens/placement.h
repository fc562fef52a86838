#pragma once
// Where each calculation window sits inside the main window, in twips
// (1440 per inch), and the conversion of twips to pixels of a screen.

#include <QRect>
#include <optional>

class QWidget;

struct Twips {
    int left, top, width, height;
};

// The designed placement of the window named objectName, if it has a fixed one.
std::optional<Twips> designPlacement(const QString& objectName);

// Pixels at the logical DPI of the screen that widget is on.
QRect toPixels(const Twips& twips, const QWidget* widget);
int twipsToPixelsX(int twips, const QWidget* widget);
int twipsToPixelsY(int twips, const QWidget* widget);
