#pragma once

// A stand-in for the desktop's notification service: registers
// org.freedesktop.Notifications on a connection of its own to the session
// bus, records every Notify call and sends the service's signals on request.
// The tests run under dbus-run-session, so the bus is private to them.

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

class NotificationStandIn : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Call
    {
        QString appName;
        uint replacesId;
        QString icon;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
        int timeout;
        uint id;
    };

    explicit NotificationStandIn(const QString& connectionName = QStringLiteral("standin"))
        : m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName))
    {
    }
    ~NotificationStandIn() override { Stop(); }

    bool Start()
    {
        return m_bus.isConnected() &&
               m_bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this,
                                    QDBusConnection::ExportAllSlots) &&
               m_bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }
    void Stop()
    {
        if (!m_bus.isConnected())
            return;
        m_bus.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
        m_bus.unregisterObject(QStringLiteral("/org/freedesktop/Notifications"));
    }

    void SendAction(uint id, const QString& key) { Signal(QStringLiteral("ActionInvoked"), {id, key}); }
    void SendClosed(uint id) { Signal(QStringLiteral("NotificationClosed"), {id, uint(2)}); }

    QList<Call> calls;
    QList<uint> closed; // CloseNotification calls, in order

public slots:
    uint Notify(const QString& appName, uint replacesId, const QString& icon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int timeout)
    {
        const uint id = uint(calls.size()) + 100;
        calls.append(Call{appName, replacesId, icon, summary, body, actions, hints, timeout, id});
        return id;
    }
    QStringList GetCapabilities() { return {QStringLiteral("actions"), QStringLiteral("body")}; }
    void CloseNotification(uint id)
    {
        closed.append(id);
        SendClosed(id);
    }

private:
    void Signal(const QString& name, const QVariantList& args)
    {
        QDBusMessage m = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                    QStringLiteral("org.freedesktop.Notifications"), name);
        m.setArguments(args);
        m_bus.send(m);
    }

    QDBusConnection m_bus;
};
