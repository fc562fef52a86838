#pragma once
// The base of every calculation screen: the conventions its input fields share.
//
// - Taking the focus selects the whole text (sub_TextSentaku), so typing
//   replaces it.
// - Enter is swallowed (no character, no beep) and runs the field's Enter
//   handler, which usually moves the focus to the next field.
// - Leaving runs the field's leave handler, usually the rewrite of the text as
//   the number it reads as.
// "Taking" and "leaving" are focus moves between controls of the program: a
// message box opening, a popup, the window being deactivated or closed and the
// focus moving to another window of the program are neither, so a computation
// started by leaving a field never re-enters itself or runs on a closing screen.
// The handlers run under the shared error handler: a run-time error in one (a
// typed 1E999 overflows when the field is rewritten) shows the shared error
// dialog instead of escaping from the event loop.

#include "runtime_error.h"

#include <QWidget>
#include <functional>
#include <map>

class QLineEdit;

class CalcScreen : public QWidget {
    Q_OBJECT
public:
    // Closes the screen together with the window that holds it.
    void closeScreen();

protected:
    CalcScreen(const QString& objectName, const QString& caption, QWidget* parent = nullptr);

    struct FieldHandlers {
        std::function<void()> enter; // Enter in the field
        std::function<void()> leave; // the focus moved from the field to another control
        bool selectOnFocus = true;   // select the whole text on taking the focus
    };
    // Gives control (a line edit, an editable combo box or a button) the
    // conventions above.
    void setFieldHandlers(QWidget* control, FieldHandlers handlers);

    // The field the screen opens in; it also takes the focus whenever the main
    // window gives the screen the focus.
    void setFirstField(QWidget* field);

    // Runs a computation under the shared error handler: a run-time error shows
    // the shared error dialog and returns false.
    bool guarded(const std::function<void()>& computation);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool focusStaysOnScreen() const;

    struct Field {
        FieldHandlers handlers;
        bool entered = false; // took the focus and has not left it since
    };
    std::map<QObject*, Field> fields_;
};

// Closes window together with the sub-window of the main window that holds it.
void closeHostedWindow(QWidget* window);

// The value of a field: the number its text reads as.
double fieldValue(const QLineEdit* field);

// Rewrites a field's text as the number it reads as, in its shortest decimal
// form ("007.50" becomes "7.5", "abc" becomes "0").
void rewriteAsNumber(QLineEdit* field);

// A std::string of the numeric core as a QString.
inline QString qstr(const std::string& text) { return QString::fromStdString(text); }
