#include "export/IcsExport.h"

#include "export/IcalValues.h"
#include "model/base/Clock.h"
#include "model/base/LocaleFormat.h"
#include "model/store/ExportFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

#include <libical/ical.h>

#include <cstdlib>
#include <memory>

namespace IcsExport {

namespace {

// The file's texts, translated under one context (declared so that lupdate finds them).
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(IcsExport)
};

using IcalValues::Component;
using IcalValues::Date;
using IcalValues::Floating;

constexpr char kUidSuffix[] = "@tallyvane";

} // namespace

// The calendar library takes C strings: a NUL would end the text there, and
// other control characters have no place in a calendar's text. Each becomes
// a space (line breaks and tabs stay: the library escapes them).
QByteArray CalendarText(const QString& s)
{
    // The calendar library takes C strings: a NUL would end the text there,
    // and other control characters have no place in a calendar's text. Each
    // becomes a space. CR LF, LF and a lone CR all end a line: the library
    // writes LF as the escaped line break and would drop a CR. Tabs stay.
    QString text = s;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != '\n' && u != '\t') || (u >= 0x7F && u <= 0x9F))
            c = QLatin1Char(' ');
    }
    return text.toUtf8();
}

QString Uid(const QString& recId)
{
    return recId + QLatin1String(kUidSuffix);
}

QString RecIdOfUid(const QString& uid)
{
    if (!uid.endsWith(QLatin1String(kUidSuffix)) || uid.size() <= qsizetype(sizeof kUidSuffix - 1))
        return {};
    return uid.chopped(sizeof kUidSuffix - 1);
}

QString Summary(const DueRecord& r, const QLocale& locale)
{
    const QString amount = FormatCurrencyText(AmountText(r.m_dAmount), locale);
    return Texts::tr("%1 - %2").arg(r.m_strTitle, amount);
}

QString Description(const DueRecord& r)
{
    QStringList lines;
    lines << Texts::tr("Pay To: %1").arg(r.m_strPayTo) << Texts::tr("Account: %1").arg(r.m_strAccount)
          << Texts::tr("Type: %1").arg(DueTypeText(r.m_nType))
          << (r.m_bPaid ? Texts::tr("Paid") : Texts::tr("Unpaid"));
    if (!r.m_strNotes.isEmpty())
        lines << QString() << r.m_strNotes;
    return lines.join(QLatin1Char('\n'));
}

int ReminderLeadDays()
{
    const QSettings settings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane"));
    const QVariant v = settings.value(QStringLiteral("Reminders/LeadDays"));
    bool ok = false;
    const int days = v.toString().trimmed().toInt(&ok);
    return ok && days >= 0 && days <= kMaxLeadDays ? days : kDefaultLeadDays;
}

QByteArray Build(const ExportRequest& request, int leadDays)
{
    Component cal(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(cal.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(cal.get(), icalproperty_new_prodid("-//Quillory//Tallyvane//EN"));
    icalcomponent_add_property(cal.get(), icalproperty_new_calscale("GREGORIAN"));

    const QDateTime nowUtc = Clock::Now().toUTC();
    icaltimetype stamp = Floating(nowUtc);
    stamp.zone = icaltimezone_get_utc_timezone();

    for (const DueRecord& r : request.dues) {
        const QDateTime due = r.m_dtDue.ToQDateTime();
        if (!due.isValid())
            continue; // a due without a date has no place in a calendar
        icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
        icalcomponent_add_property(event, icalproperty_new_uid(CalendarText(Uid(r.m_strRecId)).constData()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
        if (due.time() == QTime(0, 0)) {
            icalcomponent_add_property(event, icalproperty_new_dtstart(Date(due.date())));
            icalcomponent_add_property(event, icalproperty_new_dtend(Date(due.date().addDays(1))));
        } else {
            icalcomponent_add_property(event, icalproperty_new_dtstart(Floating(due)));
        }
        const QString summary = Summary(r, request.locale);
        icalcomponent_add_property(event, icalproperty_new_summary(CalendarText(summary).constData()));
        icalcomponent_add_property(event,
                                   icalproperty_new_description(CalendarText(Description(r)).constData()));
        icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        // A paid due needs no reminder.
        if (leadDays > 0 && !r.m_bPaid) {
            icalcomponent* alarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
            icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
            icalcomponent_add_property(alarm,
                                       icalproperty_new_description(CalendarText(summary).constData()));
            icaltriggertype trigger;
            trigger.time = icaltime_null_time();
            trigger.duration = icaldurationtype_from_int(-leadDays * 86400);
            icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
            icalcomponent_add_component(event, alarm);
        }
        icalcomponent_add_component(cal.get(), event);
    }

    char* text = icalcomponent_as_ical_string_r(cal.get());
    const QByteArray bytes(text);
    std::free(text);
    return bytes;
}

bool ExportFile(const ExportRequest& request, QString* errorText)
{
    QString why;
    if (SaveExportFile(request.outputPath, Build(request, ReminderLeadDays()), &why))
        return true;
    if (errorText)
        *errorText = Texts::tr("Could not write the calendar file %1: %2")
                         .arg(QDir::toNativeSeparators(request.outputPath), why);
    return false;
}

} // namespace IcsExport
