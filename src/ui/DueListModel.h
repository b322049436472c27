#pragma once

#include "model/COleDateTime.h"
#include "model/DueRecord.h"
#include "model/IDueListSink.h"
#include "ui/DueRecordMeta.h"

#include <QAbstractListModel>
#include <QList>



// The dues of one month, in list order (due date, then record identifier).
// Each row owns a copy of its record.
class DueListModel : public QAbstractListModel, public IDueListSink
{
    Q_OBJECT
public:
    enum Role {
        RecordRole = Qt::UserRole + 1, // DueRecord
        RecordIdRole,                  // QString
        SeriesRole,                    // bool: belongs to a series
    };

    explicit DueListModel(QObject* parent = nullptr);

    // Lists the dues of month's month under filter (0 all, 1 paid, 2 unpaid)
    // from theDueStore, which also sets the status-bar texts.
    void Fill(const COleDateTime& month, int filter);

    const DueRecord* RecordAt(int row) const;
    QList<DueRecord> Records() const { return m_records; }
    int RowOf(const QString& recId) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // IDueListSink
    void DeleteAllItems() override;
    int GetItemCount() const override { return int(m_records.size()); }
    void InsertItem(int index, const QString& text, int image, const DueRecord& record) override;

private:
    QList<DueRecord> m_records;
    bool m_filling = false;
};
