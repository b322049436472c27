#include "app/CommandLine.h"
#include "app/SyncCommand.h"
#include "export/IcsExport.h"
#include "model/store/CDueStore.h"
#include "sync/CalDavAccount.h"
#include "sync/CalDavDiscovery.h"
#include "sync/SyncEngine.h"
#include "sync/SyncPassword.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTextStream>

namespace SyncCommand {

namespace {

// Named as its translation context, so that lupdate files the texts under it.
struct SyncCommandText
{
    Q_DECLARE_TR_FUNCTIONS(SyncCommandText)
};

using CommandLine::Fail;

const QString kDefaultCalendar = QStringLiteral("Tallyvane");

// The calendar for --caldav: the address itself when it names one, else the
// user's calendar "Tallyvane", made when missing. Empty once the reason is said.
QUrl CalendarFor(const QUrl& server, const QString& user, const QString& password, bool events,
                 QTextStream& err)
{
    CalDavDiscovery discovery;
    discovery.SetCredentials(user, password);
    QEventLoop loop;
    QString failure;
    QObject::connect(&discovery, &CalDavDiscovery::found, &loop, &QEventLoop::quit);
    QObject::connect(&discovery, &CalDavDiscovery::failed, &loop, [&](const QString& text) {
        failure = text;
        loop.quit();
    });
    discovery.Find(server);
    loop.exec();
    if (!failure.isEmpty()) {
        Fail(err, failure);
        return {};
    }
    if (discovery.AddressIsCalendar())
        return discovery.Calendars().first().url;
    for (const CalendarInfo& c : discovery.Calendars()) {
        const QString last = c.url.path().section(QLatin1Char('/'), -2, -2);
        if ((c.name.compare(kDefaultCalendar, Qt::CaseInsensitive) == 0 ||
             last.compare(kDefaultCalendar, Qt::CaseInsensitive) == 0) &&
            (events ? c.events : c.tasks))
            return c.url;
    }
    QUrl made;
    QObject::connect(&discovery, &CalDavDiscovery::created, &loop, [&](const CalendarInfo& c) {
        made = c.url;
        loop.quit();
    });
    discovery.Create(discovery.Home(), kDefaultCalendar, true, true);
    loop.exec();
    if (!failure.isEmpty())
        Fail(err, failure);
    return made;
}

bool ReadPassword(const QString& key, QString* password, QTextStream& err)
{
    if (qEnvironmentVariableIsSet(kPasswordVariable)) {
        *password = qEnvironmentVariable(kPasswordVariable);
        return true;
    }
    QString why;
    if (SyncPassword::Read(key, password, &why))
        return true;
    Fail(err, SyncCommandText::tr("no password for %1: set %2 or keep it in the keyring (%3)")
                  .arg(key, QString::fromLatin1(kPasswordVariable), why));
    return false;
}

} // namespace

CommandLine::Outcome Run(const CommandLine::Invocation& call)
{
    QTextStream& out = call.out;
    QTextStream& err = call.err;
    const QCommandLineParser& p = call.parser;
    const bool given = p.isSet(QStringLiteral("caldav"));
    if (given != p.isSet(QStringLiteral("user")))
        return Fail(err, SyncCommandText::tr("--caldav URL and --user NAME go together"));
    if (p.isSet(QStringLiteral("events")) && !given)
        return Fail(
            err, SyncCommandText::tr("--events goes with --caldav; the folder's account says what it syncs"));
    SyncTarget target;
    if (p.isSet(QStringLiteral("prefer"))) {
        const QString prefer = p.value(QStringLiteral("prefer"));
        if (prefer == QLatin1String("here"))
            target.prefer = SyncTarget::Prefer::Here;
        else if (prefer == QLatin1String("server"))
            target.prefer = SyncTarget::Prefer::Server;
        else
            return Fail(
                err,
                SyncCommandText::tr("bad value for --prefer \"%1\": expected here or server").arg(prefer));
    }
    QUrl server;
    if (given) {
        server = CalDavDiscovery::ServerUrl(p.value(QStringLiteral("caldav")));
        if (!server.isValid())
            return Fail(err, SyncCommandText::tr("bad address for --caldav \"%1\"")
                                 .arg(p.value(QStringLiteral("caldav"))));
    }
    if (!CommandLine::OpenFolderForWriting(p.value(QStringLiteral("workdir")), err))
        return 2;

    if (given) {
        target.user = p.value(QStringLiteral("user"));
        if (!ReadPassword(CalDavAccount::KeyringKey(target.user, p.value(QStringLiteral("caldav"))),
                          &target.password, err))
            return 2;
        target.kind = p.isSet(QStringLiteral("events")) ? CalendarComponent::Event : CalendarComponent::Task;
        target.calendar =
            CalendarFor(server, target.user, target.password, target.kind == CalendarComponent::Event, err);
        if (target.calendar.isEmpty())
            return 2;
    } else {
        const CalDavAccount account = CalDavAccount::Load(theDueStore.Folder());
        if (!account.IsSet())
            return Fail(err, SyncCommandText::tr(
                                 "no calendar account for %1: set one in Preferences > Calendar Sync, or "
                                 "give --caldav URL and --user NAME")
                                 .arg(theDueStore.Folder().WorkDir()));
        target.user = account.user;
        if (!ReadPassword(account.KeyringKey(), &target.password, err))
            return 2;
        target.calendar = account.calendar;
        target.kind = account.events ? CalendarComponent::Event : CalendarComponent::Task;
    }
    target.leadDays = IcsExport::ReminderLeadDays();
    target.locale = QLocale();

    SyncEngine engine(theDueStore);
    QEventLoop loop;
    QObject::connect(&engine, &SyncEngine::finished, &loop, &QEventLoop::quit);
    engine.Start(target);
    loop.exec();
    const SyncResult& result = engine.Result();

    for (const QString& title : result.goneThere)
        out << SyncCommandText::tr("\"%1\" was deleted on the server; it stays here.").arg(title) << '\n';
    out << SyncCommandText::tr("Sent: %1, deleted on the server: %2, changed here: %3")
               .arg(result.sent)
               .arg(result.deletedThere)
               .arg(result.takenHere.size())
        << '\n';
    if (result.waiting > 0 && result.status != SyncResult::Status::Failed &&
        result.status != SyncResult::Status::Offline)
        out << SyncCommandText::tr("%n change(s) wait for the next sync.", nullptr, int(result.waiting))
            << '\n';
    out.flush();
    for (const QString& e : theDueStore.TakeErrors())
        err << "tallyvane: " << e << '\n';
    for (const SyncConflict& c : result.conflicts)
        err << "tallyvane: " << SyncCommandText::tr("conflict: %1").arg(ConflictLine(c)) << '\n';
    err.flush();
    switch (result.status) {
    case SyncResult::Status::InStep:
        return 0;
    case SyncResult::Status::Conflicts:
        return 1;
    default:
        if (result.waiting > 0)
            Fail(err,
                 SyncCommandText::tr("%1 (%n change(s) here wait to be sent)", nullptr, int(result.waiting))
                     .arg(result.error));
        else
            Fail(err, result.error);
        return 2;
    }
}

} // namespace SyncCommand
