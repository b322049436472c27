#pragma once

#include <QString>

// The folder name of the data folder under the working directory.
inline constexpr const char* kDataFolderName = "Tallyvane Files";

// The longest identifier (in UTF-8 bytes) that still leaves room in a file
// name for the temporary and pending suffixes.
inline constexpr qsizetype kMaxRecordIdBytes = 160;

// Placeholders of a series that is still being made are written under
// "<due file name>.<host>.pending": no reader lists them as dues, and the
// next writer on that host sweeps them away.
inline constexpr const char* kPendingSuffix = ".pending";

// True when an identifier, exactly as stored, can name a due file: not empty,
// no separators, no "..", no blanks, no control or invisible characters, and
// not longer than kMaxRecordIdBytes.
[[nodiscard]] bool IsSafeRecordId(const QString& recId);

// A text from outside (a file name, an identifier) as it may be shown in one
// line of a message or of standard error: line breaks, tabs and other control
// or invisible characters are written as escapes (\n, \t, \u202E), and a
// text longer than maxChars is cut with an ellipsis.
QString ShownText(const QString& text, qsizetype maxChars = 80);
// A file name as the folder holds it: bytes that are not UTF-8 show as
// replacement characters, the rest as ShownText (never cut).
QString ShownFileName(const QByteArray& localName);

// Where the dues of one working directory live: the working directory, the
// data folder "Tallyvane Files" under it, the marker file and one file per
// due. A plain value, handed to the store and to whoever needs the paths.
class DataFolder
{
public:
    DataFolder() = default;
    // workDir is cleaned; no trailing separator is kept.
    explicit DataFolder(const QString& workDir);

    bool IsEmpty() const { return m_workDir.isEmpty(); }
    const QString& WorkDir() const { return m_workDir; }
    QString Path() const;
    QString PreferencesPath() const;
    // "duedate<id>.due"; empty when the identifier is not safe in a file name.
    static QString DueFileName(const QString& recId);
    // The name of a series placeholder not finished yet; empty when not safe.
    static QString PendingFileName(const QString& recId);
    // Empty when the identifier is not safe to use in a file name.
    QString DueFilePath(const QString& recId) const;
    QString PendingFilePath(const QString& recId) const;
    // A short name of this data folder for what the program keeps about it
    // elsewhere (reminders given, the calendar account and its sync): 16 hex
    // digits of a hash of its path.
    QString Key() const;
    // Creates the data folder; false when it is not a folder afterwards.
    [[nodiscard]] bool Create() const;
    // True when the data folder is a readable folder (links followed); else
    // why says what it is instead.
    [[nodiscard]] bool CheckUsable(QString* why) const;

    bool operator==(const DataFolder& other) const = default;

private:
    QString m_workDir;
};

// The remembered working directory (settings group "Directory", key "Path").
QString ReadStoredWorkingDirectory();
void WriteStoredWorkingDirectory(const QString& workDir);
