#include "sync/CalendarObject.h"

#include "export/IcalValues.h"
#include "export/IcsExport.h"
#include "model/base/Clock.h"

#include <QCoreApplication>
#include <QCryptographicHash>

#include <libical/ical.h>

#include <cstdlib>
#include <memory>

namespace CalendarObject {

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CalendarObject)
};

using IcalValues::Component;
using IcalValues::Date;
using IcalValues::Floating;

icaltimetype UtcValue(const QDateTime& dt)
{
    icaltimetype t = Floating(dt.toUTC());
    t.zone = icaltimezone_get_utc_timezone();
    return t;
}

// A date as local time: whole days at midnight, a zone's or UTC's time
// turned into this machine's, a floating time as it stands.
QDateTime LocalOf(icaltimetype t)
{
    if (icaltime_is_null_time(t) || !icaltime_is_valid_time(t))
        return {};
    const QDate day(t.year, t.month, t.day);
    if (!day.isValid())
        return {};
    if (t.is_date)
        return QDateTime(day, QTime(0, 0));
    if (t.zone) {
        const icaltimetype utc = icaltime_convert_to_zone(t, icaltimezone_get_utc_timezone());
        const QDateTime inUtc(QDate(utc.year, utc.month, utc.day), QTime(utc.hour, utc.minute, utc.second),
                              Qt::UTC);
        return inUtc.toLocalTime();
    }
    return QDateTime(day, QTime(t.hour, t.minute, t.second));
}

QDateTime UtcOf(icaltimetype t)
{
    const QDateTime local = LocalOf(t);
    return local.isValid() ? local.toUTC() : QDateTime();
}

QString TextOf(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

QByteArray Signature(CalendarComponent kind, bool completed, const QDateTime& due, const QString& summary,
                     const QString& description)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(kind == CalendarComponent::Task ? "T" : "E");
    hash.addData(completed ? "1" : "0");
    hash.addData(due.toString(Qt::ISODate).toUtf8());
    hash.addData(QByteArrayView("\0", 1));
    hash.addData(summary.toUtf8());
    hash.addData(QByteArrayView("\0", 1));
    hash.addData(QString(description).replace(QLatin1String("\r\n"), QLatin1String("\n")).toUtf8());
    return hash.result().toHex().left(20);
}

void AddAlarm(icalcomponent* parent, const QString& summary, int leadDays, bool relatedToEnd)
{
    icalcomponent* alarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
    icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    icalcomponent_add_property(alarm,
                               icalproperty_new_description(IcsExport::CalendarText(summary).constData()));
    icaltriggertype trigger;
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_from_int(-leadDays * 86400);
    icalproperty* p = icalproperty_new_trigger(trigger);
    // A task's alarm counts back from DUE, its end (RFC 5545 3.8.6.3).
    if (relatedToEnd)
        icalproperty_add_parameter(p, icalparameter_new_related(ICAL_RELATED_END));
    icalcomponent_add_property(alarm, p);
    icalcomponent_add_component(parent, alarm);
}

} // namespace

QDateTime DueOf(const DueRecord& due)
{
    const QDateTime dt = due.m_dtDue.ToQDateTime();
    if (!dt.isValid())
        return {};
    // Whole seconds, as a calendar holds them.
    return QDateTime(dt.date(), QTime(dt.time().hour(), dt.time().minute(), dt.time().second()));
}

QByteArray Build(const DueRecord& r, const CalendarObjectOptions& options)
{
    const QDateTime due = DueOf(r);
    Component cal(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(cal.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(cal.get(), icalproperty_new_prodid("-//Quillory//Tallyvane//EN"));
    icalcomponent_add_property(cal.get(), icalproperty_new_calscale("GREGORIAN"));

    const bool task = options.kind == CalendarComponent::Task;
    const bool paid = r.m_bPaid != 0;
    icalcomponent* c = icalcomponent_new(task ? ICAL_VTODO_COMPONENT : ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(
        c, icalproperty_new_uid(IcsExport::CalendarText(IcsExport::Uid(r.m_strRecId)).constData()));
    icalcomponent_add_property(c, icalproperty_new_dtstamp(UtcValue(Clock::Now())));
    QString summary = IcsExport::Summary(r, options.locale);
    // An event cannot be ticked off: its title says it.
    if (!task && paid)
        summary = Texts::tr("%1 (paid)").arg(summary);
    icalcomponent_add_property(c, icalproperty_new_summary(IcsExport::CalendarText(summary).constData()));
    icalcomponent_add_property(
        c, icalproperty_new_description(IcsExport::CalendarText(IcsExport::Description(r)).constData()));
    const bool allDay = due.isValid() && due.time() == QTime(0, 0);
    if (task) {
        if (due.isValid())
            icalcomponent_add_property(c, icalproperty_new_due(allDay ? Date(due.date()) : Floating(due)));
        icalcomponent_add_property(
            c, icalproperty_new_status(paid ? ICAL_STATUS_COMPLETED : ICAL_STATUS_NEEDSACTION));
        if (paid) {
            const QDateTime at = options.completedAt.isValid() ? options.completedAt : Clock::Now();
            icalcomponent_add_property(c, icalproperty_new_completed(UtcValue(at)));
            icalcomponent_add_property(c, icalproperty_new_percentcomplete(100));
        }
    } else if (due.isValid()) {
        if (allDay) {
            icalcomponent_add_property(c, icalproperty_new_dtstart(Date(due.date())));
            icalcomponent_add_property(c, icalproperty_new_dtend(Date(due.date().addDays(1))));
        } else {
            icalcomponent_add_property(c, icalproperty_new_dtstart(Floating(due)));
        }
        icalcomponent_add_property(c, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    }
    if (!paid && options.leadDays > 0 && due.isValid())
        AddAlarm(c, summary, options.leadDays, task);
    icalcomponent_add_component(cal.get(), c);

    char* text = icalcomponent_as_ical_string_r(cal.get());
    const QByteArray bytes(text);
    std::free(text);
    return bytes;
}

ServerCopy Read(const QByteArray& data)
{
    ServerCopy copy;
    Component root(icalparser_parse_string(data.constData()));
    if (!root)
        return copy;
    // The master of a resource: an instance moved on its own (RECURRENCE-ID)
    // is not the due.
    icalcomponent* found = nullptr;
    for (const icalcomponent_kind kind : {ICAL_VTODO_COMPONENT, ICAL_VEVENT_COMPONENT}) {
        if (icalcomponent_isa(root.get()) == kind) {
            found = root.get();
            break;
        }
        for (icalcomponent* c = icalcomponent_get_first_component(root.get(), kind); c;
             c = icalcomponent_get_next_component(root.get(), kind)) {
            if (!icalcomponent_get_first_property(c, ICAL_RECURRENCEID_PROPERTY)) {
                found = c;
                break;
            }
        }
        if (found)
            break;
    }
    if (!found)
        return copy;
    copy.uid = TextOf(icalcomponent_get_uid(found));
    if (copy.uid.isEmpty())
        return copy;
    copy.usable = true;
    copy.recId = IcsExport::RecIdOfUid(copy.uid);
    copy.kind =
        icalcomponent_isa(found) == ICAL_VTODO_COMPONENT ? CalendarComponent::Task : CalendarComponent::Event;
    copy.summary = TextOf(icalcomponent_get_summary(found));
    const QString description = TextOf(icalcomponent_get_description(found));
    if (copy.kind == CalendarComponent::Task) {
        icalproperty* completed = icalcomponent_get_first_property(found, ICAL_COMPLETED_PROPERTY);
        icalproperty* percent = icalcomponent_get_first_property(found, ICAL_PERCENTCOMPLETE_PROPERTY);
        icalproperty* status = icalcomponent_get_first_property(found, ICAL_STATUS_PROPERTY);
        // STATUS says it where it is given; clients that leave it out mark
        // completion with COMPLETED or 100 percent.
        if (status)
            copy.completed = icalproperty_get_status(status) == ICAL_STATUS_COMPLETED;
        else
            copy.completed = completed || (percent && icalproperty_get_percentcomplete(percent) >= 100);
        if (copy.completed && completed)
            copy.completedAt = UtcOf(icalproperty_get_completed(completed));
        if (icalcomponent_get_first_property(found, ICAL_DUE_PROPERTY))
            copy.due = LocalOf(icalcomponent_get_due(found));
    } else {
        copy.due = LocalOf(icalcomponent_get_dtstart(found));
    }
    copy.signature = Signature(copy.kind, copy.completed, copy.due, copy.summary, description);
    return copy;
}

} // namespace CalendarObject
