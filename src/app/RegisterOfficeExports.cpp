#include "app/CommandLine.h"
#include "app/RegisterExports.h"
#include "export/CSpreadsheetExport.h"
#include "export/CWordExport.h"
#include "export/IcsExport.h"

// Apart from RegisterExports.cpp: whatever links this file links the zip,
// XML and calendar libraries.
void RegisterOfficeExports()
{
    auto& exports = CommandLine::Exports();
    exports.insert(QStringLiteral("xlsx"), &ExportSpreadsheetFile);
    exports.insert(QStringLiteral("docx"), &ExportWordFile);
    exports.insert(QStringLiteral("ics"), &IcsExport::ExportFile);
}
