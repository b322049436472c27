#include "model/SaveFile.h"

#include <QCoreApplication>
#include <QFile>

#include <atomic>
#include <filesystem>
#include <system_error>

namespace SaveFile {

// The bytes go to a new file beside the target, which then replaces the
// target in one rename: a crash leaves either the old or the new file. No
// flush to the disk on every write: a series of thousands of dues is written
// at once and must not wait for the medium each time.
bool Write(const QString& path, const QByteArray& bytes, QString* why)
{
    static std::atomic<unsigned> counter{0};
    QString temp;
    QFile file;
    for (int attempt = 0;; ++attempt) {
        temp = path +
               QStringLiteral(".%1-%2.tmp").arg(QCoreApplication::applicationPid()).arg(counter.fetch_add(1));
        file.setFileName(temp);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            break;
        // A leftover of an earlier run may hold the name; anything else is a real failure.
        if (!QFile::exists(temp) || attempt >= 100) {
            if (why)
                *why = file.errorString();
            return false;
        }
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        if (why)
            *why = file.errorString();
        file.close();
        file.remove();
        return false;
    }
    file.close();
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(temp.toStdU16String()),
                            std::filesystem::path(path.toStdU16String()), ec);
    if (ec) {
        if (why)
            *why = QString::fromLocal8Bit(ec.message().c_str());
        QFile::remove(temp);
        return false;
    }
    return true;
}

} // namespace SaveFile
