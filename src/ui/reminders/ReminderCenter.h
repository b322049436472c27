#pragma once

#include "model/services/Reminders.h"

#include <QObject>
#include <QSet>
#include <QStringList>
#include <QThreadPool>

#include <memory>

class DesktopNotifier;
class QTimer;

// Gives the reminders while the program runs: at start, after every change
// and every minute it asks which dues entered the lead time or became
// overdue, sends each as a desktop notification with "Mark paid" and "Open"
// (or, when more than a few fall due at once, one notification that sums
// them up), and passes on what the user chose. Notifications the service
// would not take come out of unannounced(), gathered as far as they arrive
// together.
class ReminderCenter : public QObject
{
    Q_OBJECT
public:
    explicit ReminderCenter(DesktopNotifier* notifier, QObject* parent = nullptr);
    ~ReminderCenter() override;

    // More reminders at once than this are summed up in one notification.
    static constexpr int kMaxSingle = 3;
    // Lines a summary names when it cannot be shown as a notification.
    static constexpr int kSummaryLines = 5;
    // The tag the summary notification goes by; record identifiers hold no ':'.
    static const QString kSummaryTag;

    // Looks for reminders now and waits for the answer; returns how many were
    // given. Nothing while held.
    int CheckNow();
    // Looks again soon, once for any number of changes made meanwhile: the
    // window's thread takes the folder's state, a thread of its own compares
    // it with what was announced and writes that down.
    void ScheduleCheck();
    // Held while the store is being loaded: a half-read folder would look as
    // if its dues were gone, and what was announced of them would be forgotten.
    void SetHeld(bool held) { m_held = held; }
    // Dues the user marked paid: should they be unpaid again by the next
    // look, they are announced afresh.
    void MarkedPaid(const QStringList& recIds);
    // Dues open in the editor: not announced as they stand now.
    void SetEditing(const QStringList& recIds);
    DesktopNotifier* Notifier() const { return m_notifier; }
    // Counts of the last look: unpaid dues late, and within the lead time.
    int OverdueCount() const { return m_overdue; }
    int SoonCount() const { return m_soon; }
    // Waits for a look under way and the memory's file it writes (for a
    // program about to end).
    void Flush();

    static QString SummaryOf(ReminderKind kind, const DueRecord& record);
    static QString BodyOf(const DueRecord& record);
    // "5 dues are overdue, 3 fall due within 3 days".
    static QString CountsText(int overdue, int soon, int leadDays);

signals:
    void markPaidRequested(const QString& recId);
    void openRequested(const QString& recId);
    void comingUpRequested();
    // Reminders no notification showed: the lines to show, and how many
    // more there were than lines.
    void unannounced(const QStringList& reminders, int more);
    // After every look, also the minute's: counts elsewhere may follow.
    void checked();

private:
    // What the look's thread keeps: the memory of one data folder.
    struct Memory
    {
        QString folder;
        std::unique_ptr<ReminderMemory> memory;
    };
    static ReminderCheck Compare(Memory& memory, const DataFolder& folder, const ReminderSnapshot& snapshot);
    bool CanLook() const;
    ReminderSnapshot Snapshot(int leadDays);
    void LookInBackground();
    void Finish(const ReminderCheck& check, int leadDays);
    void OnFailed(const QString& tag, const QString& summary, const QString& body);
    void Announce(const QList<Reminder>& fresh, int leadDays);

    DesktopNotifier* m_notifier;
    QTimer* m_timer;
    QTimer* m_checkSoon;
    // Touched by the look's thread, or by this one when no look runs.
    std::shared_ptr<Memory> m_memory = std::make_shared<Memory>();
    QThreadPool m_looks; // one thread: looks run one after the other
    bool m_looking = false;
    bool m_lookAgain = false;
    QSet<QString> m_editing;
    QSet<QString> m_paidSince;
    QStringList m_failed;
    int m_failedMore = 0;
    QStringList m_summaryLines; // what the summary stands for, should it fail
    int m_summaryMore = 0;
    int m_overdue = 0;
    int m_soon = 0;
    bool m_held = false;
};
