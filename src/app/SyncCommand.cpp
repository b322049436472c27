#include "app/SyncCommand.h"

#include <QCoreApplication>

namespace SyncCommand {

namespace {
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(SyncCommand)
};
} // namespace

QList<QCommandLineOption> Options()
{
    return {
        QCommandLineOption(QStringLiteral("workdir"), Text::tr("The working directory that holds the dues"),
                           QStringLiteral("DIR")),
        QCommandLineOption(QStringLiteral("caldav"),
                           Text::tr("The CalDAV server or calendar, instead of the folder's account"),
                           QStringLiteral("URL")),
        QCommandLineOption(QStringLiteral("user"), Text::tr("The user name on that server"),
                           QStringLiteral("NAME")),
        QCommandLineOption(QStringLiteral("events"), Text::tr("With --caldav: events instead of tasks")),
        QCommandLineOption(QStringLiteral("prefer"),
                           Text::tr("Settle every conflict with this computer's or the server's version"),
                           QStringLiteral("here|server")),
    };
}

QString Details()
{
    return Text::tr(
               "Without --caldav the account set in the window (Preferences > Calendar Sync) is used. With "
               "--caldav and --user the password is taken from %1, or from the keyring when that is not "
               "set; a server's address leads to its calendar \"Tallyvane\", which is made when missing. "
               "Exit status: 0 in step, 1 conflicts left, 2 errors.")
        .arg(QString::fromLatin1(kPasswordVariable));
}

} // namespace SyncCommand
