#pragma once

#include <QString>

#include <functional>
#include <memory>

// The selection of the active document: what the word-processor export does
// to a document, one method per step. Every call returns false when it fails,
// with the reason in ErrorString().
class IWordSelection
{
public:
    static constexpr int kCellUnit = 12;               // the unit of a move by table cell
    static constexpr quint32 kAutoColor = 0xFF000000u; // "automatic" text colour
    static constexpr int kPaperLetter = 2;             // paper codes of the page setup
    static constexpr int kPaperA4 = 7;

    virtual ~IWordSelection() = default;

    virtual bool SetFontBold(int bold) = 0;            // 1 bold, 0 regular
    virtual bool SetFontUnderline(int underline) = 0;  // 0 none, 1 single
    virtual bool SetFontStrikeThrough(int strike) = 0; // 1 struck through, 0 not
    virtual bool SetFontColor(quint32 colorRef) = 0;   // 0x00BBGGRR
    virtual bool GetFontSize(double* points) = 0;      // in points
    virtual bool SetFontSize(double points) = 0;
    virtual bool SetParagraphAlignment(int alignment) = 0;     // 0 left, 1 centre, 2 right, 3 justify
    virtual bool SetCellsVerticalAlignment(int alignment) = 0; // 0 top, 1 centre, 3 bottom
    virtual bool SetCellsShading(quint32 colorRef) = 0;        // background of the selected cells, 0x00BBGGRR
    virtual bool TypeText(const QString& text) = 0;            // CR LF, CR or LF ends a paragraph
    virtual bool MoveRight(int unit, int count, int extend) = 0;
    virtual bool MoveLeft(int unit, int count, int extend) = 0;
    virtual bool SplitCells(int rows, int columns) = 0; // splits each selected cell
    // A table at the selection; the selection goes to its first cell.
    virtual bool AddTable(int rows, int columns, int behavior, int autoFit) = 0;
    virtual bool AddComment(const QString& text) = 0; // a comment on the selected text
    // Heading rows: the selection's table row repeats at the top of
    // every page the table runs onto.
    virtual bool SetRowsHeadingFormat(int heading) = 0;
    virtual bool SetPageSetupPaperSize(int paperSize) = 0; // PageSetup.PaperSize: kPaperLetter, kPaperA4

    virtual QString ErrorString() const = 0;
};

// The word processor: shown or hidden, a new document and the active
// document's selection.
class IWordApplication
{
public:
    virtual ~IWordApplication() = default;

    virtual bool SetVisible(bool visible) = 0;
    // A new blank document that becomes the active one, the selection at
    // its start.
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
