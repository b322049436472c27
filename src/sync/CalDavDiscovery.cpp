#include "sync/CalDavDiscovery.h"

#include "sync/DavXml.h"

#include <QCoreApplication>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CalDavDiscovery)
};

const QByteArray kXml = "application/xml; charset=utf-8";

QUrl WithPath(const QUrl& base, const QString& path)
{
    QUrl url = base;
    url.setPath(path, QUrl::DecodedMode);
    url.setQuery(QString());
    url.setFragment(QString());
    return url;
}

QString AsFolder(QString path)
{
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

CalendarInfo InfoOf(const QUrl& base, const DavXml::Response& r)
{
    CalendarInfo info;
    info.url = WithPath(base, AsFolder(r.href));
    info.name = r.displayName;
    if (info.name.isEmpty()) {
        QString path = r.href;
        while (path.endsWith(QLatin1Char('/')))
            path.chop(1);
        info.name = path.section(QLatin1Char('/'), -1);
    }
    // A calendar that does not say what it holds holds anything.
    info.tasks = r.components.isEmpty() || r.components.contains(QLatin1String("VTODO"));
    info.events = r.components.isEmpty() || r.components.contains(QLatin1String("VEVENT"));
    return info;
}

} // namespace

CalDavDiscovery::CalDavDiscovery(QObject* parent) : QObject(parent), m_client(new DavClient(this)) {}

QUrl CalDavDiscovery::ServerUrl(const QString& typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return {};
    QUrl url(text.contains(QLatin1String("://")) ? text : QStringLiteral("https://") + text,
             QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() ||
        (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http")))
        return {};
    if (url.path().isEmpty())
        url.setPath(QStringLiteral("/"));
    return url;
}

void CalDavDiscovery::SetCredentials(const QString& user, const QString& password)
{
    m_client->SetCredentials(user, password);
}

void CalDavDiscovery::Cancel()
{
    m_client->AbortAll();
}

void CalDavDiscovery::Find(QUrl server)
{
    m_home.clear();
    m_calendars.clear();
    m_addressIsCalendar = false;
    const bool bare = server.path().isEmpty() || server.path() == QLatin1String("/");
    if (bare)
        Ask(WithPath(server, QStringLiteral("/.well-known/caldav")), true);
    else
        Ask(server, false);
}

void CalDavDiscovery::Ask(const QUrl& url, bool wellKnownFirst)
{
    m_client->Send(
        "PROPFIND", url, DavXml::DiscoveryBody(), {{"Depth", "0"}, {"Content-Type", kXml}},
        [this, url, wellKnownFirst](const DavReply& reply) {
            if (reply.aborted)
                return;
            const QUrl root = WithPath(url, QStringLiteral("/"));
            if (reply.status != 207) {
                // A server without the well-known address may still answer at its root.
                if (wellKnownFirst && reply.status != 401 && FailureOf(reply) != DavFailure::Offline &&
                    FailureOf(reply) != DavFailure::Tls)
                    return Ask(root, false);
                return emit failed(DescribeFailure(reply, Texts::tr("Looking for calendars")));
            }
            const DavXml::MultiStatus ms = DavXml::Parse(reply.body);
            if (!ms.ok || ms.responses.isEmpty())
                return emit failed(Texts::tr("Looking for calendars at %1: %2")
                                       .arg(reply.url.toDisplayString(), ms.problem));
            const DavXml::Response& r = ms.responses.first();
            if (r.calendar) {
                // The address is a calendar: it is the one, its folder the home.
                CalendarInfo info = InfoOf(reply.url, r);
                info.url = WithPath(reply.url, AsFolder(reply.url.path(QUrl::FullyDecoded)));
                m_calendars = {info};
                m_addressIsCalendar = true;
                QString parent = AsFolder(reply.url.path(QUrl::FullyDecoded));
                parent.chop(1);
                m_home = WithPath(reply.url, parent.left(parent.lastIndexOf(QLatin1Char('/')) + 1));
                return emit found();
            }
            if (!r.calendarHome.isEmpty())
                return ListHome(WithPath(reply.url, AsFolder(r.calendarHome)));
            if (!r.principal.isEmpty())
                return AskPrincipal(WithPath(reply.url, r.principal));
            if (wellKnownFirst)
                return Ask(root, false);
            emit failed(Texts::tr("%1 names no calendars for this user.").arg(reply.url.toDisplayString()));
        });
}

void CalDavDiscovery::AskPrincipal(const QUrl& principal)
{
    m_client->Send(
        "PROPFIND", principal, DavXml::DiscoveryBody(), {{"Depth", "0"}, {"Content-Type", kXml}},
        [this](const DavReply& reply) {
            if (reply.aborted)
                return;
            if (reply.status != 207)
                return emit failed(DescribeFailure(reply, Texts::tr("Asking for the user's calendars")));
            const DavXml::MultiStatus ms = DavXml::Parse(reply.body);
            const QString home =
                ms.ok && !ms.responses.isEmpty() ? ms.responses.first().calendarHome : QString();
            if (home.isEmpty())
                return emit failed(
                    Texts::tr("%1 names no calendar home for this user.").arg(reply.url.toDisplayString()));
            ListHome(WithPath(reply.url, AsFolder(home)));
        });
}

void CalDavDiscovery::ListHome(const QUrl& home)
{
    m_client->Send("PROPFIND", home, DavXml::CalendarListBody(), {{"Depth", "1"}, {"Content-Type", kXml}},
                   [this, home](const DavReply& reply) {
                       if (reply.aborted)
                           return;
                       if (reply.status != 207)
                           return emit failed(DescribeFailure(reply, Texts::tr("Listing the calendars")));
                       const DavXml::MultiStatus ms = DavXml::Parse(reply.body);
                       if (!ms.ok)
                           return emit failed(Texts::tr("Listing the calendars at %1: %2")
                                                  .arg(reply.url.toDisplayString(), ms.problem));
                       m_home = WithPath(reply.url, AsFolder(home.path(QUrl::FullyDecoded)));
                       for (const DavXml::Response& r : ms.responses)
                           if (r.calendar && AsFolder(r.href) != m_home.path(QUrl::FullyDecoded))
                               m_calendars << InfoOf(reply.url, r);
                       emit found();
                   });
}

void CalDavDiscovery::Create(const QUrl& home, const QString& title, bool tasks, bool events)
{
    QString slug;
    for (const QChar c : title.toLower())
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
            (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            slug += c;
    if (slug.isEmpty())
        slug = QStringLiteral("tallyvane");
    const QUrl url = WithPath(home, AsFolder(home.path(QUrl::FullyDecoded)) + slug + QLatin1Char('/'));
    m_client->Send("MKCALENDAR", url, DavXml::MkCalendarBody(title, tasks, events), {{"Content-Type", kXml}},
                   [this, url, title, tasks, events](const DavReply& reply) {
                       if (reply.aborted)
                           return;
                       if (!reply.Ok())
                           return emit failed(
                               DescribeFailure(reply, Texts::tr("Making the calendar \"%1\"").arg(title)));
                       CalendarInfo info;
                       info.url = url;
                       info.name = title;
                       info.tasks = tasks;
                       info.events = events;
                       emit created(info);
                   });
}
