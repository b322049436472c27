#include "ui/reports/ChartFiles.h"

#include "ui/reports/BarChartPainter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cmath>

namespace ChartFiles {

namespace {

constexpr double kMargin = 12.0;

QSizeF PageSize(const BarChartPainter& chart, int width)
{
    const double line = chart.Metrics().lineHeight;
    return QSizeF(width, std::ceil(2 * kMargin + 2 * line + chart.PreferredHeight()));
}

// The title in bold on the first line, the chart under it.
void PaintPage(QPainter& p, const BarChartPainter& chart, const QString& title, const QSizeF& size)
{
    const ChartColours& colours = chart.Colours();
    p.fillRect(QRectF(QPointF(0, 0), size), colours.background);
    QFont bold = chart.Font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(colours.text);
    const double line = chart.Metrics().lineHeight;
    const QRectF titleRect(kMargin, kMargin, size.width() - 2 * kMargin, line * 1.5);
    p.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetricsF(bold).elidedText(title, Qt::ElideRight, titleRect.width()));
    chart.Paint(p, QRectF(kMargin, titleRect.bottom() + line / 2, size.width() - 2 * kMargin,
                          size.height() - titleRect.bottom() - line / 2 - kMargin));
}

} // namespace

QByteArray Png(const BarChartPainter& chart, const QString& title, int width)
{
    const QSizeF size = PageSize(chart, width);
    constexpr qreal kRatio = 2.0;
    QImage image((size * kRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(kRatio);
    image.setDotsPerMeterX(int(std::lround(96 * kRatio / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(96 * kRatio / 0.0254)));
    image.fill(chart.Colours().background);
    {
        QPainter p(&image);
        PaintPage(p, chart, title, size);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? bytes : QByteArray();
}

QByteArray Svg(const BarChartPainter& chart, const QString& title, int width)
{
    const QSizeF size = PageSize(chart, width);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    // One unit a pixel at 96 dots an inch, as on the screen.
    svg.setResolution(96);
    svg.setSize(size.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), size));
    svg.setTitle(title);
    svg.setDescription(QCoreApplication::applicationName());
    {
        QPainter p(&svg);
        PaintPage(p, chart, title, size);
    }
    return bytes;
}

} // namespace ChartFiles
