#include "app/CommandLine.h"
#include "app/HelperProgram.h"
#include "app/InstallLayout.h"
#include "app/RegisterExports.h"
#include "app/Translations.h"
#include "model/AppPaths.h"
#include "model/CDueStore.h"
#include "model/Version.h"

#include <QCoreApplication>
#include <QTextStream>

// `tallyvane`: the headless commands, --help and --version run here on QtCore
// alone; the window and the office exports are handed to their programs.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tallyvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALLYVANE_VERSION));
    SetInstalledDataFolder(QStringLiteral(TALLYVANE_DATA_FROM_BINDIR));
    InstallTranslations();
    RegisterExports();
    HandOverOfficeExports();

    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const CommandLine::Outcome outcome = CommandLine::Run(args, out, err);
    if (const auto* handOver = std::get_if<CommandLine::HandOver>(&outcome))
        return HelperProgram::Exec(handOver->program, argv, err);
    theDueStore.LeaveToExit(); // the process ends now: its memory goes back whole
    return std::get<int>(outcome);
}
