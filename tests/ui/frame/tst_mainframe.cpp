// The main window, offscreen: month stepping, filter and totals, the details
// bar, the navigation pane, Delete with its questions, Refresh, and the change
// of working directory.

#include "../UiTestSupport.h"

#include "../../app/FolderSnapshot.h"

#include "model/base/AppPaths.h"
#include "model/base/MessageTexts.h"
#include "model/services/FolderWatcher.h"
#include "model/services/Reminders.h"
#include "model/store/DueFile.h"
#include "platform/LoginAutostart.h"
#include "platform/ShellOpen.h"
#include "ui/calendar/CCalendarView.h"
#include "ui/comingup/CComingUpView.h"
#include "ui/dialogs/CCsvImportDlg.h"
#include "ui/dialogs/CWorkDirDlg.h"
#include "ui/editor/CDetailPage.h"
#include "ui/export/ExportCommands.h"
#include "ui/frame/AfterFirstPaint.h"
#include "ui/frame/CDetailsBar.h"
#include "ui/frame/CFilterCombo.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CMainToolBar.h"
#include "ui/frame/CMonthPicker.h"
#include "ui/frame/COutlookView.h"
#include "ui/frame/CSyncLauncher.h"
#include "ui/frame/CommandIds.h"
#include "ui/frame/DueActionIds.h"
#include "ui/frame/FrameSettings.h"
#include "ui/images/DrawnImages.h"
#include "ui/images/LoadImageList.h"
#include "ui/list/CTallyvaneView.h"
#include "ui/list/DueListModel.h"
#include "ui/reminders/CTrayIcon.h"
#include "ui/skinui/CGuiMiniTool.h"
#include "ui/skinui/CGuiOutLook.h"
#include "ui/skinui/CGuiStatusBar.h"
#include "ui/skinui/GuiCapOutBar.h"
#include "ui/skinui/SkinStyle.h"

#include <QAction>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QSet>
#include <QSignalSpy>
#include <QSplitter>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QWizard>

#include <memory>

#include <unistd.h>

class TestMainFrame : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CMainFrame> m_frame;

    QString DataFile(const QString& id) const { return theDueStore.Folder().DueFilePath(id); }

    QStringList ListedTitles() const
    {
        QStringList titles;
        const DueListModel* model = m_frame->View()->Model();
        for (int row = 0; row < model->rowCount(); ++row)
            titles << model->index(row).data().toString();
        return titles;
    }

    int RowOf(const QString& id) const { return m_frame->View()->Model()->RowOf(id); }

    void Select(const QString& id)
    {
        const int row = RowOf(id);
        QVERIFY(row >= 0);
        m_frame->View()->SelectRow(row);
    }

    QDate ShownDate() const { return m_frame->ToolBar()->MonthPicker()->date(); }

    void ShowActive(QSize size = QSize(1024, 768))
    {
        m_frame->resize(size);
        m_frame->show();
        QApplication::setActiveWindow(m_frame.get());
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    }

    // Which part of the window has the focus.
    QString FocusPart() const
    {
        QWidget* f = QApplication::focusWidget();
        if (!f)
            return QStringLiteral("none");
        if (f == m_frame->View())
            return QStringLiteral("list");
        if (f == m_frame->CalendarView())
            return QStringLiteral("calendar");
        if (f == m_frame->ComingUpView()->List())
            return QStringLiteral("coming up");
        if (f == m_frame->ToolBar()->MonthPicker() || m_frame->ToolBar()->MonthPicker()->isAncestorOf(f))
            return QStringLiteral("month");
        if (f == m_frame->ToolBar()->FilterBox())
            return QStringLiteral("filter");
        if (f == m_frame->ToolBar()->SearchField())
            return QStringLiteral("search");
        if (m_frame->DetailsBar()->isAncestorOf(f))
            return QStringLiteral("details");
        if (m_frame->OutlookView()->isAncestorOf(f))
            return QStringLiteral("pane:") + static_cast<QToolButton*>(f)->text();
        return QString::fromLatin1(f->metaObject()->className());
    }
    void Show(const QDate& date)
    {
        m_frame->ToolBar()->MonthPicker()->SetTime(COleDateTime::FromQDateTime(QDateTime(date, QTime(0, 0))));
        m_frame->RefreshMonth();
    }

private slots:
    void initTestCase() { UiTest::IsolateSettings(); }

    void init()
    {
        Clock::SetFixed(QDateTime(QDate(2007, 1, 31), QTime(10, 0)));
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        UiTest::UseWorkDir(m_dir->path());
        Prompt::TakeShownTexts();
        // No answer left over from a case that asked less than it queued.
        Prompt::SetTestMode(false);
        Prompt::SetTestMode(true);
    }

    void cleanup()
    {
        m_frame.reset();
        QDir dir(theDueStore.Folder().Path());
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_dir.reset();
    }

    // The skin is drawn by the application's style, not by style sheets (which
    // cost every widget of the window a polish at start), and what the first
    // frame does not show is made when it is first needed.
    void skinWithoutStyleSheetsAndLateParts()
    {
        m_frame = std::make_unique<CMainFrame>();
        ShowActive();
        QVERIFY(qobject_cast<SkinStyle*>(QApplication::style()));
        for (const QWidget* w : m_frame->findChildren<QWidget*>())
            QVERIFY2(w->styleSheet().isEmpty(), qPrintable(w->objectName()));

        // The menu bar's banner: light at the top, darker at the bottom.
        const QImage bar = m_frame->menuBar()->grab().toImage();
        const QColor top = bar.pixelColor(bar.width() - 2, 1),
                     bottom = bar.pixelColor(bar.width() - 2, bar.height() - 3);
        QVERIFY2(top.lightness() > bottom.lightness(),
                 qPrintable(top.name() + QLatin1Char('/') + bottom.name()));
        // The blue style's banner starts at (222, 234, 253).
        QVERIFY2(qAbs(top.red() - 222) <= 8 && qAbs(top.green() - 234) <= 8 && qAbs(top.blue() - 253) <= 8,
                 qPrintable(top.name()));

        // The panes' and the caption's images are those of their strips, taken
        // when first painted.
        const std::pair<int, int> panes[] = {
            {ID_INDICATOR_PAID, 146}, {ID_INDICATOR_UNPAID, 147}, {ID_INDICATOR_TOTAL, 148}};
        for (const auto& [pane, bitmap] : panes) {
            const QImage shown = m_frame->StatusBar()->PaneIcon(pane).pixmap(16, 16).toImage();
            QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32),
                     LoadImageList(bitmap, 16).value(0).toImage().convertToFormat(QImage::Format_ARGB32));
        }
        QVERIFY(!m_frame->CaptionTool()->GetImagIcon(0).isNull());

        // The folders not open get their items after the first frame; the
        // filter's drop-down list is made when it first drops down.
        QTRY_VERIFY(m_frame->OutlookView()->FolderList(3)->ItemsBuilt());
        CFilterCombo* filter = m_frame->ToolBar()->FilterBox();
        filter->showPopup();
        QTRY_VERIFY(filter->view()->isVisible());
        QCOMPARE(filter->view()->model()->rowCount(), 3);
        filter->hidePopup();

        // The search field's clear button comes with the first text.
        QLineEdit* search = m_frame->ToolBar()->SearchField();
        QVERIFY(!search->isClearButtonEnabled());
        search->setText(QStringLiteral("rent"));
        QVERIFY(search->isClearButtonEnabled());
        search->clear();

        // A navigation item shows the hand once the mouse is over it.
        QToolButton* item = m_frame->OutlookView()->FolderList(0)->Items().value(0);
        QVERIFY(item);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(item, &enter);
        QCOMPARE(item->cursor().shape(), Qt::PointingHandCursor);
    }

    // Work held back for the first frame (the dues' load, the tray) runs
    // once, after that frame; a window that is never drawn still gets it.
    void workAfterTheFirstFrame()
    {
        QWidget shown;
        int shownRuns = 0;
        AfterFirstPaint::Run(&shown, [&] { ++shownRuns; });
        QWidget hidden;
        int hiddenRuns = 0;
        AfterFirstPaint::Run(&hidden, [&] { ++hiddenRuns; });
        QCoreApplication::processEvents();
        QCOMPARE(shownRuns, 0);
        shown.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        QTRY_COMPARE(shownRuns, 1);
        QTRY_COMPARE(hiddenRuns, 1);
        shown.update();
        QTest::qWait(AfterFirstPaint::kLatestMs);
        QCOMPARE(shownRuns, 1);
        QCOMPARE(hiddenRuns, 1);
    }

    void startsOnTodaysMonth()
    {
        m_frame = std::make_unique<CMainFrame>();
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Tallyvane"));
        QCOMPARE(ShownDate(), QDate(2007, 1, 31));
        QCOMPARE(m_frame->CurrentMonth().GetMonth(), 1);
        QCOMPARE(m_frame->ToolBar()->FilterBox()->currentIndex(), 0);
        QCOMPARE(m_frame->ToolBar()->MonthPicker()->displayFormat(), QStringLiteral("MMMM  yyyy"));
        QVERIFY(m_frame->DetailsBar()->isVisibleTo(m_frame.get()));
        for (int id : {ID_FILE_PRINT, ID_EXCEL_NOTES, ID_WORD_NO_NOTES, ID_HTML_NOTES, ID_PDF_NO_NOTES})
            QVERIFY(m_frame->Action(id) && m_frame->Action(id)->isEnabled());
    }

    void stepMonth_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("delta");
        QTest::addColumn<QDate>("to");
        QTest::newRow("31 Jan to 28 Feb") << QDate(2007, 1, 31) << 1 << QDate(2007, 2, 28);
        QTest::newRow("31 Jan to 29 Feb in a leap year") << QDate(2008, 1, 31) << 1 << QDate(2008, 2, 29);
        QTest::newRow("31 Mar back to 28 Feb") << QDate(2007, 3, 31) << -1 << QDate(2007, 2, 28);
        QTest::newRow("31 May to 30 Jun") << QDate(2007, 5, 31) << 1 << QDate(2007, 6, 30);
        QTest::newRow("December to January") << QDate(2006, 12, 15) << 1 << QDate(2007, 1, 15);
        QTest::newRow("January back to December") << QDate(2007, 1, 15) << -1 << QDate(2006, 12, 15);
    }

    void stepMonth()
    {
        QFETCH(QDate, from);
        QFETCH(int, delta);
        QFETCH(QDate, to);
        const QString id =
            UiTest::AddDue(UiTest::MakeDue("In the target month", QDateTime(to, QTime(8, 0)), 1));
        m_frame = std::make_unique<CMainFrame>();
        Show(from);
        QVERIFY(RowOf(id) < 0);
        m_frame->OnCommand(delta > 0 ? ID_NEXT_MONTH : ID_PREV_MONTH);
        QCOMPARE(ShownDate(), to);
        QCOMPARE(m_frame->CurrentMonth().GetYear(), to.year());
        QCOMPARE(m_frame->CurrentMonth().GetMonth(), to.month());
        QCOMPARE(RowOf(id), 0);
    }

    void filterAndTotals()
    {
        UiTest::AddDue(UiTest::MakeDue("Paid one", QDateTime(QDate(2007, 1, 5), QTime(9, 0)), 20.00, true));
        UiTest::AddDue(UiTest::MakeDue("Unpaid one", QDateTime(QDate(2007, 1, 25), QTime(9, 0)), 12.50));
        UiTest::AddDue(UiTest::MakeDue("Next month", QDateTime(QDate(2007, 2, 1), QTime(9, 0)), 500.00));
        m_frame = std::make_unique<CMainFrame>();
        CGuiStatusBar* status = m_frame->StatusBar();
        auto money = [](const char* v) { return FormatCurrencyText(QString::fromLatin1(v), QLocale()); };

        QCOMPARE(ListedTitles(), (QStringList{"Paid one", "Unpaid one"}));
        QCOMPARE(status->PaneText(ID_INDICATOR_PAID), "Paid : " + money("20.00"));
        QCOMPARE(status->PaneText(ID_INDICATOR_UNPAID), "Unpaid : " + money("12.50"));
        QCOMPARE(status->PaneText(ID_INDICATOR_TOTAL), "Total : " + money("32.50"));

        m_frame->ToolBar()->FilterBox()->setCurrentIndex(2);
        QCOMPARE(ListedTitles(), QStringList{"Unpaid one"});
        QCOMPARE(status->PaneText(ID_INDICATOR_TOTAL), "Total : " + money("12.50"));
        m_frame->ToolBar()->FilterBox()->setCurrentIndex(1);
        QCOMPARE(ListedTitles(), QStringList{"Paid one"});
        QCOMPARE(status->PaneText(ID_INDICATOR_UNPAID), "Unpaid : " + money("0.00"));
        m_frame->ToolBar()->FilterBox()->setCurrentIndex(0);
        QCOMPARE(ListedTitles().size(), 2);

        // A date picked by the user within the same month lists it again.
        QSignalSpy spy(m_frame->ToolBar()->MonthPicker(), &CMonthPicker::userDateChanged);
        m_frame->ToolBar()->MonthPicker()->setDate(QDate(2007, 2, 10));
        QCOMPARE(spy.size(), 1);
        QCOMPARE(ListedTitles(), QStringList{"Next month"});
    }

    void detailsFollowSelection_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("paid");
        QTest::addColumn<QString>("typeText");
        QTest::addColumn<QString>("status");
        QTest::newRow("personal, paid") << 2 << true << "Personal"
                                        << "Paid";
        QTest::newRow("business, unpaid") << 1 << false << "Business"
                                          << "Unpaid";
        QTest::newRow("unknown code shows business") << 7 << false << "Business"
                                                     << "Unpaid";
    }

    void detailsFollowSelection()
    {
        QFETCH(int, type);
        QFETCH(bool, paid);
        QFETCH(QString, typeText);
        QFETCH(QString, status);
        DueRecord r =
            UiTest::MakeDue("Rent", QDateTime(QDate(2007, 1, 20), QTime(9, 30)), 12.5, paid, {}, "Landlord");
        r.m_dtStart = COleDateTime(2007, 1, 2, 8, 15, 0);
        r.m_strAccount = QStringLiteral("Checking");
        r.m_nType = type;
        const QString id = UiTest::AddDue(r);
        m_frame = std::make_unique<CMainFrame>();
        CDetailsBar* details = m_frame->DetailsBar();
        QCOMPARE(details->windowTitle(), QStringLiteral("Details"));

        Select(id);
        const QStringList expected{"Rent",
                                   FormatDatePicture(r.m_dtStart, QString(), QLocale()) + ' ' +
                                       FormatTimePicture(r.m_dtStart, QString(), QLocale()),
                                   FormatDatePicture(r.m_dtDue, QString(), QLocale()) + ' ' +
                                       FormatTimePicture(r.m_dtDue, QString(), QLocale()),
                                   "Landlord",
                                   "Checking",
                                   FormatCurrencyText("12.50", QLocale()),
                                   typeText,
                                   status};
        for (int row = 0; row < 8; ++row) {
            QCOMPARE(details->Heading(row), CDetailsBar::Headings().at(row));
            QCOMPARE(details->Value(row), expected.at(row));
        }
        QCOMPARE(m_frame->CaptionTool()->GetButton(0)->toolTip(), QStringLiteral("Rent"));
        QCOMPARE(m_frame->CaptionTool()->GetButton(0)->text(), QStringLiteral("Rent     "));

        m_frame->View()->SelectRow(-1);
        for (int row = 0; row < 8; ++row) {
            QVERIFY(details->Value(row).isEmpty());
            QVERIFY(!details->Heading(row).isEmpty());
        }
        QCOMPARE(m_frame->CaptionTool()->GetButton(0)->toolTip(), QStringLiteral("Tallyvane"));
    }

    void detailsWindowToggles()
    {
        m_frame = std::make_unique<CMainFrame>();
        m_frame->show();
        QAction* toggle = m_frame->Action(ID_VIEW_DETAILS);
        QVERIFY(toggle->isChecked());
        m_frame->OnCommand(ID_VIEW_DETAILS);
        QVERIFY(m_frame->DetailsBar()->isHidden());
        QVERIFY(!toggle->isChecked());
        m_frame->OnCommand(ID_VIEW_DETAILS);
        QVERIFY(!m_frame->DetailsBar()->isHidden());
        QVERIFY(toggle->isChecked());
    }

    void navigationItemsSendTheirCommands()
    {
        COutlookView pane;
        const QList<QList<int>> folders{
            {ID_DUE_NEW, ID_DUE_MODIFY, ID_DUE_DELETE},
            {ID_REFRESH, ID_SYNCHRONIZE, ID_CHANGE_WORKDIR},
            {ID_EXCEL_NOTES, ID_WORD_NOTES, ID_HTML_NOTES, ID_PDF_NOTES, ID_ICAL_EXPORT, ID_CSV_EXPORT},
            {ID_FILE_PRINT}};
        const QStringList captions{"Due", "Tools", "Export", "Print"};
        QCOMPARE(pane.Folders()->count(), 4);
        QCOMPARE(pane.Folders()->currentIndex(), 0);
        QSignalSpy spy(&pane, &CGuiOutLookView::commandRequested);
        for (int f = 0; f < folders.size(); ++f) {
            QCOMPARE(pane.Folders()->itemText(f), captions.at(f));
            QCOMPARE(pane.FolderList(f)->CommandIds(), folders.at(f));
            pane.Folders()->SelectFolder(f);
            for (int id : folders.at(f)) {
                QToolButton* item = pane.FolderList(f)->Item(id);
                QVERIFY(item);
                QVERIFY(!item->icon().isNull());
                spy.clear();
                item->click();
                QCOMPARE(spy.size(), 1);
                QCOMPARE(spy.at(0).at(0).toInt(), id);
            }
        }
    }

    // A folder's items are made when it is first opened, shown at once and
    // one under the other, with the enabled state their commands had meanwhile.
    void navigationFoldersMakeTheirItemsWhenOpened()
    {
        COutlookView pane;
        pane.resize(160, 600);
        pane.SetCommandEnabled(ID_SYNCHRONIZE, false);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        QVERIFY(pane.FolderList(0)->ItemsBuilt());
        QVERIFY(!pane.FolderList(1)->ItemsBuilt());
        QVERIFY(!pane.FolderList(2)->ItemsBuilt());

        pane.Folders()->SelectFolder(1);
        CGuiOutLook* tools = pane.FolderList(1);
        QVERIFY(tools->ItemsBuilt());
        const QList<QToolButton*> items = tools->Items();
        QCOMPARE(items.size(), 3);
        for (int i = 0; i < items.size(); ++i) {
            QVERIFY(items.at(i)->isVisible());
            if (i > 0)
                QVERIFY(items.at(i)->geometry().top() >= items.at(i - 1)->geometry().bottom());
        }
        QVERIFY(items.at(0)->isEnabled());
        QVERIFY(!tools->Item(ID_SYNCHRONIZE)->isEnabled());

        // Keys go on into a folder not opened yet.
        pane.FocusItem(1, -1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(pane.Folders()->currentIndex(), 2);
        QVERIFY(pane.FolderList(2)->ItemsBuilt());
        QCOMPARE(pane.FocusedItem(), pane.FolderList(2)->Item(ID_EXCEL_NOTES));

        pane.BuildAllItems();
        QVERIFY(pane.FolderList(3)->ItemsBuilt());
    }

    // Every export command of the menus and the navigation pane reaches the
    // export it names, with or without notes as its label says, and with the
    // listed dues and the shown month.
    void exportCommandsReachTheirExport_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("withNotes");
        using K = ExportCommands::Kind;
        const std::tuple<const char*, int, K, bool> rows[] = {
            {"spreadsheet with notes", ID_EXCEL_NOTES, K::Spreadsheet, true},
            {"spreadsheet without notes", ID_EXCEL_NO_NOTES, K::Spreadsheet, false},
            {"document with notes", ID_WORD_NOTES, K::Word, true},
            {"document without notes", ID_WORD_NO_NOTES, K::Word, false},
            {"html with notes", ID_HTML_NOTES, K::Html, true},
            {"html without notes", ID_HTML_NO_NOTES, K::Html, false},
            {"pdf with notes", ID_PDF_NOTES, K::Pdf, true},
            {"pdf without notes", ID_PDF_NO_NOTES, K::Pdf, false},
            {"icalendar", ID_ICAL_EXPORT, K::ICalendar, true},
            {"csv", ID_CSV_EXPORT, K::Csv, true},
        };
        for (const auto& [name, id, kind, notes] : rows)
            QTest::newRow(name) << id << int(kind) << notes;
    }

    void exportCommandsReachTheirExport()
    {
        QFETCH(int, id);
        QFETCH(int, kind);
        QFETCH(bool, withNotes);
        UiTest::AddDue(UiTest::MakeDue("Listed", QDateTime(QDate(2007, 1, 10), QTime(9, 0)), 1));
        m_frame = std::make_unique<CMainFrame>();
        struct Call
        {
            int kind;
            bool withNotes;
            QStringList titles;
            int month;
        };
        QList<Call> calls;
        const auto previous =
            ExportCommands::SetRunner([&](QWidget*, ExportCommands::Kind k, const ExportRequest& request) {
                QStringList titles;
                for (const DueRecord& r : request.dues)
                    titles << r.m_strTitle;
                calls.append({int(k), request.withNotes, titles, request.month.GetMonth()});
            });
        const auto restore = qScopeGuard([&] { ExportCommands::SetRunner(previous); });

        // The menu item, the navigation pane's item and the command id itself.
        m_frame->Action(id)->trigger();
        if (QToolButton* item = m_frame->OutlookView()->FolderList(2)->Item(id))
            item->click();
        m_frame->OnCommand(id);
        QVERIFY(calls.size() >= 2);
        for (const Call& c : calls) {
            QCOMPARE(c.kind, kind);
            QCOMPARE(c.withNotes, withNotes);
            QCOMPARE(c.titles, QStringList{"Listed"});
            QCOMPARE(c.month, 1);
        }
    }

    // The data exports save where the user says, adding the suffix a bare
    // name lacks, and say why when they cannot.
    void dataExportsWriteTheChosenFile_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("icalendar") << int(ExportCommands::Kind::ICalendar) << QStringLiteral(".ics")
                                   << QByteArray("BEGIN:VCALENDAR\r\n");
        QTest::newRow("csv") << int(ExportCommands::Kind::Csv) << QStringLiteral(".csv")
                             << QByteArray("Record ID,Title,");
    }

    void dataExportsWriteTheChosenFile()
    {
        QFETCH(int, kind);
        QFETCH(QString, suffix);
        QFETCH(QByteArray, start);
        ExportRequest request;
        request.dues << UiTest::MakeDue("Listed", QDateTime(QDate(2007, 1, 10), QTime(9, 0)), 1);
        Prompt::SetNextFileName(m_dir->filePath(QStringLiteral("out")));
        ExportCommands::Export(nullptr, ExportCommands::Kind(kind), request);
        QFile f(m_dir->filePath(QStringLiteral("out") + suffix));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY2(bytes.startsWith(start), bytes.left(40).constData());
        QVERIFY(bytes.contains("Listed"));
        QVERIFY(Prompt::TakeShownTexts().isEmpty());

        const QString blocked = m_dir->filePath(QStringLiteral("no-such-folder/out") + suffix);
        Prompt::SetNextFileName(blocked);
        ExportCommands::Export(nullptr, ExportCommands::Kind(kind), request);
        const QStringList shown = Prompt::TakeShownTexts();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.first().contains(blocked), qPrintable(shown.first()));
    }

    void everyExportMenuItemIsAKnownCommand()
    {
        m_frame = std::make_unique<CMainFrame>();
        QMenu* exportMenu = nullptr;
        for (QAction* a : m_frame->menuBar()->actions()) {
            if (a->menu() && a->menu()->objectName() == QStringLiteral("ExportMenu"))
                exportMenu = a->menu();
        }
        QVERIFY(exportMenu);
        QSet<int> seen;
        for (QAction* sub : exportMenu->actions()) {
            if (sub->isSeparator())
                continue;
            // With-and-without-notes pairs are submenus; the data exports are items of their own.
            const QList<QAction*> items = sub->menu() ? sub->menu()->actions() : QList<QAction*>{sub};
            for (QAction* item : items) {
                const int id = item->data().toInt();
                const ExportCommands::Command* command = ExportCommands::Find(id);
                QVERIFY2(command, qPrintable(item->text()));
                QCOMPARE(command->withNotes,
                         !QString(item->text()).remove(QLatin1Char('&')).contains(QStringLiteral("Without")));
                seen.insert(id);
            }
        }
        QCOMPARE(seen.size(), ExportCommands::Commands().size());
    }

    void refreshItemRereadsTheFolder()
    {
        m_frame = std::make_unique<CMainFrame>();
        QCOMPARE(ListedTitles(), QStringList());
        // Another program adds a due file behind our back.
        CDueStore other;
        other.SetFolder(theDueStore.Folder());
        const QString id =
            other.AddDue(UiTest::MakeDue("Written elsewhere", QDateTime(QDate(2007, 1, 3), QTime(1, 0)), 4));
        QVERIFY(QFile::exists(DataFile(id)));
        m_frame->OutlookView()->FolderList(1)->Item(ID_REFRESH)->click();
        QCOMPARE(ListedTitles(), QStringList{"Written elsewhere"});
    }

    void modifyAndDeleteWithoutSelectionDoNothing()
    {
        UiTest::AddDue(UiTest::MakeDue("Kept", QDateTime(QDate(2007, 1, 3), QTime(1, 0)), 4));
        m_frame = std::make_unique<CMainFrame>();
        m_frame->OnCommand(ID_DUE_DELETE);
        m_frame->OnCommand(ID_DUE_MODIFY);
        QCOMPARE(Prompt::TakeShownTexts(), QStringList());
        QCOMPARE(theDueStore.GetCount(), 1);
    }

    void deleteQuestions_data()
    {
        QTest::addColumn<bool>("series");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("question");
        QTest::addColumn<int>("left"); // dues left of the three
        QTest::addColumn<bool>("selectedLeft");
        QTest::newRow("single, Yes") << false << int(QMessageBox::Yes) << 61452 << 2 << false;
        QTest::newRow("single, No") << false << int(QMessageBox::No) << 61452 << 3 << true;
        QTest::newRow("series, Yes deletes the series")
            << true << int(QMessageBox::Yes) << 61453 << 1 << false;
        QTest::newRow("series, No deletes this one") << true << int(QMessageBox::No) << 61453 << 2 << false;
        QTest::newRow("series, Cancel deletes nothing")
            << true << int(QMessageBox::Cancel) << 61453 << 3 << true;
    }

    void deleteQuestions()
    {
        QFETCH(bool, series);
        QFETCH(int, answer);
        QFETCH(int, question);
        QFETCH(int, left);
        QFETCH(bool, selectedLeft);
        const QString seriesId = series ? QStringLiteral("recId20070101000000") : QString();
        const QString selected = UiTest::AddDue(
            UiTest::MakeDue("Selected", QDateTime(QDate(2007, 1, 10), QTime(9, 0)), 1, false, seriesId));
        const QString sibling = UiTest::AddDue(
            UiTest::MakeDue("Sibling", QDateTime(QDate(2007, 1, 11), QTime(9, 0)), 1, false, seriesId));
        UiTest::AddDue(UiTest::MakeDue("Bystander", QDateTime(QDate(2007, 1, 12), QTime(9, 0)), 1));
        m_frame = std::make_unique<CMainFrame>();
        Select(selected);
        Prompt::TakeShownTexts();

        Prompt::SetNextAnswer(QMessageBox::StandardButton(answer));
        m_frame->OnCommand(ID_DUE_DELETE);
        QCOMPARE(Prompt::TakeShownTexts(), QStringList{LoadResString(question)});
        QCOMPARE(theDueStore.GetCount(), left);
        QCOMPARE(theDueStore.Contains(selected), selectedLeft);
        QCOMPARE(QFile::exists(DataFile(selected)), selectedLeft);
        QCOMPARE(theDueStore.Contains(sibling), !series || answer != QMessageBox::Yes);
        // The list is refilled in every case, also after No and Cancel; a due
        // that is still there stays selected.
        QCOMPARE(ListedTitles().size(), left);
        const auto stillSelected = m_frame->View()->SelectedDue();
        QCOMPARE(bool(stillSelected), selectedLeft);
        if (stillSelected)
            QCOMPARE(stillSelected->m_strRecId, selected);
    }

    void deleteOfAVanishedFileIsReportedAndListedAsOnDisk()
    {
        const QString id =
            UiTest::AddDue(UiTest::MakeDue("Vanished", QDateTime(QDate(2007, 1, 10), QTime(9, 0)), 1));
        m_frame = std::make_unique<CMainFrame>();
        QVERIFY(QFile::remove(DataFile(id)));
        Select(id);
        Prompt::SetNextAnswer(QMessageBox::Yes);
        m_frame->OnCommand(ID_DUE_DELETE);
        const QStringList shown = Prompt::TakeShownTexts();
        QCOMPARE(shown.size(), 2); // the question, then one message
        QVERIFY2(shown.at(1).contains("Vanished") && shown.at(1).contains("no longer exists"),
                 qPrintable(shown.at(1)));
        QVERIFY(!theDueStore.Contains(id));
        QCOMPARE(ListedTitles(), QStringList());
    }

    void deleteThatFailsIsReportedAndKept()
    {
        const QString id =
            UiTest::AddDue(UiTest::MakeDue("Locked", QDateTime(QDate(2007, 1, 10), QTime(9, 0)), 1));
        m_frame = std::make_unique<CMainFrame>();
        // A non-empty folder where the file should be: no remove succeeds, not even root's.
        QVERIFY(QFile::remove(DataFile(id)));
        QVERIFY(QDir().mkpath(DataFile(id) + QStringLiteral("/inner")));
        Select(id);
        Prompt::SetNextAnswer(QMessageBox::Yes);
        m_frame->OnCommand(ID_DUE_DELETE);
        const QStringList shown = Prompt::TakeShownTexts();
        QCOMPARE(shown.size(), 2);
        QVERIFY(shown.at(1).contains("Locked"));
        QVERIFY(QFileInfo(DataFile(id) + QStringLiteral("/inner")).isDir()); // left as it was
        // The list is reloaded and shows what the folder holds: no due file there.
        QCOMPARE(ListedTitles(), QStringList());
    }

    void malformedFilesAreNamedOnceAfterRefresh()
    {
        UiTest::AddDue(UiTest::MakeDue("Fine", QDateTime(QDate(2007, 1, 10), QTime(9, 0)), 1));
        m_frame = std::make_unique<CMainFrame>();
        for (const char* name : {"duedate2007010100000010.due", "duedate2007010100000110.due"}) {
            QFile bad(theDueStore.Folder().Path() + '/' + name);
            QVERIFY(bad.open(QIODevice::WriteOnly));
            bad.write("\xff\xff\xff\x7f", 4); // a length that runs past the end
        }
        m_frame->OnCommand(ID_REFRESH);
        const QStringList shown = Prompt::TakeShownTexts();
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown.first().contains("duedate2007010100000010.due"));
        QVERIFY(shown.first().contains("duedate2007010100000110.due"));
        QCOMPARE(ListedTitles(), QStringList{"Fine"});
        QVERIFY(QFile::exists(theDueStore.Folder().Path() + "/duedate2007010100000010.due")); // left alone
        // Month changes do not repeat it.
        m_frame->OnCommand(ID_NEXT_MONTH);
        QCOMPARE(Prompt::TakeShownTexts(), QStringList());
    }

    void changeWorkingDirectory_data()
    {
        QTest::addColumn<bool>("same");
        QTest::newRow("same folder changes nothing") << true;
        QTest::newRow("another folder is stored and loaded") << false;
    }

    void changeWorkingDirectory()
    {
        QFETCH(bool, same);
        UiTest::SetStoredWorkDir(QStringLiteral("/stored/before"));
        m_frame = std::make_unique<CMainFrame>();
        QTemporaryDir other;
        CDueStore elsewhere;
        // A due that appears in the current folder after the load, and one in the other folder.
        const QString current = theDueStore.Folder().WorkDir();
        elsewhere.SetFolder(theDueStore.Folder());
        elsewhere.AddDue(UiTest::MakeDue("Late arrival", QDateTime(QDate(2007, 1, 4), QTime(1, 0)), 1));
        elsewhere.SetFolder(DataFolder(other.path()));
        elsewhere.LoadAll();
        elsewhere.AddDue(UiTest::MakeDue("Other folder", QDateTime(QDate(2007, 1, 5), QTime(1, 0)), 1));

        const QString target = same ? current : other.path();
        UiTest::WhenModal<CWorkDirDlg>([target](CWorkDirDlg* dlg) {
            QCOMPARE(dlg->PathEdit()->text(), QDir::toNativeSeparators(theDueStore.Folder().WorkDir()));
            Prompt::SetNextFileName(target);
            dlg->OnBrowse();
            dlg->OnOK();
        });
        m_frame->OnCommand(ID_CHANGE_WORKDIR);
        if (same) {
            QCOMPARE(UiTest::StoredWorkDir(), QStringLiteral("/stored/before"));
            QCOMPARE(ListedTitles(), QStringList()); // not reloaded
        } else {
            QCOMPARE(UiTest::StoredWorkDir(), other.path());
            QCOMPARE(theDueStore.Folder().WorkDir(), other.path());
            QCOMPARE(ListedTitles(), QStringList{"Other folder"});
        }
        theDueStore.SetFolder(DataFolder(current));
    }

    void contextMenu()
    {
        UiTest::AddDue(UiTest::MakeDue("Only", QDateTime(QDate(2007, 1, 10), QTime(9, 0)), 1));
        m_frame = std::make_unique<CMainFrame>();
        m_frame->resize(1000, 700);
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        CTallyvaneView* view = m_frame->View();
        auto ids = [](QMenu* menu) {
            QList<int> out;
            for (QAction* a : menu->actions())
                out << a->data().toInt();
            delete menu;
            return out;
        };
        const QRect first = view->visualRect(view->Model()->index(0));
        QCOMPARE(first.height(), 30);
        QCOMPARE(ids(view->BuildContextMenu(view->viewport()->rect().bottomLeft() - QPoint(-5, 5))),
                 QList<int>{ID_DUE_NEW});
        QVERIFY(!view->SelectedDue());
        QCOMPARE(ids(view->BuildContextMenu(first.center())),
                 (QList<int>{ID_DUE_NEW, ID_DUE_MODIFY, ID_DUE_DELETE, 0, ID_MARK_PAID, ID_MARK_UNPAID}));
        QVERIFY(view->SelectedDue()); // the row under the pointer is marked first
    }

    void tabGoesRoundEveryPart_data()
    {
        QTest::addColumn<bool>("detailsShown");
        QTest::addColumn<int>("view");
        QTest::addColumn<QStringList>("round");
        QTest::newRow("all parts") << true << 0 << QStringList{"list",    "month",    "filter", "search",
                                                               "details", "pane:Add", "list"};
        QTest::newRow("hidden details are passed over")
            << false << 0 << QStringList{"list", "month", "filter", "search", "pane:Add", "list"};
        QTest::newRow("the calendar in the list's place")
            << true << int(ID_VIEW_CALENDAR)
            << QStringList{"calendar", "month", "filter", "search", "details", "pane:Add", "calendar"};
        QTest::newRow("Coming Up in the list's place")
            << true << int(ID_VIEW_COMING_UP)
            << QStringList{"coming up", "month", "filter", "search", "details", "pane:Add", "coming up"};
    }

    void tabGoesRoundEveryPart()
    {
        QFETCH(bool, detailsShown);
        QFETCH(int, view);
        QFETCH(QStringList, round);
        UiTest::AddDue(UiTest::MakeDue("Rent", QDateTime(QDate(2007, 1, 10), QTime(9, 0)), 1));
        m_frame = std::make_unique<CMainFrame>();
        if (!detailsShown)
            m_frame->OnCommand(ID_VIEW_DETAILS);
        ShowActive();
        QCOMPARE(FocusPart(), QStringLiteral("list")); // the keys move in the list from the start
        if (view)
            m_frame->OnCommand(view);
        QStringList forward{FocusPart()};
        for (int i = 1; i < round.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            forward << FocusPart();
        }
        QCOMPARE(forward, round);
        QStringList backward{FocusPart()};
        for (int i = 1; i < round.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            backward << FocusPart();
        }
        std::reverse(round.begin(), round.end());
        QCOMPARE(backward, round);
    }

    void navigationPaneArrows()
    {
        m_frame = std::make_unique<CMainFrame>();
        ShowActive();
        QSignalSpy commands(m_frame->OutlookView(), &CGuiOutLookView::commandRequested);
        m_frame->OutlookView()->FocusCurrentItem();
        QStringList seen{FocusPart()};
        const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down,
                                Qt::Key_Up,   Qt::Key_Up,   Qt::Key_End};
        for (Qt::Key key : keys) {
            QTest::keyClick(QApplication::focusWidget(), key);
            seen << FocusPart();
        }
        QCOMPARE(seen, (QStringList{"pane:Add", "pane:Modify", "pane:Delete", "pane:Refresh", "pane:Delete",
                                    "pane:Modify", "pane:Delete"}));
        // The focused item shows it: its look differs from an item without focus.
        QToolButton* focused = m_frame->OutlookView()->FocusedItem();
        QVERIFY(focused);
        const QImage withFocus = focused->grab().toImage();
        m_frame->View()->setFocus();
        QVERIFY(focused->grab().toImage() != withFocus);
        // Enter runs the item; Up from the first item opens the folder before.
        m_frame->OutlookView()->FocusItem(1, 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(FocusPart(), QStringLiteral("pane:Delete"));
        Prompt::SetNextAnswer(QMessageBox::No);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(commands.size(), 1);
        QCOMPARE(commands.at(0).at(0).toInt(), int(ID_DUE_DELETE));
    }

    void keysRunTheirCommands_data()
    {
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QStringList>("asked");
        const QDate jan(2007, 1, 31);
        const QStringList none;
        QTest::newRow("Ctrl+PgDown") << QKeySequence(Qt::CTRL | Qt::Key_PageDown) << QDate(2007, 2, 28)
                                     << "list" << none;
        QTest::newRow("Ctrl+PgUp") << QKeySequence(Qt::CTRL | Qt::Key_PageUp) << QDate(2006, 12, 31) << "list"
                                   << none;
        QTest::newRow("Alt+Right") << QKeySequence(Qt::ALT | Qt::Key_Right) << QDate(2007, 2, 28) << "list"
                                   << none;
        QTest::newRow("Alt+Left") << QKeySequence(Qt::ALT | Qt::Key_Left) << QDate(2006, 12, 31) << "list"
                                  << none;
        QTest::newRow("Delete asks the delete question")
            << QKeySequence(Qt::Key_Delete) << jan << "list"
            << QStringList{LoadResString(MessageId::ConfirmDelete)};
        QTest::newRow("Ctrl+D asks it too") << QKeySequence(Qt::CTRL | Qt::Key_D) << jan << "list"
                                            << QStringList{LoadResString(MessageId::ConfirmDelete)};
        QTest::newRow("Ctrl+F goes to the search")
            << QKeySequence(Qt::CTRL | Qt::Key_F) << jan << "search" << none;
        QTest::newRow("Down moves in the list, not the month")
            << QKeySequence(Qt::Key_Down) << jan << "list" << none;
    }

    void keysRunTheirCommands()
    {
        QFETCH(QKeySequence, key);
        QFETCH(QDate, shown);
        QFETCH(QString, focus);
        QFETCH(QStringList, asked);
        const QString id =
            UiTest::AddDue(UiTest::MakeDue("Rent", QDateTime(QDate(2007, 1, 10), QTime(9, 0)), 1));
        m_frame = std::make_unique<CMainFrame>();
        ShowActive();
        Select(id);
        Prompt::TakeShownTexts();
        Prompt::SetNextAnswer(QMessageBox::No);
        QTest::keySequence(QApplication::focusWidget(), key);
        QCOMPARE(ShownDate(), shown);
        QCOMPARE(FocusPart(), focus);
        QCOMPARE(Prompt::TakeShownTexts(), asked);
    }

    // Qt runs neither binding of a key bound twice (and says "Ambiguous
    // shortcut overload"): every key of the window is one action's, once.
    void noKeyIsBoundTwice()
    {
        m_frame = std::make_unique<CMainFrame>();
        QMap<QString, QString> owners; // key, action
        for (const QAction* action : m_frame->findChildren<QAction*>()) {
            const QString name =
                action->text().isEmpty() ? QString::number(action->data().toInt()) : action->text();
            for (const QKeySequence& key : action->shortcuts()) {
                const QString text = key.toString(QKeySequence::PortableText);
                QVERIFY2(!owners.contains(text),
                         qPrintable(QStringLiteral("%1 is bound to \"%2\" and to \"%3\"")
                                        .arg(text, owners.value(text), name)));
                owners.insert(text, name);
            }
        }
        QCOMPARE(owners.value(QStringLiteral("Ctrl+D")), m_frame->Action(ID_DUE_DELETE)->text());
        QCOMPARE(owners.value(QStringLiteral("Del")), m_frame->Action(ID_DUE_DELETE)->text());
    }

    // Undo and Redo have icons of their own, not Refresh's.
    void undoAndRedoHaveIconsOfTheirOwn()
    {
        m_frame = std::make_unique<CMainFrame>();
        const auto image = [&](int id) {
            return m_frame->Action(id)->icon().pixmap(QSize(16, 16)).toImage();
        };
        QVERIFY(image(ID_EDIT_UNDO) != image(ID_REFRESH));
        QVERIFY(image(ID_EDIT_REDO) != image(ID_REFRESH));
        QVERIFY(image(ID_EDIT_UNDO) != image(ID_EDIT_REDO));
    }

    // File > Import CSV is one action: Undo takes back exactly its dues and
    // nothing before it, Redo puts back the very bytes, and it ends what
    // could be redone.
    void importIsOneUndoableAction()
    {
        const QString rent =
            UiTest::AddDue(UiTest::MakeDue("Rent", QDateTime(QDate(2007, 1, 10), QTime(9, 0)), 500));
        const QString gas =
            UiTest::AddDue(UiTest::MakeDue("Gas", QDateTime(QDate(2007, 1, 12), QTime(9, 0)), 40));
        const QString folder = theDueStore.Folder().Path();
        const QString csv = m_dir->filePath(QStringLiteral("in.csv"));
        QFile f(csv);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Title,Start Date,Due Date,Pay To,Amount,Paid,Notes\r\n"
                "Stra\xc3\x9f"
                "e,2007-01-01,2007-01-15,City,12.5,Paid,\"two\r\nlines\"\r\n"
                "Water,,2007-01-20T18:00:00,,30,Unpaid,\r\nPhone,,2007-02-03,,9.99,,\r\n");
        f.close();
        m_frame = std::make_unique<CMainFrame>();
        ShowActive();
        m_frame->MarkDues({rent}, true);
        m_frame->MarkDues({gas}, true);
        m_frame->UndoLast();
        QVERIFY(m_frame->UndoHistory()->CanRedo());
        const QStringList beforeImport = Snapshot(folder);

        UiTest::WhenModal<CCsvImportDlg>(
            [](CCsvImportDlg* dlg) { dlg->findChild<QPushButton*>(QStringLiteral("import"))->click(); });
        Prompt::SetNextFileName(csv);
        m_frame->Action(ID_CSV_IMPORT)->trigger();
        QCOMPARE(theDueStore.GetCount(), 5);
        QCOMPARE(m_frame->UndoHistory()->UndoText(), QStringLiteral("Import CSV"));
        QVERIFY(!m_frame->Action(ID_EDIT_REDO)->isEnabled());
        const QStringList afterImport = Snapshot(folder);

        ShowActive(); // the keys' window again, after the preview
        QTest::keyClick(m_frame.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Snapshot(folder), beforeImport);
        QVERIFY(theDueStore.GetDue(rent).m_bPaid); // the change before stays
        QCOMPARE(ListedTitles(), (QStringList{"Rent", "Gas"}));
        QTest::keyClick(m_frame.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Snapshot(folder), afterImport);
        QCOMPARE(ListedTitles().size(), 4);
        QVERIFY(Prompt::TakeShownTexts().isEmpty());
    }

    void todayAndHelpKeys()
    {
        m_frame = std::make_unique<CMainFrame>();
        QCOMPARE(m_frame->Action(ID_HELP_CONTENTS)->shortcut(), QKeySequence(Qt::Key_F1));
        QVERIFY(m_frame->Action(ID_DUE_DELETE)->shortcuts().contains(QKeySequence(Qt::Key_Delete)));
        Show(QDate(2011, 6, 3));
        m_frame->Action(ID_TODAY)->trigger();
        QCOMPARE(ShownDate(), QDate(2007, 1, 31));
        QCOMPARE(m_frame->CurrentMonth().GetMonth(), 1);
    }

    // With long titles, at every screen size: the window keeps its size, the
    // docks and panes keep room, and the totals stay inside the window.
    void layoutHoldsWithLongTitles_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("640x480") << QSize(640, 480);
        QTest::newRow("800x600") << QSize(800, 600);
        QTest::newRow("1024x768") << QSize(1024, 768);
        QTest::newRow("1600x1000") << QSize(1600, 1000);
    }

    void layoutHoldsWithLongTitles()
    {
        QFETCH(QSize, size);
        const QString longTitle = QStringLiteral("Quarterly property tax instalment ").repeated(5).left(150);
        const QString longId = UiTest::AddDue(UiTest::MakeDue(
            longTitle, QDateTime(QDate(2007, 1, 10), QTime(0, 0)), 1234567.89, false, {}, longTitle));
        const QString shortId =
            UiTest::AddDue(UiTest::MakeDue("Rent", QDateTime(QDate(2007, 1, 11), QTime(0, 0)), 5));
        m_frame = std::make_unique<CMainFrame>();
        QVERIFY(m_frame->minimumSizeHint().width() <= 640);
        QVERIFY(m_frame->minimumSizeHint().height() <= 480);
        ShowActive(size);
        for (const QString& id : {longId, shortId, longId}) {
            Select(id);
            // Let every layout take in the new caption before measuring.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            QApplication::processEvents();
            QVERIFY(m_frame->minimumSizeHint().width() <= size.width());
            QCOMPARE(m_frame->size(), size);
            QVERIFY(m_frame->DetailsBar()->width() >= 180);
            QVERIFY(m_frame->OutlookView()->width() >= 110);
            QVERIFY(m_frame->View()->width() >= m_frame->View()->minimumWidth());
            QWidget* total =
                m_frame->StatusBar()->findChild<QWidget*>(QStringLiteral("pane%1").arg(ID_INDICATOR_TOTAL));
            QVERIFY(total);
            QVERIFY(total->mapTo(m_frame.get(), QPoint(total->width(), 0)).x() <= size.width());
        }
    }

    void selectionStaysAfterRefreshAndOutsideChanges()
    {
        const QString a = UiTest::AddDue(UiTest::MakeDue("A", QDateTime(QDate(2007, 1, 10), QTime(9, 0)), 1));
        const QString b = UiTest::AddDue(UiTest::MakeDue("B", QDateTime(QDate(2007, 1, 20), QTime(9, 0)), 1));
        m_frame = std::make_unique<CMainFrame>();
        Select(b);
        m_frame->OnCommand(ID_REFRESH);
        QCOMPARE(m_frame->View()->SelectedDue()->m_strRecId, b);
        // Another program adds a due before it: the list shows it within a
        // second, and B stays selected.
        CDueStore other;
        other.SetFolder(theDueStore.Folder());
        other.LoadAll();
        other.AddDue(UiTest::MakeDue("Early", QDateTime(QDate(2007, 1, 2), QTime(9, 0)), 1));
        QTRY_COMPARE_WITH_TIMEOUT(ListedTitles(), (QStringList{"Early", "A", "B"}), 1000);
        QCOMPARE(m_frame->View()->SelectedDue()->m_strRecId, b);
        QCOMPARE(m_frame->DetailsBar()->Value(0), QStringLiteral("B"));
        Q_UNUSED(a);
    }

    // Another installation rewrites the shown due's file where it stands
    // (same name, inode and size): the list, the Details bar and the sums
    // show it within a second.
    void inPlaceRewriteShowsInTheWindow()
    {
        const QString id =
            UiTest::AddDue(UiTest::MakeDue("Rent A", QDateTime(QDate(2007, 1, 10), QTime(9, 0)), 10));
        m_frame = std::make_unique<CMainFrame>();
        Select(id);
        DueRecord theirs = theDueStore.GetDue(id);
        theirs.m_strTitle = QStringLiteral("Rent B");
        theirs.m_dAmount = 20;
        theirs.m_bPaid = 1;
        const QByteArray bytes = DueFile::Serialize(theirs);
        QFile f(DataFile(id));
        QCOMPARE(bytes.size(), f.size());
        QVERIFY(f.open(QIODevice::ReadWrite)); // no truncation, no new inode
        QCOMPARE(f.write(bytes), bytes.size());
        f.close();
        QTRY_COMPARE_WITH_TIMEOUT(ListedTitles(), QStringList{"Rent B"}, 1000);
        QCOMPARE(m_frame->DetailsBar()->Value(0), QStringLiteral("Rent B"));
        QCOMPARE(m_frame->StatusBar()->PaneText(ID_INDICATOR_PAID),
                 "Paid : " + FormatCurrencyText(QStringLiteral("20.00"), QLocale()));
    }

    // The Modify sheet stays open while another program marks the due paid
    // or deletes it: OK writes nothing over that change, the question names
    // the file and both changes, and the window ends up showing what is on disk.
    void modifyLeftOpenWhileTheDueChangesElsewhere_data()
    {
        QTest::addColumn<bool>("deletedThere");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("titleAfter"); // null: the file is gone
        QTest::addColumn<bool>("paidAfter");
        QTest::newRow("paid there, apply on top") << false << int(QMessageBox::Save) << "Flat rent" << true;
        QTest::newRow("paid there, keep theirs") << false << int(QMessageBox::Discard) << "Rent" << true;
        QTest::newRow("paid there, cancel") << false << int(QMessageBox::Cancel) << "Rent" << true;
        QTest::newRow("deleted there, keep with my change")
            << true << int(QMessageBox::Save) << "Flat rent" << false;
        QTest::newRow("deleted there, leave it deleted")
            << true << int(QMessageBox::Discard) << QString() << false;
    }

    void modifyLeftOpenWhileTheDueChangesElsewhere()
    {
        QFETCH(bool, deletedThere);
        QFETCH(int, answer);
        QFETCH(QString, titleAfter);
        QFETCH(bool, paidAfter);
        const QString id =
            UiTest::AddDue(UiTest::MakeDue("Rent", QDateTime(QDate(2007, 1, 10), QTime(9, 0)), 10));
        const QString path = DataFile(id);
        m_frame = std::make_unique<CMainFrame>();
        Select(id);
        QString sheetName;
        QTimer::singleShot(0, this, [&] {
            auto* sheet = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!sheet)
                return;
            const auto close = qScopeGuard([sheet] { sheet->accept(); });
            sheetName = sheet->objectName();
            if (auto* title = sheet->findChild<QLineEdit*>(QStringLiteral("title")))
                title->setText(QStringLiteral("Flat rent"));
            CDueStore other;
            other.SetFolder(theDueStore.Folder());
            other.LoadAll();
            if (deletedThere) {
                (void)other.RemoveDue(id, true);
            } else {
                DueRecord r = other.GetDue(id);
                r.m_bPaid = 1;
                (void)other.ReplaceDue(r);
            }
            QTest::qWait(FolderWatcher::kDelayMs * 3); // the watcher had time to see it
        });
        Prompt::SetNextAnswer(QMessageBox::StandardButton(answer));
        m_frame->OnCommand(ID_DUE_MODIFY);
        QCOMPARE(sheetName, QStringLiteral("modifySheet"));

        const QStringList shown = Prompt::TakeShownTexts();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.first().contains(QDir::toNativeSeparators(path)), qPrintable(shown.first()));
        if (!deletedThere)
            QVERIFY2(shown.first().contains(QStringLiteral("Flat rent")) &&
                         shown.first().contains(QStringLiteral("Paid")),
                     qPrintable(shown.first()));
        if (titleAfter.isNull()) {
            QVERIFY(!QFile::exists(path));
            QVERIFY(!theDueStore.Contains(id));
            QTRY_COMPARE_WITH_TIMEOUT(ListedTitles(), QStringList(), 1000);
            return;
        }
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        DueRecord onDisk(Qt::Uninitialized);
        QString error;
        QVERIFY2(DueFile::Parse(f.readAll(), onDisk, &error), qPrintable(error));
        QCOMPARE(onDisk.m_strTitle, titleAfter);
        QCOMPARE(bool(onDisk.m_bPaid), paidAfter);
        QCOMPARE(theDueStore.GetDue(id), onDisk);
        QTRY_COMPARE_WITH_TIMEOUT(ListedTitles(), QStringList{titleAfter}, 1000);
    }

    void sortAndSearchFromTheWindow()
    {
        UiTest::AddDue(
            UiTest::MakeDue("Water", QDateTime(QDate(2007, 1, 5), QTime(9, 0)), 30.00, false, {}, "City"));
        UiTest::AddDue(UiTest::MakeDue("Rent", QDateTime(QDate(2007, 1, 1), QTime(9, 0)), 500.00, true));
        UiTest::AddDue(
            UiTest::MakeDue("Power", QDateTime(QDate(2007, 1, 9), QTime(9, 0)), 45.50, false, {}, "City"));
        m_frame = std::make_unique<CMainFrame>();
        QCOMPARE(ListedTitles(), (QStringList{"Rent", "Water", "Power"}));
        m_frame->Action(ID_SORT_TITLE)->trigger();
        QCOMPARE(ListedTitles(), (QStringList{"Power", "Rent", "Water"}));
        QVERIFY(m_frame->Action(ID_SORT_TITLE)->isChecked());
        QVERIFY(!m_frame->Action(ID_SORT_DUE_DATE)->isChecked());
        m_frame->Action(ID_SORT_AMOUNT)->trigger();
        QCOMPARE(ListedTitles(), (QStringList{"Water", "Power", "Rent"}));

        m_frame->ToolBar()->SearchField()->setText(QStringLiteral("city"));
        QCOMPARE(ListedTitles(), (QStringList{"Water", "Power"}));
        auto money = [](const char* v) { return FormatCurrencyText(QString::fromLatin1(v), QLocale()); };
        QCOMPARE(m_frame->StatusBar()->PaneText(ID_INDICATOR_TOTAL), "Total : " + money("75.50"));
        QCOMPARE(m_frame->StatusBar()->PaneText(ID_INDICATOR_PAID), "Paid : " + money("0.00"));
        // The search stays over a change of month and back.
        m_frame->OnCommand(ID_NEXT_MONTH);
        QCOMPARE(m_frame->View()->EmptyText(), QStringLiteral("No dues in this month"));
        m_frame->OnCommand(ID_PREV_MONTH);
        QCOMPARE(ListedTitles(), (QStringList{"Water", "Power"}));
        m_frame->ToolBar()->SearchField()->setText(QStringLiteral("gas"));
        QCOMPARE(m_frame->View()->EmptyText(), QStringLiteral("No dues of this month match the search"));
        m_frame->ToolBar()->SearchField()->clear();
        QCOMPARE(m_frame->View()->EmptyText(), QString());
    }

    // Right to left everything turns round together: the Details bar on the
    // left, the month arrows pointing the way they go, the rows' images on the
    // right, the sums of Coming Up from the right, the calendar's week too.
    void rightToLeftMirrorsEveryPart()
    {
        UiTest::AddDue(UiTest::MakeDue("Rent", QDateTime(QDate(2007, 1, 10), QTime(9, 0)), 1));
        QApplication::setLayoutDirection(Qt::RightToLeft);
        auto restore = qScopeGuard([] { QApplication::setLayoutDirection(Qt::LeftToRight); });
        m_frame = std::make_unique<CMainFrame>();
        ShowActive();
        auto globalX = [](const QWidget* w) { return w->mapToGlobal(QPoint(0, 0)).x(); };

        QVERIFY(globalX(m_frame->DetailsBar()) < globalX(m_frame->View()));
        QVERIFY(globalX(m_frame->View()) < globalX(m_frame->OutlookView()));

        CMainToolBar* bar = m_frame->ToolBar();
        QWidget* previous = bar->widgetForAction(m_frame->Action(ID_PREV_MONTH));
        QWidget* next = bar->widgetForAction(m_frame->Action(ID_NEXT_MONTH));
        QVERIFY(globalX(previous) > globalX(next));
        // Drawn arrows whatever the icon theme: the previous month's points right, as "next" does left to
        // right.
        const QImage previousArrow = m_frame->Action(ID_PREV_MONTH)->icon().pixmap(16).toImage();
        const QImage rightArrow =
            DrawnImages::ThemeIcon("go-next", DrawnImages::Glyph::NextMonth).pixmap(16).toImage();
        QCOMPARE(previousArrow, rightArrow);

        // The row's image: where it stands left to right, mirrored.
        CTallyvaneView* view = m_frame->View();
        const QRect row = view->visualRect(view->Model()->index(0));
        const QImage shown = view->viewport()->grab(row).toImage();
        view->setLayoutDirection(Qt::LeftToRight);
        const QImage leftToRight =
            view->viewport()->grab(view->visualRect(view->Model()->index(0))).toImage();
        // Inside the dotted focus frame, whose dots fall differently at the two ends.
        const int dpr = int(shown.devicePixelRatio());
        auto image = [dpr](const QImage& row, int x) {
            return row.copy(x * dpr, 3 * dpr, 32 * dpr, 24 * dpr);
        };
        QCOMPARE(image(shown, row.width() - 10 - 32), image(leftToRight, 10));
        QVERIFY(image(shown, 10) != image(leftToRight, 10));
        view->setLayoutDirection(Qt::RightToLeft);

        m_frame->OnCommand(ID_VIEW_COMING_UP);
        QWidget* sums = m_frame->ComingUpView()->SumsLine();
        QWidget* overdue = sums->findChild<QLabel*>(QStringLiteral("ComingUpOverdue"));
        QWidget* month = sums->findChild<QLabel*>(QStringLiteral("ComingUpNext30"));
        QVERIFY(globalX(overdue) > globalX(month));

        m_frame->OnCommand(ID_VIEW_CALENDAR);
        CCalendarView* calendar = m_frame->CalendarView();
        const QDate first = calendar->Grid().FirstShown();
        QVERIFY(calendar->DayRect(first).left() > calendar->DayRect(first.addDays(1)).left());
    }

    // The window opens with the keys in the list, and shows it: the first row
    // is marked as where the keys are, without being selected.
    void focusShowsFromTheStart()
    {
        UiTest::AddDue(UiTest::MakeDue("Rent", QDateTime(QDate(2007, 1, 10), QTime(9, 0)), 1));
        UiTest::AddDue(UiTest::MakeDue("Gas", QDateTime(QDate(2007, 1, 12), QTime(9, 0)), 2));
        m_frame = std::make_unique<CMainFrame>();
        ShowActive();
        QCOMPARE(FocusPart(), QStringLiteral("list"));
        CTallyvaneView* view = m_frame->View();
        QCOMPARE(view->currentIndex().row(), 0);
        QVERIFY(!view->SelectedDue());
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(view->SelectedDue()->m_strTitle, QStringLiteral("Gas"));
    }

    // Finish gives the keys to the new due, wherever New came from: from the
    // navigation pane they stayed there, where Space runs "Synchronize".
    void afterFinishTheKeysAreOnTheNewDue_data()
    {
        QTest::addColumn<int>("view");
        QTest::addColumn<QString>("focus");
        QTest::newRow("list") << 0 << "list";
        QTest::newRow("calendar") << int(ID_VIEW_CALENDAR) << "calendar";
    }

    void afterFinishTheKeysAreOnTheNewDue()
    {
        QFETCH(int, view);
        QFETCH(QString, focus);
        UiTest::AddDue(UiTest::MakeDue("Rent", QDateTime(QDate(2007, 1, 10), QTime(9, 0)), 1));
        m_frame = std::make_unique<CMainFrame>();
        ShowActive();
        if (view)
            m_frame->OnCommand(view);
        m_frame->OutlookView()->FocusCurrentItem();
        QCOMPARE(FocusPart(), QStringLiteral("pane:Add"));
        UiTest::WhenModal<QWizard>([](QWizard* wizard) {
            wizard->findChild<QLineEdit*>(QStringLiteral("title"))->setText(QStringLiteral("Insurance"));
            wizard->findChild<QDateTimeEdit*>(QStringLiteral("dueDate"))
                ->setDateTime(QDateTime(QDate(2007, 1, 20), QTime(12, 0)));
            wizard->button(QWizard::NextButton)->click();
            wizard->button(QWizard::FinishButton)->click();
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        // Offscreen, nothing gives the window back its activation after the wizard.
        QApplication::setActiveWindow(m_frame.get());
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        QCOMPARE(FocusPart(), focus);
        const QString added = m_frame->View()->SelectedDue()->m_strRecId;
        QCOMPARE(theDueStore.GetDue(added).m_strTitle, QStringLiteral("Insurance"));
        if (view)
            QCOMPARE(m_frame->CalendarView()->SelectedId(), added);
    }

    void newDueShowsItsMonthSelected()
    {
        m_frame = std::make_unique<CMainFrame>();
        const QDateTime due(QDate(2007, 5, 20), QTime(12, 0));
        UiTest::WhenModal<QWizard>([due](QWizard* wizard) {
            wizard->findChild<QLineEdit*>(QStringLiteral("title"))->setText(QStringLiteral("Insurance"));
            wizard->findChild<QDateTimeEdit*>(QStringLiteral("dueDate"))->setDateTime(due);
            wizard->button(QWizard::NextButton)->click();
            wizard->button(QWizard::FinishButton)->click();
        });
        m_frame->OnCommand(ID_DUE_NEW);
        QCOMPARE(ShownDate().month(), 5);
        QCOMPARE(m_frame->CurrentMonth().GetMonth(), 5);
        const auto selected = m_frame->View()->SelectedDue();
        QVERIFY(selected);
        QCOMPARE(selected->m_strTitle, QStringLiteral("Insurance"));
    }

    void refreshWhenTheWorkingDirectoryIsGone()
    {
        QTemporaryDir gone;
        UiTest::UseWorkDir(gone.path() + QStringLiteral("/bills"));
        m_frame = std::make_unique<CMainFrame>();
        QVERIFY(QDir(gone.path() + QStringLiteral("/bills")).removeRecursively());
        bool dialogShown = false;
        UiTest::WhenModal<CWorkDirDlg>([&](CWorkDirDlg* dlg) {
            dialogShown = true;
            dlg->reject();
        });
        m_frame->OnCommand(ID_REFRESH);
        QVERIFY(dialogShown);
        QCOMPARE(Prompt::TakeShownTexts(), QStringList{LoadResString(MessageId::WorkingDirectoryGone)});
        QVERIFY(!QFileInfo::exists(gone.path() + QStringLiteral("/bills"))); // not made again
        UiTest::UseWorkDir(m_dir->path());
    }

    void windowStateIsRemembered()
    {
        QSettings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane")).clear();
        m_frame = std::make_unique<CMainFrame>();
        QVERIFY(!FrameSettings::Restore(*m_frame)); // first start: nothing to restore
        m_frame->resize(700, 450); // within the offscreen screen: a larger place is fitted to it
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        Show(QDate(2008, 11, 5));
        m_frame->ToolBar()->FilterBox()->setCurrentIndex(2);
        m_frame->Action(ID_SORT_PAYEE)->trigger();
        m_frame->Splitter()->setSizes({190, 500});
        const QList<int> sizes = m_frame->Splitter()->sizes();
        m_frame->close();
        m_frame.reset();

        m_frame = std::make_unique<CMainFrame>();
        QVERIFY(FrameSettings::Restore(*m_frame));
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        QCOMPARE(m_frame->size(), QSize(700, 450));
        QCOMPARE(ShownDate(), QDate(2008, 11, 30)); // the month as left, on today's day where it has one
        QCOMPARE(m_frame->CurrentMonth().GetMonth(), 11);
        QCOMPARE(m_frame->ToolBar()->FilterBox()->currentIndex(), 2);
        QCOMPARE(m_frame->Sort(), DueSort::Payee);
        QVERIFY(m_frame->Action(ID_SORT_PAYEE)->isChecked());
        QCOMPARE(m_frame->Splitter()->sizes().first(), sizes.first());
        QSettings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane")).clear();
    }

    // The close button hides the window in the tray only where there is one
    // and the user wants it; File > Exit and the tray's Quit always end it.
    void closingWithATray_data()
    {
        QTest::addColumn<bool>("tray");
        QTest::addColumn<bool>("keep");
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("ends");
        QTest::newRow("close button, kept in the tray") << true << true << "close" << false;
        QTest::newRow("close button, not kept") << true << false << "close" << true;
        QTest::newRow("close button, no tray") << false << true << "close" << true;
        QTest::newRow("File > Exit, kept in the tray") << true << true << "exit" << true;
        QTest::newRow("File > Exit, no tray") << false << true << "exit" << true;
        QTest::newRow("the tray's Quit") << true << true << "quit" << true;
    }

    void closingWithATray()
    {
        QFETCH(bool, tray);
        QFETCH(bool, keep);
        QFETCH(QString, how);
        const CTrayIcon::TrayCheck previous = CTrayIcon::SetTrayCheck([tray](bool, bool) { return tray; });
        ReminderSettings::SetKeepInTray(keep);
        // A window that really closes is deleted; one in the tray lives on.
        QPointer<CMainFrame> frame = new CMainFrame;
        const auto restore = qScopeGuard([&] {
            delete frame.data();
            CTrayIcon::SetTrayCheck(previous);
            ReminderSettings::SetKeepInTray(false);
        });
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.data()));
        QTRY_COMPARE(frame->Tray()->Available(), tray); // once the session bus has answered
        if (how == QLatin1String("exit"))
            frame->OnCommand(ID_APP_EXIT);
        else if (how == QLatin1String("quit"))
            frame->Tray()->Menu()->actions().constLast()->trigger();
        else
            frame->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTEST(frame.isNull(), "ends");
        if (frame)
            QVERIFY(frame->isHidden());
    }

    // Open from the tray and from a notification brings the window back as
    // it was: maximised stays maximised, minimised comes back.
    void openFromTheTrayKeepsTheWindowState()
    {
        const CTrayIcon::TrayCheck previous = CTrayIcon::SetTrayCheck([](bool, bool) { return true; });
        ReminderSettings::SetKeepInTray(true);
        const auto restore = qScopeGuard([&] {
            CTrayIcon::SetTrayCheck(previous);
            ReminderSettings::SetKeepInTray(false);
        });
        m_frame = std::make_unique<CMainFrame>();
        m_frame->showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        QTRY_VERIFY(m_frame->Tray()->Available());
        QVERIFY(!m_frame->close());
        QVERIFY(m_frame->isHidden());
        QAction* open = m_frame->Tray()->Menu()->actions().constFirst();
        open->trigger();
        QVERIFY(m_frame->isVisible());
        QVERIFY(m_frame->isMaximized());
        m_frame->showMinimized();
        open->trigger();
        QVERIFY(!m_frame->isMinimized());
        QVERIFY(m_frame->isMaximized());
        m_frame->showMinimized();
        m_frame->OpenDue(QString()); // a notification's Open of a due gone meanwhile
        QVERIFY(!m_frame->isMinimized());
        QVERIFY(m_frame->isMaximized());
    }

    // What the window keeps for the next start is what the user saw: a window
    // that waited in the tray and was never opened keeps nothing.
    void onlyAShownWindowIsRemembered_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("never shown") << false;
        QTest::newRow("shown") << true;
    }

    void onlyAShownWindowIsRemembered()
    {
        QFETCH(bool, shown);
        QSettings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane")).clear();
        const CTrayIcon::TrayCheck previous = CTrayIcon::SetTrayCheck([](bool, bool) { return true; });
        const auto restore = qScopeGuard([&] { CTrayIcon::SetTrayCheck(previous); });
        m_frame = std::make_unique<CMainFrame>();
        FrameSettings::PlaceAsNew(*m_frame);
        if (shown) {
            m_frame->Tray()->Menu()->actions().constFirst()->trigger(); // Open
            QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        }
        m_frame->Tray()->Menu()->actions().constLast()->trigger(); // Quit
        const QSettings settings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane"));
        QCOMPARE(settings.contains(QStringLiteral("Window/Geometry")), shown);
        QCOMPARE(settings.contains(QStringLiteral("Window/Month")), shown);
        QSettings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane")).clear();
    }

    // The login entry starts the program on the folder in use: a change of
    // working directory rewrites it, and never makes one that was not there.
    void loginEntryFollowsTheWorkingDirectory_data()
    {
        QTest::addColumn<bool>("atLogin");
        QTest::newRow("start at login") << true;
        QTest::newRow("no start at login") << false;
    }

    void loginEntryFollowsTheWorkingDirectory()
    {
        QFETCH(bool, atLogin);
        LoginAutostart::SetLauncher(QStringLiteral("/opt/tv/bin/tallyvane"));
        QString why;
        ReminderSettings::SetStartAtLogin(atLogin);
        QVERIFY(atLogin ? LoginAutostart::Enable(theDueStore.Folder().WorkDir(), &why)
                        : LoginAutostart::Disable(&why));
        const QString current = theDueStore.Folder().WorkDir();
        const auto restore = qScopeGuard([&] {
            QString ignored;
            (void)LoginAutostart::Disable(&ignored);
            ReminderSettings::SetStartAtLogin(false);
            LoginAutostart::SetLauncher(QString());
            theDueStore.SetFolder(DataFolder(current));
        });
        m_frame = std::make_unique<CMainFrame>();
        QTemporaryDir other(QDir::tempPath() + QStringLiteral("/other bills XXXXXX"));
        UiTest::WhenModal<CWorkDirDlg>([&other](CWorkDirDlg* dlg) {
            Prompt::SetNextFileName(other.path());
            dlg->OnBrowse();
            dlg->OnOK();
        });
        m_frame->OnCommand(ID_CHANGE_WORKDIR);
        QCOMPARE(theDueStore.Folder().WorkDir(), other.path());
        QCOMPARE(LoginAutostart::IsEnabled(), atLogin);
        if (atLogin) {
            QFile entry(LoginAutostart::EntryPath());
            QVERIFY(entry.open(QIODevice::ReadOnly));
            QCOMPARE(entry.readAll(),
                     LoginAutostart::EntryText(QStringLiteral("/opt/tv/bin/tallyvane"), other.path()));
        }
        QCOMPARE(Prompt::TakeShownTexts(), QStringList());
    }

    void synchronizeWithoutManagerDoesNothing()
    {
        m_frame = std::make_unique<CMainFrame>();
        QStringList started;
        auto previous = CSyncLauncher::SetStarter([&](const QString& program, const QStringList& args) {
            started << program + ' ' + args.join(' ');
            return true;
        });
        QSettings native(QSettings::NativeFormat, QSettings::UserScope, "Microsoft", "Windows");
        const auto restore = qScopeGuard([&] {
            native.remove("CurrentVersion");
            CSyncLauncher::SetStarter(previous);
        });
        m_frame->OnCommand(ID_SYNCHRONIZE);
        QCOMPARE(started, QStringList());
        native.setValue("CurrentVersion/App Paths/WCESMGR.EXE/Default", "/opt/sync/wcesmgr");
        native.sync();
        m_frame->OnCommand(ID_SYNCHRONIZE);
        QCOMPARE(started, QStringList{"/opt/sync/wcesmgr /show /syncnow"});
        QCOMPARE(Prompt::TakeShownTexts(), QStringList());
    }

    void helpOpensThePageBesideTheProgram()
    {
        m_frame = std::make_unique<CMainFrame>();
        QStringList opened;
        auto previous = SetShellOpenHandler([&](const QString& path) {
            opened << path;
            return true;
        });
        const QString before = QDir::currentPath();
        const auto restore = qScopeGuard([&] {
            QDir::setCurrent(before);
            SetShellOpenHandler(previous);
        });
        QDir::setCurrent(QDir::tempPath()); // wherever the current folder is
        m_frame->OnCommand(ID_HELP_CONTENTS);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.first(), GetDataFilePath(QStringLiteral("tlvhelp.html")));
        QFile page(opened.first());
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.readAll().contains("<title>Tallyvane Help</title>"));
    }
};

QTEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
