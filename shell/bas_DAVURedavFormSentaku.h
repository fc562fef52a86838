#pragma once
// Opening a calculation by its catalogue number, and closing every calculation
// window: the two routines behind the catalogue and the main window's menu.

#include <cstdint>

class QMdiArea;
class QMdiSubWindow;
class QString;
class QWidget;
struct Twips;

namespace bas_DAVURedavFormSentaku {

// Opens the window of catalogue entry n (1-22) in area, placed as the
// catalogue says, or brings it forward when it is open already. Any other
// number, and a calculation not available yet, does nothing.
void FormSentaku(QMdiArea* area, int16_t n);

// Closes the version window and every calculation window, in a fixed order;
// the catalogue and the main window stay.
void AllClose(QMdiArea* area);

// Puts window into a fixed-size sub-window of area at its place in twips (a
// zero width keeps the window's own size) and shows it.
QMdiSubWindow* showPlaced(QMdiArea* area, QWidget* window, const Twips& twips);

// Brings the window named objectName forward; false when it is not open.
bool bringForward(QMdiArea* area, const QString& objectName);

// The sub-window of area that holds the window named objectName, if open.
QMdiSubWindow* findWindow(QMdiArea* area, const QString& objectName);

} // namespace bas_DAVURedavFormSentaku
