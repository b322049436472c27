#pragma once

#include <QByteArray>
#include <QString>

// Starting the program at login, in the tray: an XDG autostart entry
// ($XDG_CONFIG_HOME/autostart/tallyvane.desktop) that runs "PROGRAM --tray".
namespace LoginAutostart {

QString EntryPath();

// The entry's text for a program path, with the Exec line quoted as desktop
// entries require (a path with blanks, quotes, "$" or "%" still runs).
QByteArray EntryText(const QString& program);

// Writes or removes the entry; false with the reason on failure.
[[nodiscard]] bool Enable(const QString& program, QString* why);
[[nodiscard]] bool Disable(QString* why);
bool IsEnabled();

} // namespace LoginAutostart
