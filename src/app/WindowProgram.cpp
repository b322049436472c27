#include "app/WindowProgram.h"

#include "app/InstallLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace WindowProgram {

namespace {
class Text
{
    Q_DECLARE_TR_FUNCTIONS(WindowProgram)
};
} // namespace

QString Locate(const QString& programDir)
{
    for (const QString& relative :
         {QStringLiteral(TALLYVANE_WINDOW_FROM_BINDIR), QStringLiteral(TALLYVANE_WINDOW_PROGRAM)}) {
        const QFileInfo candidate(QDir::cleanPath(programDir + QLatin1Char('/') + relative));
        if (candidate.isFile() && candidate.isExecutable())
            return candidate.filePath();
    }
    return {};
}

int Exec(char** argv, QTextStream& err)
{
    const QString program = Locate(QCoreApplication::applicationDirPath());
    if (program.isEmpty()) {
        err << "tallyvane: "
            << Text::tr("the window program %1 is not installed beside %2")
                   .arg(QStringLiteral(TALLYVANE_WINDOW_PROGRAM), QCoreApplication::applicationDirPath())
            << '\n';
        err.flush();
        return 1;
    }
    ::execv(QFile::encodeName(program).constData(), argv);
    const int error = errno;
    err << "tallyvane: "
        << Text::tr("cannot start %1: %2").arg(program, QString::fromLocal8Bit(std::strerror(error))) << '\n';
    err.flush();
    return 1;
}

} // namespace WindowProgram
