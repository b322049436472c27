#include "ui/reports/ReportRanges.h"

#include "ui/reports/ReportBars.h"

#include <QCoreApplication>

namespace ReportRanges {

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ReportRanges)
};

QDate FirstOfMonth(const QDate& d)
{
    return d.isValid() ? QDate(d.year(), d.month(), 1) : QDate();
}

} // namespace

ReportRange ThisYear(const QDate& today)
{
    return {QDate(today.year(), 1, 1), QDate(today.year(), 12, 1)};
}

ReportRange LastTwelveMonths(const QDate& today)
{
    const QDate to = FirstOfMonth(today);
    return {to.addMonths(-11), to};
}

ReportRange Months(const QDate& a, const QDate& b)
{
    const QDate x = FirstOfMonth(a), y = FirstOfMonth(b);
    return x <= y ? ReportRange{x, y} : ReportRange{y, x};
}

QString Text(const ReportRange& range, const QLocale& locale)
{
    const QString from = ReportBars::MonthName(range.from, locale);
    if (range.from == range.to)
        return from;
    return Texts::tr("%1 – %2").arg(from, ReportBars::MonthName(range.to, locale));
}

} // namespace ReportRanges
