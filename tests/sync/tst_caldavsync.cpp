// The calendar sync against a real CalDAV server (Radicale, started here on
// a free localhost port with a storage folder of its own), with a second
// client played by plain HTTP; and what it reads and writes without one.
#include "RadicaleServer.h"

#include "model/services/DueMarking.h"
#include "model/store/CDueStore.h"
#include "sync/CalDavDiscovery.h"
#include "sync/CalendarObject.h"
#include "sync/DavXml.h"
#include "sync/SyncEngine.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <memory>

namespace {

struct Http
{
    int status = 0;
    QByteArray body;
    QByteArray etag;
};

// The second client: one request, with the user's name and password.
Http Request(const QByteArray& verb, const QUrl& url, const QByteArray& body = {},
             const QList<std::pair<QByteArray, QByteArray>>& headers = {})
{
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setRawHeader("Authorization",
                         "Basic " +
                             (RadicaleServer::kUser + ':' + RadicaleServer::kPassword).toUtf8().toBase64());
    for (const auto& [name, value] : headers)
        request.setRawHeader(name, value);
    QNetworkReply* reply = manager.sendCustomRequest(request, verb, body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    Http h;
    h.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    h.body = reply->readAll();
    h.etag = reply->rawHeader("ETag");
    delete reply;
    return h;
}

DueRecord Due(const QString& title, const QString& when, double amount, bool paid = false)
{
    DueRecord r;
    QDateTime due = QDateTime::fromString(when, Qt::ISODate);
    if (!due.isValid())
        due = QDateTime(QDate::fromString(when, Qt::ISODate), QTime(0, 0));
    r.m_strTitle = title;
    r.m_dtDue = COleDateTime::FromQDateTime(due);
    r.m_dtStart = COleDateTime::FromQDateTime(due.addDays(-10));
    r.m_dAmount = amount;
    r.m_bPaid = paid ? 1 : 0;
    r.m_strPayTo = QStringLiteral("Payee of ") + title;
    return r;
}

bool MarkPaid(CDueStore& store, const QString& id)
{
    return MarkDues(store, {id}, true) == QStringList{id};
}

QByteArray Calendar(const QByteArray& component)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//Other client//EN\r\n" + component +
           "END:VCALENDAR\r\n";
}

// A data folder with its store, and a calendar of its own on the server.
struct Side
{
    QTemporaryDir dir;
    CDueStore store;
    SyncTarget target;

    QUrl ResourceOf(const QString& id) const
    {
        QUrl url = target.calendar;
        url.setPath(target.calendar.path() + id + QStringLiteral(".ics"));
        return url;
    }
};

SyncResult RunSync(SyncEngine& engine, const SyncTarget& target)
{
    QEventLoop loop;
    QObject::connect(&engine, &SyncEngine::finished, &loop, &QEventLoop::quit);
    engine.Start(target);
    if (engine.IsRunning())
        loop.exec();
    return engine.Result();
}

// How many resources the calendar holds.
int CountOnServer(const QUrl& calendar)
{
    const Http h = Request("PROPFIND", calendar, DavXml::EtagListBody(), {{"Depth", "1"}});
    const DavXml::MultiStatus ms = DavXml::Parse(h.body);
    int n = 0;
    for (const DavXml::Response& r : ms.responses)
        n += r.href.endsWith(QLatin1String(".ics"));
    return n;
}

QString Replace(QByteArray bytes, const QString& pattern, const QString& with)
{
    return QString::fromUtf8(bytes).replace(QRegularExpression(pattern), with);
}

} // namespace

class TestCalDavSync : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void builtAndReadBack_data();
    void builtAndReadBack();
    void otherClientsCopies_data();
    void otherClientsCopies();
    void syncReportWithRemovedMembers();

    void discoveryFromBareHost();
    void bothWays_data();
    void bothWays();
    void changeOnBothSides();
    void eventsMoveBack();
    void serverGoneMidSync();
    void wrongPassword();
    void commandLine();

private:
    bool NewSide(Side& side, bool useSyncToken = true);

    QTemporaryDir m_home;
    RadicaleServer m_server;
    bool m_serverUp = false;
    QString m_why;
    int m_calendars = 0;
};

void TestCalDavSync::initTestCase()
{
    // The state files and settings of this run stay in a folder of its own,
    // also for the programs it starts.
    QVERIFY(m_home.isValid());
    qputenv("XDG_DATA_HOME", m_home.filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral("config")).toUtf8());
    m_serverUp = m_server.Start(&m_why);
}

void TestCalDavSync::cleanupTestCase()
{
    m_server.Stop();
}

bool TestCalDavSync::NewSide(Side& side, bool useSyncToken)
{
    if (!side.dir.isValid())
        return false;
    side.store.SetFolder(DataFolder(side.dir.path()));
    side.store.LoadAll();
    side.target.user = RadicaleServer::kUser;
    side.target.password = RadicaleServer::kPassword;
    side.target.calendar =
        m_server.Url(QStringLiteral("/%1/dues%2/").arg(RadicaleServer::kUser).arg(++m_calendars));
    side.target.useSyncToken = useSyncToken;
    side.target.leadDays = 3;
    side.target.locale = QLocale::c();
    side.target.statePath = side.dir.filePath(QStringLiteral("state.json"));
    // The user's own collection exists once the user has asked for it.
    Request("PROPFIND", m_server.Url(QStringLiteral("/%1/").arg(RadicaleServer::kUser)), {},
            {{"Depth", "0"}});
    return Request("MKCALENDAR", side.target.calendar).status == 201;
}

void TestCalDavSync::builtAndReadBack_data()
{
    QTest::addColumn<bool>("task");
    QTest::addColumn<bool>("paid");
    QTest::addColumn<QString>("when");

    QTest::newRow("unpaid task, whole day") << true << false << "2026-12-20";
    QTest::newRow("paid task at a time") << true << true << "2026-12-22T14:30:00";
    QTest::newRow("unpaid event at a time") << false << false << "2026-12-22T08:05:00";
    QTest::newRow("paid event, whole day") << false << true << "2027-01-01";
}

// What is sent reads back as the same due: the signature the sync compares
// with depends on nothing that changes between two builds.
void TestCalDavSync::builtAndReadBack()
{
    QFETCH(bool, task);
    QFETCH(bool, paid);
    QFETCH(QString, when);
    DueRecord due = Due(QStringLiteral("Rent;\\, \"flat\"\nsecond line"), when, 1234.5, paid);
    due.m_strRecId = QStringLiteral("2026120811060310");
    due.m_strNotes = QStringLiteral("Line one\r\nLine two");
    CalendarObjectOptions options;
    options.kind = task ? CalendarComponent::Task : CalendarComponent::Event;
    options.locale = QLocale::c();
    const QByteArray first = CalendarObject::Build(due, options);
    QTest::qWait(1100); // another DTSTAMP
    const ServerCopy copy = CalendarObject::Read(first);
    QVERIFY(copy.usable);
    QCOMPARE(copy.recId, due.m_strRecId);
    QCOMPARE(copy.kind, options.kind);
    QCOMPARE(copy.due, CalendarObject::DueOf(due));
    QCOMPARE(copy.completed, task && paid);
    QVERIFY(copy.summary.startsWith(due.m_strTitle));
    QCOMPARE(CalendarObject::Read(CalendarObject::Build(due, options)).signature, copy.signature);
    // The alarm rings before an unpaid due only; a task's counts back from DUE.
    QCOMPARE(first.contains("BEGIN:VALARM"), !paid);
    if (!paid)
        QCOMPARE(first.contains("TRIGGER;RELATED=END:-P3D"), task);
    due.m_dAmount = 99;
    QVERIFY(CalendarObject::Read(CalendarObject::Build(due, options)).signature != copy.signature);
}

void TestCalDavSync::otherClientsCopies_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("completed");
    QTest::addColumn<QDateTime>("due");
    QTest::addColumn<QString>("recId");

    const QDateTime noon(QDate(2026, 12, 20), QTime(12, 0));
    QTest::newRow("completed without STATUS")
        << Calendar(
               "BEGIN:VTODO\r\nUID:11@tallyvane\r\nDUE;VALUE=DATE:20261220\r\nCOMPLETED:20261201T100000Z\r\n"
               "END:VTODO\r\n")
        << true << QDateTime(QDate(2026, 12, 20), QTime(0, 0)) << "11";
    QTest::newRow("100 percent without STATUS")
        << Calendar("BEGIN:VTODO\r\nUID:12@tallyvane\r\nDUE:20261220T120000\r\nPERCENT-COMPLETE:100\r\nEND:"
                    "VTODO\r\n")
        << true << noon << "12";
    // STATUS wins over a COMPLETED left behind by a client that un-ticked it.
    QTest::newRow("un-ticked, COMPLETED left")
        << Calendar("BEGIN:VTODO\r\nUID:13@tallyvane\r\nDUE:20261220T120000\r\nSTATUS:NEEDS-ACTION\r\n"
                    "COMPLETED:20261201T100000Z\r\nEND:VTODO\r\n")
        << false << noon << "13";
    QTest::newRow("due in UTC")
        << Calendar("BEGIN:VTODO\r\nUID:14@tallyvane\r\nDUE:20261220T120000Z\r\nEND:VTODO\r\n") << false
        << QDateTime(QDate(2026, 12, 20), QTime(12, 0), Qt::UTC).toLocalTime() << "14";
    QTest::newRow("due in a zone of its own")
        << Calendar("BEGIN:VTIMEZONE\r\nTZID:Test/Plus5\r\nBEGIN:STANDARD\r\nDTSTART:19700101T000000\r\n"
                    "TZOFFSETFROM:+0500\r\nTZOFFSETTO:+0500\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n"
                    "BEGIN:VTODO\r\nUID:15@tallyvane\r\nDUE;TZID=Test/Plus5:20261220T170000\r\nEND:VTODO\r\n")
        << false << QDateTime(QDate(2026, 12, 20), QTime(12, 0), Qt::UTC).toLocalTime() << "15";
    // An instance moved on its own comes first in the file; the master is the due.
    QTest::newRow("master after an instance")
        << Calendar("BEGIN:VTODO\r\nUID:16@tallyvane\r\nRECURRENCE-ID:20261120T120000\r\n"
                    "DUE:20261121T120000\r\nEND:VTODO\r\n"
                    "BEGIN:VTODO\r\nUID:16@tallyvane\r\nDUE:20261220T120000\r\nEND:VTODO\r\n")
        << false << noon << "16";
    QTest::newRow("not one of ours")
        << Calendar("BEGIN:VEVENT\r\nUID:abc@phone\r\nDTSTART:20261220T120000\r\nEND:VEVENT\r\n") << false
        << noon << "";
}

void TestCalDavSync::otherClientsCopies()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, completed);
    QFETCH(QDateTime, due);
    QFETCH(QString, recId);
    const ServerCopy copy = CalendarObject::Read(data);
    QVERIFY(copy.usable);
    QCOMPARE(copy.completed, completed);
    QCOMPARE(copy.due, due.toLocalTime());
    QCOMPARE(copy.recId, recId);
}

void TestCalDavSync::syncReportWithRemovedMembers()
{
    const QByteArray xml =
        "<?xml version=\"1.0\"?><multistatus xmlns=\"DAV:\">"
        "<response><href>/alice/dues/a%20b.ics</href><propstat><prop><getetag>\"1\"</getetag></prop>"
        "<status>HTTP/1.1 200 OK</status></propstat>"
        "<propstat><prop><displayname/></prop><status>HTTP/1.1 404 Not Found</status></propstat></response>"
        "<response><href>http://host/alice/dues/gone.ics</href><status>HTTP/1.1 404 Not "
        "Found</status></response>"
        "<sync-token>http://example/sync/2</sync-token></multistatus>";
    const DavXml::MultiStatus ms = DavXml::Parse(xml);
    QVERIFY(ms.ok);
    QCOMPARE(ms.syncToken, QStringLiteral("http://example/sync/2"));
    QCOMPARE(ms.responses.size(), 2);
    QCOMPARE(ms.responses.at(0).href, QStringLiteral("/alice/dues/a b.ics"));
    QCOMPARE(ms.responses.at(0).etag, QStringLiteral("\"1\""));
    QCOMPARE(ms.responses.at(0).status, 0);
    QCOMPARE(ms.responses.at(1).href, QStringLiteral("/alice/dues/gone.ics"));
    QCOMPARE(ms.responses.at(1).status, 404);
    QVERIFY(!DavXml::Parse("<html>busy</html>").ok);
}

void TestCalDavSync::discoveryFromBareHost()
{
    if (!m_serverUp)
        QSKIP(qPrintable(m_why));
    CalDavDiscovery discovery;
    discovery.SetCredentials(RadicaleServer::kUser, RadicaleServer::kPassword);
    QSignalSpy found(&discovery, &CalDavDiscovery::found);
    QSignalSpy failed(&discovery, &CalDavDiscovery::failed);
    QSignalSpy created(&discovery, &CalDavDiscovery::created);
    // From the host alone: /.well-known/caldav, the principal, its home.
    discovery.Find(CalDavDiscovery::ServerUrl(m_server.Url().toString()));
    QVERIFY(found.wait(10000) || !failed.isEmpty());
    QVERIFY2(failed.isEmpty(), failed.isEmpty() ? "" : qPrintable(failed.first().first().toString()));
    QCOMPARE(discovery.Home().path(), QStringLiteral("/alice/"));
    discovery.Create(discovery.Home(), QStringLiteral("Bills & Dues"), true, false);
    QVERIFY(created.wait(10000));
    const QUrl made = created.first().first().value<CalendarInfo>().url;
    QCOMPARE(made.path(), QStringLiteral("/alice/billsdues/"));
    // Listed again with its name and what it holds; and the calendar's own address is the calendar.
    discovery.Find(m_server.Url(QStringLiteral("/alice/")));
    QVERIFY(found.wait(10000));
    bool listed = false;
    for (const CalendarInfo& c : discovery.Calendars())
        listed = listed || (c.url == made && c.name == QLatin1String("Bills & Dues") && c.tasks && !c.events);
    QVERIFY(listed);
    discovery.Find(made);
    QVERIFY(found.wait(10000));
    QVERIFY(discovery.AddressIsCalendar());
    QCOMPARE(discovery.Calendars().first().url, made);
    QCOMPARE(CalDavDiscovery::ServerUrl(QStringLiteral("dav.example.org:8443")).toString(),
             QStringLiteral("https://dav.example.org:8443/"));
    QVERIFY(!CalDavDiscovery::ServerUrl(QStringLiteral("ftp://example.org")).isValid());
}

void TestCalDavSync::bothWays_data()
{
    QTest::addColumn<bool>("useSyncToken");
    QTest::newRow("sync-token") << true;
    QTest::newRow("ETags alone") << false;
}

// One folder and one calendar through the life the sync is for: the first
// sync, a change here, a task ticked off, un-ticked and moved by a second
// client, a change there that does not flow back, deletes both ways.
void TestCalDavSync::bothWays()
{
    if (!m_serverUp)
        QSKIP(qPrintable(m_why));
    QFETCH(bool, useSyncToken);
    Side side;
    QVERIFY(NewSide(side, useSyncToken));
    CDueStore& store = side.store;
    const QString rent = store.AddDue(Due(QStringLiteral("Rent"), QStringLiteral("2026-12-20"), 800));
    const QString power =
        store.AddDue(Due(QStringLiteral("Power"), QStringLiteral("2026-12-22T14:30:00"), 60.5, true));
    const QString gym = store.AddDue(Due(QStringLiteral("Gym"), QStringLiteral("2026-12-28"), 30));
    SyncEngine engine(store);

    SyncResult r = RunSync(engine, side.target);
    QCOMPARE(r.status, SyncResult::Status::InStep);
    QCOMPARE(r.sent, 3);
    QCOMPARE(CountOnServer(side.target.calendar), 3);
    const Http rentThere = Request("GET", side.ResourceOf(rent));
    QCOMPARE(rentThere.status, 200);
    QVERIFY(rentThere.body.contains("BEGIN:VTODO") && rentThere.body.contains("BEGIN:VALARM"));
    QVERIFY(rentThere.body.contains("DUE;VALUE=DATE:20261220"));
    QVERIFY(Request("GET", side.ResourceOf(power)).body.contains("STATUS:COMPLETED"));

    // Nothing changed: nothing is sent, in a few requests.
    r = RunSync(engine, side.target);
    QCOMPARE(r.status, SyncResult::Status::InStep);
    QCOMPARE(r.sent, 0);
    QVERIFY(engine.RequestCount() <= 2);

    // A change here goes there, alone.
    DueRecord changed = store.GetDue(rent);
    changed.m_dAmount = 850;
    QVERIFY(store.ReplaceDue(changed));
    r = RunSync(engine, side.target);
    QCOMPARE(r.sent, 1);
    QVERIFY(CalendarObject::Read(Request("GET", side.ResourceOf(rent)).body)
                .summary.contains(QLatin1String("850")));

    // Ticked off by a second client: paid here, and the server gets this
    // computer's version (no alarm for a paid due).
    Http there = Request("GET", side.ResourceOf(rent));
    QByteArray ticked =
        Replace(there.body, QStringLiteral("STATUS:NEEDS-ACTION"), QStringLiteral("STATUS:COMPLETED"))
            .toUtf8();
    QCOMPARE(Request("PUT", side.ResourceOf(rent), ticked, {{"If-Match", there.etag}}).status, 201);
    r = RunSync(engine, side.target);
    QCOMPARE(r.status, SyncResult::Status::InStep);
    QCOMPARE(r.takenHere, QStringList{rent});
    QVERIFY(store.GetDue(rent).m_bPaid);
    QVERIFY(!Request("GET", side.ResourceOf(rent)).body.contains("BEGIN:VALARM"));

    // Un-ticked there: unpaid here.
    there = Request("GET", side.ResourceOf(rent));
    QByteArray unticked =
        Replace(there.body, QStringLiteral("STATUS:COMPLETED"), QStringLiteral("STATUS:NEEDS-ACTION"))
            .remove(QRegularExpression(QStringLiteral("(COMPLETED|PERCENT-COMPLETE):[^\\r\\n]*\\r?\\n")))
            .toUtf8();
    QCOMPARE(Request("PUT", side.ResourceOf(rent), unticked).status, 201);
    r = RunSync(engine, side.target);
    QCOMPARE(r.takenHere, QStringList{rent});
    QVERIFY(!store.GetDue(rent).m_bPaid);

    // Moved there: moved here, its start with it.
    const QDateTime startBefore = store.GetDue(rent).m_dtStart.ToQDateTime();
    there = Request("GET", side.ResourceOf(rent));
    QCOMPARE(Request("PUT", side.ResourceOf(rent),
                     Replace(there.body, QStringLiteral("DUE;VALUE=DATE:20261220"),
                             QStringLiteral("DUE;VALUE=DATE:20261223"))
                         .toUtf8())
                 .status,
             201);
    r = RunSync(engine, side.target);
    QCOMPARE(r.takenHere, QStringList{rent});
    QCOMPARE(store.GetDue(rent).m_dtDue.ToQDateTime(), QDateTime(QDate(2026, 12, 23), QTime(0, 0)));
    QCOMPARE(store.GetDue(rent).m_dtStart.ToQDateTime(), startBefore.addDays(3));

    // A title changed there does not flow back: this computer's goes there again.
    there = Request("GET", side.ResourceOf(gym));
    QCOMPARE(
        Request("PUT", side.ResourceOf(gym),
                Replace(there.body, QStringLiteral("SUMMARY:[^\\r\\n]*"), QStringLiteral("SUMMARY:Renamed"))
                    .toUtf8())
            .status,
        201);
    r = RunSync(engine, side.target);
    QCOMPARE(r.status, SyncResult::Status::InStep);
    QVERIFY(r.takenHere.isEmpty());
    QVERIFY(CalendarObject::Read(Request("GET", side.ResourceOf(gym)).body)
                .summary.startsWith(QLatin1String("Gym")));

    // Deleted here: deleted there.
    QVERIFY(store.RemoveDue(gym, true));
    r = RunSync(engine, side.target);
    QCOMPARE(r.deletedThere, 1);
    QCOMPARE(Request("GET", side.ResourceOf(gym)).status, 404);

    // Deleted there: kept here, said once; a later change here sends it again.
    QCOMPARE(Request("DELETE", side.ResourceOf(power)).status, 200);
    r = RunSync(engine, side.target);
    QCOMPARE(r.goneThere, QStringList{QStringLiteral("Power")});
    QVERIFY(store.Contains(power));
    r = RunSync(engine, side.target);
    QVERIFY(r.goneThere.isEmpty());
    QCOMPARE(r.sent, 0);
    QCOMPARE(Request("GET", side.ResourceOf(power)).status, 404);
    changed = store.GetDue(power);
    changed.m_strNotes = QStringLiteral("paid by card");
    QVERIFY(store.ReplaceDue(changed));
    r = RunSync(engine, side.target);
    QCOMPARE(r.sent, 1);
    QCOMPARE(Request("GET", side.ResourceOf(power)).status, 200);
    QCOMPARE(CountOnServer(side.target.calendar), 2);
}

// Changed here and there since the last sync: shown, neither side written,
// until the user settles it.
void TestCalDavSync::changeOnBothSides()
{
    if (!m_serverUp)
        QSKIP(qPrintable(m_why));
    Side side;
    QVERIFY(NewSide(side));
    CDueStore& store = side.store;
    const QString rent = store.AddDue(Due(QStringLiteral("Rent"), QStringLiteral("2026-12-20"), 800));
    const QString water = store.AddDue(Due(QStringLiteral("Water"), QStringLiteral("2026-12-21"), 20));
    SyncEngine engine(store);
    QCOMPARE(RunSync(engine, side.target).sent, 2);

    // Here: paid. There: moved.
    QCOMPARE(MarkPaid(store, rent), true);
    const Http before = Request("GET", side.ResourceOf(rent));
    QCOMPARE(Request("PUT", side.ResourceOf(rent),
                     Replace(before.body, QStringLiteral("DUE;VALUE=DATE:20261220"),
                             QStringLiteral("DUE;VALUE=DATE:20261227"))
                         .toUtf8())
                 .status,
             201);
    const QByteArray serverBytes = Request("GET", side.ResourceOf(rent)).body;
    // Meanwhile another due changes here alone, and goes.
    DueRecord w = store.GetDue(water);
    w.m_dAmount = 25;
    QVERIFY(store.ReplaceDue(w));

    for (int round = 0; round < 2; ++round) {
        const SyncResult r = RunSync(engine, side.target);
        QCOMPARE(r.status, SyncResult::Status::Conflicts);
        QCOMPARE(r.conflicts.size(), 1);
        QCOMPARE(r.conflicts.first().recId, rent);
        QCOMPARE(r.conflicts.first().server.due, QDateTime(QDate(2026, 12, 27), QTime(0, 0)));
        QVERIFY(ConflictLine(r.conflicts.first()).contains(QLatin1String("\"Rent\"")));
        QCOMPARE(r.sent, round == 0 ? 1 : 0);
        QVERIFY(store.GetDue(rent).m_bPaid);
        QCOMPARE(store.GetDue(rent).m_dtDue.ToQDateTime().date(), QDate(2026, 12, 20));
        QCOMPARE(Request("GET", side.ResourceOf(rent)).body, serverBytes);
    }

    // Taking the server's version: its date and its unpaid state.
    side.target.keepHere.insert(rent, false);
    SyncResult r = RunSync(engine, side.target);
    QCOMPARE(r.status, SyncResult::Status::InStep);
    QCOMPARE(store.GetDue(rent).m_dtDue.ToQDateTime().date(), QDate(2026, 12, 27));
    QVERIFY(!store.GetDue(rent).m_bPaid);

    // Both again; this time this computer's version wins.
    side.target.keepHere.clear();
    QCOMPARE(MarkPaid(store, rent), true);
    const Http again = Request("GET", side.ResourceOf(rent));
    QCOMPARE(Request("PUT", side.ResourceOf(rent),
                     Replace(again.body, QStringLiteral("DUE;VALUE=DATE:20261227"),
                             QStringLiteral("DUE;VALUE=DATE:20261229"))
                         .toUtf8())
                 .status,
             201);
    side.target.prefer = SyncTarget::Prefer::Here;
    r = RunSync(engine, side.target);
    QCOMPARE(r.status, SyncResult::Status::InStep);
    const ServerCopy copy = CalendarObject::Read(Request("GET", side.ResourceOf(rent)).body);
    QVERIFY(copy.completed);
    QCOMPARE(copy.due.date(), QDate(2026, 12, 27));
}

// As events, only a moved date comes back: an event has nothing to tick off.
void TestCalDavSync::eventsMoveBack()
{
    if (!m_serverUp)
        QSKIP(qPrintable(m_why));
    Side side;
    QVERIFY(NewSide(side));
    side.target.kind = CalendarComponent::Event;
    const QString id =
        side.store.AddDue(Due(QStringLiteral("Tax"), QStringLiteral("2026-12-15T09:30:00"), 300));
    SyncEngine engine(side.store);
    QCOMPARE(RunSync(engine, side.target).sent, 1);
    const Http there = Request("GET", side.ResourceOf(id));
    QVERIFY(there.body.contains("BEGIN:VEVENT") && there.body.contains("DTSTART:20261215T093000"));
    QByteArray moved = Replace(there.body, QStringLiteral("DTSTART:20261215T093000"),
                               QStringLiteral("DTSTART:20261216T100000"))
                           .toUtf8();
    moved.replace("SUMMARY:", "STATUS:CANCELLED\r\nSUMMARY:");
    QCOMPARE(Request("PUT", side.ResourceOf(id), moved).status, 201);
    const SyncResult r = RunSync(engine, side.target);
    QCOMPARE(r.status, SyncResult::Status::InStep);
    QCOMPARE(r.takenHere, QStringList{id});
    QCOMPARE(side.store.GetDue(id).m_dtDue.ToQDateTime(), QDateTime(QDate(2026, 12, 16), QTime(10, 0)));
    QVERIFY(!side.store.GetDue(id).m_bPaid);
}

// The server goes away in the middle of a first sync: the sync says so, and
// the next one, with the server back, ends with every due there once.
void TestCalDavSync::serverGoneMidSync()
{
    if (!m_serverUp)
        QSKIP(qPrintable(m_why));
    Side side;
    QVERIFY(NewSide(side));
    constexpr int kDues = 120;
    for (int i = 0; i < kDues; ++i)
        side.store.AddDue(
            Due(QStringLiteral("Due %1").arg(i), QDate(2026, 1, 1).addDays(i).toString(Qt::ISODate), i));
    SyncEngine engine(side.store);
    bool killed = false;
    connect(&engine, &SyncEngine::progress, this, [&](qsizetype done, qsizetype) {
        if (done >= 30 && !killed) {
            killed = true;
            m_server.Kill();
        }
    });
    SyncResult r = RunSync(engine, side.target);
    QVERIFY(killed);
    QCOMPARE(r.status, SyncResult::Status::Offline);
    QVERIFY2(r.error.contains(QLatin1String("127.0.0.1")), qPrintable(r.error));
    QVERIFY(r.waiting > 0 && r.waiting < kDues);
    QCOMPARE(side.store.GetCount(), kDues);

    QVERIFY2(m_server.Restart(&m_why), qPrintable(m_why));
    engine.disconnect(this);
    r = RunSync(engine, side.target);
    QCOMPARE(r.status, SyncResult::Status::InStep);
    QCOMPARE(r.waiting, 0);
    QCOMPARE(CountOnServer(side.target.calendar), kDues);
    r = RunSync(engine, side.target);
    QCOMPARE(r.sent, 0);
}

void TestCalDavSync::wrongPassword()
{
    if (!m_serverUp)
        QSKIP(qPrintable(m_why));
    Side side;
    QVERIFY(NewSide(side));
    side.store.AddDue(Due(QStringLiteral("Rent"), QStringLiteral("2026-12-20"), 800));
    side.target.password = QStringLiteral("not the password");
    SyncEngine engine(side.store);
    const SyncResult r = RunSync(engine, side.target);
    QCOMPARE(r.status, SyncResult::Status::Failed);
    QVERIFY2(r.error.contains(QLatin1String("401")), qPrintable(r.error));
    QCOMPARE(r.waiting, 1);
    QCOMPARE(CountOnServer(side.target.calendar), 0);
}

// tallyvane sync as a script runs it: 0 in step, 1 with a line per
// conflict, 2 on errors.
void TestCalDavSync::commandLine()
{
    if (!m_serverUp)
        QSKIP(qPrintable(m_why));
    QTemporaryDir work;
    QVERIFY(work.isValid());
    QString id;
    {
        CDueStore store;
        store.SetFolder(DataFolder(work.path()));
        store.LoadAll();
        id = store.AddDue(Due(QStringLiteral("Phone bill"), QStringLiteral("2026-12-05"), 40));
    }
    auto run = [&](const QString& password, QStringList more = {}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TALLYVANE_CALDAV_PASSWORD"), password);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TALLYVANE_BIN_DIR "/tallyvane"),
                QStringList{QStringLiteral("sync"), QStringLiteral("--workdir"), work.path(),
                            QStringLiteral("--caldav"), m_server.Url().toString(), QStringLiteral("--user"),
                            RadicaleServer::kUser} +
                    more);
        p.waitForFinished(60000);
        return std::pair{p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
    };
    auto [status, err] = run(RadicaleServer::kPassword);
    QCOMPARE(status, 0);
    QVERIFY2(err.isEmpty(), qPrintable(err));
    // The user's calendar "Tallyvane" was made and holds the due.
    const QUrl resource = m_server.Url(QStringLiteral("/alice/tallyvane/%1.ics").arg(id));
    const Http there = Request("GET", resource);
    QCOMPARE(there.status, 200);

    {
        CDueStore store;
        store.SetFolder(DataFolder(work.path()));
        store.LoadAll();
        QCOMPARE(MarkPaid(store, id), true);
    }
    QCOMPARE(Request("PUT", resource,
                     Replace(there.body, QStringLiteral("DUE;VALUE=DATE:20261205"),
                             QStringLiteral("DUE;VALUE=DATE:20261206"))
                         .toUtf8())
                 .status,
             201);
    std::tie(status, err) = run(RadicaleServer::kPassword);
    QCOMPARE(status, 1);
    const QStringList lines = err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().contains(id) && lines.first().contains(QLatin1String("Phone bill")),
             qPrintable(err));

    std::tie(status, err) = run(QStringLiteral("wrong"));
    QCOMPARE(status, 2);
    QVERIFY2(err.contains(QLatin1String("401")), qPrintable(err));

    std::tie(status, err) =
        run(RadicaleServer::kPassword, {QStringLiteral("--prefer"), QStringLiteral("here")});
    QCOMPARE(status, 0);
}

QTEST_GUILESS_MAIN(TestCalDavSync)
#include "tst_caldavsync.moc"
