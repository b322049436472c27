#include "platform/CWordDocument.h"

#include <cmath>
#include <numeric>

namespace {

bool SameFormat(const WordRunFormat& a, const WordRunFormat& b)
{
    return a.bold == b.bold && a.underline == b.underline && a.strike == b.strike && a.color == b.color &&
           a.size == b.size;
}

// A new, empty cell that takes over the look of c, as a split cell does.
WordCell EmptyLike(const WordCell& c)
{
    WordCell cell;
    cell.shading = c.shading;
    cell.verticalAlignment = c.verticalAlignment;
    cell.paragraphs.first().alignment = c.paragraphs.last().alignment;
    return cell;
}

WordLowerStop OwnStop(const WordCell& like)
{
    WordLowerStop stop;
    stop.continuation = false;
    stop.cell = EmptyLike(like);
    return stop;
}

constexpr int kMaxColumns = 63;
constexpr int kMaxRows = 32767;

} // namespace

QString WordParagraph::Text() const
{
    QString text;
    for (const WordRun& r : runs)
        text += r.text;
    return text;
}

int LowerStopColumn(const WordTableRow& row, int columns, int index)
{
    const int extra = int(row.lower.size()) - columns;
    return std::max(0, index - extra);
}

CWordDocument::CWordDocument()
{
    m_blocks.append(WordBlock());
}

bool CWordDocument::Fail(const QString& why)
{
    m_error = why;
    return false;
}

WordTable* CWordDocument::CurrentTable()
{
    WordBlock& block = m_blocks[m_block];
    return block.isTable ? &block.table : nullptr;
}

bool CWordDocument::RequireTable()
{
    if (!CurrentTable())
        return Fail(tr("The selection is not in a table."));
    return true;
}

void CWordDocument::Advance(Place& place, int count) const
{
    const WordTable& table = m_blocks.at(m_block).table;
    while (count > 0) {
        const WordTableRow& row = table.rows.at(place.row);
        const int lineSize = int(place.lower ? row.lower.size() : row.cells.size());
        const int rest = lineSize - 1 - place.index;
        if (count <= rest) {
            place.index += count;
            return;
        }
        count -= rest + 1;
        place.index = 0;
        if (!place.lower && row.split) {
            place.lower = true;
        } else {
            place.lower = false;
            ++place.row;
        }
    }
}

void CWordDocument::Retreat(Place& place, int count) const
{
    const WordTable& table = m_blocks.at(m_block).table;
    while (count > 0) {
        if (count <= place.index) {
            place.index -= count;
            return;
        }
        count -= place.index + 1;
        if (place.lower) {
            place.lower = false;
        } else {
            --place.row;
            place.lower = table.rows.at(place.row).split;
        }
        const WordTableRow& row = table.rows.at(place.row);
        place.index = int(place.lower ? row.lower.size() : row.cells.size()) - 1;
    }
}

WordCell* CWordDocument::CurrentCell()
{
    WordTable* table = CurrentTable();
    if (!table || m_place.row >= table->rows.size())
        return nullptr;
    WordTableRow& tr = table->rows[m_place.row];
    if (!m_place.lower)
        return &tr.cells[m_place.index];
    WordLowerStop& stop = tr.lower[m_place.index];
    if (stop.continuation)
        return &tr.cells[LowerStopColumn(tr, table->columns, m_place.index)];
    return &stop.cell;
}

WordParagraph* CWordDocument::CurrentParagraph()
{
    if (m_blocks.at(m_block).isTable) {
        WordCell* cell = CurrentCell();
        return cell ? &cell->paragraphs.last() : nullptr;
    }
    return &m_blocks[m_block].paragraph;
}

bool CWordDocument::SetFontBold(int bold)
{
    m_format.bold = bold != 0;
    return true;
}

bool CWordDocument::SetFontUnderline(int underline)
{
    m_format.underline = underline != 0;
    return true;
}

bool CWordDocument::SetFontStrikeThrough(int strike)
{
    m_format.strike = strike != 0;
    return true;
}

bool CWordDocument::SetFontColor(quint32 colorRef)
{
    m_format.color = colorRef;
    return true;
}

bool CWordDocument::GetFontSize(double* points)
{
    *points = m_format.size;
    return true;
}

bool CWordDocument::SetFontSize(double points)
{
    if (!std::isfinite(points) || points < 1.0 || points > 1638.0)
        return Fail(tr("A font size of %1 points is out of range.").arg(points));
    m_format.size = points;
    return true;
}

bool CWordDocument::SetParagraphAlignment(int alignment)
{
    if (alignment < 0 || alignment > 3)
        return Fail(tr("Unknown paragraph alignment %1.").arg(alignment));
    WordParagraph* p = CurrentParagraph();
    if (!p)
        return Fail(tr("The selection is lost."));
    p->alignment = alignment;
    return true;
}

bool CWordDocument::SetCellsVerticalAlignment(int alignment)
{
    if (alignment != 0 && alignment != 1 && alignment != 3)
        return Fail(tr("Unknown vertical alignment %1.").arg(alignment));
    if (!RequireTable())
        return false;
    CurrentCell()->verticalAlignment = alignment;
    return true;
}

bool CWordDocument::SetCellsShading(quint32 colorRef)
{
    if (!RequireTable())
        return false;
    CurrentCell()->shading = colorRef;
    return true;
}

bool CWordDocument::TypeText(const QString& text)
{
    WordParagraph* p = CurrentParagraph();
    if (!p)
        return Fail(tr("The selection is lost."));
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = normalised.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            // A paragraph break: the new paragraph keeps the alignment.
            WordParagraph next;
            next.alignment = p->alignment;
            if (WordCell* cell = CurrentCell()) {
                cell->paragraphs.append(next);
            } else {
                WordBlock block;
                block.paragraph = next;
                m_blocks.insert(m_block + 1, block);
                ++m_block;
            }
            p = CurrentParagraph();
        }
        const QString& line = lines.at(i);
        if (line.isEmpty())
            continue;
        if (!p->runs.isEmpty() && SameFormat(p->runs.last().format, m_format))
            p->runs.last().text += line;
        else
            p->runs.append({line, m_format});
    }
    return true;
}

// Moves go by table cell only, inside a table.
bool CWordDocument::CheckCellMove(int unit, int extend)
{
    if (unit != kCellUnit)
        return Fail(tr("Only moves by table cell are possible (unit %1).").arg(unit));
    if (extend != 0 && extend != 1)
        return Fail(tr("Unknown move extension %1.").arg(extend));
    if (!RequireTable())
        return false;
    return true;
}

bool CWordDocument::MoveRight(int unit, int count, int extend)
{
    if (!CheckCellMove(unit, extend))
        return false;
    // Moves by cell go from cell to cell; the extension has nothing to grow.
    if (count < 0 || m_stop + qint64(count) >= m_stopCount)
        return Fail(tr("There is no cell %1 to the right.").arg(count));
    m_stop += count;
    Advance(m_place, count);
    return true;
}

bool CWordDocument::MoveLeft(int unit, int count, int extend)
{
    if (!CheckCellMove(unit, extend))
        return false;
    if (count < 0 || count > m_stop)
        return Fail(tr("There is no cell %1 to the left.").arg(count));
    m_stop -= count;
    Retreat(m_place, count);
    return true;
}

bool CWordDocument::SplitCells(int rows, int columns)
{
    if (rows != 2 || columns != 1)
        return Fail(tr("A cell splits into two rows of one column only."));
    if (!RequireTable())
        return false;
    WordTable& table = *CurrentTable();
    const int index = m_place.index;
    WordTableRow& tr = table.rows[m_place.row];

    // The new stops all lie after the selection, which so keeps its place.
    if (!m_place.lower && !tr.split) {
        tr.split = true;
        tr.lower = QList<WordLowerStop>(table.columns);
        tr.lower[index] = OwnStop(tr.cells.at(index));
        m_stopCount += table.columns;
        return true;
    }
    // The n-th cell of the first line stands for the n-th place of the second.
    WordLowerStop& stop = tr.lower[index];
    if (stop.continuation) {
        stop = OwnStop(tr.cells.at(LowerStopColumn(tr, table.columns, index)));
    } else {
        const WordLowerStop added = OwnStop(stop.cell);
        tr.lower.insert(index + 1, added);
        ++m_stopCount;
    }
    return true;
}

bool CWordDocument::AddTable(int rows, int columns, int behavior, int autoFit)
{
    Q_UNUSED(behavior);
    Q_UNUSED(autoFit);
    if (rows < 1 || rows > kMaxRows || columns < 1 || columns > kMaxColumns)
        return Fail(tr("A table of %1 rows and %2 columns cannot be made.").arg(rows).arg(columns));
    if (CurrentTable())
        return Fail(tr("Tables cannot be nested."));

    const WordParagraph here = m_blocks.at(m_block).paragraph;
    WordBlock block;
    block.isTable = true;
    block.table.columns = columns;
    WordCell cell;
    cell.paragraphs.first().alignment = here.alignment;
    for (int r = 0; r < rows; ++r) {
        WordTableRow row;
        row.cells = QList<WordCell>(columns, cell);
        block.table.rows.append(row);
    }
    // The table takes the place of an empty paragraph, or follows one with
    // text; a paragraph always follows a table.
    WordBlock after;
    after.paragraph.alignment = here.alignment;
    if (here.runs.isEmpty() && here.comments.isEmpty()) {
        m_blocks[m_block] = block;
    } else {
        m_blocks.insert(++m_block, block);
    }
    m_blocks.insert(m_block + 1, after);
    m_stop = 0;
    m_place = Place();
    m_stopCount = rows * columns;
    return true;
}

bool CWordDocument::AddComment(const QString& text)
{
    WordParagraph* p = CurrentParagraph();
    if (!p)
        return Fail(tr("The selection is lost."));
    // A comment at an insertion point covers the paragraph's text before it.
    WordComment comment;
    comment.id = int(m_comments.size());
    comment.text = text;
    comment.text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    comment.text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_comments.append(comment);
    p->comments.append({0, int(p->runs.size()), comment.id});
    return true;
}

bool CWordDocument::SetRowsHeadingFormat(int heading)
{
    if (!RequireTable())
        return false;
    CurrentTable()->rows[m_place.row].heading = heading != 0;
    return true;
}

bool CWordDocument::SetPageSetupPaperSize(int paperSize)
{
    if (paperSize != kPaperLetter && paperSize != kPaperA4)
        return Fail(tr("Paper size %1 is not available.").arg(paperSize));
    m_paperSize = paperSize;
    return true;
}

int CWordDocument::PageWidth() const
{
    return m_paperSize == kPaperLetter ? 12240 : 11906;
}

int CWordDocument::PageHeight() const
{
    return m_paperSize == kPaperLetter ? 15840 : 16838;
}

CWordDocument::DrawnTable CWordDocument::Draw(const WordTable& table)
{
    const int columns = table.columns;
    // The first column is divided so that every split row's places under it
    // get equal shares.
    int parts = 1;
    for (const WordTableRow& row : table.rows) {
        if (!row.split)
            continue;
        const int k = int(row.lower.size()) - columns + 1;
        const int lcm = std::lcm(parts, k);
        parts = lcm <= 60 ? lcm : std::max(parts, k);
    }

    DrawnTable drawn;
    drawn.partsPerColumn = parts;
    for (int i = 0; i < parts; ++i)
        drawn.gridUnits.append(1);
    for (int c = 1; c < columns; ++c)
        drawn.gridUnits.append(parts);

    // Only heading rows at the top of the table repeat.
    bool leading = true;
    for (const WordTableRow& row : table.rows) {
        leading = leading && row.heading;
        if (leading)
            drawn.headingLines += row.split ? 2 : 1;
        QList<DrawnCell> first;
        for (int c = 0; c < columns; ++c)
            first.append({c == 0 ? parts : 1, DrawnCell::None, &row.cells.at(c)});
        if (!row.split) {
            drawn.lines.append(first);
            continue;
        }
        QList<DrawnCell> second;
        const int k = int(row.lower.size()) - columns + 1;
        if (k == 1 && row.lower.first().continuation) {
            first[0].merge = DrawnCell::Restart;
            second.append({parts, DrawnCell::Continue, &row.cells.at(0)});
        } else {
            for (int j = 0; j < k; ++j) {
                const WordLowerStop& stop = row.lower.at(j);
                const int span = parts / k + (j < parts % k ? 1 : 0);
                // What was typed at a continuing place went into the cell above.
                second.append({span, DrawnCell::None, stop.continuation ? nullptr : &stop.cell});
            }
        }
        for (int c = 1; c < columns; ++c) {
            const WordLowerStop& stop = row.lower.at(k - 1 + c);
            if (stop.continuation) {
                first[c].merge = DrawnCell::Restart;
                second.append({1, DrawnCell::Continue, &row.cells.at(c)});
            } else {
                second.append({1, DrawnCell::None, &stop.cell});
            }
        }
        drawn.lines.append(first);
        drawn.lines.append(second);
    }
    return drawn;
}
