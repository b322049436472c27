#include "model/AppPaths.h"

#include <QCoreApplication>
#include <QDir>

QString GetModuleFilePath(const QString& fileName)
{
    QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return dir + QLatin1Char('/') + fileName;
}
