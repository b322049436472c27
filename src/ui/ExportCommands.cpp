#include "ui/ExportCommands.h"

// Each export enables itself here as it is wired in.
namespace ExportCommands {

bool IsAvailable(Kind)
{
    return false;
}

void Export(QWidget*, Kind, const ExportRequest&) {}

bool IsPrintAvailable()
{
    return false;
}

void Print(QWidget*) {}

} // namespace ExportCommands
