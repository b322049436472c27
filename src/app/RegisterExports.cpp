#include "app/RegisterExports.h"

#include "app/CommandLine.h"
#include "app/InstallLayout.h"
#include "export/CHtmlExport.h"
#include "export/CPdfExport.h"

namespace {
const char* const kOfficeFormats[] = {"xlsx", "docx"};
}

void RegisterExports()
{
    auto& exports = CommandLine::Exports();
    exports.insert(QStringLiteral("html"), &ExportHtmlFile);
    exports.insert(QStringLiteral("pdf"), &ExportPdfFile);
}

void HandOverOfficeExports()
{
    for (const char* format : kOfficeFormats)
        CommandLine::ExportsElsewhere().insert(QString::fromLatin1(format),
                                               QStringLiteral(TALLYVANE_OFFICE_PROGRAM));
}
