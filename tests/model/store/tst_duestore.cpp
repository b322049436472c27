#include "model/base/Clock.h"
#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"
#include "model/store/DueFile.h"
#include "model/store/Identifiers.h"
#include "model/store/SaveFile.h"

#include <QDir>

#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>

namespace {
DueRecord Due(const QString& title, const COleDateTime& due, double amount = 10.0, bool paid = false,
              const QString& series = {})
{
    DueRecord r;
    r.m_strTitle = title;
    r.m_dtStart = due;
    r.m_dtDue = due;
    r.m_dAmount = amount;
    r.m_bPaid = paid ? 1 : 0;
    r.m_strSeriesId = series;
    return r;
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

class TestDueStore : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void addSingleWritesFileAndMarker();
    void seriesSuffixesWrapAndSurviveReload();
    void identifiersStayUniqueWithinOneSecond();
    void addNeverOverwritesAFileOnDisk();
    void walkOrderFollowsBuckets();
    void getDueOfUnknownId();
    void modifySeriesKeepsMemberDates();
    void deleteSeriesAndRemove();
    void failedRemoveKeepsTheRecord();
    void failedWriteIsReported();
    void loadSkipsAndReportsMalformedFiles();
    void sameIdentifierTwiceIsReported_data();
    void sameIdentifierTwiceIsReported();
    void identifierIsUsedExactlyAsStored_data();
    void identifierIsUsedExactlyAsStored();
    void changesGoToTheFileTheDueCameFrom();
    void loadReasonsAndShownNames_data();
    void loadReasonsAndShownNames();
    void oversizedFileIsNotRead();
    void placeholdersStayPendingUntilFinished();
    void churnThroughThousandsOfCycles();
    void installationsNumberTheirSingleDues();
    void neverWritesOverAChangeNotSeen_data();
    void neverWritesOverAChangeNotSeen();
    void oversizedDueIsRefusedNamingTheField();
    void writerSweepsOwnLeftoversOnce();
    void nameTakenMeanwhileMovesToTheNextIdentifier();
    void seriesChangesLandTogether();
    void monthListBoundariesFiltersAndTotals_data();
    void monthListBoundariesFiltersAndTotals();
    void monthListAtTheYearEnd_data();
    void monthListAtTheYearEnd();
    void rangeList();

private:
    QTemporaryDir* m_dir = nullptr;
    QString DataFile(const QString& name) const
    {
        return theDueStore.Folder().Path() + QLatin1Char('/') + name;
    }
};

void TestDueStore::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    theDueStore.SetFolder(DataFolder(m_dir->path()));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Clock::SetFixed(QDateTime(QDate(2007, 3, 15), QTime(14, 25, 30)));
    theDueStore.m_nSeriesCounter = 0;
    theDueStore.LoadAll();
    theDueStore.TakeErrors();
}

void TestDueStore::cleanup()
{
    theDueStore.RemoveAll();
    Clock::SetFixed({});
    delete m_dir;
    m_dir = nullptr;
}

void TestDueStore::addSingleWritesFileAndMarker()
{
    const QString id = theDueStore.AddDue(Due(QStringLiteral("Rent"), COleDateTime(2007, 3, 31, 0, 0, 0)));
    QCOMPARE(id, QStringLiteral("2007031514253010"));
    const QByteArray bytes = ReadAll(DataFile(QStringLiteral("duedate2007031514253010.due")));
    QCOMPARE(bytes.size(), 66);
    QCOMPARE(ReadAll(theDueStore.Folder().PreferencesPath()), QByteArray::fromHex("0100000001000000"));
    QCOMPARE(theDueStore.GetDue(id).m_strTitle, QStringLiteral("Rent"));
    QVERIFY(theDueStore.TakeErrors().isEmpty());
}

void TestDueStore::seriesSuffixesWrapAndSurviveReload()
{
    QStringList ids;
    for (int i = 0; i < 100; ++i)
        ids << theDueStore.AddDue(Due(QStringLiteral("m"), COleDateTime(2007, 4, 1, 0, 0, 0), 1, false,
                                      QStringLiteral("recId20070315142530")));
    QCOMPARE(ids.first().right(2), QStringLiteral("01"));
    QCOMPARE(ids.at(98).right(2), QStringLiteral("99"));
    QCOMPARE(ids.at(99).right(2), QStringLiteral("01"));
    QVERIFY(ids.at(99) != ids.first());                              // same second, so the time part moved on
    QVERIFY(!QFile::exists(theDueStore.Folder().PreferencesPath())); // members do not touch the marker

    theDueStore.LoadAll();
    QCOMPARE(theDueStore.GetCount(), 100);
    const QString next = theDueStore.AddDue(
        Due(QStringLiteral("m"), COleDateTime(2007, 4, 1, 0, 0, 0), 1, false, QStringLiteral("recIdX")));
    QCOMPARE(next.right(2), QStringLiteral("02"));
}

void TestDueStore::identifiersStayUniqueWithinOneSecond()
{
    QSet<QString> ids;
    for (int i = 0; i < 200; ++i) {
        ids << theDueStore.AddDue(Due(QStringLiteral("single"), COleDateTime(2007, 3, 20, 0, 0, 0)));
        ids << theDueStore.AddDue(
            Due(QStringLiteral("member"), COleDateTime(2007, 3, 20, 0, 0, 0), 1, false, QStringLiteral("s")));
    }
    QCOMPARE(ids.size(), 400);
    for (const QString& id : ids)
        QCOMPARE(id.size(), 16);
    QCOMPARE(QDir(theDueStore.Folder().Path()).entryList({QStringLiteral("*.due")}).size(), 400);
    theDueStore.LoadAll();
    QCOMPARE(theDueStore.GetCount(), 400);
}

void TestDueStore::addNeverOverwritesAFileOnDisk()
{
    // A file the store has not loaded (written by another program meanwhile).
    const QString taken = DataFile(QStringLiteral("duedate2007031514253010.due"));
    WriteAll(taken, "foreign");
    const QString id = theDueStore.AddDue(Due(QStringLiteral("Rent"), COleDateTime(2007, 3, 31, 0, 0, 0)));
    QCOMPARE(id, QStringLiteral("2007031514253110"));
    QCOMPARE(ReadAll(taken), QByteArray("foreign"));
}

void TestDueStore::walkOrderFollowsBuckets()
{
    QStringList inserted;
    for (int i = 0; i < 40; ++i) {
        inserted << theDueStore.AddDue(Due(QString::number(i), COleDateTime(2007, 3, 20, 0, 0, 0)));
        Clock::Advance(7);
    }
    // Expected: buckets 0..16, newest first inside a bucket.
    QStringList expected;
    for (int b = 0; b < CDueStore::kBuckets; ++b)
        for (int i = inserted.size() - 1; i >= 0; --i)
            if (CDueStore::BucketOf(inserted.at(i)) == b)
                expected << inserted.at(i);
    QStringList walked;
    theDueStore.ForEach([&](const DueRecord& r) { walked << r.m_strRecId; });
    QCOMPARE(walked, expected);

    // Replacing keeps the place; the hash of a digit string is the plain h*33+c.
    DueRecord r = theDueStore.GetDue(inserted.first());
    r.m_strTitle = QStringLiteral("changed");
    (void)theDueStore.ReplaceDue(r);
    QStringList again;
    theDueStore.ForEach([&](const DueRecord& d) { again << d.m_strRecId; });
    QCOMPARE(again, expected);
    // Removing and adding again (slots are reused) keeps the same rule.
    for (int i = 0; i < inserted.size(); i += 3)
        QVERIFY(theDueStore.RemoveDue(inserted.at(i), false));
    inserted.clear();
    theDueStore.ForEach([&](const DueRecord& d) { inserted << d.m_strRecId; });
    std::sort(inserted.begin(), inserted.end()); // ids grow with the clock: insertion order
    for (int i = 0; i < 10; ++i) {
        Clock::Advance(7);
        inserted << theDueStore.AddDue(Due(QStringLiteral("again"), COleDateTime(2007, 3, 20, 0, 0, 0)));
    }
    QStringList expectedAfter;
    for (int b = 0; b < CDueStore::kBuckets; ++b)
        for (int i = inserted.size() - 1; i >= 0; --i)
            if (CDueStore::BucketOf(inserted.at(i)) == b)
                expectedAfter << inserted.at(i);
    QStringList walkedAfter;
    theDueStore.ForEach([&](const DueRecord& d) { walkedAfter << d.m_strRecId; });
    QCOMPARE(walkedAfter, expectedAfter);
    QCOMPARE(theDueStore.GetCount(), inserted.size());

    quint32 h = 0;
    for (QChar c : QStringLiteral("2007031514253010"))
        h = h * 33 + c.unicode();
    QCOMPARE(CDueStore::BucketOf(QStringLiteral("2007031514253010")), int(h % 17));
}

void TestDueStore::getDueOfUnknownId()
{
    const DueRecord r = theDueStore.GetDue(QStringLiteral("nothing"));
    QVERIFY(r.m_strRecId.isEmpty());
    QCOMPARE(r.m_nType, 1);
    QCOMPARE(r.m_dAmount, 0.0);
    QCOMPARE(r.m_dtDue.ToQDateTime(), Clock::Now());
}

void TestDueStore::modifySeriesKeepsMemberDates()
{
    const QString series = QStringLiteral("recId20070315142530");
    QStringList ids;
    for (int m = 1; m <= 3; ++m) {
        DueRecord d = Due(QStringLiteral("Gym"), COleDateTime(2007, m, 5, 0, 0, 0), 20, m == 1, series);
        d.m_strNotes = QStringLiteral("note %1").arg(m);
        ids << theDueStore.AddDue(d);
    }
    theDueStore.AddDue(Due(QStringLiteral("Other"), COleDateTime(2007, 1, 5, 0, 0, 0)));

    DueRecord edited = theDueStore.GetDue(ids.at(1));
    edited.m_strTitle = QStringLiteral("Gym plus");
    edited.m_dAmount = 25;
    edited.m_nType = 2;
    edited.m_strPayTo = QStringLiteral("Club");
    edited.m_strNotes = QStringLiteral("edited");
    edited.m_bPaid = 1;
    edited.m_dtDue = COleDateTime(2007, 2, 9, 0, 0, 0);
    QVERIFY(theDueStore.ModifySeries(edited));

    for (int i = 0; i < 3; ++i) {
        const DueRecord m = theDueStore.GetDue(ids.at(i));
        QCOMPARE(m.m_strTitle, QStringLiteral("Gym plus"));
        QCOMPARE(m.m_dAmount, 25.0);
        QCOMPARE(m.m_nType, 2);
        QCOMPARE(m.m_strPayTo, QStringLiteral("Club"));
        if (i == 1) {
            QVERIFY(m == edited);
        } else {
            QCOMPARE(m.m_strNotes, QStringLiteral("note %1").arg(i + 1));
            QCOMPARE(m.m_dtDue.GetDay(), 5);
            QCOMPARE(m.m_bPaid, i == 0 ? 1 : 0);
        }
    }
    // And on disk too.
    theDueStore.LoadAll();
    QCOMPARE(theDueStore.GetDue(ids.at(2)).m_strTitle, QStringLiteral("Gym plus"));
}

void TestDueStore::deleteSeriesAndRemove()
{
    const QString series = QStringLiteral("recIdA");
    for (int m = 1; m <= 3; ++m)
        theDueStore.AddDue(Due(QStringLiteral("A"), COleDateTime(2007, m, 1, 0, 0, 0), 1, false, series));
    const QString single = theDueStore.AddDue(Due(QStringLiteral("B"), COleDateTime(2007, 1, 1, 0, 0, 0)));
    QVERIFY(theDueStore.DeleteSeries(series));
    QCOMPARE(theDueStore.GetCount(), 1);
    QVERIFY(theDueStore.RemoveDue(single, true));
    QCOMPARE(theDueStore.GetCount(), 0);
    QCOMPARE(QDir(theDueStore.Folder().Path()).entryList({QStringLiteral("*.due")}).size(), 0);
    QVERIFY(theDueStore.TakeErrors().isEmpty());
}

void TestDueStore::failedRemoveKeepsTheRecord()
{
    const QString gone = theDueStore.AddDue(Due(QStringLiteral("Gone"), COleDateTime(2007, 3, 1, 0, 0, 0)));
    Clock::Advance(1);
    const QString blocked =
        theDueStore.AddDue(Due(QStringLiteral("Blocked"), COleDateTime(2007, 3, 2, 0, 0, 0)));
    QVERIFY(QFile::remove(theDueStore.Folder().DueFilePath(gone)));
    QVERIFY(QFile::remove(theDueStore.Folder().PreferencesPath()));
    // A path that cannot be unlinked, even by root: a non-empty folder.
    QVERIFY(QFile::remove(theDueStore.Folder().DueFilePath(blocked)));
    QVERIFY(QDir().mkpath(theDueStore.Folder().DueFilePath(blocked) + QStringLiteral("/inner")));

    QVERIFY(!theDueStore.RemoveDue(gone, true));
    QVERIFY(!theDueStore.RemoveDue(blocked, true)); // fails when the removal is made, at its batch's end
    const QStringList errors = theDueStore.TakeErrors();
    QCOMPARE(errors.size(), 2);
    QVERIFY(errors.at(0).contains(QStringLiteral("\"Gone\"")) &&
            errors.at(0).contains(QStringLiteral("no longer exists")));
    QVERIFY(errors.at(1).contains(QStringLiteral("\"Blocked\"")) && errors.at(1).contains(gone.left(10)));
    QVERIFY(theDueStore.Contains(blocked));
    QVERIFY(!QFile::exists(theDueStore.Folder().PreferencesPath())); // marker untouched by failures
}

void TestDueStore::failedWriteIsReported()
{
    // The data folder is a plain file: nothing can be written into it.
    QDir(theDueStore.Folder().Path()).removeRecursively();
    WriteAll(theDueStore.Folder().Path(), "not a folder");
    const QString id = theDueStore.AddDue(Due(QStringLiteral("Rent"), COleDateTime(2007, 3, 31, 0, 0, 0)));
    const QStringList errors = theDueStore.TakeErrors();
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors.first().contains(QStringLiteral("\"Rent\"")));
    QVERIFY(errors.first().contains(QStringLiteral("Tallyvane Files")));
    QVERIFY(!theDueStore.Contains(id)); // memory says what the disk says
}

void TestDueStore::loadSkipsAndReportsMalformedFiles()
{
    const QString good = theDueStore.AddDue(Due(QStringLiteral("Good"), COleDateTime(2007, 3, 31, 0, 0, 0)));
    const QByteArray bytes = ReadAll(theDueStore.Folder().DueFilePath(good));
    WriteAll(DataFile(QStringLiteral("duedatetruncated.due")), bytes.left(30));
    DueRecord evil = Due(QStringLiteral("Evil"), COleDateTime(2007, 3, 31, 0, 0, 0));
    evil.m_strRecId = QStringLiteral("../../victim");
    WriteAll(DataFile(QStringLiteral("duedateevil.due")), DueFile::Serialize(evil));
    evil.m_strRecId = QStringLiteral("12\x01");
    WriteAll(DataFile(QStringLiteral("duedatecontrol.due")), DueFile::Serialize(evil));
    QVERIFY(QDir().mkpath(DataFile(QStringLiteral("folder.due"))));

    theDueStore.LoadAll();
    QCOMPARE(theDueStore.GetCount(), 1);
    const QStringList problems = theDueStore.LoadProblems();
    QCOMPARE(problems.size(), 3);
    QVERIFY(problems.join(QLatin1Char('\n')).contains(QStringLiteral("duedatetruncated.due")));
    QVERIFY(problems.join(QLatin1Char('\n')).contains(QStringLiteral("duedateevil.due")));
    QVERIFY(QFile::exists(DataFile(QStringLiteral("duedatetruncated.due")))); // left on disk
    QVERIFY(theDueStore.Folder().DueFilePath(QStringLiteral("../../victim")).isEmpty());
    QVERIFY(!theDueStore.RemoveDue(QStringLiteral("../../victim"), true));
}

void TestDueStore::sameIdentifierTwiceIsReported_data()
{
    QTest::addColumn<QString>("otherName");
    QTest::addColumn<QString>("listedTitle");
    // The file named after the identifier is listed, whichever comes first.
    QTest::newRow("copy sorts first") << "duedatecopy.due"
                                      << "own";
    QTest::newRow("copy sorts last") << "zcopy.due"
                                     << "own";
}

void TestDueStore::sameIdentifierTwiceIsReported()
{
    QFETCH(QString, otherName);
    QFETCH(QString, listedTitle);
    DueRecord a = Due(QStringLiteral("own"), COleDateTime(2007, 3, 31, 0, 0, 0));
    a.m_strRecId = QStringLiteral("2007010100000010");
    WriteAll(DataFile(QStringLiteral("duedate2007010100000010.due")), DueFile::Serialize(a));
    a.m_strTitle = QStringLiteral("copy");
    WriteAll(DataFile(otherName), DueFile::Serialize(a));
    theDueStore.LoadAll();
    QCOMPARE(theDueStore.GetCount(), 1);
    QCOMPARE(theDueStore.GetDue(a.m_strRecId).m_strTitle, listedTitle);
    // A conflict, not a file that could not be read.
    QCOMPARE(theDueStore.LoadProblems(), QStringList());
    const QList<DueConflict> conflicts = theDueStore.Conflicts();
    QCOMPARE(conflicts.size(), 1);
    QCOMPARE(conflicts.first().listedFile, QStringLiteral("duedate2007010100000010.due"));
    QCOMPARE(conflicts.first().otherFiles, QStringList{otherName});
    // Deleting the listed due removes its own file; the copy stays, listed now.
    QVERIFY(theDueStore.RemoveDue(a.m_strRecId, false));
    QVERIFY(!QFile::exists(DataFile(QStringLiteral("duedate2007010100000010.due"))));
    QVERIFY(QFile::exists(DataFile(otherName)));
    QCOMPARE(theDueStore.GetDue(a.m_strRecId).m_strTitle, QStringLiteral("copy"));
}

void TestDueStore::identifierIsUsedExactlyAsStored_data()
{
    QTest::addColumn<QString>("crafted");
    const QString victim = QStringLiteral("2007010100000010");
    QTest::newRow("trailing blank") << victim + QLatin1Char(' ');
    QTest::newRow("leading blank") << QLatin1Char(' ') + victim;
    QTest::newRow("tab") << victim + QLatin1Char('\t');
    QTest::newRow("no-break space") << victim + QChar(0xA0);
    QTest::newRow("line break") << victim + QLatin1Char('\n');
    QTest::newRow("right-to-left override") << QChar(0x202E) + victim;
    QTest::newRow("lone surrogate") << victim + QChar(0xD800);
    QTest::newRow("parent folder") << QStringLiteral("../") + victim;
    QTest::newRow("too long for a file name") << QString(200, QLatin1Char('1'));
    QTest::newRow("empty") << QString();
}

void TestDueStore::identifierIsUsedExactlyAsStored()
{
    QFETCH(QString, crafted);
    DueRecord victim = Due(QStringLiteral("Victim"), COleDateTime(2007, 3, 31, 0, 0, 0));
    victim.m_strRecId = QStringLiteral("2007010100000010");
    const QString victimFile = DataFile(QStringLiteral("duedate2007010100000010.due"));
    const QByteArray victimBytes = DueFile::Serialize(victim);
    WriteAll(victimFile, victimBytes);
    DueRecord evil = Due(QStringLiteral("Evil"), COleDateTime(2007, 3, 30, 0, 0, 0));
    evil.m_strRecId = crafted;
    WriteAll(DataFile(QStringLiteral("crafted.due")), DueFile::Serialize(evil));

    theDueStore.LoadAll();
    QCOMPARE(theDueStore.GetCount(), 1);
    QCOMPARE(theDueStore.LoadProblems().size(), 1);
    QVERIFY(theDueStore.LoadProblems().first().startsWith(QStringLiteral("crafted.due: ")));
    QVERIFY(!theDueStore.Contains(crafted));
    // Nothing done with the crafted identifier reaches the victim's file.
    QVERIFY(!theDueStore.RemoveDue(crafted, true));
    DueRecord edited = evil;
    edited.m_strTitle = QStringLiteral("overwrite");
    QVERIFY(!theDueStore.ReplaceDue(edited));
    QCOMPARE(ReadAll(victimFile), victimBytes);
    QVERIFY(QFile::exists(DataFile(QStringLiteral("crafted.due"))));
    QCOMPARE(theDueStore.GetDue(victim.m_strRecId).m_strTitle, QStringLiteral("Victim"));
}

void TestDueStore::changesGoToTheFileTheDueCameFrom()
{
    // A sound due under a name other than its identifier's, and a name that
    // is not UTF-8: both load, and their changes and removal go to them.
    const QByteArray odd = QByteArray("odd\xff\xfe") + ".due";
    const QString dir = theDueStore.Folder().Path();
    DueRecord a = Due(QStringLiteral("Renamed"), COleDateTime(2007, 3, 31, 0, 0, 0));
    a.m_strRecId = QStringLiteral("2007010100000010");
    WriteAll(DataFile(QStringLiteral("renamed.due")), DueFile::Serialize(a));
    DueRecord b = Due(QStringLiteral("Odd name"), COleDateTime(2007, 3, 30, 0, 0, 0));
    b.m_strRecId = QStringLiteral("2007010100000110");
    {
        const QByteArray path = QFile::encodeName(dir) + '/' + odd;
        FILE* f = std::fopen(path.constData(), "wb");
        QVERIFY(f);
        const QByteArray bytes = DueFile::Serialize(b);
        QCOMPARE(std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f), size_t(bytes.size()));
        std::fclose(f);
    }
    theDueStore.LoadAll();
    QCOMPARE(theDueStore.GetCount(), 2);
    QCOMPARE(theDueStore.LoadProblems(), QStringList());

    a.m_strTitle = QStringLiteral("Renamed, paid");
    a.m_bPaid = 1;
    QVERIFY(theDueStore.ReplaceDue(a));
    DueRecord onDisk(Qt::Uninitialized);
    QVERIFY(DueFile::Parse(ReadAll(DataFile(QStringLiteral("renamed.due"))), onDisk, nullptr));
    QCOMPARE(onDisk.m_strTitle, QStringLiteral("Renamed, paid"));
    QVERIFY(!QFile::exists(theDueStore.Folder().DueFilePath(a.m_strRecId)));

    QVERIFY(theDueStore.RemoveDue(b.m_strRecId, false));
    QVERIFY(theDueStore.RemoveDue(a.m_strRecId, false));
    QCOMPARE(QDir(dir).entryList({QStringLiteral("*.due")}), QStringList());
    QVERIFY(theDueStore.TakeErrors().isEmpty());
}

void TestDueStore::loadReasonsAndShownNames_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty") << QByteArray("empty.due") << QByteArray() << "empty.due: the file is empty";
    QTest::newRow("zero-filled") << QByteArray("zeros.due") << QByteArray(66, '\0')
                                 << "zeros.due: the file holds only zero bytes";
    QTest::newRow("line break in the name")
        << QByteArray("two\nlines.due") << QByteArray("x") << "two\\nlines.due: ";
    QTest::newRow("name not UTF-8") << QByteArray("bad\xff.due") << QByteArray("x")
                                    << QStringLiteral("bad\uFFFD.due: ");
}

void TestDueStore::loadReasonsAndShownNames()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    const QByteArray path = QFile::encodeName(theDueStore.Folder().Path()) + '/' + name;
    FILE* f = std::fopen(path.constData(), "wb");
    QVERIFY(f);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f);
    std::fclose(f);
    theDueStore.LoadAll();
    QCOMPARE(theDueStore.LoadProblems().size(), 1);
    QVERIFY2(theDueStore.LoadProblems().first().startsWith(shown),
             qPrintable(theDueStore.LoadProblems().first()));
    QVERIFY(!theDueStore.LoadProblems().first().contains(QLatin1Char('\n')));
}

void TestDueStore::oversizedFileIsNotRead()
{
    // A sparse file past the cap: refused from its size alone.
    const QString path = DataFile(QStringLiteral("huge.due"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QVERIFY(f.resize(DueFile::kMaxDueFileSize + 1));
    f.close();
    theDueStore.LoadAll();
    QCOMPARE(theDueStore.LoadProblems(),
             QStringList{QStringLiteral("huge.due: the file is too large to be a due")});
}

void TestDueStore::placeholdersStayPendingUntilFinished()
{
    const QString series = QStringLiteral("recId20070315142530");
    QStringList ids;
    for (int i = 0; i < 3; ++i)
        ids << theDueStore.AddPlaceholder(
            Due(QString(), COleDateTime(2007, 4, 1 + i, 0, 0, 0), 0, false, series));
    // Placeholders live in memory only: nothing for a sync tool to carry.
    const QDir dir(theDueStore.Folder().Path());
    const QDir::Filters all = QDir::Files | QDir::Hidden | QDir::System;
    QCOMPARE(dir.entryList(all), QStringList());
    QCOMPARE(theDueStore.GetCount(), 3);

    // Finishing one makes it a due with its own file; taking one back leaves nothing.
    DueRecord done = theDueStore.GetDue(ids.at(0));
    done.m_strTitle = QStringLiteral("Gym");
    QVERIFY(theDueStore.ReplaceDue(done));
    QVERIFY(theDueStore.RemoveDue(ids.at(1), false));
    QCOMPARE(dir.entryList({QStringLiteral("*.due")}), QStringList{DataFolder::DueFileName(ids.at(0))});
    QVERIFY(theDueStore.TakeErrors().isEmpty());

    // A reload (a crash, say) lists only the finished one.
    theDueStore.LoadAll();
    QCOMPARE(theDueStore.GetCount(), 1);
    QCOMPARE(theDueStore.GetDue(ids.at(0)).m_strTitle, QStringLiteral("Gym"));
    QCOMPARE(dir.entryList(all).size(), 2); // the due and the marker
}

void TestDueStore::neverWritesOverAChangeNotSeen_data()
{
    QTest::addColumn<QString>("outside"); // what another program did
    QTest::addColumn<QString>("ours");    // what this store then tries
    for (const char* outside : {"rewrite in place", "replace", "delete"})
        for (const char* ours : {"modify", "remove"})
            QTest::newRow(
                qPrintable(QStringLiteral("%1, then %2").arg(QLatin1String(outside), QLatin1String(ours))))
                << QString::fromLatin1(outside) << QString::fromLatin1(ours);
}

void TestDueStore::neverWritesOverAChangeNotSeen()
{
    QFETCH(QString, outside);
    QFETCH(QString, ours);
    const QString id = theDueStore.AddDue(Due(QStringLiteral("Rent"), COleDateTime(2007, 3, 1, 0, 0, 0)));
    const QString path = theDueStore.FilePathOf(id);
    DueRecord theirs = theDueStore.GetDue(id);
    theirs.m_bPaid = 1; // marked paid on the other machine: same size, same second
    const QByteArray theirBytes = DueFile::Serialize(theirs);
    if (outside == QLatin1String("rewrite in place")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.write(theirBytes);
    } else if (outside == QLatin1String("replace")) {
        WriteAll(path + QStringLiteral(".new"), theirBytes);
        QVERIFY(::rename(QFile::encodeName(path + QStringLiteral(".new")).constData(),
                         QFile::encodeName(path).constData()) == 0);
    } else {
        QVERIFY(QFile::remove(path));
    }
    DueRecord mine = theDueStore.GetDue(id);
    mine.m_strTitle = QStringLiteral("Flat rent");
    if (ours == QLatin1String("modify"))
        QVERIFY(!theDueStore.ReplaceDue(mine));
    else
        QVERIFY(!theDueStore.RemoveDue(id, true));
    const QList<StaleChange> stale = theDueStore.TakeStaleChanges();
    if (outside == QLatin1String("delete") && ours == QLatin1String("remove")) {
        // Gone already, as it was to be: said, nothing to ask.
        QCOMPARE(stale.size(), 0);
        QVERIFY(theDueStore.TakeErrors().first().contains(QStringLiteral("no longer exists")));
        return;
    }
    QCOMPARE(stale.size(), 1);
    QCOMPARE(stale.first().recId, id);
    QCOMPARE(stale.first().gone, outside == QLatin1String("delete"));
    if (!stale.first().gone)
        QCOMPARE(stale.first().theirs, theirs);
    QCOMPARE(stale.first().base.m_strTitle, QStringLiteral("Rent"));
    const QStringList errors = theDueStore.TakeErrors();
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().contains(QDir::toNativeSeparators(path)), qPrintable(errors.first()));
    // Their change stands on disk.
    if (outside == QLatin1String("delete")) {
        QVERIFY(!QFile::exists(path));
    } else {
        QCOMPARE(ReadAll(path), theirBytes);
        // Once read, a write goes over it: the user has seen it.
        theDueStore.Reread(id);
        QCOMPARE(theDueStore.GetDue(id), theirs);
        mine = theirs;
        mine.m_strTitle = QStringLiteral("Flat rent");
        QVERIFY(theDueStore.ReplaceDue(mine));
        QCOMPARE(ReadAll(path), DueFile::Serialize(mine));
    }
}

void TestDueStore::installationsNumberTheirSingleDues()
{
    // Two installations adding a due in the same second: their own numbers
    // keep the identifiers apart; the format stays 16 digits.
    const auto reset = qScopeGuard([] { SetSingleDueNumber(10); });
    SetSingleDueNumber(37);
    const QString here = theDueStore.AddDue(Due(QStringLiteral("Here"), COleDateTime(2007, 3, 1, 0, 0, 0)));
    SetSingleDueNumber(52);
    CDueStore elsewhere;
    elsewhere.SetFolder(theDueStore.Folder());
    const QString there = elsewhere.AddDue(Due(QStringLiteral("There"), COleDateTime(2007, 3, 1, 0, 0, 0)));
    QCOMPARE(here.size(), 16);
    QCOMPARE(here.right(2), QStringLiteral("37"));
    QCOMPARE(there.right(2), QStringLiteral("52"));
    QCOMPARE(here.left(14), there.left(14));
    SetSingleDueNumber(5); // out of range: the old number
    QCOMPARE(MakeRecordId(0, QDateTime(QDate(2007, 3, 1), QTime(0, 0))), QStringLiteral("2007030100000010"));
}

void TestDueStore::churnThroughThousandsOfCycles()
{
    // Adds and removals in turn: the table must reuse what removals free
    // (or grow for it), never fill up with removed entries and hang.
    QStringList kept;
    for (int cycle = 0; cycle < 20000; ++cycle) {
        const QString id = theDueStore.AddPlaceholder(
            Due(QStringLiteral("c%1").arg(cycle), COleDateTime(2007, 4, 1, 0, 0, 0)));
        QVERIFY(!id.isEmpty());
        if (cycle % 100 == 0)
            kept << id;
        else
            QVERIFY(theDueStore.RemoveDue(id, false));
    }
    QCOMPARE(theDueStore.GetCount(), int(kept.size()));
    for (const QString& id : std::as_const(kept))
        QVERIFY(theDueStore.Contains(id));
    int walked = 0;
    theDueStore.ForEach([&](const DueRecord&) { ++walked; });
    QCOMPARE(walked, int(kept.size()));
}

void TestDueStore::oversizedDueIsRefusedNamingTheField()
{
    // A due no load would read is never written, new or changed.
    DueRecord big = Due(QStringLiteral("Huge"), COleDateTime(2007, 4, 1, 0, 0, 0));
    big.m_strNotes = QString(DueFile::kMaxDueFileSize / 2 + 1, QChar(0x263A)); // UTF-16: past the cap
    const QStringList before = QDir(theDueStore.Folder().Path()).entryList(QDir::Files);
    const QString id = theDueStore.AddDue(big);
    QVERIFY(!theDueStore.Contains(id));
    QStringList errors = theDueStore.TakeErrors();
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().contains(QStringLiteral("Notes")) &&
                 errors.first().contains(QStringLiteral("Huge")),
             qPrintable(errors.first()));

    const QString small = theDueStore.AddDue(Due(QStringLiteral("Small"), COleDateTime(2007, 4, 1, 0, 0, 0)));
    big.m_strRecId = small;
    QVERIFY(!theDueStore.ReplaceDue(big));
    errors = theDueStore.TakeErrors();
    QCOMPARE(errors.size(), 1);
    QCOMPARE(theDueStore.GetDue(small).m_strTitle, QStringLiteral("Small"));
    theDueStore.LoadAll();
    QCOMPARE(theDueStore.LoadProblems(), QStringList());
    QCOMPARE(theDueStore.GetDue(small).m_strTitle, QStringLiteral("Small"));
}

void TestDueStore::writerSweepsOwnLeftoversOnce()
{
    QProcess ended;
    ended.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("echo $$")});
    ended.waitForFinished();
    const QByteArray dead = ended.readAllStandardOutput().trimmed();
    QVERIFY(dead.toLongLong() > 0);
    const QByteArray host = SaveFile::HostTag().toLatin1();
    const QStringList ours{
        QStringLiteral("duedate2007010100000010.due.") + host + '-' + dead + QStringLiteral("-1.tmp"),
        QStringLiteral("preferences.alm.") + dead + QStringLiteral("-3.tmp"),
        QStringLiteral("duedate2007010100000201.due.") + host + QStringLiteral(".pending")};
    const QStringList theirs{QStringLiteral("duedate2007010100000301.due.otherhost.pending"),
                             QStringLiteral("duedate2007010100000010.due.otherhost-99-1.tmp"),
                             QStringLiteral("duedate2007010100000011.due.") + host + '-' +
                                 QByteArray::number(QCoreApplication::applicationPid()) +
                                 QStringLiteral("-1.tmp"),
                             QStringLiteral("notes.tmp")};
    for (const QString& name : ours + theirs)
        WriteAll(DataFile(name), "left");

    // A reader sweeps nothing; a writer sweeps what writers that are gone left.
    theDueStore.LoadAll();
    QCOMPARE(theDueStore.TakeSweptFiles(), QStringList());
    theDueStore.SetFolder(theDueStore.Folder(), true);
    theDueStore.LoadAll();
    QStringList swept = theDueStore.TakeSweptFiles();
    swept.sort();
    QStringList expected = ours;
    expected.sort();
    QCOMPARE(swept, expected);
    QCOMPARE(theDueStore.TakeRecoveryNotes().size(), 1);
    for (const QString& name : ours)
        QVERIFY(!QFile::exists(DataFile(name)));
    for (const QString& name : theirs)
        QVERIFY(QFile::exists(DataFile(name)));
    QCOMPARE(theDueStore.TakeSweptFiles(), QStringList()); // said once
    theDueStore.SetFolder(theDueStore.Folder());
}

void TestDueStore::nameTakenMeanwhileMovesToTheNextIdentifier()
{
    QString id;
    QString taken;
    {
        CDueStore::Batch batch;
        id = theDueStore.AddDue(Due(QStringLiteral("Rent"), COleDateTime(2007, 3, 31, 0, 0, 0)));
        taken = theDueStore.Folder().DueFilePath(id);
        // Another program writes that very name before the batch ends.
        WriteAll(taken, "foreign");
    }
    QCOMPARE(ReadAll(taken), QByteArray("foreign"));
    QVERIFY(!theDueStore.Contains(id));
    QCOMPARE(theDueStore.GetCount(), 1);
    QString moved;
    theDueStore.ForEach([&](const DueRecord& r) { moved = r.m_strRecId; });
    QVERIFY(moved != id);
    DueRecord onDisk(Qt::Uninitialized);
    QVERIFY(DueFile::Parse(ReadAll(theDueStore.Folder().DueFilePath(moved)), onDisk, nullptr));
    QCOMPARE(onDisk.m_strTitle, QStringLiteral("Rent"));
    QCOMPARE(onDisk.m_strRecId, moved);
    QVERIFY(theDueStore.TakeErrors().isEmpty());
}

void TestDueStore::seriesChangesLandTogether()
{
    const QString series = QStringLiteral("recIdB");
    QStringList ids;
    for (int m = 1; m <= 3; ++m)
        ids << theDueStore.AddDue(
            Due(QStringLiteral("B"), COleDateTime(2007, m, 1, 0, 0, 0), 1, false, series));
    const QByteArray before = ReadAll(theDueStore.Folder().DueFilePath(ids.at(2)));
    DueRecord edited = theDueStore.GetDue(ids.at(0));
    edited.m_strTitle = QStringLiteral("B2");
    {
        CDueStore::Batch batch;
        QVERIFY(theDueStore.ModifySeries(edited));
        // Nothing is renamed before the batch's one sync pass.
        QCOMPARE(ReadAll(theDueStore.Folder().DueFilePath(ids.at(2))), before);
    }
    for (const QString& id : ids) {
        DueRecord onDisk(Qt::Uninitialized);
        QVERIFY(DueFile::Parse(ReadAll(theDueStore.Folder().DueFilePath(id)), onDisk, nullptr));
        QCOMPARE(onDisk.m_strTitle, QStringLiteral("B2"));
    }
    QCOMPARE(QDir(theDueStore.Folder().Path()).entryList(QDir::Files).size(), 4); // 3 dues and the marker
}

void TestDueStore::monthListBoundariesFiltersAndTotals_data()
{
    QTest::addColumn<DueFilter>("filter");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<double>("paid");
    QTest::addColumn<double>("unpaid");
    QTest::newRow("all") << DueFilter::All << QStringList{"late Jan", "paid Jan"} << 5.0 << 1000.25;
    QTest::newRow("paid") << DueFilter::Paid << QStringList{"paid Jan"} << 5.0 << 0.0;
    QTest::newRow("unpaid") << DueFilter::Unpaid << QStringList{"late Jan"} << 0.0 << 1000.25;
}

void TestDueStore::monthListBoundariesFiltersAndTotals()
{
    QFETCH(DueFilter, filter);
    QFETCH(QStringList, titles);
    QFETCH(double, paid);
    QFETCH(double, unpaid);
    theDueStore.AddDue(Due(QStringLiteral("late Jan"), COleDateTime(2024, 1, 31, 23, 59, 0), 1000.25));
    Clock::Advance(1);
    theDueStore.AddDue(Due(QStringLiteral("paid Jan"), COleDateTime(2024, 1, 2, 0, 0, 0), 5, true));
    Clock::Advance(1);
    theDueStore.AddDue(Due(QStringLiteral("Feb"), COleDateTime(2024, 2, 1, 0, 0, 0), 7));
    Clock::Advance(1);
    theDueStore.AddDue(Due(QStringLiteral("Jan next year"), COleDateTime(2025, 1, 15, 0, 0, 0), 9));
    DueRecord broken = Due(QStringLiteral("broken"), COleDateTime(2024, 1, 3, 0, 0, 0));
    broken.m_dtDue.SetStatus(COleDateTime::invalid);
    Clock::Advance(1);
    theDueStore.AddDue(broken);

    const MonthList list = theDueStore.FillMonthList(COleDateTime(2024, 1, 10, 8, 0, 0), filter);
    QStringList listed;
    for (const DueRecord& r : list.rows)
        listed << r.m_strTitle;
    listed.sort();
    QCOMPARE(listed, titles);
    QCOMPARE(list.paid, paid);
    QCOMPARE(list.unpaid, unpaid);
    QCOMPARE(list.Total(), paid + unpaid);
}

void TestDueStore::monthListAtTheYearEnd_data()
{
    QTest::addColumn<COleDateTime>("month");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("December stops at midnight")
        << COleDateTime(2024, 12, 1, 0, 0, 0) << QStringList{"Dec 1", "Dec 31 late"};
    QTest::newRow("January starts at midnight") << COleDateTime(2025, 1, 20, 0, 0, 0) << QStringList{"Jan 1"};
    QTest::newRow("the December before stays apart")
        << COleDateTime(2023, 12, 5, 0, 0, 0) << QStringList{"Dec 2023"};
}

void TestDueStore::monthListAtTheYearEnd()
{
    QFETCH(COleDateTime, month);
    QFETCH(QStringList, titles);
    const std::pair<const char*, COleDateTime> dues[] = {
        {"Dec 2023", COleDateTime(2023, 12, 31, 12, 0, 0)},
        {"Dec 1", COleDateTime(2024, 12, 1, 0, 0, 0)},
        {"Dec 31 late", COleDateTime(2024, 12, 31, 23, 59, 59)},
        {"Jan 1", COleDateTime(2025, 1, 1, 0, 0, 0)},
        {"Feb", COleDateTime(2025, 2, 1, 0, 0, 0)}};
    for (const auto& [title, due] : dues) {
        theDueStore.AddDue(Due(QString::fromLatin1(title), due, 1));
        Clock::Advance(1);
    }
    QStringList listed;
    for (const DueRecord& r : theDueStore.FillMonthList(month, DueFilter::All).rows)
        listed << r.m_strTitle;
    listed.sort();
    QCOMPARE(listed, titles);
}

void TestDueStore::rangeList()
{
    theDueStore.AddDue(Due(QStringLiteral("Jan"), COleDateTime(2024, 1, 31, 23, 59, 0)));
    Clock::Advance(1);
    theDueStore.AddDue(
        Due(QStringLiteral("Feb"), COleDateTime(2024, 2, 1, 0, 0, 0), 1, false, QStringLiteral("s")));
    Clock::Advance(1);
    theDueStore.AddDue(Due(QStringLiteral("Dec"), COleDateTime(2023, 12, 1, 0, 0, 0)));

    DueRecordList list;
    theDueStore.FillRangeList(list, COleDateTime(2024, 2, 20, 0, 0, 0), COleDateTime(2024, 2, 1, 0, 0, 0));
    QCOMPARE(list.texts, QStringList{"Feb"});
    QCOMPARE(list.images, QList<int>{1});
    theDueStore.FillRangeList(list, COleDateTime(2023, 12, 1, 0, 0, 0), COleDateTime(2024, 1, 1, 0, 0, 0));
    QCOMPARE(list.records.size(), 2);
    theDueStore.FillRangeList(list, COleDateTime(2024, 3, 1, 0, 0, 0), COleDateTime(2024, 1, 1, 0, 0, 0));
    QCOMPARE(list.records.size(), 0);
}

QTEST_GUILESS_MAIN(TestDueStore)
#include "tst_duestore.moc"
