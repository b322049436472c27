#pragma once

#include <QString>

#include <functional>
#include <memory>

// What the spreadsheet export asks of a spreadsheet application, one method
// per step. Every call returns false when it fails, with the reason in
// ErrorString().
class ISpreadsheetApplication
{
public:
    // The spreadsheet application's own paper sizes.
    static constexpr int kPaperLetter = 1; // paper codes of the page setup
    static constexpr int kPaperA4 = 9;

    virtual ~ISpreadsheetApplication() = default;

    virtual bool SetVisible(bool visible) = 0; // shows or hides the application
    virtual bool
    AddWorkbook(const QString& templatePath) = 0; // a workbook from a template becomes the active one
    virtual bool GetSheetCount(int* count) = 0;   // sheets of the active workbook
    virtual bool SelectSheet(int index) = 0;      // makes sheet index (from 1) the active one
    // A cell of the active sheet, by its A1 name:
    virtual bool GetRangeValue(const QString& cell, QString* text) = 0;       // the value, as text
    virtual bool SetRangeValue(const QString& cell, const QString& text) = 0; // the value, as if typed
    virtual bool SetRangeNumber(const QString& cell, double value) = 0;       // the value, as a number
    virtual bool SetRangeNumberFormat(const QString& cell,
                                      const QString& format) = 0; // how it shows, as a format code
    virtual bool SetRangeInteriorColor(const QString& cell,
                                       quint32 colorRef) = 0;                   // fill colour, 0x00BBGGRR
    virtual bool AddRangeComment(const QString& cell, const QString& text) = 0; // a hover note on the cell
    // A column of the active sheet by its letters ("F"); its width counts
    // the digits of the sheet's font that fit.
    virtual bool GetColumnWidth(const QString& column, double* width) = 0;
    virtual bool SetColumnWidth(const QString& column, double width) = 0;
    // The paper the active sheet prints on: kPaperLetter or kPaperA4.
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
