#include "app/CommandLine.h"
#include "app/InstallLayout.h"
#include "app/RegisterExports.h"
#include "app/Translations.h"
#include "app/WindowProgram.h"
#include "model/AppPaths.h"
#include "model/Version.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

// `tallyvane`: the headless commands, --help and --version run here on QtCore
// alone; a window start is handed to the window program.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tallyvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALLYVANE_VERSION));
    SetInstalledDataFolder(QStringLiteral(TALLYVANE_DATA_FROM_BINDIR));
    InstallTranslations();
    RegisterExports();

    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (const std::optional<int> status = CommandLine::Run(args, out, err))
        return *status;
    return WindowProgram::Exec(argv, err);
}
