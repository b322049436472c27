#include "ui/reports/ReportDuesModel.h"

#include "ui/list/DueListModel.h"

ReportDuesModel::ReportDuesModel(QObject* parent) : QAbstractListModel(parent) {}

void ReportDuesModel::SetDues(QList<DueRecord> dues)
{
    beginResetModel();
    m_dues = std::move(dues);
    endResetModel();
}

const DueRecord* ReportDuesModel::RecordAt(int row) const
{
    return row >= 0 && row < m_dues.size() ? &m_dues.at(row) : nullptr;
}

int ReportDuesModel::RowOf(const QString& recId) const
{
    for (int i = 0; i < m_dues.size(); ++i)
        if (m_dues.at(i).m_strRecId == recId)
            return i;
    return -1;
}

int ReportDuesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_dues.size());
}

QVariant ReportDuesModel::data(const QModelIndex& index, int role) const
{
    return DueListModel::RowData(index.isValid() ? RecordAt(index.row()) : nullptr, role);
}
