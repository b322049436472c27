#pragma once

#include "model/DueRecord.h"

#include <QString>
#include <QStringList>

#include <functional>

// Reads the due files of a data folder: lists them, reads their bytes with
// plain system calls and parses them. Sound records go to the callback in
// name order; the files that could not be read or parsed are named in
// Problems() ("file name: reason").
class DueFolderReader
{
public:
    using RecordFn = std::function<void(DueRecord&& record)>;
    // The same with the name of the file each record came from.
    using NamedRecordFn = std::function<void(DueRecord&& record, const QString& fileName)>;

    // Reads every *.due file of folder. Returns the number of files found.
    qsizetype ReadFolder(const QString& folder, const RecordFn& onRecord);
    qsizetype ReadFolder(const QString& folder, const NamedRecordFn& onRecord);
    // Reads one file; false (and a problem) when it is not a sound due.
    [[nodiscard]] bool ReadFile(const QString& path, DueRecord& record);

    const QStringList& Problems() const { return m_problems; }

    // The names of the due files of a folder (not folders named *.due), sorted.
    static QStringList ListDueFiles(const QString& folder);

private:
    QStringList m_problems;
};
