// The window program under a Wayland compositor (a headless weston): it
// keeps running and shows its window on the first start and with the places
// saved before, maximised or larger than the output, and never asks for a
// window geometry beyond the output.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace {

constexpr int kOutputWidth = 1024;
constexpr int kOutputHeight = 768;

// What saveGeometry() writes for a window left at `size`, maximised or not.
QByteArray SavedGeometry(const QSize& size, bool maximized)
{
    QWidget window;
    window.setGeometry(QRect(QPoint(100, 80), size));
    if (maximized)
        window.setWindowState(Qt::WindowMaximized);
    return window.saveGeometry();
}

void Stop(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}

} // namespace

class TestWaylandStart : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_runtime; // the compositor's socket; made private to the user as Wayland wants
    QProcess m_weston;
    QString m_socket;

private slots:
    void initTestCase()
    {
        const QString weston = QStandardPaths::findExecutable(QStringLiteral("weston"));
        if (weston.isEmpty())
            QSKIP("weston is not installed (Debian package weston): no Wayland start is tried");
        if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                               QStringLiteral("/platforms/libqwayland-generic.so")))
            QSKIP("Qt's Wayland platform is not installed (Debian package qt6-wayland)");
        QVERIFY(m_runtime.isValid());
        m_socket = QStringLiteral("tallyvane-test-%1").arg(QCoreApplication::applicationPid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        m_weston.setProcessEnvironment(env);
        m_weston.setProcessChannelMode(QProcess::MergedChannels);
        m_weston.start(
            weston, {QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--socket=") + m_socket,
                     QStringLiteral("--width=%1").arg(kOutputWidth),
                     QStringLiteral("--height=%1").arg(kOutputHeight), QStringLiteral("--idle-time=0")});
        QVERIFY2(m_weston.waitForStarted(), qPrintable(m_weston.errorString()));
        const QString socket = m_runtime.filePath(m_socket);
        QTRY_VERIFY2_WITH_TIMEOUT(QFileInfo::exists(socket) || m_weston.state() == QProcess::NotRunning,
                                  "weston made no socket", 10000);
        QVERIFY2(m_weston.state() == QProcess::Running, m_weston.readAll().constData());
        QTest::qWait(300); // the shell's panel comes up
    }

    void cleanupTestCase() { Stop(m_weston); }

    void startsAndShowsItsWindow_data()
    {
        QTest::addColumn<QByteArray>("saved"); // empty for the first start
        QTest::addColumn<bool>("maximized");
        QTest::newRow("first start") << QByteArray() << true;
        // Left maximised under X11 on a larger screen.
        QTest::newRow("saved maximised on a larger screen") << SavedGeometry(QSize(1446, 933), true) << true;
        QTest::newRow("saved larger than the output") << SavedGeometry(QSize(2200, 1440), false) << false;
        QTest::newRow("saved small") << SavedGeometry(QSize(700, 500), false) << false;
    }

    void startsAndShowsItsWindow()
    {
        QFETCH(QByteArray, saved);
        QFETCH(bool, maximized);
        QTemporaryDir home;
        QVERIFY(home.isValid());
        const QString config = home.filePath(QStringLiteral("config"));
        if (!saved.isEmpty()) {
            QSettings settings(config + QStringLiteral("/Quillory/Tallyvane.conf"), QSettings::IniFormat);
            settings.setValue(QStringLiteral("Window/Geometry"), saved);
            settings.sync();
            QCOMPARE(settings.status(), QSettings::NoError);
        }
        QVERIFY(QDir(home.path()).mkpath(QStringLiteral("work")));

        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), m_socket);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        env.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client")); // the requests, to read back
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(TALLYVANE_BIN_DIR "/tallyvane-gui"),
                      {QStringLiteral("--workdir"), home.filePath(QStringLiteral("work"))});
        QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
        // Well past the start and the wait for a window manager: a protocol
        // error would have ended it by now.
        const bool ended = program.waitForFinished(4000);
        const QString log = QString::fromLocal8Bit(program.readAllStandardError());
        Stop(program);
        QVERIFY2(
            !ended,
            qPrintable(QStringLiteral("ended with %1:\n%2").arg(program.exitCode()).arg(log.right(2000))));
        QVERIFY2(!log.contains(QStringLiteral("Protocol error")), qPrintable(log.right(2000)));

        // The window was drawn: a buffer went to a surface.
        static const QRegularExpression attached(QStringLiteral(R"(-> wl_surface@\d+\.attach\(wl_buffer@)"));
        QVERIFY2(log.contains(attached), "no window was shown");
        QCOMPARE(log.contains(QStringLiteral(".set_maximized()")), maximized);
        // Every window geometry the program gave fits the output.
        static const QRegularExpression geometry(
            QStringLiteral(R"(-> xdg_surface@\d+\.set_window_geometry\((-?\d+), (-?\d+), (\d+), (\d+)\))"));
        int told = 0;
        for (auto it = geometry.globalMatch(log); it.hasNext(); ++told) {
            const QRegularExpressionMatch m = it.next();
            QVERIFY2(m.captured(3).toInt() <= kOutputWidth && m.captured(4).toInt() <= kOutputHeight,
                     qPrintable(m.captured()));
        }
        QVERIFY(told > 0);
    }
};

QTEST_MAIN(TestWaylandStart)
#include "tst_waylandstart.moc"
