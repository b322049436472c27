#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The XML that WebDAV and CalDAV speak (RFC 4918, RFC 4791, RFC 6578): the
// bodies of the requests the sync sends, and the multi-status answers read
// back. Only what the sync needs is read; anything else is passed over.
namespace DavXml {

// One <response> of a multi-status answer, with the properties of its
// propstats that came back with a 2xx status.
struct Response
{
    QString href;   // the path, percent-decoded
    int status = 0; // the response's own status (a member removed in a sync report: 404); 0 when none
    QString etag;
    QByteArray calendarData;
    bool collection = false;
    bool calendar = false;
    QString displayName;
    QString principal;      // current-user-principal
    QString calendarHome;   // calendar-home-set (the first)
    QStringList components; // supported-calendar-component-set, e.g. VTODO, VEVENT
    QString syncToken;
};

struct MultiStatus
{
    bool ok = false;
    QString problem; // why it could not be read
    QList<Response> responses;
    QString syncToken; // of a sync report
};

MultiStatus Parse(const QByteArray& xml);

// The path of an href as a server writes it (a path or a whole URL,
// percent-encoded), decoded.
QString HrefPath(const QString& href);
// The status code of a status line, "HTTP/1.1 404 Not Found" -> 404; 0 when none.
int StatusCode(const QString& statusLine);

// Request bodies.
// Depth 0 on what the user gave: what it is, whose it is, where calendars live.
QByteArray DiscoveryBody();
// Depth 1 on a calendar home: its calendars, their names and what they hold.
QByteArray CalendarListBody();
// Depth 1 on a calendar: every member's ETag.
QByteArray EtagListBody();
// The changes since token (empty: every member), with their ETags.
QByteArray SyncCollectionBody(const QString& token);
// The calendar data and ETags of the given paths.
QByteArray MultigetBody(const QStringList& paths);
// A new calendar of that name, for tasks and/or events.
QByteArray MkCalendarBody(const QString& name, bool tasks, bool events);

} // namespace DavXml
