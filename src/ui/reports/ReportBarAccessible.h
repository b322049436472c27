#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>

class CReportChart;

// One bar of a report chart for a screen reader: named as the bar reads,
// placed where it is painted, focused when it is the chart's current bar, and
// opened by its press action as by Enter.
class ReportBarAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    ReportBarAccessible(CReportChart* chart, int index);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

    int Index() const { return m_index; }

private:
    QPointer<CReportChart> m_chart;
    int m_index;
};
