#pragma once

#include <QFrame>
#include <QStringList>

// The rows of the Details bar: a heading (bold) and a value each, drawn as a
// two-column grid in alternating colours. The heading column takes the
// widest heading (never under 100 pixels), the values the rest, cut short
// with an ellipsis; a value's whole text is its tool tip. One row can be
// current: a click or the arrow keys pick it, Tab goes on to the next part of
// the window. Screen readers see a list of "heading: value" items.
class CDetailsList : public QFrame
{
    Q_OBJECT
public:
    static constexpr int kRowHeight = 22;

    explicit CDetailsList(const QStringList& headings, QWidget* parent = nullptr);

    int RowCount() const { return int(m_headings.size()); }
    QString Heading(int row) const { return m_headings.value(row); }
    QString Value(int row) const { return m_values.value(row); }
    void SetValue(int row, const QString& value);

    // -1: none.
    int CurrentRow() const { return m_current; }
    void SetCurrentRow(int row);
    int RowAt(const QPoint& pos) const;
    QRect RowRect(int row) const;
    int HeadingWidth() const;
    // A heading (column 0) or value (column 1) as painted: cut short with an
    // ellipsis when its cell is too narrow.
    QString ShownText(int row, int column) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void currentRowChanged(int row);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QFont HeadingFont() const;
    // The rectangle of one cell, mirrored where the layout runs right to left.
    QRect CellRect(int row, int column) const;
    // Where a cell's text goes within it.
    QRect TextRect(int row, int column) const;

    QStringList m_headings;
    QStringList m_values;
    int m_current = -1;
    mutable int m_headingWidth = -1; // measured when first needed
};
