#pragma once

#include <QList>
#include <QPixmap>
#include <QStyledItemDelegate>

// Paints a due as a two-line row from the record under DueListModel::RecordRole;
// colours, texts and places come from ComputeRowLook / ComputeRowLayout.
class DueRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit DueRowDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QList<QPixmap> m_row;   // the row image
    QList<QPixmap> m_marks; // 0 paid, 1 recurring
};
