#include "ui/dialogs/CCsvImportDlg.h"

#include "model/base/LocaleFormat.h"
#include "model/store/CDueStore.h"
#include "ui/dialogs/Prompt.h"
#include "ui/skinui/GuiDrawLayer.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

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
    m_added =
        Table(this, "added", {tr("Line"), tr("Title"), tr("Due Date"), tr("Amount"), tr("Type"), tr("Paid")});
    m_added->setRowCount(int(reading.lines.size()));
    for (int i = 0; i < reading.lines.size(); ++i) {
        const DueCsv::Line& line = reading.lines.at(i);
        Put(m_added, i, 0, QString::number(line.lineNumber));
        Put(m_added, i, 1, line.due.m_strTitle);
        Put(m_added, i, 2, locale.toString(line.due.m_dtDue.ToQDateTime(), QLocale::ShortFormat));
        Put(m_added, i, 3, FormatCurrencyText(AmountText(line.due.m_dAmount), locale));
        Put(m_added, i, 4, DueTypeText(line.due.m_nType));
        Put(m_added, i, 5, line.due.m_bPaid ? tr("Paid") : tr("Unpaid"));
    }
    m_added->resizeColumnsToContents();
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

int CCsvImportDlg::ImportFile(QWidget* parent)
{
    const QString path =
        Prompt::OpenFileName(parent, tr("Import CSV"), QString(), tr("CSV Files (*.csv);;All Files (*)"));
    if (path.isEmpty())
        return 0;
    const DueCsv::Reading reading = DueCsv::ReadFile(path);
    if (!reading.ok) {
        Prompt::Message(parent, tr("Nothing was imported from %1").arg(reading.error), QMessageBox::Warning);
        return 0;
    }
    CCsvImportDlg dlg(path, reading, parent);
    if (dlg.exec() != QDialog::Accepted)
        return 0;
    return int(DueCsv::AddAll(reading, theDueStore).size());
}
