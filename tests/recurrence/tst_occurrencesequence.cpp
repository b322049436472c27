#include "recurrence/OccurrenceSequence.h"

#include <QTest>

Q_DECLARE_METATYPE(RecurrencePattern)

namespace {
COleDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return COleDateTime(y, mo, d, h, mi, s);
}

QString Text(const COleDateTime& dt)
{
    return dt.ToQDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

RecurrencePattern Base(const COleDateTime& start, int frequency)
{
    RecurrencePattern p;
    p.m_nFrequency = frequency;
    p.m_dtRangeStart = start;
    p.m_dtEndBy = start;
    return p;
}

RecurrencePattern EndAfter(RecurrencePattern p, const QString& n)
{
    p.m_bEndAfter = true;
    p.m_strOccurrences = n;
    return p;
}

RecurrencePattern EndBy(RecurrencePattern p, const COleDateTime& end)
{
    p.m_bEndAfter = false;
    p.m_strOccurrences = QString(); // not read when ending by a date
    p.m_dtEndBy = end;
    return p;
}

RecurrencePattern Daily(const COleDateTime& start, const QString& interval)
{
    RecurrencePattern p = Base(start, RecurrencePattern::Day);
    p.m_strDailyInterval = interval;
    return p;
}

RecurrencePattern Weekly(const COleDateTime& start, const QString& interval, std::initializer_list<int> days)
{
    RecurrencePattern p = Base(start, RecurrencePattern::Week);
    p.m_strWeeklyInterval = interval;
    for (int d : days)
        p.m_bWeekday[size_t(d)] = true;
    return p;
}

RecurrencePattern MonthlyDay(const COleDateTime& start, const QString& day, const QString& interval)
{
    RecurrencePattern p = Base(start, RecurrencePattern::Month);
    p.m_bMonthlyByDay = true;
    p.m_strMonthlyDay = day;
    p.m_strMonthlyDayInterval = interval;
    return p;
}

RecurrencePattern MonthlyThe(const COleDateTime& start, int ordinal, int weekday, const QString& interval)
{
    RecurrencePattern p = Base(start, RecurrencePattern::Month);
    p.m_bMonthlyByDay = false;
    p.m_nMonthlyOrdinal = ordinal;
    p.m_nMonthlyWeekday = weekday;
    p.m_strMonthlyOrdinalInterval = interval;
    return p;
}

RecurrencePattern YearlyDate(const COleDateTime& start, int month0, const QString& day)
{
    RecurrencePattern p = Base(start, RecurrencePattern::Year);
    p.m_bYearlyByDate = true;
    p.m_nYearlyMonth = month0;
    p.m_strYearlyDay = day;
    return p;
}

RecurrencePattern YearlyThe(const COleDateTime& start, int ordinal, int weekday, int month0)
{
    RecurrencePattern p = Base(start, RecurrencePattern::Year);
    p.m_bYearlyByDate = false;
    p.m_nYearlyOrdinal = ordinal;
    p.m_nYearlyWeekday = weekday;
    p.m_nYearlyOrdinalMonth = month0;
    return p;
}

RecurrencePattern Weekend(RecurrencePattern p, int rule)
{
    p.m_nWeekendRule = rule;
    return p;
}

constexpr int Keep = RecurrencePattern::KeepWeekend;
constexpr int Friday = RecurrencePattern::FridayBefore;
constexpr int Monday = RecurrencePattern::MondayAfter;

enum
{
    Sun,
    Mon,
    Tue,
    Wed,
    Thu,
    Fri,
    Sat
};
} // namespace

class TestOccurrenceSequence : public QObject
{
    Q_OBJECT

private slots:
    void dates_data();
    void dates();
    void longRuns_data();
    void longRuns();
    void ordinalWeekday_data();
    void ordinalWeekday();
    void weekendRule_data();
    void weekendRule();
};

void TestOccurrenceSequence::dates_data()
{
    QTest::addColumn<RecurrencePattern>("pattern");
    QTest::addColumn<QStringList>("expected");

    QStringList march;
    for (int d = 1; d <= 28; d += 3)
        march << QStringLiteral("2007-03-%1 09:30:00").arg(d, 2, 10, QLatin1Char('0'));
    QTest::newRow("every 3 days from 1 March 09:30, 10 times")
        << EndAfter(Daily(At(2007, 3, 1, 9, 30), QStringLiteral("3")), QStringLiteral("10")) << march;

    RecurrencePattern weekday =
        EndAfter(Daily(At(2007, 3, 1, 10, 0), QStringLiteral("0")), QStringLiteral("3"));
    weekday.m_bDailyEvery = false;
    QTest::newRow("every weekday is every 7 days, interval text ignored")
        << weekday << QStringList{"2007-03-01 10:00:00", "2007-03-08 10:00:00", "2007-03-15 10:00:00"};

    QTest::newRow("daily ends by date: same day, later time is left out")
        << EndBy(Daily(At(2007, 3, 1, 9, 30), QStringLiteral("1")), At(2007, 3, 3, 9, 29, 59))
        << QStringList{"2007-03-01 09:30:00", "2007-03-02 09:30:00"};
    QTest::newRow("daily ends by date: same time is kept")
        << EndBy(Daily(At(2007, 3, 1, 9, 30), QStringLiteral("1")), At(2007, 3, 3, 9, 30))
        << QStringList{"2007-03-01 09:30:00", "2007-03-02 09:30:00", "2007-03-03 09:30:00"};
    QTest::newRow("daily always yields the range start")
        << EndBy(Daily(At(2007, 3, 10, 8, 0), QStringLiteral("1")), At(2007, 3, 1))
        << QStringList{"2007-03-10 08:00:00"};
    QTest::newRow("range start is taken to the whole second")
        << EndAfter(Daily(COleDateTime(At(2007, 3, 1, 9, 30, 15).m_dt + 0.4 / 86400), QStringLiteral("1")),
                    QStringLiteral("1"))
        << QStringList{"2007-03-01 09:30:15"};

    // 6 March 2007 is a Tuesday.
    QTest::newRow("every 2 weeks on Mon and Wed from a Tuesday, 5 occurrences")
        << EndAfter(Weekly(At(2007, 3, 6, 7, 0), QStringLiteral("2"), {Mon, Wed}), QStringLiteral("5"))
        << QStringList{"2007-03-07 07:00:00", "2007-03-19 07:00:00", "2007-03-21 07:00:00",
                       "2007-04-02 07:00:00", "2007-04-04 07:00:00"};
    QTest::newRow("weekly start day itself counts when flagged")
        << EndAfter(Weekly(At(2007, 3, 6, 7, 0), QStringLiteral("1"), {Tue}), QStringLiteral("2"))
        << QStringList{"2007-03-06 07:00:00", "2007-03-13 07:00:00"};
    QTest::newRow("weekly Sat and Sun ending by date at an earlier time")
        << EndBy(Weekly(At(2007, 3, 3, 8, 0), QStringLiteral("1"), {Sun, Sat}), At(2007, 3, 11, 7, 59))
        << QStringList{"2007-03-03 08:00:00", "2007-03-04 08:00:00", "2007-03-10 08:00:00"};
    QTest::newRow("weekly without any day yields nothing")
        << EndAfter(Weekly(At(2007, 3, 3), QStringLiteral("1"), {}), QStringLiteral("5")) << QStringList{};

    QTest::newRow("monthly day 31 from 31 January")
        << EndAfter(MonthlyDay(At(2007, 1, 31, 12, 0), QStringLiteral("31"), QStringLiteral("1")),
                    QStringLiteral("4"))
        << QStringList{"2007-01-31 12:00:00", "2007-02-28 12:00:00", "2007-03-31 12:00:00",
                       "2007-04-30 12:00:00"};
    QTest::newRow("monthly day 31 in a leap year")
        << EndAfter(MonthlyDay(At(2008, 1, 31), QStringLiteral("31"), QStringLiteral("1")),
                    QStringLiteral("2"))
        << QStringList{"2008-01-31 00:00:00", "2008-02-29 00:00:00"};
    QTest::newRow("monthly day 10 every 14 months from 20 December 2007")
        << EndAfter(MonthlyDay(At(2007, 12, 20, 9, 0), QStringLiteral("10"), QStringLiteral("14")),
                    QStringLiteral("2"))
        << QStringList{"2009-02-10 09:00:00", "2010-04-10 09:00:00"};
    QTest::newRow("monthly on the start day at the start time is kept")
        << EndAfter(MonthlyDay(At(2007, 3, 10, 14, 15, 30), QStringLiteral("10"), QStringLiteral("1")),
                    QStringLiteral("2"))
        << QStringList{"2007-03-10 14:15:30", "2007-04-10 14:15:30"};
    QTest::newRow("monthly first candidate after the end date")
        << EndBy(MonthlyDay(At(2007, 3, 10), QStringLiteral("5"), QStringLiteral("1")), At(2007, 3, 31))
        << QStringList{};
    QTest::newRow("monthly ends by date inside a month")
        << EndBy(MonthlyDay(At(2007, 3, 1, 10, 0), QStringLiteral("15"), QStringLiteral("1")),
                 At(2007, 5, 15, 9, 0))
        << QStringList{"2007-03-15 10:00:00", "2007-04-15 10:00:00"};

    // March 2007 starts on a Thursday; September 2007 has 30 days and ends on a Sunday.
    QTest::newRow("second Monday of a month starting on Thursday")
        << EndAfter(MonthlyThe(At(2007, 3, 1), 1, Mon, QStringLiteral("1")), QStringLiteral("1"))
        << QStringList{"2007-03-12 00:00:00"};
    QTest::newRow("last Friday of a 30-day month ending on Sunday")
        << EndAfter(MonthlyThe(At(2007, 9, 1, 18, 0), 4, Fri, QStringLiteral("1")), QStringLiteral("1"))
        << QStringList{"2007-09-28 18:00:00"};
    QTest::newRow("first Thursday every 2 months skips a passed one")
        << EndAfter(MonthlyThe(At(2007, 3, 2), 0, Thu, QStringLiteral("2")), QStringLiteral("2"))
        << QStringList{"2007-05-03 00:00:00", "2007-07-05 00:00:00"};

    QTest::newRow("yearly 29 February from 1 January 2007")
        << EndAfter(YearlyDate(At(2007, 1, 1, 8, 0), 1, QStringLiteral("29")), QStringLiteral("3"))
        << QStringList{"2007-02-28 08:00:00", "2008-02-29 08:00:00", "2009-02-28 08:00:00"};
    QTest::newRow("yearly 29 February in 2100 and 2000")
        << EndBy(YearlyDate(At(2099, 1, 1), 1, QStringLiteral("29")), At(2101, 1, 1))
        << QStringList{"2099-02-28 00:00:00", "2100-02-28 00:00:00"};
    QTest::newRow("yearly 29 February in 2000")
        << EndAfter(YearlyDate(At(2000, 1, 1), 1, QStringLiteral("29")), QStringLiteral("1"))
        << QStringList{"2000-02-29 00:00:00"};
    QTest::newRow("yearly first candidate after the end date")
        << EndBy(YearlyDate(At(2007, 6, 1), 0, QStringLiteral("1")), At(2007, 12, 31)) << QStringList{};
    QTest::newRow("yearly last Monday of May")
        << EndAfter(YearlyThe(At(2007, 1, 1, 6, 0), 4, Mon, 4), QStringLiteral("2"))
        << QStringList{"2007-05-28 06:00:00", "2008-05-26 06:00:00"};
    QTest::newRow("yearly date passed in the start year")
        << EndAfter(YearlyDate(At(2007, 6, 1), 2, QStringLiteral("15")), QStringLiteral("1"))
        << QStringList{"2008-03-15 00:00:00"};

    // Patterns that fail their own checks yield nothing, whatever the dialog let through.
    QTest::newRow("yearly 30 February")
        << EndAfter(YearlyDate(At(2007, 1, 1), 1, QStringLiteral("30")), QStringLiteral("3"))
        << QStringList{};
    QTest::newRow("monthly day 0") << EndAfter(MonthlyDay(At(2007, 1, 1), QStringLiteral("0"),
                                                          QStringLiteral("1")),
                                               QStringLiteral("3"))
                                   << QStringList{};
    QTest::newRow("no occurrences asked for")
        << EndAfter(Daily(At(2007, 1, 1), QStringLiteral("1")), QStringLiteral("0")) << QStringList{};
    RecurrencePattern badStart = EndAfter(Daily(At(2007, 1, 1), QStringLiteral("1")), QStringLiteral("3"));
    badStart.m_dtRangeStart.SetStatus(COleDateTime::invalid);
    QTest::newRow("invalid range start") << badStart << QStringList{};
    QTest::newRow("interval beyond the calendar")
        << EndAfter(Daily(At(2007, 1, 1), QStringLiteral("99999999999999999999")), QStringLiteral("5"))
        << QStringList{"2007-01-01 00:00:00"};
    QTest::newRow("month interval beyond the calendar")
        << EndAfter(MonthlyDay(At(2007, 1, 1), QStringLiteral("1"), QStringLiteral("99999999999999")),
                    QStringLiteral("5"))
        << QStringList{"2007-01-01 00:00:00"};
}

void TestOccurrenceSequence::dates()
{
    QFETCH(RecurrencePattern, pattern);
    QFETCH(QStringList, expected);

    QStringList got;
    for (const COleDateTime& dt : OccurrenceSequence::All(pattern))
        got << Text(dt);
    QCOMPARE(got, expected);
    QCOMPARE(OccurrenceSequence::Count(pattern), qint64(expected.size()));
}

void TestOccurrenceSequence::longRuns_data()
{
    QTest::addColumn<RecurrencePattern>("pattern");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<QString>("last");

    // Huge counts stop at the end of the calendar instead of running away.
    QTest::newRow("yearly, count far past 9999")
        << EndAfter(YearlyDate(At(2007, 1, 1), 0, QStringLiteral("1")), QStringLiteral("99999999999"))
        << qint64(7993) << QStringLiteral("9999-01-01 00:00:00");
    QTest::newRow("daily to the end of the calendar")
        << EndAfter(Daily(At(9999, 12, 1), QStringLiteral("1")), QStringLiteral("1000")) << qint64(31)
        << QStringLiteral("9999-12-31 00:00:00");
    QTest::newRow("daily for decades")
        << EndBy(Daily(At(2007, 1, 1, 9, 0), QStringLiteral("1")), At(2056, 12, 31, 23, 59)) << qint64(18263)
        << QStringLiteral("2056-12-31 09:00:00");
    QTest::newRow("weekly every week, three days, ten years")
        << EndBy(Weekly(At(2007, 1, 1), QStringLiteral("1"), {Mon, Wed, Fri}), At(2016, 12, 31))
        << qint64(1566) << QStringLiteral("2016-12-30 00:00:00");
    QTest::newRow("monthly last day for a century")
        << EndAfter(MonthlyDay(At(2000, 1, 1), QStringLiteral("31"), QStringLiteral("1")),
                    QStringLiteral("1200"))
        << qint64(1200) << QStringLiteral("2099-12-31 00:00:00");
}

void TestOccurrenceSequence::longRuns()
{
    QFETCH(RecurrencePattern, pattern);
    QFETCH(qint64, count);
    QFETCH(QString, last);

    const QList<COleDateTime> all = OccurrenceSequence::All(pattern);
    QCOMPARE(qint64(all.size()), count);
    QCOMPARE(OccurrenceSequence::Count(pattern), count);
    QCOMPARE(Text(all.last()), last);
    for (qsizetype i = 1; i < all.size(); ++i)
        QVERIFY2(all[i - 1] < all[i], qPrintable(Text(all[i])));
}

void TestOccurrenceSequence::ordinalWeekday_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("ordinal");
    QTest::addColumn<int>("weekday");
    QTest::addColumn<int>("day");
    QTest::newRow("first Thursday, month starts Thursday") << 2007 << 3 << 0 << int(Thu) << 1;
    QTest::newRow("first Wednesday, month starts Thursday") << 2007 << 3 << 0 << int(Wed) << 7;
    QTest::newRow("fourth Saturday") << 2007 << 3 << 3 << int(Sat) << 24;
    QTest::newRow("last Saturday is the last day") << 2007 << 3 << 4 << int(Sat) << 31;
    QTest::newRow("last Sunday, month ends Saturday") << 2007 << 3 << 4 << int(Sun) << 25;
    QTest::newRow("last Friday of February 2008") << 2008 << 2 << 4 << int(Fri) << 29;
}

void TestOccurrenceSequence::ordinalWeekday()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, ordinal);
    QFETCH(int, weekday);
    QFETCH(int, day);
    const int got = OccurrenceSequence::OrdinalWeekdayDay(year, month, ordinal, weekday);
    QCOMPARE(got, day);
    QCOMPARE(QDate(year, month, got).dayOfWeek() % 7, weekday);
}

void TestOccurrenceSequence::weekendRule_data()
{
    QTest::addColumn<RecurrencePattern>("pattern");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<qint64>("dropped");

    const QString one = QStringLiteral("1");
    // 1 October 2022 is a Saturday, 1 January 2023 a Sunday.
    QTest::newRow("1st monthly, keep")
        << Weekend(EndAfter(MonthlyDay(At(2022, 9, 1), one, one), QStringLiteral("2")), Keep)
        << QStringList{"2022-09-01 00:00:00", "2022-10-01 00:00:00"} << qint64(0);
    QTest::newRow("1st monthly, Friday before, back over the month and year end")
        << Weekend(EndAfter(MonthlyDay(At(2022, 9, 1, 8, 30), one, one), QStringLiteral("5")), Friday)
        << QStringList{"2022-09-01 08:30:00", "2022-09-30 08:30:00", "2022-11-01 08:30:00",
                       "2022-12-01 08:30:00", "2022-12-30 08:30:00"}
        << qint64(0);
    QTest::newRow("1st monthly, Monday after, into the new year")
        << Weekend(EndAfter(MonthlyDay(At(2022, 12, 1), one, one), QStringLiteral("2")), Monday)
        << QStringList{"2022-12-01 00:00:00", "2023-01-02 00:00:00"} << qint64(0);
    QTest::newRow("last day monthly, Monday after, over the year end")
        << Weekend(EndAfter(MonthlyDay(At(2022, 12, 1), QStringLiteral("31"), one), QStringLiteral("2")),
                   Monday)
        << QStringList{"2023-01-02 00:00:00", "2023-01-31 00:00:00"} << qint64(0);
    QTest::newRow("29 February on a Saturday, Monday after")
        << Weekend(EndAfter(MonthlyDay(At(2020, 2, 1), QStringLiteral("29"), one), QStringLiteral("2")),
                   Monday)
        << QStringList{"2020-03-02 00:00:00", "2020-03-30 00:00:00"} << qint64(0);
    QTest::newRow("yearly 1 January, Friday before, into the old year")
        << Weekend(EndAfter(YearlyDate(At(2021, 6, 1), 0, one), QStringLiteral("3")), Friday)
        << QStringList{"2021-12-31 00:00:00", "2022-12-30 00:00:00", "2024-01-01 00:00:00"} << qint64(0);
    QTest::newRow("start on the Saturday: the Friday before is out of range")
        << Weekend(EndAfter(MonthlyDay(At(2022, 10, 1, 9, 0), one, one), QStringLiteral("2")), Friday)
        << QStringList{"2022-10-01 09:00:00", "2022-11-01 09:00:00"} << qint64(0);
    QTest::newRow("Friday before lands on the start itself")
        << Weekend(EndAfter(Daily(At(2022, 9, 30, 9, 0), QStringLiteral("1")), QStringLiteral("1")), Friday)
        << QStringList{"2022-09-30 09:00:00"} << qint64(0);
    QTest::newRow("end by the Sunday: the Monday after is out of range")
        << Weekend(EndBy(MonthlyDay(At(2022, 12, 1), one, one), At(2023, 1, 1, 23, 59)), Monday)
        << QStringList{"2022-12-01 00:00:00", "2023-01-01 00:00:00"} << qint64(0);
    QTest::newRow("end by the Monday morning: a later time of day is out of range")
        << Weekend(EndBy(MonthlyDay(At(2022, 12, 1, 10, 0), one, one), At(2023, 1, 2, 9, 0)), Monday)
        << QStringList{"2022-12-01 10:00:00", "2023-01-01 10:00:00"} << qint64(0);
    // Thursday 5 January 2023, daily: the weekend days fold onto a taken day.
    QTest::newRow("daily, Friday before: the weekend is dropped")
        << Weekend(EndAfter(Daily(At(2023, 1, 5), one), QStringLiteral("5")), Friday)
        << QStringList{"2023-01-05 00:00:00", "2023-01-06 00:00:00", "2023-01-09 00:00:00"} << qint64(2);
    QTest::newRow("daily, Monday after: the later of two on Monday goes")
        << Weekend(EndAfter(Daily(At(2023, 1, 6), one), QStringLiteral("5")), Monday)
        << QStringList{"2023-01-06 00:00:00", "2023-01-09 00:00:00", "2023-01-10 00:00:00"} << qint64(2);
    QTest::newRow("weekly Saturday and Sunday, Friday before: one a week")
        << Weekend(EndBy(Weekly(At(2022, 12, 26), one, {Sun, Sat}), At(2023, 1, 8)), Friday)
        << QStringList{"2022-12-30 00:00:00", "2023-01-06 00:00:00"} << qint64(2);
}

void TestOccurrenceSequence::weekendRule()
{
    QFETCH(RecurrencePattern, pattern);
    QFETCH(QStringList, expected);
    QFETCH(qint64, dropped);

    OccurrenceSequence seq(pattern);
    QStringList got;
    COleDateTime dt;
    while (seq.Next(dt))
        got << Text(dt);
    QCOMPARE(got, expected);
    QCOMPARE(seq.Dropped(), dropped);
    qint64 countDropped = -1;
    QCOMPARE(OccurrenceSequence::Count(pattern, &countDropped), qint64(expected.size()));
    QCOMPARE(countDropped, dropped);
}

QTEST_APPLESS_MAIN(TestOccurrenceSequence)
#include "tst_occurrencesequence.moc"
