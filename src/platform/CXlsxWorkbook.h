#pragma once

#include "platform/OoxmlPackage.h"
#include "platform/OoxmlXml.h"

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// A workbook made from a spreadsheet template package (.xltx, or an .xlsx
// used as one). Writes text cells, fills and comments into the active sheet
// and saves the result as an .xlsx package. The first sheet (the first in the
// workbook's sheet list) is active after loading.
class CXlsxWorkbook
{
    Q_DECLARE_TR_FUNCTIONS(CXlsxWorkbook)

public:
    CXlsxWorkbook();
    ~CXlsxWorkbook();

    // Reads the template; false with the reason when it is missing, not a
    // package or not a spreadsheet.
    bool Load(const QString& templatePath, QString* why);
    bool IsLoaded() const { return m_loaded; }

    int SheetCount() const { return int(m_sheetParts.size()); }
    // One-based, as sheet collections count.
    bool SelectSheet(int index, QString* why);
    // The part name of the active sheet ("xl/worksheets/sheet1.xml").
    QString ActiveSheetPart() const;

    // cell is a name such as "C4" (column letters, row number). An empty text
    // leaves the cell empty (its style stays).
    bool SetCellText(const QString& cell, const QString& text, QString* why);
    // A number: the cell shows it in its number format. False for a value
    // that is not finite, which no cell can hold.
    bool SetCellNumber(const QString& cell, double value, QString* why);
    // How the cell shows its number: a format code such as "#,##0.00" or
    // "m/d/yyyy", added to the workbook's number formats once.
    bool SetCellNumberFormat(const QString& cell, const QString& formatCode, QString* why);
    // colorRef is an automation colour 0x00BBGGRR.
    bool SetCellFill(const QString& cell, quint32 colorRef, QString* why);
    // A note on the cell: the comments part and the drawing that makes it
    // show as a hover note. A cell holds one comment.
    bool AddCellComment(const QString& cell, const QString& text, QString* why);
    // What the cell shows as text: its text (inline or shared), the text of
    // its number as stored, or empty for an empty cell.
    bool CellText(const QString& cell, QString* text, QString* why);
    // A column's width (from 1 for A) in the widths of a digit, as column
    // entries count it; the sheet's default width when the column has none.
    bool ColumnWidth(int column, double* width, QString* why);
    // Gives one column its own width (0 to 255); a column range it shares an
    // entry with keeps its width for the other columns.
    bool SetColumnWidth(int column, double width, QString* why);
    // The paper the active sheet prints on, as the sheet's page setup codes
    // it (1 Letter, 9 A4, ...).
    bool SetPaperSize(int paperSize, QString* why);

    // The workbook as .xlsx: written atomically, the old file stays on failure.
    bool Save(const QString& path, QString* why);
    // The package as it would be saved (for inspection).
    bool ToPackage(OoxmlPackage* package, QString* why);

    // "C4" -> column 3, row 4. False for a name outside the sheet's range.
    static bool ParseCellName(const QString& cell, int* column, int* row);
    static QString ColumnName(int column);

private:
    struct Sheet;
    bool LoadActiveSheet(QString* why);
    bool FlushActiveSheet(QString* why);
    bool EnsureStyles(QString* why);
    bool EnsureComments(QString* why);
    pugi::xml_node FindOrCreateCell(const QString& cell, QString* why);
    // Drops what the cell holds (value, formula, text); its style stays.
    void ClearCellValue(pugi::xml_node c);
    // The index of a cell style like the cell's own, changed by change: made
    // once per style and key, then reused.
    int DerivedStyle(pugi::xml_node c, const QString& key,
                     const std::function<void(pugi::xml_node xf)>& change);
    int NumberFormatId(const QString& formatCode);
    static QString RichText(const pugi::xml_node& holder);
    bool LoadSharedStrings(QString* why);
    // Keeps the shared string table's reference count true after cells that
    // used it were overwritten.
    bool UpdateSharedStringCount(QString* why);

    OoxmlPackage m_package;
    OoxmlXml::ContentTypes m_types;
    QString m_workbookPart;
    QStringList m_sheetParts;
    int m_active = -1;
    bool m_loaded = false;

    pugi::xml_document m_workbook;
    std::unique_ptr<Sheet> m_sheet; // parsed active sheet, with its comments and drawing
    QString m_stylesPart;
    pugi::xml_document m_styles;
    bool m_stylesLoaded = false;
    QHash<QString, int> m_derivedStyles; // "style:change" -> cellXfs index already made
    QHash<QString, int> m_numberFormats; // format code -> numFmtId
    QStringList m_sharedStrings;         // read when a cell's text is asked for
    bool m_sharedStringsLoaded = false;
    int m_sharedRefsDropped = 0;
    int m_sharedRefsApplied = 0;
};
