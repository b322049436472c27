#pragma once

#include "model/store/IDueListSink.h"

#include <QList>
#include <QListWidget>

// The print dialog's list: one checkable row per due with its icon (single
// due or member of a series), bold titles, paid dues struck out. Each row
// owns a copy of its due.
class CPrintListCtrl : public QListWidget, public IDueListSink
{
    Q_OBJECT

public:
    explicit CPrintListCtrl(QWidget* parent = nullptr);

    // IDueListSink
    void DeleteAllItems() override;
    int GetItemCount() const override { return count(); }
    void InsertItem(int index, const QString& text, int image, const DueRecord& record) override;

    const DueRecord& Record(int row) const { return m_records.at(row); }
    bool IsChecked(int row) const;
    void SetChecked(int row, bool checked);
    int CheckedCount() const;
    // The copies of the ticked dues, in list order.
    QList<DueRecord> CheckedRecords() const;

private:
    QList<DueRecord> m_records;
};
