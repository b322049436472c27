#include "model/base/Clock.h"
#include "model/services/Reports.h"
#include "model/store/CDueStore.h"

#include <QMap>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

const QDate kToday(2024, 1, 15);

COleDateTime At(int y, int m, int d, int hh = 9, int mm = 0)
{
    return COleDateTime(y, m, d, hh, mm, 0);
}

bool Near(double a, double b)
{
    return std::fabs(a - b) < 1e-6;
}

// The sums of one group as the test counts them.
struct Sums
{
    int count = 0;
    double paid = 0, unpaid = 0, overdue = 0;
};

QString ExpectedKey(const DueRecord& r, ReportGrouping by)
{
    switch (by) {
    case ReportGrouping::Month:
        return r.m_dtDue.ToQDateTime().date().toString(QStringLiteral("yyyy-MM"));
    case ReportGrouping::Payee:
        return r.m_strPayTo;
    case ReportGrouping::Account:
        return r.m_strAccount;
    case ReportGrouping::Type:
        return r.m_nType == 2 ? QStringLiteral("Personal") : QStringLiteral("Business");
    case ReportGrouping::Series:
        return r.m_strSeriesId;
    }
    return {};
}

} // namespace

class TestReports : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void sumsMatchAnIndependentCount_data();
    void sumsMatchAnIndependentCount();
    void monthsAgreeWithTheMonthList();
    void seriesCostAndPriceRise();
    void cadence_data();
    void cadence();

private:
    static QString Add(CDueStore& store, QList<DueRecord>& dues, DueRecord r);
    QString Add(const DueRecord& r) { return Add(m_store, m_dues, r); }
    void Generate();

    // The generated folder, read by every test but cadence.
    QTemporaryDir m_dir;
    CDueStore m_store;
    QList<DueRecord> m_dues; // every due written, as the test knows them
    QString m_weekly, m_monthly, m_yearly, m_single;
};

void TestReports::initTestCase()
{
    Clock::SetFixed(QDateTime(kToday, QTime(12, 0)));
    QVERIFY(m_dir.isValid());
    m_store.SetFolder(DataFolder(m_dir.path()));
    m_store.LoadAll();
    Generate();
}

void TestReports::init()
{
    Clock::SetFixed(QDateTime(kToday, QTime(12, 0)));
}

QString TestReports::Add(CDueStore& store, QList<DueRecord>& dues, DueRecord r)
{
    r.m_dtStart = r.m_dtDue;
    r.m_strRecId = store.AddDue(r);
    dues << r;
    return r.m_strRecId;
}

// A few hundred dues over seven years: payees that differ only in case or a
// trailing blank, empty ones, credits, a weekly, a monthly (with a price
// rise) and a yearly series, a series of one, dates that are not dates and a
// placeholder that is not a due yet.
void TestReports::Generate()
{
    CDueStore::Batch batch;
    QRandomGenerator random(20240115);
    const QStringList payees{"Acme", "acme", "Acme ", "", "Städtische Werke", "Zed"};
    const QStringList accounts{"", "ACC-1", "ACC-2"};
    const QDate first(2019, 1, 1);
    for (int i = 0; i < 300; ++i) {
        DueRecord r;
        const QDate day = first.addDays(random.bounded(7 * 365));
        r.m_dtDue = At(day.year(), day.month(), day.day(), random.bounded(24), random.bounded(60));
        r.m_strTitle = QStringLiteral("Due %1").arg(i);
        r.m_strPayTo = payees.at(random.bounded(int(payees.size())));
        r.m_strAccount = accounts.at(random.bounded(int(accounts.size())));
        r.m_dAmount = (random.bounded(60000) - 5000) / 100.0;
        r.m_nType = 1 + random.bounded(2);
        r.m_bPaid = random.bounded(2);
        Add(r);
    }
    // Both sides of the year end, to the minute.
    for (const COleDateTime& due : {At(2023, 12, 31, 23, 59), At(2024, 1, 1, 0, 0)}) {
        DueRecord r;
        r.m_dtDue = due;
        r.m_strTitle = QStringLiteral("Year end");
        r.m_dAmount = 7.25;
        Add(r);
    }
    // A fraction of a second before February: its broken-down date rounds
    // into February, and so does the month list.
    DueRecord rounds;
    rounds.m_strTitle = QStringLiteral("Rounds up");
    rounds.m_dtDue = At(2024, 1, 31, 23, 59);
    rounds.m_dtDue.m_dt += 59.8 / 86400.0;
    rounds.m_dAmount = 3;
    Add(rounds);
    auto series = [&](const QString& id, const QString& payee, int n, const std::function<QDate(int)>& day,
                      const std::function<double(int)>& amount) {
        for (int i = 0; i < n; ++i) {
            DueRecord r;
            const QDate d = day(i);
            r.m_dtDue = At(d.year(), d.month(), d.day());
            r.m_strTitle = QStringLiteral("%1 #%2").arg(payee).arg(i);
            r.m_strPayTo = payee;
            r.m_dAmount = amount(i);
            r.m_bPaid = d < kToday;
            r.m_strSeriesId = id;
            Add(r);
        }
        return id;
    };
    m_weekly = series(
        "recIdWeekly", "Gym", 80, [](int i) { return QDate(2023, 9, 4).addDays(7 * i); },
        [](int) { return 12.5; });
    // 40 a month until February 2024, 45 from then on.
    m_monthly = series(
        "recIdMonthly", "Net", 30, [](int i) { return QDate(2023, 1, 31).addMonths(i); },
        [](int i) { return i < 13 ? 40.0 : 45.0; });
    m_yearly = series(
        "recIdYearly", "Insurance", 7, [](int i) { return QDate(2019, 12, 20).addYears(i); },
        [](int) { return 120.0; });
    m_single = series(
        "recIdSingle", "Once", 1, [](int) { return QDate(2024, 1, 10); }, [](int) { return 99.0; });

    DueRecord invalid;
    invalid.m_strTitle = QStringLiteral("No date");
    invalid.m_dtDue = At(2024, 1, 5);
    invalid.m_dtDue.m_status = COleDateTime::invalid;
    invalid.m_dAmount = 1000;
    Add(invalid);
    invalid.m_dtDue.m_status = COleDateTime::null;
    invalid.m_dtDue.m_dt = std::nan("");
    Add(invalid);
    DueRecord placeholder;
    placeholder.m_strTitle = QStringLiteral("Not yet");
    placeholder.m_strPayTo = QStringLiteral("Placeholder");
    placeholder.m_dtDue = placeholder.m_dtStart = At(2024, 1, 2);
    placeholder.m_dAmount = 500;
    (void)m_store.AddPlaceholder(placeholder);
    batch.Commit();
    QVERIFY(!m_store.HasErrors());
}

void TestReports::sumsMatchAnIndependentCount_data()
{
    QTest::addColumn<ReportGrouping>("by");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    const std::pair<const char*, ReportGrouping> groupings[] = {{"month", ReportGrouping::Month},
                                                                {"payee", ReportGrouping::Payee},
                                                                {"account", ReportGrouping::Account},
                                                                {"type", ReportGrouping::Type},
                                                                {"series", ReportGrouping::Series}};
    const std::tuple<const char*, QDate, QDate> ranges[] = {
        {"across the year end", QDate(2023, 11, 1), QDate(2024, 2, 1)},
        {"every year", QDate(2019, 1, 1), QDate(2025, 12, 1)},
        {"one month, days ignored", QDate(2024, 1, 31), QDate(2024, 1, 1)},
        {"no dues", QDate(2010, 1, 1), QDate(2010, 12, 1)},
        {"to before from", QDate(2024, 2, 1), QDate(2024, 1, 1)},
        {"no dates", QDate(), QDate()}};
    for (const auto& [name, by] : groupings)
        for (const auto& [range, from, to] : ranges)
            QTest::addRow("%s, %s", name, range) << by << from << to;
}

void TestReports::sumsMatchAnIndependentCount()
{
    QFETCH(ReportGrouping, by);
    QFETCH(QDate, from);
    QFETCH(QDate, to);

    // Straight from the dues written: every one whose due date's month is in the range.
    QMap<QString, Sums> expected;
    Sums total;
    for (const DueRecord& r : std::as_const(m_dues)) {
        const QDate day = r.m_dtDue.IsValid() ? r.m_dtDue.ToQDateTime().date() : QDate();
        if (!day.isValid() || !from.isValid() || !to.isValid())
            continue;
        const int month = day.year() * 12 + day.month();
        if (month < from.year() * 12 + from.month() || month > to.year() * 12 + to.month())
            continue;
        for (Sums* s : {&expected[ExpectedKey(r, by)], &total}) {
            ++s->count;
            (r.m_bPaid ? s->paid : s->unpaid) += r.m_dAmount;
            if (!r.m_bPaid && day < kToday)
                s->overdue += r.m_dAmount;
        }
    }
    const Report report = BuildReport(m_store, ReportRange{from, to}, by, kToday);
    QCOMPARE(report.count, total.count);
    QVERIFY(Near(report.paid, total.paid) && Near(report.unpaid, total.unpaid));
    QVERIFY(Near(report.overdue, total.overdue));

    QStringList keys;
    for (const ReportGroup& g : report.groups) {
        keys << g.key;
        const Sums s = expected.value(g.key);
        QVERIFY2(g.count == s.count, qPrintable(g.key));
        QVERIFY2(Near(g.paid, s.paid) && Near(g.unpaid, s.unpaid) && Near(g.overdue, s.overdue),
                 qPrintable(g.key));
        // A click on the group lists exactly its dues, in the list's order.
        const QList<DueRecord> dues = ReportDues(m_store, report.range, by, g.key);
        QCOMPARE(dues.size(), g.count);
        double sum = 0;
        for (const DueRecord& r : dues)
            sum += r.m_dAmount;
        QVERIFY(Near(sum, g.Total()));
        QVERIFY(std::is_sorted(dues.begin(), dues.end(), DueListLess));
    }
    if (by == ReportGrouping::Month) {
        // Every month of the range in order, the empty ones too.
        QStringList months;
        for (QDate m(from.year(), from.month(), 1); from.isValid() && m <= to; m = m.addMonths(1))
            months << m.toString(QStringLiteral("yyyy-MM"));
        QCOMPARE(keys, months);
    } else {
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), expected.size());
        for (qsizetype i = 1; i < report.groups.size(); ++i) {
            const ReportGroup &a = report.groups.at(i - 1), &b = report.groups.at(i);
            QVERIFY(a.Total() > b.Total() || (a.Total() == b.Total() && a.key < b.key));
        }
    }
}

// The report's months are the month list's, also for a due a fraction of a
// second before midnight that the broken-down date rounds into the next month.
void TestReports::monthsAgreeWithTheMonthList()
{
    const Report report =
        BuildReport(m_store, {QDate(2019, 1, 1), QDate(2025, 12, 1)}, ReportGrouping::Month, kToday);
    QCOMPARE(report.groups.size(), 7 * 12);
    for (const ReportGroup& g : report.groups) {
        const QDate month = QDate::fromString(g.key, QStringLiteral("yyyy-MM"));
        const MonthList list = m_store.FillMonthList(At(month.year(), month.month(), 1), DueFilter::All);
        // The list shows the placeholder while its series is being made; the report does not.
        const int placeholders = g.key == QLatin1String("2024-01") ? 1 : 0;
        QVERIFY2(g.count == list.rows.size() - placeholders, qPrintable(g.key));
        QVERIFY2(Near(g.Total(), list.Total() - placeholders * 500), qPrintable(g.key));
    }
}

void TestReports::seriesCostAndPriceRise()
{
    const Report report =
        BuildReport(m_store, {QDate(2023, 11, 1), QDate(2024, 2, 1)}, ReportGrouping::Series, kToday);
    QMap<QString, ReportGroup> byKey;
    for (const ReportGroup& g : report.groups)
        byKey.insert(g.key, g);
    QCOMPARE(byKey.keys(), (QStringList{"", m_monthly, m_single, m_weekly, m_yearly}));

    const ReportGroup weekly = byKey.value(m_weekly);
    QCOMPARE(weekly.count, 17); // 6 November 2023 to 26 February 2024
    QVERIFY(Near(weekly.monthly, 12.5 * 52 / 12));
    QVERIFY(Near(weekly.yearly, 12.5 * 52));
    QCOMPARE(weekly.title, QStringLiteral("Gym #25"));
    QVERIFY(!weekly.changed);

    // Members on the last day of the month: 30 November, 31 December, ...
    const ReportGroup monthly = byKey.value(m_monthly);
    QCOMPARE(monthly.count, 4);
    QVERIFY(monthly.changed);
    QCOMPARE(monthly.previousAmount, 40.0);
    QCOMPARE(monthly.currentAmount, 45.0);
    QCOMPARE(monthly.changedOn, QDate(2024, 2, 29));
    QVERIFY(Near(monthly.monthly, 45));
    QCOMPARE(monthly.title, QStringLiteral("Net #13"));

    const ReportGroup yearly = byKey.value(m_yearly);
    QCOMPARE(yearly.count, 1);
    QVERIFY(Near(yearly.monthly, 10) && Near(yearly.yearly, 120));
    QCOMPARE(byKey.value(m_single).monthly, 0.0);
    QCOMPARE(byKey.value(QString()).monthly, 0.0);
    QVERIFY(Near(report.fixedMonthly, weekly.monthly + 45 + 10));
}

void TestReports::cadence_data()
{
    QTest::addColumn<QList<QDate>>("days");
    QTest::addColumn<double>("timesAMonth");
    auto every = [](QDate d, int n, const std::function<QDate(QDate)>& next) {
        QList<QDate> out;
        for (int i = 0; i < n; ++i, d = next(d))
            out << d;
        return out;
    };
    auto days = [](int k) { return [k](QDate d) { return d.addDays(k); }; };
    auto months = [](int k) { return [k](QDate d) { return d.addMonths(k); }; };
    const QDate start(2023, 1, 31);
    QTest::newRow("daily") << every(start, 10, days(1)) << 365.0 / 12;
    QTest::newRow("every 3 days") << every(start, 10, days(3)) << 365.0 / 36;
    QTest::newRow("weekly") << every(start, 10, days(7)) << 52.0 / 12;
    QTest::newRow("fortnightly") << every(start, 10, days(14)) << 52.0 / 24;
    QTest::newRow("every 5 weeks") << every(start, 10, days(35)) << 52.0 / 60;
    QTest::newRow("monthly on the 31st") << every(start, 13, months(1)) << 1.0;
    QTest::newRow("monthly, February only") << QList<QDate>{{2023, 2, 1}, {2023, 3, 1}} << 1.0;
    QTest::newRow("quarterly") << every(start, 8, months(3)) << 1.0 / 3;
    QTest::newRow("half-yearly") << every(start, 5, months(6)) << 1.0 / 6;
    QTest::newRow("yearly over a leap day") << every(QDate(2023, 3, 1), 4, months(12)) << 1.0 / 12;
    QTest::newRow("every two years") << every(start, 3, months(24)) << 1.0 / 24;
    QTest::newRow("irregular, the median wins")
        << QList<QDate>{{2023, 1, 1}, {2023, 1, 8}, {2023, 2, 8}, {2023, 3, 11}, {2023, 4, 8}, {2023, 4, 15}}
        << 1.0;
    QTest::newRow("one member") << QList<QDate>{{2024, 1, 10}} << 0.0;
    QTest::newRow("two on one day") << QList<QDate>{{2024, 1, 10}, {2024, 1, 10}} << 0.0;
}

// The cost of a series counts every member in the store, though the range
// (the last member's month) may hold only one; a member without a valid date
// makes no gap.
void TestReports::cadence()
{
    QFETCH(QList<QDate>, days);
    QFETCH(double, timesAMonth);
    QTemporaryDir dir;
    CDueStore store;
    store.SetFolder(DataFolder(dir.path()));
    store.LoadAll();
    QList<DueRecord> dues;
    CDueStore::Batch batch;
    DueRecord r;
    r.m_strTitle = QStringLiteral("S");
    r.m_dAmount = 12;
    r.m_strSeriesId = QStringLiteral("recIdS");
    for (const QDate& d : days) {
        r.m_dtDue = At(d.year(), d.month(), d.day());
        Add(store, dues, r);
    }
    r.m_dtDue = At(days.first().year(), days.first().month(), days.first().day() % 28 + 1);
    r.m_dtDue.m_status = COleDateTime::invalid;
    Add(store, dues, r);
    batch.Commit();
    const QDate last = days.constLast();
    const Report report = BuildReport(store, {last, last}, ReportGrouping::Series, kToday);
    QCOMPARE(report.groups.size(), 1);
    const ReportGroup& g = report.groups.first();
    QVERIFY2(Near(g.monthly, timesAMonth * 12), qPrintable(QString::number(g.monthly / 12)));
    QVERIFY(Near(g.yearly, g.monthly * 12));
    QVERIFY(Near(report.fixedMonthly, g.monthly));
}

QTEST_GUILESS_MAIN(TestReports)
#include "tst_reports.moc"
