#include "ui/dialogs/CCsvImportDlg.h"

#include "model/base/LocaleFormat.h"
#include "ui/dialogs/Prompt.h"
#include "ui/skinui/GuiDrawLayer.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace {
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
} // namespace

CCsvImportDlg::CCsvImportDlg(const QString& path, const DueCsv::Reading& reading, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CsvImport"));
    setWindowTitle(tr("Import CSV"));
    const QLocale locale;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("From %1").arg(QDir::toNativeSeparators(path)), this));
    layout->addWidget(new QLabel(tr("%n due(s) will be added:", nullptr, int(reading.lines.size())), this));
    // Every field the import takes, as the due will hold it; dates with the
    // year in four digits, as everywhere in the window.
    m_added = Table(this, "added",
                    {tr("Line"), tr("Title"), tr("Start Date"), tr("Due Date"), tr("Pay To"), tr("Account"),
                     tr("Amount"), tr("Type"), tr("Paid"), tr("Series ID"), tr("Notes")});
    m_added->setRowCount(int(reading.lines.size()));
    auto dateText = [&](const COleDateTime& dt) {
        return FormatDatePicture(dt, QString(), locale) + QLatin1Char(' ') +
               FormatTimePicture(dt, QString(), locale);
    };
    for (int i = 0; i < reading.lines.size(); ++i) {
        const DueCsv::Line& line = reading.lines.at(i);
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
        m_added->item(i, int(std::size(cells)) - 1)->setToolTip(due.m_strNotes);
    }
    m_added->resizeColumnsToContents();
    const int widest = fontMetrics().averageCharWidth() * 40;
    for (int column = 0; column < m_added->columnCount(); ++column)
        m_added->setColumnWidth(column, std::min(m_added->columnWidth(column), widest));
    layout->addWidget(m_added, 2);

    auto* rejectedLabel =
        new QLabel(tr("%n line(s) will be left out:", nullptr, int(reading.rejected.size())), this);
    m_rejected = Table(this, "rejected", {tr("Line"), tr("Reason")});
    m_rejected->setRowCount(int(reading.rejected.size()));
    for (int i = 0; i < reading.rejected.size(); ++i) {
        Put(m_rejected, i, 0, QString::number(reading.rejected.at(i).lineNumber));
        Put(m_rejected, i, 1, reading.rejected.at(i).reason);
    }
    m_rejected->resizeColumnToContents(0);
    rejectedLabel->setVisible(!reading.rejected.isEmpty());
    m_rejected->setVisible(!reading.rejected.isEmpty());
    layout->addWidget(rejectedLabel);
    layout->addWidget(m_rejected, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* import = buttons->addButton(tr("Import"), QDialogButtonBox::AcceptRole);
    import->setObjectName(QStringLiteral("import"));
    import->setEnabled(!reading.lines.isEmpty());
    import->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(640, 420);
    GuiDrawLayer::ApplyFace(this);
}

std::optional<DueCsv::Reading> CCsvImportDlg::ChooseAndPreview(QWidget* parent)
{
    const QString path =
        Prompt::OpenFileName(parent, tr("Import CSV"), QString(), tr("CSV Files (*.csv);;All Files (*)"));
    if (path.isEmpty())
        return std::nullopt;
    DueCsv::Reading reading = DueCsv::ReadFile(path);
    if (!reading.ok) {
        Prompt::Message(parent, tr("Nothing was imported from %1").arg(reading.error), QMessageBox::Warning);
        return std::nullopt;
    }
    CCsvImportDlg dlg(path, reading, parent);
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    return reading;
}
