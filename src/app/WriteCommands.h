#pragma once

#include "app/CommandLine.h"
#include "model/store/DueRecord.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

class QTextStream;

// The commands that change a data folder, and the one that looks ahead:
//   tallyvane add --workdir DIR --title T --due YYYY-MM-DD[THH:MM] [...]
//   tallyvane paid ID... --workdir DIR [--unpaid]
//   tallyvane delete ID --workdir DIR [--series]
//   tallyvane upcoming --workdir DIR [--days N] [--format text|json]
// Each returns 0 done or 2 bad input or a failure (one line on standard
// error each; bad input writes nothing). The ones that write hold the
// folder's writer's lock while they do.
namespace WriteCommands {

QList<QCommandLineOption> AddOptions();
QList<QCommandLineOption> PaidOptions();
QList<QCommandLineOption> DeleteOptions();
QList<QCommandLineOption> UpcomingOptions();
QString CheckPaidArguments(const QStringList& arguments);
QString CheckDeleteArguments(const QStringList& arguments);

CommandLine::Outcome RunAdd(const CommandLine::Invocation& call);
CommandLine::Outcome RunPaid(const CommandLine::Invocation& call);
CommandLine::Outcome RunDelete(const CommandLine::Invocation& call);
CommandLine::Outcome RunUpcoming(const CommandLine::Invocation& call);

// --format text|json: the option, and its value read (false and one line on
// err for another value).
QCommandLineOption FormatOption();
bool ReadFormat(const QString& value, bool& json, QTextStream& err);

// One object per due with every field: dates ISO 8601, amount a number.
QByteArray DuesJson(const QList<DueRecord>& dues);

// One tab-separated line per due, as `list` prints them.
QString DueLine(const DueRecord& due);

} // namespace WriteCommands
