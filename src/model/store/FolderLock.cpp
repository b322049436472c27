#include "model/store/FolderLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace {

// The file's texts, translated under one context (declared so that lupdate finds them).
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(FolderLock)
};

} // namespace

FolderLock::FolderLock(int fd) : m_fd(fd) {}

FolderLock::~FolderLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // releases the lock
}

std::unique_ptr<FolderLock> FolderLock::Acquire(const QString& dir, int waitMs, QString* why)
{
    return Acquire(QFile::encodeName(dir), waitMs, why);
}

std::unique_ptr<FolderLock> FolderLock::Acquire(const QByteArray& dir, int waitMs, QString* why)
{
    const QString shown = QDir::toNativeSeparators(QFile::decodeName(dir));
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        if (why)
            *why = Texts::tr("The data folder %1 cannot be locked for writing: %2")
                       .arg(shown, QString::fromLocal8Bit(std::strerror(errno)));
        return nullptr;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    auto pause = std::chrono::microseconds(200);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return std::unique_ptr<FolderLock>(new FolderLock(fd));
        const int error = errno;
        if (error == EINTR)
            continue;
        if (error == ENOLCK || error == EOPNOTSUPP || error == ENOSYS || error == EINVAL) {
            // A file system without such locks: writers still never replace
            // each other's new files, and there is no one to wait for.
            return std::unique_ptr<FolderLock>(new FolderLock(fd));
        }
        if (error != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            if (why)
                *why = error == EWOULDBLOCK
                           ? Texts::tr("The data folder %1 is being written by another program for "
                                       "longer than %n second(s). Try again when it has finished.",
                                       nullptr, (waitMs + 999) / 1000)
                                 .arg(shown)
                           : Texts::tr("The data folder %1 cannot be locked for writing: %2")
                                 .arg(shown, QString::fromLocal8Bit(std::strerror(error)));
            return nullptr;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::microseconds(20000));
    }
}
