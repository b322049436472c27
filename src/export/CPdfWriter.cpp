#include "export/CPdfWriter.h"

#include "model/store/ExportFile.h"

#include "export/CPdfEmbeddedFont.h"
#include "export/CPdfFontSet.h"
#include "export/HelveticaMetrics.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr int kWrapWidth = 500; // pixels of the measuring font
constexpr int kPageBottom = 65; // a line whose height falls below this starts a new page
constexpr int kPageTop = 750;   // where paragraphs continue on a new page
constexpr int kTextScale = 12;  // the text matrix: size s gives 12 * s points

constexpr char kLineSeparator[] = ")Tj T*(";
// Room for "<number> 0 obj<</Length <length> >>stream\r\n" in front of a stream.
constexpr size_t kHeaderRoom = 64;

void AppendNumber(QByteArray& out, qint64 n)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, n);
    out.append(buffer, qsizetype(result.ptr - buffer));
}

// Objects go to the file bucket by bucket, (number >> 4) % 17 from 0 to
// 16, the newest first in each: the order of the hash map the layout of
// the file was first made with.
std::vector<qint32> EnumerationOrder(const std::vector<qint32>& ascending)
{
    constexpr int kBuckets = 17;
    std::array<std::vector<qint32>, kBuckets> buckets;
    for (auto it = ascending.rbegin(); it != ascending.rend(); ++it)
        buckets[(quint32(*it) >> 4) % kBuckets].push_back(*it);
    std::vector<qint32> order;
    order.reserve(ascending.size());
    for (const auto& bucket : buckets)
        order.insert(order.end(), bucket.begin(), bucket.end());
    return order;
}

// A decimal as short as it can be written, to the thousandth.
void AppendDecimal(PdfByteBuffer& s, double v)
{
    const qint64 thousandths = std::llround(v * 1000);
    if (thousandths < 0)
        s.Append('-');
    const qint64 a = thousandths < 0 ? -thousandths : thousandths;
    s.AppendNumber(a / 1000);
    qint64 fraction = a % 1000;
    if (fraction == 0)
        return;
    char digits[4] = {char('.'), char('0' + fraction / 100), char('0' + fraction / 10 % 10),
                      char('0' + fraction % 10)};
    size_t n = 4;
    while (digits[n - 1] == '0')
        --n;
    s.Append(digits, n);
}

} // namespace

CPdfWriter::CPdfWriter()
    : m_fonts(std::make_unique<CPdfFontSet>()), m_layout(std::make_unique<CPdfTextLayout>(*m_fonts))
{
}

CPdfWriter::~CPdfWriter() = default;

void CPdfWriter::NewPage()
{
    m_nCurrentPage = ++m_nLastObject;
    m_pages.push_back({m_nCurrentPage, {}});
}

void CPdfWriter::BeginStream()
{
    m_contentText.BeginPiece();
    m_contentText.Commit(m_contentText.Room(kHeaderRoom) + kHeaderRoom);
}

void CPdfWriter::AddContentObject(const char* lengthEnd)
{
    const qint32 number = ++m_nLastObject;
    char header[kHeaderRoom];
    char* h = header;
    h = std::to_chars(h, header + 12, number).ptr;
    static constexpr char kLength[] = " 0 obj<</Length ";
    h = std::copy(kLength, kLength + sizeof kLength - 1, h);
    h = std::to_chars(h, h + 21, qint64(m_contentText.PieceSize() - kHeaderRoom)).ptr;
    h = std::copy(lengthEnd, lengthEnd + std::strlen(lengthEnd), h);
    const size_t headerSize = size_t(h - header);
    m_contentText.Append("\r\nendstream\rendobj\n");
    char* object = m_contentText.PieceData() + kHeaderRoom - headerSize;
    std::memcpy(object, header, headerSize);
    const qsizetype size = qsizetype(m_contentText.PieceSize() - (kHeaderRoom - headerSize));
    m_contents.push_back({number, object, size});
    m_contentBytes += size;
    // Content made before the first page stays in the file, unreferenced.
    if (m_nCurrentPage != 0)
        m_pages.back().contents.push_back(number);
}

void CPdfWriter::BeginTextObject(int x, int y, int size)
{
    BeginStream();
    PdfByteBuffer& s = m_contentText;
    s.Append("0 g\r1 i \rBT\r/F1 ");
    s.AppendNumber(size);
    s.Append(" Tf\r0 Tc 0 Tw 0  Ts 100  Tz 0 Tr 1.2 TL 12 0 0 12 ");
    s.AppendNumber(x);
    s.Append(' ');
    s.AppendNumber(y);
    s.Append(" Tm \r");
}

void CPdfWriter::BeginTextStream(int x, int y, int size)
{
    BeginTextObject(x, y, size);
    m_contentText.Append("T* (");
}

void CPdfWriter::EndTextStream()
{
    m_contentText.Append(") Tj \rET");
    AddContentObject(">>stream\r\n");
}

// One line of shown text. Base font codes go into the open literal string
// with "\", "(" and ")" escaped; a run of an embedded font closes it, shows
// its CIDs as a hex string and returns to F1, so every line starts and ends
// in the base font.
void CPdfWriter::AppendTokens(const quint32* begin, const quint32* end, int size)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    PdfByteBuffer& s = m_contentText;
    const quint32* t = begin;
    while (t < end) {
        if (*t < 256) {
            // At most two bytes a code.
            char* o = s.Room(2 * size_t(end - t) + 16);
#if defined(__SSE2__)
            // Eight codes at a time while none needs escaping.
            while (end - t >= 8) {
                const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t));
                const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + 4));
                if (_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_srli_epi32(_mm_or_si128(a, b), 8),
                                                      _mm_setzero_si128())) != 0xFFFF)
                    break;
                const __m128i words = _mm_packs_epi32(a, b);
                const __m128i bytes = _mm_packus_epi16(words, words);
                const __m128i special = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\\')),
                                                                  _mm_cmpeq_epi8(bytes, _mm_set1_epi8('('))),
                                                     _mm_cmpeq_epi8(bytes, _mm_set1_epi8(')')));
                if ((_mm_movemask_epi8(special) & 0xFF) != 0)
                    break;
                _mm_storel_epi64(reinterpret_cast<__m128i*>(o), bytes);
                t += 8;
                o += 8;
            }
#endif
            for (; t < end && *t < 256; ++t) {
                const char c = char(*t);
                if (c == '\\' || c == '(' || c == ')')
                    *o++ = '\\';
                *o++ = c;
            }
            s.Commit(o);
            continue;
        }
        const quint32 font = *t >> 16;
        s.Append(")Tj /F");
        s.AppendNumber(qint64(font) + 1);
        s.Append(' ');
        s.AppendNumber(size);
        s.Append(" Tf <");
        char* o = s.Room(4 * size_t(end - t));
        for (; t < end && *t >= 256 && (*t >> 16) == font; ++t) {
            const quint32 cid = *t & 0xFFFF;
            *o++ = kHex[cid >> 12];
            *o++ = kHex[(cid >> 8) & 15];
            *o++ = kHex[(cid >> 4) & 15];
            *o++ = kHex[cid & 15];
        }
        s.Commit(o);
        s.Append(">Tj /F1 ");
        s.AppendNumber(size);
        s.Append(" Tf (");
    }
}

void CPdfWriter::AddTextBlock(const QString& text, int x, int y, int size, int right)
{
    if (CPdfFontSet::NeedsLayout(text)) {
        AddLaidOutBlock(text, x, y, size, right);
        return;
    }
    m_tokens.clear();
    m_fonts->Encode(text, &m_tokens);
    BeginTextStream(x, y, size);
    const quint32* t = m_tokens.data();
    const quint32* end = t + m_tokens.size();
    while (t < end) {
        const quint32* lineEnd = std::find(t, end, CPdfFontSet::kLineBreak);
        AppendTokens(t, lineEnd, size);
        if (lineEnd == end)
            break;
        m_contentText.Append(kLineSeparator);
        t = lineEnd + 1;
    }
    EndTextStream();
}

// One laid-out line: "T*", then the glyphs in TJ arrays, each glyph placed
// where the shaper puts it by the array's adjustments (its advance and
// offset against the font's width for it) and a text rise for marks set
// above or below. Silent glyphs come after the others, so that readers find
// the line's text in one piece. A right-to-left line first moves its start
// so that it ends at right, and moves back after it.
void CPdfWriter::AppendLaidOutLine(const CPdfTextLayout::Line& line, int x, int right, int size,
                                   LineState& state)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    PdfByteBuffer& s = m_contentText;
    s.Append("T*");
    // In text space, where a unit is kTextScale points.
    // A line wider than its room runs over to the left, as a left-to-right
    // one runs over to the right, but not off the page.
    double shift = 0;
    if (line.rightToLeft && right > x)
        shift = std::max(-double(x) / kTextScale,
                         double(right - x) / kTextScale - double(line.width) * size / 1000.0);
    if (shift != 0) {
        s.Append(' ');
        AppendDecimal(s, shift);
        s.Append(" 0 Td");
    }

    enum class Open
    {
        Nothing,
        Array,
        Literal,
        Hex
    };
    Open open = Open::Nothing;
    auto closeString = [&] {
        if (open == Open::Literal)
            s.Append(')');
        else if (open == Open::Hex)
            s.Append('>');
        if (open != Open::Nothing)
            open = Open::Array;
    };
    auto closeArray = [&] {
        closeString();
        if (open == Open::Array)
            s.Append("]TJ");
        open = Open::Nothing;
    };
    // Where the shaper puts each glyph, thousandths of an em from the start.
    std::vector<qint64> at(line.glyphs.size());
    std::vector<size_t> order;
    order.reserve(line.glyphs.size());
    qint64 x0 = 0;
    for (size_t i = 0; i < line.glyphs.size(); ++i) {
        at[i] = x0 + line.glyphs[i].xOffset;
        x0 += line.glyphs[i].advance;
        if (!line.glyphs[i].silent)
            order.push_back(i);
    }
    for (size_t i = 0; i < line.glyphs.size(); ++i) {
        if (line.glyphs[i].silent)
            order.push_back(i);
    }
    qint64 pen = 0; // where the reader's text position is
    for (size_t i : order) {
        const CPdfTextLayout::Glyph& glyph = line.glyphs[i];
        const int font = int(glyph.token >> 16);
        if (font != state.font || glyph.yOffset != state.rise) {
            closeArray();
            if (font != state.font) {
                s.Append(" /F");
                s.AppendNumber(qint64(font) + 1);
                s.Append(' ');
                s.AppendNumber(size);
                s.Append(" Tf");
                state.font = font;
            }
            if (glyph.yOffset != state.rise) {
                s.Append(' ');
                AppendDecimal(s, double(glyph.yOffset) * size / 1000.0);
                s.Append(" Ts");
                state.rise = glyph.yOffset;
            }
        }
        if (open == Open::Nothing) {
            s.Append(" [");
            open = Open::Array;
        }
        const qint64 target = at[i];
        if (pen != target) {
            closeString();
            // A positive number moves the next glyph to the left.
            s.AppendNumber(pen - target);
        }
        if (font == 0) {
            if (open != Open::Literal) {
                closeString();
                s.Append('(');
                open = Open::Literal;
            }
            const char c = char(glyph.token);
            if (c == '\\' || c == '(' || c == ')')
                s.Append('\\');
            s.Append(c);
        } else {
            if (open != Open::Hex) {
                closeString();
                s.Append('<');
                open = Open::Hex;
            }
            const quint32 cid = glyph.token & 0xFFFF;
            const char hex[4] = {kHex[cid >> 12], kHex[(cid >> 8) & 15], kHex[(cid >> 4) & 15],
                                 kHex[cid & 15]};
            s.Append(hex, 4);
        }
        pen = target + m_fonts->Width(glyph.token);
    }
    closeArray();
    if (shift != 0) {
        s.Append(' ');
        AppendDecimal(s, -shift);
        s.Append(" 0 Td");
    }
    s.Append('\r');
}

void CPdfWriter::EndLaidOutStream(const LineState& state)
{
    // Later blocks of the page start from no rise, as the others set it.
    if (state.rise != 0)
        m_contentText.Append("0 Ts\r");
    m_contentText.Append("ET");
    AddContentObject(">>stream\r\n");
}

void CPdfWriter::AddLaidOutBlock(const QString& text, int x, int y, int size, int right)
{
    BeginTextObject(x, y, size);
    LineState state;
    for (const CPdfTextLayout::Line& line : m_layout->Layout(text, -1))
        AppendLaidOutLine(line, x, right, size, state);
    EndLaidOutStream(state);
}

void CPdfWriter::AddLaidOutParagraph(const QString& text, int x, int y, int size, int unit, int right)
{
    const std::vector<CPdfTextLayout::Line> lines =
        m_layout->Layout(text, MaxUnits(unit, std::max<qint64>(0, qint64(right) - x) * 1000, size));
    const qint64 step = 2 * qint64(unit);

    // Pages break as for the base font's paragraphs.
    bool open = false;
    LineState state;
    qint64 h = y;
    int y0 = y;
    for (const CPdfTextLayout::Line& line : lines) {
        h -= step;
        if (h < kPageBottom) {
            if (!open) {
                BeginTextObject(x, y0, size);
                state = LineState();
            }
            EndLaidOutStream(state);
            open = false;
            NewPage();
            y0 = kPageTop;
            h = kPageTop;
        }
        if (!open) {
            BeginTextObject(x, y0, size);
            state = LineState();
            open = true;
        }
        AppendLaidOutLine(line, x, right, size, state);
    }
    if (open)
        EndLaidOutStream(state);
}

void CPdfWriter::DrawLine(int x1, int y1, int x2, int y2, int width)
{
    BeginStream();
    PdfByteBuffer& s = m_contentText;
    s.AppendNumber(width);
    s.Append(" w\r\n");
    s.AppendNumber(x1);
    s.Append(' ');
    s.AppendNumber(y1);
    s.Append(" m\r\n");
    s.AppendNumber(x2);
    s.Append(' ');
    s.AppendNumber(y2);
    s.Append(" l\r\nS");
    AddContentObject(" >>stream\r\n");
}

// Splits m_tokens into output lines: at every line break, and where a line
// is wider than the 500 pixel measure or than maxPoints1000 (points times
// 1000; negative for no limit) at size. A line that does not fit is cut
// after its last blank that fits, else after its last hyphen, else after
// the glyphs that fit; a trailing blank stays on the line.
qint64 CPdfWriter::MaxUnits(int unit, qint64 maxPoints1000, int size)
{
    const qint64 cell = std::clamp<qint64>(qint64(unit) * 9 / 5, 0, 1 << 20);
    qint64 maxUnits =
        cell > 0 ? qint64(kWrapWidth) * kHelveticaCellUnits / cell : std::numeric_limits<qint64>::max();
    if (maxPoints1000 >= 0 && size > 0)
        maxUnits = std::min(maxUnits, maxPoints1000 / (qint64(kTextScale) * size));
    return maxUnits;
}

void CPdfWriter::WrapTokens(int unit, qint64 maxPoints1000, int size)
{
    const qint64 maxUnits = MaxUnits(unit, maxPoints1000, size);

    m_lines.clear();
    const quint16* baseWidths = m_fonts->Base().Widths();
    const quint32* tokens = m_tokens.data();
    const size_t count = m_tokens.size();
    size_t pos = 0; // start of the output line
    for (;;) {
        // Most lines fit: measure up to the line break or the first glyph
        // that does not fit.
        qint64 units = 0;
        size_t i = pos;
        // Eight base font codes at a time while they all fit.
        while (count - i >= 8) {
            const quint32* t = tokens + i;
            if ((t[0] | t[1] | t[2] | t[3] | t[4] | t[5] | t[6] | t[7]) >= 256)
                break;
            const qint64 eight = qint64(baseWidths[t[0]]) + baseWidths[t[1]] + baseWidths[t[2]] +
                                 baseWidths[t[3]] + baseWidths[t[4]] + baseWidths[t[5]] + baseWidths[t[6]] +
                                 baseWidths[t[7]];
            if (units + eight > maxUnits)
                break;
            units += eight;
            i += 8;
        }
        for (; i < count; ++i) {
            const quint32 t = tokens[i];
            if (t < 256)
                units += baseWidths[t];
            else if (t == CPdfFontSet::kLineBreak)
                break;
            else
                units += m_fonts->Width(t);
            if (units > maxUnits)
                break;
        }
        if (i == count || tokens[i] == CPdfFontSet::kLineBreak) {
            m_lines.push_back({pos, i});
            if (i == count)
                break;
            pos = i + 1;
            continue;
        }

        const size_t fit = i - pos;
        size_t cut = 0;
        for (size_t k = fit; k > 0 && cut == 0; --k) {
            if (tokens[pos + k - 1] == CPdfFontSet::kBlank)
                cut = k;
        }
        for (size_t k = fit; k > 0 && cut == 0; --k) {
            if (tokens[pos + k - 1] == CPdfFontSet::kHyphen)
                cut = k;
        }
        if (cut == 0)
            cut = fit;
        // A single glyph wider than the line still has to move on.
        if (cut == 0)
            cut = 1;
        m_lines.push_back({pos, pos + cut});
        pos += cut;
        // A cut that ends the line leaves no empty line behind.
        if (pos == count)
            break;
        if (tokens[pos] == CPdfFontSet::kLineBreak)
            ++pos;
    }
}

QStringList CPdfWriter::WrapLines(const QString& text, int unit)
{
    CPdfWriter writer;
    if (CPdfFontSet::NeedsLayout(text)) {
        QStringList lines;
        for (const CPdfTextLayout::Line& line : writer.m_layout->Layout(text, MaxUnits(unit, -1, 1)))
            lines.append(line.text);
        return lines;
    }
    writer.m_fonts->Encode(text, &writer.m_tokens);
    writer.WrapTokens(unit, -1, 1);
    QStringList lines;
    for (const LineRange& line : writer.m_lines)
        lines.append(
            writer.m_fonts->Text(writer.m_tokens.data() + line.begin, writer.m_tokens.data() + line.end));
    return lines;
}

void CPdfWriter::AddParagraph(const QString& text, int x, int y, int size, int unit, int right)
{
    if (CPdfFontSet::NeedsLayout(text)) {
        AddLaidOutParagraph(text, x, y, size, unit, right);
        return;
    }
    m_tokens.clear();
    m_fonts->Encode(text, &m_tokens);
    WrapTokens(unit, std::max<qint64>(0, qint64(right) - x) * 1000, size);
    const qint64 step = 2 * qint64(unit);

    bool open = false;
    qint64 h = y;
    int y0 = y;
    for (const LineRange& line : m_lines) {
        h -= step;
        if (h < kPageBottom) {
            if (!open)
                BeginTextStream(x, y0, size);
            EndTextStream();
            open = false;
            NewPage();
            y0 = kPageTop;
            h = kPageTop;
        }
        if (!open) {
            BeginTextStream(x, y0, size);
            open = true;
        }
        AppendTokens(m_tokens.data() + line.begin, m_tokens.data() + line.end, size);
        m_contentText.Append(kLineSeparator);
    }
    if (open)
        EndTextStream();
}

QString CPdfWriter::ElideText(const QString& text, int size, int width) const
{
    const qint64 limit = size > 0 ? qint64(std::max(width, 0)) * 1000 / (qint64(kTextScale) * size) : 0;
    const QChar ellipsis(0x2026);
    if (CPdfFontSet::NeedsLayout(text)) {
        // Shaped widths; the cut falls between clusters as they are shaped.
        // A letter at the cut may take a wider form than it had inside the
        // word, so the result is measured again until it fits.
        if (m_layout->Width(text) <= limit)
            return text;
        const qint64 room = limit - m_fonts->CharWidth(ellipsis.unicode());
        QString composed;
        qsizetype kept = m_layout->FittingPrefix(text, room, &composed);
        for (;;) {
            QString shown = composed.left(kept);
            while (!shown.isEmpty() && shown.back().isSpace())
                shown.chop(1);
            shown += ellipsis;
            if (kept == 0 || m_layout->Width(shown) <= limit)
                return shown;
            kept = m_layout->FittingPrefix(composed.left(kept - 1), room, nullptr);
        }
    }
    if (m_fonts->TextWidth(text) <= limit)
        return text;

    const QString composed = text.normalized(QString::NormalizationForm_C);
    const qint64 room = limit - m_fonts->CharWidth(ellipsis.unicode());
    // Cut between grapheme clusters, so an accent never loses its letter.
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, composed);
    qsizetype kept = 0;
    qint64 used = 0;
    for (qsizetype next = graphemes.toNextBoundary(); next > 0; next = graphemes.toNextBoundary()) {
        const qint64 cluster = m_fonts->TextWidth(QStringView(composed).mid(kept, next - kept));
        if (used + cluster > room)
            break;
        used += cluster;
        kept = next;
    }
    QString shown = composed.left(kept);
    while (!shown.isEmpty() && shown.back().isSpace())
        shown.chop(1);
    return shown + ellipsis;
}

const std::vector<char32_t>& CPdfWriter::MissingCharacters() const
{
    return m_fonts->MissingCharacters();
}

QByteArray CPdfWriter::Document(QString* errorText) const
{
    QString error;

    // Embedded fonts take the numbers after the last content object.
    std::vector<QByteArray> fontObjects;
    QByteArray fontResources;
    qint32 lastObject = m_nLastObject;
    for (int i = 0; i < m_fonts->EmbeddedCount(); ++i) {
        const CPdfEmbeddedFont& font = m_fonts->Embedded(i);
        const qint32 first = lastObject + 1;
        QString fontError;
        if (!font.MakeObjects(first, &fontObjects, &fontError)) {
            if (error.isEmpty())
                error = fontError;
            continue;
        }
        fontResources += " /F" + QByteArray::number(i + 2) + ' ' + QByteArray::number(first) + " 0 R";
        lastObject += font.ObjectCount();
    }
    if (errorText)
        *errorText = error;

    qsizetype total = 1024 + m_contentBytes + qsizetype(lastObject) * 20 +
                      qsizetype(m_pages.size()) * (200 + fontResources.size());
    for (const Page& page : m_pages)
        total += qsizetype(page.contents.size()) * 12;
    for (const QByteArray& object : fontObjects)
        total += object.size();

    QByteArray doc;
    doc.reserve(total);
    std::vector<qint64> offsets(size_t(lastObject) + 1, 0);

    doc += "%PDF-1.4\r\n";
    offsets[1] = doc.size();
    doc += "1 0 obj<</Type /Catalog /Pages 4 0 R>>\nendobj\r";
    offsets[2] = doc.size();
    doc += "2 0 obj\r\n[/PDF /Text]\r\nendobj\n";
    offsets[3] = doc.size();
    doc += "3 0 obj\r\n<< /Type /Font /Subtype /Type1 /Name /F1 /BaseFont /Helvetica /Encoding ";
    doc += m_fonts->Base().EncodingText();
    doc += ">>endobj\r\n";

    offsets[4] = doc.size();
    doc += "4 0 obj<</Type /Pages /Kids [";
    for (const Page& page : m_pages) {
        AppendNumber(doc, page.number);
        doc += " 0 R ";
    }
    doc += "] /Count ";
    AppendNumber(doc, qint64(m_pages.size()));
    doc += ">>\nendobj\r";

    std::vector<qint32> pageNumbers;
    pageNumbers.reserve(m_pages.size());
    for (const Page& page : m_pages)
        pageNumbers.push_back(page.number);
    // Where each object number is in m_pages or m_contents.
    std::vector<qint32> index(size_t(m_nLastObject) + 1, -1);
    for (size_t i = 0; i < m_pages.size(); ++i)
        index[size_t(m_pages[i].number)] = qint32(i);
    for (size_t i = 0; i < m_contents.size(); ++i)
        index[size_t(m_contents[i].number)] = qint32(i);

    for (qint32 n : EnumerationOrder(pageNumbers)) {
        const Page& page = m_pages[size_t(index[size_t(n)])];
        offsets[size_t(n)] = doc.size();
        AppendNumber(doc, n);
        doc += " 0 obj<</Type /Page /Parent 4 0 R /MediaBox[0 0 612 792] /Contents [";
        for (qint32 content : page.contents) {
            AppendNumber(doc, content);
            doc += " 0 R ";
        }
        doc += "] /Resources<</ProcSet 2 0 R\r\n/Font << /F1 3 0 R";
        doc += fontResources;
        doc += ">>>>>>\nendobj\n";
    }

    std::vector<qint32> contentNumbers;
    contentNumbers.reserve(m_contents.size());
    for (const Content& content : m_contents)
        contentNumbers.push_back(content.number);
    for (qint32 n : EnumerationOrder(contentNumbers)) {
        const Content& content = m_contents[size_t(index[size_t(n)])];
        offsets[size_t(n)] = doc.size();
        doc.append(content.text, content.size);
    }

    qint32 number = m_nLastObject;
    for (const QByteArray& object : fontObjects) {
        offsets[size_t(++number)] = doc.size();
        doc += object;
    }

    const qint64 xref = doc.size();
    doc += "xref\r\n0 ";
    AppendNumber(doc, qint64(lastObject) + 1);
    doc += "\r\n0000000000 65535 f\r\n";
    const qsizetype entries = doc.size();
    doc.resize(entries + qsizetype(lastObject) * 20);
    char* entry = doc.data() + entries;
    for (qint32 n = 1; n <= lastObject; ++n, entry += 20) {
        qint64 offset = offsets[size_t(n)];
        for (int digit = 9; digit >= 0; --digit) {
            entry[digit] = char('0' + offset % 10);
            offset /= 10;
        }
        std::memcpy(entry + 10, " 00000 n\r\n", 10);
    }
    doc += "trailer\n<</Size ";
    AppendNumber(doc, qint64(lastObject) + 1);
    doc += "/Root 1 0 R>>\r\nstartxref\r\n";
    AppendNumber(doc, xref);
    doc += "\r\n%%EOF\r\n";
    return doc;
}

bool CPdfWriter::Save(const QString& path, QString* errorText) const
{
    QString reason;
    const QByteArray doc = Document(&reason);
    if (!reason.isEmpty()) {
        if (errorText)
            *errorText = reason;
        return false;
    }
    // The one save path of every export: the old file stays whole on failure.
    return SaveExportFile(path, doc, errorText);
}
