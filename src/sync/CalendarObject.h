#pragma once

#include "model/store/DueRecord.h"

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QString>

// What a due becomes on a calendar server: a task (VTODO) by default, or an
// event (VEVENT) for clients that show calendars only.
enum class CalendarComponent
{
    Task,
    Event
};

struct CalendarObjectOptions
{
    CalendarComponent kind = CalendarComponent::Task;
    int leadDays = 3;      // the alarm before an unpaid due; 0: none
    QLocale locale;        // the amount's currency in the summary
    QDateTime completedAt; // when a paid due was marked paid (UTC); now when not known
};

// What the sync reads of one resource on the server.
struct ServerCopy
{
    bool usable = false; // one task or event with a UID was found
    QString uid;
    QString recId; // the due it was made from; empty when its UID is not one of ours
    CalendarComponent kind = CalendarComponent::Task;
    bool completed = false;
    QDateTime completedAt; // UTC; invalid when not given
    QDateTime due;         // local time to the second; invalid when it has none
    QString summary;
    QByteArray signature; // what the sync compares with what it sent
};

// One due as a calendar resource of its own, built and read with libical.
// A task has DUE, SUMMARY (title and amount), DESCRIPTION (payee, account,
// type, paid state, notes), STATUS (NEEDS-ACTION, or COMPLETED with
// COMPLETED and PERCENT-COMPLETE for a paid due) and, while unpaid, an alarm
// the lead time before its due date. An event lies on the due date as in the
// iCalendar export. A due at midnight is a whole day, any other time a local
// (floating) time.
namespace CalendarObject {

QByteArray Build(const DueRecord& due, const CalendarObjectOptions& options);
// The task or event of a resource; a task's DUE or an event's start, turned
// into local time from UTC or its time zone.
ServerCopy Read(const QByteArray& data);

// The due date as the server holds it: local time to the second.
QDateTime DueOf(const DueRecord& due);

} // namespace CalendarObject
