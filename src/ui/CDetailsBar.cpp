#include "ui/CDetailsBar.h"

#include "model/LocaleFormat.h"
#include "ui/skinui/GuiDrawLayer.h"

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <algorithm>

namespace {

// Headings bold, values normal, whatever the font of the day is.
class DetailsDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->font.setBold(index.column() == 0);
    }
};

QString DateTimeText(const COleDateTime& dt)
{
    return FormatDatePicture(dt, QString(), QLocale()) + QLatin1Char(' ') +
           FormatTimePicture(dt, QString(), QLocale());
}

} // namespace

CDetailsBar::CDetailsBar(QWidget* parent)
    : CGuiControlBar(tr("Details"), parent), m_list(new QTableWidget(8, 2, this))
{
    setObjectName(QStringLiteral("DueDetailsBar"));
    m_list->setObjectName(QStringLiteral("DetailsList"));
    m_list->horizontalHeader()->hide();
    m_list->verticalHeader()->hide();
    m_list->setShowGrid(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setTabKeyNavigation(false); // Tab goes on to the next part of the window
    m_list->setMinimumWidth(180);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->setFrameShape(QFrame::StyledPanel);
    m_list->setFrameShadow(QFrame::Sunken);
    m_list->setItemDelegate(new DetailsDelegate(m_list));
    m_list->setColumnWidth(0, 100);
    m_list->setColumnWidth(1, 200);
    // The values take what the bar has left, and are elided within it.
    m_list->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setWordWrap(false);
    m_list->setTextElideMode(Qt::ElideRight);
    m_list->verticalHeader()->setDefaultSectionSize(22);
    const QStringList headings = Headings();
    for (int row = 0; row < headings.size(); ++row) {
        m_list->setItem(row, 0, new QTableWidgetItem(headings.at(row)));
        m_list->setItem(row, 1, new QTableWidgetItem(QString()));
    }
    // Headings in other languages run longer ("Fälligkeitsdatum"): the column
    // takes the widest, never less than the English layout's.
    m_list->resizeColumnToContents(0);
    m_list->setColumnWidth(0, std::max(100, m_list->columnWidth(0)));
    QPalette pal = m_list->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::AlternateBase, QColor(239, 245, 253));
    m_list->setPalette(pal);
    m_list->setAlternatingRowColors(true);
    SetChild(m_list);
    resize(300, 310);
}

QStringList CDetailsBar::Headings()
{
    return {tr("Title"),   tr("Start Date"), tr("Due Date"), tr("Pay To"),
            tr("Account"), tr("Amount"),     tr("Type"),     tr("Status")};
}

QStringList CDetailsBar::DetailValues(const DueRecord& record)
{
    return {record.m_strTitle,
            DateTimeText(record.m_dtStart),
            DateTimeText(record.m_dtDue),
            record.m_strPayTo,
            record.m_strAccount,
            FormatCurrencyText(AmountText(record.m_dAmount), QLocale()),
            DueTypeText(record.m_nType),
            record.m_bPaid ? tr("Paid") : tr("Unpaid")};
}

void CDetailsBar::ShowDue(const DueRecord& record)
{
    const QStringList values = DetailValues(record);
    for (int row = 0; row < values.size(); ++row) {
        m_list->item(row, 1)->setText(values.at(row));
        m_list->item(row, 1)->setToolTip(values.at(row));
    }
}

void CDetailsBar::ClearDetails()
{
    for (int row = 0; row < m_list->rowCount(); ++row) {
        m_list->item(row, 1)->setText(QString());
        m_list->item(row, 1)->setToolTip(QString());
    }
}

QString CDetailsBar::Heading(int row) const
{
    const QTableWidgetItem* item = m_list->item(row, 0);
    return item ? item->text() : QString();
}

QString CDetailsBar::Value(int row) const
{
    const QTableWidgetItem* item = m_list->item(row, 1);
    return item ? item->text() : QString();
}
