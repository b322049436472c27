#pragma once

#include "model/store/DueRecord.h"

#include <QAbstractListModel>
#include <QList>

// The dues behind a bar of a report, with the roles of the month list so the
// same delegate paints them.
class ReportDuesModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit ReportDuesModel(QObject* parent = nullptr);

    void SetDues(QList<DueRecord> dues);
    const QList<DueRecord>& Dues() const { return m_dues; }
    const DueRecord* RecordAt(int row) const;
    int RowOf(const QString& recId) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QList<DueRecord> m_dues;
};
