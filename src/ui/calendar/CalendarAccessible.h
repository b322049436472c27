#pragma once

#include <functional>

class CCalendarView;
class QAccessibleEvent;
class QAccessibleInterface;

// The calendar as a screen reader sees it: a list of the month's days, each
// an item named by its date and number of dues ("Monday, December 21, 2026,
// today, 2 dues") holding its dues as items named as the list's rows read
// ("Rent, $850.00, due 12/21/2026, due today"), those behind "+N more" too.
// The current day and the selected due are selected and, while the calendar
// has the focus, focused.
namespace CalendarAccessible {

// Makes Qt ask us for the calendar's interface; once is enough.
void Install();

// The item the keys are on: the selected due, else the current day; null
// when the month shows no day.
QAccessibleInterface* CurrentItem(CCalendarView* view);

// Tells a screen reader of a change. Qt passes it on only while an
// assistive tool listens; a watcher (a test) sees every one.
void Notify(QAccessibleEvent* event);
void SetWatcher(std::function<void(QAccessibleEvent*)> watcher);

} // namespace CalendarAccessible
