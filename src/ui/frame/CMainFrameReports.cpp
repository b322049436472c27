// The main window's Reports view: kept apart from CMainFrame.cpp, which only
// calls in here.
#include "ui/frame/CMainFrame.h"

#include "model/base/MessageTexts.h"
#include "ui/calendar/CCalendarView.h"
#include "ui/comingup/CComingUpView.h"
#include "ui/frame/CDetailsBar.h"
#include "ui/frame/CommandIds.h"
#include "ui/frame/DueActionIds.h"
#include "ui/list/CTallyvaneView.h"
#include "ui/reports/CReportsView.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

void CMainFrame::InstallReports()
{
    auto* action = new QAction(tr("&Reports"), this);
    action->setData(ID_VIEW_REPORTS);
    action->setShortcut(QKeySequence(QStringLiteral("Ctrl+R")));
    action->setStatusTip(tr("Sums by month, pay to, account and type, and what the recurring dues cost"));
    action->setToolTip(tr("Reports"));
    action->setIcon(DrawnImages::ThemeIcon("office-chart-bar", DrawnImages::Glyph::Chart));
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this] { OnCommand(ID_VIEW_REPORTS); });
    m_actions.insert(ID_VIEW_REPORTS, action);
    addAction(action);
    // In View after Coming Up, found by name: the titles are in the user's language.
    for (QAction* m : menuBar()->actions()) {
        QMenu* menu = m->menu();
        if (!menu || menu->objectName() != QLatin1String("ViewMenu"))
            continue;
        const QList<QAction*> items = menu->actions();
        const qsizetype comingUp = items.indexOf(m_actions.value(ID_VIEW_COMING_UP));
        menu->insertAction(comingUp >= 0 ? items.value(comingUp + 1) : nullptr, action);
    }

    // The view shares the month list's place, as Coming Up does.
    QWidget* right = m_view->parentWidget();
    m_reports = new CReportsView(right);
    m_reports->hide();
    qobject_cast<QVBoxLayout*>(right->layout())->addWidget(m_reports, 1);
    connect(m_reports, &CReportsView::monthRequested, this, [this](const QDate& month) {
        ShowReports(false);
        ShowMonthOf(COleDateTime(month.year(), month.month(), 1, 0, 0, 0));
    });
    connect(m_reports, &CReportsView::dueSelected, this, [this](const DueRecord& r) {
        if (!IsReportsShown())
            return;
        m_details->ShowDue(r);
        SetCaptionBar(r.m_strTitle, r.m_strSeriesId.isEmpty() ? 1 : 2);
    });
    connect(m_reports, &CReportsView::selectionCleared, this, [this] {
        if (!IsReportsShown())
            return;
        m_details->ClearDetails();
        SetCaptionBar(tr("Reports"), 0);
    });
    connect(m_reports, &CReportsView::modifyRequested, this, &CMainFrame::ModifyDue);
    connect(m_reports, &CReportsView::contextMenuRequested, this, &CMainFrame::ShowDueMenu);
}

void CMainFrame::ShowReports(bool show)
{
    if (!show) {
        // Back to the month as it was shown: list or calendar.
        ShowComingUp(false);
        return;
    }
    if (IsComingUpShown()) {
        m_comingUp->hide();
        m_actions.value(ID_VIEW_COMING_UP)->setChecked(false);
    }
    if (m_calendar)
        m_calendar->hide();
    m_view->hide();
    m_reports->show();
    m_actions.value(ID_VIEW_REPORTS)->setChecked(true);
    m_reports->Refresh();
    const QList<DueRecord> dues = m_reports->SelectedDues();
    if (dues.isEmpty()) {
        m_details->ClearDetails();
        SetCaptionBar(tr("Reports"), 0);
    } else {
        m_details->ShowDue(dues.first());
    }
    m_reports->setFocus(Qt::OtherFocusReason);
}

bool CMainFrame::IsReportsShown() const
{
    return m_reports && !m_reports->isHidden();
}

void CMainFrame::LeaveReports()
{
    if (!IsReportsShown())
        return;
    m_reports->hide();
    m_actions.value(ID_VIEW_REPORTS)->setChecked(false);
}

void CMainFrame::RefreshReports()
{
    // Built from every due: only while it shows; showing it builds it anew.
    if (IsReportsShown())
        m_reports->Refresh();
}
