#pragma once

#include "model/base/COleDateTime.h"

#include <QString>
#include <QStringList>

#include <array>

// How often a recurring due occurs and over which range. The recurrence
// dialog collects it; OccurrenceSequence turns it into dates. Interval and day
// fields are kept as the texts the user typed and read with ReadNumber.
struct RecurrencePattern
{
    enum Frequency
    {
        Day = 0,
        Week = 1,
        Month = 2,
        Year = 3
    };
    // Ordinal list: 0 first .. 3 fourth, 4 last.
    static constexpr int kLastOrdinal = 4;

    int m_nFrequency = Day;

    bool m_bDailyEvery = true; // false: "Every WeekDay"
    QString m_strDailyInterval = QStringLiteral("3");

    QString m_strWeeklyInterval = QStringLiteral("2");
    std::array<bool, 7> m_bWeekday{}; // Sunday first

    bool m_bMonthlyByDay = true; // false: "The" ordinal weekday
    QString m_strMonthlyDay;
    QString m_strMonthlyDayInterval = QStringLiteral("1");
    int m_nMonthlyOrdinal = 0;
    int m_nMonthlyWeekday = 0; // 0 Sunday .. 6 Saturday
    QString m_strMonthlyOrdinalInterval = QStringLiteral("1");

    bool m_bYearlyByDate = true; // false: "The" ordinal weekday of a month
    int m_nYearlyMonth = 0;      // 0 January .. 11 December
    QString m_strYearlyDay;
    int m_nYearlyOrdinal = 0;
    int m_nYearlyWeekday = 0;
    int m_nYearlyOrdinalMonth = 0;

    // What happens to an occurrence that falls on a Saturday or Sunday.
    enum WeekendRule
    {
        KeepWeekend = 0,
        FridayBefore = 1,
        MondayAfter = 2
    };
    int m_nWeekendRule = KeepWeekend;

    COleDateTime m_dtRangeStart;
    bool m_bEndAfter = true; // false: end by m_dtEndBy
    QString m_strOccurrences = QStringLiteral("10");
    COleDateTime m_dtEndBy;

    // The pattern the dialog opens with at the moment `now`: today's day of
    // the month and weekday, the ordinal of today's week, the current month,
    // and both range dates set to now.
    static RecurrencePattern Defaults(const COleDateTime& now);

    // Empty when the frequency part is acceptable, else the message to show.
    QString ValidatePattern() const;
    // Empty when the range is acceptable, else the message to show.
    QString ValidateRange() const;

    // Reads an interval or day text as a decimal whole number, forgiving what
    // users type around it: blanks, then an optional sign, then digits up to the
    // first other character; an empty text is 0. Values beyond kNumberCap are
    // held at it (they are far past any date the calendar can reach).
    static qint64 ReadNumber(const QString& text);
    static constexpr qint64 kNumberCap = 1000000000000LL;

    // "Atleast one day should be selected!": the weekly choice needs a day.
    static QString NoWeekdayMessage();

    static QStringList FrequencyNames();   // "Day" .. "Year"
    static QStringList OrdinalNames();     // "first" .. "last"
    static QStringList WeekdayNames();     // "Sunday" .. "Saturday"
    static QStringList MonthNames();       // "January" .. "December"
    static QStringList WeekendRuleNames(); // in WeekendRule order
};
