#include "platform/CXlsxApplication.h"

#include "platform/TemporaryDocument.h"

CXlsxApplication::CXlsxApplication(const QString& documentName) : m_documentName(documentName)
{
    if (m_documentName.isEmpty())
        m_documentName = QStringLiteral("Workbook");
}

bool CXlsxApplication::Result(bool ok, const QString& why)
{
    m_error = ok ? QString() : why;
    return ok;
}

CXlsxWorkbook* CXlsxApplication::Workbook()
{
    if (!m_workbook)
        m_error = tr("No workbook is open.");
    return m_workbook.get();
}

bool CXlsxApplication::SetVisible(bool visible)
{
    const bool becomesVisible = visible && !m_visible;
    m_visible = visible;
    // An application without a workbook shows nothing to open.
    if (!becomesVisible || !m_workbook)
        return Result(true, {});
    QString why;
    const bool ok = ShowTemporaryDocument(
        m_documentName + QStringLiteral(".xlsx"),
        [this](const QString& path, QString* reason) { return m_workbook->Save(path, reason); }, &m_shownPath,
        &why);
    return Result(ok, why);
}

bool CXlsxApplication::AddWorkbook(const QString& templatePath)
{
    auto workbook = std::make_unique<CXlsxWorkbook>();
    QString why;
    if (!workbook->Load(templatePath, &why))
        return Result(false, why);
    m_workbook = std::move(workbook);
    return Result(true, {});
}

bool CXlsxApplication::GetSheetCount(int* count)
{
    CXlsxWorkbook* book = Workbook();
    if (!book)
        return false;
    *count = book->SheetCount();
    return Result(true, {});
}

bool CXlsxApplication::SelectSheet(int index)
{
    CXlsxWorkbook* book = Workbook();
    QString why;
    return book && Result(book->SelectSheet(index, &why), why);
}

bool CXlsxApplication::GetRangeValue(const QString& cell, QString* text)
{
    CXlsxWorkbook* book = Workbook();
    QString why;
    return book && Result(book->CellText(cell, text, &why), why);
}

int CXlsxApplication::ColumnNumber(const QString& column)
{
    int number = 0, row = 0;
    const bool letters = !column.isEmpty() && !column.back().isDigit();
    if (!letters || !CXlsxWorkbook::ParseCellName(column + QLatin1Char('1'), &number, &row)) {
        Result(false, tr("%1 is not a column name.").arg(column));
        return 0;
    }
    return number;
}

bool CXlsxApplication::GetColumnWidth(const QString& column, double* width)
{
    CXlsxWorkbook* book = Workbook();
    const int number = book ? ColumnNumber(column) : 0;
    QString why;
    return number > 0 && Result(book->ColumnWidth(number, width, &why), why);
}

bool CXlsxApplication::SetColumnWidth(const QString& column, double width)
{
    CXlsxWorkbook* book = Workbook();
    const int number = book ? ColumnNumber(column) : 0;
    QString why;
    return number > 0 && Result(book->SetColumnWidth(number, width, &why), why);
}

bool CXlsxApplication::SetRangeValue(const QString& cell, const QString& text)
{
    CXlsxWorkbook* book = Workbook();
    QString why;
    return book && Result(book->SetCellText(cell, text, &why), why);
}

bool CXlsxApplication::SetRangeNumber(const QString& cell, double value)
{
    CXlsxWorkbook* book = Workbook();
    QString why;
    return book && Result(book->SetCellNumber(cell, value, &why), why);
}

bool CXlsxApplication::SetRangeNumberFormat(const QString& cell, const QString& format)
{
    CXlsxWorkbook* book = Workbook();
    QString why;
    return book && Result(book->SetCellNumberFormat(cell, format, &why), why);
}

bool CXlsxApplication::SetPaperSize(int paperSize)
{
    CXlsxWorkbook* book = Workbook();
    QString why;
    return book && Result(book->SetPaperSize(paperSize, &why), why);
}

bool CXlsxApplication::SetRangeInteriorColor(const QString& cell, quint32 colorRef)
{
    CXlsxWorkbook* book = Workbook();
    QString why;
    return book && Result(book->SetCellFill(cell, colorRef, &why), why);
}

bool CXlsxApplication::AddRangeComment(const QString& cell, const QString& text)
{
    CXlsxWorkbook* book = Workbook();
    QString why;
    return book && Result(book->AddCellComment(cell, text, &why), why);
}

bool CXlsxApplication::SaveActiveWorkbook(const QString& path)
{
    CXlsxWorkbook* book = Workbook();
    QString why;
    return book && Result(book->Save(path, &why), why);
}
