#pragma once

#include "model/services/Reports.h"

#include <QLocale>
#include <QString>

// The ranges of months the Reports view offers.
namespace ReportRanges {

enum class Choice
{
    ThisYear,
    LastTwelveMonths,
    Custom,
};

// January to December of today's year.
ReportRange ThisYear(const QDate& today);
// The eleven months before today's and today's own.
ReportRange LastTwelveMonths(const QDate& today);
// The months of two dates, in order whichever comes first.
ReportRange Months(const QDate& a, const QDate& b);

// "January 2026 – December 2026", or one month alone.
QString Text(const ReportRange& range, const QLocale& locale);

} // namespace ReportRanges
