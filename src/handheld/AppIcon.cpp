#include "AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

void PaintPivexAppIcon(QPainter& p, int size)
{
    const qreal s = size / 32.0;

    // Key pad.
    p.setPen(QPen(QColor(0x1f, 0x3a, 0x5f), qMax(1.0, s)));
    p.setBrush(QColor(0x3b, 0x6e, 0xa8));
    p.drawRoundedRect(QRectF(1.5 * s, 11.5 * s, 29 * s, 18 * s), 3 * s, 3 * s);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf2, 0xf5, 0xf9));
    const int columns[3] = {6, 5, 3};
    for (int row = 0; row < 3; ++row) {
        const qreal y = (14.5 + row * 4.8) * s;
        for (int col = 0; col < columns[row]; ++col) {
            const qreal x = (4.5 + col * 4.2 + row * 1.2) * s;
            p.drawRect(QRectF(x, y, 3 * s, 3 * s));
        }
    }
    p.drawRect(QRectF(9 * s, 24.3 * s, 12 * s, 2.6 * s)); // space bar

    // Stylus, writing across the pad.
    QPainterPath pen;
    pen.moveTo(29 * s, 1.5 * s);
    pen.lineTo(31 * s, 3.5 * s);
    pen.lineTo(17 * s, 17.5 * s);
    pen.lineTo(13.5 * s, 19 * s);
    pen.lineTo(15 * s, 15.5 * s);
    pen.closeSubpath();
    p.setPen(QPen(QColor(0x5a, 0x2d, 0x0c), qMax(1.0, 0.8 * s)));
    p.setBrush(QColor(0xf0, 0xa2, 0x2e));
    p.drawPath(pen);
}

namespace {

QPixmap Draw(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    PaintPivexAppIcon(p, size);
    return pixmap;
}

} // namespace

QIcon PivexAppIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addPixmap(Draw(size));
    return icon;
}
