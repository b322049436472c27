#include "model/base/COleDateTime.h"

#include <QTest>

#include <cmath>
#include <cstring>

namespace {
QByteArray Bytes(double v)
{
    QByteArray b(8, 0);
    std::memcpy(b.data(), &v, 8);
    return b.toHex(' ').toUpper();
}
} // namespace

class TestOleDateTime : public QObject
{
    Q_OBJECT
private slots:
    void valuesOfKnownDates_data();
    void valuesOfKnownDates();
    void breakdownRoundTrips_data();
    void breakdownRoundTrips();
    void arithmeticAcrossTheEpoch();
    void comparisonFollowsTheTimeLine();
    void invalidInputs();
};

void TestOleDateTime::valuesOfKnownDates_data()
{
    QTest::addColumn<COleDateTime>("date");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("15 March 2007 14:25:30")
        << COleDateTime(2007, 3, 15, 14, 25, 30) << QByteArray("BC BB BB 3B 93 1E E3 40");
    QTest::newRow("31 March 2007 00:00")
        << COleDateTime(2007, 3, 31, 0, 0, 0) << QByteArray("00 00 00 00 80 20 E3 40");
    QTest::newRow("epoch") << COleDateTime(1899, 12, 30, 0, 0, 0) << Bytes(0.0);
    QTest::newRow("29 Dec 1899 06:00 is -1.25") << COleDateTime(1899, 12, 29, 6, 0, 0) << Bytes(-1.25);
    QTest::newRow("30 Dec 1899 06:00 is 0.25") << COleDateTime(1899, 12, 30, 6, 0, 0) << Bytes(0.25);
    QTest::newRow("1 Jan 1900 is 2") << COleDateTime(1900, 1, 1, 0, 0, 0) << Bytes(2.0);
}

void TestOleDateTime::valuesOfKnownDates()
{
    QFETCH(COleDateTime, date);
    QFETCH(QByteArray, bytes);
    QCOMPARE(date.GetStatus(), COleDateTime::valid);
    QCOMPARE(Bytes(date.m_dt), bytes);
}

void TestOleDateTime::breakdownRoundTrips_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("mo");
    QTest::addColumn<int>("d");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("mi");
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("dow");
    QTest::newRow("Thursday 2007") << 2007 << 3 << 15 << 14 << 25 << 30 << 5;
    QTest::newRow("leap day 2008") << 2008 << 2 << 29 << 23 << 59 << 59 << 6;
    QTest::newRow("before 1899") << 1850 << 7 << 4 << 18 << 30 << 1 << 5;
    QTest::newRow("year 100") << 100 << 1 << 1 << 0 << 0 << 0 << 6;
    QTest::newRow("year 9999") << 9999 << 12 << 31 << 23 << 59 << 59 << 6;
    QTest::newRow("Sunday") << 2026 << 12 << 6 << 12 << 0 << 0 << 1;
}

void TestOleDateTime::breakdownRoundTrips()
{
    QFETCH(int, y);
    QFETCH(int, mo);
    QFETCH(int, d);
    QFETCH(int, h);
    QFETCH(int, mi);
    QFETCH(int, s);
    QFETCH(int, dow);
    const COleDateTime dt(y, mo, d, h, mi, s);
    QCOMPARE(dt.GetStatus(), COleDateTime::valid);
    QCOMPARE(dt.GetYear(), y);
    QCOMPARE(dt.GetMonth(), mo);
    QCOMPARE(dt.GetDay(), d);
    QCOMPARE(dt.GetHour(), h);
    QCOMPARE(dt.GetMinute(), mi);
    QCOMPARE(dt.GetSecond(), s);
    QCOMPARE(dt.GetDayOfWeek(), dow);
    QCOMPARE(dt.ToQDateTime(), QDateTime(QDate(y, mo, d), QTime(h, mi, s)));
}

void TestOleDateTime::arithmeticAcrossTheEpoch()
{
    const COleDateTime evening(1899, 12, 29, 18, 0, 0); // -1.75
    QCOMPARE(evening.m_dt, -1.75);
    const COleDateTime next = evening + COleDateTimeSpan(0, 12, 0, 0);
    QCOMPARE(next, COleDateTime(1899, 12, 30, 6, 0, 0));
    const COleDateTime back = next - COleDateTimeSpan(2, 0, 0, 0);
    QCOMPARE(back, COleDateTime(1899, 12, 28, 6, 0, 0));
    QCOMPARE((next - evening).GetTotalDays(), 0.5);
    // A day added to 31 January 23:59 lands on 1 February.
    QCOMPARE((COleDateTime(2024, 1, 31, 23, 59, 0) + COleDateTimeSpan(1, 0, 0, 0)).GetMonth(), 2);
}

void TestOleDateTime::comparisonFollowsTheTimeLine()
{
    // -1.25 (06:00) comes before -1.75 (18:00) on the same day.
    const COleDateTime morning(1899, 12, 29, 6, 0, 0);
    const COleDateTime evening(1899, 12, 29, 18, 0, 0);
    QVERIFY(morning < evening);
    QVERIFY(evening > morning);
    QVERIFY(COleDateTime(1899, 12, 29, 23, 0, 0) < COleDateTime(1899, 12, 30, 1, 0, 0));
}

void TestOleDateTime::invalidInputs()
{
    QCOMPARE(COleDateTime(2007, 2, 29, 0, 0, 0).GetStatus(), COleDateTime::invalid);
    QCOMPARE(COleDateTime(2007, 13, 1, 0, 0, 0).GetStatus(), COleDateTime::invalid);
    QCOMPARE(COleDateTime(2007, 1, 1, 24, 0, 0).GetStatus(), COleDateTime::invalid);
    COleDateTime nan(std::nan(""));
    QCOMPARE(nan.GetStatus(), COleDateTime::invalid);
    QCOMPARE(nan.GetYear(), -1);
    QCOMPARE(COleDateTime(1e300).GetMonth(), -1);
    COleDateTime marked(39172.0);
    marked.SetStatus(COleDateTime::null);
    QCOMPARE(marked.GetDay(), -1);
    QVERIFY(!marked.ToQDateTime().isValid());
    QCOMPARE((nan + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::invalid);
}

QTEST_APPLESS_MAIN(TestOleDateTime)
#include "tst_oledatetime.moc"
