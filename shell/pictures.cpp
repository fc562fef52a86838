#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pictures {
namespace {

// A surveyor's tripod with an instrument on top, standing on the ground line.
void drawTripod(QPainter& p, QPointF foot, double height)
{
    const QPointF head(foot.x(), foot.y() - height);
    p.setPen(QPen(QColor(90, 60, 30), height / 40));
    p.drawLine(head, QPointF(foot.x() - height * 0.35, foot.y()));
    p.drawLine(head, QPointF(foot.x() + height * 0.35, foot.y()));
    p.drawLine(head, QPointF(foot.x() + height * 0.05, foot.y()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 200, 40));
    p.drawRoundedRect(QRectF(head.x() - height * 0.12, head.y() - height * 0.2, height * 0.24, height * 0.2), 3, 3);
    p.setBrush(QColor(40, 40, 40));
    p.drawRect(QRectF(head.x() - height * 0.03, head.y() - height * 0.3, height * 0.06, height * 0.12));
}

QPixmap iconPixmap() { return QPixmap(32, 32); }

} // namespace

QPixmap splashPicture()
{
    QPixmap pixmap(514, 230);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 230);
    sky.setColorAt(0, QColor(40, 80, 160));
    sky.setColorAt(1, QColor(180, 210, 245));
    p.fillRect(pixmap.rect(), sky);

    // A traverse: stations joined by legs, with a sight line to a target.
    p.setPen(QPen(QColor(255, 255, 255, 180), 2, Qt::DashLine));
    const QPointF stations[] = {{40, 200}, {150, 170}, {270, 188}, {380, 160}, {480, 176}};
    p.drawPolyline(stations, 5);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    for (const QPointF& s : stations)
        p.drawEllipse(s, 4, 4);
    p.setBrush(QColor(60, 120, 60));
    p.drawRect(QRectF(0, 205, 514, 25));
    drawTripod(p, QPointF(430, 205), 90);

    QFont title;
    title.setFamilies({QStringLiteral("IPAGothic")});
    title.setPixelSize(54);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(20, 20, 480, 70), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("DAVURedav"));
    title.setPixelSize(22);
    title.setBold(false);
    p.setFont(title);
    p.drawText(QRectF(24, 90, 480, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("測量計算ソフト  Ver1.20"));
    return pixmap;
}

QPixmap versionPicture()
{
    QPixmap pixmap(64, 64);
    pixmap.fill(QColor(200, 225, 250));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, 52, 64, 12), QColor(60, 120, 60));
    drawTripod(p, QPointF(32, 56), 44);
    return pixmap;
}

QIcon colourIcon()
{
    QPixmap pixmap = iconPixmap();
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const QColor colours[] = {QColor(230, 60, 60), QColor(60, 180, 60), QColor(60, 90, 230), QColor(240, 200, 40)};
    for (int i = 0; i < 4; ++i)
        p.fillRect(QRect((i % 2) * 16 + 1, (i / 2) * 16 + 1, 14, 14), colours[i]);
    return QIcon(pixmap);
}

QIcon intersectionIcon()
{
    QPixmap pixmap = iconPixmap();
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 30, 120), 2));
    p.drawLine(2, 28, 30, 4);
    p.drawLine(2, 6, 30, 26);
    p.setPen(QPen(Qt::red, 2));
    p.drawEllipse(QPointF(16, 16), 4, 4);
    return QIcon(pixmap);
}

QIcon calculatorIcon()
{
    QPixmap pixmap = iconPixmap();
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setBrush(QColor(70, 70, 80));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(5, 1, 22, 30), 3, 3);
    p.fillRect(QRectF(8, 4, 16, 7), QColor(180, 220, 180));
    p.setBrush(QColor(230, 230, 230));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRect(QRectF(8 + col * 6, 14 + row * 5.5, 4, 3.5));
    return QIcon(pixmap);
}

} // namespace pictures
