#include "DiskettePicture.h"

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace DiskettePicture {

void draw(QPainter& p) {
    // Blue case, metal shutter, white label.
    p.setPen(QPen(QColor(20, 45, 100), 1));
    p.setBrush(QColor(50, 95, 170));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(205, 210, 215));
    p.drawRect(QRectF(4.5, 1.5, 7, 4.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 95, 170));
    p.drawRect(QRectF(9, 2.5, 1.5, 2.5));
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 8.5, 9, 6));
    p.setPen(QPen(QColor(170, 170, 200), 1));
    p.drawLine(QPointF(5, 10.5), QPointF(11, 10.5));
    p.drawLine(QPointF(5, 12.5), QPointF(11, 12.5));
}

} // namespace DiskettePicture
