#pragma once

#include "model/store/DueRecord.h"
#include "model/store/RecordArena.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

// Reads the due files of a data folder: lists them in name order, reads each
// into a buffer sized from its length with plain system calls, on several
// threads (a cold folder is mostly waiting for the disk), and checks each
// as soon as it is read. The files that could not be read or are not sound
// dues are named in Problems() ("file name: reason", the name shown safely).
class DueFolderReader
{
public:
    // One file as read: its bytes in the arena (null when it is not a sound
    // due), with what a month listing needs of it.
    struct Entry
    {
        const char* data = nullptr;
        quint32 size = 0;
        qint32 paid = 0;
        double due = 0.0;
        qint32 dueStatus = 0;
    };

    // The due files' names in ascending byte order, packed one after the
    // other: a large folder has many.
    struct Names
    {
        QByteArray bytes;
        std::vector<quint32> ends;
        qsizetype size() const { return qsizetype(ends.size()); }
        QByteArrayView at(qsizetype i) const
        {
            const quint32 begin = i == 0 ? 0 : ends[size_t(i - 1)];
            return QByteArrayView(bytes.constData() + begin, qsizetype(ends[size_t(i)] - begin));
        }
    };

    // Lists and reads every *.due file of folder: entries[i] is names.at(i).
    // Bytes kept are written as DueFile::Serialize would write them.
    void ReadFolder(const QString& folder, Names& names, std::vector<Entry>& entries, RecordArena& arena,
                    int threads = DefaultThreads());
    // Reads one file; false (and a problem) when it is not a sound due.
    [[nodiscard]] bool ReadFile(const QString& path, DueRecord& record);

    const QStringList& Problems() const { return m_problems; }

    // How many files are read at once: enough to keep a disk's queue busy.
    static int DefaultThreads();

    // The names of the due files of a folder (not folders named *.due), as
    // the folder holds them, sorted by their bytes.
    static QList<QByteArray> ListDueFiles(const QString& folder);
    static Names ListDueFilesPacked(const QString& folder);

private:
    QStringList m_problems;
};
