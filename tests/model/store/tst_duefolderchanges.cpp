// The store and the files of the data folder: a rescan reads only what
// another program changed, a due is deleted and rewritten by the file it came
// from, and changes to many dues stop cleanly when cancelled or when a write
// fails.

#include "FullDisk.h"
#include "model/base/Clock.h"
#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"
#include "model/store/DueFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <optional>

#include <sys/resource.h>

namespace {

DueRecord Due(const QString& title, int day, const QString& series = {})
{
    DueRecord r;
    r.m_strTitle = title;
    r.m_dtStart = COleDateTime(2007, 3, day, 9, 0, 0);
    r.m_dtDue = r.m_dtStart;
    r.m_dAmount = day;
    r.m_strSeriesId = series;
    return r;
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QStringList Titles()
{
    QStringList titles;
    theDueStore.ForEach([&](const DueRecord& r) { titles << r.m_strTitle; });
    titles.sort();
    return titles;
}

QStringList DueFiles()
{
    return QDir(theDueStore.Folder().Path()).entryList({QStringLiteral("*.due")}, QDir::Files, QDir::Name);
}

// What another program does to the data folder in a rescan case.
enum class Outside
{
    Nothing,
    Adds,
    Changes,
    Removes,
    Renames,
    RewritesSameBytes,
    WritesMalformed,
    OurOwnWrites,
};

} // namespace

Q_DECLARE_METATYPE(Outside)

class TestDueFolderChanges : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir.emplace();
        QVERIFY(m_dir->isValid());
        Clock::SetFixed(QDateTime(QDate(2007, 3, 15), QTime(14, 25, 30)));
        theDueStore.SetFolder(DataFolder(m_dir->path()));
        theDueStore.LoadAll();
        theDueStore.TakeErrors();
    }

    void cleanup()
    {
        theDueStore.RemoveAll();
        Clock::SetFixed(QDateTime());
        m_dir.reset();
    }

    void rescanReadsWhatOthersChanged_data()
    {
        QTest::addColumn<Outside>("outside");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("nothing") << Outside::Nothing << false << QStringList{"Power", "Rent"};
        QTest::newRow("adds a due") << Outside::Adds << true << QStringList{"Power", "Rent", "Water"};
        QTest::newRow("changes a due") << Outside::Changes << true << QStringList{"Power", "Rent (new)"};
        QTest::newRow("removes a due") << Outside::Removes << true << QStringList{"Power"};
        QTest::newRow("renames a due file") << Outside::Renames << true << QStringList{"Power", "Rent"};
        QTest::newRow("rewrites the same bytes")
            << Outside::RewritesSameBytes << false << QStringList{"Power", "Rent"};
        QTest::newRow("writes a malformed file")
            << Outside::WritesMalformed << false << QStringList{"Power", "Rent"};
        QTest::newRow("our own adds, changes and deletes")
            << Outside::OurOwnWrites << false << QStringList{"Power", "Rent (ours)", "Water"};
    }

    void rescanReadsWhatOthersChanged()
    {
        QFETCH(Outside, outside);
        QFETCH(bool, changed);
        QFETCH(QStringList, titles);
        const QString rent = theDueStore.AddDue(Due(QStringLiteral("Rent"), 1));
        Clock::Advance(1);
        const QString power = theDueStore.AddDue(Due(QStringLiteral("Power"), 2));
        Clock::Advance(1);
        // A load that is a while back, so that nothing counts as changed during it.
        theDueStore.LoadAll();
        QVERIFY(!theDueStore.Rescan());
        QTest::qWait(5);

        CDueStore other;
        other.SetFolder(theDueStore.Folder());
        other.LoadAll();
        const QString rentFile = theDueStore.Folder().DueFilePath(rent);
        switch (outside) {
        case Outside::Nothing:
            break;
        case Outside::Adds:
            other.AddDue(Due(QStringLiteral("Water"), 3));
            break;
        case Outside::Changes: {
            DueRecord r = other.GetDue(rent);
            r.m_strTitle = QStringLiteral("Rent (new)");
            QVERIFY(other.ReplaceDue(r));
            break;
        }
        case Outside::Removes:
            QVERIFY(QFile::remove(rentFile));
            break;
        case Outside::Renames:
            QVERIFY(
                QFile::rename(rentFile, theDueStore.Folder().Path() + QStringLiteral("/duedatemoved.due")));
            break;
        case Outside::RewritesSameBytes: {
            const QByteArray bytes = ReadAll(rentFile);
            QVERIFY(QFile::remove(rentFile));
            QVERIFY(WriteAll(rentFile, bytes));
            break;
        }
        case Outside::WritesMalformed:
            QVERIFY(WriteAll(theDueStore.Folder().Path() + QStringLiteral("/duedatebroken.due"),
                             "\xff\xff\xff\x7f"));
            break;
        case Outside::OurOwnWrites: {
            DueRecord r = theDueStore.GetDue(rent);
            r.m_strTitle = QStringLiteral("Rent (ours)");
            QVERIFY(theDueStore.ReplaceDue(r));
            theDueStore.AddDue(Due(QStringLiteral("Water"), 3));
            const QString gone = theDueStore.AddDue(Due(QStringLiteral("Gone"), 4));
            QVERIFY(theDueStore.RemoveDue(gone, true));
            break;
        }
        }
        QCOMPARE(theDueStore.Rescan(), changed);
        QCOMPARE(Titles(), titles);
        QVERIFY(theDueStore.Contains(power));
        QVERIFY(!theDueStore.Rescan()); // nothing new the second time
        // What the rescan gives is what a full load gives.
        theDueStore.LoadAll();
        QCOMPARE(Titles(), titles);
        QVERIFY(theDueStore.TakeErrors().isEmpty());
    }

    void fileChangedRightAfterTheLoadIsReadAgain()
    {
        CDueStore other;
        other.SetFolder(theDueStore.Folder());
        other.LoadAll();
        const QString id = other.AddDue(Due(QStringLiteral("Before"), 1));
        theDueStore.LoadAll();
        // Within the same moment as the load: the file's time cannot tell.
        DueRecord r = other.GetDue(id);
        r.m_strTitle = QStringLiteral("After");
        QVERIFY(other.ReplaceDue(r));
        QVERIFY(theDueStore.Rescan());
        QCOMPARE(Titles(), QStringList{"After"});
    }

    void vanishedFolderIsNotAnEmptyOne()
    {
        theDueStore.AddDue(Due(QStringLiteral("Rent"), 1));
        QVERIFY(QDir(theDueStore.Folder().Path()).removeRecursively());
        QVERIFY(!theDueStore.Rescan());
        QCOMPARE(Titles(), QStringList{"Rent"});
    }

    void dueIsDeletedAndRewrittenByItsOwnFile()
    {
        // The file's name does not match the identifier inside it.
        DueRecord r = Due(QStringLiteral("Copied in"), 5);
        r.m_strRecId = QStringLiteral("2007010100000010");
        const QString odd = theDueStore.Folder().Path() + QStringLiteral("/duedate copy.due");
        QVERIFY(WriteAll(odd, DueFile::Serialize(r)));
        theDueStore.LoadAll();
        QCOMPARE(theDueStore.FilePathOf(r.m_strRecId), odd);

        r.m_strTitle = QStringLiteral("Changed");
        QVERIFY(theDueStore.ReplaceDue(r));
        QCOMPARE(DueFiles(), QStringList{"duedate copy.due"}); // written where it was read, no second file
        QVERIFY(theDueStore.RemoveDue(r.m_strRecId, true));
        QVERIFY(DueFiles().isEmpty());
        QVERIFY(theDueStore.TakeErrors().isEmpty());
    }

    void changesToManyDues_data()
    {
        QTest::addColumn<int>("stopAt"); // -1: never
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("all ten") << -1 << false;
        QTest::newRow("cancelled before the first") << 0 << false;
        QTest::newRow("cancelled after four") << 4 << false;
        QTest::newRow("disk full at the first") << 0 << true;
        QTest::newRow("disk full at the fifth") << 4 << true;
    }

    void changesToManyDues()
    {
        QFETCH(int, stopAt);
        QFETCH(bool, diskFull);
        const QString series = QStringLiteral("recId20070315142530");
        QList<DueRecord> before;
        for (int i = 1; i <= 10; ++i) {
            const QString id = theDueStore.AddDue(Due(QStringLiteral("Gym"), i, series));
            before << theDueStore.GetDue(id);
        }
        QList<DueRecord> after = before;
        for (DueRecord& r : after)
            r.m_strTitle = QStringLiteral("Gym plus");

        std::optional<FullDisk> full;
        const ChangeOutcome out = theDueStore.ReplaceDues(after, [&](qsizetype done, qsizetype total) {
            [&] { QCOMPARE(total, qsizetype(10)); }();
            if (done == stopAt && diskFull)
                full.emplace();
            return diskFull || done != stopAt;
        });
        full.reset();
        const qsizetype expected = stopAt < 0 ? 10 : stopAt;
        QCOMPARE(out.done, expected);
        QCOMPARE(out.total, qsizetype(10));
        QCOMPARE(out.cancelled, stopAt >= 0 && !diskFull);
        QCOMPARE(out.failed, diskFull);
        QCOMPARE(out.Complete(), stopAt < 0);
        QCOMPARE(theDueStore.TakeErrors().size(), diskFull ? 1 : 0);
        // A cancelled change keeps what was done; a failed one lands none
        // of it. Memory says what the disk says.
        const qsizetype landed = diskFull ? 0 : expected;
        CDueStore fresh;
        fresh.SetFolder(theDueStore.Folder());
        fresh.LoadAll();
        for (int i = 0; i < 10; ++i) {
            const DueRecord& want = i < landed ? after.at(i) : before.at(i);
            QCOMPARE(theDueStore.GetDue(want.m_strRecId), want);
            QCOMPARE(fresh.GetDue(want.m_strRecId), want);
        }
        QVERIFY(
            QDir(theDueStore.Folder().Path()).entryList({QStringLiteral("*.tmp")}).isEmpty()); // no leftovers

        // Deleting them stops the same way.
        QStringList ids;
        for (const DueRecord& r : before)
            ids << r.m_strRecId;
        const ChangeOutcome removed = theDueStore.RemoveDues(
            ids, true, [&](qsizetype done, qsizetype) { return done != stopAt || diskFull; });
        const qsizetype gone = stopAt < 0 || diskFull ? 10 : stopAt;
        QCOMPARE(removed.done, gone);
        QCOMPARE(DueFiles().size(), 10 - gone);
        QCOMPARE(theDueStore.GetCount(), int(10 - gone));
    }

    void discardForgetsDuesWithoutFiles()
    {
        const QString written = theDueStore.AddDue(Due(QStringLiteral("Written"), 1));
        Clock::Advance(1);
        const QString never = theDueStore.AddDue(Due(QStringLiteral("Never written"), 2));
        QVERIFY(QFile::remove(theDueStore.Folder().DueFilePath(never)));
        QVERIFY(theDueStore.DiscardDues({written, never, QStringLiteral("unknown")}));
        QCOMPARE(theDueStore.GetCount(), 0);
        QVERIFY(DueFiles().isEmpty());
        QVERIFY(theDueStore.TakeErrors().isEmpty());
    }

private:
    std::optional<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestDueFolderChanges)
#include "tst_duefolderchanges.moc"
