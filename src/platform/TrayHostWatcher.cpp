#include "platform/TrayHostWatcher.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

TrayHostWatcher::TrayHostWatcher(const QDBusConnection& bus, QObject* parent) : QObject(parent), m_bus(bus) {}

void TrayHostWatcher::Start()
{
    if (m_watcher || m_answered)
        return;
    if (!m_bus.isConnected()) {
        m_answered = true;
        emit answered();
        return;
    }
    const QString service = QString::fromLatin1(kService);
    m_watcher = new QDBusServiceWatcher(
        service, m_bus,
        QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration, this);
    connect(m_watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        m_watcherUp = true;
        Ask();
    });
    connect(m_watcher, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
        m_watcherUp = false;
        SetHost(false);
    });
    // The watcher may be up before any host: the host's arrival is its own signal.
    m_bus.connect(service, QString::fromLatin1(kPath), service,
                  QStringLiteral("StatusNotifierHostRegistered"), this, SLOT(OnHostRegistered()));
    Ask();
}

void TrayHostWatcher::OnHostRegistered()
{
    m_watcherUp = true;
    SetHost(true);
}

void TrayHostWatcher::Ask()
{
    QDBusMessage get = QDBusMessage::createMethodCall(
        QString::fromLatin1(kService), QString::fromLatin1(kPath),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QString::fromLatin1(kService) << QStringLiteral("IsStatusNotifierHostRegistered");
    auto* call = new QDBusPendingCallWatcher(m_bus.asyncCall(get), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<QDBusVariant> reply = *w;
        w->deleteLater();
        if (!reply.isError())
            m_watcherUp = true;
        else if (reply.error().type() == QDBusError::ServiceUnknown)
            m_watcherUp = false;
        const bool first = !m_answered;
        m_answered = true;
        // Only a yes counts: a no may be older than the host's own signal.
        if (!reply.isError() && reply.value().variant().toBool())
            SetHost(true);
        if (first)
            emit answered();
    });
}

void TrayHostWatcher::SetHost(bool host)
{
    const bool appeared = host && !m_host;
    m_host = host;
    if (appeared)
        emit hostAppeared();
}
