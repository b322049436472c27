#include "model/store/ExportFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// How an export lands on the path the user chose.
class TestExportFile : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_dir.emplace(); }
    void savesAndReplaces();
    void keepsPermissions();
    void writesThroughALink();
    void refusesAndKeeps_data();
    void refusesAndKeeps();
    void writesIntoADevice();

private:
    QString Path(const QString& name) const { return m_dir->filePath(name); }
    static QByteArray Read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    static void Write(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    std::optional<QTemporaryDir> m_dir;
};

void TestExportFile::savesAndReplaces()
{
    QString why;
    QVERIFY(SaveExportFile(Path("a.html"), "first", &why));
    QVERIFY(SaveExportFile(Path("a.html"), "second", &why));
    QCOMPARE(Read(Path("a.html")), QByteArray("second"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"a.html"}); // no temporary left
}

void TestExportFile::keepsPermissions()
{
    Write(Path("private.pdf"), "old");
    QVERIFY(QFile::setPermissions(Path("private.pdf"), QFile::ReadOwner | QFile::WriteOwner));
    QString why;
    QVERIFY2(SaveExportFile(Path("private.pdf"), "new", &why), qPrintable(why));
    // Owner, group and others as before: only the owner may read and write.
    QCOMPARE(int(QFile::permissions(Path("private.pdf")) & 0x7077),
             int(QFile::ReadOwner | QFile::WriteOwner));
    QCOMPARE(Read(Path("private.pdf")), QByteArray("new"));
}

void TestExportFile::writesThroughALink()
{
    QVERIFY(QDir().mkpath(Path("real")));
    Write(Path("real/target.xlsx"), "old");
    QVERIFY(QFile::link(Path("real/target.xlsx"), Path("link.xlsx")));
    QString why;
    QVERIFY2(SaveExportFile(Path("link.xlsx"), "new", &why), qPrintable(why));
    QVERIFY(QFileInfo(Path("link.xlsx")).isSymLink());
    QCOMPARE(Read(Path("real/target.xlsx")), QByteArray("new"));
}

void TestExportFile::refusesAndKeeps_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("read-only file") << "readonly";
    QTest::newRow("folder in the way") << "folder";
    QTest::newRow("folder that does not exist") << "missing";
}

void TestExportFile::refusesAndKeeps()
{
    QFETCH(QString, kind);
    QString target = Path("out.docx");
    if (kind == "readonly") {
        Write(target, "keep me");
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup));
    } else if (kind == "folder") {
        QVERIFY(QDir().mkpath(target));
    } else {
        target = Path("no/such/folder/out.docx");
    }
    QString why;
    QVERIFY(!SaveExportFile(target, "new bytes", &why));
    QVERIFY(!why.isEmpty());
    if (kind == "readonly")
        QCOMPARE(Read(target), QByteArray("keep me"));
    // Nothing else appeared beside it.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), kind == "readonly" ? 1 : 0);
}

void TestExportFile::writesIntoADevice()
{
    QString why;
    QVERIFY2(SaveExportFile(QStringLiteral("/dev/null"), "bytes", &why), qPrintable(why));
    struct stat st;
    QVERIFY(::stat("/dev/null", &st) == 0 && S_ISCHR(st.st_mode));
}

QTEST_GUILESS_MAIN(TestExportFile)
#include "tst_exportfile.moc"
