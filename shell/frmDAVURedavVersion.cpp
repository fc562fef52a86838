#include "frmDAVURedavVersion.h"

#include "bas_ZORERoderidHelp.h"
#include "calc_screen.h"
#include "controls.h"
#include "pictures.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

frmDAVURedavVersion::frmDAVURedavVersion(QWidget* parent) : QWidget(parent)
{
    setObjectName("frmDAVURedavVersion");
    setWindowTitle("DAVURedav バージョン情報");
    setAttribute(Qt::WA_DeleteOnClose);

    auto* SSPanel1 = new QFrame(this);
    SSPanel1->setObjectName("SSPanel1");
    SSPanel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    SSPanel1->setLineWidth(2);
    auto* panelLayout = new QVBoxLayout(SSPanel1);
    panelLayout->setContentsMargins(3, 3, 3, 3);
    Image1 = controls::label(SSPanel1, QString(), "Image1");
    Image1->setPixmap(pictures::versionPicture());
    Image1->installEventFilter(this);
    panelLayout->addWidget(Image1);

    auto* LabelNo = controls::label(this, QStringLiteral("DAVURedav Ver") + QStringLiteral("1.20"), "LabelNo");
    auto* LabelDate = controls::label(this, "2020.12.14", "LabelDate");
    auto* Label5 = controls::label(this, "ZORERoderid for Windows ", "Label5");
    auto* Label2 = controls::label(this, "製作：DAVURedav 開発者一同", "Label2");
    auto* Label3 = controls::label(this, "開発：DAVURedav 開発者一同", "Label3");
    auto* Label4 = controls::label(this, "連絡先：README.md 参照", "Label4");
    auto* cmdHelp = controls::button(this, "cmdHelp", "Help");
    auto* cmdOK = controls::button(this, "cmdOK", "OK");

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setVerticalSpacing(2);
    layout->addWidget(SSPanel1, 0, 0, 4, 1, Qt::AlignTop);
    layout->addWidget(LabelNo, 0, 1);
    layout->addWidget(LabelDate, 1, 1);
    layout->addWidget(Label5, 2, 1);
    layout->addWidget(Label2, 4, 0, 1, 2);
    layout->addWidget(Label3, 5, 0, 1, 2);
    layout->addWidget(Label4, 6, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdHelp);
    buttons->addWidget(cmdOK);
    layout->addLayout(buttons, 7, 0, 1, 2);

    connect(cmdHelp, &QPushButton::clicked, this, &frmDAVURedavVersion::cmdHelp_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmDAVURedavVersion::cmdOK_Click);
}

void frmDAVURedavVersion::cmdHelp_Click()
{
    bas_ZORERoderidHelp::ShowHelp(this);
    closeHostedWindow(this);
}

void frmDAVURedavVersion::cmdOK_Click() { closeHostedWindow(this); }

bool frmDAVURedavVersion::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonRelease) {
        cmdHelp_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
