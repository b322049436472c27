#pragma once

#include "model/services/Reports.h"
#include "ui/reports/BarChartLayout.h"
#include "ui/reports/ChartColours.h"
#include "ui/reports/ReportBars.h"

#include <QFont>
#include <QList>
#include <QLocale>

class QPainter;

// Paints a report chart with QPainter, on a widget, an image, an SVG file or
// a printed page alike: the legend, the grid and amounts of the value axis,
// the bars with their overdue part hatched, and the names and amounts.
// Fonts are used at their pixel size, so a chart measures the same on every
// device it is painted on.
class BarChartPainter
{
public:
    BarChartPainter(ReportGrouping grouping, QList<ReportBar> bars, const QFont& font,
                    const ChartColours& colours, const QLocale& locale = QLocale());

    ChartMetrics Metrics() const { return m_metrics; }
    const ChartColours& Colours() const { return m_colours; }
    // The font at its pixel size.
    const QFont& Font() const { return m_font; }
    ReportGrouping Grouping() const { return m_grouping; }
    const QList<ReportBar>& Bars() const { return m_bars; }
    double PreferredHeight() const;
    ChartGeometry Layout(const QRectF& area) const;

    // The rows first to first + count - 1 alone, measured and scaled as in
    // the whole chart: a long chart printed page by page.
    BarChartPainter Part(qsizetype first, qsizetype count) const;

    // current: the bar to ring (-1: none), as the keyboard user's place.
    void Paint(QPainter& painter, const QRectF& area, int current = -1) const;

    // The text at the end of a horizontal bar (for a series its monthly cost).
    QString ValueText(const ReportBar& bar) const;

private:
    void PaintLegend(QPainter& p, const QRectF& legend) const;
    void PaintColumns(QPainter& p, const ChartGeometry& g) const;
    void PaintRows(QPainter& p, const ChartGeometry& g) const;
    void PaintBar(QPainter& p, const BarGeometry& bar) const;

    ReportGrouping m_grouping;
    QList<ReportBar> m_bars;
    QFont m_font;
    ChartColours m_colours;
    QLocale m_locale;
    ChartMetrics m_metrics;
};
