#pragma once

#include <QString>
#include <QStringList>

// The handheld stand-in keeps the whole device in one folder on this machine,
// the device root: $PIVEX_DEVICE_ROOT, or "pivexsettings/device" under the
// user's data folder. Its layout:
//
//   Registry/<ROOT>/<key>/<subkey>/values.reg   one folder per registry key
//   SIP/CurrentIM, SIP/Info, SIP/Settings        the soft input panel
//   SIP/Switches.log                             every input method switch asked for
//   Windows/, Windows/StartUp/                   the handheld's \Windows and Startup folder
//   Launches.log                                 every program start asked for
//
// Device paths use backslashes ("\Windows\x.exe"); like the handheld's file
// system they are matched without regard to case.
namespace DeviceRoot {

// Absolute host path of the device root. The root and its standard folders
// are created when missing.
QString Path();

// Splits a device path into its names. Separators are "\" and "/"; empty
// names are skipped. Fails (ok = false) on ".", "..", control characters and
// the characters the handheld forbids in names (: * ? " < > |).
QStringList SplitDevicePath(const QString& devicePath, bool* ok);

// Host path below hostDir for the given names, each matched case-insensitively
// against what already exists; names that do not exist yet are used as given.
QString ResolveUnder(const QString& hostDir, const QStringList& names);

// Host path of a device path inside the device root; empty when the device
// path is not valid (see SplitDevicePath) or names nothing.
QString HostPath(const QString& devicePath);

} // namespace DeviceRoot
