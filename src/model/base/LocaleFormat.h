#pragma once

#include "model/base/COleDateTime.h"

#include <QLocale>
#include <QString>

// Currency, date and time texts in the conventions of a locale. Pictures use
// the Windows picture syntax ("dd", "MMM", "yyyy", "hh", "HH", "mm", "tt",
// quoted literals); an empty picture means the locale's own format.

// valueText is a number text ("12.50", "-3.00", blanks around it allowed).
// Text that is not such a number gives an empty string.
QString FormatCurrencyText(const QString& valueText, const QLocale& locale);

// The same number without a currency: the locale's digits, grouping and
// decimal point, the fraction digits as given. Empty when valueText is not
// such a number or the text would be too long for a field.
QString FormatNumberText(const QString& valueText, const QLocale& locale);

// Empty string when the date is not valid. An empty picture is the locale's
// short date with the year always in four digits.
QString FormatDatePicture(const COleDateTime& date, const QString& picture, const QLocale& locale);

// The time of day; never shows seconds, even when the picture asks for them.
QString FormatTimePicture(const COleDateTime& date, const QString& picture, const QLocale& locale);

// A Qt date pattern with a two-digit year field widened to four digits
// ("M/d/yy" gives "M/d/yyyy"); quoted text and other fields stay.
QString FourDigitYearPattern(const QString& qtPattern);

// The locale's short date pattern (Qt syntax) with a four-digit year.
QString ShortDatePattern(const QLocale& locale);
