#include "ui/comingup/ComingUpModel.h"

#include "ui/list/DueListModel.h"

ComingUpModel::ComingUpModel(QObject* parent) : QAbstractListModel(parent) {}

void ComingUpModel::SetList(ComingUpList list)
{
    beginResetModel();
    m_list = std::move(list);
    endResetModel();
}

const DueRecord* ComingUpModel::RecordAt(int row) const
{
    return row >= 0 && row < m_list.rows.size() ? &m_list.rows.at(row) : nullptr;
}

int ComingUpModel::RowOf(const QString& recId) const
{
    for (int i = 0; i < m_list.rows.size(); ++i)
        if (m_list.rows.at(i).m_strRecId == recId)
            return i;
    return -1;
}

int ComingUpModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_list.rows.size());
}

QVariant ComingUpModel::data(const QModelIndex& index, int role) const
{
    return DueListModel::RowData(index.isValid() ? RecordAt(index.row()) : nullptr, role);
}
