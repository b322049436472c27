#include "app/Translations.h"

#include "model/base/AppPaths.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
void Install(const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
} // namespace

void InstallTranslations()
{
    const QLocale locale;
    Install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Install(locale, QStringLiteral("tallyvane"), GetDataFilePath(QStringLiteral("translations")));
}
