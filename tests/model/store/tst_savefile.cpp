#include "model/store/FolderLock.h"
#include "model/store/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
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
// The pid of a process that has ended: a writer that is gone.
qint64 PidOfAnEndedProcess()
{
    QProcess p;
    p.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("echo $$")});
    p.waitForFinished();
    return p.readAllStandardOutput().trimmed().toLongLong();
}

struct Call
{
    QByteArray call;
    QByteArray name;
};
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
    void durableWriteOrder_data();
    void durableWriteOrder();
    void aFailedWriteAbandonsItsBatch();
    void interruptedCommitsAreFinishedOrTakenBack();
    void leftoversOfLiveWritersStay();
    void oneLockThroughLinksAndWaits();
    void bulkLandsWholeInDurableOrder();
    void bulkNotCommittedLeavesNothing();
    void bulkInterruptedIsFinishedOrTakenBack();

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

void TestSaveFile::durableWriteOrder_data()
{
    QTest::addColumn<int>("files");
    QTest::newRow("one file") << 1;
    QTest::newRow("a batch synced file by file") << 5;
    QTest::newRow("a batch synced by file system") << 40;
}

void TestSaveFile::durableWriteOrder()
{
    QFETCH(int, files);
    std::vector<Call> calls;
    SaveFile::SetTrace([&](const char* call, const QByteArray& path) {
        calls.push_back({call, path.mid(path.lastIndexOf('/') + 1)});
    });
    QString why;
    {
        SaveFile::Batch batch;
        for (int i = 0; i < files; ++i)
            QCOMPARE(int(SaveFile::Create(Path(QStringLiteral("f%1").arg(i)), "data", &why)),
                     int(SaveFile::Result::Done));
    }
    SaveFile::SetTrace({});
    auto first = [&](const char* call) {
        for (size_t i = 0; i < calls.size(); ++i)
            if (calls[i].call == call)
                return int(i);
        return -1;
    };
    auto last = [&](const char* call) {
        int at = -1;
        for (size_t i = 0; i < calls.size(); ++i)
            if (calls[i].call == call)
                at = int(i);
        return at;
    };
    const int firstRename = first("rename");
    QVERIFY(firstRename > 0);
    // Every byte is on the disk before the first name changes...
    QVERIFY(last("write") < firstRename);
    const int dataSync = files > 16 ? last("syncfs") : last("fdatasync");
    QVERIFY2(dataSync >= 0 && dataSync < firstRename, "data synced before any rename");
    if (files <= 16) {
        int synced = 0;
        for (const Call& c : calls)
            synced += c.call == "fdatasync" && c.name.endsWith(".tmp");
        QCOMPARE(synced, files);
    }
    // ...a batch of several names its changes in a synced journal first...
    const int journal = first("journal");
    if (files > 1) {
        QVERIFY(journal >= 0 && journal < firstRename);
        QVERIFY(first("fsyncdir") > journal && first("fsyncdir") < firstRename);
        QVERIFY2(last("unlink") > last("rename"), "the journal goes after the renames");
    } else {
        QCOMPARE(journal, -1);
    }
    // ...and the folder is synced after the last rename.
    int dirSyncAfter = -1;
    for (size_t i = size_t(last("rename")); i < calls.size(); ++i)
        if (calls[i].call == "fsyncdir")
            dirSyncAfter = int(i);
    QVERIFY(dirSyncAfter > last("rename"));
    QCOMPARE(Debris(m_dir->path(), QDir(m_dir->path()).entryList(QDir::Files)), QStringList());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden).size(), files);
}

void TestSaveFile::aFailedWriteAbandonsItsBatch()
{
    const QString a = Path(QStringLiteral("a"));
    WriteAll(a, "old a");
    QList<SaveFile::Result> told;
    auto note = [&](SaveFile::Result r, const QString&) { told << r; };
    QString why;
    {
        SaveFile::Batch batch;
        QVERIFY(SaveFile::Write(a, "new a", &why, note));
        QCOMPARE(int(SaveFile::Create(Path(QStringLiteral("b")), "b", &why, note)),
                 int(SaveFile::Result::Done));
        // A write that cannot be staged (its folder is not there) fails at once...
        QVERIFY(!SaveFile::Write(Path(QStringLiteral("gone/c")), "c", &why, note));
        QVERIFY(!why.isEmpty());
    }
    // ...and nothing of its batch lands.
    QCOMPARE(ReadAll(a), QByteArray("old a"));
    QVERIFY(!QFile::exists(Path(QStringLiteral("b"))));
    QCOMPARE(told, (QList<SaveFile::Result>{SaveFile::Result::Abandoned, SaveFile::Result::Abandoned}));
    QCOMPARE(Debris(m_dir->path(), {QStringLiteral("a")}), QStringList());
}

void TestSaveFile::interruptedCommitsAreFinishedOrTakenBack()
{
    const QByteArray host = SaveFile::HostTag().toLatin1();
    const QByteArray dead = QByteArray::number(PidOfAnEndedProcess());
    const QByteArray tag = host + '-' + dead + '-';
    // A journalled commit cut short after its first rename: x.due was
    // renamed, y.due not yet, z.due not yet removed.
    WriteAll(Path(QStringLiteral("x.due")), "new x");
    WriteAll(Path(QStringLiteral("y.due.") + tag + "2.tmp"), "new y");
    WriteAll(Path(QStringLiteral("z.due")), "old z");
    WriteAll(Path(QStringLiteral("w.due")), "old w");
    WriteAll(Path(QStringLiteral("w.due.") + tag + "3.tmp"), "new w");
    WriteAll(Path(QStringLiteral(".tallyvane-") + tag + "0.journal"),
             "Tallyvane commit 1\nC x.due." + tag + "1.tmp x.due\nC y.due." + tag + "2.tmp y.due\nW w.due." +
                 tag + "3.tmp w.due\nD z.due\nend\n");
    // A commit that had not reached its journal: only staged files.
    WriteAll(Path(QStringLiteral("v.due.") + tag + "7.tmp"), "staged v");
    // A journal that never reached the disk whole is no commit.
    WriteAll(Path(QStringLiteral("u.due.") + tag + "8.tmp"), "staged u");
    WriteAll(Path(QStringLiteral(".tallyvane-") + tag + "9.journal"),
             "Tallyvane commit 1\nC u.due." + tag + "8.tmp u.due\n");

    const SaveFile::Interrupted done = SaveFile::FinishInterrupted(QFile::encodeName(m_dir->path()));
    QCOMPARE(done.problems, QStringList());
    QCOMPARE(ReadAll(Path(QStringLiteral("y.due"))), QByteArray("new y"));
    QCOMPARE(ReadAll(Path(QStringLiteral("w.due"))), QByteArray("new w"));
    QVERIFY(!QFile::exists(Path(QStringLiteral("z.due"))));
    QVERIFY(!QFile::exists(Path(QStringLiteral("v.due"))));
    QVERIFY(!QFile::exists(Path(QStringLiteral("u.due"))));
    QCOMPARE(done.finished.size(), 3); // y, w renamed; z removed
    QCOMPARE(done.rolledBack.size(), 2);
    QCOMPARE(done.rolledBackData.size(), 2);
    QVERIFY(done.rolledBackData.contains("staged v"));
    QCOMPARE(
        Debris(m_dir->path(), {QStringLiteral("x.due"), QStringLiteral("y.due"), QStringLiteral("w.due")}),
        QStringList());
    // Nothing is left to do a second time.
    const SaveFile::Interrupted again = SaveFile::FinishInterrupted(QFile::encodeName(m_dir->path()));
    QVERIFY(again.finished.isEmpty() && again.rolledBack.isEmpty());
}

void TestSaveFile::leftoversOfLiveWritersStay()
{
    const QByteArray host = SaveFile::HostTag().toLatin1();
    // Our own process, a live process of this host (init) and another host:
    // none of them is known to be gone.
    const QStringList names{
        QStringLiteral("a.due.") + host + '-' + QByteArray::number(qint64(::getpid())) + "-1.tmp",
        QStringLiteral("b.due.") + host + "-1-1.tmp",
        QStringLiteral("c.due.elsewhere-") + QByteArray::number(PidOfAnEndedProcess()) + "-1.tmp",
        QStringLiteral(".tallyvane-") + host + "-1-0.journal"};
    for (const QString& name : names)
        WriteAll(Path(name), "staged");
    const SaveFile::Interrupted done = SaveFile::FinishInterrupted(QFile::encodeName(m_dir->path()));
    QVERIFY(done.finished.isEmpty() && done.rolledBack.isEmpty());
    for (const QString& name : names)
        QVERIFY2(QFile::exists(Path(name)), qPrintable(name));
}

void TestSaveFile::oneLockThroughLinksAndWaits()
{
    const QString real = Path(QStringLiteral("real"));
    const QString link = Path(QStringLiteral("link"));
    QVERIFY(QDir().mkdir(real));
    QVERIFY(QFile::link(real, link));
    QString why;
    auto held = FolderLock::Acquire(real, 0, &why);
    QVERIFY(held);
    // The same folder through a link is the same lock.
    QVERIFY(!FolderLock::Acquire(link, 0, &why));
    QVERIFY(why.contains(QDir::toNativeSeparators(link)));
    // A writer that meets the lock waits for it instead of failing.
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        held.reset();
    });
    QVERIFY(FolderLock::Acquire(link, 10000, &why));
    release.join();
    QVERIFY(!FolderLock::Acquire(Path(QStringLiteral("missing")), 0, &why));
}

void TestSaveFile::bulkLandsWholeInDurableOrder()
{
    const QByteArray dir = QFile::encodeName(m_dir->path());
    WriteAll(Path(QStringLiteral("b.due")), "another writer's b"); // taken by the time it moves in
    WriteAll(Path(QStringLiteral("c.due")), "another writer's c");
    QList<Call> calls;
    SaveFile::SetTrace([&](const char* call, const QByteArray& path) { calls << Call{call, path}; });
    qint64 count = 0;
    QString why;
    {
        SaveFile::BulkCreate bulk(dir);
        for (const char* name : {"a.due", "b.due", "c.due", "d.due"})
            QVERIFY(bulk.Add(name, QByteArray("new ") + name, &why));
        // Nothing is in the folder before the commit.
        QVERIFY(!QFile::exists(Path(QStringLiteral("a.due"))));
        const auto rename = [](const QByteArray& name, QByteArray* newName, QByteArray* bytes) {
            if (name != "b.due")
                return false;
            *newName = "b2.due";
            *bytes = "renamed " + *bytes;
            return true;
        };
        QVERIFY2(bulk.Commit(&why, &count, rename), qPrintable(why));
    }
    SaveFile::SetTrace({});
    QCOMPARE(count, qint64(4));
    QCOMPARE(ReadAll(Path(QStringLiteral("a.due"))), QByteArray("new a.due"));
    QCOMPARE(ReadAll(Path(QStringLiteral("b.due"))), QByteArray("another writer's b"));
    QCOMPARE(ReadAll(Path(QStringLiteral("b2.due"))), QByteArray("renamed new b.due"));
    // Without a new name the file keeps a name of its own beside the other.
    QCOMPARE(ReadAll(Path(QStringLiteral("c.due"))), QByteArray("another writer's c"));
    QCOMPARE(ReadAll(Path(QStringLiteral("c (2).due"))), QByteArray("new c.due"));
    QCOMPARE(Debris(m_dir->path(),
                    {QStringLiteral("a.due"), QStringLiteral("b.due"), QStringLiteral("b2.due"),
                     QStringLiteral("c.due"), QStringLiteral("c (2).due"), QStringLiteral("d.due")}),
             QStringList());

    // Every write before the one sync, the journal before the first name,
    // the folder synced after the last, the journal gone after that.
    auto first = [&](const char* call) {
        for (int i = 0; i < calls.size(); ++i)
            if (calls.at(i).call == call)
                return i;
        return -1;
    };
    auto last = [&](const char* call) {
        for (int i = int(calls.size()) - 1; i >= 0; --i)
            if (calls.at(i).call == call)
                return i;
        return -1;
    };
    for (int i = first("syncfs"); i < calls.size(); ++i)
        QVERIFY2(calls.at(i).call != "write" || !calls.at(i).name.contains(".staging/"),
                 "every staged file is written before the sync");
    QVERIFY(first("syncfs") > 0 && first("journal") > first("syncfs"));
    QVERIFY(first("rename") > first("journal"));
    int synced = -1;
    for (int i = last("rename"); i < calls.size(); ++i)
        if (calls.at(i).call == "fsyncdir" && calls.at(i).name == dir) {
            synced = i;
            break;
        }
    QVERIFY2(synced > last("rename"), "the folder is synced after the last file moved in");
    QVERIFY(calls.at(last("unlink")).name.endsWith(".journal"));
    QVERIFY(last("unlink") > synced);
}

void TestSaveFile::bulkNotCommittedLeavesNothing()
{
    const QByteArray dir = QFile::encodeName(m_dir->path());
    QString why;
    {
        SaveFile::BulkCreate bulk(dir);
        QVERIFY(bulk.Add("a.due", "a", &why));
        QVERIFY(bulk.Add("b.due", "b", &why));
    }
    QCOMPARE(Debris(m_dir->path(), {}), QStringList());
    // A name given twice is a failed write: the whole change is abandoned.
    SaveFile::BulkCreate bulk(dir);
    QVERIFY(bulk.Add("a.due", "a", &why));
    QVERIFY(!bulk.Add("a.due", "again", &why));
    QVERIFY(!why.isEmpty());
    QVERIFY(!bulk.Add("c.due", "c", &why));
    qint64 count = -1;
    QVERIFY(!bulk.Commit(&why, &count));
    QCOMPARE(count, qint64(0));
    QCOMPARE(Debris(m_dir->path(), {}), QStringList());
}

void TestSaveFile::bulkInterruptedIsFinishedOrTakenBack()
{
    const QByteArray host = SaveFile::HostTag().toLatin1();
    const QByteArray tag = host + '-' + QByteArray::number(PidOfAnEndedProcess()) + '-';
    // Journalled, one file moved in before the crash: the rest follow.
    const QString journalled = QStringLiteral(".tallyvane-") + tag + "1.staging";
    QVERIFY(QDir(m_dir->path()).mkdir(journalled));
    WriteAll(Path(journalled + "/b.due"), "new b");
    WriteAll(Path(journalled + "/c.due"), "new c");
    WriteAll(Path(QStringLiteral("a.due")), "new a");
    WriteAll(Path(QStringLiteral("c.due")), "another writer's c");
    WriteAll(Path(QStringLiteral(".tallyvane-") + tag + "0.journal"),
             "Tallyvane commit 1\nM " + journalled.toLatin1() + "\nend\n");
    // Never journalled: taken back whole.
    const QString staged = QStringLiteral(".tallyvane-") + tag + "2.staging";
    QVERIFY(QDir(m_dir->path()).mkdir(staged));
    WriteAll(Path(staged + "/x.due"), "staged x");
    WriteAll(Path(staged + "/y.due"), "staged y");
    // A live writer's staging folder stays.
    const QString live =
        QStringLiteral(".tallyvane-") + host + '-' + QByteArray::number(qint64(::getpid())) + "-3.staging";
    QVERIFY(QDir(m_dir->path()).mkdir(live));

    const SaveFile::Interrupted done = SaveFile::FinishInterrupted(QFile::encodeName(m_dir->path()));
    QCOMPARE(done.problems, QStringList());
    QCOMPARE(done.bulkFinished, qint64(2));
    QCOMPARE(done.bulkRolledBack, qint64(2));
    QCOMPARE(ReadAll(Path(QStringLiteral("b.due"))), QByteArray("new b"));
    QCOMPARE(ReadAll(Path(QStringLiteral("c.due"))), QByteArray("another writer's c"));
    QCOMPARE(ReadAll(Path(QStringLiteral("c (2).due"))), QByteArray("new c"));
    QCOMPARE(Debris(m_dir->path(), {QStringLiteral("a.due"), QStringLiteral("b.due"), QStringLiteral("c.due"),
                                    QStringLiteral("c (2).due"), live}),
             QStringList());
}

QTEST_GUILESS_MAIN(TestSaveFile)
#include "tst_savefile.moc"
