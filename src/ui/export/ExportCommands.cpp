#include "ui/export/ExportCommands.h"

#include "export/CPdfExport.h"
#include "export/CSpreadsheetExport.h"
#include "export/CWordExport.h"
#include "export/DueCsv.h"
#include "export/IcsExport.h"
#include "model/store/CDueStore.h"
#include "model/store/OutputPath.h"
#include "platform/ShellOpen.h"
#include "ui/dialogs/Prompt.h"
#include "ui/export/HtmlExportCommand.h"
#include "ui/frame/CommandIds.h"
#include "ui/print/CPrintDuesDlg.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ExportCommands {

namespace {

// The file's texts, translated under one context (declared so that lupdate finds them).
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ExportCommands)
};

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
    QString path =
        Prompt::SaveFileName(parent, Texts::tr("Export to PDF"), QString(), Texts::tr("PDF Files (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) &&
        !QFileInfo(path).fileName().contains(QLatin1Char('.')))
        path += QStringLiteral(".pdf");
    const QString refusal = OutputPath::Refusal(path, theDueStore.Folder());
    if (!refusal.isEmpty()) {
        Prompt::Message(parent, refusal, QMessageBox::Warning);
        return;
    }
    request.outputPath = path;
    QString warning;
    request.warn = [&warning](const QString& text) { warning = text; };
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
    // Written, but not all of it as typed: said before the file opens.
    if (!warning.isEmpty())
        Prompt::Message(parent, warning, QMessageBox::Warning);
    if (!ShellOpen(path))
        Prompt::Message(parent,
                        Texts::tr("The PDF file was saved as %1, but no program could open it.")
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
        ok = kind == Kind::Spreadsheet ? ShowSpreadsheetExport(request, &error)
                                       : ShowWordExport(request, &error);
    }
    if (!ok && !error.isEmpty())
        Prompt::Message(parent, error, QMessageBox::Critical);
}

// The data exports save where the user says and leave opening to the user:
// a calendar or a spreadsheet program takes the file from there.
void ExportDataFile(QWidget* parent, Kind kind, ExportRequest request)
{
    const bool ics = kind == Kind::ICalendar;
    const QString suffix = ics ? QStringLiteral(".ics") : QStringLiteral(".csv");
    QString path = Prompt::SaveFileName(
        parent, ics ? Texts::tr("Export to iCalendar") : Texts::tr("Export to CSV"), QString(),
        ics ? Texts::tr("iCalendar Files (*.ics)") : Texts::tr("CSV Files (*.csv)"));
    if (path.isEmpty())
        return;
    if (!QFileInfo(path).fileName().contains(QLatin1Char('.')))
        path += suffix;
    request.outputPath = path;
    QString error;
    bool ok;
    {
        WaitCursor wait;
        ok = ics ? IcsExport::ExportFile(request, &error) : DueCsv::ExportFile(request, &error);
    }
    if (!ok)
        Prompt::Message(parent, error, QMessageBox::Critical);
}

} // namespace

const QList<Command>& Commands()
{
    static const QList<Command> commands = {
        {ID_EXCEL_NOTES, Kind::Spreadsheet, true}, {ID_EXCEL_NO_NOTES, Kind::Spreadsheet, false},
        {ID_WORD_NOTES, Kind::Word, true},         {ID_WORD_NO_NOTES, Kind::Word, false},
        {ID_HTML_NOTES, Kind::Html, true},         {ID_HTML_NO_NOTES, Kind::Html, false},
        {ID_PDF_NOTES, Kind::Pdf, true},           {ID_PDF_NO_NOTES, Kind::Pdf, false},
        {ID_ICAL_EXPORT, Kind::ICalendar, true},   {ID_CSV_EXPORT, Kind::Csv, true},
    };
    return commands;
}

const Command* Find(int id)
{
    for (const Command& c : Commands()) {
        if (c.id == id)
            return &c;
    }
    return nullptr;
}

namespace {
void RunExport(QWidget* parent, Kind kind, const ExportRequest& request)
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
    case Kind::ICalendar:
    case Kind::Csv:
        ExportDataFile(parent, kind, request);
        break;
    }
}

Runner& CurrentRunner()
{
    static Runner runner = RunExport;
    return runner;
}
} // namespace

void Export(QWidget* parent, Kind kind, const ExportRequest& request)
{
    CurrentRunner()(parent, kind, request);
}

Runner SetRunner(Runner runner)
{
    Runner previous = std::move(CurrentRunner());
    CurrentRunner() = runner ? std::move(runner) : Runner(RunExport);
    return previous;
}

void Print(QWidget* parent)
{
    RunPrintDialog(parent);
}

} // namespace ExportCommands
