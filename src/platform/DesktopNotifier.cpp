#include "platform/DesktopNotifier.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace {
constexpr const char* kInterface = "org.freedesktop.Notifications";
// The service decides how long a notification stays; -1 asks for its default.
constexpr int kDefaultTimeout = -1;
} // namespace

DesktopNotifier::DesktopNotifier(const QDBusConnection& bus, const QString& service, QObject* parent)
    : QObject(parent), m_bus(bus), m_service(service)
{
    if (!m_bus.isConnected())
        return;
    // Signals are taken from whoever sends them on the path and interface:
    // the unique name of the service is not known before the first call.
    m_bus.connect(QString(), QString::fromLatin1(kPath), QString::fromLatin1(kInterface),
                  QStringLiteral("ActionInvoked"), this, SLOT(OnActionInvoked(uint, QString)));
    m_bus.connect(QString(), QString::fromLatin1(kPath), QString::fromLatin1(kInterface),
                  QStringLiteral("NotificationClosed"), this, SLOT(OnClosed(uint, uint)));
}

bool DesktopNotifier::Notify(const QString& tag, const QString& summary, const QString& body,
                             const QList<Action>& actions)
{
    if (!m_bus.isConnected()) {
        emit failed(tag, summary, body, tr("no session bus"));
        return false;
    }
    QStringList flat;
    for (const Action& a : actions)
        flat << a.first << a.second;
    QDBusMessage call = QDBusMessage::createMethodCall(
        m_service, QString::fromLatin1(kPath), QString::fromLatin1(kInterface), QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("tallyvane"));
    call << QCoreApplication::applicationName() << uint(0) << QStringLiteral("tallyvane") << summary << body
         << flat << hints << kDefaultTimeout;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, tag, summary, body](QDBusPendingCallWatcher* w) {
                const QDBusPendingReply<uint> reply = *w;
                w->deleteLater();
                if (reply.isError())
                    emit failed(tag, summary, body, reply.error().message());
                else
                    m_open.insert(reply.value(), tag);
            });
    return true;
}

void DesktopNotifier::OnActionInvoked(uint id, const QString& actionKey)
{
    // Other programs' notifications come through here too: only ours count.
    const auto it = m_open.constFind(id);
    if (it != m_open.constEnd())
        emit actionInvoked(it.value(), actionKey);
}

void DesktopNotifier::Close(const QString& tag)
{
    for (auto it = m_open.begin(); it != m_open.end();) {
        if (it.value() != tag) {
            ++it;
            continue;
        }
        QDBusMessage call = QDBusMessage::createMethodCall(m_service, QString::fromLatin1(kPath),
                                                           QString::fromLatin1(kInterface),
                                                           QStringLiteral("CloseNotification"));
        call << it.key();
        m_bus.asyncCall(call); // the answer tells nothing we act on
        it = m_open.erase(it);
    }
}

void DesktopNotifier::OnClosed(uint id, uint)
{
    m_open.remove(id);
}
