#pragma once

#include "device/DeviceIo.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Files, special folders and shortcut files of the handheld.
//
// A shortcut file is text: the number of characters of the target, "#", then
// the target itself, e.g. 23#"\Windows\iexplore.exe". It is written without
// a byte order mark or line end (as UTF-8, where the count is of characters);
// trailing CR/LF is tolerated when reading.
namespace DeviceShell {

constexpr int CSIDL_STARTUP = 7;

constexpr quint32 FILE_ATTRIBUTE_READONLY = 0x01;
constexpr quint32 FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr quint32 FILE_ATTRIBUTE_ARCHIVE = 0x20;

// Device path of a special folder; only the Startup folder is known here.
// With create, the folder is made when missing. error says why it failed.
bool SHGetSpecialFolderPath(int csidl, QString* devicePath, bool create, DeviceError* error = nullptr);

// Whether a search for the path finds a file or folder (the search is over
// at once; paths with wildcards are not valid names here).
bool FindFileExists(const QString& devicePath);
std::optional<quint32> GetFileAttributes(const QString& devicePath);
// Deletes a file (never a folder).
bool DeleteFile(const QString& devicePath, DeviceError* error = nullptr);

// Creates a shortcut file; fails when the file already exists.
bool SHCreateShortcut(const QString& shortcutPath, const QString& target, DeviceError* error = nullptr);
bool SHGetShortcutTarget(const QString& shortcutPath, QString* target);

QByteArray FormatShortcut(const QString& target);
// The target, or nothing when the text is not a shortcut: no count, no "#",
// or fewer characters than counted. Characters beyond the count are ignored.
std::optional<QString> ParseShortcut(const QByteArray& bytes);

} // namespace DeviceShell
