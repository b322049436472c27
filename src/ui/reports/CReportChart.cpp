#include "ui/reports/CReportChart.h"

#include "ui/reports/ReportChartAccessible.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

CReportChart::CReportChart(QWidget* parent) : QWidget(parent)
{
    ReportChartAccessible::Install();
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CReportChart::SetBars(ReportGrouping grouping, QList<ReportBar> bars)
{
    // The same place stays current while there is one: a new range keeps the
    // keyboard user where they were.
    m_grouping = grouping;
    m_bars = std::move(bars);
    const int current =
        m_bars.isEmpty() ? -1 : std::clamp(m_current < 0 ? 0 : m_current, 0, int(m_bars.size()) - 1);
    m_current = -1;
    updateGeometry();
    update();
    SetCurrentBar(current);
}

void CReportChart::SetCurrentBar(int index)
{
    if (index < -1 || index >= m_bars.size())
        return;
    if (index == m_current)
        return;
    m_current = index;
    update();
    TellScreenReader();
    emit currentBarChanged(index);
}

void CReportChart::TellScreenReader()
{
    if (m_current < 0 || !hasFocus())
        return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(m_current);
    QAccessible::updateAccessibility(&focus);
}

QString CReportChart::BarText(int index) const
{
    if (index < 0 || index >= m_bars.size())
        return QString();
    return ReportBars::AccessibleText(m_grouping, m_bars.at(index), locale());
}

BarChartPainter CReportChart::Painter(const QPalette& palette) const
{
    return BarChartPainter(m_grouping, m_bars, font(), ChartColours::FromPalette(palette), locale());
}

QRect CReportChart::BarRect(int index) const
{
    const ChartGeometry g = Painter(palette()).Layout(QRectF(rect()));
    return index >= 0 && index < g.bars.size() ? g.bars.at(index).slot.toAlignedRect() : QRect();
}

int CReportChart::BarAt(const QPoint& pos) const
{
    return Painter(palette()).Layout(QRectF(rect())).BarAt(QPointF(pos));
}

QSize CReportChart::sizeHint() const
{
    return QSize(480, int(std::ceil(Painter(palette()).PreferredHeight())));
}

QSize CReportChart::minimumSizeHint() const
{
    return QSize(240, sizeHint().height());
}

void CReportChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    Painter(palette()).Paint(p, QRectF(rect()), hasFocus() ? m_current : -1);
}

void CReportChart::keyPressEvent(QKeyEvent* event)
{
    const int last = int(m_bars.size()) - 1;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        SetCurrentBar(std::max(0, m_current - 1));
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        SetCurrentBar(std::min(last, m_current + 1));
        break;
    case Qt::Key_Home:
        SetCurrentBar(last >= 0 ? 0 : -1);
        break;
    case Qt::Key_End:
        SetCurrentBar(last);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_current >= 0)
            emit barActivated(m_current);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CReportChart::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton ? BarAt(event->position().toPoint()) : -1;
    if (m_pressed >= 0)
        SetCurrentBar(m_pressed);
    QWidget::mousePressEvent(event);
}

void CReportChart::mouseReleaseEvent(QMouseEvent* event)
{
    // Opened when pressed and let go over the same bar, as a button is.
    const int bar = event->button() == Qt::LeftButton ? BarAt(event->position().toPoint()) : -1;
    if (bar >= 0 && bar == m_pressed)
        emit barActivated(bar);
    m_pressed = -1;
    QWidget::mouseReleaseEvent(event);
}

bool CReportChart::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int bar = BarAt(help->pos());
        if (bar >= 0)
            QToolTip::showText(help->globalPos(), BarText(bar), this, BarRect(bar));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void CReportChart::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
    TellScreenReader();
}

void CReportChart::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void CReportChart::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LocaleChange)
        updateGeometry();
    QWidget::changeEvent(event);
}
