#include "app/CTallyvaneApp.h"

#include "model/LocaleFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

CTallyvaneApp theApp;

CTallyvaneApp::CTallyvaneApp() : m_locale(QLocale::system()) {}

void CTallyvaneApp::ReadWorkingDirectory()
{
    QSettings settings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane"));
    m_strWorkDir = settings.value(QStringLiteral("Directory/Path")).toString();
}

void CTallyvaneApp::WriteWorkingDirectory()
{
    QSettings settings(QStringLiteral("Quillory"), QStringLiteral("Tallyvane"));
    settings.setValue(QStringLiteral("Directory/Path"), m_strWorkDir);
    settings.sync();
}

QString CTallyvaneApp::GetDataFolder() const
{
    return m_strWorkDir + QLatin1Char('/') + QLatin1String(kDataFolderName);
}

QString CTallyvaneApp::GetPreferencesPath() const
{
    return GetDataFolder() + QStringLiteral("/preferences.alm");
}

bool IsSafeRecordId(const QString& recId)
{
    const QString id = recId.trimmed();
    if (id.isEmpty() || id.contains(QLatin1String("..")))
        return false;
    for (QChar c : id) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.category() == QChar::Other_Control ||
            c.isNull())
            return false;
    }
    return true;
}

QString CTallyvaneApp::GetDueFilePath(const QString& recId) const
{
    if (!IsSafeRecordId(recId))
        return {};
    return GetDataFolder() + QStringLiteral("/duedate") + recId.trimmed() + QStringLiteral(".due");
}

bool CTallyvaneApp::CreateDataFolder() const
{
    if (m_strWorkDir.isEmpty())
        return false;
    QDir().mkpath(GetDataFolder());
    return QFileInfo(GetDataFolder()).isDir();
}

QString CTallyvaneApp::FormatCurrency(const QString& valueText) const
{
    return FormatCurrencyText(valueText, m_locale);
}

QString CTallyvaneApp::FormatDate(const COleDateTime& date, const QString& picture) const
{
    return FormatDatePicture(date, picture, m_locale);
}

QString CTallyvaneApp::FormatTime(const COleDateTime& date, const QString& picture) const
{
    return FormatTimePicture(date, picture, m_locale);
}

QString GetModuleFilePath(const QString& fileName)
{
    QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return dir + QLatin1Char('/') + fileName;
}
