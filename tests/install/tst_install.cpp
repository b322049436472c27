#include "model/base/Version.h"

#include "../app/FolderSnapshot.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Installs the build into a temporary prefix and runs the programs from
// there, far from the build tree: what a package puts on a machine.
class TestInstall : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void installedFiles_data();
    void installedFiles();
    void iconsHaveTheirFoldersSize_data();
    void iconsHaveTheirFoldersSize();
    void installedProgramRuns_data();
    void installedProgramRuns();
    void launcherLoadsNeitherGuiNorOfficeLibraries();

private:
    QString Installed(const QString& relative) const { return m_prefix.path() + QLatin1Char('/') + relative; }
    QTemporaryDir m_prefix;
    QTemporaryDir m_work;
};

namespace {
const QString kAppId = QStringLiteral("com.quillory.Tallyvane");
const QString kPivexId = QStringLiteral("com.pellworth.PivexSettings");
const int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

} // namespace

void TestInstall::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(TALLYVANE_BUILD_DIR),
                   QStringLiteral("--prefix"), m_prefix.path()});
    QVERIFY(install.waitForFinished(240000));
    QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0,
             install.readAll().constData());
    QVERIFY(CopyTree(QStringLiteral(TALLYVANE_TEST_DATA "/listfolder"), m_work.path()));
}

void TestInstall::installedFiles_data()
{
    QTest::addColumn<QString>("path");
    const QStringList files{
        "bin/tallyvane",
        "libexec/tallyvane/tallyvane-gui",
        "libexec/tallyvane/tallyvane-office",
        "libexec/tallyvane/tallyvane-sync",
        "share/tallyvane/Templates/exporttemplate.html",
        "share/tallyvane/Templates/printtemplate.html",
        "share/tallyvane/Templates/icon.bmp",
        "share/tallyvane/Templates/recicon.bmp",
        "share/tallyvane/Templates/tlv.xltx",
        "share/tallyvane/tlvhelp.html",
        "share/applications/" + kAppId + ".desktop",
        "share/metainfo/" + kAppId + ".metainfo.xml",
        "share/icons/hicolor/scalable/apps/" + kAppId + ".svg",
        "share/man/man1/tallyvane.1.gz",
        "share/doc/tallyvane/copyright",
        "share/doc/tallyvane/changelog.gz",
        "bin/pivexsettings",
        "share/applications/" + kPivexId + ".desktop",
        "share/metainfo/" + kPivexId + ".metainfo.xml",
        "share/icons/hicolor/scalable/apps/" + kPivexId + ".svg",
        "share/man/man1/pivexsettings.1.gz",
        "share/doc/pivexsettings/copyright",
    };
    for (const QString& file : files)
        QTest::newRow(qPrintable(file)) << file;
    if (TALLYVANE_TRANSLATIONS_BUILT) {
        for (const char* qm :
             {"share/tallyvane/translations/tallyvane_de.qm", "share/tallyvane/translations/tallyvane_fr.qm",
              "share/tallyvane/translations/tallyvane_en.qm"})
            QTest::newRow(qm) << QString::fromLatin1(qm);
    }
}

void TestInstall::installedFiles()
{
    QFETCH(QString, path);
    const QFileInfo info(Installed(path));
    QVERIFY2(info.isFile(), qPrintable(info.filePath()));
    QVERIFY(info.size() > 0);
    QCOMPARE(info.isExecutable(),
             path.startsWith(QLatin1String("bin/")) || path.startsWith(QLatin1String("libexec/")));
}

void TestInstall::iconsHaveTheirFoldersSize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size");
    for (const QString& id : {kAppId, kPivexId})
        for (int size : kIconSizes)
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(id).arg(size)))
                << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(id) << size;
}

// The theme takes a folder's size for the picture's: they must agree.
void TestInstall::iconsHaveTheirFoldersSize()
{
    QFETCH(QString, path);
    QFETCH(int, size);
    QFile png(Installed(path));
    QVERIFY2(png.open(QIODevice::ReadOnly), qPrintable(png.fileName()));
    const QByteArray head = png.read(24);
    QVERIFY(head.startsWith("\x89PNG\r\n\x1a\n"));
    QCOMPARE(head.mid(12, 4), QByteArray("IHDR"));
    auto be32 = [&](int at) {
        return (uchar(head[at]) << 24) | (uchar(head[at + 1]) << 16) | (uchar(head[at + 2]) << 8) |
               uchar(head[at + 3]);
    };
    QCOMPARE(be32(16), size);
    QCOMPARE(be32(20), size);
}

void TestInstall::installedProgramRuns_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("out");    // what standard output starts with
    QTest::addColumn<QString>("written");   // a file the run writes, or empty
    QTest::addColumn<QByteArray>("starts"); // ...and how it starts
    QTest::newRow("--version") << QStringList{"--version"} << 0
                               << QByteArray("tallyvane " TALLYVANE_VERSION "\n") << QString()
                               << QByteArray();
    QTest::newRow("--help") << QStringList{"--help"} << 0 << QByteArray("Usage: tallyvane") << QString()
                            << QByteArray();
    QTest::newRow("list") << QStringList{"list", "--workdir", "@", "--month", "2007-03"} << 0
                          << QByteArray("2007030209000010\t2007-03-05T00:00:00\t") << QString()
                          << QByteArray();
    // The templates come from share/tallyvane: nothing lies beside the program.
    QTest::newRow("export html") << QStringList{"export",  "html",    "--workdir", "@",
                                                "--month", "2007-03", "--output",  "@/out.html"}
                                 << 0 << QByteArray() << "out.html" << QByteArray("<");
    QTest::newRow("export pdf") << QStringList{"export",  "pdf",     "--workdir", "@",
                                               "--month", "2007-03", "--output",  "@/out.pdf"}
                                << 0 << QByteArray() << "out.pdf" << QByteArray("%PDF-");
    // Handed to the office program in libexec/tallyvane.
    QTest::newRow("export xlsx") << QStringList{"export",  "xlsx",    "--workdir", "@",
                                                "--month", "2007-03", "--output",  "@/out.xlsx"}
                                 << 0 << QByteArray() << "out.xlsx" << QByteArray("PK");
    // Handed to the sync program, which refuses the folder before it asks the server.
    QTest::newRow("sync") << QStringList{"sync",     "--workdir",           "/no/such/folder",
                                         "--caldav", "http://127.0.0.1:1/", "--user",
                                         "u"}
                          << 2 << QByteArray() << QString() << QByteArray();
    // Handed to the window program, which refuses the folder before it needs a display.
    QTest::newRow("window") << QStringList{"--workdir", "/no/such/folder"} << 2 << QByteArray() << QString()
                            << QByteArray();
}

void TestInstall::installedProgramRuns()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QByteArray, out);
    QFETCH(QString, written);
    QFETCH(QByteArray, starts);
    args.replaceInStrings(QStringLiteral("@"), m_work.path());
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(env);
    process.start(Installed(QStringLiteral("bin/tallyvane")), args);
    QVERIFY(process.waitForFinished(60000));
    const QByteArray err = process.readAllStandardError();
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY2(process.exitCode() == status, err.constData());
    QVERIFY(process.readAllStandardOutput().startsWith(out));
    if (status != 0)
        QVERIFY2(err.startsWith("tallyvane: working directory not found"), err.constData());
    if (!written.isEmpty()) {
        QFile file(m_work.path() + QLatin1Char('/') + written);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QVERIFY(file.read(starts.size()) == starts);
    }
}

// The point of the split: the commands start on QtCore alone.
void TestInstall::launcherLoadsNeitherGuiNorOfficeLibraries()
{
    QProcess readelf;
    readelf.start(QStringLiteral("readelf"),
                  {QStringLiteral("-d"), Installed(QStringLiteral("bin/tallyvane"))});
    if (!readelf.waitForStarted(10000))
        QSKIP("readelf (binutils) is not installed");
    QVERIFY(readelf.waitForFinished(30000));
    const QString dynamic = QString::fromLocal8Bit(readelf.readAllStandardOutput());
    QVERIFY(dynamic.contains(QStringLiteral("libQt6Core.so")));
    for (const char* library : {"libQt6Gui", "libQt6Widgets", "libQt6PrintSupport", "libzip", "libpugixml",
                                "libQt6Network", "keychain"})
        QVERIFY2(!dynamic.contains(QLatin1String(library)), library);
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
