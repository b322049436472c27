#include "model/CDueStore.h"

#include "model/Clock.h"
#include "model/DueFile.h"
#include "model/DueFolderReader.h"
#include "model/Identifiers.h"
#include "model/SaveFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <unistd.h>

CDueStore theDueStore;

int CDueStore::BucketOf(const QString& id)
{
    quint32 h = 0;
    const QByteArray bytes = id.toLatin1();
    for (char c : bytes)
        h = h * 33u + quint32(qint32(static_cast<signed char>(c)));
    return int(h % kBuckets);
}

namespace {

// The file's texts, translated under one context (declared so that lupdate finds them).
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CDueStore)
};

bool IsOwnPendingName(const QByteArray& name)
{
    const QByteArray suffix = '.' + SaveFile::HostTag().toLatin1() + kPendingSuffix;
    return name.endsWith(suffix) && name.size() > suffix.size();
}

} // namespace

void CDueStore::SetFolder(const DataFolder& folder, std::unique_ptr<FolderLock> lock)
{
    if (lock)
        m_lock = std::move(lock);
    else if (!(folder == m_folder))
        m_lock.reset();
    m_folder = folder;
}

void CDueStore::LoadAll()
{
    (void)m_folder.Create(); // a folder that cannot be made lists empty; writes say why
    ScanFolder();
}

QByteArray CDueStore::LocalPath(const QByteArray& fileName) const
{
    return QFile::encodeName(m_folder.Path()) + '/' + fileName;
}

void CDueStore::Sweep()
{
    // Only the holder of the lock may: on this host no other writer of ours
    // is then at work on the folder, so what our names mark is left over.
    const QByteArray dir = QFile::encodeName(m_folder.Path());
    DIR* d = ::opendir(dir.constData());
    if (!d)
        return;
    QList<QByteArray> names;
    while (const dirent* e = ::readdir(d)) {
        const QByteArray name(e->d_name);
        if (SaveFile::IsOwnTemporaryName(name) || IsOwnPendingName(name))
            names << name;
    }
    ::closedir(d);
    std::sort(names.begin(), names.end());
    Batch batch; // the folder is synced once
    for (const QByteArray& name : std::as_const(names)) {
        QString why;
        if (SaveFile::RemoveLocal(LocalPath(name), &why))
            m_swept << ShownFileName(name);
        else
            m_loadProblems << Texts::tr("%1: a leftover of an interrupted save that could not be removed: %2")
                                  .arg(ShownFileName(name), why);
    }
}

void CDueStore::ScanFolder()
{
    RemoveAll();
    m_loadProblems.clear();
    if (m_folder.IsEmpty())
        return;
    m_seen.Reset(DueFileIndex::FileClockNowNs());
    if (m_lock)
        Sweep();
    DueFolderReader reader;
    QStringList duplicates;
    reader.ReadFolder(m_folder.Path(), [&](DueRecord&& record, const QByteArray& fileName) {
        m_seen.Loaded(QFile::decodeName(fileName), record.m_strRecId);
        auto it = m_index.constFind(record.m_strRecId);
        if (it == m_index.constEnd()) {
            Store(std::move(record), fileName);
            return;
        }
        // Two files, one identifier: the file that bears the identifier's own
        // name is listed; the other is named, never hidden silently.
        const size_t slot = size_t(it.value());
        const QByteArray own = QFile::encodeName(DataFolder::DueFileName(record.m_strRecId));
        QByteArray listed = m_files[slot];
        QByteArray skipped = fileName;
        if (fileName == own) {
            std::swap(listed, skipped);
            Store(std::move(record), fileName);
        }
        duplicates << Texts::tr("%1: holds the same record identifier as %2, which is listed instead")
                          .arg(ShownFileName(skipped), ShownFileName(listed));
    });
    m_loadProblems << reader.Problems() << duplicates;
}

bool CDueStore::LoadDueFile(const QString& path)
{
    DueFolderReader reader;
    DueRecord record(Qt::Uninitialized);
    if (!reader.ReadFile(path, record)) {
        m_loadProblems << reader.Problems();
        return false;
    }
    const QByteArray local = QFile::encodeName(path);
    Store(std::move(record), local.mid(local.lastIndexOf('/') + 1));
    return true;
}

bool CDueStore::SaveDueFile(const DueRecord& record, bool bTouch)
{
    Batch batch;
    QByteArray target;
    auto it = m_index.constFind(record.m_strRecId);
    if (it != m_index.constEnd() && !m_files[size_t(it.value())].isEmpty())
        target = LocalPath(m_files[size_t(it.value())]);
    else if (!m_folder.DueFilePath(record.m_strRecId).isEmpty())
        target = QFile::encodeName(m_folder.DueFilePath(record.m_strRecId));
    if (target.isEmpty()) {
        Error(
            Texts::tr("Could not save \"%1\": the record identifier is not usable.").arg(record.m_strTitle));
        return false;
    }
    const QString title = record.m_strTitle;
    const QString shown = QDir::toNativeSeparators(QFile::decodeName(target));
    bool ok = true;
    QString why;
    auto failed = [this, title, shown](const QString& reason) {
        // A placeholder of a new series has no title yet: name the file alone.
        if (title.isEmpty())
            Error(Texts::tr("Could not save %1: %2").arg(shown, reason));
        else
            Error(Texts::tr("Could not save \"%1\" to %2: %3").arg(title, shown, reason));
    };
    if (!SaveFile::WriteLocal(target, DueFile::Serialize(record), &why,
                              [failed](SaveFile::Result result, const QString& reason) {
                                  if (result != SaveFile::Result::Done)
                                      failed(reason);
                              })) {
        failed(why);
        ok = false;
    }
    if (ok)
        m_seen.Written(m_folder.Path(), QFile::decodeName(target.mid(target.lastIndexOf('/') + 1)),
                       record.m_strRecId);
    if (ok && bTouch)
        ok = TouchPreferences();
    return ok;
}

bool CDueStore::TouchPreferences()
{
    const QString path = m_folder.PreferencesPath();
    QString why;
    auto failed = [this, path](const QString& reason) {
        Error(Texts::tr("Could not write %1: %2").arg(QDir::toNativeSeparators(path), reason));
    };
    if (!SaveFile::Write(path, DueFile::PreferencesBytes(), &why,
                         [failed](SaveFile::Result result, const QString& reason) {
                             if (result != SaveFile::Result::Done)
                                 failed(reason);
                         })) {
        failed(why);
        return false;
    }
    return true;
}

QString CDueStore::UniqueRecordId(int n) const
{
    // Two dues created within one second would get the same identifier; move
    // the time part on until no due in memory or on disk holds it. The walk
    // steps the wall-clock digits as plain arithmetic (no time-zone lookup per
    // step) and resumes where the last search for this number stopped, so a
    // series of thousands made in one second stays linear.
    const QDateTime now = Clock::Now();
    QDateTime when(now.date(), now.time(), Qt::UTC);
    const auto resume = m_nextIdTime.constFind(n);
    if (resume != m_nextIdTime.constEnd() && resume.value() > when)
        when = resume.value();
    for (int attempt = 0; attempt < 1000000; ++attempt) {
        const QString id = MakeRecordId(n, when);
        if (!m_index.contains(id) && !QFileInfo::exists(m_folder.DueFilePath(id)) &&
            !QFileInfo::exists(m_folder.PendingFilePath(id))) {
            m_nextIdTime.insert(n, when);
            return id;
        }
        when = when.addSecs(1);
    }
    return MakeRecordId(n, when);
}

QString CDueStore::NewSeriesId() const
{
    QDateTime when = Clock::Now();
    for (;;) {
        const QString id = MakeSeriesId(when);
        bool used = false;
        ForEach([&](const DueRecord& r) { used = used || r.m_strSeriesId == id; });
        if (!used)
            return id;
        when = when.addSecs(1);
    }
}

int CDueStore::NextSeriesNumber()
{
    const int n = m_nSeriesCounter + 1;
    m_nSeriesCounter = n == 99 ? 0 : n;
    return n;
}

void CDueStore::ForgetFile(const QString& id)
{
    auto it = m_index.constFind(id);
    if (it != m_index.constEnd())
        m_files[size_t(it.value())].clear();
}

QString CDueStore::Rekey(const QString& id)
{
    auto it = m_index.find(id);
    if (it == m_index.end())
        return {};
    const int slot = it.value();
    DueRecord record = m_slots[size_t(slot)];
    m_index.erase(it);
    Unlink(slot);
    // The last two digits are the number the identifier was made with.
    const int n = id.right(2).toInt();
    record.m_strRecId = UniqueRecordId(n == 10 ? 0 : n);
    const QString newId = record.m_strRecId;
    Store(std::move(record), {});
    m_rekeyed.insert(id, newId);
    return newId;
}

void CDueStore::WriteNew(QString id, const QByteArray& pending)
{
    for (int attempt = 0; attempt < 1000; ++attempt) {
        if (!m_index.contains(id))
            return;
        const DueRecord record = GetDue(id);
        const QString path = m_folder.DueFilePath(id);
        if (path.isEmpty()) {
            Error(Texts::tr("Could not save \"%1\": the record identifier is not usable.")
                      .arg(record.m_strTitle));
            return;
        }
        const QByteArray local = QFile::encodeName(path);
        m_files[size_t(m_index.value(id))] = local.mid(local.lastIndexOf('/') + 1);
        const QString title = record.m_strTitle;
        // The placeholder's pending file goes once the due has its own file.
        auto written = [this, pending, id, local] {
            m_seen.Written(m_folder.Path(), QFile::decodeName(local.mid(local.lastIndexOf('/') + 1)), id);
            QString ignored;
            if (!pending.isEmpty())
                (void)SaveFile::RemoveLocal(LocalPath(pending), &ignored); // else swept at the next load
        };
        QString why;
        const SaveFile::Result result = SaveFile::CreateLocal(
            local, DueFile::Serialize(record), &why,
            [this, id, title, path, pending, written](SaveFile::Result late, const QString& reason) {
                if (late == SaveFile::Result::Done) {
                    written();
                } else if (late == SaveFile::Result::NameTaken) {
                    // Another program took the name after we looked: the due
                    // moves on to the next free identifier.
                    WriteNew(Rekey(id), pending);
                } else {
                    ForgetFile(id);
                    Error(Texts::tr("Could not save \"%1\" to %2: %3")
                              .arg(title, QDir::toNativeSeparators(path), reason));
                }
            });
        if (result == SaveFile::Result::Done) {
            if (!SaveFile::Batch::Active())
                written();
            return;
        }
        if (result == SaveFile::Result::Failed) {
            ForgetFile(id);
            Error(
                Texts::tr("Could not save \"%1\" to %2: %3").arg(title, QDir::toNativeSeparators(path), why));
            return;
        }
        id = Rekey(id);
    }
}

QString CDueStore::AddDue(DueRecord record)
{
    const bool member = !record.m_strSeriesId.isEmpty();
    record.m_strRecId = UniqueRecordId(member ? NextSeriesNumber() : 0);
    QString id = record.m_strRecId;
    {
        Batch batch;
        Store(std::move(record), {});
        const qsizetype errors = m_errors.size();
        WriteNew(id);
        if (!member && m_errors.size() == errors)
            (void)TouchPreferences();
    }
    // A name taken meanwhile gave the due another identifier.
    while (m_rekeyed.contains(id))
        id = m_rekeyed.take(id);
    if (!SaveFile::Batch::Active())
        m_rekeyed.clear();
    return id;
}

QString CDueStore::AddPlaceholder(DueRecord record)
{
    const int n = NextSeriesNumber();
    for (int attempt = 0; attempt < 1000; ++attempt) {
        record.m_strRecId = UniqueRecordId(n);
        const QString path = m_folder.PendingFilePath(record.m_strRecId);
        const QByteArray local = QFile::encodeName(path);
        QString why;
        const SaveFile::Result result = SaveFile::CreateScratch(local, DueFile::Serialize(record), &why);
        if (result == SaveFile::Result::NameTaken && attempt + 1 < 1000)
            continue;
        const QString id = record.m_strRecId;
        if (result == SaveFile::Result::Failed) {
            Error(Texts::tr("Could not save \"%1\" to %2: %3")
                      .arg(record.m_strTitle, QDir::toNativeSeparators(path), why));
            Store(std::move(record), {});
        } else {
            Store(std::move(record), local.mid(local.lastIndexOf('/') + 1));
        }
        return id;
    }
    return {};
}

bool CDueStore::ReplaceDue(const DueRecord& record)
{
    Batch batch;
    if (!ReplaceOne(record))
        return false;
    return TouchPreferences();
}

bool CDueStore::ReplaceOne(const DueRecord& record)
{
    if (!IsSafeRecordId(record.m_strRecId)) {
        Error(
            Texts::tr("Could not save \"%1\": the record identifier is not usable.").arg(record.m_strTitle));
        return false;
    }
    Batch batch;
    auto it = m_index.constFind(record.m_strRecId);
    const QByteArray file = it != m_index.constEnd() ? m_files[size_t(it.value())] : QByteArray();
    if (it != m_index.constEnd() && (file.isEmpty() || IsOwnPendingName(file))) {
        // A placeholder becomes a due: its own file, never over another's;
        // the pending file goes after it.
        const qsizetype errors = m_errors.size();
        Store(record, {});
        WriteNew(record.m_strRecId, file);
        return m_errors.size() == errors;
    }
    // A due that cannot be written keeps what it had, in memory as on disk.
    if (!SaveDueFile(record, false))
        return false;
    Store(record, file.isEmpty() ? QFile::encodeName(DataFolder::DueFileName(record.m_strRecId)) : file);
    return true;
}

void CDueStore::Store(DueRecord record, const QByteArray& fileName)
{
    const Link keys{record.m_dtDue.m_dt, qint32(record.m_dtDue.m_status), record.m_bPaid, -1, -1};
    auto it = m_index.constFind(record.m_strRecId);
    if (it != m_index.constEnd()) {
        // Overwrite in place: the walk order stays.
        const size_t slot = size_t(it.value());
        m_slots[slot] = std::move(record);
        m_files[slot] = fileName;
        m_links[slot].due = keys.due;
        m_links[slot].dueStatus = keys.dueStatus;
        m_links[slot].paid = keys.paid;
        return;
    }
    int slot;
    if (!m_freeSlots.empty()) {
        slot = m_freeSlots.back();
        m_freeSlots.pop_back();
        m_slots[size_t(slot)] = std::move(record);
        m_files[size_t(slot)] = fileName;
        m_links[size_t(slot)] = keys;
    } else {
        slot = int(m_slots.size());
        m_slots.push_back(std::move(record));
        m_files.push_back(fileName);
        m_links.push_back(keys);
    }
    const QString& id = m_slots[size_t(slot)].m_strRecId;
    int& head = m_heads[size_t(BucketOf(id))];
    m_links[size_t(slot)].next = head;
    if (head >= 0)
        m_links[size_t(head)].prev = slot;
    head = slot;
    m_index.insert(id, slot);
}

void CDueStore::Unlink(int slot)
{
    Link& link = m_links[size_t(slot)];
    if (link.prev >= 0)
        m_links[size_t(link.prev)].next = link.next;
    else
        m_heads[size_t(BucketOf(m_slots[size_t(slot)].m_strRecId))] = link.next;
    if (link.next >= 0)
        m_links[size_t(link.next)].prev = link.prev;
    link = Link{0.0, 0, 0, -1, -1};
    m_slots[size_t(slot)] = DueRecord(Qt::Uninitialized);
    m_files[size_t(slot)].clear();
    m_freeSlots.push_back(slot);
}

DueRecord CDueStore::GetDue(const QString& id) const
{
    auto it = m_index.constFind(id);
    if (it == m_index.constEnd())
        return DueRecord();
    return m_slots[size_t(it.value())];
}

bool CDueStore::RemoveDue(const QString& id, bool bTouch)
{
    auto it = m_index.find(id);
    const bool known = it != m_index.end();
    const QString title = known ? m_slots[size_t(it.value())].m_strTitle : id;
    // The file the record came from, whatever its name.
    QByteArray path;
    if (known && !m_files[size_t(it.value())].isEmpty())
        path = LocalPath(m_files[size_t(it.value())]);
    else if (!m_folder.DueFilePath(id).isEmpty())
        path = QFile::encodeName(m_folder.DueFilePath(id));
    if (path.isEmpty()) {
        Error(Texts::tr("Could not delete \"%1\": the record identifier is not usable.").arg(title));
        return false;
    }
    Batch batch;
    QString why;
    int error = 0;
    const bool pending = known && IsOwnPendingName(m_files[size_t(it.value())]);
    if (pending) {
        // A placeholder taken back: nothing to keep durable, and a leftover
        // is swept at the next load.
        if (::unlink(path.constData()) != 0 && errno != ENOENT)
            Error(Texts::tr("Could not delete %1: %2")
                      .arg(QDir::toNativeSeparators(QFile::decodeName(path)),
                           QString::fromLocal8Bit(std::strerror(errno))));
    } else if (!SaveFile::RemoveLocal(path, &why, &error)) {
        if (error == ENOENT)
            why = Texts::tr("the file no longer exists");
        Error(Texts::tr("Could not delete \"%1\" (%2): %3")
                  .arg(title, QDir::toNativeSeparators(QFile::decodeName(path)), why));
        return false;
    }
    m_seen.Removed(QFile::decodeName(path.mid(path.lastIndexOf('/') + 1)));
    if (bTouch)
        (void)TouchPreferences();
    if (known) {
        const int slot = it.value();
        m_index.erase(it);
        Unlink(slot);
    }
    return true;
}

void CDueStore::RemoveAll()
{
    m_seen.Reset(0);
    m_rekeyed.clear();
    m_nextIdTime.clear();
    m_slots.clear();
    m_files.clear();
    m_links.clear();
    m_freeSlots.clear();
    m_heads = MakeHeads();
    m_index.clear();
}

void CDueStore::GetSeriesIds(const QString& seriesId, QStringList& ids) const
{
    ids.clear();
    ForEach([&](const DueRecord& r) {
        if (r.m_strSeriesId == seriesId)
            ids << r.m_strRecId;
    });
}

bool CDueStore::ModifySeries(const DueRecord& record, const ChangeProgress& progress, ChangeOutcome* outcome)
{
    Batch batch; // one sync pass for the whole series
    QStringList ids;
    GetSeriesIds(record.m_strSeriesId, ids);
    QList<DueRecord> members;
    members.reserve(ids.size());
    for (const QString& id : std::as_const(ids)) {
        DueRecord member = GetDue(id);
        if (member.m_strRecId == record.m_strRecId) {
            member = record;
        } else {
            member.m_strTitle = record.m_strTitle;
            member.m_strPayTo = record.m_strPayTo;
            member.m_strAccount = record.m_strAccount;
            member.m_dAmount = record.m_dAmount;
            member.m_nType = record.m_nType;
        }
        members << std::move(member);
    }
    const ChangeOutcome result = ReplaceDues(members, progress);
    if (outcome)
        *outcome = result;
    return result.Complete();
}

bool CDueStore::DeleteSeries(const QString& seriesId, const ChangeProgress& progress, ChangeOutcome* outcome)
{
    Batch batch; // one sync pass for the whole series
    QStringList ids;
    GetSeriesIds(seriesId, ids);
    // The members before a failing one stay deleted, the rest stay.
    const ChangeOutcome result = RemoveDues(ids, true, progress);
    if (outcome)
        *outcome = result;
    return result.Complete();
}

MonthList CDueStore::FillMonthList(const COleDateTime& month, DueFilter filter) const
{
    MonthList list;
    const int year = month.GetYear();
    const int mon = month.GetMonth();
    // From 1900 on, a month is a plain range of date values: [first, next).
    // The half second matches the rounding of the broken-down fields.
    const double first = COleDateTime(year, mon, 1, 0, 0, 0).m_dt;
    const COleDateTime next =
        mon == 12 ? COleDateTime(year + 1, 1, 1, 0, 0, 0) : COleDateTime(year, mon + 1, 1, 0, 0, 0);
    const double end = next.IsValid() ? next.m_dt : COleDateTime::MaxDate;
    const bool plainRange = month.IsValid() && first >= 1.0;
    constexpr double kHalfSecond = 1.0 / 172800.0;
    auto inMonth = [&](const COleDateTime& due) {
        if (plainRange) {
            const double x = due.m_dt + kHalfSecond; // NaN compares false
            return due.m_status == COleDateTime::valid && x >= first && x < end;
        }
        COleDateTime::Parts p;
        return due.GetParts(p) && p.year == year && p.month == mon;
    };
    for (int head : m_heads) {
        for (int i = head; i >= 0; i = m_links[size_t(i)].next) {
            const Link& link = m_links[size_t(i)];
            if ((filter == DueFilter::Paid && !link.paid) || (filter == DueFilter::Unpaid && link.paid))
                continue;
            COleDateTime due;
            due.m_dt = link.due;
            due.m_status = COleDateTime::DateTimeStatus(link.dueStatus);
            if (!inMonth(due))
                continue;
            const DueRecord& r = m_slots[size_t(i)];
            list.rows.append(r);
            (r.m_bPaid ? list.paid : list.unpaid) += r.m_dAmount;
        }
    }
    return list;
}

void CDueStore::FillRangeList(IDueListSink& list, const COleDateTime& from, const COleDateTime& to) const
{
    list.DeleteAllItems();
    ForEach([&](const DueRecord& r) {
        if (!r.m_dtDue.IsValid())
            return;
        if (CompareMonth(r.m_dtDue, from) == -1 || CompareMonth(r.m_dtDue, to) == 1)
            return;
        list.InsertItem(list.GetItemCount(), r.m_strTitle, r.m_strSeriesId.isEmpty() ? 0 : 1, r);
    });
}

int CDueStore::CompareMonth(const COleDateTime& a, const COleDateTime& b)
{
    const int ya = a.GetYear(), yb = b.GetYear();
    if (ya != yb)
        return ya > yb ? 1 : -1;
    const int ma = a.GetMonth(), mb = b.GetMonth();
    if (ma == mb)
        return 0;
    return ma > mb ? 1 : -1;
}

// ---------------------------------------------------------------------------
// Changes to many dues

ChangeOutcome CDueStore::ReplaceDues(const QList<DueRecord>& records, const ChangeProgress& progress)
{
    Batch batch;
    ChangeOutcome out;
    out.total = records.size();
    for (const DueRecord& record : records) {
        if (progress && !progress(out.done, out.total)) {
            out.cancelled = true;
            break;
        }
        // A due that cannot be written keeps what it had, in memory as on disk.
        if (!ReplaceOne(record)) {
            out.failed = true;
            break;
        }
        ++out.done;
    }
    // After a refused write the disk is not asked again for the marker.
    if (out.done > 0 && !out.failed)
        (void)TouchPreferences();
    if (progress && !out.cancelled && !out.failed)
        progress(out.done, out.total);
    return out;
}

ChangeOutcome CDueStore::RemoveDues(const QStringList& ids, bool bTouch, const ChangeProgress& progress)
{
    Batch batch;
    ChangeOutcome out;
    out.total = ids.size();
    for (const QString& id : ids) {
        if (progress && !progress(out.done, out.total)) {
            out.cancelled = true;
            break;
        }
        if (!RemoveDue(id, false)) {
            out.failed = true;
            break;
        }
        ++out.done;
    }
    if (bTouch && out.done > 0 && !out.failed)
        (void)TouchPreferences();
    if (progress && !out.cancelled && !out.failed)
        progress(out.done, out.total);
    return out;
}

bool CDueStore::DiscardDues(const QStringList& ids)
{
    Batch batch;
    bool ok = true;
    for (const QString& id : ids) {
        const QByteArray path = QFile::encodeName(FilePathOf(id));
        if (!path.isEmpty()) {
            // A staged write to the file is dropped; a file already there goes.
            QString why;
            int error = 0;
            if (!SaveFile::RemoveLocal(path, &why, &error) && error != ENOENT) {
                Error(Texts::tr("Could not delete %1: %2")
                          .arg(QDir::toNativeSeparators(QFile::decodeName(path)), why));
                ok = false;
                continue;
            }
            m_seen.Removed(QFile::decodeName(path.mid(path.lastIndexOf('/') + 1)));
        }
        // A placeholder completed in this batch still has its pending file.
        const QByteArray pending = QFile::encodeName(m_folder.PendingFilePath(id));
        if (!pending.isEmpty() && pending != path)
            (void)::unlink(pending.constData()); // else swept at the next load
        Forget(id);
    }
    return ok;
}

void CDueStore::Forget(const QString& id)
{
    const auto it = m_index.find(id);
    if (it == m_index.end())
        return;
    const int slot = it.value();
    m_index.erase(it);
    Unlink(slot);
}

// ---------------------------------------------------------------------------
// Changes made by other programs

QString CDueStore::FilePathOf(const QString& recId) const
{
    const auto it = m_index.constFind(recId);
    if (it != m_index.constEnd() && !m_files[size_t(it.value())].isEmpty() && !m_folder.IsEmpty())
        return QFile::decodeName(LocalPath(m_files[size_t(it.value())]));
    return m_folder.DueFilePath(recId);
}

bool CDueStore::Rescan()
{
    // A data folder that is not there (a drive taken away) is not taken for
    // one without dues: what it held stays listed until a load says more.
    if (m_folder.IsEmpty() || !QFileInfo(m_folder.Path()).isDir())
        return false;
    QStringList changed, removed;
    m_seen.Compare(m_folder.Path(), changed, removed);
    // The file a stored due lives in, by name.
    auto fileOf = [this](const QString& id) {
        const auto it = m_index.constFind(id);
        return it == m_index.constEnd() ? QString() : QFile::decodeName(m_files[size_t(it.value())]);
    };
    bool any = false;
    for (const QString& name : std::as_const(removed)) {
        const QString id = m_seen.IdOf(name);
        if (!id.isEmpty() && fileOf(id) == name) {
            Forget(id);
            any = true;
        }
        m_seen.Removed(name);
    }
    for (const QString& name : std::as_const(changed)) {
        DueFolderReader reader;
        DueRecord record(Qt::Uninitialized);
        // A file that cannot be read now (half copied, malformed) keeps what
        // was known of it; the next change or load reads it again.
        if (!reader.ReadFile(m_folder.Path() + QLatin1Char('/') + name, record))
            continue;
        const QString before = m_seen.IdOf(name);
        if (!before.isEmpty() && before != record.m_strRecId && fileOf(before) == name) {
            Forget(before);
            any = true;
        }
        m_seen.Loaded(name, record.m_strRecId);
        const auto it = m_index.constFind(record.m_strRecId);
        if (it != m_index.constEnd() && m_slots[size_t(it.value())] == record)
            continue; // touched, not changed
        Store(std::move(record), QFile::encodeName(name));
        any = true;
    }
    return any;
}

QStringList CDueStore::TakeSweptFiles()
{
    QStringList swept = m_swept;
    m_swept.clear();
    return swept;
}

QStringList CDueStore::TakeErrors()
{
    QStringList errors = m_errors;
    m_errors.clear();
    return errors;
}

bool DueListLess(const DueRecord& a, const DueRecord& b)
{
    if (a.m_dtDue != b.m_dtDue) {
        if (a.m_dtDue.IsValid() != b.m_dtDue.IsValid())
            return a.m_dtDue.IsValid(); // dates that are not valid go last
        if (a.m_dtDue < b.m_dtDue)
            return true;
        if (b.m_dtDue < a.m_dtDue)
            return false;
    }
    return a.m_strRecId < b.m_strRecId;
}
