#include "app/CommandLine.h"
#include "app/GuiStartup.h"
#include "app/RegisterExports.h"
#include "model/CDueStore.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    if (CommandLine::IsHeadlessCommand(args)) {
        QCoreApplication app(argc, argv);
        RegisterExports();
        QTextStream out(stdout);
        QTextStream err(stderr);
        const int status = CommandLine::Run(args, out, err);
        theDueStore.LeaveToExit(); // the process ends now: its memory goes back whole
        return status;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyvane"));
    QApplication::setOrganizationName(QStringLiteral("Quillory"));
    return GuiStartup::Run(args);
}
