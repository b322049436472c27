#include "ui/reports/CReportPanel.h"

#include "export/ReportCsv.h"
#include "ui/reports/CReportChart.h"
#include "ui/reports/ChartFiles.h"
#include "ui/reports/ReportFileSave.h"
#include "ui/reports/ReportTableModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

CReportPanel::CReportPanel(const QString& title, QWidget* parent)
    : QFrame(parent), m_title(title), m_titleLabel(new QLabel(title, this)), m_notes(new QLabel(this)),
      m_tableButton(new QPushButton(tr("Table"), this)), m_saveButton(new QPushButton(tr("Save"), this)),
      m_stack(new QStackedWidget(this)), m_chart(new CReportChart(m_stack)), m_table(new QTableView(m_stack)),
      m_model(new ReportTableModel(this))
{
    setFrameShape(QFrame::NoFrame);
    QFont bold = m_titleLabel->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    m_titleLabel->setFont(bold);
    m_titleLabel->setBuddy(m_chart);
    m_notes->setWordWrap(true);
    m_notes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_notes->hide();

    m_tableButton->setCheckable(true);
    m_tableButton->setToolTip(tr("Show the numbers of the chart as a table"));
    m_tableButton->setAccessibleName(tr("Show %1 as a table").arg(title));
    connect(m_tableButton, &QPushButton::toggled, this, &CReportPanel::ShowTable);

    m_saveButton->setAccessibleName(tr("Save %1").arg(title));
    m_saveButton->setToolTip(tr("Save the chart as an image or its numbers as CSV"));
    auto* menu = new QMenu(m_saveButton);
    menu->addAction(tr("Chart as PNG Image..."), this, &CReportPanel::SavePng);
    menu->addAction(tr("Chart as SVG Drawing..."), this, &CReportPanel::SaveSvg);
    menu->addAction(tr("Numbers as CSV..."), this, &CReportPanel::SaveCsv);
    m_saveButton->setMenu(menu);

    m_chart->setAccessibleName(title);
    m_table->setModel(m_model);
    m_table->setAccessibleName(title);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->verticalHeader()->hide();
    // The amounts as wide as they need, the names take the rest.
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setMinimumSectionSize(m_table->fontMetrics().averageCharWidth() * 6);
    m_table->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_stack->addWidget(m_chart);
    m_stack->addWidget(m_table);

    connect(m_chart, &CReportChart::barActivated, this, &CReportPanel::barActivated);
    connect(m_table, &QTableView::activated, this,
            [this](const QModelIndex& index) { emit barActivated(index.row()); });
    // The two keep one place: the table opens on the current bar and back.
    connect(m_chart, &CReportChart::currentBarChanged, this, [this](int bar) {
        if (bar >= 0 && bar < m_model->rowCount())
            m_table->setCurrentIndex(m_model->index(bar, 0));
    });
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                m_chart->SetCurrentBar(current.isValid() ? current.row() : -1);
            });

    auto* head = new QHBoxLayout;
    head->setContentsMargins(0, 0, 0, 0);
    head->addWidget(m_titleLabel, 1);
    head->addWidget(m_tableButton);
    head->addWidget(m_saveButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addLayout(head);
    layout->addWidget(m_notes);
    layout->addWidget(m_stack);
}

void CReportPanel::SetReport(const Report& report, const QString& rangeText)
{
    m_report = report;
    m_rangeText = rangeText;
    QList<ReportBar> bars = ReportBars::FromReport(report, locale());
    m_model->SetBars(report.grouping, bars, locale());
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_chart->SetBars(report.grouping, std::move(bars));
    FitTable();
}

void CReportPanel::SetNotes(const QString& notes)
{
    m_notes->setText(notes);
    m_notes->setVisible(!notes.isEmpty());
}

QString CReportPanel::FileTitle() const
{
    return tr("%1, %2").arg(m_title, m_rangeText);
}

void CReportPanel::FitTable()
{
    // Every row in sight: the view scrolls as a whole, not table by table.
    m_table->resizeRowsToContents();
    const int rows = m_table->verticalHeader()->length();
    const int header = m_table->horizontalHeader()->sizeHint().height();
    // Room for a scroll bar only where the columns are wider than the table.
    int wanted = 0;
    for (int c = 0; c < m_model->columnCount(); ++c)
        wanted += c == 0 ? m_table->horizontalHeader()->minimumSectionSize()
                         : m_table->horizontalHeader()->sectionSizeHint(c);
    const int scrollBar = wanted > m_stack->width() - 2 * m_table->frameWidth()
                              ? m_table->horizontalScrollBar()->sizeHint().height()
                              : 0;
    m_table->setFixedHeight(rows + header + scrollBar + 2 * m_table->frameWidth());
    m_stack->setFixedHeight(IsTableShown() ? m_table->height() : m_chart->sizeHint().height());
}

void CReportPanel::ShowTable(bool table)
{
    const bool hadFocus = m_stack->currentWidget()->hasFocus();
    if (m_tableButton->isChecked() != table)
        m_tableButton->setChecked(table); // comes back here through toggled
    m_stack->setCurrentWidget(table ? static_cast<QWidget*>(m_table) : m_chart);
    FitTable();
    if (hadFocus)
        m_stack->currentWidget()->setFocus();
}

void CReportPanel::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    if (IsTableShown())
        FitTable();
}

bool CReportPanel::IsTableShown() const
{
    return m_stack->currentWidget() == m_table;
}

bool CReportPanel::SavePng()
{
    const BarChartPainter chart = m_chart->Painter(palette());
    const int width = std::max(640, m_chart->width());
    return ReportFileSave::Save(this, tr("Save Chart as PNG Image"),
                                ReportFileSave::SuggestedName(FileTitle(), QStringLiteral(".png")),
                                tr("PNG Images (*.png)"), QStringLiteral(".png"),
                                [&] { return ChartFiles::Png(chart, FileTitle(), width); });
}

bool CReportPanel::SaveSvg()
{
    const BarChartPainter chart = m_chart->Painter(palette());
    const int width = std::max(640, m_chart->width());
    return ReportFileSave::Save(this, tr("Save Chart as SVG Drawing"),
                                ReportFileSave::SuggestedName(FileTitle(), QStringLiteral(".svg")),
                                tr("SVG Drawings (*.svg)"), QStringLiteral(".svg"),
                                [&] { return ChartFiles::Svg(chart, FileTitle(), width); });
}

bool CReportPanel::SaveCsv()
{
    return ReportFileSave::Save(
        this, tr("Save Numbers as CSV"), ReportFileSave::SuggestedName(FileTitle(), QStringLiteral(".csv")),
        tr("CSV Files (*.csv)"), QStringLiteral(".csv"), [this] { return ReportCsv::Write(m_report); });
}
