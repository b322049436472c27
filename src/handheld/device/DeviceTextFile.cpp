#include "device/DeviceTextFile.h"

#include <QHash>
#include <QtEndian>

namespace {

bool IsUtf16(DeviceTextFile::Encoding encoding)
{
    return encoding == DeviceTextFile::Encoding::Utf16LE || encoding == DeviceTextFile::Encoding::Utf16BE;
}

} // namespace

std::optional<DeviceTextFile> DeviceTextFile::Parse(const QByteArray& bytes)
{
    DeviceTextFile file;
    if (bytes.startsWith("\xFF\xFE")) {
        file.m_encoding = Encoding::Utf16LE;
        file.m_bom = bytes.left(2);
    } else if (bytes.startsWith("\xFE\xFF")) {
        file.m_encoding = Encoding::Utf16BE;
        file.m_bom = bytes.left(2);
    } else {
        if (bytes.startsWith("\xEF\xBB\xBF"))
            file.m_bom = bytes.left(3);
        const QByteArray body = bytes.mid(file.m_bom.size());
        // Valid UTF-8 is the only text that survives the round trip unchanged.
        file.m_encoding = QString::fromUtf8(body).toUtf8() == body ? Encoding::Utf8 : Encoding::Latin1;
    }

    const bool wide = IsUtf16(file.m_encoding);
    const qsizetype unit = wide ? 2 : 1;
    const qsizetype size = bytes.size();
    if ((size - file.m_bom.size()) % unit != 0)
        return std::nullopt;
    const auto unitAt = [&](qsizetype pos) -> char16_t {
        if (!wide)
            return char16_t(uchar(bytes.at(pos)));
        const uchar* p = reinterpret_cast<const uchar*>(bytes.constData()) + pos;
        return file.m_encoding == Encoding::Utf16LE ? qFromLittleEndian<quint16>(p)
                                                    : qFromBigEndian<quint16>(p);
    };
    const auto decode = [&](qsizetype from, qsizetype to) {
        const QByteArray raw = bytes.mid(from, to - from);
        switch (file.m_encoding) {
        case Encoding::Utf8:
            return QString::fromUtf8(raw);
        case Encoding::Latin1:
            return QString::fromLatin1(raw);
        default: {
            QString text(raw.size() / 2, Qt::Uninitialized);
            for (qsizetype i = 0; i < text.size(); ++i)
                text[i] = QChar(unitAt(from + 2 * i));
            return text;
        }
        }
    };

    qsizetype lineStart = file.m_bom.size();
    qsizetype pos = lineStart;
    while (pos < size) {
        const char16_t c = unitAt(pos);
        if (c != u'\r' && c != u'\n') {
            pos += unit;
            continue;
        }
        qsizetype endSize = unit;
        if (c == u'\r' && pos + unit < size && unitAt(pos + unit) == u'\n')
            endSize += unit;
        file.m_lines.append(
            {bytes.mid(lineStart, pos - lineStart), decode(lineStart, pos), bytes.mid(pos, endSize)});
        pos += endSize;
        lineStart = pos;
    }
    if (lineStart < size)
        file.m_lines.append({bytes.mid(lineStart), decode(lineStart, size), {}});
    return file;
}

bool DeviceTextFile::CanEncode(const QString& text) const
{
    if (m_encoding != Encoding::Latin1)
        return true;
    for (const QChar ch : text) {
        if (ch.unicode() > 0xFF)
            return false;
    }
    return true;
}

QByteArray DeviceTextFile::Encode(const QString& text) const
{
    switch (m_encoding) {
    case Encoding::Utf8:
        return text.toUtf8();
    case Encoding::Latin1:
        return text.toLatin1();
    default:
        break;
    }
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    uchar* p = reinterpret_cast<uchar*>(bytes.data());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const quint16 u = text.at(i).unicode();
        if (m_encoding == Encoding::Utf16LE)
            qToLittleEndian(u, p + 2 * i);
        else
            qToBigEndian(u, p + 2 * i);
    }
    return bytes;
}

QByteArray DeviceTextFile::NewLineEnd() const
{
    // The end most lines have; on a tie, the one found first.
    QHash<QByteArray, int> counts;
    QByteArray best;
    for (const TextLine& line : m_lines) {
        if (line.end.isEmpty())
            continue;
        const int count = ++counts[line.end];
        if (count > counts.value(best))
            best = line.end;
    }
    if (!best.isEmpty())
        return best;
    // A file without any line end yet: registry exports in UTF-16 use CR LF.
    return Encode(IsUtf16(m_encoding) ? QStringLiteral("\r\n") : QStringLiteral("\n"));
}

bool DeviceTextFile::ReplaceInLine(qsizetype index, qsizetype from, qsizetype to, const QString& text)
{
    if (!CanEncode(text))
        return false;
    TextLine& line = m_lines[index];
    // The line's text came from its bytes, so encoding a part of it again
    // gives that part's bytes exactly.
    const qsizetype fromByte = Encode(line.text.left(from)).size();
    const qsizetype toByte = Encode(line.text.left(to)).size();
    line.bytes = line.bytes.left(fromByte) + Encode(text) + line.bytes.mid(toByte);
    line.text = line.text.left(from) + text + line.text.mid(to);
    return true;
}

bool DeviceTextFile::AppendLine(const QString& text)
{
    if (!CanEncode(text))
        return false;
    const QByteArray end = NewLineEnd();
    if (!m_lines.isEmpty() && m_lines.last().end.isEmpty())
        m_lines.last().end = end;
    m_lines.append({Encode(text), text, end});
    return true;
}

void DeviceTextFile::RemoveLine(qsizetype index)
{
    m_lines.removeAt(index);
}

QByteArray DeviceTextFile::ToBytes() const
{
    QByteArray bytes = m_bom;
    for (const TextLine& line : m_lines)
        bytes += line.bytes + line.end;
    return bytes;
}
