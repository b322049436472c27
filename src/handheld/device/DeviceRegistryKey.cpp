#include "device/DeviceRegistryKey.h"

#include "device/DeviceIo.h"
#include "device/DeviceRoot.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

struct Line
{
    QString name; // valid when isValue
    QString raw;  // text after '=' for values, the whole line otherwise
    bool isValue = false;
};

QString EscapeName(const QString& name)
{
    QString out;
    out.reserve(name.size() + 2);
    out += QLatin1Char('"');
    for (const QChar ch : name) {
        if (ch == QLatin1Char('\\') || ch == QLatin1Char('"')) {
            out += QLatin1Char('\\');
            out += ch;
        } else if (ch.unicode() < 0x20 || ch.unicode() == 0x7f) {
            out += QStringLiteral("\\x%1").arg(ch.unicode(), 2, 16, QLatin1Char('0'));
        } else {
            out += ch;
        }
    }
    out += QLatin1Char('"');
    return out;
}

// Parses a quoted name at the start of text; returns the index after the
// closing quote, or -1.
qsizetype UnescapeName(const QString& text, QString* name)
{
    if (!text.startsWith(QLatin1Char('"')))
        return -1;
    QString out;
    for (qsizetype i = 1; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == QLatin1Char('"')) {
            *name = out;
            return i + 1;
        }
        if (ch != QLatin1Char('\\')) {
            out += ch;
            continue;
        }
        if (i + 1 >= text.size())
            return -1;
        const QChar next = text.at(++i);
        if (next == QLatin1Char('x')) {
            bool ok = false;
            const uint code = text.mid(i + 1, 2).toUInt(&ok, 16);
            if (!ok || text.mid(i + 1, 2).size() != 2)
                return -1;
            out += QChar(char16_t(code));
            i += 2;
        } else {
            out += next;
        }
    }
    return -1;
}

QList<Line> ParseValues(const QByteArray& bytes)
{
    QList<Line> lines;
    QString text = QString::fromUtf8(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const QStringList rawLines = text.split(QLatin1Char('\n'));
    for (const QString& raw : rawLines) {
        if (raw.trimmed().isEmpty())
            continue;
        Line line;
        QString name;
        const qsizetype end = UnescapeName(raw, &name);
        if (end > 0 && end < raw.size() && raw.at(end) == QLatin1Char('=')) {
            line.isValue = true;
            line.name = name;
            line.raw = raw.mid(end + 1);
        } else {
            line.raw = raw;
        }
        lines << line;
    }
    return lines;
}

QByteArray FormatValues(const QList<Line>& lines)
{
    QString text;
    for (const Line& line : lines) {
        if (line.isValue)
            text += EscapeName(line.name) + QLatin1Char('=') + line.raw;
        else
            text += line.raw;
        text += QLatin1Char('\n');
    }
    return text.toUtf8();
}

std::optional<quint32> ParseDword(const QString& raw)
{
    static const QRegularExpression re(QStringLiteral("^dword:([0-9a-fA-F]{8})$"));
    const QRegularExpressionMatch m = re.match(raw.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).toUInt(nullptr, 16);
}

} // namespace

QString DeviceRegistryKey::RootName(RegRoot root)
{
    switch (root) {
    case RegRoot::ClassesRoot:
        return QStringLiteral("HKEY_CLASSES_ROOT");
    case RegRoot::CurrentUser:
        return QStringLiteral("HKEY_CURRENT_USER");
    case RegRoot::LocalMachine:
        return QStringLiteral("HKEY_LOCAL_MACHINE");
    case RegRoot::Users:
        return QStringLiteral("HKEY_USERS");
    }
    return {};
}

std::optional<DeviceRegistryKey> DeviceRegistryKey::Open(RegRoot root, const QString& subKey, bool create)
{
    bool ok = false;
    QStringList names = DeviceRoot::SplitDevicePath(subKey, &ok);
    if (!ok)
        return std::nullopt;
    names.prepend(RootName(root));
    names.prepend(QStringLiteral("Registry"));
    const QString folder = DeviceRoot::ResolveUnder(DeviceRoot::Path(), names);
    if (!QFileInfo(folder).isDir()) {
        if (!create || !QDir().mkpath(folder))
            return std::nullopt;
    }
    return DeviceRegistryKey(folder);
}

QString DeviceRegistryKey::ValuesFile() const
{
    return m_folder + QLatin1String("/values.reg");
}

std::optional<quint32> DeviceRegistryKey::QueryDword(const QString& name) const
{
    if (name.isNull())
        return std::nullopt;
    QByteArray bytes;
    if (DeviceIo::ReadSmallFile(ValuesFile(), &bytes) != DeviceIo::ReadResult::Ok)
        return std::nullopt;
    for (const Line& line : ParseValues(bytes)) {
        if (line.isValue && line.name.compare(name, Qt::CaseInsensitive) == 0)
            return ParseDword(line.raw);
    }
    return std::nullopt;
}

bool DeviceRegistryKey::SetDword(const QString& name, quint32 value)
{
    if (name.isNull() || !QFileInfo(m_folder).isDir())
        return false;
    QByteArray bytes;
    switch (DeviceIo::ReadSmallFile(ValuesFile(), &bytes)) {
    case DeviceIo::ReadResult::Ok:
    case DeviceIo::ReadResult::Missing:
        break;
    case DeviceIo::ReadResult::TooLarge:
    case DeviceIo::ReadResult::Error:
        return false;
    }
    QList<Line> lines = ParseValues(bytes);
    const QString raw = QStringLiteral("dword:%1").arg(value, 8, 16, QLatin1Char('0'));
    bool replaced = false;
    for (Line& line : lines) {
        if (line.isValue && line.name.compare(name, Qt::CaseInsensitive) == 0) {
            line.raw = raw;
            replaced = true;
            break;
        }
    }
    if (!replaced)
        lines.append(Line{name, raw, true});
    return DeviceIo::WriteAtomically(ValuesFile(), FormatValues(lines));
}

bool DeviceRegistryKey::Flush() const
{
    return QFileInfo(m_folder).isDir();
}
