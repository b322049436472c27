#pragma once

#include <QByteArray>
#include <QString>

// Starting the program at login, in the tray: an XDG autostart entry
// ($XDG_CONFIG_HOME/autostart/tallyvane.desktop) that runs
// "LAUNCHER --tray --workdir DIR" on the working directory in use.
namespace LoginAutostart {

QString EntryPath();

// The program the entry runs: the launcher, set by the window program when
// it starts. Until then (and when set empty) this program's own path.
void SetLauncher(const QString& path);
QString Launcher();

// The entry's text, with the Exec line quoted as desktop entries require (a
// path with blanks, quotes, "$", "%" or line breaks still runs); without
// --workdir when workDir is empty.
QByteArray EntryText(const QString& program, const QString& workDir);

// Writes the entry for Launcher() on workDir, or removes it; false with the
// reason on failure.
[[nodiscard]] bool Enable(const QString& workDir, QString* why);
[[nodiscard]] bool Disable(QString* why);
bool IsEnabled();

} // namespace LoginAutostart
