// The calendar sync against a CalDAV server on this machine (Radicale, started
// here with a storage folder of its own): the first sync of 1,000 dues into
// an empty calendar, beside a plain loop that PUTs the same 1,000 resources
// one after the other over one kept-alive connection; and a sync after one
// due changed. Each first sync and each loop gets a calendar of its own.
#include "../tests/sync/RadicaleServer.h"
#include "BenchReport.h"
#include "SampleFolder.h"

#include "model/store/CDueStore.h"
#include "sync/CalendarObject.h"
#include "sync/DavXml.h"
#include "sync/SyncEngine.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

constexpr int kDues = 1000;

RadicaleServer* g_server = nullptr;
int g_calendars = 0;

QByteArray Auth()
{
    return "Basic " + (RadicaleServer::kUser + ':' + RadicaleServer::kPassword).toUtf8().toBase64();
}

int Send(QNetworkAccessManager& manager, const QByteArray& verb, const QUrl& url, const QByteArray& body = {},
         const QByteArray& contentType = {}, QByteArray* answer = nullptr)
{
    QNetworkRequest request(url);
    request.setRawHeader("Authorization", Auth());
    if (!contentType.isEmpty())
        request.setRawHeader("Content-Type", contentType);
    QNetworkReply* reply = manager.sendCustomRequest(request, verb, body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (answer)
        *answer = reply->readAll();
    delete reply;
    return status;
}

QByteArray SendForBody(QNetworkAccessManager& manager, const QByteArray& verb, const QUrl& url,
                       const QByteArray& body)
{
    QByteArray answer;
    Send(manager, verb, url, body, "application/xml; charset=utf-8", &answer);
    return answer;
}

QUrl NewCalendar()
{
    QNetworkAccessManager manager;
    Send(manager, "PROPFIND", g_server->Url(QStringLiteral("/alice/")));
    const QUrl url = g_server->Url(QStringLiteral("/alice/bench%1/").arg(++g_calendars));
    return Send(manager, "MKCALENDAR", url) == 201 ? url : QUrl();
}

// A data folder of the sample dues.
struct Folder
{
    QTemporaryDir dir;
    CDueStore store;
    QStringList ids; // as the store gave them
    Folder()
    {
        store.SetFolder(DataFolder(dir.path()));
        store.LoadAll();
        CDueStore::Batch batch;
        for (int i = 0; i < kDues; ++i)
            ids << store.AddDue(SampleFolder::Sample(i));
    }
};

SyncTarget TargetFor(const QUrl& calendar, const QString& statePath)
{
    SyncTarget t;
    t.calendar = calendar;
    t.user = RadicaleServer::kUser;
    t.password = RadicaleServer::kPassword;
    t.locale = QLocale::c();
    t.statePath = statePath;
    return t;
}

bool RunSync(SyncEngine& engine, const SyncTarget& target, benchmark::State& state)
{
    QEventLoop loop;
    QObject::connect(&engine, &SyncEngine::finished, &loop, &QEventLoop::quit);
    engine.Start(target);
    if (engine.IsRunning())
        loop.exec();
    if (engine.Result().status != SyncResult::Status::InStep) {
        state.SkipWithError(qPrintable(engine.Result().error));
        return false;
    }
    return true;
}

void BM_FirstSync(benchmark::State& state)
{
    Folder folder;
    for (auto _ : state) {
        const QUrl calendar = NewCalendar();
        SyncEngine engine(folder.store);
        const SyncTarget target =
            TargetFor(calendar, folder.dir.filePath(QStringLiteral("state%1.json").arg(g_calendars)));
        QElapsedTimer timer;
        timer.start();
        if (!RunSync(engine, target, state))
            return;
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        state.counters["requests"] = double(engine.RequestCount());
    }
}
BENCHMARK(BM_FirstSync)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

// The baseline: the same resources, PUT one after another, nothing else.
void BM_PutLoop(benchmark::State& state)
{
    QList<std::pair<QString, QByteArray>> resources;
    CalendarObjectOptions options;
    options.locale = QLocale::c();
    for (int i = 0; i < kDues; ++i) {
        const DueRecord due = SampleFolder::Sample(i);
        resources.append({due.m_strRecId + QStringLiteral(".ics"), CalendarObject::Build(due, options)});
    }
    for (auto _ : state) {
        const QUrl calendar = NewCalendar();
        QNetworkAccessManager manager;
        QElapsedTimer timer;
        timer.start();
        for (const auto& [name, body] : resources) {
            QUrl url = calendar;
            url.setPath(calendar.path() + name);
            if (Send(manager, "PUT", url, body, "text/calendar; charset=utf-8") != 201) {
                state.SkipWithError("a PUT failed");
                return;
            }
        }
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
    }
}
BENCHMARK(BM_PutLoop)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

// One due changed since the last sync.
void BM_IncrementalOne(benchmark::State& state)
{
    Folder folder;
    const QUrl calendar = NewCalendar();
    SyncEngine engine(folder.store);
    const SyncTarget target = TargetFor(calendar, folder.dir.filePath(QStringLiteral("state.json")));
    if (!RunSync(engine, target, state))
        return;
    const QString id = folder.ids.value(7);
    QUrl resource = calendar;
    resource.setPath(calendar.path() + id + QStringLiteral(".ics"));
    CalendarObjectOptions options;
    options.locale = QLocale::c();
    QNetworkAccessManager manager;
    QString token =
        DavXml::Parse(SendForBody(manager, "REPORT", calendar, DavXml::SyncCollectionBody({}))).syncToken;
    double plainTime = 0;
    int n = 0;
    for (auto _ : state) {
        DueRecord due = folder.store.GetDue(id);
        due.m_dAmount = 100 + ++n;
        if (!folder.store.ReplaceDue(due)) {
            state.SkipWithError("could not change the due");
            return;
        }
        QElapsedTimer timer;
        timer.start();
        if (!RunSync(engine, target, state))
            return;
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        state.counters["requests"] = double(engine.RequestCount());
        state.counters["sent"] = engine.Result().sent;
        // The baseline: what any two-way sync of one change asks of the server,
        // done by a plain client: the changes since its last token, one PUT.
        due.m_dAmount += 0.5;
        const QByteArray body = CalendarObject::Build(due, options);
        QElapsedTimer plain;
        plain.start();
        const QByteArray report = SendForBody(manager, "REPORT", calendar, DavXml::SyncCollectionBody(token));
        token = DavXml::Parse(report).syncToken;
        if (token.isEmpty() ||
            Send(manager, "PUT", resource, body, "text/calendar; charset=utf-8") / 100 != 2) {
            state.SkipWithError("the plain client failed");
            return;
        }
        plainTime += plain.nsecsElapsed() / 1e9;
        (void)RunSync(engine, target, state); // the plain client's change back in step, untimed
    }
    state.counters["plain_s"] = plainTime / double(state.iterations());
}
BENCHMARK(BM_IncrementalOne)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    RadicaleServer server;
    QString why;
    if (!server.Start(&why)) {
        std::printf("bench_caldav: skipped: %s\n", qPrintable(why));
        return 0;
    }
    g_server = &server;
    const std::string loadBefore = BenchReport::LoadAverage();
    BenchReport::Reporter reporter;
    if (!BenchReport::RunAll(&argc, argv, &reporter))
        return 1;

    std::printf("\nCalendar sync, %d dues, Radicale on localhost (%s before, %s after):\n", kDues,
                loadBefore.c_str(), BenchReport::LoadAverage().c_str());
    const auto* first = reporter.Find("BM_FirstSync/iterations:3/manual_time");
    const auto* loop = reporter.Find("BM_PutLoop/iterations:3/manual_time");
    if (first && loop)
        BenchReport::Ratio("first sync / plain PUT loop (s)", first->real, loop->real, 2.0);
    if (const auto* one = reporter.Find("BM_IncrementalOne/iterations:10/manual_time")) {
        std::printf("%-46s %8.3f s in %g requests\n", "sync of one change", one->real,
                    one->counters.at("requests"));
        BenchReport::Ratio("sync of one change / plain REPORT + PUT (s)", one->real,
                           one->counters.at("plain_s"), 1.5);
    }
    return 0;
}
