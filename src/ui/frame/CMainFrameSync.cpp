// The main window's calendar sync: its commands, its place in the status bar
// and what follows a sync. Kept apart from CMainFrame.cpp, which only calls in here.
#include "ui/frame/CMainFrame.h"

#include "model/store/CDueStore.h"
#include "ui/frame/DueActionIds.h"
#include "ui/reminders/ReminderCenter.h"
#include "ui/skinui/CGuiStatusBar.h"
#include "ui/sync/CCalendarSyncDlg.h"
#include "ui/sync/SyncCenter.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

void CMainFrame::InstallSync()
{
    const std::pair<int, QString> commands[] = {
        {ID_CALENDAR_SYNC_SETTINGS, tr("Calendar &Sync...")},
        {ID_CALENDAR_SYNC_NOW, tr("Sync with the Calendar &Now")},
    };
    for (const auto& [id, text] : commands) {
        auto* a = new QAction(text, this);
        a->setData(id);
        a->setStatusTip(id == ID_CALENDAR_SYNC_SETTINGS
                            ? tr("Keep the dues in step with a calendar on a CalDAV server")
                            : tr("Bring the dues and the calendar in step now"));
        connect(a, &QAction::triggered, this, [this, id = id] { OnCommand(id); });
        m_actions.insert(id, a);
        addAction(a);
    }
    // Found by name: the titles are in the user's language.
    for (QAction* m : menuBar()->actions()) {
        QMenu* menu = m->menu();
        const QString name = menu ? menu->objectName() : QString();
        if (name == QLatin1String("PreferencesMenu"))
            menu->addAction(m_actions.value(ID_CALENDAR_SYNC_SETTINGS));
        else if (name == QLatin1String("ToolsMenu"))
            menu->addAction(m_actions.value(ID_CALENDAR_SYNC_NOW));
    }

    m_sync = new SyncCenter(theDueStore, this);
    m_statusBar->insertPermanentWidget(0, m_sync->Indicator());
    connect(m_sync, &SyncCenter::duesChanged, this, [this] {
        RefreshMonth();
        if (m_reminders)
            m_reminders->ScheduleCheck();
    });
    m_sync->Reload();
}

bool CMainFrame::OnSyncCommand(int id)
{
    switch (id) {
    case ID_CALENDAR_SYNC_SETTINGS: {
        CCalendarSyncDlg dlg(theDueStore.Folder(), this);
        if (dlg.exec() != QDialog::Accepted)
            return true;
        m_sync->Reload();
        if (!dlg.SessionPassword().isEmpty())
            m_sync->SetSessionPassword(dlg.SessionPassword());
        m_sync->SyncNow();
        return true;
    }
    case ID_CALENDAR_SYNC_NOW:
        if (!m_sync->HasAccount())
            return OnSyncCommand(ID_CALENDAR_SYNC_SETTINGS);
        m_sync->SyncNow();
        return true;
    default:
        return false;
    }
}

void CMainFrame::DuesChangedHere()
{
    if (m_reminders)
        m_reminders->ScheduleCheck();
    if (m_sync)
        m_sync->ScheduleSoon();
}
