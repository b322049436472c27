#include "model/store/SaveFile.h"

#include "model/store/FolderLock.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>

#include <QSysInfo>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <mutex>
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

Trace& TraceHook()
{
    static Trace trace;
    return trace;
}

void T(const char* call, const QByteArray& path)
{
    if (const Trace& trace = TraceHook())
        trace(call, path);
}

QByteArray BaseName(const QByteArray& path)
{
    return path.mid(path.lastIndexOf('/') + 1);
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
    T("fsyncdir", dir);
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
    Create,
    Remove
};

struct Op
{
    Kind kind;
    QByteArray temp; // empty for a removal
    QByteArray target;
    int fd = -1;
    int error = 0;
    std::function<void(int error)> done;
    bool dropped = false;
};

// Handed to done for a write that was not made because another one of its
// batch failed.
constexpr int kAbandoned = -1000;

// The writes of the thread's open batch.
struct State
{
    int depth = 0;
    std::vector<Op> ops;
    QHash<QByteArray, size_t> byTarget; // the live op of each target
    std::set<QByteArray> dirs;
    bool failed = false; // a write failed while staging: nothing of the batch lands
};
thread_local State t_state;

std::mutex g_guardedMutex;
std::set<QByteArray>& Guarded()
{
    static std::set<QByteArray> dirs;
    return dirs;
}

bool IsGuarded(const QByteArray& dir)
{
    std::lock_guard<std::mutex> hold(g_guardedMutex);
    return Guarded().count(dir) != 0;
}

// Up to this many staged files are synced one by one; more are synced with
// one syncfs per file system.
constexpr size_t kSyncEachUpTo = 16;

int CloseChecked(int fd, const QByteArray& path)
{
    T("close", path);
    return ::close(fd) == 0 || errno == EINTR ? 0 : errno;
}

void Drop(Op& op)
{
    if (op.fd >= 0)
        ::close(op.fd);
    op.fd = -1;
    if (!op.temp.isEmpty())
        ::unlink(op.temp.constData());
    op.dropped = true;
}

int Stage(Op op)
{
    State& s = t_state;
    // A later write to the same file wins; the earlier bytes never land.
    const auto it = s.byTarget.constFind(op.target);
    if (it != s.byTarget.constEnd() && op.kind == Kind::Replace && s.ops[it.value()].kind == Kind::Replace)
        Drop(s.ops[it.value()]);
    int error = 0;
    if (s.ops.size() >= kSyncEachUpTo && op.fd >= 0) {
        error = CloseChecked(op.fd, op.temp);
        op.fd = -1;
    }
    if (s.ops.size() == kSyncEachUpTo) {
        // From here on one syncfs serves them all: no need to keep files open.
        for (Op& earlier : s.ops) {
            if (earlier.fd >= 0 && !earlier.error)
                earlier.error = CloseChecked(earlier.fd, earlier.temp);
            else if (earlier.fd >= 0)
                ::close(earlier.fd);
            earlier.fd = -1;
        }
    }
    if (error) {
        ::unlink(op.temp.constData());
        s.failed = true;
        return error;
    }
    s.dirs.insert(DirOf(op.target));
    s.byTarget.insert(op.target, s.ops.size());
    s.ops.push_back(std::move(op));
    return 0;
}

QByteArray JournalName()
{
    static std::atomic<unsigned> counter{0};
    return ".tallyvane-" + HostTag().toLatin1() + '-' + QByteArray::number(qint64(::getpid())) + '-' +
           QByteArray::number(counter.fetch_add(1)) + ".journal";
}

constexpr const char* kJournalHeader = "Tallyvane commit 1\n";

// The journal of the ops that change dir: one line each, names percent-encoded.
QByteArray JournalBytes(const std::vector<Op*>& ops)
{
    QByteArray bytes(kJournalHeader);
    for (const Op* op : ops) {
        const QByteArray target = BaseName(op->target).toPercentEncoding();
        switch (op->kind) {
        case Kind::Replace:
            bytes += "W " + BaseName(op->temp).toPercentEncoding() + ' ' + target + '\n';
            break;
        case Kind::Create:
            bytes += "C " + BaseName(op->temp).toPercentEncoding() + ' ' + target + '\n';
            break;
        case Kind::Remove:
            bytes += "D " + target + '\n';
            break;
        }
    }
    bytes += "end\n"; // a journal cut short is not one
    return bytes;
}

// Writes a new file whole and synced, never over an existing one; call is
// what the trace sees the write as.
int CreateSynced(const QByteArray& path, const QByteArray& bytes, const char* call = "write",
                 mode_t mode = 0666)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0)
        return errno;
    int error = 0;
    T(call, path);
    if (!WriteAll(fd, bytes, &error) || ::fdatasync(fd) != 0) {
        if (!error)
            error = errno;
        ::close(fd);
        ::unlink(path.constData());
        return error;
    }
    T("fdatasync", path);
    error = CloseChecked(fd, path);
    if (error)
        ::unlink(path.constData());
    return error;
}

int WriteJournal(const QByteArray& path, const QByteArray& bytes)
{
    int error = CreateSynced(path, bytes, "journal", 0644);
    if (!error) {
        error = SyncDir(DirOf(path));
        if (error)
            ::unlink(path.constData());
    }
    return error;
}

void CommitState()
{
    State& s = t_state;
    if (s.ops.empty() && s.dirs.empty()) {
        s.failed = false;
        return;
    }
    std::vector<Op> ops;
    for (Op& op : s.ops)
        if (!op.dropped)
            ops.push_back(std::move(op));
    std::set<QByteArray> dirs = std::move(s.dirs);
    const bool stagingFailed = s.failed;
    s.ops.clear();
    s.byTarget.clear();
    s.dirs.clear();
    s.failed = false;

    auto abandon = [&ops] {
        for (Op& op : ops) {
            if (op.fd >= 0)
                ::close(op.fd);
            op.fd = -1;
            if (!op.temp.isEmpty())
                ::unlink(op.temp.constData());
            if (!op.error)
                op.error = kAbandoned;
        }
    };
    auto finish = [&ops] {
        // What the callers do about the outcomes (a retry, a removal) is one
        // more batch of its own.
        Batch followUp;
        for (Op& op : ops)
            if (op.done)
                op.done(op.error);
    };

    if (stagingFailed) {
        abandon();
        finish();
        return;
    }

    // 1. The data of every staged file reaches the disk before any name changes.
    bool each = true;
    for (const Op& op : ops)
        each = each && (op.fd >= 0 || op.kind == Kind::Remove);
    bool failed = false;
    if (each) {
        for (Op& op : ops) {
            if (op.fd < 0)
                continue;
            T("fdatasync", op.temp);
            if (::fdatasync(op.fd) != 0)
                op.error = errno;
        }
    } else {
        std::set<dev_t> synced;
        std::set<QByteArray> opDirs;
        for (const Op& op : ops)
            if (op.kind != Kind::Remove)
                opDirs.insert(DirOf(op.target));
        for (const QByteArray& dir : opDirs) {
            const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            struct stat st;
            int error = 0;
            if (fd < 0 || ::fstat(fd, &st) != 0) {
                error = errno;
            } else if (synced.insert(st.st_dev).second) {
                T("syncfs", dir);
                if (::syncfs(fd) != 0)
                    error = errno;
            }
            if (fd >= 0)
                ::close(fd);
            if (error) {
                for (Op& op : ops)
                    if (DirOf(op.target) == dir && !op.error && op.kind != Kind::Remove)
                        op.error = error;
            }
        }
    }
    for (Op& op : ops) {
        if (op.fd >= 0) {
            const int error = CloseChecked(op.fd, op.temp);
            if (!op.error)
                op.error = error;
        }
        op.fd = -1;
        failed = failed || op.error;
    }
    if (failed) {
        abandon();
        finish();
        return;
    }

    // 2. The writers' lock of each data folder, for the renames and removals.
    std::vector<std::unique_ptr<FolderLock>> locks;
    for (const QByteArray& dir : dirs) {
        if (!IsGuarded(dir))
            continue;
        QString why;
        std::unique_ptr<FolderLock> lock = FolderLock::Acquire(dir, FolderLock::kDefaultWaitMs, &why);
        if (!lock) {
            for (Op& op : ops)
                if (DirOf(op.target) == dir)
                    op.error = EWOULDBLOCK;
            abandon();
            finish();
            return;
        }
        locks.push_back(std::move(lock));
    }

    // 3. A journal in each folder that more than one change touches: once it
    // is on the disk, the change is finished even after a crash.
    std::vector<QByteArray> journals;
    for (const QByteArray& dir : dirs) {
        std::vector<Op*> here;
        for (Op& op : ops)
            if (DirOf(op.target) == dir)
                here.push_back(&op);
        if (here.size() < 2)
            continue;
        const QByteArray journal = dir + '/' + JournalName();
        const int error = WriteJournal(journal, JournalBytes(here));
        if (error) {
            for (Op* op : here)
                op->error = error;
            for (const QByteArray& written : journals)
                ::unlink(written.constData());
            abandon();
            finish();
            return;
        }
        journals.push_back(journal);
    }

    // 4. The names, in the order the writes came.
    for (Op& op : ops) {
        switch (op.kind) {
        case Kind::Replace:
            T("rename", op.target);
            op.error = std::rename(op.temp.constData(), op.target.constData()) == 0 ? 0 : errno;
            break;
        case Kind::Create:
            T("rename", op.target);
            op.error = RenameNoReplace(op.temp, op.target);
            break;
        case Kind::Remove:
            T("unlink", op.target);
            op.error = ::unlink(op.target.constData()) == 0 ? 0 : errno;
            break;
        }
        if (op.error && !op.temp.isEmpty())
            ::unlink(op.temp.constData());
    }

    // 5. Each folder once, so the new names survive a power cut; then the
    // journals go, and their folders once more.
    for (const QByteArray& dir : dirs) {
        const int error = SyncDir(dir);
        if (!error)
            continue;
        for (Op& op : ops)
            if (DirOf(op.target) == dir && !op.error)
                op.error = error;
    }
    std::set<QByteArray> journalDirs;
    for (const QByteArray& journal : journals) {
        T("unlink", journal);
        ::unlink(journal.constData());
        journalDirs.insert(DirOf(journal));
    }
    for (const QByteArray& dir : journalDirs)
        (void)SyncDir(dir);
    locks.clear();
    finish();
}

Result LateResult(int error)
{
    if (error == kAbandoned)
        return Result::Abandoned;
    return error ? Result::Failed : Result::Done;
}

QString LateWhy(int error)
{
    if (error == 0 || error == kAbandoned)
        return {};
    if (error == EWOULDBLOCK)
        return Texts::tr("another program kept the folder locked for writing too long");
    return ErrnoText(error);
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

namespace {

// The writer of one of our names: "<host>-<pid>-<n>" (host may hold "-"),
// or the older "<pid>-<n>" (taken as this host's).
bool ParseWriterTag(const QByteArray& tag, QByteArray* host, qint64* pid)
{
    const qsizetype last = tag.lastIndexOf('-');
    if (last <= 0)
        return false;
    const qsizetype before = tag.lastIndexOf('-', last - 1);
    const QByteArray pidText = tag.mid(before + 1, last - before - 1);
    bool ok = false;
    *pid = pidText.toLongLong(&ok);
    if (!ok || *pid <= 0)
        return false;
    for (char c : tag.mid(last + 1))
        if (c < '0' || c > '9')
            return false;
    *host = before < 0 ? HostTag().toLatin1() : tag.left(before);
    return !tag.mid(last + 1).isEmpty();
}

bool IsJournalName(const QByteArray& fileName)
{
    return fileName.startsWith(".tallyvane-") && fileName.endsWith(".journal");
}

bool IsStagingName(const QByteArray& fileName)
{
    return fileName.startsWith(".tallyvane-") && fileName.endsWith(".staging");
}

// The writer's tag of a temporary or journal name of ours; empty otherwise.
QByteArray WriterTagOf(const QByteArray& fileName)
{
    if (IsJournalName(fileName) || IsStagingName(fileName))
        return fileName.mid(11, fileName.size() - 11 - 8);
    if (!fileName.endsWith(".tmp"))
        return {};
    const QByteArray stem = fileName.left(fileName.size() - 4);
    const qsizetype dot = stem.lastIndexOf('.');
    return dot < 0 ? QByteArray() : stem.mid(dot + 1);
}

bool ProcessGone(qint64 pid)
{
    if (pid == qint64(::getpid()))
        return false;
    // Another user's live process answers EPERM: it is there.
    return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

// "name (k).ext": where a file whose name was taken meanwhile is kept.
QByteArray AlternateName(const QByteArray& name, int k)
{
    const qsizetype dot = name.lastIndexOf('.');
    const QByteArray mark = " (" + QByteArray::number(k) + ')';
    return dot > 0 ? name.left(dot) + mark + name.mid(dot) : name + mark;
}

// Moves every file of dir's staging folder into dir, never over an existing
// name: a taken name goes to rename, else the file keeps "name (2)" and so on.
// count gets the files moved; failures go to problems, naming the file.
void MoveStaged(const QByteArray& dir, const QByteArray& staging, const BulkCreate::Rename& rename,
                qint64* count, QStringList* problems)
{
    const QByteArray from = dir + '/' + staging;
    DIR* d = ::opendir(from.constData());
    if (!d)
        return;
    while (const dirent* e = ::readdir(d)) {
        const QByteArray name(e->d_name);
        if (name == "." || name == "..")
            continue;
        const QByteArray source = from + '/' + name;
        T("rename", dir + '/' + name);
        int error = RenameNoReplace(source, dir + '/' + name);
        if (error == EEXIST && rename) {
            QByteArray newName, bytes;
            QFile staged(QFile::decodeName(source));
            if (staged.open(QIODevice::ReadOnly))
                bytes = staged.readAll();
            if (!bytes.isEmpty() && rename(name, &newName, &bytes) && !newName.contains('/') &&
                CreateSynced(dir + '/' + newName, bytes) == 0) {
                T("unlink", source);
                ::unlink(source.constData());
                error = 0;
            }
        }
        for (int k = 2; error == EEXIST && k < 1000; ++k)
            error = RenameNoReplace(source, dir + '/' + AlternateName(name, k));
        if (error == ENOENT)
            continue; // moved already: a directory read may show a name twice
        if (error) {
            *problems << Texts::tr("%1: a change that was interrupted could not be finished: %2")
                             .arg(QFile::decodeName(name), ErrnoText(error));
            continue;
        }
        ++*count;
    }
    ::closedir(d);
}

// Removes a staging folder and what it holds: how many files it held.
qint64 RemoveStaged(const QByteArray& path)
{
    qint64 removed = 0;
    if (DIR* d = ::opendir(path.constData())) {
        while (const dirent* e = ::readdir(d)) {
            const QByteArray name(e->d_name);
            if (name != "." && name != ".." && ::unlink((path + '/' + name).constData()) == 0)
                ++removed;
        }
        ::closedir(d);
    }
    T("unlink", path);
    ::rmdir(path.constData());
    return removed;
}

// The name a temporary file was meant for; empty for the short form.
QByteArray TargetOfTemporary(const QByteArray& fileName)
{
    if (fileName.startsWith(".tallyvane."))
        return {};
    const QByteArray stem = fileName.left(fileName.size() - 4);
    return stem.left(stem.lastIndexOf('.'));
}

} // namespace

bool IsLeftOver(const QByteArray& fileName)
{
    if (!IsJournalName(fileName) && !IsOwnTemporaryName(fileName) && !IsStagingName(fileName))
        return false;
    QByteArray host;
    qint64 pid = 0;
    if (!ParseWriterTag(WriterTagOf(fileName), &host, &pid))
        return false;
    return host == HostTag().toLatin1() && ProcessGone(pid);
}

bool IsStaged(const QByteArray& path)
{
    const State& s = t_state;
    const auto it = s.byTarget.constFind(path);
    return it != s.byTarget.constEnd() && !s.ops[it.value()].dropped;
}

void GuardFolder(const QByteArray& dir)
{
    std::lock_guard<std::mutex> hold(g_guardedMutex);
    Guarded().insert(dir);
}

void SetTrace(Trace trace)
{
    TraceHook() = std::move(trace);
}

Interrupted FinishInterrupted(const QByteArray& dir)
{
    Interrupted result;
    QList<QByteArray> journals, temps, stagings;
    auto scan = [&] {
        journals.clear();
        temps.clear();
        stagings.clear();
        DIR* d = ::opendir(dir.constData());
        if (!d)
            return;
        while (const dirent* e = ::readdir(d)) {
            const QByteArray name(e->d_name);
            if (!IsLeftOver(name))
                continue;
            (IsJournalName(name) ? journals : IsStagingName(name) ? stagings : temps) << name;
        }
        ::closedir(d);
        std::sort(journals.begin(), journals.end());
        std::sort(temps.begin(), temps.end());
    };
    scan();
    if (journals.isEmpty() && temps.isEmpty() && stagings.isEmpty())
        return result;
    QString why;
    const std::unique_ptr<FolderLock> lock = FolderLock::Acquire(dir, FolderLock::kDefaultWaitMs, &why);
    if (!lock) {
        result.problems << why;
        return result;
    }
    scan(); // what another writer finished meanwhile is gone
    const QString shownDir = QDir::toNativeSeparators(QFile::decodeName(dir));
    auto problem = [&](const QByteArray& name, int error) {
        result.problems << Texts::tr("%1: a change that was interrupted could not be finished: %2")
                               .arg(QFile::decodeName(name), ErrnoText(error));
    };
    bool changed = false;
    for (const QByteArray& journal : std::as_const(journals)) {
        const QByteArray path = dir + '/' + journal;
        QFile file(QFile::decodeName(path));
        QByteArray bytes;
        if (file.open(QIODevice::ReadOnly))
            bytes = file.read(64 << 20);
        const QList<QByteArray> lines = bytes.split('\n');
        // Only a journal written whole is a commit; one cut short was never
        // synced, so its change is taken back with the temporary files.
        const bool whole = bytes.startsWith(kJournalHeader) && bytes.endsWith("end\n");
        for (const QByteArray& line : lines) {
            if (!whole)
                break;
            const QList<QByteArray> f = line.split(' ');
            if (f.size() == 2 && f[0] == "M") {
                // A bulk creation: what its staging folder still holds moves in.
                const QByteArray staging = QByteArray::fromPercentEncoding(f[1]);
                if (!IsStagingName(staging) || staging.contains('/') || !stagings.contains(staging))
                    continue;
                QStringList problems;
                (void)MoveStaged(dir, staging, {}, &result.bulkFinished, &problems);
                result.problems << problems;
                if (problems.isEmpty())
                    (void)RemoveStaged(dir + '/' + staging);
                stagings.removeAll(staging);
                changed = true;
                continue;
            }
            const bool op = (f.size() == 3 && (f[0] == "W" || f[0] == "C")) || (f.size() == 2 && f[0] == "D");
            if (!op)
                continue;
            const QByteArray target = QByteArray::fromPercentEncoding(f.last());
            if (target.contains('/') || target.isEmpty() || target == "." || target == "..")
                continue;
            const QByteArray targetPath = dir + '/' + target;
            if (f[0] == "D") {
                if (::unlink(targetPath.constData()) == 0)
                    result.finished << target;
                else if (errno != ENOENT)
                    problem(target, errno);
                changed = true;
                continue;
            }
            const QByteArray temp = QByteArray::fromPercentEncoding(f[1]);
            if (temp.contains('/') || !IsOwnTemporaryName(temp))
                continue;
            const QByteArray tempPath = dir + '/' + temp;
            struct stat st;
            if (::lstat(tempPath.constData(), &st) != 0)
                continue; // renamed before the crash
            const int error =
                f[0] == "W" ? (std::rename(tempPath.constData(), targetPath.constData()) == 0 ? 0 : errno)
                            : RenameNoReplace(tempPath, targetPath);
            if (error) {
                problem(target, error);
                ::unlink(tempPath.constData());
            } else {
                result.finished << target;
            }
            temps.removeAll(temp);
            changed = true;
        }
        // The names must be on the disk before the journal goes.
        if (changed)
            (void)SyncDir(dir);
        if (::unlink(path.constData()) != 0 && errno != ENOENT)
            problem(journal, errno);
        changed = true;
    }
    // A bulk creation without its journal never began as far as the folder knows.
    for (const QByteArray& staging : std::as_const(stagings)) {
        result.bulkRolledBack += RemoveStaged(dir + '/' + staging);
        changed = true;
    }
    for (const QByteArray& temp : std::as_const(temps)) {
        const QByteArray path = dir + '/' + temp;
        QByteArray data;
        QFile file(QFile::decodeName(path));
        if (file.open(QIODevice::ReadOnly))
            data = file.read(64 << 10);
        if (::unlink(path.constData()) != 0) {
            if (errno != ENOENT)
                result.problems << Texts::tr(
                                       "%1: a leftover of an interrupted save that could not be removed: %2")
                                       .arg(QFile::decodeName(temp), ErrnoText(errno));
            continue;
        }
        result.rolledBack << qMakePair(temp, TargetOfTemporary(temp));
        result.rolledBackData << data;
        changed = true;
    }
    if (changed) {
        const int error = SyncDir(dir);
        if (error)
            result.problems << Texts::tr("%1 could not be synced: %2").arg(shownDir, ErrnoText(error));
    }
    return result;
}

BulkCreate::BulkCreate(const QByteArray& dir) : m_dir(dir) {}

BulkCreate::~BulkCreate()
{
    if (!m_done)
        Abandon();
}

void BulkCreate::Abandon()
{
    m_done = true;
    if (m_staging.isEmpty())
        return;
    (void)RemoveStaged(m_dir + '/' + m_staging);
    m_staging.clear();
}

bool BulkCreate::Add(const QByteArray& name, const QByteArray& bytes, QString* why)
{
    if (m_failed || m_done) {
        if (why)
            *why = Texts::tr("an earlier file of the same change could not be written");
        return false;
    }
    auto fail = [&](int error) {
        m_failed = true;
        if (why)
            *why = ErrnoText(error);
        Abandon();
        return false;
    };
    if (m_staging.isEmpty()) {
        static std::atomic<unsigned> counter{0};
        const QByteArray staging = ".tallyvane-" + HostTag().toLatin1() + '-' +
                                   QByteArray::number(qint64(::getpid())) + '-' +
                                   QByteArray::number(counter.fetch_add(1)) + ".staging";
        if (::mkdir((m_dir + '/' + staging).constData(), 0777) != 0)
            return fail(errno);
        m_staging = staging;
    }
    const QByteArray path = m_dir + '/' + m_staging + '/' + name;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return fail(errno);
    int error = 0;
    T("write", path);
    if (!WriteAll(fd, bytes, &error)) {
        ::close(fd);
        return fail(error);
    }
    if (const int closed = CloseChecked(fd, path))
        return fail(closed);
    ++m_count;
    return true;
}

bool BulkCreate::Commit(QString* why, qint64* count, const Rename& rename)
{
    *count = 0;
    if (m_failed || m_done) {
        if (why)
            *why = Texts::tr("an earlier file of the same change could not be written");
        Abandon();
        return false;
    }
    m_done = true;
    if (m_staging.isEmpty())
        return true;
    const QByteArray staging = m_dir + '/' + m_staging;
    auto fail = [&](int error) {
        if (why)
            *why = ErrnoText(error);
        m_done = false;
        Abandon();
        return false;
    };
    // 1. Every file's data, and the staging folder's names, with one sync.
    const int fd = ::open(staging.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return fail(errno);
    T("syncfs", staging);
    const int synced = ::syncfs(fd) == 0 ? 0 : errno;
    ::close(fd);
    if (synced)
        return fail(synced);
    if (const int error = SyncDir(staging))
        return fail(error);

    // 2. The writers' lock, 3. the journal: from here on the change is made.
    std::unique_ptr<FolderLock> lock;
    if (IsGuarded(m_dir)) {
        QString locked;
        lock = FolderLock::Acquire(m_dir, FolderLock::kDefaultWaitMs, &locked);
        if (!lock) {
            if (why)
                *why = locked;
            m_done = false;
            Abandon();
            return false;
        }
    }
    const QByteArray journal = m_dir + '/' + JournalName();
    if (const int error = WriteJournal(journal, QByteArray(kJournalHeader) + "M " +
                                                    m_staging.toPercentEncoding() + "\nend\n"))
        return fail(error);

    // 4. The files move in; 5. the folder is synced, the staging folder and the journal go.
    QStringList problems;
    MoveStaged(m_dir, m_staging, rename, count, &problems);
    const int error = SyncDir(m_dir);
    if (!problems.isEmpty() || error) {
        // What is left stays journalled: the next start moves it in.
        if (why)
            *why = problems.isEmpty() ? ErrnoText(error) : problems.join(QLatin1Char('\n'));
        return *count > 0;
    }
    T("unlink", staging);
    ::rmdir(staging.constData());
    T("unlink", journal);
    ::unlink(journal.constData());
    (void)SyncDir(m_dir);
    m_staging.clear();
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
        T("write", temp);
        if ((exists && ::fchmod(fd, st.st_mode & 07777) != 0) || !WriteAll(fd, bytes, &error)) {
            SetWhy(why, ErrnoText(error ? error : errno));
            ::close(fd);
            ::unlink(temp.constData());
            return false;
        }
        error = Stage(Op{Kind::Replace, temp, target, fd, 0, std::move(finished)});
        if (error)
            SetWhy(why, ErrnoText(error));
        return error == 0;
    };

    if (Batch::Active()) {
        const bool staged = stage([done](int error) {
            if (done)
                done(LateResult(error), LateWhy(error));
        });
        if (!staged)
            t_state.failed = true; // the batch lands whole or not at all
        return staged;
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
        T("write", temp);
        if (!WriteAll(fd, bytes, &error)) {
            SetWhy(why, ErrnoText(error));
            ::close(fd);
            ::unlink(temp.constData());
            return false;
        }
        error = Stage(Op{Kind::Create, temp, target, fd, 0, std::move(finished)});
        if (error)
            SetWhy(why, ErrnoText(error));
        return error == 0;
    };

    if (Batch::Active()) {
        if (stage([done](int error) {
                if (!done)
                    return;
                if (error == EEXIST)
                    done(Result::NameTaken, Texts::tr("another file took the name meanwhile"));
                else
                    done(LateResult(error), LateWhy(error));
            }))
            return Result::Done;
        if (!taken)
            t_state.failed = true; // the batch lands whole or not at all
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

bool RemoveLocal(const QByteArray& path, QString* why, int* errorOut, const Done& done)
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
    if (Batch::Active()) {
        // What unlink would refuse is refused now, before anything of the
        // batch lands: a folder in the name's place, a folder we may not change.
        struct stat st;
        int error = 0;
        if (::lstat(target.constData(), &st) != 0)
            error = errno;
        else if (S_ISDIR(st.st_mode))
            error = EISDIR;
        else if (::access(DirOf(target).constData(), W_OK | X_OK) != 0)
            error = errno;
        if (error) {
            if (errorOut)
                *errorOut = error;
            SetWhy(why, ErrnoText(error));
            return false;
        }
        Stage(Op{Kind::Remove, {}, target, -1, 0, [done](int error) {
                     if (done)
                         done(LateResult(error), LateWhy(error));
                 }});
        return true;
    }
    T("unlink", target);
    if (::unlink(target.constData()) != 0) {
        if (errorOut)
            *errorOut = errno;
        SetWhy(why, ErrnoText(errno));
        return false;
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
