#include "device/DeviceIo.h"

#include "device/DeviceTextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStringList>

#include <filesystem>
#include <system_error>

namespace {

bool Fail(DeviceError* error, const QString& file, const QString& reason)
{
    if (error)
        *error = DeviceError{file, reason};
    return false;
}

QString Tr(const char* text)
{
    return QCoreApplication::translate("DeviceIo", text);
}

} // namespace

QString DeviceError::Text() const
{
    return file.isEmpty() ? reason : QDir::toNativeSeparators(file) + QLatin1String(": ") + reason;
}

namespace DeviceIo {

ReadResult ReadSmallFile(const QString& hostPath, QByteArray* data, qint64 maxSize, DeviceError* error)
{
    QFile file(hostPath);
    if (!file.exists())
        return ReadResult::Missing;
    const QString tooLarge =
        Tr("the file is larger than %1, too large to be read").arg(QLocale().formattedDataSize(maxSize));
    if (!file.open(QIODevice::ReadOnly)) {
        Fail(error, hostPath, file.errorString());
        return ReadResult::Error;
    }
    if (file.size() > maxSize) {
        Fail(error, hostPath, tooLarge);
        return ReadResult::TooLarge;
    }
    const QByteArray bytes = file.read(maxSize + 1);
    if (bytes.size() > maxSize) {
        Fail(error, hostPath, tooLarge);
        return ReadResult::TooLarge;
    }
    if (file.error() != QFileDevice::NoError) {
        Fail(error, hostPath, file.errorString());
        return ReadResult::Error;
    }
    *data = bytes;
    return ReadResult::Ok;
}

bool MakeFolder(const QString& hostPath, DeviceError* error)
{
    if (QFileInfo(hostPath).isDir())
        return true;
    // Name the file that stands in the way: "Not a directory" alone does not
    // say which one.
    const QString folder = QFileInfo(hostPath).absoluteFilePath();
    for (QString up = folder;;) {
        const QFileInfo info(up);
        if (info.exists()) {
            if (info.isDir())
                break;
            if (up == folder)
                return Fail(error, hostPath, Tr("this is a file, not a folder"));
            return Fail(error, hostPath, Tr("%1 is a file, not a folder").arg(QDir::toNativeSeparators(up)));
        }
        const QString parent = info.absolutePath();
        if (parent == up)
            break;
        up = parent;
    }
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(QFile::encodeName(hostPath).toStdString()), ec);
    if (ec)
        return Fail(error, hostPath, QString::fromLocal8Bit(ec.message()));
    if (!QFileInfo(hostPath).isDir())
        return Fail(error, hostPath, Tr("the folder could not be created"));
    return true;
}

bool WriteAtomically(const QString& hostPath, const QByteArray& data, DeviceError* error)
{
    DeviceError folderError;
    if (!MakeFolder(QFileInfo(hostPath).absolutePath(), &folderError))
        return Fail(error, hostPath, folderError.reason);
    QSaveFile file(hostPath);
    if (!file.open(QIODevice::WriteOnly))
        return Fail(error, hostPath, file.errorString());
    if (file.write(data) != data.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Fail(error, hostPath, reason);
    }
    if (!file.commit())
        return Fail(error, hostPath, file.errorString());
    return true;
}

bool AppendRecord(const QString& hostPath, const QStringList& fields)
{
    QStringList clean;
    clean.reserve(fields.size());
    for (QString field : fields) {
        for (QChar& ch : field) {
            if (ch == QLatin1Char('\t') || ch == QLatin1Char('\r') || ch == QLatin1Char('\n'))
                ch = QLatin1Char(' ');
        }
        clean << field;
    }
    QDir().mkpath(QFileInfo(hostPath).absolutePath());
    QFile file(hostPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray line = clean.join(QLatin1Char('\t')).toUtf8() + '\n';
    return file.write(line) == line.size();
}

std::optional<KeyValueLine> ParseKeyValueLine(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#')))
        return std::nullopt;
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    KeyValueLine parsed;
    parsed.key = line.left(eq).trimmed();
    if (eq < 0 || parsed.key.isEmpty())
        return std::nullopt;
    parsed.valueFrom = eq + 1;
    while (parsed.valueFrom < line.size() && line.at(parsed.valueFrom).isSpace())
        ++parsed.valueFrom;
    parsed.valueTo = line.size();
    while (parsed.valueTo > parsed.valueFrom && line.at(parsed.valueTo - 1).isSpace())
        --parsed.valueTo;
    return parsed;
}

QList<QPair<QString, QString>> ParseKeyValues(const QByteArray& text)
{
    QList<QPair<QString, QString>> pairs;
    const auto file = DeviceTextFile::Parse(text);
    if (!file)
        return pairs;
    for (qsizetype i = 0; i < file->LineCount(); ++i) {
        const QString line = file->Line(i);
        if (const auto kv = ParseKeyValueLine(line))
            pairs.append({kv->key, line.mid(kv->valueFrom, kv->valueTo - kv->valueFrom)});
    }
    return pairs;
}

} // namespace DeviceIo
