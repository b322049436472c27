#include "../UiTestSupport.h"

#include "model/base/Clock.h"
#include "model/store/CDueStore.h"
#include "ui/calendar/CCalendarView.h"
#include "ui/calendar/CalendarAccessible.h"
#include "ui/dialogs/CCsvImportDlg.h"
#include "ui/dialogs/Prompt.h"
#include "ui/frame/CDetailsBar.h"
#include "ui/frame/CFilterCombo.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CMainToolBar.h"
#include "ui/frame/CMonthPicker.h"
#include "ui/frame/CommandIds.h"
#include "ui/list/CTallyvaneView.h"
#include "ui/list/DueListModel.h"

#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <memory>

namespace {
QDateTime On(int day, int hour = 0)
{
    return QDateTime(QDate(2007, 1, day), QTime(hour, 0));
}

QStringList Rows(QTableWidget* table, int column)
{
    QStringList out;
    for (int r = 0; r < table->rowCount(); ++r)
        out << table->item(r, column)->text();
    return out;
}
} // namespace

class TestCalendarView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { UiTest::IsolateSettings(); }

    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Clock::SetFixed(QDateTime(QDate(2007, 1, 17), QTime(10, 0)));
        m_dir = std::make_unique<QTemporaryDir>();
        UiTest::UseWorkDir(m_dir->path());
        Prompt::TakeShownTexts();
    }

    void cleanup()
    {
        m_frame.reset();
        theDueStore.RemoveAll();
    }

    void grid_data()
    {
        QTest::addColumn<QDate>("month");
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<QDate>("firstShown");
        QTest::addColumn<int>("weeks");
        // February 2015 starts on a Sunday and has 28 days.
        QTest::newRow("four weeks, Sunday first")
            << QDate(2015, 2, 1) << int(Qt::Sunday) << QDate(2015, 2, 1) << 4;
        QTest::newRow("same month, Monday first")
            << QDate(2015, 2, 1) << int(Qt::Monday) << QDate(2015, 1, 26) << 5;
        // July 2023 starts on a Saturday and has 31 days; April 2023 too, with 30.
        QTest::newRow("six weeks, Monday first")
            << QDate(2023, 7, 1) << int(Qt::Monday) << QDate(2023, 6, 26) << 6;
        QTest::newRow("Saturday first, month starts Saturday")
            << QDate(2023, 4, 1) << int(Qt::Saturday) << QDate(2023, 4, 1) << 5;
        QTest::newRow("over the year end")
            << QDate(2008, 1, 1) << int(Qt::Monday) << QDate(2007, 12, 31) << 5;
    }

    void grid()
    {
        QFETCH(QDate, month);
        QFETCH(int, firstDay);
        QFETCH(QDate, firstShown);
        QFETCH(int, weeks);
        const CalendarMonth grid(month.year(), month.month(), Qt::DayOfWeek(firstDay));
        QCOMPARE(grid.FirstShown(), firstShown);
        QCOMPARE(grid.Weeks(), weeks);
        QCOMPARE(grid.FirstShown().dayOfWeek(), firstDay);
        QCOMPARE(grid.CellOf(month), int(firstShown.daysTo(month)));
        QVERIFY(grid.CellOf(grid.MonthEnd()) < weeks * 7);
        QVERIFY(grid.CellOf(grid.MonthEnd()) >= weeks * 7 - 7); // no empty last week
        QCOMPARE(grid.CellOf(firstShown.addDays(-1)), -1);
    }

    void steps_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("days");
        QTest::addColumn<QDate>("to");
        QTest::newRow("a day on") << QDate(2007, 1, 17) << 1 << QDate(2007, 1, 18);
        QTest::newRow("a week back") << QDate(2007, 1, 17) << -7 << QDate(2007, 1, 10);
        QTest::newRow("held at the month end") << QDate(2007, 1, 28) << 7 << QDate(2007, 1, 31);
        QTest::newRow("held at the month start") << QDate(2007, 1, 3) << -7 << QDate(2007, 1, 1);
        QTest::newRow("from outside the month") << QDate(2006, 12, 31) << 1 << QDate(2007, 1, 2);
    }

    void steps()
    {
        QFETCH(QDate, from);
        QFETCH(int, days);
        QFETCH(QDate, to);
        QCOMPARE(CalendarMonth(2007, 1, Qt::Monday).Step(from, days), to);
    }

    void shownDues_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("perDue");
        QTest::addColumn<int>("shown");
        QTest::newRow("none") << 0 << 3 << 1 << 0;
        QTest::newRow("fits exactly") << 3 << 3 << 1 << 3;
        QTest::newRow("one too many: the last line says +2 more") << 4 << 3 << 1 << 2;
        QTest::newRow("one line, two dues: only +2 more") << 2 << 1 << 1 << 0;
        QTest::newRow("no room") << 5 << 0 << 1 << 0;
        QTest::newRow("two lines each, fits exactly") << 2 << 4 << 2 << 2;
        QTest::newRow("two lines each, one too many") << 3 << 4 << 2 << 1;
        QTest::newRow("two lines each, odd lines") << 3 << 5 << 2 << 2;
        QTest::newRow("two lines each, no room for one and +N") << 2 << 2 << 2 << 0;
    }

    void shownDues()
    {
        QFETCH(int, count);
        QFETCH(int, lines);
        QFETCH(int, perDue);
        QFETCH(int, shown);
        QCOMPARE(CalendarMonth::ShownDues(count, lines, perDue), shown);
    }

    void linesPerDue_data()
    {
        QTest::addColumn<int>("lineWidth");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("perDue");
        // Amounts 50 pixels wide, titles keeping 40.
        QTest::newRow("wide: beside") << 120 << 4 << 1;
        QTest::newRow("just wide enough: beside") << 90 << 4 << 1;
        QTest::newRow("narrow: under") << 89 << 4 << 2;
        QTest::newRow("narrow and three lines: under") << 60 << 3 << 2;
        QTest::newRow("narrow and two lines: the title alone") << 60 << 2 << 1;
    }

    void linesPerDue()
    {
        QFETCH(int, lineWidth);
        QFETCH(int, lines);
        QFETCH(int, perDue);
        QCOMPARE(CalendarMonth::LinesPerDue(lineWidth, 50, 40, lines), perDue);
    }

    void nextDue_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("next");
        QTest::newRow("on") << 5 << 1 << 1 << 2;
        QTest::newRow("back") << 5 << 1 << -1 << 0;
        QTest::newRow("round past the last") << 5 << 4 << 1 << 0;
        QTest::newRow("round before the first") << 5 << 0 << -1 << 4;
        QTest::newRow("from none forward: the first") << 5 << -1 << 1 << 0;
        QTest::newRow("from none back: the last") << 5 << -1 << -1 << 4;
        QTest::newRow("from a stale index") << 2 << 7 << 1 << 0;
        QTest::newRow("no dues") << 0 << -1 << 1 << -1;
    }

    void nextDue()
    {
        QFETCH(int, count);
        QFETCH(int, index);
        QFETCH(int, step);
        QFETCH(int, next);
        QCOMPARE(CalendarMonth::NextDue(count, index, step), next);
    }

    void viewSelectsMovesAndStartsNew()
    {
        QList<DueRecord> dues{UiTest::MakeDue("Rent", On(3), 500),
                              UiTest::MakeDue("Gas", On(3, 9), 20, true)};
        for (int i = 0; i < 8; ++i)
            dues << UiTest::MakeDue(QStringLiteral("Busy %1").arg(i), On(17, 8 + i), i);
        for (int i = 0; i < dues.size(); ++i)
            dues[i].m_strRecId = QStringLiteral("id%1").arg(i);

        CCalendarView view;
        view.resize(700, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.SetMonth(COleDateTime::FromQDateTime(On(1)), dues);
        QCOMPARE(view.Grid().FirstShown(), QDate(2006, 12, 31)); // en_US weeks start on Sunday
        QCOMPARE(view.CurrentDay(), QDate(2007, 1, 17));         // today

        QSignalSpy selected(&view, &CCalendarView::dueSelected);
        QSignalSpy cleared(&view, &CCalendarView::selectionCleared);
        QSignalSpy modify(&view, &CCalendarView::modifyRequested);
        QSignalSpy newDue(&view, &CCalendarView::newDueRequested);

        const QRect gas = view.DueRect(QDate(2007, 1, 3), 1);
        QVERIFY(!gas.isEmpty());
        QTest::mouseClick(&view, Qt::LeftButton, {}, gas.center());
        QCOMPARE(view.SelectedId(), QStringLiteral("id1"));
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.at(0).at(0).value<DueRecord>().m_strTitle, QStringLiteral("Gas"));

        // Arrow keys: a day on has nothing, a week back from the 10th is the 3rd again.
        QTest::keyClick(&view, Qt::Key_Right);
        QCOMPARE(view.CurrentDay(), QDate(2007, 1, 4));
        QCOMPARE(view.SelectedId(), QString());
        QCOMPARE(cleared.size(), 1);
        QTest::keyClick(&view, Qt::Key_Down);
        QTest::keyClick(&view, Qt::Key_Left);
        QTest::keyClick(&view, Qt::Key_Up);
        QCOMPARE(view.CurrentDay(), QDate(2007, 1, 3));
        QCOMPARE(view.SelectedId(), QStringLiteral("id0")); // the day's first due
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(modify.size(), 1);
        QCOMPARE(modify.at(0).at(0).toString(), QStringLiteral("id0"));

        // The full day shows "+N more"; clicking it selects the hidden ones in turn.
        const QDate busy(2007, 1, 17);
        const QRect more = view.MoreRect(busy);
        QVERIFY(!more.isEmpty());
        const int shown = CalendarMonth::ShownDues(8, view.LinesPerDay());
        QVERIFY(shown < 8);
        QVERIFY(view.DueRect(busy, shown).isEmpty());
        QTest::mouseClick(&view, Qt::LeftButton, {}, more.center());
        QCOMPARE(view.SelectedId(), QStringLiteral("id%1").arg(2 + shown));
        QTest::mouseClick(&view, Qt::LeftButton, {}, more.center());
        QCOMPARE(view.SelectedId(), QStringLiteral("id%1").arg(2 + (shown + 1 < 8 ? shown + 1 : shown)));

        // Double-click: on a due modifies it, on an empty day starts a new one there.
        QTest::mouseDClick(&view, Qt::LeftButton, {}, view.DueRect(QDate(2007, 1, 3), 0).center());
        QCOMPARE(modify.last().at(0).toString(), QStringLiteral("id0"));
        QTest::mouseDClick(&view, Qt::LeftButton, {}, view.DayRect(QDate(2007, 1, 25)).center());
        QCOMPARE(newDue.size(), 1);
        QCOMPARE(newDue.at(0).at(0).toDate(), QDate(2007, 1, 25));
        // Days of the neighbouring months are not this month's.
        QTest::mouseDClick(&view, Qt::LeftButton, {}, view.DayRect(QDate(2006, 12, 31)).center());
        QCOMPARE(newDue.size(), 1);

        // Refilled without the selected due: the selection goes.
        view.SetMonth(COleDateTime::FromQDateTime(On(1)), dues.mid(0, 2));
        QVERIFY(view.SelectedId().isEmpty() || view.SelectedId() == QStringLiteral("id0"));
    }

    // Right to left the week runs from the right, the arrow keys go the way
    // they point, and in each line the title starts on the right with the
    // amount to its left, never over it.
    void mirroredRightToLeft_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("width");
        QTest::newRow("left to right, wide") << int(Qt::LeftToRight) << 900;
        QTest::newRow("right to left, wide") << int(Qt::RightToLeft) << 900;
        QTest::newRow("left to right, narrow") << int(Qt::LeftToRight) << 430;
        QTest::newRow("right to left, narrow") << int(Qt::RightToLeft) << 430;
    }

    void mirroredRightToLeft()
    {
        QFETCH(int, direction);
        QFETCH(int, width);
        const bool rtl = direction == Qt::RightToLeft;
        CCalendarView view;
        view.setLayoutDirection(Qt::LayoutDirection(direction));
        view.resize(width, 600);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QList<DueRecord> dues{UiTest::MakeDue("Electricity and gas", On(17), 1234.56)};
        dues[0].m_strRecId = QStringLiteral("id0");
        view.SetMonth(COleDateTime::FromQDateTime(On(1)), dues);

        const QDate first = view.Grid().FirstShown();
        QCOMPARE(view.DayRect(first).left() > view.DayRect(first.addDays(1)).left(), rtl);
        QCOMPARE(view.DayRect(first.addDays(6)).left() == 0, rtl);

        const QDate day(2007, 1, 17);
        const QRect title = view.TitleRect(day, 0);
        const QRect amount = view.AmountRect(day, 0);
        QVERIFY(!title.isEmpty() && !amount.isEmpty());
        QVERIFY(!title.intersects(amount));
        QVERIFY(view.DueRect(day, 0).contains(title) && view.DueRect(day, 0).contains(amount));
        if (view.LinesPerDue() == 2) {
            QVERIFY(amount.top() > title.bottom()); // under the title, at its trailing end
            QCOMPARE(rtl ? amount.left() < title.center().x() : amount.right() > title.center().x(), true);
        } else {
            QCOMPARE(amount.right() < title.left(), rtl);
            QCOMPARE(title.right() < amount.left(), !rtl);
        }
        // A readable part of the title, whichever line the amount takes.
        QVERIFY(title.width() >= view.fontMetrics().averageCharWidth() * 6);

        view.setFocus();
        view.SetCurrentDay(day);
        QTest::keyClick(&view, Qt::Key_Left);
        QCOMPARE(view.CurrentDay(), day.addDays(rtl ? 1 : -1));
        QTest::keyClick(&view, Qt::Key_Right);
        QTest::keyClick(&view, Qt::Key_Right);
        QCOMPARE(view.CurrentDay(), day.addDays(rtl ? -1 : 1));
    }

    // Page Down and Page Up go through every due of the day, those behind
    // "+N more" too, and round again; the Details bar follows each.
    void everyDueOfADayByKeys()
    {
        QList<DueRecord> dues;
        for (int i = 0; i < 8; ++i) {
            dues << UiTest::MakeDue(QStringLiteral("Busy %1").arg(i), On(17, 8 + i), i);
            dues.last().m_strRecId = QStringLiteral("id%1").arg(i);
        }
        CCalendarView view;
        view.resize(600, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.SetMonth(COleDateTime::FromQDateTime(On(1)), dues);
        view.setFocus();
        const QDate busy(2007, 1, 17);
        QVERIFY(!view.MoreRect(busy).isEmpty()); // some are hidden
        QSignalSpy selected(&view, &CCalendarView::dueSelected);

        view.SetCurrentDay(busy);
        QCOMPARE(view.SelectedId(), QStringLiteral("id0"));
        QStringList seen{view.SelectedId()};
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(&view, Qt::Key_PageDown);
            seen << view.SelectedId();
        }
        QCOMPARE(seen, (QStringList{"id0", "id1", "id2", "id3", "id4", "id5", "id6", "id7", "id0"}));
        QTest::keyClick(&view, Qt::Key_PageUp);
        QCOMPARE(view.SelectedId(), QStringLiteral("id7"));
        QCOMPARE(selected.last().at(0).value<DueRecord>().m_strTitle, QStringLiteral("Busy 7"));
        QTest::keyClick(&view, Qt::Key_Return);
        // A day without dues has nothing to go through.
        QTest::keyClick(&view, Qt::Key_Right);
        QTest::keyClick(&view, Qt::Key_PageDown);
        QCOMPARE(view.SelectedId(), QString());
    }

    // A screen reader finds the month's days, each with its dues, named in
    // words, and hears where the keys go.
    void screenReaderFindsDaysAndDues()
    {
        QList<DueRecord> dues{UiTest::MakeDue("Rent", On(16), 850),
                              UiTest::MakeDue("Gas", On(17, 9), 20, true, QStringLiteral("s1")),
                              UiTest::MakeDue("Water", On(17, 0), 12.5)};
        for (int i = 0; i < dues.size(); ++i)
            dues[i].m_strRecId = QStringLiteral("id%1").arg(i);
        CCalendarView view;
        view.resize(700, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.SetMonth(COleDateTime::FromQDateTime(On(1)), dues);

        QAccessibleInterface* calendar = QAccessible::queryAccessibleInterface(&view);
        QCOMPARE(calendar->role(), QAccessible::List);
        QCOMPARE(calendar->text(QAccessible::Name), QStringLiteral("Calendar of January 2007"));
        QCOMPARE(calendar->childCount(), 31);
        QAccessibleInterface* yesterday = calendar->child(15);
        QAccessibleInterface* today = calendar->child(16);
        QCOMPARE(yesterday->text(QAccessible::Name), QStringLiteral("Tuesday, January 16, 2007, 1 due(s)"));
        QCOMPARE(today->text(QAccessible::Name),
                 QStringLiteral("Wednesday, January 17, 2007, today, 2 due(s)"));
        QCOMPARE(calendar->child(0)->text(QAccessible::Name),
                 QStringLiteral("Monday, January 1, 2007, 0 due(s)"));
        QCOMPARE(yesterday->child(0)->text(QAccessible::Name),
                 QStringLiteral("Rent, $850.00, due 1/16/2007, overdue"));
        QCOMPARE(today->childCount(), 2);
        QCOMPARE(today->child(0)->text(QAccessible::Name),
                 QStringLiteral("Gas, $20.00, due 1/17/2007 9:00 AM, paid, part of a series"));
        QCOMPARE(today->child(1)->text(QAccessible::Name),
                 QStringLiteral("Water, $12.50, due 1/17/2007, due today"));
        QCOMPARE(today->child(1)->parent(), today);
        QCOMPARE(today->indexOfChild(today->child(1)), 1);
        QCOMPARE(calendar->indexOfChild(today), 16);
        QVERIFY(calendar->rect().contains(today->child(0)->rect().center()));
        QCOMPARE(calendar->childAt(today->rect().center().x(), today->rect().center().y()), today);

        // What the keys do is told as it happens.
        static QList<std::pair<QAccessible::Event, QString>> events;
        events.clear();
        CalendarAccessible::SetWatcher([](QAccessibleEvent* event) {
            if (QAccessibleInterface* iface = event->accessibleInterface())
                events.append({event->type(), iface->text(QAccessible::Name)});
        });
        auto restore = qScopeGuard([] { CalendarAccessible::SetWatcher({}); });
        QApplication::setActiveWindow(&view);
        QVERIFY(QTest::qWaitForWindowActive(&view));
        view.setFocus();
        view.SetCurrentDay(QDate(2007, 1, 16));
        auto focused = [] {
            QString last;
            for (const auto& [type, name] : events)
                if (type == QAccessible::Focus)
                    last = name;
            return last;
        };
        QCOMPARE(focused(), yesterday->child(0)->text(QAccessible::Name));
        QVERIFY(yesterday->child(0)->state().focused && yesterday->child(0)->state().selected);
        QTest::keyClick(&view, Qt::Key_Right);
        QCOMPARE(focused(), today->child(0)->text(QAccessible::Name));
        QTest::keyClick(&view, Qt::Key_PageDown);
        QCOMPARE(focused(), today->child(1)->text(QAccessible::Name));
        QVERIFY(!today->child(0)->state().selected && today->child(1)->state().selected);
        QCOMPARE(calendar->focusChild(), today);
        QCOMPARE(today->focusChild(), today->child(1));
        QTest::keyClick(&view, Qt::Key_Right);
        QCOMPARE(focused(), calendar->child(17)->text(QAccessible::Name)); // a day without dues
        QVERIFY(calendar->child(17)->state().focused);
        bool selection = false;
        for (const auto& [type, name] : events)
            selection = selection ||
                        (type == QAccessible::Selection && name == today->child(1)->text(QAccessible::Name));
        QVERIFY(selection);
    }

    // A title cut short in its cell shows whole in the tool tip, in lines
    // that fit the screen; "+N more" names what it hides.
    void toolTipsShowWhatIsCut()
    {
        const QString longTitle = QStringLiteral("Quarterly property tax instalment ").repeated(12).trimmed();
        QList<DueRecord> dues{UiTest::MakeDue(longTitle, On(10), 99)};
        for (int i = 0; i < 8; ++i)
            dues << UiTest::MakeDue(QStringLiteral("Busy %1").arg(i), On(17, 8 + i), i);
        CCalendarView view;
        view.resize(600, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.SetMonth(COleDateTime::FromQDateTime(On(1)), dues);
        const QString tip = view.ToolTipAt(view.DueRect(QDate(2007, 1, 10), 0).center());
        QVERIFY2(tip.startsWith(QStringLiteral("Quarterly property tax")), qPrintable(tip));
        QVERIFY(tip.contains(QStringLiteral("$99.00")));
        QCOMPARE(
            QString(tip).remove(QLatin1Char('\n')).remove(QLatin1Char(' ')).left(longTitle.size() - 11 * 5),
            QString(longTitle).remove(QLatin1Char(' ')).left(longTitle.size() - 11 * 5));
        const int half = view.screen()->availableGeometry().width() / 2;
        const QFontMetrics metrics(QToolTip::font());
        for (const QString& line : tip.split(QLatin1Char('\n')))
            QVERIFY2(metrics.horizontalAdvance(line) <= half, qPrintable(line));
        const QString more = view.ToolTipAt(view.MoreRect(QDate(2007, 1, 17)).center());
        QVERIFY2(more.contains(QStringLiteral("Busy 7")) && !more.contains(QStringLiteral("Busy 0")),
                 qPrintable(more));
        QCOMPARE(view.ToolTipAt(view.DayRect(QDate(2007, 1, 25)).center()), QString());
    }

    void firstDayFollowsTheLocale()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        CCalendarView view;
        view.SetMonth(COleDateTime::FromQDateTime(On(1)), {});
        QCOMPARE(view.Grid().FirstShown(), QDate(2007, 1, 1)); // a Monday
    }

    void frameDrivesTheCalendar()
    {
        UiTest::AddDue(UiTest::MakeDue("Paid one", On(5), 10, true));
        UiTest::AddDue(UiTest::MakeDue("Open one", On(20), 20));
        UiTest::AddDue(UiTest::MakeDue("February", QDateTime(QDate(2007, 2, 2), QTime(0, 0)), 30));
        m_frame = std::make_unique<CMainFrame>();
        m_frame->show();
        CCalendarView* calendar = m_frame->CalendarView();
        QVERIFY(calendar);
        QVERIFY(calendar->isHidden());

        m_frame->Action(ID_VIEW_CALENDAR)->trigger();
        QVERIFY(!calendar->isHidden());
        QVERIFY(m_frame->View()->isHidden());
        QVERIFY(m_frame->Action(ID_VIEW_CALENDAR)->isChecked());
        QCOMPARE(calendar->Grid().MonthStart(), QDate(2007, 1, 1));

        // Selecting in the calendar fills the Details bar.
        QVERIFY(calendar->SelectDue(m_frame->View()->Model()->Records().at(1).m_strRecId));
        QVERIFY(m_frame->DetailsBar()->Value(0).contains(QStringLiteral("Open one")));

        // Next month drives both views.
        m_frame->OnCommand(ID_NEXT_MONTH);
        QCOMPARE(calendar->Grid().MonthStart(), QDate(2007, 2, 1));
        QVERIFY(calendar->SelectDue(m_frame->View()->Model()->Records().at(0).m_strRecId));

        // The filter applies: unpaid in January leaves the paid due out.
        m_frame->OnCommand(ID_PREV_MONTH);
        QVERIFY(!calendar->DueRect(QDate(2007, 1, 5), 0).isEmpty());
        m_frame->ToolBar()->FilterBox()->setCurrentIndex(2);
        QVERIFY(calendar->DueRect(QDate(2007, 1, 5), 0).isEmpty());
        QVERIFY(!calendar->DueRect(QDate(2007, 1, 20), 0).isEmpty());

        m_frame->OnCommand(ID_VIEW_CALENDAR);
        QVERIFY(calendar->isHidden());
        QVERIFY(!m_frame->View()->isHidden());
    }

    void importPreviewWritesOnlyWhenConfirmed_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("cancelled") << false;
        QTest::newRow("confirmed") << true;
    }

    void importPreviewWritesOnlyWhenConfirmed()
    {
        QFETCH(bool, confirm);
        const QString csv = m_dir->filePath(QStringLiteral("in.csv"));
        QFile f(csv);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Title,Due Date,Amount,Paid,Pay To,Notes\nWater,2007-01-09,12.5,Paid,City,\"a\nb\"\n"
                "Bad,2007-01-40,1,Unpaid,,\nPower,2007-01-11T18:00:00,40,Unpaid,,\n");
        f.close();
        m_frame = std::make_unique<CMainFrame>();
        const int before = theDueStore.GetCount();

        QStringList added, rejected, headers, water;
        bool importEnabled = false;
        UiTest::WhenModal<CCsvImportDlg>([&](CCsvImportDlg* dlg) {
            added = Rows(dlg->AddedTable(), 1);
            for (int c = 0; c < dlg->AddedTable()->columnCount(); ++c) {
                headers << dlg->AddedTable()->horizontalHeaderItem(c)->text();
                water << dlg->AddedTable()->item(0, c)->text();
            }
            rejected = Rows(dlg->RejectedTable(), 0) + Rows(dlg->RejectedTable(), 1);
            QCOMPARE(theDueStore.GetCount(), before); // nothing written while it asks
            auto* import = dlg->findChild<QPushButton*>(QStringLiteral("import"));
            importEnabled = import && import->isEnabled();
            if (confirm)
                import->click();
            else
                dlg->reject();
        });
        Prompt::SetNextFileName(csv);
        m_frame->Action(ID_CSV_IMPORT)->trigger();

        QCOMPARE(added, (QStringList{"Water", "Power"}));
        // Every field, dates with four-digit years (the locale's own has two).
        QCOMPARE(headers, (QStringList{"Line", "Title", "Start Date", "Due Date", "Pay To", "Account",
                                       "Amount", "Type", "Paid", "Series ID", "Notes"}));
        QCOMPARE(water.mid(2, 3), (QStringList{"1/9/2007 12:00 AM", "1/9/2007 12:00 AM", "City"}));
        QCOMPARE(water.last(), QStringLiteral("a b"));
        QCOMPARE(rejected.size(), 2);
        QCOMPARE(rejected.at(0), QStringLiteral("4")); // Water's notes take two lines
        QVERIFY2(rejected.at(1).contains(QStringLiteral("2007-01-40")), qPrintable(rejected.at(1)));
        QVERIFY(importEnabled);
        QCOMPARE(theDueStore.GetCount(), before + (confirm ? 2 : 0));
        QCOMPARE(m_frame->View()->Model()->Records().size(), confirm ? 2 : 0);
    }

    void importOfAnUnusableFileSaysWhy()
    {
        const QString csv = m_dir->filePath(QStringLiteral("bad.csv"));
        QFile f(csv);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\n\n");
        f.close();
        m_frame = std::make_unique<CMainFrame>();
        Prompt::SetNextFileName(csv);
        m_frame->OnCommand(ID_CSV_IMPORT);
        const QStringList shown = Prompt::TakeShownTexts();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.first().contains(csv) && shown.first().contains(QStringLiteral("header row")),
                 qPrintable(shown.first()));
        QCOMPARE(theDueStore.GetCount(), 0);
    }

    // A header without the required columns opens the preview, which says
    // what is missing and imports nothing until the columns are chosen.
    void importWithUnknownColumnsShowsWhy()
    {
        const QString csv = m_dir->filePath(QStringLiteral("unknown.csv"));
        QFile f(csv);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Name,When\nx,y\n");
        f.close();
        m_frame = std::make_unique<CMainFrame>();
        QString problem;
        bool importEnabled = true;
        UiTest::WhenModal<CCsvImportDlg>([&](CCsvImportDlg* dlg) {
            problem = dlg->findChild<QLabel*>(QStringLiteral("problem"))->text();
            importEnabled = dlg->findChild<QPushButton*>(QStringLiteral("import"))->isEnabled();
            dlg->reject();
        });
        Prompt::SetNextFileName(csv);
        m_frame->OnCommand(ID_CSV_IMPORT);
        QVERIFY2(problem.contains(QStringLiteral("Due Date")), qPrintable(problem));
        QVERIFY(!importEnabled);
        QVERIFY(Prompt::TakeShownTexts().isEmpty());
        QCOMPARE(theDueStore.GetCount(), 0);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CMainFrame> m_frame;
};

QTEST_MAIN(TestCalendarView)
#include "tst_calendarview.moc"
