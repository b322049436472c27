#pragma once

#include <QString>

#include <functional>
#include <memory>

// The selection of the active document: the calls of the word processor's
// object model that the word-processor export makes, one method each. Every
// call returns false when it fails, with the reason in ErrorString().
class IWordSelection
{
public:
    // The word processor's own constants, as the export passes them.
    static constexpr int kCellUnit = 12;               // wdCell
    static constexpr quint32 kAutoColor = 0xFF000000u; // wdColorAutomatic
    static constexpr int kPaperLetter = 2;             // wdPaperLetter
    static constexpr int kPaperA4 = 7;                 // wdPaperA4

    virtual ~IWordSelection() = default;

    virtual bool SetFontBold(int bold) = 0;            // Font.Bold
    virtual bool SetFontUnderline(int underline) = 0;  // Font.Underline: 0 none, 1 single
    virtual bool SetFontStrikeThrough(int strike) = 0; // Font.StrikeThrough
    virtual bool SetFontColor(quint32 colorRef) = 0;   // Font.Color, 0x00BBGGRR
    virtual bool GetFontSize(double* points) = 0;      // Font.Size
    virtual bool SetFontSize(double points) = 0;
    virtual bool SetParagraphAlignment(
        int alignment) = 0; // ParagraphFormat.Alignment: 0 left, 1 centre, 2 right, 3 justify
    virtual bool
    SetCellsVerticalAlignment(int alignment) = 0;       // Cells.VerticalAlignment: 0 top, 1 centre, 3 bottom
    virtual bool SetCellsShading(quint32 colorRef) = 0; // Cells.Shading.BackgroundPatternColor
    virtual bool TypeText(const QString& text) = 0;     // CR LF, CR or LF ends a paragraph
    virtual bool MoveRight(int unit, int count, int extend) = 0;
    virtual bool MoveLeft(int unit, int count, int extend) = 0;
    virtual bool SplitCells(int rows, int columns) = 0; // Cells.Split, merge argument omitted
    // Tables.Add at the selection's range; the selection goes to the first cell.
    virtual bool AddTable(int rows, int columns, int behavior, int autoFit) = 0;
    virtual bool AddComment(const QString& text) = 0; // Comments.Add at the selection's range
    // Rows.HeadingFormat: the selection's table row repeats at the top of
    // every page the table runs onto.
    virtual bool SetRowsHeadingFormat(int heading) = 0;
    virtual bool SetPageSetupPaperSize(int paperSize) = 0; // PageSetup.PaperSize: kPaperLetter, kPaperA4

    virtual QString ErrorString() const = 0;
};

// The word processor: its Visible property, Documents.Add and the active
// document's selection.
class IWordApplication
{
public:
    virtual ~IWordApplication() = default;

    virtual bool SetVisible(bool visible) = 0;
    // Documents.Add with every argument omitted: a new blank document that
    // becomes the active one, the selection at its start.
    virtual bool AddDocument() = 0;
    // The active document's selection; null without a document.
    virtual IWordSelection* Selection() = 0;
    // Saves the active document as a .docx file.
    virtual bool SaveActiveDocument(const QString& path) = 0;

    virtual QString ErrorString() const = 0;
};

// Starts the word processor. documentName is the name the document shows
// under once the application is made visible. Null when none can be started.
std::unique_ptr<IWordApplication> CreateWordApplication(const QString& documentName);

using WordApplicationFactory = std::function<std::unique_ptr<IWordApplication>(const QString& documentName)>;
// Replaces what CreateWordApplication starts (tests install a recorder); an
// empty factory restores the package stand-in. Returns the previous one.
WordApplicationFactory SetWordApplicationFactory(WordApplicationFactory factory);
