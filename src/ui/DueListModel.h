#pragma once

#include "model/CDueStore.h"
#include "model/COleDateTime.h"
#include "model/DueRecord.h"
#include "ui/DueRecordMeta.h"

#include <QAbstractListModel>
#include <QList>

// The dues of one month, in list order (due date, then record identifier).
// Each row owns a copy of its record.
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

    // Lists the dues of month's month under filter from theDueStore.
    void Fill(const COleDateTime& month, DueFilter filter);
    // The sums of the listed dues.
    double Paid() const { return m_paid; }
    double Unpaid() const { return m_unpaid; }
    void Clear();

    const DueRecord* RecordAt(int row) const;
    QList<DueRecord> Records() const { return m_records; }
    int RowOf(const QString& recId) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    QList<DueRecord> m_records;
    double m_paid = 0.0;
    double m_unpaid = 0.0;
};
