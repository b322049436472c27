#include "device/DeviceIo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace DeviceIo {

ReadResult ReadSmallFile(const QString& hostPath, QByteArray* data, qint64 maxSize)
{
    QFile file(hostPath);
    if (!file.exists())
        return ReadResult::Missing;
    if (!file.open(QIODevice::ReadOnly))
        return ReadResult::Error;
    if (file.size() > maxSize)
        return ReadResult::TooLarge;
    const QByteArray bytes = file.read(maxSize + 1);
    if (bytes.size() > maxSize)
        return ReadResult::TooLarge;
    if (file.error() != QFileDevice::NoError)
        return ReadResult::Error;
    *data = bytes;
    return ReadResult::Ok;
}

bool WriteAtomically(const QString& hostPath, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(hostPath).absolutePath());
    QSaveFile file(hostPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool AppendRecord(const QString& hostPath, const QStringList& fields)
{
    QStringList clean;
    clean.reserve(fields.size());
    for (QString field : fields) {
        for (QChar& ch : field) {
            if (ch == QLatin1Char('\t') || ch == QLatin1Char('\r') || ch == QLatin1Char('\n'))
                ch = QLatin1Char(' ');
        }
        clean << field;
    }
    QDir().mkpath(QFileInfo(hostPath).absolutePath());
    QFile file(hostPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray line = clean.join(QLatin1Char('\t')).toUtf8() + '\n';
    return file.write(line) == line.size();
}

QList<QPair<QString, QString>> ParseKeyValues(const QByteArray& text)
{
    QList<QPair<QString, QString>> pairs;
    const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        pairs.append({line.left(eq).trimmed(), line.mid(eq + 1).trimmed()});
    }
    return pairs;
}

} // namespace DeviceIo
