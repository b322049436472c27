// Writers killed at random moments, and writers side by side: afterwards
// every due file parses, nothing of ours is left lying about once a writer
// has loaded the folder, and no due is lost.
#include "model/store/CDueStore.h"
#include "model/store/DueFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

namespace {
const QString kDriver = QStringLiteral(TALLYVANE_CRASHDRIVER);

// Loads the folder as a writer does (sweeping our leftovers) and checks it.
void CheckFolder(const QString& workDir, int* dues = nullptr)
{
    theDueStore.SetFolder(DataFolder(workDir), true);
    theDueStore.LoadAll();
    QCOMPARE(theDueStore.LoadProblems(), QStringList());
    const QStringList left = QDir(theDueStore.Folder().Path())
                                 .entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : left)
        QVERIFY2(name.endsWith(QLatin1String(".due")) || name == QLatin1String("preferences.alm"),
                 qPrintable(name));
    // No placeholder of an unfinished series passes for a due.
    theDueStore.ForEach([](const DueRecord& r) { QVERIFY(!(r.m_strTitle.isEmpty() && r.m_dAmount == 0.0)); });
    if (dues)
        *dues = theDueStore.GetCount();
    (void)theDueStore.TakeSweptFiles();
    (void)theDueStore.TakeRecoveryNotes();
    theDueStore.SetFolder(DataFolder());
}

} // namespace

class TestCrashSafety : public QObject
{
    Q_OBJECT
private slots:
    void killedAtRandomMoments();
    void writersSideBySide_data();
    void writersSideBySide();
    void manyAddsAtOnce_data();
    void manyAddsAtOnce();
    void killedAtTheCommitItself_data();
    void killedAtTheCommitItself();
};

void TestCrashSafety::killedAtRandomMoments()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // A fixed seed: a failure names a run that can be repeated.
    QRandomGenerator random(20240611);
    constexpr int kKills = 25;
    int midRound = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        QProcess p;
        p.start(kDriver,
                {QStringLiteral("work"), dir.path(), QStringLiteral("--seed"), QString::number(kill)});
        QVERIFY(p.waitForStarted());
        // Wait for the first round now and then, so that kills land in every
        // stage: loading, generating, finishing, rewriting, deleting.
        if (kill % 2 == 0)
            QVERIFY(p.waitForReadyRead(60000));
        QTest::qWait(int(random.bounded(20, 400)));
        if (p.state() == QProcess::Running)
            ++midRound;
        p.kill();
        QVERIFY(p.waitForFinished(10000));
        CheckFolder(dir.path());
        if (QTest::currentTestFailed()) {
            qWarning("after kill %d", kill);
            return;
        }
    }
    int dues = 0;
    CheckFolder(dir.path(), &dues);
    qInfo("%d kills, %d of them while writing; %d dues left, all sound", kKills, midRound, dues);
    QVERIFY(midRound > kKills / 2);
}

void TestCrashSafety::writersSideBySide_data()
{
    QTest::addColumn<bool>("lock");
    QTest::newRow("each holds the lock in turn") << true;
    QTest::newRow("without the lock, no name is replaced") << false;
}

void TestCrashSafety::writersSideBySide()
{
    QFETCH(bool, lock);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    constexpr int kMembers = 1000;
    QStringList args{QStringLiteral("series"), dir.path(), QString::number(kMembers)};
    if (!lock)
        args << QStringLiteral("--no-lock");
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int i = 0; i < 2; ++i) {
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        writers.back()->start(kDriver, args);
    }
    for (auto& w : writers) {
        QVERIFY(w->waitForFinished(180000));
        QCOMPARE(w->exitCode(), 0);
    }
    int dues = 0;
    CheckFolder(dir.path(), &dues);
    QCOMPARE(dues, 2 * kMembers);
}

void TestCrashSafety::manyAddsAtOnce_data()
{
    QTest::addColumn<bool>("lock");
    QTest::newRow("with the lock") << true;
    QTest::newRow("without the lock") << false;
}

void TestCrashSafety::manyAddsAtOnce()
{
    QFETCH(bool, lock);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    constexpr int kWriters = 40;
    QStringList args{QStringLiteral("add"), dir.path(), QStringLiteral("1")};
    if (!lock)
        args << QStringLiteral("--no-lock");
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int i = 0; i < kWriters; ++i) {
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        writers.back()->start(kDriver, args);
    }
    for (auto& w : writers) {
        QVERIFY(w->waitForFinished(180000));
        QCOMPARE(w->exitCode(), 0);
    }
    int dues = 0;
    CheckFolder(dir.path(), &dues);
    QCOMPARE(dues, kWriters);
}

void TestCrashSafety::killedAtTheCommitItself_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("nth");
    QTest::addColumn<bool>("kept"); // the series is whole afterwards (else absent)
    QTest::newRow("before the data is synced") << QStringLiteral("syncfs") << 1 << false;
    QTest::newRow("while the journal is written") << QStringLiteral("journal") << 1 << false;
    QTest::newRow("at the first rename") << QStringLiteral("rename") << 1 << true;
    QTest::newRow("half way through the renames") << QStringLiteral("rename") << 60 << true;
    QTest::newRow("at the last rename") << QStringLiteral("rename") << 120 << true;
}

// A series of 120 killed at a given step of its commit: the next writer
// finishes a journalled commit and takes back one that was not, and says so.
void TestCrashSafety::killedAtTheCommitItself()
{
    QFETCH(QString, call);
    QFETCH(int, nth);
    QFETCH(bool, kept);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(kDriver, {QStringLiteral("series"), dir.path(), QStringLiteral("120"), QStringLiteral("--die-at"),
                      call, QString::number(nth)});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitStatus(), QProcess::CrashExit);
    (void)theDueStore.TakeRecoveryNotes();
    theDueStore.SetFolder(DataFolder(dir.path()), true);
    theDueStore.LoadAll();
    const QStringList notes = theDueStore.TakeRecoveryNotes();
    QCOMPARE(notes.size(), 1);
    QVERIFY2(notes.first().contains(kept ? QStringLiteral("was finished") : QStringLiteral("taken back")) &&
                 notes.first().contains(QStringLiteral("\"series of pid")) &&
                 (kept || notes.first().contains(QStringLiteral("(120 due"))),
             qPrintable(notes.first()));
    theDueStore.SetFolder(DataFolder());
    int dues = -1;
    CheckFolder(dir.path(), &dues);
    QCOMPARE(dues, kept ? 120 : 0);
}

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
