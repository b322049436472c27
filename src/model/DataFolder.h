#pragma once

#include <QString>

// The folder name of the data folder under the working directory.
inline constexpr const char* kDataFolderName = "Tallyvane Files";

// True when an identifier can name a due file: no separators, no "..", no
// control characters, not empty.
[[nodiscard]] bool IsSafeRecordId(const QString& recId);

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
    // Empty when the identifier is not safe to use in a file name.
    QString DueFilePath(const QString& recId) const;
    // Creates the data folder; false when it is not a folder afterwards.
    [[nodiscard]] bool Create() const;

    bool operator==(const DataFolder& other) const = default;

private:
    QString m_workDir;
};

// The remembered working directory (settings group "Directory", key "Path").
QString ReadStoredWorkingDirectory();
void WriteStoredWorkingDirectory(const QString& workDir);
