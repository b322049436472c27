// Where the main window opens: a saved place fitted to the screen it opens
// on (a smaller one, or the same at another scale: ctest runs this also with
// QT_SCALE_FACTOR=2), maximised when it was left so, also when shown from the
// tray. The offscreen platform is given two screens side by side.

#include "../UiTestSupport.h"

#include "ui/frame/CMainFrame.h"
#include "ui/frame/FrameSettings.h"
#include "ui/frame/WindowPlacement.h"

#include <QScreen>
#include <QTest>

namespace {

// A wide screen and, right of it, a small one (in pixels at scale 1).
const QRect kWide(0, 0, 2560, 1600);
const QRect kSmall(2560, 0, 1024, 768);

QByteArray SavedGeometry(const QRect& normal, bool maximized)
{
    QWidget window;
    window.setGeometry(normal);
    if (maximized)
        window.setWindowState(Qt::WindowMaximized);
    return window.saveGeometry();
}

QString Describe(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

class TestWindowPlacement : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;

    static void Save(const QByteArray& geometry)
    {
        QSettings settings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane"));
        settings.clear();
        if (!geometry.isEmpty())
            settings.setValue(QStringLiteral("Window/Geometry"), geometry);
        settings.sync();
    }

    // The window shown fits the free area of the screen it is on, frame and all.
    static void VerifyOnItsScreen(const CMainFrame& frame)
    {
        const QRect area = frame.screen()->availableGeometry();
        const QRect outer = frame.isMaximized() ? frame.normalGeometry() : frame.frameGeometry();
        QVERIFY2(area.contains(outer),
                 qPrintable(Describe(outer) + QStringLiteral(" beyond ") + Describe(area)));
    }

private slots:
    void initTestCase()
    {
        UiTest::IsolateSettings();
        QCOMPARE(QGuiApplication::screens().size(), 2);
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        UiTest::UseWorkDir(m_dir->path());
    }

    void cleanup() { Save({}); }

    // The place is read from what Qt itself saved; anything else is not taken.
    void decodesWhatQtSaved_data()
    {
        QTest::addColumn<QRect>("normal");
        QTest::addColumn<bool>("maximized");
        QTest::newRow("normal") << QRect(40, 30, 900, 650) << false;
        QTest::newRow("maximised") << QRect(100, 80, 1446, 933) << true;
        QTest::newRow("left of the origin") << QRect(-300, -20, 640, 480) << true;
    }

    void decodesWhatQtSaved()
    {
        QFETCH(QRect, normal);
        QFETCH(bool, maximized);
        const auto saved = WindowPlacement::Decode(SavedGeometry(normal, maximized));
        QVERIFY(saved);
        QCOMPARE(saved->normal, normal);
        QCOMPARE(saved->maximized, maximized);
        QVERIFY(!saved->fullScreen);
    }

    void refusesOtherData_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QByteArray good = SavedGeometry(QRect(10, 10, 500, 400), false);
        QTest::newRow("cut short") << good.left(20);
        QByteArray otherMagic = good;
        otherMagic[0] = 0x7f;
        QTest::newRow("another magic number") << otherMagic;
        QByteArray newerFormat = good;
        newerFormat[5] = 9; // major version 9
        QTest::newRow("a later format") << newerFormat;
    }

    void refusesOtherData()
    {
        QFETCH(QByteArray, data);
        QVERIFY(!WindowPlacement::Decode(data));
    }

    void fit_data()
    {
        QTest::addColumn<QRect>("normal");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("fitted");
        const QMargins frame(4, 30, 4, 4);
        const QRect area(0, 0, 1024, 768);
        QTest::newRow("fits: as it was")
            << QRect(100, 80, 700, 500) << frame << area << QRect(100, 80, 700, 500);
        QTest::newRow("exactly the area with its frame")
            << QRect(4, 30, 1016, 734) << frame << area << QRect(4, 30, 1016, 734);
        QTest::newRow("wider and taller: the area less the frame")
            << QRect(100, 80, 2200, 1440) << frame << area << QRect(4, 30, 1016, 734);
        QTest::newRow("out over the right and bottom edges: moved in")
            << QRect(800, 600, 500, 400) << frame << area << QRect(520, 364, 500, 400);
        QTest::newRow("title bar above the screen: moved down")
            << QRect(100, 0, 500, 400) << frame << area << QRect(100, 30, 500, 400);
        QTest::newRow("a screen right of another") << QRect(3000, 100, 1600, 1000) << frame
                                                   << QRect(2560, 0, 1024, 768) << QRect(2564, 30, 1016, 734);
        QTest::newRow("a frame larger than the screen: at its corner")
            << QRect(50, 50, 300, 200) << QMargins(10, 300, 10, 10) << QRect(0, 0, 200, 200)
            << QRect(10, 300, 180, 1);
    }

    void fit()
    {
        QFETCH(QRect, normal);
        QFETCH(QMargins, frame);
        QFETCH(QRect, area);
        QFETCH(QRect, fitted);
        QCOMPARE(WindowPlacement::Fit(normal, frame, area), fitted);
    }

    // A window left on one screen opens on the one it is now on, never larger
    // than its free area, and maximised when it was left so.
    void opensFittedToItsScreen_data()
    {
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<bool>("maximized");
        QTest::addColumn<bool>("viaTray"); // placed hidden, then opened from the tray
        for (const bool tray : {false, true}) {
            const char* how = tray ? "from the tray" : "at start";
            QTest::addRow("first start, %s", how) << QByteArray() << true << tray;
            QTest::addRow("wide and large, %s", how)
                << SavedGeometry(QRect(60, 40, 2200, 1440), false) << false << tray;
            QTest::addRow("wide and large maximised, %s", how)
                << SavedGeometry(QRect(60, 40, 2200, 1440), true) << true << tray;
            QTest::addRow("larger than the small screen, %s", how)
                << SavedGeometry(QRect(2600, 40, 1600, 1000), false) << false << tray;
            QTest::addRow("maximised on the small screen, %s", how)
                << SavedGeometry(QRect(2600, 40, 1100, 720), true) << true << tray;
            QTest::addRow("off every screen, %s", how)
                << SavedGeometry(QRect(9000, 5000, 900, 600), false) << false << tray;
        }
    }

    void opensFittedToItsScreen()
    {
        QFETCH(QByteArray, saved);
        QFETCH(bool, maximized);
        QFETCH(bool, viaTray);
        Save(saved);
        CMainFrame frame;
        if (!FrameSettings::Restore(frame))
            FrameSettings::PlaceAsNew(frame);
        if (viaTray)
            frame.BringToFront(); // Open from the tray
        else
            frame.ShowAsPlaced();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QCOMPARE(frame.isMaximized(), maximized);
        VerifyOnItsScreen(frame);
        if (maximized)
            QCOMPARE(frame.frameGeometry(), frame.screen()->availableGeometry());
    }

    // A saved place that fits is kept as it was.
    void keptWhereItFits()
    {
        const QRect normal(kWide.x() + 200, 150, 800, 500);
        Save(SavedGeometry(normal, false));
        CMainFrame frame;
        QVERIFY(FrameSettings::Restore(frame));
        frame.ShowAsPlaced();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QCOMPARE(frame.geometry(), normal);
    }

    // While it waited in the tray its screen may have shrunk (another
    // monitor, another scale): it opens fitted, still maximised if it was.
    void screenChangedWhileInTheTray_data()
    {
        QTest::addColumn<bool>("maximized");
        QTest::newRow("normal") << false;
        QTest::newRow("maximised") << true;
    }

    void screenChangedWhileInTheTray()
    {
        QFETCH(bool, maximized);
        CMainFrame frame;
        FrameSettings::PlaceAsNew(frame);
        // As placed for a screen far larger than any there is now.
        frame.setWindowState(Qt::WindowNoState);
        frame.setGeometry(QRect(30, 30, 4000, 2500));
        if (maximized)
            frame.setWindowState(Qt::WindowMaximized);
        frame.BringToFront();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QCOMPARE(frame.isMaximized(), maximized);
        VerifyOnItsScreen(frame);
    }
};

// The offscreen platform takes its screens from a file named in its options.
int main(int argc, char** argv)
{
    QTemporaryDir configDir;
    const QString config = configDir.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    const auto screen = [](const char* name, const QRect& r) {
        return QStringLiteral(R"({"name":"%1","x":%2,"y":%3,"width":%4,"height":%5,)"
                              R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1})")
            .arg(QLatin1String(name))
            .arg(r.x())
            .arg(r.y())
            .arg(r.width())
            .arg(r.height());
    };
    file.write(QStringLiteral(R"({"screens":[%1,%2]})")
                   .arg(screen("wide", kWide), screen("small", kSmall))
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    QApplication app(argc, argv);
    TestWindowPlacement test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windowplacement.moc"
