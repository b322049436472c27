#pragma once

#include "platform/IWordApplication.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

// Character formatting of typed text.
struct WordRunFormat
{
    bool bold = false;
    bool underline = false;
    bool strike = false;
    quint32 color = IWordSelection::kAutoColor;
    double size = 12.0;
};

struct WordRun
{
    QString text;
    WordRunFormat format;
};

// A comment anchored on the runs [firstRun, endRun) of a paragraph.
struct WordCommentMark
{
    int firstRun = 0;
    int endRun = 0;
    int commentId = 0;
};

struct WordParagraph
{
    QList<WordRun> runs;
    int alignment = 0; // 0 left, 1 centre, 2 right, 3 justify
    QList<WordCommentMark> comments;

    QString Text() const;
};

struct WordCell
{
    QList<WordParagraph> paragraphs = {WordParagraph()};
    quint32 shading = IWordSelection::kAutoColor; // automatic: no shading
    int verticalAlignment = 0;                    // 0 top, 1 centre, 3 bottom
};

// A place of a split row's second line: a cell of its own, or the cell above
// it continued downward.
struct WordLowerStop
{
    bool continuation = true;
    WordCell cell; // unused while continuation
};

// One row as the table was made. Splitting its cells gives it a second line.
struct WordTableRow
{
    QList<WordCell> cells; // one per column
    bool split = false;
    QList<WordLowerStop> lower;
    bool heading = false; // repeats on each page (with the heading rows above it)
};

struct WordTable
{
    int columns = 0;
    QList<WordTableRow> rows;
};

struct WordBlock
{
    bool isTable = false;
    WordParagraph paragraph;
    WordTable table;
};

struct WordComment
{
    int id = 0;
    QString text; // lines separated by LF
};

// The word processor's document, driven through its selection.
//
// Tables: moving by cell goes through each row's cells left to right and, in
// a split row, then through the places of its second line. A split row's
// second line is laid out from the right edge: its last place sits under the
// last column, the one before under the column before, and so on; the first
// column takes every place that is left, side by side under it. A place that
// continues the cell above merges with it, and what is typed there goes into
// that cell. Splitting (into two rows, one column):
// - a cell of a row that is not split gives the row its second line, where
//   the place under that cell becomes a cell of its own and every other place
//   continues the cell above it;
// - the n-th cell of a split row's first line, or a continuing place, turns
//   the n-th place (or that place) into a cell of its own; where it already is
//   one, a new cell is added right after it.
// The selection is an insertion point at the end of a paragraph (typing
// appends) or in a table cell; its character formatting applies to what is
// typed next.
class CWordDocument : public IWordSelection
{
    Q_DECLARE_TR_FUNCTIONS(CWordDocument)

public:
    CWordDocument();

    bool SetFontBold(int bold) override;
    bool SetFontUnderline(int underline) override;
    bool SetFontStrikeThrough(int strike) override;
    bool SetFontColor(quint32 colorRef) override;
    bool GetFontSize(double* points) override;
    bool SetFontSize(double points) override;
    bool SetParagraphAlignment(int alignment) override;
    bool SetCellsVerticalAlignment(int alignment) override;
    bool SetCellsShading(quint32 colorRef) override;
    bool TypeText(const QString& text) override;
    bool MoveRight(int unit, int count, int extend) override;
    bool MoveLeft(int unit, int count, int extend) override;
    bool SplitCells(int rows, int columns) override;
    bool AddTable(int rows, int columns, int behavior, int autoFit) override;
    bool AddComment(const QString& text) override;
    bool SetRowsHeadingFormat(int heading) override;
    bool SetPageSetupPaperSize(int paperSize) override;
    QString ErrorString() const override { return m_error; }

    const QList<WordBlock>& Blocks() const { return m_blocks; }
    // The page setup's paper (kPaperA4 until it says otherwise) and the size
    // of the page in twentieths of a point.
    int PaperSize() const { return m_paperSize; }
    int PageWidth() const;
    int PageHeight() const;
    const QList<WordComment>& Comments() const { return m_comments; }

    // A table as it is drawn: a grid of columns and, per drawn line, its
    // cells with their spans and vertical merges.
    struct DrawnCell
    {
        enum Merge
        {
            None,
            Restart,
            Continue
        };
        int gridSpan = 1;
        Merge merge = None;
        const WordCell* cell = nullptr; // for Continue: the cell above
    };
    struct DrawnTable
    {
        QList<int> gridUnits; // width of each grid column in parts of a column (sum = columns * parts)
        int partsPerColumn = 1;
        QList<QList<DrawnCell>> lines;
        int headingLines = 0; // the first lines, which repeat on every page
    };
    static DrawnTable Draw(const WordTable& table);

private:
    bool Fail(const QString& why);
    bool RequireTable();
    bool CheckCellMove(int unit, int extend);
    WordTable* CurrentTable();
    // The paragraph that receives typing.
    WordParagraph* CurrentParagraph();
    WordCell* CurrentCell();
    // A stop of the current table: row, and index in the first line
    // (lower = false) or in the second (lower = true).
    struct Place
    {
        int row = 0;
        int index = 0;
        bool lower = false;
    };
    // Moves a place by count stops; the caller has checked the bounds. Each
    // step costs a line at most, so moves by a few cells stay cheap however
    // long the table is.
    void Advance(Place& place, int count) const;
    void Retreat(Place& place, int count) const;

    QList<WordBlock> m_blocks;
    QList<WordComment> m_comments;
    int m_block = 0;
    // The selection in the current table: its stop number, where that stop
    // lies, and how many stops the table has.
    int m_stop = 0;
    Place m_place;
    int m_stopCount = 0;
    WordRunFormat m_format;
    int m_paperSize = kPaperA4;
    QString m_error;
};

// The column under which the index-th place of a split row's second line
// sits (see CWordDocument).
int LowerStopColumn(const WordTableRow& row, int columns, int index);
