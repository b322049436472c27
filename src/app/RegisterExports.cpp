#include "app/RegisterExports.h"

#include "app/CommandLine.h"
#include "export/CHtmlExport.h"
#include "export/CPdfExport.h"
#include "export/CSpreadsheetExport.h"
#include "export/CWordExport.h"
#include "export/DueCsv.h"
#include "export/IcsExport.h"

void RegisterExports()
{
    auto& exports = CommandLine::Exports();
    exports.insert(QStringLiteral("html"), &ExportHtmlFile);
    exports.insert(QStringLiteral("pdf"), &ExportPdfFile);
    exports.insert(QStringLiteral("xlsx"), &ExportSpreadsheetFile);
    exports.insert(QStringLiteral("docx"), &ExportWordFile);
    exports.insert(QStringLiteral("csv"), &DueCsv::ExportFile);
    exports.insert(QStringLiteral("ics"), &IcsExport::ExportFile);
}
