#include "ui/frame/CMonthPicker.h"

#include "model/base/Clock.h"

CMonthPicker::CMonthPicker(QWidget* parent) : QDateEdit(parent)
{
    setObjectName(QStringLiteral("MonthPicker"));
    setAccessibleName(tr("Month shown"));
    setDisplayFormat(QStringLiteral("MMMM  yyyy"));
    setCalendarPopup(true);
    setMinimumDate(QDate(1753, 1, 1));
    setMaximumDate(QDate(9999, 12, 31));
    const QDateTime now = Clock::Now();
    m_time = now.time();
    setDate(now.date());
    connect(this, &QDateEdit::dateChanged, this, [this] {
        if (!m_setting)
            emit userDateChanged();
    });
}

COleDateTime CMonthPicker::GetTime() const
{
    return COleDateTime::FromQDateTime(QDateTime(date(), m_time));
}

void CMonthPicker::SetTime(const COleDateTime& when)
{
    const QDateTime dt = when.ToQDateTime();
    if (!dt.isValid())
        return;
    m_setting = true;
    m_time = dt.time();
    setDate(dt.date());
    m_setting = false;
}

bool CMonthPicker::focusNextPrevChild(bool next)
{
    return QAbstractSpinBox::focusNextPrevChild(next);
}
