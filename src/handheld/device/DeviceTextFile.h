#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// A text file of the device edited line by line, so that whatever is not
// changed stays exactly as it was: its encoding (UTF-8, 8-bit text that is
// not UTF-8, UTF-16 with its byte order mark), a UTF-8 byte order mark, each
// line's own end (CR LF, LF or CR, mixed as found), blank lines and a last
// line without an end.
//
// Files from other programs come in all these forms: registry exports are
// UTF-16 with a byte order mark and CR LF, older tools write the code page.
class DeviceTextFile
{
public:
    enum class Encoding
    {
        Utf8,
        Latin1, // 8-bit text that is not valid UTF-8; read byte for character
        Utf16LE,
        Utf16BE
    };

    // An empty new file: UTF-8 without a byte order mark, LF line ends.
    DeviceTextFile() = default;

    // Empty only for UTF-16 with an odd number of bytes, which no reader
    // could extend without shifting every character after it.
    static std::optional<DeviceTextFile> Parse(const QByteArray& bytes);

    Encoding GetEncoding() const { return m_encoding; }
    qsizetype LineCount() const { return m_lines.size(); }
    // The line's text without its line end.
    QString Line(qsizetype index) const { return m_lines.at(index).text; }

    // Whether text can be written in the file's encoding.
    bool CanEncode(const QString& text) const;

    // Replaces the characters [from, to) of a line; the bytes before and
    // after them, and the line end, stay as they were. False when the text
    // cannot be encoded.
    bool ReplaceInLine(qsizetype index, qsizetype from, qsizetype to, const QString& text);
    // Adds a line at the end, ended the way most lines of the file end. A
    // last line without an end gets one first.
    bool AppendLine(const QString& text);
    void RemoveLine(qsizetype index);

    QByteArray ToBytes() const;

private:
    struct TextLine
    {
        QByteArray bytes; // as stored, without the line end
        QString text;
        QByteArray end; // empty for a last line without an end
    };

    QByteArray Encode(const QString& text) const;
    QByteArray NewLineEnd() const;

    Encoding m_encoding = Encoding::Utf8;
    QByteArray m_bom;
    QList<TextLine> m_lines;
};
