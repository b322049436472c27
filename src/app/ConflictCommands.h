#pragma once

#include "app/CommandLine.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

// The commands for dues that more than one file holds (a sync tool's
// conflicting copy, two machines that made the same identifier):
//   tallyvane conflicts --workdir DIR [--format text|json]
//   tallyvane resolve ID --workdir DIR --keep FILE|both
// Exit statuses as the other commands: 0 done, 2 bad input or a failure.
namespace ConflictCommands {

QList<QCommandLineOption> ConflictsOptions();
QList<QCommandLineOption> ResolveOptions();
QString CheckResolveArguments(const QStringList& arguments);
QString ConflictsDetails();
QString ResolveDetails();

CommandLine::Outcome RunConflicts(const CommandLine::Invocation& call);
CommandLine::Outcome RunResolve(const CommandLine::Invocation& call);

} // namespace ConflictCommands
