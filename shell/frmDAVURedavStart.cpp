#include "frmDAVURedavStart.h"

#include "pictures.h"

#include <QLabel>
#include <QTimer>

frmDAVURedavStart::frmDAVURedavStart(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint), Pic(new QLabel(this)), Tim(new QTimer(this))
{
    setObjectName("frmDAVURedavStart");
    Pic->setObjectName("Pic");
    Tim->setObjectName("Tim");
    Pic->setPixmap(pictures::splashPicture());
    Pic->move(0, 0);
    Pic->resize(Pic->pixmap().size());
    setFixedSize(Pic->size());
    connect(Tim, &QTimer::timeout, this, &frmDAVURedavStart::Tim_Timer);
}

// The timer starts when the window is shown: a frameless window is not always
// activated by the window manager, and the splash must close all the same.
void frmDAVURedavStart::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Tim->setInterval(kInterval);
    Tim->start();
}

void frmDAVURedavStart::Tim_Timer()
{
    if (++ticks_ == kTicks) {
        Tim->stop();
        accept();
    }
}
