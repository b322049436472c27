#include "ui/frame/CDetailsBar.h"

#include "model/base/LocaleFormat.h"
#include "ui/frame/CDetailsList.h"
#include "ui/skinui/GuiDrawLayer.h"

namespace {

QString DateTimeText(const COleDateTime& dt)
{
    return FormatDatePicture(dt, QString(), QLocale()) + QLatin1Char(' ') +
           FormatTimePicture(dt, QString(), QLocale());
}

} // namespace

CDetailsBar::CDetailsBar(QWidget* parent)
    : CGuiControlBar(tr("Details"), parent), m_list(new CDetailsList(Headings(), this))
{
    setObjectName(QStringLiteral("DueDetailsBar"));
    m_list->setObjectName(QStringLiteral("DetailsList"));
    m_list->setAccessibleName(tr("Details of the selected due"));
    m_list->setPalette(GuiDrawLayer::SkinPalette());
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
    for (int row = 0; row < values.size(); ++row)
        m_list->SetValue(row, values.at(row));
}

void CDetailsBar::ClearDetails()
{
    for (int row = 0; row < m_list->RowCount(); ++row)
        m_list->SetValue(row, QString());
}

QString CDetailsBar::Heading(int row) const
{
    return m_list->Heading(row);
}

QString CDetailsBar::Value(int row) const
{
    return m_list->Value(row);
}
