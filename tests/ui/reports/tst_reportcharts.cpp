// The computing half of the Reports view: bars from a report, their
// geometry, the value axis, the colours, the CSV text and the chart files.
#include "ReportTestStore.h"

#include "export/ReportCsv.h"
#include "ui/reports/BarChartLayout.h"
#include "ui/reports/BarChartPainter.h"
#include "ui/reports/ChartColours.h"
#include "ui/reports/ChartFiles.h"
#include "ui/reports/ChartScale.h"
#include "ui/reports/ReportBars.h"
#include "ui/reports/ReportPrintout.h"
#include "ui/reports/ReportRanges.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QXmlStreamReader>

#include <memory>
#include <numeric>

namespace {

const ReportRange kYear{QDate(2026, 1, 1), QDate(2026, 12, 1)};

ReportGroup Group(const QString& key, double paid, double unpaid, double overdue = 0.0, int count = 1)
{
    ReportGroup g;
    g.key = key;
    g.count = count;
    g.paid = paid;
    g.unpaid = unpaid;
    g.overdue = overdue;
    return g;
}

// The layout of a chart in a fixed area, with fixed text sizes.
ChartGeometry LayOut(ReportGrouping grouping, const QList<ReportBar>& bars, const QRectF& area)
{
    ChartMetrics m;
    m.lineHeight = 16;
    m.axisLabelWidth = 70;
    m.monthLabelWidth = 28;
    m.labelWidth = 120;
    m.valueWidth = 90;
    return BarChartLayout::Compute(grouping, bars, area, m);
}

bool Near(double a, double b)
{
    return std::abs(a - b) < 0.01;
}

} // namespace

class TestReportCharts : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void monthBarsStandForTheReport_data();
    void monthBarsStandForTheReport();
    void otherFoldsTheRest_data();
    void otherFoldsTheRest();
    void groupBarsAreProportional();
    void seriesBarsGoByMonthlyCost();
    void crowdedMonthsNameEveryFew();
    void scaleIsRound_data();
    void scaleIsRound();
    void textsOfBars_data();
    void textsOfBars();
    void ranges_data();
    void ranges();
    void csvCells_data();
    void csvCells();
    void csvOfReports();
    void coloursKeepContrast_data();
    void coloursKeepContrast();
    void pngAndSvgReadBack();
    void pdfOfTheReport();
    void longChartsGoOverPages();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestReportCharts::initTestCase()
{
    UiTest::IsolateSettings();
}

void TestReportCharts::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    UiTest::UseWorkDir(m_dir->path());
}

void TestReportCharts::cleanup()
{
    theDueStore.RemoveAll();
    m_dir.reset();
}

void TestReportCharts::monthBarsStandForTheReport_data()
{
    QTest::addColumn<int>("payees");
    QTest::addColumn<QSizeF>("size");
    QTest::newRow("generated store, wide") << 12 << QSizeF(800, 300);
    QTest::newRow("generated store, narrow and low") << 12 << QSizeF(300, 160);
    QTest::newRow("no dues at all") << -1 << QSizeF(600, 240);
}

void TestReportCharts::monthBarsStandForTheReport()
{
    QFETCH(int, payees);
    QFETCH(QSizeF, size);
    if (payees >= 0)
        ReportTest::Fill(payees);
    const Report report = BuildReport(theDueStore, kYear, ReportGrouping::Month, ReportTest::Today());
    const QList<ReportBar> bars = ReportBars::FromReport(report);
    QCOMPARE(bars.size(), 12); // every month, the empty ones too
    const ChartGeometry g = LayOut(ReportGrouping::Month, bars, QRectF(QPointF(5, 7), size));
    QCOMPARE(g.bars.size(), 12);

    double largest = 0.0;
    for (const ReportGroup& group : report.groups)
        largest = std::max(largest, group.Total());
    QVERIFY(g.scale.Top() >= largest);
    if (largest > 0.0)
        QVERIFY2(g.scale.Top() < 2.5 * largest, "the axis reaches far past the largest month");

    for (int i = 0; i < bars.size(); ++i) {
        const ReportGroup& group = report.groups.at(i);
        const BarGeometry& bar = g.bars.at(i);
        QCOMPARE(bars.at(i).month, QDate(2026, i + 1, 1));
        // Heights are the sums over the axis' top, standing on the plot's base.
        const double perUnit = g.plot.height() / (g.scale.Top() > 0 ? g.scale.Top() : 1.0);
        QVERIFY2(Near(bar.paid.height(), group.paid * perUnit), qPrintable(QString::number(i)));
        QVERIFY2(Near(bar.unpaid.height(), group.unpaid * perUnit), qPrintable(QString::number(i)));
        QVERIFY2(Near(bar.overdue.height(), group.overdue * perUnit), qPrintable(QString::number(i)));
        QVERIFY(Near(bar.paid.bottom(), g.plot.bottom()));
        QVERIFY(Near(bar.unpaid.bottom(), bar.paid.top()));
        QVERIFY(Near(bar.overdue.bottom(), bar.paid.top())); // overdue is the unpaid part next to paid
        QVERIFY(bar.unpaid.top() >= g.plot.top() - 0.01);
        QVERIFY(g.plot.contains(bar.paid.center()) || bar.paid.isEmpty());
        if (group.Total() == 0.0)
            QVERIFY(bar.paid.isEmpty() && bar.unpaid.isEmpty());
        // The slots side by side, in order, none overlapping the next.
        if (i > 0)
            QVERIFY(Near(bar.slot.left(), g.bars.at(i - 1).slot.right()));
    }
    if (payees >= 0) {
        // Spot checks against the fixed dues: March holds Rent and the bills,
        // June holds nothing, January's Power is late.
        QCOMPARE(report.groups.at(5).Total(), 0.0);
        QVERIFY(g.bars.at(2).paid.height() > g.bars.at(0).paid.height());
        QVERIFY(g.bars.at(0).overdue.height() > 0.0);
    }
}

void TestReportCharts::otherFoldsTheRest_data()
{
    QTest::addColumn<int>("groups");
    QTest::addColumn<int>("expectedBars");
    QTest::addColumn<bool>("expectOther");
    QTest::newRow("three") << 3 << 3 << false;
    QTest::newRow("exactly the named ones") << 8 << 8 << false;
    QTest::newRow("one more is named, not Other") << 9 << 9 << false;
    QTest::newRow("two more fold") << 10 << 9 << true;
    QTest::newRow("many") << 25 << 9 << true;
}

void TestReportCharts::otherFoldsTheRest()
{
    QFETCH(int, groups);
    QFETCH(int, expectedBars);
    QFETCH(bool, expectOther);
    // Payees 1..groups with one due each of 10 × their number, some paid.
    for (int i = 1; i <= groups; ++i)
        UiTest::AddDue(ReportTest::Due(QStringLiteral("Bill"), QDate(2026, 2, 3), 10.0 * i, i % 3 == 0,
                                       QStringLiteral("Payee %1").arg(i)));
    const Report report = BuildReport(theDueStore, kYear, ReportGrouping::Payee, ReportTest::Today());
    QCOMPARE(report.groups.size(), groups);
    const QList<ReportBar> bars = ReportBars::FromReport(report);
    QCOMPARE(bars.size(), expectedBars);
    QCOMPARE(bars.last().other, expectOther);

    // Nothing is lost or counted twice: the bars add up to the report.
    double paid = 0, unpaid = 0, overdue = 0;
    int count = 0;
    QStringList keys;
    for (const ReportBar& b : bars) {
        paid += b.paid;
        unpaid += b.unpaid;
        overdue += b.overdue;
        count += b.count;
        keys += b.keys;
    }
    QVERIFY(Near(paid, report.paid));
    QVERIFY(Near(unpaid, report.unpaid));
    QVERIFY(Near(overdue, report.overdue));
    QCOMPARE(count, report.count);
    QCOMPARE(keys.size(), groups);
    if (expectOther) {
        // Other holds exactly the groups after the named ones, largest first.
        const ReportBar& other = bars.last();
        QStringList folded;
        double total = 0.0;
        for (int i = ReportBars::kNamedGroups; i < groups; ++i) {
            folded << report.groups.at(i).key;
            total += report.groups.at(i).Total();
        }
        QCOMPARE(other.keys, folded);
        QVERIFY(Near(other.Total(), total));
        QVERIFY(other.label.contains(QString::number(folded.size())));
        // The named bars are the largest groups, in the report's order.
        for (int i = 0; i < ReportBars::kNamedGroups; ++i)
            QCOMPARE(bars.at(i).keys, QStringList{report.groups.at(i).key});
    }
}

void TestReportCharts::groupBarsAreProportional()
{
    ReportTest::Fill();
    const Report report = BuildReport(theDueStore, kYear, ReportGrouping::Account, ReportTest::Today());
    const QList<ReportBar> bars = ReportBars::FromReport(report);
    QVERIFY(bars.size() >= 3);
    const ChartGeometry g = LayOut(ReportGrouping::Account, bars, QRectF(0, 0, 640, 400));
    const double largest = bars.first().Total(); // largest first
    for (int i = 0; i < bars.size(); ++i) {
        const BarGeometry& bar = g.bars.at(i);
        const double length = bar.paid.width() + bar.unpaid.width();
        QVERIFY2(Near(length, bars.at(i).Total() / largest * g.plot.width()), qPrintable(bars.at(i).label));
        QVERIFY(Near(bar.paid.width(), bars.at(i).paid / largest * g.plot.width()));
        QVERIFY(Near(bar.paid.left(), g.plot.left()));
        QVERIFY(Near(bar.unpaid.left(), bar.paid.right()));
        QVERIFY(bar.value.left() >= bar.unpaid.right()); // the amount after the bar, not over it
        QVERIFY(bar.value.right() <= 640.0 + 0.01);
        if (i > 0)
            QVERIFY(bar.slot.top() >= g.bars.at(i - 1).slot.bottom() - 0.01);
    }
    // The empty account has a name the reader understands.
    bool unnamed = false;
    for (const ReportBar& b : bars)
        unnamed = unnamed || (b.keys == QStringList{QString()} && b.label == QStringLiteral("(no account)"));
    QVERIFY(unnamed);
}

void TestReportCharts::seriesBarsGoByMonthlyCost()
{
    ReportTest::Fill();
    // A weekly series beside the monthly one: more a month, though fewer dues.
    const QString weekly = QStringLiteral("2026010109000099");
    for (int w = 0; w < 4; ++w)
        UiTest::AddDue(ReportTest::Due(QStringLiteral("Cleaning"), QDate(2026, 4, 1).addDays(7 * w), 20, true,
                                       QStringLiteral("Clean Co"), {}, 1, weekly));
    const Report report = BuildReport(theDueStore, kYear, ReportGrouping::Series, ReportTest::Today());
    const QList<ReportBar> bars = ReportBars::FromReport(report);
    QCOMPARE(bars.size(), 2);
    QVERIFY(bars.at(0).monthly >= bars.at(1).monthly);
    QCOMPARE(bars.at(0).label, QStringLiteral("Cleaning"));
    const ReportBar& streaming = bars.at(1);
    QCOMPARE(streaming.label, QStringLiteral("Streaming"));
    QCOMPARE(streaming.changeSign, 1);
    QCOMPARE(streaming.change, QStringLiteral("▲ 45.00 → 49.99 since March 2026"));
    const ChartGeometry g = LayOut(ReportGrouping::Series, bars, QRectF(0, 0, 600, 300));
    QVERIFY(
        Near(g.bars.at(1).paid.width() / g.bars.at(0).paid.width(), bars.at(1).monthly / bars.at(0).monthly));
    for (const BarGeometry& bar : g.bars) {
        QVERIFY(!bar.detail.isEmpty());
        QVERIFY(bar.detail.top() >= bar.paid.bottom()); // the yearly cost under the bar, not across it
        QVERIFY(bar.detail.bottom() <= bar.slot.bottom() + 0.01);
    }
}

void TestReportCharts::crowdedMonthsNameEveryFew()
{
    // Five years of months in 400 pixels: names would run into each other.
    QList<ReportBar> bars;
    for (int i = 0; i < 60; ++i) {
        ReportBar b;
        b.month = QDate(2022, 1, 1).addMonths(i);
        bars << b;
    }
    const ChartGeometry g = LayOut(ReportGrouping::Month, bars, QRectF(0, 0, 400, 200));
    QRectF lastShown;
    int shown = 0;
    for (int i = 0; i < g.bars.size(); ++i) {
        const BarGeometry& bar = g.bars.at(i);
        if (!bar.labelShown) {
            QVERIFY(!bar.yearShown);
            continue;
        }
        ++shown;
        // Room for a name around each named month: the names do not touch.
        const QRectF name(bar.slot.center().x() - 14, 0, 28, 1);
        if (!lastShown.isNull())
            QVERIFY2(name.left() > lastShown.right(), qPrintable(QString::number(i)));
        lastShown = name;
    }
    QVERIFY(shown > 3 && shown < 60);
    QVERIFY(g.bars.first().yearShown);
}

void TestReportCharts::scaleIsRound_data()
{
    QTest::addColumn<double>("largest");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("step");
    QTest::newRow("on a step") << 100.0 << 100.0 << 20.0;
    QTest::newRow("just over") << 101.0 << 125.0 << 25.0;
    QTest::newRow("cents") << 0.3 << 0.3 << 0.1;
    QTest::newRow("just under a thousand") << 999.0 << 1000.0 << 200.0;
    QTest::newRow("large") << 123456.78 << 125000.0 << 25000.0;
    QTest::newRow("nothing") << 0.0 << 0.0 << 0.0;
    QTest::newRow("negative") << -50.0 << 0.0 << 0.0;
    QTest::newRow("not a number") << std::nan("") << 0.0 << 0.0;
}

void TestReportCharts::scaleIsRound()
{
    QFETCH(double, largest);
    QFETCH(double, top);
    QFETCH(double, step);
    const ChartScale scale = ChartScale::For(largest);
    QVERIFY2(Near(scale.Top(), top), qPrintable(QString::number(scale.Top())));
    QVERIFY2(Near(scale.Step(), step), qPrintable(QString::number(scale.Step())));
    const QList<double> lines = scale.Lines();
    QCOMPARE(lines.first(), 0.0);
    if (step > 0) {
        QVERIFY(lines.size() >= 2 && lines.size() <= 6);
        QVERIFY(Near(lines.last(), top));
        QCOMPARE(scale.Fraction(top * 2), 1.0);
        QCOMPARE(scale.Fraction(-1.0), 0.0);
    } else {
        QCOMPARE(lines.size(), 1);
        QCOMPARE(scale.Fraction(5.0), 0.0);
    }
}

void TestReportCharts::textsOfBars_data()
{
    QTest::addColumn<int>("grouping");
    QTest::addColumn<QString>("key");
    QTest::addColumn<double>("paid");
    QTest::addColumn<double>("unpaid");
    QTest::addColumn<double>("overdue");
    QTest::addColumn<QString>("expected");
    QTest::newRow("month") << int(ReportGrouping::Month) << "2026-03" << 120.0 << 40.0 << 0.0
                           << "March 2026: paid $120.00, unpaid $40.00";
    QTest::newRow("month with overdue")
        << int(ReportGrouping::Month) << "2025-12" << 0.0 << 40.0 << 15.5
        << "December 2025: paid $0.00, unpaid $40.00, of which overdue $15.50";
    QTest::newRow("empty pay to") << int(ReportGrouping::Payee) << "" << 1234.5 << 0.0 << 0.0
                                  << "(no pay to): paid $1,234.50, unpaid $0.00";
    QTest::newRow("personal") << int(ReportGrouping::Type) << "Personal" << 1.0 << 2.0 << 0.0
                              << "Personal: paid $1.00, unpaid $2.00";
}

void TestReportCharts::textsOfBars()
{
    QFETCH(int, grouping);
    QFETCH(QString, key);
    QFETCH(double, paid);
    QFETCH(double, unpaid);
    QFETCH(double, overdue);
    QFETCH(QString, expected);
    Report report;
    report.grouping = ReportGrouping(grouping);
    report.groups << Group(key, paid, unpaid, overdue);
    const QList<ReportBar> bars = ReportBars::FromReport(report);
    QCOMPARE(ReportBars::AccessibleText(report.grouping, bars.first(), QLocale()), expected);
}

void TestReportCharts::ranges_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("choice");
    QTest::addColumn<QDate>("a");
    QTest::addColumn<QDate>("b");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("text");
    const QDate none;
    QTest::newRow("this year") << QDate(2026, 5, 15) << 0 << none << none << QDate(2026, 1, 1)
                               << QDate(2026, 12, 1) << "January 2026 – December 2026";
    QTest::newRow("last 12 months across a year")
        << QDate(2026, 1, 31) << 1 << none << none << QDate(2025, 2, 1) << QDate(2026, 1, 1)
        << "February 2025 – January 2026";
    QTest::newRow("custom, backwards")
        << QDate(2026, 5, 15) << 2 << QDate(2026, 7, 19) << QDate(2025, 11, 30) << QDate(2025, 11, 1)
        << QDate(2026, 7, 1) << "November 2025 – July 2026";
    QTest::newRow("custom, one month") << QDate(2026, 5, 15) << 2 << QDate(2026, 2, 28) << QDate(2026, 2, 1)
                                       << QDate(2026, 2, 1) << QDate(2026, 2, 1) << "February 2026";
}

void TestReportCharts::ranges()
{
    QFETCH(QDate, today);
    QFETCH(int, choice);
    QFETCH(QDate, a);
    QFETCH(QDate, b);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, text);
    const ReportRange range = choice == 0   ? ReportRanges::ThisYear(today)
                              : choice == 1 ? ReportRanges::LastTwelveMonths(today)
                                            : ReportRanges::Months(a, b);
    QCOMPARE(range.from, from);
    QCOMPARE(range.to, to);
    QCOMPARE(ReportRanges::Text(range, QLocale()), text);
}

void TestReportCharts::csvCells_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("cell");
    QTest::newRow("plain") << "Grid Co"
                           << "Grid Co";
    QTest::newRow("formula") << "=HYPERLINK(\"x\")"
                             << "\"'=HYPERLINK(\"\"x\"\")\"";
    QTest::newRow("plus") << "+1 555"
                          << "'+1 555";
    QTest::newRow("minus") << "-2"
                           << "'-2";
    QTest::newRow("at") << "@SUM(A1)"
                        << "'@SUM(A1)";
    QTest::newRow("tab first") << "\tx"
                               << "'\tx";
    QTest::newRow("comma") << "Smith, J."
                           << "\"Smith, J.\"";
    QTest::newRow("line break") << "a\r\nb"
                                << "\"a\r\nb\"";
    QTest::newRow("blank at the end") << "x "
                                      << "\"x \"";
    QTest::newRow("equals inside") << "a=b"
                                   << "a=b";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("not Latin") << "東京 €"
                               << "東京 €";
}

void TestReportCharts::csvCells()
{
    QFETCH(QString, text);
    QFETCH(QString, cell);
    QCOMPARE(ReportCsv::TextCell(text), cell);
}

void TestReportCharts::csvOfReports()
{
    Report months;
    months.grouping = ReportGrouping::Month;
    months.groups << Group("2026-01", 0.1 + 0.2, 1000, 250.005, 3) << Group("2026-02", 0, 0, 0, 0);
    QCOMPARE(ReportCsv::Write(months), QByteArray("Month,Dues,Paid,Unpaid,Overdue,Total\r\n"
                                                  "2026-01,3,0.30,1000.00,250.01,1000.30\r\n"
                                                  "2026-02,0,0.00,0.00,0.00,0.00\r\n"));

    Report payees;
    payees.grouping = ReportGrouping::Payee;
    payees.groups << Group("=cmd|' /C calc'!A0", 5, 0) << Group("", 1, 2, 2) << Group("Zoë, \"Ltd\"", 0, 7);
    QCOMPARE(QString::fromUtf8(ReportCsv::Write(payees)),
             QStringLiteral("Pay To,Dues,Paid,Unpaid,Overdue,Total\r\n"
                            "'=cmd|' /C calc'!A0,1,5.00,0.00,0.00,5.00\r\n"
                            ",1,1.00,2.00,2.00,3.00\r\n"
                            "\"Zoë, \"\"Ltd\"\"\",1,0.00,7.00,0.00,7.00\r\n"));

    Report series;
    series.grouping = ReportGrouping::Series;
    ReportGroup changed = Group("2026010109000001", 139.99, 99.98, 0, 5);
    changed.title = QStringLiteral("-Streaming");
    changed.monthly = 49.99;
    changed.yearly = 599.88;
    changed.changed = true;
    changed.previousAmount = 45;
    changed.currentAmount = 49.99;
    changed.changedOn = QDate(2026, 3, 10);
    ReportGroup steady = Group("2026010109000002", 80, 0, 0, 4);
    steady.title = QStringLiteral("Cleaning");
    steady.monthly = 86.666666;
    steady.yearly = 1040;
    series.groups << changed << steady;
    const QByteArray csv = ReportCsv::Write(series);
    QCOMPARE(csv,
             QByteArray("Series ID,Title,Dues,Paid,Unpaid,Overdue,Total,Monthly,Yearly,Previous Amount,"
                        "Current Amount,Changed On\r\n"
                        "2026010109000001,'-Streaming,5,139.99,99.98,0.00,239.97,49.99,599.88,45.00,49.99,"
                        "2026-03-10\r\n"
                        "2026010109000002,Cleaning,4,80.00,0.00,0.00,80.00,86.67,1040.00,,,\r\n"));
    // Every row as wide as the header.
    for (const QByteArray& line : csv.split('\n'))
        if (!line.isEmpty())
            QCOMPARE(line.count(','), 11);
}

void TestReportCharts::coloursKeepContrast_data()
{
    QTest::addColumn<QColor>("base");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("highlight");
    QTest::newRow("light") << QColor(Qt::white) << QColor(Qt::black) << QColor(48, 140, 198);
    QTest::newRow("dark") << QColor(35, 38, 41) << QColor(239, 240, 241) << QColor(61, 174, 233);
    QTest::newRow("accent as pale as the base")
        << QColor(250, 250, 250) << QColor(20, 20, 20) << QColor(235, 240, 245);
    QTest::newRow("grey text on grey")
        << QColor(128, 128, 128) << QColor(140, 140, 140) << QColor(120, 120, 130);
}

void TestReportCharts::coloursKeepContrast()
{
    QFETCH(QColor, base);
    QFETCH(QColor, text);
    QFETCH(QColor, highlight);
    QPalette palette;
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Highlight, highlight);
    const ChartColours c = ChartColours::FromPalette(palette);
    QCOMPARE(c.background, base);
    QVERIFY2(ChartColours::Contrast(c.text, base) >= 4.5, qPrintable(c.text.name()));
    QVERIFY2(ChartColours::Contrast(c.mutedText, base) >= 4.5, qPrintable(c.mutedText.name()));
    QVERIFY2(ChartColours::Contrast(c.paid, base) >= 3.0, qPrintable(c.paid.name()));
    QVERIFY2(ChartColours::Contrast(c.unpaidEdge, base) >= 3.0, qPrintable(c.unpaidEdge.name()));
    QVERIFY2(ChartColours::Contrast(c.overdue, base) >= 3.0, qPrintable(c.overdue.name()));
    QVERIFY2(ChartColours::Contrast(c.focus, base) >= 3.0, qPrintable(c.focus.name()));
    QVERIFY2(ChartColours::Contrast(c.changeUp, base) >= 4.5, qPrintable(c.changeUp.name()));
    QVERIFY2(ChartColours::Contrast(c.changeDown, base) >= 4.5, qPrintable(c.changeDown.name()));
    QVERIFY(c.paid != c.unpaid);
}

void TestReportCharts::pngAndSvgReadBack()
{
    ReportTest::Fill();
    const Report report = BuildReport(theDueStore, kYear, ReportGrouping::Month, ReportTest::Today());
    const BarChartPainter chart(report.grouping, ReportBars::FromReport(report), QApplication::font(),
                                ChartColours::FromPalette(QApplication::palette()));
    const QString title = QStringLiteral("Paid and Unpaid by Month, 2026");

    QImage image;
    QVERIFY(image.loadFromData(ChartFiles::Png(chart, title, 700), "PNG"));
    QCOMPARE(image.width(), 1400); // twice the size asked for
    QVERIFY(image.height() > 2 * chart.PreferredHeight());
    // Not one flat colour: something was painted on the background.
    const QRgb corner = image.pixel(0, 0);
    int painted = 0;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            painted += image.pixel(x, y) != corner;
    QVERIFY(painted > 100);

    const QByteArray svg = ChartFiles::Svg(chart, title, 700);
    QXmlStreamReader xml(svg);
    QString root;
    int rects = 0, texts = 0;
    bool titled = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (root.isEmpty())
            root = xml.name().toString();
        rects += xml.name() == QLatin1String("rect") || xml.name() == QLatin1String("path");
        if (xml.name() == QLatin1String("text")) {
            const QString t = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            ++texts;
            titled = titled || t.contains(QStringLiteral("Paid and Unpaid by Month"));
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(root, QStringLiteral("svg"));
    QVERIFY(rects > 12);
    QVERIFY(texts > 12); // month names and amounts stay texts
    QVERIFY(titled);
}

void TestReportCharts::pdfOfTheReport()
{
    ReportTest::Fill();
    QList<ReportSection> sections;
    for (const ReportGrouping grouping :
         {ReportGrouping::Month, ReportGrouping::Payee, ReportGrouping::Account, ReportGrouping::Type,
          ReportGrouping::Series}) {
        const Report report = BuildReport(theDueStore, kYear, grouping, ReportTest::Today());
        sections << ReportSection{
            QStringLiteral("Section %1").arg(int(grouping)), {}, grouping, ReportBars::FromReport(report)};
    }
    // A summary longer than a line of the page: it wraps, nothing is cut.
    QString summary = QStringLiteral("Summary");
    for (int i = 0; i < 30; ++i)
        summary += QStringLiteral(" words");
    summary += QStringLiteral(" lastword");
    const QByteArray pdf =
        ReportPrintout(QStringLiteral("Report, 2026"), {summary}, sections, QApplication::font()).Pdf();
    QVERIFY(pdf.startsWith("%PDF-"));
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: the PDF's text is not read back");
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("report.pdf")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size());
    file.close();
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), file.fileName(), QStringLiteral("-")});
    QVERIFY(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (int i = 0; i < 5; ++i)
        QVERIFY2(text.contains(QStringLiteral("Section %1").arg(i)), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Landlord")));
    QVERIFY2(text.contains(QStringLiteral("lastword")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("since March 2026")));
}

void TestReportCharts::longChartsGoOverPages()
{
    // Sixty series: more rows than a page holds.
    QList<ReportBar> bars;
    for (int i = 0; i < 60; ++i) {
        ReportBar b;
        b.label = QStringLiteral("Series %1").arg(i, 2, 10, QLatin1Char('0'));
        b.monthly = 600.0 - 10 * i;
        b.yearly = 12 * b.monthly;
        bars << b;
    }
    const BarChartPainter whole(ReportGrouping::Series, bars, QApplication::font(),
                                ChartColours::FromPalette(ReportPrintout::PaperPalette()));
    // A part of the chart draws an amount as long as the whole chart does.
    const QRectF area(0, 0, 600, 4000);
    const BarChartPainter part = whole.Part(40, 5);
    QCOMPARE(part.Bars().size(), 5);
    QCOMPARE(part.Bars().first().label, QStringLiteral("Series 40"));
    QVERIFY(Near(part.Layout(area).bars.first().paid.width(), whole.Layout(area).bars.at(40).paid.width()));
    QVERIFY(part.PreferredHeight() < whole.PreferredHeight());

    const ReportSection section{QStringLiteral("Recurring Costs"),
                                {QStringLiteral("Fixed cost per month")},
                                ReportGrouping::Series,
                                bars};
    const QByteArray pdf =
        ReportPrintout(QStringLiteral("Report"), {QStringLiteral("summary")}, {section}, QApplication::font())
            .Pdf();
    QVERIFY(pdf.startsWith("%PDF-"));
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: the PDF's text is not read back");
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("long.pdf")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size());
    file.close();
    QProcess process;
    process.start(pdftotext, {file.fileName(), QStringLiteral("-")});
    QVERIFY(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY2(pages.size() >= 2, qPrintable(text));
    QVERIFY(pages.at(1).contains(QStringLiteral("Recurring Costs (continued)")));
    // Every series is on a page, each once.
    for (const ReportBar& b : bars)
        QCOMPARE(text.count(b.label), 1);
}

QTEST_MAIN(TestReportCharts)
#include "tst_reportcharts.moc"
