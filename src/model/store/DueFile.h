#pragma once

#include "model/store/DueRecord.h"

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

// What the store keeps of a due file without making its texts: where the
// identifier and the series identifier lie (length prefix included), the due
// date, the amount and the paid flag.
struct Summary
{
    qsizetype idBegin = 0;
    qsizetype idEnd = 0;
    qsizetype seriesBegin = 0;
    qsizetype seriesEnd = 0;
    double due = 0.0;
    qint32 dueStatus = 0;
    qint32 paid = 0;
    double amount = 0.0;
    // The bytes are exactly what Serialize writes for the record they hold:
    // shortest length prefixes, 1252 wherever it can hold a text, nothing after.
    bool canonical = false;
};

// Checks a due file exactly as Parse does (same answer, same reason) without
// making its texts.
[[nodiscard]] bool Summarise(const char* data, qsizetype size, Summary& summary, QString* error);

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

// True when the record's file stays within what every reader takes; else
// why names the field that makes it too large (the largest text).
[[nodiscard]] bool Fits(const DueRecord& record, QString* why);

} // namespace DueFile
