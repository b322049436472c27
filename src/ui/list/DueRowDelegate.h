#pragma once

#include <QList>
#include <QLocale>
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

    // The fonts of a row's texts, from the view's font.
    static QFont RowFont(const QFont& base, bool bold);
    // The narrowest row that shows dates and amounts of the locale whole.
    // Any thread may ask.
    static int MinimumWidth(const QFont& base, const QLocale& locale);

private:
    static int MeasureMinimumWidth(const QFont& base, const QLocale& locale);

    mutable bool m_imagesLoaded = false;
    mutable QList<QPixmap> m_row;   // the row image
    mutable QList<QPixmap> m_marks; // 0 paid, 1 recurring
};
