#include "ui/reports/ReportChartAccessible.h"

#include "ui/reports/CReportChart.h"
#include "ui/reports/ReportBarAccessible.h"

namespace {

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("CReportChart") && object && object->isWidgetType())
        return new ReportChartAccessible(static_cast<CReportChart*>(object));
    return nullptr;
}

} // namespace

ReportChartAccessible::ReportChartAccessible(CReportChart* chart)
    : QAccessibleWidget(chart, QAccessible::Chart)
{
}

ReportChartAccessible::~ReportChartAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_children))
        QAccessible::deleteAccessibleInterface(id);
}

void ReportChartAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

CReportChart* ReportChartAccessible::Chart() const
{
    return static_cast<CReportChart*>(widget());
}

int ReportChartAccessible::childCount() const
{
    return int(Chart()->Bars().size());
}

QAccessibleInterface* ReportChartAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    // Made once per place and kept: Qt hands out ids that must stay valid.
    auto it = m_children.constFind(index);
    if (it == m_children.constEnd())
        it = m_children.insert(
            index, QAccessible::registerAccessibleInterface(new ReportBarAccessible(Chart(), index)));
    return QAccessible::accessibleInterface(it.value());
}

int ReportChartAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (auto it = m_children.cbegin(); it != m_children.cend(); ++it)
        if (QAccessible::accessibleInterface(it.value()) == child)
            return it.key() < childCount() ? it.key() : -1;
    return -1;
}

QAccessibleInterface* ReportChartAccessible::childAt(int x, int y) const
{
    const int bar = Chart()->BarAt(Chart()->mapFromGlobal(QPoint(x, y)));
    return bar >= 0 ? child(bar) : nullptr;
}

QAccessibleInterface* ReportChartAccessible::focusChild() const
{
    return Chart()->hasFocus() ? child(Chart()->CurrentBar()) : nullptr;
}
