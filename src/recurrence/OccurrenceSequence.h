#pragma once

#include "model/base/COleDateTime.h"
#include "recurrence/RecurrencePattern.h"

#include <QList>

// The occurrence dates of a pattern, one at a time, in chronological order.
//
// The walk follows the pattern pass by pass: a cursor stands on a day, a pass
// may yield one occurrence, then moves the cursor on and makes the stop test
// (ending after N: the count reached N; ending by a date: the cursor is past
// it). Times are whole seconds. The walk also ends when the cursor leaves the
// calendar (before year 100 or after 9999), so a huge interval or count can
// never run away, and a pattern that fails its own checks yields nothing.
//
// The weekend rule moves a Saturday or Sunday occurrence to the Friday before
// or the Monday after, keeping its time of day. A move that would leave the
// range (before the start, or past the end date) is not made: the occurrence
// stays on its own day. When a move lands on a day that already has an
// occurrence, the later one is dropped and counted in Dropped(); it still
// counts towards "end after N", so N is what the user asked the pattern for.
class OccurrenceSequence
{
public:
    explicit OccurrenceSequence(const RecurrencePattern& pattern);

    // The next occurrence; false when there are no more.
    bool Next(COleDateTime& out);
    // Occurrences left out so far because the weekend rule moved them onto
    // a day that already has one.
    qint64 Dropped() const { return m_dropped; }

    // Every occurrence, up to `limit` of them (-1 = no limit).
    static QList<COleDateTime> All(const RecurrencePattern& pattern, qint64 limit = -1);
    // How many occurrences the pattern yields, without keeping them; dropped,
    // when given, receives how many the weekend rule left out.
    static qint64 Count(const RecurrencePattern& pattern, qint64* dropped = nullptr);

    // Day of the month of the k-th (0 first .. 3 fourth, 4 last) weekday w
    // (0 Sunday .. 6 Saturday) in a month.
    static int OrdinalWeekdayDay(int year, int month1, int ordinal, int weekday);

private:
    bool Setup(const RecurrencePattern& p);
    bool Pass(qint64& occurrence); // one pass; true when it yields
    // One pass with the weekend rule applied; true when it yields a day that
    // has no occurrence yet.
    bool Take(qint64& occurrence);
    qint64 MoveOffWeekend(qint64 t) const;
    bool MonthCandidate(qint64& out) const;
    bool StartMonthCursor(int year, int month1);
    void MoveMonthCursor(qint64 monthsOn);

    // Seconds on a plain time line: Julian day * 86400 + second of the day.
    qint64 m_start = 0;    // S
    qint64 m_end = 0;      // E, when ending by date
    int m_startSecond = 0; // S's time of day
    qint64 m_cursor = 0;
    // Month-based walks keep the cursor's month as year and month (1..12).
    int m_year = 0;
    int m_month = 0;

    int m_frequency = 0;
    qint64 m_interval = 0; // days, weeks or months
    std::array<bool, 7> m_weekday{};
    bool m_byDay = true; // monthly or yearly "day" choice, else ordinal weekday
    int m_day = 0;
    int m_ordinal = 0;
    int m_weekdayIndex = 0;
    int m_yearMonth = 0; // 0..11 for yearly patterns

    bool m_endAfter = true;
    qint64 m_limit = 0;
    qint64 m_count = 0;
    bool m_done = true;

    int m_weekendRule = RecurrencePattern::KeepWeekend;
    qint64 m_lastDay = -1; // Julian day of the last occurrence taken
    qint64 m_dropped = 0;
};
