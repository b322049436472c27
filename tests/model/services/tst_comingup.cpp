#include "model/base/Clock.h"
#include "model/services/ComingUp.h"
#include "model/services/Reminders.h"
#include "model/store/CDueStore.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

COleDateTime At(const QString& iso)
{
    return COleDateTime::FromQDateTime(QDateTime::fromString(iso, Qt::ISODate));
}

// Dues given as "title@yyyy-MM-ddTHH:mm[!paid]" with amount 10 each.
void Fill(CDueStore& store, const QStringList& dues)
{
    for (const QString& due : dues) {
        const QStringList fields = due.split(QLatin1Char('@'));
        DueRecord r;
        r.m_strTitle = fields.at(0);
        const QStringList when = fields.at(1).split(QLatin1Char('!'));
        r.m_dtDue = At(when.at(0));
        r.m_dtStart = r.m_dtDue;
        r.m_dAmount = 10.0;
        r.m_bPaid = when.size() > 1 ? 1 : 0;
        (void)store.AddDue(r);
    }
}

QStringList Titles(const QList<DueRecord>& rows)
{
    QStringList out;
    for (const DueRecord& r : rows)
        out << r.m_strTitle;
    return out;
}

} // namespace

class TestComingUp : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void selection_data();
    void selection();
    void reminderKind_data();
    void reminderKind();
    void remindersAnnounceOncePerState();
    void reminderMemoryFollowsDateAndPayment();
    void remindersOff();
    void remindersOffKeepsTheMemory();
    void placeholdersAndEditedDuesWait();
    void memoryFile_data();
    void memoryFile();
    void memoryTakenOverFromTheSettings();
    void manyLateDuesAtOnce();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    CDueStore m_store;
};

void TestComingUp::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    static QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
}

void TestComingUp::init()
{
    QSettings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane")).clear();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    Clock::SetFixed(QDateTime(QDate(2024, 1, 1), QTime(12, 0)));
    m_store.SetFolder(DataFolder(m_dir->path()));
    m_store.LoadAll();
}

void TestComingUp::selection_data()
{
    QTest::addColumn<QStringList>("dues");
    QTest::addColumn<QString>("today");
    QTest::addColumn<int>("days");
    QTest::addColumn<bool>("includePaid");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<double>("overdue");
    QTest::addColumn<double>("next7");
    QTest::addColumn<double>("next30");

    // Late dues of past years come first; the window runs into the next year.
    QTest::newRow("across the year") << QStringList{"jan@2025-01-03T09:00", "old@2023-06-01T00:00",
                                                    "dec@2024-12-30T10:00", "far@2025-02-01T00:00"}
                                     << "2024-12-28" << 14 << false << QStringList{"old", "dec", "jan"}
                                     << 10.0 << 20.0 << 20.0;
    QTest::newRow("across the month")
        << QStringList{"a@2024-02-01T00:00", "b@2024-01-31T23:59", "c@2024-02-15T00:00"} << "2024-01-31" << 1
        << false << QStringList{"b", "a"} << 0.0 << 20.0 << 30.0;
    // Days count by the date: 23:59 of yesterday is late, 00:00 of the last day is in.
    QTest::newRow("midnight edges") << QStringList{"late@2024-03-09T23:59", "today@2024-03-10T00:00",
                                                   "edge@2024-03-17T00:00", "out@2024-03-18T00:00"}
                                    << "2024-03-10" << 7 << false << QStringList{"late", "today", "edge"}
                                    << 10.0 << 20.0 << 30.0;
    QTest::newRow("paid late is gone, paid soon optional")
        << QStringList{"paidlate@2024-03-01T00:00!", "paidsoon@2024-03-11T00:00!", "due@2024-03-12T00:00"}
        << "2024-03-10" << 14 << true << QStringList{"paidsoon", "due"} << 0.0 << 10.0 << 10.0;
    QTest::newRow("paid soon left out")
        << QStringList{"paidsoon@2024-03-11T00:00!", "due@2024-03-12T00:00"} << "2024-03-10" << 14 << false
        << QStringList{"due"} << 0.0 << 10.0 << 10.0;
    QTest::newRow("leap day, zero days")
        << QStringList{"leap@2024-02-29T08:00", "next@2024-03-01T08:00"} << "2024-02-29" << 0 << false
        << QStringList{"leap"} << 0.0 << 20.0 << 20.0;
    // The 30 days' sum takes day 30 whole, to its last minute, and nothing of
    // day 31, however long February is; paid dues count in no sum.
    QTest::newRow("day 30 in, day 31 out, leap February")
        << QStringList{"d30@2024-03-01T23:59", "d31@2024-03-02T00:00", "paid30@2024-03-01T08:00!"}
        << "2024-01-31" << 14 << false << QStringList{} << 0.0 << 0.0 << 10.0;
    QTest::newRow("day 30 in, day 31 out, common February")
        << QStringList{"d29@2023-03-01T00:00", "d30@2023-03-02T00:00", "d31@2023-03-03T00:00"} << "2023-01-31"
        << 30 << false << QStringList{"d29", "d30"} << 0.0 << 0.0 << 20.0;
    QTest::newRow("no date is never late")
        << QStringList{"bad@0000-00-00"} << "2024-03-10" << 14 << false << QStringList{} << 0.0 << 0.0 << 0.0;
}

void TestComingUp::selection()
{
    QFETCH(QStringList, dues);
    QFETCH(QString, today);
    QFETCH(int, days);
    QFETCH(bool, includePaid);
    Fill(m_store, dues);
    const ComingUpList list =
        SelectComingUp(m_store, QDate::fromString(today, Qt::ISODate), days, includePaid);
    QTEST(Titles(list.rows), "expected");
    QTEST(list.overdue, "overdue");
    QTEST(list.next7, "next7");
    QTEST(list.next30, "next30");
}

void TestComingUp::reminderKind_data()
{
    QTest::addColumn<QString>("due");
    QTest::addColumn<bool>("paid");
    QTest::addColumn<int>("lead");
    QTest::addColumn<int>("kind");
    QTest::newRow("outside lead") << "2025-01-04T00:00" << false << 3 << int(ReminderKind::None);
    QTest::newRow("enters lead over new year") << "2025-01-03T23:59" << false << 3 << int(ReminderKind::Soon);
    QTest::newRow("due today") << "2024-12-31T00:00" << false << 3 << int(ReminderKind::Soon);
    QTest::newRow("yesterday late evening") << "2024-12-30T23:59" << false << 3 << int(ReminderKind::Overdue);
    QTest::newRow("paid never") << "2024-12-30T00:00" << true << 3 << int(ReminderKind::None);
    QTest::newRow("lead 0 turns off") << "2024-12-30T00:00" << false << 0 << int(ReminderKind::None);
    QTest::newRow("before 1900") << "1899-06-01T18:00" << false << 3 << int(ReminderKind::Overdue);
    QTest::newRow("last second of yesterday")
        << "2024-12-30T23:59:59" << false << 3 << int(ReminderKind::Overdue);
    QTest::newRow("lead's last day, late") << "2025-01-03T23:59:59" << false << 3 << int(ReminderKind::Soon);
    QTest::newRow("far future") << "9999-12-31T00:00" << false << 3 << int(ReminderKind::None);
}

void TestComingUp::reminderKind()
{
    QFETCH(QString, due);
    QFETCH(bool, paid);
    QFETCH(int, lead);
    DueRecord r;
    r.m_dtDue = At(due);
    r.m_bPaid = paid;
    QTEST(int(ReminderKindOf(r, QDate(2024, 12, 31), lead)), "kind");
    // The look over the folder counts days its own way: it must agree.
    r.m_dtStart = r.m_dtDue;
    (void)m_store.AddDue(r);
    const ReminderSnapshot snapshot = SnapshotReminders(m_store, QDate(2024, 12, 31), lead);
    QTEST(snapshot.due.isEmpty() ? int(ReminderKind::None) : int(snapshot.due.first().kind), "kind");
}

void TestComingUp::remindersAnnounceOncePerState()
{
    Fill(m_store, {"rent@2024-01-05T09:00", "far@2024-02-01T00:00"});
    ReminderMemory memory(m_store.Folder());
    QList<Reminder> r = TakeReminders(m_store, QDate(2024, 1, 1), 3, memory);
    QCOMPARE(r.size(), 0);
    r = TakeReminders(m_store, QDate(2024, 1, 2), 3, memory);
    QCOMPARE(r.size(), 1);
    QCOMPARE(r.first().kind, ReminderKind::Soon);
    QCOMPARE(m_store.GetDue(r.first().recId).m_strTitle, QStringLiteral("rent"));
    // Same state again, also after a restart (a new memory reads the file).
    QVERIFY(memory.Save(nullptr));
    QCOMPARE(TakeReminders(m_store, QDate(2024, 1, 4), 3, memory).size(), 0);
    ReminderMemory again(m_store.Folder());
    QCOMPARE(TakeReminders(m_store, QDate(2024, 1, 5), 3, again).size(), 0);
    // Past midnight of the due day it is late: announced once more.
    r = TakeReminders(m_store, QDate(2024, 1, 6), 3, again);
    QCOMPARE(r.size(), 1);
    QCOMPARE(r.first().kind, ReminderKind::Overdue);
    QCOMPARE(TakeReminders(m_store, QDate(2024, 1, 30), 3, again).size(), 1); // "far" enters its lead
    QCOMPARE(TakeReminders(m_store, QDate(2024, 1, 30), 3, again).size(), 0);
    QVERIFY(again.Save(nullptr));
    QVERIFY(QFileInfo(again.FilePath()).isFile());
    // Another data folder has a memory of its own.
    QTemporaryDir other;
    ReminderMemory otherMemory{DataFolder(other.path())};
    QCOMPARE(TakeReminders(m_store, QDate(2024, 1, 30), 3, otherMemory).size(), 2);
}

void TestComingUp::reminderMemoryFollowsDateAndPayment()
{
    Fill(m_store, {"rent@2024-01-03T09:00"});
    ReminderMemory memory(m_store.Folder());
    QCOMPARE(TakeReminders(m_store, QDate(2024, 1, 1), 3, memory).size(), 1);
    QStringList ids;
    m_store.ForEach([&](const DueRecord& r) { ids << r.m_strRecId; });
    DueRecord r = m_store.GetDue(ids.first());
    // Moved to another date inside the lead time: a new reminder.
    r.m_dtDue = At(QStringLiteral("2024-01-04T09:00"));
    QVERIFY(m_store.ReplaceDue(r));
    QCOMPARE(TakeReminders(m_store, QDate(2024, 1, 1), 3, memory).size(), 1);
    // Paid: its entry goes; unpaid again, it is announced again.
    r.m_bPaid = 1;
    QVERIFY(m_store.ReplaceDue(r));
    QCOMPARE(TakeReminders(m_store, QDate(2024, 1, 1), 3, memory).size(), 0);
    QVERIFY(memory.RememberedIds().isEmpty());
    r.m_bPaid = 0;
    QVERIFY(m_store.ReplaceDue(r));
    QCOMPARE(TakeReminders(m_store, QDate(2024, 1, 1), 3, memory).size(), 1);
    // Paid and unpaid again between two looks: the look is told, and it is
    // announced afresh.
    QCOMPARE(TakeReminders(m_store, QDate(2024, 1, 1), 3, memory).size(), 0);
    ReminderSnapshot snapshot = SnapshotReminders(m_store, QDate(2024, 1, 1), 3);
    snapshot.paidSince = {ids.first()};
    QCOMPARE(CompareReminders(snapshot, memory).fresh.size(), 1);
}

void TestComingUp::remindersOff()
{
    Fill(m_store, {"late@2023-12-01T09:00", "soon@2024-01-02T09:00"});
    ReminderMemory memory(m_store.Folder());
    QCOMPARE(TakeReminders(m_store, QDate(2024, 1, 1), 0, memory).size(), 0);
    QCOMPARE(ReminderSettings::LeadDays(), ReminderSettings::kDefaultLeadDays);
    ReminderSettings::SetLeadDays(-4);
    QCOMPARE(ReminderSettings::LeadDays(), 0);
    QCOMPARE(ReminderSettings::ComingUpDays(), kDefaultComingUpDays);
}

// Off and on again repeats nothing: the memory stays while reminders are off.
void TestComingUp::remindersOffKeepsTheMemory()
{
    Fill(m_store, {"late@2023-12-01T09:00", "soon@2024-01-02T09:00"});
    ReminderMemory memory(m_store.Folder());
    QCOMPARE(CheckReminders(m_store, QDate(2024, 1, 1), 3, memory).fresh.size(), 2);
    const ReminderCheck off = CheckReminders(m_store, QDate(2024, 1, 1), 0, memory);
    QCOMPARE(off.fresh.size(), 0);
    QCOMPARE(memory.Size(), 2);
    QCOMPARE(CheckReminders(m_store, QDate(2024, 1, 1), 3, memory).fresh.size(), 0);
}

void TestComingUp::placeholdersAndEditedDuesWait()
{
    DueRecord r;
    r.m_strTitle = QStringLiteral("member");
    r.m_dtDue = At(QStringLiteral("2024-01-02T09:00"));
    r.m_dtStart = r.m_dtDue;
    const QString placeholder = m_store.AddPlaceholder(r);
    Fill(m_store, {"edited@2024-01-02T09:00", "plain@2024-01-03T09:00"});
    QString edited;
    m_store.ForEach([&](const DueRecord& d) {
        if (d.m_strTitle == QLatin1String("edited"))
            edited = d.m_strRecId;
    });
    ReminderMemory memory(m_store.Folder());
    ReminderCheck check = CheckReminders(m_store, QDate(2024, 1, 1), 3, memory, {edited});
    QCOMPARE(check.fresh.size(), 1);
    QCOMPARE(m_store.GetDue(check.fresh.first().recId).m_strTitle, QStringLiteral("plain"));
    QCOMPARE(check.soon, 1);
    // Announced, then opened in the editor: its memory stays through the edit.
    QCOMPARE(CheckReminders(m_store, QDate(2024, 1, 1), 3, memory).fresh.size(), 1);
    QCOMPARE(CheckReminders(m_store, QDate(2024, 1, 1), 3, memory, {edited}).fresh.size(), 0);
    QCOMPARE(CheckReminders(m_store, QDate(2024, 1, 1), 3, memory).fresh.size(), 0);
    // The placeholder becomes a due of the folder: announced then.
    r = m_store.GetDue(placeholder);
    QVERIFY(m_store.ReplaceDue(r));
    check = CheckReminders(m_store, QDate(2024, 1, 1), 3, memory);
    QCOMPARE(check.fresh.size(), 1);
    QCOMPARE(check.fresh.first().recId, placeholder);
}

void TestComingUp::memoryFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("fresh"); // announced again after a restart
    QTest::addColumn<bool>("problem");
    QTest::newRow("no file") << QByteArray() << 2 << false;
    QTest::newRow("not ours") << QByteArray("[Reminders]\nx=1\n") << 2 << true;
    QTest::newRow("cut short") << QByteArray("@keep\n1234") << 1 << false;
    QTest::newRow("bad lines skipped") << QByteArray("@keep\n../x\ts\t1\nabc\tq\t1\n\t\t\n") << 1 << false;
}

// What a damaged memory costs is a reminder given again, never a failure.
void TestComingUp::memoryFile()
{
    QFETCH(QByteArray, bytes);
    Fill(m_store, {"late@2023-12-01T09:00", "soon@2024-01-02T09:00"});
    ReminderMemory first(m_store.Folder());
    QCOMPARE(TakeReminders(m_store, QDate(2024, 1, 1), 3, first).size(), 2);
    QVERIFY(first.Save(nullptr));
    QFile file(first.FilePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    if (bytes.isEmpty()) {
        QVERIFY(QFile::remove(first.FilePath()));
    } else {
        // "@keep" stands for the real header and the first entry.
        bytes.replace("@keep", lines.at(0) + '\n' + lines.at(1));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
    }
    ReminderMemory again(m_store.Folder());
    QTEST(int(TakeReminders(m_store, QDate(2024, 1, 1), 3, again).size()), "fresh");
    QTEST(!again.LoadProblem().isEmpty(), "problem");
    QVERIFY(again.Save(nullptr));
    ReminderMemory third(m_store.Folder());
    QVERIFY(third.LoadProblem().isEmpty());
    QCOMPARE(TakeReminders(m_store, QDate(2024, 1, 1), 3, third).size(), 0);
}

// An earlier version kept one settings key per due: nothing is announced
// twice for the change, and the keys go once the file holds them.
void TestComingUp::memoryTakenOverFromTheSettings()
{
    Fill(m_store, {"late@2023-12-01T09:07:13", "soon@2024-01-02T09:00"});
    QString late;
    m_store.ForEach([&](const DueRecord& d) {
        if (d.m_strTitle == QLatin1String("late"))
            late = d.m_strRecId;
    });
    const QByteArray hash =
        QCryptographicHash::hash(m_store.Folder().Path().toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    const QString group = QStringLiteral("Reminders/Announced/") + QString::fromLatin1(hash);
    {
        QSettings s(QStringLiteral("Quillory"), QStringLiteral("Tallyvane"));
        s.setValue(group + QLatin1Char('/') + late,
                   QStringLiteral("overdue@") + QString::number(m_store.GetDue(late).m_dtDue.m_dt, 'f', 6));
    }
    ReminderMemory memory(m_store.Folder());
    const QList<Reminder> fresh = TakeReminders(m_store, QDate(2024, 1, 1), 3, memory);
    QCOMPARE(fresh.size(), 1);
    QVERIFY(fresh.first().recId != late);
    QVERIFY(memory.Save(nullptr));
    QVERIFY(!QSettings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane")).contains(group + '/' + late));
    ReminderMemory again(m_store.Folder());
    QCOMPARE(TakeReminders(m_store, QDate(2024, 1, 1), 3, again).size(), 0);
}

// Years of history never marked paid: one pass announces them all once, and
// the memory of them reads back whole.
void TestComingUp::manyLateDuesAtOnce()
{
    constexpr int kDues = 4000;
    {
        CDueStore::Batch batch;
        for (int i = 0; i < kDues; ++i) {
            DueRecord r;
            r.m_strTitle = QStringLiteral("d%1").arg(i);
            r.m_dtDue =
                COleDateTime::FromQDateTime(QDateTime(QDate(2020, 1, 1).addDays(i % 1400), QTime(9, 0)));
            r.m_dtStart = r.m_dtDue;
            r.m_bPaid = i % 2;
            (void)m_store.AddDue(r);
        }
    }
    ReminderMemory memory(m_store.Folder());
    const ReminderCheck check = CheckReminders(m_store, QDate(2024, 1, 1), 3, memory);
    QCOMPARE(check.fresh.size(), kDues / 2);
    QCOMPARE(check.overdue, kDues / 2);
    for (qsizetype i = 1; i < check.fresh.size(); ++i)
        QVERIFY(!(check.fresh.at(i).due < check.fresh.at(i - 1).due));
    QVERIFY(memory.Save(nullptr));
    ReminderMemory again(m_store.Folder());
    QCOMPARE(again.Size(), kDues / 2);
    QCOMPARE(CheckReminders(m_store, QDate(2024, 1, 1), 3, again).fresh.size(), 0);
}

QTEST_GUILESS_MAIN(TestComingUp)
#include "tst_comingup.moc"
