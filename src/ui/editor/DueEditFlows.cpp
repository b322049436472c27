#include "ui/editor/DueEditFlows.h"

#include "model/base/MessageTexts.h"
#include "model/store/CDueStore.h"
#include "ui/dialogs/ChangeProgressWindow.h"
#include "ui/dialogs/Prompt.h"
#include "ui/editor/CDetailPage.h"
#include "ui/editor/CDueDateSheet.h"
#include "ui/editor/DueEditRules.h"

#include <QApplication>
#include <QDialog>
#include <QLocale>

namespace DueEditFlows {

// The store also changes when a confirmed pattern's placeholders are taken
// back after Cancel, so "true" means the month is worth listing again.
bool NewDue(QWidget* parent, QString* newId, const QDate& dueDate)
{
    CDueDateSheet sheet(CDueDateSheet::Mode::New, parent);
    if (dueDate.isValid()) {
        const COleDateTime due = COleDateTime::FromQDateTime(QDateTime(dueDate, QTime(0, 0)));
        if (due.IsValid()) {
            sheet.m_due.m_dtDue = due;
            if (due < sheet.m_due.m_dtStart)
                sheet.m_due.m_dtStart = due;
        }
    }
    DueEditRules::NewDueResult result;
    result.finished = sheet.DoModal() == QDialog::Accepted;

    const CDetailPage& page = *sheet.m_pDetailPage;
    result.due = sheet.m_due;
    result.recursive = page.m_bRecursive;
    result.patternSet = page.m_bPatternSet;
    result.occurrenceIds = page.m_arrOccurrenceIds;
    result.offsetDays = page.m_nOffsetDays;
    COleDateTime::Parts t{};
    if (page.m_dtOffsetTime.GetParts(t)) {
        result.offsetHours = t.hour;
        result.offsetMinutes = t.minute;
        result.offsetSeconds = t.second;
    }

    DueEditRules::NewDueOutcome outcome;
    bool changed;
    {
        const qsizetype count = result.finished && result.recursive ? result.occurrenceIds.size() : 1;
        ChangeProgressWindow progress(
            parent,
            QCoreApplication::translate("DueEditFlows", "Writing the %1 dues of the series...")
                .arg(QLocale().toString(qint64(count))),
            count);
        changed = DueEditRules::ApplyNewDue(theDueStore, result, &outcome, progress.Callback());
    }
    if (result.finished && result.recursive && outcome.failed) {
        Prompt::Report(parent,
                       QCoreApplication::translate("DueEditFlows",
                                                   "The series could not be written, so none of its dues "
                                                   "were kept:"),
                       theDueStore.TakeErrors(), QMessageBox::Warning);
    } else if (outcome.cancelled) {
        Prompt::Message(parent,
                        QCoreApplication::translate("DueEditFlows",
                                                    "Writing the series was cancelled, so none of its dues "
                                                    "were kept."),
                        QMessageBox::Information);
    }
    if (newId)
        *newId = outcome.newId;
    return changed;
}

bool ModifyDue(QWidget* parent, const QString& recId)
{
    if (recId.isEmpty() || !theDueStore.Contains(recId))
        return false;
    const DueRecord fetched = theDueStore.GetDue(recId);

    bool wholeSeries = false;
    if (!fetched.m_strSeriesId.isEmpty()) {
        const auto answer =
            Prompt::Question(parent, LoadResString(MessageId::ConfirmModifySeries),
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
        if (answer != QMessageBox::Yes && answer != QMessageBox::No)
            return false;
        wholeSeries = answer == QMessageBox::Yes;
    }

    CDueDateSheet sheet(CDueDateSheet::Mode::Modify, parent);
    sheet.m_due = fetched;
    if (sheet.DoModal() != QDialog::Accepted)
        return false;

    const qsizetype count = DueEditRules::ModifiedDueCount(theDueStore, fetched, sheet.m_due, wholeSeries);
    ChangeOutcome outcome;
    {
        ChangeProgressWindow progress(
            parent,
            QCoreApplication::translate("DueEditFlows", "Changing the %1 dues of the series...")
                .arg(QLocale().toString(qint64(count))),
            count);
        outcome = DueEditRules::ApplyModifiedDue(theDueStore, fetched, sheet.m_due, wholeSeries,
                                                 progress.Callback());
    }
    // A due changed elsewhere meanwhile is asked about by the window.
    if (count > 1 && outcome.failed && !theDueStore.HasStaleChanges()) {
        Prompt::Report(parent,
                       QCoreApplication::translate(
                           "DueEditFlows", "The %1 dues of the series could not be changed, so all of "
                                           "them are as they were:")
                           .arg(QLocale().toString(qint64(count))),
                       theDueStore.TakeErrors(), QMessageBox::Warning);
    } else if (outcome.cancelled) {
        Prompt::Message(parent,
                        QCoreApplication::translate("DueEditFlows",
                                                    "The change was stopped: %1 of the %2 dues of the series "
                                                    "were changed; the others are as they were.")
                            .arg(QLocale().toString(qint64(outcome.done)), QLocale().toString(qint64(count))),
                        QMessageBox::Information);
    }
    return true;
}

} // namespace DueEditFlows
