#include "recurrence/OccurrenceSequence.h"

#include "recurrence/DaysInMonth.h"

#include <QDate>

#include <algorithm>

namespace {
constexpr qint64 kDay = 86400;
const qint64 kMinJd = QDate(100, 1, 1).toJulianDay();
const qint64 kMaxJd = QDate(9999, 12, 31).toJulianDay();

bool ToLine(const COleDateTime& dt, qint64& out)
{
    COleDateTime::Parts p;
    if (!dt.GetParts(p))
        return false;
    out = QDate(p.year, p.month, p.day).toJulianDay() * kDay + p.hour * 3600 + p.minute * 60 + p.second;
    return true;
}

COleDateTime FromLine(qint64 t)
{
    const QDate d = QDate::fromJulianDay(t / kDay);
    const int s = int(t % kDay);
    return COleDateTime(d.year(), d.month(), d.day(), s / 3600, (s / 60) % 60, s % 60);
}

bool InCalendar(qint64 t)
{
    const qint64 jd = t / kDay;
    return t >= 0 && jd >= kMinJd && jd <= kMaxJd;
}

// 0 = Sunday .. 6 = Saturday; Julian day 0 was a Monday.
int SundayIndex(qint64 jd)
{
    return int((jd + 1) % 7);
}

qint64 FirstOfMonth(int year, int month1)
{
    return QDate(year, month1, 1).toJulianDay();
}
} // namespace

int OccurrenceSequence::OrdinalWeekdayDay(int year, int month1, int ordinal, int weekday)
{
    if (ordinal < RecurrencePattern::kLastOrdinal) {
        const int f = SundayIndex(FirstOfMonth(year, month1)) + 1;
        const int first = 1 + (weekday + 1 - f + 7) % 7;
        return first + 7 * ordinal;
    }
    const int n = DaysInMonth(month1 - 1, year);
    const int g = SundayIndex(FirstOfMonth(year, month1) + n - 1) + 1;
    int delta = (weekday + 1) - g;
    if (delta > 0)
        delta -= 7;
    return n + delta;
}

OccurrenceSequence::OccurrenceSequence(const RecurrencePattern& pattern)
{
    m_done = !Setup(pattern);
}

bool OccurrenceSequence::Setup(const RecurrencePattern& p)
{
    if (!ToLine(p.m_dtRangeStart, m_start))
        return false;
    m_startSecond = int(m_start % kDay);
    m_weekendRule = p.m_nWeekendRule;
    m_endAfter = p.m_bEndAfter;
    if (m_endAfter) {
        m_limit = RecurrencePattern::ReadNumber(p.m_strOccurrences);
        if (m_limit <= 0)
            return false;
    } else if (!ToLine(p.m_dtEndBy, m_end)) {
        return false;
    }

    m_frequency = p.m_nFrequency;
    const QDate startDate = QDate::fromJulianDay(m_start / kDay);
    switch (m_frequency) {
    case RecurrencePattern::Day:
        m_interval = p.m_bDailyEvery ? RecurrencePattern::ReadNumber(p.m_strDailyInterval) : 7;
        m_cursor = m_start;
        return m_interval > 0;
    case RecurrencePattern::Week:
        m_interval = RecurrencePattern::ReadNumber(p.m_strWeeklyInterval);
        m_weekday = p.m_bWeekday;
        m_cursor = m_start;
        return m_interval > 0 && std::any_of(m_weekday.begin(), m_weekday.end(), [](bool b) { return b; });
    case RecurrencePattern::Month:
        m_byDay = p.m_bMonthlyByDay;
        if (m_byDay) {
            const qint64 day = RecurrencePattern::ReadNumber(p.m_strMonthlyDay);
            m_interval = RecurrencePattern::ReadNumber(p.m_strMonthlyDayInterval);
            if (day < 1 || day > 31 || m_interval <= 0)
                return false;
            m_day = int(day);
        } else {
            m_interval = RecurrencePattern::ReadNumber(p.m_strMonthlyOrdinalInterval);
            m_ordinal = p.m_nMonthlyOrdinal;
            m_weekdayIndex = p.m_nMonthlyWeekday;
            if (m_interval <= 0 || m_ordinal < 0 || m_ordinal > RecurrencePattern::kLastOrdinal ||
                m_weekdayIndex < 0 || m_weekdayIndex > 6)
                return false;
        }
        return StartMonthCursor(startDate.year(), startDate.month());
    case RecurrencePattern::Year:
        m_byDay = p.m_bYearlyByDate;
        m_interval = 12;
        if (m_byDay) {
            const qint64 day = RecurrencePattern::ReadNumber(p.m_strYearlyDay);
            m_yearMonth = p.m_nYearlyMonth;
            if (m_yearMonth < 0 || m_yearMonth > 11 || day < 1 || day > 31)
                return false;
            if ((day == 31 &&
                 (m_yearMonth == 3 || m_yearMonth == 5 || m_yearMonth == 8 || m_yearMonth == 10)) ||
                (day >= 30 && m_yearMonth == 1))
                return false;
            m_day = int(day);
        } else {
            m_ordinal = p.m_nYearlyOrdinal;
            m_weekdayIndex = p.m_nYearlyWeekday;
            m_yearMonth = p.m_nYearlyOrdinalMonth;
            if (m_ordinal < 0 || m_ordinal > RecurrencePattern::kLastOrdinal || m_weekdayIndex < 0 ||
                m_weekdayIndex > 6 || m_yearMonth < 0 || m_yearMonth > 11)
                return false;
        }
        return StartMonthCursor(startDate.year(), m_yearMonth + 1);
    default:
        return false;
    }
}

bool OccurrenceSequence::StartMonthCursor(int year, int month1)
{
    m_year = year;
    m_month = month1;
    m_cursor = FirstOfMonth(year, month1) * kDay + 1; // 00:00:01
    return true;
}

void OccurrenceSequence::MoveMonthCursor(qint64 monthsOn)
{
    const qint64 index = qint64(m_month - 1) + monthsOn;
    const qint64 year = m_year + index / 12;
    if (year > 9999) {
        m_done = true;
        return;
    }
    StartMonthCursor(int(year), int(index % 12) + 1);
}

bool OccurrenceSequence::MonthCandidate(qint64& out) const
{
    int day;
    if (m_byDay)
        day = std::min(m_day, DaysInMonth(m_month - 1, m_year));
    else
        day = OrdinalWeekdayDay(m_year, m_month, m_ordinal, m_weekdayIndex);
    out = (FirstOfMonth(m_year, m_month) + day - 1) * kDay + m_startSecond;
    return out >= m_start && (m_endAfter || out <= m_end);
}

bool OccurrenceSequence::Pass(qint64& occurrence)
{
    bool yields = false;
    switch (m_frequency) {
    case RecurrencePattern::Day:
        occurrence = m_cursor;
        yields = true;
        m_cursor += m_interval * kDay;
        break;
    case RecurrencePattern::Week: {
        const int weekday = SundayIndex(m_cursor / kDay);
        if (m_weekday[size_t(weekday)]) {
            occurrence = m_cursor;
            yields = true;
        }
        if (weekday == 6) // after each Saturday skip the weeks in between
            m_cursor += (7 * m_interval - 7) * kDay;
        m_cursor += kDay;
        break;
    }
    default: // Month, Year
        yields = MonthCandidate(occurrence);
        MoveMonthCursor(m_interval);
        break;
    }
    if (yields)
        ++m_count;
    if (!InCalendar(m_cursor))
        m_done = true;
    else if (m_endAfter ? m_count >= m_limit : m_cursor > m_end)
        m_done = true;
    return yields;
}

qint64 OccurrenceSequence::MoveOffWeekend(qint64 t) const
{
    const int weekday = SundayIndex(t / kDay);
    if (weekday != 0 && weekday != 6)
        return t;
    qint64 moved = t;
    if (m_weekendRule == RecurrencePattern::FridayBefore)
        moved -= (weekday == 6 ? 1 : 2) * kDay;
    else if (m_weekendRule == RecurrencePattern::MondayAfter)
        moved += (weekday == 6 ? 2 : 1) * kDay;
    if (moved < m_start || (!m_endAfter && moved > m_end) || !InCalendar(moved))
        return t;
    return moved;
}

bool OccurrenceSequence::Take(qint64& occurrence)
{
    if (!Pass(occurrence))
        return false;
    occurrence = MoveOffWeekend(occurrence);
    const qint64 day = occurrence / kDay;
    if (day <= m_lastDay) {
        ++m_dropped;
        return false;
    }
    m_lastDay = day;
    return true;
}

bool OccurrenceSequence::Next(COleDateTime& out)
{
    while (!m_done) {
        qint64 t;
        if (Take(t)) {
            out = FromLine(t);
            return true;
        }
    }
    return false;
}

QList<COleDateTime> OccurrenceSequence::All(const RecurrencePattern& pattern, qint64 limit)
{
    QList<COleDateTime> dates;
    OccurrenceSequence seq(pattern);
    COleDateTime dt;
    while ((limit < 0 || dates.size() < limit) && seq.Next(dt))
        dates << dt;
    return dates;
}

qint64 OccurrenceSequence::Count(const RecurrencePattern& pattern, qint64* dropped)
{
    OccurrenceSequence seq(pattern);
    qint64 n = 0;
    qint64 t;
    while (!seq.m_done)
        if (seq.Take(t))
            ++n;
    if (dropped)
        *dropped = seq.m_dropped;
    return n;
}
