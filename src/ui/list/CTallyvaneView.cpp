#include "ui/list/CTallyvaneView.h"

#include "ui/frame/CommandIds.h"
#include "ui/frame/DueActionIds.h"
#include "ui/list/DueListModel.h"
#include "ui/list/DueRowDelegate.h"
#include "ui/list/DueRowLook.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionFocusRect>

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
    setTabKeyNavigation(false); // Tab leaves the list for the next part of the window
    setFocusPolicy(Qt::StrongFocus);
    UpdateMinimumWidth();

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &CTallyvaneView::UpdateDetails);
    connect(m_model, &QAbstractItemModel::modelReset, this, &CTallyvaneView::ShowKeysPlace);
    connect(this, &QAbstractItemView::doubleClicked, this, &CTallyvaneView::OnDoubleClicked);
}

template <typename F> void CTallyvaneView::KeepingSelection(F&& change)
{
    const auto selected = SelectedDue();
    change();
    if (!selected || !SelectDue(selected->m_strRecId))
        UpdateDetails();
}

void CTallyvaneView::Refresh(const COleDateTime& month, DueFilter filter)
{
    // A month fills in well under a frame: a wait cursor would never show, but
    // loading it from the cursor theme cost a window's start a millisecond.
    KeepingSelection([&] { m_model->Fill(month, filter); });
    viewport()->update();
}

void CTallyvaneView::SetSort(DueSort sort)
{
    KeepingSelection([&] { m_model->SetSort(sort); });
    if (const auto r = SelectedDue())
        scrollTo(m_model->index(m_model->RowOf(r->m_strRecId)));
}

void CTallyvaneView::SetSearch(const QString& text)
{
    KeepingSelection([&] { m_model->SetSearch(text); });
    viewport()->update();
}

bool CTallyvaneView::SelectDue(const QString& recId)
{
    const int row = m_model->RowOf(recId);
    if (row < 0)
        return false;
    SelectRow(row);
    UpdateDetails(); // the same due may be selected again with new contents
    scrollTo(m_model->index(row));
    return true;
}

void CTallyvaneView::SetLoadingText(const QString& text)
{
    m_loadingText = text;
    viewport()->update();
}

QString CTallyvaneView::EmptyText() const
{
    if (m_model->rowCount() > 0)
        return {};
    if (!m_loadingText.isEmpty())
        return m_loadingText;
    if (m_model->MonthCount() > 0)
        return tr("No dues of this month match the search");
    return tr("No dues in this month");
}

void CTallyvaneView::ShowKeysPlace()
{
    // Where the keys are shows from the start: a row to go on from, marked
    // but not selected (a listing that arrives later loses the old one).
    if (hasFocus() && !currentIndex().isValid() && m_model->rowCount() > 0)
        selectionModel()->setCurrentIndex(m_model->index(0), QItemSelectionModel::NoUpdate);
}

void CTallyvaneView::focusInEvent(QFocusEvent* event)
{
    QListView::focusInEvent(event);
    ShowKeysPlace();
    viewport()->update();
}

void CTallyvaneView::focusOutEvent(QFocusEvent* event)
{
    QListView::focusOutEvent(event);
    viewport()->update();
}

void CTallyvaneView::paintEvent(QPaintEvent* event)
{
    QListView::paintEvent(event);
    const QString text = EmptyText();
    if (text.isEmpty())
        return;
    QPainter p(viewport());
    p.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    const QRect area = viewport()->rect().adjusted(8, 8, -8, -8);
    QRect said;
    p.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text, &said);
    if (hasFocus()) {
        // No row to mark: the text says where the keys are.
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = said.adjusted(-4, -2, 4, 2);
        focus.backgroundColor = palette().color(QPalette::Base);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

void CTallyvaneView::changeEvent(QEvent* event)
{
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LocaleChange)
        UpdateMinimumWidth();
}

void CTallyvaneView::UpdateMinimumWidth()
{
    // Wide enough for the longest date and amount of a row, and the frame
    // and scroll bar around them.
    setMinimumWidth(DueRowDelegate::MinimumWidth(font(), locale()) + 2 * frameWidth() +
                    style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
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
