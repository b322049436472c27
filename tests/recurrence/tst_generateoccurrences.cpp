#include "model/base/Clock.h"
#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"
#include "model/store/DueFile.h"
#include "model/store/Identifiers.h"
#include "recurrence/GenerateOccurrences.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <optional>

#include <sys/resource.h>

namespace {
RecurrencePattern DailyPattern(const COleDateTime& start, int count)
{
    RecurrencePattern p;
    p.m_nFrequency = RecurrencePattern::Day;
    p.m_strDailyInterval = QStringLiteral("1");
    p.m_dtRangeStart = start;
    p.m_bEndAfter = true;
    p.m_strOccurrences = QString::number(count);
    return p;
}

QStringList DueFiles()
{
    return QDir(theDueStore.Folder().Path()).entryList({QStringLiteral("*.due")}, QDir::Files);
}

// While it lives, no file of this process can grow at all: every due file
// write fails as on a full disk ("File too large").
class FileSizeLimit
{
public:
    FileSizeLimit()
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit tight = m_old;
        tight.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &tight);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
};

// Every file of the data folder that is not a due: placeholders must leave
// none (they live in memory until their series is finished).
QStringList PendingFiles()
{
    QStringList names =
        QDir(theDueStore.Folder().Path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.removeIf([](const QString& n) {
        return n.endsWith(QLatin1String(".due")) || n == QLatin1String("preferences.alm");
    });
    return names;
}
} // namespace

class TestGenerateOccurrences : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void placeholdersAndFiles();
    void distinctIdsWithinOneSecond();
    void neverOverwritesAFile();
    void cancelTakesEverythingBack_data();
    void cancelTakesEverythingBack();
    void twoRunsTwoSeries();
    void failedFinishLandsNothing_data();
    void failedFinishLandsNothing();

private:
    QTemporaryDir* m_dir = nullptr;
    const QDateTime m_now{QDate(2007, 3, 15), QTime(14, 25, 30)};
};

void TestGenerateOccurrences::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    theDueStore.SetFolder(DataFolder(m_dir->path()));
    Clock::SetFixed(m_now);
    theDueStore.m_nSeriesCounter = 0;
    theDueStore.LoadAll();
    theDueStore.TakeErrors();
}

void TestGenerateOccurrences::cleanup()
{
    theDueStore.RemoveAll();
    Clock::SetFixed(QDateTime());
    delete m_dir;
    m_dir = nullptr;
}

void TestGenerateOccurrences::placeholdersAndFiles()
{
    const GeneratedSeries run =
        GenerateOccurrences(DailyPattern(COleDateTime(2007, 4, 1, 9, 30, 0), 3), theDueStore);
    QCOMPARE(run.m_arrOccurrenceIds.size(), 3);
    QVERIFY(run.m_strSeriesId.startsWith(QStringLiteral("recId")));
    QCOMPARE(run.m_strSeriesId.size(), 19);
    QVERIFY(!run.m_bCancelled);
    QCOMPARE(PendingFiles(), QStringList());
    QCOMPARE(DueFiles().size(), 0);
    // Members do not touch the marker file.
    QVERIFY(!QFile::exists(theDueStore.Folder().PreferencesPath()));

    for (int i = 0; i < 3; ++i) {
        const QString id = run.m_arrOccurrenceIds[i];
        QCOMPARE(id.size(), 16);
        const DueRecord onDisk = theDueStore.GetDue(id);
        QCOMPARE(onDisk.m_strRecId, id);
        QCOMPARE(onDisk.m_dtStart, COleDateTime(2007, 4, 1 + i, 9, 30, 0));
        QCOMPARE(onDisk.m_dtDue, COleDateTime::FromQDateTime(m_now));
        QCOMPARE(onDisk.m_strSeriesId, run.m_strSeriesId);
        QVERIFY(onDisk.m_strTitle.isEmpty() && onDisk.m_strPayTo.isEmpty() && onDisk.m_strNotes.isEmpty());
        QCOMPARE(onDisk.m_dAmount, 0.0);
        QCOMPARE(onDisk.m_nType, 1);
        QCOMPARE(onDisk.m_bPaid, 0);
    }
    QVERIFY(theDueStore.TakeErrors().isEmpty());
}

void TestGenerateOccurrences::distinctIdsWithinOneSecond()
{
    // The clock stands still: all 1,000 members are made within one second.
    const GeneratedSeries run =
        GenerateOccurrences(DailyPattern(COleDateTime(2007, 4, 1, 8, 0, 0), 1000), theDueStore);
    QCOMPARE(run.m_arrOccurrenceIds.size(), 1000);
    const QSet<QString> unique(run.m_arrOccurrenceIds.begin(), run.m_arrOccurrenceIds.end());
    QCOMPARE(unique.size(), 1000);
    QCOMPARE(PendingFiles(), QStringList());
    QCOMPARE(theDueStore.GetCount(), 1000);
    QCOMPARE(theDueStore.GetDue(run.m_arrOccurrenceIds.last()).m_dtStart,
             COleDateTime(2007, 4, 1, 8, 0, 0) + COleDateTimeSpan(999.0));

    // Unfinished, they are no dues: a reload does not list them.
    theDueStore.LoadAll();
    QCOMPARE(theDueStore.GetCount(), 0);
}

void TestGenerateOccurrences::neverOverwritesAFile()
{
    // A due file already holds the identifier the first member would get.
    DueRecord other;
    other.m_strRecId = MakeRecordId(1, m_now);
    other.m_strTitle = QStringLiteral("Rent");
    QVERIFY(theDueStore.Folder().Create());
    QFile file(theDueStore.Folder().DueFilePath(other.m_strRecId));
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QByteArray bytes = DueFile::Serialize(other);
    file.write(bytes);
    file.close();

    const GeneratedSeries run =
        GenerateOccurrences(DailyPattern(COleDateTime(2007, 4, 1, 8, 0, 0), 5), theDueStore);
    QCOMPARE(run.m_arrOccurrenceIds.size(), 5);
    QVERIFY(!run.m_arrOccurrenceIds.contains(other.m_strRecId));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
    QCOMPARE(DueFiles().size(), 1);
    QCOMPARE(PendingFiles(), QStringList());
}

void TestGenerateOccurrences::cancelTakesEverythingBack_data()
{
    QTest::addColumn<int>("cancelAfter");
    QTest::newRow("before the first") << 0;
    QTest::newRow("after the first") << 1;
    QTest::newRow("half way") << 250;
}

void TestGenerateOccurrences::cancelTakesEverythingBack()
{
    QFETCH(int, cancelAfter);
    const QString keep = theDueStore.AddDue(DueRecord());
    const QStringList before = DueFiles();

    qint64 seenTotal = -1;
    int calls = 0;
    const GeneratedSeries run = GenerateOccurrences(DailyPattern(COleDateTime(2007, 4, 1, 8, 0, 0), 500),
                                                    theDueStore, [&](qint64 done, qint64 total) {
                                                        ++calls;
                                                        seenTotal = total;
                                                        return done < cancelAfter;
                                                    });
    QCOMPARE(seenTotal, qint64(500));
    QCOMPARE(calls, cancelAfter + 1);
    QVERIFY(run.m_bCancelled);
    QVERIFY(run.m_arrOccurrenceIds.isEmpty());
    QCOMPARE(DueFiles(), before);
    QCOMPARE(PendingFiles(), QStringList());
    QCOMPARE(theDueStore.GetCount(), 1);
    QVERIFY(theDueStore.Contains(keep));
    QVERIFY(theDueStore.TakeErrors().isEmpty());
}

void TestGenerateOccurrences::twoRunsTwoSeries()
{
    const RecurrencePattern p = DailyPattern(COleDateTime(2007, 4, 1, 8, 0, 0), 2);
    const GeneratedSeries a = GenerateOccurrences(p, theDueStore);
    const GeneratedSeries b = GenerateOccurrences(p, theDueStore);
    QVERIFY(a.m_strSeriesId != b.m_strSeriesId);
    QStringList ids;
    theDueStore.GetSeriesIds(a.m_strSeriesId, ids);
    QCOMPARE(ids.size(), 2);
    theDueStore.GetSeriesIds(b.m_strSeriesId, ids);
    QCOMPARE(ids.size(), 2);
}

void TestGenerateOccurrences::failedFinishLandsNothing_data()
{
    QTest::addColumn<int>("failAfter");
    QTest::newRow("the first write") << 0;
    QTest::newRow("the second write") << 1;
    QTest::newRow("half way") << 250;
}

void TestGenerateOccurrences::failedFinishLandsNothing()
{
    // A series is finished in one batch, as the editor and the command line
    // do; a write that fails part way (a full disk) lands none of it.
    QFETCH(int, failAfter);
    const QString keep = theDueStore.AddDue(DueRecord());
    const QStringList before = DueFiles();
    const GeneratedSeries run =
        GenerateOccurrences(DailyPattern(COleDateTime(2007, 4, 1, 8, 0, 0), 500), theDueStore);
    QList<DueRecord> members;
    for (const QString& id : run.m_arrOccurrenceIds) {
        DueRecord member = theDueStore.GetDue(id);
        member.m_strTitle = QStringLiteral("Gym");
        members << member;
    }
    std::optional<FileSizeLimit> full;
    ChangeOutcome outcome;
    {
        CDueStore::Batch batch;
        outcome = theDueStore.ReplaceDues(members, [&](qsizetype done, qsizetype) {
            if (done == failAfter)
                full.emplace();
            return true;
        });
    }
    full.reset();
    QVERIFY(outcome.failed);
    QCOMPARE(DueFiles(), before);
    QCOMPARE(PendingFiles(), QStringList());
    const QStringList errors = theDueStore.TakeErrors();
    QCOMPARE(errors.size(), 1); // the one failed write, with the path and the reason
    QVERIFY2(errors.first().contains(QStringLiteral("Tallyvane Files")) &&
                 errors.first().contains(QStringLiteral("large")),
             qPrintable(errors.first()));
    // Memory says what the disk says: no member of the series is a due.
    (void)theDueStore.DiscardDues(run.m_arrOccurrenceIds);
    QCOMPARE(theDueStore.GetCount(), 1);
    QVERIFY(theDueStore.Contains(keep));
    theDueStore.LoadAll();
    QCOMPARE(theDueStore.GetCount(), 1);
}

QTEST_GUILESS_MAIN(TestGenerateOccurrences)
#include "tst_generateoccurrences.moc"
