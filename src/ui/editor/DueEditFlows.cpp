#include "ui/editor/DueEditFlows.h"

#include "model/CDueStore.h"
#include "model/MessageTexts.h"
#include "ui/Prompt.h"
#include "ui/editor/CDetailPage.h"
#include "ui/editor/CDueDateSheet.h"
#include "ui/editor/DueEditRules.h"

#include <QApplication>
#include <QDialog>

namespace DueEditFlows {

// The store also changes when a confirmed pattern's placeholders are taken
// back after Cancel, so "true" means the month is worth listing again.
bool NewDue(QWidget* parent, const QDate& dueDate)
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

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool changed = DueEditRules::ApplyNewDue(theDueStore, result);
    QApplication::restoreOverrideCursor();
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

    QApplication::setOverrideCursor(Qt::WaitCursor);
    DueEditRules::ApplyModifiedDue(theDueStore, fetched, sheet.m_due, wholeSeries);
    QApplication::restoreOverrideCursor();
    return true;
}

} // namespace DueEditFlows
