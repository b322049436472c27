#pragma once

#include "model/DueRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Reads the due files of a data folder: lists them, reads their bytes with
// plain system calls and parses them as they arrive, so that at most
// kMaxBufferedBytes of unparsed bytes (or one file) are held at a time. Sound
// records go to the callback in name order, with the name of the file they
// came from (the bytes the folder holds, which need not be UTF-8); the files
// that could not be read or parsed are named in Problems() ("file name:
// reason", the name shown safely).
class DueFolderReader
{
public:
    using RecordFn = std::function<void(DueRecord&& record, const QByteArray& fileName)>;

    static constexpr qint64 kMaxBufferedBytes = 16 * 1024 * 1024;

    // Reads every *.due file of folder. Returns the number of files found.
    qsizetype ReadFolder(const QString& folder, const RecordFn& onRecord);
    // Reads one file; false (and a problem) when it is not a sound due.
    [[nodiscard]] bool ReadFile(const QString& path, DueRecord& record);

    const QStringList& Problems() const { return m_problems; }

    // The names of the due files of a folder (not folders named *.due), as
    // the folder holds them, sorted by their bytes.
    static QList<QByteArray> ListDueFiles(const QString& folder);

private:
    QStringList m_problems;
};
