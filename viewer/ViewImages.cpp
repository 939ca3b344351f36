#include "ViewImages.h"

#include "DiskettePicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace {

const QColor Outline(60, 60, 60);

using Drawing = std::function<void(QPainter&)>;

// Each picture is drawn on a 16 by 16 grid and rendered at both sizes a menu asks for.
QIcon picture(const Drawing& draw) {
    QIcon icon;
    for (const int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void drawReload(QPainter& p) {
    // A round arrow: the file read back.
    p.setPen(QPen(QColor(30, 120, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3, 3, 10, 10), 60 * 16, 280 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 120, 40));
    p.drawPolygon(QPolygonF({{9.0, 0.5}, {14.5, 3.5}, {9.0, 6.5}}));
}

void drawAbout(QPainter& p) {
    // An "i" in a blue disc.
    p.setPen(QPen(QColor(20, 60, 130), 1));
    p.setBrush(QColor(60, 120, 210));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(7, 3.5, 2, 2));
    p.drawRoundedRect(QRectF(7, 6.5, 2, 6), 0.8, 0.8);
}

void drawClose(QPainter& p) {
    // A red cross.
    p.setPen(QPen(QColor(150, 20, 20), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 4), QPointF(12, 12));
    p.drawLine(QPointF(12, 4), QPointF(4, 12));
    p.setPen(QPen(QColor(230, 70, 60), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 4), QPointF(12, 12));
    p.drawLine(QPointF(12, 4), QPointF(4, 12));
}

// A note sheet with a small clock face in its corner.
void drawTray(QPainter& p, const QColor& sheet, const QColor& face) {
    p.setPen(QPen(Outline, 1));
    p.setBrush(sheet);
    p.drawRect(QRectF(1.5, 1.5, 10, 13));
    p.setPen(QPen(QColor(120, 120, 120), 1));
    for (const double y : {4.5, 6.5, 8.5})
        p.drawLine(QPointF(3.5, y), QPointF(9.5, y));
    p.setPen(QPen(Outline, 1));
    p.setBrush(face);
    p.drawEllipse(QRectF(7.5, 7.5, 8, 8));
    p.setPen(QPen(Outline, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11.5, 11.5), QPointF(11.5, 9));
    p.drawLine(QPointF(11.5, 11.5), QPointF(13.5, 11.5));
}

} // namespace

namespace ViewImages {

QIcon menuImage(int index) {
    switch (index) {
    case 0:
        return picture(drawReload);
    case 1:
        return picture(DiskettePicture::draw);
    case 2:
        return picture(drawAbout);
    case 3:
        return picture(drawClose);
    default:
        return {};
    }
}

QList<QIcon> trayImages() {
    return {picture([](QPainter& p) { drawTray(p, QColor(255, 250, 200), Qt::white); }),
            picture([](QPainter& p) { drawTray(p, QColor(255, 200, 120), QColor(255, 90, 70)); })};
}

} // namespace ViewImages
