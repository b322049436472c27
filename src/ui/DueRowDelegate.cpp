#include "ui/DueRowDelegate.h"

#include "model/Clock.h"
#include "ui/DueListModel.h"
#include "ui/DueRowLook.h"
#include "ui/LoadImageList.h"

#include <QPainter>

#include <algorithm>

DueRowDelegate::DueRowDelegate(QObject* parent)
    : QStyledItemDelegate(parent), m_row(LoadImageList(132, 32)), m_marks(LoadImageList(142, 16))
{
}

QSize DueRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return QSize(option.rect.width() > 0 ? option.rect.width() : 300, kDueRowHeight);
}

void DueRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const
{
    const QVariant value = index.data(DueListModel::RecordRole);
    if (!value.canConvert<DueRecord>()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const DueRecord record = value.value<DueRecord>();
    const bool selected = option.state & QStyle::State_Selected;
    const DueRowLook look = ComputeRowLook(record, index.row(), selected, Clock::Now().date());
    const DueRowLayout layout = ComputeRowLayout(option.rect);

    painter->save();
    painter->setClipRect(option.rect);
    painter->fillRect(layout.fill, look.background);

    QFont bold = option.font;
    bold.setPixelSize(13);
    bold.setBold(true);
    painter->setFont(bold);
    painter->setPen(look.text);
    // A long title stops short of the amount instead of running under it.
    const int amountLeft = layout.amount.right() - painter->fontMetrics().horizontalAdvance(look.amount) - 12;
    const int titleWidth = std::max(0, std::min(layout.line1.width(), amountLeft - layout.line1.left()));
    painter->drawText(layout.line1, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      painter->fontMetrics().elidedText(look.line1, Qt::ElideRight, titleWidth));
    painter->drawText(layout.amount, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, look.amount);

    QFont normal = bold;
    normal.setBold(false);
    painter->setFont(normal);
    painter->drawText(layout.line2, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, look.line2);

    if (!m_row.isEmpty())
        painter->drawPixmap(layout.rowImage, m_row.at(0));
    if (look.paidMark && m_marks.size() > 0)
        painter->drawPixmap(layout.paidMark, m_marks.at(0));
    if (look.recurringMark && m_marks.size() > 1)
        painter->drawPixmap(layout.recurringMark, m_marks.at(1));
    painter->restore();
}
