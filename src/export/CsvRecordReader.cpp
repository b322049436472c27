#include "export/CsvRecordReader.h"

#include <QCoreApplication>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DueCsv)
};
} // namespace

CsvRecordReader::CsvRecordReader(const QString& text, QChar separator) : m_text(text), m_separator(separator)
{
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

bool CsvRecordReader::Next(Record& record)
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
