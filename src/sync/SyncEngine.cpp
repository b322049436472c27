#include "sync/SyncEngine.h"

#include "model/store/CDueStore.h"
#include "sync/DavXml.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(SyncEngine)
};

// The state is written at least this often while many writes go out, so
// that a crash repeats little.
constexpr int kSaveEveryMs = 3000;

const QByteArray kXml = "application/xml; charset=utf-8";
const QByteArray kCalendar = "text/calendar; charset=utf-8";

QByteArray RecordHash(const DueRecord& r)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    const QDateTime due = CalendarObject::DueOf(r);
    for (const QString& field : {r.m_strTitle, due.toString(Qt::ISODate), r.m_strPayTo, r.m_strAccount,
                                 QString::number(r.m_dAmount, 'g', 17), QString::number(r.m_nType),
                                 QString::number(r.m_bPaid ? 1 : 0), r.m_strNotes}) {
        hash.addData(field.toUtf8());
        hash.addData(QByteArrayView("\0", 1));
    }
    return hash.result().toHex().left(20);
}

// What the server says about a due against what was sent or is here.
bool Moved(const ServerCopy& copy, bool paid, const QDateTime& due)
{
    return (copy.kind == CalendarComponent::Task && copy.completed != paid) ||
           (copy.due.isValid() && copy.due != due);
}

bool Agrees(const DueRecord& here, const ServerCopy& copy)
{
    return !Moved(copy, here.m_bPaid != 0, CalendarObject::DueOf(here));
}

} // namespace

QString DescribeSide(bool paid, const QDateTime& due, CalendarComponent kind)
{
    const QString day = !due.isValid()              ? Texts::tr("no due date")
                        : due.time() == QTime(0, 0) ? due.date().toString(Qt::ISODate)
                                                    : due.toString(QStringLiteral("yyyy-MM-ddTHH:mm"));
    if (kind == CalendarComponent::Event)
        return Texts::tr("due %1").arg(day);
    return (paid ? Texts::tr("paid, due %1") : Texts::tr("unpaid, due %1")).arg(day);
}

QString ConflictLine(const SyncConflict& c)
{
    const QString server = DescribeSide(c.server.completed, c.server.due, c.server.kind);
    if (c.deletedHere)
        return Texts::tr("%1 \"%2\": deleted here; on the server %3").arg(c.recId, c.title, server);
    return Texts::tr("%1 \"%2\": here %3; on the server %4")
        .arg(c.recId, c.title,
             DescribeSide(c.here.m_bPaid != 0, CalendarObject::DueOf(c.here), c.server.kind), server);
}

SyncEngine::SyncEngine(CDueStore& store, QObject* parent)
    : QObject(parent), m_store(store), m_client(new DavClient(this))
{
}

SyncEngine::~SyncEngine() = default;

qint64 SyncEngine::RequestCount() const
{
    return m_client->RequestCount() - m_requestsAtStart;
}

QString SyncEngine::CalendarPath() const
{
    QString path = m_target.calendar.path(QUrl::FullyDecoded);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

QUrl SyncEngine::UrlOf(const QString& path) const
{
    QUrl url = m_target.calendar;
    url.setPath(path, QUrl::DecodedMode);
    url.setQuery(QString());
    url.setFragment(QString());
    return url;
}

QString SyncEngine::What(const char* text, const QString& id) const
{
    const auto it = m_local.constFind(id);
    const QString name = it != m_local.constEnd() ? it->due.m_strTitle : id;
    return Texts::tr(text).arg(name);
}

SyncEngine::Local SyncEngine::MakeLocal(const DueRecord& due) const
{
    Local l;
    l.due = due;
    l.record = RecordHash(due);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(l.record);
    hash.addData(m_target.kind == CalendarComponent::Task ? "T" : "E");
    hash.addData(QByteArray::number(m_target.leadDays));
    hash.addData(m_target.locale.name().toUtf8());
    l.render = hash.result().toHex().left(20);
    return l;
}

QHash<QString, SyncEngine::Local> SyncEngine::Snapshot() const
{
    QSet<QString> placeholders;
    m_store.ForEachBrief([&](const DueBrief& b) {
        if (b.placeholder)
            placeholders.insert(b.recId);
    });
    QHash<QString, Local> local;
    local.reserve(m_store.GetCount());
    m_store.ForEach([&](const DueRecord& r) {
        // A series still being made, and a due without a date, have no place on a calendar.
        if (placeholders.contains(r.m_strRecId) || !CalendarObject::DueOf(r).isValid() ||
            !IsSafeRecordId(r.m_strRecId))
            return;
        local.insert(r.m_strRecId, MakeLocal(r));
    });
    return local;
}

qsizetype SyncEngine::CountWaiting() const
{
    const QHash<QString, Local> local = Snapshot();
    qsizetype waiting = 0;
    for (auto it = local.begin(); it != local.end(); ++it) {
        const auto sent = m_state.sent.constFind(it.key());
        if (sent != m_state.sent.constEnd() ? sent->render != it->render
                                            : m_state.gone.value(it.key()) != it->record)
            ++waiting;
    }
    for (auto it = m_state.sent.begin(); it != m_state.sent.end(); ++it)
        if (!local.contains(it.key()))
            ++waiting;
    return waiting;
}

void SyncEngine::Start(const SyncTarget& target)
{
    m_target = target;
    m_result = SyncResult();
    m_running = true;
    m_stopping = false;
    m_finishing = false;
    m_local.clear();
    m_placeholders.clear();
    m_fetched.clear();
    m_removed.clear();
    m_toFetch.clear();
    m_fetchAt = 0;
    m_newToken.clear();
    m_tokenUsed = false;
    m_queue.clear();
    m_next = 0;
    m_done = 0;
    m_pendingExtra = 0;
    m_requestsAtStart = m_client->RequestCount();
    m_folder = m_store.Folder();
    m_client->SetCredentials(target.user, target.password);

    const QString path = target.statePath.isEmpty()
                             ? SyncState::FilePathFor(m_store.Folder(), target.calendar)
                             : target.statePath;
    // The state this engine wrote last is still in memory unless another
    // program wrote the file since.
    const QFileInfo file(path);
    const bool same = path == m_state.Path() && m_stateStamp.isValid() &&
                      file.lastModified() == m_stateStamp && file.size() == m_stateSize;
    QString why;
    if (!same && !m_state.Load(path, &why)) {
        // Started afresh: the server's copies are found again by their UIDs.
        qWarning("tallyvane: the sync state %s was not read (%s); syncing afresh", qPrintable(path),
                 qPrintable(why));
    }
    const QString calendar = m_target.calendar.toString(QUrl::FullyEncoded);
    if (m_state.calendar != calendar)
        m_state.Clear(); // another calendar's: this one starts afresh
    m_state.calendar = calendar;
    m_sinceSave.start();
    if (target.useSyncToken && !m_state.tokenRefused)
        Pull(m_state.syncToken);
    else
        PullEtags();
}

void SyncEngine::Cancel()
{
    if (!m_running || m_stopping)
        return;
    m_stopping = true;
    m_result.status = SyncResult::Status::Cancelled;
    m_client->AbortAll();
    MaybeFinish();
}

void SyncEngine::Pull(const QString& token)
{
    m_client->Send(
        "REPORT", m_target.calendar, DavXml::SyncCollectionBody(token),
        {{"Depth", "0"}, {"Content-Type", kXml}}, [this, token](const DavReply& reply) {
            if (m_stopping)
                return MaybeFinish();
            if (reply.status == 207) {
                const DavXml::MultiStatus ms = DavXml::Parse(reply.body);
                if (!ms.ok)
                    return FailWith(SyncResult::Status::Failed,
                                    Texts::tr("Reading the changes of the calendar: %1").arg(ms.problem));
                QHash<QString, QString> changed;
                QSet<QString> removed;
                for (const DavXml::Response& r : ms.responses) {
                    if (r.href == CalendarPath() || r.href.endsWith(QLatin1Char('/')))
                        continue;
                    if (r.status == 404)
                        removed.insert(r.href);
                    else
                        changed.insert(r.href, r.etag);
                }
                m_newToken = ms.syncToken;
                m_tokenUsed = true;
                return Listed(changed, removed, token.isEmpty());
            }
            const DavFailure failure = FailureOf(reply);
            // A token the server no longer knows: start over with none.
            if (!token.isEmpty() && (reply.status == 403 || reply.status == 409 || reply.status == 410)) {
                m_state.syncToken.clear();
                return Pull(QString());
            }
            // No sync report here: the ETags of every member instead.
            if (token.isEmpty() && reply.status != 401 && reply.status != 404 &&
                (failure == DavFailure::Refused || reply.status == 501)) {
                m_state.tokenRefused = true;
                return PullEtags();
            }
            Fail(reply, Texts::tr("Asking the calendar for its changes"));
        });
}

void SyncEngine::PullEtags()
{
    m_client->Send("PROPFIND", m_target.calendar, DavXml::EtagListBody(),
                   {{"Depth", "1"}, {"Content-Type", kXml}}, [this](const DavReply& reply) {
                       if (m_stopping)
                           return MaybeFinish();
                       if (reply.status != 207)
                           return Fail(reply, Texts::tr("Listing the calendar"));
                       const DavXml::MultiStatus ms = DavXml::Parse(reply.body);
                       if (!ms.ok)
                           return FailWith(SyncResult::Status::Failed,
                                           Texts::tr("Listing the calendar: %1").arg(ms.problem));
                       QHash<QString, QString> listed;
                       for (const DavXml::Response& r : ms.responses) {
                           if (r.collection || r.href == CalendarPath() || r.href.endsWith(QLatin1Char('/')))
                               continue;
                           listed.insert(r.href, r.etag);
                       }
                       Listed(listed, {}, true);
                   });
}

void SyncEngine::Listed(const QHash<QString, QString>& changed, const QSet<QString>& removed, bool full)
{
    QHash<QString, QString> owner; // path -> identifier
    for (auto it = m_state.sent.begin(); it != m_state.sent.end(); ++it)
        owner.insert(it->href, it.key());
    for (auto it = m_state.held.begin(); it != m_state.held.end(); ++it)
        if (!owner.contains(it->href))
            owner.insert(it->href, it.key());

    for (auto it = changed.begin(); it != changed.end(); ++it) {
        const QString& href = it.key();
        const QString& etag = it.value();
        const QString id = owner.value(href);
        if (!etag.isEmpty()) {
            if (!id.isEmpty()) {
                const auto sent = m_state.sent.constFind(id);
                const auto held = m_state.held.constFind(id);
                if ((sent != m_state.sent.constEnd() && sent->href == href && sent->etag == etag) ||
                    (held != m_state.held.constEnd() && held->href == href && held->etag == etag))
                    continue; // as it was
            } else if (m_state.foreign.value(href) == etag) {
                continue;
            }
        }
        m_toFetch << href;
    }
    if (full) {
        for (auto it = m_state.sent.begin(); it != m_state.sent.end(); ++it)
            if (!changed.contains(it->href))
                m_removed.insert(it.key());
        for (auto it = m_state.held.begin(); it != m_state.held.end(); ++it)
            if (!changed.contains(it->href))
                m_removed.insert(it.key());
        for (auto it = m_state.foreign.begin(); it != m_state.foreign.end();)
            it = changed.contains(it.key()) ? std::next(it) : m_state.foreign.erase(it);
    } else {
        for (const QString& href : removed) {
            if (const QString id = owner.value(href); !id.isEmpty())
                m_removed.insert(id);
            m_state.foreign.remove(href);
        }
    }
    FetchNext();
}

void SyncEngine::FetchNext()
{
    if (m_fetchAt >= m_toFetch.size())
        return Decide();
    const QStringList batch = m_toFetch.mid(m_fetchAt, kFetchBatch);
    m_fetchAt += batch.size();
    m_client->Send("REPORT", m_target.calendar, DavXml::MultigetBody(batch),
                   {{"Depth", "1"}, {"Content-Type", kXml}}, [this](const DavReply& reply) {
                       if (m_stopping)
                           return MaybeFinish();
                       if (reply.status != 207)
                           return Fail(reply, Texts::tr("Reading the calendar's tasks"));
                       const DavXml::MultiStatus ms = DavXml::Parse(reply.body);
                       if (!ms.ok)
                           return FailWith(SyncResult::Status::Failed,
                                           Texts::tr("Reading the calendar's tasks: %1").arg(ms.problem));
                       QHash<QString, QString> owner;
                       for (auto it = m_state.sent.begin(); it != m_state.sent.end(); ++it)
                           owner.insert(it->href, it.key());
                       for (const DavXml::Response& r : ms.responses) {
                           if (r.status == 404 || (r.calendarData.isEmpty() && r.status != 0)) {
                               if (const QString id = owner.value(r.href); !id.isEmpty())
                                   m_removed.insert(id);
                               continue;
                           }
                           if (r.calendarData.isEmpty())
                               continue;
                           const ServerCopy copy = CalendarObject::Read(r.calendarData);
                           if (!copy.usable || copy.recId.isEmpty() || !IsSafeRecordId(copy.recId)) {
                               m_state.foreign.insert(r.href, r.etag);
                               continue;
                           }
                           // Two resources for one due (made by another machine): the
                           // one this sync wrote counts, the other is left alone.
                           const auto sent = m_state.sent.constFind(copy.recId);
                           const bool ours = sent != m_state.sent.constEnd() && sent->href == r.href;
                           if (m_fetched.contains(copy.recId) && !ours) {
                               m_state.foreign.insert(r.href, r.etag);
                               continue;
                           }
                           if (sent != m_state.sent.constEnd() && !ours) {
                               m_state.foreign.insert(r.href, r.etag);
                               continue;
                           }
                           m_fetched.insert(copy.recId, Fetched{r.href, r.etag, copy});
                           m_removed.remove(copy.recId);
                       }
                       FetchNext();
                   });
}

void SyncEngine::Decide()
{
    // The store went over to another folder meanwhile: this state is not its.
    if (!(m_store.Folder() == m_folder))
        return FailWith(SyncResult::Status::Cancelled, QString());
    // What is here now, read at once and written at once: nothing runs in between.
    m_local = Snapshot();
    m_store.ForEachBrief([&](const DueBrief& b) {
        if (b.placeholder)
            m_placeholders.insert(b.recId);
    });
    // An empty folder where many dues were synced is more likely a drive not
    // mounted or the wrong folder than a user who deleted them all.
    if (m_local.isEmpty() && m_placeholders.isEmpty() && m_state.sent.size() >= kEmptyFolderGuard)
        return FailWith(
            SyncResult::Status::Failed,
            Texts::tr("%1 holds no dues, but %2 were in step with the calendar: nothing was deleted on "
                      "the server. Delete them there if that is meant.")
                .arg(QDir::toNativeSeparators(m_store.Folder().Path()))
                .arg(m_state.sent.size()));
    QSet<QString> ids;
    for (auto it = m_local.keyBegin(); it != m_local.keyEnd(); ++it)
        ids.insert(*it);
    for (auto it = m_state.sent.keyBegin(); it != m_state.sent.keyEnd(); ++it)
        ids.insert(*it);
    for (auto it = m_state.held.keyBegin(); it != m_state.held.keyEnd(); ++it)
        ids.insert(*it);
    for (auto it = m_fetched.keyBegin(); it != m_fetched.keyEnd(); ++it)
        ids.insert(*it);
    ids.unite(m_removed);
    QStringList ordered(ids.begin(), ids.end());
    ordered.sort();
    for (const QString& id : ordered) {
        if (!m_placeholders.contains(id))
            DecideOne(id, false);
    }
    if (m_tokenUsed)
        m_state.syncToken = m_newToken;
    m_fetched.clear();
    m_removed.clear();
    if (!m_result.error.isEmpty())
        return FailWith(SyncResult::Status::Failed, m_result.error);
    SaveState(false);
    emit progress(0, m_queue.size());
    PushNext();
}

void SyncEngine::DecideOne(const QString& id, bool retried)
{
    Local* local = nullptr;
    if (auto it = m_local.find(id); it != m_local.end())
        local = &*it;
    SentDue* sent = nullptr;
    if (auto it = m_state.sent.find(id); it != m_state.sent.end())
        sent = &*it;
    std::optional<Fetched> server;
    if (auto it = m_fetched.constFind(id); it != m_fetched.constEnd())
        server = *it;
    else if (auto held = m_state.held.constFind(id); held != m_state.held.constEnd())
        server = Fetched{held->href, held->etag, held->copy};
    std::optional<bool> keepHere;
    if (m_target.keepHere.contains(id))
        keepHere = m_target.keepHere.value(id);
    else if (m_target.prefer != SyncTarget::Prefer::Ask)
        keepHere = m_target.prefer == SyncTarget::Prefer::Here;

    if (m_removed.contains(id) && !m_fetched.contains(id)) {
        m_state.sent.remove(id);
        m_state.held.remove(id);
        if (local)
            GoneThere(id);
        return;
    }
    // A copy that says what was sent is no change, whatever its ETag.
    if (server && sent && server->copy.signature == sent->signature) {
        sent->etag = server->etag;
        sent->href = server->href;
        m_state.held.remove(id);
        server.reset();
    }

    if (sent) {
        if (!server) {
            if (!local)
                Queue(Op::Kind::Delete, id, sent->href, sent->etag, nullptr, retried);
            else if (local->render != sent->render)
                Queue(Op::Kind::Update, id, sent->href, sent->etag, local, retried, sent->completedAt);
            return;
        }
        if (!Moved(server->copy, sent->paid, sent->due)) {
            // Changed there in what flows from here: this computer's version goes back.
            m_state.held.remove(id);
            if (local)
                Queue(Op::Kind::Update, id, server->href, server->etag, local, retried, sent->completedAt);
            else
                Queue(Op::Kind::Delete, id, server->href, server->etag, nullptr, retried);
            return;
        }
        if (!local) {
            if (keepHere && *keepHere) {
                m_state.held.remove(id);
                Queue(Op::Kind::Delete, id, server->href, server->etag, nullptr, retried);
            } else if (keepHere) {
                // The server's copy stays there, no longer a due of this folder.
                m_state.sent.remove(id);
                m_state.held.remove(id);
                m_state.foreign.insert(server->href, server->etag);
            } else {
                Conflict(id, nullptr, *server);
            }
            return;
        }
        const bool changedHere = local->record != sent->record;
        const bool agree = Agrees(local->due, server->copy);
        if (agree || !changedHere || (keepHere && !*keepHere)) {
            if (!agree) {
                if (m_target.mayWriteHere && !m_target.mayWriteHere())
                    return Hold(id, *server);
                if (!TakeHere(*local, *server))
                    return;
            }
            m_state.held.remove(id);
            const QDateTime completedAt =
                server->copy.completedAt.isValid() ? server->copy.completedAt : sent->completedAt;
            Queue(Op::Kind::Update, id, server->href, server->etag, local, retried, completedAt);
        } else if (keepHere) {
            m_state.held.remove(id);
            Queue(Op::Kind::Update, id, server->href, server->etag, local, retried, sent->completedAt);
        } else {
            Conflict(id, local, *server);
        }
        return;
    }

    if (server) {
        // One of ours that this state does not know (a sync state lost, the
        // same folder synced from another machine).
        if (!local) {
            m_state.held.remove(id);
            m_state.foreign.insert(server->href, server->etag);
            return;
        }
        const bool agree = Agrees(local->due, server->copy);
        if (agree || keepHere) {
            if (!agree && !*keepHere) {
                if (m_target.mayWriteHere && !m_target.mayWriteHere())
                    return Hold(id, *server);
                if (!TakeHere(*local, *server))
                    return;
            }
            m_state.held.remove(id);
            Queue(Op::Kind::Update, id, server->href, server->etag, local, retried, server->copy.completedAt);
        } else {
            Conflict(id, local, *server);
        }
        return;
    }
    if (!local)
        return;
    if (const auto gone = m_state.gone.constFind(id); gone != m_state.gone.constEnd()) {
        if (*gone == local->record)
            return; // deleted there and not changed here since
        m_state.gone.remove(id);
    }
    Queue(Op::Kind::Create, id, CalendarPath() + id + QStringLiteral(".ics"), QString(), local, retried);
}

void SyncEngine::Conflict(const QString& id, const Local* local, const Fetched& server)
{
    m_state.held.insert(id, HeldCopy{server.href, server.etag, server.copy, true});
    SyncConflict c;
    c.recId = id;
    c.deletedHere = local == nullptr;
    if (local)
        c.here = local->due;
    c.title = local ? local->due.m_strTitle : server.copy.summary;
    c.server = server.copy;
    m_result.conflicts << c;
}

void SyncEngine::Hold(const QString& id, const Fetched& server)
{
    m_state.held.insert(id, HeldCopy{server.href, server.etag, server.copy, false});
    ++m_result.waiting;
}

bool SyncEngine::TakeHere(Local& local, const Fetched& server)
{
    const ServerCopy& copy = server.copy;
    DueRecord r = local.due;
    if (copy.kind == CalendarComponent::Task)
        r.m_bPaid = copy.completed ? 1 : 0;
    const QDateTime due = CalendarObject::DueOf(r);
    if (copy.due.isValid() && copy.due != due) {
        // The due keeps its start-to-due gap.
        const qint64 shift = due.secsTo(copy.due);
        const QDateTime start = r.m_dtStart.ToQDateTime();
        if (start.isValid())
            r.m_dtStart = COleDateTime::FromQDateTime(start.addSecs(shift));
        r.m_dtDue = COleDateTime::FromQDateTime(copy.due);
    }
    if (!m_store.ReplaceDue(r)) {
        const QList<StaleChange> stale = m_store.TakeStaleChanges();
        if (!stale.isEmpty()) {
            // Another program changed the due's file since it was read: its
            // change is read in, and the server's waits for the next sync,
            // which weighs the two.
            for (const StaleChange& c : stale)
                m_store.Reread(c.recId);
            (void)m_store.TakeErrors();
            Hold(r.m_strRecId, server);
            return false;
        }
        const QStringList errors = m_store.TakeErrors();
        m_result.error = errors.isEmpty() ? Texts::tr("Could not write \"%1\".").arg(r.m_strTitle)
                                          : errors.join(QLatin1Char('\n'));
        return false;
    }
    local = MakeLocal(r);
    m_result.takenHere << r.m_strRecId;
    return true;
}

void SyncEngine::GoneThere(const QString& id)
{
    const auto it = m_local.constFind(id);
    if (it == m_local.constEnd() || m_state.gone.contains(id))
        return;
    m_state.gone.insert(id, it->record);
    m_result.goneThere << it->due.m_strTitle;
}

void SyncEngine::Queue(Op::Kind kind, const QString& id, const QString& href, const QString& etag,
                       const Local* local, bool retried, const QDateTime& completedAt)
{
    Op op;
    op.kind = kind;
    op.recId = id;
    op.href = href;
    op.etag = etag;
    if (local)
        op.local = *local;
    op.completedAt = completedAt;
    op.retried = retried;
    m_queue << op;
}

void SyncEngine::PushNext()
{
    if (m_stopping)
        return MaybeFinish();
    while (m_next < m_queue.size() && m_client->InFlight() < kParallel) {
        const Op op = m_queue.at(m_next++);
        DavClient::Headers headers;
        QByteArray body;
        QByteArray verb = "PUT";
        if (op.kind == Op::Kind::Delete) {
            verb = "DELETE";
        } else {
            CalendarObjectOptions options;
            options.kind = m_target.kind;
            options.leadDays = m_target.leadDays;
            options.locale = m_target.locale;
            options.completedAt = op.completedAt;
            body = CalendarObject::Build(op.local.due, options);
            headers << std::pair{QByteArray("Content-Type"), kCalendar};
        }
        if (op.kind == Op::Kind::Create)
            headers << std::pair{QByteArray("If-None-Match"), QByteArray("*")};
        else if (!op.etag.isEmpty())
            headers << std::pair{QByteArray("If-Match"), op.etag.toUtf8()};
        m_client->Send(verb, UrlOf(op.href), body, headers, [this, op, body](const DavReply& reply) {
            if (m_stopping)
                return MaybeFinish();
            Op done = op;
            if (reply.Ok() && op.kind != Op::Kind::Delete) {
                SentDue s;
                s.href = op.href;
                s.etag = QString::fromUtf8(reply.etag);
                s.record = op.local.record;
                s.render = op.local.render;
                s.signature = CalendarObject::Read(body).signature;
                s.paid = op.local.due.m_bPaid != 0;
                s.due = CalendarObject::DueOf(op.local.due);
                if (s.paid)
                    s.completedAt =
                        op.completedAt.isValid() ? op.completedAt : CalendarObject::Read(body).completedAt;
                m_state.sent.insert(op.recId, s);
                m_state.held.remove(op.recId);
                m_state.gone.remove(op.recId);
                ++m_result.sent;
            }
            Sent(done, reply);
        });
    }
    MaybeFinish();
}

void SyncEngine::Sent(const Op& op, const DavReply& reply)
{
    if (reply.Ok()) {
        if (op.kind == Op::Kind::Delete) {
            m_state.sent.remove(op.recId);
            m_state.held.remove(op.recId);
            ++m_result.deletedThere;
        }
    } else if (reply.status == 412 && !op.retried) {
        // Changed (or made) on the server since it was read: read it again
        // and decide once more.
        return Refetch(op);
    } else if (reply.status == 412) {
        ++m_result.waiting; // the next sync reads it again
    } else if (reply.status == 404 && op.kind != Op::Kind::Create) {
        // Deleted on the server meanwhile.
        m_state.sent.remove(op.recId);
        m_state.held.remove(op.recId);
        if (op.kind == Op::Kind::Update)
            GoneThere(op.recId);
    } else {
        return Fail(reply, op.kind == Op::Kind::Delete
                               ? What(QT_TR_NOOP("Deleting \"%1\" on the server"), op.recId)
                               : What(QT_TR_NOOP("Sending \"%1\""), op.recId));
    }
    ++m_done;
    emit progress(m_done, m_queue.size());
    SaveState(false);
    PushNext();
}

void SyncEngine::Refetch(const Op& op)
{
    ++m_pendingExtra;
    m_client->Send("GET", UrlOf(op.href), {}, {}, [this, op](const DavReply& reply) {
        --m_pendingExtra;
        if (m_stopping)
            return MaybeFinish();
        if (reply.Ok()) {
            const ServerCopy copy = CalendarObject::Read(reply.body);
            if (copy.usable && copy.recId == op.recId) {
                // The due as it is now: it may have changed since the sync began.
                if (m_store.Contains(op.recId))
                    m_local.insert(op.recId, MakeLocal(m_store.GetDue(op.recId)));
                else
                    m_local.remove(op.recId);
                m_fetched.insert(op.recId, Fetched{op.href, QString::fromUtf8(reply.etag), copy});
                DecideOne(op.recId, true);
                m_fetched.remove(op.recId);
            } else {
                // Someone else's resource under our name: left alone.
                m_state.foreign.insert(op.href, QString::fromUtf8(reply.etag));
            }
        } else if (reply.status == 404) {
            m_state.sent.remove(op.recId);
            m_state.held.remove(op.recId);
            if (op.kind == Op::Kind::Update)
                GoneThere(op.recId);
        } else {
            return Fail(reply, What(QT_TR_NOOP("Reading \"%1\" from the server"), op.recId));
        }
        if (!m_result.error.isEmpty())
            return FailWith(SyncResult::Status::Failed, m_result.error);
        ++m_done;
        emit progress(m_done, m_queue.size());
        PushNext();
    });
}

void SyncEngine::MaybeFinish()
{
    if (!m_running || m_finishing)
        return;
    if (m_client->InFlight() > 0 || m_pendingExtra > 0)
        return;
    if (!m_stopping && m_next < m_queue.size())
        return;
    // Never from inside a callback: whoever hears finished() may start anew.
    m_finishing = true;
    QTimer::singleShot(0, this, &SyncEngine::Finish);
}

void SyncEngine::Fail(const DavReply& reply, const QString& what)
{
    // No network or no server is being offline; a server that takes too long
    // to answer is an error like any other.
    const bool timedOut =
        reply.error == QNetworkReply::TimeoutError || reply.error == QNetworkReply::OperationCanceledError;
    const bool offline = FailureOf(reply) == DavFailure::Offline && !timedOut;
    FailWith(offline ? SyncResult::Status::Offline : SyncResult::Status::Failed,
             DescribeFailure(reply, what));
}

void SyncEngine::FailWith(SyncResult::Status status, const QString& text)
{
    if (m_stopping)
        return MaybeFinish();
    m_stopping = true;
    m_result.status = status;
    m_result.error = text;
    m_client->AbortAll();
    MaybeFinish();
}

void SyncEngine::SaveState(bool force)
{
    if (!force && m_sinceSave.elapsed() < kSaveEveryMs)
        return;
    m_sinceSave.restart();
    QString why;
    m_stateStamp = QDateTime();
    if (m_state.Save(&why)) {
        const QFileInfo file(m_state.Path());
        m_stateStamp = file.lastModified();
        m_stateSize = file.size();
    } else if (m_result.error.isEmpty())
        m_result.error = Texts::tr("Could not keep the state of the calendar sync in %1: %2")
                             .arg(QDir::toNativeSeparators(m_state.Path()), why);
}

void SyncEngine::Finish()
{
    SaveState(true);
    const bool stopped = m_stopping;
    if (!stopped) {
        if (!m_result.error.isEmpty())
            m_result.status = SyncResult::Status::Failed;
        else if (!m_result.conflicts.isEmpty())
            m_result.status = SyncResult::Status::Conflicts;
        else
            m_result.status = SyncResult::Status::InStep;
    }
    if (stopped || m_result.status == SyncResult::Status::Failed)
        m_result.waiting = CountWaiting();
    m_running = false;
    emit finished();
}
