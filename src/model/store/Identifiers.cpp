#include "model/store/Identifiers.h"

#include "model/base/Clock.h"

QString MakeRecordId(int n, const QDateTime& when)
{
    const QDate d = when.date();
    const QTime t = when.time();
    return QString::asprintf("%04d%02d%02d%02d%02d%02d%02d", d.year(), d.month(), d.day(), t.hour(),
                             t.minute(), t.second(), n == 0 ? 10 : n);
}

QString MakeRecordId(int n)
{
    return MakeRecordId(n, Clock::Now());
}

QString MakeSeriesId(const QDateTime& when)
{
    const QDate d = when.date();
    const QTime t = when.time();
    return QString::asprintf("%s%04d%02d%02d%02d%02d%02d", "recId", d.year(), d.month(), d.day(), t.hour(),
                             t.minute(), t.second());
}

QString MakeSeriesId()
{
    return MakeSeriesId(Clock::Now());
}
