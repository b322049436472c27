#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <optional>

// Why a call on the device failed: the host file it concerns (empty when no
// file is to blame) and the reason, both for the user to read.
struct DeviceError
{
    QString file;
    QString reason;

    bool IsSet() const { return !reason.isEmpty(); }
    // "file: reason", or the reason alone.
    QString Text() const;
};

// File helpers of the device stand-in: every state file is small, read with a
// cap and replaced atomically, so a crash never leaves half a file behind.
// The error arguments may be null; they are filled only on failure.
namespace DeviceIo {

enum class ReadResult
{
    Ok,
    Missing,
    TooLarge,
    Error
};

constexpr qint64 kMaxStateFileSize = 1024 * 1024;

// error is filled for TooLarge and Error.
ReadResult ReadSmallFile(const QString& hostPath, QByteArray* data, qint64 maxSize = kMaxStateFileSize,
                         DeviceError* error = nullptr);

// Creates the folder and any missing folders above it.
bool MakeFolder(const QString& hostPath, DeviceError* error = nullptr);

// Replaces the file's contents atomically, creating its folder if needed.
bool WriteAtomically(const QString& hostPath, const QByteArray& data, DeviceError* error = nullptr);

// Appends one line to a log file. Tabs and line breaks inside the fields
// become spaces so that a line stays one record.
bool AppendRecord(const QString& hostPath, const QStringList& fields);

// "key=value" lines, in any encoding and with any line ends DeviceTextFile
// reads; blank lines and lines starting with ';' or '#' are skipped, as are
// lines without '='. Keys and values are trimmed.
QList<QPair<QString, QString>> ParseKeyValues(const QByteArray& text);

// One line of such a file: the key, and where its value lies in the line,
// characters [valueFrom, valueTo), blanks around it excluded.
struct KeyValueLine
{
    QString key;
    qsizetype valueFrom = 0;
    qsizetype valueTo = 0;
};
std::optional<KeyValueLine> ParseKeyValueLine(const QString& line);

} // namespace DeviceIo
