#include "app/CommandLine.h"
#include "export/CHtmlExport.h"
#include "export/HtmlTemplate.h"
#include "model/base/Clock.h"
#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"
#include "platform/ShellOpen.h"
#include "ui/dialogs/Prompt.h"
#include "ui/export/HtmlExportCommand.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <algorithm>

namespace {

DueRecord Due(const QString& title, int day, bool paid, const QString& notes)
{
    DueRecord r;
    r.m_strTitle = title;
    r.m_dtStart = COleDateTime(2007, 2, day, 0, 0, 0);
    r.m_dtDue = COleDateTime(2007, 3, day, 0, 0, 0);
    r.m_strPayTo = QStringLiteral("Payee <") + title + QStringLiteral(">");
    r.m_strAccount = QStringLiteral("Bank");
    r.m_dAmount = day * 10.5;
    r.m_strNotes = notes;
    r.m_bPaid = paid ? 1 : 0;
    return r;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TestHtmlExportCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void menuAndCommandLineWriteTheSameBytes_data();
    void menuAndCommandLineWriteTheSameBytes();
    void nothingHappensWithoutAFile_data();
    void nothingHappensWithoutAFile();
    void defaultExtensionAsksBeforeReplacing();
    void unreadableTemplateIsReported();

private:
    // The month list as the main window shows it for a filter.
    ExportRequest MenuRequest(int filter, bool withNotes) const;
    QString Out(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QStringList m_opened;
};

void TestHtmlExportCommand::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Prompt::SetTestMode(true);
    Clock::SetFixed(QDateTime(QDate(2007, 3, 1), QTime(8, 0)));
    SetShellOpenHandler([this](const QString& path) {
        m_opened << path;
        return true;
    });
    CommandLine::Exports().insert(QStringLiteral("html"), ExportHtmlFile);

    theDueStore.SetFolder(DataFolder(m_dir.filePath(QStringLiteral("work"))));
    QVERIFY(theDueStore.Folder().Create());
    theDueStore.RemoveAll();
    theDueStore.AddDue(Due(QStringLiteral("Rent"), 5, false, QStringLiteral("Key\r\nunder the mat")));
    theDueStore.AddDue(Due(QStringLiteral("Power & Light"), 12, true, QString()));
    theDueStore.AddDue(Due(QString::fromUtf8("Caf\xC3\xA9 tab"), 3, false, QStringLiteral("Paid in <cash>")));
    theDueStore.AddDue(Due(QStringLiteral("Gym"), 28, true, QStringLiteral("yearly")));
    QVERIFY(!theDueStore.HasErrors());
}

void TestHtmlExportCommand::init()
{
    HtmlTemplate::SetTemplatesFolder(QStringLiteral(TALLYVANE_TEST_DATA "/../../templates"));
    m_opened.clear();
    Prompt::TakeShownTexts();
}

void TestHtmlExportCommand::cleanupTestCase()
{
    HtmlTemplate::SetTemplatesFolder(QString());
    SetShellOpenHandler({});
}

ExportRequest TestHtmlExportCommand::MenuRequest(int filter, bool withNotes) const
{
    MonthList list = theDueStore.FillMonthList(COleDateTime(2007, 3, 1, 0, 0, 0), DueFilter(filter));
    std::stable_sort(list.rows.begin(), list.rows.end(), DueListLess);
    ExportRequest request;
    request.dues = list.rows;
    request.month = COleDateTime(2007, 3, 1, 0, 0, 0);
    request.withNotes = withNotes;
    return request;
}

void TestHtmlExportCommand::menuAndCommandLineWriteTheSameBytes_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("filterCode");
    QTest::addColumn<bool>("withNotes");
    QTest::addColumn<int>("dueCount");

    QTest::newRow("all, notes") << "all" << 0 << true << 4;
    QTest::newRow("all, no notes") << "all" << 0 << false << 4;
    QTest::newRow("paid, notes") << "paid" << 1 << true << 2;
    QTest::newRow("unpaid, no notes") << "unpaid" << 2 << false << 2;
}

void TestHtmlExportCommand::menuAndCommandLineWriteTheSameBytes()
{
    QFETCH(QString, filter);
    QFETCH(int, filterCode);
    QFETCH(bool, withNotes);
    QFETCH(int, dueCount);

    const QString menuFile = Out(QStringLiteral("menu-%1-%2.html").arg(filter).arg(withNotes));
    Prompt::SetNextFileName(menuFile);
    RunHtmlExport(nullptr, MenuRequest(filterCode, withNotes));
    QCOMPARE(m_opened, QStringList{menuFile});
    QCOMPARE(Prompt::TakeShownTexts(), QStringList());

    const QString cliFile = Out(QStringLiteral("cli-%1-%2.html").arg(filter).arg(withNotes));
    QStringList args{"export",   "html",    "--workdir", theDueStore.Folder().WorkDir(),
                     "--month",  "2007-03", "--filter",  filter,
                     "--output", cliFile};
    if (!withNotes)
        args << QStringLiteral("--no-notes");
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    QCOMPARE(std::get<int>(CommandLine::Run(args, out, err)), 0);
    QCOMPARE(errText, QString());

    const QByteArray menuBytes = ReadAll(menuFile);
    QCOMPARE(ReadAll(cliFile), menuBytes);
    QCOMPARE(menuBytes.count("<table class=\"due\""), dueCount);
    QCOMPARE(menuBytes.contains("Key<br>under the mat"), withNotes && filterCode != 1);
    QVERIFY(!menuBytes.contains("<{["));
    QVERIFY(menuBytes.contains(QStringLiteral("Record %1 of %1").arg(dueCount).toUtf8()));
    QCOMPARE(m_opened.size(), 1); // the command line opens nothing
}

void TestHtmlExportCommand::nothingHappensWithoutAFile_data()
{
    QTest::addColumn<bool>("emptyList");
    QTest::addColumn<QString>("chosen");

    QTest::newRow("cancelled") << false << "";
    QTest::newRow("empty list asks nothing") << true << "never.html";
}

void TestHtmlExportCommand::nothingHappensWithoutAFile()
{
    QFETCH(bool, emptyList);
    QFETCH(QString, chosen);
    ExportRequest request = MenuRequest(0, true);
    if (emptyList)
        request.dues.clear();
    Prompt::SetNextFileName(chosen.isEmpty() ? QString() : Out(chosen));
    RunHtmlExport(nullptr, request);
    QVERIFY(m_opened.isEmpty());
    QCOMPARE(Prompt::TakeShownTexts(), QStringList());
    if (!chosen.isEmpty())
        QVERIFY(!QFile::exists(Out(chosen)));
    Prompt::SetTestMode(false); // drops a name left unasked
    Prompt::SetTestMode(true);
}

void TestHtmlExportCommand::defaultExtensionAsksBeforeReplacing()
{
    const QString typed = Out(QStringLiteral("march"));
    Prompt::SetNextFileName(typed);
    RunHtmlExport(nullptr, MenuRequest(0, true));
    QCOMPARE(m_opened, QStringList{typed + QStringLiteral(".html")});
    const QByteArray first = ReadAll(typed + QStringLiteral(".html"));
    QVERIFY(first.contains("Rent"));

    // The same name again, and the user keeps the file.
    Prompt::SetNextFileName(typed);
    Prompt::SetNextAnswer(QMessageBox::No);
    RunHtmlExport(nullptr, MenuRequest(1, false));
    QCOMPARE(Prompt::TakeShownTexts().size(), 1);
    QCOMPARE(ReadAll(typed + QStringLiteral(".html")), first);
    QCOMPARE(m_opened.size(), 1);
}

void TestHtmlExportCommand::unreadableTemplateIsReported()
{
    const QString missing = Out(QStringLiteral("NoTemplates"));
    HtmlTemplate::SetTemplatesFolder(missing);
    const QString file = Out(QStringLiteral("empty.html"));
    QVERIFY(!QFile::exists(file));
    Prompt::SetNextFileName(file);
    RunHtmlExport(nullptr, MenuRequest(0, true));
    QVERIFY(m_opened.isEmpty());
    const QStringList shown = Prompt::TakeShownTexts();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().contains(missing + QStringLiteral("/exporttemplate.html")),
             qPrintable(shown.first()));
    QVERIFY(!QFile::exists(file)); // nothing written without the template

    // The command line says the same on one line and fails.
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    const QStringList args{"export",  "html",    "--workdir", theDueStore.Folder().WorkDir(),
                           "--month", "2007-03", "--output",  Out(QStringLiteral("cli-empty.html"))};
    QCOMPARE(std::get<int>(CommandLine::Run(args, out, err)), 2);
    QVERIFY2(errText.contains(missing + QStringLiteral("/exporttemplate.html")), qPrintable(errText));
    QCOMPARE(errText.count(QLatin1Char('\n')), 1);
}

QTEST_MAIN(TestHtmlExportCommand)
#include "tst_htmlexportcommand.moc"
