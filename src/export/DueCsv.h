#pragma once

#include "export/ExportRequest.h"
#include "model/store/DueRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class CDueStore;

// Dues as comma-separated values (RFC 4180): UTF-8, CR LF line ends, a header
// row, dates in ISO 8601 (yyyy-MM-ddTHH:mm:ss), amounts as plain numbers with
// a dot, type and paid state as words. Fields are quoted when they hold a
// comma, a quote, a line break or blanks at either end, so notes come back
// exactly as they went out.
namespace DueCsv {

// The header names, in the order the export writes them.
const QStringList& Columns();

// The file's bytes for these dues; without notes the Notes column is left out.
QByteArray Write(const QList<DueRecord>& dues, bool withNotes = true);

// Writes request.dues to request.outputPath: the CSV export of the menu and
// of the command line. False with a one-line reason when it cannot be written.
[[nodiscard]] bool ExportFile(const ExportRequest& request, QString* errorText);

struct Line
{
    int lineNumber = 0; // where the record starts in the file, from 1
    DueRecord due;      // no record identifier: the store gives one
};

struct Rejected
{
    int lineNumber = 0;
    QString reason;
};

// What reading a file gives: the dues it would add and the lines it refuses.
// ok is false (with error) when the file as a whole cannot be used: it cannot
// be read, is not UTF-8, or its header lacks a required column.
struct Reading
{
    bool ok = false;
    QString error;
    QList<Line> lines;
    QList<Rejected> rejected;
};

// Header names are matched without regard to case; Title, Due Date and Amount
// are required, the other columns may be missing (Start Date then follows the
// due date, Type is Business, the due is unpaid). Unknown columns are ignored,
// and so is Record ID: imported dues get new identifiers.
Reading Read(const QByteArray& bytes);
Reading ReadFile(const QString& path);

// Adds the read dues to the store, each written to its file at once. Returns
// the new identifiers; what the store could not write is in its errors.
QStringList AddAll(const Reading& reading, CDueStore& store);

} // namespace DueCsv
