#include "device/DeviceShell.h"

#include "device/DeviceIo.h"
#include "device/DeviceRoot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("DeviceShell", text);
}

bool Fail(DeviceError* error, const QString& file, const QString& reason)
{
    if (error)
        *error = DeviceError{file, reason};
    return false;
}

QString InvalidPath(const QString& devicePath)
{
    return Tr("\"%1\" is not a valid path on the device").arg(devicePath);
}

} // namespace

namespace DeviceShell {

bool SHGetSpecialFolderPath(int csidl, QString* devicePath, bool create, DeviceError* error)
{
    if (csidl != CSIDL_STARTUP)
        return Fail(error, {}, Tr("the device has no special folder %1").arg(csidl));
    const QString path = QStringLiteral("\\Windows\\StartUp");
    const QString host = DeviceRoot::HostPath(path);
    const QFileInfo info(host);
    if (!info.isDir()) {
        if (info.exists())
            return Fail(error, host, Tr("this is a file, not a folder"));
        if (!create)
            return Fail(error, host, Tr("the folder does not exist"));
        if (!DeviceIo::MakeFolder(host, error))
            return false;
    }
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

bool DeleteFile(const QString& devicePath, DeviceError* error)
{
    const QString host = DeviceRoot::HostPath(devicePath);
    if (host.isEmpty())
        return Fail(error, {}, InvalidPath(devicePath));
    const QFileInfo info(host);
    if (!info.exists())
        return Fail(error, host, Tr("the file does not exist"));
    if (info.isDir())
        return Fail(error, host, Tr("this is a folder, not a file"));
    QFile file(host);
    if (!file.remove())
        return Fail(error, host, file.errorString());
    return true;
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

bool SHCreateShortcut(const QString& shortcutPath, const QString& target, DeviceError* error)
{
    const QString host = DeviceRoot::HostPath(shortcutPath);
    if (host.isEmpty())
        return Fail(error, {}, InvalidPath(shortcutPath));
    if (QFileInfo::exists(host))
        return Fail(error, host, Tr("the file already exists"));
    return DeviceIo::WriteAtomically(host, FormatShortcut(target), error);
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
