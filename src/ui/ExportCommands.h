#pragma once

#include "export/ExportRequest.h"

class QWidget;

// The export and print commands of the main window. The frame builds the
// request from the listed dues and the shown month; these run the dialogs,
// write the files and open them.
namespace ExportCommands {

enum class Kind { Html, Pdf, Spreadsheet, Word };

// False while a kind is not available (its menu items stay disabled).
bool IsAvailable(Kind kind);
void Export(QWidget* parent, Kind kind, const ExportRequest& request);

bool IsPrintAvailable();
// The print dialog for a range of months, then the print preview.
void Print(QWidget* parent);

} // namespace ExportCommands
