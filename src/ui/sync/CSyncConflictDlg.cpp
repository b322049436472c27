#include "ui/sync/CSyncConflictDlg.h"

#include "export/IcsExport.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

CSyncConflictDlg::CSyncConflictDlg(const QList<SyncConflict>& conflicts, QWidget* parent)
    : QDialog(parent), m_conflicts(conflicts), m_table(new QTableWidget(int(conflicts.size()), 4, this))
{
    setObjectName(QStringLiteral("SyncConflicts"));
    setWindowTitle(tr("Calendar Sync: Changed on Both Sides"));
    auto* intro = new QLabel(
        tr("These dues were changed here and on the calendar server since the last sync. Nothing of them was "
           "written; choose which version to keep."),
        this);
    intro->setWordWrap(true);
    m_table->setHorizontalHeaderLabels({tr("Due"), tr("This computer"), tr("Calendar server"), tr("Keep")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->verticalHeader()->hide();
    for (int row = 0; row < int(conflicts.size()); ++row) {
        const SyncConflict& c = conflicts.at(row);
        const QString here =
            c.deletedHere ? tr("Deleted")
                          : tr("%1\n%2").arg(IcsExport::Summary(c.here, QLocale()),
                                             DescribeSide(c.here.m_bPaid != 0, CalendarObject::DueOf(c.here),
                                                          c.server.kind));
        const QString server =
            tr("%1\n%2").arg(c.server.summary, DescribeSide(c.server.completed, c.server.due, c.server.kind));
        m_table->setItem(row, 0, new QTableWidgetItem(c.title));
        m_table->setItem(row, 1, new QTableWidgetItem(here));
        m_table->setItem(row, 2, new QTableWidgetItem(server));
        auto* choice = new QComboBox(m_table);
        choice->addItem(tr("Decide later"), Later);
        choice->addItem(c.deletedHere ? tr("Delete it there too") : tr("This computer's"), KeepHere);
        choice->addItem(c.deletedHere ? tr("Leave it there, not synced") : tr("The server's"), TakeServer);
        choice->setAccessibleName(tr("Keep for %1").arg(c.title));
        m_table->setCellWidget(row, 3, choice);
    }
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->resizeRowsToContents();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
    resize(760, 320);
}

QComboBox* CSyncConflictDlg::ChoiceOf(int row) const
{
    return qobject_cast<QComboBox*>(m_table->cellWidget(row, 3));
}

QHash<QString, bool> CSyncConflictDlg::Choices() const
{
    QHash<QString, bool> choices;
    for (int row = 0; row < int(m_conflicts.size()); ++row) {
        const int choice = ChoiceOf(row)->currentData().toInt();
        if (choice != Later)
            choices.insert(m_conflicts.at(row).recId, choice == KeepHere);
    }
    return choices;
}
