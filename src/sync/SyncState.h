#pragma once

#include "model/store/DataFolder.h"
#include "sync/CalendarObject.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QUrl>

// What the last sync of a data folder with one calendar left behind, kept in
// the user's own data (never in the data folder, which a file sync tool may
// carry to another machine): for each due the resource it went to, the ETag
// it got, and what was sent; the collection's sync-token; server copies
// still to be settled (conflicts); dues deleted on the server.
struct SentDue
{
    QString href;         // the resource's path
    QString etag;         // empty when the server gave none
    QByteArray record;    // the due's fields as they were sent (a hash)
    QByteArray render;    // the fields and the options they were rendered with (a hash)
    QByteArray signature; // ServerCopy::signature of what was sent
    bool paid = false;
    QDateTime due;
    QDateTime completedAt; // when it was first sent as paid (UTC)
};

// A copy of the server's that could not be settled yet: a conflict, or a
// change that waits until the due may be written here.
struct HeldCopy
{
    QString href;
    QString etag;
    ServerCopy copy;
    bool conflict = false;
};

class SyncState
{
public:
    // The state file of folder's sync with calendar.
    static QString FilePathFor(const DataFolder& folder, const QUrl& calendar);

    // Reads path; a missing file is an empty state. False with why for a
    // file that cannot be read (the state is then empty: the next sync
    // finds the server's copies by their UIDs and loses nothing).
    bool Load(const QString& path, QString* why);
    [[nodiscard]] bool Save(QString* why) const;
    // Forgets everything but the file it is kept in.
    void Clear()
    {
        const QString path = m_path;
        *this = SyncState();
        m_path = path;
    }
    const QString& Path() const { return m_path; }

    QString calendar;                // the calendar it belongs to
    QString syncToken;               // empty: none yet
    bool tokenRefused = false;       // the server offers no sync report: ETags alone
    QHash<QString, SentDue> sent;    // by record identifier
    QHash<QString, HeldCopy> held;   // by record identifier
    QHash<QString, QByteArray> gone; // deleted on the server: identifier -> record hash then
    QHash<QString, QString> foreign; // resources not ours: path -> ETag

private:
    QString m_path;
};
