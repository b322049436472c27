#pragma once

#include "export/CsvValueReader.h"
#include "export/ExportRequest.h"
#include "model/store/DueRecord.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class CDueStore;

// Dues as comma-separated values (RFC 4180): UTF-8, CR LF line ends, a header
// row of fixed English names, dates in ISO 8601 (yyyy-MM-ddTHH:mm:ss),
// amounts as the shortest plain number with a dot that reads back the same,
// type and paid state as fixed English words. Fields are quoted when they
// hold a comma, a quote, a line break or blanks at either end, so notes come
// back exactly as they went out.
namespace DueCsv {

// The columns the program knows, in the order the export writes them.
enum Column
{
    RecordId,
    Title,
    StartDate,
    DueDate,
    PayTo,
    Account,
    Amount,
    Type,
    Paid,
    Notes,
    SeriesId,
    ColumnCount
};

// The header names, in the order the export writes them.
const QStringList& Columns();
// A column's name in the running program's language, as a header may hold it.
QString ColumnName(int column);

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

enum class Encoding
{
    Utf8,
    Utf8WithBom,
    Utf16WithBom,
    Windows1252 // what a file that is not UTF-8 is taken as
};

// How to read a file; what is left unset is found from the file itself.
struct Options
{
    QChar separator;    // ',', ';' or '\t'; null: the one that splits the header into known columns
    QList<int> columns; // the Column each column of the file is taken as, -1 for none; empty: by the header
    QChar decimalSign;  // for amounts that could be read either way ("1,234"); null: from the file
    std::optional<CsvValueReader::DateOrder> dateOrder; // for "03/04/2025"; nothing: from the file
    QLocale locale; // the user's: currency signs, month names, and what the file leaves open
};

// What reading a file gives: how it was read, the dues it would add and the
// lines it refuses. ok is false (with error) when the file as a whole cannot
// be used: it cannot be read, no column was taken as Title, Due Date or
// Amount, or a record runs on without end. Once the header row is read,
// header and columns say what was found, so that a preview can offer to take
// the columns otherwise.
//
// A file is read as it comes, a piece at a time: lines and rejected hold the
// first of each (all of them when read from bytes), lineCount and
// rejectedCount count all.
struct Reading
{
    bool ok = false;
    QString error;
    Encoding encoding = Encoding::Utf8;
    QChar separator = QLatin1Char(',');
    QStringList header; // the header row's cells as in the file
    QList<int> columns; // the Column each of them was taken as, -1 for none
    QChar decimalSign = QLatin1Char('.');
    CsvValueReader::DateOrder dateOrder = CsvValueReader::DateOrder::YearMonthDay;
    QList<Line> lines;
    QList<Rejected> rejected;
    qint64 lineCount = 0;     // the dues the file would add
    qint64 rejectedCount = 0; // the lines it refuses
    // The file read, as it was then; empty for bytes.
    QString path;
    qint64 size = -1;
    QDateTime modified;
    QLocale locale;
};

// The first this many dues and refused lines of a file are kept in a Reading:
// what a preview shows.
constexpr qsizetype kKeptLines = 1000;

// Header names are matched without regard to case, in English and in every
// language the program ships; Title, Due Date and Amount are required, the
// other columns may be missing (Start Date then follows the due date, Type is
// Business, the due is unpaid). Unknown columns are ignored, and so is Record
// ID: imported dues get new identifiers.
Reading Read(const QByteArray& bytes, const Options& options = {});
Reading ReadFile(const QString& path, const Options& options = {}, qsizetype keep = kKeptLines);

// Goes through the dues and refused lines of a reading once more, in the
// order of the file: from the file itself when the reading did not keep them
// all. False (with the reason, naming the file) when the file cannot be read
// again or changed since it was read; nothing was handed on then.
[[nodiscard]] bool ForEach(const Reading& reading, const std::function<void(const Line&)>& line,
                           const std::function<void(const Rejected&)>& rejected, QString* error);

// Adds the read dues to the store as one change, whole or not at all. Returns
// how many landed; ids (when given) gets their identifiers. What the store
// could not write is in its errors; a file that changed since it was read
// adds nothing and gives error.
qsizetype AddAll(const Reading& reading, CDueStore& store, QStringList* ids = nullptr,
                 const std::function<void(const Rejected&)>& rejected = {}, QString* error = nullptr);

// The same without keeping the dues in the store's memory (CDueStore::BulkAdd):
// the command line's import, of any size. Returns how many landed.
qint64 ImportAll(const Reading& reading, CDueStore& store,
                 const std::function<void(const Rejected&)>& rejected, QString* error);

} // namespace DueCsv
