#include "app/SyncCommand.h"

#include <QCoreApplication>

namespace SyncCommand {

namespace {
// Named as its translation context, so that lupdate files the texts under it.
struct SyncCommandText
{
    Q_DECLARE_TR_FUNCTIONS(SyncCommandText)
};
} // namespace

QList<QCommandLineOption> Options()
{
    return {
        QCommandLineOption(QStringLiteral("workdir"),
                           SyncCommandText::tr("The working directory that holds the dues"),
                           QStringLiteral("DIR")),
        QCommandLineOption(
            QStringLiteral("caldav"),
            SyncCommandText::tr("The CalDAV server or calendar, instead of the folder's account"),
            QStringLiteral("URL")),
        QCommandLineOption(QStringLiteral("user"), SyncCommandText::tr("The user name on that server"),
                           QStringLiteral("NAME")),
        QCommandLineOption(QStringLiteral("events"),
                           SyncCommandText::tr("With --caldav: events instead of tasks")),
        QCommandLineOption(
            QStringLiteral("prefer"),
            SyncCommandText::tr("Settle every conflict with this computer's or the server's version"),
            QStringLiteral("here|server")),
    };
}

QString Details()
{
    return SyncCommandText::tr(
               "Without --caldav the account set in the window (Preferences > Calendar Sync) is used. With "
               "--caldav and --user the password is taken from %1, or from the keyring when that is not "
               "set; a server's address leads to its calendar \"Tallyvane\", which is made when missing. "
               "Exit status: 0 in step, 1 conflicts left, 2 errors.")
        .arg(QString::fromLatin1(kPasswordVariable));
}

} // namespace SyncCommand
