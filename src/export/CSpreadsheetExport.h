#pragma once

#include "export/ExportRequest.h"
#include "model/base/COleDateTime.h"
#include "model/store/DueRecord.h"
#include "platform/ISpreadsheetApplication.h"

#include <QCoreApplication>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>

// The spreadsheet export of the month list: a workbook made from
// Templates/tlv.xltx, the month in C4, the paid and unpaid sums in F4 and F5,
// one row per listed due from row 10 (title, start, due, pay to, account,
// amount, type, status, and with notes "Show Notes" with the notes as the
// cell's comment). Without notes the heading cell I9 is emptied and painted
// white. Amounts and dates go in as numbers with number formats of the
// locale, as a spreadsheet makes of a typed amount or date, so that they sum
// and sort; amounts rounded to cents as every other output shows them. The
// template's own labels are written in the user's language, columns too
// narrow for their widest number are widened, and the sheet prints on the
// locale's paper.
class CSpreadsheetExport
{
    Q_DECLARE_TR_FUNCTIONS(CSpreadsheetExport)

public:
    // documentName is the name the workbook is shown under; locale decides
    // the number formats and the paper.
    explicit CSpreadsheetExport(const QString& documentName = QString(), const QLocale& locale = QLocale());
    ~CSpreadsheetExport();

    // Starts the application hidden or visible and makes a workbook from the
    // template. False when no application could be started (silently) or the
    // workbook could not be made (with a message; the application is then
    // let go, so the later steps do nothing).
    [[nodiscard]] bool Open(const QString& templatePath, bool visible);
    // Writes the dues into the first sheet. Stops at the first failing write
    // with a message; what was written before stays.
    [[nodiscard]] bool Fill(const QList<DueRecord>& dues, const QString& monthText, bool withNotes);
    // Makes the application visible (or hides it): shows the workbook.
    [[nodiscard]] bool Show(bool visible);
    // Saves the workbook as an .xlsx file instead of showing it.
    [[nodiscard]] bool SaveAs(const QString& path);

    bool HasApplication() const { return m_pApplication != nullptr; }
    // The messages the steps gave, in order; empty when all went well.
    QStringList Messages() const { return m_messages; }

    std::unique_ptr<ISpreadsheetApplication> m_pApplication;

private:
    void Report(const QString& reason);

    QString m_documentName;
    QLocale m_locale;
    QStringList m_messages;
};

// "March, 2007": the full English month name, a comma and the year.
QString SpreadsheetMonthText(const COleDateTime& month);
// A date as text, for the dates a sheet cannot count (see
// SpreadsheetDateSerial): the locale's short date, followed by the time of
// day with seconds when it is not midnight. Empty for an invalid date.
QString SpreadsheetDateText(const COleDateTime& date, const QLocale& locale);
// The date as a spreadsheet's date serial: days from 30 December 1899, the
// time of day as the fraction. False for an invalid date and for one before
// 1 March 1900, where spreadsheet programs disagree about the count; such a
// date is written as text.
bool SpreadsheetDateSerial(const COleDateTime& date, double* serial);

// Number format codes in the locale's conventions. The codes themselves are
// written in the neutral notation ("," groups, "." is the decimal point):
// the spreadsheet program shows them with the separators of its own locale.
// Amounts: the locale's currency symbol, its decimals and its negative form.
QString SpreadsheetCurrencyFormat(const QLocale& locale);
// Dates: the locale's short date with a four-digit year; withTime adds the
// time of day with seconds, on the locale's 12- or 24-hour clock.
QString SpreadsheetDateFormat(const QLocale& locale, bool withTime);

// True where the locale's territory prints on Letter paper (the Americas
// that use it and the Philippines); elsewhere A4.
bool LocaleUsesLetterPaper(const QLocale& locale);
// "Dues March 2007": the name of the workbook (and of its file) for a month.
QString SpreadsheetDocumentName(const COleDateTime& month);
// Templates/tlv.xltx beside the program.
QString SpreadsheetTemplatePath();

// Writes the export to request.outputPath (an .xlsx package) and opens
// nothing. False with the message to show when it fails; an existing file at
// the output path is then left as it was.
[[nodiscard]] bool ExportSpreadsheetFile(const ExportRequest& request, QString* errorText);
bool ExportSpreadsheetFileFromTemplate(const ExportRequest& request, const QString& templatePath,
                                       QString* errorText);

// The menu command: makes the workbook and shows it (saved as
// "Dues <Month> <Year>.xlsx" in a temporary folder and opened with the
// default spreadsheet program); request.outputPath is not used. False with
// the messages to show when a step failed (a partly filled workbook is still
// shown); false with an empty errorText when no application could be started,
// which the command passes over in silence.
[[nodiscard]] bool ShowSpreadsheetExport(const ExportRequest& request, QString* errorText);
bool ShowSpreadsheetExportFromTemplate(const ExportRequest& request, const QString& templatePath,
                                       QString* errorText);
