#include "model/base/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString& InstalledDataFolder()
{
    static QString folder;
    return folder;
}

QString ProgramFolder()
{
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}
} // namespace

QString GetModuleFilePath(const QString& fileName)
{
    return ProgramFolder() + QLatin1Char('/') + fileName;
}

void SetInstalledDataFolder(const QString& relativeToProgram)
{
    InstalledDataFolder() = relativeToProgram;
}

QString GetDataFilePath(const QString& name)
{
    const QString& relative = InstalledDataFolder();
    if (!relative.isEmpty()) {
        const QString installed =
            QDir::cleanPath(ProgramFolder() + QLatin1Char('/') + relative + QLatin1Char('/') + name);
        if (QFileInfo::exists(installed))
            return installed;
    }
    return GetModuleFilePath(name);
}
