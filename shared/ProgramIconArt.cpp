#include "ProgramIconArt.h"

#include <QPainter>

namespace {

// Drawn on a 16 by 16 grid, scaled to the size asked for.
void draw(QPainter& p) {
    const QColor outline(60, 60, 60);
    // The calendar leaf, its red top band and two rings.
    p.setPen(QPen(outline, 0.8));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(1.5, 2.5, 12, 12), 1.2, 1.2);
    p.setBrush(QColor(200, 40, 40));
    p.drawRoundedRect(QRectF(1.5, 2.5, 12, 3.5), 1.2, 1.2);
    p.setPen(QPen(outline, 0.9, Qt::SolidLine, Qt::RoundCap));
    for (const double x : {4.5, 10.5})
        p.drawLine(QPointF(x, 1.2), QPointF(x, 3.8));
    // The days.
    p.setPen(QPen(QColor(140, 140, 140), 0.8));
    for (const double y : {8.0, 10.5})
        p.drawLine(QPointF(3.5, y), QPointF(8.5, y));
    // The clock face over the leaf's corner, its hands at ten past ten.
    p.setPen(QPen(outline, 0.8));
    p.setBrush(QColor(255, 215, 60));
    p.drawEllipse(QRectF(8, 8, 7.5, 7.5));
    p.setPen(QPen(outline, 0.9, Qt::SolidLine, Qt::RoundCap));
    const QPointF centre(11.75, 11.75);
    p.drawLine(centre, centre + QPointF(-1.6, -1.3));
    p.drawLine(centre, centre + QPointF(2.2, -1.6));
}

} // namespace

namespace ProgramIconArt {

QImage image(int size) {
    QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    draw(painter);
    return picture;
}

} // namespace ProgramIconArt
