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
    field->setFocusPolicy(Qt::ClickFocus);
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
    return combo;
}

QListWidget* list(QWidget* parent, const char* name)
{
    auto* l = named(new QListWidget(parent), name);
    l->setFont(fixedFont());
    return l;
}

} // namespace controls
