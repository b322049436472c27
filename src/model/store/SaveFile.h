#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>

// Every file the program writes goes through here. A write goes to a
// temporary file beside the target, its data reaches the disk, and only then
// does it take the target's name; the folder is synced after the rename. A
// crash or a power cut leaves the old file or the new one, never a torn or
// zero-filled one.
//
// A Batch on the stack groups the writes of one user action (a whole series)
// into one sync pass, whole or not at all: the temporary files are written at
// once; when the batch ends their data is synced together, a journal naming
// every change is written and synced, the renames and removals follow, each
// folder is synced once and the journal goes. A crash before the journal
// leaves only temporary files (the change is taken back by the next start's
// sweep), a crash after it leaves a journal that the next start finishes
// (FinishInterrupted). A write that fails before the journal abandons the
// whole batch: nothing of it lands.
namespace SaveFile {

enum class Result
{
    Done,
    NameTaken, // Create only: a file of that name exists and was left alone
    Failed,
    // Not written because another write of the same batch failed (that one
    // carries the reason): the batch lands whole or not at all.
    Abandoned
};

// Told the outcome of a write that a batch finished later.
using Done = std::function<void(Result result, const QString& why)>;

// Replaces (or creates) path with bytes, with QSaveFile's meaning: a symlink
// is written through to its target, the permissions of an existing file are
// kept, a file we may not write is refused, and the old file stays intact on
// any failure. A target that is not a regular file (a FIFO, a device) is
// written into directly, never replaced. In a batch the rename waits for the
// batch's end: true then means the bytes are staged, and a failure at the end
// goes to done.
[[nodiscard]] bool Write(const QString& path, const QByteArray& bytes, QString* why, const Done& done = {});
// The same with a path in the file system's bytes (names need not be UTF-8).
[[nodiscard]] bool WriteLocal(const QByteArray& path, const QByteArray& bytes, QString* why,
                              const Done& done = {});

// Creates path with bytes, never replacing anything: an existing name gives
// NameTaken (also when another program takes the name meanwhile). In a batch
// the name is taken at the batch's end, after the data sync; NameTaken then
// goes to done as a failure.
[[nodiscard]] Result Create(const QString& path, const QByteArray& bytes, QString* why,
                            const Done& done = {});
[[nodiscard]] Result CreateLocal(const QByteArray& path, const QByteArray& bytes, QString* why,
                                 const Done& done = {});

// Creates a scratch file at once, never replacing anything, without waiting
// for the disk: for files that are thrown away after a crash anyway.
[[nodiscard]] Result CreateScratch(const QByteArray& path, const QByteArray& bytes, QString* why);

// Removes path, at once or, in a batch, with the batch's renames (false at
// once when there is no such file); its folder is synced after. A staged
// write to the same path is dropped. done hears how a removal in a batch ended.
[[nodiscard]] bool Remove(const QString& path, QString* why);
// The same with a path in the file system's bytes; error is errno's value.
[[nodiscard]] bool RemoveLocal(const QByteArray& path, QString* why, int* error = nullptr,
                               const Done& done = {});

// True while the thread's open batch holds a write or removal of path that
// has not landed yet.
bool IsStaged(const QByteArray& path);

// Commits that change files in dir take the folder's writers' lock
// (FolderLock) for as long as they rename and remove. For data folders.
void GuardFolder(const QByteArray& dir);

// Finishes what writers that are gone left in dir: a journalled commit is
// rolled forward (the names it renamed to or removed go to finished), the
// temporary files of writers that are gone are removed (to rolledBack, with
// their target's name as the second of each pair). Takes the folder's lock.
// Failures go to problems, each naming the file and the reason.
struct Interrupted
{
    QList<QByteArray> finished;                      // names written or removed by a finished commit
    QList<QPair<QByteArray, QByteArray>> rolledBack; // (temporary name, the name it was meant for)
    QList<QByteArray> rolledBackData;                // the bytes of each rolled-back file, up to a small size
    qint64 bulkFinished = 0;                         // files of a BulkCreate moved in
    qint64 bulkRolledBack = 0;                       // files of a BulkCreate taken back
    QStringList problems;
};
Interrupted FinishInterrupted(const QByteArray& dir);

// Sees each system call of a save, in order, with the path it is about
// ("write", "fdatasync", "syncfs", "close", "journal", "rename", "unlink",
// "fsyncdir"): for tests of the order of a durable write. Null to stop.
using Trace = std::function<void(const char* call, const QByteArray& path)>;
void SetTrace(Trace trace);

// Scope of one sync pass. Batches nest: only the outermost one commits.
class Batch
{
public:
    Batch();
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

    // Ends the batch early (the destructor then does nothing).
    void Commit();
    static bool Active();

private:
    bool m_outer = false;
    bool m_done = false;
};

// Creates any number of new files in one folder as one change, whole or not
// at all, without holding them in memory: each file is written at once into
// a staging folder of its own inside the folder
// (".tallyvane-<host>-<pid>-<n>.staging"). Commit syncs them with one syncfs,
// writes a journal naming the staging folder, moves every file in under its
// name (never over an existing file) and removes the staging folder and the
// journal. A crash before the journal leaves a staging folder that the next
// FinishInterrupted removes; after it, FinishInterrupted moves the rest in.
// Not committed, nothing lands.
class BulkCreate
{
public:
    // Says what to do when a name is taken in the folder by the time its file
    // is moved in: given the file's bytes, true with another name and the
    // bytes to write there.
    using Rename = std::function<bool(const QByteArray& name, QByteArray* newName, QByteArray* bytes)>;

    explicit BulkCreate(const QByteArray& dir);
    ~BulkCreate();
    BulkCreate(const BulkCreate&) = delete;
    BulkCreate& operator=(const BulkCreate&) = delete;

    // Writes name (a plain file name) into the staging folder. False with
    // why when it cannot: the whole change is abandoned then.
    [[nodiscard]] bool Add(const QByteArray& name, const QByteArray& bytes, QString* why);
    // Moves every file in. False with why when nothing landed (a file that
    // could not be synced, the lock, the journal); taken names go to rename,
    // else keep their file under "<name> (2)" and so on. count gets the files
    // that landed.
    [[nodiscard]] bool Commit(QString* why, qint64* count, const Rename& rename = {});

private:
    void Abandon();

    QByteArray m_dir;
    QByteArray m_staging; // empty until the first Add
    qint64 m_count = 0;
    bool m_failed = false;
    bool m_done = false;
};

// This machine's part of the names of our temporary and pending files, so
// that a folder shared between machines by a sync tool never has one
// machine's work swept by another: the host name in letters, digits and "-".
QString HostTag();

// True for a temporary file name that a save on this host left behind (and
// for the older form without a host, "<name>.<pid>-<n>.tmp").
bool IsOwnTemporaryName(const QByteArray& fileName);
// True for a temporary or journal name of ours whose writer is gone: made on
// this host by a process that no longer runs.
bool IsLeftOver(const QByteArray& fileName);

} // namespace SaveFile
