#include "ui/reports/CReportsView.h"

#include "model/base/Clock.h"
#include "model/store/CDueStore.h"
#include "ui/images/DrawnImages.h"
#include "ui/list/DueRowDelegate.h"
#include "ui/reports/CReportChart.h"
#include "ui/reports/CReportPanel.h"
#include "ui/reports/ReportDuesModel.h"
#include "ui/reports/ReportFileSave.h"
#include "ui/reports/ReportPrintout.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

CReportsView::PreviewHandler& PreviewHook()
{
    static CReportsView::PreviewHandler handler;
    return handler;
}

constexpr ReportGrouping kGroupings[] = {ReportGrouping::Month, ReportGrouping::Payee,
                                         ReportGrouping::Account, ReportGrouping::Type,
                                         ReportGrouping::Series};

QString PanelTitle(ReportGrouping grouping)
{
    switch (grouping) {
    case ReportGrouping::Month:
        return CReportsView::tr("Paid and Unpaid by Month");
    case ReportGrouping::Payee:
        return CReportsView::tr("By Pay To");
    case ReportGrouping::Account:
        return CReportsView::tr("By Account");
    case ReportGrouping::Type:
        return CReportsView::tr("By Type");
    case ReportGrouping::Series:
        return CReportsView::tr("Recurring Costs");
    }
    return QString();
}

QDateEdit* MonthEdit(QWidget* parent, const QString& name)
{
    auto* edit = new QDateEdit(parent);
    edit->setDisplayFormat(QStringLiteral("MMM yyyy"));
    edit->setCalendarPopup(false);
    edit->setAccessibleName(name);
    edit->setMinimumDate(QDate(1900, 1, 1));
    edit->setMaximumDate(QDate(9999, 12, 31));
    return edit;
}

} // namespace

CReportsView::CReportsView(QWidget* parent)
    : QWidget(parent), m_rangeBox(new QComboBox(this)), m_fromEdit(MonthEdit(this, tr("First month"))),
      m_toEdit(MonthEdit(this, tr("Last month"))), m_printButton(new QToolButton(this)),
      m_pdfButton(new QToolButton(this)), m_summary(new QLabel(this)),
      m_splitter(new QSplitter(Qt::Vertical, this)), m_scroll(new QScrollArea(m_splitter)),
      m_duesPane(new QWidget(m_splitter)), m_duesTitle(new QLabel(m_duesPane)),
      m_duesClose(new QPushButton(tr("Close"), m_duesPane)), m_dues(new QListView(m_duesPane)),
      m_duesModel(new ReportDuesModel(this))
{
    setObjectName(QStringLiteral("ReportsView"));
    // A page of its own in the list's colours, light or dark, rather than the
    // frame's fixed face colour behind texts in the palette's.
    QPalette page = palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        page.setColor(group, QPalette::Window, page.color(group, QPalette::Base));
        page.setColor(group, QPalette::WindowText, page.color(group, QPalette::Text));
    }
    setPalette(page);
    setAutoFillBackground(true);
    m_rangeBox->setObjectName(QStringLiteral("ReportRange"));
    m_rangeBox->addItem(tr("This year"));
    m_rangeBox->addItem(tr("Last 12 months"));
    m_rangeBox->addItem(tr("Custom range"));
    auto* rangeLabel = new QLabel(tr("&Range:"), this);
    rangeLabel->setBuddy(m_rangeBox);
    auto* fromLabel = new QLabel(tr("&From:"), this);
    fromLabel->setBuddy(m_fromEdit);
    auto* toLabel = new QLabel(tr("T&o:"), this);
    toLabel->setBuddy(m_toEdit);

    // Icons only: the row keeps to the width of the list it replaces.
    const std::pair<QToolButton*, QString> buttons[] = {{m_printButton, tr("Print the Report...")},
                                                        {m_pdfButton, tr("Save the Report as PDF...")}};
    for (const auto& [button, text] : buttons) {
        button->setToolTip(text);
        button->setAccessibleName(QString(text).remove(QStringLiteral("...")));
        button->setAutoRaise(true);
        button->setIconSize(QSize(22, 22));
    }
    m_printButton->setIcon(DrawnImages::ThemeIcon("document-print", DrawnImages::Glyph::Print));
    m_pdfButton->setIcon(DrawnImages::ThemeIcon("application-pdf", DrawnImages::Glyph::Pdf));
    auto* top = new QHBoxLayout;
    top->setContentsMargins(8, 6, 8, 2);
    top->setSpacing(6);
    top->addWidget(rangeLabel);
    top->addWidget(m_rangeBox);
    top->addSpacing(12);
    top->addWidget(fromLabel);
    top->addWidget(m_fromEdit);
    top->addSpacing(6);
    top->addWidget(toLabel);
    top->addWidget(m_toEdit);
    top->addStretch(1);
    top->addWidget(m_printButton);
    top->addWidget(m_pdfButton);

    m_summary->setObjectName(QStringLiteral("ReportSummary"));
    m_summary->setWordWrap(true);
    m_summary->setContentsMargins(8, 2, 8, 4);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* content = new QWidget(m_scroll);
    auto* panels = new QVBoxLayout(content);
    panels->setContentsMargins(8, 4, 8, 8);
    panels->setSpacing(18);
    for (const ReportGrouping grouping : kGroupings) {
        auto* panel = new CReportPanel(PanelTitle(grouping), content);
        m_panels << panel;
        panels->addWidget(panel);
        connect(panel, &CReportPanel::barActivated, this,
                [this, grouping](int bar) { OpenBar(grouping, bar); });
    }
    panels->addStretch(1);
    m_scroll->setWidget(content);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus);

    m_duesTitle->setObjectName(QStringLiteral("ReportDuesTitle"));
    QFont bold = m_duesTitle->font();
    bold.setBold(true);
    m_duesTitle->setFont(bold);
    m_duesClose->setToolTip(tr("Close the list of dues"));
    connect(m_duesClose, &QPushButton::clicked, this, &CReportsView::CloseDues);
    m_dues->setObjectName(QStringLiteral("ReportDuesList"));
    m_dues->setAccessibleName(tr("Dues of the chosen bar"));
    m_dues->setModel(m_duesModel);
    m_dues->setItemDelegate(new DueRowDelegate(m_dues));
    m_dues->setUniformItemSizes(true);
    m_dues->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // rows fit the width, as in the month list
    m_dues->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_dues->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* duesHead = new QHBoxLayout;
    duesHead->setContentsMargins(8, 4, 8, 4);
    duesHead->addWidget(m_duesTitle, 1);
    duesHead->addWidget(m_duesClose);
    auto* duesLayout = new QVBoxLayout(m_duesPane);
    duesLayout->setContentsMargins(0, 0, 0, 0);
    duesLayout->setSpacing(0);
    duesLayout->addLayout(duesHead);
    duesLayout->addWidget(m_dues, 1);
    m_duesPane->hide();
    m_splitter->addWidget(m_scroll);
    m_splitter->addWidget(m_duesPane);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setStretchFactor(0, 3);
    m_splitter->setStretchFactor(1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(top);
    layout->addWidget(m_summary);
    layout->addWidget(m_splitter, 1);

    connect(m_dues->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CReportsView::OnSelectionChanged);
    connect(m_dues, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        if (const DueRecord* r = m_duesModel->RecordAt(index.row()))
            emit modifyRequested(r->m_strRecId);
    });
    connect(m_dues, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        const QModelIndex index = m_dues->indexAt(pos);
        if (index.isValid() && !m_dues->selectionModel()->isSelected(index))
            m_dues->setCurrentIndex(index);
        emit contextMenuRequested(m_dues->viewport()->mapToGlobal(pos));
    });
    connect(m_printButton, &QToolButton::clicked, this, &CReportsView::Print);
    connect(m_pdfButton, &QToolButton::clicked, this, &CReportsView::SavePdf);

    // Shown, the view starts on the month chart: the arrow keys move at once.
    setFocusProxy(m_panels.first()->Chart());
    SetRange(ReportRanges::Choice::ThisYear);
    connect(m_rangeBox, &QComboBox::currentIndexChanged, this, &CReportsView::OnRangeChosen);
    connect(m_fromEdit, &QDateEdit::dateChanged, this, [this] {
        // The last month never lies before the first; moving it along is one refresh.
        const QSignalBlocker block(m_toEdit);
        m_toEdit->setMinimumDate(m_fromEdit->date());
        Refresh();
    });
    connect(m_toEdit, &QDateEdit::dateChanged, this, &CReportsView::Refresh);
}

void CReportsView::SetRange(ReportRanges::Choice choice, const QDate& from, const QDate& to)
{
    const QDate today = Clock::Now().date();
    ReportRange range;
    switch (choice) {
    case ReportRanges::Choice::ThisYear:
        range = ReportRanges::ThisYear(today);
        break;
    case ReportRanges::Choice::LastTwelveMonths:
        range = ReportRanges::LastTwelveMonths(today);
        break;
    case ReportRanges::Choice::Custom:
        range = ReportRanges::Months(from.isValid() ? from : m_fromEdit->date(),
                                     to.isValid() ? to : m_toEdit->date());
        break;
    }
    {
        const QSignalBlocker a(m_rangeBox), b(m_fromEdit), c(m_toEdit);
        m_rangeBox->setCurrentIndex(int(choice));
        m_toEdit->setMinimumDate(QDate(1900, 1, 1));
        m_fromEdit->setDate(range.from);
        m_toEdit->setDate(range.to);
        m_toEdit->setMinimumDate(range.from);
    }
    const bool custom = choice == ReportRanges::Choice::Custom;
    m_fromEdit->setEnabled(custom);
    m_toEdit->setEnabled(custom);
    Refresh();
}

void CReportsView::OnRangeChosen()
{
    SetRange(ReportRanges::Choice(m_rangeBox->currentIndex()));
}

ReportRanges::Choice CReportsView::RangeChoice() const
{
    return ReportRanges::Choice(m_rangeBox->currentIndex());
}

ReportRange CReportsView::Range() const
{
    return ReportRanges::Months(m_fromEdit->date(), m_toEdit->date());
}

CReportPanel* CReportsView::Panel(ReportGrouping grouping) const
{
    for (int i = 0; i < m_panels.size(); ++i)
        if (kGroupings[i] == grouping)
            return m_panels.at(i);
    return nullptr;
}

void CReportsView::Refresh()
{
    const QDate today = Clock::Now().date();
    const ReportRange range = Range();
    const QString rangeText = ReportRanges::Text(range, locale());
    for (int i = 0; i < m_panels.size(); ++i) {
        const Report report = BuildReport(theDueStore, range, kGroupings[i], today);
        if (kGroupings[i] == ReportGrouping::Month)
            m_months = report;
        m_panels.at(i)->SetReport(report, rangeText);
        if (kGroupings[i] == ReportGrouping::Series)
            m_panels.at(i)->SetNotes(
                report.groups.isEmpty()
                    ? tr("No recurring dues in this range.")
                    : tr("Fixed cost per month: %1").arg(ReportBars::Money(report.fixedMonthly, locale())));
    }
    m_summary->setText(SummaryText());
    if (AreDuesShown())
        ListDues();
}

QSize CReportsView::sizeHint() const
{
    return QSize(480, 320);
}

QString CReportsView::SummaryText() const
{
    const QLocale l = locale();
    return tr("%1: %n due(s), paid %2, unpaid %3 (overdue %4), total %5", nullptr, m_months.count)
        .arg(ReportRanges::Text(m_months.range, l), ReportBars::Money(m_months.paid, l),
             ReportBars::Money(m_months.unpaid, l), ReportBars::Money(m_months.overdue, l),
             ReportBars::Money(m_months.Total(), l));
}

void CReportsView::OpenBar(ReportGrouping grouping, int index)
{
    const CReportPanel* panel = Panel(grouping);
    if (!panel || index < 0 || index >= panel->Chart()->Bars().size())
        return;
    const ReportBar& bar = panel->Chart()->Bars().at(index);
    if (grouping == ReportGrouping::Month) {
        emit monthRequested(bar.month);
        return;
    }
    ShowDues(grouping, bar.keys, bar.label);
}

void CReportsView::ShowDues(ReportGrouping grouping, const QStringList& keys, const QString& title)
{
    m_duesGrouping = grouping;
    m_duesKeys = keys;
    m_duesTitle->setText(tr("Dues of %1, %2").arg(title, ReportRanges::Text(Range(), locale())));
    m_duesPane->show();
    ListDues();
    if (m_duesModel->rowCount() > 0 && !m_dues->currentIndex().isValid())
        m_dues->setCurrentIndex(m_duesModel->index(0));
    m_dues->setFocus(Qt::OtherFocusReason);
}

void CReportsView::ListDues()
{
    const QStringList selected = SelectedIds();
    QList<DueRecord> dues;
    for (const QString& key : std::as_const(m_duesKeys))
        dues += ReportDues(theDueStore, Range(), m_duesGrouping, key);
    if (m_duesKeys.size() > 1) {
        // "Other" gathers several groups: one list by due date.
        std::stable_sort(dues.begin(), dues.end(), [](const DueRecord& a, const DueRecord& b) {
            return a.m_dtDue.ToQDateTime() < b.m_dtDue.ToQDateTime();
        });
    }
    m_duesModel->SetDues(std::move(dues));
    SelectIds(selected);
    if (!selected.isEmpty() && SelectedIds().isEmpty())
        emit selectionCleared(); // the chosen dues left the group
}

void CReportsView::CloseDues()
{
    const bool hadFocus = m_duesPane->isAncestorOf(focusWidget());
    m_duesPane->hide();
    m_duesKeys.clear();
    m_duesModel->SetDues({});
    emit selectionCleared();
    if (hadFocus)
        Panel(m_duesGrouping)->Chart()->setFocus();
}

bool CReportsView::AreDuesShown() const
{
    return !m_duesPane->isHidden();
}

QString CReportsView::DuesTitle() const
{
    return m_duesTitle->text();
}

QStringList CReportsView::SelectedIds() const
{
    QStringList ids;
    for (const DueRecord& r : SelectedDues())
        ids << r.m_strRecId;
    return ids;
}

QList<DueRecord> CReportsView::SelectedDues() const
{
    QList<DueRecord> out;
    if (!AreDuesShown())
        return out;
    QModelIndexList rows = m_dues->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& index : rows)
        if (const DueRecord* r = m_duesModel->RecordAt(index.row()))
            out << *r;
    return out;
}

void CReportsView::SelectIds(const QStringList& ids)
{
    QItemSelection selection;
    int first = -1;
    for (const QString& id : ids) {
        const int row = m_duesModel->RowOf(id);
        if (row < 0)
            continue;
        if (first < 0)
            first = row;
        selection.select(m_duesModel->index(row), m_duesModel->index(row));
    }
    m_dues->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (first >= 0)
        m_dues->selectionModel()->setCurrentIndex(m_duesModel->index(first), QItemSelectionModel::NoUpdate);
}

void CReportsView::OnSelectionChanged()
{
    const QList<DueRecord> dues = SelectedDues();
    if (dues.isEmpty())
        emit selectionCleared();
    else
        emit dueSelected(dues.first());
}

QString CReportsView::ReportTitle() const
{
    return tr("Report, %1").arg(ReportRanges::Text(Range(), locale()));
}

namespace {

ReportPrintout PrintoutOf(const CReportsView& view, const QString& title)
{
    QList<ReportSection> sections;
    for (CReportPanel* panel : view.Panels()) {
        ReportSection section;
        section.title = panel->Title();
        section.grouping = panel->ShownReport().grouping;
        section.bars = panel->Chart()->Bars();
        if (section.grouping == ReportGrouping::Series)
            section.notes << CReportsView::tr("Fixed cost per month: %1")
                                 .arg(ReportBars::Money(panel->ShownReport().fixedMonthly, view.locale()));
        sections << section;
    }
    return ReportPrintout(title, {view.SummaryText()}, sections, view.font(), view.locale());
}

} // namespace

void CReportsView::Print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ReportTitle());
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(tr("Print Preview"));
    preview.resize(960, 760);
    const ReportPrintout printout = PrintoutOf(*this, ReportTitle());
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&printout](QPrinter* target) { printout.Paint(target); });
    if (PreviewHook())
        PreviewHook()(preview);
    else
        preview.exec();
}

bool CReportsView::SavePdf()
{
    const QString title = ReportTitle();
    return ReportFileSave::Save(
        this, tr("Save Report as PDF"), ReportFileSave::SuggestedName(title, QStringLiteral(".pdf")),
        tr("PDF Files (*.pdf)"), QStringLiteral(".pdf"), [&] { return PrintoutOf(*this, title).Pdf(); });
}

void CReportsView::SetPreviewHandler(PreviewHandler handler)
{
    PreviewHook() = std::move(handler);
}
