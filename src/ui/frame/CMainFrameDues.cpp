// The main window's Coming Up view, Mark Paid, Undo/Redo, reminders and tray
// icon: kept apart from CMainFrame.cpp, which only calls in here.
#include "ui/frame/CMainFrame.h"

#include "model/base/MessageTexts.h"
#include "model/services/DueMarking.h"
#include "model/services/Reminders.h"
#include "model/store/CDueStore.h"
#include "platform/DesktopNotifier.h"
#include "platform/LoginAutostart.h"
#include "ui/calendar/CCalendarView.h"
#include "ui/comingup/CComingUpView.h"
#include "ui/dialogs/Prompt.h"
#include "ui/frame/AfterFirstPaint.h"
#include "ui/frame/CDetailsBar.h"
#include "ui/frame/CFilterCombo.h"
#include "ui/frame/CMainToolBar.h"
#include "ui/frame/CMonthPicker.h"
#include "ui/frame/COutlookView.h"
#include "ui/frame/CommandIds.h"
#include "ui/frame/DueActionIds.h"
#include "ui/images/DrawnImages.h"
#include "ui/images/LoadImageList.h"
#include "ui/list/CTallyvaneView.h"
#include "ui/list/DueListModel.h"
#include "ui/reminders/CReminderBar.h"
#include "ui/reminders/CReminderSettingsDlg.h"
#include "ui/reminders/CTrayIcon.h"
#include "ui/reminders/ReminderCenter.h"
#include "ui/reports/CReportsView.h"
#include "ui/skinui/CGuiOutLook.h"
#include "ui/skinui/CGuiStatusBar.h"
#include "ui/skinui/GuiDrawLayer.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

namespace {
constexpr int kStatusMessageMs = 15000;
} // namespace

void CMainFrame::InstallDueFeatures()
{
    m_undo = new UndoStack(this);

    struct Info
    {
        int id;
        QString text;
        QKeySequence key;
        const char* theme;
        DrawnImages::Glyph glyph;
    };
    const Info infos[] = {
        {ID_MARK_PAID, tr("Mark &Paid"), {}, "checkbox", DrawnImages::Glyph::PaidMark},
        {ID_MARK_UNPAID, tr("Mark &Unpaid"), {}, nullptr, DrawnImages::Glyph::Modify},
        {ID_TOGGLE_PAID, tr("Mark Paid or Unpaid"), QKeySequence(Qt::Key_Space), nullptr,
         DrawnImages::Glyph::Modify},
        {ID_EDIT_UNDO, tr("&Undo"), QKeySequence(QStringLiteral("Ctrl+Z")), "edit-undo",
         DrawnImages::Glyph::Undo},
        {ID_EDIT_REDO, tr("&Redo"), QKeySequence(QStringLiteral("Ctrl+Shift+Z")), "edit-redo",
         DrawnImages::Glyph::Redo},
        {ID_VIEW_COMING_UP, tr("&Coming Up"), QKeySequence(QStringLiteral("Ctrl+U")), "appointment-soon",
         DrawnImages::Glyph::Calendar},
        {ID_VIEW_MONTH, tr("&Month"), QKeySequence(QStringLiteral("Ctrl+Shift+U")), nullptr,
         DrawnImages::Glyph::Details},
        {ID_GOTO_DUE_MONTH, tr("&Go to the Due's Month"), QKeySequence(QStringLiteral("Ctrl+G")), "go-jump",
         DrawnImages::Glyph::NextMonth},
        {ID_REMINDER_SETTINGS, tr("Reminders and Coming &Up..."), {}, nullptr, DrawnImages::Glyph::Details},
    };
    for (const Info& info : infos) {
        auto* a = new QAction(info.text, this);
        a->setData(info.id);
        a->setShortcut(info.key);
        a->setStatusTip(QString(info.text).remove(QLatin1Char('&')));
        if (info.theme)
            a->setIcon(DrawnImages::ThemeIcon(info.theme, info.glyph));
        connect(a, &QAction::triggered, this, [this, id = info.id] { OnCommand(id); });
        m_actions.insert(info.id, a);
        if (info.id != ID_TOGGLE_PAID)
            addAction(a);
    }
    m_actions.value(ID_VIEW_COMING_UP)->setCheckable(true);
    // Space belongs to the lists only: elsewhere it presses buttons and types blanks.
    QAction* toggle = m_actions.value(ID_TOGGLE_PAID);
    toggle->setShortcutContext(Qt::WidgetShortcut);
    m_view->addAction(toggle);

    // Edit menu after File; Coming Up in View; paying in Due; the settings in Preferences.
    const QList<QAction*> menus = menuBar()->actions();
    auto* edit = new QMenu(tr("&Edit"), this);
    edit->addAction(m_actions.value(ID_EDIT_UNDO));
    edit->addAction(m_actions.value(ID_EDIT_REDO));
    menuBar()->insertMenu(menus.value(1), edit);
    for (QAction* m : menus) {
        // Found by name: the titles are in the user's language.
        QMenu* menu = m->menu();
        const QString name = menu ? menu->objectName() : QString();
        if (name == QLatin1String("DueMenu")) {
            menu->addSeparator();
            menu->addAction(m_actions.value(ID_MARK_PAID));
            menu->addAction(m_actions.value(ID_MARK_UNPAID));
        } else if (name == QLatin1String("ViewMenu")) {
            menu->addSeparator();
            menu->addAction(m_actions.value(ID_VIEW_COMING_UP));
            menu->addAction(m_actions.value(ID_VIEW_MONTH));
            menu->addAction(m_actions.value(ID_GOTO_DUE_MONTH));
        } else if (name == QLatin1String("PreferencesMenu")) {
            menu->addAction(m_actions.value(ID_REMINDER_SETTINGS));
        }
    }
    // Mark Paid on the toolbar, after Delete.
    const QList<QAction*> tools = m_toolBar->actions();
    const qsizetype afterDelete = tools.indexOf(m_actions.value(ID_DUE_DELETE)) + 1;
    m_toolBar->insertAction(tools.value(afterDelete), m_actions.value(ID_MARK_PAID));

    // Coming Up in the navigation pane.
    auto* list = new CGuiOutLook(m_outlook->Folders());
    list->SetImageList(LoadImageIcons(156, 32));
    list->AddItem(ID_VIEW_COMING_UP, tr("Coming Up"), 22, tr("Overdue and upcoming dues"));
    list->AddItem(ID_VIEW_REPORTS, tr("Reports"), 23, tr("Sums by month, pay to, account and type"));
    list->AddItem(ID_VIEW_MONTH, tr("Month"), 21, tr("The dues of the month"));
    list->SetStyle(GuiDrawLayer::kStyleBlue);
    m_outlook->AddFolder(list, tr("Coming Up"));

    // The view shares the month list's place; a banner above both shows
    // reminders that no notification service took.
    QWidget* right = m_view->parentWidget();
    auto* layout = qobject_cast<QVBoxLayout*>(right->layout());
    m_reminderBanner = new CReminderBar(right);
    connect(m_reminderBanner, &CReminderBar::comingUpRequested, this, &CMainFrame::OpenComingUp);
    m_comingUp = new CComingUpView(right);
    m_comingUp->hide();
    layout->insertWidget(layout->indexOf(m_view), m_reminderBanner);
    layout->addWidget(m_comingUp, 1);
    m_comingUp->List()->addAction(toggle);
    // While hidden it still lists (for the counts); the bars follow only the shown list.
    connect(m_comingUp, &CComingUpView::dueSelected, this, [this](const DueRecord& r) {
        if (!IsComingUpShown())
            return;
        m_details->ShowDue(r);
        SetCaptionBar(r.m_strTitle, r.m_strSeriesId.isEmpty() ? 1 : 2);
    });
    connect(m_comingUp, &CComingUpView::selectionCleared, this, [this] {
        if (!IsComingUpShown())
            return;
        m_details->ClearDetails();
        SetCaptionBar(tr("Coming Up"), 0);
    });
    connect(m_comingUp, &CComingUpView::modifyRequested, this, &CMainFrame::ModifyDue);
    connect(m_comingUp, &CComingUpView::contextMenuRequested, this, &CMainFrame::ShowDueMenu);

    // Reminders and the tray.
    auto* notifier = new DesktopNotifier(QDBusConnection::sessionBus(),
                                         QString::fromLatin1(DesktopNotifier::kService), this);
    m_reminders = new ReminderCenter(notifier, this);
    connect(m_reminders, &ReminderCenter::markPaidRequested, this,
            [this](const QString& id) { MarkDues({id}, true); });
    connect(m_reminders, &ReminderCenter::openRequested, this, &CMainFrame::OpenDue);
    connect(m_reminders, &ReminderCenter::comingUpRequested, this, &CMainFrame::OpenComingUp);
    // Answers come one by one: while the bar shows, later ones join it.
    connect(m_reminders, &ReminderCenter::unannounced, m_reminderBanner, &CReminderBar::AddReminders);
    m_tray = new CTrayIcon(this);
    // Asking the desktop for its tray waits for the session bus: after the
    // first frame (a start into the tray asks at once).
    AfterFirstPaint::Run(this, [tray = m_tray] { tray->Install(); });
    connect(m_reminders, &ReminderCenter::checked, m_tray, &CTrayIcon::Update);
    connect(m_tray, &CTrayIcon::openRequested, this, [this] { BringToFront(); });
    connect(m_tray, &CTrayIcon::comingUpRequested, this, &CMainFrame::OpenComingUp);
    connect(m_tray, &CTrayIcon::quitRequested, this, [this] {
        m_quitting = true;
        close();
        QApplication::quit();
    });
    connect(m_undo, &UndoStack::changed, this, [this] {
        QAction* undo = m_actions.value(ID_EDIT_UNDO);
        QAction* redo = m_actions.value(ID_EDIT_REDO);
        undo->setEnabled(m_undo->CanUndo());
        redo->setEnabled(m_undo->CanRedo());
        undo->setText(m_undo->CanUndo() ? tr("&Undo %1").arg(m_undo->UndoText()) : tr("&Undo"));
        redo->setText(m_undo->CanRedo() ? tr("&Redo %1").arg(m_undo->RedoText()) : tr("&Redo"));
    });
    emit m_undo->changed();
    // The first look for reminders once the window is up.
    m_reminders->ScheduleCheck();
}

bool CMainFrame::OnDueCommand(int id)
{
    switch (id) {
    case ID_MARK_PAID:
    case ID_MARK_UNPAID:
        MarkDues(SelectedDueIds(), id == ID_MARK_PAID);
        return true;
    case ID_TOGGLE_PAID: {
        // Paid when any chosen due is unpaid; unpaid when all are paid.
        const QStringList ids = SelectedDueIds();
        bool allPaid = !ids.isEmpty();
        for (const QString& recId : ids)
            allPaid = allPaid && theDueStore.GetDue(recId).m_bPaid;
        MarkDues(ids, !allPaid);
        return true;
    }
    case ID_EDIT_UNDO:
        UndoLast();
        return true;
    case ID_EDIT_REDO:
        RedoLast();
        return true;
    case ID_VIEW_COMING_UP: // the menu's check mark: a second time goes back to the month
        ShowComingUp(!IsComingUpShown());
        return true;
    case ID_VIEW_MONTH:
        ShowComingUp(false);
        return true;
    case ID_GOTO_DUE_MONTH:
        if (const QStringList ids = SelectedDueIds(); !ids.isEmpty())
            OpenDue(ids.first());
        return true;
    case ID_REMINDER_SETTINGS: {
        CReminderSettingsDlg dlg(this);
        if (dlg.exec() == QDialog::Accepted) {
            RefreshDueFeatures();
            m_reminders->ScheduleCheck();
        }
        return true;
    }
    default:
        return false;
    }
}

void CMainFrame::RefreshDueFeatures()
{
    if (!m_comingUp)
        return;
    m_comingUp->Refresh();
    m_tray->Update();
}

void CMainFrame::ShowComingUp(bool show)
{
    // Closing Coming Up goes back to the month as it was shown: list or calendar.
    LeaveReports();
    QAction* calendarAction = m_actions.value(ID_VIEW_CALENDAR);
    const bool calendar = m_calendar && calendarAction && calendarAction->isChecked();
    m_comingUp->setVisible(show);
    if (m_calendar)
        m_calendar->setVisible(!show && calendar);
    m_view->setVisible(!show && !calendar);
    m_actions.value(ID_VIEW_COMING_UP)->setChecked(show);
    if (show) {
        m_comingUp->Refresh();
        m_comingUp->List()->setFocus();
        const QList<DueRecord> dues = m_comingUp->SelectedDues();
        if (dues.isEmpty()) {
            m_details->ClearDetails();
            SetCaptionBar(tr("Coming Up"), 0);
        } else {
            m_details->ShowDue(dues.first());
        }
    } else {
        (calendar ? static_cast<QWidget*>(m_calendar) : m_view)->setFocus();
        m_view->UpdateDetails();
    }
}

bool CMainFrame::IsComingUpShown() const
{
    return m_comingUp && !m_comingUp->isHidden();
}

QStringList CMainFrame::SelectedDueIds() const
{
    if (IsReportsShown())
        return m_reports->SelectedIds();
    if (IsComingUpShown())
        return m_comingUp->SelectedIds();
    if (const auto r = m_view->SelectedDue())
        return {r->m_strRecId};
    return {};
}

QStringList CMainFrame::WithSeries(const QString& recId)
{
    const DueRecord r = theDueStore.GetDue(recId);
    QStringList ids;
    if (!r.m_strSeriesId.isEmpty())
        theDueStore.GetSeriesIds(r.m_strSeriesId, ids);
    if (!ids.contains(recId))
        ids.prepend(recId);
    return ids;
}

FileChange CMainFrame::BeginChange(const QString& text, const QStringList& recIds) const
{
    return FileChange::Begin(theDueStore, text, recIds);
}

void CMainFrame::EndChange(FileChange change)
{
    change.Finish(theDueStore);
    m_undo->Push(std::move(change));
    DuesChangedHere();
}

void CMainFrame::OpenComingUp()
{
    BringToFront();
    ShowComingUp(true);
}

void CMainFrame::MarkDues(const QStringList& ids, bool paid)
{
    if (ids.isEmpty())
        return;
    FileChange change = BeginChange(paid ? tr("Mark Paid") : tr("Mark Unpaid"), ids);
    (void)::MarkDues(theDueStore, ids, paid);
    EndChange(std::move(change));
    if (paid)
        m_reminders->MarkedPaid(ids);
    ReportStoreErrors();
    const QStringList selected = IsComingUpShown() ? m_comingUp->SelectedIds() : QStringList();
    RefreshMonth();
    if (IsComingUpShown())
        m_comingUp->SelectIds(selected);
    else if (const int row = m_view->Model()->RowOf(ids.first()); row >= 0 && !IsReportsShown())
        m_view->SelectRow(row);
}

void CMainFrame::UndoLast()
{
    QString why;
    const bool done = m_undo->Undo(theDueStore, &why);
    if (!done && !why.isEmpty())
        Prompt::Message(this, why, QMessageBox::Warning);
    ReportStoreErrors();
    RefreshMonth();
    DuesChangedHere();
}

void CMainFrame::RedoLast()
{
    QString why;
    const bool done = m_undo->Redo(theDueStore, &why);
    if (!done && !why.isEmpty())
        Prompt::Message(this, why, QMessageBox::Warning);
    ReportStoreErrors();
    RefreshMonth();
    DuesChangedHere();
}

void CMainFrame::OpenDue(const QString& recId)
{
    BringToFront();
    if (!theDueStore.Contains(recId))
        return; // gone meanwhile: the window is shown, nothing more
    const DueRecord r = theDueStore.GetDue(recId);
    ShowComingUp(false);
    m_toolBar->MonthPicker()->SetTime(r.m_dtDue);
    RefreshMonth();
    // Coming Up lists whatever the filter and the search: asked for a due
    // that they hide, the list lets it through, and says so.
    QComboBox* filter = m_toolBar->FilterBox();
    const DueFilter shown = FilterOfIndex(filter->currentIndex());
    const bool filterSet =
        (shown == DueFilter::Paid && !r.m_bPaid) || (shown == DueFilter::Unpaid && r.m_bPaid);
    if (filterSet)
        filter->setCurrentIndex(0); // lists the month again
    QLineEdit* search = m_toolBar->SearchField();
    const bool searchCleared = m_view->Model()->RowOf(recId) < 0 && !search->text().isEmpty();
    if (searchCleared)
        search->clear();
    const QString said = filterSet && searchCleared
                             ? tr("Filter set to All and search cleared, so that \"%1\" shows.")
                         : filterSet     ? tr("Filter set to All, so that \"%1\" shows.")
                         : searchCleared ? tr("Search cleared, so that \"%1\" shows.")
                                         : QString();
    if (!said.isEmpty())
        m_statusBar->showMessage(said.arg(r.m_strTitle), kStatusMessageMs);
    m_view->SelectRow(m_view->Model()->RowOf(recId));
}

QMenu* CMainFrame::BuildDueMenu()
{
    auto* menu = new QMenu(this);
    menu->addAction(m_actions.value(ID_MARK_PAID));
    menu->addAction(m_actions.value(ID_MARK_UNPAID));
    menu->addSeparator();
    menu->addAction(m_actions.value(ID_DUE_MODIFY));
    menu->addAction(m_actions.value(ID_DUE_DELETE));
    menu->addAction(m_actions.value(ID_GOTO_DUE_MONTH));
    return menu;
}

void CMainFrame::ShowDueMenu(const QPoint& globalPos)
{
    const std::unique_ptr<QMenu> menu(BuildDueMenu());
    menu->exec(globalPos);
}

bool CMainFrame::HideToTray()
{
    if (m_quitting || !m_tray || !m_tray->Available() || !ReminderSettings::KeepInTray())
        return false;
    SaveSettings(); // the session may end while the window waits in the tray
    hide();
    return true;
}

void CMainFrame::FollowWorkDirAtLogin()
{
    if (ReminderSettings::StartAtLogin() && LoginAutostart::IsEnabled())
        (void)CReminderSettingsDlg::WriteLoginEntry(this, true);
}
