#include "platform/LoginAutostart.h"

#include "model/store/SaveFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace LoginAutostart {

namespace {

QString g_launcher;

// One Exec argument: quoted when it holds a reserved character, with the
// characters that stay special inside quotes escaped.
QString ExecArgument(const QString& arg)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool quote = arg.isEmpty();
    for (QChar c : arg)
        quote = quote || reserved.contains(c);
    QString out;
    for (QChar c : arg) {
        if (quote && (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                      c == QLatin1Char('\\')))
            out += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            out += QLatin1Char('%'); // field codes start with %
        out += c;
    }
    if (quote)
        out = QLatin1Char('"') + out + QLatin1Char('"');
    // The value is also a desktop-entry string: a backslash is escaped once
    // more, and a line break or tab would end or bend the line.
    out.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    out.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    out.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    out.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    return out;
}

} // namespace

QString EntryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/tallyvane.desktop");
}

void SetLauncher(const QString& path)
{
    g_launcher = path;
}

QString Launcher()
{
    return g_launcher.isEmpty() ? QCoreApplication::applicationFilePath() : g_launcher;
}

QByteArray EntryText(const QString& program, const QString& workDir)
{
    QString exec = ExecArgument(program) + QStringLiteral(" --tray");
    if (!workDir.isEmpty())
        exec += QStringLiteral(" --workdir ") + ExecArgument(workDir);
    QString text;
    text += QStringLiteral("[Desktop Entry]\n");
    text += QStringLiteral("Type=Application\n");
    text += QStringLiteral("Name=Tallyvane\n");
    text += QStringLiteral("Comment=Reminders of dues\n");
    text += QStringLiteral("Exec=") + exec + QLatin1Char('\n');
    text += QStringLiteral("Icon=tallyvane\n");
    text += QStringLiteral("Terminal=false\n");
    text += QStringLiteral("X-GNOME-Autostart-enabled=true\n");
    return text.toUtf8();
}

bool Enable(const QString& workDir, QString* why)
{
    const QString path = EntryPath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *why = QCoreApplication::translate("LoginAutostart", "cannot create the folder %1")
                   .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
        return false;
    }
    return SaveFile::Write(path, EntryText(Launcher(), workDir), why);
}

bool Disable(QString* why)
{
    QFile file(EntryPath());
    if (!file.exists() || file.remove())
        return true;
    *why = file.errorString();
    return false;
}

bool IsEnabled()
{
    return QFileInfo::exists(EntryPath());
}

} // namespace LoginAutostart
