#pragma once

#include "app/CommandLine.h"
#include "model/services/Reports.h"

#include <QByteArray>
#include <QCommandLineOption>
#include <QList>
#include <QLocale>
#include <QString>

// Where the money goes, without a window:
//   tallyvane report --workdir DIR --from YYYY-MM --to YYYY-MM --by GROUPING [--format text|json|csv]
// The sums of the months' dues in one group each, from the same report the
// Reports window shows. Exit status 0, or 2 on bad input (one line on err).
namespace ReportCommand {

QList<QCommandLineOption> Options();
QString Details();
CommandLine::Outcome Run(const CommandLine::Invocation& call);

// One object per group: key, count, paid, unpaid, total; by series also
// title, monthly, yearly and changed (with previousAmount, currentAmount and
// changedOn when it did). Amounts are numbers, rounded to the cent.
QByteArray Json(const Report& report);
// The same columns as the JSON, a header row and a row per group: RFC 4180,
// CR LF line ends, texts that a spreadsheet would take for a formula guarded.
QString Csv(const Report& report);
// A table for people: amounts as the locale's currency, then the totals.
QString Text(const Report& report, const QLocale& locale);

} // namespace ReportCommand
