#include "ui/calendar/CalendarAccessible.h"

#include "model/base/Clock.h"
#include "ui/calendar/CCalendarView.h"
#include "ui/list/DueRowLook.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWindow>

namespace {

// A day (due -1) or one of its dues.
class CalendarItem : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    CalendarItem(CCalendarView* view, int day, int due) : m_view(view), m_day(day), m_due(due) {}

    bool isValid() const override
    {
        if (!m_view || m_day < 0 || !m_view->Grid().IsValid())
            return false;
        const QDate day = Day();
        return m_view->Grid().InMonth(day) && m_due < m_view->DuesOn(day).size();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation) const override
    {
        return {};
    }

    QAccessibleInterface* parent() const override
    {
        if (!m_view)
            return nullptr;
        QAccessibleInterface* calendar = QAccessible::queryAccessibleInterface(m_view);
        return m_due < 0 ? calendar : calendar->child(m_day);
    }
    int childCount() const override { return m_due < 0 && isValid() ? int(m_view->DuesOn(Day()).size()) : 0; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* item = dynamic_cast<const CalendarItem*>(child);
        return item && m_due < 0 && item->m_day == m_day ? item->m_due : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface* due = child(i);
            if (due && due->rect().contains(x, y))
                return due;
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        QAccessibleInterface* current = m_view ? CalendarAccessible::CurrentItem(m_view) : nullptr;
        return current && current != this && current->parent() == this ? current : nullptr;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return {};
        if (m_due < 0)
            return m_view->DayText(Day());
        return SpokenDue(Due(), Clock::Now().date());
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!isValid())
            return {};
        QRect local = m_due < 0 ? m_view->DayRect(Day()) : m_view->DueRect(Day(), m_due);
        if (local.isEmpty())
            local = m_view->MoreRect(Day()); // behind "+N more"
        return QRect(m_view->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.focusable = true;
        s.selectable = true;
        s.invisible = !m_view->isVisible();
        const bool currentDay = m_view->CurrentDay() == Day();
        if (m_due < 0) {
            s.selected = currentDay;
            s.focused = currentDay && m_view->hasFocus() && m_view->SelectedId().isEmpty();
        } else {
            s.selected = currentDay && m_view->SelectedId() == Due().m_strRecId;
            s.focused = s.selected && m_view->hasFocus();
            s.offscreen = m_view->DueRect(Day(), m_due).isEmpty();
        }
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    // Focus goes to the item; press does what Enter does on it.
    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
    void doAction(const QString& actionName) override
    {
        if (!isValid())
            return;
        m_view->setFocus(Qt::OtherFocusReason);
        if (m_due < 0)
            m_view->SetCurrentDay(Day());
        else
            m_view->SelectDue(Due().m_strRecId);
        if (actionName != pressAction())
            return;
        if (m_due < 0)
            emit m_view->newDueRequested(Day());
        else
            emit m_view->modifyRequested(Due().m_strRecId);
    }
    QStringList keyBindingsForAction(const QString& actionName) const override
    {
        return actionName == pressAction() ? QStringList{QStringLiteral("Return")} : QStringList{};
    }

    int DayIndex() const { return m_day; }
    int DueIndex() const { return m_due; }

private:
    QDate Day() const { return m_view->Grid().MonthStart().addDays(m_day); }
    DueRecord Due() const { return m_view->DuesOn(Day()).value(m_due); }

    QPointer<CCalendarView> m_view;
    int m_day;
    int m_due;
};

class CalendarWidget : public QAccessibleWidget
{
public:
    explicit CalendarWidget(QWidget* widget) : QAccessibleWidget(widget, QAccessible::List) {}

    ~CalendarWidget() override
    {
        for (QAccessible::Id id : std::as_const(m_items))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override
    {
        const CalendarMonth& grid = View()->Grid();
        return grid.IsValid() ? int(grid.MonthStart().daysTo(grid.MonthEnd())) + 1 : 0;
    }
    QAccessibleInterface* child(int index) const override { return Item(index, -1); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* item = dynamic_cast<const CalendarItem*>(child);
        return item && item->DueIndex() < 0 ? item->DayIndex() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface* day = child(i);
            if (day && day->rect().contains(x, y))
                return day;
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        QAccessibleInterface* current =
            View()->hasFocus() ? CalendarAccessible::CurrentItem(View()) : nullptr;
        // The day, which leads on to its focused due.
        return current && current->parent() != this ? current->parent() : current;
    }

    // One interface per day and due, kept while the calendar lives: a
    // screen reader holds on to what it was given.
    QAccessibleInterface* Item(int day, int due) const
    {
        if (day < 0 || day >= childCount())
            return nullptr;
        const quint64 key = (quint64(quint32(day)) << 32) | quint32(due + 1);
        auto it = m_items.constFind(key);
        if (it == m_items.constEnd())
            it = m_items.insert(key,
                                QAccessible::registerAccessibleInterface(new CalendarItem(View(), day, due)));
        return QAccessible::accessibleInterface(it.value());
    }

private:
    CCalendarView* View() const { return static_cast<CCalendarView*>(widget()); }

    mutable QHash<quint64, QAccessible::Id> m_items;
};

QAccessibleInterface* CalendarItem::child(int index) const
{
    if (m_due >= 0 || !m_view || index < 0 || index >= childCount())
        return nullptr;
    auto* calendar = static_cast<CalendarWidget*>(QAccessible::queryAccessibleInterface(m_view));
    return calendar->Item(m_day, index);
}

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("CCalendarView") && object && object->isWidgetType())
        return new CalendarWidget(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

namespace CalendarAccessible {

namespace {
std::function<void(QAccessibleEvent*)>& Watcher()
{
    static std::function<void(QAccessibleEvent*)> watcher;
    return watcher;
}
} // namespace

void Notify(QAccessibleEvent* event)
{
    if (Watcher())
        Watcher()(event);
    QAccessible::updateAccessibility(event);
}

void SetWatcher(std::function<void(QAccessibleEvent*)> watcher)
{
    Watcher() = std::move(watcher);
}

void Install()
{
    static const bool installed = (QAccessible::installFactory(Factory), true);
    (void)installed;
}

QAccessibleInterface* CurrentItem(CCalendarView* view)
{
    const CalendarMonth& grid = view->Grid();
    if (!grid.InMonth(view->CurrentDay()))
        return nullptr;
    auto* calendar = static_cast<CalendarWidget*>(QAccessible::queryAccessibleInterface(view));
    const int day = int(grid.MonthStart().daysTo(view->CurrentDay()));
    const QList<DueRecord> dues = view->DuesOn(view->CurrentDay());
    for (int i = 0; i < dues.size(); ++i)
        if (dues.at(i).m_strRecId == view->SelectedId())
            return calendar->Item(day, i);
    return calendar->Item(day, -1);
}

} // namespace CalendarAccessible
