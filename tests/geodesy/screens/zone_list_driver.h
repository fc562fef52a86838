#pragma once
// A user at a zone list: choosing one of its items, or typing over its text.

#include <QComboBox>
#include <QString>
#include <QStringList>
#include <ostream>

// Texts in the messages of failed expectations.
inline std::ostream& operator<<(std::ostream& os, const QString& text) { return os << text.toStdString(); }

// The user clicks the list, highlights the item (of that text) in the list
// that opens and takes it with Enter.
void choose(QComboBox* list, int index);
void choose(QComboBox* list, const QString& text);

// The user clicks into the list's text and types text over it.
void typeInto(QComboBox* list, const QString& text);

QStringList itemsOf(const QComboBox* list);
