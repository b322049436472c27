#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

// Start-up of the applet: "/s" makes Pivex the current input method without
// a window (the Startup folder's shortcut runs it so at every boot); --help
// and --version print and exit; any other command line shows the settings
// dialog, as it always has on the handheld.
class CSettingsApp
{
    Q_DECLARE_TR_FUNCTIONS(CSettingsApp)

public:
    static int Run(int argc, char** argv);

    // The command line as the handheld passes it: the arguments after the
    // program, joined by single blanks.
    static QString CommandLine(const QStringList& arguments);
    static bool IsSilentCommandLine(const QString& commandLine);
    // What --help or --version print, when the arguments (program name
    // first) ask for one of them; nothing otherwise.
    static std::optional<QString> InfoText(const QStringList& arguments);

    // Switches the panel to Pivex; if that does not take, the input method
    // that was current before is set again, and error says why it failed.
    // The silent start reports that on stderr and exits with 1.
    static bool MakeDefaultInputMethod(QString* error = nullptr);
};
