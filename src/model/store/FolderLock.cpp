#include "model/store/FolderLock.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file's texts, translated under one context (declared so that lupdate finds them).
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(FolderLock)
};

// The user's runtime folder when there is one, else a private folder under
// the temporary folder. TALLYVANE_LOCK_DIR overrides both (for tests).
QString LockDir()
{
    QString dir = qEnvironmentVariable("TALLYVANE_LOCK_DIR");
    if (dir.isEmpty()) {
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        dir = !runtime.isEmpty() && QFileInfo(runtime).isDir()
                  ? runtime + QStringLiteral("/tallyvane")
                  : QDir::tempPath() + QStringLiteral("/tallyvane-%1").arg(::getuid());
    }
    const QByteArray local = QFile::encodeName(dir);
    ::mkdir(local.constData(), 0700);
    // A folder that someone else made (or a link in its place) is not used.
    struct stat st;
    if (::lstat(local.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
        return dir + QStringLiteral("/not-ours");
    return dir;
}

} // namespace

FolderLock::FolderLock(const DataFolder& folder, std::unique_ptr<QLockFile> file)
    : m_folder(folder), m_file(std::move(file))
{
}

FolderLock::~FolderLock() = default;

QString FolderLock::LockFilePath(const DataFolder& folder)
{
    // The same folder reached by another path (a link, "..") is the same lock.
    const QFileInfo info(folder.Path());
    QString key = info.canonicalFilePath();
    if (key.isEmpty())
        key = info.absoluteFilePath();
    const QByteArray hash =
        QCryptographicHash::hash(QFile::encodeName(key), QCryptographicHash::Sha1).toHex();
    return LockDir() + QStringLiteral("/folder-") + QString::fromLatin1(hash.left(24)) +
           QStringLiteral(".lock");
}

std::unique_ptr<FolderLock> FolderLock::Acquire(const DataFolder& folder, int waitMs, QString* why)
{
    if (folder.IsEmpty()) {
        if (why)
            *why = Texts::tr("No data folder is chosen.");
        return nullptr;
    }
    auto file = std::make_unique<QLockFile>(LockFilePath(folder));
    // Only a holder that is gone makes a lock stale, however long it was held.
    file->setStaleLockTime(0);
    if (file->tryLock(waitMs))
        return std::unique_ptr<FolderLock>(new FolderLock(folder, std::move(file)));
    if (!why)
        return nullptr;
    const QString shown = QDir::toNativeSeparators(folder.Path());
    qint64 pid = 0;
    QString host, app;
    if (file->error() == QLockFile::LockFailedError && file->getLockInfo(&pid, &host, &app)) {
        if (app.isEmpty())
            app = Texts::tr("another program");
        *why =
            Texts::tr("The data folder %1 is in use by %2 (process %3 on %4). Close it there and try again.")
                .arg(shown, app)
                .arg(pid)
                .arg(host);
    } else if (file->error() == QLockFile::LockFailedError) {
        *why = Texts::tr("The data folder %1 is in use by another program. Close it there and try again.")
                   .arg(shown);
    } else {
        *why = Texts::tr("The data folder %1 cannot be locked for writing: %2 cannot be created.")
                   .arg(shown, QDir::toNativeSeparators(LockFilePath(folder)));
    }
    return nullptr;
}
