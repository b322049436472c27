#include "ui/frame/CMainFrame.h"

#include "export/DueCsv.h"
#include "model/base/Clock.h"
#include "model/base/LocaleFormat.h"
#include "model/base/MessageTexts.h"
#include "model/services/DeletionMemory.h"
#include "model/services/FolderWatcher.h"
#include "model/store/CDueStore.h"
#include "model/store/DueStoreLoader.h"
#include "ui/calendar/CCalendarView.h"
#include "ui/comingup/CComingUpView.h"
#include "ui/dialogs/CAboutDlg.h"
#include "ui/dialogs/CCsvImportDlg.h"
#include "ui/dialogs/CWorkDirDlg.h"
#include "ui/dialogs/ChangeProgressWindow.h"
#include "ui/dialogs/Prompt.h"
#include "ui/editor/DueEditFlows.h"
#include "ui/export/ExportCommands.h"
#include "ui/frame/AfterFirstPaint.h"
#include "ui/frame/CDetailsBar.h"
#include "ui/frame/CDetailsList.h"
#include "ui/frame/CFilterCombo.h"
#include "ui/frame/CMainToolBar.h"
#include "ui/frame/CMonthPicker.h"
#include "ui/frame/COutlookView.h"
#include "ui/frame/CSyncLauncher.h"
#include "ui/frame/CommandIds.h"
#include "ui/frame/DueActionIds.h"
#include "ui/frame/FrameSettings.h"
#include "ui/frame/HelpFile.h"
#include "ui/frame/ToolTipText.h"
#include "ui/frame/WindowFocus.h"
#include "ui/images/DrawnImages.h"
#include "ui/images/LoadImageList.h"
#include "ui/list/CTallyvaneView.h"
#include "ui/list/DueListModel.h"
#include "ui/reminders/ReminderCenter.h"
#include "ui/reports/CReportsView.h"
#include "ui/skinui/CGuiMiniTool.h"
#include "ui/skinui/CGuiStatusBar.h"
#include "ui/skinui/GuiCapOutBar.h"
#include "ui/skinui/GuiDrawLayer.h"
#include "ui/sync/SyncCenter.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QScopeGuard>
#include <QScreen>
#include <QSet>
#include <QSettings>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace {

using DrawnImages::Glyph;

// The texts are translated in CMainFrame's context, where the actions are made.
struct CommandInfo
{
    int id;
    const char* text;     // menu text
    const char* shortcut; // empty: none
    const char* prompt;   // status-bar text
    const char* tip;      // tool tip
    const char* theme;    // icon theme name, or null for no icon
    Glyph glyph;
};

const CommandInfo kCommands[] = {
    {ID_DUE_NEW, QT_TRANSLATE_NOOP("CMainFrame", "&New"), "Ctrl+N",
     QT_TRANSLATE_NOOP("CMainFrame", "New Due "), QT_TRANSLATE_NOOP("CMainFrame", " New Due"), "document-new",
     Glyph::New},
    {ID_DUE_MODIFY, QT_TRANSLATE_NOOP("CMainFrame", "&Modify"), "Ctrl+M",
     QT_TRANSLATE_NOOP("CMainFrame", "Modify Due "), QT_TRANSLATE_NOOP("CMainFrame", " Modify Due"),
     "document-properties", Glyph::Modify},
    {ID_DUE_DELETE, QT_TRANSLATE_NOOP("CMainFrame", "&Delete"), "Ctrl+D",
     QT_TRANSLATE_NOOP("CMainFrame", "Delete Due "), QT_TRANSLATE_NOOP("CMainFrame", " Delete Due"),
     "edit-delete", Glyph::Delete},
    {ID_FILE_PRINT, QT_TRANSLATE_NOOP("CMainFrame", "&Print"), "Ctrl+P",
     QT_TRANSLATE_NOOP("CMainFrame", "Print Dues "), QT_TRANSLATE_NOOP("CMainFrame", " Print Dues "),
     "document-print", Glyph::Print},
    {ID_APP_EXIT, QT_TRANSLATE_NOOP("CMainFrame", "E&xit"), "",
     QT_TRANSLATE_NOOP("CMainFrame", "Quit the application; prompts to save documents"),
     QT_TRANSLATE_NOOP("CMainFrame", "Exit"), nullptr, Glyph::New},
    {ID_VIEW_DETAILS, QT_TRANSLATE_NOOP("CMainFrame", "&Details Window"), "",
     QT_TRANSLATE_NOOP("CMainFrame", "Show\\Hide Detail Window"),
     QT_TRANSLATE_NOOP("CMainFrame", "Toggle Detail Window"), nullptr, Glyph::Details},
    {ID_SYNCHRONIZE, QT_TRANSLATE_NOOP("CMainFrame", "&Synchronize"), "",
     QT_TRANSLATE_NOOP("CMainFrame", "Synchronize"), QT_TRANSLATE_NOOP("CMainFrame", "Synchronize"), nullptr,
     Glyph::Sync},
    {ID_EXCEL_NOTES, QT_TRANSLATE_NOOP("CMainFrame", "With &Notes"), "",
     QT_TRANSLATE_NOOP("CMainFrame", "Export to Excel With Notes "),
     QT_TRANSLATE_NOOP("CMainFrame", " Export to Excel With Notes"), "x-office-spreadsheet", Glyph::Excel},
    {ID_EXCEL_NO_NOTES, QT_TRANSLATE_NOOP("CMainFrame", "With&out Notes"), "",
     QT_TRANSLATE_NOOP("CMainFrame", "Export to Excel Without Notes "),
     QT_TRANSLATE_NOOP("CMainFrame", " Export to Excel Without Notes"), nullptr, Glyph::Excel},
    {ID_WORD_NOTES, QT_TRANSLATE_NOOP("CMainFrame", "With &Notes"), "",
     QT_TRANSLATE_NOOP("CMainFrame", "Export to Word With Notes "),
     QT_TRANSLATE_NOOP("CMainFrame", " Export to Word With Notes"), "x-office-document", Glyph::Word},
    {ID_WORD_NO_NOTES, QT_TRANSLATE_NOOP("CMainFrame", "With&out Notes"), "",
     QT_TRANSLATE_NOOP("CMainFrame", "Export to Word Without Notes "),
     QT_TRANSLATE_NOOP("CMainFrame", " Export to Word Without Notes"), nullptr, Glyph::Word},
    {ID_HTML_NOTES, QT_TRANSLATE_NOOP("CMainFrame", "With &Notes"), "",
     QT_TRANSLATE_NOOP("CMainFrame", "Export to HTML With Notes "),
     QT_TRANSLATE_NOOP("CMainFrame", " Export to HTML With Notes"), "text-html", Glyph::Html},
    {ID_HTML_NO_NOTES, QT_TRANSLATE_NOOP("CMainFrame", "With&out Notes"), "",
     QT_TRANSLATE_NOOP("CMainFrame", "Export to HTML Without Notes "),
     QT_TRANSLATE_NOOP("CMainFrame", " Export to HTML Without Notes"), nullptr, Glyph::Html},
    {ID_PDF_NOTES, QT_TRANSLATE_NOOP("CMainFrame", "With &Notes"), "",
     QT_TRANSLATE_NOOP("CMainFrame", "Export to PDF With Notes "),
     QT_TRANSLATE_NOOP("CMainFrame", " Export to PDF  With Notes"), "application-pdf", Glyph::Pdf},
    {ID_PDF_NO_NOTES, QT_TRANSLATE_NOOP("CMainFrame", "With&out Notes"), "",
     QT_TRANSLATE_NOOP("CMainFrame", "Export to PDF Without Notes "),
     QT_TRANSLATE_NOOP("CMainFrame", " Export to PDF  Without Notes"), nullptr, Glyph::Pdf},
    {ID_CHANGE_WORKDIR, QT_TRANSLATE_NOOP("CMainFrame", "Change &Working Directory"), "",
     QT_TRANSLATE_NOOP("CMainFrame", "Change Directory "),
     QT_TRANSLATE_NOOP("CMainFrame", " Change Directory"), "folder", Glyph::Folder},
    {ID_REFRESH, QT_TRANSLATE_NOOP("CMainFrame", "&Refresh"), "F5",
     QT_TRANSLATE_NOOP("CMainFrame", "Refresh"), QT_TRANSLATE_NOOP("CMainFrame", "Refresh"), "view-refresh",
     Glyph::Refresh},
    {ID_APP_ABOUT, QT_TRANSLATE_NOOP("CMainFrame", "&About Tallyvane..."), "",
     QT_TRANSLATE_NOOP("CMainFrame", "Display program information, version number and copyright"),
     QT_TRANSLATE_NOOP("CMainFrame", "About"), "help-about", Glyph::About},
    {ID_HELP_CONTENTS, QT_TRANSLATE_NOOP("CMainFrame", "&Help Contents"), "F1",
     QT_TRANSLATE_NOOP("CMainFrame", "Help "), QT_TRANSLATE_NOOP("CMainFrame", " Help"), "help-contents",
     Glyph::Help},
    {ID_PREV_MONTH, QT_TRANSLATE_NOOP("CMainFrame", "&Previous Month"), "Ctrl+PgUp",
     QT_TRANSLATE_NOOP("CMainFrame", "Goto Previous Month "),
     QT_TRANSLATE_NOOP("CMainFrame", " Goto Previous Month"), "go-previous", Glyph::PrevMonth},
    {ID_NEXT_MONTH, QT_TRANSLATE_NOOP("CMainFrame", "&Next Month"), "Ctrl+PgDown",
     QT_TRANSLATE_NOOP("CMainFrame", "Goto Next Month "), QT_TRANSLATE_NOOP("CMainFrame", " Goto Next Month"),
     "go-next", Glyph::NextMonth},
    {ID_TODAY, QT_TRANSLATE_NOOP("CMainFrame", "&Today"), "Ctrl+T",
     QT_TRANSLATE_NOOP("CMainFrame", "Show the current month"), QT_TRANSLATE_NOOP("CMainFrame", "Today"),
     "go-jump-today", Glyph::Calendar},
    {ID_FIND, QT_TRANSLATE_NOOP("CMainFrame", "&Find..."), "Ctrl+F",
     QT_TRANSLATE_NOOP("CMainFrame", "Search the shown month"), QT_TRANSLATE_NOOP("CMainFrame", "Find"),
     "edit-find", Glyph::Filter},
    // Calendar, iCalendar and CSV.
    {ID_VIEW_CALENDAR, QT_TRANSLATE_NOOP("CMainFrame", "C&alendar"), "Ctrl+K",
     QT_TRANSLATE_NOOP("CMainFrame", "Show the month as a calendar"),
     QT_TRANSLATE_NOOP("CMainFrame", "Calendar"), "x-office-calendar", Glyph::Calendar},
    {ID_ICAL_EXPORT, QT_TRANSLATE_NOOP("CMainFrame", "&iCalendar..."), "",
     QT_TRANSLATE_NOOP("CMainFrame", "Export the listed dues to an iCalendar file"),
     QT_TRANSLATE_NOOP("CMainFrame", " Export to iCalendar"), "text-calendar", Glyph::Calendar},
    {ID_CSV_EXPORT, QT_TRANSLATE_NOOP("CMainFrame", "&CSV..."), "",
     QT_TRANSLATE_NOOP("CMainFrame", "Export the listed dues to a CSV file"),
     QT_TRANSLATE_NOOP("CMainFrame", " Export to CSV"), "text-csv", Glyph::Bill},
    {ID_CSV_IMPORT, QT_TRANSLATE_NOOP("CMainFrame", "&Import CSV..."), "",
     QT_TRANSLATE_NOOP("CMainFrame", "Add dues from a CSV file"),
     QT_TRANSLATE_NOOP("CMainFrame", " Import CSV"), "document-import", Glyph::Bill},
};

// Further keys of a command, beside the one the menu shows: Delete deletes
// like Ctrl+D, and the desktop's Back and Forward keys (Alt+Left and
// Alt+Right) step the month as Ctrl+PgUp and Ctrl+PgDown do.
const std::pair<int, QKeySequence::StandardKey> kMoreKeys[] = {
    {ID_DUE_DELETE, QKeySequence::Delete},
    {ID_PREV_MONTH, QKeySequence::Back},
    {ID_NEXT_MONTH, QKeySequence::Forward},
};

struct SortCommand
{
    int id;
    DueSort sort;
    const char* text;
};
const SortCommand kSortCommands[] = {
    {ID_SORT_DUE_DATE, DueSort::DueDate, QT_TRANSLATE_NOOP("CMainFrame", "By &Due Date")},
    {ID_SORT_AMOUNT, DueSort::Amount, QT_TRANSLATE_NOOP("CMainFrame", "By &Amount")},
    {ID_SORT_TITLE, DueSort::Title, QT_TRANSLATE_NOOP("CMainFrame", "By &Title")},
    {ID_SORT_PAYEE, DueSort::Payee, QT_TRANSLATE_NOOP("CMainFrame", "By &Pay To")},
};

} // namespace

CMainFrame::CMainFrame(QWidget* parent) : CGuiFrameWnd(parent)
{
    setObjectName(QStringLiteral("MainFrame"));
    setWindowTitle(LoadResString(MessageId::AppTitle));
    setWindowIcon(DrawnImages::AppIcon());

    CreateActions();
    CreateMenus();

    m_toolBar = new CMainToolBar(m_actions, this);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    connect(m_toolBar->MonthPicker(), &CMonthPicker::userDateChanged, this, &CMainFrame::RefreshMonth);
    connect(m_toolBar->FilterBox(), &QComboBox::currentIndexChanged, this, &CMainFrame::RefreshMonth);

    CreateStatusBar();

    m_details = new CDetailsBar(this);
    // The Details bar follows the list, on the side where a line ends.
    addDockWidget(layoutDirection() == Qt::RightToLeft ? Qt::LeftDockWidgetArea : Qt::RightDockWidgetArea,
                  m_details);
    EnableDocking(Qt::AllDockWidgetAreas);
    connect(m_details, &QDockWidget::visibilityChanged, this,
            [this] { m_actions.value(ID_VIEW_DETAILS)->setChecked(!m_details->isHidden()); });

    CreateClient();
    CreateCalendar();
    InstallDueFeatures(); // Coming Up, paying, undo, reminders: CMainFrameDues.cpp
    InstallReports();     // CMainFrameReports.cpp
    InstallConflicts();   // CMainFrameConflicts.cpp
    InstallSync();        // CMainFrameSync.cpp
    // The folders not open at the start get their items once the window is up.
    AfterFirstPaint::Run(this, [outlook = m_outlook] { outlook->BuildAllItems(); });
    StyleDispl(GuiDrawLayer::kStyleBlue);
    m_details->SetStyle(GuiDrawLayer::kStyleBlue);

    connect(m_toolBar->SearchField(), &QLineEdit::textChanged, this, [this](const QString& text) {
        m_view->SetSearch(text);
        ShowTotals();
    });

    // Changes another program makes in the data folder show without F5.
    m_watcher = new FolderWatcher(theDueStore, this);
    connect(m_watcher, &FolderWatcher::changed, this, &CMainFrame::RefreshMonth);
    connect(m_watcher, &FolderWatcher::changed, this, [this] {
        DuesChangedHere(); // reminders and the calendar sync look again
        AskAboutReturnedDues();
    });
    m_watcher->Watch();

    CreateFocusRing();
    resize(1100, 720);
    resizeDocks({m_details}, {300}, Qt::Horizontal);
    RefreshMonth();
    m_view->setFocus(Qt::OtherFocusReason); // the keys move in the list from the start
}

CMainFrame::~CMainFrame()
{
    // The bars and views die after this object's members; nothing they signal
    // while closing may reach the frame any more.
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
}

void CMainFrame::CreateActions()
{
    // The keys the commands name; the platform's further keys give way to them.
    QSet<QKeySequence> named;
    for (const CommandInfo& c : kCommands) {
        if (*c.shortcut)
            named.insert(QKeySequence(QString::fromLatin1(c.shortcut)));
    }
    for (const CommandInfo& c : kCommands) {
        auto* a = new QAction(tr(c.text), this);
        a->setData(c.id);
        a->setStatusTip(tr(c.prompt));
        a->setToolTip(tr(c.tip));
        QList<QKeySequence> keys;
        if (*c.shortcut)
            keys << QKeySequence(QString::fromLatin1(c.shortcut));
        // The platform's keys may repeat ours (Delete is Ctrl+D on X11
        // desktops): a key bound twice is ambiguous to Qt, which then runs
        // neither binding.
        for (const auto& [id, key] : kMoreKeys) {
            if (id != c.id)
                continue;
            for (const QKeySequence& more : QKeySequence::keyBindings(key)) {
                if (!keys.contains(more) && !named.contains(more))
                    keys << more;
            }
        }
        a->setShortcuts(keys);
        if (c.id != ID_APP_EXIT)
            a->setIcon(c.theme ? DrawnImages::ThemeIcon(c.theme, c.glyph) : DrawnImages::GlyphIcon(c.glyph));
        if (c.id == ID_PREV_MONTH || c.id == ID_NEXT_MONTH) {
            // Right to left the earlier month lies to the right: the arrows point the other way.
            const bool back = (c.id == ID_PREV_MONTH) != (layoutDirection() == Qt::RightToLeft);
            a->setIcon(back ? DrawnImages::ThemeIcon("go-previous", Glyph::PrevMonth)
                            : DrawnImages::ThemeIcon("go-next", Glyph::NextMonth));
        }
        if (c.id == ID_VIEW_DETAILS) {
            a->setCheckable(true);
            a->setChecked(true);
        }
        if (c.id == ID_VIEW_CALENDAR)
            a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, id = c.id] { OnCommand(id); });
        m_actions.insert(c.id, a);
        addAction(a); // shortcuts work wherever the focus is
    }
    auto* sortGroup = new QActionGroup(this);
    for (const SortCommand& c : kSortCommands) {
        auto* a = new QAction(tr(c.text), sortGroup);
        a->setData(c.id);
        a->setCheckable(true);
        a->setChecked(c.sort == m_sort);
        connect(a, &QAction::triggered, this, [this, id = c.id] { OnCommand(id); });
        m_actions.insert(c.id, a);
    }
    // F6 and Shift+F6 move between the navigation pane and the list.
    const std::pair<int, QKeySequence> panes[] = {{ID_NEXT_PANE, QKeySequence(Qt::Key_F6)},
                                                  {ID_PREV_PANE, QKeySequence(Qt::SHIFT | Qt::Key_F6)}};
    for (const auto& [id, key] : panes) {
        auto* a = new QAction(this);
        a->setShortcut(key);
        connect(a, &QAction::triggered, this, [this, id = id] { OnCommand(id); });
        m_actions.insert(id, a);
        addAction(a);
    }
}

void CMainFrame::CreateMenus()
{
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    file->addAction(m_actions.value(ID_CSV_IMPORT));
    file->addAction(m_actions.value(ID_FILE_PRINT));
    file->addSeparator();
    file->addAction(m_actions.value(ID_APP_EXIT));

    QMenu* due = bar->addMenu(tr("&Due"));
    due->setObjectName(QStringLiteral("DueMenu"));
    due->addAction(m_actions.value(ID_DUE_NEW));
    due->addAction(m_actions.value(ID_DUE_MODIFY));
    due->addAction(m_actions.value(ID_DUE_DELETE));

    QMenu* view = bar->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("ViewMenu"));
    view->addAction(m_actions.value(ID_PREV_MONTH));
    view->addAction(m_actions.value(ID_NEXT_MONTH));
    view->addAction(m_actions.value(ID_TODAY));
    view->addSeparator();
    QMenu* sort = view->addMenu(tr("&Sort"));
    for (const SortCommand& c : kSortCommands)
        sort->addAction(m_actions.value(c.id));
    view->addAction(m_actions.value(ID_FIND));
    view->addSeparator();
    view->addAction(m_actions.value(ID_VIEW_DETAILS));
    view->addAction(m_actions.value(ID_VIEW_CALENDAR));

    QMenu* tools = bar->addMenu(tr("&Tools"));
    tools->setObjectName(QStringLiteral("ToolsMenu"));
    tools->addAction(m_actions.value(ID_SYNCHRONIZE));

    QMenu* exp = bar->addMenu(tr("E&xport"));
    exp->setObjectName(QStringLiteral("ExportMenu"));
    const std::pair<const char*, std::pair<int, int>> subs[] = {
        {QT_TR_NOOP("&Excel"), {ID_EXCEL_NOTES, ID_EXCEL_NO_NOTES}},
        {QT_TR_NOOP("&Word"), {ID_WORD_NOTES, ID_WORD_NO_NOTES}},
        {QT_TR_NOOP("&HTML"), {ID_HTML_NOTES, ID_HTML_NO_NOTES}},
        {QT_TR_NOOP("&PDF"), {ID_PDF_NOTES, ID_PDF_NO_NOTES}}};
    for (const auto& [title, ids] : subs) {
        QMenu* sub = exp->addMenu(m_actions.value(ids.first)->icon(), tr(title));
        sub->addAction(m_actions.value(ids.first));
        sub->addAction(m_actions.value(ids.second));
    }
    // The data exports have no notes choice: one item each.
    exp->addSeparator();
    for (const ExportCommands::Command& c : ExportCommands::Commands())
        if (c.kind == ExportCommands::Kind::ICalendar || c.kind == ExportCommands::Kind::Csv)
            exp->addAction(m_actions.value(c.id));

    QMenu* prefs = bar->addMenu(tr("&Preferences"));
    prefs->setObjectName(QStringLiteral("PreferencesMenu"));
    prefs->addAction(m_actions.value(ID_CHANGE_WORKDIR));
    prefs->addAction(m_actions.value(ID_REFRESH));

    QMenu* help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    help->addAction(m_actions.value(ID_HELP_CONTENTS));
    help->addSeparator();
    help->addAction(m_actions.value(ID_APP_ABOUT));
}

QList<std::pair<Glyph, int>> CMainFrame::ImagesShownFirst()
{
    QList<std::pair<Glyph, int>> images = {
        {Glyph::AppIcon, 14},                                             // the tool bar's banner
        {Glyph::Paid, 16},    {Glyph::Unpaid, 16},  {Glyph::Total, 16},   // the status panes
        {Glyph::AppIcon, 32}, {Glyph::Bill, 32},    {Glyph::Series, 32},  // the caption
        {Glyph::New, 32},     {Glyph::Modify, 32},  {Glyph::Delete, 32},  // the open folder
        {Glyph::AppIcon, 16}, {Glyph::AppIcon, 24}, {Glyph::AppIcon, 48}, // the window's icon
        {Glyph::AppIcon, 64},
    };
    for (int id : CMainToolBar::SlotIds()) {
        for (const CommandInfo& c : kCommands) {
            if (c.id == id && c.id != ID_APP_EXIT)
                images.append({c.glyph, 16});
        }
    }
    return images;
}

void CMainFrame::CreateStatusBar()
{
    m_statusBar = new CGuiStatusBar(this);
    setStatusBar(m_statusBar);
    m_statusBar->SetIndicators({ID_INDICATOR_PAID, ID_INDICATOR_UNPAID, ID_INDICATOR_TOTAL});
    // The images are painted when first shown, by then mostly painted ahead.
    m_statusBar->SetPaneInfo(ID_INDICATOR_PAID, 130, LoadImageIcons(146, 16).value(0));
    m_statusBar->SetPaneInfo(ID_INDICATOR_UNPAID, 130, LoadImageIcons(147, 16).value(0));
    m_statusBar->SetPaneInfo(ID_INDICATOR_TOTAL, 150, LoadImageIcons(148, 16).value(0));
}

void CMainFrame::CreateCaptionBar(QWidget* parent)
{
    m_captionBar = new GuiCapOutBar(parent);
    m_captionBar->setObjectName(QStringLiteral("CaptionBar"));
    m_captionTool = new CGuiMiniTool(m_captionBar);
    m_captionTool->SetImageList(LoadImageIcons(165, 32));
    m_captionTool->SetColorCaption(GuiDrawLayer::GetRGBColorBTNHigh());
    m_captionTool->AddButton(0, ID_CAPTION_BUTTON, tr("Due Date"), tr("Due Date "));
    m_captionTool->AutoSize(true);
    m_captionTool->SetColor(GuiDrawLayer::GetRGBColorFace(GuiDrawLayer::kStyleBlue));
    m_captionBar->SetMiniTool(m_captionTool);
}

void CMainFrame::CreateClient()
{
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("Splitter"));
    m_splitter->setChildrenCollapsible(false);
    m_outlook = new COutlookView(m_splitter);
    m_outlook->setMinimumWidth(110);
    connect(m_outlook, &CGuiOutLookView::commandRequested, this, &CMainFrame::OnCommand);

    auto* right = new QWidget(m_splitter);
    auto* layout = new QVBoxLayout(right);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    CreateCaptionBar(right);
    m_view = new CTallyvaneView(right);
    m_view->setObjectName(QStringLiteral("DueList"));
    m_view->setAccessibleName(tr("Dues of the month"));
    layout->addWidget(m_captionBar);
    layout->addWidget(m_view, 1);

    m_splitter->addWidget(m_outlook);
    m_splitter->addWidget(right);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({150, 800});
    setCentralWidget(m_splitter);

    connect(m_view, &CTallyvaneView::dueSelected, this, [this](const DueRecord& r) {
        m_details->ShowDue(r);
        SetCaptionBar(r.m_strTitle, r.m_strSeriesId.isEmpty() ? 1 : 2);
    });
    connect(m_view, &CTallyvaneView::selectionCleared, this, [this] {
        m_details->ClearDetails();
        SetCaptionBar(LoadResString(MessageId::AppTitle), 0);
    });
    connect(m_view, &CTallyvaneView::commandRequested, this, &CMainFrame::OnCommand);
    connect(m_view, &CTallyvaneView::modifyRequested, this, &CMainFrame::ModifyDue);
}

void CMainFrame::CreateFocusRing()
{
    // Tab: the list (or the calendar, or Coming Up, whichever shows), month
    // picker, filter, search, details, navigation pane, and round again.
    m_ring.Add(m_view, [this] {
        m_view->setFocus(Qt::TabFocusReason);
        if (!m_view->currentIndex().isValid() && m_view->Model()->rowCount() > 0)
            m_view->setCurrentIndex(m_view->Model()->index(0));
    });
    m_ring.Add(m_calendar);
    m_ring.Add(m_comingUp, [this] { m_comingUp->List()->setFocus(Qt::TabFocusReason); });
    m_ring.Add(m_toolBar->MonthPicker());
    m_ring.Add(m_toolBar->FilterBox());
    m_ring.Add(m_toolBar->SearchField());
    CDetailsList* details = m_details->List();
    m_ring.Add(m_details, [details] {
        details->setFocus(Qt::TabFocusReason);
        if (details->CurrentRow() < 0)
            details->SetCurrentRow(0);
    });
    m_ring.Add(m_outlook, [this] { m_outlook->FocusCurrentItem(); });
}

bool CMainFrame::focusNextPrevChild(bool next)
{
    if (m_ring.Move(focusWidget(), next))
        return true;
    return CGuiFrameWnd::focusNextPrevChild(next);
}

void CMainFrame::OnCommand(int id)
{
    // Nothing another program changes is read in while a command runs (its
    // dialogs included); what it changed shows right after.
    if (m_loading && NeedsDues(id))
        return; // the navigation pane's items come here without their actions
    FolderWatchHold hold(m_watcher);
    switch (id) {
    case ID_DUE_NEW:
        NewDue();
        break;
    case ID_DUE_MODIFY:
        if (const QStringList ids = SelectedDueIds(); !ids.isEmpty())
            ModifyDue(ids.first());
        break;
    case ID_DUE_DELETE:
        if (const QStringList ids = SelectedDueIds(); !ids.isEmpty())
            DeleteDue(theDueStore.GetDue(ids.first()));
        break;
    case ID_FILE_PRINT:
        ExportCommands::Print(nullptr);
        break;
    case ID_APP_EXIT:
        // Exit ends the program, also where closing the window keeps it in the tray.
        m_quitting = true;
        close();
        break;
    case ID_VIEW_DETAILS:
        m_details->setVisible(m_details->isHidden());
        m_actions.value(ID_VIEW_DETAILS)->setChecked(!m_details->isHidden());
        break;
    case ID_SYNCHRONIZE:
        CSyncLauncher().Synchronize();
        break;
    case ID_CHANGE_WORKDIR:
        ChangeWorkingDirectory();
        break;
    case ID_REFRESH:
        RefreshFromDisk();
        break;
    case ID_APP_ABOUT: {
        CAboutDlg about(this);
        about.exec();
        break;
    }
    case ID_HELP_CONTENTS:
        HelpFile::OpenHelp();
        break;
    case ID_PREV_MONTH:
        StepMonth(-1);
        break;
    case ID_NEXT_MONTH:
        StepMonth(+1);
        break;
    case ID_TODAY:
        if (IsComingUpShown() || IsReportsShown())
            ShowComingUp(false); // today's month is a month: the list shows it
        ShowMonthOf(COleDateTime::FromQDateTime(Clock::Now()));
        break;
    case ID_FIND:
        m_toolBar->SearchField()->setFocus(Qt::ShortcutFocusReason);
        m_toolBar->SearchField()->selectAll();
        break;
    case ID_SORT_DUE_DATE:
    case ID_SORT_AMOUNT:
    case ID_SORT_TITLE:
    case ID_SORT_PAYEE:
        for (const SortCommand& c : kSortCommands) {
            if (c.id == id)
                SetSort(c.sort);
        }
        break;
    case ID_VIEW_CALENDAR:
        ShowCalendar(m_calendar->isHidden());
        break;
    case ID_VIEW_REPORTS: // the menu's check mark: a second time goes back to the month
        ShowReports(!IsReportsShown());
        break;
    case ID_CSV_IMPORT:
        ImportCsv();
        break;
    case ID_RESOLVE_CONFLICTS:
        ResolveConflicts();
        break;
    case ID_NEXT_PANE:
        SwitchPane(+1);
        break;
    case ID_PREV_PANE:
        SwitchPane(-1);
        break;
    default:
        if (!OnDueCommand(id) && !OnSyncCommand(id))
            Export(id);
        break;
    }
}

void CMainFrame::RefreshMonth()
{
    if (!m_view)
        return;
    m_dtCurrentMonth = m_toolBar->MonthPicker()->GetTime();
    m_view->Refresh(m_dtCurrentMonth, FilterOfIndex(m_toolBar->FilterBox()->currentIndex()));
    ShowTotals();
    m_actions.value(ID_VIEW_DETAILS)->setChecked(!m_details->isHidden());
    RefreshDueFeatures();
    RefreshReports();
    RefreshConflicts();
}

void CMainFrame::ShowTotals()
{
    if (m_loading) {
        // No sums of a month not read yet.
        const QString loading = tr("Loading...");
        for (int pane : {ID_INDICATOR_PAID, ID_INDICATOR_UNPAID, ID_INDICATOR_TOTAL})
            m_statusBar->SetPaneText(pane, loading);
        return;
    }
    // The sums of what the list shows, search included.
    const DueListModel* model = m_view->Model();
    const QLocale locale;
    auto money = [&](double amount) { return FormatCurrencyText(AmountText(amount), locale); };
    m_statusBar->SetPaneText(ID_INDICATOR_PAID, LoadResString(MessageId::PaidLabel) + money(model->Paid()));
    m_statusBar->SetPaneText(ID_INDICATOR_UNPAID,
                             LoadResString(MessageId::UnpaidLabel) + money(model->Unpaid()));
    m_statusBar->SetPaneText(ID_INDICATOR_TOTAL,
                             LoadResString(MessageId::TotalLabel) + money(model->Paid() + model->Unpaid()));
    // The calendar shows what the list shows.
    if (m_calendar)
        m_calendar->SetMonth(m_dtCurrentMonth, model->Records());
}

void CMainFrame::SetSort(DueSort sort)
{
    m_sort = sort;
    for (const SortCommand& c : kSortCommands) {
        if (c.sort == sort)
            m_actions.value(c.id)->setChecked(true);
    }
    m_view->SetSort(sort);
}

void CMainFrame::StepMonth(int delta)
{
    const COleDateTime shown = m_toolBar->MonthPicker()->GetTime();
    int year = shown.GetYear();
    int month = shown.GetMonth() + delta;
    int day = shown.GetDay();
    if (year < 0)
        return;
    if (month > 12) {
        month = 1;
        ++year;
    } else if (month < 1) {
        month = 12;
        --year;
    }
    // 31 January steps to the last day of February, and so on.
    COleDateTime date;
    date.SetDate(year, month, day);
    while (!date.IsValid() && day > 1)
        date.SetDate(year, month, --day);
    if (!date.IsValid())
        return; // past the last or first year a date can hold
    m_toolBar->MonthPicker()->SetTime(date);
    RefreshMonth();
}

void CMainFrame::ShowMonthOf(const COleDateTime& date)
{
    if (!date.IsValid())
        return;
    m_toolBar->MonthPicker()->SetTime(date);
    RefreshMonth();
}

void CMainFrame::NewDue(const QDate& day)
{
    FolderWatchHold hold(m_watcher);
    QString newId;
    FileChange change = BeginChange(tr("New"), {});
    const bool changed = DueEditFlows::NewDue(this, &newId, day);
    EndChange(std::move(change));
    ReportStoreErrors();
    if (!changed)
        return;
    // The list goes to the new due's month, with the new due selected.
    if (!newId.isEmpty() && theDueStore.Contains(newId)) {
        const DueRecord added = theDueStore.GetDue(newId);
        if (added.m_dtDue.IsValid() &&
            CDueStore::CompareMonth(added.m_dtDue, m_toolBar->MonthPicker()->GetTime()) != 0)
            m_toolBar->MonthPicker()->SetTime(added.m_dtDue);
        RefreshMonth();
        if (!m_view->SelectDue(newId) && m_view->SelectedDue()) {
            // Filtered or searched out of sight: nothing else stays selected.
            m_view->SelectRow(-1);
        }
        m_calendar->SelectDue(newId);
        if (IsComingUpShown())
            m_comingUp->SelectIds({newId});
        // The keys go on with the new due, wherever the command came from (the
        // navigation pane's New would keep them there, where Space synchronizes).
        ShownView()->setFocus(Qt::OtherFocusReason);
        return;
    }
    RefreshMonth();
}

void CMainFrame::ModifyDue(const QString& recId)
{
    FolderWatchHold hold(m_watcher);
    const QStringList edited = WithSeries(recId);
    FileChange change = BeginChange(tr("Modify"), edited);
    // Not announced while the editor shows them as they may yet become.
    m_reminders->SetEditing(edited);
    const bool changed = DueEditFlows::ModifyDue(this, recId);
    m_reminders->SetEditing({});
    EndChange(std::move(change));
    ReportStoreErrors();
    if (changed)
        RefreshMonth();
}

void CMainFrame::DeleteDue(const DueRecord& record)
{
    FolderWatchHold hold(m_watcher);
    FileChange change = BeginChange(tr("Delete"), WithSeries(record.m_strRecId));
    if (record.m_strSeriesId.isEmpty()) {
        if (Prompt::Question(this, LoadResString(MessageId::ConfirmDelete),
                             QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
            (void)theDueStore.RemoveDue(record.m_strRecId, true);
    } else {
        switch (Prompt::Question(this, LoadResString(MessageId::ConfirmDeleteSeries),
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
        case QMessageBox::Yes: {
            QStringList ids;
            theDueStore.GetSeriesIds(record.m_strSeriesId, ids);
            ChangeOutcome outcome;
            {
                ChangeProgressWindow progress(
                    this,
                    tr("Deleting the %1 dues of the series...").arg(QLocale().toString(qint64(ids.size()))),
                    ids.size());
                (void)theDueStore.DeleteSeries(record.m_strSeriesId, progress.Callback(), &outcome);
            }
            if (outcome.cancelled) {
                Prompt::Message(this,
                                tr("Deleting was stopped: %1 of the %2 dues of the series were deleted; the "
                                   "others are still there.")
                                    .arg(QLocale().toString(qint64(outcome.done)),
                                         QLocale().toString(qint64(outcome.total))),
                                QMessageBox::Information);
            }
            break;
        }
        case QMessageBox::No:
            (void)theDueStore.RemoveDue(record.m_strRecId, true);
            break;
        default:
            break;
        }
    }
    EndChange(std::move(change));
    // After a failed removal read the folder again, so that what is listed is
    // what is on disk (a due whose file is already gone leaves the list).
    if (ReportStoreErrors())
        theDueStore.LoadAll();
    RefreshMonth();
    // A conflicting copy of the deleted due now stands in its place.
    AskAboutReturnedDues();
}

void CMainFrame::SetCaptionBar(const QString& text, int image)
{
    CGuiToolButton* button = m_captionTool->GetButton(0);
    if (!button)
        return;
    button->SetCaption(text + QStringLiteral("     "));
    button->SetToolTip(ToolTipText::ForScreen(text, button));
    button->SethIcon(m_captionTool->GetImagIcon(image));
    m_captionTool->RecalLayout();
}

void CMainFrame::ChangeWorkingDirectory()
{
    const QString previous = theDueStore.Folder().WorkDir();
    CWorkDirDlg dlg(this, previous);
    if (dlg.exec() != QDialog::Accepted || DataFolder(dlg.m_strPath) == theDueStore.Folder())
        return;
    SwitchToFolder(dlg.m_strPath, true);
}

void CMainFrame::SwitchToFolder(const QString& workDir, bool remember)
{
    const DataFolder folder(workDir);
    (void)folder.Create(); // a failure shows when a due cannot be written
    theDueStore.SetFolder(folder, true);
    if (m_sync)
        m_sync->Reload(); // the other folder's account; a sync of this one stops
    m_undo->Clear();      // its changes belong to the other folder
    m_oneOffFolder = !remember;
    if (remember) {
        WriteStoredWorkingDirectory(theDueStore.Folder().WorkDir());
        FollowWorkDirAtLogin();
    }
    theDueStore.LoadAll();
    m_watcher->Watch();
    RefreshMonth();
    ReportLoadProblems();
    if (m_reminders)
        m_reminders->ScheduleCheck();
}

void CMainFrame::RefreshFromDisk()
{
    // A working directory that has gone (moved, deleted, a drive taken away)
    // is not made again under the old name: say so and offer another.
    const QString workDir = theDueStore.Folder().WorkDir();
    if (!workDir.isEmpty() && !QFileInfo(workDir).isDir()) {
        Prompt::Message(this, LoadResString(MessageId::WorkingDirectoryGone), QMessageBox::Warning);
        ChangeWorkingDirectory();
        return;
    }
    theDueStore.LoadAll();
    m_watcher->Watch();
    RefreshMonth();
    ReportLoadProblems();
    if (m_reminders)
        m_reminders->ScheduleCheck();
}

void CMainFrame::ReportLoadProblems()
{
    const QStringList swept = theDueStore.TakeSweptFiles();
    const QStringList recovered = theDueStore.TakeRecoveryNotes();
    if (!recovered.isEmpty())
        Prompt::Report(this, recovered.join(QLatin1Char('\n')), swept, QMessageBox::Information);
    else if (!swept.isEmpty())
        Prompt::Report(this,
                       tr("%n leftover file(s) of an earlier save that was interrupted were removed:",
                          nullptr, int(swept.size())),
                       swept, QMessageBox::Information);
    const QStringList problems = theDueStore.LoadProblems();
    if (!problems.isEmpty()) {
        const QString summary = problems.size() == 1
                                    ? tr("This due file could not be read and was left as it is:")
                                    : tr("%n due files could not be read and were left as they are:", nullptr,
                                         int(problems.size()));
        Prompt::Report(this, summary, problems, QMessageBox::Warning);
    }
    // Conflicts are no fault of a file: said apart, each once, and left to
    // the bar above the list.
    const QStringList conflicts = NewConflictLines();
    if (!conflicts.isEmpty())
        Prompt::Report(this,
                       tr("%n due(s) are held by more than one file, each with a version of its own (a sync "
                          "tool kept both changes). Choose which to keep with Tools > Resolve Conflicts:",
                          nullptr, int(conflicts.size())),
                       conflicts, QMessageBox::Information);
    AskAboutReturnedDues();
}

namespace {

// The fields of a due that differ between two versions, one line each:
// "Title: Rent (theirs) / Flat rent (yours)".
QStringList DifferingFields(const DueRecord& theirs, const DueRecord& yours)
{
    const QLocale locale;
    auto date = [&](const COleDateTime& d) {
        return d.IsValid() ? locale.toString(d.ToQDateTime(), QLocale::ShortFormat) : QString();
    };
    const QList<std::tuple<QString, QString, QString>> fields{
        {CMainFrame::tr("Title"), theirs.m_strTitle, yours.m_strTitle},
        {CMainFrame::tr("Due Date"), date(theirs.m_dtDue), date(yours.m_dtDue)},
        {CMainFrame::tr("Amount"), locale.toString(theirs.m_dAmount, 'f', 2),
         locale.toString(yours.m_dAmount, 'f', 2)},
        {CMainFrame::tr("Paid"), theirs.m_bPaid ? CMainFrame::tr("yes") : CMainFrame::tr("no"),
         yours.m_bPaid ? CMainFrame::tr("yes") : CMainFrame::tr("no")},
        {CMainFrame::tr("Pay To"), theirs.m_strPayTo, yours.m_strPayTo},
        {CMainFrame::tr("Account"), theirs.m_strAccount, yours.m_strAccount},
        {CMainFrame::tr("Notes"), theirs.m_strNotes, yours.m_strNotes},
        {CMainFrame::tr("Start Date"), date(theirs.m_dtStart), date(yours.m_dtStart)}};
    QStringList lines;
    for (const auto& [name, a, b] : fields)
        if (a != b)
            lines
                << CMainFrame::tr("%1: \u201c%2\u201d there, \u201c%3\u201d in your change").arg(name, a, b);
    return lines;
}

// Their version with the fields the user changed (ours against base) put on top.
DueRecord OnTop(const StaleChange& c)
{
    DueRecord merged = c.theirs;
    const DueRecord& b = c.base;
    const DueRecord& o = c.ours;
    if (o.m_strTitle != b.m_strTitle)
        merged.m_strTitle = o.m_strTitle;
    if (!(o.m_dtDue == b.m_dtDue))
        merged.m_dtDue = o.m_dtDue;
    if (!(o.m_dtStart == b.m_dtStart))
        merged.m_dtStart = o.m_dtStart;
    if (o.m_dAmount != b.m_dAmount)
        merged.m_dAmount = o.m_dAmount;
    if (o.m_bPaid != b.m_bPaid)
        merged.m_bPaid = o.m_bPaid;
    if (o.m_strPayTo != b.m_strPayTo)
        merged.m_strPayTo = o.m_strPayTo;
    if (o.m_strAccount != b.m_strAccount)
        merged.m_strAccount = o.m_strAccount;
    if (o.m_nType != b.m_nType)
        merged.m_nType = o.m_nType;
    if (o.m_strNotes != b.m_strNotes)
        merged.m_strNotes = o.m_strNotes;
    return merged;
}

} // namespace

void CMainFrame::ResolveStaleChanges(QStringList& errors)
{
    const QList<StaleChange> stale = theDueStore.TakeStaleChanges();
    if (stale.isEmpty())
        return;
    // Their errors are answered here, by the question.
    errors.removeIf([](const QString& e) { return e.contains(QStringLiteral(" since it was read")); });
    const StaleChange& first = stale.first();
    const QString title = first.base.m_strTitle;
    QString text;
    QStringList details;
    QList<QPair<QMessageBox::StandardButton, QString>> labels;
    if (first.gone) {
        text = stale.size() == 1 ? tr("Another program deleted \u201c%1\u201d (%2) since it was shown here.")
                                       .arg(title, first.path)
                                 : tr("Another program deleted %n of these dues since they were shown here.",
                                      nullptr, int(stale.size()));
        if (!first.removal)
            labels << qMakePair(QMessageBox::Save, tr("Keep It With My Change"));
        labels << qMakePair(QMessageBox::Discard, tr("Leave It Deleted"));
    } else {
        text = stale.size() == 1 ? tr("Another program changed \u201c%1\u201d (%2) since it was shown here. "
                                      "Your change was not "
                                      "written over theirs.")
                                       .arg(title, first.path)
                                 : tr("Another program changed %n of these dues since they were shown here. "
                                      "Your change was not "
                                      "written over theirs.",
                                      nullptr, int(stale.size()));
        details << tr("Changed there:") << DifferingFields(first.theirs, first.base);
        if (!first.removal) {
            details << tr("Changed by you:") << DifferingFields(first.base, first.ours);
            labels << qMakePair(QMessageBox::Save, tr("Apply My Change on Top"));
        } else {
            labels << qMakePair(QMessageBox::Save, tr("Delete It Anyway"));
        }
        labels << qMakePair(QMessageBox::Discard, tr("Keep Theirs"));
    }
    labels << qMakePair(QMessageBox::Cancel, QString());
    const QMessageBox::StandardButton answer =
        Prompt::Choice(this, text, details.join(QLatin1Char('\n')), labels, QMessageBox::Cancel);
    CDueStore::Batch batch;
    for (const StaleChange& c : stale) {
        // What is on disk now is what the window shows, whatever the answer.
        theDueStore.Reread(c.recId);
        if (answer != QMessageBox::Save)
            continue;
        if (c.removal)
            (void)theDueStore.RemoveDue(c.recId, true);
        else if (c.gone)
            (void)theDueStore.ReplaceDue(c.ours);
        else
            (void)theDueStore.ReplaceDue(OnTop(c));
    }
    batch.Commit();
    errors << theDueStore.TakeErrors();
    RefreshMonth();
}

bool CMainFrame::ReportStoreErrors()
{
    QStringList errors = theDueStore.TakeErrors();
    ResolveStaleChanges(errors);
    if (errors.isEmpty())
        return false;
    if (errors.size() == 1)
        Prompt::Message(this, errors.first(), QMessageBox::Warning);
    else
        Prompt::Report(this, tr("%n changes could not be written:", nullptr, int(errors.size())), errors,
                       QMessageBox::Warning);
    return true;
}

// ---------------------------------------------------------------------------
// Loading the data folder while the window is up

bool CMainFrame::NeedsDues(int id)
{
    switch (id) {
    case ID_DUE_NEW:
    case ID_DUE_MODIFY:
    case ID_DUE_DELETE:
    case ID_FILE_PRINT:
    case ID_CHANGE_WORKDIR:
    case ID_REFRESH:
    case ID_CSV_IMPORT:
    case ID_MARK_PAID:
    case ID_MARK_UNPAID:
    case ID_TOGGLE_PAID:
    case ID_EDIT_UNDO:
    case ID_EDIT_REDO:
    case ID_VIEW_COMING_UP:
    case ID_VIEW_REPORTS:
    case ID_GOTO_DUE_MONTH:
    case ID_RESOLVE_CONFLICTS:
    case ID_CALENDAR_SYNC_NOW:
        return true;
    default:
        return ExportCommands::Find(id) != nullptr;
    }
}

void CMainFrame::LoadInBackground()
{
    if (!m_loader) {
        m_loader = new DueStoreLoader(theDueStore, this);
        connect(m_loader, &DueStoreLoader::loaded, this, &CMainFrame::OnLoaded);
    }
    theDueStore.RemoveAll(); // nothing of another folder is listed meanwhile
    SetLoading(true);
    AfterFirstPaint::Run(this, [loader = m_loader] { loader->Start(); });
}

void CMainFrame::SetLoading(bool loading)
{
    if (m_loading == loading)
        return;
    m_loading = loading;
    // Nothing is read in from outside until the folder's own contents are.
    if (loading)
        m_watcher->Hold();
    if (m_reminders)
        m_reminders->SetHeld(loading);
    if (m_sync)
        m_sync->SetHeld(loading);
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        if (NeedsDues(it.key()))
            it.value()->setEnabled(!loading);
    }
    m_view->SetLoadingText(
        loading ? tr("Loading the dues of %1...").arg(QDir::toNativeSeparators(theDueStore.Folder().Path()))
                : QString());
    RefreshMonth();
    if (!loading)
        m_watcher->Release();
}

void CMainFrame::OnLoaded()
{
    m_watcher->Watch();
    SetLoading(false);
    ReportLoadProblems();
    // After the loaded list is painted: the look goes over the whole folder.
    if (m_reminders)
        m_reminders->ScheduleCheck();
}

void CMainFrame::Export(int id)
{
    const ExportCommands::Command* command = ExportCommands::Find(id);
    if (!command)
        return;
    ExportRequest request;
    request.dues = m_view->Model()->Records();
    request.month = m_dtCurrentMonth;
    request.withNotes = command->withNotes;
    ExportCommands::Export(this, command->kind, request);
}

QWidget* CMainFrame::ShownView() const
{
    if (IsReportsShown())
        return m_reports;
    if (IsComingUpShown())
        return m_comingUp->List();
    return m_calendar && !m_calendar->isHidden() ? static_cast<QWidget*>(m_calendar) : m_view;
}

void CMainFrame::SwitchPane(int)
{
    // Two panes: either direction goes to the other one.
    QWidget* shown = ShownView();
    if (shown->hasFocus() || shown->isAncestorOf(focusWidget()))
        m_outlook->FocusCurrentItem();
    else
        shown->setFocus();
}

// The calendar sits beside the list in the same place and shows what the
// list lists; selecting in it drives the Details bar the same way.
void CMainFrame::CreateCalendar()
{
    m_calendar = new CCalendarView(m_view->parentWidget());
    m_calendar->hide();
    if (auto* box = qobject_cast<QBoxLayout*>(m_view->parentWidget()->layout()))
        box->addWidget(m_calendar, 1);
    if (QAction* toggle = m_actions.value(ID_VIEW_CALENDAR))
        m_toolBar->addAction(toggle);
    connect(m_calendar, &CCalendarView::dueSelected, this, [this](const DueRecord& r) {
        m_details->ShowDue(r);
        SetCaptionBar(r.m_strTitle, r.m_strSeriesId.isEmpty() ? 1 : 2);
    });
    connect(m_calendar, &CCalendarView::selectionCleared, this, [this] {
        m_details->ClearDetails();
        SetCaptionBar(LoadResString(MessageId::AppTitle), 0);
    });
    connect(m_calendar, &CCalendarView::modifyRequested, this, &CMainFrame::ModifyDue);
    connect(m_calendar, &CCalendarView::newDueRequested, this, [this](const QDate& day) { NewDue(day); });
}

void CMainFrame::ShowCalendar(bool on)
{
    // The calendar is a way of showing the month: Coming Up and Reports make way for it.
    const bool leftReports = IsReportsShown();
    LeaveReports();
    const bool leftComingUp = IsComingUpShown();
    if (leftComingUp) {
        m_comingUp->hide();
        m_actions.value(ID_VIEW_COMING_UP)->setChecked(false);
    }
    m_calendar->setVisible(on);
    m_view->setVisible(!on);
    m_actions.value(ID_VIEW_CALENDAR)->setChecked(on);
    (on ? static_cast<QWidget*>(m_calendar) : m_view)->setFocus();
    if (leftComingUp || leftReports)
        m_view->UpdateDetails();
}

void CMainFrame::ImportCsv()
{
    const std::optional<DueCsv::Reading> reading = CCsvImportDlg::ChooseAndPreview(this);
    if (!reading)
        return;
    // The whole import is one action: Undo takes back all of its dues.
    FileChange change = BeginChange(tr("Import CSV"), {});
    QString readError;
    const qsizetype added = DueCsv::AddAll(*reading, theDueStore, nullptr, {}, &readError);
    EndChange(std::move(change));
    if (!readError.isEmpty())
        Prompt::Message(this, tr("Nothing was imported from %1").arg(readError), QMessageBox::Warning);
    ReportStoreErrors();
    if (added > 0)
        RefreshMonth();
}

void CMainFrame::ShowAsPlaced()
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    const bool wasHidden = isHidden();
    if (wasHidden)
        FrameSettings::FitToScreen(*this); // the screens may have changed while it waited in the tray
    show();
    if (wasHidden)
        FrameSettings::FitToScreen(*this); // now with the frame the desktop drew
    // Only an X11 display can lack a window manager. Under Wayland the
    // compositor alone sizes a maximised window, and a size asked for besides
    // is a protocol error that ends the program.
    if (!wasHidden || !isMaximized() || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    // Without a window manager nothing maximises the window: then it takes
    // the screen's free area itself.
    QTimer::singleShot(kWindowManagerWaitMs, this, [this] {
        const QScreen* shownOn = screen();
        if (!shownOn || !isMaximized() || isHidden())
            return;
        const QSize free = shownOn->availableGeometry().size();
        const QSize has = frameGeometry().size();
        if (has.width() < free.width() - 2 || has.height() < free.height() - 2)
            setGeometry(shownOn->availableGeometry());
    });
}

void CMainFrame::BringToFront(const QString& activationToken)
{
    ShowAsPlaced();
    raise();
    // An open dialog stays in front of the window it belongs to, and takes the focus.
    QWidget* front = QApplication::activeModalWidget();
    if (front)
        front->raise();
    else
        front = this;
    WindowFocus::Take(front, activationToken);
}

void CMainFrame::AnswerSecondStart(const QString& workDir, const QString& activationToken)
{
    BringToFront(activationToken);
    if (workDir.isEmpty())
        return;
    m_askedFolder = workDir; // a later start's folder replaces an earlier one not asked yet
    AskToSwitchFolder();
}

namespace {
// The same folder also when one of the two names goes through a link.
bool SameFolder(const QString& a, const QString& b)
{
    const QString realA = QFileInfo(a).canonicalFilePath();
    const QString realB = QFileInfo(b).canonicalFilePath();
    if (!realA.isEmpty() && !realB.isEmpty())
        return realA == realB;
    return QDir::cleanPath(a) == QDir::cleanPath(b);
}
} // namespace

void CMainFrame::AskToSwitchFolder()
{
    if (m_askedFolder.isEmpty())
        return;
    // Not under an open dialog (an editor would write into the other folder)
    // nor while the dues are read: asked as soon as that is over.
    if (QApplication::activeModalWidget() || m_loading) {
        if (!m_askLater) {
            m_askLater = new QTimer(this);
            m_askLater->setSingleShot(true);
            m_askLater->setInterval(250);
            connect(m_askLater, &QTimer::timeout, this, &CMainFrame::AskToSwitchFolder);
        }
        m_askLater->start();
        return;
    }
    const QString asked = std::exchange(m_askedFolder, QString());
    const QString current = theDueStore.Folder().WorkDir();
    if (SameFolder(asked, current))
        return;
    if (!QFileInfo(asked).isDir()) {
        Prompt::Message(this,
                        tr("Tallyvane was started for the working directory %1, which is no longer there.")
                            .arg(QDir::toNativeSeparators(asked)));
        return;
    }
    const QString text =
        tr("Tallyvane was started for the working directory %1, while this window shows %2.\n\n"
           "Switch this window to %1? The working directory set for the next start stays as it is.")
            .arg(QDir::toNativeSeparators(asked), QDir::toNativeSeparators(current));
    if (Prompt::Question(this, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) !=
        QMessageBox::Yes)
        return;
    FolderWatchHold hold(m_watcher);
    SwitchToFolder(asked, false);
}

void CMainFrame::SaveSettings() const
{
    // A window that started in the tray and was never opened has nothing to
    // keep: what it holds is what it read.
    if (m_everShown)
        FrameSettings::Save(*this);
}

void CMainFrame::showEvent(QShowEvent* event)
{
    m_everShown = true;
    CGuiFrameWnd::showEvent(event);
    if (m_returnedPending)
        QTimer::singleShot(0, this, &CMainFrame::AskAboutReturnedDues);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (HideToTray()) {
        event->ignore();
        return;
    }
    SaveSettings();
    event->accept();
}
