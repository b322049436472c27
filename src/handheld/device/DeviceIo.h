#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// File helpers of the device stand-in: every state file is small, read with a
// cap and replaced atomically, so a crash never leaves half a file behind.
namespace DeviceIo {

enum class ReadResult
{
    Ok,
    Missing,
    TooLarge,
    Error
};

constexpr qint64 kMaxStateFileSize = 1024 * 1024;

ReadResult ReadSmallFile(const QString& hostPath, QByteArray* data, qint64 maxSize = kMaxStateFileSize);

// Replaces the file's contents atomically, creating its folder if needed.
bool WriteAtomically(const QString& hostPath, const QByteArray& data);

// Appends one line to a log file. Tabs and line breaks inside the fields
// become spaces so that a line stays one record.
bool AppendRecord(const QString& hostPath, const QStringList& fields);

// "key=value" lines; blank lines and lines starting with ';' or '#' are skipped,
// as are lines without '='. Keys and values are trimmed.
QList<QPair<QString, QString>> ParseKeyValues(const QByteArray& text);

} // namespace DeviceIo
