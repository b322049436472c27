#include "device/DeviceShell.h"

#include "device/DeviceIo.h"
#include "device/DeviceRoot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace DeviceShell {

bool SHGetSpecialFolderPath(int csidl, QString* devicePath, bool create)
{
    if (csidl != CSIDL_STARTUP)
        return false;
    const QString path = QStringLiteral("\\Windows\\StartUp");
    const QString host = DeviceRoot::HostPath(path);
    if (!QFileInfo(host).isDir() && !(create && QDir().mkpath(host)))
        return false;
    *devicePath = path;
    return true;
}

bool FindFileExists(const QString& devicePath)
{
    const QString host = DeviceRoot::HostPath(devicePath);
    return !host.isEmpty() && QFileInfo::exists(host);
}

std::optional<quint32> GetFileAttributes(const QString& devicePath)
{
    const QString host = DeviceRoot::HostPath(devicePath);
    if (host.isEmpty())
        return std::nullopt;
    const QFileInfo info(host);
    if (!info.exists())
        return std::nullopt;
    quint32 attributes = info.isDir() ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
    if (!info.isWritable())
        attributes |= FILE_ATTRIBUTE_READONLY;
    return attributes;
}

bool DeleteFile(const QString& devicePath)
{
    const QString host = DeviceRoot::HostPath(devicePath);
    if (host.isEmpty())
        return false;
    const QFileInfo info(host);
    if (!info.exists() || info.isDir())
        return false;
    return QFile::remove(host);
}

QByteArray FormatShortcut(const QString& target)
{
    return QByteArray::number(target.size()) + '#' + target.toUtf8();
}

std::optional<QString> ParseShortcut(const QByteArray& bytes)
{
    QByteArray text = bytes;
    while (text.endsWith('\n') || text.endsWith('\r'))
        text.chop(1);
    const qsizetype hash = text.indexOf('#');
    // Nine digits are far more than a shortcut can hold.
    if (hash <= 0 || hash > 9)
        return std::nullopt;
    qsizetype count = 0;
    for (qsizetype i = 0; i < hash; ++i) {
        const char c = text.at(i);
        if (c < '0' || c > '9')
            return std::nullopt;
        count = count * 10 + (c - '0');
    }
    const QString target = QString::fromUtf8(text.mid(hash + 1));
    if (target.size() < count)
        return std::nullopt;
    return target.left(count);
}

bool SHCreateShortcut(const QString& shortcutPath, const QString& target)
{
    const QString host = DeviceRoot::HostPath(shortcutPath);
    if (host.isEmpty() || QFileInfo::exists(host))
        return false;
    return DeviceIo::WriteAtomically(host, FormatShortcut(target));
}

bool SHGetShortcutTarget(const QString& shortcutPath, QString* target)
{
    const QString host = DeviceRoot::HostPath(shortcutPath);
    if (host.isEmpty())
        return false;
    QByteArray bytes;
    if (DeviceIo::ReadSmallFile(host, &bytes, 64 * 1024) != DeviceIo::ReadResult::Ok)
        return false;
    const auto parsed = ParseShortcut(bytes);
    if (!parsed)
        return false;
    *target = *parsed;
    return true;
}

} // namespace DeviceShell
