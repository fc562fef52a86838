#pragma once
// Every message box of the program goes through this interface, so that a test
// can answer it without a modal loop. The real one is a QMessageBox.

#include <QMessageBox>

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual QMessageBox::StandardButton show(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                             const QString& text, QMessageBox::StandardButtons buttons) = 0;
};

// The message boxes in use: the real dialogs unless a test installed its own.
MessageBoxes& messageBoxes();

// Installs boxes (not owned), or the real dialogs again with nullptr.
void setMessageBoxes(MessageBoxes* boxes);

// A box with an OK button only.
void showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text);
