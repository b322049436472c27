#pragma once

#include <QString>

class QTextStream;

// The window is a program of its own, so that the headless commands never
// load the GUI libraries: `tallyvane` hands a window start over to it.
namespace WindowProgram {

// The window program: installed (relative to programDir, the launcher's
// folder), else beside the launcher as in a build tree. Empty when neither
// is there.
QString Locate(const QString& programDir);

// Replaces this process by the window program with the same arguments
// (argv[0] stays, so the window keeps the name it was started by). Returns
// only when that fails: the exit status, after saying why once.
int Exec(char** argv, QTextStream& err);

} // namespace WindowProgram
