#include "calc_screen.h"

#include "bas_DAVURedav.h"
#include "field_number.h"
#include "sub_TextSentaku.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTimer>

namespace {

// Focus changes that are not a move between controls.
bool isWindowOrPopupChange(const QFocusEvent* event)
{
    return event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
}

bool isEnter(const QKeyEvent* event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }

} // namespace

CalcScreen::CalcScreen(const QString& objectName, const QString& caption, QWidget* parent) : QWidget(parent)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
}

void CalcScreen::closeScreen() { closeHostedWindow(this); }

void closeHostedWindow(QWidget* window)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        sub->close();
    else
        window->close();
}

void CalcScreen::setFieldHandlers(QWidget* control, FieldHandlers handlers)
{
    fields_[control] = Field{std::move(handlers)};
    control->installEventFilter(this);
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(this);
}

void CalcScreen::setFirstField(QWidget* field)
{
    setFocusProxy(field);
    field->setFocus();
}

bool CalcScreen::guarded(const std::function<void()>& computation)
{
    try {
        computation();
        return true;
    } catch (const RuntimeError& error) {
        bas_DAVURedav::showErrorDialog(this, error);
        return false;
    }
}

// The focus moving to another window of the program (the catalogue, another
// calculation) or away from a screen that is closing deactivates the screen:
// that is not leaving a field, and computing or validating there would act on
// a screen the surveyor has turned away from.
bool CalcScreen::focusStaysOnScreen() const
{
    const QWidget* next = QApplication::focusWidget();
    return isVisible() && (!next || isAncestorOf(next));
}

bool CalcScreen::eventFilter(QObject* watched, QEvent* event)
{
    // An editable combo box passes its keys through its line edit.
    QObject* control = watched;
    if (auto* edit = qobject_cast<QLineEdit*>(watched); edit && qobject_cast<QComboBox*>(edit->parentWidget()))
        control = edit->parentWidget();
    const auto it = fields_.find(control);
    if (it == fields_.end())
        return QWidget::eventFilter(watched, event);
    Field& field = it->second;

    switch (event->type()) {
    case QEvent::KeyPress:
        if (isEnter(static_cast<QKeyEvent*>(event))) {
            if (field.handlers.enter)
                guarded(field.handlers.enter);
            return true;
        }
        break;
    case QEvent::FocusIn:
        if (watched != control)
            break;
        // The focus a window restores when it opens or becomes active again is
        // held from then on, but it is not "taking" the focus.
        field.entered = true;
        if (field.handlers.selectOnFocus && !isWindowOrPopupChange(static_cast<QFocusEvent*>(event))) {
            auto* widget = static_cast<QWidget*>(control);
            sub_TextSentaku(widget);
            // A click places the cursor after the focus arrived; select again
            // once the press has been handled.
            if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
                QTimer::singleShot(0, widget, [widget] { sub_TextSentaku(widget); });
        }
        break;
    case QEvent::FocusOut:
        // A field that never took the focus does not leave it: Qt sends such a
        // focus-out when a leave handler moves the focus on while the focus is
        // still travelling to another control.
        if (watched == control && field.entered && !isWindowOrPopupChange(static_cast<QFocusEvent*>(event))) {
            field.entered = false;
            if (field.handlers.leave && focusStaysOnScreen())
                guarded(field.handlers.leave);
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

double fieldValue(const QLineEdit* field) { return readFieldNumber(field->text().toStdString()); }

void rewriteAsNumber(QLineEdit* field) { field->setText(qstr(fieldNumberText(fieldValue(field)))); }
