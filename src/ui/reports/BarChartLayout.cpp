#include "ui/reports/BarChartLayout.h"

#include <algorithm>
#include <cmath>

namespace {

// The band of a horizontal bar with its name and amount, in lines.
constexpr double kBandLines = 1.5;
// The height of the month chart's plot, in lines, and its least in pixels.
constexpr double kPlotLines = 9.0;
constexpr double kLeastPlot = 120.0;

} // namespace

int ChartGeometry::BarAt(const QPointF& point) const
{
    for (int i = 0; i < bars.size(); ++i)
        if (bars.at(i).slot.contains(point))
            return i;
    return -1;
}

ChartGeometry BarChartLayout::Compute(ReportGrouping grouping, const QList<ReportBar>& bars,
                                      const QRectF& area, const ChartMetrics& metrics)
{
    return grouping == ReportGrouping::Month ? Columns(bars, area, metrics)
                                             : Rows(grouping, bars, area, metrics);
}

double BarChartLayout::PreferredHeight(ReportGrouping grouping, const QList<ReportBar>& bars,
                                       const ChartMetrics& m)
{
    const double legend = m.lineHeight + kPadding;
    if (grouping == ReportGrouping::Month)
        return legend + m.lineHeight / 2 + std::max(kLeastPlot, kPlotLines * m.lineHeight) + kPadding +
               2 * m.lineHeight + kPadding;
    if (bars.isEmpty())
        return legend + 2 * m.lineHeight;
    return legend + bars.size() * RowHeight(grouping, m) + kPadding;
}

double BarChartLayout::RowHeight(ReportGrouping grouping, const ChartMetrics& m)
{
    const double band = kBandLines * m.lineHeight;
    // A series says its yearly cost and its change on a line under the bar.
    if (grouping == ReportGrouping::Series)
        return band + m.lineHeight + kPadding;
    return band + kPadding / 2;
}

ChartGeometry BarChartLayout::Columns(const QList<ReportBar>& bars, const QRectF& area, const ChartMetrics& m)
{
    ChartGeometry g;
    g.legend = QRectF(area.left(), area.top(), area.width(), m.lineHeight);
    const double labelsHeight = 2 * m.lineHeight;
    // Half a line above the plot: the top amount is written centred on its line.
    g.plot = QRectF(
        QPointF(area.left() + m.axisLabelWidth + kPadding, g.legend.bottom() + kPadding + m.lineHeight / 2),
        QPointF(area.right() - kPadding, area.bottom() - labelsHeight - kPadding));
    if (g.plot.height() < 1.0)
        g.plot.setHeight(1.0);
    if (g.plot.width() < 1.0)
        g.plot.setWidth(1.0);

    double largest = 0.0;
    for (const ReportBar& b : bars)
        largest = std::max(largest, b.Total());
    g.scale = ChartScale::For(largest);
    for (const double line : g.scale.Lines())
        g.gridY << g.plot.bottom() - g.scale.Fraction(line) * g.plot.height();
    if (bars.isEmpty())
        return g;

    const double slotWidth = g.plot.width() / bars.size();
    const double barWidth = std::max(1.0, std::min(slotWidth * 0.64, 3.0 * m.lineHeight));
    // Names that would touch each other: only every few months is named.
    const int every = std::max(1, int(std::ceil((m.monthLabelWidth + kPadding) / slotWidth)));
    const double labelWidth = std::max(slotWidth, m.monthLabelWidth + kPadding);
    bool yearWritten = false;
    auto height = [&](double value) { return g.scale.Fraction(value) * g.plot.height(); };
    for (int i = 0; i < bars.size(); ++i) {
        const ReportBar& b = bars.at(i);
        BarGeometry bar;
        const double left = g.plot.left() + i * slotWidth;
        bar.slot = QRectF(left, g.plot.top(), slotWidth, area.bottom() - g.plot.top());
        const double x = left + (slotWidth - barWidth) / 2;
        const double paid = height(b.paid);
        const double total = std::max(paid, height(b.Total()));
        const double overdue = std::clamp(height(b.paid + b.overdue), paid, total);
        bar.paid = QRectF(x, g.plot.bottom() - paid, barWidth, paid);
        bar.unpaid = QRectF(x, g.plot.bottom() - total, barWidth, total - paid);
        bar.overdue = QRectF(x, g.plot.bottom() - overdue, barWidth, overdue - paid);
        bar.label = QRectF(left + (slotWidth - labelWidth) / 2, g.plot.bottom() + kPadding / 2, labelWidth,
                           labelsHeight);
        bar.labelShown = i % every == 0;
        bar.yearShown = bar.labelShown && (!yearWritten || b.month.month() == 1);
        yearWritten = yearWritten || bar.yearShown;
        g.bars << bar;
    }
    return g;
}

ChartGeometry BarChartLayout::Rows(ReportGrouping grouping, const QList<ReportBar>& bars, const QRectF& area,
                                   const ChartMetrics& m)
{
    ChartGeometry g;
    g.legend = QRectF(area.left(), area.top(), area.width(), m.lineHeight);
    const double rowHeight = RowHeight(grouping, m);
    const double band = kBandLines * m.lineHeight;
    const double labelWidth = std::min(m.labelWidth, area.width() * 0.38);
    const double valueWidth = std::min(m.valueWidth, area.width() * 0.34);
    const double top = g.legend.bottom() + kPadding;
    g.plot =
        QRectF(area.left() + labelWidth + kPadding, top,
               std::max(1.0, area.width() - labelWidth - valueWidth - 3 * kPadding), bars.size() * rowHeight);

    const bool series = grouping == ReportGrouping::Series;
    double largest = 0.0;
    for (const ReportBar& b : bars)
        largest = std::max(largest, series ? b.monthly : b.Total());
    if (m.fullLength > 0.0)
        largest = m.fullLength;
    auto length = [&](double value) {
        return largest > 0.0 && std::isfinite(value) ? std::clamp(value / largest, 0.0, 1.0) * g.plot.width()
                                                     : 0.0;
    };
    const double barHeight = std::round(m.lineHeight * 0.9);
    for (int i = 0; i < bars.size(); ++i) {
        const ReportBar& b = bars.at(i);
        BarGeometry bar;
        const double y = top + i * rowHeight;
        bar.slot = QRectF(area.left(), y, area.width(), rowHeight);
        const double barY = y + (band - barHeight) / 2;
        const double paid = length(series ? b.monthly : b.paid);
        const double total = series ? paid : std::max(paid, length(b.Total()));
        const double overdue = series ? paid : std::clamp(length(b.paid + b.overdue), paid, total);
        bar.paid = QRectF(g.plot.left(), barY, paid, barHeight);
        bar.unpaid = QRectF(g.plot.left() + paid, barY, total - paid, barHeight);
        bar.overdue = QRectF(g.plot.left() + paid, barY, overdue - paid, barHeight);
        bar.label = QRectF(area.left(), y, labelWidth, band);
        bar.value = QRectF(g.plot.left() + total + kPadding, y, valueWidth, band);
        if (series)
            bar.detail = QRectF(g.plot.left(), y + band, area.right() - g.plot.left(), m.lineHeight);
        g.bars << bar;
    }
    return g;
}
