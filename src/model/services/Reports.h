#pragma once
// The data half of the Reports view and of `tallyvane report`: sums of the
// dues of a range of months, grouped, computed from the store without a display.
// (API agreed with the Reports window: keep these names and meanings.)
//
// A due belongs to the month of its due date, counted as the month list
// counts it (CDueStore::CompareMonth); a due date that is not valid belongs to
// no month. Placeholders of a series being made are not dues yet and count
// nowhere.

#include "model/store/CDueStore.h"

#include <QDate>
#include <QList>
#include <QString>

enum class ReportGrouping
{
    Month,
    Payee,
    Account,
    Type,
    Series
};

// Months from `from` to `to`, both included (day of month ignored).
struct ReportRange
{
    QDate from; // first day of the first month
    QDate to;   // first day of the last month
};

struct ReportGroup
{
    QString key;   // Month: "yyyy-MM"; Payee/Account: the text as stored ("" when empty);
                   // Type: "Business" or "Personal"; Series: the series identifier
                   // ("" for the dues of no series)
    QString title; // Series: the title of its latest member in the range; else empty
    int count = 0; // dues in the group within the range
    double paid = 0.0;
    double unpaid = 0.0;
    double overdue = 0.0; // unpaid and due before today (part of unpaid)
    double Total() const { return paid + unpaid; }
    // Series only: what the series costs, from the gap between its members'
    // due dates and its latest amount (a weekly series counts 52/12 a month).
    // The gap is the median over every member in the store, so a range that
    // holds few members still tells the cadence; the amount is that of the
    // latest member in the range. 0 for a series of one member.
    double monthly = 0.0;
    double yearly = 0.0;
    // Series only: the amount changed between members: the amount before the
    // latest change, the amount after it, and the due date of the first member
    // with the new amount. changed is false when every member has one amount.
    // Members in the range, by due date. currentAmount is the latest amount
    // also when nothing changed.
    bool changed = false;
    double previousAmount = 0.0;
    double currentAmount = 0.0;
    QDate changedOn;
};

struct Report
{
    ReportGrouping grouping = ReportGrouping::Month;
    ReportRange range;
    // Month: every month of the range in order, empty ones included.
    // Others: by total, largest first; equal totals by key.
    QList<ReportGroup> groups;
    int count = 0;
    double paid = 0.0, unpaid = 0.0, overdue = 0.0;
    double Total() const { return paid + unpaid; }
    double fixedMonthly = 0.0; // Series: the sum of every series' monthly cost
};

Report BuildReport(const CDueStore& store, const ReportRange& range, ReportGrouping grouping,
                   const QDate& today);

// The dues of one group of a report, in the list's order (for a click on a bar).
QList<DueRecord> ReportDues(const CDueStore& store, const ReportRange& range, ReportGrouping grouping,
                            const QString& key);
