#pragma once

#include <QString>

#include <functional>
#include <memory>

// What the spreadsheet export asks of a spreadsheet application: the calls of
// its object model that the export makes, one method each. Every call returns
// false when it fails, with the reason in ErrorString().
class ISpreadsheetApplication
{
public:
    // The spreadsheet application's own paper sizes.
    static constexpr int kPaperLetter = 1; // xlPaperLetter
    static constexpr int kPaperA4 = 9;     // xlPaperA4

    virtual ~ISpreadsheetApplication() = default;

    virtual bool SetVisible(bool visible) = 0; // Application.Visible
    virtual bool
    AddWorkbook(const QString& templatePath) = 0; // Workbooks.Add(Template): becomes the active workbook
    virtual bool GetSheetCount(int* count) = 0;   // Sheets.Count of the active workbook
    virtual bool SelectSheet(int index) = 0;      // Sheets.Item(index).Select, one-based
    // Range(cell) of the active sheet:
    virtual bool SetRangeValue(const QString& cell, const QString& text) = 0; // .Value, as text
    virtual bool SetRangeNumber(const QString& cell, double value) = 0;       // .Value, as a number
    virtual bool SetRangeNumberFormat(const QString& cell,
                                      const QString& format) = 0; // .NumberFormat, a format code
    virtual bool SetRangeInteriorColor(const QString& cell,
                                       quint32 colorRef) = 0;                   // .Interior.Color, 0x00BBGGRR
    virtual bool AddRangeComment(const QString& cell, const QString& text) = 0; // .AddComment(text)
    // ActiveSheet.PageSetup.PaperSize: kPaperLetter or kPaperA4.
    virtual bool SetPaperSize(int paperSize) = 0;
    // Saves the active workbook as an .xlsx file.
    virtual bool SaveActiveWorkbook(const QString& path) = 0;

    virtual QString ErrorString() const = 0;
};

// Starts the spreadsheet application. documentName is the name the workbook
// shows under once the application is made visible. Null when no
// application can be started.
std::unique_ptr<ISpreadsheetApplication> CreateSpreadsheetApplication(const QString& documentName);

using SpreadsheetApplicationFactory =
    std::function<std::unique_ptr<ISpreadsheetApplication>(const QString& documentName)>;
// Replaces what CreateSpreadsheetApplication starts (tests install a recorder);
// an empty factory restores the package stand-in. Returns the previous one.
SpreadsheetApplicationFactory SetSpreadsheetApplicationFactory(SpreadsheetApplicationFactory factory);
