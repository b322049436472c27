#include "app/CommandLine.h"
#include "app/HelperProgram.h"
#include "app/InstallLayout.h"
#include "app/RegisterExports.h"

// `tallyvane`: the headless commands, --help and --version run here on QtCore
// alone; the window and the office exports are handed to their programs.
int main(int argc, char** argv)
{
    return HelperProgram::RunHeadless(
        argc, argv, QStringLiteral(TALLYVANE_DATA_FROM_BINDIR),
        [] {
            RegisterExports();
            HandOverOfficeExports();
            CommandLine::VaryIdentifiersByInstallation();
        },
        [](const CommandLine::HandOver& handOver, char** args, QTextStream& err) {
            return HelperProgram::Exec(handOver.program, args, err);
        });
}
