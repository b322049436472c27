#include "app/CommandLine.h"
#include "app/HelperProgram.h"
#include "app/InstallLayout.h"
#include "app/RegisterExports.h"
#include "app/SyncCommand.h"

#include <QCoreApplication>
#include <QTextStream>

// The sync program: `tallyvane sync ...`, handed over by `tallyvane` with the
// same command line, runs here with the network and calendar libraries.
int main(int argc, char** argv)
{
    return HelperProgram::RunHeadless(
        argc, argv, QStringLiteral(TALLYVANE_DATA_FROM_HELPERSDIR),
        [] {
            RegisterExports();
            HandOverOfficeExports();
            CommandLine::CommandsHere().insert(QStringLiteral("sync"), &SyncCommand::Run);
        },
        [](const CommandLine::HandOver& handOver, char**, QTextStream& err) {
            // Only `tallyvane` hands over; nothing else comes here.
            err << "tallyvane: "
                << QCoreApplication::translate("CommandLine", "%1 does not run here").arg(handOver.program)
                << '\n';
            return 2;
        });
}
