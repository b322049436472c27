// The folder watcher: changes another program makes show within a second,
// once per burst; the store's own writes and changes made while it is held
// do not disturb anything.

#include "model/base/Clock.h"
#include "model/services/FolderWatcher.h"
#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

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

private:
    std::optional<QTemporaryDir> m_dir;
    CDueStore m_other; // another program on the same folder
};

QTEST_GUILESS_MAIN(TestFolderWatcher)
#include "tst_folderwatcher.moc"
