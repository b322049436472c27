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
    QTest::addColumn<bool>("hasWatcher");

    QTest::newRow("host up first") << "host" << QStringList{} << 1 << true << true;
    QTest::newRow("nothing comes") << "none" << QStringList{} << 0 << false << false;
    QTest::newRow("watcher without a host") << "watcher" << QStringList{} << 0 << false << true;
    QTest::newRow("panel starts later") << "none" << QStringList{"watcher+host"} << 1 << true << true;
    QTest::newRow("watcher first, host later") << "watcher" << QStringList{"host"} << 1 << true << true;
    QTest::newRow("watcher later, host later still")
        << "none" << QStringList{"watcher", "host"} << 1 << true << true;
    QTest::newRow("panel restarts") << "host" << QStringList{"gone", "watcher+host"} << 2 << true << true;
    QTest::newRow("panel goes") << "host" << QStringList{"gone"} << 1 << false << false;
}

void TestTrayHostWatcher::followsTheTray()
{
    QFETCH(QString, before);
    QFETCH(QStringList, events);
    TrayHostStandIn tray;
    if (before != QLatin1String("none"))
        QVERIFY(tray.Start(before == QLatin1String("host")));
    TrayHostWatcher watcher;
    QSignalSpy answered(&watcher, &TrayHostWatcher::answered);
    QSignalSpy appeared(&watcher, &TrayHostWatcher::hostAppeared);
    watcher.Start();
    watcher.Start();              // once is enough
    QVERIFY(!watcher.Answered()); // the bus is never waited for
    QTRY_VERIFY(watcher.Answered());
    QCOMPARE(watcher.HasWatcher(), before != QLatin1String("none"));
    QCOMPARE(watcher.HasHost(), before == QLatin1String("host"));
    for (const QString& event : events) {
        if (event == QLatin1String("host"))
            tray.RegisterHost();
        else if (event == QLatin1String("gone"))
            tray.Stop();
        else
            QVERIFY(tray.Start(event == QLatin1String("watcher+host")));
        QTest::qWait(200);
    }
    QCOMPARE(answered.size(), 1);
    QTEST(int(appeared.size()), "appeared");
    QTEST(watcher.HasHost(), "hasHost");
    QTEST(watcher.HasWatcher(), "hasWatcher");
}

void TestTrayHostWatcher::noBusNoHost()
{
    TrayHostWatcher watcher{QDBusConnection(QStringLiteral("never connected"))};
    QSignalSpy appeared(&watcher, &TrayHostWatcher::hostAppeared);
    QSignalSpy answered(&watcher, &TrayHostWatcher::answered);
    watcher.Start();
    // Nothing to wait for: the answer is there at once, so X11's own tray can be asked.
    QCOMPARE(answered.size(), 1);
    QVERIFY(watcher.Answered());
    QTest::qWait(50);
    QCOMPARE(appeared.size(), 0);
    QVERIFY(!watcher.HasHost());
    QVERIFY(!watcher.HasWatcher());
}

QTEST_GUILESS_MAIN(TestTrayHostWatcher)
#include "tst_trayhostwatcher.moc"
