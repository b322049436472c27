#pragma once

#include "model/base/COleDateTime.h"

#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// Amounts and dates as the files people have write them: in the user's
// locale or in ISO and plain numbers, with currency signs, digit grouping,
// month names and an optional time of day. What a single value leaves open
// ("1,234": a thousand or one and a bit; "03/04/2025": March or April) is
// settled by the sign or the order the caller found for the whole file.
class CsvValueReader
{
public:
    enum class DateOrder
    {
        DayMonthYear,
        MonthDayYear,
        YearMonthDay
    };

    // thisYear places two-digit years: within 80 years before and 20 after it.
    CsvValueReader(const QLocale& locale, int thisYear);

    // '.' or ',' when the text alone shows which is its decimal sign ("12,5",
    // "1.234,50", "1,234,567"); a null QChar when it could be either or is no
    // amount.
    static QChar DecimalSignOf(const QString& text);
    // The order the numbers of a date in this text must be in ("25/12/2025"
    // and "03.06.2025" are day first); nothing when either order would do or
    // it is no such date.
    static std::optional<DateOrder> DateOrderOf(const QString& text);
    // The order of the locale's short date format.
    static DateOrder LocaleDateOrder(const QLocale& locale);

    // The amount; decimalSign settles a text that could be read either way.
    std::optional<double> Amount(const QString& text, QChar decimalSign) const;
    // The date and time; order settles numbers that could be day or month.
    std::optional<COleDateTime> Date(const QString& text, DateOrder order) const;

private:
    bool StripCurrency(QString& text, bool atStart) const;
    bool IsIgnorableWord(QStringView word, int depth = 0) const;
    bool SplitTime(QString& text, int& hour, int& minute, int& second) const;
    int FullYear(const QString& digits) const;

    QLocale m_locale;
    int m_thisYear;
    QStringList m_currencyTexts;
    QHash<QString, int> m_months; // folded name -> month
    QStringList m_ignorable;      // weekday names and the words of the locale's date formats, folded
    QStringList m_amTexts;
    QStringList m_pmTexts;
};
