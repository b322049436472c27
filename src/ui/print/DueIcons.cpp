#include "ui/print/DueIcons.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
const QColor kInk(0x1d, 0x4e, 0x89);
const QColor kLine(0x7d, 0x9c, 0xc4);
const QColor kArrow(0xd9, 0x6c, 0x06);
} // namespace

QPixmap DueIconPixmap(bool recurring, int size, const QColor& background)
{
    QPixmap pixmap(size, size);
    pixmap.fill(background);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);

    // The sheet with a folded corner.
    QPainterPath sheet;
    sheet.moveTo(2.5, 0.5);
    sheet.lineTo(9.5, 0.5);
    sheet.lineTo(13.5, 4.5);
    sheet.lineTo(13.5, 15.5);
    sheet.lineTo(2.5, 15.5);
    sheet.closeSubpath();
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    QPainterPath fold;
    fold.moveTo(9.5, 0.5);
    fold.lineTo(9.5, 4.5);
    fold.lineTo(13.5, 4.5);
    p.setBrush(QColor(0xd6, 0xe4, 0xf5));
    p.drawPath(fold);

    // Text lines; the last one is the amount, in ink.
    p.setPen(QPen(kLine, 1.0));
    p.drawLine(QPointF(4.5, 3.5), QPointF(7.5, 3.5));
    p.drawLine(QPointF(4.5, 6.5), QPointF(11.5, 6.5));
    if (!recurring) {
        p.drawLine(QPointF(4.5, 8.5), QPointF(11.5, 8.5));
        p.drawLine(QPointF(4.5, 10.5), QPointF(9.5, 10.5));
        p.setPen(QPen(kInk, 1.0));
        p.drawLine(QPointF(8.5, 13.0), QPointF(11.5, 13.0));
        return pixmap;
    }

    // A circular arrow over the lower right corner: the due comes again.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(10.5, 11.0), 5.0, 5.0);
    p.setPen(QPen(kArrow, 1.6, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    const QRectF ring(7.0, 7.5, 7.0, 7.0);
    p.drawArc(ring, 100 * 16, 270 * 16);
    QPainterPath head;
    head.moveTo(10.0, 5.6);
    head.lineTo(13.1, 7.6);
    head.lineTo(10.0, 9.6);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kArrow);
    p.drawPath(head);
    return pixmap;
}

QPixmap PrintBannerPixmap(int width, int height, qreal devicePixelRatio)
{
    QPixmap pixmap(QSize(width, height) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, width, 0);
    gradient.setColorAt(0.0, QColor(0x16, 0x3d, 0x6c));
    gradient.setColorAt(1.0, QColor(0x3a, 0x78, 0xbf));
    p.fillRect(QRect(0, 0, width, height), gradient);

    // A printer drawn in white lines at the left.
    const qreal s = height / 48.0;
    p.save();
    p.translate(14 * s, 8 * s);
    p.scale(s, s);
    p.setPen(QPen(Qt::white, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(8, 1, 16, 10));
    p.drawRoundedRect(QRectF(1, 11, 30, 14), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 20, 16, 12));
    p.setPen(QPen(QColor(0x3a, 0x78, 0xbf), 1.5));
    p.drawLine(QPointF(11, 25), QPointF(21, 25));
    p.drawLine(QPointF(11, 28.5), QPointF(18, 28.5));
    p.restore();

    QFont title = p.font();
    title.setPixelSize(qMax(10, int(height * 0.36)));
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    const int textLeft = int(58 * s);
    p.drawText(QRect(textLeft, 0, width - textLeft, int(height * 0.62)), Qt::AlignLeft | Qt::AlignBottom,
               QCoreApplication::translate("DueIcons", "Print Dues"));
    QFont sub = p.font();
    sub.setBold(false);
    sub.setPixelSize(qMax(8, int(height * 0.22)));
    p.setFont(sub);
    p.setPen(QColor(0xd6, 0xe4, 0xf5));
    p.drawText(QRect(textLeft, int(height * 0.62), width - textLeft, int(height * 0.38)),
               Qt::AlignLeft | Qt::AlignTop,
               QCoreApplication::translate("DueIcons", "Choose the months and the dues for the page"));
    return pixmap;
}
