#pragma once

#include "model/services/UndoStack.h"
#include "model/store/DueRecord.h"
#include "ui/frame/FocusRing.h"
#include "ui/images/DrawnImages.h"
#include "ui/list/DueListQuery.h"
#include "ui/skinui/CGuiFrameWnd.h"

#include <QHash>
#include <QSet>

#include <memory>

class CCalendarView;
class CConflictBar;
class DeletionMemory;
class CDetailsBar;
class CComingUpView;
class CReportsView;
class CGuiMiniTool;
class CGuiStatusBar;
class CMainToolBar;
class COutlookView;
class CTallyvaneView;
class DueStoreLoader;
class FolderWatcher;
class CTrayIcon;
class CReminderBar;
class GuiCapOutBar;
class QAction;
class QLabel;
class QMenu;
class QSplitter;
class QTimer;
class ReminderCenter;
class SyncCenter;

// The main window: menu bar, toolbar, navigation pane, caption bar and month
// list, the "Details" bar and the status bar with the month's totals. Every
// command ends in OnCommand.
class CMainFrame : public CGuiFrameWnd
{
    Q_OBJECT
public:
    // The drawn images a new window shows in its first frame, in the order it
    // needs them: to be painted ahead on another thread while it is built.
    static QList<std::pair<DrawnImages::Glyph, int>> ImagesShownFirst();

    // How long a maximised window waits for a window manager to maximise it.
    static constexpr int kWindowManagerWaitMs = 600;

    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Shows the window as it was placed (remembered, or the first start's
    // place), maximised or not; a minimised one comes back as it was.
    void ShowAsPlaced();
    // The same, raised and active: Open from the tray or a notification.
    // activationToken: the desktop's permission to take the focus, handed
    // on by the program that asked (empty: none).
    void BringToFront(const QString& activationToken = {});
    // Another start of the program in this session, handed over to this
    // window: it comes forward, and for another working directory (workDir
    // not empty) asks whether to switch to it. The question waits while a
    // dialog of the window is open or the dues are loading.
    void AnswerSecondStart(const QString& workDir, const QString& activationToken = {});

    // Runs the command of an id, as the menu, toolbar, shortcut, navigation
    // pane or context menu would.
    void OnCommand(int id);
    QAction* Action(int id) const { return m_actions.value(id); }

    // Re-reads the month picker and lists that month again; the selection
    // stays on the same due while it is listed.
    void RefreshMonth();
    void StepMonth(int delta);
    // Shows the month of a date (today for Today).
    void ShowMonthOf(const COleDateTime& date);
    void ModifyDue(const QString& recId);
    void DeleteDue(const DueRecord& record);
    void SetCaptionBar(const QString& text, int image);
    void ChangeWorkingDirectory();
    // Reads the dues of another working directory. remember: it becomes the
    // stored one (and the login entry's); else it is for this window's life only.
    void SwitchToFolder(const QString& workDir, bool remember);
    // True while the window shows a folder it switched to for its life only.
    bool IsOneOffFolder() const { return m_oneOffFolder; }
    // F5: reads the data folder again, or says that the working directory is
    // gone and offers to choose another (without making the old one again).
    void RefreshFromDisk();

    // The order of the list (View > Sort by).
    void SetSort(DueSort sort);
    DueSort Sort() const { return m_sort; }

    // Shows the due files the last load skipped, in one message (nothing when none).
    void ReportLoadProblems();
    // Shows failed writes and removals of the store, in one message.
    bool ReportStoreErrors();
    // Asks what to do about changes the store refused because another
    // program changed or deleted the due meanwhile; takes their errors.
    void ResolveStaleChanges(QStringList& errors);

    // Reads the data folder on a thread of its own while the window is up.
    // Until all of it is in, the list says that dues are loading and the
    // commands that need them are off; then the month is listed and the
    // files that could not be read are named.
    void LoadInBackground();
    bool IsLoading() const { return m_loading; }

    // The month the list shows (the month picker's, as of the last refresh).
    const COleDateTime& CurrentMonth() const { return m_dtCurrentMonth; }

    CTallyvaneView* View() const { return m_view; }
    CDetailsBar* DetailsBar() const { return m_details; }
    CMainToolBar* ToolBar() const { return m_toolBar; }
    COutlookView* OutlookView() const { return m_outlook; }
    CGuiStatusBar* StatusBar() const { return m_statusBar; }
    CGuiMiniTool* CaptionTool() const { return m_captionTool; }
    QSplitter* Splitter() const { return m_splitter; }
    FolderWatcher* Watcher() const { return m_watcher; }
    const FocusRing& Ring() const { return m_ring; }

    // The month as a calendar in place of the list (View > Calendar).
    CCalendarView* CalendarView() const { return m_calendar; }
    void ShowCalendar(bool on);

    // --- Coming Up, paying, undo and reminders (CMainFrameDues.cpp) ---
    CComingUpView* ComingUpView() const { return m_comingUp; }
    UndoStack* UndoHistory() const { return m_undo; }
    ReminderCenter* Reminders() const { return m_reminders; }
    CTrayIcon* Tray() const { return m_tray; }
    CReminderBar* ReminderBanner() const { return m_reminderBanner; }
    // Shows Coming Up in place of the month list, or the month list again.
    void ShowComingUp(bool show);
    bool IsComingUpShown() const;
    // The chosen dues: Coming Up's selection while it shows, else the month list's.
    QStringList SelectedDueIds() const;
    // Marks dues paid or unpaid as one undoable change.
    void MarkDues(const QStringList& ids, bool paid);
    void UndoLast();
    void RedoLast();
    // Shows the due's month with the due selected, the window raised.
    void OpenDue(const QString& recId);
    // The context menu of Coming Up's and a report's dues; the caller owns it.
    QMenu* BuildDueMenu();
    // Undo recording around a change of the store: the dues it may touch
    // before, the files as they are after.
    FileChange BeginChange(const QString& text, const QStringList& recIds) const;
    void EndChange(FileChange change);
    // The due and, for a member of a series, the other members.
    static QStringList WithSeries(const QString& recId);

    // --- The calendar sync (CMainFrameSync.cpp) ---
    SyncCenter* CalendarSync() const { return m_sync; }

    // --- Reports (CMainFrameReports.cpp) ---
    CReportsView* ReportsView() const { return m_reports; }
    // Shows the Reports view in place of the month list, or the month again.
    void ShowReports(bool show);
    bool IsReportsShown() const;

    // --- Conflicts and dues that come back (CMainFrameConflicts.cpp) ---
    CConflictBar* ConflictBanner() const { return m_conflictBanner; }
    // Goes through the dues that more than one file holds, a dialog each,
    // until none is left or the user decides later.
    void ResolveConflicts();
    // Says once of each due deleted here that is in the data folder again
    // (changed elsewhere and carried back by a sync tool), offering to delete
    // it again. A hidden window asks when it is next shown.
    void AskAboutReturnedDues();
    DeletionMemory* Deletions() const { return m_deletions.get(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateStatusBar();
    void CreateClient();
    void CreateCaptionBar(QWidget* parent);
    void Export(int id);
    void SwitchPane(int delta);
    // What shows in the list's place: the list, the calendar, Coming Up's list or the Reports view.
    QWidget* ShownView() const;
    void CreateFocusRing();
    void ShowTotals();
    // A valid day starts the new due on that day.
    void NewDue(const QDate& day = QDate());
    void CreateCalendar();
    void ImportCsv();
    void InstallDueFeatures();
    bool OnDueCommand(int id);
    void RefreshDueFeatures();
    void ShowDueMenu(const QPoint& globalPos);
    bool HideToTray();
    // Shows the window with Coming Up.
    void OpenComingUp();
    // Keeps the window's state for the next start, once it has been shown.
    void SaveSettings() const;
    // The login entry runs the program on the working directory in use.
    void FollowWorkDirAtLogin();
    void InstallReports();
    void InstallSync();
    bool OnSyncCommand(int id);
    // Something changed the dues here: reminders and the calendar sync follow.
    void DuesChangedHere();
    // Hides the Reports view when another view takes its place.
    void LeaveReports();
    void RefreshReports();

    // Asks about the folder a second start was given, once nothing is in the way.
    void AskToSwitchFolder();

    void InstallConflicts();
    void RefreshConflicts();
    // Remembers what is deleted from the store's folder (a memory per folder).
    void FollowDeletions();
    void FlushDeletions();
    // The conflicts not said by an earlier load report, one line each.
    QStringList NewConflictLines();

    void SetLoading(bool loading);
    void OnLoaded();
    static bool NeedsDues(int id);

    QHash<int, QAction*> m_actions;
    COleDateTime m_dtCurrentMonth;
    CMainToolBar* m_toolBar = nullptr;
    CGuiStatusBar* m_statusBar = nullptr;
    CDetailsBar* m_details = nullptr;
    QSplitter* m_splitter = nullptr;
    COutlookView* m_outlook = nullptr;
    CTallyvaneView* m_view = nullptr;
    GuiCapOutBar* m_captionBar = nullptr;
    CGuiMiniTool* m_captionTool = nullptr;
    FolderWatcher* m_watcher = nullptr;
    FocusRing m_ring;
    DueSort m_sort = DueSort::DueDate;
    CCalendarView* m_calendar = nullptr;
    CComingUpView* m_comingUp = nullptr;
    CReportsView* m_reports = nullptr;
    UndoStack* m_undo = nullptr;
    ReminderCenter* m_reminders = nullptr;
    CTrayIcon* m_tray = nullptr;
    CReminderBar* m_reminderBanner = nullptr;
    SyncCenter* m_sync = nullptr;
    bool m_quitting = false;
    bool m_oneOffFolder = false;
    QString m_askedFolder; // of the last second start, until asked
    QTimer* m_askLater = nullptr;
    bool m_everShown = false;
    DueStoreLoader* m_loader = nullptr;
    bool m_loading = false;
    CConflictBar* m_conflictBanner = nullptr;
    std::unique_ptr<DeletionMemory> m_deletions;
    QSet<QString> m_conflictsSaid; // conflicts a load report named: "id/file"
    bool m_askingReturned = false;
    bool m_returnedPending = false; // found while hidden: asked when shown
};
