#pragma once

#include "model/services/ComingUp.h"

#include <QAbstractListModel>

// The rows of the Coming Up view, with the roles of the month list so the
// same delegate paints them.
class ComingUpModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit ComingUpModel(QObject* parent = nullptr);

    void SetList(ComingUpList list);
    const ComingUpList& List() const { return m_list; }
    const DueRecord* RecordAt(int row) const;
    int RowOf(const QString& recId) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    ComingUpList m_list;
};
