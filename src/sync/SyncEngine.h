#pragma once

#include "model/store/DueRecord.h"
#include "sync/CalendarObject.h"
#include "sync/DavClient.h"
#include "sync/SyncState.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QLocale>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class CDueStore;

// Where and how one sync runs.
struct SyncTarget
{
    QUrl calendar; // the calendar collection
    QString user;
    QString password;
    CalendarComponent kind = CalendarComponent::Task;
    int leadDays = 3;
    QLocale locale;
    // Asks for the changes since the last sync where the server offers it
    // (RFC 6578); otherwise, or when false, compares every ETag.
    bool useSyncToken = true;
    // How conflicts are settled: left to the user (shown), or all one way.
    enum class Prefer
    {
        Ask,
        Here,
        Server
    };
    Prefer prefer = Prefer::Ask;
    // The user's answer per due: true keeps this computer's version, false
    // takes the server's.
    QHash<QString, bool> keepHere;
    // False while the dues may not be written here (a dialog edits them):
    // the server's changes then wait for the next sync.
    std::function<bool()> mayWriteHere;
    // The state file; empty: the one of the store's folder and this calendar.
    QString statePath;
};

// A due changed here and on the server since the last sync.
struct SyncConflict
{
    QString recId;
    QString title;
    bool deletedHere = false;
    DueRecord here; // when not deleted here
    ServerCopy server;
};

// One side of a conflict in words: "paid, due 2026-03-01" (a time when not
// midnight); an event's side has no paid state to say.
QString DescribeSide(bool paid, const QDateTime& due, CalendarComponent kind);
// A conflict in one line: "ID "Rent": here paid, due ...; on the server unpaid, due ...".
QString ConflictLine(const SyncConflict& conflict);

struct SyncResult
{
    enum class Status
    {
        InStep,    // both sides agree
        Conflicts, // all else done; these wait for the user
        Failed,    // error says why; nothing was lost
        Offline,   // no network, or no server at the address; the changes wait
        Cancelled
    };
    Status status = Status::InStep;
    QString error;
    int sent = 0;          // tasks or events made or changed on the server
    int deletedThere = 0;  // deleted on the server because they were deleted here
    QStringList takenHere; // dues changed here as the server had them
    QStringList goneThere; // titles of dues deleted on the server, said this once
    QList<SyncConflict> conflicts;
    qsizetype waiting = 0; // changes here that have not reached the server
};

// Keeps the dues of a store and one calendar in step, both ways. Each due is
// one resource, named by its record identifier. From the server come only a
// task ticked off or un-ticked (paid, unpaid) and a due date moved;
// everything else goes from here to the server. Writes carry If-Match (or
// If-None-Match: * for a new one), so a change made meanwhile on the server
// is never overwritten: it is read, and when both sides changed the due it
// is a conflict, left to the user. A due deleted here is deleted there; one
// deleted there stays here and is said once.
//
// Runs on the event loop; finished() follows every Start.
class SyncEngine : public QObject
{
    Q_OBJECT
public:
    explicit SyncEngine(CDueStore& store, QObject* parent = nullptr);
    ~SyncEngine() override;

    void Start(const SyncTarget& target);
    // Stops between two requests; what was done is kept.
    void Cancel();
    bool IsRunning() const { return m_running; }
    const SyncResult& Result() const { return m_result; }
    // Requests sent by the last run.
    qint64 RequestCount() const;

    // Writes the server is sent at most at once.
    static constexpr int kParallel = 4;
    // An empty folder deletes nothing on the server when it had synced this many.
    static constexpr int kEmptyFolderGuard = 5;
    // Resources asked for in one multiget.
    static constexpr int kFetchBatch = 100;

signals:
    void progress(qsizetype done, qsizetype total);
    void finished();

private:
    struct Local
    {
        DueRecord due;
        QByteArray record;
        QByteArray render;
    };
    struct Fetched
    {
        QString href;
        QString etag;
        ServerCopy copy;
    };
    struct Op
    {
        enum class Kind
        {
            Create,
            Update,
            Delete
        };
        Kind kind = Kind::Update;
        QString recId;
        QString href;
        QString etag;
        Local local;
        QDateTime completedAt;
        bool retried = false;
    };

    void Pull(const QString& token);
    void PullEtags();
    void Listed(const QHash<QString, QString>& changed, const QSet<QString>& removed, bool full);
    void FetchNext();
    void Decide();
    void DecideOne(const QString& id, bool retried);
    void Conflict(const QString& id, const Local* local, const Fetched& server);
    void Hold(const QString& id, const Fetched& server);
    // Takes the server's paid state and due date into local and writes it.
    // False when it could not: an error, or the due's file changed under it
    // (the server's copy is then held for the next sync).
    bool TakeHere(Local& local, const Fetched& server);
    void Queue(Op::Kind kind, const QString& id, const QString& href, const QString& etag, const Local* local,
               bool retried, const QDateTime& completedAt = {});
    void PushNext();
    void Sent(const Op& op, const DavReply& reply);
    void Refetch(const Op& op);
    void GoneThere(const QString& id);
    void MaybeFinish();
    void Fail(const DavReply& reply, const QString& what);
    void FailWith(SyncResult::Status status, const QString& text);
    void Finish();
    void SaveState(bool force);

    Local MakeLocal(const DueRecord& due) const;
    QHash<QString, Local> Snapshot() const;
    qsizetype CountWaiting() const;
    QUrl UrlOf(const QString& path) const;
    QString CalendarPath() const;
    QString What(const char* text, const QString& id) const;

    CDueStore& m_store;
    DavClient* m_client;
    SyncTarget m_target;
    DataFolder m_folder; // the store's folder at the start
    SyncState m_state;
    QDateTime m_stateStamp; // of the file as this engine last wrote it
    qint64 m_stateSize = 0;
    SyncResult m_result;
    bool m_running = false;
    bool m_stopping = false;
    bool m_finishing = false;
    qint64 m_requestsAtStart = 0;

    QHash<QString, Local> m_local;
    QSet<QString> m_placeholders;
    QHash<QString, Fetched> m_fetched;
    QSet<QString> m_removed;
    QStringList m_toFetch;
    qsizetype m_fetchAt = 0;
    QString m_newToken;
    bool m_tokenUsed = false;
    QList<Op> m_queue;
    qsizetype m_next = 0;
    qsizetype m_done = 0;
    int m_pendingExtra = 0; // requests outside the queue (a refetch)
    QElapsedTimer m_sinceSave;
};
