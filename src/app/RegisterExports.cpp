#include "app/RegisterExports.h"

#include "app/CommandLine.h"
#include "app/InstallLayout.h"
#include "export/CHtmlExport.h"
#include "export/CPdfExport.h"
#include "export/DueCsv.h"

namespace {
// Written by the helper that links the zip, XML and calendar libraries.
const char* const kOfficeFormats[] = {"xlsx", "docx", "ics"};
} // namespace

void RegisterExports()
{
    auto& exports = CommandLine::Exports();
    exports.insert(QStringLiteral("html"), &ExportHtmlFile);
    exports.insert(QStringLiteral("pdf"), &ExportPdfFile);
    exports.insert(QStringLiteral("csv"), &DueCsv::ExportFile);
}

void HandOverOfficeExports()
{
    for (const char* format : kOfficeFormats)
        CommandLine::ExportsElsewhere().insert(QString::fromLatin1(format),
                                               QStringLiteral(TALLYVANE_OFFICE_PROGRAM));
}
