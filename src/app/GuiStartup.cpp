#include "app/GuiStartup.h"

#include "model/CDueStore.h"
#include "model/MessageTexts.h"
#include "platform/ShellOpen.h"
#include "platform/TemporaryDocument.h"
#include "ui/CMainFrame.h"
#include "ui/CTrayIcon.h"
#include "ui/CWorkDirDlg.h"
#include "ui/DrawnImages.h"
#include "ui/Prompt.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QTextStream>
#include <QTimer>
#include <QUrl>

#include <cstdio>

namespace GuiStartup {

bool ParseArguments(const QStringList& args, Options& options, QString* error)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == QLatin1String("--workdir")) {
            if (i + 1 >= args.size()) {
                *error = QStringLiteral("--workdir needs a folder");
                return false;
            }
            const QFileInfo dir(args.at(++i));
            if (!dir.isDir()) {
                *error = QStringLiteral("working directory not found: %1").arg(args.at(i));
                return false;
            }
            options.fixedWorkDir = true;
            options.workDir = QDir::cleanPath(dir.absoluteFilePath());
        } else if (a == QLatin1String("--tray")) {
            options.tray = true;
        } else {
            *error = QStringLiteral("unknown argument: %1").arg(a);
            return false;
        }
    }
    return true;
}

bool ChooseWorkingDirectory()
{
    CWorkDirDlg dlg(nullptr, QString());
    if (dlg.exec() != QDialog::Accepted || dlg.m_strPath.isEmpty()) {
        theDueStore.SetFolder(DataFolder());
        return false;
    }
    theDueStore.SetFolder(DataFolder(dlg.m_strPath));
    (void)theDueStore.Folder().Create(); // a failure shows later, when a due cannot be written
    return true;
}

std::unique_ptr<CMainFrame> InitInstance(const Options& options)
{
    if (options.fixedWorkDir) {
        theDueStore.SetFolder(DataFolder(options.workDir));
    } else {
        const QString stored = ReadStoredWorkingDirectory();
        theDueStore.SetFolder(DataFolder(stored));
        bool ask = stored.isEmpty();
        if (!ask && !QFileInfo::exists(stored)) {
            Prompt::Message(nullptr, LoadResString(MessageId::WorkingDirectoryGone), QMessageBox::Warning);
            ask = true;
        }
        if (ask && !ChooseWorkingDirectory())
            return nullptr;
    }

    theDueStore.LoadAll();

    auto frame = std::make_unique<CMainFrame>();
    // Without a window manager a maximised window keeps its normal size: give
    // it the screen's free area first.
    if (const QScreen* screen = frame->screen())
        frame->setGeometry(screen->availableGeometry());
    if (!options.tray || !frame->Tray()->Available())
        frame->showMaximized();
    // Files the load had to skip are named once the window is up.
    CMainFrame* shown = frame.get();
    QTimer::singleShot(0, shown, [shown] { shown->ReportLoadProblems(); });
    return frame;
}

void InitDesktop()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    SetShellOpenHandler(
        [](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); });
    QApplication::setWindowIcon(DrawnImages::AppIcon());
}

int Run(const QStringList& args)
{
    Options options;
    QString error;
    if (!ParseArguments(args, options, &error)) {
        std::fprintf(stderr, "tallyvane: %s\n", qPrintable(error));
        return 2;
    }
    InitDesktop();
    std::unique_ptr<CMainFrame> frame = InitInstance(options);
    if (!frame)
        return 0;
    const int status = QApplication::exec();
    // The working directory is kept for the next start (not when it was given).
    if (!options.fixedWorkDir)
        WriteStoredWorkingDirectory(theDueStore.Folder().WorkDir());
    return status;
}

} // namespace GuiStartup
