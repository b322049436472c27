#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QSet>
#include <QTimer>

class QSocketNotifier;

class CDueStore;

// Keeps an eye on the data folder: when another program (a sync tool, a
// second copy of this one, a script) adds, changes, removes or rewrites in
// place due files, the store reads just those files again and changed()
// follows, within a second. A burst of file events gives one rescan, and a
// steady stream still one a delay. Our own writes are known to the store and
// change nothing. On Linux the folder is watched with inotify, which also
// tells of files written in place; elsewhere QFileSystemWatcher serves.
class FolderWatcher : public QObject
{
    Q_OBJECT
public:
    explicit FolderWatcher(CDueStore& store, QObject* parent = nullptr);
    ~FolderWatcher() override;

    // Watches the store's data folder (again, after a change of folder).
    void Watch();
    void Stop();
    QString WatchedFolder() const;

    // While held, rescans wait: a change under way (a dialog, a series being
    // written) is never disturbed. The last release runs a pending rescan.
    void Hold();
    void Release();
    bool IsHeld() const { return m_holds > 0; }

    // How long a burst of events is gathered before the rescan.
    static constexpr int kDelayMs = 250;

    // Rescans at once (if not held); true when dues changed.
    bool RescanNow();

signals:
    // Dues of the store changed on disk; the shown lists are stale.
    void changed();

private:
    void OnEvent();
    void ReadNotifications();

    CDueStore& m_store;
    QFileSystemWatcher m_watcher;
    int m_inotify = -1;
    int m_watch = -1;
    QString m_folder;
    QSocketNotifier* m_notifier = nullptr;
    QSet<QString> m_touched; // due files written in place since the last rescan
    QTimer m_delay;
    int m_holds = 0;
    bool m_pending = false;
};

// Holds a watcher for as long as it lives.
class FolderWatchHold
{
public:
    explicit FolderWatchHold(FolderWatcher* watcher) : m_watcher(watcher)
    {
        if (m_watcher)
            m_watcher->Hold();
    }
    ~FolderWatchHold()
    {
        if (m_watcher)
            m_watcher->Release();
    }
    FolderWatchHold(const FolderWatchHold&) = delete;
    FolderWatchHold& operator=(const FolderWatchHold&) = delete;

private:
    FolderWatcher* m_watcher;
};
