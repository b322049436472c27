#include "ui/frame/CSyncLauncher.h"

#include <QProcess>
#include <QSettings>

namespace {
CSyncLauncher::Starter& CurrentStarter()
{
    static CSyncLauncher::Starter starter = [](const QString& program, const QStringList& args) {
        return QProcess::startDetached(program, args);
    };
    return starter;
}
} // namespace

QString CSyncLauncher::ManagerPath()
{
#ifdef Q_OS_WIN
    QSettings key(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\App "
                                 "Paths\\WCESMGR.EXE"),
                  QSettings::NativeFormat);
    return key.value(QStringLiteral("Default")).toString();
#else
    // The same entry in the native settings of this desktop.
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Microsoft"),
                       QStringLiteral("Windows"));
    return settings.value(QStringLiteral("CurrentVersion/App Paths/WCESMGR.EXE/Default")).toString();
#endif
}

void CSyncLauncher::Synchronize()
{
    const QString path = ManagerPath();
    if (path.isEmpty())
        return;
    // A manager that fails to start says so itself; nothing to add here.
    CurrentStarter()(path, {QStringLiteral("/show"), QStringLiteral("/syncnow")});
}

CSyncLauncher::Starter CSyncLauncher::SetStarter(Starter starter)
{
    Starter previous = std::move(CurrentStarter());
    CurrentStarter() = std::move(starter);
    return previous;
}
