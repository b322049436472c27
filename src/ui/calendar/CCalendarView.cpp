#include "ui/calendar/CCalendarView.h"

#include "model/base/Clock.h"
#include "model/base/LocaleFormat.h"
#include "ui/list/DueRowLook.h"
#include "ui/skinui/GuiDrawLayer.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>

CCalendarView::CCalendarView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DueCalendar"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setMinimumSize(420, 300);
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
    update();
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

QRect CCalendarView::CellRect(int cell) const
{
    if (cell < 0 || m_grid.Weeks() <= 0)
        return {};
    const int top = HeaderHeight();
    const int w = width(), h = height() - top;
    const int row = cell / 7, column = cell % 7;
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
    const QRect cell = CellRect(0);
    if (cell.isEmpty())
        return 0;
    // The first line holds the day's number.
    return qMax(0, (cell.height() - LineHeight() - 2) / LineHeight());
}

QRect CCalendarView::DueRect(const QDate& day, int index) const
{
    const QRect cell = DayRect(day);
    const int count = int(m_byDay.value(day).size());
    if (cell.isEmpty() || index < 0 || index >= CalendarMonth::ShownDues(count, LinesPerDay()))
        return {};
    const int y = cell.top() + LineHeight() + 1 + index * LineHeight();
    return QRect(cell.left() + 2, y, cell.width() - 4, LineHeight());
}

QRect CCalendarView::MoreRect(const QDate& day) const
{
    const QRect cell = DayRect(day);
    const int count = int(m_byDay.value(day).size());
    const int shown = CalendarMonth::ShownDues(count, LinesPerDay());
    if (cell.isEmpty() || shown >= count)
        return {};
    const int y = cell.top() + LineHeight() + 1 + shown * LineHeight();
    return QRect(cell.left() + 2, y, cell.width() - 4, LineHeight());
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

void CCalendarView::Select(const QString& recId)
{
    m_selected = recId;
    update();
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
        const int shown = CalendarMonth::ShownDues(int(dues.size()), LinesPerDay());
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
    int days = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        days = layoutDirection() == Qt::RightToLeft ? 1 : -1;
        break;
    case Qt::Key_Right:
        days = layoutDirection() == Qt::RightToLeft ? -1 : 1;
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

void CCalendarView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPalette pal = palette();
    const DueRowColours& colours = RowColours(GuiDrawLayer::IsDark(pal));
    const QLocale locale;
    const QDate today = Clock::Now().date();
    const int header = HeaderHeight();

    // Weekday names from the locale's first day of the week.
    for (int c = 0; c < 7; ++c) {
        const int x0 = c * width() / 7, x1 = (c + 1) * width() / 7;
        const QRect r(x0, 0, x1 - x0, header);
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

    for (int cell = 0; cell < m_grid.Weeks() * 7; ++cell) {
        const QDate day = m_grid.FirstShown().addDays(cell);
        const QRect r = CellRect(cell);
        const bool inMonth = m_grid.InMonth(day);
        p.fillRect(r, inMonth ? pal.base() : pal.alternateBase());
        p.setPen(pal.mid().color());
        p.drawRect(r.adjusted(0, 0, -1, -1).translated(0, 0));

        const QRect numberRect(r.left() + 4, r.top() + 1, r.width() - 8, LineHeight());
        p.setFont(day == today ? bold : plain);
        p.setPen(inMonth ? pal.text().color() : pal.placeholderText().color());
        p.drawText(numberRect, Qt::AlignRight | Qt::AlignVCenter, QString::number(day.day()));
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
        const int shown = CalendarMonth::ShownDues(int(dues.size()), lines);
        for (int i = 0; i < shown; ++i) {
            const DueRecord& due = dues.at(i);
            const bool selected = due.m_strRecId == m_selected;
            const DueRowLook look = ComputeRowLook(due, 0, selected, today, colours);
            const QRect line = DueRect(day, i);
            if (selected)
                p.fillRect(line, look.background);
            p.setFont(due.m_bPaid ? struck : plain);
            p.setPen(look.text);
            const QRect inner = line.adjusted(2, 0, -2, 0);
            const int amountWidth = p.fontMetrics().horizontalAdvance(look.amount);
            // The amount is what a glance at the month is for: it stays whole
            // while at least a letter of the title fits beside it.
            const bool amountFits =
                amountWidth + p.fontMetrics().horizontalAdvance(QStringLiteral("M…")) + 4 <= inner.width();
            if (amountFits)
                p.drawText(inner, Qt::AlignRight | Qt::AlignVCenter, look.amount);
            const QRect titleRect = inner.adjusted(0, 0, amountFits ? -amountWidth - 4 : 0, 0);
            p.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter,
                       p.fontMetrics().elidedText(due.m_strTitle, Qt::ElideRight, titleRect.width()));
        }
        if (shown < dues.size()) {
            p.setFont(plain);
            p.setPen(pal.text().color());
            p.drawText(MoreRect(day).adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                       tr("+%n more", nullptr, int(dues.size() - shown)));
        }
    }
}
