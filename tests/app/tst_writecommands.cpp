#include "app/CommandLine.h"
#include "app/WriteCommands.h"
#include "model/base/Clock.h"
#include "model/store/CDueStore.h"
#include "model/store/DueFile.h"
#include "model/store/FolderLock.h"
#include "model/store/SaveFile.h"

#include "FolderSnapshot.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <sys/mount.h>
#include <thread>
#include <unistd.h>

namespace {

QStringList DueFiles(const QString& work)
{
    return QDir(work + QStringLiteral("/Tallyvane Files")).entryList({QStringLiteral("*.due")}, QDir::Files);
}

} // namespace

class TestWriteCommands : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void badInput_data();
    void badInput();
    void roundTripOfAMonthlySeries();
    void addSeries_data();
    void addSeries();
    void addSingleKeepsEveryField();
    void upcomingAcrossTheYear();
    void listJsonMatchesText();
    void deleteOneMemberOnly();
    void help();
    void writesWaitForTheFolderWindow();
    void upcomingRefusesAFolderItCannotUse();
    void theDataFolderNamesItsParent_data();
    void theDataFolderNamesItsParent();
    void sweptLeftoversAreSaidOnce();
    void changeMadeElsewhereIsNotOverwritten();
    void nearlyFullDiskKeepsNothingHalf_data();
    void nearlyFullDiskKeepsNothingHalf();

private:
    int Run(const QStringList& args);
    QStringList OutLines() const { return m_out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
    QString m_out, m_err;
    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_work;
};

void TestWriteCommands::init()
{
    QStandardPaths::setTestModeEnabled(true); // what delete remembers stays out of the user's state
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Clock::SetFixed(QDateTime(QDate(2024, 12, 30), QTime(10, 0)));
    theDueStore.m_nSeriesCounter = 0;
    m_tmp = std::make_unique<QTemporaryDir>();
    m_work = m_tmp->path();
}

int TestWriteCommands::Run(const QStringList& args)
{
    m_out.clear();
    m_err.clear();
    QTextStream out(&m_out), err(&m_err);
    const CommandLine::Outcome outcome = CommandLine::Run(args, out, err);
    return std::holds_alternative<int>(outcome) ? std::get<int>(outcome) : -1;
}

void TestWriteCommands::badInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    const QString w = QStringLiteral("--workdir");
    const QStringList add{QStringLiteral("add"), w, QStringLiteral("@"), QStringLiteral("--title"),
                          QStringLiteral("Rent")};
    auto with = [&](const QStringList& more) { return add + more; };
    QTest::newRow("add without due") << add << "--due";
    QTest::newRow("add bad due") << with({"--due", "2024-02-30"}) << "--due";
    QTest::newRow("add blank title") << QStringList{"add", w, "@", "--title", "  ", "--due", "2025-01-01"}
                                     << "--title";
    QTest::newRow("add start after due")
        << with({"--due", "2025-01-01", "--start", "2025-01-02"}) << "--start";
    QTest::newRow("add comma amount") << with({"--due", "2025-01-01", "--amount", "12,50"}) << "amount";
    QTest::newRow("add negative amount") << with({"--due", "2025-01-01", "--amount", "-1"}) << "amount";
    QTest::newRow("add huge amount") << with({"--due", "2025-01-01", "--amount", "1e30"}) << "amount";
    QTest::newRow("add bad type") << with({"--due", "2025-01-01", "--type", "other"}) << "type";
    QTest::newRow("add repeat without end")
        << with({"--due", "2025-01-01", "--repeat", "monthly", "--every", "1"}) << "--count";
    QTest::newRow("add count and until") << with({"--due", "2025-01-01", "--repeat", "daily", "--every", "1",
                                                  "--count", "2", "--until", "2025-02-01"})
                                         << "--count";
    QTest::newRow("add every zero") << with({"--due", "2025-01-01", "--repeat", "daily", "--every", "0",
                                             "--count", "2"})
                                    << "--every";
    QTest::newRow("add yearly every 2")
        << with({"--due", "2025-01-01", "--repeat", "yearly", "--every", "2", "--count", "2"}) << "yearly";
    QTest::newRow("add bad weekday") << with({"--due", "2025-01-01", "--repeat", "weekly", "--every", "1",
                                              "--count", "2", "--weekdays", "mon,xyz"})
                                     << "xyz";
    QTest::newRow("add weekdays not weekly") << with({"--due", "2025-01-01", "--repeat", "daily", "--every",
                                                      "1", "--count", "2", "--weekdays", "mon"})
                                             << "--weekdays";
    QTest::newRow("add until before start")
        << with({"--due", "2025-01-01", "--repeat", "daily", "--every", "1", "--until", "2024-12-01"})
        << "--until";
    QTest::newRow("add too many") << with({"--due", "2025-01-01", "--repeat", "daily", "--every", "1",
                                           "--count", "100001"})
                                  << "--count";
    QTest::newRow("add option twice") << with({"--due", "2025-01-01", "--due", "2025-01-02"}) << "twice";
    QTest::newRow("add unknown option") << with({"--due", "2025-01-01", "--colour", "red"}) << "--colour";
    QTest::newRow("add missing folder")
        << QStringList{"add", w, "/nonexistent/x", "--title", "T", "--due", "2025-01-01"} << "not found";
    QTest::newRow("paid nothing") << QStringList{"paid", w, "@"} << "identifier";
    QTest::newRow("paid unknown id") << QStringList{"paid", w, "@", "@ID", "12345"} << "12345";
    QTest::newRow("delete two") << QStringList{"delete", w, "@", "@ID", "@ID"} << "exactly one";
    QTest::newRow("delete series of single") << QStringList{"delete", w, "@", "@ID", "--series"} << "series";
    QTest::newRow("delete without workdir") << QStringList{"delete", "@ID"} << "--workdir";
    QTest::newRow("upcoming bad days") << QStringList{"upcoming", w, "@", "--days", "-1"} << "--days";
    QTest::newRow("upcoming bad format") << QStringList{"upcoming", w, "@", "--format", "xml"} << "xml";
    QTest::newRow("list bad format") << QStringList{"list", w, "@", "--month", "2025-01", "--format", "csv"}
                                     << "csv";
    QTest::newRow("export takes no format")
        << QStringList{"export", "html", w, "@", "--month", "2025-01", "--output", "x", "--format", "json"}
        << "--format";
}

void TestWriteCommands::badInput()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    // One due to refer to; "@" is the folder, "@ID" its identifier.
    QCOMPARE(Run({"add", "--workdir", m_work, "--title", "Rent", "--due", "2025-01-05"}), 0);
    const QString id = m_out.trimmed();
    for (QString& a : args)
        a = a == QLatin1String("@") ? m_work : a == QLatin1String("@ID") ? id : a;
    const QStringList before = Snapshot(m_work);
    QCOMPARE(Run(args), 2);
    QVERIFY2(m_err.count(QLatin1Char('\n')) == 1 && m_err.startsWith(QStringLiteral("tallyvane: ")),
             qPrintable(m_err));
    QVERIFY2(m_err.contains(message), qPrintable(m_err));
    QVERIFY(m_out.isEmpty());
    QCOMPARE(Snapshot(m_work), before);
}

void TestWriteCommands::roundTripOfAMonthlySeries()
{
    QCOMPARE(Run({"add", "--workdir", m_work, "--title", "Gym", "--due", "2025-01-31T08:30", "--amount", "30",
                  "--repeat", "monthly", "--every", "1", "--count", "12"}),
             0);
    const QStringList ids = OutLines();
    QCOMPARE(ids.size(), 12);
    QCOMPARE(DueFiles(m_work).size(), 12);

    // Every month of 2025 lists one; February's falls on its last day.
    QStringList listed;
    for (int month = 1; month <= 12; ++month) {
        QCOMPARE(Run({"list", "--workdir", m_work, "--month",
                      QStringLiteral("2025-%1").arg(month, 2, 10, QLatin1Char('0'))}),
                 0);
        const QStringList lines = OutLines();
        QCOMPARE(lines.size(), 4); // one due and three sums
        listed << lines.first().section(QLatin1Char('\t'), 0, 0);
    }
    QCOMPARE(QSet<QString>(listed.begin(), listed.end()), QSet<QString>(ids.begin(), ids.end()));

    QCOMPARE(Run({"paid", "--workdir", m_work, ids.at(3)}), 0);
    QCOMPARE(OutLines(), QStringList{ids.at(3)});
    QCOMPARE(Run({"list", "--workdir", m_work, "--month", "2025-04", "--filter", "paid"}), 0);
    QVERIFY(m_out.startsWith(ids.at(3) + QLatin1Char('\t')));
    QCOMPARE(Run({"list", "--workdir", m_work, "--month", "2025-05", "--filter", "paid"}), 0);
    QCOMPARE(OutLines().size(), 3);

    QCOMPARE(Run({"delete", "--workdir", m_work, ids.at(5), "--series"}), 0);
    QCOMPARE(OutLines().size(), 12);
    QCOMPARE(DueFiles(m_work), QStringList());
}

void TestWriteCommands::addSeries_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("dues");
    QTest::newRow("weekly on two days")
        << QStringList{"--repeat", "weekly", "--every", "1", "--weekdays", "mon,wed", "--count", "4"}
        << QStringList{"2025-01-01T09:00:00", "2025-01-06T09:00:00", "2025-01-08T09:00:00",
                       "2025-01-13T09:00:00"};
    QTest::newRow("daily until, inclusive")
        << QStringList{"--repeat", "daily", "--every", "2", "--until", "2025-01-05"}
        << QStringList{"2025-01-01T09:00:00", "2025-01-03T09:00:00", "2025-01-05T09:00:00"};
    QTest::newRow("yearly") << QStringList{"--repeat", "yearly", "--every", "1", "--count", "2"}
                            << QStringList{"2025-01-01T09:00:00", "2026-01-01T09:00:00"};
    QTest::newRow("start keeps its gap, February short")
        << QStringList{"--start", "2024-12-29T09:00", "--repeat", "monthly", "--every", "2", "--count", "2"}
        << QStringList{"2025-01-01T09:00:00", "2025-03-03T09:00:00"}; // 28 February + 3 days
}

void TestWriteCommands::addSeries()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, dues);
    QCOMPARE(
        Run(QStringList{"add", "--workdir", m_work, "--title", "T", "--due", "2025-01-01T09:00", "--paid"} +
            options),
        0);
    QCOMPARE(Run({"upcoming", "--workdir", m_work, "--days", "500", "--format", "json"}), 0);
    QJsonParseError error;
    const QJsonArray array = QJsonDocument::fromJson(m_out.toUtf8(), &error).array();
    QCOMPARE(error.error, QJsonParseError::NoError);
    // The first member carries the paid flag, so upcoming leaves it out.
    QStringList got;
    QString series;
    for (const QJsonValue& v : array) {
        got << v[QStringLiteral("due")].toString();
        series = v[QStringLiteral("series")].toString();
    }
    QCOMPARE(got, dues.mid(1));
    QVERIFY(!series.isEmpty());
    QCOMPARE(DueFiles(m_work).size(), dues.size());
}

void TestWriteCommands::addSingleKeepsEveryField()
{
    QCOMPARE(Run({"add", "--workdir", m_work, "--title", "Tax \u00e9\u20ac", "--due", "2025-01-10T17:45",
                  "--start", "2025-01-01", "--payto", "Town", "--account", "ACC-1", "--amount", "1234.5",
                  "--type", "personal", "--notes", "line one\nline two"}),
             0);
    const QString id = m_out.trimmed();
    QCOMPARE(Run({"list", "--workdir", m_work, "--month", "2025-01", "--format", "json"}), 0);
    const QJsonArray array = QJsonDocument::fromJson(m_out.toUtf8()).array();
    QCOMPARE(array.size(), 1);
    const QJsonObject o = array.first().toObject();
    QCOMPARE(o[QStringLiteral("id")].toString(), id);
    QCOMPARE(o[QStringLiteral("title")].toString(), QStringLiteral("Tax \u00e9\u20ac"));
    QCOMPARE(o[QStringLiteral("start")].toString(), QStringLiteral("2025-01-01T00:00:00"));
    QCOMPARE(o[QStringLiteral("due")].toString(), QStringLiteral("2025-01-10T17:45:00"));
    QCOMPARE(o[QStringLiteral("payTo")].toString(), QStringLiteral("Town"));
    QCOMPARE(o[QStringLiteral("account")].toString(), QStringLiteral("ACC-1"));
    QVERIFY(o[QStringLiteral("amount")].isDouble());
    QCOMPARE(o[QStringLiteral("amount")].toDouble(), 1234.5);
    QCOMPARE(o[QStringLiteral("type")].toString(), QStringLiteral("personal"));
    QCOMPARE(o[QStringLiteral("paid")].toBool(), false);
    QCOMPARE(o[QStringLiteral("notes")].toString(), QStringLiteral("line one\r\nline two"));
    QVERIFY(o[QStringLiteral("series")].isNull());
}

void TestWriteCommands::upcomingAcrossTheYear()
{
    // Today is 30 December 2024 at 10:00.
    for (const auto& [title, due] : {std::pair{"late", "2024-11-30"}, std::pair{"today", "2024-12-30T23:00"},
                                     std::pair{"newyear", "2025-01-02"}, std::pair{"later", "2025-01-20"}})
        QCOMPARE(Run({"add", "--workdir", m_work, "--title", title, "--due", due, "--amount", "10"}), 0);
    QCOMPARE(Run({"add", "--workdir", m_work, "--title", "paid", "--due", "2024-12-31", "--paid"}), 0);
    QCOMPARE(Run({"upcoming", "--workdir", m_work, "--days", "3"}), 0);
    const QStringList lines = OutLines();
    QCOMPARE(lines.size(), 6);
    QStringList titles;
    for (int i = 0; i < 3; ++i)
        titles << lines.at(i).section(QLatin1Char('\t'), 2, 2);
    QCOMPARE(titles, (QStringList{"late", "today", "newyear"}));
    QCOMPARE(lines.at(3), QStringLiteral("Overdue: $10.00"));
    QCOMPARE(lines.at(4), QStringLiteral("Next 7 days: $20.00"));
    QCOMPARE(lines.at(5), QStringLiteral("Next 30 days: $30.00"));
}

void TestWriteCommands::listJsonMatchesText()
{
    QCOMPARE(Run({"add", "--workdir", m_work, "--title", "a\tb", "--due", "2025-01-03", "--amount", "5"}), 0);
    QCOMPARE(Run({"list", "--workdir", m_work, "--month", "2025-01"}), 0);
    const QString listLine = OutLines().first();
    QCOMPARE(Run({"upcoming", "--workdir", m_work}), 0);
    QCOMPARE(OutLines().first(), listLine); // upcoming prints list's lines
    QCOMPARE(Run({"list", "--workdir", m_work, "--month", "2025-01", "--format", "json"}), 0);
    const QJsonObject o = QJsonDocument::fromJson(m_out.toUtf8()).array().first().toObject();
    QCOMPARE(o[QStringLiteral("title")].toString(), QStringLiteral("a\tb"));
    QCOMPARE(o[QStringLiteral("id")].toString(), listLine.section(QLatin1Char('\t'), 0, 0));
}

void TestWriteCommands::deleteOneMemberOnly()
{
    QCOMPARE(Run({"add", "--workdir", m_work, "--title", "W", "--due", "2025-01-01", "--repeat", "weekly",
                  "--every", "1", "--count", "3"}),
             0);
    const QStringList ids = OutLines();
    QCOMPARE(Run({"paid", "--workdir", m_work, ids.at(1), ids.at(2)}), 0);
    QCOMPARE(Run({"paid", "--workdir", m_work, ids.at(1), "--unpaid"}), 0);
    QCOMPARE(OutLines(), QStringList{ids.at(1)});
    QCOMPARE(Run({"delete", "--workdir", m_work, ids.at(1)}), 0);
    QCOMPARE(OutLines(), QStringList{ids.at(1)});
    QCOMPARE(DueFiles(m_work).size(), 2);
    QCOMPARE(Run({"upcoming", "--workdir", m_work, "--days", "30", "--format", "json"}), 0);
    QCOMPARE(QJsonDocument::fromJson(m_out.toUtf8()).array().size(), 1); // the first; the third is paid
}

void TestWriteCommands::help()
{
    for (const char* word : {"help", "--help"}) {
        QCOMPARE(Run({QString::fromLatin1(word)}), 0);
        for (const char* command : {"list", "export", "upcoming", "add", "paid", "delete", "--tray"})
            QVERIFY2(m_out.contains(QString::fromLatin1(command)), command);
    }
    // Each command's own help names its options, asked either way.
    for (const QStringList& args : {QStringList{"add", "--help"}, QStringList{"help", "add"}}) {
        QCOMPARE(Run(args), 0);
        for (const char* option : {"--title", "--due", "--repeat", "--count", "--until", "--weekdays"})
            QVERIFY2(m_out.contains(QString::fromLatin1(option)), option);
    }
    QCOMPARE(Run({"help", "frobnicate"}), 2);
    QVERIFY2(m_err.contains(QStringLiteral("unknown command")), qPrintable(m_err));
}

void TestWriteCommands::writesWaitForTheFolderWindow()
{
    // Another writer commits into the folder (it holds the writers' lock for
    // a moment): a writing command waits for it, then goes through.
    QTemporaryDir other;
    const DataFolder folder(other.path());
    QVERIFY(folder.Create());
    QString why;
    std::unique_ptr<FolderLock> busy = FolderLock::Acquire(folder.Path(), 0, &why);
    QVERIFY2(busy, qPrintable(why));
    std::thread release([&busy] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        busy.reset();
    });
    QElapsedTimer waited;
    waited.start();
    QCOMPARE(Run({"add", "--workdir", other.path(), "--title", "Rent", "--due", "2025-01-05"}), 0);
    release.join();
    QVERIFY(waited.elapsed() >= 250);
    QCOMPARE(OutLines().size(), 1);
    QCOMPARE(m_err, QString());
    QVERIFY(QFile::exists(folder.DueFilePath(OutLines().first())));
}

void TestWriteCommands::upcomingRefusesAFolderItCannotUse()
{
    // A data folder that is a plain file is not a folder without dues.
    QTemporaryDir other;
    QFile plain(other.path() + QStringLiteral("/Tallyvane Files"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QCOMPARE(Run({"upcoming", "--workdir", other.path()}), 2);
    QVERIFY2(m_err.contains(QStringLiteral("is not a folder")), qPrintable(m_err));
    QVERIFY(m_out.isEmpty());
}

void TestWriteCommands::theDataFolderNamesItsParent_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::newRow("add") << QStringList{"add", "--title", "Water", "--due", "2025-01-03", "--amount", "7"};
    QTest::newRow("upcoming") << QStringList{"upcoming"};
    QTest::newRow("list") << QStringList{"list", "--month", "2025-01"};
}

// --workdir naming the data folder itself means its parent, for every
// command as for the window: never a folder nested inside it.
void TestWriteCommands::theDataFolderNamesItsParent()
{
    QFETCH(QStringList, command);
    QCOMPARE(Run({"add", "--workdir", m_work, "--title", "Rent", "--due", "2025-01-02", "--amount", "950"}),
             0);
    const QString data = m_work + QStringLiteral("/Tallyvane Files");
    QCOMPARE(Run(command + QStringList{"--workdir", data}), 0);
    QVERIFY2(m_out.contains(QStringLiteral("Rent")) || command.first() == QLatin1String("add"),
             qPrintable(m_out));
    QVERIFY(!QFileInfo::exists(data + QStringLiteral("/Tallyvane Files")));
    QCOMPARE(DueFiles(m_work).size(), command.first() == QLatin1String("add") ? 2 : 1);
}

void TestWriteCommands::sweptLeftoversAreSaidOnce()
{
    QCOMPARE(Run({"add", "--workdir", m_work, "--title", "Rent", "--due", "2025-01-02", "--amount", "950"}),
             0);
    const QString data = m_work + QStringLiteral("/Tallyvane Files");
    const QString pending = data + QStringLiteral("/duedate2007010100000101.due.") + SaveFile::HostTag() +
                            QStringLiteral(".pending");
    QFile left(pending);
    QVERIFY(left.open(QIODevice::WriteOnly));
    left.write("part of a series");
    left.close();
    const QStringList add{"add",   "--workdir",  m_work,     "--title", "Gas",
                          "--due", "2025-01-05", "--amount", "40"};
    QCOMPARE(Run(add), 0);
    QVERIFY(!QFileInfo::exists(pending));
    QCOMPARE(m_err.count(QStringLiteral("leftover")), 1);
    QVERIFY2(m_err.contains(QStringLiteral("removed a leftover file of an earlier save that was interrupted: "
                                           "duedate2007010100000101.due.")),
             qPrintable(m_err));
    QCOMPARE(Run(add), 0);
    QVERIFY2(m_err.isEmpty(), qPrintable(m_err));
}

void TestWriteCommands::changeMadeElsewhereIsNotOverwritten()
{
    // The command read the due, then another program changed its file: the
    // command refuses with its own status and one line naming the file.
    QCOMPARE(Run({"add", "--workdir", m_work, "--title", "Rent", "--due", "2025-01-05"}), 0);
    const QString id = OutLines().first();
    const QString path = m_work + QStringLiteral("/Tallyvane Files/duedate") + id + QStringLiteral(".due");
    QString ignored;
    QTextStream quiet(&ignored);
    QVERIFY(CommandLine::OpenFolderForWriting(m_work, quiet));
    DueRecord theirs = theDueStore.GetDue(id);
    theirs.m_strTitle = QStringLiteral("Rant");
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.write(DueFile::Serialize(theirs));
    }
    const QStringList before = Snapshot(m_work);
    QString err;
    QTextStream errStream(&err);
    QVERIFY(!theDueStore.RemoveDue(id, true));
    QCOMPARE(WriteCommands::ReportErrors(errStream), WriteCommands::kExitChangedElsewhere);
    QCOMPARE(err.count(QLatin1Char('\n')), 1);
    QVERIFY2(err.contains(QDir::toNativeSeparators(path)), qPrintable(err));
    QCOMPARE(Snapshot(m_work), before);
}

void TestWriteCommands::nearlyFullDiskKeepsNothingHalf_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("spareKiB"); // room left on the disk
    QTest::newRow("add a series") << QStringList{"add",        "--title",  "Gym",    "--due",
                                                 "2025-01-05", "--repeat", "weekly", "--every",
                                                 "1",          "--count",  "60"}
                                  << 24;
    QTest::newRow("import") << QStringList{"import", "csv", "IMPORT"} << 24;
    QTest::newRow("mark paid") << QStringList{"paid", "FIRST"} << 0;
    QTest::newRow("delete a series") << QStringList{"delete", "--series", "FIRST"} << 0;
}

// A real file system with little room: a small tmpfs (needs root, as CI has).
// Every writing command ends whole or not at all, prints no identifier of a
// due it did not write and says why once.
void TestWriteCommands::nearlyFullDiskKeepsNothingHalf()
{
    QFETCH(QStringList, args);
    QFETCH(int, spareKiB);
    const QString disk = m_tmp->path() + QStringLiteral("/disk");
    QVERIFY(QDir().mkpath(disk));
    if (::geteuid() != 0 ||
        ::mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=512k") != 0)
        QSKIP("a small file system to fill could not be mounted (needs root)");
    const auto unmount = qScopeGuard([&] { ::umount2(QFile::encodeName(disk).constData(), MNT_DETACH); });
    const QString work = disk + QStringLiteral("/work");
    QVERIFY(QDir().mkpath(work));
    QVERIFY2(Run({"add", "--workdir", work, "--title", "Rent", "--due", "2025-01-01", "--repeat", "monthly",
                  "--every", "1", "--count", "3"}) == 0,
             qPrintable(m_err));
    const QString first = OutLines().first();
    const QString csv = m_tmp->path() + QStringLiteral("/in.csv");
    {
        QFile f(csv);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Title,Due Date,Amount\n");
        for (int i = 0; i < 60; ++i)
            f.write("Line " + QByteArray::number(i) + ",2025-02-01," + QByteArray::number(i) + "\n");
    }
    {
        // Fill the disk up to spareKiB.
        QFile filler(disk + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(1024, 'x');
        while (filler.write(block) == block.size()) {
        }
        filler.resize(std::max<qint64>(0, filler.size() - qint64(spareKiB) * 1024));
    }
    const QStringList before = Snapshot(work);
    QStringList call = args;
    call.replaceInStrings(QStringLiteral("IMPORT"), csv);
    call.replaceInStrings(QStringLiteral("FIRST"), first);
    call << QStringLiteral("--workdir") << work;
    const int status = Run(call);
    QVERIFY2(status == 2, qPrintable(call.join(QLatin1Char(' ')) + QLatin1Char('\n') + m_err));
    // No identifier of a due that was not written; counts are counts written.
    for (const QString& line : OutLines())
        QVERIFY2(!QRegularExpression(QStringLiteral("^\\d{16}$")).match(line).hasMatch(), qPrintable(m_out));
    if (args.first() == QLatin1String("import"))
        QVERIFY2(m_out.contains(QStringLiteral("imported 0 ")), qPrintable(m_out));
    QVERIFY2(m_err.contains(QStringLiteral("No space left on device")), qPrintable(m_err));
    QCOMPARE(m_err.count(QStringLiteral("No space left")), 1);
    QCOMPARE(Snapshot(work), before); // nothing half kept, nothing left behind
}

QTEST_GUILESS_MAIN(TestWriteCommands)
#include "tst_writecommands.moc"
