#include "ui/reports/BarChartPainter.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(BarChartPainter)
};

QFont PixelFont(const QFont& font)
{
    if (font.pixelSize() > 0)
        return font;
    QFont pixel = font;
    pixel.setPixelSize(std::max(1, QFontInfo(font).pixelSize()));
    return pixel;
}

QString ShortMonth(const QDate& month, const QLocale& locale)
{
    return month.isValid() ? locale.standaloneMonthName(month.month(), QLocale::ShortFormat) : QString();
}

} // namespace

BarChartPainter::BarChartPainter(ReportGrouping grouping, QList<ReportBar> bars, const QFont& font,
                                 const ChartColours& colours, const QLocale& locale)
    : m_grouping(grouping), m_bars(std::move(bars)), m_font(PixelFont(font)), m_colours(colours),
      m_locale(locale)
{
    const QFontMetricsF fm(m_font);
    m_metrics.lineHeight = std::ceil(fm.height());
    double axis = 0.0, months = 0.0, labels = 0.0, values = 0.0;
    if (m_grouping == ReportGrouping::Month) {
        double largest = 0.0;
        for (const ReportBar& b : m_bars)
            largest = std::max(largest, b.Total());
        for (const double line : ChartScale::For(largest).Lines())
            axis = std::max(axis, fm.horizontalAdvance(ReportBars::Money(line, m_locale)));
        for (int m = 1; m <= 12; ++m)
            months =
                std::max(months, fm.horizontalAdvance(m_locale.standaloneMonthName(m, QLocale::ShortFormat)));
    }
    for (const ReportBar& b : m_bars) {
        labels = std::max(labels, fm.horizontalAdvance(b.label));
        values = std::max(values, fm.horizontalAdvance(ValueText(b)));
    }
    m_metrics.axisLabelWidth = std::ceil(axis);
    m_metrics.monthLabelWidth = std::ceil(months);
    m_metrics.labelWidth = std::ceil(labels) + BarChartLayout::kPadding;
    m_metrics.valueWidth = std::ceil(values) + BarChartLayout::kPadding;
}

BarChartPainter BarChartPainter::Part(qsizetype first, qsizetype count) const
{
    BarChartPainter part = *this;
    if (part.m_metrics.fullLength <= 0.0) {
        for (const ReportBar& b : m_bars)
            part.m_metrics.fullLength = std::max(
                part.m_metrics.fullLength, m_grouping == ReportGrouping::Series ? b.monthly : b.Total());
    }
    part.m_bars = m_bars.mid(first, count);
    return part;
}

double BarChartPainter::PreferredHeight() const
{
    return BarChartLayout::PreferredHeight(m_grouping, m_bars, m_metrics);
}

ChartGeometry BarChartPainter::Layout(const QRectF& area) const
{
    return BarChartLayout::Compute(m_grouping, m_bars, area, m_metrics);
}

QString BarChartPainter::ValueText(const ReportBar& bar) const
{
    if (m_grouping == ReportGrouping::Series)
        return Texts::tr("%1 a month").arg(ReportBars::Money(bar.monthly, m_locale));
    return ReportBars::Money(bar.Total(), m_locale);
}

void BarChartPainter::Paint(QPainter& p, const QRectF& area, int current) const
{
    p.save();
    p.setFont(m_font);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(area, m_colours.background);
    const ChartGeometry g = Layout(area);
    PaintLegend(p, g.legend);
    if (m_grouping == ReportGrouping::Month)
        PaintColumns(p, g);
    else
        PaintRows(p, g);
    if (current >= 0 && current < g.bars.size()) {
        // The keyboard's place: a ring around the whole slot, texts included.
        QPen ring(m_colours.focus, 2, Qt::DashLine);
        p.setPen(ring);
        p.setBrush(Qt::NoBrush);
        p.drawRect(g.bars.at(current).slot.adjusted(1, 1, -1, -1));
    }
    p.restore();
}

void BarChartPainter::PaintLegend(QPainter& p, const QRectF& legend) const
{
    const QFontMetricsF fm(m_font);
    const double box = std::round(m_metrics.lineHeight * 0.7);
    double x = legend.left();
    auto entry = [&](const QString& text, const std::function<void(const QRectF&)>& swatch) {
        const QRectF r(x, legend.center().y() - box / 2, box, box);
        swatch(r);
        p.setPen(m_colours.text);
        const QRectF textRect(r.right() + 4, legend.top(), fm.horizontalAdvance(text) + 2, legend.height());
        p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text);
        x = textRect.right() + 3 * BarChartLayout::kPadding;
    };
    if (m_grouping == ReportGrouping::Series) {
        entry(Texts::tr("Cost per month"), [&](const QRectF& r) { p.fillRect(r, m_colours.paid); });
        return;
    }
    entry(Texts::tr("Paid"), [&](const QRectF& r) { p.fillRect(r, m_colours.paid); });
    entry(Texts::tr("Unpaid"), [&](const QRectF& r) {
        p.fillRect(r, m_colours.unpaid);
        p.setPen(m_colours.unpaidEdge);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    });
    entry(Texts::tr("Overdue (part of unpaid)"), [&](const QRectF& r) {
        p.fillRect(r, m_colours.unpaid);
        p.fillRect(r, QBrush(m_colours.overdue, Qt::BDiagPattern));
        p.setPen(m_colours.overdue);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    });
}

void BarChartPainter::PaintBar(QPainter& p, const BarGeometry& bar) const
{
    if (!bar.paid.isEmpty())
        p.fillRect(bar.paid, m_colours.paid);
    if (!bar.unpaid.isEmpty()) {
        p.fillRect(bar.unpaid, m_colours.unpaid);
        p.setPen(m_colours.unpaidEdge);
        p.setBrush(Qt::NoBrush);
        p.drawRect(bar.unpaid.adjusted(0, 0, -1, -1));
    }
    if (!bar.overdue.isEmpty()) {
        // Hatched, so the overdue part shows also to a reader without colours.
        p.fillRect(bar.overdue, QBrush(m_colours.overdue, Qt::BDiagPattern));
        p.setPen(QPen(m_colours.overdue, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(bar.overdue.adjusted(0, 0, -1, -1));
    }
}

void BarChartPainter::PaintColumns(QPainter& p, const ChartGeometry& g) const
{
    const QFontMetricsF fm(m_font);
    const QList<double> lines = g.scale.Lines();
    for (int i = 0; i < g.gridY.size(); ++i) {
        const double y = std::round(g.gridY.at(i)) + 0.5;
        p.setPen(i == 0 ? m_colours.mutedText : m_colours.grid);
        p.drawLine(QPointF(g.plot.left(), y), QPointF(g.plot.right(), y));
        p.setPen(m_colours.mutedText);
        const QRectF label(g.plot.left() - m_metrics.axisLabelWidth - BarChartLayout::kPadding,
                           y - m_metrics.lineHeight / 2, m_metrics.axisLabelWidth, m_metrics.lineHeight);
        p.drawText(label, Qt::AlignRight | Qt::AlignVCenter, ReportBars::Money(lines.value(i), m_locale));
    }
    for (int i = 0; i < g.bars.size(); ++i) {
        const BarGeometry& bar = g.bars.at(i);
        PaintBar(p, bar);
        if (!bar.labelShown)
            continue;
        const QDate month = m_bars.value(i).month;
        p.setPen(m_colours.text);
        QRectF line = bar.label;
        line.setHeight(m_metrics.lineHeight);
        p.drawText(line, Qt::AlignHCenter | Qt::AlignTop, ShortMonth(month, m_locale));
        if (bar.yearShown) {
            p.setPen(m_colours.mutedText);
            p.drawText(line.translated(0, m_metrics.lineHeight), Qt::AlignHCenter | Qt::AlignTop,
                       QString::number(month.year()));
        }
    }
}

void BarChartPainter::PaintRows(QPainter& p, const ChartGeometry& g) const
{
    const QFontMetricsF fm(m_font);
    if (g.bars.isEmpty()) {
        p.setPen(m_colours.mutedText);
        p.drawText(QRectF(g.legend.left(), g.legend.bottom() + BarChartLayout::kPadding, g.legend.width(),
                          2 * m_metrics.lineHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, Texts::tr("No dues in this range."));
        return;
    }
    for (int i = 0; i < g.bars.size(); ++i) {
        const BarGeometry& bar = g.bars.at(i);
        const ReportBar& b = m_bars.at(i);
        PaintBar(p, bar);
        p.setPen(m_colours.text);
        const QRectF label = bar.label.adjusted(0, 0, -BarChartLayout::kPadding, 0);
        p.drawText(label, Qt::AlignLeft | Qt::AlignVCenter,
                   fm.elidedText(b.label, Qt::ElideRight, label.width()));
        p.drawText(bar.value, Qt::AlignLeft | Qt::AlignVCenter,
                   fm.elidedText(ValueText(b), Qt::ElideRight, bar.value.width()));
        if (bar.detail.isEmpty())
            continue;
        // The yearly cost, and after it the change in the colour of its way.
        QRectF detail = bar.detail;
        QString yearly = Texts::tr("%1 a year").arg(ReportBars::Money(b.yearly, m_locale));
        if (!b.change.isEmpty())
            yearly += QStringLiteral(" · ");
        p.setPen(m_colours.mutedText);
        p.drawText(detail, Qt::AlignLeft | Qt::AlignVCenter,
                   fm.elidedText(yearly, Qt::ElideRight, detail.width()));
        detail.setLeft(detail.left() + fm.horizontalAdvance(yearly));
        if (!b.change.isEmpty() && detail.width() > 0) {
            p.setPen(b.changeSign < 0 ? m_colours.changeDown : m_colours.changeUp);
            p.drawText(detail, Qt::AlignLeft | Qt::AlignVCenter,
                       fm.elidedText(b.change, Qt::ElideRight, detail.width()));
        }
    }
}
