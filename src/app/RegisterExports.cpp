#include "app/RegisterExports.h"

#include "app/CommandLine.h"
#include "export/CHtmlExport.h"
#include "export/CPdfExport.h"

void RegisterExports()
{
    auto& exports = CommandLine::Exports();
    exports.insert(QStringLiteral("html"), &ExportHtmlFile);
    exports.insert(QStringLiteral("pdf"), &ExportPdfFile);
}
