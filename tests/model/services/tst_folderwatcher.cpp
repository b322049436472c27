// The folder watcher: changes another program makes show within a second,
// once per burst; the store's own writes and changes made while it is held
// do not disturb anything.

#include "model/base/Clock.h"
#include "model/services/FolderWatcher.h"
#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"
#include "model/store/DueFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>

namespace {
DueRecord Due(const QString& title)
{
    DueRecord r;
    r.m_strTitle = title;
    r.m_dtDue = COleDateTime(2007, 3, 9, 9, 0, 0);
    r.m_dtStart = r.m_dtDue;
    return r;
}
} // namespace

class TestFolderWatcher : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir.emplace();
        QVERIFY(m_dir->isValid());
        theDueStore.SetFolder(DataFolder(m_dir->path()));
        theDueStore.LoadAll();
        m_other.SetFolder(theDueStore.Folder());
        m_other.LoadAll();
    }

    void cleanup()
    {
        theDueStore.RemoveAll();
        m_other.RemoveAll();
        m_dir.reset();
    }

    void anotherProgramsDueShowsWithinASecond()
    {
        FolderWatcher watcher(theDueStore);
        watcher.Watch();
        QCOMPARE(watcher.WatchedFolder(), theDueStore.Folder().Path());
        QSignalSpy changed(&watcher, &FolderWatcher::changed);
        QElapsedTimer clock;
        clock.start();
        const QString id = m_other.AddDue(Due(QStringLiteral("Synced in")));
        QVERIFY(changed.wait(1000));
        QVERIFY(clock.elapsed() < 1000);
        QVERIFY(theDueStore.Contains(id));
    }

    void aBurstGivesOneRescan()
    {
        FolderWatcher watcher(theDueStore);
        watcher.Watch();
        QSignalSpy changed(&watcher, &FolderWatcher::changed);
        for (int i = 0; i < 50; ++i) {
            Clock::Advance(1);
            m_other.AddDue(Due(QStringLiteral("Due %1").arg(i)));
        }
        QVERIFY(changed.wait(1000));
        QTest::qWait(FolderWatcher::kDelayMs * 2);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(theDueStore.GetCount(), 50);
    }

    void ownWritesChangeNothing()
    {
        FolderWatcher watcher(theDueStore);
        watcher.Watch();
        QSignalSpy changed(&watcher, &FolderWatcher::changed);
        const QString id = theDueStore.AddDue(Due(QStringLiteral("Ours")));
        DueRecord r = theDueStore.GetDue(id);
        r.m_strTitle = QStringLiteral("Still ours");
        QVERIFY(theDueStore.ReplaceDue(r));
        QTest::qWait(FolderWatcher::kDelayMs * 3);
        QCOMPARE(changed.size(), 0);
    }

    void heldWatcherWaitsForTheRelease()
    {
        FolderWatcher watcher(theDueStore);
        watcher.Watch();
        QSignalSpy changed(&watcher, &FolderWatcher::changed);
        std::optional<FolderWatchHold> hold;
        hold.emplace(&watcher);
        const QString id = m_other.AddDue(Due(QStringLiteral("While busy")));
        QTest::qWait(FolderWatcher::kDelayMs * 3);
        QCOMPARE(changed.size(), 0);
        QVERIFY(!theDueStore.Contains(id));
        hold.reset();
        QVERIFY(changed.wait(1000));
        QVERIFY(theDueStore.Contains(id));
    }

    void inPlaceRewriteShowsWithinASecond()
    {
        // Another installation rewrites a due file where it stands: same
        // name, same size, within the same second.
        const QString id = theDueStore.AddDue(Due(QStringLiteral("Rent A")));
        FolderWatcher watcher(theDueStore);
        watcher.Watch();
        QSignalSpy changed(&watcher, &FolderWatcher::changed);
        DueRecord r = theDueStore.GetDue(id);
        r.m_strTitle = QStringLiteral("Rent B");
        const QString path = theDueStore.FilePathOf(id);
        const QFileInfo before(path);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite)); // no truncation, no new inode
        const QByteArray bytes = DueFile::Serialize(r);
        QCOMPARE(bytes.size(), before.size());
        f.write(bytes);
        f.close();
        QVERIFY(changed.wait(1000));
        QCOMPARE(theDueStore.GetDue(id).m_strTitle, QStringLiteral("Rent B"));
    }

    void steadyStreamStillShowsWithinASecond()
    {
        FolderWatcher watcher(theDueStore);
        watcher.Watch();
        QSignalSpy changed(&watcher, &FolderWatcher::changed);
        QTimer stream;
        int made = 0;
        connect(&stream, &QTimer::timeout, this, [&] {
            Clock::Advance(1);
            m_other.AddDue(Due(QStringLiteral("Stream %1").arg(++made)));
        });
        stream.start(100);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(changed.wait(1000));
        QVERIFY(clock.elapsed() < 1000);
        stream.stop();
        QVERIFY(theDueStore.GetCount() >= 1);
    }

    void conflictCopiesNeverTakeTheDuesPlace()
    {
        const QString id = theDueStore.AddDue(Due(QStringLiteral("Mine")));
        FolderWatcher watcher(theDueStore);
        watcher.Watch();
        QSignalSpy changed(&watcher, &FolderWatcher::changed);
        // A sync tool's copy of the same due, changed elsewhere.
        DueRecord theirs = theDueStore.GetDue(id);
        theirs.m_strTitle = QStringLiteral("Theirs");
        const QString own = theDueStore.FilePathOf(id);
        const QString copy = own.chopped(4) + QStringLiteral(".sync-conflict-20261208-101500-ABCDEF.due");
        QFile f(copy);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(DueFile::Serialize(theirs));
        f.close();
        QVERIFY(changed.wait(1000));
        QCOMPARE(theDueStore.GetDue(id).m_strTitle, QStringLiteral("Mine"));
        QCOMPARE(theDueStore.FilePathOf(id), own);
        QCOMPARE(theDueStore.Conflicts().size(), 1);
        QCOMPARE(theDueStore.Conflicts().first().otherFiles, QStringList{QFileInfo(copy).fileName()});
        // What a full load says, a rescan says.
        CDueStore loaded;
        loaded.SetFolder(theDueStore.Folder());
        loaded.LoadAll();
        QCOMPARE(loaded.GetDue(id), theDueStore.GetDue(id));
        QCOMPARE(loaded.Conflicts().size(), 1);
        // Removing the copy leaves the due; removing the due's own file lets
        // a remaining copy take its place, as a load would list it.
        QVERIFY(QFile::remove(copy));
        QVERIFY(changed.wait(1000));
        QVERIFY(theDueStore.Contains(id));
        QVERIFY(theDueStore.Conflicts().isEmpty());
        QVERIFY(QFile::copy(own, copy));
        QVERIFY(changed.wait(1000) || theDueStore.Conflicts().size() == 1);
        QVERIFY(QFile::remove(own));
        QVERIFY(changed.wait(1000));
        QVERIFY(theDueStore.Contains(id));
        QCOMPARE(theDueStore.FilePathOf(id), copy);
        QVERIFY(theDueStore.Conflicts().isEmpty());
    }

private:
    std::optional<QTemporaryDir> m_dir;
    CDueStore m_other; // another program on the same folder
};

QTEST_GUILESS_MAIN(TestFolderWatcher)
#include "tst_folderwatcher.moc"
