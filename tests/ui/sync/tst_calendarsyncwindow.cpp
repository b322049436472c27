// Preferences > Calendar Sync and the window's sync against a Radicale of
// their own: finding and making calendars, where the account and the password
// go, a conflict shown with both versions and settled, an error said once.
#include "../../sync/RadicaleServer.h"
#include "../UiTestSupport.h"

#include "model/services/DueMarking.h"
#include "sync/CalendarObject.h"
#include "sync/SyncPassword.h"
#include "ui/sync/CCalendarSyncDlg.h"
#include "ui/sync/CSyncConflictDlg.h"
#include "ui/sync/SyncCenter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

namespace {

QByteArray Send(const QByteArray& verb, const QUrl& url, const QByteArray& body = {})
{
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setRawHeader("Authorization",
                         "Basic " +
                             (RadicaleServer::kUser + ':' + RadicaleServer::kPassword).toUtf8().toBase64());
    QNetworkReply* reply = manager.sendCustomRequest(request, verb, body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    const QByteArray answer = reply->readAll();
    delete reply;
    return answer;
}

// Waits until the dialog's search or making is over.
bool WaitIdle(CCalendarSyncDlg& dlg)
{
    return QTest::qWaitFor([&] { return dlg.Server()->isEnabled(); }, 15000);
}

} // namespace

class TestCalendarSyncWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void findAndMakeCalendars();
    void refusedWithoutCalendar_data();
    void refusedWithoutCalendar();
    void conflictShownAndSettled();
    void errorSaidOnce();
    void firstBigSyncShowsProgressAndStops();

private:
    void SaveAccount(const QUrl& calendar, const QString& password);

    RadicaleServer m_server;
    bool m_serverUp = false;
    QString m_why;
    std::unique_ptr<QTemporaryDir> m_work;
    QHash<QString, QString> m_keyring;
};

void TestCalendarSyncWindow::initTestCase()
{
    UiTest::IsolateSettings();
    SyncPassword::SetStandIn(&m_keyring);
    m_serverUp = m_server.Start(&m_why);
}

void TestCalendarSyncWindow::init()
{
    m_keyring.clear();
    QSettings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane")).clear();
    m_work = std::make_unique<QTemporaryDir>();
    QVERIFY(m_work->isValid());
    UiTest::UseWorkDir(m_work->path());
    Prompt::TakeShownTexts();
}

void TestCalendarSyncWindow::SaveAccount(const QUrl& calendar, const QString& password)
{
    CalDavAccount account;
    account.server = m_server.Url().toString();
    account.user = RadicaleServer::kUser;
    account.calendar = calendar;
    account.calendarName = QStringLiteral("Dues");
    account.Save(theDueStore.Folder());
    m_keyring.insert(account.KeyringKey(), password);
}

void TestCalendarSyncWindow::findAndMakeCalendars()
{
    if (!m_serverUp)
        QSKIP(qPrintable(m_why));
    CCalendarSyncDlg dlg(theDueStore.Folder());
    QVERIFY(!dlg.FindButton()->isEnabled());
    // A host name alone is enough.
    dlg.Server()->setText(m_server.Url().toString());
    dlg.User()->setText(RadicaleServer::kUser);
    dlg.Password()->setText(RadicaleServer::kPassword);
    QVERIFY(dlg.FindButton()->isEnabled());
    QTest::mouseClick(dlg.FindButton(), Qt::LeftButton);
    QVERIFY(WaitIdle(dlg));
    QVERIFY2(dlg.Status()->text().contains(QLatin1String("make one")) ||
                 dlg.Status()->text().contains(QLatin1String("found")),
             qPrintable(dlg.Status()->text()));

    dlg.NewName()->setText(QStringLiteral("Phone Bills"));
    QTest::mouseClick(dlg.CreateButton(), Qt::LeftButton);
    QVERIFY(WaitIdle(dlg));
    QCOMPARE(dlg.Calendars()->currentText(), QStringLiteral("Phone Bills"));
    dlg.Events()->setChecked(true);
    dlg.accept();
    QCOMPARE(dlg.result(), int(QDialog::Accepted));

    // The account is the folder's, in the settings; the password in the keyring only.
    const CalDavAccount saved = CalDavAccount::Load(theDueStore.Folder());
    QVERIFY(saved.IsSet());
    QCOMPARE(saved.calendar.path(), QStringLiteral("/alice/phonebills/"));
    QVERIFY(saved.events);
    QCOMPARE(m_keyring.value(saved.KeyringKey()), RadicaleServer::kPassword);
    QSettings settings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane"));
    for (const QString& key : settings.allKeys())
        QVERIFY2(settings.value(key).toString() != RadicaleServer::kPassword, qPrintable(key));
    QVERIFY(!CalDavAccount::Load(DataFolder(m_work->path() + QStringLiteral("/other"))).IsSet());
}

void TestCalendarSyncWindow::refusedWithoutCalendar_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("said");
    QTest::newRow("no address") << "ftp://example.org"
                                << "alice"
                                << "not the address of a server";
    QTest::newRow("no user") << "dav.example.org"
                             << ""
                             << "user name is missing";
    QTest::newRow("no calendar") << "dav.example.org"
                                 << "alice"
                                 << "No calendar is chosen";
}

void TestCalendarSyncWindow::refusedWithoutCalendar()
{
    QFETCH(QString, server);
    QFETCH(QString, user);
    QFETCH(QString, said);
    CCalendarSyncDlg dlg(theDueStore.Folder());
    dlg.Server()->setText(server);
    dlg.User()->setText(user);
    dlg.accept();
    QVERIFY(dlg.result() != QDialog::Accepted);
    const QStringList shown = Prompt::TakeShownTexts();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().contains(said), qPrintable(shown.first()));
    QVERIFY(!CalDavAccount::Load(theDueStore.Folder()).IsSet());
}

void TestCalendarSyncWindow::conflictShownAndSettled()
{
    if (!m_serverUp)
        QSKIP(qPrintable(m_why));
    const QUrl calendar = m_server.Url(QStringLiteral("/alice/conflicts/"));
    Send("PROPFIND", m_server.Url(QStringLiteral("/alice/")));
    Send("MKCALENDAR", calendar);
    SaveAccount(calendar, RadicaleServer::kPassword);
    DueRecord due;
    due.m_strTitle = QStringLiteral("Insurance");
    due.m_dtDue = COleDateTime(2026, 11, 30, 0, 0, 0);
    due.m_dtStart = due.m_dtDue;
    due.m_dAmount = 120;
    const QString id = theDueStore.AddDue(due);

    QWidget window;
    SyncCenter center(theDueStore, &window);
    QSignalSpy finished(center.Engine(), &SyncEngine::finished);
    center.Reload();
    QVERIFY(center.HasAccount());
    center.SyncNow();
    QVERIFY(finished.wait(20000));
    QVERIFY2(center.Indicator()->text().contains(QLatin1String("in step")),
             qPrintable(center.Indicator()->text()));

    // Paid here, moved there.
    QCOMPARE(MarkDues(theDueStore, {id}, true), QStringList{id});
    QUrl resource = calendar;
    resource.setPath(calendar.path() + id + QStringLiteral(".ics"));
    const QByteArray moved =
        Send("GET", resource).replace("DUE;VALUE=DATE:20261130", "DUE;VALUE=DATE:20261205");
    Send("PUT", resource, moved);
    QSignalSpy changed(&center, &SyncCenter::duesChanged);
    center.SyncNow();
    QVERIFY(finished.wait(20000));
    auto* dlg = window.findChild<CSyncConflictDlg*>();
    QVERIFY(dlg);
    QVERIFY(dlg->isVisible());
    QCOMPARE(dlg->Table()->rowCount(), 1);
    QCOMPARE(dlg->Table()->item(0, 0)->text(), QStringLiteral("Insurance"));
    QVERIFY(dlg->Table()->item(0, 1)->text().contains(QLatin1String("paid, due 2026-11-30")));
    QVERIFY(dlg->Table()->item(0, 2)->text().contains(QLatin1String("unpaid, due 2026-12-05")));
    QVERIFY(center.Indicator()->text().contains(QLatin1String("conflict")));

    // Taking the server's version writes it here at the next sync.
    dlg->ChoiceOf(0)->setCurrentIndex(dlg->ChoiceOf(0)->findData(CSyncConflictDlg::TakeServer));
    dlg->accept();
    QVERIFY(finished.wait(20000));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(theDueStore.GetDue(id).m_dtDue.ToQDateTime().date(), QDate(2026, 12, 5));
    QVERIFY(!theDueStore.GetDue(id).m_bPaid);
    QVERIFY(!window.findChild<CSyncConflictDlg*>() || !window.findChild<CSyncConflictDlg*>()->isVisible());
}

void TestCalendarSyncWindow::errorSaidOnce()
{
    if (!m_serverUp)
        QSKIP(qPrintable(m_why));
    const QUrl calendar = m_server.Url(QStringLiteral("/alice/refused/"));
    Send("PROPFIND", m_server.Url(QStringLiteral("/alice/")));
    Send("MKCALENDAR", calendar);
    SaveAccount(calendar, QStringLiteral("not the password"));
    QWidget window;
    SyncCenter center(theDueStore, &window);
    QSignalSpy finished(center.Engine(), &SyncEngine::finished);
    center.Reload();
    for (int round = 0; round < 2; ++round) {
        center.SyncNow();
        QVERIFY(finished.wait(20000));
    }
    const QStringList shown = Prompt::TakeShownTexts();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().contains(QLatin1String("401")), qPrintable(shown.first()));
    QVERIFY(center.Indicator()->toolTip().contains(QLatin1String("401")));
}

void TestCalendarSyncWindow::firstBigSyncShowsProgressAndStops()
{
    if (!m_serverUp)
        QSKIP(qPrintable(m_why));
    const QUrl calendar = m_server.Url(QStringLiteral("/alice/big/"));
    Send("PROPFIND", m_server.Url(QStringLiteral("/alice/")));
    Send("MKCALENDAR", calendar);
    SaveAccount(calendar, RadicaleServer::kPassword);
    const int dues = int(SyncCenter::kProgressThreshold) + 1;
    {
        CDueStore::Batch batch;
        for (int i = 0; i < dues; ++i) {
            DueRecord due;
            due.m_strTitle = QStringLiteral("Due %1").arg(i);
            due.m_dtDue = COleDateTime(2026, 1 + i % 12, 1 + i % 28, 0, 0, 0);
            due.m_dtStart = due.m_dtDue;
            theDueStore.AddDue(due);
        }
    }
    QWidget window;
    SyncCenter center(theDueStore, &window);
    QSignalSpy finished(center.Engine(), &SyncEngine::finished);
    qsizetype shownTotal = 0;
    connect(center.Engine(), &SyncEngine::progress, this, [&](qsizetype done, qsizetype) {
        auto* progress = window.findChild<QProgressDialog*>(QStringLiteral("CalendarSyncProgress"));
        if (done >= 3 && progress && !progress->wasCanceled()) {
            shownTotal = progress->maximum();
            progress->findChild<QPushButton*>()->click(); // its Cancel
        }
    });
    center.Reload();
    center.SyncNow();
    QVERIFY(finished.wait(120000));
    QCOMPARE(shownTotal, dues);
    const SyncResult& r = center.Engine()->Result();
    QCOMPARE(r.status, SyncResult::Status::Cancelled);
    QVERIFY(r.sent >= 3 && r.sent < dues);
    QCOMPARE(r.waiting, dues - r.sent);
    QVERIFY2(center.Indicator()->text().contains(QLatin1String("stopped")),
             qPrintable(center.Indicator()->text()));
    QCOMPARE(theDueStore.GetCount(), dues);
}

QTEST_MAIN(TestCalendarSyncWindow)
#include "tst_calendarsyncwindow.moc"
