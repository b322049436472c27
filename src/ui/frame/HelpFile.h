#pragma once

#include <QString>

// The program's help: an HTML page in the installed data folder (beside the
// executable in a build tree), opened with the desktop's browser.
namespace HelpFile {

inline constexpr const char* kFileName = "tlvhelp.html";

// Uses the installed page when it is the program's own; otherwise writes the
// page beside the program when it is missing or out of date, falling back to
// the user's cache folder where that folder is read-only.
// Returns the path of the page, or an empty string when it could not be written.
QString EnsureHelpFile();

// Opens the help page (the Help command and the working directory dialog's Help).
void OpenHelp();

} // namespace HelpFile
