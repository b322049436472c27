#pragma once

#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"
#include "model/store/DueRecord.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
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
ReminderKind ReminderKindOf(const COleDateTime& due, bool paid, const QDate& today, int leadDays);

// A due to announce: its identifier and due date, read from the store's
// compact data. The rest of the due is read only for what is shown.
struct Reminder
{
    ReminderKind kind = ReminderKind::None;
    QString recId;
    COleDateTime due;
};

// What has been announced for one data folder, kept in one file of the
// program's own state (never in the due files, never in the settings): read
// once, changed in memory, written whole when it changed. An entry holds the
// kind and the due date it was made for, so a due moved to another date is
// announced again.
class ReminderMemory
{
public:
    // The memory of folder, read from its file; a memory an older version
    // kept in the settings is taken over once.
    explicit ReminderMemory(const DataFolder& folder);

    bool WasAnnounced(const QString& recId, ReminderKind kind, const COleDateTime& due) const;
    void Remember(const QString& recId, ReminderKind kind, const COleDateTime& due);
    void Forget(const QString& recId);
    QStringList RememberedIds() const;
    qsizetype Size() const { return m_entries.size(); }

    // The file's bytes as they stand in memory, for a write on another
    // thread; Written() is told when that write ended well.
    bool IsChanged() const { return m_changed; }
    QByteArray Serialize() const;
    void Written();
    // Writes the file at once when anything changed.
    [[nodiscard]] bool Save(QString* why);
    // A file that could not be read; empty when it was fine or absent.
    const QString& LoadProblem() const { return m_loadProblem; }

    QString FilePath() const { return m_path; }
    static QString FilePathFor(const DataFolder& folder);
    // Writes bytes to path atomically, making its folder where needed.
    [[nodiscard]] static bool WriteFile(const QString& path, const QByteArray& bytes, QString* why);

private:
    struct Entry
    {
        ReminderKind kind = ReminderKind::None;
        double due = 0.0;
    };
    void Load();
    void TakeOverSettings();

    QString m_path;
    QString m_settingsGroup; // where an older version kept it
    QHash<QString, Entry> m_entries;
    bool m_changed = false;
    bool m_settingsTaken = false; // the old settings group goes once the file holds it
    QString m_loadProblem;
};

// The result of one look over the folder.
struct ReminderCheck
{
    QList<Reminder> fresh; // to announce now, oldest due first
    int overdue = 0;       // unpaid dues late today, announced or not
    int soon = 0;          // unpaid dues within the lead time
};

// A look in two halves, so that only the first needs the store: what the
// folder holds that needs a reminder (one pass over the store's compact
// data), and then, on any thread, what of it is fresh against the memory.
struct ReminderSnapshot
{
    bool on = false;         // reminders are on (a lead time above 0)
    QList<Reminder> due;     // every due that needs a reminder now
    QSet<QString> waiting;   // placeholders and dues being edited: left as they are
    QSet<QString> paidSince; // marked paid since the last look: announced afresh when unpaid again
    int overdue = 0;
    int soon = 0;
};
ReminderSnapshot SnapshotReminders(const CDueStore& store, const QDate& today, int leadDays,
                                   const QSet<QString>& skip = {});
ReminderCheck CompareReminders(const ReminderSnapshot& snapshot, ReminderMemory& memory);

// Both halves at once: the reminders to give now, each remembered as given.
// Entries of dues that left the store or no longer need a reminder are
// dropped. Dues in skip (being edited) and placeholders of a series being
// made are neither announced nor forgotten. With reminders off (leadDays 0)
// nothing is announced and the memory is kept as it is, so turning them on
// again repeats nothing.
ReminderCheck CheckReminders(const CDueStore& store, const QDate& today, int leadDays, ReminderMemory& memory,
                             const QSet<QString>& skip = {});

// The same, the fresh reminders alone.
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
