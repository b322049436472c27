#include "export/widgets/HtmlExportCommand.h"

#include "export/CHtmlExport.h"
#include "model/CDueStore.h"
#include "model/OutputPath.h"
#include "platform/ShellOpen.h"
#include "ui/Prompt.h"

#include <QApplication>
#include <QFileInfo>

namespace {
QString AskOutputPath(QWidget* parent)
{
    QString path = Prompt::SaveFileName(parent, QStringLiteral("Export to HTML"), QString(),
                                        QStringLiteral("HTML Files (*.html)"));
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    // The default extension; the dialog only asked about the name as typed.
    path += QStringLiteral(".html");
    if (QFileInfo::exists(path) &&
        Prompt::Question(parent, QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(path),
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                         QStringLiteral("Export to HTML")) != QMessageBox::Yes)
        return {};
    return path;
}
} // namespace

void RunHtmlExport(QWidget* parent, const ExportRequest& request)
{
    if (request.dues.isEmpty())
        return;
    ExportRequest target = request;
    target.outputPath = AskOutputPath(parent);
    if (target.outputPath.isEmpty())
        return;
    const QString refusal = OutputPath::Refusal(target.outputPath, theDueStore.Folder());
    if (!refusal.isEmpty()) {
        Prompt::Message(parent, refusal, QMessageBox::Warning, QStringLiteral("Export to HTML"));
        return;
    }

    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString why;
    const bool written = ExportHtmlFile(target, &why);
    QApplication::restoreOverrideCursor();

    if (!written) {
        Prompt::Message(parent, why, QMessageBox::Warning, QStringLiteral("Export to HTML"));
        return;
    }
    if (!ShellOpen(target.outputPath))
        Prompt::Message(parent,
                        QStringLiteral("The dues were exported to %1, but no program could open the file.")
                            .arg(target.outputPath),
                        QMessageBox::Information, QStringLiteral("Export to HTML"));
}
