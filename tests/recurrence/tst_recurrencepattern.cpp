#include "recurrence/RecurrencePattern.h"

#include <QTest>

#include <functional>

using Setup = std::function<void(RecurrencePattern&)>;
Q_DECLARE_METATYPE(Setup)

class TestRecurrencePattern : public QObject
{
    Q_OBJECT

private slots:
    void validatePattern_data();
    void validatePattern();
    void validateRange_data();
    void validateRange();
    void readNumber_data();
    void readNumber();
};

void TestRecurrencePattern::validatePattern_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("message");

    const QString day = QStringLiteral("Please enter valid recurrence day");
    const QString week = QStringLiteral("Please enter valid recurrence week");
    const QString month = QStringLiteral("Please enter valid recurrence month");

    auto daily = [](const QString& interval, bool every) {
        return Setup([=](RecurrencePattern& p) {
            p.m_nFrequency = RecurrencePattern::Day;
            p.m_strDailyInterval = interval;
            p.m_bDailyEvery = every;
        });
    };
    QTest::newRow("daily 3") << daily("3", true) << QString();
    QTest::newRow("daily 0") << daily("0", true) << day;
    QTest::newRow("daily empty") << daily("", true) << day;
    QTest::newRow("every weekday ignores the interval") << daily("", false) << QString();

    auto weekly = [](const QString& interval) {
        return Setup([=](RecurrencePattern& p) {
            p.m_nFrequency = RecurrencePattern::Week;
            p.m_strWeeklyInterval = interval;
            p.m_bWeekday[2] = true;
        });
    };
    QTest::newRow("weekly 2") << weekly("2") << QString();
    QTest::newRow("weekly 0") << weekly("0") << week;
    QTest::newRow("weekly without a day") << Setup([](RecurrencePattern& p) {
        p.m_nFrequency = RecurrencePattern::Week;
        p.m_strWeeklyInterval = QStringLiteral("1");
    }) << RecurrencePattern::NoWeekdayMessage();

    auto monthlyDay = [](const QString& d, const QString& interval) {
        return Setup([=](RecurrencePattern& p) {
            p.m_nFrequency = RecurrencePattern::Month;
            p.m_bMonthlyByDay = true;
            p.m_strMonthlyDay = d;
            p.m_strMonthlyDayInterval = interval;
        });
    };
    QTest::newRow("monthly day 31 every month") << monthlyDay("31", "1") << QString();
    QTest::newRow("monthly day 32") << monthlyDay("32", "1") << day;
    QTest::newRow("monthly day empty") << monthlyDay("", "1") << day;
    QTest::newRow("monthly interval 0") << monthlyDay("10", "0") << month;
    QTest::newRow("monthly interval empty") << monthlyDay("10", "") << month;
    QTest::newRow("monthly both bad: only the month is reported") << monthlyDay("0", "0") << month;
    QTest::newRow("monthly ordinal interval 0") << Setup([](RecurrencePattern& p) {
        p.m_nFrequency = RecurrencePattern::Month;
        p.m_bMonthlyByDay = false;
        p.m_strMonthlyOrdinalInterval = QStringLiteral("0");
        p.m_strMonthlyDay = QStringLiteral("99"); // not read for this choice
    }) << month;

    auto yearly = [](int m, const QString& d) {
        return Setup([=](RecurrencePattern& p) {
            p.m_nFrequency = RecurrencePattern::Year;
            p.m_bYearlyByDate = true;
            p.m_nYearlyMonth = m;
            p.m_strYearlyDay = d;
        });
    };
    QTest::newRow("yearly 29 February") << yearly(1, "29") << QString();
    QTest::newRow("yearly 30 February")
        << yearly(1, "30") << QStringLiteral("Month February does not have date 30");
    QTest::newRow("yearly 31 February")
        << yearly(1, "31") << QStringLiteral("Month February does not have date 31");
    QTest::newRow("yearly 31 April") << yearly(3, "31")
                                     << QStringLiteral("Month April does not have date 31");
    QTest::newRow("yearly 31 November")
        << yearly(10, "31") << QStringLiteral("Month November does not have date 31");
    QTest::newRow("yearly 30 November") << yearly(10, "30") << QString();
    QTest::newRow("yearly 31 December") << yearly(11, "31") << QString();
    QTest::newRow("yearly day 0") << yearly(0, "0") << day;
    QTest::newRow("yearly day empty") << yearly(0, "") << day;
    QTest::newRow("yearly ordinal choice") << Setup([](RecurrencePattern& p) {
        p.m_nFrequency = RecurrencePattern::Year;
        p.m_bYearlyByDate = false;
        p.m_strYearlyDay = QString();
    }) << QString();
}

void TestRecurrencePattern::validatePattern()
{
    QFETCH(Setup, setup);
    QFETCH(QString, message);
    RecurrencePattern p;
    setup(p);
    QCOMPARE(p.ValidatePattern(), message);
}

void TestRecurrencePattern::validateRange_data()
{
    QTest::addColumn<bool>("endAfter");
    QTest::addColumn<QString>("occurrences");
    QTest::addColumn<bool>("ok");
    QTest::newRow("after 10") << true << "10" << true;
    QTest::newRow("after 0") << true << "0" << false;
    QTest::newRow("after empty") << true << "" << false;
    QTest::newRow("end by ignores the count") << false << "" << true;
}

void TestRecurrencePattern::validateRange()
{
    QFETCH(bool, endAfter);
    QFETCH(QString, occurrences);
    QFETCH(bool, ok);
    RecurrencePattern p;
    p.m_bEndAfter = endAfter;
    p.m_strOccurrences = occurrences;
    QCOMPARE(p.ValidateRange(), ok ? QString() : QStringLiteral("Please enter valid number of recurrences"));
}

void TestRecurrencePattern::readNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("value");
    QTest::newRow("empty") << "" << qint64(0);
    QTest::newRow("plain") << "14" << qint64(14);
    QTest::newRow("leading zeros") << "007" << qint64(7);
    QTest::newRow("blanks and sign") << "  -3" << qint64(-3);
    QTest::newRow("stops at a non-digit") << "12ab" << qint64(12);
    QTest::newRow("no digits") << "abc" << qint64(0);
    QTest::newRow("very long digits are held")
        << "123456789012345678901234567890" << RecurrencePattern::kNumberCap;
}

void TestRecurrencePattern::readNumber()
{
    QFETCH(QString, text);
    QFETCH(qint64, value);
    QCOMPARE(RecurrencePattern::ReadNumber(text), value);
}

QTEST_APPLESS_MAIN(TestRecurrencePattern)
#include "tst_recurrencepattern.moc"
