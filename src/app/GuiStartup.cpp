#include "app/GuiStartup.h"

#include "app/CommandLine.h"
#include "app/SingleWindow.h"
#include "model/base/MessageTexts.h"
#include "model/store/CDueStore.h"
#include "model/store/DueFolderReader.h"
#include "platform/ShellOpen.h"
#include "platform/TemporaryDocument.h"
#include "ui/dialogs/CWorkDirDlg.h"
#include "ui/dialogs/Prompt.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/FrameSettings.h"
#include "ui/images/DrawnImages.h"
#include "ui/list/CTallyvaneView.h"
#include "ui/list/DueRowDelegate.h"
#include "ui/reminders/CTrayIcon.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QTimer>
#include <QUrl>

#include <fontconfig/fontconfig.h>

#include <future>
#include <thread>

namespace GuiStartup {

namespace {
// The file's texts, translated under one context (declared so that lupdate finds them).
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(GuiStartup)
};
// The warm-up's thread: the fonts, the list's width, then the window's first
// images. The font configuration is process-wide and Qt's font database takes
// a lock of its own, so the window's first text simply waits for what the
// thread has not finished yet, and nothing is read twice; an image not painted
// ahead in time is painted where it is needed.
class WarmUp
{
public:
    void Begin()
    {
        if (m_thread.joinable())
            return;
        m_thread = std::thread([ready = m_ready.get_future()]() mutable {
            FcInit();
            if (ready.get()) {
                (void)QFontDatabase::families();
                // The list's width is asked for while the window is built,
                // the images only when it is first painted.
                (void)DueRowDelegate::MinimumWidth(QApplication::font(), QLocale());
                DrawnImages::PaintBitmapsAhead({164}); // the tool bar's banner
                DrawnImages::PaintAhead(CMainFrame::ImagesShownFirst());
            }
        });
    }

    // The application exists: the thread may fill Qt's font database, and
    // the session bus is connected to on a thread of its own. The window's
    // first line edit starts the accessibility bridge, which waits for that
    // connection; begun here, the connection is (nearly) there by then. (A
    // window program asked the bus already, in HandOverToRunningWindow.)
    void ApplicationReady()
    {
        if (m_thread.joinable() && !m_bus.joinable())
            m_bus = std::thread([] { (void)QDBusConnection::sessionBus(); });
        Release(true);
    }

    void End()
    {
        Release(false);
        if (m_thread.joinable())
            m_thread.join();
        if (m_bus.joinable())
            m_bus.join();
    }

    ~WarmUp() { End(); }

private:
    void Release(bool ready)
    {
        if (!m_released && m_thread.joinable()) {
            m_released = true;
            m_ready.set_value(ready);
        }
    }

    std::thread m_thread;
    std::thread m_bus;
    std::promise<bool> m_ready;
    bool m_released = false;
};

WarmUp& TheWarmUp()
{
    static WarmUp warmUp;
    return warmUp;
}

// The first start's name on the session bus, from the claim to the window's end.
std::unique_ptr<SingleWindow>& TheSingleWindow()
{
    static std::unique_ptr<SingleWindow> single;
    return single;
}
} // namespace

void BeginWarmUp()
{
    TheWarmUp().Begin();
}

bool ParseArguments(const QStringList& args, Options& options, QString* error)
{
    QCommandLineParser parser;
    parser.addOptions(CommandLine::WindowOptions());
    if (!CommandLine::Parse(parser, args, error))
        return false;
    if (!parser.positionalArguments().isEmpty()) {
        *error = Texts::tr("unknown argument: %1").arg(parser.positionalArguments().constFirst());
        return false;
    }
    if (parser.isSet(QStringLiteral("workdir"))) {
        const QString given = parser.value(QStringLiteral("workdir"));
        const QFileInfo dir(given);
        if (!dir.isDir()) {
            *error = Texts::tr("working directory not found: %1").arg(given);
            return false;
        }
        options.fixedWorkDir = true;
        options.workDir = CommandLine::WorkDirForArgument(dir.absoluteFilePath());
    }
    options.tray = parser.isSet(QStringLiteral("tray"));
    return true;
}

bool ChooseWorkingDirectory()
{
    CWorkDirDlg dlg(nullptr, CWorkDirDlg::SuggestedPath());
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

    // The window writes the folder: its commits take the folder's writers'
    // lock for as long as they rename, and its loads finish what writers
    // that are gone left behind. Other writers (commands, a second user, a
    // sync tool) may write meanwhile; the folder watcher shows their changes.
    theDueStore.SetFolder(theDueStore.Folder(), true);
    CommandLine::VaryIdentifiersByInstallation();
    (void)theDueStore.Folder().Create(); // a failure shows later, when a due cannot be written
    auto frame = std::make_unique<CMainFrame>();
    // The window is placed before it is shown, also when it starts in the
    // tray: Open shows it as it was left.
    if (!FrameSettings::Restore(*frame))
        FrameSettings::PlaceAsNew(*frame);
    CMainFrame* window = frame.get();
    if (options.tray) {
        // Started with the session: only the tray icon shows until it is
        // clicked. The panel may come up a little after the program; without
        // a tray by then the window shows, so that it can be reached at all.
        window->Tray()->Install();
        QTimer::singleShot(kTrayWaitMs, window, [window] {
            if (!window->Tray()->Available() && window->isHidden())
                window->ShowAsPlaced();
        });
    } else {
        window->ShowAsPlaced();
    }
    // The window first, then the dues: a large folder is read while the
    // window is up, and the files the load skipped are named once it is in.
    frame->LoadInBackground();
    frame->View()->setFocus(Qt::ActiveWindowFocusReason);
    return frame;
}

void InitDesktop()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    TheWarmUp().ApplicationReady();
    SetShellOpenHandler(
        [](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); });
    QApplication::setWindowIcon(DrawnImages::AppIcon());
}

bool HandOverToRunningWindow(const Options& options)
{
    auto single = std::make_unique<SingleWindow>(QDBusConnection::sessionBus());
    if (single->Claim(options.fixedWorkDir ? options.workDir : QString(), options.tray,
                      options.activationToken) == SingleWindow::Outcome::HandedOver) {
        TheWarmUp().End(); // released unused: the thread only finishes reading the font configuration
        return true;
    }
    TheSingleWindow() = std::move(single);
    return false;
}

int Run(const Options& options)
{
    InitDesktop();
    std::unique_ptr<CMainFrame> frame = InitInstance(options);
    if (!frame) {
        TheSingleWindow().reset();
        TheWarmUp().End();
        return 0;
    }
    if (TheSingleWindow())
        TheSingleWindow()->Serve(frame.get());
    const int status = QApplication::exec();
    TheSingleWindow().reset(); // a start from now on opens a window of its own
    TheWarmUp().End();         // long done: the thread is only waited for while the application is there
    // The working directory is kept for the next start (not when it was given,
    // nor a folder a later start switched the window to).
    if (!options.fixedWorkDir && !frame->IsOneOffFolder())
        WriteStoredWorkingDirectory(theDueStore.Folder().WorkDir());
    return status;
}

} // namespace GuiStartup
