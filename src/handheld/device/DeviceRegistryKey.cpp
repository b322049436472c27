#include "device/DeviceRegistryKey.h"

#include "device/DeviceIo.h"
#include "device/DeviceRoot.h"
#include "device/DeviceTextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

bool IsBlank(QChar ch)
{
    return ch == QLatin1Char(' ') || ch == QLatin1Char('\t');
}

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

// Parses a quoted name that starts at text[from]; returns the index after
// the closing quote, or -1.
qsizetype UnescapeName(const QString& text, qsizetype from, QString* name)
{
    if (from >= text.size() || text.at(from) != QLatin1Char('"'))
        return -1;
    QString out;
    for (qsizetype i = from + 1; i < text.size(); ++i) {
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
            const QString hex = text.mid(i + 1, 2);
            const uint code = hex.toUInt(&ok, 16);
            if (!ok || hex.size() != 2)
                return -1;
            out += QChar(char16_t(code));
            i += 2;
        } else {
            out += next;
        }
    }
    return -1;
}

// Where a value stands in values.reg: its line, the characters [dataFrom,
// dataTo) after "=", and how many continuation lines follow it.
struct ValueSpan
{
    qsizetype line = -1;
    qsizetype dataFrom = 0;
    qsizetype dataTo = 0;
    qsizetype continuationLines = 0;
};

// "name"=data, with blanks allowed before the name and around "=".
std::optional<ValueSpan> ParseValueLine(const QString& text, QString* name)
{
    qsizetype i = 0;
    while (i < text.size() && IsBlank(text.at(i)))
        ++i;
    i = UnescapeName(text, i, name);
    if (i < 0)
        return std::nullopt;
    while (i < text.size() && IsBlank(text.at(i)))
        ++i;
    if (i >= text.size() || text.at(i) != QLatin1Char('='))
        return std::nullopt;
    ++i;
    while (i < text.size() && IsBlank(text.at(i)))
        ++i;
    ValueSpan span;
    span.dataFrom = i;
    span.dataTo = text.size();
    while (span.dataTo > span.dataFrom && IsBlank(text.at(span.dataTo - 1)))
        --span.dataTo;
    return span;
}

// Long values of a registry export go on over lines that end in "\".
bool ContinuesOnNextLine(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && IsBlank(text.at(end - 1)))
        --end;
    return end > 0 && text.at(end - 1) == QLatin1Char('\\');
}

// The line of that name that counts: the last one, as importing the file
// would leave the value. Continuation lines never start a value.
std::optional<ValueSpan> FindValue(const DeviceTextFile& file, const QString& name)
{
    std::optional<ValueSpan> found;
    bool continued = false;
    for (qsizetype i = 0; i < file.LineCount(); ++i) {
        const QString text = file.Line(i);
        QString lineName;
        if (!continued) {
            if (auto span = ParseValueLine(text, &lineName);
                span && lineName.compare(name, Qt::CaseInsensitive) == 0) {
                span->line = i;
                found = span;
            }
        }
        continued = ContinuesOnNextLine(text);
    }
    if (found) {
        for (qsizetype i = found->line; i + 1 < file.LineCount() && ContinuesOnNextLine(file.Line(i)); ++i)
            ++found->continuationLines;
    }
    return found;
}

std::optional<quint32> ParseDword(const QString& data)
{
    static const QRegularExpression re(QStringLiteral("^dword:([0-9a-f]{8})$"),
                                       QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(data);
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).toUInt(nullptr, 16);
}

bool Fail(DeviceError* error, const QString& file, const QString& reason)
{
    if (error)
        *error = DeviceError{file, reason};
    return false;
}

// values.reg as it is; a missing file is an empty one.
std::optional<DeviceTextFile> ReadValuesFile(const QString& path, DeviceError* error)
{
    QByteArray bytes;
    switch (DeviceIo::ReadSmallFile(path, &bytes, DeviceIo::kMaxStateFileSize, error)) {
    case DeviceIo::ReadResult::Missing:
        return DeviceTextFile();
    case DeviceIo::ReadResult::Ok:
        break;
    case DeviceIo::ReadResult::TooLarge:
    case DeviceIo::ReadResult::Error:
        return std::nullopt;
    }
    auto file = DeviceTextFile::Parse(bytes);
    if (!file)
        Fail(error, path, DeviceRegistryKey::tr("the file is not UTF-16 text as its byte order mark says"));
    return file;
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

std::optional<DeviceRegistryKey> DeviceRegistryKey::Open(RegRoot root, const QString& subKey, bool create,
                                                         DeviceError* error)
{
    bool ok = false;
    QStringList names = DeviceRoot::SplitDevicePath(subKey, &ok);
    if (!ok) {
        Fail(error, {}, tr("\"%1\" is not a valid key name").arg(subKey));
        return std::nullopt;
    }
    names.prepend(RootName(root));
    names.prepend(QStringLiteral("Registry"));
    const QString folder = DeviceRoot::ResolveUnder(DeviceRoot::Path(), names);
    if (!QFileInfo(folder).isDir()) {
        if (!create) {
            Fail(error, folder, tr("the key does not exist"));
            return std::nullopt;
        }
        if (!DeviceIo::MakeFolder(folder, error))
            return std::nullopt;
    }
    return DeviceRegistryKey(folder);
}

QString DeviceRegistryKey::ValuesFile() const
{
    return m_folder + QLatin1String("/values.reg");
}

std::optional<quint32> DeviceRegistryKey::QueryDword(const QString& name, DeviceError* error) const
{
    if (name.isNull())
        return std::nullopt;
    const auto file = ReadValuesFile(ValuesFile(), error);
    if (!file)
        return std::nullopt;
    const auto span = FindValue(*file, name);
    if (!span)
        return std::nullopt;
    return ParseDword(file->Line(span->line).mid(span->dataFrom, span->dataTo - span->dataFrom));
}

bool DeviceRegistryKey::SetDword(const QString& name, quint32 value, DeviceError* error)
{
    if (name.isNull())
        return Fail(error, ValuesFile(), tr("a value needs a name"));
    if (!QFileInfo(m_folder).isDir())
        return Fail(error, m_folder, tr("the key no longer exists"));
    auto file = ReadValuesFile(ValuesFile(), error);
    if (!file)
        return false;
    const QString data = QStringLiteral("dword:%1").arg(value, 8, 16, QLatin1Char('0'));
    if (const auto span = FindValue(*file, name)) {
        const QString line = file->Line(span->line);
        // The same value written again leaves the file alone.
        if (span->continuationLines == 0 &&
            ParseDword(line.mid(span->dataFrom, span->dataTo - span->dataFrom)) == value)
            return true;
        for (qsizetype i = span->continuationLines; i > 0; --i)
            file->RemoveLine(span->line + i);
        file->ReplaceInLine(span->line, span->dataFrom, span->dataTo, data);
    } else if (!file->AppendLine(EscapeName(name) + QLatin1Char('=') + data)) {
        return Fail(error, ValuesFile(),
                    tr("the name \"%1\" cannot be written in the file's 8-bit encoding").arg(name));
    }
    return DeviceIo::WriteAtomically(ValuesFile(), file->ToBytes(), error);
}

bool DeviceRegistryKey::Flush() const
{
    return QFileInfo(m_folder).isDir();
}
