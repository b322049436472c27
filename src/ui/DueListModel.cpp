#include "ui/DueListModel.h"

#include "model/CDueStore.h"

#include <algorithm>

DueListModel::DueListModel(QObject* parent) : QAbstractListModel(parent) {}

void DueListModel::Fill(const COleDateTime& month, DueFilter filter)
{
    beginResetModel();
    MonthList list = theDueStore.FillMonthList(month, filter);
    m_records = std::move(list.rows);
    m_paid = list.paid;
    m_unpaid = list.unpaid;
    // The store hands them over in its own walk order; equal due dates fall
    // back on the record identifier so the list never reshuffles.
    std::stable_sort(m_records.begin(), m_records.end(), DueListLess);
    endResetModel();
}

const DueRecord* DueListModel::RecordAt(int row) const
{
    if (row < 0 || row >= m_records.size())
        return nullptr;
    return &m_records.at(row);
}

int DueListModel::RowOf(const QString& recId) const
{
    for (int i = 0; i < m_records.size(); ++i) {
        if (m_records.at(i).m_strRecId == recId)
            return i;
    }
    return -1;
}

int DueListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_records.size());
}

QVariant DueListModel::data(const QModelIndex& index, int role) const
{
    const DueRecord* r = index.isValid() && index.column() == 0 ? RecordAt(index.row()) : nullptr;
    if (!r)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return r->m_strTitle;
    case RecordRole:
        return QVariant::fromValue(*r);
    case RecordIdRole:
        return r->m_strRecId;
    case SeriesRole:
        return !r->m_strSeriesId.isEmpty();
    default:
        return {};
    }
}

QHash<int, QByteArray> DueListModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(RecordRole, "record");
    names.insert(RecordIdRole, "recordId");
    names.insert(SeriesRole, "series");
    return names;
}

void DueListModel::Clear()
{
    beginResetModel();
    m_records.clear();
    m_paid = m_unpaid = 0.0;
    endResetModel();
}
