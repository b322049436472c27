#include "device/DeviceRoot.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool IsValidName(const QString& name)
{
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar ch : name) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7f)
            return false;
        switch (ch.unicode()) {
        case ':':
        case '*':
        case '?':
        case '"':
        case '<':
        case '>':
        case '|':
            return false;
        default:
            break;
        }
    }
    return true;
}

} // namespace

namespace DeviceRoot {

QString Path()
{
    QString root = qEnvironmentVariable("PIVEX_DEVICE_ROOT");
    if (root.isEmpty()) {
        root = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
               QLatin1String("/pivexsettings/device");
    }
    root = QDir::cleanPath(QDir(root).absolutePath());
    // The handheld always has its Windows and Startup folders.
    QDir().mkpath(ResolveUnder(root, {QStringLiteral("Windows"), QStringLiteral("StartUp")}));
    return root;
}

QStringList SplitDevicePath(const QString& devicePath, bool* ok)
{
    QStringList names;
    QString current;
    bool valid = true;
    const auto flush = [&] {
        if (current.isEmpty())
            return;
        if (!IsValidName(current))
            valid = false;
        names << current;
        current.clear();
    };
    for (const QChar ch : devicePath) {
        if (ch == QLatin1Char('\\') || ch == QLatin1Char('/'))
            flush();
        else
            current += ch;
    }
    flush();
    if (ok)
        *ok = valid;
    return valid ? names : QStringList();
}

QString ResolveUnder(const QString& hostDir, const QStringList& names)
{
    QString path = hostDir;
    for (const QString& name : names) {
        const QString exact = path + QLatin1Char('/') + name;
        QFileInfo info(exact);
        if (info.exists() || info.isSymLink()) {
            path = exact;
            continue;
        }
        QString match;
        const QStringList entries =
            QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& entry : entries) {
            if (entry.compare(name, Qt::CaseInsensitive) == 0) {
                match = entry;
                break;
            }
        }
        path += QLatin1Char('/') + (match.isEmpty() ? name : match);
    }
    return path;
}

QString HostPath(const QString& devicePath)
{
    bool ok = false;
    const QStringList names = SplitDevicePath(devicePath, &ok);
    if (!ok || names.isEmpty())
        return {};
    return ResolveUnder(Path(), names);
}

} // namespace DeviceRoot
