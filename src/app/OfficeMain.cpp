#include "app/CommandLine.h"
#include "app/InstallLayout.h"
#include "app/RegisterExports.h"
#include "app/Translations.h"
#include "model/AppPaths.h"
#include "model/Version.h"

#include <QCoreApplication>
#include <QTextStream>

// The office program: `tallyvane export xlsx|docx ...`, handed over by
// `tallyvane` with the same command line, runs here with the zip and XML
// libraries.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tallyvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALLYVANE_VERSION));
    SetInstalledDataFolder(QStringLiteral(TALLYVANE_DATA_FROM_HELPERSDIR));
    InstallTranslations();
    RegisterExports();
    RegisterOfficeExports();

    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const CommandLine::Outcome outcome = CommandLine::Run(args, out, err);
    if (const auto* handOver = std::get_if<CommandLine::HandOver>(&outcome)) {
        // Only `tallyvane` hands over; a window start never comes here.
        err << "tallyvane: "
            << QCoreApplication::translate("CommandLine", "%1 does not run here").arg(handOver->program)
            << '\n';
        return 2;
    }
    return std::get<int>(outcome);
}
