#pragma once

#include "export/ExportRequest.h"

#include <QLocale>
#include <QString>

class CPdfWriter;

// The PDF export of the month list: a cover page with "Due Date(s)" and the
// shown month, then one page (more for long texts) per listed due with its
// title, "Record i of n", rules and the wrapped details.

// Writes request.outputPath. Opens nothing: the caller decides whether to show
// the file. On failure (nothing listed, or the file could not be written) no
// file is written and errorText gets one line naming the path and the reason.
[[nodiscard]] bool ExportPdfFile(const ExportRequest& request, QString* errorText);

// Lays the whole export out into writer (which must be new).
void BuildPdfExport(CPdfWriter& writer, const ExportRequest& request);

// The details text of one due, CR LF between lines, notes last when asked for.
QString PdfDueBody(const DueRecord& due, bool withNotes, const QLocale& locale = QLocale());
