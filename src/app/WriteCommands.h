#pragma once

#include "model/DueRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

class QTextStream;

// The commands that change a data folder, and the ones that list across
// months. Each parses its own arguments (without the command word) and
// returns the exit status: 0 done, 2 bad input or a failure (one line on
// standard error each; bad input writes nothing).
//   tallyvane add --workdir DIR --title T --due YYYY-MM-DD[THH:MM] [...]
//   tallyvane paid --workdir DIR ID... [--unpaid]
//   tallyvane delete --workdir DIR ID [--series]
//   tallyvane upcoming --workdir DIR [--days N] [--format text|json]
namespace WriteCommands {

int RunAdd(const QStringList& args, QTextStream& out, QTextStream& err);
int RunPaid(const QStringList& args, QTextStream& out, QTextStream& err);
int RunDelete(const QStringList& args, QTextStream& out, QTextStream& err);
int RunUpcoming(const QStringList& args, QTextStream& out, QTextStream& err);
int RunHelp(QTextStream& out);

// The command words handled here.
bool IsCommand(const QString& word);
int Run(const QStringList& args, QTextStream& out, QTextStream& err);

// Takes "--format text|json" out of args. False (and one line on err) for
// another value or a missing one.
bool TakeFormat(QStringList& args, bool& json, QTextStream& err);

// One object per due with every field: dates ISO 8601, amount a number.
QByteArray DuesJson(const QList<DueRecord>& dues);

// One tab-separated line per due, as `list` prints them.
QString DueLine(const DueRecord& due);

} // namespace WriteCommands
