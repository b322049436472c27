#pragma once

#include "model/services/Reports.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// One bar of a report chart: a month, a group, the groups folded into
// "Other", or a series.
struct ReportBar
{
    QString label;    // what the chart writes beside or under the bar
    QStringList keys; // the report groups it stands for; several for "Other"
    bool other = false;
    QDate month; // Month: the first day of the month
    int count = 0;
    double paid = 0.0;
    double unpaid = 0.0;
    double overdue = 0.0; // part of unpaid
    double Total() const { return paid + unpaid; }
    // Series: what it costs, and the change of its amount ("" when none).
    double monthly = 0.0;
    double yearly = 0.0;
    QString change;
    int changeSign = 0; // +1 the amount rose, -1 it fell
};

// Turns a report into the bars its chart shows: every month of a month
// report, the largest groups with the rest folded into "Other", every series
// by its monthly cost. Texts follow the locale and the user's language.
class ReportBars
{
public:
    // Groups shown by name before the rest are folded into "Other".
    static constexpr int kNamedGroups = 8;

    static QList<ReportBar> FromReport(const Report& report, const QLocale& locale = QLocale());

    // The name of a group as the user reads it ("(no pay to)" for an empty key).
    static QString GroupLabel(ReportGrouping grouping, const ReportGroup& group, const QLocale& locale);
    // "March 2026", in the locale's month names.
    static QString MonthName(const QDate& month, const QLocale& locale);
    // "▲ 45.00 → 49.99 since March 2026"; empty when the amount never changed.
    static QString ChangeText(const ReportGroup& group, const QLocale& locale);
    // A currency text of the locale.
    static QString Money(double amount, const QLocale& locale);
    // What a screen reader says of a bar: "March 2026: paid $120.00, unpaid $40.00".
    static QString AccessibleText(ReportGrouping grouping, const ReportBar& bar, const QLocale& locale);
};
