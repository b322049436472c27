#include "ui/reports/ReportTableModel.h"

ReportTableModel::ReportTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void ReportTableModel::SetBars(ReportGrouping grouping, QList<ReportBar> bars, const QLocale& locale)
{
    beginResetModel();
    m_grouping = grouping;
    m_bars = std::move(bars);
    m_locale = locale;
    endResetModel();
}

QList<ReportTableModel::Column> ReportTableModel::Columns() const
{
    if (m_grouping == ReportGrouping::Series)
        return {Column::Name, Column::Count, Column::Monthly, Column::Yearly, Column::Change};
    return {Column::Name, Column::Count, Column::Paid, Column::Unpaid, Column::Overdue, Column::Total};
}

int ReportTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_bars.size());
}

int ReportTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(Columns().size());
}

QVariant ReportTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const ReportBar& bar = m_bars.at(index.row());
    const Column column = Columns().at(index.column());
    auto amount = [&](double value) -> QVariant {
        if (role == SortRole)
            return value;
        return ReportBars::Money(value, m_locale);
    };
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
    case SortRole:
        switch (column) {
        case Column::Name:
            return bar.label;
        case Column::Count:
            return role == SortRole ? QVariant(bar.count) : QVariant(m_locale.toString(bar.count));
        case Column::Paid:
            return amount(bar.paid);
        case Column::Unpaid:
            return amount(bar.unpaid);
        case Column::Overdue:
            return amount(bar.overdue);
        case Column::Total:
            return amount(bar.Total());
        case Column::Monthly:
            return amount(bar.monthly);
        case Column::Yearly:
            return amount(bar.yearly);
        case Column::Change:
            return bar.change;
        }
        return {};
    case Qt::TextAlignmentRole:
        if (column == Column::Name || column == Column::Change)
            return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ToolTipRole:
        return column == Column::Name ? QVariant(bar.label) : QVariant();
    default:
        return {};
    }
}

QVariant ReportTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role != Qt::DisplayRole)
        return {};
    switch (Columns().at(section)) {
    case Column::Name:
        switch (m_grouping) {
        case ReportGrouping::Month:
            return tr("Month");
        case ReportGrouping::Payee:
            return tr("Pay To");
        case ReportGrouping::Account:
            return tr("Account");
        case ReportGrouping::Type:
            return tr("Type");
        case ReportGrouping::Series:
            return tr("Series");
        }
        return {};
    case Column::Count:
        return tr("Dues");
    case Column::Paid:
        return tr("Paid");
    case Column::Unpaid:
        return tr("Unpaid");
    case Column::Overdue:
        return tr("Overdue");
    case Column::Total:
        return tr("Total");
    case Column::Monthly:
        return tr("Per Month");
    case Column::Yearly:
        return tr("Per Year");
    case Column::Change:
        return tr("Change");
    }
    return {};
}
