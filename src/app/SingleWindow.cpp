#include "app/SingleWindow.h"

#include "app/InstallLayout.h"
#include "ui/frame/WindowFocus.h"

#include <QApplication>
#include <QDBusMessage>
#include <QTimer>

QString SingleWindow::ServiceName()
{
    return QStringLiteral(TALLYVANE_APP_ID);
}

QString SingleWindow::ObjectPath()
{
    return QStringLiteral("/com/quillory/Tallyvane/Window");
}

SingleWindow::SingleWindow(const QDBusConnection& bus, QObject* parent) : QObject(parent), m_bus(bus) {}

SingleWindow::~SingleWindow()
{
    if (m_owner)
        (void)m_bus.unregisterService(ServiceName());
    if (m_exported)
        m_bus.unregisterObject(ObjectPath());
}

SingleWindow::Outcome SingleWindow::Claim(const QString& workDir, bool tray, const QString& activationToken)
{
    if (!m_bus.isConnected())
        return Outcome::Alone;
    if (OwnName())
        return Outcome::First;

    QDBusMessage call = QDBusMessage::createMethodCall(ServiceName(), ObjectPath(),
                                                       QStringLiteral("com.quillory.Tallyvane.Window"),
                                                       QStringLiteral("Activate"));
    call << workDir << tray << activationToken;
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, kHandOverWaitMs);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return Outcome::HandedOver;
    // The name's owner did not answer (it is ending, or the bus refused the
    // name): this start opens its window as it would without a bus, and
    // answers later starts if the name is free by now.
    return OwnName() ? Outcome::First : Outcome::Alone;
}

bool SingleWindow::OwnName()
{
    // Answering first, then owning the name: a start right after this one
    // finds someone to talk to.
    m_exported = m_bus.registerObject(ObjectPath(), this, QDBusConnection::ExportScriptableSlots);
    m_owner = m_exported && m_bus.registerService(ServiceName());
    if (m_exported && !m_owner) {
        m_bus.unregisterObject(ObjectPath());
        m_exported = false;
    }
    return m_owner;
}

void SingleWindow::Activate(const QString& workDir, bool tray, const QString& activationToken)
{
    if (tray)
        return; // a login start finds the program running: nothing to show
    QTimer::singleShot(0, this, [this, workDir, activationToken] {
        if (m_frame) {
            m_frame->AnswerSecondStart(workDir, activationToken);
        } else if (QWidget* dialog = QApplication::activeModalWidget()) {
            // Still starting (the working directory is being chosen): that dialog comes forward.
            dialog->raise();
            WindowFocus::Take(dialog, activationToken);
        }
    });
}
