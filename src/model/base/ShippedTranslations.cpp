#include "model/base/ShippedTranslations.h"

#include "model/base/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QMutex>
#include <QTranslator>

#include <memory>
#include <vector>

namespace {
using Translators = std::vector<std::unique_ptr<QTranslator>>;

// Loaded once per folder (tests and an installed program look in different
// places), never installed: they only answer TextInEveryLanguage.
const Translators& ShippedTranslators()
{
    static QMutex mutex;
    static QHash<QString, std::shared_ptr<Translators>> byFolder;
    const QString folder = GetDataFilePath(QStringLiteral("translations"));
    QMutexLocker lock(&mutex);
    std::shared_ptr<Translators>& loaded = byFolder[folder];
    if (!loaded) {
        loaded = std::make_shared<Translators>();
        const QDir dir(folder);
        for (const QString& name :
             dir.entryList({QStringLiteral("tallyvane_*.qm")}, QDir::Files, QDir::Name)) {
            auto translator = std::make_unique<QTranslator>();
            if (translator->load(dir.filePath(name)))
                loaded->push_back(std::move(translator));
        }
    }
    return *loaded;
}
} // namespace

QStringList TextInEveryLanguage(const char* context, const char* source)
{
    QStringList texts{QString::fromUtf8(source), QCoreApplication::translate(context, source)};
    for (const auto& translator : ShippedTranslators()) {
        const QString text = translator->translate(context, source);
        if (!text.isEmpty())
            texts << text;
    }
    texts.removeDuplicates();
    return texts;
}
