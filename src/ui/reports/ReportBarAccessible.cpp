#include "ui/reports/ReportBarAccessible.h"

#include "ui/reports/CReportChart.h"

#include <QWidget>
#include <QWindow>

ReportBarAccessible::ReportBarAccessible(CReportChart* chart, int index) : m_chart(chart), m_index(index) {}

bool ReportBarAccessible::isValid() const
{
    return m_chart && m_index < m_chart->Bars().size();
}

QWindow* ReportBarAccessible::window() const
{
    return m_chart ? m_chart->window()->windowHandle() : nullptr;
}

QAccessibleInterface* ReportBarAccessible::parent() const
{
    return m_chart ? QAccessible::queryAccessibleInterface(m_chart) : nullptr;
}

QString ReportBarAccessible::text(QAccessible::Text t) const
{
    if (!isValid())
        return QString();
    switch (t) {
    case QAccessible::Name:
        return m_chart->BarText(m_index);
    case QAccessible::Description:
        return m_chart->accessibleName();
    default:
        return QString();
    }
}

QRect ReportBarAccessible::rect() const
{
    if (!isValid())
        return QRect();
    const QRect local = m_chart->BarRect(m_index);
    return QRect(m_chart->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State ReportBarAccessible::state() const
{
    QAccessible::State s;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    s.focusable = true;
    s.selectable = true;
    const bool current = m_chart->CurrentBar() == m_index;
    s.selected = current;
    s.focused = current && m_chart->hasFocus();
    s.invisible = !m_chart->isVisible();
    return s;
}

void* ReportBarAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList ReportBarAccessible::actionNames() const
{
    return {pressAction(), setFocusAction()};
}

void ReportBarAccessible::doAction(const QString& actionName)
{
    if (!isValid())
        return;
    if (actionName == setFocusAction()) {
        m_chart->setFocus(Qt::OtherFocusReason);
        m_chart->SetCurrentBar(m_index);
    } else if (actionName == pressAction()) {
        m_chart->SetCurrentBar(m_index);
        emit m_chart->barActivated(m_index);
    }
}

QStringList ReportBarAccessible::keyBindingsForAction(const QString& actionName) const
{
    return actionName == pressAction() ? QStringList{QStringLiteral("Enter")} : QStringList();
}
