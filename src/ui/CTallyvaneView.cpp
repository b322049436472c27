#include "ui/CTallyvaneView.h"

#include "ui/CommandIds.h"
#include "ui/DueActionIds.h"
#include "ui/DueListModel.h"
#include "ui/DueRowDelegate.h"
#include "ui/DueRowLook.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>

CTallyvaneView::CTallyvaneView(QWidget* parent)
    : QListView(parent), m_model(new DueListModel(this)), m_delegate(new DueRowDelegate(this))
{
    setModel(m_model);
    setItemDelegate(m_delegate);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFrameShape(QFrame::StyledPanel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    setPalette(pal);

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &CTallyvaneView::UpdateDetails);
    connect(this, &QAbstractItemView::doubleClicked, this, &CTallyvaneView::OnDoubleClicked);
}

void CTallyvaneView::Refresh(const COleDateTime& month, DueFilter filter)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_model->Fill(month, filter);
    QApplication::restoreOverrideCursor();
    UpdateDetails();
}

std::optional<DueRecord> CTallyvaneView::SelectedDue() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    const DueRecord* r = m_model->RecordAt(rows.first().row());
    if (!r)
        return std::nullopt;
    return *r;
}

void CTallyvaneView::SelectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = m_model->index(row);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

void CTallyvaneView::UpdateDetails()
{
    if (const auto r = SelectedDue())
        emit dueSelected(*r);
    else
        emit selectionCleared();
}

void CTallyvaneView::OnDoubleClicked(const QModelIndex& index)
{
    UpdateDetails();
    if (const DueRecord* r = m_model->RecordAt(index.row()))
        emit modifyRequested(r->m_strRecId);
}

QMenu* CTallyvaneView::BuildContextMenu(const QPoint& pos)
{
    auto* menu = new QMenu(this);
    auto add = [&](const QString& text, int id) {
        QAction* a = menu->addAction(text);
        a->setData(id);
        connect(a, &QAction::triggered, this, [this, id] { emit commandRequested(id); });
    };
    const QModelIndex index = indexAt(pos);
    add(tr("New"), ID_DUE_NEW);
    if (index.isValid()) {
        SelectRow(index.row());
        add(tr("Modify"), ID_DUE_MODIFY);
        add(tr("Delete"), ID_DUE_DELETE);
        menu->addSeparator();
        add(tr("Mark Paid"), ID_MARK_PAID);
        add(tr("Mark Unpaid"), ID_MARK_UNPAID);
    }
    return menu;
}

void CTallyvaneView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = BuildContextMenu(event->pos());
    menu->exec(event->globalPos());
    menu->deleteLater();
}

void CTallyvaneView::resizeEvent(QResizeEvent* event)
{
    QListView::resizeEvent(event);
    // Rows always span the whole width.
    doItemsLayout();
}
