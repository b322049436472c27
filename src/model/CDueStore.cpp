#include "model/CDueStore.h"

#include "model/Clock.h"
#include "model/DueFile.h"
#include "model/DueFolderReader.h"
#include "model/Identifiers.h"
#include "model/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

CDueStore theDueStore;

int CDueStore::BucketOf(const QString& id)
{
    quint32 h = 0;
    const QByteArray bytes = id.toLatin1();
    for (char c : bytes)
        h = h * 33u + quint32(qint32(static_cast<signed char>(c)));
    return int(h % kBuckets);
}

void CDueStore::SetFolder(const DataFolder& folder)
{
    m_folder = folder;
}

void CDueStore::LoadAll()
{
    (void)m_folder.Create(); // a folder that cannot be made lists empty; writes say why
    ScanFolder();
}

void CDueStore::ScanFolder()
{
    RemoveAll();
    m_loadProblems.clear();
    if (m_folder.IsEmpty())
        return;
    m_files.Reset(DueFileIndex::FileClockNowNs());
    DueFolderReader reader;
    const qsizetype n = reader.ReadFolder(m_folder.Path(), [this](DueRecord&& record, const QString& name) {
        m_files.Loaded(name, record.m_strRecId);
        Store(std::move(record));
    });
    Q_UNUSED(n);
    m_loadProblems = reader.Problems();
}

bool CDueStore::LoadDueFile(const QString& path)
{
    DueFolderReader reader;
    DueRecord record(Qt::Uninitialized);
    if (!reader.ReadFile(path, record)) {
        m_loadProblems << reader.Problems();
        return false;
    }
    Store(std::move(record));
    return true;
}

bool CDueStore::SaveDueFile(const DueRecord& record, bool bTouch)
{
    const QString path = FilePathOf(record.m_strRecId);
    if (path.isEmpty()) {
        Error(QStringLiteral("Could not save \"%1\": the record identifier is not usable.")
                  .arg(record.m_strTitle));
        return false;
    }
    QString why;
    if (!SaveFile::Write(path, DueFile::Serialize(record), &why)) {
        // A placeholder of a new series has no title yet: name the file alone.
        if (record.m_strTitle.isEmpty())
            Error(QStringLiteral("Could not save %1: %2").arg(QDir::toNativeSeparators(path), why));
        else
            Error(QStringLiteral("Could not save \"%1\" to %2: %3")
                      .arg(record.m_strTitle, QDir::toNativeSeparators(path), why));
        return false;
    }
    m_files.Written(m_folder.Path(), QFileInfo(path).fileName(), record.m_strRecId);
    if (bTouch)
        return TouchPreferences();
    return true;
}

bool CDueStore::TouchPreferences()
{
    const QString path = m_folder.PreferencesPath();
    QString why;
    if (!SaveFile::Write(path, DueFile::PreferencesBytes(), &why)) {
        Error(QStringLiteral("Could not write %1: %2").arg(QDir::toNativeSeparators(path), why));
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
        if (!m_index.contains(id) && !QFileInfo::exists(m_folder.DueFilePath(id))) {
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

QString CDueStore::AddDue(DueRecord record)
{
    QString id;
    bool touch;
    if (!record.m_strSeriesId.isEmpty()) {
        const int n = m_nSeriesCounter + 1;
        m_nSeriesCounter = n;
        id = UniqueRecordId(n);
        if (m_nSeriesCounter == 99)
            m_nSeriesCounter = 0;
        touch = false;
    } else {
        id = UniqueRecordId(0);
        touch = true;
    }
    record.m_strRecId = id;
    (void)SaveDueFile(record, touch);
    Store(record);
    return id;
}

bool CDueStore::ReplaceDue(const DueRecord& record)
{
    const bool ok = SaveDueFile(record, true);
    if (IsSafeRecordId(record.m_strRecId))
        Store(record);
    return ok;
}

void CDueStore::Store(DueRecord record)
{
    const Link keys{record.m_dtDue.m_dt, qint32(record.m_dtDue.m_status), record.m_bPaid, -1, -1};
    auto it = m_index.constFind(record.m_strRecId);
    if (it != m_index.constEnd()) {
        // Overwrite in place: the walk order stays.
        const size_t slot = size_t(it.value());
        m_slots[slot] = std::move(record);
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
        m_links[size_t(slot)] = keys;
    } else {
        slot = int(m_slots.size());
        m_slots.push_back(std::move(record));
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
    const QString path = FilePathOf(id);
    auto it = m_index.find(id);
    const QString title = it != m_index.end() ? m_slots[size_t(it.value())].m_strTitle : id;
    if (path.isEmpty()) {
        Error(QStringLiteral("Could not delete \"%1\": the record identifier is not usable.").arg(title));
        return false;
    }
    QFile file(path);
    if (!file.remove()) {
        const QString why =
            QFileInfo::exists(path) ? file.errorString() : QStringLiteral("the file no longer exists");
        Error(QStringLiteral("Could not delete \"%1\" (%2): %3")
                  .arg(title, QDir::toNativeSeparators(path), why));
        return false;
    }
    m_files.Removed(QFileInfo(path).fileName());
    if (bTouch)
        (void)TouchPreferences();
    if (it != m_index.end()) {
        const int slot = it.value();
        m_index.erase(it);
        Unlink(slot);
    }
    return true;
}

void CDueStore::RemoveAll()
{
    m_files.Reset(0);
    m_nextIdTime.clear();
    m_slots.clear();
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
    ChangeOutcome out;
    out.total = records.size();
    for (const DueRecord& record : records) {
        if (progress && !progress(out.done, out.total)) {
            out.cancelled = true;
            break;
        }
        // A due that cannot be written keeps what it had, in memory as on disk.
        if (!SaveDueFile(record, false)) {
            out.failed = true;
            break;
        }
        Store(record);
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
    bool ok = true;
    for (const QString& id : ids) {
        const QString path = FilePathOf(id);
        if (!path.isEmpty()) {
            QFile file(path);
            if (file.exists() && !file.remove()) {
                Error(QStringLiteral("Could not delete %1: %2")
                          .arg(QDir::toNativeSeparators(path), file.errorString()));
                ok = false;
                continue;
            }
            m_files.Removed(QFileInfo(path).fileName());
        }
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
    const QString name = m_files.FileOf(recId);
    if (!name.isEmpty() && !m_folder.IsEmpty())
        return m_folder.Path() + QLatin1Char('/') + name;
    return m_folder.DueFilePath(recId);
}

bool CDueStore::Rescan()
{
    // A data folder that is not there (a drive taken away) is not taken for
    // one without dues: what it held stays listed until a load says more.
    if (m_folder.IsEmpty() || !QFileInfo(m_folder.Path()).isDir())
        return false;
    QStringList changed, removed;
    m_files.Compare(m_folder.Path(), changed, removed);
    bool any = false;
    for (const QString& name : std::as_const(removed)) {
        const QString id = m_files.IdOf(name);
        if (!id.isEmpty() && m_files.FileOf(id) == name && Contains(id)) {
            Forget(id);
            any = true;
        }
        m_files.Removed(name);
    }
    for (const QString& name : std::as_const(changed)) {
        DueFolderReader reader;
        DueRecord record(Qt::Uninitialized);
        // A file that cannot be read now (half copied, malformed) keeps what
        // was known of it; the next change or load reads it again.
        if (!reader.ReadFile(m_folder.Path() + QLatin1Char('/') + name, record))
            continue;
        const QString before = m_files.IdOf(name);
        if (!before.isEmpty() && before != record.m_strRecId && m_files.FileOf(before) == name &&
            Contains(before)) {
            Forget(before);
            any = true;
        }
        m_files.Loaded(name, record.m_strRecId);
        const auto it = m_index.constFind(record.m_strRecId);
        if (it != m_index.constEnd() && m_slots[size_t(it.value())] == record)
            continue; // touched, not changed
        Store(std::move(record));
        any = true;
    }
    return any;
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
