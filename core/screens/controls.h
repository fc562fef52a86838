#pragma once
// The controls calculation screens are built from, named after the names the
// screens give them.

#include <QString>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QCheckBox;
class QWidget;

namespace controls {

// An input field.
QLineEdit* input(QWidget* parent, const char* name);
// A result field: read-only (its text can still be selected and copied), in the
// fixed-pitch font, never taking the focus.
QLineEdit* result(QWidget* parent, const char* name);
// A button; Enter on it while it has the focus clicks it.
QPushButton* button(QWidget* parent, const char* name, const QString& caption);
QRadioButton* option(QWidget* parent, const char* name, const QString& caption);
QCheckBox* check(QWidget* parent, const char* name, const QString& caption);
QLabel* label(QWidget* parent, const QString& text, const char* name = nullptr);
QGroupBox* frame(QWidget* parent, const QString& title, const char* name = nullptr);
// A zone list that also takes typed text. Only choosing an item from the list
// (QComboBox::activated) chooses one; typed text stays text.
QComboBox* editableCombo(QWidget* parent, const char* name);
// Makes a field just wide enough for columns single-byte characters of its font.
void setColumns(QLineEdit* field, int columns);
QListWidget* list(QWidget* parent, const char* name);

} // namespace controls
