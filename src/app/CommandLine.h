#pragma once

#include "export/ExportRequest.h"
#include "model/base/COleDateTime.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <variant>

class QTextStream;

// The program's command line. Without a command it opens the window (the
// window's options are listed here too, so that --help names them and a
// misspelt one is refused before the GUI libraries load); with a command it
// runs headless:
//   tallyvane list --workdir DIR --month YYYY-MM [--filter all|paid|unpaid]
//   tallyvane export FORMAT --workdir DIR --month YYYY-MM [--filter ...] [--no-notes] --output FILE
//   tallyvane export FORMAT --workdir DIR --from YYYY-MM --to YYYY-MM [...] --output FILE
//   tallyvane import csv --workdir DIR FILE
//   tallyvane report --workdir DIR --from YYYY-MM --to YYYY-MM --by GROUPING [--format text|json|csv]
//   tallyvane sync --workdir DIR [--caldav URL --user NAME]
// Every command is one entry of Commands(); the usage is made from that table.
namespace CommandLine {

// A command line that another program runs, with the same arguments: the
// window program, or a helper with the libraries this one goes without.
struct HandOver
{
    QString program;
};
// An exit status (0 done, 2 bad input or failure), or a hand-over.
using Outcome = std::variant<int, HandOver>;

// One headless command as its handler sees it: the parsed options and the
// arguments after the command's name.
struct Invocation
{
    const QCommandLineParser& parser;
    QStringList arguments;
    QTextStream& out;
    QTextStream& err;
};

struct Command
{
    QString name;
    QString arguments; // the synopsis of its plain arguments, e.g. "FORMAT"; empty for none
    QString summary;   // one line for the usage
    std::function<QList<QCommandLineOption>()> options;
    QStringList required; // names of the options it cannot do without, in the order they are asked for
    // Says what is wrong with its plain arguments (empty when nothing is);
    // none means it takes no plain argument.
    std::function<QString(const QStringList& arguments)> checkArguments;
    std::function<QString()> details; // more for COMMAND --help, or none
    std::function<Outcome(const Invocation&)> run;
};

// Every headless command, in the order the usage lists them.
const QList<Command>& Commands();

// The options of a window start.
QList<QCommandLineOption> WindowOptions();

// Parses args (without the program name) into parser; false with one line
// saying what is wrong (an unknown option, a value missing).
bool Parse(QCommandLineParser& parser, const QStringList& args, QString* error);

// Runs the command line: a headless command, --help, --version, or the one
// line about bad input. A window start is handed to the window program.
Outcome Run(const QStringList& args, QTextStream& out, QTextStream& err);

// The text of --help: every command and the window's options.
QString Usage();
// The text of COMMAND --help.
QString CommandUsage(const Command& command);

// An export writes request.outputPath; false with a one-line reason on failure.
using ExportFunction = std::function<bool(const ExportRequest& request, QString* errorText)>;
// Commands this program runs itself that are otherwise handed to a helper
// (sync, in the program that links the network libraries), by name.
using CommandFunction = std::function<Outcome(const Invocation&)>;
QHash<QString, CommandFunction>& CommandsHere();

// The exports this program runs, by format name ("html", "pdf", ...).
QHash<QString, ExportFunction>& Exports();
// The exports that another program runs: format name -> program.
QHash<QString, QString>& ExportsElsewhere();

// One line "tallyvane: text" on err; returns the exit status of bad input, 2.
int Fail(QTextStream& err, const QString& text);

// The working directory for a folder given with --workdir, the same for the
// window and every command: the folder itself, or its parent when it is the
// data folder "Tallyvane Files" with due files in it (as the Working
// Directory dialog takes the parent).
QString WorkDirForArgument(const QString& folder);

// Loads the data folder of workDir into theDueStore for a command that only
// reads. False once the reason is said on err; skipped files are named, and
// so are the leftovers of an interrupted save a writer's load removed.
// Conflicts (dues that more than one file holds) are named too, unless
// sayConflicts is false (for the commands that show them anyway).
bool OpenFolderForReading(const QString& workDir, QTextStream& err, bool sayConflicts = true);
// Opens the data folder of workDir for a command that writes: creates it,
// takes its writer's lock and loads it into theDueStore. False once the
// reason is said on err (also when the window holds the folder). What the
// command deletes is remembered in the user's own state (DeletionMemory)
// once it ends.
bool OpenFolderForWriting(const QString& workDir, QTextStream& err, bool sayConflicts = true);

// Makes the identifiers of new dues this installation's own (its single-due
// number, a series counter that starts anywhere), so that another
// installation writing the same folder in the same second rarely makes the
// same one. Called once by each program that writes.
void VaryIdentifiersByInstallation();

// --from YYYY-MM and --to YYYY-MM of a command that takes a range of months,
// the last not before the first. False once the problem is said on err.
bool ReadMonthRange(const Invocation& call, COleDateTime& first, COleDateTime& last);

// Escapes tabs, line breaks and backslashes for one tab-separated field.
QString EscapeField(const QString& text);

} // namespace CommandLine
