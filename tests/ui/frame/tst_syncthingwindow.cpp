// A window open on each side of a data folder that two Syncthing instances
// carry between two installations: this process's window on side A, the
// program's own window (offscreen) on side B. A due changed on both sides
// while they are apart comes back as the due and a conflicting copy; A's
// window shows what a full load shows, writes its next change to the due's
// own file and never into the copy, and keeps the due when the copy goes.

#include "../UiTestSupport.h"

#include "../../app/SyncthingPair.h"

#include "model/store/DueFile.h"
#include "ui/frame/CMainFrame.h"
#include "ui/list/CTallyvaneView.h"
#include "ui/list/DueListModel.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QByteArray Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

DueRecord Parsed(const QString& path)
{
    DueRecord r(Qt::Uninitialized);
    QString error;
    if (!DueFile::Parse(Bytes(path), r, &error))
        r.m_strRecId.clear();
    return r;
}

} // namespace

class TestSyncthingWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void aWindowOnEachSide();

private:
    QStringList ListedTitles() const
    {
        QStringList titles;
        const DueListModel* model = m_frame->View()->Model();
        for (int row = 0; row < model->rowCount(); ++row)
            titles << model->index(row).data().toString();
        return titles;
    }
    // What the command line of side lists for June 2025, by identifier.
    QHash<QString, QJsonObject> Listed(const SyncTest::Side& side, QString* err = nullptr);

    QTemporaryDir m_tmp;
    SyncTest::Pair m_pair;
    std::unique_ptr<CMainFrame> m_frame;
    QProcess m_windowB;
};

void TestSyncthingWindow::initTestCase()
{
    UiTest::IsolateSettings();
    if (SyncTest::Pair::Program().isEmpty())
        QSKIP("syncthing is not installed (Debian package syncthing): the window with a real sync engine was "
              "skipped");
    QVERIFY(m_tmp.isValid());
    QString why;
    QVERIFY2(m_pair.Start(m_tmp.path(), &why), qPrintable(why));
    QVERIFY(m_pair.A().SetInstallationNumber(21));
    QVERIFY(m_pair.B().SetInstallationNumber(42));
    Clock::SetFixed(QDateTime(QDate(2025, 6, 3), QTime(10, 0)));
}

void TestSyncthingWindow::cleanupTestCase()
{
    m_frame.reset();
    if (m_windowB.state() != QProcess::NotRunning) {
        m_windowB.terminate();
        if (!m_windowB.waitForFinished(10000))
            m_windowB.kill();
        m_windowB.waitForFinished(5000);
    }
    m_pair.Stop();
}

QHash<QString, QJsonObject> TestSyncthingWindow::Listed(const SyncTest::Side& side, QString* err)
{
    QProcess list;
    list.setProcessEnvironment(side.Environment());
    list.start(QStringLiteral(TALLYVANE_BIN_DIR "/tallyvane"),
               {QStringLiteral("list"), QStringLiteral("--workdir"), side.Work(), QStringLiteral("--month"),
                QStringLiteral("2025-06"), QStringLiteral("--format"), QStringLiteral("json")});
    QHash<QString, QJsonObject> out;
    if (!list.waitForFinished(SyncTest::kStartMs))
        return out;
    if (err)
        *err = QString::fromUtf8(list.readAllStandardError());
    for (const QJsonValue& row : QJsonDocument::fromJson(list.readAllStandardOutput()).array())
        out.insert(row.toObject().value(QLatin1String("id")).toString(), row.toObject());
    return out;
}

void TestSyncthingWindow::aWindowOnEachSide()
{
    SyncTest::Side& a = m_pair.A();
    SyncTest::Side& b = m_pair.B();
    QString why;

    // B's window, offscreen, away from any session bus: a window of its own.
    QProcessEnvironment env = b.Environment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    m_windowB.setProcessEnvironment(env);
    m_windowB.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    SyncTest::EndWithThisProcess(m_windowB);
    m_windowB.start(QStringLiteral(TALLYVANE_BIN_DIR "/tallyvane-gui"),
                    {QStringLiteral("--workdir"), b.Work()});
    QVERIFY2(m_windowB.waitForStarted(SyncTest::kStartMs), qPrintable(m_windowB.errorString()));

    UiTest::UseWorkDir(a.Work());
    m_frame = std::make_unique<CMainFrame>();

    // A due added on B reaches A's window.
    QProcess add;
    add.setProcessEnvironment(b.Environment());
    add.start(QStringLiteral(TALLYVANE_BIN_DIR "/tallyvane"),
              {QStringLiteral("add"), QStringLiteral("--workdir"), b.Work(), QStringLiteral("--title"),
               QStringLiteral("Rent"), QStringLiteral("--due"), QStringLiteral("2025-06-20"),
               QStringLiteral("--amount"), QStringLiteral("900")});
    QVERIFY(add.waitForFinished(SyncTest::kStartMs));
    QCOMPARE(add.exitCode(), 0);
    const QString id = QString::fromUtf8(add.readAllStandardOutput()).trimmed();
    QVERIFY2(m_pair.Settle(&why), qPrintable(why));
    QTRY_COMPARE_WITH_TIMEOUT(ListedTitles(), QStringList{"Rent"}, 2000);
    const QString own = theDueStore.Folder().DueFilePath(id);

    // Apart: A's window marks it paid, B's installation changes its amount.
    QVERIFY2(m_pair.Disconnect(&why), qPrintable(why));
    m_frame->MarkDues({id}, true);
    QVERIFY(theDueStore.GetDue(id).m_bPaid);
    {
        CDueStore storeB;
        storeB.SetFolder(DataFolder(b.Work()), true);
        storeB.LoadAll();
        DueRecord r = storeB.GetDue(id);
        r.m_dAmount = 950;
        QVERIFY2(storeB.ReplaceDue(r), qPrintable(storeB.TakeErrors().join(QLatin1Char('\n'))));
    }
    QVERIFY2(m_pair.Reconnect(&why), qPrintable(why));

    // The due's own file and one copy, the same on both sides; A's window
    // shows the due as a full load does and knows the copy.
    QStringList copies = QDir(a.Data()).entryList({QStringLiteral("duedate*.due")}, QDir::Files);
    copies.removeAll(QFileInfo(own).fileName());
    QCOMPARE(copies.size(), 1);
    const QString copy = a.Data() + QLatin1Char('/') + copies.first();
    const DueRecord listed = Parsed(own);
    const DueRecord other = Parsed(copy);
    QCOMPARE(listed.m_strRecId, id);
    QCOMPARE(other.m_strRecId, id);
    QCOMPARE(QSet<bool>({bool(listed.m_bPaid), bool(other.m_bPaid)}), (QSet<bool>{true, false}));
    qInfo("after the sync: %s holds %s %.2f, %s holds %s %.2f", qPrintable(QFileInfo(own).fileName()),
          listed.m_bPaid ? "paid" : "unpaid", listed.m_dAmount, qPrintable(copies.first()),
          other.m_bPaid ? "paid" : "unpaid", other.m_dAmount);
    QTRY_COMPARE_WITH_TIMEOUT(theDueStore.GetDue(id), listed, 2000);
    QTRY_COMPARE_WITH_TIMEOUT(theDueStore.Conflicts().size(), 1, 2000);
    QCOMPARE(theDueStore.Conflicts().first().otherFiles, QStringList{copies.first()});
    QCOMPARE(theDueStore.FilePathOf(id), own);
    QString err;
    QCOMPARE(Listed(a, &err).value(id).value(QLatin1String("paid")).toBool(), bool(listed.m_bPaid));
    QVERIFY2(err.contains(copies.first()), qPrintable(err));

    // A's next change goes to the due's own file; the copy stays as it came.
    const QByteArray copyBytes = Bytes(copy);
    Prompt::TakeShownTexts();
    m_frame->MarkDues({id}, !listed.m_bPaid);
    QCOMPARE(Prompt::TakeShownTexts(), QStringList());
    QCOMPARE(bool(Parsed(own).m_bPaid), !listed.m_bPaid);
    QCOMPARE(Parsed(own).m_dAmount, listed.m_dAmount);
    QCOMPARE(Bytes(copy), copyBytes);
    QVERIFY2(m_pair.Settle(&why), qPrintable(why));
    QCOMPARE(Listed(b).value(id).value(QLatin1String("paid")).toBool(), !listed.m_bPaid);

    // B's user removes the copy: the due stays in A's window.
    QVERIFY(QFile::remove(b.Data() + QLatin1Char('/') + copies.first()));
    QVERIFY2(m_pair.Settle(&why), qPrintable(why));
    QVERIFY(!QFile::exists(copy));
    QTRY_VERIFY_WITH_TIMEOUT(theDueStore.Conflicts().isEmpty(), 2000);
    QCOMPARE(ListedTitles(), QStringList{"Rent"});
    QCOMPARE(bool(theDueStore.GetDue(id).m_bPaid), !listed.m_bPaid);
    QVERIFY(Listed(a).contains(id));

    // B's window went through it all and wrote nothing of its own.
    QCOMPARE(m_windowB.state(), QProcess::Running);
    QCOMPARE(SyncTest::Tree(a), SyncTest::Tree(b));
}

QTEST_MAIN(TestSyncthingWindow)
#include "tst_syncthingwindow.moc"
