#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Reads the records of CSV text one at a time, with the separator given:
// fields in double quotes may hold separators, quotes (doubled) and line
// breaks; outside quotes CR LF, LF and a lone CR each end a record. A record
// that breaks the quoting rules carries the reason and is read up to its end,
// so the next record starts where it should.
//
// The text may come in pieces (a file read a piece at a time): only the
// record being read and the piece it is in are held.
class CsvRecordReader
{
public:
    struct Record
    {
        int lineNumber = 0; // where the record starts, from 1
        QStringList fields;
        QString error;
    };

    // Appends the next piece of the text; false when there is no more.
    using Source = std::function<bool(QString& text)>;

    // A record may not run longer than this: a quote never closed would
    // otherwise take the rest of a large file into one field.
    static constexpr qsizetype kMaxRecordChars = 8 * 1024 * 1024;

    CsvRecordReader(const QString& text, QChar separator);
    CsvRecordReader(Source source, QChar separator);

    // The next record, skipping blank lines; false at the end of the text,
    // or when a record runs past kMaxRecordChars (Fatal then says where).
    bool Next(Record& record);
    // Why reading stopped before the end of the text; empty when it did not.
    const QString& Fatal() const { return m_fatal; }

private:
    // Next within the text held; false when it ran out.
    bool NextHeld(Record& record);
    // Drops what was read before keep and appends more text; false at the end.
    bool ReadMore(qsizetype keep);
    bool AtLineEnd(qsizetype i) const;
    void SkipLineEnd();
    void ReadQuoted(Record& record, QString& field);
    void ReadPlain(Record& record, QString& field);

    QString m_text;
    Source m_source;
    bool m_atEnd = false;
    QString m_fatal;
    QChar m_separator;
    qsizetype m_pos = 0;
    int m_line = 1;
};
