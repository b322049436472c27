#include "platform/TrayHostWatcher.h"

#include "TrayHostStandIn.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

// The desktop's tray as the watcher sees it come and go: what is there when
// it starts, then what happens, and how often it must say a host appeared.
class TestTrayHostWatcher : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void followsTheTray_data();
    void followsTheTray();
    void noBusNoHost();
};

void TestTrayHostWatcher::initTestCase()
{
    if (!QDBusConnection::sessionBus().isConnected())
        QSKIP("no session bus: run under dbus-run-session (package dbus)");
}

void TestTrayHostWatcher::followsTheTray_data()
{
    QTest::addColumn<QString>("before");     // "none", "watcher" (no host yet), "host"
    QTest::addColumn<QStringList>("events"); // "host", "watcher+host", "watcher", "gone"
    QTest::addColumn<int>("appeared");
    QTest::addColumn<bool>("hasHost");

    QTest::newRow("host up first") << "host" << QStringList{} << 1 << true;
    QTest::newRow("nothing comes") << "none" << QStringList{} << 0 << false;
    QTest::newRow("watcher without a host") << "watcher" << QStringList{} << 0 << false;
    QTest::newRow("panel starts later") << "none" << QStringList{"watcher+host"} << 1 << true;
    QTest::newRow("watcher first, host later") << "watcher" << QStringList{"host"} << 1 << true;
    QTest::newRow("watcher later, host later still") << "none" << QStringList{"watcher", "host"} << 1 << true;
    QTest::newRow("panel restarts") << "host" << QStringList{"gone", "watcher+host"} << 2 << true;
    QTest::newRow("panel goes") << "host" << QStringList{"gone"} << 1 << false;
}

void TestTrayHostWatcher::followsTheTray()
{
    QFETCH(QString, before);
    QFETCH(QStringList, events);
    TrayHostStandIn tray;
    if (before != QLatin1String("none"))
        QVERIFY(tray.Start(before == QLatin1String("host")));
    TrayHostWatcher watcher;
    QSignalSpy appeared(&watcher, &TrayHostWatcher::hostAppeared);
    watcher.Start();
    watcher.Start(); // once is enough
    QTest::qWait(200);
    for (const QString& event : events) {
        if (event == QLatin1String("host"))
            tray.RegisterHost();
        else if (event == QLatin1String("gone"))
            tray.Stop();
        else
            QVERIFY(tray.Start(event == QLatin1String("watcher+host")));
        QTest::qWait(200);
    }
    QTEST(int(appeared.size()), "appeared");
    QTEST(watcher.HasHost(), "hasHost");
}

void TestTrayHostWatcher::noBusNoHost()
{
    TrayHostWatcher watcher{QDBusConnection(QStringLiteral("never connected"))};
    QSignalSpy appeared(&watcher, &TrayHostWatcher::hostAppeared);
    watcher.Start();
    QTest::qWait(50);
    QCOMPARE(appeared.size(), 0);
    QVERIFY(!watcher.HasHost());
}

QTEST_GUILESS_MAIN(TestTrayHostWatcher)
#include "tst_trayhostwatcher.moc"
