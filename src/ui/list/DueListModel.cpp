#include "ui/list/DueListModel.h"

#include "model/base/Clock.h"
#include "model/store/CDueStore.h"
#include "ui/list/DueRowLook.h"

#include <algorithm>

DueListModel::DueListModel(QObject* parent) : QAbstractListModel(parent) {}

void DueListModel::Fill(const COleDateTime& month, DueFilter filter)
{
    beginResetModel();
    // The store hands them over in its own walk order.
    m_month = theDueStore.FillMonthList(month, filter).rows;
    m_haystacks.clear();
    SortDues(m_month, m_sort);
    Apply();
    endResetModel();
}

void DueListModel::SetSort(DueSort sort)
{
    if (sort == m_sort)
        return;
    beginResetModel();
    m_sort = sort;
    m_haystacks.clear();
    SortDues(m_month, m_sort);
    Apply();
    endResetModel();
}

void DueListModel::SetSearch(const QString& text)
{
    if (text == m_search.Text())
        return;
    beginResetModel();
    m_search = DueSearch(text);
    Apply();
    endResetModel();
}

void DueListModel::Apply()
{
    if (m_search.IsEmpty()) {
        m_records = m_month;
    } else {
        if (m_haystacks.size() != m_month.size()) {
            m_haystacks.clear();
            m_haystacks.reserve(m_month.size());
            for (const DueRecord& r : std::as_const(m_month))
                m_haystacks << DueSearch::Haystack(r);
        }
        m_records = SearchDues(m_month, m_haystacks, m_search);
    }
    m_paid = m_unpaid = 0.0;
    for (const DueRecord& r : std::as_const(m_records))
        (r.m_bPaid ? m_paid : m_unpaid) += r.m_dAmount;
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
    return RowData(index.isValid() && index.column() == 0 ? RecordAt(index.row()) : nullptr, role);
}

QVariant DueListModel::RowData(const DueRecord* r, int role)
{
    if (!r)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return r->m_strTitle;
    case Qt::AccessibleTextRole:
        return SpokenDue(*r, Clock::Now().date());
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
    m_month.clear();
    m_haystacks.clear();
    m_records.clear();
    m_paid = m_unpaid = 0.0;
    endResetModel();
}
