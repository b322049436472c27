#include "platform/TemporaryDocument.h"

#include "platform/ShellOpen.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <unistd.h>

namespace {
// The file's texts, translated under one context (declared so that lupdate finds them).
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(TemporaryDocument)
};
} // namespace

QString SafeDocumentFileName(const QString& fileName)
{
    QString out;
    for (QChar c : fileName) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            out += QLatin1Char('_');
        else
            out += c;
    }
    out = out.trimmed();
    if (out.isEmpty() || out.startsWith(QLatin1Char('.')))
        out.prepend(QStringLiteral("Document"));
    return out;
}

bool ShowTemporaryDocument(const QString& fileName,
                           const std::function<bool(const QString& path, QString* why)>& save,
                           QString* shownPath, QString* why)
{
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/tallyvane-XXXXXX"));
    if (!dir.isValid()) {
        if (why)
            *why = QStringLiteral("%1: %2").arg(QDir::tempPath(), dir.errorString());
        return false;
    }
    const QString path = dir.filePath(SafeDocumentFileName(fileName));
    if (!save(path, why))
        return false; // the folder goes with dir
    dir.setAutoRemove(false);
    if (shownPath)
        *shownPath = path;
    if (!ShellOpen(path)) {
        if (why)
            *why = Texts::tr("No program could open %1.").arg(path);
        return false;
    }
    return true;
}

int SweepTemporaryDocuments(const QString& tempRoot, qint64 maxAgeSecs)
{
    static const QRegularExpression ours(QStringLiteral("^tallyvane-[A-Za-z0-9]{6}$"));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    int removed = 0;
    const QFileInfoList entries = QDir(tempRoot).entryInfoList(
        {QStringLiteral("tallyvane-*")}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo& fi : entries) {
        if (!ours.match(fi.fileName()).hasMatch() || fi.isSymLink() || fi.ownerId() != uint(::geteuid()))
            continue;
        if (fi.lastModified().toUTC().secsTo(now) < maxAgeSecs)
            continue;
        if (QDir(fi.filePath()).removeRecursively())
            ++removed;
    }
    return removed;
}
