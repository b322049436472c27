#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

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
    // The files the full load read that bear their due's own name
    // ("duedate<id>.due"), kept packed since a large folder has many: names
    // as the folder holds them, in ascending byte order, one after the other
    // (ends[i] is where name i ends); own[i] false leaves name i out.
    void SetLoaded(QByteArray names, std::vector<quint32> ends, std::vector<bool> own);
    // A file the full load read, and the identifier inside.
    void Loaded(const QString& fileName, const QString& recId);
    // A file the store wrote (after the write) or read again.
    void Written(const QString& folder, const QString& fileName, const QString& recId);
    void Removed(const QString& fileName);

    // The due a file holds; empty when the file is not known.
    QString IdOf(const QString& fileName) const;
    bool Knows(const QString& fileName) const;

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
    // Files of the full load that bear their due's name, in name order; one
    // leaves them (for m_files) once it is written, read again or removed.
    QByteArray m_loadedNames;          // the names one after the other
    std::vector<quint32> m_loadedEnds; // where each name ends
    std::vector<bool> m_loadedGone;
    qsizetype FindLoaded(QByteArrayView localName) const; // -1: not there (or gone)
    QByteArrayView LoadedName(size_t i) const;
    static QString IdOfOwnName(QByteArrayView localName);
    void TakeOutOfLoaded(const QString& fileName);

    QHash<QString, File> m_files; // file name -> what it holds
    qint64 m_loadStartNs = 0;
};
