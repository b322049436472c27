#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The parts of an office package (a zip archive), kept in memory in archive
// order. Reading caps the number and the sizes of the parts, so a damaged or
// hostile file fails with a reason instead of filling memory.
class OoxmlPackage
{
public:
    static constexpr qint64 kMaxPackageBytes = 64 * 1024 * 1024;
    static constexpr qint64 kMaxPartBytes = 32 * 1024 * 1024;
    static constexpr int kMaxParts = 2000;

    // Replaces the contents with the package at path. On failure the package
    // is left empty and why says what went wrong.
    [[nodiscard]] bool Read(const QString& path, QString* why);
    [[nodiscard]] bool ReadBytes(const QByteArray& zipBytes, QString* why);

    // The whole archive (deflated parts, archive order).
    [[nodiscard]] bool ToBytes(QByteArray* zipBytes, QString* why) const;
    // Writes the archive atomically: the old file stays on any failure.
    [[nodiscard]] bool Write(const QString& path, QString* why) const;

    // Part names without a leading slash, e.g. "xl/workbook.xml".
    bool Contains(const QString& name) const;
    QByteArray Part(const QString& name) const;
    // Replaces a part in place or appends a new one.
    void SetPart(const QString& name, const QByteArray& data);
    void RemovePart(const QString& name);
    QStringList PartNames() const;
    void Clear() { m_parts.clear(); }

private:
    struct Entry
    {
        QString name;
        QByteArray data;
    };
    int IndexOf(const QString& name) const;

    QList<Entry> m_parts;
};
