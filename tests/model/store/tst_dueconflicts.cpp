// Dues that more than one file holds: how the store lists them, and the two
// ways of ending a conflict. Every case ends with a full load of the folder
// agreeing with what the store holds in memory.
#include "model/base/Clock.h"
#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"
#include "model/store/DueFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kId = QStringLiteral("2007010100000010");
const QString kOwn = QStringLiteral("duedate2007010100000010.due");
const QString kSyncCopy = QStringLiteral("duedate2007010100000010.sync-conflict-20070105-101010-ABCDEFG.due");
const QString kDropboxCopy = QStringLiteral("duedate2007010100000010 (Ann's conflicted copy 2007-01-05).due");

DueRecord Version(const QString& title, double amount, const QString& series = {})
{
    DueRecord r;
    r.m_strRecId = kId;
    r.m_strTitle = title;
    r.m_dtStart = r.m_dtDue = COleDateTime(2007, 3, 31, 0, 0, 0);
    r.m_dAmount = amount;
    r.m_strSeriesId = series;
    return r;
}

QStringList DueFiles(const QString& data)
{
    return QDir(data).entryList({QStringLiteral("*.due")}, QDir::Files, QDir::Name);
}

} // namespace

class TestDueConflicts : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void listedVersionComesFirst();
    void keepOneVersion_data();
    void keepOneVersion();
    void keepEveryVersion_data();
    void keepEveryVersion();
    void changedSinceShownChangesNothing();
    void deletingTheListedDueListsTheCopy();

private:
    void Write(const QString& name, const DueRecord& r)
    {
        QFile f(Data() + QLatin1Char('/') + name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(DueFile::Serialize(r));
    }
    QString Data() const { return theDueStore.Folder().Path(); }
    // A full load of the folder, apart from the store under test.
    void CheckAFullLoadAgrees()
    {
        CDueStore fresh;
        fresh.SetFolder(theDueStore.Folder());
        fresh.LoadAll();
        QCOMPARE(fresh.GetCount(), theDueStore.GetCount());
        theDueStore.ForEach([&](const DueRecord& r) { QCOMPARE(fresh.GetDue(r.m_strRecId), r); });
        QCOMPARE(fresh.Conflicts().size(), theDueStore.Conflicts().size());
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestDueConflicts::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    Clock::SetFixed(QDateTime(QDate(2007, 3, 15), QTime(14, 25, 30)));
    theDueStore.SetFolder(DataFolder(m_dir->path()));
    theDueStore.LoadAll();
    theDueStore.TakeErrors();
}

void TestDueConflicts::cleanup()
{
    theDueStore.SetObserver({});
    theDueStore.RemoveAll();
    theDueStore.SetFolder(DataFolder());
    Clock::SetFixed({});
}

// A conflict is no load problem: the listed file is the one named after the
// identifier, the copies follow in name order, each with its version.
void TestDueConflicts::listedVersionComesFirst()
{
    Write(kSyncCopy, Version(QStringLiteral("Rent (laptop)"), 12.0));
    Write(kOwn, Version(QStringLiteral("Rent"), 10.0));
    Write(kDropboxCopy, Version(QStringLiteral("Rent (partner)"), 14.0));
    theDueStore.LoadAll();
    QCOMPARE(theDueStore.LoadProblems(), QStringList());
    QCOMPARE(theDueStore.Conflicts().size(), 1);
    const QList<ConflictVersion> versions = theDueStore.ConflictVersions(kId);
    QStringList files;
    for (const ConflictVersion& v : versions)
        files << v.file + (v.listed ? QStringLiteral(" listed ") : QStringLiteral(" ")) + v.record.m_strTitle;
    QCOMPARE(files, (QStringList{kOwn + QStringLiteral(" listed Rent"),
                                 kDropboxCopy + QStringLiteral(" Rent (partner)"),
                                 kSyncCopy + QStringLiteral(" Rent (laptop)")}));
}

void TestDueConflicts::keepOneVersion_data()
{
    QTest::addColumn<QStringList>("files"); // written in this order, each with its own title
    QTest::addColumn<QString>("kept");
    QTest::newRow("the listed one") << QStringList{kOwn, kSyncCopy} << kOwn;
    QTest::newRow("the copy") << QStringList{kOwn, kSyncCopy} << kSyncCopy;
    QTest::newRow("one of three") << QStringList{kOwn, kSyncCopy, kDropboxCopy} << kDropboxCopy;
    // The file named after the identifier is gone: the kept copy takes its name.
    QTest::newRow("no file of its own") << QStringList{kSyncCopy, kDropboxCopy} << kSyncCopy;
}

void TestDueConflicts::keepOneVersion()
{
    QFETCH(QStringList, files);
    QFETCH(QString, kept);
    for (const QString& file : files)
        Write(file, Version(file, double(file.size())));
    theDueStore.LoadAll();
    QCOMPARE(theDueStore.Conflicts().size(), 1);

    QVERIFY2(theDueStore.KeepVersion(kId, kept, theDueStore.ConflictVersions(kId)),
             qPrintable(theDueStore.TakeErrors().join('\n')));
    QCOMPARE(DueFiles(Data()), QStringList{kOwn});
    QCOMPARE(theDueStore.GetDue(kId).m_strTitle, kept);
    QCOMPARE(theDueStore.GetDue(kId).m_dAmount, double(kept.size()));
    QVERIFY(theDueStore.Conflicts().isEmpty());
    QCOMPARE(theDueStore.FilePathOf(kId), Data() + QLatin1Char('/') + kOwn);
    CheckAFullLoadAgrees();
    // The due is written again without a word: its file is what the store saw.
    DueRecord edited = theDueStore.GetDue(kId);
    edited.m_bPaid = 1;
    QVERIFY2(theDueStore.ReplaceDue(edited), qPrintable(theDueStore.TakeErrors().join('\n')));
}

void TestDueConflicts::keepEveryVersion_data()
{
    QTest::addColumn<QString>("series");
    QTest::newRow("a single due") << QString();
    QTest::newRow("a member of a series") << QStringLiteral("recId20070101000000");
}

// Two machines made the same identifier, or changed the same due: both
// versions become dues; a copy of a series member is a series of its own,
// so that changing the series changes neither by surprise.
void TestDueConflicts::keepEveryVersion()
{
    QFETCH(QString, series);
    Write(kOwn, Version(QStringLiteral("Rent"), 10.0, series));
    Write(kSyncCopy, Version(QStringLiteral("Gym"), 30.0, series));
    DueRecord sibling = Version(QStringLiteral("Rent"), 10.0, series);
    sibling.m_strRecId = QStringLiteral("2007010100000111");
    Write(DataFolder::DueFileName(sibling.m_strRecId), sibling);
    theDueStore.LoadAll();

    const QStringList added = theDueStore.KeepAllVersions(kId, theDueStore.ConflictVersions(kId));
    QCOMPARE(added.size(), 1);
    const DueRecord listed = theDueStore.GetDue(kId);
    const DueRecord copy = theDueStore.GetDue(added.first());
    QCOMPARE(listed.m_strTitle, QStringLiteral("Rent"));
    QCOMPARE(copy.m_strTitle, QStringLiteral("Gym"));
    QCOMPARE(copy.m_dAmount, 30.0);
    QVERIFY(copy.m_strRecId != kId);
    QCOMPARE(listed.m_strSeriesId, series);
    if (series.isEmpty()) {
        QVERIFY(copy.m_strSeriesId.isEmpty());
    } else {
        QVERIFY(!copy.m_strSeriesId.isEmpty() && copy.m_strSeriesId != series);
        QStringList members;
        theDueStore.GetSeriesIds(series, members);
        members.sort();
        QCOMPARE(members, (QStringList{kId, sibling.m_strRecId}));
        theDueStore.GetSeriesIds(copy.m_strSeriesId, members);
        QCOMPARE(members, QStringList{copy.m_strRecId});
    }
    QVERIFY(!QFile::exists(Data() + QLatin1Char('/') + kSyncCopy));
    QVERIFY(QFile::exists(theDueStore.Folder().DueFilePath(copy.m_strRecId)));
    QVERIFY(theDueStore.Conflicts().isEmpty());
    CheckAFullLoadAgrees();
}

// What the user chose from is what is kept: a copy changed meanwhile (the
// sync tool still at work) refuses the whole change.
void TestDueConflicts::changedSinceShownChangesNothing()
{
    Write(kOwn, Version(QStringLiteral("Rent"), 10.0));
    Write(kSyncCopy, Version(QStringLiteral("Rent"), 12.0));
    theDueStore.LoadAll();
    const QList<ConflictVersion> shown = theDueStore.ConflictVersions(kId);
    Write(kSyncCopy, Version(QStringLiteral("Rent"), 13.0));

    QVERIFY(!theDueStore.KeepVersion(kId, kSyncCopy, shown));
    QVERIFY(theDueStore.KeepAllVersions(kId, shown).isEmpty());
    const QStringList errors = theDueStore.TakeErrors();
    QCOMPARE(errors.size(), 2);
    QVERIFY2(errors.first().contains(QStringLiteral("changed since they were shown")),
             qPrintable(errors.first()));
    QCOMPARE(DueFiles(Data()), (QStringList{kOwn, kSyncCopy}));
    QCOMPARE(theDueStore.GetDue(kId).m_dAmount, 10.0);
    // Without what was shown, what is there now is kept; then there is no conflict left.
    QVERIFY(theDueStore.KeepVersion(kId, kSyncCopy));
    QVERIFY(!theDueStore.KeepVersion(kId, kOwn));
    QCOMPARE(theDueStore.GetDue(kId).m_dAmount, 13.0);
}

// Deleting the listed due leaves the other version, listed in its place as
// a full load would list it (and as a sync tool may carry it back anyway).
void TestDueConflicts::deletingTheListedDueListsTheCopy()
{
    Write(kOwn, Version(QStringLiteral("Rent"), 10.0));
    Write(kSyncCopy, Version(QStringLiteral("Rent"), 12.0));
    theDueStore.LoadAll();
    QVERIFY(theDueStore.RemoveDue(kId, true));
    QVERIFY(theDueStore.Contains(kId));
    QCOMPARE(theDueStore.GetDue(kId).m_dAmount, 12.0);
    QCOMPARE(theDueStore.FilePathOf(kId), Data() + QLatin1Char('/') + kSyncCopy);
    QVERIFY(theDueStore.Conflicts().isEmpty());
    CheckAFullLoadAgrees();
    QVERIFY(theDueStore.RemoveDue(kId, true));
    QVERIFY(!theDueStore.Contains(kId));
    QCOMPARE(DueFiles(Data()), QStringList());
}

QTEST_GUILESS_MAIN(TestDueConflicts)
#include "tst_dueconflicts.moc"
