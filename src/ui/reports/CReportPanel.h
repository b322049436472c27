#pragma once

#include "model/services/Reports.h"
#include "ui/reports/ReportBars.h"

#include <QFrame>

class CReportChart;
class QLabel;
class QStackedWidget;
class QTableView;
class QPushButton;
class ReportTableModel;

// One chart of the Reports view under its title: the chart, or the same
// numbers as a table (the Table button switches), a line of notes, and a
// menu that saves the chart as PNG or SVG and the numbers as CSV.
class CReportPanel : public QFrame
{
    Q_OBJECT
public:
    CReportPanel(const QString& title, QWidget* parent = nullptr);

    // Shows a report; rangeText names its months in the files saved.
    void SetReport(const Report& report, const QString& rangeText);
    void SetNotes(const QString& notes);
    const Report& ShownReport() const { return m_report; }
    QString Title() const { return m_title; }
    // What is written above the chart in a saved image.
    QString FileTitle() const;

    // Shows the table in place of the chart, or the chart again.
    void ShowTable(bool table);
    bool IsTableShown() const;

    CReportChart* Chart() const { return m_chart; }
    QTableView* Table() const { return m_table; }
    ReportTableModel* TableModel() const { return m_model; }
    QPushButton* TableButton() const { return m_tableButton; }
    QPushButton* SaveButton() const { return m_saveButton; }

    // The saves of the Save menu, through the file chooser.
    bool SavePng();
    bool SaveSvg();
    bool SaveCsv();

signals:
    // A bar (or its table row) was opened.
    void barActivated(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitTable();

    QString m_title;
    QString m_rangeText;
    Report m_report;
    QLabel* m_titleLabel;
    QLabel* m_notes;
    QPushButton* m_tableButton;
    QPushButton* m_saveButton;
    QStackedWidget* m_stack;
    CReportChart* m_chart;
    QTableView* m_table;
    ReportTableModel* m_model;
};
