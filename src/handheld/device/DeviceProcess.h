#pragma once

#include <QString>

// Starting programs of the handheld.
//
// Every start asked for is appended to Launches.log in the device root: the
// program's device path, the command line and the outcome, separated by tabs:
//   started    the program's file in the device root is executable here and
//              was run, with the command line as its one argument (none when
//              empty) and PIVEX_DEVICE_ROOT set
//   recorded   the program exists on the device but is not executable here
//              (a placeholder file); the start counts as done
//   not found  no such program; the start fails
//   failed     the program could not be run
namespace DeviceProcess {

// A program name without a folder is looked up in \Windows, as the handheld does.
QString ResolveProgram(const QString& appName);

bool CreateProcess(const QString& appName, const QString& commandLine);

QString LaunchLogPath();

} // namespace DeviceProcess
