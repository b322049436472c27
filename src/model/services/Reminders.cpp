#include "model/services/Reminders.h"

#include "model/services/ComingUp.h"

#include <QCryptographicHash>
#include <QSet>
#include <QSettings>

#include <algorithm>

namespace {

QSettings AppSettings()
{
    return QSettings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane"));
}

QString KindName(ReminderKind kind)
{
    return kind == ReminderKind::Overdue ? QStringLiteral("overdue") : QStringLiteral("soon");
}

// The due date as stored, to the second: a changed date is a new reminder.
QString EntryOf(const DueRecord& record, ReminderKind kind)
{
    return KindName(kind) + QLatin1Char('@') + QString::number(record.m_dtDue.m_dt, 'f', 6);
}

} // namespace

ReminderKind ReminderKindOf(const DueRecord& record, const QDate& today, int leadDays)
{
    if (leadDays <= 0 || record.m_bPaid || !today.isValid())
        return ReminderKind::None;
    const QDate day = record.m_dtDue.ToQDate();
    if (!day.isValid())
        return ReminderKind::None;
    const qint64 ahead = today.daysTo(day);
    if (ahead < 0)
        return ReminderKind::Overdue;
    return ahead <= leadDays ? ReminderKind::Soon : ReminderKind::None;
}

ReminderMemory::ReminderMemory(const DataFolder& folder)
{
    // One group per data folder; its path is hashed so any path makes a valid key.
    const QByteArray hash =
        QCryptographicHash::hash(folder.Path().toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    m_group = QStringLiteral("Reminders/Announced/") + QString::fromLatin1(hash);
}

bool ReminderMemory::WasAnnounced(const DueRecord& record, ReminderKind kind) const
{
    QSettings s = AppSettings();
    s.beginGroup(m_group);
    return s.value(record.m_strRecId).toString() == EntryOf(record, kind);
}

void ReminderMemory::Remember(const DueRecord& record, ReminderKind kind)
{
    QSettings s = AppSettings();
    s.beginGroup(m_group);
    s.setValue(record.m_strRecId, EntryOf(record, kind));
}

void ReminderMemory::Forget(const QString& recId)
{
    QSettings s = AppSettings();
    s.beginGroup(m_group);
    s.remove(recId);
}

QStringList ReminderMemory::RememberedIds() const
{
    QSettings s = AppSettings();
    s.beginGroup(m_group);
    return s.childKeys();
}

QList<Reminder> TakeReminders(const CDueStore& store, const QDate& today, int leadDays,
                              ReminderMemory& memory)
{
    QList<Reminder> out;
    QSet<QString> pending;
    store.ForEach([&](const DueRecord& r) {
        const ReminderKind kind = ReminderKindOf(r, today, leadDays);
        if (kind == ReminderKind::None || !IsSafeRecordId(r.m_strRecId))
            return;
        pending.insert(r.m_strRecId);
        if (!memory.WasAnnounced(r, kind))
            out.append(Reminder{kind, r});
    });
    // Identifiers that can name a file hold no separators, so they serve as
    // keys. A due that no longer needs a reminder starts over should it need
    // one again.
    for (const QString& id : memory.RememberedIds())
        if (!pending.contains(id))
            memory.Forget(id);
    std::stable_sort(out.begin(), out.end(),
                     [](const Reminder& a, const Reminder& b) { return DueListLess(a.record, b.record); });
    for (const Reminder& r : out)
        memory.Remember(r.record, r.kind);
    return out;
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
