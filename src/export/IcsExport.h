#pragma once

#include "export/ExportRequest.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

// Dues as an iCalendar file (RFC 5545), built and written by libical: one
// VEVENT per due on its due date, all-day when the due time is midnight and a
// timed event in local (floating) time otherwise; SUMMARY holds title and
// amount, DESCRIPTION payee, account, type, paid state and notes; the UID is
// made from the record identifier, so exporting again updates the same events;
// a VALARM rings the reminder lead time before an unpaid due (none when it is
// 0 days). Line breaks of every kind in the texts become the calendar's line
// breaks; other control characters become spaces.
namespace IcsExport {

// The reminder lead time in days: QSettings("Quillory", "Tallyvane"), key
// "Reminders/LeadDays", when it holds a whole number from 0 to kMaxLeadDays,
// else kDefaultLeadDays.
int ReminderLeadDays();
inline constexpr int kDefaultLeadDays = 3;
inline constexpr int kMaxLeadDays = 366;

// What an event or task of a due says, shared with the calendar sync: the
// UID made from the record identifier, the summary (title and amount in the
// locale's currency) and the description (payee, account, type, paid state,
// notes).
QString Uid(const QString& recId);
// The record identifier of a UID made by Uid; empty for any other UID.
QString RecIdOfUid(const QString& uid);
QString Summary(const DueRecord& due, const QLocale& locale);
QString Description(const DueRecord& due);
// A text as the calendar library takes it: UTF-8 without NUL and other
// control characters but line breaks and tabs.
QByteArray CalendarText(const QString& text);

// The calendar's bytes for the request's dues.
QByteArray Build(const ExportRequest& request, int leadDays);

// Writes request.dues to request.outputPath with the user's lead time: the
// iCalendar export of the menu and of the command line.
[[nodiscard]] bool ExportFile(const ExportRequest& request, QString* errorText);

} // namespace IcsExport
