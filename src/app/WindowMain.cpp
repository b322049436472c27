#include "app/GuiStartup.h"
#include "app/HelperProgram.h"
#include "app/InstallLayout.h"
#include "app/Translations.h"
#include "model/base/AppPaths.h"
#include "model/base/Version.h"
#include "platform/LoginAutostart.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>

// The window program, started by `tallyvane` for a window start. The
// arguments are checked before the QApplication exists, so a bad one is said
// even where no display is.
int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    GuiStartup::Options options;
    QString error;
    if (!GuiStartup::ParseArguments(args, options, &error)) {
        std::fprintf(stderr, "tallyvane: %s\n", qPrintable(error));
        return 2;
    }
    // The desktop's permission to take the focus (Wayland's token, or the
    // X11 startup identifier with the time of the user's click), read before
    // the platform takes it out of the environment: it goes to the running
    // window when this start is handed over.
    options.activationToken = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    if (options.activationToken.isEmpty())
        options.activationToken = qEnvironmentVariable("DESKTOP_STARTUP_ID");
    GuiStartup::BeginWarmUp();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyvane"));
    QApplication::setOrganizationName(QStringLiteral("Quillory"));
    QApplication::setApplicationVersion(QStringLiteral(TALLYVANE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TALLYVANE_APP_ID));
    if (GuiStartup::HandOverToRunningWindow(options))
        return 0;
    GuiStartup::InitDesktop(); // at once: the warm-up thread goes on to Qt's fonts
    SetInstalledDataFolder(QStringLiteral(TALLYVANE_DATA_FROM_HELPERSDIR));
    // Login starts the launcher, which hands the window over to this program.
    LoginAutostart::SetLauncher(HelperProgram::LocateLauncher(QCoreApplication::applicationDirPath()));
    InstallTranslations();
    // Right to left where the language writes so, also without Qt's own
    // translation for it (which would say so).
    QGuiApplication::setLayoutDirection(QLocale().textDirection());
    return GuiStartup::Run(options);
}
