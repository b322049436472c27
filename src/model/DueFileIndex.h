#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// Which file of the data folder each due came from, and what each file looked
// like when the store last read or wrote it. With it a due is deleted and
// rewritten by the file it was read from (even one named differently from
// its identifier), and a rescan reads only the files another program added,
// changed or removed since.
class DueFileIndex
{
public:
    // What a file looks like on disk: enough to tell that it changed.
    struct Signature
    {
        qint64 size = 0;
        qint64 mtimeNs = 0;
        qint64 ctimeNs = 0;
        quint64 inode = 0;
        bool operator==(const Signature& other) const = default;
    };
    static std::optional<Signature> Stat(const QString& path);
    // The file system's clock now, as file times count it.
    static qint64 FileClockNowNs();

    // Forgets everything; `loadStartNs` is when the next full load began:
    // files changed after it are read again by the first rescan.
    void Reset(qint64 loadStartNs);
    // A file the full load read, and the identifier inside.
    void Loaded(const QString& fileName, const QString& recId);
    // A file the store wrote (after the write) or read again.
    void Written(const QString& folder, const QString& fileName, const QString& recId);
    void Removed(const QString& fileName);

    // The file a due was last read from or written to; empty when none is known.
    QString FileOf(const QString& recId) const;
    // The due a file holds; empty when the file is not known.
    QString IdOf(const QString& fileName) const { return m_files.value(fileName).recId; }
    bool Knows(const QString& fileName) const { return m_files.contains(fileName); }

    // Lists the due files of the folder and compares them with what is known.
    // Files that are new or changed go to `changed` (their new signatures are
    // kept), known files that are gone to `removed` (still known until
    // Removed is called).
    void Compare(const QString& folder, QStringList& changed, QStringList& removed);

private:
    struct File
    {
        QString recId;
        std::optional<Signature> signature; // unknown until first compared
    };
    QHash<QString, File> m_files;   // file name -> what it holds
    QHash<QString, QString> m_byId; // identifier -> the file that holds it last
    qint64 m_loadStartNs = 0;
};
