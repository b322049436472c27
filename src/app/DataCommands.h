#pragma once

#include "app/CommandLine.h"

#include <QStringList>

// The headless command that brings dues in:
//   tallyvane import csv --workdir DIR FILE
namespace DataCommands {

// What is wrong with the plain arguments of import (empty when nothing is).
QString CheckImportArguments(const QStringList& arguments);

// Exit status: 0 every line taken, 1 some lines rejected (each named on err),
// 2 a file that cannot be used at all or a due that could not be written.
CommandLine::Outcome RunImport(const CommandLine::Invocation& call);

} // namespace DataCommands
