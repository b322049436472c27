#pragma once

#include <QStringList>

class QTextStream;

// The headless commands that move dues in and out over more than one month:
//   tallyvane import csv --workdir DIR FILE
//   tallyvane export FORMAT --workdir DIR --from YYYY-MM --to YYYY-MM [--filter ...] [--no-notes] --output
//   FILE
namespace DataCommands {

// True when args (without the program name) are one of these commands.
bool Handles(const QStringList& args);

// Exit status: 0 done (import: every line taken), 1 import with rejected
// lines (each named on err), 2 bad input or a failure to read or write.
int Run(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace DataCommands
