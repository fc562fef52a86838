#pragma once
// Layout pieces the plane coordinate screens share: frames of fields, each
// field after its caption ("Ｘ =" and its field), and controls that come and go.

#include <QString>
#include <initializer_list>
#include <utility>

class QBoxLayout;
class QGroupBox;
class QWidget;

using LabelledField = std::pair<QString, QWidget*>;

// Appends each caption and its field to row; the captions become children of
// parent.
void addLabelled(QBoxLayout* row, QWidget* parent, std::initializer_list<LabelledField> fields);

// A frame titled title with its fields side by side in one row.
QGroupBox* frameInOneRow(QWidget* parent, const QString& title, std::initializer_list<LabelledField> fields);

// A frame titled title with one field a row, the fields in one column.
QGroupBox* frameOfRows(QWidget* parent, const QString& title, std::initializer_list<LabelledField> fields);

// Keeps the room of widget in its layout while it is hidden, so that the
// other controls stay where they are when it comes and goes.
void keepPlaceWhenHidden(QWidget* widget);
