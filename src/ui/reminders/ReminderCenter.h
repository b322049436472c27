#pragma once

#include "model/services/Reminders.h"

#include <QObject>
#include <QStringList>

class DesktopNotifier;
class QTimer;

// Gives the reminders while the program runs: at start and every minute it
// asks which dues entered the lead time or became overdue, sends each as a
// desktop notification with "Mark paid" and "Open", and passes on what the
// user chose. Notifications the service would not take come out of
// unannounced(), gathered as far as they arrive together.
class ReminderCenter : public QObject
{
    Q_OBJECT
public:
    explicit ReminderCenter(DesktopNotifier* notifier, QObject* parent = nullptr);

    // Looks for reminders now; returns how many were given. Nothing while held.
    int CheckNow();
    // Held while the store is being loaded: a half-read folder would look as
    // if its dues were gone, and what was announced of them would be forgotten.
    void SetHeld(bool held) { m_held = held; }
    DesktopNotifier* Notifier() const { return m_notifier; }

    static QString SummaryOf(const Reminder& reminder);
    static QString BodyOf(const Reminder& reminder);

signals:
    void markPaidRequested(const QString& recId);
    void openRequested(const QString& recId);
    void unannounced(const QStringList& reminders);
    // After every look, also the minute's: counts elsewhere may follow.
    void checked();

private:
    void OnFailed(const QString& summary, const QString& body);

    DesktopNotifier* m_notifier;
    QTimer* m_timer;
    QStringList m_failed;
    bool m_held = false;
};
