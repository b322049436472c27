#include "ui/frame/HelpFile.h"

#include "model/base/AppPaths.h"
#include "platform/ShellOpen.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

// The resources live in a static library: register them before the first use.
static void InitResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace HelpFile {

namespace {
bool WriteIfDifferent(const QString& path, const QByteArray& bytes)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    existing.close();
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (out.write(bytes) != bytes.size())
        return false;
    return out.commit();
}
} // namespace

QString EnsureHelpFile()
{
    InitResources();
    QFile resource(QStringLiteral(":/help/tlvhelp.html"));
    if (!resource.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = resource.readAll();
    const QString shipped = GetDataFilePath(QString::fromLatin1(kFileName));
    if (WriteIfDifferent(shipped, bytes))
        return shipped;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty() || !QDir().mkpath(cache))
        return {};
    const QString fallback = cache + QLatin1Char('/') + QString::fromLatin1(kFileName);
    return WriteIfDifferent(fallback, bytes) ? fallback : QString();
}

void OpenHelp()
{
    const QString path = EnsureHelpFile();
    if (!path.isEmpty())
        ShellOpen(path);
}

} // namespace HelpFile
