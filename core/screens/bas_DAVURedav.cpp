#include "bas_DAVURedav.h"

#include "message_boxes.h"
#include "program_values.h"

namespace bas_DAVURedav {

void showErrorDialog(QWidget* parent, const RuntimeError& error)
{
    const int number = error.number();
    // The number is written as a signed decimal with a blank in front of a
    // non-negative one.
    const QString numberText = (number >= 0 ? QStringLiteral(" ") : QString()) + QString::number(number);
    const QString text = QStringLiteral("ｴﾗｰ番号 ") + numberText + QStringLiteral("  ｴﾗｰが発生しました。")
        + QStringLiteral("\r\n\r\n") + QString::fromStdString(error.description());
    programValues().ErrFlag = 1;
    showMessage(parent, QMessageBox::Critical, QStringLiteral("ｴﾗｰ"), text);
}

void showNoIntersection(QWidget* parent)
{
    showMessage(parent, QMessageBox::Critical, QStringLiteral("エラー"), QStringLiteral("交点が存在しませんでした。"));
}

} // namespace bas_DAVURedav
