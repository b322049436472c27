#include "ui/ExportCommands.h"

#include "export/CPdfExport.h"
#include "export/CSpreadsheetExport.h"
#include "export/CWordExport.h"
#include "export/widgets/CPrintDuesDlg.h"
#include "export/widgets/HtmlExportCommand.h"
#include "platform/ShellOpen.h"
#include "ui/Prompt.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace ExportCommands {

namespace {

class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

void ExportPdf(QWidget* parent, ExportRequest request)
{
    if (request.dues.isEmpty())
        return; // nothing listed: no dialog, no file
    QString path = Prompt::SaveFileName(parent, QStringLiteral("Export to PDF"), QString(),
                                        QStringLiteral("PDF Files (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) && !QFileInfo(path).fileName().contains(QLatin1Char('.')))
        path += QStringLiteral(".pdf");
    request.outputPath = path;
    QString error;
    bool ok;
    {
        WaitCursor wait;
        ok = ExportPdfFile(request, &error);
    }
    if (!ok) {
        Prompt::Message(parent, error, QMessageBox::Critical);
        return;
    }
    if (!ShellOpen(path))
        Prompt::Message(parent, QStringLiteral("The PDF file was saved as %1, but no program could open it.")
                                    .arg(QDir::toNativeSeparators(path)),
                        QMessageBox::Information);
}

// The office exports save into a temporary folder and open the result; a
// message means something went wrong, an empty one that nothing could start.
void ExportOffice(QWidget* parent, Kind kind, const ExportRequest& request)
{
    QString error;
    bool ok;
    {
        WaitCursor wait;
        ok = kind == Kind::Spreadsheet ? ShowSpreadsheetExport(request, &error) : ShowWordExport(request, &error);
    }
    if (!ok && !error.isEmpty())
        Prompt::Message(parent, error, QMessageBox::Critical);
}

} // namespace

bool IsAvailable(Kind kind)
{
    switch (kind) {
    case Kind::Pdf:
    case Kind::Html:
    case Kind::Spreadsheet:
    case Kind::Word:
        return true;
    }
    return false;
}

void Export(QWidget* parent, Kind kind, const ExportRequest& request)
{
    switch (kind) {
    case Kind::Pdf:
        ExportPdf(parent, request);
        break;
    case Kind::Html:
        RunHtmlExport(parent, request);
        break;
    case Kind::Spreadsheet:
    case Kind::Word:
        ExportOffice(parent, kind, request);
        break;
    }
}

bool IsPrintAvailable()
{
    return true;
}

void Print(QWidget* parent)
{
    RunPrintDialog(parent);
}

} // namespace ExportCommands
