// Start-up of the window program: the stored working directory, the
// "Working Directory" dialog and --workdir.

#include "../ui/UiTestSupport.h"

#include "app/GuiStartup.h"
#include "app/HelperProgram.h"
#include "app/InstallLayout.h"
#include "model/base/MessageTexts.h"
#include "model/store/CDueStore.h"
#include "model/store/FolderLock.h"
#include "model/store/SaveFile.h"
#include "ui/dialogs/CWorkDirDlg.h"
#include "ui/frame/CFilterCombo.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CMainToolBar.h"
#include "ui/frame/CMonthPicker.h"
#include "ui/frame/CommandIds.h"
#include "ui/list/CTallyvaneView.h"
#include "ui/list/DueListModel.h"
#include "ui/reminders/CTrayIcon.h"
#include "ui/skinui/CGuiStatusBar.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>

class TestStartup : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;

    // What the dialog does when it comes up: browse to `pick` (unless empty), then OK or Cancel.
    static void AnswerDialog(const QString& pick, bool ok, QStringList* seenPath = nullptr)
    {
        UiTest::WhenModal<CWorkDirDlg>([pick, ok, seenPath](CWorkDirDlg* dlg) {
            if (seenPath)
                *seenPath << dlg->PathEdit()->text();
            // Messages shown before the dialog opened are in the record by now.
            if (!pick.isEmpty()) {
                Prompt::SetNextFileName(pick);
                dlg->OnBrowse();
            }
            if (ok)
                dlg->OnOK();
            else
                dlg->reject();
        });
    }

    QString Home() const { return m_dir->path() + QStringLiteral("/home"); }

private slots:
    void initTestCase()
    {
        UiTest::IsolateSettings();
        Clock::SetFixed(QDateTime(QDate(2007, 1, 15), QTime(10, 0)));
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        // A home of its own, without a documents folder unless a test makes one.
        QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("home/.config")));
        qputenv("HOME", QFile::encodeName(Home()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(Home() + QStringLiteral("/.config")));
        UiTest::SetStoredWorkDir(QString());
        theDueStore.SetFolder(DataFolder());
        Prompt::TakeShownTexts();
    }

    void startupPaths_data()
    {
        QTest::addColumn<QString>("stored"); // "<gone>" for a folder that does not exist
        QTest::addColumn<QString>("pick");   // relative to the temporary folder; "-" for none
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("workDir"); // relative to the temporary folder
        const QString gone = LoadResString(MessageId::WorkingDirectoryGone);
        QTest::newRow("no stored folder: dialog without a message")
            << ""
            << "bills" << true << true << QStringList() << "bills";
        QTest::newRow("stored folder gone: message first, then dialog")
            << "<gone>"
            << "bills" << true << true << QStringList{gone} << "bills";
        QTest::newRow("dialog cancelled ends the program")
            << ""
            << "bills" << false << false << QStringList() << "";
        QTest::newRow("OK at once starts in the folder offered")
            << ""
            << "-" << true << true << QStringList() << "home";
        QTest::newRow("stored gone and cancelled") << "<gone>"
                                                   << "-" << false << false << QStringList{gone} << "";
        QTest::newRow("data folder picked: its parent is used")
            << ""
            << "bills/Tallyvane Files" << true << true << QStringList() << "bills";
        QTest::newRow("other letter case is taken as it is")
            << ""
            << "bills/tallyvane files" << true << true << QStringList() << "bills/tallyvane files";
        QTest::newRow("stored folder found: no dialog") << "bills"
                                                        << "-" << false << true << QStringList() << "bills";
    }

    void startupPaths()
    {
        QFETCH(QString, stored);
        QFETCH(QString, pick);
        QFETCH(bool, ok);
        QFETCH(bool, starts);
        QFETCH(QStringList, messages);
        QFETCH(QString, workDir);
        const QString root = m_dir->path();
        QDir(root).mkpath(QStringLiteral("bills/Tallyvane Files"));
        QDir(root).mkpath(QStringLiteral("bills/tallyvane files"));
        if (stored == QLatin1String("<gone>"))
            UiTest::SetStoredWorkDir(root + QStringLiteral("/moved away"));
        else if (!stored.isEmpty())
            UiTest::SetStoredWorkDir(root + '/' + stored);
        const bool dialogExpected = stored.isEmpty() || stored == QLatin1String("<gone>");

        QStringList seen;
        if (dialogExpected)
            AnswerDialog(pick == QLatin1String("-") ? QString() : root + '/' + pick, ok, &seen);
        std::unique_ptr<CMainFrame> frame = GuiStartup::InitInstance(GuiStartup::Options());
        QCOMPARE(bool(frame), starts);
        QCOMPARE(seen.size(), dialogExpected ? 1 : 0);
        if (dialogExpected)
            QCOMPARE(seen.first(), QDir::toNativeSeparators(Home())); // nothing else offered here
        QCOMPARE(Prompt::TakeShownTexts(), messages);
        QCOMPARE(theDueStore.Folder().WorkDir(), workDir.isEmpty() ? QString() : root + '/' + workDir);
        if (frame) {
            QVERIFY(frame->isVisible());
            QVERIFY(QFileInfo(theDueStore.Folder().Path()).isDir());
        }
        // Start-up never writes the folder it was given; the window's end does.
        if (stored.isEmpty())
            QCOMPARE(UiTest::StoredWorkDir(), QString());
    }

    // The first start offers the documents folder of the user directories,
    // else the home folder: never a folder that is not there.
    void offersTheDocumentsFolder_data()
    {
        QTest::addColumn<QString>("userDirs"); // the line of user-dirs.dirs; empty for no file
        QTest::addColumn<QString>("made");     // folder made under home; empty for none
        QTest::addColumn<QString>("offered");  // under home
        QTest::newRow("documents folder of the user directories") << "XDG_DOCUMENTS_DIR=\"$HOME/Papiers\""
                                                                  << "Papiers"
                                                                  << "Papiers";
        QTest::newRow("named but not there: home") << "XDG_DOCUMENTS_DIR=\"$HOME/Papiers\""
                                                   << ""
                                                   << "";
        QTest::newRow("no user directories: Documents") << ""
                                                        << "Documents"
                                                        << "Documents";
        QTest::newRow("nothing at all: home") << ""
                                              << ""
                                              << "";
        QTest::newRow("a documents folder with a space") << "XDG_DOCUMENTS_DIR=\"$HOME/My Bills\""
                                                         << "My Bills"
                                                         << "My Bills";
    }

    void offersTheDocumentsFolder()
    {
        QFETCH(QString, userDirs);
        QFETCH(QString, made);
        QFETCH(QString, offered);
        // Qt's test mode never reads the user directories; home is a
        // temporary folder here, so the real lookup touches nothing of the user's.
        QStandardPaths::setTestModeEnabled(false);
        const auto testMode = qScopeGuard([] { QStandardPaths::setTestModeEnabled(true); });
        if (!userDirs.isEmpty()) {
            QFile file(Home() + QStringLiteral("/.config/user-dirs.dirs"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(userDirs.toUtf8() + '\n');
        }
        if (!made.isEmpty())
            QVERIFY(QDir(Home()).mkpath(made));
        const QString expected = offered.isEmpty() ? Home() : Home() + '/' + offered;
        QCOMPARE(CWorkDirDlg::SuggestedPath(), expected);

        // OK alone starts the program there.
        QStringList seen;
        AnswerDialog(QString(), true, &seen);
        std::unique_ptr<CMainFrame> frame = GuiStartup::InitInstance(GuiStartup::Options());
        QVERIFY(frame);
        QCOMPARE(seen, QStringList{QDir::toNativeSeparators(expected)});
        QCOMPARE(theDueStore.Folder().WorkDir(), expected);
        QVERIFY(QFileInfo(expected + QStringLiteral("/Tallyvane Files")).isDir());
        theDueStore.SetFolder(DataFolder());
    }

    void browseToAMissingFolderEmptiesThePath()
    {
        CWorkDirDlg dlg(nullptr, m_dir->path());
        Prompt::SetNextFileName(m_dir->path() + QStringLiteral("/not there"));
        dlg.OnBrowse();
        QCOMPARE(Prompt::TakeShownTexts(), QStringList{LoadResString(MessageId::BadWorkingDirectory)});
        QVERIFY(dlg.m_strPath.isEmpty());
        QVERIFY(dlg.PathEdit()->text().isEmpty());
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Working Directory"));
        // A cancelled chooser keeps what was there.
        dlg.m_strPath = m_dir->path();
        dlg.OnBrowse();
        QCOMPARE(dlg.m_strPath, m_dir->path());
    }

    void pathForPick_data()
    {
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QString>("workDir");
        QTest::newRow("plain folder") << "/home/a/Bills"
                                      << "/home/a/Bills";
        QTest::newRow("data folder") << "/home/a/Bills/Tallyvane Files"
                                     << "/home/a/Bills";
        QTest::newRow("trailing separator") << "/home/a/Bills/Tallyvane Files/"
                                            << "/home/a/Bills";
        QTest::newRow("case differs") << "/home/a/TALLYVANE FILES"
                                      << "/home/a/TALLYVANE FILES";
        QTest::newRow("only in the middle") << "/x/Tallyvane Files/y"
                                            << "/x/Tallyvane Files/y";
        QTest::newRow("data folder at the root") << "/Tallyvane Files"
                                                 << "/";
    }

    void pathForPick()
    {
        QFETCH(QString, picked);
        QFETCH(QString, workDir);
        QCOMPARE(CWorkDirDlg::PathForPick(picked), workDir);
    }

    void fixedWorkDirNeitherReadsNorWritesTheStoredOne()
    {
        UiTest::SetStoredWorkDir(QStringLiteral("/stored/elsewhere"));
        CDueStore writer;
        writer.SetFolder(DataFolder(m_dir->path()));
        writer.LoadAll();
        writer.AddDue(UiTest::MakeDue("Listed", QDateTime(QDate(2007, 1, 20), QTime(9, 0)), 3));

        GuiStartup::Options options;
        QString error;
        QVERIFY(GuiStartup::ParseArguments({QStringLiteral("--workdir"), m_dir->path()}, options, &error));
        QVERIFY(options.fixedWorkDir);
        theDueStore.SetFolder(DataFolder());
        std::unique_ptr<CMainFrame> frame = GuiStartup::InitInstance(options);
        QVERIFY(frame);
        QCOMPARE(theDueStore.Folder().WorkDir(), QDir::cleanPath(m_dir->path()));
        QTRY_VERIFY(!frame->IsLoading());
        QCOMPARE(frame->View()->Model()->rowCount(), 1);
        QCOMPARE(UiTest::StoredWorkDir(), QStringLiteral("/stored/elsewhere"));
        QCOMPARE(Prompt::TakeShownTexts(), QStringList());
    }

    // --workdir given the data folder itself takes its parent, as the dialog does.
    void workDirArgument_data()
    {
        QTest::addColumn<QString>("given");   // relative to the temporary folder
        QTest::addColumn<bool>("withDues");   // the given folder holds due files
        QTest::addColumn<QString>("workDir"); // relative to the temporary folder
        QTest::newRow("a working directory") << "bills" << false << "bills";
        QTest::newRow("its data folder with dues") << "bills/Tallyvane Files" << true << "bills";
        QTest::newRow("an empty folder of that name")
            << "bills/Tallyvane Files" << false << "bills/Tallyvane Files";
        QTest::newRow("other letter case") << "bills/tallyvane files" << true << "bills/tallyvane files";
        QTest::newRow("trailing slash") << "bills/Tallyvane Files/" << true << "bills";
    }

    void workDirArgument()
    {
        QFETCH(QString, given);
        QFETCH(bool, withDues);
        QFETCH(QString, workDir);
        const QString root = m_dir->path();
        QDir(root).mkpath(given);
        if (withDues) {
            QFile due(root + '/' + given + QStringLiteral("/duedate2007010100000010.due"));
            QVERIFY(due.open(QIODevice::WriteOnly));
        }
        GuiStartup::Options options;
        QString error;
        QVERIFY(
            GuiStartup::ParseArguments({QStringLiteral("--workdir"), root + '/' + given}, options, &error));
        QCOMPARE(options.workDir, QDir::cleanPath(root + '/' + workDir));
    }

    void firstStartIsMaximisedOverANormalSize()
    {
        QSettings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane")).clear();
        GuiStartup::Options options;
        options.fixedWorkDir = true;
        options.workDir = m_dir->path();
        std::unique_ptr<CMainFrame> frame = GuiStartup::InitInstance(options);
        QVERIFY(frame);
        QVERIFY(frame->isMaximized());
        // Leaving the maximised state gives a window, not the whole screen.
        const QRect free = frame->screen()->availableGeometry();
        QVERIFY(frame->normalGeometry().width() < free.width());
        QVERIFY(frame->normalGeometry().height() < free.height());
        QVERIFY(free.contains(frame->normalGeometry()));
    }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("missing folder value") << QStringList{"--workdir"};
        QTest::newRow("folder does not exist") << QStringList{"--workdir", "/no/such/folder/at/all"};
        QTest::newRow("unknown option") << QStringList{"--frobnicate"};
        QTest::newRow("folder given twice") << QStringList{"--workdir", "/tmp", "--workdir", "/tmp"};
    }

    void badArguments()
    {
        QFETCH(QStringList, args);
        GuiStartup::Options options;
        QString error;
        QVERIFY(!GuiStartup::ParseArguments(args, options, &error));
        QVERIFY(!error.isEmpty());
    }

    void loadProblemsAreShownOnceAfterStart()
    {
        const QString data = m_dir->path() + QStringLiteral("/Tallyvane Files");
        QDir().mkpath(data);
        QFile bad(data + QStringLiteral("/duedate2007010100000010.due"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("\x05"
                  "ab",
                  3);
        bad.close();
        GuiStartup::Options options;
        options.fixedWorkDir = true;
        options.workDir = m_dir->path();
        std::unique_ptr<CMainFrame> frame = GuiStartup::InitInstance(options);
        QVERIFY(frame);
        QStringList shown;
        QTRY_VERIFY((shown << Prompt::TakeShownTexts(), !shown.isEmpty()));
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown.first().contains(QStringLiteral("duedate2007010100000010.due")));
        QTest::qWait(50);
        QCOMPARE(Prompt::TakeShownTexts(), QStringList());
    }

    // The window is up before the dues are read: it says so, and what needs
    // the dues waits; then the month is listed whole.
    void windowShowsBeforeTheDuesAreIn_data()
    {
        QTest::addColumn<int>("command"); // run while loading, as the navigation pane would
        QTest::addColumn<bool>("enabledWhileLoading");
        QTest::newRow("refresh") << int(ID_REFRESH) << false;
        QTest::newRow("export") << int(ID_HTML_NOTES) << false;
        QTest::newRow("new") << int(ID_DUE_NEW) << false;
        QTest::newRow("next month") << int(ID_NEXT_MONTH) << true;
    }

    void windowShowsBeforeTheDuesAreIn()
    {
        QFETCH(int, command);
        QFETCH(bool, enabledWhileLoading);
        CDueStore writer;
        writer.SetFolder(DataFolder(m_dir->path()));
        writer.LoadAll();
        for (int day = 1; day <= 3; ++day)
            writer.AddDue(UiTest::MakeDue("Listed", QDateTime(QDate(2007, 1, day), QTime(9, 0)), 3));
        GuiStartup::Options options;
        options.fixedWorkDir = true;
        options.workDir = m_dir->path();
        theDueStore.SetFolder(DataFolder());
        std::unique_ptr<CMainFrame> frame = GuiStartup::InitInstance(options);
        QVERIFY(frame);
        QVERIFY(frame->isVisible());
        QVERIFY(frame->IsLoading());
        QCOMPARE(frame->View()->Model()->rowCount(), 0);
        QVERIFY(frame->View()->EmptyText().contains(QDir::toNativeSeparators(theDueStore.Folder().Path())));
        QCOMPARE(frame->StatusBar()->PaneText(ID_INDICATOR_TOTAL), QStringLiteral("Loading..."));
        QCOMPARE(frame->Action(command)->isEnabled(), enabledWhileLoading);
        if (!enabledWhileLoading) {
            frame->OnCommand(command); // ignored: no dialog, no second load
            QCOMPARE(theDueStore.GetCount(), 0);
            QVERIFY(frame->IsLoading());
        }
        QTRY_VERIFY(!frame->IsLoading());
        QVERIFY(frame->Action(command)->isEnabled());
        QCOMPARE(theDueStore.GetCount(), 3);
        frame->ShowMonthOf(COleDateTime(2007, 1, 1, 0, 0, 0));
        QCOMPARE(frame->View()->Model()->rowCount(), 3);
        QVERIFY(frame->StatusBar()->PaneText(ID_INDICATOR_TOTAL) != QStringLiteral("Loading..."));
        QCOMPARE(Prompt::TakeShownTexts(), QStringList());
        theDueStore.SetFolder(DataFolder());
    }

    void startsWhileAnotherWriterCommits()
    {
        // Another writer in the midst of a commit holds the folder's lock for
        // a moment: the window starts all the same, as a writer of the folder.
        QString why;
        QVERIFY(DataFolder(m_dir->path()).Create());
        std::unique_ptr<FolderLock> other = FolderLock::Acquire(DataFolder(m_dir->path()).Path(), 0, &why);
        QVERIFY2(other, qPrintable(why));
        GuiStartup::Options options;
        options.fixedWorkDir = true;
        options.workDir = m_dir->path();
        std::unique_ptr<CMainFrame> frame = GuiStartup::InitInstance(options);
        QVERIFY(frame);
        QVERIFY(theDueStore.IsWriter());
        QCOMPARE(Prompt::TakeShownTexts(), QStringList());
        other.reset();
        theDueStore.SetFolder(DataFolder());
    }

    // A start into the tray (the login entry's) places the window without
    // showing it: Open from the tray shows it as it was left, or as a first
    // start's that fits the screen.
    void trayStartOpensAsLeft_data()
    {
        QTest::addColumn<bool>("remembered");
        QTest::newRow("as it was left") << true;
        QTest::newRow("first start") << false;
    }

    void trayStartOpensAsLeft()
    {
        QFETCH(bool, remembered);
        QSettings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane")).clear();
        const CTrayIcon::TrayCheck previous = CTrayIcon::SetTrayCheck([](bool, bool) { return true; });
        const auto restore = qScopeGuard([&] {
            CTrayIcon::SetTrayCheck(previous);
            theDueStore.SetFolder(DataFolder());
            QSettings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane")).clear();
        });
        GuiStartup::Options options;
        options.fixedWorkDir = true;
        options.workDir = m_dir->path();
        QSize normal;
        if (remembered) {
            // Left maximised over a small window, on November 2008, unpaid dues by payee.
            std::unique_ptr<CMainFrame> first = GuiStartup::InitInstance(options);
            QVERIFY(first);
            first->showNormal();
            first->resize(520, 410);
            QVERIFY(QTest::qWaitForWindowExposed(first.get()));
            first->ShowMonthOf(COleDateTime(2008, 11, 5, 0, 0, 0));
            first->ToolBar()->FilterBox()->setCurrentIndex(2);
            first->Action(ID_SORT_PAYEE)->trigger();
            first->showMaximized();
            QTRY_VERIFY(first->isMaximized());
            normal = first->normalGeometry().size();
            QVERIFY(first->close());
            first.reset();
            theDueStore.SetFolder(DataFolder());
        }
        options.tray = true;
        std::unique_ptr<CMainFrame> frame = GuiStartup::InitInstance(options);
        QVERIFY(frame);
        QTRY_VERIFY(frame->Tray()->Available());
        QVERIFY(frame->isHidden());
        frame->Tray()->Menu()->actions().constFirst()->trigger(); // Open
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        QVERIFY(frame->isMaximized());
        const QRect free = frame->screen()->availableGeometry();
        if (remembered) {
            QCOMPARE(frame->normalGeometry().size(), normal);
            QCOMPARE(frame->ToolBar()->MonthPicker()->date().month(), 11);
            QCOMPARE(frame->CurrentMonth().GetYear(), 2008);
            QCOMPARE(frame->ToolBar()->FilterBox()->currentIndex(), 2);
            QCOMPARE(frame->Sort(), DueSort::Payee);
        } else {
            QVERIFY2(free.contains(frame->normalGeometry()),
                     qPrintable(QStringLiteral("%1x%2")
                                    .arg(frame->normalGeometry().width())
                                    .arg(frame->normalGeometry().height())));
            QVERIFY(frame->normalGeometry().width() < free.width());
            QCOMPARE(frame->CurrentMonth().GetMonth(), 1); // today's
        }
    }

    // Without a tray the window shows after all: a start into the tray waits
    // a little for the panel first.
    void trayStartWithoutATrayShowsTheWindow()
    {
        const CTrayIcon::TrayCheck previous = CTrayIcon::SetTrayCheck([](bool, bool) { return false; });
        const auto restore = qScopeGuard([&] {
            CTrayIcon::SetTrayCheck(previous);
            theDueStore.SetFolder(DataFolder());
        });
        GuiStartup::Options options;
        options.fixedWorkDir = true;
        options.workDir = m_dir->path();
        options.tray = true;
        std::unique_ptr<CMainFrame> frame = GuiStartup::InitInstance(options);
        QVERIFY(frame);
        QTest::qWait(GuiStartup::kTrayWaitMs / 2);
        QVERIFY(frame->isHidden());
        QTRY_VERIFY_WITH_TIMEOUT(frame->isVisible(), GuiStartup::kTrayWaitMs);
    }

    // The login entry runs the launcher: beside the window program in a build
    // tree, else where the installed layout puts it.
    void launcherIsFound_data()
    {
        QTest::addColumn<QString>("beside");    // "", "launcher", "not executable"
        QTest::addColumn<QString>("installed"); // "", "launcher"
        QTest::addColumn<QString>("found");     // "beside", "installed", ""
        QTest::newRow("installed") << ""
                                   << "launcher"
                                   << "installed";
        QTest::newRow("build tree under an installed one") << "launcher"
                                                           << "launcher"
                                                           << "beside";
        QTest::newRow("a file that does not run") << "not executable"
                                                  << "launcher"
                                                  << "installed";
        QTest::newRow("none") << ""
                              << ""
                              << "";
    }

    void launcherIsFound()
    {
        QFETCH(QString, beside);
        QFETCH(QString, installed);
        // Deep enough for the way up from the helpers' folder to stay inside.
        const QString helperDir = m_dir->path() + QStringLiteral("/a/b/c/d/prefix/helpers/tallyvane");
        const QString name = QStringLiteral(TALLYVANE_LAUNCHER_PROGRAM);
        const QHash<QString, QString> places{
            {QStringLiteral("beside"), helperDir + QLatin1Char('/') + name},
            {QStringLiteral("installed"),
             QDir::cleanPath(helperDir + QLatin1Char('/') + QStringLiteral(TALLYVANE_BINDIR_FROM_HELPERSDIR) +
                             QLatin1Char('/') + name)}};
        const auto make = [](const QString& path, bool runs) {
            QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.close();
            QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
            if (runs)
                permissions |= QFile::ExeOwner;
            QVERIFY(f.setPermissions(permissions));
        };
        QVERIFY(QDir().mkpath(helperDir));
        if (!beside.isEmpty())
            make(places.value(QStringLiteral("beside")), beside == QLatin1String("launcher"));
        if (!installed.isEmpty())
            make(places.value(QStringLiteral("installed")), true);
        QFETCH(QString, found);
        QCOMPARE(HelperProgram::LocateLauncher(helperDir), places.value(found));
    }

    void leftoversAreSweptAndSaidOnce()
    {
        const QString data = m_dir->path() + QStringLiteral("/Tallyvane Files");
        QDir().mkpath(data);
        const QString pending = data + QStringLiteral("/duedate2007010100000101.due.") + SaveFile::HostTag() +
                                QStringLiteral(".pending");
        QFile left(pending);
        QVERIFY(left.open(QIODevice::WriteOnly));
        left.close();
        GuiStartup::Options options;
        options.fixedWorkDir = true;
        options.workDir = m_dir->path();
        std::unique_ptr<CMainFrame> frame = GuiStartup::InitInstance(options);
        QVERIFY(frame);
        QStringList shown;
        QTRY_VERIFY((shown << Prompt::TakeShownTexts(), !shown.isEmpty()));
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown.first().contains(QStringLiteral("duedate2007010100000101.due.")));
        QVERIFY(!QFile::exists(pending));
        frame->ReportLoadProblems();
        QCOMPARE(Prompt::TakeShownTexts(), QStringList());
        theDueStore.SetFolder(DataFolder());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
