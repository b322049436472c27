#include "platform/DesktopNotifier.h"
#include "platform/LoginAutostart.h"

#include "NotificationStandIn.h"

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

class TestDesktopNotifier : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sendsEveryField();
    void actionsReachOnlyOwnNotifications_data();
    void actionsReachOnlyOwnNotifications();
    void noServiceFallsBack();
    void noBusFallsBack();
    void autostartEntry_data();
    void autostartEntry();
    void autostartOnAndOff();
};

void TestDesktopNotifier::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName(QStringLiteral("Tallyvane"));
    if (!QDBusConnection::sessionBus().isConnected())
        QSKIP("no session bus: run under dbus-run-session (package dbus)");
}

void TestDesktopNotifier::sendsEveryField()
{
    NotificationStandIn standIn;
    QVERIFY(standIn.Start());
    DesktopNotifier notifier;
    QVERIFY(notifier.Notify(QStringLiteral("tag1"), QStringLiteral("Overdue: Rent"),
                            QStringLiteral("$950.00 due"),
                            {{QStringLiteral("mark-paid"), QStringLiteral("Mark paid")},
                             {QStringLiteral("open"), QStringLiteral("Open")}}));
    QTRY_COMPARE(standIn.calls.size(), 1);
    const NotificationStandIn::Call& c = standIn.calls.first();
    QCOMPARE(c.appName, QStringLiteral("Tallyvane"));
    QCOMPARE(c.replacesId, 0u);
    QCOMPARE(c.summary, QStringLiteral("Overdue: Rent"));
    QCOMPARE(c.body, QStringLiteral("$950.00 due"));
    QCOMPARE(c.actions, (QStringList{"mark-paid", "Mark paid", "open", "Open"}));
    QCOMPARE(c.timeout, -1);
    QTRY_COMPARE(notifier.OpenCount(), 1);
    standIn.SendClosed(c.id);
    QTRY_COMPARE(notifier.OpenCount(), 0);
}

void TestDesktopNotifier::actionsReachOnlyOwnNotifications_data()
{
    QTest::addColumn<bool>("ours");
    QTest::addColumn<bool>("closedFirst");
    QTest::addColumn<QString>("key");
    QTest::newRow("mark paid") << true << false << "mark-paid";
    QTest::newRow("default click") << true << false << "default";
    QTest::newRow("another program's") << false << false << "mark-paid";
    QTest::newRow("after closing") << true << true << "open";
}

void TestDesktopNotifier::actionsReachOnlyOwnNotifications()
{
    QFETCH(bool, ours);
    QFETCH(bool, closedFirst);
    QFETCH(QString, key);
    NotificationStandIn standIn;
    QVERIFY(standIn.Start());
    DesktopNotifier notifier;
    QSignalSpy spy(&notifier, &DesktopNotifier::actionInvoked);
    notifier.Notify(QStringLiteral("due-42"), QStringLiteral("s"), QStringLiteral("b"), {});
    QTRY_COMPARE(notifier.OpenCount(), 1);
    const uint id = standIn.calls.first().id;
    if (closedFirst) {
        standIn.SendClosed(id);
        QTRY_COMPARE(notifier.OpenCount(), 0);
    }
    standIn.SendAction(ours ? id : id + 1000, key);
    if (ours && !closedFirst) {
        QTRY_COMPARE(spy.size(), 1);
        QCOMPARE(spy.first().at(0).toString(), QStringLiteral("due-42"));
        QCOMPARE(spy.first().at(1).toString(), key);
    } else {
        // A signal sent after ours would arrive after it: send a known one and wait.
        notifier.Notify(QStringLiteral("probe"), QStringLiteral("s"), QStringLiteral("b"), {});
        QTRY_COMPARE(standIn.calls.size(), 2);
        QTRY_VERIFY(notifier.OpenCount() >= 1);
        standIn.SendAction(standIn.calls.last().id, QStringLiteral("open"));
        QTRY_COMPARE(spy.size(), 1);
        QCOMPARE(spy.first().at(0).toString(), QStringLiteral("probe"));
    }
}

void TestDesktopNotifier::noServiceFallsBack()
{
    // Nobody holds this name on the private bus.
    DesktopNotifier notifier(QDBusConnection::sessionBus(), QStringLiteral("org.example.NoSuchService"));
    QSignalSpy failed(&notifier, &DesktopNotifier::failed);
    QVERIFY(
        notifier.Notify(QStringLiteral("t"), QStringLiteral("Due soon: Gas"), QStringLiteral("body"), {}));
    QTRY_COMPARE(failed.size(), 1);
    QCOMPARE(failed.first().at(0).toString(), QStringLiteral("t"));
    QCOMPARE(failed.first().at(1).toString(), QStringLiteral("Due soon: Gas"));
    QVERIFY(!failed.first().at(3).toString().isEmpty());
    QCOMPARE(notifier.OpenCount(), 0);
}

void TestDesktopNotifier::noBusFallsBack()
{
    DesktopNotifier notifier(QDBusConnection(QStringLiteral("never connected")));
    QSignalSpy failed(&notifier, &DesktopNotifier::failed);
    QVERIFY(!notifier.Notify(QStringLiteral("t"), QStringLiteral("s"), QStringLiteral("b"), {}));
    QCOMPARE(failed.size(), 1);
}

void TestDesktopNotifier::autostartEntry_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("workDir");
    QTest::addColumn<QString>("exec");
    QTest::newRow("plain") << "/usr/bin/tallyvane"
                           << "/home/ann/bills"
                           << "Exec=/usr/bin/tallyvane --tray --workdir /home/ann/bills";
    QTest::newRow("no working directory yet") << "/usr/bin/tallyvane"
                                              << ""
                                              << "Exec=/usr/bin/tallyvane --tray";
    QTest::newRow("blanks") << "/opt/My Apps/tallyvane"
                            << "/home/ann/My Bills"
                            << "Exec=\"/opt/My Apps/tallyvane\" --tray --workdir \"/home/ann/My Bills\"";
    QTest::newRow("quote, dollar, backslash")
        << "/opt/a\"b$c\\d/tv"
        << "/d/`x`"
        << "Exec=\"/opt/a\\\\\"b\\\\$c\\\\\\\\d/tv\" --tray --workdir \"/d/\\\\`x\\\\`\"";
    QTest::newRow("percent") << "/opt/100%/tv"
                             << "/d/50%"
                             << "Exec=/opt/100%%/tv --tray --workdir /d/50%%";
    // A line break must not end the entry's line.
    QTest::newRow("line break and tab") << "/usr/bin/tallyvane"
                                        << "/d/a\nb\tc"
                                        << "Exec=/usr/bin/tallyvane --tray --workdir \"/d/a\\nb\\tc\"";
}

void TestDesktopNotifier::autostartEntry()
{
    QFETCH(QString, program);
    QFETCH(QString, workDir);
    QFETCH(QString, exec);
    const QStringList lines =
        QString::fromUtf8(LoginAutostart::EntryText(program, workDir)).split(QLatin1Char('\n'));
    QCOMPARE(lines.first(), QStringLiteral("[Desktop Entry]"));
    QVERIFY(lines.contains(QStringLiteral("Type=Application")));
    QVERIFY2(lines.contains(exec), qPrintable(lines.join(QLatin1Char('|'))));
    QCOMPARE(lines.filter(QStringLiteral("Exec=")).size(), 1);
}

void TestDesktopNotifier::autostartOnAndOff()
{
    QString why;
    QVERIFY(LoginAutostart::Disable(&why));
    QVERIFY(!LoginAutostart::IsEnabled());
    // Until the window program names its launcher, the entry runs this program.
    QCOMPARE(LoginAutostart::Launcher(), QCoreApplication::applicationFilePath());
    LoginAutostart::SetLauncher(QStringLiteral("/usr/bin/tallyvane"));
    QVERIFY2(LoginAutostart::Enable(QStringLiteral("/home/ann/bills"), &why), qPrintable(why));
    QVERIFY(LoginAutostart::IsEnabled());
    QVERIFY(LoginAutostart::EntryPath().endsWith(QStringLiteral("/autostart/tallyvane.desktop")));
    QFile f(LoginAutostart::EntryPath());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), LoginAutostart::EntryText(QStringLiteral("/usr/bin/tallyvane"),
                                                    QStringLiteral("/home/ann/bills")));
    f.close();
    LoginAutostart::SetLauncher(QString());
    QVERIFY(LoginAutostart::Disable(&why));
    QVERIFY(!QFile::exists(LoginAutostart::EntryPath()));
}

QTEST_GUILESS_MAIN(TestDesktopNotifier)
#include "tst_desktopnotifier.moc"
