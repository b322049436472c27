#include "ui/frame/CDetailsList.h"

#include "ui/frame/ToolTipText.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <QToolTip>

#include <algorithm>

namespace {

// One row as a screen reader sees it: "heading: value".
class RowAccessible : public QAccessibleInterface
{
public:
    RowAccessible(CDetailsList* list, int row) : m_list(list), m_row(row) {}

    bool isValid() const override { return m_list && m_row < m_list->RowCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_list ? m_list->window()->windowHandle() : nullptr; }
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_list); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        if (!m_list || t != QAccessible::Name)
            return {};
        const QString value = m_list->Value(m_row);
        return value.isEmpty() ? m_list->Heading(m_row)
                               : m_list->Heading(m_row) + QStringLiteral(": ") + value;
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!m_list)
            return {};
        const QRect r = m_list->RowRect(m_row);
        return QRect(m_list->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.selectable = true;
        const bool current = m_list && m_list->CurrentRow() == m_row;
        s.selected = current;
        s.focused = current && m_list->hasFocus();
        return s;
    }

private:
    QPointer<CDetailsList> m_list;
    int m_row;
};

class ListAccessible : public QAccessibleWidget
{
public:
    explicit ListAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::List) {}

    ~ListAccessible() override
    {
        for (QAccessible::Id id : std::as_const(m_rows))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return List()->RowCount(); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        while (m_rows.size() <= index)
            m_rows << QAccessible::registerAccessibleInterface(new RowAccessible(List(), int(m_rows.size())));
        return QAccessible::accessibleInterface(m_rows.at(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < m_rows.size(); ++i) {
            if (QAccessible::accessibleInterface(m_rows.at(i)) == child)
                return i;
        }
        return -1;
    }

    QAccessibleInterface* focusChild() const override
    {
        return List()->hasFocus() ? child(List()->CurrentRow()) : nullptr;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        return child(List()->RowAt(List()->mapFromGlobal(QPoint(x, y))));
    }

private:
    CDetailsList* List() const { return static_cast<CDetailsList*>(widget()); }

    mutable QList<QAccessible::Id> m_rows;
};

QAccessibleInterface* AccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("CDetailsList") && object && object->isWidgetType())
        return new ListAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

CDetailsList::CDetailsList(const QStringList& headings, QWidget* parent)
    : QFrame(parent), m_headings(headings), m_values(int(headings.size()))
{
    static const bool factory = (QAccessible::installFactory(AccessibleFactory), true);
    (void)factory;
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumWidth(180);
}

void CDetailsList::SetValue(int row, const QString& value)
{
    if (row < 0 || row >= RowCount() || m_values.at(row) == value)
        return;
    m_values[row] = value;
    update(RowRect(row));
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        changed.setChild(row);
        QAccessible::updateAccessibility(&changed);
    }
}

void CDetailsList::SetCurrentRow(int row)
{
    row = row < 0 || RowCount() == 0 ? -1 : std::min(row, RowCount() - 1);
    if (row == m_current)
        return;
    const int was = m_current;
    m_current = row;
    update(RowRect(was));
    update(RowRect(row));
    if (row >= 0 && hasFocus() && QAccessible::isActive()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(row);
        QAccessible::updateAccessibility(&focus);
    }
    emit currentRowChanged(row);
}

int CDetailsList::RowAt(const QPoint& pos) const
{
    const QRect area = contentsRect();
    if (!area.contains(pos))
        return -1;
    const int row = (pos.y() - area.top()) / kRowHeight;
    return row < RowCount() ? row : -1;
}

QRect CDetailsList::RowRect(int row) const
{
    if (row < 0 || row >= RowCount())
        return {};
    const QRect area = contentsRect();
    return QRect(area.left(), area.top() + row * kRowHeight, area.width(), kRowHeight);
}

QRect CDetailsList::CellRect(int row, int column) const
{
    const QRect line = RowRect(row);
    const int split = std::min(HeadingWidth(), line.width());
    const QRect cell = column == 0
                           ? QRect(line.left(), line.top(), split, line.height())
                           : QRect(line.left() + split, line.top(), line.width() - split, line.height());
    return QStyle::visualRect(layoutDirection(), contentsRect(), cell);
}

QRect CDetailsList::TextRect(int row, int column) const
{
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return CellRect(row, column).adjusted(margin, 0, -margin - 1, -1);
}

QString CDetailsList::ShownText(int row, int column) const
{
    const QFontMetrics metrics(column == 0 ? HeadingFont() : font());
    return metrics.elidedText(column == 0 ? Heading(row) : Value(row), Qt::ElideRight,
                              TextRect(row, column).width());
}

QFont CDetailsList::HeadingFont() const
{
    QFont bold = font();
    bold.setBold(true);
    return bold;
}

int CDetailsList::HeadingWidth() const
{
    // Headings in other languages run longer ("Fälligkeitsdatum"): the column
    // takes the widest, never less than the English layout's.
    if (m_headingWidth < 0) {
        const QFontMetrics metrics(HeadingFont());
        const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
        int widest = 0;
        for (const QString& heading : m_headings)
            widest = std::max(widest, metrics.horizontalAdvance(heading));
        // A pixel or two beyond the measured width: the ellipsis is decided
        // on the glyphs' exact widths, which round either way.
        m_headingWidth = std::max(100, widest + 2 * margin + 1 + 2);
    }
    return m_headingWidth;
}

QSize CDetailsList::sizeHint() const
{
    const QMargins frame = contentsMargins();
    return QSize(300, RowCount() * kRowHeight + frame.top() + frame.bottom());
}

QSize CDetailsList::minimumSizeHint() const
{
    // Every row stays in sight: the bar is never shorter than its rows.
    const QMargins frame = contentsMargins();
    return QSize(180, RowCount() * kRowHeight + frame.top() + frame.bottom());
}

bool CDetailsList::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int row = RowAt(help->pos());
        if (row >= 0 && !Value(row).isEmpty())
            QToolTip::showText(help->globalPos(), ToolTipText::ForScreen(Value(row), this), this,
                               RowRect(row));
        else
            QToolTip::hideText();
        return true;
    }
    return QFrame::event(event);
}

void CDetailsList::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.setLayoutDirection(layoutDirection()); // the texts start on the side the layout starts
    const QPalette& pal = palette();
    const QRect area = contentsRect();
    p.fillRect(area, pal.color(QPalette::Base));
    const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
    QStyleOptionViewItem gridOption;
    gridOption.initFrom(this);
    const QColor grid =
        QColor::fromRgba(uint(style()->styleHint(QStyle::SH_Table_GridLineColor, &gridOption, this)));
    const QFont normal = font();
    const QFont bold = HeadingFont();
    for (int row = 0; row < RowCount(); ++row) {
        const QRect line = RowRect(row);
        if (!line.intersects(event->rect()))
            continue;
        const bool current = row == m_current;
        const QColor back = current   ? pal.color(group, QPalette::Highlight)
                            : row % 2 ? pal.color(QPalette::AlternateBase)
                                      : pal.color(QPalette::Base);
        p.fillRect(line, back);
        p.setPen(pal.color(group, current ? QPalette::HighlightedText : QPalette::Text));
        for (int column = 0; column < 2; ++column) {
            p.setFont(column == 0 ? bold : normal);
            p.drawText(TextRect(row, column), Qt::AlignVCenter | Qt::AlignLeading | Qt::TextSingleLine,
                       ShownText(row, column));
        }
        // The grid: below each row and after each column.
        p.setPen(grid);
        p.drawLine(line.left(), line.bottom(), line.right(), line.bottom());
        for (int column = 0; column < 2; ++column) {
            const QRect cell = CellRect(row, column);
            const int x = layoutDirection() == Qt::RightToLeft ? cell.left() : cell.right();
            p.drawLine(x, line.top(), x, line.bottom());
        }
        if (current && hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = line.adjusted(0, 0, -1, -1);
            focus.backgroundColor = back;
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
        }
    }
    p.end();
    QFrame::paintEvent(event); // the frame over the rows' edges
}

void CDetailsList::mousePressEvent(QMouseEvent* event)
{
    const int row = RowAt(event->position().toPoint());
    if (row >= 0)
        SetCurrentRow(row);
    QFrame::mousePressEvent(event);
}

void CDetailsList::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QFrame::keyPressEvent(event);
        return;
    }
    const int last = RowCount() - 1;
    switch (event->key()) {
    case Qt::Key_Up:
        SetCurrentRow(m_current < 0 ? 0 : std::max(0, m_current - 1));
        break;
    case Qt::Key_Down:
        SetCurrentRow(m_current < 0 ? 0 : std::min(last, m_current + 1));
        break;
    case Qt::Key_Home:
    case Qt::Key_PageUp:
        SetCurrentRow(0);
        break;
    case Qt::Key_End:
    case Qt::Key_PageDown:
        SetCurrentRow(last);
        break;
    default:
        QFrame::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CDetailsList::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_headingWidth = -1;
        update();
    }
    QFrame::changeEvent(event);
}
