// One window per user session: this test is the running window, and starts
// the program again beside it, as the launcher or the command line would.
// It runs under dbus-run-session, so the bus is its own.

#include "../ui/UiTestSupport.h"

#include "app/GuiStartup.h"
#include "app/SingleWindow.h"
#include "model/store/CDueStore.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/WindowFocus.h"
#include "ui/list/CTallyvaneView.h"
#include "ui/list/DueListModel.h"
#include "ui/reminders/CTrayIcon.h"

#include <QDBusConnectionInterface>
#include <QDialog>
#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

class TestSingleWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_first; // the running window's working directory
    QString m_other; // another one, holding one due of this month
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<SingleWindow> m_single;

    // The program started again with args (in the temporary folder "@"
    // stands for it); busAddress empty keeps this test's bus.
    QProcess* StartAgain(QStringList args, const QString& busAddress = {})
    {
        args.replaceInStrings(QStringLiteral("@"), m_dir->path());
        auto* process = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        for (const char* home : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME"})
            env.insert(QString::fromLatin1(home), m_dir->path() + QStringLiteral("/home"));
        if (!busAddress.isEmpty())
            env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
        process->setProcessEnvironment(env);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QStringLiteral(TALLYVANE_BIN_DIR "/tallyvane"), args);
        return process;
    }

    // Waits for a start to end while this window answers on the bus.
    static bool Ends(QProcess* process, int ms)
    {
        if (process->state() == QProcess::NotRunning)
            return true;
        QSignalSpy finished(process, &QProcess::finished);
        return finished.wait(ms);
    }

private slots:
    void initTestCase()
    {
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("no session bus: run under dbus-run-session (package dbus)");
        // Never the user's own window, where the test runs on a desktop's bus.
        if (QDBusConnection::sessionBus().interface()->isServiceRegistered(SingleWindow::ServiceName()))
            QSKIP("a window of the program runs on this bus: run under dbus-run-session");
        UiTest::IsolateSettings();
        Clock::SetFixed(QDateTime(QDate(2007, 1, 15), QTime(10, 0)));
        CTrayIcon::SetTrayCheck([](bool, bool) { return true; });
    }

    // The window as the first start leaves it, in the tray, on m_first.
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_first = m_dir->path() + QStringLiteral("/first");
        m_other = m_dir->path() + QStringLiteral("/other");
        QVERIFY(QDir().mkpath(m_first) && QDir().mkpath(m_other));
        UiTest::SetStoredWorkDir(m_first);
        {
            CDueStore other;
            other.SetFolder(DataFolder(m_other));
            other.LoadAll();
            other.AddDue(UiTest::MakeDue("Elsewhere", QDateTime(QDate(2007, 1, 20), QTime(9, 0)), 4));
        }
        m_single = std::make_unique<SingleWindow>(QDBusConnection::sessionBus());
        QCOMPARE(m_single->Claim({}, false, {}), SingleWindow::Outcome::First);
        GuiStartup::Options options;
        options.tray = true;
        m_frame = GuiStartup::InitInstance(options);
        QVERIFY(m_frame);
        m_single->Serve(m_frame.get());
        QTRY_VERIFY(!m_frame->IsLoading());
        QVERIFY(m_frame->isHidden());
        Prompt::TakeShownTexts();
    }

    void cleanup()
    {
        m_single.reset();
        m_frame.reset();
        theDueStore.SetFolder(DataFolder());
    }

    void secondStart_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("window"); // before: "tray", "minimised" or "behind"
        QTest::addColumn<int>("answer");     // to the question about the folder
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("folder"); // the window's afterwards
        const int yes = QMessageBox::Yes;
        const int no = QMessageBox::No;
        QTest::newRow("from the launcher: out of the tray")
            << QStringList() << "tray" << yes << true << false << "first";
        QTest::newRow("minimised: restored")
            << QStringList() << "minimised" << yes << true << false << "first";
        QTest::newRow("same folder through a link: no question")
            << QStringList{"--workdir", "@/link"} << "tray" << yes << true << false << "first";
        QTest::newRow("another folder, yes: switches")
            << QStringList{"--workdir", "@/other"} << "behind" << yes << true << true << "other";
        QTest::newRow("another folder, no: stays")
            << QStringList{"--workdir", "@/other"} << "tray" << no << true << true << "first";
        QTest::newRow("login start on another folder: nothing happens")
            << QStringList{"--tray", "--workdir", "@/other"} << "tray" << yes << false << false << "first";
    }

    void secondStart()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, window);
        QFETCH(int, answer);
        QFETCH(bool, shown);
        QFETCH(bool, asked);
        QFETCH(QString, folder);
        QVERIFY(QFile::link(m_first, m_dir->path() + QStringLiteral("/link")));
        if (window == QLatin1String("minimised")) {
            m_frame->showMinimized();
            QTRY_VERIFY(m_frame->isMinimized());
        } else if (window == QLatin1String("behind")) {
            m_frame->ShowAsPlaced();
            QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        }
        if (asked)
            Prompt::SetNextAnswer(QMessageBox::StandardButton(answer));

        QElapsedTimer took;
        took.start();
        QProcess* second = StartAgain(args);
        QVERIFY2(Ends(second, 15000), "the second start is still running");
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QVERIFY2(took.elapsed() < 5000, qPrintable(QString::number(took.elapsed())));

        if (shown) {
            QTRY_VERIFY(m_frame->isVisible());
            QTRY_VERIFY(!m_frame->isMinimized());
        } else {
            QTest::qWait(300); // the request is acted on from the event loop: give it the time
            QCOMPARE(m_frame->isVisible(), window != QLatin1String("tray"));
        }
        const QStringList said = Prompt::TakeShownTexts();
        QCOMPARE(said.size(), asked ? 1 : 0);
        if (asked)
            QVERIFY2(said.first().contains(QDir::toNativeSeparators(m_other)), qPrintable(said.first()));
        const QString expected = folder == QLatin1String("other") ? m_other : m_first;
        QCOMPARE(theDueStore.Folder().WorkDir(), expected);
        // The other folder's due is listed; the one-off switch leaves the stored folder alone.
        QCOMPARE(m_frame->View()->Model()->rowCount(), expected == m_other ? 1 : 0);
        QCOMPARE(UiTest::StoredWorkDir(), m_first);
        QCOMPARE(m_frame->IsOneOffFolder(), expected == m_other);
    }

    // A question about the folder never comes over an open dialog (an editor
    // would write its due into the other folder): it waits until it is closed.
    void questionWaitsForAnOpenDialog()
    {
        m_frame->ShowAsPlaced();
        QDialog dialog(m_frame.get());
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        QTRY_COMPARE(QApplication::activeModalWidget(), &dialog);
        Prompt::SetNextAnswer(QMessageBox::Yes);
        QProcess* second = StartAgain({QStringLiteral("--workdir"), QStringLiteral("@/other")});
        QVERIFY(Ends(second, 15000));
        QCOMPARE(second->exitCode(), 0);
        QTest::qWait(600);
        QCOMPARE(Prompt::TakeShownTexts(), QStringList());
        QCOMPARE(theDueStore.Folder().WorkDir(), m_first);
        dialog.close();
        QTRY_COMPARE(theDueStore.Folder().WorkDir(), m_other);
        QCOMPARE(Prompt::TakeShownTexts().size(), 1);
    }

    // No session bus: the program starts its own window, as it did before
    // there was a running one to hand over to.
    void withoutABusTheWindowStarts()
    {
        const QString own = m_dir->path() + QStringLiteral("/own");
        QVERIFY(QDir().mkpath(own));
        QProcess* second =
            StartAgain({QStringLiteral("--workdir"), own},
                       QStringLiteral("unix:path=") + m_dir->path() + QStringLiteral("/no-bus"));
        const auto stop = qScopeGuard([second] {
            second->kill();
            second->waitForFinished(5000);
        });
        // The window start makes the data folder; a handed-over start never does.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(own + QStringLiteral("/Tallyvane Files")).isDir(), 15000);
        QCOMPARE(second->state(), QProcess::Running);
        QVERIFY(m_frame->isHidden());
    }

    // Whoever holds the name but does not answer (a window that is ending,
    // or a bus that refuses the call) leaves the start to open its own window.
    void aSilentOwnerLeavesTheStartAlone()
    {
        m_single.reset(); // the name is free
        QDBusConnection holder =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("silent owner"));
        const auto disconnect =
            qScopeGuard([] { QDBusConnection::disconnectFromBus(QStringLiteral("silent owner")); });
        QVERIFY(holder.registerService(SingleWindow::ServiceName()));
        QDBusConnection start =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("start"));
        const auto disconnectStart =
            qScopeGuard([] { QDBusConnection::disconnectFromBus(QStringLiteral("start")); });
        SingleWindow late(start);
        QCOMPARE(late.Claim({}, false, {}), SingleWindow::Outcome::Alone);
        // Once the owner is gone, the name is taken over.
        QVERIFY(holder.unregisterService(SingleWindow::ServiceName()));
        SingleWindow later(start);
        QCOMPARE(later.Claim({}, false, {}), SingleWindow::Outcome::First);
        QVERIFY(start.interface()->serviceOwner(SingleWindow::ServiceName()).value() == start.baseService());
    }

    // The time of the click that started the program, from the launcher's
    // startup identifier: what an X11 window manager weighs a focus request by.
    void startupTime_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<quint32>("time");
        QTest::newRow("launcher's identifier") << "launcher/tallyvane/4711-0-host_TIME123456" << 123456u;
        QTest::newRow("past 32 bits") << "x_TIME4294967296" << 0u;
        QTest::newRow("no time") << "host;1700000000;42" << 0u;
        QTest::newRow("time not at the end") << "x_TIME12_more" << 0u;
        QTest::newRow("Wayland token") << "a1b2c3d4-e5f6" << 0u;
    }

    void startupTime()
    {
        QFETCH(QString, id);
        QFETCH(quint32, time);
        QCOMPARE(WindowFocus::StartupTime(id), time);
    }
};

QTEST_MAIN(TestSingleWindow)
#include "tst_singlewindow.moc"
