#include "model/CDueStore.h"
#include "model/Clock.h"
#include "model/DataFolder.h"
#include "model/DueFile.h"

#include <QDir>

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

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
    void sameIdentifierTwiceLoadsOnce();
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
    QVERIFY(!theDueStore.RemoveDue(blocked, true));
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
    QVERIFY(theDueStore.Contains(id)); // kept in memory, as before
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

void TestDueStore::sameIdentifierTwiceLoadsOnce()
{
    DueRecord a = Due(QStringLiteral("first"), COleDateTime(2007, 3, 31, 0, 0, 0));
    a.m_strRecId = QStringLiteral("2007010100000010");
    WriteAll(DataFile(QStringLiteral("duedate2007010100000010.due")), DueFile::Serialize(a));
    a.m_strTitle = QStringLiteral("second");
    WriteAll(DataFile(QStringLiteral("duedatecopy.due")), DueFile::Serialize(a));
    theDueStore.LoadAll();
    QCOMPARE(theDueStore.GetCount(), 1);
    // The file name does not match the identifier: deleting removes the named file only.
    QCOMPARE(theDueStore.GetDue(a.m_strRecId).m_strTitle, QStringLiteral("second"));
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
