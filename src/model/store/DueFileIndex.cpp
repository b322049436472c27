#include "model/store/DueFileIndex.h"

#include "model/store/DueFolderReader.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cstring>

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
    m_loadedNames.clear();
    m_loadedNames.squeeze();
    m_loadedEnds.clear();
    m_loadedEnds.shrink_to_fit();
    m_loadedGone.clear();
    m_loadedGone.shrink_to_fit();
    m_loadStartNs = loadStartNs;
}

QByteArrayView DueFileIndex::LoadedName(size_t i) const
{
    const quint32 begin = i == 0 ? 0 : m_loadedEnds[i - 1];
    return QByteArrayView(m_loadedNames.constData() + begin, qsizetype(m_loadedEnds[i] - begin));
}

namespace {
bool NameLess(QByteArrayView a, QByteArrayView b)
{
    const int c = std::memcmp(a.data(), b.data(), size_t(std::min(a.size(), b.size())));
    return c < 0 || (c == 0 && a.size() < b.size());
}
} // namespace

qsizetype DueFileIndex::FindLoaded(QByteArrayView localName) const
{
    size_t lo = 0, hi = m_loadedEnds.size();
    while (lo < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        if (NameLess(LoadedName(mid), localName))
            lo = mid + 1;
        else
            hi = mid;
    }
    if (lo < m_loadedEnds.size() && !m_loadedGone[lo] && LoadedName(lo) == localName)
        return qsizetype(lo);
    return -1;
}

QString DueFileIndex::IdOfOwnName(QByteArrayView localName)
{
    // "duedate" + identifier + ".due"
    return QFile::decodeName(localName.sliced(7, localName.size() - 11).toByteArray());
}

void DueFileIndex::SetLoaded(QByteArray names, std::vector<quint32> ends, std::vector<bool> own)
{
    m_loadedNames = std::move(names);
    m_loadedEnds = std::move(ends);
    m_loadedGone = std::move(own);
    m_loadedGone.flip();
}

void DueFileIndex::TakeOutOfLoaded(const QString& fileName)
{
    if (m_loadedEnds.empty())
        return;
    const qsizetype i = FindLoaded(QFile::encodeName(fileName));
    if (i >= 0)
        m_loadedGone[size_t(i)] = true;
}

void DueFileIndex::Loaded(const QString& fileName, const QString& recId)
{
    TakeOutOfLoaded(fileName);
    m_files[fileName].recId = recId;
}

void DueFileIndex::Written(const QString& folder, const QString& fileName, const QString& recId)
{
    Loaded(fileName, recId);
    m_files[fileName].signature = Stat(folder + QLatin1Char('/') + fileName);
}

void DueFileIndex::Removed(const QString& fileName)
{
    TakeOutOfLoaded(fileName);
    m_files.remove(fileName);
}

QString DueFileIndex::IdOf(const QString& fileName) const
{
    const auto it = m_files.constFind(fileName);
    if (it != m_files.constEnd())
        return it->recId;
    if (m_loadedEnds.empty())
        return {};
    const QByteArray local = QFile::encodeName(fileName);
    return FindLoaded(local) >= 0 ? IdOfOwnName(local) : QString();
}

bool DueFileIndex::Knows(const QString& fileName) const
{
    return m_files.contains(fileName) ||
           (!m_loadedEnds.empty() && FindLoaded(QFile::encodeName(fileName)) >= 0);
}

void DueFileIndex::Compare(const QString& folder, QStringList& changed, QStringList& removed)
{
    changed.clear();
    removed.clear();
    const QList<QByteArray> localNames = DueFolderReader::ListDueFiles(folder);
    QSet<QString> present;
    std::vector<bool> loadedPresent(m_loadedEnds.size(), false);
    for (const QByteArray& localName : localNames) {
        const QString name = QFile::decodeName(localName);
        const std::optional<Signature> now = Stat(folder + QLatin1Char('/') + name);
        if (!now)
            continue; // gone again since the listing, or not a plain file
        bool differs;
        auto it = m_files.find(name);
        const qsizetype loaded = it == m_files.end() ? FindLoaded(localName) : -1;
        if (loaded >= 0) {
            // Read by the full load and not looked at since: changed when it
            // was touched after the load began.
            differs = qMax(now->ctimeNs, now->mtimeNs) >= m_loadStartNs - kClockSlackNs;
            if (!differs) {
                loadedPresent[size_t(loaded)] = true;
                continue; // nothing to remember: the same test gives the same answer next time
            }
            m_loadedGone[size_t(loaded)] = true;
            it = m_files.insert(name, File{IdOfOwnName(localName), std::nullopt});
        } else if (it == m_files.end()) {
            it = m_files.insert(name, File{});
            differs = true; // not read yet
        } else if (it->signature) {
            differs = *it->signature != *now;
        } else if (it->recId.isEmpty()) {
            differs = true; // not read yet
        } else {
            differs = qMax(now->ctimeNs, now->mtimeNs) >= m_loadStartNs - kClockSlackNs;
        }
        present.insert(name);
        it->signature = now;
        if (differs)
            changed << name;
    }
    for (auto it = m_files.cbegin(); it != m_files.cend(); ++it) {
        if (!present.contains(it.key()))
            removed << it.key();
    }
    for (size_t i = 0; i < m_loadedEnds.size(); ++i) {
        if (!m_loadedGone[i] && !loadedPresent[i])
            removed << QFile::decodeName(LoadedName(i).toByteArray());
    }
    removed.sort();
}
