#include "model/store/ExportFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
bool Fail(QString* why, const QString&, const QString& reason)
{
    if (why)
        *why = reason;
    return false;
}

// The file's texts, translated under one context (declared so that lupdate finds them).
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ExportFile)
};
} // namespace

bool SaveExportFile(const QString& path, const QByteArray& bytes, QString* why)
{
    if (path.isEmpty())
        return Fail(why, path, Texts::tr("no file name was given"));
    const QFileInfo target(path);
    // Through a link to where it points; a dangling link names a file to create.
    const QString real = target.exists()      ? target.canonicalFilePath()
                         : target.isSymLink() ? target.symLinkTarget()
                                              : path;
    const QFileInfo info(real);
    if (info.exists() && info.isDir())
        return Fail(why, path, Texts::tr("this is a folder"));
    if (info.exists() && !info.isFile()) {
        // A FIFO or a device: the reader on the other side gets the bytes.
        QFile direct(real);
        if (!direct.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return Fail(why, path, direct.errorString());
        if (direct.write(bytes) != bytes.size())
            return Fail(why, path, direct.errorString());
        return true;
    }
    // A file nobody may write is read-only for us too, even where the system
    // would let us (as the administrator) write it anyway.
    constexpr auto kWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (info.exists() && (!info.isWritable() || !(info.permissions() & kWrite)))
        return Fail(why, path, Texts::tr("the file is read-only"));

    QSaveFile file(real);
    // Never fall back to writing the target in place: a failure must leave it whole.
    file.setDirectWriteFallback(false);
    // Unbuffered, so that a write the disk refuses (a full disk) fails here:
    // a buffered one would fail at commit() unnoticed, and the empty
    // temporary file would take the old file's place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Fail(why, path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Fail(why, path, reason);
    }
    if (!file.commit())
        return Fail(why, path, file.errorString());
    return true;
}
