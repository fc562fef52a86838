#include "message_boxes.h"

namespace {

class DialogBoxes final : public MessageBoxes {
public:
    QMessageBox::StandardButton show(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                     const QString& text, QMessageBox::StandardButtons buttons) override
    {
        QMessageBox box(icon, title, text, buttons, parent);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }
};

DialogBoxes dialogs;
MessageBoxes* current = &dialogs;

} // namespace

MessageBoxes& messageBoxes() { return *current; }

void setMessageBoxes(MessageBoxes* boxes) { current = boxes ? boxes : &dialogs; }

void showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text)
{
    messageBoxes().show(parent, icon, title, text, QMessageBox::Ok);
}
