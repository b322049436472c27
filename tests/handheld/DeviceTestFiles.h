#pragma once

// Reading and writing whole files of a test device root.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTest>
#include <QtEndian>

inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline void WriteAll(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Text as a registry export stores it: UTF-16 LE after a byte order mark.
inline QByteArray Utf16LE(const QString& text)
{
    QByteArray bytes("\xFF\xFE");
    for (const QChar ch : text) {
        char unit[2];
        qToLittleEndian(quint16(ch.unicode()), unit);
        bytes.append(unit, 2);
    }
    return bytes;
}
