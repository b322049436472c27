#pragma once

#include "app/CommandLine.h"

#include <QString>

#include <functional>

class QTextStream;

// `tallyvane` loads QtCore and little else, so that the headless commands
// start fast. What needs more libraries runs in a program of its own, which
// it hands the command line over to: the window (the GUI libraries) and the
// office exports (the zip and XML libraries).
namespace HelperProgram {

// A helper program by name: installed (in the private program folder,
// relative to programDir, the launcher's folder), else beside the launcher as
// in a build tree. Empty when neither is there.
QString Locate(const QString& name, const QString& programDir);

// The launcher `tallyvane` for a helper in helperDir: beside it in a build
// tree, else where the installed layout puts it. Empty when neither is there.
QString LocateLauncher(const QString& helperDir);

// Replaces this process by the helper with the same arguments (argv[0]
// stays, so the window keeps the name it was started by). Returns only when
// that fails: the exit status, after saying why once.
int Exec(const QString& name, char** argv, QTextStream& err);

// The whole life of `tallyvane` and of the office helper: the application
// object, its names, the installed data (dataFromProgram: the data folder
// relative to the program's folder), the translations and the exports the
// program writes itself; then the command line. A hand-over goes to
// handOver, which returns the exit status.
using HandOverFn = std::function<int(const CommandLine::HandOver& handOver, char** argv, QTextStream& err)>;
int RunHeadless(int argc, char** argv, const QString& dataFromProgram,
                const std::function<void()>& registerExports, const HandOverFn& handOver);

} // namespace HelperProgram
