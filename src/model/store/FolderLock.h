#pragma once

#include "model/store/DataFolder.h"

#include <QString>

#include <memory>

class QLockFile;

// The one-writer lock of a data folder. The window and every command that
// writes hold it for as long as they may write. The lock file lives with the
// user's runtime files, named after the folder's canonical path, never in the
// data folder itself: a folder kept in step between machines by a sync tool
// must not carry one machine's lock to another. A lock left by a program that
// crashed is taken over.
class FolderLock
{
public:
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Takes the lock of folder, waiting up to waitMs while another program
    // holds it. Null when it cannot be had; why then names the holder (its
    // program, process and host) or the reason.
    static std::unique_ptr<FolderLock> Acquire(const DataFolder& folder, int waitMs, QString* why);

    // Where the lock of folder is kept.
    static QString LockFilePath(const DataFolder& folder);

    const DataFolder& Folder() const { return m_folder; }

private:
    FolderLock(const DataFolder& folder, std::unique_ptr<QLockFile> file);

    DataFolder m_folder;
    std::unique_ptr<QLockFile> m_file;
};
