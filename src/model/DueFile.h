#pragma once

#include "model/DueRecord.h"

#include <QByteArray>
#include <QString>

// The bytes of one due file and of the marker file. A due file holds the
// eleven fields of a record with no header: strings as length-prefixed
// Windows-1252 text (or the UTF-16 form for text 1252 cannot hold), dates as
// a 4-byte status and an 8-byte double, numbers little-endian.
namespace DueFile {

QByteArray Serialize(const DueRecord& record);

// Parses a due file. On malformed input returns false and sets error to a
// short reason; the record is then unspecified.
[[nodiscard]] bool Parse(const QByteArray& bytes, DueRecord& record, QString* error);

// The string encoding on its own (used by tests and by Serialize).
void AppendString(QByteArray& out, const QString& text);

// The 8 bytes of "preferences.alm".
QByteArray PreferencesBytes();

// Windows-1252 conversion. ToCp1252 returns false when a character has no
// single-byte form.
bool ToCp1252(const QString& text, QByteArray& out);
QString FromCp1252(const char* data, qsizetype size);

// Due files are small; anything larger is not one of ours.
inline constexpr qint64 kMaxDueFileSize = 64 * 1024 * 1024;

} // namespace DueFile
