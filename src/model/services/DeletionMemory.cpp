#include "model/services/DeletionMemory.h"

#include "model/base/Clock.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DeletionMemory)
};

constexpr char kHeader[] = "Tallyvane deleted dues 1";
// Far more than kMaxEntries lines take: a larger file is not ours to read.
constexpr qint64 kMaxFileSize = 8 * 1024 * 1024;
// A writer holds the lock for the few milliseconds of one read and write.
constexpr int kLockWaitMs = 5000;

QByteArray FolderHash(const DataFolder& folder)
{
    return QCryptographicHash::hash(folder.Path().toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
}

QDateTime Oldest()
{
    return Clock::Now().toUTC().addDays(-DeletionMemory::kKeepDays);
}

} // namespace

QString DeletionMemory::FilePathFor(const DataFolder& folder)
{
    // Beside the reminders' memory; both programs find it whatever their own names.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Quillory/Tallyvane/deleted/") + QString::fromLatin1(FolderHash(folder)) +
           QStringLiteral(".txt");
}

DeletionMemory::DeletionMemory(const DataFolder& folder) : m_folder(folder), m_path(FilePathFor(folder)) {}

DeletionMemory::~DeletionMemory()
{
    Unfollow();
}

DeletionMemory::Map DeletionMemory::Read(QString* why) const
{
    Map map;
    QFile file(m_path);
    if (!file.exists())
        return map;
    if (!file.open(QIODevice::ReadOnly)) {
        if (why)
            *why = file.errorString();
        return map;
    }
    if (file.size() > kMaxFileSize) {
        if (why)
            *why = Texts::tr("the file is too large");
        return map;
    }
    const QList<QByteArray> lines = file.readAll().split('\n');
    if (lines.isEmpty() || lines.first() != kHeader) {
        if (why)
            *why = Texts::tr("the file is not a list of deleted dues");
        return map;
    }
    const QDateTime oldest = Oldest();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines.at(i).split('\t');
        if (fields.size() != 2)
            continue; // cut short or not ours: forgotten, which only means not said
        const QString id = QString::fromUtf8(fields.at(0));
        const QDateTime when = QDateTime::fromString(QString::fromLatin1(fields.at(1)), Qt::ISODate);
        if (!IsSafeRecordId(id) || !when.isValid() || when < oldest)
            continue;
        map.insert(id, when.toUTC());
    }
    return map;
}

QHash<QString, QDateTime> DeletionMemory::Entries() const
{
    return Read(nullptr);
}

QList<std::pair<QString, QDateTime>> DeletionMemory::Returned(const CDueStore& store) const
{
    QList<std::pair<QString, QDateTime>> back;
    const Map map = Read(nullptr);
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        if (store.Contains(it.key()))
            back.append({it.key(), it.value()});
    std::sort(back.begin(), back.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second < b.second : a.first < b.first;
    });
    return back;
}

bool DeletionMemory::Change(const std::function<void(Map&)>& change, QString* why)
{
    const QString dir = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(dir)) {
        if (why)
            *why = Texts::tr("the folder %1 could not be made").arg(QDir::toNativeSeparators(dir));
        return false;
    }
    QLockFile lock(m_path + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs)) {
        if (why)
            *why = Texts::tr("another program holds %1").arg(QDir::toNativeSeparators(lock.fileName()));
        return false;
    }
    // A file that cannot be read is started afresh: what it held is lost
    // either way, and what happens now is kept.
    Map map = Read(nullptr);
    change(map);
    if (map.size() > kMaxEntries) {
        QList<std::pair<QDateTime, QString>> byAge;
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            byAge.append({it.value(), it.key()});
        std::sort(byAge.begin(), byAge.end());
        for (qsizetype i = 0; i < byAge.size() - kMaxEntries; ++i)
            map.remove(byAge.at(i).second);
    }
    QStringList ids = map.keys();
    ids.sort();
    QByteArray bytes = QByteArray(kHeader) + '\n';
    for (const QString& id : std::as_const(ids))
        bytes += id.toUtf8() + '\t' + map.value(id).toString(Qt::ISODate).toLatin1() + '\n';
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (why)
            *why = file.errorString();
        return false;
    }
    return true;
}

bool DeletionMemory::Remember(const QStringList& ids, const QDateTime& when, QString* why)
{
    if (ids.isEmpty())
        return true;
    const QDateTime utc = when.toUTC();
    return Change(
        [&](Map& map) {
            for (const QString& id : ids)
                if (IsSafeRecordId(id))
                    map.insert(id, utc);
        },
        why);
}

bool DeletionMemory::Forget(const QStringList& ids, QString* why)
{
    if (ids.isEmpty())
        return true;
    const Map now = Read(nullptr);
    if (std::none_of(ids.begin(), ids.end(), [&](const QString& id) { return now.contains(id); }))
        return true; // nothing to change: no write
    return Change(
        [&](Map& map) {
            for (const QString& id : ids)
                map.remove(id);
        },
        why);
}

void DeletionMemory::Follow(CDueStore& store)
{
    Unfollow();
    m_followed = &store;
    store.SetObserver([this](const QString& recId, bool removed) {
        m_pending.append(Pending{recId, removed, Clock::Now()});
    });
}

void DeletionMemory::Unfollow()
{
    if (m_followed)
        m_followed->SetObserver({});
    m_followed = nullptr;
}

bool DeletionMemory::Flush(QString* why)
{
    if (m_pending.isEmpty())
        return true;
    const QList<Pending> pending = std::exchange(m_pending, {});
    bool anyRemoved = false;
    for (const Pending& p : pending)
        anyRemoved = anyRemoved || p.removed;
    if (!anyRemoved) {
        QStringList made;
        for (const Pending& p : pending)
            made << p.recId;
        return Forget(made, why);
    }
    return Change(
        [&](Map& map) {
            for (const Pending& p : pending) {
                if (p.removed)
                    map.insert(p.recId, p.when.toUTC());
                else
                    map.remove(p.recId);
            }
        },
        why);
}
