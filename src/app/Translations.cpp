#include "app/Translations.h"

#include "model/base/AppPaths.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
bool Install(const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}
} // namespace

void InstallTranslations()
{
    const QLocale locale;
    Install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    const QString ours = GetDataFilePath(QStringLiteral("translations"));
    // A language we have no file for reads the English texts, and English
    // needs its file for the forms of numbers ("1 day", "2 days").
    if (!Install(locale, QStringLiteral("tallyvane"), ours))
        Install(QLocale(QLocale::English), QStringLiteral("tallyvane"), ours);
}
