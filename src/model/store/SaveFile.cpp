#include "model/store/SaveFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSysInfo>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace SaveFile {

namespace {

// The file's texts, translated under one context (declared so that lupdate finds them).
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(SaveFile)
};

QString ErrnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray DirOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    if (slash == 0)
        return QByteArrayLiteral("/");
    return path.left(slash);
}

bool WriteAll(int fd, const QByteArray& bytes, int* error)
{
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *error = errno;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

int SyncDir(const QByteArray& dir)
{
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    // A file system that cannot sync a folder has nothing more to give.
    if (error == EINVAL || error == ENOTSUP)
        error = 0;
    return error;
}

// Takes the name `to` only when it is free, in one step, so that two
// programs never replace each other's new files.
int RenameNoReplace(const QByteArray& from, const QByteArray& to)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return errno;
#endif
    // File systems without the flag: a hard link fails on an existing name too.
    if (::link(from.constData(), to.constData()) == 0) {
        ::unlink(from.constData());
        return 0;
    }
    return errno;
}

// The file a write replaces: symlinks are followed to the file they name.
// Empty (with ELOOP) for a loop of links.
QByteArray ResolveLinks(const QByteArray& path, int* error)
{
    QByteArray p = path;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st;
        if (::lstat(p.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return p;
        char buf[PATH_MAX];
        const ssize_t n = ::readlink(p.constData(), buf, sizeof buf);
        if (n < 0 || n >= ssize_t(sizeof buf))
            return p;
        const QByteArray link(buf, n);
        p = link.startsWith('/') ? link : DirOf(p) + '/' + link;
    }
    *error = ELOOP;
    return {};
}

// A new temporary file beside target, our host and process in its name.
int OpenTemp(const QByteArray& target, QByteArray* temp, int* error)
{
    static std::atomic<unsigned> counter{0};
    const QByteArray tag = '.' + HostTag().toLatin1() + '-' + QByteArray::number(qint64(::getpid())) + '-';
    bool shortName = false;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray n = QByteArray::number(counter.fetch_add(1));
        // A long target name leaves no room for the suffix: use a short name in the same folder.
        *temp = shortName ? DirOf(target) + "/.tallyvane" + tag + n + ".tmp" : target + tag + n + ".tmp";
        const int fd = ::open(temp->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return fd;
        if (errno == ENAMETOOLONG && !shortName) {
            shortName = true;
            continue;
        }
        if (errno != EEXIST) {
            *error = errno;
            return -1;
        }
    }
    *error = EEXIST;
    return -1;
}

enum class Kind
{
    Replace,
    Create
};

struct Op
{
    Kind kind;
    QByteArray temp;
    QByteArray target;
    int fd = -1;
    int error = 0;
    std::function<void(int error)> done;
    bool dropped = false;
};

// The writes of the thread's open batch.
struct State
{
    int depth = 0;
    std::vector<Op> ops;
    QHash<QByteArray, size_t> byTarget; // the live op of each target
    std::set<QByteArray> dirs;
};
thread_local State t_state;

// Up to this many staged files are synced one by one; more are synced with
// one syncfs per file system.
constexpr size_t kSyncEachUpTo = 16;

void Drop(Op& op)
{
    if (op.fd >= 0)
        ::close(op.fd);
    op.fd = -1;
    ::unlink(op.temp.constData());
    op.dropped = true;
}

void Stage(Op op)
{
    State& s = t_state;
    // A later write to the same file wins; the earlier bytes never land.
    const auto it = s.byTarget.constFind(op.target);
    if (it != s.byTarget.constEnd() && op.kind == Kind::Replace && s.ops[it.value()].kind == Kind::Replace)
        Drop(s.ops[it.value()]);
    if (s.ops.size() >= kSyncEachUpTo && op.fd >= 0) {
        ::close(op.fd);
        op.fd = -1;
    }
    if (s.ops.size() == kSyncEachUpTo) {
        // From here on one syncfs serves them all: no need to keep files open.
        for (Op& earlier : s.ops) {
            if (earlier.fd >= 0)
                ::close(earlier.fd);
            earlier.fd = -1;
        }
    }
    s.dirs.insert(DirOf(op.target));
    s.byTarget.insert(op.target, s.ops.size());
    s.ops.push_back(std::move(op));
}

void CommitState()
{
    State& s = t_state;
    if (s.ops.empty() && s.dirs.empty())
        return;
    std::vector<Op> ops;
    for (Op& op : s.ops)
        if (!op.dropped)
            ops.push_back(std::move(op));
    std::set<QByteArray> dirs = std::move(s.dirs);
    s.ops.clear();
    s.byTarget.clear();
    s.dirs.clear();

    // 1. The data of every staged file reaches the disk before any name changes.
    bool each = true;
    for (const Op& op : ops)
        each = each && op.fd >= 0;
    if (each) {
        for (Op& op : ops) {
            if (::fdatasync(op.fd) != 0)
                op.error = errno;
        }
    } else {
        std::set<dev_t> synced;
        std::set<QByteArray> opDirs;
        for (const Op& op : ops)
            opDirs.insert(DirOf(op.target));
        for (const QByteArray& dir : opDirs) {
            const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            struct stat st;
            int error = 0;
            if (fd < 0 || ::fstat(fd, &st) != 0)
                error = errno;
            else if (synced.insert(st.st_dev).second && ::syncfs(fd) != 0)
                error = errno;
            if (fd >= 0)
                ::close(fd);
            if (error) {
                for (Op& op : ops)
                    if (DirOf(op.target) == dir && !op.error)
                        op.error = error;
            }
        }
    }
    for (Op& op : ops) {
        if (op.fd >= 0)
            ::close(op.fd);
        op.fd = -1;
    }

    // 2. The names, in the order the writes came.
    for (Op& op : ops) {
        if (!op.error) {
            if (op.kind == Kind::Replace)
                op.error = std::rename(op.temp.constData(), op.target.constData()) == 0 ? 0 : errno;
            else
                op.error = RenameNoReplace(op.temp, op.target);
        }
        if (op.error)
            ::unlink(op.temp.constData());
    }

    // 3. Each folder once, so the new names survive a power cut.
    for (const QByteArray& dir : dirs) {
        const int error = SyncDir(dir);
        if (!error)
            continue;
        for (Op& op : ops)
            if (DirOf(op.target) == dir && !op.error)
                op.error = error;
    }

    // What the callers do about the outcomes (a retry, a removal) is one
    // more batch of its own.
    Batch followUp;
    for (Op& op : ops)
        if (op.done)
            op.done(op.error);
}

void SetWhy(QString* why, const QString& text)
{
    if (why)
        *why = text;
}

// Runs stage() inside a batch of its own when none is open, and hands back
// what became of the write.
int RunOne(const std::function<bool(std::function<void(int)>)>& stage)
{
    int result = 0;
    Batch batch;
    if (!stage([&result](int error) { result = error; }))
        return -1; // failed while staging; the reason is set
    batch.Commit();
    return result;
}

} // namespace

QString HostTag()
{
    static const QString tag = [] {
        QString t;
        for (QChar c : QSysInfo::machineHostName()) {
            if (t.size() >= 32)
                break;
            const char16_t u = c.unicode();
            if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '-')
                t += c;
        }
        return t.isEmpty() ? QStringLiteral("host") : t;
    }();
    return tag;
}

bool IsOwnTemporaryName(const QByteArray& fileName)
{
    if (!fileName.endsWith(".tmp"))
        return false;
    const QByteArray stem = fileName.left(fileName.size() - 4);
    const qsizetype dot = stem.lastIndexOf('.');
    if (dot < 0)
        return false;
    const QByteArray tag = stem.mid(dot + 1);
    const QByteArray host = HostTag().toLatin1() + '-';
    QByteArray numbers = tag;
    if (tag.startsWith(host))
        numbers = tag.mid(host.size());
    // "<pid>-<n>": what is left must be exactly that.
    const qsizetype dash = numbers.indexOf('-');
    if (dash <= 0 || dash + 1 >= numbers.size())
        return false;
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        if (i != dash && (numbers.at(i) < '0' || numbers.at(i) > '9'))
            return false;
    }
    return true;
}

bool Write(const QString& path, const QByteArray& bytes, QString* why, const Done& done)
{
    return WriteLocal(QFile::encodeName(path), bytes, why, done);
}

bool WriteLocal(const QByteArray& path, const QByteArray& bytes, QString* why, const Done& done)
{
    auto stage = [&](std::function<void(int)> finished) {
        int error = 0;
        const QByteArray target = ResolveLinks(path, &error);
        if (target.isEmpty()) {
            SetWhy(why, ErrnoText(error ? error : ENOENT));
            return false;
        }
        struct stat st;
        const bool exists = ::stat(target.constData(), &st) == 0;
        if (!exists && errno != ENOENT) {
            SetWhy(why, ErrnoText(errno));
            return false;
        }
        if (exists && S_ISDIR(st.st_mode)) {
            SetWhy(why, ErrnoText(EISDIR));
            return false;
        }
        if (exists && !S_ISREG(st.st_mode)) {
            // A FIFO or a device is the destination itself: write into it.
            const int fd = ::open(target.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
            if (fd < 0 || !WriteAll(fd, bytes, &error)) {
                SetWhy(why, ErrnoText(fd < 0 ? errno : error));
                if (fd >= 0)
                    ::close(fd);
                return false;
            }
            ::close(fd);
            finished(0);
            return true;
        }
        if (exists && ::access(target.constData(), W_OK) != 0) {
            SetWhy(why, ErrnoText(errno)); // a read-only file is refused, as QSaveFile does
            return false;
        }
        QByteArray temp;
        const int fd = OpenTemp(target, &temp, &error);
        if (fd < 0 && exists && (error == EACCES || error == EPERM || error == EROFS)) {
            // The folder takes no new file but the file itself may be
            // written: write it in place, as QSaveFile's fallback does.
            error = 0;
            const int direct = ::open(target.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
            if (direct < 0 || !WriteAll(direct, bytes, &error) || ::fdatasync(direct) != 0) {
                SetWhy(why, ErrnoText(direct < 0 || !error ? errno : error));
                if (direct >= 0)
                    ::close(direct);
                return false;
            }
            ::close(direct);
            finished(0);
            return true;
        }
        if (fd < 0) {
            SetWhy(why, ErrnoText(error));
            return false;
        }
        if ((exists && ::fchmod(fd, st.st_mode & 07777) != 0) || !WriteAll(fd, bytes, &error)) {
            SetWhy(why, ErrnoText(error ? error : errno));
            ::close(fd);
            ::unlink(temp.constData());
            return false;
        }
        Stage(Op{Kind::Replace, temp, target, fd, 0, std::move(finished)});
        return true;
    };

    if (Batch::Active()) {
        return stage([done](int error) {
            if (done)
                done(error ? Result::Failed : Result::Done, error ? ErrnoText(error) : QString());
        });
    }
    const int error = RunOne(stage);
    if (error > 0)
        SetWhy(why, ErrnoText(error));
    return error == 0;
}

Result Create(const QString& path, const QByteArray& bytes, QString* why, const Done& done)
{
    return CreateLocal(QFile::encodeName(path), bytes, why, done);
}

Result CreateLocal(const QByteArray& path, const QByteArray& bytes, QString* why, const Done& done)
{
    bool taken = false;
    auto stage = [&](std::function<void(int)> finished) {
        const QByteArray& target = path;
        struct stat st;
        if (::lstat(target.constData(), &st) == 0) {
            taken = true;
            SetWhy(why, ErrnoText(EEXIST));
            return false;
        }
        int error = 0;
        QByteArray temp;
        const int fd = OpenTemp(target, &temp, &error);
        if (fd < 0) {
            SetWhy(why, ErrnoText(error));
            return false;
        }
        if (!WriteAll(fd, bytes, &error)) {
            SetWhy(why, ErrnoText(error));
            ::close(fd);
            ::unlink(temp.constData());
            return false;
        }
        Stage(Op{Kind::Create, temp, target, fd, 0, std::move(finished)});
        return true;
    };

    if (Batch::Active()) {
        if (stage([done](int error) {
                if (!done)
                    return;
                if (error == EEXIST)
                    done(Result::NameTaken, Texts::tr("another file took the name meanwhile"));
                else
                    done(error ? Result::Failed : Result::Done, error ? ErrnoText(error) : QString());
            }))
            return Result::Done;
        return taken ? Result::NameTaken : Result::Failed;
    }
    const int error = RunOne(stage);
    if (error == 0)
        return Result::Done;
    if (taken || error == EEXIST) {
        SetWhy(why, ErrnoText(EEXIST));
        return Result::NameTaken;
    }
    if (error > 0)
        SetWhy(why, ErrnoText(error));
    return Result::Failed;
}

Result CreateScratch(const QByteArray& path, const QByteArray& bytes, QString* why)
{
    const QByteArray& target = path;
    struct stat st;
    if (::lstat(target.constData(), &st) == 0) {
        SetWhy(why, ErrnoText(EEXIST));
        return Result::NameTaken;
    }
    int error = 0;
    QByteArray temp;
    const int fd = OpenTemp(target, &temp, &error);
    if (fd < 0) {
        SetWhy(why, ErrnoText(error));
        return Result::Failed;
    }
    const bool written = WriteAll(fd, bytes, &error);
    ::close(fd);
    if (written)
        error = RenameNoReplace(temp, target);
    if (error) {
        ::unlink(temp.constData());
        SetWhy(why, ErrnoText(error));
        return error == EEXIST ? Result::NameTaken : Result::Failed;
    }
    if (Batch::Active())
        t_state.dirs.insert(DirOf(target));
    return Result::Done;
}

bool Remove(const QString& path, QString* why)
{
    return RemoveLocal(QFile::encodeName(path), why);
}

bool RemoveLocal(const QByteArray& path, QString* why, int* errorOut)
{
    const QByteArray& target = path;
    State& s = t_state;
    // A staged write to the file never lands; a staged creation leaves
    // nothing to remove.
    bool onlyStaged = false;
    const auto it = s.byTarget.constFind(target);
    if (it != s.byTarget.constEnd() && !s.ops[it.value()].dropped) {
        Op& op = s.ops[it.value()];
        Drop(op);
        onlyStaged = op.kind == Kind::Create;
        s.byTarget.erase(it);
    }
    if (onlyStaged)
        return true;
    if (::unlink(target.constData()) != 0) {
        if (errorOut)
            *errorOut = errno;
        SetWhy(why, ErrnoText(errno));
        return false;
    }
    if (Batch::Active()) {
        s.dirs.insert(DirOf(target));
        return true;
    }
    const int error = SyncDir(DirOf(target));
    if (error) {
        if (errorOut)
            *errorOut = error;
        SetWhy(why, ErrnoText(error));
        return false;
    }
    return true;
}

Batch::Batch() : m_outer(t_state.depth++ == 0) {}

Batch::~Batch()
{
    Commit();
}

void Batch::Commit()
{
    if (m_done)
        return;
    m_done = true;
    --t_state.depth;
    if (m_outer)
        CommitState();
}

bool Batch::Active()
{
    return t_state.depth > 0;
}

} // namespace SaveFile
