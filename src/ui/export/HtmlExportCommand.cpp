#include "ui/export/HtmlExportCommand.h"

#include "export/CHtmlExport.h"
#include "model/store/CDueStore.h"
#include "model/store/OutputPath.h"
#include "platform/ShellOpen.h"
#include "ui/dialogs/Prompt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>

namespace {
// The file's texts, translated under one context (declared so that lupdate finds them).
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(HtmlExportCommand)
};

QString AskOutputPath(QWidget* parent)
{
    QString path = Prompt::SaveFileName(parent, Texts::tr("Export to HTML"), QString(),
                                        Texts::tr("HTML Files (*.html)"));
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    // The default extension; the dialog only asked about the name as typed.
    path += QStringLiteral(".html");
    if (QFileInfo::exists(path) &&
        Prompt::Question(parent, Texts::tr("%1 already exists.\nDo you want to replace it?").arg(path),
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                         Texts::tr("Export to HTML")) != QMessageBox::Yes)
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
        Prompt::Message(parent, refusal, QMessageBox::Warning, Texts::tr("Export to HTML"));
        return;
    }

    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString why;
    const bool written = ExportHtmlFile(target, &why);
    QApplication::restoreOverrideCursor();

    if (!written) {
        Prompt::Message(parent, why, QMessageBox::Warning, Texts::tr("Export to HTML"));
        return;
    }
    if (!ShellOpen(target.outputPath))
        Prompt::Message(parent,
                        Texts::tr("The dues were exported to %1, but no program could open the file.")
                            .arg(target.outputPath),
                        QMessageBox::Information, Texts::tr("Export to HTML"));
}
