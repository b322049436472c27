#pragma once

#include "export/CPdfTextLayout.h"
#include "export/PdfByteBuffer.h"
#include "export/PdfTokens.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class CPdfFontSet;

// A PDF 1.4 document of 612 x 792 pages with text blocks, lines and wrapped
// paragraphs. Everything is kept in memory and written by Save in one go.
//
// Text is set in Helvetica (font F1) where its standard Latin glyphs hold
// it, in MacRomanEncoding plus /Differences for the other glyphs of the set;
// every other character comes from an embedded subset of an installed font
// (fonts F2, F3, ...). A document whose text is all MacRoman has F1 alone.
// Text with characters beyond Helvetica's set is laid out by CPdfTextLayout:
// shaped, in the bidirectional order, wrapped where its script allows, each
// line of a right-to-left paragraph ending at the right edge it is given.
class CPdfWriter
{
public:
    CPdfWriter();
    virtual ~CPdfWriter();

    CPdfWriter(const CPdfWriter&) = delete;
    CPdfWriter& operator=(const CPdfWriter&) = delete;

    // Starts a new page and makes it current.
    void NewPage();
    // A text block whose first baseline lies one leading (14.4 pt) below
    // (x, y); size s gives 12 * s point glyphs. A line break (CR LF, CR or
    // LF) starts a new line, a tab becomes blanks, and other control
    // characters, which have no glyph, are left out. Right-to-left lines end
    // at right (in points), running over to the left of x when they are
    // wider than the room; they start at x when right is not beyond it.
    void AddTextBlock(const QString& text, int x, int y, int size, int right = kTextRight);
    void DrawLine(int x1, int y1, int x2, int y2, int width);
    // Lays out text from (x, y) downwards, two units per line, continuing on
    // new pages (from y 750) below 65. Lines are wrapped where they would
    // pass 500 pixels of a Helvetica with a character cell of unit * 9 / 5
    // pixels, or pass right (in points) on the page.
    void AddParagraph(const QString& text, int x, int y, int size, int unit, int right = kTextRight);

    // text, shortened at its end with an ellipsis so that it fits into
    // width points at size; unchanged when it fits.
    QString ElideText(const QString& text, int size, int width) const;

    // Characters no installed font has, shown as a replacement mark; each
    // once, in the order met.
    const std::vector<char32_t>& MissingCharacters() const;

    // The whole file. errorText gets the reason when a font could not be
    // embedded.
    QByteArray Document(QString* errorText = nullptr) const;
    // Writes Document() to path, replacing the file only once all of it is
    // written. On failure errorText gets the reason; no file is left behind.
    bool Save(const QString& path, QString* errorText = nullptr) const;

    // The lines AddParagraph would write for text without a right margin.
    static QStringList WrapLines(const QString& text, int unit);

    // Right end of the rules the export draws; paragraphs stop there.
    static constexpr int kTextRight = 500;
    // Marks where content references go in a page's text while it is built;
    // never part of a saved file.
    static constexpr const char* kContentsPlaceholder = "%%123Page_Contents321%%";

private:
    struct Page
    {
        qint32 number;
        std::vector<qint32> contents;
    };
    struct Content
    {
        qint32 number;
        const char* text; // in m_contentText
        qsizetype size;
    };
    struct LineRange
    {
        size_t begin;
        size_t end;
    };

    qint32 m_nLastObject = 4;
    qint32 m_nCurrentPage = 0;
    std::vector<Page> m_pages;
    std::vector<Content> m_contents;
    // Every content object, each written in place after a gap that its
    // header (which holds the stream length) is put into.
    PdfByteBuffer m_contentText;
    qsizetype m_contentBytes = 0;
    std::unique_ptr<CPdfFontSet> m_fonts;
    std::unique_ptr<CPdfTextLayout> m_layout;

    // Reused between calls, so that layout does not allocate per line.
    PdfTokens m_tokens;
    std::vector<LineRange> m_lines;

    static qint64 MaxUnits(int unit, qint64 maxPoints1000, int size);
    void WrapTokens(int unit, qint64 maxPoints1000, int size);
    void BeginStream();
    void BeginTextObject(int x, int y, int size);
    void BeginTextStream(int x, int y, int size);
    void AppendTokens(const quint32* begin, const quint32* end, int size);
    void EndTextStream();

    // Text laid out by m_layout: each line shown by one T* and TJ arrays.
    struct LineState
    {
        int font = 0;    // as in tokens: 0 for F1, i + 1 for embedded font i
        qint32 rise = 0; // thousandths of an em
    };
    void AddLaidOutBlock(const QString& text, int x, int y, int size, int right);
    void AddLaidOutParagraph(const QString& text, int x, int y, int size, int unit, int right);
    void AppendLaidOutLine(const CPdfTextLayout::Line& line, int x, int right, int size, LineState& state);
    void EndLaidOutStream(const LineState& state);
    // Ends the stream begun last as the next object, on the current page.
    void AddContentObject(const char* lengthEnd);
};
