// Drawing the main window's button pictures.
#include "shell/button_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace velmar {

namespace {

constexpr int kSize = 48;

void folder(QPainter& p, const QColor& colour)
{
    p.setBrush(colour.darker(115));
    p.drawRoundedRect(QRectF(6, 12, 18, 8), 2, 2);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(6, 16, 36, 24), 3, 3);
}

void sheet(QPainter& p)
{
    p.setBrush(Qt::white);
    p.drawRect(QRectF(12, 6, 24, 34));
    p.setPen(QPen(QColor(90, 110, 140), 2));
    for (int y = 13; y <= 31; y += 6)
        p.drawLine(QPointF(16, y), QPointF(32, y));
}

void padlock(QPainter& p, bool open)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 110, 110), 4));
    QPainterPath shackle;
    shackle.moveTo(15, 22);
    shackle.lineTo(15, 15);
    shackle.arcTo(QRectF(15, 5, 18, 18), 180, -180);
    shackle.lineTo(33, open ? 12 : 22);
    p.drawPath(open ? shackle.translated(8, -3) : shackle);
    p.setPen(QPen(QColor(120, 80, 10), 1.5));
    p.setBrush(open ? QColor(120, 190, 90) : QColor(230, 180, 60));
    p.drawRoundedRect(QRectF(10, 21, 28, 21), 3, 3);
    p.setBrush(QColor(60, 40, 10));
    p.drawEllipse(QPointF(24, 30), 3, 3);
}

void exitDoor(QPainter& p)
{
    p.setBrush(QColor(170, 120, 70));
    p.drawRect(QRectF(10, 6, 22, 36));
    p.setPen(QPen(QColor(200, 40, 40), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(26, 24), QPointF(43, 24));
    p.drawLine(QPointF(37, 18), QPointF(43, 24));
    p.drawLine(QPointF(37, 30), QPointF(43, 24));
}

}  // namespace

QIcon buttonPicture(ButtonPicture picture)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    switch (picture) {
    case ButtonPicture::Contracts:
        folder(p, QColor(240, 200, 90));
        break;
    case ButtonPicture::Reports:
        sheet(p);
        break;
    case ButtonPicture::Utilities:
        folder(p, QColor(120, 160, 220));
        break;
    case ButtonPicture::AdministrationLocked:
        padlock(p, false);
        break;
    case ButtonPicture::AdministrationUnlocked:
        padlock(p, true);
        break;
    case ButtonPicture::Exit:
        exitDoor(p);
        break;
    }
    return QIcon(pixmap);
}

}  // namespace velmar
