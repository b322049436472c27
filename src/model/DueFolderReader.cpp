#include "model/DueFolderReader.h"

#include "model/DataFolder.h"
#include "model/DueFile.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// The file's texts, translated under one context (declared so that lupdate finds them).
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DueFolderReader)
};

// The bytes of one due file, or why they could not be read.
struct RawFile
{
    QByteArray bytes;
    QString problem;
};

QString ErrnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

void ReadRaw(const QByteArray& path, RawFile& out)
{
    // Plain system calls: the load of a large folder is little more than
    // these, so no layer is put between them. O_NONBLOCK keeps a FIFO put in
    // a file's place from stopping the load.
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        out.problem = ErrnoText(errno);
        return;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        out.problem = ErrnoText(errno);
        ::close(fd);
        return;
    }
    if (!S_ISREG(st.st_mode)) {
        out.problem = Texts::tr("not a regular file");
        ::close(fd);
        return;
    }
    // Too large to be a due: said without reading a byte of it.
    if (st.st_size > DueFile::kMaxDueFileSize) {
        out.problem = Texts::tr("the file is too large to be a due");
        ::close(fd);
        return;
    }
    QByteArray bytes(qsizetype(st.st_size), Qt::Uninitialized);
    qsizetype have = 0;
    for (;;) {
        if (have == bytes.size()) {
            // The file grew since fstat: take what comes, up to the cap.
            if (bytes.size() >= DueFile::kMaxDueFileSize) {
                char probe;
                const ssize_t more = ::read(fd, &probe, 1);
                if (more > 0) {
                    out.problem = Texts::tr("the file is too large to be a due");
                    ::close(fd);
                    return;
                }
                break;
            }
            bytes.resize(std::min<qsizetype>(bytes.size() + 4096, DueFile::kMaxDueFileSize));
        }
        const ssize_t got = ::read(fd, bytes.data() + have, size_t(bytes.size() - have));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            out.problem = ErrnoText(errno);
            ::close(fd);
            return;
        }
        if (got == 0)
            break;
        have += got;
    }
    ::close(fd);
    bytes.truncate(have);
    out.bytes = std::move(bytes);
}

// Parses what ReadRaw read; an empty string when the record is sound.
QString ParseRaw(const RawFile& raw, DueRecord& record)
{
    if (!raw.problem.isEmpty())
        return raw.problem;
    // An empty or zero-filled file is what an interrupted write leaves on
    // some file systems: say so rather than blame a field. (No sound due is
    // all zeros: its identifier is never empty.)
    if (raw.bytes.isEmpty())
        return Texts::tr("the file is empty");
    if (raw.bytes.count('\0') == raw.bytes.size())
        return Texts::tr("the file holds only zero bytes (a write to it was cut off)");
    QString why;
    if (!DueFile::Parse(raw.bytes, record, &why))
        return why;
    // The identifier names the file that new writes of this due go to: it
    // must be a plain name exactly as stored.
    if (!IsSafeRecordId(record.m_strRecId))
        return Texts::tr("the record identifier \"%1\" is not usable").arg(ShownText(record.m_strRecId));
    return {};
}

// Reads the files in order on a thread of its own while the caller parses:
// reading is mostly waiting for the file system. It stops reading ahead
// while kMaxBufferedBytes are waiting to be parsed.
class ReadAhead
{
public:
    ReadAhead(const QByteArray& prefix, const QList<QByteArray>& names)
        : m_prefix(prefix), m_names(names), m_thread([this] { Run(); })
    {
    }
    ~ReadAhead()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
        }
        m_cv.notify_all();
        m_thread.join();
    }

    RawFile Next()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_cv.wait(lock, [this] { return !m_queue.empty(); });
        RawFile raw = std::move(m_queue.front());
        m_queue.pop_front();
        m_buffered -= raw.bytes.size();
        lock.unlock();
        m_cv.notify_all();
        return raw;
    }

private:
    void Run()
    {
        for (const QByteArray& name : m_names) {
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_cv.wait(lock, [this] {
                    return m_stop || m_queue.empty() || m_buffered < DueFolderReader::kMaxBufferedBytes;
                });
                if (m_stop)
                    return;
            }
            RawFile raw;
            ReadRaw(m_prefix + name, raw);
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_buffered += raw.bytes.size();
                m_queue.push_back(std::move(raw));
            }
            m_cv.notify_all();
        }
    }

    const QByteArray m_prefix;
    const QList<QByteArray> m_names;
    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::deque<RawFile> m_queue;
    qint64 m_buffered = 0;
    bool m_stop = false;
    std::thread m_thread; // last: starts once the rest is ready
};

} // namespace

QList<QByteArray> DueFolderReader::ListDueFiles(const QString& folder)
{
    QList<QByteArray> names;
    const QByteArray dirPath = QFile::encodeName(folder);
    DIR* d = ::opendir(dirPath.constData());
    if (!d)
        return names;
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
        if (regular)
            names << QByteArray(e->d_name, qsizetype(len));
    }
    ::closedir(d);
    std::sort(names.begin(), names.end());
    return names;
}

qsizetype DueFolderReader::ReadFolder(const QString& folder, const RecordFn& onRecord)
{
    const QList<QByteArray> names = ListDueFiles(folder);
    const QByteArray prefix = QFile::encodeName(folder) + '/';
    const qsizetype n = names.size();
    auto parse = [&](qsizetype i, RawFile&& raw) {
        DueRecord record(Qt::Uninitialized);
        const QString problem = ParseRaw(raw, record);
        raw = RawFile();
        if (problem.isEmpty())
            onRecord(std::move(record), names.at(i));
        else
            m_problems << QStringLiteral("%1: %2").arg(ShownFileName(names.at(i)), problem);
    };
    if (n >= 64) {
        ReadAhead ahead(prefix, names);
        for (qsizetype i = 0; i < n; ++i)
            parse(i, ahead.Next());
    } else {
        for (qsizetype i = 0; i < n; ++i) {
            RawFile raw;
            ReadRaw(prefix + names.at(i), raw);
            parse(i, std::move(raw));
        }
    }
#ifdef __GLIBC__
    // The file buffers are gone; hand their pages back instead of keeping them.
    malloc_trim(0);
#endif
    return n;
}

bool DueFolderReader::ReadFile(const QString& path, DueRecord& record)
{
    RawFile raw;
    const QByteArray local = QFile::encodeName(path);
    ReadRaw(local, raw);
    const QString problem = ParseRaw(raw, record);
    if (!problem.isEmpty()) {
        const qsizetype slash = local.lastIndexOf('/');
        m_problems << QStringLiteral("%1: %2").arg(ShownFileName(local.mid(slash + 1)), problem);
        return false;
    }
    return true;
}
