#include "app/CommandLine.h"
#include "app/RegisterExports.h"
#include "export/CSpreadsheetExport.h"
#include "export/CWordExport.h"

// Apart from RegisterExports.cpp: whatever links this file links the zip and
// XML libraries.
void RegisterOfficeExports()
{
    auto& exports = CommandLine::Exports();
    exports.insert(QStringLiteral("xlsx"), &ExportSpreadsheetFile);
    exports.insert(QStringLiteral("docx"), &ExportWordFile);
}
