#pragma once

#include "app/CommandLine.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>

// tallyvane sync --workdir DIR [--caldav URL --user NAME] [--events] [--prefer here|server]
// Brings the folder's dues and a CalDAV calendar in step: the folder's
// account (Preferences > Calendar Sync), or for scripts the server and user
// given, with the password from TALLYVANE_CALDAV_PASSWORD or the keyring.
// Exit status 0 when in step, 1 when conflicts are left (one line each on
// standard error), 2 on errors.
namespace SyncCommand {

QList<QCommandLineOption> Options();
QString Details();

// Runs the sync; only the helper with the network libraries links it.
CommandLine::Outcome Run(const CommandLine::Invocation& call);

// The environment variable a script gives the password in.
inline constexpr char kPasswordVariable[] = "TALLYVANE_CALDAV_PASSWORD";

} // namespace SyncCommand
