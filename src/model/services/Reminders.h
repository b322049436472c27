#pragma once

#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"
#include "model/store/DueRecord.h"

#include <QDate>
#include <QList>
#include <QString>

// When a due is announced: once when it enters the lead time (due within
// leadDays of today, today included) and once more when it becomes overdue.
// A lead time of 0 turns reminders off. Paid dues are never announced.
enum class ReminderKind
{
    None,
    Soon,
    Overdue
};

ReminderKind ReminderKindOf(const DueRecord& record, const QDate& today, int leadDays);

struct Reminder
{
    ReminderKind kind = ReminderKind::None;
    DueRecord record;
};

// What has been announced, per data folder, in the program's settings (never
// in the due files). An entry holds the kind and the due date it was made
// for, so a due moved to another date is announced again.
class ReminderMemory
{
public:
    explicit ReminderMemory(const DataFolder& folder);

    bool WasAnnounced(const DueRecord& record, ReminderKind kind) const;
    void Remember(const DueRecord& record, ReminderKind kind);
    // Forgets the dues that are gone or no longer need a reminder.
    void Forget(const QString& recId);
    QStringList RememberedIds() const;

private:
    QString m_group;
};

// The reminders to give now, oldest due first; each is remembered as given.
// Entries of dues that left the store or were paid are dropped.
QList<Reminder> TakeReminders(const CDueStore& store, const QDate& today, int leadDays,
                              ReminderMemory& memory);

// The settings this feature keeps (QSettings "Quillory"/"Tallyvane").
namespace ReminderSettings {
inline constexpr int kDefaultLeadDays = 3;
int LeadDays();
void SetLeadDays(int days);
int ComingUpDays();
void SetComingUpDays(int days);
bool KeepInTray();
void SetKeepInTray(bool on);
bool StartAtLogin();
void SetStartAtLogin(bool on);
} // namespace ReminderSettings
