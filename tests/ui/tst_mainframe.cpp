// The main window, offscreen: month stepping, filter and totals, the details
// bar, the navigation pane, Delete with its questions, Refresh, and the change
// of working directory.

#include "UiTestSupport.h"

#include "model/AppPaths.h"
#include "model/MessageTexts.h"
#include "platform/ShellOpen.h"
#include "ui/CDetailsBar.h"
#include "ui/CFilterCombo.h"
#include "ui/CMainFrame.h"
#include "ui/CMainToolBar.h"
#include "ui/CMonthPicker.h"
#include "ui/COutlookView.h"
#include "ui/CSyncLauncher.h"
#include "ui/CTallyvaneView.h"
#include "ui/CWorkDirDlg.h"
#include "ui/CommandIds.h"
#include "ui/DueActionIds.h"
#include "ui/DueListModel.h"
#include "ui/ExportCommands.h"
#include "ui/skinui/CGuiMiniTool.h"
#include "ui/skinui/CGuiOutLook.h"
#include "ui/skinui/CGuiStatusBar.h"
#include "ui/skinui/GuiCapOutBar.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

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
    }

    void cleanup()
    {
        m_frame.reset();
        QDir dir(theDueStore.Folder().Path());
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_dir.reset();
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
        const QList<QList<int>> folders{{ID_DUE_NEW, ID_DUE_MODIFY, ID_DUE_DELETE},
                                        {ID_REFRESH, ID_SYNCHRONIZE, ID_CHANGE_WORKDIR},
                                        {ID_EXCEL_NOTES, ID_WORD_NOTES, ID_HTML_NOTES, ID_PDF_NOTES},
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

    void everyExportMenuItemIsAKnownCommand()
    {
        m_frame = std::make_unique<CMainFrame>();
        QMenu* exportMenu = nullptr;
        for (QAction* a : m_frame->menuBar()->actions()) {
            if (a->text() == QStringLiteral("&Export"))
                exportMenu = a->menu();
        }
        QVERIFY(exportMenu);
        QSet<int> seen;
        for (QAction* sub : exportMenu->actions()) {
            QVERIFY(sub->menu());
            for (QAction* item : sub->menu()->actions()) {
                const int id = item->data().toInt();
                const ExportCommands::Command* command = ExportCommands::Find(id);
                QVERIFY2(command, qPrintable(item->text()));
                QCOMPARE(command->withNotes, !item->text().contains(QStringLiteral("Without")));
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
        // The list is refilled in every case, also after No and Cancel.
        QCOMPARE(ListedTitles().size(), left);
        QVERIFY(!m_frame->View()->SelectedDue());
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
        QCOMPARE(opened.first(), GetModuleFilePath(QStringLiteral("tlvhelp.html")));
        QFile page(opened.first());
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.readAll().contains("<title>Tallyvane Help</title>"));
    }
};

QTEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
