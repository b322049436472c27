#pragma once

#include <QDBusConnection>
#include <QObject>

class QDBusServiceWatcher;

// Whether the desktop's tray is up: a StatusNotifier host, registered with
// org.kde.StatusNotifierWatcher on the session bus. The panel that shows the
// tray often starts after the programs of the session, so the watcher keeps
// looking and says when a host arrives. Asked without blocking: the first
// answer comes through answered(), a host that comes later through
// hostAppeared().
class TrayHostWatcher : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* kService = "org.kde.StatusNotifierWatcher";
    static constexpr const char* kPath = "/StatusNotifierWatcher";

    explicit TrayHostWatcher(const QDBusConnection& bus = QDBusConnection::sessionBus(),
                             QObject* parent = nullptr);

    // Starts watching and asks once; further calls do nothing. Without a bus
    // the answer is there at once: no watcher, no host.
    void Start();
    // The first answer has come.
    bool Answered() const { return m_answered; }
    // The watcher is on the bus, with or without a host (a panel that is
    // still starting).
    bool HasWatcher() const { return m_watcherUp; }
    bool HasHost() const { return m_host; }

signals:
    void answered();
    // A host is there now and was not at the previous answer.
    void hostAppeared();

private slots:
    void OnHostRegistered();

private:
    void Ask();
    void SetHost(bool host);

    QDBusConnection m_bus;
    QDBusServiceWatcher* m_watcher = nullptr;
    bool m_answered = false;
    bool m_watcherUp = false;
    bool m_host = false;
};
