#include "ui/reminders/CTrayIcon.h"

#include "model/base/Clock.h"
#include "model/services/Reminders.h"
#include "model/store/CDueStore.h"
#include "ui/images/DrawnImages.h"

#include <QMenu>
#include <QSystemTrayIcon>

CTrayIcon::CTrayIcon(QObject* parent) : QObject(parent), m_menu(new QMenu)
{
    m_menu->addAction(tr("&Open"), this, &CTrayIcon::openRequested);
    m_menu->addAction(tr("&Coming Up"), this, &CTrayIcon::comingUpRequested);
    m_menu->addSeparator();
    m_menu->addAction(tr("&Quit"), this, &CTrayIcon::quitRequested);
}

void CTrayIcon::Install()
{
    if (m_installed)
        return;
    m_installed = true;
    if (!QSystemTrayIcon::isSystemTrayAvailable())
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
