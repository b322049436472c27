#include "ui/CMainFrame.h"

#include "model/CDueStore.h"
#include "model/LocaleFormat.h"
#include "model/MessageTexts.h"
#include "ui/CAboutDlg.h"
#include "ui/CDetailsBar.h"
#include "ui/CFilterCombo.h"
#include "ui/CMainToolBar.h"
#include "ui/CMonthPicker.h"
#include "ui/COutlookView.h"
#include "ui/CSyncLauncher.h"
#include "ui/CTallyvaneView.h"
#include "ui/CWorkDirDlg.h"
#include "ui/CommandIds.h"
#include "ui/DrawnImages.h"
#include "ui/DueListModel.h"
#include "ui/ExportCommands.h"
#include "ui/HelpFile.h"
#include "ui/LoadImageList.h"
#include "ui/Prompt.h"
#include "ui/editor/DueEditFlows.h"
#include "ui/skinui/CGuiMiniTool.h"
#include "ui/skinui/CGuiStatusBar.h"
#include "ui/skinui/GuiCapOutBar.h"
#include "ui/skinui/GuiDrawLayer.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QSettings>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

using DrawnImages::Glyph;

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
    {ID_DUE_NEW, "&New", "Ctrl+N", "New Due ", " New Due", "document-new", Glyph::New},
    {ID_DUE_MODIFY, "&Modify", "Ctrl+M", "Modify Due ", " Modify Due", "document-properties", Glyph::Modify},
    {ID_DUE_DELETE, "&Delete", "Ctrl+D", "Delete Due ", " Delete Due", "edit-delete", Glyph::Delete},
    {ID_FILE_PRINT, "&Print", "Ctrl+P", "Print Dues ", " Print Dues ", "document-print", Glyph::Print},
    {ID_APP_EXIT, "E&xit", "", "Quit the application; prompts to save documents", "Exit", nullptr,
     Glyph::New},
    {ID_VIEW_DETAILS, "&Details Window", "", "Show\\Hide Detail Window", "Toggle Detail Window", nullptr,
     Glyph::Details},
    {ID_SYNCHRONIZE, "&Synchronize", "", "Synchronize", "Synchronize", nullptr, Glyph::Sync},
    {ID_EXCEL_NOTES, "With Notes", "", "Export to Excel With Notes ", " Export to Excel With Notes",
     "x-office-spreadsheet", Glyph::Excel},
    {ID_EXCEL_NO_NOTES, "Without Notes", "", "Export to Excel Without Notes ",
     " Export to Excel Without Notes", nullptr, Glyph::Excel},
    {ID_WORD_NOTES, "With Notes", "", "Export to Word With Notes ", " Export to Word With Notes",
     "x-office-document", Glyph::Word},
    {ID_WORD_NO_NOTES, "Without Notes", "", "Export to Word Without Notes ", " Export to Word Without Notes",
     nullptr, Glyph::Word},
    {ID_HTML_NOTES, "With Notes", "", "Export to HTML With Notes ", " Export to HTML With Notes", "text-html",
     Glyph::Html},
    {ID_HTML_NO_NOTES, "Without Notes", "", "Export to HTML Without Notes ", " Export to HTML Without Notes",
     nullptr, Glyph::Html},
    {ID_PDF_NOTES, "With Notes", "", "Export to PDF With Notes ", " Export to PDF  With Notes",
     "application-pdf", Glyph::Pdf},
    {ID_PDF_NO_NOTES, "Without Notes", "", "Export to PDF Without Notes ", " Export to PDF  Without Notes",
     nullptr, Glyph::Pdf},
    {ID_CHANGE_WORKDIR, "Change &Working Directory", "", "Change Directory ", " Change Directory", "folder",
     Glyph::Folder},
    {ID_REFRESH, "&Refresh", "F5", "Refresh", "Refresh", "view-refresh", Glyph::Refresh},
    {ID_APP_ABOUT, "&About Tallyvane...", "", "Display program information, version number and copyright",
     "About", "help-about", Glyph::About},
    {ID_HELP_CONTENTS, "&Help Contents\tF1", "", "Help ", " Help", "help-contents", Glyph::Help},
    {ID_PREV_MONTH, "Goto Previous Month", "", "Goto Previous Month ", " Goto Previous Month", "go-previous",
     Glyph::PrevMonth},
    {ID_NEXT_MONTH, "Goto Next Month", "", "Goto Next Month ", " Goto Next Month", "go-next",
     Glyph::NextMonth},
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
    addDockWidget(Qt::RightDockWidgetArea, m_details);
    EnableDocking(Qt::AllDockWidgetAreas);
    connect(m_details, &QDockWidget::visibilityChanged, this,
            [this] { m_actions.value(ID_VIEW_DETAILS)->setChecked(!m_details->isHidden()); });

    CreateClient();
    InstallDueFeatures(); // Coming Up, paying, undo, reminders: CMainFrameDues.cpp
    StyleDispl(GuiDrawLayer::kStyleBlue);
    m_details->SetStyle(GuiDrawLayer::kStyleBlue);

    resize(1100, 720);
    resizeDocks({m_details}, {300}, Qt::Horizontal);
    RefreshMonth();
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
    for (const CommandInfo& c : kCommands) {
        auto* a = new QAction(QString::fromLatin1(c.text), this);
        a->setData(c.id);
        a->setStatusTip(QString::fromLatin1(c.prompt));
        a->setToolTip(QString::fromLatin1(c.tip));
        if (*c.shortcut)
            a->setShortcut(QKeySequence(QString::fromLatin1(c.shortcut)));
        if (c.id != ID_APP_EXIT)
            a->setIcon(c.theme ? DrawnImages::ThemeIcon(c.theme, c.glyph) : DrawnImages::GlyphIcon(c.glyph));
        if (c.id == ID_VIEW_DETAILS) {
            a->setCheckable(true);
            a->setChecked(true);
        }
        connect(a, &QAction::triggered, this, [this, id = c.id] { OnCommand(id); });
        m_actions.insert(c.id, a);
        addAction(a); // shortcuts work wherever the focus is
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
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->addAction(m_actions.value(ID_FILE_PRINT));
    file->addSeparator();
    file->addAction(m_actions.value(ID_APP_EXIT));

    QMenu* due = bar->addMenu(QStringLiteral("&Due"));
    due->addAction(m_actions.value(ID_DUE_NEW));
    due->addAction(m_actions.value(ID_DUE_MODIFY));
    due->addAction(m_actions.value(ID_DUE_DELETE));

    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    view->addAction(m_actions.value(ID_VIEW_DETAILS));

    QMenu* tools = bar->addMenu(QStringLiteral("&Tools"));
    tools->addAction(m_actions.value(ID_SYNCHRONIZE));

    QMenu* exp = bar->addMenu(QStringLiteral("&Export"));
    const std::pair<const char*, std::pair<int, int>> subs[] = {
        {"&Excel", {ID_EXCEL_NOTES, ID_EXCEL_NO_NOTES}},
        {"&Word", {ID_WORD_NOTES, ID_WORD_NO_NOTES}},
        {"&HTML", {ID_HTML_NOTES, ID_HTML_NO_NOTES}},
        {"&PDF", {ID_PDF_NOTES, ID_PDF_NO_NOTES}}};
    for (const auto& [title, ids] : subs) {
        QMenu* sub = exp->addMenu(m_actions.value(ids.first)->icon(), QString::fromLatin1(title));
        sub->addAction(m_actions.value(ids.first));
        sub->addAction(m_actions.value(ids.second));
    }

    QMenu* prefs = bar->addMenu(QStringLiteral("&Preferences"));
    prefs->addAction(m_actions.value(ID_CHANGE_WORKDIR));
    prefs->addAction(m_actions.value(ID_REFRESH));

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->addAction(m_actions.value(ID_HELP_CONTENTS));
    help->addSeparator();
    help->addAction(m_actions.value(ID_APP_ABOUT));
}

void CMainFrame::CreateStatusBar()
{
    m_statusBar = new CGuiStatusBar(this);
    setStatusBar(m_statusBar);
    m_statusBar->SetIndicators({ID_INDICATOR_PAID, ID_INDICATOR_UNPAID, ID_INDICATOR_TOTAL});
    m_statusBar->SetPaneInfo(ID_INDICATOR_PAID, 130, LoadImageList(146, 16).value(0));
    m_statusBar->SetPaneInfo(ID_INDICATOR_UNPAID, 130, LoadImageList(147, 16).value(0));
    m_statusBar->SetPaneInfo(ID_INDICATOR_TOTAL, 150, LoadImageList(148, 16).value(0));
}

void CMainFrame::CreateCaptionBar(QWidget* parent)
{
    m_captionBar = new GuiCapOutBar(parent);
    m_captionBar->setObjectName(QStringLiteral("CaptionBar"));
    m_captionTool = new CGuiMiniTool(m_captionBar);
    m_captionTool->SetImageList(LoadImageList(165, 32));
    m_captionTool->SetColorCaption(GuiDrawLayer::GetRGBColorBTNHigh());
    m_captionTool->AddButton(0, ID_CAPTION_BUTTON, QStringLiteral("Due Date"), QStringLiteral("Due Date "));
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

void CMainFrame::OnCommand(int id)
{
    switch (id) {
    case ID_DUE_NEW: {
        FileChange change = BeginChange(tr("New"), {});
        DueEditFlows::NewDue(this);
        EndChange(std::move(change));
        ReportStoreErrors();
        RefreshMonth();
        break;
    }
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
    case ID_NEXT_PANE:
        SwitchPane(+1);
        break;
    case ID_PREV_PANE:
        SwitchPane(-1);
        break;
    default:
        if (!OnDueCommand(id))
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
    const DueListModel* model = m_view->Model();
    const QLocale locale;
    auto money = [&](double amount) { return FormatCurrencyText(AmountText(amount), locale); };
    m_statusBar->SetPaneText(ID_INDICATOR_PAID, LoadResString(MessageId::PaidLabel) + money(model->Paid()));
    m_statusBar->SetPaneText(ID_INDICATOR_UNPAID,
                             LoadResString(MessageId::UnpaidLabel) + money(model->Unpaid()));
    m_statusBar->SetPaneText(ID_INDICATOR_TOTAL,
                             LoadResString(MessageId::TotalLabel) + money(model->Paid() + model->Unpaid()));
    SetCaptionBar(LoadResString(MessageId::AppTitle), 0);
    m_actions.value(ID_VIEW_DETAILS)->setChecked(!m_details->isHidden());
    RefreshDueFeatures();
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

void CMainFrame::ModifyDue(const QString& recId)
{
    FileChange change = BeginChange(tr("Modify"), WithSeries(recId));
    const bool changed = DueEditFlows::ModifyDue(this, recId);
    EndChange(std::move(change));
    ReportStoreErrors();
    if (changed)
        RefreshMonth();
}

void CMainFrame::DeleteDue(const DueRecord& record)
{
    FileChange change = BeginChange(tr("Delete"), WithSeries(record.m_strRecId));
    if (record.m_strSeriesId.isEmpty()) {
        if (Prompt::Question(this, LoadResString(MessageId::ConfirmDelete),
                             QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
            (void)theDueStore.RemoveDue(record.m_strRecId, true);
    } else {
        switch (Prompt::Question(this, LoadResString(MessageId::ConfirmDeleteSeries),
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
        case QMessageBox::Yes:
            (void)theDueStore.DeleteSeries(record.m_strSeriesId);
            break;
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
}

void CMainFrame::SetCaptionBar(const QString& text, int image)
{
    CGuiToolButton* button = m_captionTool->GetButton(0);
    if (!button)
        return;
    button->SetCaption(text + QStringLiteral("     "));
    button->SetToolTip(text);
    button->SethIcon(m_captionTool->GetImagIcon(image));
    m_captionTool->RecalLayout();
}

void CMainFrame::ChangeWorkingDirectory()
{
    const QString previous = theDueStore.Folder().WorkDir();
    CWorkDirDlg dlg(this, previous);
    if (dlg.exec() != QDialog::Accepted || DataFolder(dlg.m_strPath) == theDueStore.Folder())
        return;
    theDueStore.SetFolder(DataFolder(dlg.m_strPath));
    m_undo->Clear(); // its changes belong to the other folder
    WriteStoredWorkingDirectory(theDueStore.Folder().WorkDir());
    theDueStore.LoadAll();
    RefreshMonth();
    ReportLoadProblems();
}

void CMainFrame::RefreshFromDisk()
{
    theDueStore.LoadAll();
    RefreshMonth();
    ReportLoadProblems();
}

void CMainFrame::ReportLoadProblems()
{
    const QStringList problems = theDueStore.LoadProblems();
    if (problems.isEmpty())
        return;
    const QString summary =
        problems.size() == 1
            ? tr("This due file could not be read and was left as it is:")
            : tr("%n due files could not be read and were left as they are:", nullptr, int(problems.size()));
    Prompt::Report(this, summary, problems, QMessageBox::Warning);
}

bool CMainFrame::ReportStoreErrors()
{
    const QStringList errors = theDueStore.TakeErrors();
    if (errors.isEmpty())
        return false;
    if (errors.size() == 1)
        Prompt::Message(this, errors.first(), QMessageBox::Warning);
    else
        Prompt::Report(this, tr("%n changes could not be written:", nullptr, int(errors.size())), errors,
                       QMessageBox::Warning);
    return true;
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

void CMainFrame::SwitchPane(int)
{
    // Two panes: either direction goes to the other one.
    if (m_view->hasFocus() || m_view->isAncestorOf(focusWidget()))
        m_outlook->setFocus();
    else
        m_view->setFocus();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (HideToTray()) {
        event->ignore();
        return;
    }
    QSettings settings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane"));
    settings.setValue(QStringLiteral("DueDetailsBarState/State"), saveState());
    event->accept();
}
