#include "controls.h"

#include "fixed_font.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace controls {
namespace {
template <typename W>
W* named(W* widget, const char* name)
{
    if (name)
        widget->setObjectName(QString::fromLatin1(name));
    return widget;
}
} // namespace

QLineEdit* input(QWidget* parent, const char* name) { return named(new QLineEdit(parent), name); }

QLineEdit* result(QWidget* parent, const char* name)
{
    auto* field = named(new QLineEdit(parent), name);
    field->setReadOnly(true);
    field->setFont(fixedFont());
    // A click into a result must not leave the input field: that would run its
    // leave handler, which may empty the very result. The text can still be
    // selected with the mouse and copied from the context menu.
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = named(new QPushButton(caption, parent), name);
    b->setAutoDefault(true);
    return b;
}

QRadioButton* option(QWidget* parent, const char* name, const QString& caption)
{
    return named(new QRadioButton(caption, parent), name);
}

QCheckBox* check(QWidget* parent, const char* name, const QString& caption)
{
    return named(new QCheckBox(caption, parent), name);
}

QLabel* label(QWidget* parent, const QString& text, const char* name) { return named(new QLabel(text, parent), name); }

QGroupBox* frame(QWidget* parent, const QString& title, const char* name)
{
    return named(new QGroupBox(title, parent), name);
}

QComboBox* editableCombo(QWidget* parent, const char* name)
{
    auto* combo = named(new QComboBox(parent), name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // An item is chosen only from the list: typed text is neither completed to
    // an item ("1" to "10") nor taken as the choice of the item it matches when
    // the box is left, as an editable QComboBox would otherwise do.
    combo->setCompleter(nullptr);
    QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
    return combo;
}

void setColumns(QLineEdit* field, int columns)
{
    // The text margins and the frame come on top of the characters themselves.
    constexpr int kFrame = 10;
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QString(columns, QLatin1Char('0'))) + kFrame);
}

QListWidget* list(QWidget* parent, const char* name)
{
    auto* l = named(new QListWidget(parent), name);
    l->setFont(fixedFont());
    return l;
}

} // namespace controls
