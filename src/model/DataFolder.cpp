#include "model/DataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

bool IsSafeRecordId(const QString& recId)
{
    const QString id = recId.trimmed();
    if (id.isEmpty() || id.contains(QLatin1String("..")))
        return false;
    for (QChar c : id) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') ||
            c.category() == QChar::Other_Control || c.isNull())
            return false;
    }
    return true;
}

DataFolder::DataFolder(const QString& workDir)
    : m_workDir(workDir.isEmpty() ? QString() : QDir::cleanPath(workDir))
{
}

QString DataFolder::Path() const
{
    return m_workDir + QLatin1Char('/') + QLatin1String(kDataFolderName);
}

QString DataFolder::PreferencesPath() const
{
    return Path() + QStringLiteral("/preferences.alm");
}

QString DataFolder::DueFilePath(const QString& recId) const
{
    if (IsEmpty() || !IsSafeRecordId(recId))
        return {};
    return Path() + QStringLiteral("/duedate") + recId.trimmed() + QStringLiteral(".due");
}

bool DataFolder::Create() const
{
    if (IsEmpty())
        return false;
    QDir().mkpath(Path());
    return QFileInfo(Path()).isDir();
}

QString ReadStoredWorkingDirectory()
{
    QSettings settings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane"));
    return settings.value(QStringLiteral("Directory/Path")).toString();
}

void WriteStoredWorkingDirectory(const QString& workDir)
{
    QSettings settings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane"));
    settings.setValue(QStringLiteral("Directory/Path"), workDir);
    settings.sync();
}
