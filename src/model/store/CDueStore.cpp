#include "model/store/CDueStore.h"

#include "model/base/Clock.h"
#include "model/store/DueFile.h"
#include "model/store/DueFileIndex.h"
#include "model/store/DueFolderReader.h"
#include "model/store/Identifiers.h"
#include "model/store/RecordArena.h"
#include "model/store/SaveFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
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

using Key = QVarLengthArray<char, 40>;

// A record identifier as the first field of its due file holds it: the key
// the store finds records by.
Key KeyOf(const QString& id)
{
    Key key;
    bool ascii = id.size() < 255;
    for (QChar c : id)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii) {
        key.resize(id.size() + 1);
        key[0] = char(id.size());
        for (qsizetype i = 0; i < id.size(); ++i)
            key[i + 1] = char(id.at(i).unicode());
        return key;
    }
    QByteArray field;
    DueFile::AppendString(field, id);
    key.append(field.constData(), field.size());
    return key;
}

// The bytes of the first field (the identifier) of a due file's bytes.
QByteArrayView KeyField(const char* data, quint32 size)
{
    const auto* b = reinterpret_cast<const unsigned char*>(data);
    auto u16 = [&](quint32 at) { return quint32(b[at] | (b[at + 1] << 8)); };
    auto u32 = [&](quint32 at) { return u16(at) | (u16(at + 2) << 16); };
    // Length prefixes as DueFile writes them (the bytes are checked already).
    quint32 at = 0, width = 1;
    auto length = [&]() -> quint32 {
        if (b[at] < 0xFF) {
            at += 1;
            return b[at - 1];
        }
        if (u16(at + 1) == 0xFFFF) {
            at += 7;
            return u32(at - 4);
        }
        at += 3;
        return u16(at - 2);
    };
    if (size >= 3 && b[0] == 0xFF && u16(1) == 0xFFFE) {
        at = 3;
        width = 2;
    }
    const quint32 n = length();
    return QByteArrayView(data, qsizetype(at + n * width));
}

// Whether a string field is one-byte text of ASCII characters only, with a
// one-byte length prefix: then its characters are its bytes after the prefix.
bool IsShortAscii(QByteArrayView field)
{
    const auto* b = reinterpret_cast<const unsigned char*>(field.data());
    bool ascii = !field.isEmpty() && b[0] < 0xFF && qsizetype(b[0]) + 1 == field.size();
    for (qsizetype i = 1; ascii && i < field.size(); ++i)
        ascii = b[i] < 0x80;
    return ascii;
}

size_t HashKey(QByteArrayView key)
{
    return qHashBits(key.data(), size_t(key.size()), 0x9e3779b9u);
}

// The walk's bucket of a record by its key: the identifier's characters,
// read as Latin-1, in BucketOf's hash.
int BucketOfKey(QByteArrayView key)
{
    const auto length = qsizetype(static_cast<unsigned char>(key.at(0)));
    if (length < 0xFF && key.size() == length + 1) {
        bool ascii = true;
        quint32 h = 0;
        for (qsizetype i = 1; i <= length && ascii; ++i) {
            ascii = static_cast<unsigned char>(key.at(i)) < 0x80;
            h = h * 33u + quint32(qint32(static_cast<signed char>(key.at(i))));
        }
        if (ascii)
            return int(h % CDueStore::kBuckets);
    }
    DueRecord r(Qt::Uninitialized);
    // A key is a whole first field; the rest of a record is not needed.
    QByteArray bytes = key.toByteArray();
    bytes.append(QByteArray(60, '\0'));
    (void)DueFile::Parse(bytes, r, nullptr);
    return CDueStore::BucketOf(r.m_strRecId);
}

} // namespace

// What the store holds: every record as the bytes of its due file (as
// DueFile::Serialize writes them), packed in an arena; beside each, what a
// month listing reads (due date, paid flag) and its place in the walk. A
// record is made from its bytes where one is asked for; texts are not kept
// as QStrings, which would take several times the room.
struct DueStoreContents
{
    using Entry = DueFolderReader::Entry;
    enum FileKind : quint8
    {
        kNoFile,
        kOwnName,  // "duedate<id>.due"
        kOtherName // the name is in otherFiles
    };
    struct Chain
    {
        int prev = -1;
        int next = -1;
        FileKind file = kNoFile;
        qint8 bucket = -1; // -1: a free slot
    };

    std::vector<Entry> records;
    std::vector<Chain> chain;
    std::vector<int> freeSlots;
    std::array<int, CDueStore::kBuckets> heads = MakeHeads();
    RecordArena arena;
    QHash<int, QByteArray> otherFiles; // slot -> the file's name in the folder, as its bytes
    DueFileIndex seen;                 // what each file looked like when last read or written, for Rescan
    QStringList loadProblems;
    QStringList swept;
    QStringList recovery;
    // Second files holding a due's identifier: identifier -> their names.
    QHash<QString, QStringList> conflicts;

    // Open addressing over slot numbers, keyed by the identifier field.
    std::vector<int> table; // -1 empty, -2 removed
    size_t count = 0;
    size_t used = 0; // count plus removed marks

    static constexpr std::array<int, CDueStore::kBuckets> MakeHeads()
    {
        std::array<int, CDueStore::kBuckets> h{};
        for (int& x : h)
            x = -1;
        return h;
    }

    QByteArrayView KeyOfSlot(int slot) const
    {
        const Entry& e = records[size_t(slot)];
        return KeyField(e.data, e.size);
    }

    int Find(QByteArrayView key) const
    {
        if (table.empty())
            return -1;
        const size_t mask = table.size() - 1;
        for (size_t i = HashKey(key) & mask;; i = (i + 1) & mask) {
            const int slot = table[i];
            if (slot == -1)
                return -1;
            if (slot >= 0 && KeyOfSlot(slot) == key)
                return slot;
        }
    }

    void Insert(int slot)
    {
        if ((used + 1) * 2 > table.size())
            Rehash(std::max<size_t>(64, std::bit_ceil((count + 1) * 4)));
        const size_t mask = table.size() - 1;
        size_t i = HashKey(KeyOfSlot(slot)) & mask;
        while (table[i] >= 0)
            i = (i + 1) & mask;
        if (table[i] == -1)
            ++used;
        table[i] = slot;
        ++count;
    }

    void Erase(int slot)
    {
        const size_t mask = table.size() - 1;
        for (size_t i = HashKey(KeyOfSlot(slot)) & mask;; i = (i + 1) & mask) {
            if (table[i] == slot) {
                table[i] = -2;
                --count;
                return;
            }
            if (table[i] == -1)
                return;
        }
    }

    void Rehash(size_t size)
    {
        std::vector<int> old = std::move(table);
        table.assign(size, -1);
        count = used = 0;
        for (int slot : old) {
            if (slot >= 0)
                Insert(slot);
        }
    }

    // Links a slot at the head of its bucket and into the index.
    void Link(int slot)
    {
        const int bucket = BucketOfKey(KeyOfSlot(slot));
        Chain& c = chain[size_t(slot)];
        c.bucket = qint8(bucket);
        c.prev = -1;
        c.next = heads[size_t(bucket)];
        if (c.next >= 0)
            chain[size_t(c.next)].prev = slot;
        heads[size_t(bucket)] = slot;
        Insert(slot);
    }

    void Unlink(int slot)
    {
        Erase(slot);
        Chain& c = chain[size_t(slot)];
        if (c.prev >= 0)
            chain[size_t(c.prev)].next = c.next;
        else
            heads[size_t(c.bucket)] = c.next;
        if (c.next >= 0)
            chain[size_t(c.next)].prev = c.prev;
        Entry& e = records[size_t(slot)];
        arena.Release(e.data, e.size);
        e = Entry{};
        c = Chain{};
        otherFiles.remove(slot);
        freeSlots.push_back(slot);
    }

    // The own file name of a slot's record ("duedate<id>.due", as bytes).
    QByteArray OwnName(int slot) const
    {
        const QByteArrayView key = KeyOfSlot(slot);
        const auto length = qsizetype(static_cast<unsigned char>(key.at(0)));
        bool ascii = length < 0xFF && key.size() == length + 1;
        for (qsizetype i = 1; ascii && i <= length; ++i)
            ascii = static_cast<unsigned char>(key.at(i)) < 0x80;
        if (ascii)
            return "duedate" + key.sliced(1).toByteArray() + ".due";
        DueRecord r(Qt::Uninitialized);
        const Entry& e = records[size_t(slot)];
        (void)DueFile::Parse(QByteArray::fromRawData(e.data, qsizetype(e.size)), r, nullptr);
        return QFile::encodeName(DataFolder::DueFileName(r.m_strRecId));
    }

    bool IsOwnName(int slot, QByteArrayView name) const
    {
        const QByteArrayView key = KeyOfSlot(slot);
        const auto length = qsizetype(static_cast<unsigned char>(key.at(0)));
        if (length < 0xFF && key.size() == length + 1 && name.size() == length + 11 &&
            name.startsWith("duedate") && name.endsWith(".due") && name.sliced(7, length) == key.sliced(1)) {
            return true;
        }
        const QByteArray own = OwnName(slot);
        return !own.isEmpty() && name == own;
    }

    void SetFile(int slot, const QByteArray& name)
    {
        Chain& c = chain[size_t(slot)];
        if (name.isEmpty()) {
            c.file = kNoFile;
            otherFiles.remove(slot);
        } else if (IsOwnName(slot, name)) {
            c.file = kOwnName;
            otherFiles.remove(slot);
        } else {
            c.file = kOtherName;
            otherFiles.insert(slot, name);
        }
    }

    QByteArray FileOf(int slot) const
    {
        switch (chain[size_t(slot)].file) {
        case kOwnName:
            return OwnName(slot);
        case kOtherName:
            return otherFiles.value(slot);
        default:
            return {};
        }
    }

    // Copies the live records into a fresh arena once replaced ones take
    // more room than they do.
    void CompactIfWasteful()
    {
        if (arena.GarbageBytes() < 256 * 1024 || arena.GarbageBytes() < arena.LiveBytes())
            return;
        RecordArena fresh;
        for (Entry& e : records) {
            if (!e.data)
                continue;
            char* p = fresh.Allocate(e.size);
            std::memcpy(p, e.data, e.size);
            e.data = p;
        }
        arena = std::move(fresh);
    }
};

void DueStoreContentsDeleter::operator()(DueStoreContents* contents) const
{
    delete contents;
}

CDueStore::CDueStore() : m_c(DueStoreContentsPtr(new DueStoreContents)) {}

CDueStore::~CDueStore() = default;

int CDueStore::GetCount() const
{
    return int(m_c->count);
}

int CDueStore::Find(const QString& id) const
{
    const Key key = KeyOf(id);
    return m_c->Find(QByteArrayView(key.constData(), key.size()));
}

DueRecord CDueStore::Record(int slot) const
{
    const DueFolderReader::Entry& e = m_c->records[size_t(slot)];
    DueRecord r(Qt::Uninitialized);
    (void)DueFile::Parse(QByteArray::fromRawData(e.data, qsizetype(e.size)), r, nullptr);
    return r;
}

QByteArray CDueStore::FileOf(int slot) const
{
    return m_c->FileOf(slot);
}

void CDueStore::Walk(const std::function<void(int)>& f) const
{
    for (int head : m_c->heads)
        for (int i = head; i >= 0; i = m_c->chain[size_t(i)].next)
            f(i);
}

void CDueStore::FillBrief(int slot, DueBrief& brief) const
{
    const DueFolderReader::Entry& e = m_c->records[size_t(slot)];
    brief.paid = e.paid != 0;
    brief.due.m_dt = e.due;
    brief.due.m_status = COleDateTime::DateTimeStatus(e.dueStatus);
    const DueStoreContents::FileKind file = m_c->chain[size_t(slot)].file;
    brief.placeholder = file == DueStoreContents::kNoFile || (file == DueStoreContents::kOtherName &&
                                                              IsOwnPendingName(m_c->otherFiles.value(slot)));
    // Identifiers are ASCII digits as a rule: read straight from the key.
    const QByteArrayView key = m_c->KeyOfSlot(slot);
    brief.recId =
        IsShortAscii(key) ? QString::fromLatin1(key.data() + 1, key.size() - 1) : Record(slot).m_strRecId;
}

void CDueStore::ForEachBrief(const std::function<void(const DueBrief&)>& f) const
{
    DueBrief state;
    Walk([&](int slot) {
        FillBrief(slot, state);
        f(state);
    });
}

void CDueStore::SetFolder(const DataFolder& folder, bool writer)
{
    m_folder = folder;
    m_writer = writer && !folder.IsEmpty();
    if (m_writer)
        SaveFile::GuardFolder(QFile::encodeName(folder.Path()));
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

namespace {

// What a list of due files' bytes held, for a message: each series once
// with its count, each single due by its title.
QString NameDues(const QList<QByteArray>& files, bool withCounts)
{
    QStringList named;
    QHash<QString, int> seriesCount;
    QHash<QString, QString> seriesTitle;
    QStringList seriesOrder;
    for (const QByteArray& bytes : files) {
        DueRecord r(Qt::Uninitialized);
        if (bytes.isEmpty() || !DueFile::Parse(bytes, r, nullptr))
            continue;
        if (r.m_strSeriesId.isEmpty()) {
            named << QStringLiteral("\"%1\"").arg(ShownText(r.m_strTitle, 40));
            continue;
        }
        if (!seriesCount.contains(r.m_strSeriesId)) {
            seriesOrder << r.m_strSeriesId;
            seriesTitle.insert(r.m_strSeriesId, r.m_strTitle);
        }
        ++seriesCount[r.m_strSeriesId];
    }
    // A finished change names its series alone: the files it finished may
    // be only the last of them.
    for (const QString& series : std::as_const(seriesOrder))
        named.prepend(withCounts
                          ? Texts::tr("the series \"%1\" (%n due(s))", nullptr, seriesCount.value(series))
                                .arg(ShownText(seriesTitle.value(series), 40))
                          : Texts::tr("the series \"%1\"").arg(ShownText(seriesTitle.value(series), 40)));
    if (named.size() > 6) {
        const qsizetype more = named.size() - 5;
        named = named.mid(0, 5);
        named << Texts::tr("%n more", nullptr, int(more));
    }
    return named.join(QStringLiteral(", "));
}

// Finishes or takes back what writers that are gone left in the folder (see
// SaveFile::FinishInterrupted), and removes the pending placeholders older
// versions of the program wrote for a series being made.
void Sweep(const QString& folder, QStringList& swept, QStringList& recovery, QStringList& problems)
{
    const QByteArray dir = QFile::encodeName(folder);
    SaveFile::Interrupted done = SaveFile::FinishInterrupted(dir);
    problems << done.problems;
    if (!done.finished.isEmpty()) {
        QList<QByteArray> files;
        int removed = 0;
        for (const QByteArray& name : std::as_const(done.finished)) {
            QFile file(QFile::decodeName(dir + '/' + name));
            if (file.open(QIODevice::ReadOnly))
                files << file.read(1 << 20);
            else if (name.endsWith(".due"))
                ++removed;
        }
        QString what = NameDues(files, false);
        if (removed > 0)
            what += (what.isEmpty() ? QString() : QStringLiteral(", ")) +
                    Texts::tr("%n due(s) deleted", nullptr, removed);
        if (what.isEmpty())
            what = Texts::tr("%n file(s)", nullptr, int(done.finished.size()));
        recovery << Texts::tr("A change that a crash interrupted was finished: %1.").arg(what);
    }
    if (!done.rolledBack.isEmpty()) {
        QString what = NameDues(done.rolledBackData, true);
        if (what.isEmpty())
            what = Texts::tr("%n unfinished file(s)", nullptr, int(done.rolledBack.size()));
        recovery << Texts::tr("A change that a crash interrupted was taken back, as if it had not begun: %1.")
                        .arg(what);
        for (const auto& pair : std::as_const(done.rolledBack))
            swept << ShownFileName(pair.first);
    }
    if (done.bulkFinished > 0)
        recovery << Texts::tr("A change that a crash interrupted was finished: %1.")
                        .arg(Texts::tr("%n due(s) added", nullptr,
                                       int(std::min<qint64>(done.bulkFinished, INT_MAX))));
    if (done.bulkRolledBack > 0)
        recovery << Texts::tr("A change that a crash interrupted was taken back, as if it had not begun: %1.")
                        .arg(Texts::tr("%n due(s) not added", nullptr,
                                       int(std::min<qint64>(done.bulkRolledBack, INT_MAX))));
    DIR* d = ::opendir(dir.constData());
    if (!d)
        return;
    QList<QByteArray> names;
    while (const dirent* e = ::readdir(d)) {
        const QByteArray name(e->d_name);
        if (IsOwnPendingName(name))
            names << name;
    }
    ::closedir(d);
    std::sort(names.begin(), names.end());
    for (const QByteArray& name : std::as_const(names)) {
        const QByteArray path = dir + '/' + name;
        if (::unlink(path.constData()) == 0 || errno == ENOENT)
            swept << ShownFileName(name);
        else
            problems << Texts::tr("%1: a leftover of an interrupted save that could not be removed: %2")
                            .arg(ShownFileName(name), QString::fromLocal8Bit(std::strerror(errno)));
    }
}

QString RecordIdOf(const DueFolderReader::Entry& e)
{
    DueRecord r(Qt::Uninitialized);
    (void)DueFile::Parse(QByteArray::fromRawData(e.data, qsizetype(e.size)), r, nullptr);
    return r.m_strRecId;
}

} // namespace

DueStoreContentsPtr CDueStore::ReadFolder(const DataFolder& folder, bool sweep)
{
    DueStoreContentsPtr c(new DueStoreContents);
    if (folder.IsEmpty())
        return c;
    c->seen.Reset(DueFileIndex::FileClockNowNs());
    const QString path = folder.Path();
    if (sweep)
        Sweep(path, c->swept, c->recovery, c->loadProblems);
    DueFolderReader reader;
    DueFolderReader::Names names;
    reader.ReadFolder(path, names, c->records, c->arena);
    // In name order, as the walk wants them: a later file of the same
    // identifier meets the earlier one here.
    const size_t n = c->records.size();
    c->chain.assign(n, DueStoreContents::Chain{});
    std::vector<bool> own(n, false);
    for (size_t i = 0; i < n; ++i) {
        const int slot = int(i);
        const QByteArrayView name = names.at(qsizetype(i));
        DueFolderReader::Entry& e = c->records[i];
        if (!e.data) {
            c->freeSlots.push_back(slot);
            continue;
        }
        const int existing = c->Find(c->KeyOfSlot(slot));
        const bool ownName = c->IsOwnName(slot, name);
        if (!ownName)
            c->seen.Loaded(QFile::decodeName(name.toByteArray()), RecordIdOf(e));
        own[i] = ownName;
        if (existing < 0) {
            c->Link(slot);
            c->SetFile(slot, name.toByteArray());
            continue;
        }
        // Two files, one identifier: the file that bears the identifier's own
        // name is listed; the other is named, never hidden silently.
        QByteArray listed = c->FileOf(existing);
        QByteArray skipped = name.toByteArray();
        if (ownName) {
            std::swap(listed, skipped);
            DueFolderReader::Entry& kept = c->records[size_t(existing)];
            c->arena.Release(kept.data, kept.size);
            kept = e; // in place: the walk order stays
            c->SetFile(existing, listed);
        } else {
            c->arena.Release(e.data, e.size);
        }
        e = DueFolderReader::Entry{};
        c->freeSlots.push_back(slot);
        // A conflict, not a problem of the file: Conflicts() names it.
        c->conflicts[RecordIdOf(c->records[size_t(existing)])] << QFile::decodeName(skipped);
    }
    c->seen.SetLoaded(std::move(names.bytes), std::move(names.ends), std::move(own));
    c->loadProblems << reader.Problems();
    return c;
}

void CDueStore::Adopt(DueStoreContentsPtr contents)
{
    m_rekeyed.clear();
    m_nextIdTime.clear();
    m_loadProblems = std::move(contents->loadProblems);
    m_swept << std::move(contents->swept);
    m_recovery << std::move(contents->recovery);
    m_conflicts = std::move(contents->conflicts);
    m_c = std::move(contents);
}

void CDueStore::ScanFolder()
{
    RemoveAll(); // the old dues go before the new ones come: one set in memory at a time
    m_loadProblems.clear();
    Adopt(ReadFolder(m_folder, m_writer));
}

void CDueStore::LeaveToExit()
{
    m_c->arena.LeaveToExit();
    for (DueFolderReader::Entry& e : m_c->records)
        e = DueFolderReader::Entry{};
    static auto* left = new std::vector<DueStoreContentsPtr>;
    left->push_back(std::move(m_c));
    m_c = DueStoreContentsPtr(new DueStoreContents);
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
    Store(record, local.mid(local.lastIndexOf('/') + 1));
    Notify(record.m_strRecId, false);
    return true;
}

bool CDueStore::SaveDueFile(const DueRecord& record, bool bTouch)
{
    Batch batch;
    QByteArray target;
    const int slot = Find(record.m_strRecId);
    const QByteArray file = slot >= 0 ? FileOf(slot) : QByteArray();
    if (!file.isEmpty())
        target = LocalPath(file);
    else if (!m_folder.DueFilePath(record.m_strRecId).isEmpty())
        target = QFile::encodeName(m_folder.DueFilePath(record.m_strRecId));
    if (target.isEmpty()) {
        Error(
            Texts::tr("Could not save \"%1\": the record identifier is not usable.").arg(record.m_strTitle));
        return false;
    }
    QString tooLarge;
    if (!DueFile::Fits(record, &tooLarge)) {
        Error(Texts::tr("Could not save \"%1\": %2").arg(ShownText(record.m_strTitle, 60), tooLarge));
        return false;
    }
    if (slot >= 0 && !file.isEmpty() && !StillAsSeen(slot, record, false))
        return false;
    const QString title = record.m_strTitle;
    const QString id = record.m_strRecId;
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
                              [this, id, failed](SaveFile::Result result, const QString& reason) {
                                  if (result == SaveFile::Result::Done)
                                      return;
                                  // Memory goes back to what the file still holds.
                                  Reread(id);
                                  if (result != SaveFile::Result::Abandoned)
                                      failed(reason);
                              })) {
        failed(why);
        ok = false;
    }
    if (ok)
        m_c->seen.Written(m_folder.Path(), QFile::decodeName(target.mid(target.lastIndexOf('/') + 1)),
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
                             if (result == SaveFile::Result::Failed)
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
        if (Find(id) < 0 && !QFileInfo::exists(m_folder.DueFilePath(id)) &&
            !QFileInfo::exists(m_folder.PendingFilePath(id))) {
            m_nextIdTime.insert(n, when);
            return id;
        }
        when = when.addSecs(1);
    }
    return MakeRecordId(n, when);
}

namespace {
// The series identifier field of a record's bytes.
QByteArrayView SeriesField(const DueFolderReader::Entry& e)
{
    DueFile::Summary summary;
    (void)DueFile::Summarise(e.data, qsizetype(e.size), summary, nullptr);
    return QByteArrayView(e.data + summary.seriesBegin, summary.seriesEnd - summary.seriesBegin);
}
} // namespace

void CDueStore::ForEachBriefWithSeries(
    const std::function<void(const DueBrief&, const QString& seriesId)>& f) const
{
    DueBrief state;
    QString seriesId;
    Walk([&](int slot) {
        FillBrief(slot, state);
        const QByteArrayView field = SeriesField(m_c->records[size_t(slot)]);
        if (IsShortAscii(field))
            seriesId = QString::fromLatin1(field.data() + 1, field.size() - 1);
        else
            seriesId = Record(slot).m_strSeriesId;
        f(state, seriesId);
    });
}

QString CDueStore::NewSeriesId() const
{
    QDateTime when = Clock::Now();
    for (;;) {
        const QString id = MakeSeriesId(when);
        QByteArray field;
        DueFile::AppendString(field, id);
        bool used = false;
        Walk([&](int slot) { used = used || SeriesField(m_c->records[size_t(slot)]) == field; });
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

QString CDueStore::Rekey(const QString& id)
{
    const int slot = Find(id);
    if (slot < 0)
        return {};
    DueRecord record = Record(slot);
    m_c->Unlink(slot);
    // The last two digits are the number the identifier was made with.
    const int n = id.right(2).toInt();
    record.m_strRecId = UniqueRecordId(n == 10 ? 0 : n);
    const QString newId = record.m_strRecId;
    Store(record, {});
    m_rekeyed.insert(id, newId);
    return newId;
}

void CDueStore::WriteNew(QString id, const QByteArray& pending)
{
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const int slot = Find(id);
        if (slot < 0)
            return;
        const DueRecord record = Record(slot);
        const QString path = m_folder.DueFilePath(id);
        QString tooLarge;
        if (!DueFile::Fits(record, &tooLarge)) {
            // No reader would take the file: it is never written.
            Forget(id);
            Error(Texts::tr("Could not save \"%1\": %2").arg(ShownText(record.m_strTitle, 60), tooLarge));
            return;
        }
        if (path.isEmpty()) {
            Error(Texts::tr("Could not save \"%1\": the record identifier is not usable.")
                      .arg(record.m_strTitle));
            return;
        }
        const QByteArray local = QFile::encodeName(path);
        m_c->SetFile(slot, local.mid(local.lastIndexOf('/') + 1));
        const QString title = record.m_strTitle;
        // The placeholder's pending file goes once the due has its own file.
        auto written = [this, pending, id, local] {
            m_c->seen.Written(m_folder.Path(), QFile::decodeName(local.mid(local.lastIndexOf('/') + 1)), id);
            Notify(id, false);
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
                    // Not written: the due is not kept, in memory as on disk.
                    Forget(id);
                    if (late != SaveFile::Result::Abandoned)
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
            Forget(id);
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
        Store(record, {});
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
    record.m_strRecId = UniqueRecordId(NextSeriesNumber());
    Store(record, {});
    return record.m_strRecId;
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
    const int slot = Find(record.m_strRecId);
    const QByteArray file = slot >= 0 ? FileOf(slot) : QByteArray();
    if (slot >= 0 && (file.isEmpty() || IsOwnPendingName(file))) {
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

void CDueStore::Store(const DueRecord& record, const QByteArray& fileName)
{
    const QByteArray bytes = DueFile::Serialize(record);
    char* data = m_c->arena.Allocate(size_t(bytes.size()));
    std::memcpy(data, bytes.constData(), size_t(bytes.size()));
    const DueFolderReader::Entry entry{data, quint32(bytes.size()), record.m_bPaid, record.m_dtDue.m_dt,
                                       qint32(record.m_dtDue.m_status)};
    const int existing = Find(record.m_strRecId);
    if (existing >= 0) {
        // Overwrite in place: the walk order stays.
        DueFolderReader::Entry& old = m_c->records[size_t(existing)];
        m_c->arena.Release(old.data, old.size);
        old = entry;
        m_c->SetFile(existing, fileName);
        m_c->CompactIfWasteful();
        return;
    }
    int slot;
    if (!m_c->freeSlots.empty()) {
        slot = m_c->freeSlots.back();
        m_c->freeSlots.pop_back();
        m_c->records[size_t(slot)] = entry;
    } else {
        slot = int(m_c->records.size());
        m_c->records.push_back(entry);
        m_c->chain.emplace_back();
    }
    m_c->Link(slot);
    m_c->SetFile(slot, fileName);
    m_c->CompactIfWasteful();
}

DueRecord CDueStore::GetDue(const QString& id) const
{
    const int slot = Find(id);
    if (slot < 0)
        return DueRecord();
    return Record(slot);
}

bool CDueStore::RemoveDue(const QString& id, bool bTouch)
{
    const int slot = Find(id);
    const bool known = slot >= 0;
    const QString title = known ? Record(slot).m_strTitle : id;
    const QByteArray file = known ? FileOf(slot) : QByteArray();
    if (known && file.isEmpty()) {
        // A placeholder taken back: it never reached the disk.
        Forget(id);
        return true;
    }
    // The file the record came from, whatever its name.
    QByteArray path;
    if (!file.isEmpty())
        path = LocalPath(file);
    else if (!m_folder.DueFilePath(id).isEmpty())
        path = QFile::encodeName(m_folder.DueFilePath(id));
    if (path.isEmpty()) {
        Error(Texts::tr("Could not delete \"%1\": the record identifier is not usable.").arg(title));
        return false;
    }
    if (known && !file.isEmpty() && !IsOwnPendingName(file) && !StillAsSeen(slot, DueRecord(), true))
        return false;
    const bool outer = !SaveFile::Batch::Active();
    Batch batch;
    QString why;
    int error = 0;
    const QString shown = QDir::toNativeSeparators(QFile::decodeName(path));
    const bool pending = known && IsOwnPendingName(file);
    // Taken out of memory now; put back as it was when the removal fails.
    const DueRecord before = known ? Record(slot) : DueRecord();
    auto landed = std::make_shared<bool>(true);
    if (pending) {
        // A placeholder an older version left on disk: nothing to keep durable.
        if (::unlink(path.constData()) != 0 && errno != ENOENT)
            Error(Texts::tr("Could not delete %1: %2")
                      .arg(shown, QString::fromLocal8Bit(std::strerror(errno))));
    } else if (!SaveFile::RemoveLocal(
                   path, &why, &error,
                   [this, id, known, before, file, landed, title, shown](SaveFile::Result late,
                                                                         const QString& reason) {
                       if (late == SaveFile::Result::Done) {
                           Notify(id, true);
                           PromoteCopy(id);
                           return;
                       }
                       // The file stays, and so does its due.
                       *landed = false;
                       if (known && !Contains(before.m_strRecId))
                           Store(before, file);
                       if (late != SaveFile::Result::Abandoned)
                           Error(Texts::tr("Could not delete \"%1\" (%2): %3").arg(title, shown, reason));
                   })) {
        if (error == ENOENT)
            why = Texts::tr("the file no longer exists");
        Error(Texts::tr("Could not delete \"%1\" (%2): %3").arg(title, shown, why));
        return false;
    }
    m_c->seen.Removed(QFile::decodeName(path.mid(path.lastIndexOf('/') + 1)));
    if (bTouch)
        (void)TouchPreferences();
    if (known) {
        m_c->Unlink(slot);
        m_c->CompactIfWasteful();
    }
    if (!outer)
        return true; // the outermost batch tells how it ended
    batch.Commit();
    return *landed;
}

void CDueStore::Reread(const QString& id)
{
    const int slot = Find(id);
    const QByteArray file = slot >= 0 ? FileOf(slot) : QFile::encodeName(DataFolder::DueFileName(id));
    if (file.isEmpty() || m_folder.IsEmpty())
        return;
    const QByteArray path = LocalPath(file);
    DueFolderReader reader;
    DueRecord record(Qt::Uninitialized);
    if (reader.ReadFile(QFile::decodeName(path), record) && record.m_strRecId == id) {
        Store(record, file);
        m_c->seen.Loaded(QFile::decodeName(file), id);
    } else if (slot >= 0 && !QFileInfo::exists(QFile::decodeName(path))) {
        Forget(id);
    }
}

void CDueStore::RemoveAll()
{
    m_rekeyed.clear();
    m_nextIdTime.clear();
    m_conflicts.clear();
    m_stale.clear();
    m_c = DueStoreContentsPtr(new DueStoreContents);
}

void CDueStore::GetSeriesIds(const QString& seriesId, QStringList& ids) const
{
    ids.clear();
    QByteArray field;
    DueFile::AppendString(field, seriesId);
    Walk([&](int slot) {
        const DueFolderReader::Entry& e = m_c->records[size_t(slot)];
        if (SeriesField(e) == field)
            ids << RecordIdOf(e);
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
    for (int head : m_c->heads) {
        for (int i = head; i >= 0; i = m_c->chain[size_t(i)].next) {
            const DueFolderReader::Entry& e = m_c->records[size_t(i)];
            if ((filter == DueFilter::Paid && !e.paid) || (filter == DueFilter::Unpaid && e.paid))
                continue;
            COleDateTime due;
            due.m_dt = e.due;
            due.m_status = COleDateTime::DateTimeStatus(e.dueStatus);
            if (!inMonth(due))
                continue;
            list.rows.append(Record(i));
            const DueRecord& r = list.rows.constLast();
            (r.m_bPaid ? list.paid : list.unpaid) += r.m_dAmount;
        }
    }
    return list;
}

void CDueStore::FillRangeList(IDueListSink& list, const COleDateTime& from, const COleDateTime& to) const
{
    list.DeleteAllItems();
    Walk([&](int slot) {
        const DueFolderReader::Entry& e = m_c->records[size_t(slot)];
        COleDateTime dueDate;
        dueDate.m_dt = e.due;
        dueDate.m_status = COleDateTime::DateTimeStatus(e.dueStatus);
        if (!dueDate.IsValid())
            return;
        if (CompareMonth(dueDate, from) == -1 || CompareMonth(dueDate, to) == 1)
            return;
        const DueRecord r = Record(slot);
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
        const int slot = Find(id);
        // A placeholder that never reached the disk has nothing to remove.
        const QByteArray path =
            slot >= 0 && !FileOf(slot).isEmpty() ? QFile::encodeName(FilePathOf(id)) : QByteArray();
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
            m_c->seen.Removed(QFile::decodeName(path.mid(path.lastIndexOf('/') + 1)));
        }
        Forget(id);
    }
    return ok;
}

void CDueStore::Forget(const QString& id)
{
    const int slot = Find(id);
    if (slot < 0)
        return;
    m_c->Unlink(slot);
    m_c->CompactIfWasteful();
}

// ---------------------------------------------------------------------------
// Changes made by other programs

QString CDueStore::FilePathOf(const QString& recId) const
{
    const int slot = Find(recId);
    const QByteArray file = slot >= 0 ? FileOf(slot) : QByteArray();
    if (!file.isEmpty() && !m_folder.IsEmpty())
        return QFile::decodeName(LocalPath(file));
    return m_folder.DueFilePath(recId);
}

bool CDueStore::Rescan(const QStringList& touched)
{
    // A data folder that is not there (a drive taken away) is not taken for
    // one without dues: what it held stays listed until a load says more.
    if (m_folder.IsEmpty() || !QFileInfo(m_folder.Path()).isDir())
        return false;
    QStringList changed, removed;
    DueFileIndex& seen = m_c->seen;
    seen.Compare(m_folder.Path(), changed, removed);
    // Files rewritten in place may keep their size and times: read them anyway.
    for (const QString& name : touched)
        if (!changed.contains(name) && !removed.contains(name) &&
            QFileInfo::exists(m_folder.Path() + QLatin1Char('/') + name))
            changed << name;
    // The file a stored due lives in, by name.
    auto fileOf = [this](const QString& id) {
        const int slot = Find(id);
        return slot < 0 ? QString() : QFile::decodeName(FileOf(slot));
    };
    auto read = [this](const QString& name, DueRecord& record) {
        DueFolderReader reader;
        return reader.ReadFile(m_folder.Path() + QLatin1Char('/') + name, record);
    };
    bool any = false;
    for (const QString& name : std::as_const(removed)) {
        const QString id = seen.IdOf(name);
        seen.Removed(name);
        if (id.isEmpty())
            continue;
        QStringList& copies = m_conflicts[id];
        if (copies.removeAll(name) > 0) {
            // A conflicting copy went: the due stays as it is.
            if (copies.isEmpty())
                m_conflicts.remove(id);
            any = true;
            continue;
        }
        if (fileOf(id) != name) {
            if (copies.isEmpty())
                m_conflicts.remove(id);
            continue;
        }
        // The due's own file went; a copy that is still there takes its
        // place, as a full load would list it.
        bool replaced = false;
        while (!copies.isEmpty() && !replaced) {
            const QString copy = copies.takeFirst();
            DueRecord record(Qt::Uninitialized);
            if (read(copy, record) && record.m_strRecId == id) {
                Store(record, QFile::encodeName(copy));
                replaced = true;
            }
        }
        if (copies.isEmpty())
            m_conflicts.remove(id);
        if (!replaced)
            Forget(id);
        any = true;
    }
    for (const QString& name : std::as_const(changed)) {
        DueRecord record(Qt::Uninitialized);
        // A file that cannot be read now (half copied, malformed) keeps what
        // was known of it; the next change or load reads it again.
        if (!read(name, record))
            continue;
        const QString id = record.m_strRecId;
        const QString before = seen.IdOf(name);
        if (!before.isEmpty() && before != id) {
            if (fileOf(before) == name) {
                Forget(before);
                any = true;
            } else if (m_conflicts.contains(before)) {
                m_conflicts[before].removeAll(name);
                if (m_conflicts[before].isEmpty())
                    m_conflicts.remove(before);
            }
        }
        seen.Loaded(name, id);
        const QString current = fileOf(id);
        if (!current.isEmpty() && current != name) {
            // Two files, one identifier: the file named after the identifier
            // is the due, any other is a conflict and never takes its place.
            QStringList& copies = m_conflicts[id];
            const bool ownName = name == DataFolder::DueFileName(id);
            const bool currentOwn = current == DataFolder::DueFileName(id);
            if (ownName && !currentOwn) {
                copies.removeAll(name);
                if (!copies.contains(current))
                    copies << current;
                Store(record, QFile::encodeName(name));
            } else if (!copies.contains(name)) {
                copies << name;
            } else {
                continue; // a copy known already changed: still a conflict
            }
            any = true;
            continue;
        }
        const int slot = Find(id);
        if (slot >= 0 && Record(slot) == record)
            continue; // touched, not changed
        Store(record, QFile::encodeName(name));
        any = true;
    }
    return any;
}

QList<DueConflict> CDueStore::Conflicts() const
{
    QList<DueConflict> out;
    for (auto it = m_conflicts.cbegin(); it != m_conflicts.cend(); ++it) {
        if (it.value().isEmpty())
            continue;
        const int slot = Find(it.key());
        out << DueConflict{it.key(), slot >= 0 ? QFile::decodeName(FileOf(slot)) : QString(), it.value()};
    }
    std::sort(out.begin(), out.end(),
              [](const DueConflict& a, const DueConflict& b) { return a.recId < b.recId; });
    return out;
}

QList<ConflictVersion> CDueStore::ConflictVersions(const QString& recId) const
{
    const auto it = m_conflicts.constFind(recId);
    if (it == m_conflicts.constEnd() || it.value().isEmpty() || m_folder.IsEmpty())
        return {};
    const int slot = Find(recId);
    const QString listed = slot >= 0 ? QFile::decodeName(FileOf(slot)) : QString();
    QStringList others = it.value();
    std::sort(others.begin(), others.end());
    QStringList files;
    if (!listed.isEmpty())
        files << listed;
    files << others;
    QList<ConflictVersion> out;
    for (const QString& name : std::as_const(files)) {
        const QString path = m_folder.Path() + QLatin1Char('/') + name;
        DueFolderReader reader;
        ConflictVersion v;
        // A file gone or unreadable now is no version to choose.
        if (!reader.ReadFile(path, v.record) || v.record.m_strRecId != recId)
            continue;
        v.file = name;
        v.modified = QFileInfo(path).lastModified();
        v.listed = name == listed;
        out << v;
    }
    // Without its listed file (gone meanwhile) the first version stands for the due.
    if (!out.isEmpty() && !out.first().listed)
        out.first().listed = true;
    return out;
}

QString CDueStore::ConflictText(const DueConflict& conflict)
{
    QStringList others;
    for (const QString& file : conflict.otherFiles)
        others << ShownText(file);
    return Texts::tr("%1 holds another version of the due in %2 (the same record identifier %3); %2 is "
                     "listed until the conflict is resolved")
        .arg(others.join(QStringLiteral(", ")), ShownText(conflict.listedFile), ShownText(conflict.recId));
}

bool CDueStore::SameVersions(const QString& recId, const QList<ConflictVersion>& now,
                             const QList<ConflictVersion>& shown)
{
    if (now.size() < 2) {
        Error(Texts::tr("The due %1 is no longer held by more than one file: nothing was changed.")
                  .arg(ShownText(recId)));
        return false;
    }
    if (shown.isEmpty())
        return true;
    bool same = now.size() == shown.size();
    for (qsizetype i = 0; same && i < now.size(); ++i)
        same = now.at(i).file == shown.at(i).file && now.at(i).record == shown.at(i).record;
    if (!same)
        Error(Texts::tr("The files of \"%1\" changed since they were shown: nothing was changed.")
                  .arg(ShownText(now.first().record.m_strTitle, 60)));
    return same;
}

bool CDueStore::KeepVersion(const QString& recId, const QString& file, const QList<ConflictVersion>& shown)
{
    const QList<ConflictVersion> now = ConflictVersions(recId);
    if (!SameVersions(recId, now, shown))
        return false;
    const auto kept =
        std::find_if(now.begin(), now.end(), [&](const ConflictVersion& v) { return v.file == file; });
    if (kept == now.end()) {
        Error(Texts::tr("%1 is not a version of the due %2.").arg(ShownText(file), ShownText(recId)));
        return false;
    }
    const QString own = DataFolder::DueFileName(recId);
    if (own.isEmpty()) {
        Error(Texts::tr("Could not save \"%1\": the record identifier is not usable.")
                  .arg(kept->record.m_strTitle));
        return false;
    }
    const qsizetype errors = m_errors.size();
    const QString title = ShownText(kept->record.m_strTitle, 60);
    auto failed = [this, title](const QString& path, const QString& why) {
        Error(Texts::tr("Could not resolve the conflict of \"%1\" (%2): %3")
                  .arg(title, QDir::toNativeSeparators(path), why));
    };
    auto late = [failed](const QString& path) {
        return [failed, path](SaveFile::Result result, const QString& why) {
            if (result == SaveFile::Result::Failed)
                failed(path, why);
        };
    };
    {
        // Whole or not at all: the kept version under the due's own name and
        // the other files gone land together.
        Batch batch;
        QString why;
        const QString ownPath = m_folder.Path() + QLatin1Char('/') + own;
        if (kept->file != own && !SaveFile::WriteLocal(QFile::encodeName(ownPath),
                                                       DueFile::Serialize(kept->record), &why, late(ownPath)))
            failed(ownPath, why);
        for (const ConflictVersion& v : now) {
            if (v.file == own || m_errors.size() != errors)
                continue;
            const QString path = m_folder.Path() + QLatin1Char('/') + v.file;
            int error = 0;
            if (!SaveFile::RemoveLocal(QFile::encodeName(path), &why, &error, late(path)) && error != ENOENT)
                failed(path, why);
        }
    }
    // Memory follows the disk, whatever landed.
    (void)Rescan({own});
    return m_errors.size() == errors;
}

QStringList CDueStore::KeepAllVersions(const QString& recId, const QList<ConflictVersion>& shown)
{
    const QList<ConflictVersion> now = ConflictVersions(recId);
    if (!SameVersions(recId, now, shown))
        return {};
    const qsizetype errors = m_errors.size();
    QStringList added;
    {
        Batch batch;
        for (const ConflictVersion& v : now) {
            if (v.listed)
                continue;
            DueRecord copy = v.record;
            // Never a member of the series it came from: the listed version
            // is that member already.
            if (!copy.m_strSeriesId.isEmpty())
                copy.m_strSeriesId = NewSeriesId();
            added << AddDue(copy);
            if (m_errors.size() != errors)
                break; // the batch is abandoned: nothing of it lands
            const QString path = m_folder.Path() + QLatin1Char('/') + v.file;
            QString why;
            int error = 0;
            const QString title = ShownText(v.record.m_strTitle, 60);
            auto failed = [this, title, path](const QString& reason) {
                Error(Texts::tr("Could not resolve the conflict of \"%1\" (%2): %3")
                          .arg(title, QDir::toNativeSeparators(path), reason));
            };
            if (!SaveFile::RemoveLocal(QFile::encodeName(path), &why, &error,
                                       [failed](SaveFile::Result result, const QString& reason) {
                                           if (result == SaveFile::Result::Failed)
                                               failed(reason);
                                       }) &&
                error != ENOENT) {
                failed(why);
                break;
            }
        }
        if (m_errors.size() == errors)
            (void)TouchPreferences();
    }
    // A name taken at the commit moved a new due on to another identifier.
    for (QString& id : added)
        while (m_rekeyed.contains(id))
            id = m_rekeyed.take(id);
    m_rekeyed.clear();
    (void)Rescan();
    if (m_errors.size() != errors)
        return {};
    return added;
}

void CDueStore::PromoteCopy(const QString& recId)
{
    const auto it = m_conflicts.find(recId);
    if (it == m_conflicts.end() || Contains(recId))
        return;
    QStringList copies = it.value();
    m_conflicts.erase(it);
    while (!copies.isEmpty()) {
        const QString copy = copies.takeFirst();
        DueFolderReader reader;
        DueRecord record(Qt::Uninitialized);
        if (reader.ReadFile(m_folder.Path() + QLatin1Char('/') + copy, record) &&
            record.m_strRecId == recId) {
            Store(record, QFile::encodeName(copy));
            break;
        }
    }
    if (!copies.isEmpty())
        m_conflicts.insert(recId, copies);
}

QStringList CDueStore::TakeSweptFiles()
{
    QStringList swept = m_swept;
    m_swept.clear();
    return swept;
}

bool CDueStore::StillAsSeen(int slot, const DueRecord& ours, bool removal)
{
    const DueRecord mine = Record(slot);
    const QByteArray path = LocalPath(FileOf(slot));
    StaleChange change;
    change.recId = mine.m_strRecId;
    change.path = QDir::toNativeSeparators(QFile::decodeName(path));
    change.base = mine;
    change.ours = ours;
    change.removal = removal;
    // Our own write of it in this batch has not landed yet: nothing to check.
    if (SaveFile::IsStaged(path))
        return true;
    // By the file system's own bytes: a name need not be UTF-8.
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    struct stat st;
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        return true; // not a file now: the write itself will say why
    }
    if (fd < 0) {
        // Unreadable now, or already gone when it was to go anyway: the
        // write itself says why.
        if (errno != ENOENT || removal)
            return true;
        change.gone = true;
    } else {
        QByteArray bytes;
        char buffer[65536];
        ssize_t n;
        while ((n = ::read(fd, buffer, sizeof buffer)) > 0 && bytes.size() <= DueFile::kMaxDueFileSize)
            bytes.append(buffer, n);
        ::close(fd);
        const DueFolderReader::Entry& e = m_c->records[size_t(slot)];
        if (bytes == QByteArrayView(e.data, qsizetype(e.size)))
            return true;
        DueRecord theirs(Qt::Uninitialized);
        const bool parsed = DueFile::Parse(bytes, theirs, nullptr);
        if (parsed && theirs == mine)
            return true; // the same due, written another way
        if (parsed)
            change.theirs = theirs;
    }
    m_stale << change;
    const QString title = ShownText(mine.m_strTitle, 60);
    Error(change.gone ? Texts::tr("Did not change \"%1\": another program removed its file %2 since it was "
                                  "read; nothing was written.")
                            .arg(title, change.path)
                      : Texts::tr("Did not change \"%1\": another program changed its file %2 since it was "
                                  "read; nothing was written over that change.")
                            .arg(title, change.path));
    return false;
}

QList<StaleChange> CDueStore::TakeStaleChanges()
{
    QList<StaleChange> stale = m_stale;
    m_stale.clear();
    return stale;
}

QStringList CDueStore::TakeRecoveryNotes()
{
    QStringList notes = m_recovery;
    m_recovery.clear();
    return notes;
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

CDueStore::BulkAdd::BulkAdd(CDueStore& store)
    : m_store(store), m_files(QFile::encodeName(store.m_folder.Path()))
{
}

bool CDueStore::BulkAdd::Add(DueRecord record)
{
    if (m_failed)
        return false;
    const bool member = !record.m_strSeriesId.isEmpty();
    const int n = member ? m_store.NextSeriesNumber() : 0;
    record.m_strRecId = m_store.UniqueRecordId(n);
    // These dues are not kept where UniqueRecordId looks: the next moves on.
    m_store.m_nextIdTime.insert(n, m_store.m_nextIdTime.value(n).addSecs(1));
    QString why;
    if (!DueFile::Fits(record, &why)) {
        m_store.Error(Texts::tr("Could not save \"%1\": %2").arg(ShownText(record.m_strTitle, 60), why));
        m_failed = true;
        return false;
    }
    const QString path = m_store.m_folder.DueFilePath(record.m_strRecId);
    if (path.isEmpty() || !m_files.Add(QFile::encodeName(DataFolder::DueFileName(record.m_strRecId)),
                                       DueFile::Serialize(record), &why)) {
        m_store.Error(Texts::tr("Could not save \"%1\" to %2: %3")
                          .arg(ShownText(record.m_strTitle, 60), QDir::toNativeSeparators(path), why));
        m_failed = true;
        return false;
    }
    m_single = m_single || !member;
    return true;
}

qint64 CDueStore::BulkAdd::Commit()
{
    if (m_failed)
        return 0;
    // Another writer took an identifier meanwhile: that due takes the next free one.
    const auto rename = [this](const QByteArray&, QByteArray* newName, QByteArray* bytes) {
        DueRecord record;
        if (!DueFile::Parse(*bytes, record, nullptr))
            return false;
        const QString old = record.m_strRecId;
        const int n = old.right(2).toInt();
        record.m_strRecId = m_store.UniqueRecordId(n == 10 ? 0 : n);
        m_store.m_nextIdTime.insert(n, m_store.m_nextIdTime.value(n).addSecs(1));
        *newName = QFile::encodeName(DataFolder::DueFileName(record.m_strRecId));
        *bytes = DueFile::Serialize(record);
        return true;
    };
    QString why;
    qint64 count = 0;
    if (!m_files.Commit(&why, &count, rename) || !why.isEmpty())
        m_store.Error(Texts::tr("Could not save the dues to %1: %2")
                          .arg(QDir::toNativeSeparators(m_store.m_folder.Path()), why));
    if (count > 0 && m_single)
        (void)m_store.TouchPreferences();
    return count;
}
