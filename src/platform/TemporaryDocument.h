#pragma once

#include <QString>

#include <functional>

// How the office stand-ins show a document: it is saved into a new folder of
// its own under the system's temporary folder (so a second export never
// overwrites a file that is still open) and opened with the desktop's default
// program for its type. The folder is left in place for that program.
//
// fileName is the document's name with its extension; characters that cannot
// stand in a file name become "_". save writes the file at the given path.
// On success shownPath (if given) receives the file's path; on failure why
// says what went wrong and nothing is left behind unless the file was saved
// and only the opening failed.
[[nodiscard]] bool ShowTemporaryDocument(const QString& fileName,
                                         const std::function<bool(const QString& path, QString* why)>& save,
                                         QString* shownPath, QString* why);

// fileName with every character that a file name cannot hold on the common
// desktops replaced by "_".
QString SafeDocumentFileName(const QString& fileName);

// Removes the folders that earlier exports left for the programs that opened
// them ("tallyvane-XXXXXX" under tempRoot), once they are older than maxAgeSecs.
// Only folders of ours are touched: the name must match and the folder must
// belong to this user. Returns how many were removed.
int SweepTemporaryDocuments(const QString& tempRoot, qint64 maxAgeSecs);
