#include "app/CommandLine.h"
#include "model/base/Clock.h"
#include "model/base/LocaleFormat.h"
#include "model/store/CDueStore.h"

#include "FolderSnapshot.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

class TestReportCommand : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void json_data();
    void json();
    void csv_data();
    void csv();
    void textByMonth();
    void badInput_data();
    void badInput();
    void skippedFilesAreNamed();
    void theProgramItself();

private:
    int Run(const QStringList& args);
    QStringList Args(const QString& by, const QString& format = QStringLiteral("text"),
                     const QString& from = QStringLiteral("2023-11"),
                     const QString& to = QStringLiteral("2024-02"));
    QString m_out, m_err;
    QTemporaryDir m_tmp;
    QString m_work;
};

// Today is 15 January 2024. A weekly series (the first three paid), a monthly
// one whose amount rises on 29 February, a personal due without a payee, a
// paid credit, two amounts whose sum a double cannot hold exactly, and dues
// on either side of the months asked for.
void TestReportCommand::initTestCase()
{
    QVERIFY(m_tmp.isValid());
    m_work = m_tmp.path() + QStringLiteral("/work");
    Clock::SetFixed(QDateTime(QDate(2024, 1, 15), QTime(12, 0)));
    CDueStore store;
    store.SetFolder(DataFolder(m_work));
    store.LoadAll();
    CDueStore::Batch batch;
    auto add = [&](const QDate& day, double amount, const QString& title, const QString& payTo,
                   const QString& series = {}) {
        DueRecord r;
        r.m_dtDue = r.m_dtStart = COleDateTime(day.year(), day.month(), day.day(), 9, 0, 0);
        r.m_dAmount = amount;
        r.m_strTitle = title;
        r.m_strPayTo = payTo;
        r.m_strSeriesId = series;
        return r;
    };
    for (int i = 0; i < 20; ++i) {
        DueRecord r = add(QDate(2023, 11, 6).addDays(7 * i), 12.5, "Gym", "Gym", "recIdGym");
        r.m_bPaid = i < 3;
        (void)store.AddDue(r);
    }
    for (int i = 0; i < 6; ++i)
        (void)store.AddDue(
            add(QDate(2023, 10, 31).addMonths(i), i < 4 ? 40 : 45, "@Net", "=Net, Inc", "recIdNet"));
    DueRecord tax = add(QDate(2023, 12, 15), 300.10, "Tax", "");
    tax.m_nType = 2;
    (void)store.AddDue(tax);
    DueRecord credit = add(QDate(2024, 1, 3), -0.2, "Credit", "");
    credit.m_strAccount = QStringLiteral("ACC \"1\"");
    credit.m_bPaid = 1;
    (void)store.AddDue(credit);
    (void)store.AddDue(add(QDate(2024, 1, 20), 0.1, "Dime", "Cents"));
    (void)store.AddDue(add(QDate(2024, 1, 20), 0.2, "Two dimes", "Cents"));
    (void)store.AddDue(add(QDate(2023, 10, 1), 999, "Before", "Big"));
    (void)store.AddDue(add(QDate(2024, 3, 5), 999, "After", "Big"));
    batch.Commit();
    QVERIFY(!store.HasErrors());
}

void TestReportCommand::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Clock::SetFixed(QDateTime(QDate(2024, 1, 15), QTime(12, 0)));
}

int TestReportCommand::Run(const QStringList& args)
{
    m_out.clear();
    m_err.clear();
    QTextStream out(&m_out), err(&m_err);
    const CommandLine::Outcome outcome = CommandLine::Run(args, out, err);
    return std::holds_alternative<int>(outcome) ? std::get<int>(outcome) : -1;
}

QStringList TestReportCommand::Args(const QString& by, const QString& format, const QString& from,
                                    const QString& to)
{
    return {"report", "--workdir", m_work, "--from", from, "--to", to, "--by", by, "--format", format};
}

void TestReportCommand::json_data()
{
    QTest::addColumn<QString>("by");
    QTest::addColumn<QStringList>("objects"); // compact, keys in order
    QTest::newRow("month") << "month"
                           << QStringList{
                                  R"({"count":5,"key":"2023-11","paid":37.5,"total":90,"unpaid":52.5})",
                                  R"({"count":6,"key":"2023-12","paid":0,"total":390.1,"unpaid":390.1})",
                                  R"({"count":9,"key":"2024-01","paid":-0.2,"total":102.6,"unpaid":102.8})",
                                  R"({"count":5,"key":"2024-02","paid":0,"total":95,"unpaid":95})"};
    // 12.50 a week is 54.17 a month; what changed is named only where it did.
    QTest::newRow("series")
        << "series"
        << QStringList{
               R"({"changed":false,"count":4,"key":"","monthly":0,"paid":-0.2,"title":"","total":300.2,)"
               R"("unpaid":300.4,"yearly":0})",
               R"({"changed":false,"count":17,"key":"recIdGym","monthly":54.17,"paid":37.5,"title":"Gym",)"
               R"("total":212.5,"unpaid":175,"yearly":650})",
               R"({"changed":true,"changedOn":"2024-02-29","count":4,"currentAmount":45,"key":"recIdNet",)"
               R"("monthly":45,"paid":0,"previousAmount":40,"title":"@Net","total":165,"unpaid":165,"yearly":540})"};
}

void TestReportCommand::json()
{
    QFETCH(QString, by);
    QFETCH(QStringList, objects);
    QCOMPARE(Run(Args(by, "json")), 0);
    QVERIFY2(m_err.isEmpty(), qPrintable(m_err));
    QJsonParseError error;
    const QJsonArray array = QJsonDocument::fromJson(m_out.toUtf8(), &error).array();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QStringList got;
    for (const QJsonValue& v : array)
        got << QString::fromUtf8(QJsonDocument(v.toObject()).toJson(QJsonDocument::Compact));
    QCOMPARE(got, objects);
}

void TestReportCommand::csv_data()
{
    QTest::addColumn<QString>("by");
    QTest::addColumn<QString>("expected");
    // A payee and a title that a spreadsheet would run are guarded, a comma quoted.
    QTest::newRow("payee") << "payee"
                           << "key,count,paid,unpaid,total\r\n"
                              ",2,-0.2,300.1,299.9\r\n"
                              "Gym,17,37.5,175,212.5\r\n"
                              "\"'=Net, Inc\",4,0,165,165\r\n"
                              "Cents,2,0,0.3,0.3\r\n";
    QTest::newRow("series") << "series"
                            << "key,count,paid,unpaid,total,monthly,yearly,title,changed,previousAmount,"
                               "currentAmount,changedOn\r\n"
                               ",4,-0.2,300.4,300.2,0,0,,false,,,\r\n"
                               "recIdGym,17,37.5,175,212.5,54.17,650,Gym,false,,,\r\n"
                               "recIdNet,4,0,165,165,45,540,'@Net,true,40,45,2024-02-29\r\n";
    QTest::newRow("account, quotes doubled") << "account"
                                             << "key,count,paid,unpaid,total\r\n"
                                                ",24,37.5,640.4,677.9\r\n"
                                                "\"ACC \"\"1\"\"\",1,-0.2,0,-0.2\r\n";
}

void TestReportCommand::csv()
{
    QFETCH(QString, by);
    QFETCH(QString, expected);
    // In a locale with a decimal comma the numbers keep their dot.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(Run(Args(by, "csv")), 0);
    QCOMPARE(m_out, expected);
}

namespace {
// The cells of a table line: columns stand two blanks or more apart.
QStringList Cells(const QString& line)
{
    static const QRegularExpression gap(QStringLiteral("\\s{2,}"));
    return line.split(gap);
}
} // namespace

void TestReportCommand::textByMonth()
{
    const QStringList before = Snapshot(m_work);
    QCOMPARE(Run(Args("month", "text", "2023-09")), 0);
    const QStringList lines = m_out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QString credit = FormatCurrencyText(QStringLiteral("-0.20"), QLocale());
    const QList<QStringList> expected{
        {"Month", "Dues", "Paid", "Unpaid", "Total"},
        {"September 2023", "0", "$0.00", "$0.00", "$0.00"},
        {"October 2023", "2", "$0.00", "$1,039.00", "$1,039.00"},
        {"November 2023", "5", "$37.50", "$52.50", "$90.00"},
        {"December 2023", "6", "$0.00", "$390.10", "$390.10"},
        {"January 2024", "9", credit, "$102.80", "$102.60"},
        {"February 2024", "5", "$0.00", "$95.00", "$95.00"},
    };
    QCOMPARE(lines.size(), expected.size() + 2);
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QCOMPARE(Cells(lines.at(i)), expected.at(i));
        QCOMPARE(lines.at(i).size(), lines.constLast().size()); // amounts right-aligned
    }
    QCOMPARE(lines.at(expected.size()), QString(lines.constLast().size(), QLatin1Char('-')));
    QCOMPARE(Cells(lines.constLast()), (QStringList{"Total", "27", "$37.30", "$1,679.40", "$1,716.70"}));
    QCOMPARE(Snapshot(m_work), before); // reading writes nothing
}

void TestReportCommand::badInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    const QStringList base{"report", "--workdir", "@", "--from", "2023-11", "--to", "2024-02"};
    QTest::newRow("to before from") << QStringList{"report", "--workdir", "@",    "--from", "2024-02",
                                                   "--to",   "2023-11",   "--by", "month"}
                                    << "before --from";
    QTest::newRow("bad month") << QStringList{"report", "--workdir", "@",    "--from", "2024-13",
                                              "--to",   "2024-12",   "--by", "month"}
                               << "bad month \"2024-13\"";
    QTest::newRow("unknown grouping") << base + QStringList{"--by", "colour"} << "colour";
    QTest::newRow("bad format") << base + QStringList{"--by", "month", "--format", "xml"} << "xml";
    QTest::newRow("no grouping") << base << "--by";
    QTest::newRow("grouping twice") << base + QStringList{"--by", "month", "--by", "payee"} << "twice";
    QTest::newRow("missing folder") << QStringList{"report",  "--workdir", "/nonexistent/x",
                                                   "--from",  "2023-11",   "--to",
                                                   "2024-02", "--by",      "month"}
                                    << "not found";
}

void TestReportCommand::badInput()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    args.replaceInStrings(QRegularExpression(QStringLiteral("^@$")), m_work);
    const QStringList before = Snapshot(m_work);
    QCOMPARE(Run(args), 2);
    QVERIFY2(m_err.count(QLatin1Char('\n')) == 1 && m_err.startsWith(QStringLiteral("tallyvane: ")),
             qPrintable(m_err));
    QVERIFY2(m_err.contains(message), qPrintable(m_err));
    QVERIFY(m_out.isEmpty());
    QCOMPARE(Snapshot(m_work), before);
}

void TestReportCommand::skippedFilesAreNamed()
{
    QTemporaryDir copy;
    QVERIFY(CopyTree(m_work, copy.path()));
    QFile bad(copy.path() + QStringLiteral("/Tallyvane Files/duedate2024010100000010.due"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("torn");
    bad.close();
    QCOMPARE(Run({"report", "--workdir", copy.path(), "--from", "2023-11", "--to", "2024-02", "--by", "type",
                  "--format", "json"}),
             0);
    QCOMPARE(m_err.count(QLatin1Char('\n')), 1);
    QVERIFY2(m_err.contains(QStringLiteral("duedate2024010100000010.due")), qPrintable(m_err));
    QCOMPARE(QJsonDocument::fromJson(m_out.toUtf8()).array().size(), 2); // the rest is reported
}

// The installed command line, as a script runs it: without a display, its
// exit status and its two streams.
void TestReportCommand::theProgramItself()
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TALLYVANE_BIN_DIR "/tallyvane"), Args("payee", "csv"));
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(
        process.readAllStandardOutput().startsWith("key,count,paid,unpaid,total\r\n,2,-0.2,300.1,299.9\r\n"));
    QCOMPARE(process.readAllStandardError(), QByteArray());

    process.start(QStringLiteral(TALLYVANE_BIN_DIR "/tallyvane"), Args("weekday"));
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitCode(), 2);
    QCOMPARE(process.readAllStandardOutput(), QByteArray());
    QCOMPARE(
        process.readAllStandardError(),
        QByteArray("tallyvane: bad grouping \"weekday\": expected month, payee, account, type or series\n"));
}

QTEST_GUILESS_MAIN(TestReportCommand)
#include "tst_reportcommand.moc"
