#pragma once

#include "sync/CalDavAccount.h"
#include "sync/SyncEngine.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QTimer>

class CDueStore;
class QProgressDialog;
class QToolButton;
class QWidget;

// Runs the calendar sync of the window's data folder: at start, a few
// seconds after each change here (many changes give one sync), and every few
// minutes. Its state shows in the status bar; while offline the changes wait
// and the bar says how many. A first sync of many dues shows its progress and
// can be cancelled. An error is said once (again only when it changes or
// after a sync went well); dues deleted on the server are named once;
// conflicts are shown with both versions for the user to settle.
class SyncCenter : public QObject
{
    Q_OBJECT
public:
    SyncCenter(CDueStore& store, QWidget* window);

    // The account of the store's folder, read again (after the preferences or
    // a change of folder); a sync follows soon when there is one.
    void Reload();
    // The password to use until the program ends (the keyring could not keep it).
    void SetSessionPassword(const QString& password) { m_sessionPassword = password; }
    // While held (the folder is being read) nothing runs, and a sync under
    // way stops; released, a sync follows soon.
    void SetHeld(bool held);
    // A sync a few seconds from now; more calls within that time move nothing.
    void ScheduleSoon();
    void SyncNow();
    // Shows the conflicts left for the user to settle.
    void ShowConflicts();

    // The widget for the status bar.
    QToolButton* Indicator() const { return m_indicator; }
    SyncEngine* Engine() const { return m_engine; }
    bool HasAccount() const { return m_account.IsSet() && m_account.enabled; }
    const QList<SyncConflict>& Conflicts() const { return m_conflicts; }

    static constexpr int kAfterChangeMs = 3000;
    static constexpr int kEveryMs = 5 * 60 * 1000;
    static constexpr int kOfflineRetryMs = 60 * 1000;
    // A sync of more writes than this shows its progress.
    static constexpr qsizetype kProgressThreshold = 300;

signals:
    // Dues were changed here from the server: the lists are stale.
    void duesChanged();

private:
    void Start();
    void OnProgress(qsizetype done, qsizetype total);
    void OnFinished();
    void ShowState(const QString& text, const QString& tip = {});

    CDueStore& m_store;
    QWidget* m_window;
    SyncEngine* m_engine;
    QToolButton* m_indicator;
    QTimer m_soon;
    QTimer m_every;
    CalDavAccount m_account;
    QString m_password;
    QString m_sessionPassword;
    bool m_passwordMissing = false;
    bool m_again = false; // a change came in while a sync ran
    bool m_held = false;
    bool m_starting = false; // reading the keyring
    QString m_lastError;     // said once
    QSet<QString> m_shownConflicts;
    QList<SyncConflict> m_conflicts;
    QHash<QString, bool> m_keepHere;
    QPointer<QProgressDialog> m_progress;
};
