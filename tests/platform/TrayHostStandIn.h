#pragma once

// A stand-in for the desktop's tray: org.kde.StatusNotifierWatcher on a
// connection of its own to the session bus, with or without a host, as a
// panel that is still starting or already up. The tests run under
// dbus-run-session, so the bus is private to them.

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>

class TrayHostStandIn : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ IsStatusNotifierHostRegistered)
public:
    explicit TrayHostStandIn(const QString& connectionName = QStringLiteral("trayhost"))
        : m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName))
    {
    }
    ~TrayHostStandIn() override { Stop(); }

    // The watcher comes up, with a host already registered or not.
    bool Start(bool withHost)
    {
        m_host = withHost;
        return m_bus.isConnected() &&
               m_bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), this,
                                    QDBusConnection::ExportAllProperties) &&
               m_bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"));
    }
    void Stop()
    {
        if (!m_bus.isConnected())
            return;
        m_bus.unregisterService(QStringLiteral("org.kde.StatusNotifierWatcher"));
        m_bus.unregisterObject(QStringLiteral("/StatusNotifierWatcher"));
        m_host = false;
    }
    // The panel registers its host with the watcher already up.
    void RegisterHost()
    {
        m_host = true;
        m_bus.send(QDBusMessage::createSignal(QStringLiteral("/StatusNotifierWatcher"),
                                              QStringLiteral("org.kde.StatusNotifierWatcher"),
                                              QStringLiteral("StatusNotifierHostRegistered")));
    }

    bool IsStatusNotifierHostRegistered() const { return m_host; }

private:
    QDBusConnection m_bus;
    bool m_host = false;
};
