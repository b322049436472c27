#include "app/CommandLine.h"
#include "app/RegisterExports.h"
#include "export/HtmlTemplate.h"
#include "model/base/AppPaths.h"
#include "model/base/LocaleFormat.h"
#include "model/base/Version.h"
#include "model/store/CDueStore.h"
#include "model/store/DueFile.h"

#include "FolderSnapshot.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <sys/mount.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

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
    void unusableDataFolder_data();
    void unusableDataFolder();
    void exportNeverReplacesADataFile_data();
    void exportNeverReplacesADataFile();
    void exportWritesIntoAFifo();
    void exportOnAFullDiskKeepsTheOldFile_data();
    void exportOnAFullDiskKeepsTheOldFile();
    void skippedNamesStayOnOneLine();
    void hugeAmountShowsAsANumber();
    void pdfSaysOnceWhatNoFontHas();
    void helpAndVersion_data();
    void helpAndVersion();
    void usageShowsTheReadmeSynopses();
    void windowStarts_data();
    void windowStarts();
    void exportsElsewhereAreHandedOver_data();
    void exportsElsewhereAreHandedOver();
    void programWithoutDisplay_data();
    void programWithoutDisplay();
    void csvRoundTripGivesTheSameDues();
    void importExitStatus_data();
    void importExitStatus();
    void icsOverARangeOfMonths_data();
    void icsOverARangeOfMonths();

private:
    int Run(const QStringList& args);
    QString m_out, m_err;
    QString m_handedTo; // the program a hand-over names
    QTemporaryDir m_tmp;
    QString m_work;
};

void TestCommandLine::initTestCase()
{
    RegisterExports();
    RegisterOfficeExports();
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
    const CommandLine::Outcome outcome = CommandLine::Run(args, out, err);
    if (const auto* handOver = std::get_if<CommandLine::HandOver>(&outcome)) {
        m_handedTo = handOver->program;
        return -1;
    }
    m_handedTo.clear();
    return std::get<int>(outcome);
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
    QTest::newRow("repeated option") << QStringList{"list",    "--workdir", "@",      "--month",
                                                    "2007-03", "--month",   "2007-04"}
                                     << "option --month given twice";
    QTest::newRow("unknown export") << QStringList{"export",  "odt",     "--workdir", "@",
                                                   "--month", "2007-03", "--output",  "x"}
                                    << "unknown export format";
    QTest::newRow("export without format")
        << QStringList{"export", "--workdir", "@", "--month", "2007-03", "--output", "x"}
        << "export needs a format: csv|docx|html|ics|pdf|xlsx";
    QTest::newRow("two formats") << QStringList{"export",  "html",    "pdf",      "--workdir", "@",
                                                "--month", "2007-03", "--output", "x"}
                                 << "unexpected argument: pdf";
    QTest::newRow("export option on list")
        << QStringList{"list", "--workdir", "@", "--month", "2007-03", "--output", "x"}
        << "unknown option: --output";
    QTest::newRow("flag given a value")
        << QStringList{"export",  "html",     "--workdir", "@",           "--month",
                       "2007-03", "--output", "x",         "--no-notes=1"}
        << "--no-notes";
    QTest::newRow("list takes no argument")
        << QStringList{"list", "2007-03", "--workdir", "@", "--month", "2007-03"}
        << "unexpected argument: 2007-03";
    QTest::newRow("no output") << QStringList{"export", "html", "--workdir", "@", "--month", "2007-03"}
                               << "--output FILE is required";
    QTest::newRow("unknown window option") << QStringList{"--frobnicate"} << "unknown option: --frobnicate";
    QTest::newRow("single dash") << QStringList{"-x"} << "unknown option: -x";
    QTest::newRow("window option without value") << QStringList{"--workdir"} << "--workdir needs a value";
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << "unknown command: frobnicate";
    QTest::newRow("command after an option")
        << QStringList{"--workdir", "@", "list", "--month", "2007-03"} << "the command list comes first";
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
    QTest::addColumn<QString>("month");
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<bool>("withNotes");
    QTest::addColumn<int>("listed");
    QTest::newRow("notes unless asked") << "2007-03" << QStringList{} << true << 5;
    QTest::newRow("--no-notes") << "2007-03" << QStringList{"--no-notes"} << false << 5;
    QTest::newRow("filter applies") << "2007-03" << QStringList{"--filter", "paid"} << true << 2;
    QTest::newRow("an empty month is written too") << "2030-01" << QStringList{} << true << 0;
}

void TestCommandLine::exportHandsOverTheListedMonth()
{
    QFETCH(QString, month);
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
        Run(QStringList{"export", "rec", "--workdir", m_work, "--month", month, "--output", out} + extra), 0);
    QCOMPARE(calls.size(), 1);
    const ExportRequest& r = calls.first();
    QCOMPARE(r.withNotes, withNotes);
    QCOMPARE(r.outputPath, out);
    QCOMPARE(r.dues.size(), listed);
    // One notice, not an error, when the month has nothing to list.
    QCOMPARE(m_err.count(QLatin1Char('\n')), listed == 0 ? 1 : 0);
    if (listed == 0)
        QVERIFY2(m_err.contains(QStringLiteral("no dues in 2030-01")), qPrintable(m_err));
    // In the list's order: by due date.
    for (qsizetype i = 1; i < r.dues.size(); ++i)
        QVERIFY(!DueListLess(r.dues.at(i), r.dues.at(i - 1)));
}

void TestCommandLine::unusableDataFolder_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("a plain file") << "file"
                                  << "is not a folder";
    QTest::newRow("a loop of links") << "loop"
                                     << "cannot be used";
}

void TestCommandLine::unusableDataFolder()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    const QString data = m_work + QStringLiteral("/Tallyvane Files");
    QVERIFY(QDir(data).removeRecursively());
    if (kind == QLatin1String("file")) {
        QFile f(data);
        QVERIFY(f.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QFile::link(m_work + QStringLiteral("/other"), data));
        QVERIFY(QFile::link(data, m_work + QStringLiteral("/other")));
    }
    QCOMPARE(Run({"list", "--workdir", m_work, "--month", "2007-03"}), 2);
    QVERIFY(m_out.isEmpty());
    QVERIFY2(m_err.contains(message), qPrintable(m_err));
}

void TestCommandLine::exportNeverReplacesADataFile_data()
{
    QTest::addColumn<QString>("output");
    QTest::newRow("a due file") << "@/Tallyvane Files/duedate2007030209000010.due";
    QTest::newRow("the marker file") << "@/Tallyvane Files/preferences.alm";
    QTest::newRow("a new file in the data folder") << "@/Tallyvane Files/export.html";
    QTest::newRow("a link to a due file") << "@/link.html";
    QTest::newRow("a hard link to a due file") << "@/hard.html";
    QTest::newRow("the data folder itself") << "@/Tallyvane Files";
}

void TestCommandLine::exportNeverReplacesADataFile()
{
    QFETCH(QString, output);
    RegisterExports();
    const QString data = m_work + QStringLiteral("/Tallyvane Files");
    QFile marker(data + QStringLiteral("/preferences.alm"));
    QVERIFY(marker.open(QIODevice::WriteOnly));
    marker.write(QByteArray::fromHex("0100000001000000"));
    marker.close();
    const QString due = data + QStringLiteral("/duedate2007030209000010.due");
    QVERIFY(QFile::link(due, m_work + QStringLiteral("/link.html")));
    QVERIFY(::link(QFile::encodeName(due).constData(),
                   QFile::encodeName(m_work + "/hard.html").constData()) == 0);
    const QStringList before = Snapshot(m_work);
    output.replace(QLatin1Char('@'), m_work);
    QCOMPARE(Run({"export", "html", "--workdir", m_work, "--month", "2007-03", "--output", output}), 2);
    QVERIFY2(m_err.contains(QStringLiteral("never writes there")) ||
                 m_err.contains(QStringLiteral("is a folder")),
             qPrintable(m_err));
    QCOMPARE(m_err.count(QLatin1Char('\n')), 1);
    QCOMPARE(Snapshot(m_work), before);
}

void TestCommandLine::exportWritesIntoAFifo()
{
    RegisterExports();
    HtmlTemplate::SetTemplatesFolder(QStringLiteral(TALLYVANE_TEST_DATA "/../../templates"));
    const auto restore = qScopeGuard([] { HtmlTemplate::SetTemplatesFolder(QString()); });
    const QString fifo = m_tmp.path() + QStringLiteral("/pipe");
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QByteArray received;
    std::thread reader([&] {
        QFile f(fifo);
        if (f.open(QIODevice::ReadOnly))
            received = f.readAll();
    });
    const int status = Run({"export", "html", "--workdir", m_work, "--month", "2007-03", "--output", fifo});
    reader.join();
    QVERIFY2(status == 0, qPrintable(m_err));
    QVERIFY(received.contains("<html") || received.contains("<HTML"));
    QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile()); // still the FIFO
}

void TestCommandLine::exportOnAFullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("format");
    for (const char* format : {"html", "pdf", "csv", "ics", "xlsx", "docx"})
        QTest::newRow(format) << QString::fromLatin1(format);
}

// A real full file system: a small tmpfs, filled up (needs root, as CI has).
void TestCommandLine::exportOnAFullDiskKeepsTheOldFile()
{
    QFETCH(QString, format);
    const QString full = m_tmp.path() + QStringLiteral("/full-") + format;
    QVERIFY(QDir().mkpath(full));
    if (::geteuid() != 0 ||
        ::mount("tmpfs", QFile::encodeName(full).constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP("a small file system to fill could not be mounted (needs root)");
    const auto unmount = qScopeGuard([&] { ::umount2(QFile::encodeName(full).constData(), MNT_DETACH); });
    RegisterExports();
    RegisterOfficeExports();
    HtmlTemplate::SetTemplatesFolder(QStringLiteral(TALLYVANE_TEST_DATA "/../../templates"));
    // The spreadsheet's template, found as an installed program finds it.
    const QString share = m_tmp.path() + QStringLiteral("/share");
    QVERIFY(QDir().mkpath(share));
    (void)QFile::link(QStringLiteral(TALLYVANE_BIN_DIR "/Templates"), share + QStringLiteral("/Templates"));
    SetInstalledDataFolder(QDir(QCoreApplication::applicationDirPath()).relativeFilePath(share));
    const auto restore = qScopeGuard([] {
        HtmlTemplate::SetTemplatesFolder(QString());
        SetInstalledDataFolder(QString());
    });
    const QString old = full + QStringLiteral("/old.") + format;
    const QByteArray oldBytes("the export of last month\n");
    {
        QFile f(old);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(oldBytes);
        f.close();
        QFile filler(full + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
    }
    const int status = Run({"export", format, "--workdir", m_work, "--month", "2007-03", "--output", old});
    QVERIFY2(status != 0, qPrintable(m_err));
    // Said naming the file and the reason.
    QVERIFY2(m_err.contains(old) && m_err.contains(QStringLiteral("No space left on device")),
             qPrintable(m_err));
    QFile f(old);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), oldBytes);
    QCOMPARE(QDir(full).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"filler", QFileInfo(old).fileName()}));
}

void TestCommandLine::skippedNamesStayOnOneLine()
{
    QFile bad(m_work + QStringLiteral("/Tallyvane Files/two\nlines.due"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("x");
    bad.close();
    QCOMPARE(Run({"list", "--workdir", m_work, "--month", "2007-03"}), 0);
    QCOMPARE(m_err.count(QLatin1Char('\n')), 1);
    QVERIFY2(m_err.contains(QStringLiteral("two\\nlines.due")), qPrintable(m_err));
}

void TestCommandLine::hugeAmountShowsAsANumber()
{
    DueRecord r;
    r.m_strRecId = QStringLiteral("2007031000000010");
    r.m_strTitle = QStringLiteral("Huge");
    r.m_dtStart = r.m_dtDue = COleDateTime(2007, 3, 10, 0, 0, 0);
    r.m_dAmount = 1e300;
    QFile f(m_work + QStringLiteral("/Tallyvane Files/duedate2007031000000010.due"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(DueFile::Serialize(r));
    f.close();
    QCOMPARE(Run({"list", "--workdir", m_work, "--month", "2007-03"}), 0);
    QVERIFY2(m_out.contains(QStringLiteral("\tHuge\t")) && m_out.contains(QStringLiteral("$1.00E+300\t")),
             qPrintable(m_out));
}

// The PDF is written with a replacement mark, exit status 0, and stderr says
// once which characters no installed font has, however often they occur.
void TestCommandLine::pdfSaysOnceWhatNoFontHas()
{
    DueRecord r;
    r.m_strRecId = QStringLiteral("2007031000000010");
    r.m_strTitle = QStringLiteral("Rent \uE000");
    r.m_strNotes = QStringLiteral("\uE000 and \uE000");
    r.m_dtStart = r.m_dtDue = COleDateTime(2007, 3, 10, 0, 0, 0);
    r.m_dAmount = 12;
    QFile f(m_work + QStringLiteral("/Tallyvane Files/duedate2007031000000010.due"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(DueFile::Serialize(r));
    f.close();
    RegisterExports();
    const QString pdf = m_tmp.path() + QStringLiteral("/marks.pdf");
    QCOMPARE(Run({"export", "pdf", "--workdir", m_work, "--month", "2007-03", "--output", pdf}), 0);
    QVERIFY(QFileInfo(pdf).isFile());
    QCOMPARE(m_err.count(QLatin1Char('\n')), 1);
    QVERIFY2(m_err.startsWith(QStringLiteral("tallyvane: ")) && m_err.contains(pdf) &&
                 m_err.contains(QStringLiteral("U+E000")),
             qPrintable(m_err));
}

void TestCommandLine::helpAndVersion_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("begins");
    const QString usage = QStringLiteral("Usage: tallyvane [--workdir DIR] [--tray]\n");
    QTest::newRow("--help") << QStringList{"--help"} << usage;
    QTest::newRow("-h") << QStringList{"-h"} << usage;
    // Help is given even where the rest of the line is wrong.
    QTest::newRow("help after an unknown option") << QStringList{"--frobnicate", "--help"} << usage;
    QTest::newRow("help after a window option") << QStringList{"--workdir", "/no/such", "--help"} << usage;
    QTest::newRow("--version") << QStringList{"--version"}
                               << QStringLiteral("tallyvane " TALLYVANE_VERSION "\n");
    QTest::newRow("-v") << QStringList{"-v"} << QStringLiteral("tallyvane " TALLYVANE_VERSION "\n");
    QTest::newRow("list --help") << QStringList{"list", "--help"}
                                 << QStringLiteral("Usage: tallyvane list --workdir DIR --month YYYY-MM");
    QTest::newRow("export -h with other options")
        << QStringList{"export", "--month", "bad", "-h"} << QStringLiteral("Usage: tallyvane export FORMAT");
}

void TestCommandLine::helpAndVersion()
{
    QFETCH(QStringList, args);
    QFETCH(QString, begins);
    const QStringList before = Snapshot(m_work);
    QCOMPARE(Run(args), 0);
    QVERIFY2(m_out.startsWith(begins), qPrintable(m_out));
    QVERIFY2(m_err.isEmpty(), qPrintable(m_err));
    QCOMPARE(Snapshot(m_work), before);
}

// The README's synopses are the usage's: a new option or command shows in
// both or the test says which one lags.
void TestCommandLine::usageShowsTheReadmeSynopses()
{
    QFile readme(QStringLiteral(TALLYVANE_TEST_DATA "/../../README.md"));
    QVERIFY(readme.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList synopses;
    for (const QByteArray& line : readme.readAll().split('\n')) {
        // "    tallyvane COMMAND ...": the window's line starts with an option.
        if (line.startsWith("    tallyvane ") && !line.startsWith("    tallyvane -"))
            synopses << QString::fromUtf8(line.trimmed());
    }
    const QString usage = CommandLine::Usage();
    QStringList commandsInReadme;
    for (const QString& synopsis : synopses) {
        QVERIFY2(usage.contains(QStringLiteral("  ") + synopsis + QLatin1Char('\n')), qPrintable(synopsis));
        commandsInReadme << synopsis.section(QLatin1Char(' '), 1, 1);
    }
    for (const CommandLine::Command& command : CommandLine::Commands()) {
        QVERIFY2(commandsInReadme.contains(command.name), qPrintable(command.name));
        QVERIFY(CommandLine::CommandUsage(command).startsWith(QStringLiteral("Usage: tallyvane ") +
                                                              command.name));
    }
}

void TestCommandLine::windowStarts_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("nothing") << QStringList{};
    // The window program checks the folder; the launcher only the spelling.
    QTest::newRow("--workdir") << QStringList{"--workdir", "/no/such/folder"};
    QTest::newRow("--workdir=") << QStringList{"--workdir=/no/such/folder"};
    QTest::newRow("-workdir") << QStringList{"-workdir", "/no/such/folder"};
}

void TestCommandLine::windowStarts()
{
    QFETCH(QStringList, args);
    QCOMPARE(Run(args), -1);
    QCOMPARE(m_handedTo, QStringLiteral("tallyvane-gui"));
    QVERIFY(m_out.isEmpty());
    QVERIFY(m_err.isEmpty());
}

// An export run by another program is handed over once the line is known to
// be good; a bad month is still said here.
void TestCommandLine::exportsElsewhereAreHandedOver_data()
{
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("status");
    QTest::newRow("good line") << "2007-03" << -1;
    QTest::newRow("bad month") << "2007-13" << 2;
}

void TestCommandLine::exportsElsewhereAreHandedOver()
{
    QFETCH(QString, month);
    QFETCH(int, status);
    auto& elsewhere = CommandLine::ExportsElsewhere();
    elsewhere.insert(QStringLiteral("far"), QStringLiteral("far-program"));
    const auto restore = qScopeGuard([&] { elsewhere.remove(QStringLiteral("far")); });
    const QStringList before = Snapshot(m_work);
    QCOMPARE(Run({"export", "far", "--workdir", m_work, "--month", month, "--output", m_tmp.path() + "/x"}),
             status);
    QCOMPARE(m_handedTo, status == -1 ? QStringLiteral("far-program") : QString());
    QVERIFY(m_out.isEmpty());
    QCOMPARE(m_err.isEmpty(), status == -1);
    QCOMPARE(Snapshot(m_work), before); // the other program loads the folder
}

void TestCommandLine::programWithoutDisplay_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("--help") << QStringList{"--help"} << 0 << "Usage: tallyvane"
                            << "";
    QTest::newRow("--version") << QStringList{"--version"} << 0 << "tallyvane " TALLYVANE_VERSION "\n"
                               << "";
    QTest::newRow("list") << QStringList{"list", "--workdir", "@", "--month", "2007-03"} << 0
                          << "2007030209000010\t"
                          << "";
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << ""
                                    << "tallyvane: unknown option: --frobnicate\n";
    // Handed to the office program, which finds the template and writes.
    QTest::newRow("export xlsx") << QStringList{"export",  "xlsx",    "--workdir", "@",
                                                "--month", "2007-03", "--output",  "@/out.xlsx"}
                                 << 0 << ""
                                 << "";
    // Handed to the window program, which refuses it before it needs a display.
    QTest::newRow("window on a missing folder")
        << QStringList{"--workdir", "/no/such/folder"} << 2 << ""
        << "tallyvane: working directory not found: /no/such/folder\n";
}

void TestCommandLine::programWithoutDisplay()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    args.replaceInStrings(QStringLiteral("@"), m_work);
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TALLYVANE_BIN_DIR "/tallyvane"), args);
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
    const QString said = QString::fromLocal8Bit(process.readAllStandardOutput());
    QVERIFY2(out.isEmpty() ? said.isEmpty() : said.startsWith(out), qPrintable(said));
    QCOMPARE(QString::fromLocal8Bit(process.readAllStandardError()), err);
    if (args.contains(m_work + QStringLiteral("/out.xlsx"))) {
        QFile written(m_work + QStringLiteral("/out.xlsx"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.read(2), QByteArray("PK"));
    }
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
    // Files as a spreadsheet saves them: semicolons, Windows-1252, the amount in a comma-decimal locale.
    QTest::newRow("semicolons in Windows-1252")
        << QByteArray("Title;Due Date;Amount\nCaf\xE9;05.06.25 14:30;\x80 1.234,50\nTea;06/03/2025;(2.50)\n")
        << QStringList{} << 0 << 2 << QStringLiteral("in.csv: not UTF-8: taken as Windows-1252 text");
    QTest::newRow("more fields than the header")
        << QByteArray("Title,Due Date,Amount\nA,2024-01-01,1\nB,2024-01-02,2,x\nC,2024-01-03,3,,\n")
        << QStringList{} << 1 << 1 << QStringLiteral(".csv:3: rejected: 4 fields where the header has 3");
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
