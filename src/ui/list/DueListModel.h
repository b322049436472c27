#pragma once

#include "model/base/COleDateTime.h"
#include "model/store/CDueStore.h"
#include "model/store/DueRecord.h"
#include "ui/list/DueListQuery.h"
#include "ui/list/DueRecordMeta.h"

#include <QAbstractListModel>
#include <QList>

// The dues of one month that the search keeps, in the chosen order (by due
// date unless asked otherwise). Each row owns a copy of its record; the sums
// are those of the rows shown.
class DueListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Role
    {
        RecordRole = Qt::UserRole + 1, // DueRecord
        RecordIdRole,                  // QString
        SeriesRole,                    // bool: belongs to a series
    };

    explicit DueListModel(QObject* parent = nullptr);

    // A row's data under role, the same in every list of dues (the month,
    // Coming Up, a report's), so that one delegate paints them all.
    static QVariant RowData(const DueRecord* record, int role);

    // Lists the dues of month's month under filter from theDueStore.
    void Fill(const COleDateTime& month, DueFilter filter);
    // The order and the search; both apply to the month listed last.
    void SetSort(DueSort sort);
    DueSort Sort() const { return m_sort; }
    void SetSearch(const QString& text);
    const DueSearch& Search() const { return m_search; }
    // The sums of the listed dues.
    double Paid() const { return m_paid; }
    double Unpaid() const { return m_unpaid; }
    // How many dues the month has under the filter, before the search.
    int MonthCount() const { return int(m_month.size()); }
    void Clear();

    const DueRecord* RecordAt(int row) const;
    QList<DueRecord> Records() const { return m_records; }
    int RowOf(const QString& recId) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    void Apply();

    QList<DueRecord> m_month; // under the filter, before the search
    // m_month's haystacks, in its order, made at the first search of a
    // listing: typing on folds nothing again.
    QStringList m_haystacks;
    QList<DueRecord> m_records;
    DueSort m_sort = DueSort::DueDate;
    DueSearch m_search;
    double m_paid = 0.0;
    double m_unpaid = 0.0;
};
