#include "device/DeviceProcess.h"

#include "device/DeviceIo.h"
#include "device/DeviceRoot.h"

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

namespace DeviceProcess {

QString LaunchLogPath()
{
    return DeviceRoot::Path() + QLatin1String("/Launches.log");
}

QString ResolveProgram(const QString& appName)
{
    if (appName.contains(QLatin1Char('\\')) || appName.contains(QLatin1Char('/')))
        return appName;
    return QStringLiteral("\\Windows\\") + appName;
}

bool CreateProcess(const QString& appName, const QString& commandLine)
{
    const QString devicePath = ResolveProgram(appName);
    const QString host = DeviceRoot::HostPath(devicePath);
    const QFileInfo info(host);
    QString outcome;
    bool started = false;
    if (host.isEmpty() || !info.isFile()) {
        outcome = QStringLiteral("not found");
    } else if (!info.isExecutable()) {
        outcome = QStringLiteral("recorded");
        started = true;
    } else {
        QProcess process;
        process.setProgram(host);
        if (!commandLine.isEmpty())
            process.setArguments({commandLine});
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PIVEX_DEVICE_ROOT"), DeviceRoot::Path());
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(info.absolutePath());
        started = process.startDetached();
        outcome = started ? QStringLiteral("started") : QStringLiteral("failed");
    }
    DeviceIo::AppendRecord(LaunchLogPath(), {devicePath, commandLine, outcome});
    return started;
}

} // namespace DeviceProcess
