#include "ui/images/DrawnImages.h"

#include <QApplication>
#include <QFont>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QMutex>
#include <QPainter>
#include <QPainterPath>
#include <QSet>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace DrawnImages {

namespace {

const QColor kInk(52, 66, 96);
const QColor kPaper(253, 253, 250);

QColor Darker(const QColor& c)
{
    return c.darker(150);
}

// Everything is drawn in a 32 x 32 space scaled to the target size.
void Page(QPainter& p, const QColor& fill = kPaper, const QColor& edge = kInk)
{
    QPainterPath path;
    path.moveTo(6, 2.5);
    path.lineTo(20, 2.5);
    path.lineTo(26, 8.5);
    path.lineTo(26, 29.5);
    path.lineTo(6, 29.5);
    path.closeSubpath();
    p.setPen(QPen(edge, 1.4));
    p.setBrush(fill);
    p.drawPath(path);
    QPainterPath fold;
    fold.moveTo(20, 2.5);
    fold.lineTo(20, 8.5);
    fold.lineTo(26, 8.5);
    p.setBrush(fill.darker(112));
    p.drawPath(fold);
}

void PageLines(QPainter& p, int from = 12, int to = 26)
{
    p.setPen(QPen(QColor(150, 165, 190), 1.4));
    for (int y = from; y <= to; y += 4)
        p.drawLine(QPointF(9.5, y), QPointF(22.5, y));
}

void Badge(QPainter& p, const QPointF& c, double r, const QColor& fill)
{
    QRadialGradient g(c - QPointF(r / 3, r / 3), r * 1.4);
    g.setColorAt(0, fill.lighter(135));
    g.setColorAt(1, fill);
    p.setPen(QPen(Darker(fill), 1.2));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

// Texts of the images are filled as outlines taken once from one size of the
// font and scaled: a font of its own for each size (and an oblique one) cost
// every start a font match each.
struct TextOutline
{
    QPainterPath path; // with its baseline at y = 0
    qreal advance;
    qreal ascent;
    qreal height;
};

constexpr int kOutlinePixels = 64;

const TextOutline& OutlineOf(const QString& text, bool bold)
{
    thread_local QHash<QString, TextOutline> outlines; // images may be painted ahead on a thread
    const QString key = (bold ? QLatin1Char('b') : QLatin1Char('n')) + text;
    auto it = outlines.constFind(key);
    if (it == outlines.constEnd()) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(kOutlinePixels);
        f.setBold(bold);
        const QFontMetricsF metrics(f);
        TextOutline outline{{}, metrics.horizontalAdvance(text), metrics.ascent(), metrics.height()};
        outline.path.addText(0, 0, f, text);
        it = outlines.insert(key, outline);
    }
    return it.value();
}

// Fills `text` at `pixel` size in `r`, placed as drawText places it with
// `alignment` (AlignCenter or AlignLeft | AlignVCenter); `slant` leans it.
void FillText(QPainter& p, const QRectF& r, int alignment, const QString& text, const QColor& color,
              int pixel, bool bold, qreal slant = 0)
{
    const TextOutline& outline = OutlineOf(text, bold);
    const qreal k = pixel / qreal(kOutlinePixels);
    const qreal x = (alignment & Qt::AlignLeft) ? r.left() : r.center().x() - outline.advance * k / 2;
    p.save();
    p.translate(x, r.center().y() - outline.height * k / 2 + outline.ascent * k);
    p.shear(-slant, 0);
    p.scale(k, k);
    p.fillPath(outline.path, color);
    p.restore();
}

void Letter(QPainter& p, const QRectF& r, const QString& text, const QColor& color, double pixel,
            bool bold = true)
{
    FillText(p, r, Qt::AlignCenter, text, color, int(pixel), bold);
}

void Check(QPainter& p, const QPointF& at, double s, const QColor& color, double width)
{
    QPainterPath path;
    path.moveTo(at + QPointF(-s, 0));
    path.lineTo(at + QPointF(-s / 3, s * 0.7));
    path.lineTo(at + QPointF(s, -s * 0.7));
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void CircleArrows(QPainter& p, const QPointF& c, double r, const QColor& color, double width)
{
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.drawArc(box, 30 * 16, 130 * 16);
    p.drawArc(box, 210 * 16, 130 * 16);
    auto head = [&](double angleDeg, double dir) {
        const double a = angleDeg * M_PI / 180.0;
        const QPointF tip(c.x() + r * std::cos(a), c.y() - r * std::sin(a));
        const QPointF tangent(-std::sin(a) * dir, -std::cos(a) * dir);
        const QPointF normal(std::cos(a), -std::sin(a));
        const double h = width * 1.8;
        QPolygonF tri;
        tri << tip + tangent * h << tip + normal * h * 0.9 << tip - normal * h * 0.9;
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawPolygon(tri);
        p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
    };
    head(30, -1);
    head(210, -1);
}

void CalendarPage(QPainter& p, bool withTick)
{
    const QRectF body(3, 5, 26, 24);
    p.setPen(QPen(kInk, 1.3));
    p.setBrush(kPaper);
    p.drawRoundedRect(body, 3, 3);
    QLinearGradient head(0, 5, 0, 12);
    head.setColorAt(0, QColor(84, 141, 221));
    head.setColorAt(1, QColor(38, 92, 175));
    p.setBrush(head);
    p.drawRoundedRect(QRectF(3, 5, 26, 8), 3, 3);
    p.fillRect(QRectF(3.7, 10, 24.6, 3), QColor(38, 92, 175));
    p.setPen(QPen(QColor(90, 98, 110), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 3), QPointF(10, 8));
    p.drawLine(QPointF(22, 3), QPointF(22, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 185, 210));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            p.drawRect(QRectF(6.5 + col * 5.2, 15.5 + row * 4.2, 3.2, 2.6));
    if (withTick) {
        Badge(p, QPointF(22.5, 23), 6.5, QColor(46, 160, 67));
        Check(p, QPointF(22.5, 23), 3.2, kPaper, 2.2);
    }
}

void Coin(QPainter& p, const QPointF& c, double rx, double ry)
{
    p.setPen(QPen(QColor(150, 105, 10), 1.1));
    p.setBrush(QColor(236, 181, 40));
    p.drawEllipse(c, rx, ry);
    p.setBrush(QColor(252, 214, 92));
    p.drawEllipse(c - QPointF(0, ry * 0.35), rx, ry * 0.7);
}

void Draw(QPainter& p, Glyph glyph)
{
    switch (glyph) {
    case Glyph::Calendar:
        CalendarPage(p, false);
        break;
    case Glyph::AppIcon:
        CalendarPage(p, true);
        break;
    case Glyph::New:
        Page(p);
        PageLines(p, 12, 20);
        Badge(p, QPointF(22, 22.5), 7.5, QColor(46, 160, 67));
        p.setPen(QPen(kPaper, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(22, 18.5), QPointF(22, 26.5));
        p.drawLine(QPointF(18, 22.5), QPointF(26, 22.5));
        break;
    case Glyph::Modify: {
        Page(p);
        PageLines(p);
        p.save();
        p.translate(19, 17);
        p.rotate(45);
        p.setPen(QPen(QColor(120, 80, 10), 1.1));
        p.setBrush(QColor(250, 190, 50));
        p.drawRect(QRectF(-3, -13, 6, 18));
        p.setBrush(QColor(230, 120, 120));
        p.drawRect(QRectF(-3, -16, 6, 3));
        QPolygonF tip;
        tip << QPointF(-3, 5) << QPointF(3, 5) << QPointF(0, 11);
        p.setBrush(QColor(240, 215, 170));
        p.drawPolygon(tip);
        p.restore();
        break;
    }
    case Glyph::Delete:
        Page(p, kPaper, QColor(120, 130, 150));
        PageLines(p, 12, 16);
        p.setPen(QPen(QColor(120, 10, 10), 7.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 14), QPointF(25, 28));
        p.drawLine(QPointF(25, 14), QPointF(11, 28));
        p.setPen(QPen(QColor(222, 45, 38), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 14), QPointF(25, 28));
        p.drawLine(QPointF(25, 14), QPointF(11, 28));
        break;
    case Glyph::Filter: {
        QPolygonF funnel;
        funnel << QPointF(4, 5) << QPointF(28, 5) << QPointF(19, 16) << QPointF(19, 27) << QPointF(13, 24)
               << QPointF(13, 16);
        p.setPen(QPen(kInk, 1.4));
        p.setBrush(QColor(84, 141, 221));
        p.drawPolygon(funnel);
        break;
    }
    case Glyph::Refresh:
        CircleArrows(p, QPointF(16, 16), 10, QColor(40, 150, 60), 4);
        break;
    case Glyph::Sync:
        p.setPen(QPen(QColor(40, 45, 55), 1.3));
        p.setBrush(QColor(80, 88, 104));
        p.drawRoundedRect(QRectF(9, 2.5, 14, 27), 3, 3);
        p.setBrush(QColor(170, 215, 250));
        p.drawRect(QRectF(11, 5.5, 10, 15));
        p.setBrush(QColor(200, 205, 215));
        p.drawEllipse(QPointF(16, 25), 2, 2);
        CircleArrows(p, QPointF(16, 13), 4.2, QColor(40, 150, 60), 1.8);
        break;
    case Glyph::Details:
        p.setPen(QPen(kInk, 1.3));
        p.setBrush(kPaper);
        p.drawRect(QRectF(2.5, 4.5, 27, 23));
        p.fillRect(QRectF(3, 5, 26, 5), QColor(38, 92, 175));
        p.fillRect(QRectF(18, 10, 11, 17), QColor(173, 201, 243));
        p.setPen(QPen(kInk, 1.3));
        p.drawLine(QPointF(18, 10), QPointF(18, 27.5));
        p.setPen(QPen(QColor(38, 92, 175), 1.5));
        for (int y = 14; y <= 24; y += 4)
            p.drawLine(QPointF(20, y), QPointF(27, y));
        p.setPen(QPen(QColor(150, 165, 190), 1.5));
        for (int y = 14; y <= 24; y += 4)
            p.drawLine(QPointF(5.5, y), QPointF(15.5, y));
        break;
    case Glyph::Excel:
        Page(p);
        p.setPen(QPen(QColor(120, 170, 130), 1));
        for (int y = 12; y <= 26; y += 4)
            p.drawLine(QPointF(8, y), QPointF(24, y));
        for (int x = 12; x <= 20; x += 5)
            p.drawLine(QPointF(x, 10), QPointF(x, 28));
        p.setPen(QPen(QColor(20, 90, 50), 1.2));
        p.setBrush(QColor(33, 125, 70));
        p.drawRoundedRect(QRectF(1.5, 11, 15, 15), 2, 2);
        Letter(p, QRectF(1.5, 11, 15, 15), QStringLiteral("X"), kPaper, 12);
        break;
    case Glyph::Word:
        Page(p);
        PageLines(p);
        p.setPen(QPen(QColor(20, 50, 120), 1.2));
        p.setBrush(QColor(43, 87, 170));
        p.drawRoundedRect(QRectF(1.5, 11, 15, 15), 2, 2);
        Letter(p, QRectF(1.5, 11, 15, 15), QStringLiteral("W"), kPaper, 11);
        break;
    case Glyph::Html: {
        Page(p);
        PageLines(p, 12, 14);
        const QPointF c(17, 21);
        QRadialGradient g(c - QPointF(3, 3), 11);
        g.setColorAt(0, QColor(120, 190, 250));
        g.setColorAt(1, QColor(30, 110, 200));
        p.setPen(QPen(QColor(20, 70, 140), 1.2));
        p.setBrush(g);
        p.drawEllipse(c, 8, 8);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(230, 245, 255), 1));
        p.drawEllipse(c, 3.5, 8);
        p.drawLine(c - QPointF(8, 0), c + QPointF(8, 0));
        p.drawLine(c - QPointF(0, 8), c + QPointF(0, 8));
        break;
    }
    case Glyph::Pdf:
        Page(p);
        PageLines(p, 22, 26);
        p.setPen(QPen(QColor(140, 20, 20), 1.2));
        p.setBrush(QColor(200, 40, 40));
        p.drawRoundedRect(QRectF(3, 9, 24, 10), 2, 2);
        Letter(p, QRectF(3, 9, 24, 10), QStringLiteral("PDF"), kPaper, 8.5);
        break;
    case Glyph::Help:
        Badge(p, QPointF(16, 16), 13, QColor(38, 110, 200));
        Letter(p, QRectF(3, 3, 26, 26), QStringLiteral("?"), kPaper, 20);
        break;
    case Glyph::About:
        Badge(p, QPointF(16, 16), 13, QColor(38, 110, 200));
        Letter(p, QRectF(3, 3, 26, 26), QStringLiteral("i"), kPaper, 20);
        break;
    case Glyph::PrevMonth:
    case Glyph::NextMonth: {
        p.save();
        if (glyph == Glyph::NextMonth) {
            p.translate(32, 0);
            p.scale(-1, 1);
        }
        QPolygonF arrow;
        arrow << QPointF(3, 16) << QPointF(16, 4) << QPointF(16, 11) << QPointF(29, 11) << QPointF(29, 21)
              << QPointF(16, 21) << QPointF(16, 28);
        QLinearGradient g(0, 4, 0, 28);
        g.setColorAt(0, QColor(100, 160, 235));
        g.setColorAt(1, QColor(30, 90, 180));
        p.setPen(QPen(QColor(20, 60, 130), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(g);
        p.drawPolygon(arrow);
        p.restore();
        break;
    }
    case Glyph::Print: {
        p.setPen(QPen(kInk, 1.3));
        p.setBrush(kPaper);
        p.drawRect(QRectF(9, 3, 14, 10));
        QLinearGradient g(0, 11, 0, 24);
        g.setColorAt(0, QColor(190, 196, 208));
        g.setColorAt(1, QColor(120, 128, 145));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(3, 11, 26, 13), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(9, 19, 14, 10));
        PageLines(p, 22, 26);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 200, 80));
        p.drawEllipse(QPointF(25, 15), 1.5, 1.5);
        break;
    }
    case Glyph::Folder: {
        p.setPen(QPen(QColor(150, 105, 10), 1.3));
        p.setBrush(QColor(232, 176, 50));
        QPainterPath back;
        back.moveTo(2.5, 8);
        back.lineTo(12, 8);
        back.lineTo(14.5, 5);
        back.lineTo(29.5, 5);
        back.lineTo(29.5, 26.5);
        back.lineTo(2.5, 26.5);
        back.closeSubpath();
        p.drawPath(back);
        QLinearGradient g(0, 11, 0, 27);
        g.setColorAt(0, QColor(255, 222, 120));
        g.setColorAt(1, QColor(240, 186, 60));
        p.setBrush(g);
        p.drawRect(QRectF(2.5, 11, 27, 15.5));
        break;
    }
    case Glyph::PaidMark:
        Check(p, QPointF(16, 16), 10, QColor(25, 130, 45), 5.5);
        break;
    case Glyph::RecurringMark:
        CircleArrows(p, QPointF(16, 16), 10, QColor(38, 110, 200), 4.5);
        break;
    case Glyph::Paid:
        Badge(p, QPointF(16, 16), 13, QColor(46, 160, 67));
        Check(p, QPointF(16, 16), 7, kPaper, 4.5);
        break;
    case Glyph::Unpaid:
        Badge(p, QPointF(16, 16), 13, QColor(214, 60, 40));
        p.setPen(QPen(kPaper, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 8), QPointF(16, 17));
        p.drawPoint(QPointF(16, 23.5));
        break;
    case Glyph::Total:
        Coin(p, QPointF(16, 25), 11, 4.5);
        Coin(p, QPointF(16, 18.5), 11, 4.5);
        Coin(p, QPointF(16, 12), 11, 4.5);
        Letter(p, QRectF(5, 3.5, 22, 11), QString(QChar(0x03A3)), QColor(120, 80, 0), 8);
        break;
    case Glyph::Bill:
        Page(p);
        PageLines(p, 10, 18);
        Coin(p, QPointF(19, 24), 7, 4);
        break;
    case Glyph::Series:
        p.save();
        p.translate(3, -1);
        Page(p, QColor(225, 230, 240));
        p.restore();
        p.save();
        p.translate(-2, 2);
        Page(p);
        PageLines(p, 11, 15);
        p.restore();
        Badge(p, QPointF(21, 22), 8, QColor(38, 110, 200));
        CircleArrows(p, QPointF(21, 22), 4.5, kPaper, 2);
        break;
    case Glyph::Undo:
    case Glyph::Redo: {
        // The month arrows' blue, bent into a hook: the shaft leaves the head
        // to the right, turns down and comes back under it.
        p.save();
        if (glyph == Glyph::Redo) {
            p.translate(32, 0);
            p.scale(-1, 1);
        }
        QPainterPath shaft;
        shaft.moveTo(11, 11.5);
        shaft.lineTo(18, 11.5);
        shaft.arcTo(QRectF(10.5, 11.5, 15, 15), 90, -180);
        shaft.lineTo(12, 26.5);
        QPainterPathStroker stroker;
        stroker.setWidth(6);
        stroker.setCapStyle(Qt::FlatCap);
        stroker.setJoinStyle(Qt::RoundJoin);
        QPainterPath head;
        head.addPolygon(QPolygonF{QPointF(2.5, 11.5), QPointF(13, 2.5), QPointF(13, 20.5)});
        head.closeSubpath();
        const QPainterPath arrow = stroker.createStroke(shaft).united(head).simplified();
        QLinearGradient g(0, 2, 0, 30);
        g.setColorAt(0, QColor(100, 160, 235));
        g.setColorAt(1, QColor(30, 90, 180));
        p.setPen(QPen(QColor(20, 60, 130), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(g);
        p.drawPath(arrow);
        p.restore();
        break;
    }
    case Glyph::Chart: {
        // Rising bars in the month arrows' blue on a page-white card.
        p.setPen(QPen(kInk, 1.3));
        p.setBrush(kPaper);
        p.drawRoundedRect(QRectF(3, 4, 26, 24), 3, 3);
        QLinearGradient g(0, 8, 0, 26);
        g.setColorAt(0, QColor(100, 160, 235));
        g.setColorAt(1, QColor(30, 90, 180));
        p.setPen(QPen(QColor(20, 60, 130), 1));
        p.setBrush(g);
        p.drawRect(QRectF(7.5, 17, 4.5, 8));
        p.drawRect(QRectF(13.75, 12, 4.5, 13));
        p.setBrush(QColor(214, 60, 40));
        p.drawRect(QRectF(20, 8, 4.5, 17));
        p.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6, 25.5), QPointF(26, 25.5));
        break;
    }
    case Glyph::MoreRight:
    case Glyph::MoreDown: {
        p.save();
        if (glyph == Glyph::MoreDown) {
            p.translate(32, 0);
            p.rotate(90);
        }
        p.setPen(QPen(QColor(45, 50, 60), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        for (const double x : {9.0, 17.0}) {
            QPolygonF chevron;
            chevron << QPointF(x, 10) << QPointF(x + 6, 16) << QPointF(x, 22);
            p.drawPolyline(chevron);
        }
        p.restore();
        break;
    }
    }
}

QPixmap Strip(int width, int height, int cell, const QList<std::pair<int, Glyph>>& cells)
{
    QPixmap strip(width, height);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    for (const auto& [index, glyph] : cells) {
        const int side = std::min(cell, height);
        p.drawPixmap(index * cell + (cell - side) / 2, (height - side) / 2, Paint(glyph, side));
    }
    return strip;
}

} // namespace

namespace {

// Any thread may paint an image; only the GUI thread makes pixmaps of them.
QImage PaintImage(Glyph glyph, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 32.0, size / 32.0);
    Draw(p, glyph);
    return image;
}

quint64 KeyOf(Glyph glyph, int size)
{
    return (quint64(glyph) << 32) | quint32(size);
}

// The images painted ahead (PaintAhead) and not yet taken, and those a
// painter ahead has begun.
struct Ahead
{
    QMutex mutex;
    QHash<quint64, QImage> ready;
    QSet<quint64> begun;
};

Ahead& TheAhead()
{
    static Ahead ahead;
    return ahead;
}

// The image painted ahead under `key`, or `paint`'s now; either way painting
// ahead under that key is over.
template <class PaintFn> QImage TakeAheadOr(quint64 key, PaintFn paint)
{
    QImage image;
    {
        Ahead& ahead = TheAhead();
        const QMutexLocker lock(&ahead.mutex);
        image = ahead.ready.take(key);
        ahead.begun.insert(key);
    }
    return image.isNull() ? paint() : image;
}

// Paints `paint`'s image under `key` unless it was begun (or taken) already.
template <class PaintFn> void PaintOneAhead(quint64 key, PaintFn paint)
{
    Ahead& ahead = TheAhead();
    {
        const QMutexLocker lock(&ahead.mutex);
        if (ahead.begun.contains(key))
            return;
        ahead.begun.insert(key);
    }
    QImage image = paint();
    const QMutexLocker lock(&ahead.mutex);
    ahead.ready.insert(key, std::move(image));
}

// Paints a glyph (or takes the theme's icon) only when a size of it is first
// shown: a window has many icons, most of them in menus not open yet.
class GlyphIconEngine : public QIconEngine
{
public:
    GlyphIconEngine(Glyph glyph, const char* themeName, QList<int> sizes)
        : m_glyph(glyph), m_themeName(themeName), m_sizes(std::move(sizes))
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap pix = pixmap(rect.size() * ratio, mode, state);
        pix.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, pix);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        if (const QIcon* themed = Themed())
            return themed->pixmap(size, mode, state);
        const int side = std::max(1, std::min(size.width(), size.height()));
        QPixmap pix = Paint(m_glyph, side);
        if (mode == QIcon::Disabled || mode == QIcon::Selected) {
            if (const QStyle* style = QApplication::style()) {
                QStyleOption option;
                option.palette = QApplication::palette();
                pix = style->generatedIconPixmap(mode, pix, &option);
            }
        }
        return pix;
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        if (const QIcon* themed = Themed())
            return themed->actualSize(size, mode, state);
        const int side = std::min(size.width(), size.height());
        return QSize(side, side);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        if (const QIcon* themed = Themed())
            return themed->availableSizes(mode, state);
        QList<QSize> sizes;
        for (int side : m_sizes)
            sizes << QSize(side, side);
        return sizes;
    }

    QIconEngine* clone() const override { return new GlyphIconEngine(*this); }
    QString key() const override { return QStringLiteral("TallyvaneGlyph"); }

private:
    // The theme is asked once, when the icon is first shown, and only when the
    // desktop names one: "hicolor" is the fallback every system has, holding
    // the icons of programs, never those of actions, and searching it costs a
    // new window milliseconds for nothing.
    const QIcon* Themed()
    {
        static const bool desktopTheme = [] {
            const QString name = QIcon::themeName();
            return !name.isEmpty() && name != QLatin1String("hicolor");
        }();
        if (!m_themeName || !desktopTheme)
            return nullptr;
        if (!m_asked) {
            m_asked = true;
            const QString name = QString::fromLatin1(m_themeName);
            if (QIcon::hasThemeIcon(name))
                m_themed = QIcon::fromTheme(name);
        }
        return m_themed.isNull() ? nullptr : &m_themed;
    }

    Glyph m_glyph;
    const char* m_themeName;
    QList<int> m_sizes;
    bool m_asked = false;
    QIcon m_themed;
};

} // namespace

QPixmap Paint(Glyph glyph, int size)
{
    // Each glyph is painted once per size and kept: the same images appear in
    // the toolbar, the menus, the navigation pane and the dialogs.
    static QHash<quint64, QPixmap> painted;
    const quint64 key = KeyOf(glyph, size);
    const auto it = painted.constFind(key);
    if (it != painted.constEnd())
        return it.value();
    QImage image = TakeAheadOr(key, [&] { return PaintImage(glyph, size); });
    const QPixmap pix = QPixmap::fromImage(std::move(image));
    painted.insert(key, pix);
    return pix;
}

void PaintAhead(const QList<std::pair<Glyph, int>>& images)
{
    for (const auto& [glyph, size] : images)
        PaintOneAhead(KeyOf(glyph, size), [glyph = glyph, size = size] { return PaintImage(glyph, size); });
}

void PaintInto(QPainter& painter, Glyph glyph)
{
    Draw(painter, glyph);
}

QIcon GlyphIcon(Glyph glyph)
{
    return QIcon(new GlyphIconEngine(glyph, nullptr, {16, 22, 24, 32, 48}));
}

QIcon ThemeIcon(const char* themeName, Glyph fallback)
{
    return QIcon(new GlyphIconEngine(fallback, themeName, {16, 22, 24, 32, 48}));
}

namespace {

// The strips among the bitmaps: their size, their cells and what each cell shows.
struct StripSpec
{
    int width;
    int height;
    int cell;
    QList<std::pair<int, Glyph>> cells;
};

const StripSpec* StripOf(int id)
{
    using G = Glyph;
    static const QHash<int, StripSpec> strips = {
        {138,
         {256,
          16,
          16,
          {{0, G::Calendar},
           {1, G::New},
           {2, G::Modify},
           {3, G::Delete},
           {4, G::Filter},
           {5, G::Refresh},
           {6, G::Sync},
           {7, G::Details},
           {8, G::Excel},
           {9, G::Word},
           {10, G::Html},
           {11, G::Pdf},
           {12, G::Help},
           {13, G::About},
           {14, G::PrevMonth},
           {15, G::NextMonth}}}},
        {142, {32, 16, 16, {{0, G::PaidMark}, {1, G::RecurringMark}}}},
        {156,
         {800,
          32,
          32,
          {{7, G::Print},
           {8, G::Word},
           {9, G::Excel},
           {10, G::Html},
           {11, G::Sync},
           {12, G::Refresh},
           {15, G::Folder},
           {18, G::Modify},
           {19, G::Delete},
           {20, G::Pdf},
           {21, G::Calendar},
           {22, G::Bill},
           {23, G::Chart},
           {24, G::New}}}},
        {165, {96, 32, 32, {{0, G::AppIcon}, {1, G::Bill}, {2, G::Series}}}},
    };
    const auto it = strips.constFind(id);
    return it == strips.constEnd() ? nullptr : &it.value();
}

} // namespace

namespace {

constexpr quint64 kBitmapKey = quint64(1) << 63; // beside the glyphs' keys

// The tool bar's banner: the product's icon and name, bold and leaning, with a
// light shadow. Any thread may paint it.
QImage BannerImage()
{
    QImage banner(100, 14, QImage::Format_ARGB32_Premultiplied);
    banner.fill(Qt::transparent);
    QPainter p(&banner);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawImage(0, 0, PaintImage(Glyph::AppIcon, 14));
    const QString name = QStringLiteral("Tallyvane");
    constexpr int kLeft = Qt::AlignLeft | Qt::AlignVCenter;
    FillText(p, QRectF(18, 1, 82, 14), kLeft, name, QColor(255, 255, 255, 180), 12, true, 0.2);
    FillText(p, QRectF(17, 0, 82, 14), kLeft, name, QColor(21, 66, 139), 12, true, 0.2);
    return banner;
}

} // namespace

void PaintBitmapsAhead(const QList<int>& ids)
{
    for (int id : ids) {
        if (id == 164)
            PaintOneAhead(kBitmapKey | 164, BannerImage);
    }
}

QPixmap Bitmap(int id)
{
    using G = Glyph;
    if (const StripSpec* strip = StripOf(id))
        return Strip(strip->width, strip->height, strip->cell, strip->cells);
    switch (id) {
    case 132: {
        QPixmap row(32, 30);
        row.fill(Qt::transparent);
        QPainter p(&row);
        p.drawPixmap(1, 0, Paint(G::Calendar, 30));
        return row;
    }
    case 146:
        return Paint(G::Paid, 16);
    case 147:
        return Paint(G::Unpaid, 16);
    case 148:
        return Paint(G::Total, 16);
    case 164:
        return QPixmap::fromImage(TakeAheadOr(kBitmapKey | 164, BannerImage));
    default:
        return {};
    }
}

QSize BitmapSize(int id)
{
    if (const StripSpec* strip = StripOf(id))
        return QSize(strip->width, strip->height);
    switch (id) {
    case 132:
        return QSize(32, 30);
    case 146:
    case 147:
    case 148:
        return QSize(16, 16);
    case 164:
        return QSize(100, 14);
    default:
        return QSize(0, 0); // as the null pixmap of a number that has no bitmap
    }
}

QPixmap BitmapCell(int id, int index, int cx)
{
    const StripSpec* strip = StripOf(id);
    if (!strip || cx != strip->cell)
        return Bitmap(id).copy(index * cx, 0, cx, BitmapSize(id).height());
    // Only this cell is painted, as Strip paints it.
    QPixmap cell(cx, strip->height);
    cell.fill(Qt::transparent);
    for (const auto& [at, glyph] : strip->cells) {
        if (at == index) {
            QPainter p(&cell);
            p.setRenderHint(QPainter::Antialiasing);
            const int side = std::min(strip->cell, strip->height);
            p.drawPixmap((strip->cell - side) / 2, (strip->height - side) / 2, Paint(glyph, side));
        }
    }
    return cell;
}

QIcon AppIcon()
{
    // Up to 64 px: a window's icon is sent to the display in every size it has,
    // and larger views take the installed icons.
    return QIcon(new GlyphIconEngine(Glyph::AppIcon, nullptr, {16, 24, 32, 48, 64}));
}

} // namespace DrawnImages
