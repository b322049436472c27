#include "model/DueFileIndex.h"

#include "model/DueFolderReader.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <time.h>
#endif

namespace {
// File times come from a coarse clock that may lag the precise one; a file
// changed this close before a load began is read again to be sure.
constexpr qint64 kClockSlackNs = 2'000'000'000;
} // namespace

std::optional<DueFileIndex::Signature> DueFileIndex::Stat(const QString& path)
{
#ifdef Q_OS_UNIX
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    Signature s;
    s.size = qint64(st.st_size);
    s.mtimeNs = qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    s.ctimeNs = qint64(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec;
    s.inode = quint64(st.st_ino);
    return s;
#else
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    Signature s;
    s.size = info.size();
    s.mtimeNs = info.lastModified().toMSecsSinceEpoch() * 1'000'000;
    s.ctimeNs = info.metadataChangeTime().toMSecsSinceEpoch() * 1'000'000;
    return s;
#endif
}

qint64 DueFileIndex::FileClockNowNs()
{
#ifdef Q_OS_UNIX
    struct timespec ts;
    clock_gettime(CLOCK_REALTIME, &ts);
    return qint64(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
#else
    return QDateTime::currentMSecsSinceEpoch() * 1'000'000;
#endif
}

void DueFileIndex::Reset(qint64 loadStartNs)
{
    m_files.clear();
    m_byId.clear();
    m_loadStartNs = loadStartNs;
}

void DueFileIndex::Loaded(const QString& fileName, const QString& recId)
{
    File& file = m_files[fileName];
    if (!file.recId.isEmpty() && file.recId != recId && m_byId.value(file.recId) == fileName)
        m_byId.remove(file.recId);
    file.recId = recId;
    if (!recId.isEmpty())
        m_byId.insert(recId, fileName); // of two files with one identifier, the last read wins
}

void DueFileIndex::Written(const QString& folder, const QString& fileName, const QString& recId)
{
    Loaded(fileName, recId);
    m_files[fileName].signature = Stat(folder + QLatin1Char('/') + fileName);
}

void DueFileIndex::Removed(const QString& fileName)
{
    const auto it = m_files.constFind(fileName);
    if (it == m_files.constEnd())
        return;
    if (m_byId.value(it->recId) == fileName)
        m_byId.remove(it->recId);
    m_files.erase(it);
}

QString DueFileIndex::FileOf(const QString& recId) const
{
    return m_byId.value(recId);
}

void DueFileIndex::Compare(const QString& folder, QStringList& changed, QStringList& removed)
{
    changed.clear();
    removed.clear();
    const QList<QByteArray> localNames = DueFolderReader::ListDueFiles(folder);
    QSet<QString> present;
    present.reserve(localNames.size());
    for (const QByteArray& localName : localNames) {
        const QString name = QFile::decodeName(localName);
        const std::optional<Signature> now = Stat(folder + QLatin1Char('/') + name);
        if (!now)
            continue; // gone again since the listing, or not a plain file
        present.insert(name);
        File& file = m_files[name];
        bool differs;
        if (file.signature)
            differs = *file.signature != *now;
        else if (file.recId.isEmpty())
            differs = true; // not read yet
        else
            differs = qMax(now->ctimeNs, now->mtimeNs) >= m_loadStartNs - kClockSlackNs;
        file.signature = now;
        if (differs)
            changed << name;
    }
    for (auto it = m_files.cbegin(); it != m_files.cend(); ++it) {
        if (!present.contains(it.key()))
            removed << it.key();
    }
    removed.sort();
}
