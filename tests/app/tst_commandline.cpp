#include "app/CommandLine.h"
#include "app/RegisterExports.h"
#include "model/CDueStore.h"
#include "model/LocaleFormat.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {
// Name and hash of every file under a folder.
QStringList Snapshot(const QString& root)
{
    QStringList out;
    QDirIterator it(root, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        QByteArray hash;
        if (f.open(QIODevice::ReadOnly))
            hash = QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1).toHex();
        out << QDir(root).relativeFilePath(path) + QLatin1Char(' ') + QString::fromLatin1(hash);
    }
    out.sort();
    return out;
}

bool CopyTree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    for (const QFileInfo& fi : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + fi.fileName();
        if (fi.isDir() ? !CopyTree(fi.filePath(), target) : !QFile::copy(fi.filePath(), target))
            return false;
    }
    return true;
}
} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void listsTheMonthInOrderWithSums();
    void filters();
    void badInput_data();
    void badInput();
    void createsOnlyTheDataFolder();
    void escapesFields();
    void exportHandsOverTheListedMonth_data();
    void exportHandsOverTheListedMonth();
    void csvRoundTripGivesTheSameDues();
    void importExitStatus_data();
    void importExitStatus();
    void icsOverARangeOfMonths_data();
    void icsOverARangeOfMonths();

private:
    int Run(const QStringList& args);
    QString m_out, m_err;
    QTemporaryDir m_tmp;
    QString m_work;
};

void TestCommandLine::initTestCase()
{
    RegisterExports();
}

void TestCommandLine::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_work = m_tmp.path() + QStringLiteral("/work-") + QString::fromLatin1(QTest::currentTestFunction()) +
             QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_'));
    QVERIFY(CopyTree(QStringLiteral(TALLYVANE_TEST_DATA "/listfolder"), m_work));
}

int TestCommandLine::Run(const QStringList& args)
{
    m_out.clear();
    m_err.clear();
    QTextStream out(&m_out), err(&m_err);
    return CommandLine::Run(args, out, err);
}

void TestCommandLine::listsTheMonthInOrderWithSums()
{
    const QStringList before = Snapshot(m_work);
    QCOMPARE(Run({"list", "--workdir", m_work, "--month", "2007-03"}), 0);
    const QStringList expected{
        "2007030209000010\t2007-03-05T00:00:00\tΕνοίκιο back\\\\slash\tCafé\t\t$1,234.50\tUnpaid\t-",
        "2007030209000110\t2007-03-05T00:00:00\tSame date later id\t\t\t$0.50\tPaid\t-",
        "2007030112000001\t2007-03-20T09:00:00\tGym\tFit\\tClub\tACC-1\t$30.00\tPaid\trecId20070301120000",
        "2007031514253010\t2007-03-31T00:00:00\tRent\t\t\t$125.50\tUnpaid\t-",
        "2007030209000210\t2007-03-31T23:59:00\tLast minute\t\t\t" + FormatCurrencyText("-3.00", QLocale()) +
            "\tUnpaid\t-",
        "Paid : $30.50",
        "Unpaid : $1,357.00",
        "Total : $1,387.50",
    };
    QCOMPARE(m_out.split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
    QVERIFY2(m_err.isEmpty(), qPrintable(m_err));
    QCOMPARE(Snapshot(m_work), before); // reading writes nothing
}

void TestCommandLine::filters()
{
    QCOMPARE(Run({"list", "--workdir", m_work, "--month", "2007-04", "--filter", "unpaid"}), 0);
    QCOMPARE(m_out.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size(), 4);
    QVERIFY(m_out.contains(QStringLiteral("2007030112000002\t2007-04-01T00:00:00\tGym")));
    QVERIFY(m_out.contains(QStringLiteral("Paid : $0.00\nUnpaid : $30.00\nTotal : $30.00\n")));

    QCOMPARE(Run({"list", "--workdir", m_work, "--month", "2007-03", "--filter", "paid"}), 0);
    QCOMPARE(m_out.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size(), 5);
    QVERIFY(m_out.endsWith(QStringLiteral("Paid : $30.50\nUnpaid : $0.00\nTotal : $30.50\n")));
}

void TestCommandLine::badInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing folder") << QStringList{"list", "--workdir", "/nonexistent/x", "--month",
                                                   "2007-03"}
                                    << "working directory not found";
    QTest::newRow("bad month") << QStringList{"list", "--workdir", "@", "--month", "2007-13"} << "bad month";
    QTest::newRow("month without dash")
        << QStringList{"list", "--workdir", "@", "--month", "200703"} << "bad month";
    QTest::newRow("unknown option") << QStringList{"list", "--workdir", "@", "--month", "2007-03", "--x"}
                                    << "unknown option: --x";
    QTest::newRow("bad filter") << QStringList{"list",    "--workdir", "@",   "--month",
                                               "2007-03", "--filter",  "some"}
                                << "bad filter";
    QTest::newRow("no month") << QStringList{"list", "--workdir", "@"} << "--month";
    QTest::newRow("value missing") << QStringList{"list", "--month"} << "needs a value";
    QTest::newRow("unknown export") << QStringList{"export",  "odt",     "--workdir", "@",
                                                   "--month", "2007-03", "--output",  "x"}
                                    << "unknown export format";
}

void TestCommandLine::badInput()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    args.replaceInStrings(QStringLiteral("@"), m_work);
    QCOMPARE(Run(args), 2);
    QVERIFY(m_out.isEmpty());
    QCOMPARE(m_err.count(QLatin1Char('\n')), 1);
    QVERIFY2(m_err.contains(message), qPrintable(m_err));
}

void TestCommandLine::createsOnlyTheDataFolder()
{
    const QString empty = m_tmp.path() + QStringLiteral("/empty");
    QVERIFY(QDir().mkpath(empty));
    QCOMPARE(Run({"list", "--workdir", empty, "--month", "2030-01"}), 0);
    QCOMPARE(Snapshot(empty), QStringList{"Tallyvane Files "});
    QCOMPARE(m_out, QStringLiteral("Paid : $0.00\nUnpaid : $0.00\nTotal : $0.00\n"));

    // A malformed file is reported on stderr and the rest still lists.
    QFile bad(m_work + QStringLiteral("/Tallyvane Files/duedatebad.due"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("\x05"
              "ab");
    bad.close();
    QCOMPARE(Run({"list", "--workdir", m_work, "--month", "2007-03"}), 0);
    QVERIFY(m_err.contains(QStringLiteral("duedatebad.due")));
    QCOMPARE(m_out.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size(), 8);
}

void TestCommandLine::escapesFields()
{
    QCOMPARE(CommandLine::EscapeField(QStringLiteral("a\tb\nc\\d\re")), QStringLiteral("a\\tb\\nc\\\\d\\re"));
}

void TestCommandLine::exportHandsOverTheListedMonth_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<bool>("withNotes");
    QTest::addColumn<int>("listed");
    QTest::newRow("notes unless asked") << QStringList{} << true << 5;
    QTest::newRow("--no-notes") << QStringList{"--no-notes"} << false << 5;
    QTest::newRow("filter applies") << QStringList{"--filter", "paid"} << true << 2;
}

void TestCommandLine::exportHandsOverTheListedMonth()
{
    QFETCH(QStringList, extra);
    QFETCH(bool, withNotes);
    QFETCH(int, listed);
    QList<ExportRequest> calls;
    auto& exports = CommandLine::Exports();
    const auto previous = exports.value(QStringLiteral("rec"));
    exports.insert(QStringLiteral("rec"), [&](const ExportRequest& request, QString*) {
        calls.append(request);
        return true;
    });
    const auto restore = qScopeGuard([&] {
        if (previous)
            exports.insert(QStringLiteral("rec"), previous);
        else
            exports.remove(QStringLiteral("rec"));
    });
    const QString out = m_tmp.path() + QStringLiteral("/out.rec");
    QCOMPARE(
        Run(QStringList{"export", "rec", "--workdir", m_work, "--month", "2007-03", "--output", out} + extra),
        0);
    QCOMPARE(calls.size(), 1);
    const ExportRequest& r = calls.first();
    QCOMPARE(r.withNotes, withNotes);
    QCOMPARE(r.outputPath, out);
    QCOMPARE(r.month.GetMonth(), 3);
    QCOMPARE(r.dues.size(), listed);
    // In the list's order: by due date.
    for (qsizetype i = 1; i < r.dues.size(); ++i)
        QVERIFY(!DueListLess(r.dues.at(i), r.dues.at(i - 1)));
}

namespace {
// Every due of a folder without its record identifier, ordered by its texts.
QList<DueRecord> DuesOf(const QString& workDir)
{
    CDueStore store;
    store.SetFolder(DataFolder(workDir));
    store.LoadAll();
    QMap<QString, DueRecord> byKey;
    store.ForEach([&](const DueRecord& r) {
        DueRecord copy = r;
        copy.m_strRecId.clear();
        const QString key = QStringList{copy.m_strTitle, copy.m_dtDue.ToQDateTime().toString(Qt::ISODate),
                                        copy.m_strPayTo, QString::number(copy.m_dAmount, 'g', 17)}
                                .join(QLatin1Char('|'));
        byKey.insert(key + QLatin1Char('#') + QString::number(byKey.size()), copy);
    });
    return byKey.values();
}

QString WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
    return path;
}
} // namespace

void TestCommandLine::csvRoundTripGivesTheSameDues()
{
    const QString csv = m_tmp.path() + QStringLiteral("/all.csv");
    QCOMPARE(
        Run({"export", "csv", "--workdir", m_work, "--from", "2000-01", "--to", "2030-12", "--output", csv}),
        0);
    const QString empty = m_tmp.path() + QStringLiteral("/roundtrip");
    QVERIFY(QDir().mkpath(empty));
    QCOMPARE(Run({"import", "csv", "--workdir", empty, csv}), 0);
    QVERIFY2(m_err.isEmpty(), qPrintable(m_err));
    const QList<DueRecord> original = DuesOf(m_work);
    const QList<DueRecord> imported = DuesOf(empty);
    QCOMPARE(original.size(), 6);
    QCOMPARE(imported.size(), original.size());
    for (qsizetype i = 0; i < original.size(); ++i)
        QVERIFY2(imported.at(i) == original.at(i), qPrintable(original.at(i).m_strTitle));
}

void TestCommandLine::importExitStatus_data()
{
    QTest::addColumn<QByteArray>("csv"); // empty: no file at all
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("added");
    QTest::addColumn<QString>("firstError");

    QTest::newRow("every line taken") << QByteArray("Title,Due Date,Amount\nA,2024-01-01,1\nB,2024-01-02,2\n")
                                      << QStringList{} << 0 << 2 << QString();
    QTest::newRow("some rejected")
        << QByteArray("Title,Due Date,Amount\nA,2024-01-01,1\nB,2024-01-32,2\nC,2024-01-03,x\n")
        << QStringList{} << 1 << 1 << QStringLiteral(".csv:3: rejected: the due date");
    QTest::newRow("required column missing") << QByteArray("Title,Amount\nA,1\n") << QStringList{} << 2 << 0
                                             << QStringLiteral("lacks the column(s) Due Date");
    QTest::newRow("no such file") << QByteArray() << QStringList{} << 2 << 0 << QStringLiteral("in.csv");
    QTest::newRow("two files") << QByteArray("Title,Due Date,Amount\n") << QStringList{"other.csv"} << 2 << 0
                               << QStringLiteral("import takes one file");
    QTest::newRow("unknown option") << QByteArray("Title,Due Date,Amount\n") << QStringList{"--month"} << 2
                                    << 0 << QStringLiteral("unknown option: --month");
}

void TestCommandLine::importExitStatus()
{
    QFETCH(QByteArray, csv);
    QFETCH(QStringList, extra);
    QFETCH(int, status);
    QFETCH(int, added);
    QFETCH(QString, firstError);
    const QString file = m_tmp.path() + QStringLiteral("/in.csv");
    QFile::remove(file);
    if (!csv.isEmpty())
        WriteFile(file, csv);
    const int before = DuesOf(m_work).size();
    const QStringList snapshot = Snapshot(m_work);
    QCOMPARE(Run(QStringList{"import", "csv", "--workdir", m_work, file} + extra), status);
    QCOMPARE(DuesOf(m_work).size(), before + added);
    if (status == 2)
        QCOMPARE(Snapshot(m_work), snapshot); // bad input writes nothing
    if (firstError.isEmpty())
        QVERIFY2(m_err.isEmpty(), qPrintable(m_err));
    else
        QVERIFY2(m_err.section(QLatin1Char('\n'), 0, 0).contains(firstError), qPrintable(m_err));
    if (status == 1)
        QCOMPARE(m_err.count(QLatin1Char('\n')), 2);
}

void TestCommandLine::icsOverARangeOfMonths_data()
{
    QTest::addColumn<QStringList>("range");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("events");
    QTest::newRow("one month") << QStringList{"--month", "2007-03"} << 0 << 5;
    QTest::newRow("March to April") << QStringList{"--from", "2007-03", "--to", "2007-04"} << 0 << 6;
    QTest::newRow("over a year end") << QStringList{"--from", "2006-12", "--to", "2007-03"} << 0 << 5;
    QTest::newRow("to before from") << QStringList{"--from", "2007-04", "--to", "2007-03"} << 2 << -1;
    QTest::newRow("from alone") << QStringList{"--from", "2007-04"} << 2 << -1;
    QTest::newRow("month with a range")
        << QStringList{"--month", "2007-03", "--from", "2007-03", "--to", "2007-04"} << 2 << -1;
}

void TestCommandLine::icsOverARangeOfMonths()
{
    QFETCH(QStringList, range);
    QFETCH(int, status);
    QFETCH(int, events);
    const QString out = m_tmp.path() + QStringLiteral("/range.ics");
    QFile::remove(out);
    QCOMPARE(Run(QStringList{"export", "ics", "--workdir", m_work, "--output", out} + range), status);
    QFile f(out);
    if (events < 0) {
        QVERIFY(!f.exists());
        QCOMPARE(m_err.count(QLatin1Char('\n')), 1);
        return;
    }
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(int(f.readAll().count("BEGIN:VEVENT")), events);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
