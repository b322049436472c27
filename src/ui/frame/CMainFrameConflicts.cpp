// The main window's side of a data folder that other machines write too:
// the bar and dialog for dues that more than one file holds, and the
// question about dues deleted here that come back. Kept apart from
// CMainFrame.cpp, which only calls in here.
#include "ui/frame/CMainFrame.h"

#include "model/base/LocaleFormat.h"
#include "model/services/DeletionMemory.h"
#include "model/services/FolderWatcher.h"
#include "model/store/CDueStore.h"
#include "ui/conflicts/CConflictBar.h"
#include "ui/conflicts/CConflictDlg.h"
#include "ui/dialogs/Prompt.h"
#include "ui/frame/CommandIds.h"
#include "ui/list/CTallyvaneView.h"
#include "ui/reminders/CReminderBar.h"
#include "ui/reminders/ReminderCenter.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

void CMainFrame::InstallConflicts()
{
    auto* action = new QAction(tr("Resolve &Conflicts..."), this);
    action->setData(ID_RESOLVE_CONFLICTS);
    action->setStatusTip(tr("Choose between the versions of dues that more than one file holds"));
    action->setEnabled(false);
    connect(action, &QAction::triggered, this, [this] { OnCommand(ID_RESOLVE_CONFLICTS); });
    m_actions.insert(ID_RESOLVE_CONFLICTS, action);
    addAction(action);
    for (QAction* m : menuBar()->actions()) {
        QMenu* menu = m->menu();
        if (menu && menu->objectName() == QLatin1String("ToolsMenu"))
            menu->addAction(action);
    }
    // Above the reminders' bar: a conflict hides a change, a reminder does not.
    QWidget* right = m_view->parentWidget();
    auto* layout = qobject_cast<QVBoxLayout*>(right->layout());
    m_conflictBanner = new CConflictBar(right);
    const int at = m_reminderBanner ? layout->indexOf(m_reminderBanner) : layout->indexOf(m_view);
    layout->insertWidget(at, m_conflictBanner);
    connect(m_conflictBanner, &CConflictBar::resolveRequested, this,
            [this] { OnCommand(ID_RESOLVE_CONFLICTS); });
    FollowDeletions();
}

void CMainFrame::RefreshConflicts()
{
    if (!m_conflictBanner)
        return;
    const int count = m_loading ? 0 : int(theDueStore.Conflicts().size());
    m_conflictBanner->SetCount(count);
    m_actions.value(ID_RESOLVE_CONFLICTS)->setEnabled(count > 0 && !m_loading);
    FlushDeletions();
}

void CMainFrame::ResolveConflicts()
{
    FolderWatchHold hold(m_watcher);
    const QList<DueConflict> conflicts = theDueStore.Conflicts();
    int index = 0;
    for (const DueConflict& conflict : conflicts) {
        ++index;
        const QList<ConflictVersion> versions = theDueStore.ConflictVersions(conflict.recId);
        if (versions.size() < 2)
            continue; // resolved meanwhile, or a copy unreadable now
        const CConflictDlg::Answer answer = CConflictDlg::Ask(this, versions, index, int(conflicts.size()));
        if (answer.kind == CConflictDlg::Answer::Later)
            break;
        if (answer.kind == CConflictDlg::Answer::Keep)
            (void)theDueStore.KeepVersion(conflict.recId, answer.file, versions);
        else
            (void)theDueStore.KeepAllVersions(conflict.recId, versions);
        // A refusal (the files changed meanwhile) is said before the next question.
        if (theDueStore.HasErrors()) {
            ReportStoreErrors();
            break;
        }
    }
    RefreshMonth(); // the kept versions and new dues show
    if (m_reminders)
        m_reminders->ScheduleCheck();
}

QStringList CMainFrame::NewConflictLines()
{
    QStringList lines;
    QSet<QString> now;
    for (const DueConflict& conflict : theDueStore.Conflicts()) {
        bool fresh = false;
        for (const QString& file : conflict.otherFiles) {
            const QString key = conflict.recId + QLatin1Char('/') + file;
            now.insert(key);
            fresh = fresh || !m_conflictsSaid.contains(key);
        }
        if (fresh)
            lines << CDueStore::ConflictText(conflict);
    }
    // Resolved ones are said again should they come back.
    m_conflictsSaid = now;
    return lines;
}

void CMainFrame::FollowDeletions()
{
    const DataFolder& folder = theDueStore.Folder();
    if (m_deletions && m_deletions->Folder() == folder)
        return;
    FlushDeletions();
    m_deletions.reset();
    if (folder.IsEmpty())
        return;
    m_deletions = std::make_unique<DeletionMemory>(folder);
    m_deletions->Follow(theDueStore);
}

void CMainFrame::FlushDeletions()
{
    if (!m_deletions || !m_deletions->HasPending())
        return;
    QString why;
    if (!m_deletions->Flush(&why))
        Prompt::Message(this,
                        tr("Could not note the deleted dues in %1: %2. Should they come back, it will not be "
                           "said.")
                            .arg(QDir::toNativeSeparators(m_deletions->FilePath()), why),
                        QMessageBox::Warning);
}

void CMainFrame::AskAboutReturnedDues()
{
    if (m_askingReturned || m_loading)
        return;
    FollowDeletions();
    if (!m_deletions)
        return;
    if (isHidden()) {
        m_returnedPending = true; // a question needs a window to stand on
        return;
    }
    m_returnedPending = false;
    FlushDeletions();
    const QList<std::pair<QString, QDateTime>> back = m_deletions->Returned(theDueStore);
    if (back.isEmpty())
        return;
    m_askingReturned = true;
    FolderWatchHold hold(m_watcher);
    const QLocale locale;
    QStringList ids, lines;
    for (const auto& [id, when] : back) {
        const DueRecord r = theDueStore.GetDue(id);
        ids << id;
        lines << tr("\u201c%1\u201d, due %2, deleted here %3")
                     .arg(ShownText(r.m_strTitle, 60), FormatDatePicture(r.m_dtDue, QString(), locale),
                          locale.toString(when.toLocalTime(), QLocale::ShortFormat));
    }
    const DueRecord first = theDueStore.GetDue(ids.first());
    const QString text =
        ids.size() == 1
            ? tr("\u201c%1\u201d is in the data folder again, although it was deleted here on %2: another "
                 "computer or program changed it meanwhile, and a sync tool brought it back. Delete it "
                 "again?")
                  .arg(ShownText(first.m_strTitle, 60),
                       locale.toString(back.first().second.toLocalTime(), QLocale::ShortFormat))
            : tr("%n dues deleted here are in the data folder again: another computer or program changed "
                 "them meanwhile, and a sync tool brought them back. Delete them again?",
                 nullptr, int(ids.size()));
    const QMessageBox::StandardButton answer = Prompt::Choice(
        this, text, ids.size() == 1 ? QString() : lines.join(QLatin1Char('\n')),
        {qMakePair(QMessageBox::Yes, ids.size() == 1 ? tr("Delete It Again") : tr("Delete Them Again")),
         qMakePair(QMessageBox::No, ids.size() == 1 ? tr("Keep It") : tr("Keep Them"))},
        QMessageBox::No);
    // Said once: whatever the answer, they are not asked about again (a
    // delete now is remembered afresh).
    QString why;
    if (!m_deletions->Forget(ids, &why))
        Prompt::Message(
            this, tr("Could not change %1: %2").arg(QDir::toNativeSeparators(m_deletions->FilePath()), why),
            QMessageBox::Warning);
    if (answer == QMessageBox::Yes) {
        FileChange change = BeginChange(tr("Delete"), ids);
        (void)theDueStore.RemoveDues(ids, true);
        EndChange(std::move(change));
        ReportStoreErrors();
    }
    m_askingReturned = false;
    RefreshMonth();
}
