#include "model/store/DueRecord.h"

#include "model/base/MessageTexts.h"

DueRecord::DueRecord() : m_dtStart(COleDateTime::GetCurrentTime()), m_dtDue(m_dtStart) {}

bool DueRecord::operator==(const DueRecord& o) const
{
    auto sameDouble = [](double a, double b) { return a == b || (a != a && b != b); };
    return m_strRecId == o.m_strRecId && m_strTitle == o.m_strTitle &&
           m_dtStart.m_status == o.m_dtStart.m_status && sameDouble(m_dtStart.m_dt, o.m_dtStart.m_dt) &&
           m_dtDue.m_status == o.m_dtDue.m_status && sameDouble(m_dtDue.m_dt, o.m_dtDue.m_dt) &&
           m_strPayTo == o.m_strPayTo && m_strAccount == o.m_strAccount &&
           sameDouble(m_dAmount, o.m_dAmount) && m_strNotes == o.m_strNotes && m_nType == o.m_nType &&
           m_bPaid == o.m_bPaid && m_strSeriesId == o.m_strSeriesId;
}

const DueTypeEntry g_dueTypes[] = {
    {1, MessageId::TypeBusiness}, {2, MessageId::TypePersonal}, {-1, MessageId{}}};

QString DueTypeText(int typeCode)
{
    return LoadResString(typeCode == 2 ? MessageId::TypePersonal : MessageId::TypeBusiness);
}

QString AmountText(double amount)
{
    return QString::asprintf("%0.2lf", amount);
}
