#include "model/base/Clock.h"
#include "model/services/Reports.h"
#include "model/store/CDueStore.h"

#include <QMap>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

const QDate kToday(2024, 1, 15);

COleDateTime At(const QDate& d, int hh = 9, int mm = 0)
{
    return COleDateTime(d.year(), d.month(), d.day(), hh, mm, 0);
}

bool Near(double a, double b)
{
    return std::fabs(a - b) < 1e-6;
}

QString Add(CDueStore& store, QList<DueRecord>& dues, DueRecord r)
{
    r.m_dtStart = r.m_dtDue;
    r.m_strRecId = store.AddDue(r);
    dues << r;
    return r.m_strRecId;
}

} // namespace

class TestReports : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sumsMatchAnIndependentCount_data();
    void sumsMatchAnIndependentCount();
    void monthsAgreeWithTheMonthList();
    void seriesCostAndPriceRise();
    void cadence_data();
    void cadence();

private:
    QTemporaryDir m_dir;
    CDueStore m_store;       // the generated folder, read by every test but cadence
    QList<DueRecord> m_dues; // every due written, as the test knows them
};

// A few hundred dues over seven years: payees that differ only in case or a
// trailing blank, empty ones, credits, a weekly, a monthly (with a price
// rise) and a yearly series, a series of one, dues on either side of a year
// end and of a month end, dates that are not dates and a placeholder that is
// not a due yet.
void TestReports::initTestCase()
{
    Clock::SetFixed(QDateTime(kToday, QTime(12, 0)));
    m_store.SetFolder(DataFolder(m_dir.path()));
    m_store.LoadAll();
    CDueStore::Batch batch;
    QRandomGenerator random(20240115);
    const QStringList payees{"Acme", "acme", "Acme ", "", "Städtische Werke"};
    for (int i = 0; i < 300; ++i) {
        DueRecord r;
        r.m_dtDue =
            At(QDate(2019, 1, 1).addDays(random.bounded(7 * 365)), random.bounded(24), random.bounded(60));
        r.m_strPayTo = payees.at(random.bounded(int(payees.size())));
        r.m_strAccount = QStringList{"", "ACC-1", "ACC-2"}.at(random.bounded(3));
        r.m_dAmount = (random.bounded(60000) - 5000) / 100.0;
        r.m_nType = 1 + random.bounded(2);
        r.m_bPaid = random.bounded(2);
        Add(m_store, m_dues, r);
    }
    DueRecord edge;
    edge.m_dAmount = 7.25;
    for (const COleDateTime& due : {At(QDate(2023, 12, 31), 23, 59), At(QDate(2024, 1, 1), 0, 0)}) {
        edge.m_dtDue = due;
        Add(m_store, m_dues, edge);
    }
    // Its broken-down date rounds into February, as the month list's does.
    edge.m_dtDue = At(QDate(2024, 1, 31), 23, 59);
    edge.m_dtDue.m_dt += 59.8 / 86400.0;
    Add(m_store, m_dues, edge);
    // n members from start, one a step apart; from member riseAt on, 5 more.
    auto series = [&](const QString& id, int n, const QDate& start, char step, double amount,
                      int riseAt = 1000) {
        for (int i = 0; i < n; ++i) {
            DueRecord r;
            const QDate day = step == 'w'   ? start.addDays(7 * i)
                              : step == 'm' ? start.addMonths(i)
                                            : start.addYears(i);
            r.m_dtDue = At(day);
            r.m_strTitle = QStringLiteral("%1 #%2").arg(id).arg(i);
            r.m_dAmount = i < riseAt ? amount : amount + 5;
            r.m_bPaid = day < kToday;
            r.m_strSeriesId = id;
            Add(m_store, m_dues, r);
        }
    };
    series("weekly", 80, QDate(2023, 9, 4), 'w', 12.5);
    series("monthly", 30, QDate(2023, 1, 31), 'm', 40, 13); // 45 from 29 February 2024
    series("yearly", 7, QDate(2019, 12, 20), 'y', 120);
    series("single", 1, QDate(2024, 1, 10), 'y', 99);
    DueRecord invalid;
    invalid.m_dtDue = At(QDate(2024, 1, 5));
    invalid.m_dtDue.m_status = COleDateTime::invalid;
    invalid.m_dAmount = 1000;
    Add(m_store, m_dues, invalid);
    invalid.m_dtDue.m_status = COleDateTime::null;
    invalid.m_dtDue.m_dt = std::nan("");
    Add(m_store, m_dues, invalid);
    DueRecord placeholder;
    placeholder.m_dtDue = placeholder.m_dtStart = At(QDate(2024, 1, 2));
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
    struct Sums
    {
        int count = 0;
        double paid = 0, unpaid = 0, overdue = 0;
    };
    // Straight from the dues written: every one whose due date's month is in the range.
    QMap<QString, Sums> expected;
    Sums total;
    for (const DueRecord& r : std::as_const(m_dues)) {
        const QDate day = r.m_dtDue.IsValid() ? r.m_dtDue.ToQDateTime().date() : QDate();
        const int month = day.year() * 12 + day.month();
        if (!day.isValid() || !from.isValid() || month < from.year() * 12 + from.month() ||
            month > to.year() * 12 + to.month())
            continue;
        const QString key = by == ReportGrouping::Month     ? day.toString(QStringLiteral("yyyy-MM"))
                            : by == ReportGrouping::Payee   ? r.m_strPayTo
                            : by == ReportGrouping::Account ? r.m_strAccount
                            : by == ReportGrouping::Series  ? r.m_strSeriesId
                            : r.m_nType == 2                ? QStringLiteral("Personal")
                                                            : QStringLiteral("Business");
        for (Sums* s : {&expected[key], &total}) {
            ++s->count;
            (r.m_bPaid ? s->paid : s->unpaid) += r.m_dAmount;
            s->overdue += !r.m_bPaid && day < kToday ? r.m_dAmount : 0;
        }
    }
    const Report report = BuildReport(m_store, ReportRange{from, to}, by, kToday);
    QCOMPARE(report.count, total.count);
    QVERIFY(Near(report.paid, total.paid) && Near(report.unpaid, total.unpaid) &&
            Near(report.overdue, total.overdue));
    QStringList keys;
    for (const ReportGroup& g : report.groups) {
        keys << g.key;
        const Sums s = expected.value(g.key);
        QVERIFY2(g.count == s.count && Near(g.paid, s.paid) && Near(g.unpaid, s.unpaid) &&
                     Near(g.overdue, s.overdue),
                 qPrintable(g.key));
        // A click on the group lists exactly its dues, in the list's order.
        const QList<DueRecord> dues = ReportDues(m_store, report.range, by, g.key);
        double sum = 0;
        for (const DueRecord& r : dues)
            sum += r.m_dAmount;
        QVERIFY(dues.size() == g.count && Near(sum, g.Total()));
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

// The report's months are the month list's (placeholders aside, which the
// list shows while a series is being made).
void TestReports::monthsAgreeWithTheMonthList()
{
    const Report report =
        BuildReport(m_store, {QDate(2019, 1, 1), QDate(2025, 12, 1)}, ReportGrouping::Month, kToday);
    for (const ReportGroup& g : report.groups) {
        const QDate month = QDate::fromString(g.key, QStringLiteral("yyyy-MM"));
        const MonthList list = m_store.FillMonthList(At(month), DueFilter::All);
        const int placeholders = g.key == QLatin1String("2024-01") ? 1 : 0;
        QVERIFY2(g.count == list.rows.size() - placeholders, qPrintable(g.key));
        QVERIFY2(Near(g.Total(), list.Total() - placeholders * 500), qPrintable(g.key));
    }
}

void TestReports::seriesCostAndPriceRise()
{
    const Report report =
        BuildReport(m_store, {QDate(2023, 11, 1), QDate(2024, 2, 1)}, ReportGrouping::Series, kToday);
    QMap<QString, ReportGroup> by;
    for (const ReportGroup& g : report.groups)
        by.insert(g.key, g);
    QCOMPARE(by.keys(), (QStringList{"", "monthly", "single", "weekly", "yearly"}));
    const ReportGroup weekly = by.value("weekly");
    QCOMPARE(weekly.count, 17); // 6 November 2023 to 26 February 2024
    QVERIFY(Near(weekly.monthly, 12.5 * 52 / 12) && Near(weekly.yearly, 12.5 * 52));
    QCOMPARE(weekly.title, QStringLiteral("weekly #25")); // the latest in the range
    QVERIFY(!weekly.changed);
    const ReportGroup monthly = by.value("monthly"); // the last day of each month
    QCOMPARE(monthly.count, 4);
    QVERIFY(monthly.changed);
    QCOMPARE(monthly.previousAmount, 40.0);
    QCOMPARE(monthly.currentAmount, 45.0);
    QCOMPARE(monthly.changedOn, QDate(2024, 2, 29));
    QVERIFY(Near(monthly.monthly, 45));
    QVERIFY(Near(by.value("yearly").monthly, 10) && Near(by.value("yearly").yearly, 120));
    QCOMPARE(by.value("single").monthly, 0.0);
    QVERIFY(Near(report.fixedMonthly, weekly.monthly + 45 + 10));
}

void TestReports::cadence_data()
{
    QTest::addColumn<QList<QDate>>("days");
    QTest::addColumn<double>("timesAMonth");
    auto every = [](int n, int days, int months) {
        QList<QDate> out;
        for (int i = 0; i < n; ++i)
            out << QDate(2023, 1, 31).addDays(qint64(days) * i).addMonths(months * i);
        return out;
    };
    QTest::newRow("daily") << every(10, 1, 0) << 365.0 / 12;
    QTest::newRow("every 3 days") << every(10, 3, 0) << 365.0 / 36;
    QTest::newRow("weekly") << every(10, 7, 0) << 52.0 / 12;
    QTest::newRow("fortnightly") << every(10, 14, 0) << 52.0 / 24;
    QTest::newRow("monthly on the 31st") << every(13, 0, 1) << 1.0;
    QTest::newRow("monthly, one February gap") << QList<QDate>{{2023, 2, 1}, {2023, 3, 1}} << 1.0;
    QTest::newRow("quarterly") << every(8, 0, 3) << 1.0 / 3;
    QTest::newRow("yearly over a leap day") << every(4, 0, 12) << 1.0 / 12;
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
    DueRecord r;
    r.m_dAmount = 12;
    r.m_strSeriesId = QStringLiteral("recIdS");
    for (const QDate& d : days) {
        r.m_dtDue = At(d);
        Add(store, dues, r);
    }
    r.m_dtDue = At(days.first().addDays(1));
    r.m_dtDue.m_status = COleDateTime::invalid;
    Add(store, dues, r);
    const Report report =
        BuildReport(store, {days.constLast(), days.constLast()}, ReportGrouping::Series, kToday);
    QCOMPARE(report.groups.size(), 1);
    QVERIFY2(Near(report.groups.first().monthly, timesAMonth * 12),
             qPrintable(QString::number(report.groups.first().monthly / 12)));
    QVERIFY(Near(report.groups.first().yearly, timesAMonth * 144));
}

QTEST_GUILESS_MAIN(TestReports)
#include "tst_reports.moc"
