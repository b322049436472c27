#pragma once

#include "app/CommandLine.h"
#include "model/store/DueRecord.h"

#include <QCommandLineOption>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

class QTextStream;

// The commands that change a data folder, and the one that looks ahead:
//   tallyvane add --workdir DIR --title T --due YYYY-MM-DD[THH:MM] [...]
//   tallyvane paid ID... --workdir DIR [--unpaid]
//   tallyvane delete ID --workdir DIR [--series]
//   tallyvane upcoming --workdir DIR [--days N] [--format text|json]
// Each returns 0 done, 2 bad input or a failure, or 3 when a due's file was
// changed or removed by another program since the command read it (nothing
// is written over that change); one line on standard error each, and bad
// input writes nothing. The ones that write take the folder's writers' lock
// while they commit.
namespace WriteCommands {

inline constexpr int kExitChangedElsewhere = 3;

QList<QCommandLineOption> AddOptions();
QList<QCommandLineOption> PaidOptions();
QList<QCommandLineOption> DeleteOptions();
QList<QCommandLineOption> UpcomingOptions();
QString CheckPaidArguments(const QStringList& arguments);
QString CheckDeleteArguments(const QStringList& arguments);

// The store's errors after a change, one line each on err; returns the exit
// status (0, 2, or kExitChangedElsewhere).
int ReportErrors(QTextStream& err);

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
QJsonObject DueJson(const DueRecord& due);

// One tab-separated line per due, as `list` prints them.
QString DueLine(const DueRecord& due);

} // namespace WriteCommands
