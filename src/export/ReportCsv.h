#pragma once

#include "model/services/Reports.h"

#include <QByteArray>
#include <QString>

// The numbers of a report as comma-separated values, for a spreadsheet: RFC
// 4180, UTF-8, CR LF line ends, a header row of fixed English names, months
// as yyyy-MM, amounts as plain numbers with a dot and two decimals. Every
// group of the report has its row, also those a chart folds into "Other";
// a report by series leaves out the dues that belong to none.
namespace ReportCsv {

// The file's bytes for one report.
QByteArray Write(const Report& report);

// A text cell as written: a text that a spreadsheet would take for a formula
// (starting with =, +, -, @, a tab or a carriage return) gets a leading
// apostrophe, then the cell is quoted when it holds a comma, a quote, a line
// break or blanks at either end.
QString TextCell(const QString& text);

} // namespace ReportCsv
