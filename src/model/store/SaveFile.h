#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Every file the program writes goes through here. A write goes to a
// temporary file beside the target, its data reaches the disk, and only then
// does it take the target's name; the folder is synced after the rename. A
// crash or a power cut leaves the old file or the new one, never a torn or
// zero-filled one.
//
// A Batch on the stack groups the writes of one user action (a whole series)
// into one sync pass: the temporary files are written at once, and when the
// batch ends their data is synced together, the renames follow, and each
// folder is synced once.
namespace SaveFile {

enum class Result
{
    Done,
    NameTaken, // Create only: a file of that name exists and was left alone
    Failed
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

// Removes path at once; its folder is synced now or at the batch's end. A
// staged write to the same path is dropped.
[[nodiscard]] bool Remove(const QString& path, QString* why);
// The same with a path in the file system's bytes; error is errno's value.
[[nodiscard]] bool RemoveLocal(const QByteArray& path, QString* why, int* error = nullptr);

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

// This machine's part of the names of our temporary and pending files, so
// that a folder shared between machines by a sync tool never has one
// machine's work swept by another: the host name in letters, digits and "-".
QString HostTag();

// True for a temporary file name that a save on this host left behind (and
// for the older form without a host, "<name>.<pid>-<n>.tmp").
bool IsOwnTemporaryName(const QByteArray& fileName);

} // namespace SaveFile
