#pragma once

#include "sync/DavClient.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

// A calendar collection on a server.
struct CalendarInfo
{
    QUrl url;
    QString name;       // its display name, or the last part of its path
    bool tasks = true;  // holds tasks (VTODO)
    bool events = true; // holds events (VEVENT)
};

// Finds the calendars of a user from what the user typed: a bare host, a
// server's address or a calendar's. A bare host is asked at
// /.well-known/caldav (RFC 6764); the answer's current-user-principal leads
// to its calendar-home-set, whose members are the calendars (RFC 4791).
// Makes a new calendar there with MKCALENDAR.
class CalDavDiscovery : public QObject
{
    Q_OBJECT
public:
    explicit CalDavDiscovery(QObject* parent = nullptr);

    // "example.com", "example.com:8443/dav" or a whole URL; without a scheme
    // https is meant. Invalid: not an address.
    static QUrl ServerUrl(const QString& typed);

    void SetCredentials(const QString& user, const QString& password);
    // found() or failed() follows.
    void Find(QUrl server);
    // created() or failed() follows; the calendar is made under home with a
    // name of letters and digits taken from title.
    void Create(const QUrl& home, const QString& title, bool tasks, bool events);
    void Cancel();

    // Of the last Find: where new calendars go, and the calendars there (or
    // the one calendar the address named).
    const QUrl& Home() const { return m_home; }
    const QList<CalendarInfo>& Calendars() const { return m_calendars; }
    // The address of the last Find named a calendar itself.
    bool AddressIsCalendar() const { return m_addressIsCalendar; }

signals:
    void found();
    void created(const CalendarInfo& calendar);
    void failed(const QString& text);

private:
    void Ask(const QUrl& url, bool wellKnownFirst);
    void AskPrincipal(const QUrl& principal);
    void ListHome(const QUrl& home);

    DavClient* m_client;
    QUrl m_home;
    QList<CalendarInfo> m_calendars;
    bool m_addressIsCalendar = false;
};
