#include "ui/reminders/CTrayIcon.h"

#include "model/base/Clock.h"
#include "model/services/Reminders.h"
#include "model/store/CDueStore.h"
#include "platform/TrayHostWatcher.h"
#include "ui/images/DrawnImages.h"

#include <QGuiApplication>
#include <QMenu>
#include <QSystemTrayIcon>

namespace {

bool DesktopHasTray(bool hostRegistered, bool watcherUp)
{
    // Qt asks the bus for a host once and keeps that answer for the life of
    // the process: asked before the panel is up, it would never see the tray.
    // So Qt is asked once a host is there; on X11 also when no watcher is on
    // the bus at all, for X11's own tray, which Qt looks up each time.
    if (hostRegistered)
        return QSystemTrayIcon::isSystemTrayAvailable();
    return !watcherUp && QGuiApplication::platformName() == QLatin1String("xcb") &&
           QSystemTrayIcon::isSystemTrayAvailable();
}

CTrayIcon::TrayCheck& TheTrayCheck()
{
    static CTrayIcon::TrayCheck check = DesktopHasTray;
    return check;
}

} // namespace

CTrayIcon::TrayCheck CTrayIcon::SetTrayCheck(TrayCheck check)
{
    TrayCheck previous = TheTrayCheck();
    TheTrayCheck() = check ? std::move(check) : TrayCheck(DesktopHasTray);
    return previous;
}

CTrayIcon::CTrayIcon(QObject* parent) : QObject(parent), m_menu(new QMenu)
{
    m_menu->addAction(tr("&Open"), this, &CTrayIcon::openRequested);
    m_menu->addAction(tr("&Coming Up"), this, &CTrayIcon::comingUpRequested);
    m_menu->addSeparator();
    m_menu->addAction(tr("&Quit"), this, &CTrayIcon::quitRequested);
}

void CTrayIcon::Install()
{
    if (m_hosts)
        return;
    m_hosts = new TrayHostWatcher(QDBusConnection::sessionBus(), this);
    connect(m_hosts, &TrayHostWatcher::answered, this, &CTrayIcon::TryShow);
    connect(m_hosts, &TrayHostWatcher::hostAppeared, this, &CTrayIcon::TryShow);
    m_hosts->Start();
}

void CTrayIcon::TryShow()
{
    if (m_icon || !m_hosts->Answered() || !TheTrayCheck()(m_hosts->HasHost(), m_hosts->HasWatcher()))
        return;
    m_icon = new QSystemTrayIcon(DrawnImages::AppIcon(), this);
    m_icon->setContextMenu(m_menu);
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
            emit openRequested();
    });
    if (!m_toolTip.isEmpty())
        m_icon->setToolTip(m_toolTip);
    m_icon->show();
    emit shown();
}

CTrayIcon::~CTrayIcon()
{
    delete m_menu;
}

bool CTrayIcon::Available()
{
    Install();
    return m_icon && m_icon->isVisible();
}

void CTrayIcon::Update()
{
    const QDate today = Clock::Now().date();
    const int lead = ReminderSettings::LeadDays();
    int overdue = 0, soon = 0;
    // From the store's compact data: the whole folder is walked at every look.
    theDueStore.ForEachBrief([&](const DueBrief& d) {
        if (d.paid || d.placeholder)
            return;
        const QDate day = d.due.ToQDate();
        if (!day.isValid())
            return;
        const qint64 ahead = today.daysTo(day);
        if (ahead < 0)
            ++overdue;
        else if (ahead <= lead)
            ++soon;
    });
    m_toolTip = tr("Tallyvane: %1 overdue, %2 due within %n day(s)", nullptr, lead)
                    .arg(QString::number(overdue), QString::number(soon));
    if (m_icon)
        m_icon->setToolTip(m_toolTip);
}

QString CTrayIcon::ToolTip() const
{
    return m_toolTip;
}
