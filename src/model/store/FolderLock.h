#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

// The writers' lock of a data folder: an advisory lock (flock) on the
// folder's own directory. Every program that writes the folder takes it for
// as long as it commits a change (milliseconds), never for its whole life.
// It holds between users of one machine and between sessions whatever their
// runtime folders, leaves nothing in the folder for a sync tool to carry, and
// goes with its holder when the holder dies. A folder reached through a link
// is the same directory, so the same lock.
class FolderLock
{
public:
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // How long a writer waits for another one to finish its commit.
    static constexpr int kDefaultWaitMs = 30000;

    // Takes the lock of the directory dir, waiting up to waitMs while another
    // writer holds it. Null when it cannot be had; why then says why. A file
    // system that keeps no such locks gives a lock that guards nothing.
    static std::unique_ptr<FolderLock> Acquire(const QByteArray& dir, int waitMs, QString* why);
    static std::unique_ptr<FolderLock> Acquire(const QString& dir, int waitMs, QString* why);

private:
    explicit FolderLock(int fd);

    int m_fd = -1;
};
