#pragma once

#include "model/services/Reports.h"
#include "model/store/DueRecord.h"
#include "ui/reports/ReportRanges.h"

#include <QList>
#include <QStringList>
#include <QWidget>

#include <functional>

class CReportPanel;
class QComboBox;
class QPrintPreviewDialog;
class QDateEdit;
class QLabel;
class QListView;
class QPushButton;
class QScrollArea;
class QToolButton;
class QSplitter;
class ReportDuesModel;

// Where the money went over a range of months: paid and unpaid by month, the
// sums by pay to, account and type, and what the recurring dues cost. A month
// bar asks for that month in the list; any other bar lists its dues below the
// charts, where they are chosen, modified and marked as in the month list.
class CReportsView : public QWidget
{
    Q_OBJECT
public:
    explicit CReportsView(QWidget* parent = nullptr);

    // Reports over theDueStore as of Clock::Now(), for the chosen range; an
    // open list of dues is listed again, keeping its selection.
    void Refresh();

    void SetRange(ReportRanges::Choice choice, const QDate& from = {}, const QDate& to = {});
    ReportRange Range() const;
    ReportRanges::Choice RangeChoice() const;

    // The panels: by month, pay to, account, type, and the recurring costs.
    CReportPanel* Panel(ReportGrouping grouping) const;
    QList<CReportPanel*> Panels() const { return m_panels; }

    // Opens a bar of a panel as a click would.
    void OpenBar(ReportGrouping grouping, int index);
    // The dues of one bar, or nothing.
    void ShowDues(ReportGrouping grouping, const QStringList& keys, const QString& title);
    void CloseDues();
    bool AreDuesShown() const;
    QString DuesTitle() const;

    QListView* DuesList() const { return m_dues; }
    ReportDuesModel* DuesModel() const { return m_duesModel; }
    QStringList SelectedIds() const;
    QList<DueRecord> SelectedDues() const;
    void SelectIds(const QStringList& ids);

    QComboBox* RangeBox() const { return m_rangeBox; }
    QDateEdit* FromEdit() const { return m_fromEdit; }
    QDateEdit* ToEdit() const { return m_toEdit; }
    QString SummaryText() const;

    // As much as a list asks for: the charts scroll, and the bars above the
    // view (the reminders) keep their height. The wrapped summary would
    // otherwise make the whole view's height depend on its width, which the
    // window's column takes as the least height it may have.
    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return false; }

    // The report on paper: the print preview, and a PDF file.
    void Print();
    bool SavePdf();

    // Tests take the preview instead of its modal loop; null restores it.
    using PreviewHandler = std::function<void(QPrintPreviewDialog& preview)>;
    static void SetPreviewHandler(PreviewHandler handler);

signals:
    void monthRequested(const QDate& month);
    void dueSelected(const DueRecord& record);
    void selectionCleared();
    void modifyRequested(const QString& recId);
    void contextMenuRequested(const QPoint& globalPos);

private:
    void OnRangeChosen();
    void OnSelectionChanged();
    void ListDues();
    QString ReportTitle() const;

    QComboBox* m_rangeBox;
    QDateEdit* m_fromEdit;
    QDateEdit* m_toEdit;
    QToolButton* m_printButton;
    QToolButton* m_pdfButton;
    QLabel* m_summary;
    QSplitter* m_splitter;
    QScrollArea* m_scroll;
    QList<CReportPanel*> m_panels;
    QWidget* m_duesPane;
    QLabel* m_duesTitle;
    QPushButton* m_duesClose;
    QListView* m_dues;
    ReportDuesModel* m_duesModel;
    Report m_months;
    // The open list of dues: the bar it came from.
    ReportGrouping m_duesGrouping = ReportGrouping::Payee;
    QStringList m_duesKeys;
};
