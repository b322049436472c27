#include "ui/calendar/CalendarMonth.h"

#include <algorithm>

CalendarMonth::CalendarMonth(int year, int month, Qt::DayOfWeek firstDay)
{
    const QDate start(year, month, 1);
    if (!start.isValid())
        return;
    m_monthStart = start;
    m_monthEnd = start.addDays(start.daysInMonth() - 1);
    const int lead = (start.dayOfWeek() - int(firstDay) + 7) % 7;
    m_first = start.addDays(-lead);
    m_weeks = (lead + start.daysInMonth() + 6) / 7;
}

int CalendarMonth::CellOf(const QDate& day) const
{
    if (!IsValid() || !day.isValid())
        return -1;
    const qint64 cell = m_first.daysTo(day);
    return cell >= 0 && cell < m_weeks * 7 ? int(cell) : -1;
}

QDate CalendarMonth::Step(const QDate& current, int days) const
{
    if (!IsValid())
        return {};
    const QDate from = current.isValid() && InMonth(current) ? current : m_monthStart;
    return std::clamp(from.addDays(days), m_monthStart, m_monthEnd);
}

int CalendarMonth::ShownDues(int count, int lines, int linesPerDue)
{
    if (count <= 0 || lines <= 0 || linesPerDue <= 0)
        return 0;
    if (qint64(count) * linesPerDue <= lines)
        return count;
    return std::max(0, (lines - 1) / linesPerDue);
}

int CalendarMonth::LinesPerDue(int lineWidth, int amountWidth, int titleRoom, int lines)
{
    if (lineWidth - amountWidth >= titleRoom)
        return 1;
    return lines >= 3 ? 2 : 1;
}

int CalendarMonth::NextDue(int count, int index, int step)
{
    if (count <= 0)
        return -1;
    if (index < 0 || index >= count)
        return step >= 0 ? 0 : count - 1;
    return ((index + step) % count + count) % count;
}

QMap<QDate, QList<DueRecord>> CalendarMonth::ByDay(const QList<DueRecord>& dues)
{
    QMap<QDate, QList<DueRecord>> days;
    for (const DueRecord& r : dues) {
        const QDate day = r.m_dtDue.ToQDate();
        if (day.isValid())
            days[day] << r;
    }
    return days;
}
