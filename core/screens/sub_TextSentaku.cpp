#include "sub_TextSentaku.h"

#include <QComboBox>
#include <QLineEdit>

void sub_TextSentaku(QWidget* field)
{
    QLineEdit* edit = qobject_cast<QLineEdit*>(field);
    if (auto* combo = qobject_cast<QComboBox*>(field))
        edit = combo->lineEdit();
    if (edit)
        edit->setSelection(0, static_cast<int>(edit->text().size()));
    if (!field->hasFocus())
        field->setFocus(Qt::OtherFocusReason);
}
