#include "model/CDueStore.h"

#include "app/CTallyvaneApp.h"
#include "model/Clock.h"
#include "model/DueFile.h"
#include "model/Identifiers.h"
#include "model/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <thread>
#include <vector>

CDueStore theDueStore;

int CDueStore::BucketOf(const QString& id)
{
    quint32 h = 0;
    const QByteArray bytes = id.toLatin1();
    for (char c : bytes)
        h = h * 33u + quint32(qint32(static_cast<signed char>(c)));
    return int(h % kBuckets);
}

void CDueStore::LoadAll()
{
    theApp.CreateDataFolder();
    ScanFolder();
}

namespace {

struct LoadedFile
{
    DueRecord record;
    QString problem; // empty when the record is sound
};

// Reads and parses one due file; never throws, never allocates more than the file holds.
void ReadDueFile(const QString& path, LoadedFile& out)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        out.problem = QStringLiteral("%1: %2").arg(name, file.errorString());
        return;
    }
    const qint64 size = file.size();
    if (size > DueFile::kMaxDueFileSize) {
        out.problem = QStringLiteral("%1: the file is too large to be a due").arg(name);
        return;
    }
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    const qint64 got = size > 0 ? file.read(bytes.data(), size) : 0;
    if (got != size) {
        out.problem = QStringLiteral("%1: %2").arg(name, got < 0 ? file.errorString() : QStringLiteral("the file changed while it was read"));
        return;
    }
    QString why;
    if (!DueFile::Parse(bytes, out.record, &why)) {
        out.problem = QStringLiteral("%1: %2").arg(name, why);
        return;
    }
    // The identifier names the file that Delete removes: it must stay a plain name.
    if (!IsSafeRecordId(out.record.m_strRecId))
        out.problem = QStringLiteral("%1: the record identifier is not usable").arg(name);
}

} // namespace

void CDueStore::ScanFolder()
{
    RemoveAll();
    m_loadProblems.clear();
    if (theApp.m_strWorkDir.isEmpty())
        return;
    const QDir dir(theApp.GetDataFolder());
    // Name order keeps loading repeatable: the later of two files with one
    // identifier wins, and the walk order depends on the order of insertion.
    const QStringList names =
        dir.entryList({QStringLiteral("*.due")}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    std::vector<LoadedFile> loaded(size_t(names.size()));

    // Reading is mostly waiting for the file system; two threads keep it busy.
    auto work = [&](size_t from, size_t to) {
        for (size_t i = from; i < to; ++i)
            ReadDueFile(dir.filePath(names.at(qsizetype(i))), loaded[i]);
    };
    const size_t n = loaded.size();
    if (n >= 64) {
        std::thread helper(work, n / 2, n);
        work(0, n / 2);
        helper.join();
    } else {
        work(0, n);
    }
    m_index.reserve(qsizetype(n));
    for (LoadedFile& f : loaded) {
        if (f.problem.isEmpty())
            Store(std::move(f.record));
        else
            m_loadProblems << f.problem;
    }
}

bool CDueStore::LoadDueFile(const QString& path)
{
    LoadedFile f;
    ReadDueFile(path, f);
    if (!f.problem.isEmpty()) {
        m_loadProblems << f.problem;
        return false;
    }
    Store(f.record);
    return true;
}

bool CDueStore::SaveDueFile(const DueRecord& record, bool bTouch)
{
    const QString path = theApp.GetDueFilePath(record.m_strRecId);
    if (path.isEmpty()) {
        Error(QStringLiteral("Could not save \"%1\": the record identifier is not usable.").arg(record.m_strTitle));
        return false;
    }
    QString why;
    if (!SaveFile::Write(path, DueFile::Serialize(record), &why)) {
        Error(QStringLiteral("Could not save \"%1\" to %2: %3").arg(record.m_strTitle, QDir::toNativeSeparators(path), why));
        return false;
    }
    if (bTouch)
        return TouchPreferences();
    return true;
}

bool CDueStore::TouchPreferences()
{
    const QString path = theApp.GetPreferencesPath();
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
        if (!m_index.contains(id) && !QFileInfo::exists(theApp.GetDueFilePath(id))) {
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
    SaveDueFile(record, touch);
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
    auto it = m_index.find(record.m_strRecId);
    if (it != m_index.end()) {
        *it.value() = std::move(record); // overwrite in place: the walk order stays
        return;
    }
    Bucket& bucket = m_buckets[size_t(BucketOf(record.m_strRecId))];
    bucket.push_front(std::move(record));
    m_index.insert(bucket.front().m_strRecId, bucket.begin());
}

DueRecord CDueStore::GetDue(const QString& id) const
{
    auto it = m_index.constFind(id);
    if (it == m_index.constEnd())
        return DueRecord();
    return *it.value();
}

bool CDueStore::RemoveDue(const QString& id, bool bTouch)
{
    const QString path = theApp.GetDueFilePath(id);
    auto it = m_index.find(id);
    const QString title = it != m_index.end() ? it.value()->m_strTitle : id;
    if (path.isEmpty()) {
        Error(QStringLiteral("Could not delete \"%1\": the record identifier is not usable.").arg(title));
        return false;
    }
    QFile file(path);
    if (!file.remove()) {
        const QString why = QFileInfo::exists(path) ? file.errorString()
                                                    : QStringLiteral("the file no longer exists");
        Error(QStringLiteral("Could not delete \"%1\" (%2): %3").arg(title, QDir::toNativeSeparators(path), why));
        return false;
    }
    if (bTouch)
        TouchPreferences();
    if (it != m_index.end()) {
        m_buckets[size_t(BucketOf(id))].erase(it.value());
        m_index.erase(it);
    }
    return true;
}

void CDueStore::RemoveAll()
{
    m_nextIdTime.clear();
    for (auto& bucket : m_buckets)
        bucket.clear();
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

bool CDueStore::ModifySeries(const DueRecord& record)
{
    QStringList ids;
    GetSeriesIds(record.m_strSeriesId, ids);
    bool ok = true;
    for (const QString& id : ids) {
        DueRecord member = GetDue(id);
        if (member.m_strRecId == record.m_strRecId) {
            ok = ReplaceDue(record) && ok;
        } else {
            member.m_strTitle = record.m_strTitle;
            member.m_strPayTo = record.m_strPayTo;
            member.m_strAccount = record.m_strAccount;
            member.m_dAmount = record.m_dAmount;
            member.m_nType = record.m_nType;
            ok = ReplaceDue(member) && ok;
        }
    }
    return ok;
}

bool CDueStore::DeleteSeries(const QString& seriesId)
{
    QStringList ids;
    GetSeriesIds(seriesId, ids);
    for (const QString& id : ids) {
        if (!RemoveDue(id, true))
            return false; // the members before stay deleted, the rest stay
    }
    return true;
}

void CDueStore::FillMonthList(const COleDateTime& month, IDueListSink& list, int filter) const
{
    list.DeleteAllItems();
    double total = 0.0, paid = 0.0, unpaid = 0.0;
    const int year = month.GetYear();
    const int mon = month.GetMonth();
    ForEach([&](const DueRecord& r) {
        if (filter == 1 && !r.m_bPaid)
            return;
        if (filter == 2 && r.m_bPaid)
            return;
        COleDateTime::Parts p;
        if (!r.m_dtDue.GetParts(p) || p.year != year || p.month != mon)
            return;
        list.InsertItem(list.GetItemCount(), QString(), 0, r);
        total += r.m_dAmount;
        (r.m_bPaid ? paid : unpaid) += r.m_dAmount;
    });
    theApp.m_strTotalText = QStringLiteral("Total : %1").arg(theApp.FormatCurrency(AmountText(total)));
    theApp.m_strPaidText = QStringLiteral("Paid : %1").arg(theApp.FormatCurrency(AmountText(paid)));
    theApp.m_strUnpaidText = QStringLiteral("Unpaid : %1").arg(theApp.FormatCurrency(AmountText(unpaid)));
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
