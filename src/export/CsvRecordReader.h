#pragma once

#include <QString>
#include <QStringList>

// Reads the records of CSV text one at a time, with the separator given:
// fields in double quotes may hold separators, quotes (doubled) and line
// breaks; outside quotes CR LF, LF and a lone CR each end a record. A record
// that breaks the quoting rules carries the reason and is read up to its end,
// so the next record starts where it should.
class CsvRecordReader
{
public:
    struct Record
    {
        int lineNumber = 0; // where the record starts, from 1
        QStringList fields;
        QString error;
    };

    CsvRecordReader(const QString& text, QChar separator);

    // The next record, skipping blank lines; false at the end of the text.
    bool Next(Record& record);

private:
    bool AtLineEnd(qsizetype i) const;
    void SkipLineEnd();
    void ReadQuoted(Record& record, QString& field);
    void ReadPlain(Record& record, QString& field);

    const QString& m_text;
    QChar m_separator;
    qsizetype m_pos = 0;
    int m_line = 1;
};
