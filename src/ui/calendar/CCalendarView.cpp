#include "ui/calendar/CCalendarView.h"

#include "model/base/Clock.h"
#include "model/base/LocaleFormat.h"
#include "ui/calendar/CalendarAccessible.h"
#include "ui/frame/ToolTipText.h"
#include "ui/list/DueRowLook.h"
#include "ui/skinui/GuiDrawLayer.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace {
constexpr int kTextMargin = 2; // between a line's edge and its text
constexpr int kAmountGap = 6;  // between a title and the amount beside it
// The room a title keeps beside the amount, in average letters; with less the
// amount goes under the title.
constexpr int kTitleLetters = 6;
} // namespace

CCalendarView::CCalendarView(QWidget* parent) : QWidget(parent)
{
    CalendarAccessible::Install();
    setObjectName(QStringLiteral("DueCalendar"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setMinimumSize(420, 300);
    setAccessibleDescription(tr("Arrow keys move by a day and a week, Page Down and Page Up go through the "
                                "dues of the day, Enter modifies the due or starts a new one on the day"));
}

void CCalendarView::SetMonth(const COleDateTime& month, const QList<DueRecord>& dues)
{
    m_firstDay = QLocale().firstDayOfWeek();
    const QDate shown = month.ToQDate();
    m_grid = shown.isValid() ? CalendarMonth(shown.year(), shown.month(), m_firstDay) : CalendarMonth();
    m_byDay = CalendarMonth::ByDay(dues);
    if (!m_grid.InMonth(m_current)) {
        const QDate today = Clock::Now().date();
        m_current = m_grid.InMonth(today) ? today : m_grid.MonthStart();
    }
    // A due that is no longer listed is no longer selected.
    bool found = false;
    for (const QList<DueRecord>& day : std::as_const(m_byDay))
        for (const DueRecord& r : day)
            found = found || r.m_strRecId == m_selected;
    if (!found)
        m_selected.clear();
    setAccessibleName(shown.isValid()
                          ? tr("Calendar of %1").arg(QLocale().toString(shown, QStringLiteral("MMMM yyyy")))
                          : tr("Calendar"));
    MeasureAmounts();
    update();
}

void CCalendarView::MeasureAmounts()
{
    const QFontMetrics metrics(font());
    m_amountWidth = 0;
    for (const QList<DueRecord>& day : std::as_const(m_byDay))
        for (const DueRecord& r : day)
            m_amountWidth =
                qMax(m_amountWidth,
                     metrics.horizontalAdvance(FormatCurrencyText(AmountText(r.m_dAmount), QLocale())));
}

bool CCalendarView::SelectDue(const QString& recId)
{
    for (auto it = m_byDay.cbegin(); it != m_byDay.cend(); ++it) {
        for (const DueRecord& r : it.value()) {
            if (r.m_strRecId == recId && m_grid.InMonth(it.key())) {
                m_current = it.key();
                Select(recId);
                return true;
            }
        }
    }
    return false;
}

void CCalendarView::SetCurrentDay(const QDate& day)
{
    if (m_grid.InMonth(day))
        MoveTo(day);
}

int CCalendarView::HeaderHeight() const
{
    return fontMetrics().height() + 6;
}

int CCalendarView::LineHeight() const
{
    return fontMetrics().height() + 2;
}

QRect CCalendarView::HeaderRect(int column) const
{
    const int c = CalendarMonth::VisualColumn(column, layoutDirection() == Qt::RightToLeft);
    const int x0 = c * width() / 7, x1 = (c + 1) * width() / 7;
    return QRect(x0, 0, x1 - x0, HeaderHeight());
}

QRect CCalendarView::CellRect(int cell) const
{
    if (cell < 0 || m_grid.Weeks() <= 0)
        return {};
    const int top = HeaderHeight();
    const int w = width(), h = height() - top;
    const int row = cell / 7;
    const int column = CalendarMonth::VisualColumn(cell % 7, layoutDirection() == Qt::RightToLeft);
    const int x0 = column * w / 7, x1 = (column + 1) * w / 7;
    const int y0 = top + row * h / m_grid.Weeks(), y1 = top + (row + 1) * h / m_grid.Weeks();
    return QRect(QPoint(x0, y0), QPoint(x1 - 1, y1 - 1));
}

QRect CCalendarView::DayRect(const QDate& day) const
{
    return CellRect(m_grid.CellOf(day));
}

int CCalendarView::LinesPerDay() const
{
    // The narrowest cell: the grid's columns differ by a pixel.
    const QRect cell = CellRect(0);
    if (cell.isEmpty())
        return 0;
    // The first line holds the day's number.
    return qMax(0, (cell.height() - LineHeight() - 2) / LineHeight());
}

int CCalendarView::LinesPerDue() const
{
    const int lineWidth = width() / 7 - 4 - 2 * kTextMargin;
    const int titleRoom = fontMetrics().averageCharWidth() * kTitleLetters;
    return CalendarMonth::LinesPerDue(lineWidth, m_amountWidth + kAmountGap, titleRoom, LinesPerDay());
}

QRect CCalendarView::DueRect(const QDate& day, int index) const
{
    const QRect cell = DayRect(day);
    const int count = int(m_byDay.value(day).size());
    const int perDue = LinesPerDue();
    if (cell.isEmpty() || index < 0 || index >= CalendarMonth::ShownDues(count, LinesPerDay(), perDue))
        return {};
    const int y = cell.top() + LineHeight() + 1 + index * perDue * LineHeight();
    return QRect(cell.left() + 2, y, cell.width() - 4, perDue * LineHeight());
}

QRect CCalendarView::MoreRect(const QDate& day) const
{
    const QRect cell = DayRect(day);
    const int count = int(m_byDay.value(day).size());
    const int perDue = LinesPerDue();
    const int shown = CalendarMonth::ShownDues(count, LinesPerDay(), perDue);
    if (cell.isEmpty() || shown >= count)
        return {};
    const int y = cell.top() + LineHeight() + 1 + shown * perDue * LineHeight();
    return QRect(cell.left() + 2, y, cell.width() - 4, LineHeight());
}

void CCalendarView::PlaceTexts(const QDate& day, int index, QRect* title, QRect* amount) const
{
    *title = *amount = QRect();
    const QRect line = DueRect(day, index);
    if (line.isEmpty())
        return;
    const QFontMetrics metrics(font());
    const QRect inner = line.adjusted(kTextMargin, 0, -kTextMargin, 0);
    const QRect first(inner.left(), inner.top(), inner.width(), LineHeight());
    const QString text = FormatCurrencyText(AmountText(m_byDay.value(day).at(index).m_dAmount), QLocale());
    const int amountWidth = qMin(metrics.horizontalAdvance(text), first.width());
    const Qt::LayoutDirection direction = layoutDirection();
    *title = first;
    if (LinesPerDue() == 2) {
        // Narrow: the title has the first line to itself, the amount the second.
        *amount = QStyle::visualRect(
            direction, line,
            QRect(first.right() + 1 - amountWidth, first.bottom() + 1, amountWidth, first.height()));
        return;
    }
    // The amount is what a glance at the month is for: it stays whole beside
    // the title while the title keeps a few letters.
    const int titleRoom = first.width() - amountWidth - kAmountGap;
    if (titleRoom < metrics.averageCharWidth() * kTitleLetters)
        return;
    *title =
        QStyle::visualRect(direction, first, QRect(first.left(), first.top(), titleRoom, first.height()));
    *amount = QStyle::visualRect(
        direction, first, QRect(first.right() + 1 - amountWidth, first.top(), amountWidth, first.height()));
}

QRect CCalendarView::TitleRect(const QDate& day, int index) const
{
    QRect title, amount;
    PlaceTexts(day, index, &title, &amount);
    return title;
}

QRect CCalendarView::AmountRect(const QDate& day, int index) const
{
    QRect title, amount;
    PlaceTexts(day, index, &title, &amount);
    return amount;
}

CCalendarView::Hit CCalendarView::HitAt(const QPoint& pos) const
{
    Hit hit;
    for (int cell = 0; cell < m_grid.Weeks() * 7; ++cell) {
        if (!CellRect(cell).contains(pos))
            continue;
        hit.day = m_grid.FirstShown().addDays(cell);
        const int count = int(m_byDay.value(hit.day).size());
        for (int i = 0; i < count; ++i)
            if (DueRect(hit.day, i).contains(pos))
                hit.index = i;
        hit.more = MoreRect(hit.day).contains(pos);
        break;
    }
    return hit;
}

int CCalendarView::SelectedIndex() const
{
    const QList<DueRecord> dues = m_byDay.value(m_current);
    for (int i = 0; i < dues.size(); ++i)
        if (dues.at(i).m_strRecId == m_selected)
            return i;
    return -1;
}

void CCalendarView::Select(const QString& recId)
{
    m_selected = recId;
    update();
    NotifyAccessible();
    if (recId.isEmpty()) {
        emit selectionCleared();
        return;
    }
    for (const DueRecord& r : m_byDay.value(m_current))
        if (r.m_strRecId == recId)
            emit dueSelected(r);
}

void CCalendarView::MoveTo(const QDate& day)
{
    m_current = day;
    const QList<DueRecord> dues = m_byDay.value(day);
    Select(dues.isEmpty() ? QString() : dues.first().m_strRecId);
}

void CCalendarView::NotifyAccessible()
{
    QAccessibleInterface* item = CalendarAccessible::CurrentItem(this);
    if (!item)
        return;
    if (hasFocus()) {
        QAccessibleEvent focus(item, QAccessible::Focus);
        CalendarAccessible::Notify(&focus);
    }
    QAccessibleEvent selection(item, QAccessible::Selection);
    CalendarAccessible::Notify(&selection);
}

QString CCalendarView::DayText(const QDate& day) const
{
    const int count = int(m_byDay.value(day).size());
    const QString date = QLocale().toString(day, QLocale::LongFormat);
    return day == Clock::Now().date() ? tr("%1, today, %n due(s)", nullptr, count).arg(date)
                                      : tr("%1, %n due(s)", nullptr, count).arg(date);
}

QString CCalendarView::ToolTipAt(const QPoint& pos) const
{
    const Hit hit = HitAt(pos);
    if (!m_grid.InMonth(hit.day))
        return {};
    const QList<DueRecord> dues = m_byDay.value(hit.day);
    const QDate today = Clock::Now().date();
    if (hit.index >= 0) {
        const DueRowLook look = ComputeRowLook(dues.at(hit.index), 0, false, today);
        return ToolTipText::ForScreen(look.line1, this) + QLatin1Char('\n') + look.amount +
               QStringLiteral("  ") + look.line2;
    }
    if (!hit.more)
        return {};
    QStringList hidden;
    const int shown = CalendarMonth::ShownDues(int(dues.size()), LinesPerDay(), LinesPerDue());
    for (int i = shown; i < dues.size(); ++i) {
        const DueRowLook look = ComputeRowLook(dues.at(i), 0, false, today);
        hidden << ToolTipText::ForScreen(look.line1 + QStringLiteral("  ") + look.amount, this);
    }
    return hidden.join(QLatin1Char('\n'));
}

bool CCalendarView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = ToolTipAt(help->pos());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, this);
        return true;
    }
    return QWidget::event(event);
}

void CCalendarView::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    const Hit hit = HitAt(event->position().toPoint());
    if (!m_grid.InMonth(hit.day))
        return;
    m_current = hit.day;
    const QList<DueRecord> dues = m_byDay.value(hit.day);
    if (hit.index >= 0)
        Select(dues.at(hit.index).m_strRecId);
    else if (hit.more) {
        // Each click on "+N more" selects the next hidden due, in turn; the
        // Details bar shows it.
        const int shown = CalendarMonth::ShownDues(int(dues.size()), LinesPerDay(), LinesPerDue());
        int next = shown;
        for (int i = shown; i < dues.size(); ++i)
            if (dues.at(i).m_strRecId == m_selected)
                next = i + 1 < dues.size() ? i + 1 : shown;
        Select(dues.at(next).m_strRecId);
    } else
        Select(QString());
}

void CCalendarView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const Hit hit = HitAt(event->position().toPoint());
    if (!m_grid.InMonth(hit.day))
        return;
    if (hit.index >= 0)
        emit modifyRequested(m_byDay.value(hit.day).at(hit.index).m_strRecId);
    else if (!hit.more)
        emit newDueRequested(hit.day);
}

void CCalendarView::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QWidget::keyPressEvent(event); // the window's keys: Ctrl+PgDown and the like
        return;
    }
    // The grid runs the way the layout does: Left goes to the day drawn left.
    const int forward = layoutDirection() == Qt::RightToLeft ? -1 : 1;
    int days = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        days = -forward;
        break;
    case Qt::Key_Right:
        days = forward;
        break;
    case Qt::Key_Up:
        days = -7;
        break;
    case Qt::Key_Down:
        days = 7;
        break;
    case Qt::Key_Home:
        MoveTo(m_grid.MonthStart());
        return;
    case Qt::Key_End:
        MoveTo(m_grid.MonthEnd());
        return;
    case Qt::Key_PageDown:
    case Qt::Key_PageUp: {
        // Every due of the day in turn, also those behind "+N more".
        const QList<DueRecord> dues = m_byDay.value(m_current);
        const int next = CalendarMonth::NextDue(int(dues.size()), SelectedIndex(),
                                                event->key() == Qt::Key_PageDown ? 1 : -1);
        if (next >= 0)
            Select(dues.at(next).m_strRecId);
        return;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!m_selected.isEmpty())
            emit modifyRequested(m_selected);
        else if (m_grid.InMonth(m_current))
            emit newDueRequested(m_current);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    MoveTo(m_grid.Step(m_current, days));
}

void CCalendarView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
    NotifyAccessible();
}

void CCalendarView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LocaleChange)
        MeasureAmounts();
}

void CCalendarView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // Leading and trailing follow the layout: the day's number and the
    // amounts go to the trailing side, titles start on the leading one.
    p.setLayoutDirection(layoutDirection());
    const QPalette pal = palette();
    const DueRowColours& colours = RowColours(GuiDrawLayer::IsDark(pal));
    const QLocale locale;
    const QDate today = Clock::Now().date();

    // Weekday names from the locale's first day of the week.
    for (int c = 0; c < 7; ++c) {
        const QRect r = HeaderRect(c);
        p.fillRect(r, pal.button());
        p.setPen(pal.buttonText().color());
        const int weekday = (int(m_firstDay) - 1 + c) % 7 + 1;
        p.drawText(r, Qt::AlignCenter, locale.dayName(weekday, QLocale::ShortFormat));
    }

    QFont plain = font();
    QFont struck = font();
    struck.setStrikeOut(true);
    QFont bold = font();
    bold.setBold(true);
    const int lines = LinesPerDay();
    const int perDue = LinesPerDue();
    const int lineHeight = LineHeight();
    const int selectedIndex = SelectedIndex();

    for (int cell = 0; cell < m_grid.Weeks() * 7; ++cell) {
        const QDate day = m_grid.FirstShown().addDays(cell);
        const QRect r = CellRect(cell);
        const bool inMonth = m_grid.InMonth(day);
        p.fillRect(r, inMonth ? pal.base() : pal.alternateBase());
        p.setPen(pal.mid().color());
        p.drawRect(r.adjusted(0, 0, -1, -1));

        const QRect numberRect(r.left() + 4, r.top() + 1, r.width() - 8, lineHeight);
        p.setFont(day == today ? bold : plain);
        p.setPen(inMonth ? pal.text().color() : pal.placeholderText().color());
        p.drawText(numberRect, Qt::AlignTrailing | Qt::AlignVCenter, QString::number(day.day()));
        if (day == today) {
            p.setPen(QPen(colours.dueToday, 2));
            p.drawRect(r.adjusted(1, 1, -2, -2));
        }
        if (day == m_current && hasFocus()) {
            QPen dotted(pal.highlight().color(), 1, Qt::DotLine);
            p.setPen(dotted);
            p.drawRect(r.adjusted(3, 3, -4, -4));
        }
        if (!inMonth)
            continue;

        const QList<DueRecord> dues = m_byDay.value(day);
        const int shown = CalendarMonth::ShownDues(int(dues.size()), lines, perDue);
        for (int i = 0; i < shown; ++i) {
            const DueRecord& due = dues.at(i);
            const bool selected = due.m_strRecId == m_selected;
            const DueRowLook look = ComputeRowLook(due, 0, selected, today, colours);
            const QRect line = DueRect(day, i);
            if (selected)
                p.fillRect(line, look.background);
            p.setFont(due.m_bPaid ? struck : plain);
            p.setPen(look.text);
            QRect titleRect, amountRect;
            PlaceTexts(day, i, &titleRect, &amountRect);
            if (!amountRect.isEmpty())
                p.drawText(amountRect, Qt::AlignTrailing | Qt::AlignVCenter, look.amount);
            p.drawText(titleRect, Qt::AlignLeading | Qt::AlignVCenter,
                       p.fontMetrics().elidedText(due.m_strTitle, Qt::ElideRight, titleRect.width()));
        }
        if (shown < dues.size()) {
            const QRect more = MoreRect(day);
            const QRect text = more.adjusted(kTextMargin, 0, -kTextMargin, 0);
            p.setFont(plain);
            if (day == m_current && selectedIndex >= shown) {
                // A hidden due that is selected shows in the last line, in turn.
                const DueRecord& due = dues.at(selectedIndex);
                const DueRowLook look = ComputeRowLook(due, 0, true, today);
                p.fillRect(more, look.background);
                p.setPen(look.text);
                const QString said =
                    tr("%1 of %2: %3").arg(selectedIndex + 1).arg(dues.size()).arg(due.m_strTitle);
                p.drawText(text, Qt::AlignLeading | Qt::AlignVCenter,
                           p.fontMetrics().elidedText(said, Qt::ElideRight, text.width()));
            } else {
                p.setPen(pal.text().color());
                p.drawText(text, Qt::AlignLeading | Qt::AlignVCenter,
                           tr("+%n more", nullptr, int(dues.size() - shown)));
            }
        }
    }
}
