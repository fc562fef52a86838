#include "layout_parts.h"

#include "controls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace {

// Tight margins: the screens have little room for their frames.
void setFrameMargins(QLayout* layout) { layout->setContentsMargins(6, 0, 6, 3); }

} // namespace

void addLabelled(QBoxLayout* row, QWidget* parent, std::initializer_list<LabelledField> fields)
{
    for (const auto& [caption, field] : fields) {
        row->addWidget(controls::label(parent, caption));
        row->addWidget(field);
    }
}

QGroupBox* frameInOneRow(QWidget* parent, const QString& title, std::initializer_list<LabelledField> fields)
{
    QGroupBox* frame = controls::frame(parent, title);
    auto* row = new QHBoxLayout(frame);
    setFrameMargins(row);
    addLabelled(row, frame, fields);
    return frame;
}

QGroupBox* frameOfRows(QWidget* parent, const QString& title, std::initializer_list<LabelledField> fields)
{
    QGroupBox* frame = controls::frame(parent, title);
    auto* grid = new QGridLayout(frame);
    setFrameMargins(grid);
    grid->setVerticalSpacing(2);
    int row = 0;
    for (const auto& [caption, field] : fields) {
        grid->addWidget(controls::label(frame, caption), row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    }
    // Fields keep their own width; the room left over stays on the right.
    grid->setColumnStretch(2, 1);
    return frame;
}

void keepPlaceWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}
