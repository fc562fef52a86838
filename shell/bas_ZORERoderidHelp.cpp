#include "bas_ZORERoderidHelp.h"

#include "message_boxes.h"

#include <QStringList>

namespace bas_ZORERoderidHelp {

QString helpText()
{
    // The contact lines point to this program's README, which is where its
    // manual and support live; the face runs down the start of the last three.
    const QStringList lines{
        QString(),
        QStringLiteral("本ソフトはZORERoderidソフトの一部を抜粋したものです。"),
        QStringLiteral("本ソフトの取扱説明書は下記ＵＲＬよりダウンロードできます。"),
        QStringLiteral("解らない事、要望等ございましたら下記e-mailへ御連絡ください。"),
        QString(),
        QString(),
        QStringLiteral("        連絡先は DAVURedav の README.md に記載しています。"),
        QStringLiteral("                   測量計算ソフトZORERoderid"),
        QStringLiteral("   ∧ ∧    開発　　：DAVURedav 開発者一同（README.md 参照）"),
        QStringLiteral("  （･∀･）  e-mail　：README.md の「連絡先」をご覧ください"),
        QStringLiteral("   ∪∪     ＵＲＬ　：README.md の「取扱説明書」をご覧ください"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

void ShowHelp(QWidget* parent)
{
    messageBoxes().show(parent, QMessageBox::Question, QStringLiteral("ZORERoderid Help"), helpText(), QMessageBox::Ok);
}

} // namespace bas_ZORERoderidHelp
