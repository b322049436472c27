#pragma once

#include <QDate>
#include <QDateTime>

#include <libical/ical.h>

#include <memory>

// Small pieces shared by everything that builds calendar data with libical:
// the iCalendar export and the calendar sync.
namespace IcalValues {

struct ComponentFree
{
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

// A whole day.
inline icaltimetype Date(const QDate& d)
{
    icaltimetype t = icaltime_null_date();
    t.year = d.year();
    t.month = d.month();
    t.day = d.day();
    return t;
}

// Wall time without a zone: it shows at that time wherever the calendar is,
// as the due does in this program.
inline icaltimetype Floating(const QDateTime& dt)
{
    icaltimetype t = icaltime_null_time();
    t.year = dt.date().year();
    t.month = dt.date().month();
    t.day = dt.date().day();
    t.hour = dt.time().hour();
    t.minute = dt.time().minute();
    t.second = dt.time().second();
    return t;
}

} // namespace IcalValues
