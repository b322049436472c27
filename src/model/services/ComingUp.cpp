#include "model/services/ComingUp.h"

#include <algorithm>

ComingUpList SelectComingUp(const CDueStore& store, const QDate& today, int days, bool includePaid)
{
    ComingUpList list;
    if (!today.isValid())
        return list;
    days = std::max(0, days);
    store.ForEach([&](const DueRecord& r) {
        const QDate day = r.m_dtDue.ToQDate();
        if (!day.isValid())
            return; // a date that is not one is never late nor soon
        const qint64 ahead = today.daysTo(day);
        const bool unpaid = !r.m_bPaid;
        if (unpaid) {
            if (ahead < 0)
                list.overdue += r.m_dAmount;
            else {
                if (ahead <= 7)
                    list.next7 += r.m_dAmount;
                if (ahead <= 30)
                    list.next30 += r.m_dAmount;
            }
        }
        const bool listed = ahead < 0 ? unpaid : ahead <= days && (unpaid || includePaid);
        if (listed)
            list.rows.append(r);
    });
    std::stable_sort(list.rows.begin(), list.rows.end(), DueListLess);
    return list;
}
