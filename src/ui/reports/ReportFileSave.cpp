#include "ui/reports/ReportFileSave.h"

#include "model/store/CDueStore.h"
#include "model/store/ExportFile.h"
#include "model/store/OutputPath.h"
#include "ui/dialogs/Prompt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ReportFileSave {

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ReportFileSave)
};

} // namespace

QString SuggestedName(const QString& title, const QString& suffix)
{
    QString name;
    for (const QChar c : title)
        name += c.isLetterOrNumber() || c == QLatin1Char('-') ? c : QLatin1Char(' ');
    name = name.simplified();
    if (name.isEmpty())
        name = QStringLiteral("report");
    return QDir::home().filePath(name + suffix);
}

bool Save(QWidget* parent, const QString& caption, const QString& suggestedName, const QString& filter,
          const QString& suffix, const std::function<QByteArray()>& bytes)
{
    QString path = Prompt::SaveFileName(parent, caption, suggestedName, filter);
    if (path.isEmpty())
        return false;
    if (!QFileInfo(path).fileName().contains(QLatin1Char('.')))
        path += suffix;
    const QString refusal = OutputPath::Refusal(path, theDueStore.Folder());
    if (!refusal.isEmpty()) {
        Prompt::Message(parent, refusal, QMessageBox::Warning);
        return false;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QByteArray data = bytes();
    QString why;
    const bool saved = !data.isEmpty() && SaveExportFile(path, data, &why);
    QApplication::restoreOverrideCursor();
    if (!saved) {
        if (why.isEmpty())
            why = Texts::tr("nothing could be drawn");
        Prompt::Message(parent,
                        Texts::tr("Could not write the file %1: %2").arg(QDir::toNativeSeparators(path), why),
                        QMessageBox::Critical);
    }
    return saved;
}

} // namespace ReportFileSave
