#include "model/store/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Names in a folder other than the ones given: what a write left behind.
QStringList Debris(const QString& dir, const QStringList& expected)
{
    QStringList extra;
    for (const QString& name :
         QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        if (!expected.contains(name))
            extra << name;
    return extra;
}
} // namespace

class TestSaveFile : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void writeKeepsWhatQSaveFileKeeps_data();
    void writeKeepsWhatQSaveFileKeeps();
    void fifoIsWrittenIntoNotReplaced();
    void failuresLeaveTheOldFileAndNoDebris_data();
    void failuresLeaveTheOldFileAndNoDebris();
    void createNeverReplaces_data();
    void createNeverReplaces();
    void batchRenamesOnlyAtItsEnd();
    void batchNameTakenMeanwhileIsToldLate();
    void removeInABatchDropsTheStagedWrite();
    void ownTemporaryNames_data();
    void ownTemporaryNames();

private:
    QTemporaryDir* m_dir = nullptr;
    QString Path(const QString& name) const { return m_dir->path() + QLatin1Char('/') + name; }
};

void TestSaveFile::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
}

void TestSaveFile::cleanup()
{
    delete m_dir;
    m_dir = nullptr;
}

void TestSaveFile::writeKeepsWhatQSaveFileKeeps_data()
{
    QTest::addColumn<QString>("setup");
    QTest::newRow("new file") << "none";
    QTest::newRow("existing file keeps its permissions") << "mode0640";
    QTest::newRow("symlink is written through") << "symlink";
    QTest::newRow("dangling symlink creates its target") << "dangling";
}

void TestSaveFile::writeKeepsWhatQSaveFileKeeps()
{
    QFETCH(QString, setup);
    const QString path = Path(QStringLiteral("out.txt"));
    const QString real = Path(QStringLiteral("real.txt"));
    QStringList expected{QStringLiteral("out.txt")};
    if (setup == QLatin1String("mode0640")) {
        WriteAll(path, "old");
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0640) == 0);
    } else if (setup == QLatin1String("symlink") || setup == QLatin1String("dangling")) {
        if (setup == QLatin1String("symlink"))
            WriteAll(real, "old");
        QVERIFY(QFile::link(QStringLiteral("real.txt"), path));
        expected << QStringLiteral("real.txt");
    }

    QString why;
    QVERIFY2(SaveFile::Write(path, "new bytes", &why), qPrintable(why));
    QCOMPARE(ReadAll(path), QByteArray("new bytes"));
    QCOMPARE(Debris(m_dir->path(), expected), QStringList());
    struct stat st;
    QVERIFY(::lstat(QFile::encodeName(path).constData(), &st) == 0);
    if (setup == QLatin1String("mode0640"))
        QCOMPARE(st.st_mode & 07777, mode_t(0640));
    if (setup == QLatin1String("symlink") || setup == QLatin1String("dangling")) {
        QVERIFY(S_ISLNK(st.st_mode)); // the link stays a link
        QCOMPARE(ReadAll(real), QByteArray("new bytes"));
    }
}

void TestSaveFile::fifoIsWrittenIntoNotReplaced()
{
    const QString path = Path(QStringLiteral("pipe"));
    QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    QByteArray received;
    std::thread reader([&] {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            received = f.readAll();
    });
    QString why;
    const bool ok = SaveFile::Write(path, "through the pipe", &why);
    reader.join();
    QVERIFY2(ok, qPrintable(why));
    QCOMPARE(received, QByteArray("through the pipe"));
    struct stat st;
    QVERIFY(::lstat(QFile::encodeName(path).constData(), &st) == 0);
    QVERIFY(S_ISFIFO(st.st_mode));
    QCOMPARE(Debris(m_dir->path(), {QStringLiteral("pipe")}), QStringList());

    // A device too: /dev/null stays the device.
    QVERIFY(SaveFile::Write(QStringLiteral("/dev/null"), "gone", &why));
    QVERIFY(::stat("/dev/null", &st) == 0 && S_ISCHR(st.st_mode));
}

void TestSaveFile::failuresLeaveTheOldFileAndNoDebris_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("reasonPart");
    QTest::newRow("target is a folder") << "folder"
                                        << "directory";
    QTest::newRow("folder is missing") << "missing/out.txt"
                                       << "No such file";
    QTest::newRow("loop of links") << "loop"
                                   << "symbolic links";
    QTest::newRow("read-only file") << "readonly.txt"
                                    << "Permission denied";
}

void TestSaveFile::failuresLeaveTheOldFileAndNoDebris()
{
    QFETCH(QString, target);
    QFETCH(QString, reasonPart);
    QVERIFY(QDir().mkpath(Path(QStringLiteral("folder"))));
    QVERIFY(QFile::link(QStringLiteral("loop2"), Path(QStringLiteral("loop"))));
    QVERIFY(QFile::link(QStringLiteral("loop"), Path(QStringLiteral("loop2"))));
    WriteAll(Path(QStringLiteral("readonly.txt")), "kept");
    QVERIFY(::chmod(QFile::encodeName(Path(QStringLiteral("readonly.txt"))).constData(), 0444) == 0);
    if (target == QLatin1String("readonly.txt") && ::geteuid() == 0)
        QSKIP("root may write any file");
    const QStringList before = Debris(m_dir->path(), {});

    QString why;
    QVERIFY(!SaveFile::Write(Path(target), "new", &why));
    QVERIFY2(why.contains(reasonPart), qPrintable(why));
    QCOMPARE(Debris(m_dir->path(), before), QStringList());
    QCOMPARE(ReadAll(Path(QStringLiteral("readonly.txt"))), QByteArray("kept"));
}

void TestSaveFile::createNeverReplaces_data()
{
    QTest::addColumn<QString>("existing");
    QTest::addColumn<int>("expected");
    QTest::newRow("free name") << "" << int(SaveFile::Result::Done);
    QTest::newRow("file") << "file" << int(SaveFile::Result::NameTaken);
    QTest::newRow("dangling link") << "dangling" << int(SaveFile::Result::NameTaken);
    QTest::newRow("folder") << "folder" << int(SaveFile::Result::NameTaken);
}

void TestSaveFile::createNeverReplaces()
{
    QFETCH(QString, existing);
    QFETCH(int, expected);
    const QString path = Path(QStringLiteral("new.due"));
    if (existing == QLatin1String("file"))
        WriteAll(path, "theirs");
    else if (existing == QLatin1String("dangling"))
        QVERIFY(QFile::link(QStringLiteral("nowhere"), path));
    else if (existing == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(path));
    const QStringList before = Debris(m_dir->path(), {});

    QString why;
    QCOMPARE(int(SaveFile::Create(path, "ours", &why)), expected);
    if (expected == int(SaveFile::Result::Done)) {
        QCOMPARE(ReadAll(path), QByteArray("ours"));
        QCOMPARE(Debris(m_dir->path(), {QStringLiteral("new.due")}), QStringList());
    } else {
        QCOMPARE(Debris(m_dir->path(), before), QStringList());
        if (existing == QLatin1String("file"))
            QCOMPARE(ReadAll(path), QByteArray("theirs"));
    }
}

void TestSaveFile::batchRenamesOnlyAtItsEnd()
{
    const QString a = Path(QStringLiteral("a"));
    const QString b = Path(QStringLiteral("b"));
    WriteAll(a, "old a");
    QString why;
    {
        SaveFile::Batch batch;
        QVERIFY(SaveFile::Write(a, "first", &why));
        QVERIFY(SaveFile::Write(a, "second", &why)); // the later bytes win
        QCOMPARE(int(SaveFile::Create(b, "b", &why)), int(SaveFile::Result::Done));
        {
            SaveFile::Batch inner; // nested: nothing happens at its end
        }
        // Until the batch ends, the old files stand and the new one is not there.
        QCOMPARE(ReadAll(a), QByteArray("old a"));
        QVERIFY(!QFile::exists(b));
    }
    QCOMPARE(ReadAll(a), QByteArray("second"));
    QCOMPARE(ReadAll(b), QByteArray("b"));
    QCOMPARE(Debris(m_dir->path(), {QStringLiteral("a"), QStringLiteral("b")}), QStringList());
}

void TestSaveFile::batchNameTakenMeanwhileIsToldLate()
{
    const QString path = Path(QStringLiteral("late.due"));
    SaveFile::Result told = SaveFile::Result::Failed;
    int calls = 0;
    {
        SaveFile::Batch batch;
        QString why;
        QCOMPARE(int(SaveFile::Create(path, "ours", &why,
                                      [&](SaveFile::Result r, const QString&) {
                                          told = r;
                                          ++calls;
                                      })),
                 int(SaveFile::Result::Done));
        WriteAll(path, "theirs"); // another program, between our look and our rename
    }
    QCOMPARE(calls, 1);
    QCOMPARE(int(told), int(SaveFile::Result::NameTaken));
    QCOMPARE(ReadAll(path), QByteArray("theirs"));
    QCOMPARE(Debris(m_dir->path(), {QStringLiteral("late.due")}), QStringList());
}

void TestSaveFile::removeInABatchDropsTheStagedWrite()
{
    const QString a = Path(QStringLiteral("a"));
    const QString b = Path(QStringLiteral("b"));
    WriteAll(a, "old");
    QString why;
    {
        SaveFile::Batch batch;
        QVERIFY(SaveFile::Write(a, "new", &why));
        QCOMPARE(int(SaveFile::Create(b, "b", &why)), int(SaveFile::Result::Done));
        QVERIFY(SaveFile::Remove(a, &why));
        QVERIFY(SaveFile::Remove(b, &why)); // only staged: nothing to remove, nothing created
    }
    QCOMPARE(Debris(m_dir->path(), {}), QStringList());
}

void TestSaveFile::ownTemporaryNames_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("own");
    const QByteArray host = SaveFile::HostTag().toLatin1();
    QTest::newRow("ours") << "duedate2024010100000010.due." + host + "-123-4.tmp" << true;
    QTest::newRow("ours, short form") << ".tallyvane." + host + "-123-4.tmp" << true;
    QTest::newRow("older form without host") << QByteArray("preferences.alm.4711-0.tmp") << true;
    QTest::newRow("another host") << QByteArray("duedate1.due.otherhost-123-4.tmp") << false;
    QTest::newRow("not ours at all") << QByteArray("notes.tmp") << false;
    QTest::newRow("letters in the numbers") << "a.due." + host + "-12x-4.tmp" << false;
    QTest::newRow("a due file") << QByteArray("duedate2024010100000010.due") << false;
}

void TestSaveFile::ownTemporaryNames()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, own);
    QCOMPARE(SaveFile::IsOwnTemporaryName(name), own);
}

QTEST_GUILESS_MAIN(TestSaveFile)
#include "tst_savefile.moc"
