#pragma once

#include <QDBusConnection>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

// Desktop notifications through the freedesktop notification service
// (org.freedesktop.Notifications on the session bus), with actions. Calls are
// asynchronous so the window never waits on the bus; when no service answers
// the notification comes back through failed() for the caller to show in its
// own way.
class DesktopNotifier : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* kService = "org.freedesktop.Notifications";
    static constexpr const char* kPath = "/org/freedesktop/Notifications";

    // Action key and the label the service shows for it.
    using Action = QPair<QString, QString>;

    explicit DesktopNotifier(const QDBusConnection& bus = QDBusConnection::sessionBus(),
                             const QString& service = QString::fromLatin1(kService),
                             QObject* parent = nullptr);

    // Sends one notification; tag comes back with its actions. Returns false
    // at once when there is no bus at all (failed() is emitted as well).
    bool Notify(const QString& tag, const QString& summary, const QString& body,
                const QList<Action>& actions);

    // Takes the notifications sent under tag off the screen.
    void Close(const QString& tag);

    // Notifications sent and not yet closed by the service.
    int OpenCount() const { return int(m_open.size()); }

signals:
    void actionInvoked(const QString& tag, const QString& actionKey);
    // The service did not take the notification: show it another way.
    void failed(const QString& tag, const QString& summary, const QString& body, const QString& reason);

private slots:
    void OnActionInvoked(uint id, const QString& actionKey);
    void OnClosed(uint id, uint reason);

private:
    QDBusConnection m_bus;
    QString m_service;
    QHash<uint, QString> m_open; // notification id -> tag
};
