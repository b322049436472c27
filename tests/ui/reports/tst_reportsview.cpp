// The Reports view on the screen: the table behind each chart, the keys and
// clicks on the bars, what a screen reader is told, the saves, and its place
// in the main window.
#include "ReportTestStore.h"

#include "export/ReportCsv.h"
#include "ui/frame/CDetailsBar.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CMainToolBar.h"
#include "ui/frame/CMonthPicker.h"
#include "ui/frame/COutlookView.h"
#include "ui/frame/CommandIds.h"
#include "ui/frame/DueActionIds.h"
#include "ui/list/CTallyvaneView.h"
#include "ui/list/DueListModel.h"
#include "ui/reminders/CReminderBar.h"
#include "ui/reports/CReportChart.h"
#include "ui/reports/CReportPanel.h"
#include "ui/reports/CReportsView.h"
#include "ui/reports/ReportDuesModel.h"
#include "ui/reports/ReportTableModel.h"
#include "ui/skinui/CGuiOutLook.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QImage>
#include <QListView>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QXmlStreamReader>

#include <memory>

namespace {

QStringList Titles(const ReportDuesModel* model)
{
    QStringList out;
    for (const DueRecord& r : model->Dues())
        out << r.m_strTitle + QLatin1Char('/') + r.m_strPayTo;
    out.sort();
    return out;
}

QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestReportsView : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void tableHoldsTheChartsNumbers_data();
    void tableHoldsTheChartsNumbers();
    void keysMoveBetweenBars_data();
    void keysMoveBetweenBars();
    void screenReaderHearsTheBars();
    void rangeChooser();
    void clickOnAMonthShowsThatMonth();
    void clickOnAGroupListsItsDues_data();
    void clickOnAGroupListsItsDues();
    void listFollowsChangesAndDetails();
    void leavesRoomForTheBarAbove();
    void savesThroughTheFileChooser();
    void printPreviewHasPages();
    void placeInTheWindow();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CMainFrame> m_frame;
};

void TestReportsView::initTestCase()
{
    UiTest::IsolateSettings();
}

void TestReportsView::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    UiTest::UseWorkDir(m_dir->path());
    ReportTest::Fill();
    Prompt::TakeShownTexts();
}

void TestReportsView::cleanup()
{
    m_frame.reset();
    theDueStore.RemoveAll();
    m_dir.reset();
}

void TestReportsView::tableHoldsTheChartsNumbers_data()
{
    QTest::addColumn<int>("grouping");
    QTest::addColumn<QStringList>("headers");
    QTest::newRow("months") << int(ReportGrouping::Month)
                            << QStringList{"Month", "Dues", "Paid", "Unpaid", "Overdue", "Total"};
    QTest::newRow("pay to, with Other")
        << int(ReportGrouping::Payee) << QStringList{"Pay To", "Dues", "Paid", "Unpaid", "Overdue", "Total"};
    QTest::newRow("series") << int(ReportGrouping::Series)
                            << QStringList{"Series", "Dues", "Per Month", "Per Year", "Change"};
}

void TestReportsView::tableHoldsTheChartsNumbers()
{
    QFETCH(int, grouping);
    QFETCH(QStringList, headers);
    CReportsView view;
    CReportPanel* panel = view.Panel(ReportGrouping(grouping));
    ReportTableModel* model = panel->TableModel();
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    view.SetRange(ReportRanges::Choice::LastTwelveMonths); // a reset under the tester
    const QList<ReportBar>& bars = panel->Chart()->Bars();
    QVERIFY(!bars.isEmpty());
    QCOMPARE(model->rowCount(), bars.size());
    QStringList shown;
    for (int c = 0; c < model->columnCount(); ++c)
        shown << model->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(shown, headers);
    for (int r = 0; r < bars.size(); ++r) {
        QCOMPARE(model->index(r, 0).data().toString(), bars.at(r).label);
        if (ReportGrouping(grouping) == ReportGrouping::Series) {
            QCOMPARE(model->index(r, 2).data(ReportTableModel::SortRole).toDouble(), bars.at(r).monthly);
            QCOMPARE(model->index(r, 4).data().toString(), bars.at(r).change);
        } else {
            QCOMPARE(model->index(r, 1).data(ReportTableModel::SortRole).toInt(), bars.at(r).count);
            QCOMPARE(model->index(r, 2).data().toString(), ReportBars::Money(bars.at(r).paid, QLocale()));
            QCOMPARE(model->index(r, 5).data(ReportTableModel::SortRole).toDouble(), bars.at(r).Total());
            QCOMPARE(model->index(r, 5).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight,
                     int(Qt::AlignRight));
        }
    }
    if (ReportGrouping(grouping) == ReportGrouping::Payee)
        QVERIFY(model->index(model->rowCount() - 1, 0).data().toString().startsWith(QStringLiteral("Other")));

    // The toggle shows the table in the chart's place, on the current bar;
    // Enter on a row opens it as on the bar.
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const int last = model->rowCount() - 1;
    panel->Chart()->SetCurrentBar(last);
    panel->TableButton()->click();
    QVERIFY(panel->IsTableShown());
    QVERIFY(panel->Table()->isVisible() && !panel->Chart()->isVisible());
    QCOMPARE(panel->Table()->currentIndex().row(), last);
    QSignalSpy opened(panel, &CReportPanel::barActivated);
    panel->Table()->setFocus();
    QTest::keyClick(panel->Table(), Qt::Key_Up);
    QTest::keyClick(panel->Table(), Qt::Key_Return);
    const int above = std::max(0, last - 1);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened.first().first().toInt(), above);
    QCOMPARE(panel->Chart()->CurrentBar(), above);
    // Every row shows without a scroll bar of its own.
    QVERIFY(panel->Table()->rowViewportPosition(model->rowCount() - 1) + panel->Table()->rowHeight(0) <=
            panel->Table()->viewport()->height());
    panel->TableButton()->click();
    QVERIFY(!panel->IsTableShown() && panel->Chart()->isVisible());
}

void TestReportsView::keysMoveBetweenBars_data()
{
    QTest::addColumn<int>("grouping");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("current");
    const int months = int(ReportGrouping::Month), types = int(ReportGrouping::Type);
    QTest::newRow("right twice") << months << QList<int>{Qt::Key_Right, Qt::Key_Right} << 2;
    QTest::newRow("left stops at the first") << months << QList<int>{Qt::Key_Left, Qt::Key_Left} << 0;
    QTest::newRow("end, then left") << months << QList<int>{Qt::Key_End, Qt::Key_Left} << 10;
    QTest::newRow("right stops at the last") << months << QList<int>{Qt::Key_End, Qt::Key_Right} << 11;
    QTest::newRow("home") << months << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Home} << 0;
    QTest::newRow("down in rows") << types << QList<int>{Qt::Key_Down} << 1;
    QTest::newRow("up and down in rows") << types << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up} << 0;
}

void TestReportsView::keysMoveBetweenBars()
{
    QFETCH(int, grouping);
    QFETCH(QList<int>, keys);
    QFETCH(int, current);
    CReportsView view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    CReportChart* chart = view.Panel(ReportGrouping(grouping))->Chart();
    chart->setFocus();
    QCOMPARE(chart->CurrentBar(), 0);
    for (int key : keys)
        QTest::keyClick(chart, Qt::Key(key));
    QCOMPARE(chart->CurrentBar(), current);

    QSignalSpy opened(chart, &CReportChart::barActivated);
    QTest::keyClick(chart, Qt::Key_Return);
    QTest::keyClick(chart, Qt::Key_Space);
    QCOMPARE(opened.size(), 2);
    QCOMPARE(opened.at(0).first().toInt(), current);
}

void TestReportsView::screenReaderHearsTheBars()
{
    CReportsView view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    CReportChart* chart = view.Panel(ReportGrouping::Month)->Chart();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(chart);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::Chart);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Paid and Unpaid by Month"));
    QCOMPARE(iface->childCount(), 12);
    const Report report = BuildReport(theDueStore, view.Range(), ReportGrouping::Month, ReportTest::Today());
    const ReportGroup& march = report.groups.at(2);
    QAccessibleInterface* bar = iface->child(2);
    QVERIFY(bar && bar->isValid());
    // March's odd bills are unpaid and late by today.
    QVERIFY(march.overdue > 0.0);
    QCOMPARE(bar->text(QAccessible::Name),
             QStringLiteral("March 2026: paid %1, unpaid %2, of which overdue %3")
                 .arg(ReportBars::Money(march.paid, QLocale()), ReportBars::Money(march.unpaid, QLocale()),
                      ReportBars::Money(march.overdue, QLocale())));
    QCOMPARE(iface->indexOfChild(bar), 2);
    QCOMPARE(bar->parent(), iface);
    // Where it is painted, as the pointer finds it.
    const QRect where = bar->rect();
    QVERIFY(where.isValid());
    QCOMPARE(iface->childAt(where.center().x(), where.center().y()), bar);
    QVERIFY(iface->child(12) == nullptr);

    chart->setFocus();
    QTest::keyClick(chart, Qt::Key_Right);
    QTest::keyClick(chart, Qt::Key_Right);
    QVERIFY(bar->state().focused);
    QCOMPARE(iface->focusChild(), bar);
    QVERIFY(!iface->child(0)->state().focused);

    // Pressing it opens it as Enter does.
    QSignalSpy months(&view, &CReportsView::monthRequested);
    QAccessibleActionInterface* actions = iface->child(4)->actionInterface();
    QVERIFY(actions);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(months.size(), 1);
    QCOMPARE(months.first().first().toDate(), QDate(2026, 5, 1));
}

void TestReportsView::rangeChooser()
{
    CReportsView view;
    QCOMPARE(view.RangeChoice(), ReportRanges::Choice::ThisYear);
    QVERIFY(!view.FromEdit()->isEnabled());
    view.RangeBox()->setCurrentIndex(int(ReportRanges::Choice::LastTwelveMonths));
    QCOMPARE(view.Range().from, QDate(2025, 6, 1));
    QCOMPARE(view.Range().to, QDate(2026, 5, 1));
    QCOMPARE(view.Panel(ReportGrouping::Month)->Chart()->Bars().first().month, QDate(2025, 6, 1));
    view.RangeBox()->setCurrentIndex(int(ReportRanges::Choice::Custom));
    QVERIFY(view.FromEdit()->isEnabled() && view.ToEdit()->isEnabled());
    view.FromEdit()->setDate(QDate(2026, 3, 1));
    view.ToEdit()->setDate(QDate(2026, 1, 1)); // before the first: held at it
    QCOMPARE(view.Range().from, QDate(2026, 3, 1));
    QCOMPARE(view.Range().to, QDate(2026, 3, 1));
    view.ToEdit()->setDate(QDate(2026, 4, 1));
    QCOMPARE(view.Panel(ReportGrouping::Month)->Chart()->Bars().size(), 2);
    QVERIFY2(view.SummaryText().startsWith(QStringLiteral("March 2026 – April 2026: ")),
             qPrintable(view.SummaryText()));
}

void TestReportsView::clickOnAMonthShowsThatMonth()
{
    m_frame = std::make_unique<CMainFrame>();
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    m_frame->OnCommand(ID_VIEW_REPORTS);
    QVERIFY(m_frame->IsReportsShown());
    QVERIFY(!m_frame->View()->isVisible());
    QVERIFY(m_frame->Action(ID_VIEW_REPORTS)->isChecked());
    CReportChart* chart = m_frame->ReportsView()->Panel(ReportGrouping::Month)->Chart();
    QTRY_VERIFY(chart->hasFocus()); // the arrow keys work at once

    QTest::mouseClick(chart, Qt::LeftButton, {}, chart->BarRect(2).center());
    QVERIFY(!m_frame->IsReportsShown());
    QVERIFY(m_frame->View()->isVisible());
    QVERIFY(!m_frame->Action(ID_VIEW_REPORTS)->isChecked());
    QCOMPARE(m_frame->CurrentMonth().GetYear(), 2026);
    QCOMPARE(m_frame->CurrentMonth().GetMonth(), 3);
    for (const DueRecord& r : m_frame->View()->Model()->Records())
        QCOMPARE(r.m_dtDue.GetMonth(), 3);
    QVERIFY(m_frame->View()->Model()->rowCount() >= 13); // Rent, Streaming and the bills
}

void TestReportsView::clickOnAGroupListsItsDues_data()
{
    QTest::addColumn<int>("grouping");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QStringList>("dues");
    QTest::newRow("a pay to") << int(ReportGrouping::Payee) << "Landlord"
                              << QStringList{"Rent/Landlord", "Rent/Landlord"};
    QTest::newRow("an account") << int(ReportGrouping::Account) << "Savings"
                                << QStringList{"Insurance/Safe Ins"};
    QStringList streaming;
    for (int i = 0; i < 5; ++i)
        streaming << QStringLiteral("Streaming/Stream Inc");
    QTest::newRow("a series") << int(ReportGrouping::Series) << "Streaming" << streaming;
    // Sixteen pay tos: after the eight largest (Grid Co's 80 before Payee 08's
    // by name) the bills of 10 to 80.
    QStringList small;
    for (int i = 1; i <= 8; ++i)
        small << QStringLiteral("Bill %1/Payee 0%1").arg(i);
    QTest::newRow("Other") << int(ReportGrouping::Payee) << "Other (8)" << small;
}

void TestReportsView::clickOnAGroupListsItsDues()
{
    QFETCH(int, grouping);
    QFETCH(QString, label);
    QFETCH(QStringList, dues);
    m_frame = std::make_unique<CMainFrame>();
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    m_frame->OnCommand(ID_VIEW_REPORTS);
    CReportsView* view = m_frame->ReportsView();
    CReportChart* chart = view->Panel(ReportGrouping(grouping))->Chart();
    int index = -1;
    for (int i = 0; i < chart->Bars().size(); ++i)
        if (chart->Bars().at(i).label == label)
            index = i;
    QVERIFY2(index >= 0, qPrintable(label));
    // Scrolled into sight as a user would, then clicked.
    auto* scroll = view->findChild<QScrollArea*>();
    QVERIFY(scroll);
    scroll->ensureWidgetVisible(chart, 0, chart->height());
    QTest::mouseClick(chart, Qt::LeftButton, {}, chart->BarRect(index).center());
    QVERIFY(m_frame->IsReportsShown());
    QVERIFY(view->AreDuesShown());
    QVERIFY2(view->DuesTitle().contains(label), qPrintable(view->DuesTitle()));
    QCOMPARE(Titles(view->DuesModel()), dues);
    QVERIFY(view->DuesList()->hasFocus());
}

void TestReportsView::listFollowsChangesAndDetails()
{
    m_frame = std::make_unique<CMainFrame>();
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    m_frame->OnCommand(ID_VIEW_REPORTS);
    CReportsView* view = m_frame->ReportsView();
    const QList<ReportBar>& accounts = view->Panel(ReportGrouping::Account)->Chart()->Bars();
    const auto savings = std::find_if(accounts.cbegin(), accounts.cend(),
                                      [](const ReportBar& b) { return b.label == QLatin1String("Savings"); });
    QVERIFY(savings != accounts.cend());
    view->OpenBar(ReportGrouping::Account, int(savings - accounts.cbegin()));
    QCOMPARE(view->DuesModel()->rowCount(), 1);
    // Choosing a due shows it in the Details bar and makes it the frame's choice.
    view->DuesList()->setCurrentIndex(view->DuesModel()->index(0));
    QCOMPARE(m_frame->DetailsBar()->Value(0), QStringLiteral("Insurance"));
    QCOMPARE(m_frame->SelectedDueIds(), QStringList{view->DuesModel()->RecordAt(0)->m_strRecId});
    const double unpaidBefore = view->Panel(ReportGrouping::Month)->Chart()->Bars().at(4).unpaid;

    // Mark Paid acts on it; the charts and the list follow, the choice stays.
    m_frame->OnCommand(ID_MARK_PAID);
    QVERIFY(view->DuesModel()->RecordAt(0)->m_bPaid);
    QCOMPARE(view->SelectedIds().size(), 1);
    QCOMPARE(view->Panel(ReportGrouping::Month)->Chart()->Bars().at(4).unpaid, unpaidBefore - 120.0);

    // Closing the list clears the Details bar; leaving the view goes back to the month.
    view->CloseDues();
    QVERIFY(!view->AreDuesShown());
    QVERIFY(m_frame->SelectedDueIds().isEmpty());
    m_frame->OnCommand(ID_VIEW_REPORTS);
    QVERIFY(!m_frame->IsReportsShown());
    QVERIFY(m_frame->View()->isVisible());
}

void TestReportsView::leavesRoomForTheBarAbove()
{
    // Without a notification service the reminders show in a bar above the
    // view; opening a list of dues must not squeeze it.
    m_frame = std::make_unique<CMainFrame>();
    m_frame->resize(1024, 768);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    QTest::qWait(200);
    if (m_frame->ReminderBanner()->isHidden())
        QSKIP("a notification service took the reminders: no bar to look at");
    m_frame->OnCommand(ID_VIEW_REPORTS);
    QTest::qWait(50);
    const int height = m_frame->ReminderBanner()->height();
    QVERIFY(height > 2 * m_frame->ReminderBanner()->fontMetrics().height());
    m_frame->ReportsView()->OpenBar(ReportGrouping::Payee, 0);
    QVERIFY(m_frame->ReportsView()->AreDuesShown());
    QTest::qWait(50);
    QCOMPARE(m_frame->ReminderBanner()->height(), height);
}

void TestReportsView::savesThroughTheFileChooser()
{
    CReportsView view;
    view.resize(700, 500);
    CReportPanel* panel = view.Panel(ReportGrouping::Payee);
    QTemporaryDir out;
    // Names without a suffix get the format's.
    Prompt::SetNextFileName(out.filePath(QStringLiteral("payees")));
    QVERIFY(panel->SavePng());
    Prompt::SetNextFileName(out.filePath(QStringLiteral("payees")));
    QVERIFY(panel->SaveSvg());
    Prompt::SetNextFileName(out.filePath(QStringLiteral("payees")));
    QVERIFY(panel->SaveCsv());
    Prompt::SetNextFileName(out.filePath(QStringLiteral("report")));
    QVERIFY(view.SavePdf());

    QImage png;
    QVERIFY(png.load(out.filePath(QStringLiteral("payees.png"))));
    QVERIFY(png.width() >= 1280);
    QXmlStreamReader svg(FileBytes(out.filePath(QStringLiteral("payees.svg"))));
    while (!svg.atEnd())
        svg.readNext();
    QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
    QCOMPARE(FileBytes(out.filePath(QStringLiteral("payees.csv"))), ReportCsv::Write(panel->ShownReport()));
    QVERIFY(FileBytes(out.filePath(QStringLiteral("report.pdf"))).startsWith("%PDF-"));

    // Cancelled: nothing written, nothing said. Into the data folder: refused.
    QVERIFY(!panel->SaveCsv());
    Prompt::SetNextFileName(theDueStore.Folder().Path() + QStringLiteral("/marker.csv"));
    QVERIFY(!panel->SaveCsv());
    QVERIFY(!QFile::exists(theDueStore.Folder().Path() + QStringLiteral("/marker.csv")));
    QCOMPARE(Prompt::TakeShownTexts().size(), 1);
}

void TestReportsView::printPreviewHasPages()
{
    CReportsView view;
    int pages = -1;
    CReportsView::SetPreviewHandler([&](QPrintPreviewDialog& preview) {
        preview.show();
        QCoreApplication::processEvents();
        if (auto* widget = preview.findChild<QPrintPreviewWidget*>())
            pages = widget->pageCount();
    });
    view.Print();
    CReportsView::SetPreviewHandler({});
    QVERIFY(pages >= 1);
}

void TestReportsView::placeInTheWindow()
{
    m_frame = std::make_unique<CMainFrame>();
    // One action holds Ctrl+R, and only one.
    const QKeySequence key(QStringLiteral("Ctrl+R"));
    int holders = 0;
    for (QAction* a : m_frame->findChildren<QAction*>())
        holders += a->shortcuts().contains(key);
    QCOMPARE(holders, 1);
    QCOMPARE(m_frame->Action(ID_VIEW_REPORTS)->shortcut(), key);
    // In the View menu right after Coming Up.
    QMenu* viewMenu = nullptr;
    for (QAction* m : m_frame->menuBar()->actions())
        if (m->menu() && m->menu()->objectName() == QLatin1String("ViewMenu"))
            viewMenu = m->menu();
    QVERIFY(viewMenu);
    const QList<QAction*> items = viewMenu->actions();
    QCOMPARE(items.indexOf(m_frame->Action(ID_VIEW_REPORTS)),
             items.indexOf(m_frame->Action(ID_VIEW_COMING_UP)) + 1);
    // In the navigation pane beside Coming Up.
    bool besideComingUp = false;
    for (CGuiOutLook* list : m_frame->OutlookView()->findChildren<CGuiOutLook*>()) {
        const QList<int> ids = list->CommandIds();
        const qsizetype at = ids.indexOf(ID_VIEW_COMING_UP);
        besideComingUp = besideComingUp || (at >= 0 && ids.value(at + 1) == ID_VIEW_REPORTS);
    }
    QVERIFY(besideComingUp);

    // One view at a time: Coming Up and the calendar take the place from it.
    m_frame->OnCommand(ID_VIEW_REPORTS);
    m_frame->OnCommand(ID_VIEW_COMING_UP);
    QVERIFY(!m_frame->IsReportsShown() && m_frame->IsComingUpShown());
    m_frame->OnCommand(ID_VIEW_REPORTS);
    QVERIFY(m_frame->IsReportsShown() && !m_frame->IsComingUpShown());
    QVERIFY(!m_frame->Action(ID_VIEW_COMING_UP)->isChecked());
    m_frame->OnCommand(ID_VIEW_CALENDAR);
    QVERIFY(!m_frame->IsReportsShown());
    QVERIFY(!m_frame->Action(ID_VIEW_REPORTS)->isChecked());
    // Today is a month: the month shows it, as it does from Coming Up.
    m_frame->OnCommand(ID_VIEW_REPORTS);
    m_frame->OnCommand(ID_TODAY);
    QVERIFY(!m_frame->IsReportsShown());
    QVERIFY(!m_frame->Action(ID_VIEW_REPORTS)->isChecked());
    QCOMPARE(m_frame->CurrentMonth().GetMonth(), ReportTest::Today().month());
}

QTEST_MAIN(TestReportsView)
#include "tst_reportsview.moc"
