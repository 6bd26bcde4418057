#include "app/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace lexavo {

namespace {

// The quick-command pictures, 32 x 32, drawn here so that no image files are needed.
QPixmap drawIcon(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return pixmap;
}

}  // namespace

QPixmap saveIcon() {
    return drawIcon([](QPainter& p) {
        p.setPen(QPen(QColor(0, 0, 96), 1.5));
        p.setBrush(QColor(40, 80, 170));
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(8, 5, 16, 10));
        p.setBrush(QColor(200, 200, 210));
        p.drawRect(QRectF(10, 19, 12, 9));
    });
}

QPixmap printIcon() {
    return drawIcon([](QPainter& p) {
        p.setPen(QPen(QColor(60, 60, 60), 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 3, 14, 10));
        p.setBrush(QColor(150, 150, 160));
        p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 19, 14, 10));
        p.drawLine(QPointF(11, 23), QPointF(21, 23));
        p.drawLine(QPointF(11, 26), QPointF(19, 26));
    });
}

QPixmap arrowIcon(bool right) {
    return drawIcon([right](QPainter& p) {
        QPainterPath path;
        const qreal s = right ? 1 : -1;
        const qreal c = 16;
        path.moveTo(c - s * 11, 12);
        path.lineTo(c + s * 1, 12);
        path.lineTo(c + s * 1, 5);
        path.lineTo(c + s * 12, 16);
        path.lineTo(c + s * 1, 27);
        path.lineTo(c + s * 1, 20);
        path.lineTo(c - s * 11, 20);
        path.closeSubpath();
        p.setPen(QPen(QColor(0, 90, 0), 1.5));
        p.setBrush(QColor(60, 170, 60));
        p.drawPath(path);
    });
}

QPixmap translateIcon() {
    return drawIcon([](QPainter& p) {
        p.setPen(QPen(QColor(120, 60, 0), 1.5));
        p.setBrush(QColor(250, 230, 160));
        p.drawRect(QRectF(3, 5, 12, 22));
        p.setBrush(QColor(250, 250, 250));
        p.drawRect(QRectF(17, 5, 12, 22));
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPixelSize(11);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(128, 0, 0));
        p.drawText(QRectF(3, 5, 12, 22), Qt::AlignCenter, QStringLiteral("A"));
        p.setPen(QColor(0, 0, 128));
        p.drawText(QRectF(17, 5, 12, 22), Qt::AlignCenter, QStringLiteral("Č"));
    });
}

// The logo: the program's name written upward along the narrow panel.
QPixmap logoPicture(qreal ratio) {
    // Drawn at the screen's resolution, 45 x 300 logical pixels.
    QPixmap pixmap(QSize(45, 300) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(QColor(0, 0, 128));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(30);
    f.setBold(true);
    f.setItalic(true);
    p.setFont(f);
    p.setPen(QColor(253, 253, 232));
    p.translate(32, 280);
    p.rotate(-90);
    p.drawText(0, 0, QStringLiteral("Lexavo 6"));
    return pixmap;
}

}  // namespace lexavo
