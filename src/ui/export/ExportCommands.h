#pragma once

#include "export/ExportRequest.h"

#include <functional>

class QWidget;

// The export and print commands of the main window. The frame builds the
// request from the listed dues and the shown month; these run the dialogs,
// write the files and open them.
namespace ExportCommands {

enum class Kind
{
    Html,
    Pdf,
    Spreadsheet,
    Word,
    ICalendar,
    Csv
};

// One export command of the menus and the navigation pane.
struct Command
{
    int id;
    Kind kind;
    bool withNotes;
};

// Every export command, in menu order; nullptr for an id that is not one.
const QList<Command>& Commands();
const Command* Find(int id);

void Export(QWidget* parent, Kind kind, const ExportRequest& request);

// What Export hands its work to: the real dialogs and files unless a test
// records the calls instead. Returns the previous runner.
using Runner = std::function<void(QWidget* parent, Kind kind, const ExportRequest& request)>;
Runner SetRunner(Runner runner);

// The print dialog for a range of months, then the print preview.
void Print(QWidget* parent);

} // namespace ExportCommands
