#include "../UiTestSupport.h"

#include "../../platform/NotificationStandIn.h"
#include "../../platform/TrayHostStandIn.h"
#include "model/services/Reminders.h"
#include "model/store/DueFile.h"
#include "platform/LoginAutostart.h"
#include "ui/calendar/CCalendarView.h"
#include "ui/comingup/CComingUpView.h"
#include "ui/comingup/ComingUpModel.h"
#include "ui/frame/AfterFirstPaint.h"
#include "ui/frame/CDetailsBar.h"
#include "ui/frame/CFilterCombo.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CMainToolBar.h"
#include "ui/frame/CommandIds.h"
#include "ui/frame/DueActionIds.h"
#include "ui/list/CTallyvaneView.h"
#include "ui/list/DueListModel.h"
#include "ui/reminders/CReminderBar.h"
#include "ui/reminders/CReminderSettingsDlg.h"
#include "ui/reminders/CTrayIcon.h"
#include "ui/reminders/ReminderCenter.h"
#include "ui/skinui/CGuiStatusBar.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <memory>

namespace {

QByteArray FileBytes(const QString& recId)
{
    QFile f(theDueStore.Folder().DueFilePath(recId));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

QStringList Titles(const ComingUpModel* model)
{
    QStringList out;
    for (const DueRecord& r : model->List().rows)
        out << r.m_strTitle;
    return out;
}

} // namespace

class TestComingUpWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void overdueAndTomorrowAreShownAndAnnounced();
    void markPaidFromNotificationThenUndo();
    void openActionShowsTheMonth();
    void noServiceShowsTheBanner();
    void spaceTogglesTheChosenDues_data();
    void spaceTogglesTheChosenDues();
    void undoOfEachWindowChange_data();
    void undoOfEachWindowChange();
    void undoRefusedAfterChangeOnDisk();
    void comingUpFollowsMidnightAndSettings();
    void twoMidnightsInARow();
    void trayAndSettings();
    void trayIconComesWhenTheTrayDoes();
    void todayLeavesComingUp();
    void dueShownWhateverTheFilter_data();
    void dueShownWhateverTheFilter();
    void hiddenComingUpLeavesTheDetailsAlone();
    void oneViewAtATime();
    void aStartThatLoadsAnnouncesNothingTwice();
    void manyAtOnceGiveOneSummary();
    void remindersFollowChangesWithoutBeingAsked();
    void editedDuesAreNotAnnounced();
    void noServiceBarIsBounded();

private:
    std::unique_ptr<NotificationStandIn> m_standIn;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CMainFrame> m_frame;
    QString m_late, m_tomorrow, m_later;
};

void TestComingUpWindow::initTestCase()
{
    UiTest::IsolateSettings();
    if (!QDBusConnection::sessionBus().isConnected())
        QSKIP("no session bus: run under dbus-run-session (package dbus)");
}

void TestComingUpWindow::init()
{
    QSettings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane")).remove(QStringLiteral("Reminders"));
    QSettings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane")).remove(QStringLiteral("ComingUp"));
    QSettings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane")).remove(QStringLiteral("Tray"));
    m_standIn = std::make_unique<NotificationStandIn>();
    QVERIFY(m_standIn->Start());
    Clock::SetFixed(QDateTime(QDate(2007, 1, 31), QTime(10, 0)));
    m_dir = std::make_unique<QTemporaryDir>();
    UiTest::UseWorkDir(m_dir->path());
    m_late = UiTest::AddDue(
        UiTest::MakeDue(QStringLiteral("Gas"), QDateTime(QDate(2006, 12, 20), QTime(9, 0)), 40));
    m_tomorrow = UiTest::AddDue(
        UiTest::MakeDue(QStringLiteral("Rent"), QDateTime(QDate(2007, 2, 1), QTime(8, 0)), 950));
    m_later =
        UiTest::AddDue(UiTest::MakeDue(QStringLiteral("Tax"), QDateTime(QDate(2007, 3, 30), QTime(8, 0)), 5));
    Prompt::TakeShownTexts();
}

void TestComingUpWindow::cleanup()
{
    m_frame.reset();
    m_standIn.reset();
    m_dir.reset();
}

void TestComingUpWindow::overdueAndTomorrowAreShownAndAnnounced()
{
    m_frame = std::make_unique<CMainFrame>();
    m_frame->OnCommand(ID_VIEW_COMING_UP);
    QVERIFY(m_frame->IsComingUpShown());
    QCOMPARE(Titles(m_frame->ComingUpView()->Model()), (QStringList{"Gas", "Rent"}));
    const QString sums = m_frame->ComingUpView()->SumsText();
    QVERIFY2(sums.contains(QStringLiteral("Overdue: $40.00")) && sums.contains(QStringLiteral("$950.00")),
             qPrintable(sums));

    QTRY_COMPARE(m_standIn->calls.size(), 2);
    QCOMPARE(m_standIn->calls.at(0).summary, QStringLiteral("Overdue: Gas"));
    QCOMPARE(m_standIn->calls.at(1).summary, QStringLiteral("Due soon: Rent"));
    QVERIFY2(m_standIn->calls.at(1).body.contains(QStringLiteral("$950.00")),
             qPrintable(m_standIn->calls.at(1).body));
    QVERIFY2(m_standIn->calls.at(1).body.contains(QStringLiteral("8:00")),
             qPrintable(m_standIn->calls.at(1).body));
    QCOMPARE(m_standIn->calls.at(0).actions, (QStringList{"mark-paid", "Mark paid", "open", "Open"}));

    // Once per state: a second start and the minute checks stay quiet.
    m_frame = std::make_unique<CMainFrame>();
    QTest::qWait(100);
    QCOMPARE(m_frame->Reminders()->CheckNow(), 0);
    QCOMPARE(m_standIn->calls.size(), 2);
    // Past midnight Rent is late: announced once more.
    Clock::SetFixed(QDateTime(QDate(2007, 2, 2), QTime(0, 0, 5)));
    QCOMPARE(m_frame->Reminders()->CheckNow(), 1);
    QTRY_COMPARE(m_standIn->calls.size(), 3);
    QCOMPARE(m_standIn->calls.at(2).summary, QStringLiteral("Overdue: Rent"));
    QVERIFY(m_frame->ReminderBanner()->isHidden());
}

void TestComingUpWindow::markPaidFromNotificationThenUndo()
{
    const QByteArray before = FileBytes(m_late);
    m_frame = std::make_unique<CMainFrame>();
    m_frame->show();
    QApplication::setActiveWindow(m_frame.get());
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    m_frame->OnCommand(ID_VIEW_COMING_UP);
    QTRY_COMPARE(m_standIn->calls.size(), 2);
    m_standIn->SendAction(m_standIn->calls.at(0).id, QStringLiteral("mark-paid"));
    QTRY_VERIFY(theDueStore.GetDue(m_late).m_bPaid);
    // Done what it offered: the notification leaves the screen.
    QTRY_COMPARE(m_standIn->closed, QList<uint>{m_standIn->calls.at(0).id});
    QVERIFY(FileBytes(m_late) != before);
    // Paid and late: no longer listed; the others stay.
    QCOMPARE(Titles(m_frame->ComingUpView()->Model()), QStringList{"Rent"});
    QCOMPARE(m_frame->UndoHistory()->UndoText(), QStringLiteral("Mark Paid"));

    QTest::keyClick(m_frame.get(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!theDueStore.GetDue(m_late).m_bPaid);
    QCOMPARE(FileBytes(m_late), before);
    QCOMPARE(Titles(m_frame->ComingUpView()->Model()), (QStringList{"Gas", "Rent"}));
    QTest::keyClick(m_frame.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(theDueStore.GetDue(m_late).m_bPaid);
    QVERIFY(Prompt::TakeShownTexts().isEmpty());
}

void TestComingUpWindow::openActionShowsTheMonth()
{
    m_frame = std::make_unique<CMainFrame>();
    m_frame->OnCommand(ID_VIEW_COMING_UP);
    QTRY_COMPARE(m_standIn->calls.size(), 2);
    m_standIn->SendAction(m_standIn->calls.at(0).id, QStringLiteral("open"));
    QTRY_VERIFY(!m_frame->IsComingUpShown());
    QCOMPARE(m_frame->CurrentMonth().GetYear(), 2006);
    QCOMPARE(m_frame->CurrentMonth().GetMonth(), 12);
    QCOMPARE(m_frame->View()->SelectedDue()->m_strRecId, m_late);
    QVERIFY(!theDueStore.GetDue(m_late).m_bPaid);
}

void TestComingUpWindow::noServiceShowsTheBanner()
{
    m_standIn->Stop();
    m_frame = std::make_unique<CMainFrame>();
    QTRY_VERIFY(!m_frame->ReminderBanner()->isHidden());
    // The two failures may come back in separate turns of the event loop: both end up in the bar.
    QTRY_VERIFY2(m_frame->ReminderBanner()->text().contains(QStringLiteral("Overdue: Gas")) &&
                     m_frame->ReminderBanner()->text().contains(QStringLiteral("Due soon: Rent")),
                 qPrintable(m_frame->ReminderBanner()->text()));
    QVERIFY(Prompt::TakeShownTexts().isEmpty()); // nothing modal
}

void TestComingUpWindow::spaceTogglesTheChosenDues_data()
{
    QTest::addColumn<bool>("comingUp");
    QTest::addColumn<QStringList>("chosen"); // "late", "tomorrow", "soon", "later"
    QTest::addColumn<QStringList>("paidFirst");
    QTest::addColumn<QStringList>("paidAfter");
    QTest::newRow("month list, one") << false << QStringList{"tomorrow"} << QStringList{}
                                     << QStringList{"tomorrow"};
    QTest::newRow("coming up, two") << true << QStringList{"late", "tomorrow"} << QStringList{}
                                    << QStringList{"late", "tomorrow"};
    // A paid late due leaves Coming Up: only the other one is chosen.
    QTest::newRow("coming up, paid late one not listed")
        << true << QStringList{"late", "tomorrow"} << QStringList{"late"} << QStringList{"late", "tomorrow"};
    QTest::newRow("coming up, all paid: unpaid")
        << true << QStringList{"tomorrow"} << QStringList{"tomorrow"} << QStringList{};
    // Both chosen and listed, one paid: all paid, whichever comes first.
    QTest::newRow("coming up, mixed, the paid one first")
        << true << QStringList{"tomorrow", "soon"} << QStringList{"tomorrow"}
        << QStringList{"tomorrow", "soon"};
    QTest::newRow("coming up, mixed, the unpaid one first")
        << true << QStringList{"tomorrow", "soon"} << QStringList{"soon"} << QStringList{"tomorrow", "soon"};
}

void TestComingUpWindow::spaceTogglesTheChosenDues()
{
    QFETCH(bool, comingUp);
    QFETCH(QStringList, chosen);
    QFETCH(QStringList, paidFirst);
    QFETCH(QStringList, paidAfter);
    const QString soon = UiTest::AddDue(
        UiTest::MakeDue(QStringLiteral("Phone"), QDateTime(QDate(2007, 2, 5), QTime(8, 0)), 30));
    const QHash<QString, QString> ids{
        {"late", m_late}, {"tomorrow", m_tomorrow}, {"soon", soon}, {"later", m_later}};
    for (const QString& name : paidFirst) {
        DueRecord r = theDueStore.GetDue(ids.value(name));
        r.m_bPaid = 1;
        QVERIFY(theDueStore.ReplaceDue(r));
    }
    const QByteArray laterBytes = FileBytes(m_later);
    m_frame = std::make_unique<CMainFrame>();
    m_frame->show();
    QWidget* target;
    if (comingUp) {
        m_frame->ShowComingUp(true);
        QStringList pick;
        for (const QString& name : chosen)
            pick << ids.value(name);
        m_frame->ComingUpView()->SelectIds(pick);
        target = m_frame->ComingUpView()->List();
    } else {
        m_frame->StepMonth(+1); // February
        m_frame->View()->SelectRow(m_frame->View()->Model()->RowOf(m_tomorrow));
        target = m_frame->View();
    }
    QApplication::setActiveWindow(m_frame.get());
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Space);
    for (const QString& name : ids.keys())
        QCOMPARE(bool(theDueStore.GetDue(ids.value(name)).m_bPaid), paidAfter.contains(name));
    QCOMPARE(FileBytes(m_later), laterBytes); // not chosen, not written
    // The selection stays on the chosen dues still listed (a paid late one leaves).
    if (comingUp) {
        QStringList still;
        for (const QString& name : chosen)
            if (m_frame->ComingUpView()->Model()->RowOf(ids.value(name)) >= 0)
                still << ids.value(name);
        QCOMPARE(m_frame->ComingUpView()->SelectedIds(), still);
        QVERIFY(!still.isEmpty());
    }
}

void TestComingUpWindow::undoOfEachWindowChange_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("delete one") << "delete";
    QTest::newRow("mark unpaid from menu") << "unpaid";
}

void TestComingUpWindow::undoOfEachWindowChange()
{
    QFETCH(QString, kind);
    DueRecord r = theDueStore.GetDue(m_tomorrow);
    r.m_bPaid = 1;
    QVERIFY(theDueStore.ReplaceDue(r));
    const QByteArray before = FileBytes(m_tomorrow);
    m_frame = std::make_unique<CMainFrame>();
    m_frame->ShowComingUp(true);
    m_frame->ComingUpView()->SelectIds({m_tomorrow});
    if (kind == QLatin1String("delete")) {
        Prompt::SetNextAnswer(QMessageBox::Yes);
        m_frame->OnCommand(ID_DUE_DELETE);
        QVERIFY(!theDueStore.Contains(m_tomorrow));
        QCOMPARE(m_frame->UndoHistory()->UndoText(), QStringLiteral("Delete"));
    } else {
        m_frame->OnCommand(ID_MARK_UNPAID);
        QVERIFY(!theDueStore.GetDue(m_tomorrow).m_bPaid);
    }
    QVERIFY(FileBytes(m_tomorrow) != before);
    m_frame->Action(ID_EDIT_UNDO)->trigger();
    QCOMPARE(FileBytes(m_tomorrow), before);
    QVERIFY(theDueStore.GetDue(m_tomorrow).m_bPaid);
    QVERIFY(Titles(m_frame->ComingUpView()->Model()).contains(QStringLiteral("Rent")));
    QVERIFY(!m_frame->Action(ID_EDIT_UNDO)->isEnabled());
    QVERIFY(m_frame->Action(ID_EDIT_REDO)->isEnabled());
}

void TestComingUpWindow::undoRefusedAfterChangeOnDisk()
{
    m_frame = std::make_unique<CMainFrame>();
    m_frame->ShowComingUp(true);
    m_frame->ComingUpView()->SelectIds({m_late});
    m_frame->OnCommand(ID_MARK_PAID);
    QVERIFY(theDueStore.GetDue(m_late).m_bPaid);
    // Another program rewrites the file meanwhile.
    const QString path = theDueStore.Folder().DueFilePath(m_late);
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::Append));
        f.write("x");
    }
    const QByteArray tampered = FileBytes(m_late);
    Prompt::TakeShownTexts();
    m_frame->UndoLast();
    const QStringList shown = Prompt::TakeShownTexts();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().contains(QDir::toNativeSeparators(path)) &&
                 shown.first().contains(QStringLiteral("changed on disk")),
             qPrintable(shown.first()));
    QCOMPARE(FileBytes(m_late), tampered);
    QVERIFY(!m_frame->Action(ID_EDIT_UNDO)->isEnabled());
}

void TestComingUpWindow::comingUpFollowsMidnightAndSettings()
{
    m_frame = std::make_unique<CMainFrame>();
    m_frame->ShowComingUp(true);
    CComingUpView* view = m_frame->ComingUpView();
    QCOMPARE(Titles(view->Model()), (QStringList{"Gas", "Rent"}));
    // 58 days on, Tax (30 March) comes into the 14 days; Rent is late by then.
    Clock::SetFixed(QDateTime(QDate(2007, 3, 20), QTime(0, 0, 1)));
    view->Refresh();
    QCOMPARE(Titles(view->Model()), (QStringList{"Gas", "Rent", "Tax"}));
    Clock::SetFixed(QDateTime(QDate(2007, 1, 31), QTime(23, 59, 59)));
    ReminderSettings::SetComingUpDays(0);
    view->Refresh();
    QCOMPARE(Titles(view->Model()), QStringList{"Gas"});
    Clock::Advance(2); // past midnight: Rent is today
    view->Refresh();
    QCOMPARE(Titles(view->Model()), (QStringList{"Gas", "Rent"}));
    // A change from the month list reaches Coming Up at once.
    ReminderSettings::SetComingUpDays(14);
    m_frame->ShowComingUp(false);
    m_frame->MarkDues({m_late}, true);
    QCOMPARE(Titles(view->Model()), QStringList{"Rent"});
    // Double click opens the editor; the month command jumps there.
    m_frame->ShowComingUp(true);
    view->SelectIds({m_tomorrow});
    m_frame->OnCommand(ID_GOTO_DUE_MONTH);
    QVERIFY(!m_frame->IsComingUpShown());
    QCOMPARE(m_frame->CurrentMonth().GetMonth(), 2);
    QCOMPARE(m_frame->View()->SelectedDue()->m_strRecId, m_tomorrow);
}

// The pinned clock stands just before each midnight in turn, as if the day
// had passed between the two: each midnight lists its new day, on time.
void TestComingUpWindow::twoMidnightsInARow()
{
    const QString water = UiTest::AddDue(
        UiTest::MakeDue(QStringLiteral("Water"), QDateTime(QDate(2007, 2, 2), QTime(7, 0)), 12));
    QVERIFY(!water.isEmpty());
    ReminderSettings::SetComingUpDays(0); // late dues and today's
    Clock::SetFixed(QDateTime(QDate(2007, 1, 31), QTime(23, 59, 59)));
    CComingUpView view;
    view.Refresh();
    QCOMPARE(Titles(view.Model()), QStringList{"Gas"});
    // The first midnight finds the clock late in 1 February already.
    Clock::SetFixed(QDateTime(QDate(2007, 2, 1), QTime(23, 59, 59)));
    QTRY_COMPARE_WITH_TIMEOUT(Titles(view.Model()), (QStringList{"Gas", "Rent"}), 5000);
    Clock::SetFixed(QDateTime(QDate(2007, 2, 2), QTime(0, 0, 2)));
    QTRY_COMPARE_WITH_TIMEOUT(Titles(view.Model()), (QStringList{"Gas", "Rent", "Water"}), 5000);
    QVERIFY(view.SumsText().contains(QStringLiteral("Overdue: $990.00")));
}

void TestComingUpWindow::trayAndSettings()
{
    LoginAutostart::SetLauncher(QStringLiteral("/opt/tv/bin/tallyvane"));
    const auto restore = qScopeGuard([] {
        LoginAutostart::SetLauncher(QString());
        QString ignored;
        (void)LoginAutostart::Disable(&ignored);
    });
    m_frame = std::make_unique<CMainFrame>();
    m_frame->Tray()->Update();
    QCOMPARE(m_frame->Tray()->ToolTip(), QStringLiteral("Tallyvane: 1 overdue, 1 due within 3 day(s)"));
    QCOMPARE(m_frame->Tray()->Menu()->actions().size(), 4); // Open, Coming Up, separator, Quit
    m_frame->Tray()->Menu()->actions().at(1)->trigger();
    QVERIFY(m_frame->IsComingUpShown());

    UiTest::WhenModal<CReminderSettingsDlg>([](CReminderSettingsDlg* dlg) {
        dlg->LeadDays()->setValue(0);
        dlg->ComingUpDays()->setValue(60);
        dlg->KeepInTray()->setChecked(true);
        dlg->StartAtLogin()->setChecked(true);
        dlg->accept();
    });
    m_frame->OnCommand(ID_REMINDER_SETTINGS);
    QCOMPARE(ReminderSettings::LeadDays(), 0);
    QCOMPARE(ReminderSettings::ComingUpDays(), 60);
    QVERIFY(ReminderSettings::KeepInTray());
    QVERIFY(ReminderSettings::StartAtLogin());
    QFile entry(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                QStringLiteral("/autostart/tallyvane.desktop"));
    QVERIFY(entry.open(QIODevice::ReadOnly));
    // The launcher, into the tray, on the folder in use.
    const QString exec = QStringLiteral("Exec=/opt/tv/bin/tallyvane --tray --workdir ") + m_dir->path();
    QVERIFY2(QString::fromUtf8(entry.readAll()).split(QLatin1Char('\n')).contains(exec), qPrintable(exec));
    QCOMPARE(Titles(m_frame->ComingUpView()->Model()), (QStringList{"Gas", "Rent", "Tax"}));
    // Without a tray (offscreen) closing still ends the window.
    QVERIFY(!m_frame->Tray()->Available());
    m_frame->show();
    QVERIFY(m_frame->close());
    // Lead time 0: no reminders at all.
    QCOMPARE(m_frame->Reminders()->CheckNow(), 0);
}

// The panel comes up after the program, first its watcher, then its host:
// the icon shows then, and from then on the window closes into it.
void TestComingUpWindow::trayIconComesWhenTheTrayDoes()
{
    // Offscreen Qt has no tray of its own: the host on the bus stands for it.
    const CTrayIcon::TrayCheck previous = CTrayIcon::SetTrayCheck([](bool host, bool) { return host; });
    ReminderSettings::SetKeepInTray(true);
    const auto restore = qScopeGuard([&] { CTrayIcon::SetTrayCheck(previous); });
    TrayHostStandIn tray;
    m_frame = std::make_unique<CMainFrame>();
    QSignalSpy shown(m_frame->Tray(), &CTrayIcon::shown);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    QTest::qWait(AfterFirstPaint::kLatestMs + 100); // the frame installs the icon by then
    QVERIFY(!m_frame->Tray()->Available());
    QVERIFY(tray.Start(false));
    QTest::qWait(200);
    QVERIFY(!m_frame->Tray()->Available());
    tray.RegisterHost();
    QTRY_VERIFY(m_frame->Tray()->Available());
    QCOMPARE(shown.size(), 1);
    QVERIFY(!m_frame->close());
    QVERIFY(m_frame->isHidden());
}

// Today's month is a month: Ctrl+T leaves Coming Up for the month list.
void TestComingUpWindow::todayLeavesComingUp()
{
    m_frame = std::make_unique<CMainFrame>();
    m_frame->show();
    m_frame->StepMonth(+2);
    m_frame->ShowComingUp(true);
    m_frame->Action(ID_TODAY)->trigger();
    QVERIFY(!m_frame->IsComingUpShown());
    QVERIFY(m_frame->View()->isVisible());
    QCOMPARE(m_frame->CurrentMonth().GetMonth(), 1);
    QCOMPARE(m_frame->CurrentMonth().GetYear(), 2007);
}

// Coming Up lists whatever the month's filter and search: going from there
// to a due's month shows the due even where they would hide it, and says so.
void TestComingUpWindow::dueShownWhateverTheFilter_data()
{
    QTest::addColumn<int>("filter"); // the box's index: 0 All, 1 Paid, 2 Unpaid
    QTest::addColumn<QString>("search");
    QTest::addColumn<bool>("paid");
    QTest::addColumn<QString>("how"); // "key": Ctrl+G in Coming Up; "notification": its Open
    QTest::addColumn<int>("filterAfter");
    QTest::addColumn<QString>("searchAfter");
    QTest::addColumn<QString>("said"); // the start of the status bar's message
    QTest::newRow("Paid hides an unpaid due") << 1 << "" << false << "key" << 0 << ""
                                              << "Filter set to All,";
    QTest::newRow("Unpaid hides a paid due") << 2 << "" << true << "key" << 0 << ""
                                             << "Filter set to All,";
    QTest::newRow("Unpaid shows an unpaid due") << 2 << "" << false << "key" << 2 << ""
                                                << "";
    QTest::newRow("Paid shows a paid due") << 1 << "" << true << "key" << 1 << ""
                                           << "";
    QTest::newRow("a notification's Open, Paid") << 1 << "" << false << "notification" << 0 << ""
                                                 << "Filter set to All,";
    QTest::newRow("the search hides it") << 0 << "water" << false << "key" << 0 << ""
                                         << "Search cleared,";
    QTest::newRow("the search lets it through") << 0 << "ren" << false << "key" << 0 << "ren"
                                                << "";
    // Only what hides the due changes: a filter that lets it through stays.
    QTest::newRow("Unpaid passes, the search hides") << 2 << "water" << false << "key" << 2 << ""
                                                     << "Search cleared,";
    QTest::newRow("both hide it") << 1 << "water" << false << "key" << 0 << ""
                                  << "Filter set to All and search cleared,";
}

void TestComingUpWindow::dueShownWhateverTheFilter()
{
    QFETCH(int, filter);
    QFETCH(QString, search);
    QFETCH(bool, paid);
    QFETCH(QString, how);
    QFETCH(QString, said);
    const QString id = how == QLatin1String("key") ? m_tomorrow : m_late;
    DueRecord r = theDueStore.GetDue(id);
    r.m_bPaid = paid ? 1 : 0;
    QVERIFY(theDueStore.ReplaceDue(r));
    m_frame = std::make_unique<CMainFrame>();
    m_frame->show();
    m_frame->ToolBar()->FilterBox()->setCurrentIndex(filter);
    m_frame->ToolBar()->SearchField()->setText(search);
    if (how == QLatin1String("key")) {
        m_frame->ShowComingUp(true);
        m_frame->ComingUpView()->SelectIds({id});
        m_frame->Action(ID_GOTO_DUE_MONTH)->trigger(); // Ctrl+G
    } else {
        QTRY_VERIFY(!m_standIn->calls.isEmpty());
        QCOMPARE(m_standIn->calls.at(0).summary, QStringLiteral("Overdue: Gas"));
        m_standIn->SendAction(m_standIn->calls.at(0).id, QStringLiteral("open"));
        QTRY_VERIFY(!m_frame->IsComingUpShown() && m_frame->View()->SelectedDue());
    }
    QVERIFY(!m_frame->IsComingUpShown());
    QVERIFY(m_frame->View()->SelectedDue());
    QCOMPARE(m_frame->View()->SelectedDue()->m_strRecId, id);
    QTEST(m_frame->ToolBar()->FilterBox()->currentIndex(), "filterAfter");
    QTEST(m_frame->ToolBar()->SearchField()->text(), "searchAfter");
    const QString message = m_frame->StatusBar()->currentMessage();
    if (said.isEmpty())
        QVERIFY2(message.isEmpty(), qPrintable(message));
    else
        QVERIFY2(message.startsWith(said) && message.contains(theDueStore.GetDue(id).m_strTitle),
                 qPrintable(message));
}

void TestComingUpWindow::hiddenComingUpLeavesTheDetailsAlone()
{
    m_frame = std::make_unique<CMainFrame>();
    m_frame->StepMonth(+1);
    m_frame->View()->SelectRow(m_frame->View()->Model()->RowOf(m_tomorrow));
    QCOMPARE(m_frame->DetailsBar()->Value(0), QStringLiteral("Rent"));
    // Coming Up lists again behind the month list (at midnight): the bars stay.
    m_frame->ComingUpView()->Refresh();
    QCOMPARE(m_frame->DetailsBar()->Value(0), QStringLiteral("Rent"));
    QVERIFY(!m_frame->IsComingUpShown());
}

void TestComingUpWindow::oneViewAtATime()
{
    m_frame = std::make_unique<CMainFrame>();
    m_frame->show();
    auto* calendar = m_frame->findChild<CCalendarView*>();
    QVERIFY(calendar);
    auto shown = [&] {
        QStringList views;
        if (m_frame->View()->isVisible())
            views << QStringLiteral("list");
        if (calendar->isVisible())
            views << QStringLiteral("calendar");
        if (m_frame->IsComingUpShown())
            views << QStringLiteral("coming up");
        return views.join(QLatin1Char('+'));
    };
    QCOMPARE(shown(), QStringLiteral("list"));
    m_frame->OnCommand(ID_VIEW_CALENDAR);
    QCOMPARE(shown(), QStringLiteral("calendar"));
    m_frame->OnCommand(ID_VIEW_COMING_UP);
    QCOMPARE(shown(), QStringLiteral("coming up"));
    // Leaving Coming Up goes back to the month as it was shown.
    m_frame->OnCommand(ID_VIEW_COMING_UP);
    QCOMPARE(shown(), QStringLiteral("calendar"));
    m_frame->OnCommand(ID_VIEW_CALENDAR);
    QCOMPARE(shown(), QStringLiteral("list"));
    // Calendar from Coming Up shows the calendar.
    m_frame->OnCommand(ID_VIEW_COMING_UP);
    m_frame->OnCommand(ID_VIEW_CALENDAR);
    QCOMPARE(shown(), QStringLiteral("calendar"));
}

void TestComingUpWindow::aStartThatLoadsAnnouncesNothingTwice()
{
    m_frame = std::make_unique<CMainFrame>();
    QTRY_COMPARE(m_standIn->calls.size(), 2);
    // A new start reads the folder behind the window: while it does, the
    // store is empty, which must not pass for every due being gone.
    m_frame = std::make_unique<CMainFrame>();
    m_frame->show();
    m_frame->LoadInBackground();
    QTRY_COMPARE(theDueStore.GetCount(), 3);
    QTest::qWait(200);
    QCOMPARE(m_frame->Reminders()->CheckNow(), 0);
    QCOMPARE(m_standIn->calls.size(), 2);
}

namespace {
QStringList AddLateDues(int count)
{
    QStringList ids;
    for (int i = 0; i < count; ++i)
        ids << UiTest::AddDue(UiTest::MakeDue(QStringLiteral("Late %1").arg(i + 1),
                                              QDateTime(QDate(2006, 11, 1).addDays(i), QTime(9, 0)), 10));
    return ids;
}
} // namespace

void TestComingUpWindow::manyAtOnceGiveOneSummary()
{
    AddLateDues(5);
    m_frame = std::make_unique<CMainFrame>();
    QTRY_COMPARE(m_standIn->calls.size(), 1);
    QTest::qWait(100);
    QCOMPARE(m_standIn->calls.size(), 1);
    const NotificationStandIn::Call call = m_standIn->calls.first();
    QCOMPARE(call.summary, QStringLiteral("6 dues are overdue, 1 falls due within 3 days"));
    // The oldest first, by name; the rest counted.
    QCOMPARE(call.body, QStringLiteral("Late 1, Late 2, Late 3 and 4 more"));
    QCOMPARE(call.actions, (QStringList{"coming-up", "Open Coming Up", "dismiss", "Dismiss"}));
    QCOMPARE(m_frame->Reminders()->OverdueCount(), 6);
    QCOMPARE(m_frame->Reminders()->SoonCount(), 1);
    m_standIn->SendAction(call.id, QStringLiteral("coming-up"));
    QTRY_VERIFY(m_frame->IsComingUpShown());
    QTRY_COMPARE(m_standIn->closed, QList<uint>{call.id});
    QCOMPARE(Titles(m_frame->ComingUpView()->Model()).size(), 7);

    // Three or fewer stay one notification each.
    QCOMPARE(ReminderCenter::CountsText(1, 0, 3), QStringLiteral("1 due is overdue"));
    QCOMPARE(ReminderCenter::CountsText(0, 4, 1), QStringLiteral("4 dues fall due within 1 day"));
}

// No one calls CheckNow here: the first look, and the look after each
// change, come by themselves.
void TestComingUpWindow::remindersFollowChangesWithoutBeingAsked()
{
    m_frame = std::make_unique<CMainFrame>();
    m_frame->show();
    QApplication::setActiveWindow(m_frame.get());
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    QTRY_COMPARE(m_standIn->calls.size(), 2);
    // Paid and unpaid again within the minute: a fresh reminder.
    m_standIn->SendAction(m_standIn->calls.at(0).id, QStringLiteral("mark-paid"));
    QTRY_VERIFY(theDueStore.GetDue(m_late).m_bPaid);
    QTest::keyClick(m_frame.get(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!theDueStore.GetDue(m_late).m_bPaid);
    QTRY_COMPARE(m_standIn->calls.size(), 3);
    QCOMPARE(m_standIn->calls.at(2).summary, QStringLiteral("Overdue: Gas"));
    // A due another program adds to the folder is announced when it is read.
    DueRecord outside =
        UiTest::MakeDue(QStringLiteral("Water"), QDateTime(QDate(2007, 1, 2), QTime(9, 0)), 7);
    outside.m_strRecId = QStringLiteral("1999123100000001");
    QFile file(theDueStore.Folder().DueFilePath(outside.m_strRecId));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(DueFile::Serialize(outside));
    file.close();
    QTRY_COMPARE_WITH_TIMEOUT(m_standIn->calls.size(), 4, 10000);
    QCOMPARE(m_standIn->calls.at(3).summary, QStringLiteral("Overdue: Water"));
}

void TestComingUpWindow::editedDuesAreNotAnnounced()
{
    m_frame = std::make_unique<CMainFrame>();
    QTRY_COMPARE(m_standIn->calls.size(), 2);
    DueRecord r = theDueStore.GetDue(m_later);
    // The Modify sheet is open on Tax while the minute's look runs, and Tax
    // is (for now) due tomorrow: nothing is said of it until it is saved.
    m_frame->Reminders()->SetEditing({m_later});
    r.m_dtDue = COleDateTime::FromQDateTime(QDateTime(QDate(2007, 2, 1), QTime(9, 0)));
    QVERIFY(theDueStore.ReplaceDue(r));
    QCOMPARE(m_frame->Reminders()->CheckNow(), 0);
    m_frame->Reminders()->SetEditing({});
    QTRY_COMPARE(m_standIn->calls.size(), 3);
    QCOMPARE(m_standIn->calls.at(2).summary, QStringLiteral("Due soon: Tax"));
}

void TestComingUpWindow::noServiceBarIsBounded()
{
    m_standIn->Stop();
    AddLateDues(40);
    m_frame = std::make_unique<CMainFrame>();
    m_frame->resize(1000, 700);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    const QSize before = m_frame->size();
    QTRY_VERIFY(!m_frame->ReminderBanner()->isHidden());
    const QString text = m_frame->ReminderBanner()->text();
    QVERIFY2(text.contains(QStringLiteral("Overdue: Late 1")) && text.contains(QStringLiteral("and 37 more")),
             qPrintable(text));
    QVERIFY2(!text.contains(QStringLiteral("Late 6")), qPrintable(text));
    QApplication::processEvents();
    QCOMPARE(m_frame->size(), before);
    QVERIFY(m_frame->ReminderBanner()->height() <= m_frame->ReminderBanner()->maximumHeight());
    QVERIFY(m_frame->ReminderBanner()->height() < m_frame->height() / 3);
    QVERIFY(m_frame->View()->height() > m_frame->ReminderBanner()->height());
    // Its link opens Coming Up, which lists them all, and closes the bar.
    emit m_frame->ReminderBanner()->Label()->linkActivated(QStringLiteral("coming-up"));
    QVERIFY(m_frame->IsComingUpShown());
    QVERIFY(m_frame->ReminderBanner()->isHidden());
    QCOMPARE(Titles(m_frame->ComingUpView()->Model()).size(), 42);
}

QTEST_MAIN(TestComingUpWindow)
#include "tst_comingupwindow.moc"
