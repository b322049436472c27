#include "model/store/DataFolder.h"

#include "model/store/SaveFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

QString DataFolder::Key() const
{
    return QString::fromLatin1(
        QCryptographicHash::hash(Path().toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

bool IsSafeRecordId(const QString& recId)
{
    // Checked exactly as stored: the identifier that names the file is the
    // one the store keys the record by, so nothing may be trimmed or folded.
    if (recId.isEmpty() || recId.contains(QLatin1String("..")))
        return false;
    // Room for the file name with its temporary and pending suffixes within
    // the 255 bytes a file name may have.
    if (recId.toUtf8().size() > kMaxRecordIdBytes)
        return false;
    for (qsizetype i = 0; i < recId.size(); ++i) {
        const QChar c = recId.at(i);
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.isNull() ||
            c.isSpace())
            return false;
        switch (c.category()) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_NotAssigned:
        case QChar::Other_PrivateUse:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return false;
        case QChar::Other_Surrogate:
            // A pair is one character; a lone half is not text.
            if (c.isHighSurrogate() && i + 1 < recId.size() && recId.at(i + 1).isLowSurrogate()) {
                ++i;
                continue;
            }
            return false;
        default:
            break;
        }
    }
    return true;
}

QString ShownText(const QString& text, qsizetype maxChars)
{
    QString out;
    qsizetype shown = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (maxChars > 0 && shown >= maxChars) {
            out += QChar(0x2026);
            break;
        }
        const QChar c = text.at(i);
        ++shown;
        if (c == QLatin1Char('\n')) {
            out += QLatin1String("\\n");
        } else if (c == QLatin1Char('\r')) {
            out += QLatin1String("\\r");
        } else if (c == QLatin1Char('\t')) {
            out += QLatin1String("\\t");
        } else if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
                   c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph ||
                   (c.isSurrogate() &&
                    !(c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()))) {
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            out += c;
            if (c.isHighSurrogate())
                out += text.at(++i);
        }
    }
    return out;
}

QString ShownFileName(const QByteArray& localName)
{
    return ShownText(QString::fromUtf8(localName), 0);
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

QString DataFolder::DueFileName(const QString& recId)
{
    if (!IsSafeRecordId(recId))
        return {};
    return QStringLiteral("duedate") + recId + QStringLiteral(".due");
}

QString DataFolder::PendingFileName(const QString& recId)
{
    const QString name = DueFileName(recId);
    if (name.isEmpty())
        return {};
    return name + QLatin1Char('.') + SaveFile::HostTag() + QLatin1String(kPendingSuffix);
}

QString DataFolder::DueFilePath(const QString& recId) const
{
    const QString name = DueFileName(recId);
    if (IsEmpty() || name.isEmpty())
        return {};
    return Path() + QLatin1Char('/') + name;
}

QString DataFolder::PendingFilePath(const QString& recId) const
{
    const QString name = PendingFileName(recId);
    if (IsEmpty() || name.isEmpty())
        return {};
    return Path() + QLatin1Char('/') + name;
}

bool DataFolder::Create() const
{
    if (IsEmpty())
        return false;
    QDir().mkpath(Path());
    return QFileInfo(Path()).isDir();
}

bool DataFolder::CheckUsable(QString* why) const
{
    const QByteArray local = QFile::encodeName(Path());
    struct stat st;
    // stat follows links, so a loop of links fails here with its own reason.
    if (::stat(local.constData(), &st) != 0) {
        if (why)
            *why = QCoreApplication::translate("DataFolder", "data folder %1 cannot be used: %2")
                       .arg(QDir::toNativeSeparators(Path()), QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    if (!S_ISDIR(st.st_mode)) {
        if (why)
            *why = QCoreApplication::translate("DataFolder", "data folder %1 is not a folder")
                       .arg(QDir::toNativeSeparators(Path()));
        return false;
    }
    if (::access(local.constData(), R_OK | X_OK) != 0) {
        if (why)
            *why = QCoreApplication::translate("DataFolder", "data folder %1 cannot be read: %2")
                       .arg(QDir::toNativeSeparators(Path()), QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    return true;
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
