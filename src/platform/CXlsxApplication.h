#pragma once

#include "platform/CXlsxWorkbook.h"
#include "platform/ISpreadsheetApplication.h"

#include <memory>

#include <QCoreApplication>

// The spreadsheet application of this program: workbooks are made from
// .xltx templates and edited as packages; making the application visible
// saves the active workbook as documentName.xlsx in a temporary folder and
// opens it with the default spreadsheet program.
class CXlsxApplication : public ISpreadsheetApplication
{
    Q_DECLARE_TR_FUNCTIONS(CXlsxApplication)

public:
    explicit CXlsxApplication(const QString& documentName);

    bool SetVisible(bool visible) override;
    bool AddWorkbook(const QString& templatePath) override;
    bool GetSheetCount(int* count) override;
    bool SelectSheet(int index) override;
    bool GetRangeValue(const QString& cell, QString* text) override;
    bool SetRangeValue(const QString& cell, const QString& text) override;
    bool SetRangeNumber(const QString& cell, double value) override;
    bool SetRangeNumberFormat(const QString& cell, const QString& format) override;
    bool SetRangeInteriorColor(const QString& cell, quint32 colorRef) override;
    bool AddRangeComment(const QString& cell, const QString& text) override;
    bool GetColumnWidth(const QString& column, double* width) override;
    bool SetColumnWidth(const QString& column, double width) override;
    bool SetPaperSize(int paperSize) override;
    bool SaveActiveWorkbook(const QString& path) override;
    QString ErrorString() const override { return m_error; }

    // The file the last SetVisible(true) saved and opened.
    QString ShownPath() const { return m_shownPath; }
    CXlsxWorkbook* ActiveWorkbook() const { return m_workbook.get(); }

private:
    bool Result(bool ok, const QString& why);
    CXlsxWorkbook* Workbook();
    // "F" -> 6; 0 (with the error set) for what names no column.
    int ColumnNumber(const QString& column);

    QString m_documentName;
    std::unique_ptr<CXlsxWorkbook> m_workbook;
    bool m_visible = false;
    QString m_error;
    QString m_shownPath;
};
