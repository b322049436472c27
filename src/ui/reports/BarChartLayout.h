#pragma once

#include "model/services/Reports.h"
#include "ui/reports/ChartScale.h"
#include "ui/reports/ReportBars.h"

#include <QList>
#include <QRectF>

// The sizes of the texts a chart holds, measured by the caller from its font.
struct ChartMetrics
{
    double lineHeight = 16.0;
    double axisLabelWidth = 60.0;  // the widest amount on the value axis (months)
    double monthLabelWidth = 30.0; // the widest short month name
    double labelWidth = 100.0;     // the widest bar name (groups and series)
    double valueWidth = 80.0;      // the widest text at a bar's end
    // Rows: the value of a bar that fills the room; 0 for the largest bar's.
    // A chart cut over pages keeps one length for one amount on all of them.
    double fullLength = 0.0;
};

// Where one bar and its texts go. Pieces that are zero are empty rectangles.
struct BarGeometry
{
    QRectF slot;    // what a click or the focus ring covers: the bar with its texts
    QRectF paid;    // series: the monthly cost
    QRectF unpaid;  // stacked after paid
    QRectF overdue; // the part of unpaid next to paid
    QRectF label;
    bool labelShown = true; // a crowded month axis names only every few months
    bool yearShown = false; // the year under January and under the first named month
    QRectF value;           // the amount at a horizontal bar's end
    QRectF detail;          // series: the line under the bar, its yearly cost and its change
};

struct ChartGeometry
{
    QRectF legend;
    QRectF plot;
    ChartScale scale;    // months: the value axis
    QList<double> gridY; // months: where the grid lines of scale.Lines() run
    QList<BarGeometry> bars;
    // The bar whose slot holds the point, or -1.
    int BarAt(const QPointF& point) const;
};

// The geometry of a report chart in a rectangle: months as columns over the
// paid and unpaid sums on a rounded value axis, groups and series as rows of
// horizontal bars, the largest filling the room. Heights and lengths are
// proportional to the sums: a value v is v / top of the room.
class BarChartLayout
{
public:
    static ChartGeometry Compute(ReportGrouping grouping, const QList<ReportBar>& bars, const QRectF& area,
                                 const ChartMetrics& metrics);
    // The height a chart of these bars wants at any width.
    static double PreferredHeight(ReportGrouping grouping, const QList<ReportBar>& bars,
                                  const ChartMetrics& metrics);

    static constexpr double kPadding = 6.0;

private:
    static ChartGeometry Columns(const QList<ReportBar>& bars, const QRectF& area, const ChartMetrics& m);
    static ChartGeometry Rows(ReportGrouping grouping, const QList<ReportBar>& bars, const QRectF& area,
                              const ChartMetrics& m);
    static double RowHeight(ReportGrouping grouping, const ChartMetrics& m);
};
