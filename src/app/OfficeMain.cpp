#include "app/CommandLine.h"
#include "app/HelperProgram.h"
#include "app/InstallLayout.h"
#include "app/RegisterExports.h"

#include <QCoreApplication>
#include <QTextStream>

// The office program: `tallyvane export xlsx|docx|ics ...`, handed over by
// `tallyvane` with the same command line, runs here with the zip, XML and
// calendar libraries.
int main(int argc, char** argv)
{
    return HelperProgram::RunHeadless(
        argc, argv, QStringLiteral(TALLYVANE_DATA_FROM_HELPERSDIR),
        [] {
            RegisterExports();
            RegisterOfficeExports();
        },
        [](const CommandLine::HandOver& handOver, char**, QTextStream& err) {
            // Only `tallyvane` hands over; a window start never comes here.
            err << "tallyvane: "
                << QCoreApplication::translate("CommandLine", "%1 does not run here").arg(handOver.program)
                << '\n';
            return 2;
        });
}
