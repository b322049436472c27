#pragma once

#include <QByteArray>

// What each fuzz target does with one input. The fuzz programs call these
// from LLVMFuzzerTestOneInput; the test suite runs the inputs that once made
// them fail (tests/data/fuzz/<target>/) through the same calls.
namespace FuzzTargets {

// The due-file reader: parse, and what parses must serialize and parse back
// to the same record.
void DueFile(const QByteArray& input);
// The date, time and currency pictures. The first byte picks the locale and
// the call, the next eight are the date, the rest is the picture or the value.
void LocaleFormat(const QByteArray& input);
// The HTML export and print page fillings with the input as the template.
void HtmlTemplate(const QByteArray& input);
// The spreadsheet template reader: the input as the template package, then
// a cell text, a fill and a note written into it and the package made again.
void XlsxTemplate(const QByteArray& input);

} // namespace FuzzTargets
