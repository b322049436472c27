#include "model/services/Reminders.h"

#include "model/services/ComingUp.h"
#include "model/store/SaveFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

namespace {

// The file's texts, translated under one context (declared so that lupdate finds them).
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ReminderMemory)
};

QSettings AppSettings()
{
    return QSettings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane"));
}

constexpr char kHeader[] = "Tallyvane announced reminders 1";
// Far more than any folder's dues need (a line is about 40 bytes): a larger
// file is not ours to read.
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

QByteArray FolderHash(const DataFolder& folder)
{
    return folder.Key().toLatin1();
}

char KindLetter(ReminderKind kind)
{
    return kind == ReminderKind::Overdue ? 'o' : 's';
}

// A due date as text that reads back to the very same value.
QByteArray DueText(double due)
{
    return QByteArray::number(due, 'g', 17);
}

} // namespace

ReminderKind ReminderKindOf(const COleDateTime& due, bool paid, const QDate& today, int leadDays)
{
    if (leadDays <= 0 || paid || !today.isValid())
        return ReminderKind::None;
    const QDate day = due.ToQDate();
    if (!day.isValid())
        return ReminderKind::None;
    const qint64 ahead = today.daysTo(day);
    if (ahead < 0)
        return ReminderKind::Overdue;
    return ahead <= leadDays ? ReminderKind::Soon : ReminderKind::None;
}

ReminderKind ReminderKindOf(const DueRecord& record, const QDate& today, int leadDays)
{
    return ReminderKindOf(record.m_dtDue, record.m_bPaid != 0, today, leadDays);
}

QString ReminderMemory::FilePathFor(const DataFolder& folder)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Quillory/Tallyvane/reminders/") + QString::fromLatin1(FolderHash(folder)) +
           QStringLiteral(".txt");
}

ReminderMemory::ReminderMemory(const DataFolder& folder)
    : m_path(FilePathFor(folder)),
      m_settingsGroup(QStringLiteral("Reminders/Announced/") + QString::fromLatin1(FolderHash(folder)))
{
    if (QFileInfo::exists(m_path))
        Load();
    else
        TakeOverSettings();
}

void ReminderMemory::Load()
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_loadProblem = file.errorString();
        return;
    }
    if (file.size() > kMaxFileSize) {
        m_loadProblem = Texts::tr("the file is too large");
        return;
    }
    const QByteArray bytes = file.readAll();
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.isEmpty() || lines.first() != kHeader) {
        m_loadProblem = Texts::tr("the file is not a list of reminders");
        return;
    }
    m_entries.reserve(lines.size());
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines.at(i).split('\t');
        if (fields.size() != 3 || fields.at(1).size() != 1)
            continue; // a line cut short or not ours: that due is announced again at worst
        const QString id = QString::fromUtf8(fields.at(0));
        bool ok = false;
        const double due = fields.at(2).toDouble(&ok);
        const char kind = fields.at(1).at(0);
        if (!ok || !IsSafeRecordId(id) || (kind != 'o' && kind != 's'))
            continue;
        m_entries.insert(id, Entry{kind == 'o' ? ReminderKind::Overdue : ReminderKind::Soon, due});
    }
}

// An older version kept one settings key per due ("soon@<date>"): taken over
// once, and the key group goes when the file first holds it.
void ReminderMemory::TakeOverSettings()
{
    QSettings s = AppSettings();
    s.beginGroup(m_settingsGroup);
    const QStringList ids = s.childKeys();
    for (const QString& id : ids) {
        const QString value = s.value(id).toString();
        const qsizetype at = value.indexOf(QLatin1Char('@'));
        bool ok = false;
        const double due = value.mid(at + 1).toDouble(&ok);
        if (at < 0 || !ok || !IsSafeRecordId(id))
            continue;
        const QStringView kind = QStringView(value).left(at);
        if (kind != u"overdue" && kind != u"soon")
            continue;
        // Kept to six decimals there: matched the same way (see WasAnnounced).
        m_entries.insert(id, Entry{kind == u"overdue" ? ReminderKind::Overdue : ReminderKind::Soon, due});
    }
    m_settingsTaken = !ids.isEmpty();
    m_changed = m_settingsTaken;
}

bool ReminderMemory::WasAnnounced(const QString& recId, ReminderKind kind, const COleDateTime& due) const
{
    const auto it = m_entries.constFind(recId);
    if (it == m_entries.constEnd() || it->kind != kind)
        return false;
    if (it->due == due.m_dt)
        return true;
    // Taken over from the settings, to six decimals.
    return m_settingsTaken && QString::number(it->due, 'f', 6) == QString::number(due.m_dt, 'f', 6);
}

void ReminderMemory::Remember(const QString& recId, ReminderKind kind, const COleDateTime& due)
{
    Entry& e = m_entries[recId];
    if (e.kind == kind && e.due == due.m_dt)
        return;
    e = Entry{kind, due.m_dt};
    m_changed = true;
}

void ReminderMemory::Forget(const QString& recId)
{
    if (m_entries.remove(recId))
        m_changed = true;
}

QStringList ReminderMemory::RememberedIds() const
{
    return m_entries.keys();
}

QByteArray ReminderMemory::Serialize() const
{
    QList<QString> ids = m_entries.keys();
    std::sort(ids.begin(), ids.end());
    QByteArray out;
    out.reserve(qsizetype(sizeof kHeader) + ids.size() * 44);
    out += kHeader;
    out += '\n';
    for (const QString& id : ids) {
        const Entry& e = m_entries[id];
        out += id.toUtf8();
        out += '\t';
        out += KindLetter(e.kind);
        out += '\t';
        out += DueText(e.due);
        out += '\n';
    }
    return out;
}

void ReminderMemory::Written()
{
    m_changed = false;
    if (m_settingsTaken) {
        AppSettings().remove(m_settingsGroup);
        m_settingsTaken = false;
    }
}

bool ReminderMemory::WriteFile(const QString& path, const QByteArray& bytes, QString* why)
{
    const QString dir = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(dir)) {
        if (why)
            *why = Texts::tr("the folder %1 could not be made").arg(QDir::toNativeSeparators(dir));
        return false;
    }
    return SaveFile::Write(path, bytes, why);
}

bool ReminderMemory::Save(QString* why)
{
    if (!m_changed)
        return true;
    if (!WriteFile(m_path, Serialize(), why))
        return false;
    Written();
    return true;
}

namespace {

// Days from the OLE epoch as GetParts counts them (its half-second rounding
// included), without building a calendar date: a look goes over every due.
bool DayNumber(const COleDateTime& d, qint64& day)
{
    if (d.m_status != COleDateTime::valid || !std::isfinite(d.m_dt) || d.m_dt < COleDateTime::MinDate ||
        d.m_dt >= COleDateTime::MaxDate)
        return false;
    constexpr double kHalfSecond = 1.0 / 172800.0;
    day = qint64(std::trunc(d.m_dt + (d.m_dt > 0.0 ? kHalfSecond : -kHalfSecond)));
    return true;
}

} // namespace

ReminderSnapshot SnapshotReminders(const CDueStore& store, const QDate& today, int leadDays,
                                   const QSet<QString>& skip)
{
    ReminderSnapshot snapshot;
    if (leadDays <= 0 || !today.isValid())
        return snapshot;
    snapshot.on = true;
    qint64 todayNumber = 0;
    if (!DayNumber(COleDateTime(today.year(), today.month(), today.day(), 0, 0, 0), todayNumber))
        return snapshot;
    store.ForEachBrief([&](const DueBrief& d) {
        if (d.placeholder || (!skip.isEmpty() && skip.contains(d.recId))) {
            snapshot.waiting.insert(d.recId); // not a due of the folder yet, or not as it will be
            return;
        }
        qint64 day = 0;
        if (d.paid || !DayNumber(d.due, day))
            return;
        const qint64 ahead = day - todayNumber;
        const ReminderKind kind =
            ahead < 0 ? ReminderKind::Overdue : (ahead <= leadDays ? ReminderKind::Soon : ReminderKind::None);
        if (kind == ReminderKind::None || !IsSafeRecordId(d.recId))
            return;
        ++(kind == ReminderKind::Overdue ? snapshot.overdue : snapshot.soon);
        snapshot.due.append(Reminder{kind, d.recId, d.due});
    });
    return snapshot;
}

ReminderCheck CompareReminders(const ReminderSnapshot& snapshot, ReminderMemory& memory)
{
    ReminderCheck check;
    // Paid and unpaid again before this look saw it paid: a fresh reminder all the same.
    for (const QString& id : snapshot.paidSince)
        memory.Forget(id);
    if (!snapshot.on)
        return check;
    check.overdue = snapshot.overdue;
    check.soon = snapshot.soon;
    QSet<QString> kept = snapshot.waiting;
    kept.reserve(snapshot.waiting.size() + snapshot.due.size());
    for (const Reminder& r : snapshot.due) {
        kept.insert(r.recId);
        if (!memory.WasAnnounced(r.recId, r.kind, r.due))
            check.fresh.append(r);
        else
            memory.Remember(r.recId, r.kind, r.due); // an entry taken over from the settings becomes exact
    }
    // A due that no longer needs a reminder starts over should it need one again.
    for (const QString& id : memory.RememberedIds())
        if (!kept.contains(id))
            memory.Forget(id);
    std::sort(check.fresh.begin(), check.fresh.end(), [](const Reminder& a, const Reminder& b) {
        // The list's order: by due date, equal dates by identifier.
        if (a.due != b.due) {
            if (a.due.IsValid() != b.due.IsValid())
                return a.due.IsValid();
            if (a.due < b.due)
                return true;
            if (b.due < a.due)
                return false;
        }
        return a.recId < b.recId;
    });
    for (const Reminder& r : std::as_const(check.fresh))
        memory.Remember(r.recId, r.kind, r.due);
    return check;
}

ReminderCheck CheckReminders(const CDueStore& store, const QDate& today, int leadDays, ReminderMemory& memory,
                             const QSet<QString>& skip)
{
    return CompareReminders(SnapshotReminders(store, today, leadDays, skip), memory);
}

QList<Reminder> TakeReminders(const CDueStore& store, const QDate& today, int leadDays,
                              ReminderMemory& memory)
{
    return CheckReminders(store, today, leadDays, memory).fresh;
}

namespace ReminderSettings {

int LeadDays()
{
    return std::max(0, AppSettings().value(QStringLiteral("Reminders/LeadDays"), kDefaultLeadDays).toInt());
}

void SetLeadDays(int days)
{
    AppSettings().setValue(QStringLiteral("Reminders/LeadDays"), std::max(0, days));
}

int ComingUpDays()
{
    return std::max(0, AppSettings().value(QStringLiteral("ComingUp/Days"), kDefaultComingUpDays).toInt());
}

void SetComingUpDays(int days)
{
    AppSettings().setValue(QStringLiteral("ComingUp/Days"), std::max(0, days));
}

bool KeepInTray()
{
    return AppSettings().value(QStringLiteral("Tray/KeepRunning"), false).toBool();
}

void SetKeepInTray(bool on)
{
    AppSettings().setValue(QStringLiteral("Tray/KeepRunning"), on);
}

bool StartAtLogin()
{
    return AppSettings().value(QStringLiteral("Tray/StartAtLogin"), false).toBool();
}

void SetStartAtLogin(bool on)
{
    AppSettings().setValue(QStringLiteral("Tray/StartAtLogin"), on);
}

} // namespace ReminderSettings
