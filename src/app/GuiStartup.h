#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class CMainFrame;

// Start-up of the desktop program: the working directory (stored, asked for,
// or given with --workdir), the due store, then the main window.
namespace GuiStartup {

struct Options
{
    bool fixedWorkDir = false; // --workdir DIR: the stored folder is neither read nor written
    QString workDir;
    bool tray = false;       // --tray: start hidden in the notification area (shown where none comes up)
    QString activationToken; // the desktop's permission to take the focus, from the environment
};

// How long a start into the tray waits for the desktop's tray before it
// shows the window instead.
inline constexpr int kTrayWaitMs = 5000;

// Parses the arguments of a window start (without the program name), the
// options of CommandLine::WindowOptions(). False with a one-line reason for
// arguments it does not know and for a folder that is not there.
bool ParseArguments(const QStringList& args, Options& options, QString* error);

// Runs the "Working Directory" dialog on the suggested folder; false when it was
// cancelled (the store's folder is then empty). On OK hands the folder to the
// store and creates the data folder.
bool ChooseWorkingDirectory();

// The start-up sequence up to a shown main window; null when the program
// should end (no working directory, or the data folder in use elsewhere).
std::unique_ptr<CMainFrame> InitInstance(const Options& options);

// Starts reading the system's font configuration on a thread of its own, to
// be called before the QApplication is made. The first text the window lays
// out would otherwise wait for it, about a third of a start; once InitDesktop
// says the application is there, the thread goes on to Qt's font database and
// paints the window's first images ahead (CMainFrame::ImagesShownFirst).
// Ended (waited for) by Run while the application is still there.
void BeginWarmUp();

// Installs the desktop handlers (opening files), the application's icon and
// look; once per process.
void InitDesktop();

// One window per user session, asked before the window is built: true when
// a window of the program already runs in this session and took this start
// over (it comes forward; for another --workdir it asks whether to switch;
// for --tray nothing happens). The start then ends with status 0. False when
// this start opens the window: it is the first, or there is no session bus.
bool HandOverToRunningWindow(const Options& options);

// The whole window start, once the QApplication exists: returns the exit status.
int Run(const Options& options);

} // namespace GuiStartup
