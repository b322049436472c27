#include "ui/dialogs/CCsvImportDlg.h"

#include "model/base/LocaleFormat.h"
#include "ui/dialogs/Prompt.h"
#include "ui/frame/ToolTipText.h"
#include "ui/skinui/GuiDrawLayer.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace {
using DateOrder = CsvValueReader::DateOrder;

QTableWidget* Table(QWidget* parent, const char* name, const QStringList& headers)
{
    auto* table = new QTableWidget(0, int(headers.size()), parent);
    table->setObjectName(QLatin1String(name));
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void Put(QTableWidget* table, int row, int column, const QString& text)
{
    table->setItem(row, column, new QTableWidgetItem(text));
}

QComboBox* Choice(QWidget* parent, const char* name, const QList<std::pair<QString, QVariant>>& items)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    for (const auto& [text, value] : items)
        combo->addItem(text, value);
    return combo;
}

void Select(QComboBox* combo, const QVariant& value)
{
    const QSignalBlocker block(combo);
    combo->setCurrentIndex(std::max(0, combo->findData(value)));
}
} // namespace

CCsvImportDlg::CCsvImportDlg(const QString& path, const DueCsv::Reading& reading, QWidget* parent)
    : QDialog(parent), m_path(path), m_reading(reading)
{
    setObjectName(QStringLiteral("CsvImport"));
    setWindowTitle(tr("Import CSV"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("From %1").arg(QDir::toNativeSeparators(path)), this));

    // How the file was read; each choice reads it again.
    auto* how = new QFormLayout;
    m_separator =
        Choice(this, "separator",
               {{tr("Comma"), QChar(u',')}, {tr("Semicolon"), QChar(u';')}, {tr("Tab"), QChar(u'\t')}});
    m_encoding = new QLabel(this);
    m_encoding->setObjectName(QStringLiteral("encoding"));
    m_decimal = Choice(this, "decimal",
                       {{tr("Point (1,234.50)"), QChar(u'.')}, {tr("Comma (1.234,50)"), QChar(u',')}});
    m_dateOrder = Choice(this, "dateOrder",
                         {{tr("Day, month, year"), int(DateOrder::DayMonthYear)},
                          {tr("Month, day, year"), int(DateOrder::MonthDayYear)},
                          {tr("Year, month, day"), int(DateOrder::YearMonthDay)}});
    how->addRow(tr("&Separator:"), m_separator);
    how->addRow(tr("Encoding:"), m_encoding);
    how->addRow(tr("&Decimal sign:"), m_decimal);
    how->addRow(tr("D&ates:"), m_dateOrder);
    layout->addLayout(how);
    connect(m_separator, &QComboBox::currentIndexChanged, this, [this] {
        m_options.separator = m_separator->currentData().toChar();
        m_options.columns.clear(); // another separator, other columns: found from the header again
        ReadAgain();
    });
    connect(m_decimal, &QComboBox::currentIndexChanged, this, [this] {
        m_options.decimalSign = m_decimal->currentData().toChar();
        ReadAgain();
    });
    connect(m_dateOrder, &QComboBox::currentIndexChanged, this, [this] {
        m_options.dateOrder = DateOrder(m_dateOrder->currentData().toInt());
        ReadAgain();
    });

    layout->addWidget(new QLabel(tr("Each column of the file is taken as:"), this));
    m_columns = Table(this, "columns", {});
    m_columns->setSelectionMode(QAbstractItemView::NoSelection);
    m_columns->horizontalHeader()->setStretchLastSection(false);
    layout->addWidget(m_columns);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("problem"));
    m_problem->setWordWrap(true);
    layout->addWidget(m_problem);

    m_addedLabel = new QLabel(this);
    layout->addWidget(m_addedLabel);
    // Every field the import takes, as the due will hold it; dates with the
    // year in four digits, as everywhere in the window.
    m_added = Table(this, "added",
                    {tr("Line"), tr("Title"), tr("Start Date"), tr("Due Date"), tr("Pay To"), tr("Account"),
                     tr("Amount"), tr("Type"), tr("Paid"), tr("Series ID"), tr("Notes")});
    layout->addWidget(m_added, 2);

    m_rejectedLabel = new QLabel(this);
    m_rejected = Table(this, "rejected", {tr("Line"), tr("Reason")});
    layout->addWidget(m_rejectedLabel);
    layout->addWidget(m_rejected, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_import = buttons->addButton(tr("Import"), QDialogButtonBox::AcceptRole);
    m_import->setObjectName(QStringLiteral("import"));
    m_import->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(760, 600);
    GuiDrawLayer::ApplyFace(this);
    Show();
}

QComboBox* CCsvImportDlg::ColumnChoice(int column) const
{
    return qobject_cast<QComboBox*>(m_columns->cellWidget(0, column));
}

void CCsvImportDlg::ReadAgain()
{
    // From the file again rather than a copy kept in memory: a large file is
    // held once, while it is read.
    DueCsv::Reading reading = DueCsv::ReadFile(m_path, m_options);
    if (reading.header.isEmpty() && !reading.ok) {
        // The file went away or changed beyond reading: say so, keep the last preview.
        m_problem->setText(reading.error);
        m_import->setEnabled(false);
        return;
    }
    m_reading = std::move(reading);
    Show();
}

void CCsvImportDlg::ColumnChosen(int column)
{
    const int field = ColumnChoice(column)->currentData().toInt();
    m_options.columns.clear();
    for (int c = 0; c < m_columns->columnCount(); ++c) {
        QComboBox* choice = ColumnChoice(c);
        // A field is taken from one column: the one chosen last.
        if (c != column && field >= 0 && choice->currentData().toInt() == field)
            Select(choice, -1);
        m_options.columns << choice->currentData().toInt();
    }
    ReadAgain();
}

void CCsvImportDlg::ShowColumns()
{
    const QStringList& header = m_reading.header;
    m_columns->setColumnCount(int(header.size()));
    m_columns->setRowCount(1);
    for (int c = 0; c < header.size(); ++c) {
        // Columns without a name are named by their place.
        const QString name = header.at(c).trimmed().isEmpty() ? tr("Column %1").arg(c + 1) : header.at(c);
        m_columns->setHorizontalHeaderItem(c, new QTableWidgetItem(name));
        auto* choice = ColumnChoice(c);
        if (!choice) {
            choice = new QComboBox(m_columns);
            choice->setObjectName(QStringLiteral("column%1").arg(c));
            choice->addItem(tr("(not imported)"), -1);
            // Record ID is never taken: imported dues get new identifiers.
            for (int field = DueCsv::Title; field < DueCsv::ColumnCount; ++field)
                choice->addItem(DueCsv::ColumnName(field), field);
            m_columns->setCellWidget(0, c, choice);
            connect(choice, &QComboBox::currentIndexChanged, this, [this, c] { ColumnChosen(c); });
        }
        Select(choice, m_reading.columns.value(c, -1));
    }
    m_columns->resizeColumnsToContents();
    m_columns->resizeRowsToContents();
    m_columns->setFixedHeight(m_columns->horizontalHeader()->height() + m_columns->rowHeight(0) +
                              m_columns->horizontalScrollBar()->sizeHint().height() +
                              2 * m_columns->frameWidth());
}

void CCsvImportDlg::Show()
{
    const QLocale locale;
    Select(m_separator, m_reading.separator);
    Select(m_decimal, m_reading.decimalSign);
    Select(m_dateOrder, int(m_reading.dateOrder));
    switch (m_reading.encoding) {
    case DueCsv::Encoding::Utf8:
        m_encoding->setText(tr("UTF-8"));
        break;
    case DueCsv::Encoding::Utf8WithBom:
        m_encoding->setText(tr("UTF-8 with a byte order mark"));
        break;
    case DueCsv::Encoding::Utf16WithBom:
        m_encoding->setText(tr("UTF-16"));
        break;
    case DueCsv::Encoding::Windows1252:
        m_encoding->setText(tr("Windows-1252: the file is not UTF-8, so it was taken as Windows-1252 text"));
        break;
    }
    ShowColumns();
    m_problem->setText(m_reading.ok ? QString() : m_reading.error);
    m_problem->setVisible(!m_reading.ok);

    // A large file shows its head; the counts are the whole file's.
    const qsizetype shown = m_reading.lines.size();
    m_addedLabel->setText(
        shown < m_reading.lineCount
            ? tr("%Ln due(s) will be added; the first %1 are shown:", nullptr, int(m_reading.lineCount))
                  .arg(QLocale().toString(shown))
            : tr("%n due(s) will be added:", nullptr, int(m_reading.lineCount)));
    m_added->clearContents();
    m_added->setRowCount(int(m_reading.lines.size()));
    auto dateText = [&](const COleDateTime& dt) {
        return FormatDatePicture(dt, QString(), locale) + QLatin1Char(' ') +
               FormatTimePicture(dt, QString(), locale);
    };
    for (int i = 0; i < m_reading.lines.size(); ++i) {
        const DueCsv::Line& line = m_reading.lines.at(i);
        const DueRecord& due = line.due;
        const QString cells[] = {QString::number(line.lineNumber),
                                 due.m_strTitle,
                                 dateText(due.m_dtStart),
                                 dateText(due.m_dtDue),
                                 due.m_strPayTo,
                                 due.m_strAccount,
                                 FormatCurrencyText(AmountText(due.m_dAmount), locale),
                                 DueTypeText(due.m_nType),
                                 due.m_bPaid ? tr("Paid") : tr("Unpaid"),
                                 due.m_strSeriesId,
                                 due.m_strNotes.simplified()};
        for (int column = 0; column < int(std::size(cells)); ++column)
            Put(m_added, i, column, cells[column]);
        // Notes keep one line in the table; their line breaks show in the tip.
        m_added->item(i, int(std::size(cells)) - 1)->setToolTip(ToolTipText::ForScreen(due.m_strNotes, this));
    }
    m_added->resizeColumnsToContents();
    const int widest = fontMetrics().averageCharWidth() * 40;
    for (int column = 0; column < m_added->columnCount(); ++column)
        m_added->setColumnWidth(column, std::min(m_added->columnWidth(column), widest));

    const qsizetype shownRejected = m_reading.rejected.size();
    m_rejectedLabel->setText(shownRejected < m_reading.rejectedCount
                                 ? tr("%Ln line(s) will be left out; the first %1 are shown:", nullptr,
                                      int(m_reading.rejectedCount))
                                       .arg(QLocale().toString(shownRejected))
                                 : tr("%n line(s) will be left out:", nullptr, int(m_reading.rejectedCount)));
    m_rejected->clearContents();
    m_rejected->setRowCount(int(m_reading.rejected.size()));
    for (int i = 0; i < m_reading.rejected.size(); ++i) {
        Put(m_rejected, i, 0, QString::number(m_reading.rejected.at(i).lineNumber));
        Put(m_rejected, i, 1, m_reading.rejected.at(i).reason);
    }
    m_rejected->resizeColumnToContents(0);
    m_rejectedLabel->setVisible(!m_reading.rejected.isEmpty());
    m_rejected->setVisible(!m_reading.rejected.isEmpty());
    m_import->setEnabled(m_reading.ok && m_reading.lineCount > 0);
}

std::optional<DueCsv::Reading> CCsvImportDlg::ChooseAndPreview(QWidget* parent)
{
    const QString path =
        Prompt::OpenFileName(parent, tr("Import CSV"), QString(), tr("CSV Files (*.csv);;All Files (*)"));
    if (path.isEmpty())
        return std::nullopt;
    DueCsv::Reading reading = DueCsv::ReadFile(path);
    // A file whose header was read opens in the preview even without the
    // required columns: they can be chosen there.
    if (!reading.ok && reading.header.isEmpty()) {
        Prompt::Message(parent, tr("Nothing was imported from %1").arg(reading.error), QMessageBox::Warning);
        return std::nullopt;
    }
    CCsvImportDlg dlg(path, reading, parent);
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    return dlg.Reading();
}
