#pragma once

#include <QByteArray>
#include <QString>

class BarChartPainter;

// A chart as the bytes of a file: a PNG image painted at twice the size for
// sharp print and zoom, or an SVG drawing whose texts stay texts. Both carry
// the chart's title above it. Nothing here needs a window.
namespace ChartFiles {

QByteArray Png(const BarChartPainter& chart, const QString& title, int width);
QByteArray Svg(const BarChartPainter& chart, const QString& title, int width);

} // namespace ChartFiles
