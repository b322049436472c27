#include "model/base/Clock.h"
#include "model/services/DeletionMemory.h"
#include "model/store/CDueStore.h"
#include "model/store/DueFile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

DueRecord Due(const QString& title)
{
    DueRecord r;
    r.m_strTitle = title;
    r.m_dtStart = r.m_dtDue = COleDateTime(2024, 5, 1, 0, 0, 0);
    r.m_dAmount = 10.0;
    return r;
}

} // namespace

class TestDeletionMemory : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();
    void entriesExpire_data();
    void entriesExpire();
    void boundedToTheNewest();
    void aDeleteThatComesBackIsFound();
    void madeHereAgainIsForgotten();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<DeletionMemory> m_memory;
};

void TestDeletionMemory::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    Clock::SetFixed(QDateTime(QDate(2024, 5, 1), QTime(9, 0)));
    theDueStore.SetFolder(DataFolder(m_dir->path()));
    theDueStore.LoadAll();
    m_memory = std::make_unique<DeletionMemory>(theDueStore.Folder());
    QFile::remove(m_memory->FilePath());
}

void TestDeletionMemory::cleanup()
{
    if (m_memory)
        QFile::remove(m_memory->FilePath());
    m_memory.reset();
    theDueStore.RemoveAll();
    theDueStore.SetFolder(DataFolder());
    Clock::SetFixed({});
}

void TestDeletionMemory::entriesExpire_data()
{
    QTest::addColumn<int>("daysLater");
    QTest::addColumn<bool>("kept");
    QTest::newRow("the next day") << 1 << true;
    QTest::newRow("a day before the bound") << DeletionMemory::kKeepDays - 1 << true;
    QTest::newRow("a day past the bound") << DeletionMemory::kKeepDays + 1 << false;
}

void TestDeletionMemory::entriesExpire()
{
    QFETCH(int, daysLater);
    QFETCH(bool, kept);
    QString why;
    QVERIFY(m_memory->Remember({QStringLiteral("2024050109000010")}, Clock::Now(), &why));
    Clock::Advance(qint64(daysLater) * 86400);
    QCOMPARE(m_memory->Entries().contains(QStringLiteral("2024050109000010")), kept);
    // A write drops what expired from the file too.
    QVERIFY(m_memory->Remember({QStringLiteral("2024050109000110")}, Clock::Now(), &why));
    QFile file(m_memory->FilePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().contains("2024050109000010"), kept);
}

void TestDeletionMemory::boundedToTheNewest()
{
    QStringList old, recent;
    for (int i = 0; i < DeletionMemory::kMaxEntries; ++i)
        old << QStringLiteral("20240501%1").arg(i, 8, 10, QLatin1Char('0'));
    for (int i = 0; i < 5; ++i)
        recent << QStringLiteral("20240502%1").arg(i, 8, 10, QLatin1Char('0'));
    QString why;
    QVERIFY(m_memory->Remember(old, Clock::Now(), &why));
    Clock::Advance(60);
    QVERIFY(m_memory->Remember(recent, Clock::Now(), &why));
    const QHash<QString, QDateTime> entries = m_memory->Entries();
    QCOMPARE(entries.size(), qsizetype(DeletionMemory::kMaxEntries));
    for (const QString& id : recent)
        QVERIFY(entries.contains(id));
}

// Deleted here, changed elsewhere, carried back: the due is found once the
// folder is read again, and no longer once forgotten.
void TestDeletionMemory::aDeleteThatComesBackIsFound()
{
    m_memory->Follow(theDueStore);
    const QString id = theDueStore.AddDue(Due(QStringLiteral("Rent")));
    const QString path = theDueStore.Folder().DueFilePath(id);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    DueRecord changed;
    QVERIFY(DueFile::Parse(file.readAll(), changed, nullptr));
    file.close();
    Clock::Advance(1);
    const QString other = theDueStore.AddDue(Due(QStringLiteral("Gym")));
    QVERIFY(theDueStore.RemoveDues({id, other}, true).Complete());
    QString why;
    QVERIFY2(m_memory->Flush(&why), qPrintable(why));
    QCOMPARE(m_memory->Entries().size(), 2);
    // Kept in the user's state: the data folder goes to other machines.
    QVERIFY(QFile::exists(m_memory->FilePath()) && !m_memory->FilePath().startsWith(m_dir->path()));
    QVERIFY(m_memory->Returned(theDueStore).isEmpty());

    changed.m_dAmount = 99.0;
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(DueFile::Serialize(changed));
    file.close();
    QVERIFY(theDueStore.Rescan());
    const auto back = m_memory->Returned(theDueStore);
    QCOMPARE(back.size(), 1);
    QCOMPARE(back.first().first, id);
    QCOMPARE(back.first().second, Clock::Now().toUTC());
    QVERIFY(m_memory->Forget({id}, &why));
    QVERIFY(m_memory->Returned(theDueStore).isEmpty());
    QVERIFY(m_memory->Entries().contains(other));
}

// What this installation puts back (Undo reads the file in again) or makes
// anew under a deleted identifier is not a due that came back.
void TestDeletionMemory::madeHereAgainIsForgotten()
{
    m_memory->Follow(theDueStore);
    const QString id = theDueStore.AddDue(Due(QStringLiteral("Rent")));
    const QString path = theDueStore.Folder().DueFilePath(id);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    QVERIFY(theDueStore.RemoveDue(id, true));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QVERIFY(theDueStore.LoadDueFile(path));
    QString why;
    QVERIFY(m_memory->Flush(&why));
    QVERIFY(m_memory->Entries().isEmpty());
    // Removed after it was made: remembered.
    QVERIFY(theDueStore.RemoveDue(id, true));
    QVERIFY(m_memory->Flush(&why));
    QVERIFY(m_memory->Entries().contains(id));
    m_memory->Unfollow();
    Clock::Advance(1);
    (void)theDueStore.AddDue(Due(QStringLiteral("Unfollowed")));
    QVERIFY(!m_memory->HasPending());
}

QTEST_GUILESS_MAIN(TestDeletionMemory)
#include "tst_deletionmemory.moc"
