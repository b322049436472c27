#pragma once

#include "export/ExportRequest.h"

#include <QLocale>
#include <QString>

class CPdfWriter;

// The PDF export of the month list: a cover page with "Due Date(s)" and the
// shown month, then one page (more for long texts) per listed due with its
// title, "Record i of n", rules and the wrapped details.
//
// Dates and amounts are written in the conventions of the request's locale.

// Writes request.outputPath. Opens nothing: the caller decides whether to show
// the file. An empty list gives the cover page alone. On failure (a font could
// not be embedded, or the file could not be written) nothing is written and
// errorText gets one line naming the path and the reason. Characters no
// installed font has are shown as a replacement mark, and request.warn is
// told once, naming the file, the characters and the fonts to install.
[[nodiscard]] bool ExportPdfFile(const ExportRequest& request, QString* errorText);

// Lays the whole export out into writer (which must be new).
void BuildPdfExport(CPdfWriter& writer, const ExportRequest& request);
void BuildPdfExport(CPdfWriter& writer, const ExportRequest& request, const QLocale& locale);

// The details text of one due, CR LF between lines, notes last when asked for.
QString PdfDueBody(const DueRecord& due, bool withNotes, const QLocale& locale = QLocale());
