// Draws the organiser's menu and tool-bar pictures into PNG files at build time:
// mkicons <output folder> writes <name>.png (16 x 16) and <name>@2x.png (32 x 32) for each.
#include "DiskettePicture.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>

#include <cstdio>
#include <functional>

namespace {

const QColor Outline(60, 60, 60);

void drawNew(QPainter& p) {
    // A blank sheet with a folded corner and a spark for "new".
    const QPolygonF sheet({{4.5, 1.5}, {10.5, 1.5}, {13.5, 4.5}, {13.5, 14.5}, {4.5, 14.5}});
    p.setPen(QPen(Outline, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(sheet);
    p.setBrush(QColor(200, 200, 200));
    p.drawPolygon(QPolygonF({{10.5, 1.5}, {10.5, 4.5}, {13.5, 4.5}}));
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (double y : {7.5, 9.5, 11.5})
        p.drawLine(QPointF(6.5, y), QPointF(11.5, y));
    QPainterPath spark;
    const QPointF c(4, 4.5);
    spark.moveTo(c + QPointF(0, -3.5));
    spark.lineTo(c + QPointF(0.9, -0.9));
    spark.lineTo(c + QPointF(3.5, 0));
    spark.lineTo(c + QPointF(0.9, 0.9));
    spark.lineTo(c + QPointF(0, 3.5));
    spark.lineTo(c + QPointF(-0.9, 0.9));
    spark.lineTo(c + QPointF(-3.5, 0));
    spark.lineTo(c + QPointF(-0.9, -0.9));
    spark.closeSubpath();
    p.setPen(QPen(QColor(170, 120, 0), 0.6));
    p.setBrush(QColor(255, 205, 40));
    p.drawPath(spark);
}

void drawPrint(QPainter& p) {
    // A printer with a sheet going in on top and one coming out in front.
    p.setPen(QPen(Outline, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 6));
    QLinearGradient body(0, 6, 0, 13);
    body.setColorAt(0, QColor(215, 215, 215));
    body.setColorAt(1, QColor(150, 150, 150));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.drawLine(QPointF(6, 12.5), QPointF(10, 12.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 180, 60));
    p.drawEllipse(QPointF(12.5, 8.5), 0.9, 0.9);
}

void drawAbout(QPainter& p) {
    // An "i" on a blue disc.
    QLinearGradient disc(0, 1, 0, 15);
    disc.setColorAt(0, QColor(90, 150, 230));
    disc.setColorAt(1, QColor(30, 80, 170));
    p.setPen(QPen(QColor(20, 50, 120), 1));
    p.setBrush(disc);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 4.7), 1.3, 1.3);
    p.drawRoundedRect(QRectF(6.9, 6.8, 2.2, 6), 0.6, 0.6);
}

void drawExit(QPainter& p) {
    // An open door with an arrow leading out.
    p.setPen(QPen(QColor(80, 50, 20), 1));
    p.setBrush(QColor(160, 110, 60));
    p.drawRect(QRectF(2.5, 1.5, 7, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 210, 90));
    p.drawEllipse(QPointF(8, 8), 0.8, 0.8);
    QPainterPath arrow;
    arrow.moveTo(6, 7);
    arrow.lineTo(11, 7);
    arrow.lineTo(11, 4.5);
    arrow.lineTo(15, 8);
    arrow.lineTo(11, 11.5);
    arrow.lineTo(11, 9);
    arrow.lineTo(6, 9);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(130, 20, 20), 0.8));
    p.setBrush(QColor(220, 50, 40));
    p.drawPath(arrow);
}

void drawHelp(QPainter& p) {
    // A closed book with a question mark on its cover.
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 2.5, 9, 12));
    p.setPen(QPen(QColor(20, 80, 70), 1));
    p.setBrush(QColor(40, 140, 120));
    p.drawRect(QRectF(2.5, 1.5, 9, 12));
    QPen mark(Qt::white, 1.6);
    mark.setCapStyle(Qt::RoundCap);
    p.setPen(mark);
    p.setBrush(Qt::NoBrush);
    QPainterPath question;
    question.arcMoveTo(QRectF(4.7, 3.3, 4.6, 4.4), 160);
    question.arcTo(QRectF(4.7, 3.3, 4.6, 4.4), 160, -250);
    question.lineTo(7, 9);
    p.drawPath(question);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(7, 11.3), 0.95, 0.95);
}

bool write(const QString& folder, const char* name, const std::function<void(QPainter&)>& draw) {
    for (const int scale : {1, 2}) {
        QImage image(16 * scale, 16 * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(scale, scale);
            draw(painter);
        }
        const QString file = folder + QLatin1Char('/') + QLatin1String(name) +
                             (scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png"));
        if (!image.save(file, "PNG")) {
            std::fprintf(stderr, "mkicons: cannot write %s\n", qPrintable(file));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: mkicons <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "mkicons: cannot make %s\n", argv[1]);
        return 1;
    }
    const bool ok = write(folder, "new", drawNew) && write(folder, "save", DiskettePicture::draw) &&
                    write(folder, "print", drawPrint) && write(folder, "about", drawAbout) &&
                    write(folder, "exit", drawExit) && write(folder, "help", drawHelp);
    return ok ? 0 : 1;
}
