#pragma once

#include <QString>

// The program's help: an HTML page beside the executable, opened with the
// desktop's browser.
namespace HelpFile {

inline constexpr const char* kFileName = "tlvhelp.html";

// Writes the page beside the program when it is missing or out of date; falls
// back to the user's cache folder where the program's folder is read-only.
// Returns the path of the page, or an empty string when it could not be written.
QString EnsureHelpFile();

// Opens the help page (the Help command and the working directory dialog's Help).
void OpenHelp();

} // namespace HelpFile
