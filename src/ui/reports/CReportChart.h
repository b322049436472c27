#pragma once

#include "model/services/Reports.h"
#include "ui/reports/BarChartPainter.h"
#include "ui/reports/ReportBars.h"

#include <QWidget>

// One report chart on the screen. The bars are reached by keyboard as by
// mouse: the arrow keys move between them, Home and End go to the ends, Enter
// or Space opens the current one, a click opens the one under the pointer.
// Each bar is a child of the chart for a screen reader, named as the bar
// reads ("March 2026: paid $120.00, unpaid $40.00").
class CReportChart : public QWidget
{
    Q_OBJECT
public:
    explicit CReportChart(QWidget* parent = nullptr);

    void SetBars(ReportGrouping grouping, QList<ReportBar> bars);
    ReportGrouping Grouping() const { return m_grouping; }
    const QList<ReportBar>& Bars() const { return m_bars; }

    // The keyboard's place among the bars; -1 when there are none.
    int CurrentBar() const { return m_current; }
    void SetCurrentBar(int index);

    // What a screen reader says of a bar, and where it is in the chart.
    QString BarText(int index) const;
    QRect BarRect(int index) const;
    int BarAt(const QPoint& pos) const;

    // The chart as painted with a palette, for the screen, files and pages.
    BarChartPainter Painter(const QPalette& palette) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void barActivated(int index);
    void currentBarChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void TellScreenReader();

    ReportGrouping m_grouping = ReportGrouping::Month;
    QList<ReportBar> m_bars;
    int m_current = -1;
    int m_pressed = -1;
};
