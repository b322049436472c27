#pragma once

#include <QDBusConnection>
#include <QObject>

class QDBusServiceWatcher;

// Whether the desktop's tray is up: a StatusNotifier host, registered with
// org.kde.StatusNotifierWatcher on the session bus. The panel that shows the
// tray often starts after the programs of the session, so the watcher keeps
// looking and says when a host arrives. Asked without blocking: the answer
// comes through hostAppeared().
class TrayHostWatcher : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* kService = "org.kde.StatusNotifierWatcher";
    static constexpr const char* kPath = "/StatusNotifierWatcher";

    explicit TrayHostWatcher(const QDBusConnection& bus = QDBusConnection::sessionBus(),
                             QObject* parent = nullptr);

    // Starts watching and asks once; further calls do nothing.
    void Start();
    // A host was there at the last answer.
    bool HasHost() const { return m_host; }

signals:
    // A host is there now and was not at the previous answer.
    void hostAppeared();

private slots:
    void OnHostRegistered();

private:
    void Ask();
    void SetHost(bool host);

    QDBusConnection m_bus;
    QDBusServiceWatcher* m_watcher = nullptr;
    bool m_host = false;
};
