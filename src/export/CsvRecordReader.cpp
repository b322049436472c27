#include "export/CsvRecordReader.h"

#include <QCoreApplication>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DueCsv)
};
} // namespace

CsvRecordReader::CsvRecordReader(const QString& text, QChar separator)
    : m_text(text), m_atEnd(true), m_separator(separator)
{
}

CsvRecordReader::CsvRecordReader(Source source, QChar separator)
    : m_source(std::move(source)), m_separator(separator)
{
}

bool CsvRecordReader::ReadMore(qsizetype keep)
{
    if (m_atEnd)
        return false;
    m_text.remove(0, keep);
    m_pos -= keep;
    const qsizetype before = m_text.size();
    while (m_text.size() == before) {
        if (!m_source(m_text)) {
            m_atEnd = true;
            return m_text.size() != before;
        }
    }
    return true;
}

bool CsvRecordReader::Next(Record& record)
{
    for (;;) {
        const qsizetype start = m_pos;
        const int startLine = m_line;
        const bool found = NextHeld(record);
        // A record that reaches the end of the text held may go on in the
        // next piece (a CR may be followed by its LF): read it again with more.
        if (m_atEnd || (found && m_pos + 1 < m_text.size()))
            return found;
        if (m_text.size() - start > kMaxRecordChars) {
            m_fatal = Texts::tr("line %1: a record runs past %n character(s); a quote is probably not closed",
                                nullptr, int(kMaxRecordChars))
                          .arg(startLine);
            m_atEnd = true;
            m_pos = m_text.size();
            return false;
        }
        m_pos = start;
        m_line = startLine;
        if (!ReadMore(start) && m_pos >= m_text.size())
            return false;
    }
}

bool CsvRecordReader::AtLineEnd(qsizetype i) const
{
    return m_text.at(i) == QLatin1Char('\n') || m_text.at(i) == QLatin1Char('\r');
}

void CsvRecordReader::SkipLineEnd()
{
    if (m_text.at(m_pos) == QLatin1Char('\r') && m_pos + 1 < m_text.size() &&
        m_text.at(m_pos + 1) == QLatin1Char('\n'))
        ++m_pos;
    ++m_pos;
    ++m_line;
}

void CsvRecordReader::ReadQuoted(Record& record, QString& field)
{
    const qsizetype n = m_text.size();
    ++m_pos;
    while (m_pos < n) {
        const QChar c = m_text.at(m_pos);
        if (c == QLatin1Char('"')) {
            if (m_pos + 1 < n && m_text.at(m_pos + 1) == QLatin1Char('"')) {
                field += c;
                m_pos += 2;
                continue;
            }
            ++m_pos;
            // After the closing quote only a separator or the line end may follow.
            if (m_pos < n && m_text.at(m_pos) != m_separator && !AtLineEnd(m_pos) && record.error.isEmpty())
                record.error = Texts::tr("text follows a closing quote");
            while (m_pos < n && m_text.at(m_pos) != m_separator && !AtLineEnd(m_pos))
                ++m_pos;
            return;
        }
        // A line break kept in the field still counts as a line of the file.
        if (c == QLatin1Char('\n') ||
            (c == QLatin1Char('\r') && (m_pos + 1 >= n || m_text.at(m_pos + 1) != QLatin1Char('\n'))))
            ++m_line;
        field += c;
        ++m_pos;
    }
    record.error = Texts::tr("a quoted field is not closed before the end of the file");
}

void CsvRecordReader::ReadPlain(Record& record, QString& field)
{
    const qsizetype n = m_text.size();
    const qsizetype start = m_pos;
    while (m_pos < n && m_text.at(m_pos) != m_separator && !AtLineEnd(m_pos)) {
        if (m_text.at(m_pos) == QLatin1Char('"') && record.error.isEmpty())
            record.error = Texts::tr("a quote inside a field that does not start with one");
        ++m_pos;
    }
    field = m_text.mid(start, m_pos - start);
}

bool CsvRecordReader::NextHeld(Record& record)
{
    const qsizetype n = m_text.size();
    while (m_pos < n) {
        record.lineNumber = m_line;
        record.fields.clear();
        record.error.clear();
        for (;;) {
            QString field;
            if (m_pos < n && m_text.at(m_pos) == QLatin1Char('"'))
                ReadQuoted(record, field);
            else
                ReadPlain(record, field);
            record.fields << field;
            if (m_pos >= n)
                break;
            if (m_text.at(m_pos) == m_separator) {
                ++m_pos;
                continue;
            }
            SkipLineEnd();
            break;
        }
        // A blank line is no record.
        if (record.fields.size() == 1 && record.fields.first().isEmpty() && record.error.isEmpty())
            continue;
        return true;
    }
    return false;
}
