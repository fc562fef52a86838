#pragma once
// The program's pictures, drawn by the program itself: the splash picture, the
// version window's picture and the toolbar icons.

#include <QIcon>
#include <QPixmap>

namespace pictures {

// The splash picture, 514 x 230 pixels: the product name over a survey motif.
QPixmap splashPicture();

// The small picture of the version window.
QPixmap versionPicture();

// Toolbar icons: background colour, intersection, calculator.
QIcon colourIcon();
QIcon intersectionIcon();
QIcon calculatorIcon();

} // namespace pictures
