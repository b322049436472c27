#pragma once

#include "model/services/Reports.h"
#include "ui/reports/ReportBars.h"

#include <QAbstractTableModel>
#include <QLocale>

// The numbers of a report chart as a table, bar by bar, for a screen reader
// and a keyboard user: the name, how many dues, and the sums (for series the
// monthly and yearly cost and the change). Amounts show as currency; under
// SortRole they are numbers.
class ReportTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Role
    {
        SortRole = Qt::UserRole + 1,
    };
    enum class Column
    {
        Name,
        Count,
        Paid,
        Unpaid,
        Overdue,
        Total,
        Monthly,
        Yearly,
        Change,
    };

    explicit ReportTableModel(QObject* parent = nullptr);

    void SetBars(ReportGrouping grouping, QList<ReportBar> bars, const QLocale& locale = QLocale());
    ReportGrouping Grouping() const { return m_grouping; }
    // The columns shown for the grouping, in order.
    QList<Column> Columns() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    ReportGrouping m_grouping = ReportGrouping::Month;
    QList<ReportBar> m_bars;
    QLocale m_locale;
};
