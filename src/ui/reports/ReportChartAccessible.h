#pragma once

#include <QAccessibleWidget>
#include <QHash>

class CReportChart;

// What a screen reader sees of a report chart: a chart whose children are
// its bars, in order, the current one focused.
class ReportChartAccessible : public QAccessibleWidget
{
public:
    explicit ReportChartAccessible(CReportChart* chart);
    ~ReportChartAccessible() override;

    // Makes Qt ask this class for every CReportChart; once per process.
    static void Install();

    CReportChart* Chart() const;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    mutable QHash<int, QAccessible::Id> m_children;
};
