#include "app/CommandLine.h"

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
        QTextStream out(stdout);
        QTextStream err(stderr);
        return CommandLine::Run(args, out, err);
    }
    std::fprintf(stderr, "tallyvane: the desktop window is not built yet\n");
    return 1;
}
