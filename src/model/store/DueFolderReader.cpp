#include "model/store/DueFolderReader.h"

#include "model/store/DataFolder.h"
#include "model/store/DueFile.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <numeric>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// The file's texts, translated under one context (declared so that lupdate finds them).
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DueFolderReader)
};

QString ErrnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The identifier field of a due file's bytes (its length prefix included)
// when it is short Windows-1252 text of digits only, the form every
// identifier this program makes has: safe in a file name without more ado.
bool IsPlainDigitId(const char* data, quint32 size)
{
    if (size < 2)
        return false;
    const quint32 length = static_cast<unsigned char>(data[0]);
    if (length == 0 || length >= 0xFF || length > kMaxRecordIdBytes || length + 1 > size)
        return false;
    for (quint32 i = 1; i <= length; ++i) {
        if (data[i] < '0' || data[i] > '9')
            return false;
    }
    return true;
}

// Reads one file into the arena and checks it; an empty string when it is a
// sound due (entry then holds it), else why not.
// A due file that is a link to a file outside its folder: not read, so that
// a planted link never brings another file's bytes into a due or a message.
bool LinksOutOfItsFolder(const char* path)
{
    struct stat st;
    if (::lstat(path, &st) != 0 || !S_ISLNK(st.st_mode))
        return false;
    const QByteArray link(path);
    const QByteArray dir = link.left(std::max<qsizetype>(link.lastIndexOf('/'), 1));
    char* target = ::realpath(path, nullptr);
    char* folder = ::realpath(dir.constData(), nullptr);
    const bool inside = target && folder && QByteArray(target).startsWith(QByteArray(folder) + '/') &&
                        std::strchr(target + std::strlen(folder) + 1, '/') == nullptr;
    std::free(target);
    std::free(folder);
    return !inside;
}

QString ReadOne(const char* path, RecordArena& arena, DueFolderReader::Entry& entry)
{
    if (LinksOutOfItsFolder(path))
        return Texts::tr("a link to a file outside the data folder, not read");
    // O_NONBLOCK keeps a FIFO put in a file's place from stopping the load.
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return ErrnoText(errno);
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        return ErrnoText(error);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return Texts::tr("not a regular file");
    }
    // Too large to be a due: said without reading a byte of it.
    if (st.st_size > DueFile::kMaxDueFileSize) {
        ::close(fd);
        return Texts::tr("the file is too large to be a due");
    }
    // One byte more than the file has: a read that fills it says the file
    // grew since fstat; one that returns the size found the end.
    const size_t size = size_t(st.st_size);
    char* data = arena.Allocate(size + 1);
    size_t have = 0;
    while (have < size) {
        const ssize_t got = ::read(fd, data + have, size + 1 - have);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            arena.Release(data, size + 1);
            return ErrnoText(error);
        }
        if (got == 0)
            break;
        have += size_t(got);
    }
    if (have > size) {
        // Grown since fstat: take what comes, up to the cap.
        QByteArray bytes(data, qsizetype(have));
        arena.Release(data, size + 1);
        char buf[4096];
        for (;;) {
            const ssize_t got = ::read(fd, buf, sizeof buf);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                const int error = errno;
                ::close(fd);
                return ErrnoText(error);
            }
            if (got == 0)
                break;
            if (bytes.size() + got > DueFile::kMaxDueFileSize) {
                ::close(fd);
                return Texts::tr("the file is too large to be a due");
            }
            bytes.append(buf, got);
        }
        have = size_t(bytes.size());
        data = arena.Allocate(have + 1);
        std::memcpy(data, bytes.constData(), have);
        arena.Release(data, have + 1, have);
    } else {
        arena.Release(data, size + 1, have);
    }
    ::close(fd);

    auto refuse = [&](const QString& why) {
        arena.Release(data, have);
        return why;
    };
    // An empty or zero-filled file is what an interrupted write leaves on
    // some file systems: say so rather than blame a field. (No sound due is
    // all zeros: its identifier is never empty.)
    if (have == 0)
        return Texts::tr("the file is empty");
    if (std::all_of(data, data + have, [](char c) { return c == '\0'; }))
        return refuse(Texts::tr("the file holds only zero bytes (a write to it was cut off)"));
    DueFile::Summary summary;
    QString why;
    if (!DueFile::Summarise(data, qsizetype(have), summary, &why))
        return refuse(why);
    if (!summary.canonical) {
        // Kept as Serialize writes it: one form per identifier, so that the
        // store can find and compare records by their bytes.
        DueRecord record(Qt::Uninitialized);
        (void)DueFile::Parse(QByteArray::fromRawData(data, qsizetype(have)), record, nullptr);
        const QByteArray canonical = DueFile::Serialize(record);
        arena.Release(data, have);
        have = size_t(canonical.size());
        data = arena.Allocate(have);
        std::memcpy(data, canonical.constData(), have);
        (void)DueFile::Summarise(data, qsizetype(have), summary, nullptr);
    }
    // The identifier names the file that new writes of this due go to: it
    // must be a plain name exactly as stored.
    if (!IsPlainDigitId(data, quint32(have))) {
        DueRecord record(Qt::Uninitialized);
        (void)DueFile::Parse(QByteArray::fromRawData(data, qsizetype(have)), record, nullptr);
        if (!IsSafeRecordId(record.m_strRecId))
            return refuse(
                Texts::tr("the record identifier \"%1\" is not usable").arg(ShownText(record.m_strRecId)));
    }
    entry.data = data;
    entry.size = quint32(have);
    entry.paid = summary.paid;
    entry.due = summary.due;
    entry.dueStatus = summary.dueStatus;
    return {};
}

} // namespace

int DueFolderReader::DefaultThreads()
{
    // Reads mostly wait: more of them than cores keep a disk's queue full,
    // and with the files in memory the extra ones cost little.
    return 32;
}

DueFolderReader::Names DueFolderReader::ListDueFilesPacked(const QString& folder)
{
    Names unsorted;
    const QByteArray dirPath = QFile::encodeName(folder);
    DIR* d = ::opendir(dirPath.constData());
    if (!d)
        return unsorted;
    const QByteArray prefix = dirPath + '/';
    while (const dirent* e = ::readdir(d)) {
        const size_t len = std::strlen(e->d_name);
        if (len < 4 || std::memcmp(e->d_name + len - 4, ".due", 4) != 0)
            continue;
        bool regular = e->d_type == DT_REG;
        if (e->d_type == DT_UNKNOWN || e->d_type == DT_LNK) {
            struct stat st;
            regular = ::stat((prefix + e->d_name).constData(), &st) == 0 && S_ISREG(st.st_mode);
        }
        if (regular) {
            unsorted.bytes.append(e->d_name, qsizetype(len));
            unsorted.ends.push_back(quint32(unsorted.bytes.size()));
        }
    }
    ::closedir(d);
    std::vector<quint32> order(unsorted.ends.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](quint32 a, quint32 b) {
        const QByteArrayView x = unsorted.at(a), y = unsorted.at(b);
        const int c = std::memcmp(x.data(), y.data(), size_t(std::min(x.size(), y.size())));
        return c < 0 || (c == 0 && x.size() < y.size());
    });
    Names names;
    names.bytes.reserve(unsorted.bytes.size());
    names.ends.reserve(order.size());
    for (quint32 i : order) {
        names.bytes.append(unsorted.at(i));
        names.ends.push_back(quint32(names.bytes.size()));
    }
    return names;
}

QList<QByteArray> DueFolderReader::ListDueFiles(const QString& folder)
{
    const Names packed = ListDueFilesPacked(folder);
    QList<QByteArray> names;
    names.reserve(packed.size());
    for (qsizetype i = 0; i < packed.size(); ++i)
        names << packed.at(i).toByteArray();
    return names;
}

void DueFolderReader::ReadFolder(const QString& folder, Names& names, std::vector<Entry>& entries,
                                 RecordArena& arena, int threads)
{
    names = ListDueFilesPacked(folder);
    const QByteArray dir = QFile::encodeName(folder);
    const size_t n = size_t(names.size());
    entries.assign(n, Entry{});

    struct Worker
    {
        RecordArena arena;
        std::vector<std::pair<size_t, QString>> problems;
    };
    // Files are handed out in small runs, so that each reader keeps to
    // neighbouring names and none waits for another.
    constexpr size_t kRun = 32;
    std::atomic<size_t> next{0};
    auto work = [&](Worker& worker) {
        QByteArray path = dir + '/';
        const qsizetype base = path.size();
        for (;;) {
            const size_t begin = next.fetch_add(kRun, std::memory_order_relaxed);
            if (begin >= n)
                return;
            for (size_t i = begin; i < std::min(n, begin + kRun); ++i) {
                path.truncate(base);
                path.append(names.at(qsizetype(i)));
                QString problem = ReadOne(path.constData(), worker.arena, entries[i]);
                if (!problem.isEmpty())
                    worker.problems.emplace_back(i, std::move(problem));
            }
        }
    };
    const int count = int(std::clamp<size_t>(n / 256, 1, size_t(std::max(1, threads))));
    std::vector<Worker> workers(static_cast<size_t>(count));
    {
        std::vector<std::thread> running;
        for (int t = 1; t < count; ++t)
            running.emplace_back(work, std::ref(workers[size_t(t)]));
        work(workers[0]);
        for (std::thread& t : running)
            t.join();
    }
    std::vector<std::pair<size_t, QString>> problems;
    for (Worker& worker : workers) {
        arena.Absorb(std::move(worker.arena));
        std::move(worker.problems.begin(), worker.problems.end(), std::back_inserter(problems));
    }
    std::sort(problems.begin(), problems.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [i, why] : problems)
        m_problems << QStringLiteral("%1: %2").arg(ShownFileName(names.at(qsizetype(i)).toByteArray()), why);
}

bool DueFolderReader::ReadFile(const QString& path, DueRecord& record)
{
    const QByteArray local = QFile::encodeName(path);
    RecordArena arena;
    Entry entry;
    const QString problem = ReadOne(local.constData(), arena, entry);
    if (!problem.isEmpty()) {
        const qsizetype slash = local.lastIndexOf('/');
        m_problems << QStringLiteral("%1: %2").arg(ShownFileName(local.mid(slash + 1)), problem);
        return false;
    }
    return DueFile::Parse(QByteArray::fromRawData(entry.data, qsizetype(entry.size)), record, nullptr);
}
