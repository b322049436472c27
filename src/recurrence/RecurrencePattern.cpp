#include "recurrence/RecurrencePattern.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <algorithm>
#include <initializer_list>

namespace {
// The file's texts, translated under one context (declared so that lupdate finds them).
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(RecurrencePattern)
};

// Asked for when needed, so that they come in the language loaded by then.
QString BadDay()
{
    return Texts::tr("Please enter valid recurrence day");
}
QString BadWeek()
{
    return Texts::tr("Please enter valid recurrence week");
}
QString BadMonth()
{
    return Texts::tr("Please enter valid recurrence month");
}
QString NoWeekday()
{
    return Texts::tr("Atleast one day should be selected!");
}
QString BadCount()
{
    return Texts::tr("Please enter valid number of recurrences");
}
} // namespace

RecurrencePattern RecurrencePattern::Defaults(const COleDateTime& now)
{
    RecurrencePattern p;
    p.m_dtRangeStart = now;
    p.m_dtEndBy = now;
    COleDateTime::Parts parts;
    if (!now.GetParts(parts))
        return p;
    const int weekday = parts.dayOfWeek - 1; // 0 = Sunday
    const int ordinal = qMin(parts.day / 7, int(kLastOrdinal));
    p.m_strMonthlyDay = QString::number(parts.day);
    p.m_strYearlyDay = p.m_strMonthlyDay;
    p.m_bWeekday[size_t(weekday)] = true;
    p.m_nMonthlyOrdinal = ordinal;
    p.m_nYearlyOrdinal = ordinal;
    p.m_nMonthlyWeekday = weekday;
    p.m_nYearlyWeekday = weekday;
    p.m_nYearlyMonth = parts.month - 1;
    p.m_nYearlyOrdinalMonth = parts.month - 1;
    return p;
}

qint64 RecurrencePattern::ReadNumber(const QString& text)
{
    int i = 0;
    const int n = int(text.size());
    while (i < n && (text.at(i) == QLatin1Char(' ') || text.at(i) == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    qint64 value = 0;
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = value * 10 + (c.unicode() - '0');
        if (value > kNumberCap)
            value = kNumberCap; // keep reading, but never overflow
    }
    return negative ? -value : value;
}

QString RecurrencePattern::ValidatePattern() const
{
    switch (m_nFrequency) {
    case Day:
        if (!m_bDailyEvery)
            return {};
        return ReadNumber(m_strDailyInterval) > 0 ? QString() : BadDay();
    case Week:
        if (ReadNumber(m_strWeeklyInterval) <= 0)
            return BadWeek();
        // The dialog never lets the last day go; a pattern built elsewhere might.
        if (std::none_of(m_bWeekday.begin(), m_bWeekday.end(), [](bool b) { return b; }))
            return NoWeekday();
        return {};
    case Month:
        if (m_bMonthlyByDay) {
            const qint64 day = ReadNumber(m_strMonthlyDay);
            const bool dayOk = !m_strMonthlyDay.isEmpty() && day > 0 && day <= 31;
            // A bad interval is reported in place of a bad day.
            if (m_strMonthlyDayInterval.isEmpty() || ReadNumber(m_strMonthlyDayInterval) <= 0)
                return BadMonth();
            return dayOk ? QString() : BadDay();
        }
        return ReadNumber(m_strMonthlyOrdinalInterval) > 0 ? QString() : BadMonth();
    case Year: {
        if (!m_bYearlyByDate)
            return {};
        const qint64 day = ReadNumber(m_strYearlyDay);
        if (m_strYearlyDay.isEmpty() || day <= 0 || day > 31)
            return BadDay();
        const int m = m_nYearlyMonth;
        if ((day == 31 && (m == 3 || m == 5 || m == 8 || m == 10)) || (day >= 30 && m == 1))
            return Texts::tr("Month %1 does not have date %2").arg(MonthNames().value(m)).arg(int(day));
        return {};
    }
    default:
        return {};
    }
}

QString RecurrencePattern::ValidateRange() const
{
    if (!m_bEndAfter)
        return {};
    return ReadNumber(m_strOccurrences) > 0 ? QString() : BadCount();
}

QString RecurrencePattern::NoWeekdayMessage()
{
    return NoWeekday();
}

namespace {
// Translated on each call: the lists show in the language loaded by then.
QStringList Translated(std::initializer_list<const char*> texts)
{
    QStringList names;
    for (const char* text : texts)
        names << Texts::tr(text);
    return names;
}
} // namespace

QStringList RecurrencePattern::FrequencyNames()
{
    return Translated(
        {QT_TRANSLATE_NOOP("RecurrencePattern", "Day"), QT_TRANSLATE_NOOP("RecurrencePattern", "Week"),
         QT_TRANSLATE_NOOP("RecurrencePattern", "Month"), QT_TRANSLATE_NOOP("RecurrencePattern", "Year")});
}

QStringList RecurrencePattern::OrdinalNames()
{
    return Translated(
        {QT_TRANSLATE_NOOP("RecurrencePattern", "first"), QT_TRANSLATE_NOOP("RecurrencePattern", "second"),
         QT_TRANSLATE_NOOP("RecurrencePattern", "third"), QT_TRANSLATE_NOOP("RecurrencePattern", "fourth"),
         QT_TRANSLATE_NOOP("RecurrencePattern", "last")});
}

QStringList RecurrencePattern::WeekdayNames()
{
    return Translated(
        {QT_TRANSLATE_NOOP("RecurrencePattern", "Sunday"), QT_TRANSLATE_NOOP("RecurrencePattern", "Monday"),
         QT_TRANSLATE_NOOP("RecurrencePattern", "Tuesday"),
         QT_TRANSLATE_NOOP("RecurrencePattern", "Wednesday"),
         QT_TRANSLATE_NOOP("RecurrencePattern", "Thursday"), QT_TRANSLATE_NOOP("RecurrencePattern", "Friday"),
         QT_TRANSLATE_NOOP("RecurrencePattern", "Saturday")});
}

QStringList RecurrencePattern::MonthNames()
{
    return Translated(
        {QT_TRANSLATE_NOOP("RecurrencePattern", "January"),
         QT_TRANSLATE_NOOP("RecurrencePattern", "February"), QT_TRANSLATE_NOOP("RecurrencePattern", "March"),
         QT_TRANSLATE_NOOP("RecurrencePattern", "April"), QT_TRANSLATE_NOOP("RecurrencePattern", "May"),
         QT_TRANSLATE_NOOP("RecurrencePattern", "June"), QT_TRANSLATE_NOOP("RecurrencePattern", "July"),
         QT_TRANSLATE_NOOP("RecurrencePattern", "August"),
         QT_TRANSLATE_NOOP("RecurrencePattern", "September"),
         QT_TRANSLATE_NOOP("RecurrencePattern", "October"),
         QT_TRANSLATE_NOOP("RecurrencePattern", "November"),
         QT_TRANSLATE_NOOP("RecurrencePattern", "December")});
}

QStringList RecurrencePattern::WeekendRuleNames()
{
    return Translated({QT_TRANSLATE_NOOP("RecurrencePattern", "Keep it on that day"),
                       QT_TRANSLATE_NOOP("RecurrencePattern", "Move it to the Friday before"),
                       QT_TRANSLATE_NOOP("RecurrencePattern", "Move it to the Monday after")});
}
