#include "model/base/COleDateTime.h"

#include "model/base/Clock.h"

#include <cmath>

namespace {
constexpr double kHalfSecond = 1.0 / 172800.0;
// Julian day of 30 December 1899; a constant, so dates made during static
// initialisation are right too.
constexpr qint64 kEpochJulian = 2415019;

bool IsLeap(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int MonthDays(int y, int m)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return (m == 2 && IsLeap(y)) ? 29 : days[m - 1];
}
} // namespace

COleDateTimeSpan::COleDateTimeSpan(long days, int hours, int minutes, int seconds)
    : m_span(double(days) + (hours * 3600.0 + minutes * 60.0 + seconds) / 86400.0)
{
}

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second)
{
    SetDateTime(year, month, day, hour, minute, second);
}

COleDateTime COleDateTime::GetCurrentTime()
{
    return FromQDateTime(Clock::Now());
}

COleDateTime COleDateTime::FromQDateTime(const QDateTime& dt)
{
    COleDateTime r;
    if (!dt.isValid()) {
        r.m_status = invalid;
        return r;
    }
    const QDate d = dt.date();
    const QTime t = dt.time();
    r.SetDateTime(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
    return r;
}

void COleDateTime::CheckRange()
{
    if (!std::isfinite(m_dt) || m_dt < MinDate || m_dt >= MaxDate)
        m_status = invalid;
}

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second)
{
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 || day > MonthDays(year, month) ||
        hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
        m_dt = 0.0;
        m_status = invalid;
        return 1;
    }
    const double days = double(QDate(year, month, day).toJulianDay() - kEpochJulian);
    const double time = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
    m_dt = days >= 0 ? days + time : days - time;
    m_status = valid;
    return 0;
}

bool COleDateTime::GetParts(Parts& out) const
{
    if (m_status != valid || !std::isfinite(m_dt) || m_dt < MinDate || m_dt >= MaxDate)
        return false;
    const double adjusted = m_dt + (m_dt > 0.0 ? kHalfSecond : -kHalfSecond);
    const double days = std::trunc(adjusted);
    const double frac = std::fabs(adjusted - days);
    int secs = int(frac * 86400.0);
    if (secs > 86399)
        secs = 86399;
    const QDate d = QDate::fromJulianDay(qint64(days) + kEpochJulian);
    if (!d.isValid())
        return false;
    out.year = d.year();
    out.month = d.month();
    out.day = d.day();
    out.hour = secs / 3600;
    out.minute = (secs / 60) % 60;
    out.second = secs % 60;
    out.dayOfWeek = d.dayOfWeek() % 7 + 1; // Qt: Monday 1 .. Sunday 7
    out.dayOfYear = d.dayOfYear();
    return true;
}

#define OLE_PART(name, field)                                                                                \
    int COleDateTime::name() const                                                                           \
    {                                                                                                        \
        Parts p;                                                                                             \
        return GetParts(p) ? p.field : -1;                                                                   \
    }
OLE_PART(GetYear, year)
OLE_PART(GetMonth, month)
OLE_PART(GetDay, day)
OLE_PART(GetHour, hour)
OLE_PART(GetMinute, minute)
OLE_PART(GetSecond, second)
OLE_PART(GetDayOfWeek, dayOfWeek)
OLE_PART(GetDayOfYear, dayOfYear)
#undef OLE_PART

COleDateTime COleDateTime::DateOnly() const
{
    Parts p;
    COleDateTime r;
    if (!GetParts(p)) {
        r.m_status = invalid;
        return r;
    }
    r.SetDate(p.year, p.month, p.day);
    return r;
}

QDateTime COleDateTime::ToQDateTime() const
{
    Parts p;
    if (!GetParts(p))
        return {};
    return QDateTime(QDate(p.year, p.month, p.day), QTime(p.hour, p.minute, p.second));
}

QDate COleDateTime::ToQDate() const
{
    Parts p;
    if (!GetParts(p))
        return {};
    return QDate(p.year, p.month, p.day);
}

double COleDateTime::ToLinear(double oleDate)
{
    if (oleDate >= 0.0)
        return oleDate;
    const double days = std::trunc(oleDate);
    return days - (oleDate - days);
}

double COleDateTime::FromLinear(double linear)
{
    if (linear >= 0.0)
        return linear;
    const double days = std::floor(linear);
    const double frac = linear - days;
    return frac == 0.0 ? days : days - frac;
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& span) const
{
    COleDateTime r;
    if (m_status != valid || !std::isfinite(span.m_span)) {
        r.m_status = invalid;
        return r;
    }
    r.m_dt = FromLinear(ToLinear(m_dt) + span.m_span);
    r.CheckRange();
    return r;
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& span) const
{
    return *this + COleDateTimeSpan(-span.m_span);
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& other) const
{
    return COleDateTimeSpan(ToLinear(m_dt) - ToLinear(other.m_dt));
}
