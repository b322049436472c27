#pragma once

#include "model/store/DueRecord.h"

#include <QDate>
#include <QList>
#include <QMap>

// The month grid of the calendar view, worked out without a window: which
// day sits in which cell, how keys move the current day, and how many dues a
// day cell shows before "+N more".
class CalendarMonth
{
public:
    CalendarMonth() = default;
    // The weeks that hold the month, each starting on firstDay.
    CalendarMonth(int year, int month, Qt::DayOfWeek firstDay);

    bool IsValid() const { return m_first.isValid(); }
    QDate MonthStart() const { return m_monthStart; }
    QDate MonthEnd() const { return m_monthEnd; }
    QDate FirstShown() const { return m_first; }
    int Weeks() const { return m_weeks; }
    QDate DayAt(int row, int column) const { return m_first.addDays(row * 7 + column); }
    // Cell of a day (row * 7 + column), -1 when the grid does not show it.
    int CellOf(const QDate& day) const;
    bool InMonth(const QDate& day) const { return day >= m_monthStart && day <= m_monthEnd; }

    // The current day moved by `days`, held inside the month.
    QDate Step(const QDate& current, int days) const;

    // A day with `count` dues and room for `lines` lines, each due taking
    // `linesPerDue` of them, shows this many dues; the rest go into a
    // "+N more" line that takes the last line.
    static int ShownDues(int count, int lines, int linesPerDue = 1);

    // Lines a due takes in a cell: one while the title keeps at least
    // `titleRoom` pixels beside the amount; else two, the amount under the
    // title, where the cell has the lines for a due and "+N more"; else one,
    // the title alone.
    static int LinesPerDue(int lineWidth, int amountWidth, int titleRoom, int lines);

    // The due `step` places on from `index` among `count`, round the day's
    // dues; from none (-1) forward is the first, backward the last.
    static int NextDue(int count, int index, int step);

    // The grid's column a cell of `column` (0 the first day of the week) is
    // drawn in: the week runs from the right where the layout does.
    static int VisualColumn(int column, bool rightToLeft) { return rightToLeft ? 6 - column : column; }

    // The dues grouped by the date of their due date, in the order given.
    static QMap<QDate, QList<DueRecord>> ByDay(const QList<DueRecord>& dues);

private:
    QDate m_first;
    QDate m_monthStart;
    QDate m_monthEnd;
    int m_weeks = 0;
};
