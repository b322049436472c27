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
    bool tray = false; // --tray: start hidden in the notification area (shown where there is none)
};

// Parses the arguments of a window start (without the program name). False
// with a reason for arguments it does not know.
bool ParseArguments(const QStringList& args, Options& options, QString* error);

// Runs the "Working Directory" dialog with an empty path; false when it was
// cancelled (the store's folder is then empty). On OK hands the folder to the
// store and creates the data folder.
bool ChooseWorkingDirectory();

// The start-up sequence up to a shown main window; null when the program
// should end (no working directory).
std::unique_ptr<CMainFrame> InitInstance(const Options& options);

// Installs the desktop handlers (opening files), the application's icon and
// look; once per process.
void InitDesktop();

// The whole window start: returns the exit status.
int Run(const QStringList& args);

} // namespace GuiStartup
