#include "app/HelperProgram.h"

#include "app/InstallLayout.h"
#include "app/Translations.h"
#include "model/base/AppPaths.h"
#include "model/base/Version.h"
#include "model/store/CDueStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace HelperProgram {

namespace {
class Text
{
    Q_DECLARE_TR_FUNCTIONS(HelperProgram)
};
} // namespace

QString Locate(const QString& name, const QString& programDir)
{
    for (const QString& folder : {QStringLiteral(TALLYVANE_HELPERS_FROM_BINDIR), QStringLiteral(".")}) {
        const QFileInfo candidate(
            QDir::cleanPath(programDir + QLatin1Char('/') + folder + QLatin1Char('/') + name));
        if (candidate.isFile() && candidate.isExecutable())
            return candidate.filePath();
    }
    return {};
}

QString LocateLauncher(const QString& helperDir)
{
    // Beside first: an installed helper has no launcher in its own folder,
    // while the installed place seen from a build tree may hold another one.
    for (const QString& folder : {QStringLiteral("."), QStringLiteral(TALLYVANE_BINDIR_FROM_HELPERSDIR)}) {
        const QFileInfo candidate(QDir::cleanPath(helperDir + QLatin1Char('/') + folder + QLatin1Char('/') +
                                                  QStringLiteral(TALLYVANE_LAUNCHER_PROGRAM)));
        if (candidate.isFile() && candidate.isExecutable())
            return candidate.filePath();
    }
    return {};
}

int Exec(const QString& name, char** argv, QTextStream& err)
{
    const QString dir = QCoreApplication::applicationDirPath();
    const QString program = Locate(name, dir);
    if (program.isEmpty()) {
        err << "tallyvane: " << Text::tr("the program %1 is not installed with %2").arg(name, dir) << '\n';
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

int RunHeadless(int argc, char** argv, const QString& dataFromProgram,
                const std::function<void()>& registerExports, const HandOverFn& handOver)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tallyvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALLYVANE_VERSION));
    SetInstalledDataFolder(dataFromProgram);
    InstallTranslations();
    registerExports();

    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const CommandLine::Outcome outcome = CommandLine::Run(args, out, err);
    if (const auto* other = std::get_if<CommandLine::HandOver>(&outcome))
        return handOver(*other, argv, err);
    theDueStore.LeaveToExit(); // the process ends now: its memory goes back whole
    return std::get<int>(outcome);
}

} // namespace HelperProgram
