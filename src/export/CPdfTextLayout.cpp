#include "export/CPdfTextLayout.h"

#include "export/CPdfFontFace.h"
#include "export/CPdfFontFinder.h"
#include "export/CPdfFontSet.h"
#include "export/HelveticaMetrics.h"

#include <hb.h>
#include <unicode/ubidi.h>
#include <unicode/ubrk.h>
#include <unicode/uchar.h>
#include <unicode/uscript.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

namespace {

constexpr int kTabBlanks = CPdfFontSet::kTabBlanks;

bool IsControl(char16_t u)
{
    return u < 0x20 || (u >= 0x7F && u < 0xA0);
}

bool IsIgnorable(char32_t c)
{
    return u_hasBinaryProperty(UChar32(c), UCHAR_DEFAULT_IGNORABLE_CODE_POINT);
}

// The characters of text that have a glyph: default ignorables (joiners,
// direction marks, variation selectors) are shown by none.
std::vector<char32_t> Visible(QStringView text)
{
    std::vector<char32_t> out;
    for (char32_t c : text.toUcs4()) {
        if (!IsIgnorable(c))
            out.push_back(c);
    }
    return out;
}

QString Reversed(QStringView text)
{
    QList<uint> chars = text.toUcs4();
    std::reverse(chars.begin(), chars.end());
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(chars.constData()), chars.size());
}

struct IcuBidi
{
    UBiDi* p = nullptr;
    ~IcuBidi()
    {
        if (p)
            ubidi_close(p);
    }
};

struct IcuBreaks
{
    UBreakIterator* p = nullptr;
    ~IcuBreaks()
    {
        if (p)
            ubrk_close(p);
    }
};

struct HbBuffer
{
    hb_buffer_t* p = hb_buffer_create();
    ~HbBuffer() { hb_buffer_destroy(p); }
};

// What a cluster is drawn with.
struct Choice
{
    enum Kind : quint8
    {
        Base,    // the base font, a code a character
        Face,    // an installed font, shaped
        Missing, // no font has it: the replacement mark
        Hidden   // nothing to draw (direction marks and joiners alone)
    };
    Kind kind = Hidden;
    const CPdfFontFace* face = nullptr;

    bool operator==(const Choice& other) const { return kind == other.kind && face == other.face; }
};

struct ShapedGlyph
{
    quint32 token;
    qint32 advance;
    qint32 xOffset;
    qint32 yOffset;
    qsizetype cluster; // where its characters start in the paragraph
    bool silent;       // reads as nothing
};

// Consecutive clusters with one font, level and script.
struct Item
{
    qsizetype start;
    qsizetype end;
    quint8 level;
    UScriptCode script;
    Choice choice;
    // Left to right in the item's own direction: a right-to-left item's
    // glyphs come backwards, as the shaper gives them.
    std::vector<ShapedGlyph> glyphs;
};

// One line of text between line breaks, shaped as a whole; its lines after
// wrapping are cut out of it.
class Paragraph
{
public:
    Paragraph(CPdfFontSet& fonts, QString text);

    qint64 Width(qsizetype begin, qsizetype end) const
    {
        qint64 width = 0;
        for (qsizetype i = begin; i < end; ++i)
            width += m_advance[size_t(i)];
        return width;
    }
    std::vector<std::pair<qsizetype, qsizetype>> Break(qint64 maxUnits) const;
    qsizetype Fitting(qint64 maxUnits) const;
    CPdfTextLayout::Line MakeLine(qsizetype begin, qsizetype end) const;

private:
    void Itemize(const std::vector<qsizetype>& graphemes);
    void ShapeBase(Item& item);
    void ShapeFace(Item& item, hb_buffer_t* buffer);
    void ShapeMissing(Item& item, qsizetype begin, qsizetype end);
    void AddCluster(Item& item, const hb_glyph_info_t* info, const hb_glyph_position_t* pos, unsigned first,
                    unsigned last, qsizetype clusterEnd);

    CPdfFontSet& m_fonts;
    QString m_text;
    IcuBidi m_bidi;
    quint8 m_paraLevel = 0;
    std::vector<quint8> m_levels;      // a level a UTF-16 unit
    std::vector<qint64> m_advance;     // each cluster's width at its first unit
    std::vector<bool> m_boundary;      // a line may end before unit i (size + 1 entries)
    std::vector<bool> m_opportunity;   // the script allows a line break before unit i
    std::vector<UScriptCode> m_script; // a script a unit, common ones taking their neighbours'
    std::vector<Item> m_items;
};

Paragraph::Paragraph(CPdfFontSet& fonts, QString text) : m_fonts(fonts), m_text(std::move(text))
{
    const qsizetype n = m_text.size();
    m_advance.assign(size_t(n), 0);
    m_boundary.assign(size_t(n) + 1, false);
    m_opportunity.assign(size_t(n) + 1, false);
    m_boundary[0] = true;
    m_boundary[size_t(n)] = true;
    if (n == 0)
        return;
    const UChar* units = reinterpret_cast<const UChar*>(m_text.utf16());

    // Levels of the bidirectional algorithm; the paragraph takes the
    // direction of its first strong character.
    UErrorCode status = U_ZERO_ERROR;
    m_bidi.p = ubidi_openSized(int32_t(n), 0, &status);
    if (U_SUCCESS(status))
        ubidi_setPara(m_bidi.p, units, int32_t(n), UBIDI_DEFAULT_LTR, nullptr, &status);
    const UBiDiLevel* levels = U_SUCCESS(status) ? ubidi_getLevels(m_bidi.p, &status) : nullptr;
    if (levels && U_SUCCESS(status)) {
        m_levels.assign(levels, levels + n);
        m_paraLevel = ubidi_getParaLevel(m_bidi.p);
    } else {
        m_levels.assign(size_t(n), 0);
        if (m_bidi.p)
            ubidi_close(m_bidi.p);
        m_bidi.p = nullptr;
    }

    // Grapheme clusters, which never lose a mark to the next line.
    std::vector<qsizetype> graphemes;
    {
        status = U_ZERO_ERROR;
        IcuBreaks chars;
        chars.p = ubrk_open(UBRK_CHARACTER, "", units, int32_t(n), &status);
        if (U_SUCCESS(status)) {
            for (int32_t b = ubrk_first(chars.p); b != UBRK_DONE; b = ubrk_next(chars.p))
                graphemes.push_back(b);
        }
        if (graphemes.size() < 2 || graphemes.back() != n) {
            graphemes.clear();
            for (qsizetype i = 0; i < n; ++i) {
                if (!QChar::isLowSurrogate(m_text.at(i).unicode()) || i == 0)
                    graphemes.push_back(i);
            }
            graphemes.push_back(n);
        }
        for (qsizetype b : graphemes)
            m_boundary[size_t(b)] = true;
    }
    // Where the script allows a line to end (between Thai words, between
    // ideographs, after blanks and hyphens).
    {
        status = U_ZERO_ERROR;
        IcuBreaks lines;
        lines.p = ubrk_open(UBRK_LINE, "", units, int32_t(n), &status);
        if (U_SUCCESS(status)) {
            for (int32_t b = ubrk_first(lines.p); b != UBRK_DONE; b = ubrk_next(lines.p))
                m_opportunity[size_t(b)] = true;
        }
    }
    // Scripts: common characters (blanks, digits, punctuation) and marks go
    // with the script before them, or after them at the start.
    m_script.assign(size_t(n), USCRIPT_COMMON);
    UScriptCode last = USCRIPT_COMMON;
    for (qsizetype i = 0; i < n;) {
        const char32_t c = QChar::isHighSurrogate(m_text.at(i).unicode()) && i + 1 < n
                               ? QChar::surrogateToUcs4(m_text.at(i), m_text.at(i + 1))
                               : m_text.at(i).unicode();
        const qsizetype size = c > 0xFFFF ? 2 : 1;
        status = U_ZERO_ERROR;
        UScriptCode script = uscript_getScript(UChar32(c), &status);
        if (U_FAILURE(status) || script == USCRIPT_COMMON || script == USCRIPT_INHERITED)
            script = last;
        else
            last = script;
        for (qsizetype k = i; k < i + size && k < n; ++k)
            m_script[size_t(k)] = script;
        i += size;
    }
    const auto firstReal =
        std::find_if(m_script.begin(), m_script.end(), [](UScriptCode s) { return s != USCRIPT_COMMON; });
    if (firstReal != m_script.end())
        std::fill(m_script.begin(), firstReal, *firstReal);

    Itemize(graphemes);
}

void Paragraph::Itemize(const std::vector<qsizetype>& graphemes)
{
    CPdfFontFinder& finder = CPdfFontFinder::Instance();
    Choice previous;
    for (size_t g = 0; g + 1 < graphemes.size(); ++g) {
        const qsizetype begin = graphemes[g];
        const qsizetype end = graphemes[g + 1];
        const std::vector<char32_t> chars = Visible(QStringView(m_text).mid(begin, end - begin));
        const bool rtl = (m_levels[size_t(begin)] & 1) != 0;
        Choice choice;
        if (chars.empty()) {
            // Joiners and marks of direction go with the font before them,
            // whose shaping they steer; alone they draw nothing.
            if (previous.kind == Choice::Face)
                choice = previous;
        } else {
            // Mirrored in right-to-left text, a bracket needs a glyph that
            // reads as the other one: the shaper's.
            bool base = std::all_of(chars.begin(), chars.end(), [&](char32_t c) {
                return HelveticaGlyphIndex(c) >= 0 && !(rtl && u_isMirrored(UChar32(c)));
            });
            // Codes are handed out only to clusters the base font shows.
            base = base && std::all_of(chars.begin(), chars.end(), [&](char32_t c) {
                       return m_fonts.BaseToken(c) != CPdfFontSet::kNone;
                   });
            if (base) {
                choice.kind = Choice::Base;
            } else {
                choice.face = finder.FaceForAll(chars);
                // With no font for all of it, the first character's font
                // draws what it has and marks what it lacks.
                if (!choice.face)
                    choice.face = finder.FaceFor(chars.front());
                choice.kind = choice.face ? Choice::Face : Choice::Missing;
            }
        }
        previous = choice;

        const quint8 level = m_levels[size_t(begin)];
        const UScriptCode script = m_script[size_t(begin)];
        if (!m_items.empty()) {
            Item& item = m_items.back();
            if (item.choice == choice && item.level == level &&
                (choice.kind != Choice::Face || item.script == script)) {
                item.end = end;
                continue;
            }
        }
        m_items.push_back({begin, end, level, script, choice, {}});
    }

    HbBuffer buffer;
    for (Item& item : m_items) {
        switch (item.choice.kind) {
        case Choice::Base:
            ShapeBase(item);
            break;
        case Choice::Face:
            ShapeFace(item, buffer.p);
            break;
        case Choice::Missing:
            for (size_t g = 0; g + 1 < graphemes.size(); ++g) {
                if (graphemes[g] >= item.start && graphemes[g] < item.end)
                    ShapeMissing(item, graphemes[g], graphemes[g + 1]);
            }
            if (item.level & 1)
                std::reverse(item.glyphs.begin(), item.glyphs.end());
            break;
        case Choice::Hidden:
            break;
        }
        for (const ShapedGlyph& glyph : item.glyphs)
            m_advance[size_t(glyph.cluster)] += glyph.advance;
    }
}

void Paragraph::ShapeBase(Item& item)
{
    for (qsizetype i = item.start; i < item.end;) {
        char32_t c = m_text.at(i).unicode();
        qsizetype size = 1;
        if (QChar::isHighSurrogate(char16_t(c)) && i + 1 < item.end) {
            c = QChar::surrogateToUcs4(m_text.at(i), m_text.at(i + 1));
            size = 2;
        }
        const quint32 token = IsIgnorable(c) ? CPdfFontSet::kNone : m_fonts.BaseToken(c);
        if (token != CPdfFontSet::kNone)
            item.glyphs.push_back({token, m_fonts.Width(token), 0, 0, i, false});
        i += size;
    }
    // Stored as the shaper stores right-to-left runs.
    if (item.level & 1)
        std::reverse(item.glyphs.begin(), item.glyphs.end());
}

void Paragraph::ShapeMissing(Item& item, qsizetype begin, qsizetype end)
{
    const QStringView cluster = QStringView(m_text).mid(begin, end - begin);
    const std::vector<char32_t> chars = Visible(cluster);
    if (chars.empty())
        return;
    const quint32 token =
        m_fonts.ReplacementToken((item.level & 1) ? Reversed(cluster) : cluster.toString(), chars);
    item.glyphs.push_back({token, m_fonts.Width(token), 0, 0, begin, false});
}

void Paragraph::ShapeFace(Item& item, hb_buffer_t* buffer)
{
    hb_font_t* font = item.choice.face->HarfBuzzFont();
    if (!font || !buffer) {
        // The file went away since it was found: marks instead.
        item.choice.kind = Choice::Missing;
        qsizetype begin = item.start;
        for (qsizetype i = item.start + 1; i <= item.end; ++i) {
            if (m_boundary[size_t(i)]) {
                ShapeMissing(item, begin, i);
                begin = i;
            }
        }
        if (item.level & 1)
            std::reverse(item.glyphs.begin(), item.glyphs.end());
        return;
    }
    const bool rtl = (item.level & 1) != 0;
    hb_buffer_clear_contents(buffer);
    // The whole paragraph is context, so letters join across font changes.
    hb_buffer_add_utf16(buffer, reinterpret_cast<const uint16_t*>(m_text.utf16()), int(m_text.size()),
                        unsigned(item.start), int(item.end - item.start));
    hb_buffer_set_direction(buffer, rtl ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
    hb_buffer_set_script(buffer, hb_script_from_string(uscript_getShortName(item.script), -1));
    hb_buffer_set_language(buffer, hb_language_get_default());
    unsigned flags = HB_BUFFER_FLAG_REMOVE_DEFAULT_IGNORABLES;
    if (item.start == 0)
        flags |= HB_BUFFER_FLAG_BOT;
    if (item.end == m_text.size())
        flags |= HB_BUFFER_FLAG_EOT;
    hb_buffer_set_flags(buffer, hb_buffer_flags_t(flags));
    hb_shape(font, buffer, nullptr, 0);

    unsigned count = 0;
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buffer, &count);
    // Where each cluster ends: at the next cluster's start in the text.
    std::vector<qsizetype> starts;
    starts.reserve(count);
    for (unsigned i = 0; i < count; ++i)
        starts.push_back(qsizetype(info[i].cluster));
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    auto clusterEnd = [&](qsizetype start) {
        const auto next = std::upper_bound(starts.begin(), starts.end(), start);
        return next == starts.end() ? item.end : *next;
    };

    // The shaper gives a right-to-left run's glyphs left to right already.
    for (unsigned first = 0; first < count;) {
        unsigned last = first + 1;
        while (last < count && info[last].cluster == info[first].cluster)
            ++last;
        AddCluster(item, info, pos, first, last, clusterEnd(qsizetype(info[first].cluster)));
        first = last;
    }
}

// Glyphs first..last - 1 of the shaper's output, one cluster of characters
// [cluster, clusterEnd).
void Paragraph::AddCluster(Item& item, const hb_glyph_info_t* info, const hb_glyph_position_t* pos,
                           unsigned first, unsigned last, qsizetype clusterEnd)
{
    const CPdfFontFace& face = *item.choice.face;
    const bool rtl = (item.level & 1) != 0;
    const qsizetype start = qsizetype(info[first].cluster);
    for (qsizetype i = start + 1; i < clusterEnd; ++i)
        m_boundary[size_t(i)] = false; // a conjunct or ligature stays on one line
    const QStringView text = QStringView(m_text).mid(start, clusterEnd - start);
    const std::vector<char32_t> chars = Visible(text);
    const unsigned n = last - first;

    auto units = [&](hb_position_t v) { return qint32(std::lround(double(v) * 1000.0 / face.UnitsPerEm())); };
    bool lacking = false;
    for (unsigned g = first; g < last; ++g)
        lacking = lacking || info[g].codepoint == 0;
    if (lacking) {
        std::vector<char32_t> missing;
        for (char32_t c : chars) {
            if (face.GlyphOf(c) == 0)
                missing.push_back(c);
        }
        const quint32 token = m_fonts.ReplacementToken(rtl ? Reversed(text) : text.toString(),
                                                       missing.empty() ? chars : missing);
        item.glyphs.push_back({token, m_fonts.Width(token), 0, 0, start, false});
        return;
    }

    // One glyph a character, each the font's own glyph for it, in the order
    // typed (from the right in a right-to-left run): each reads as its
    // character and the joiners after it.
    std::vector<QString> parts; // a visible character each, in the order typed
    for (qsizetype i = 0; i < text.size();) {
        char32_t c = text.at(i).unicode();
        qsizetype size = 1;
        if (QChar::isHighSurrogate(char16_t(c)) && i + 1 < text.size()) {
            c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            size = 2;
        }
        if (parts.empty() || !IsIgnorable(c))
            parts.emplace_back();
        parts.back() += text.mid(i, size);
        i += size;
    }
    auto charOf = [&](unsigned g) { return chars[rtl ? last - 1 - g : g - first]; };
    auto partOf = [&](unsigned g) { return parts[rtl ? last - 1 - g : g - first]; };
    bool oneToOne = chars.size() == n && parts.size() == n;
    for (unsigned g = first; oneToOne && g < last; ++g)
        oneToOne = info[g].codepoint == face.GlyphOf(charOf(g));
    if (oneToOne) {
        for (unsigned g = first; g < last; ++g) {
            const quint32 token =
                m_fonts.GlyphToken(face, info[g].codepoint, rtl ? Reversed(partOf(g)) : partOf(g));
            item.glyphs.push_back({token, units(pos[g].x_advance), units(pos[g].x_offset),
                                   units(pos[g].y_offset), start, false});
        }
        return;
    }
    // Otherwise the cluster's leftmost glyph reads as all of it and spans
    // its width, so that readers see one piece of text where the cluster
    // stands; the others read as nothing.
    qint32 clusterWidth = 0;
    for (unsigned g = first; g < last; ++g)
        clusterWidth += units(pos[g].x_advance);
    for (unsigned g = first; g < last; ++g) {
        const bool reads = g == first;
        const quint32 token =
            reads ? m_fonts.GlyphToken(face, info[g].codepoint, rtl ? Reversed(text) : text.toString(),
                                       std::max(0, clusterWidth - units(pos[g].x_offset)))
                  : m_fonts.GlyphToken(face, info[g].codepoint, QString());
        item.glyphs.push_back(
            {token, units(pos[g].x_advance), units(pos[g].x_offset), units(pos[g].y_offset), start, !reads});
    }
}

std::vector<std::pair<qsizetype, qsizetype>> Paragraph::Break(qint64 maxUnits) const
{
    const qsizetype n = m_text.size();
    std::vector<std::pair<qsizetype, qsizetype>> lines;
    if (n == 0 || maxUnits < 0) {
        lines.emplace_back(0, n);
        return lines;
    }
    qsizetype begin = 0;
    while (begin < n) {
        qint64 width = 0;
        qsizetype i = begin;
        for (; i < n; ++i) {
            width += m_advance[size_t(i)];
            if (width > maxUnits)
                break;
        }
        if (i == n) {
            lines.emplace_back(begin, n);
            break;
        }
        // Units begin..i - 1 fit.
        auto lastCut = [&](auto allowed) -> qsizetype {
            for (qsizetype k = i; k > begin; --k) {
                if (m_boundary[size_t(k)] && allowed(k))
                    return k;
            }
            return 0;
        };
        qsizetype cut = lastCut([&](qsizetype k) { return m_text.at(k - 1) == QLatin1Char(' '); });
        if (cut == 0)
            cut = lastCut([&](qsizetype k) { return m_text.at(k - 1) == QLatin1Char('-'); });
        if (cut == 0)
            cut = lastCut([&](qsizetype k) { return bool(m_opportunity[size_t(k)]); });
        if (cut == 0)
            cut = lastCut([](qsizetype) { return true; });
        // A cluster wider than the line still has to move on.
        if (cut == 0) {
            cut = begin + 1;
            while (!m_boundary[size_t(cut)])
                ++cut;
        }
        lines.emplace_back(begin, cut);
        begin = cut;
    }
    return lines;
}

qsizetype Paragraph::Fitting(qint64 maxUnits) const
{
    qsizetype fit = 0;
    qint64 width = 0;
    for (qsizetype i = 0; i < m_text.size(); ++i) {
        if (m_boundary[size_t(i)])
            fit = i;
        width += m_advance[size_t(i)];
        if (width > maxUnits)
            return fit;
    }
    return m_text.size();
}

CPdfTextLayout::Line Paragraph::MakeLine(qsizetype begin, qsizetype end) const
{
    CPdfTextLayout::Line line;
    line.rightToLeft = (m_paraLevel & 1) != 0;
    line.text = m_text.mid(begin, end - begin);
    if (begin == end)
        return line;

    // The line's runs in the order they stand, by the rules for a line
    // (blanks at its end take the paragraph's direction).
    struct Run
    {
        qsizetype start;
        qsizetype end;
        bool rtl;
    };
    std::vector<Run> runs;
    if (m_bidi.p) {
        UErrorCode status = U_ZERO_ERROR;
        IcuBidi lineBidi;
        lineBidi.p = ubidi_openSized(int32_t(end - begin), 0, &status);
        if (U_SUCCESS(status))
            ubidi_setLine(m_bidi.p, int32_t(begin), int32_t(end), lineBidi.p, &status);
        const int32_t count = U_SUCCESS(status) ? ubidi_countRuns(lineBidi.p, &status) : 0;
        for (int32_t r = 0; U_SUCCESS(status) && r < count; ++r) {
            int32_t start = 0;
            int32_t length = 0;
            const UBiDiDirection direction = ubidi_getVisualRun(lineBidi.p, r, &start, &length);
            runs.push_back({begin + start, begin + start + length, direction == UBIDI_RTL});
        }
        if (U_FAILURE(status))
            runs.clear();
    }
    if (runs.empty())
        runs.push_back({begin, end, false});

    for (const Run& run : runs) {
        std::vector<const Item*> items;
        for (const Item& item : m_items) {
            if (item.end > run.start && item.start < run.end)
                items.push_back(&item);
        }
        if (run.rtl)
            std::reverse(items.begin(), items.end());
        for (const Item* item : items) {
            const bool sameWay = ((item->level & 1) != 0) == run.rtl;
            auto add = [&](const ShapedGlyph& g) {
                if (g.cluster >= run.start && g.cluster < run.end) {
                    line.glyphs.push_back({g.token, g.advance, g.xOffset, g.yOffset, g.silent});
                    line.width += g.advance;
                }
            };
            if (sameWay)
                std::for_each(item->glyphs.begin(), item->glyphs.end(), add);
            else
                std::for_each(item->glyphs.rbegin(), item->glyphs.rend(), add);
        }
    }
    return line;
}

// The text between line breaks, as shown: tabs as blanks, control
// characters left out.
std::vector<QString> HardLines(QStringView text)
{
    const QString composed = text.toString().normalized(QString::NormalizationForm_C);
    std::vector<QString> lines(1);
    for (qsizetype i = 0; i < composed.size(); ++i) {
        const char16_t u = composed.at(i).unicode();
        if (u == '\r' || u == '\n' || u == 0x85 || u == 0x2028 || u == 0x2029) {
            if (u == '\r' && i + 1 < composed.size() && composed.at(i + 1) == QLatin1Char('\n'))
                ++i;
            lines.emplace_back();
        } else if (u == '\t') {
            lines.back() += QString(kTabBlanks, QLatin1Char(' '));
        } else if (!IsControl(u)) {
            lines.back() += QChar(u);
        }
    }
    return lines;
}

} // namespace

CPdfTextLayout::CPdfTextLayout(CPdfFontSet& fonts) : m_fonts(fonts) {}

std::vector<CPdfTextLayout::Line> CPdfTextLayout::Layout(QStringView text, qint64 maxUnits)
{
    std::vector<Line> lines;
    for (QString& hardLine : HardLines(text)) {
        const Paragraph paragraph(m_fonts, std::move(hardLine));
        for (const auto& [begin, end] : paragraph.Break(maxUnits))
            lines.push_back(paragraph.MakeLine(begin, end));
    }
    return lines;
}

qint64 CPdfTextLayout::Width(QStringView text)
{
    qint64 widest = 0;
    for (const Line& line : Layout(text, -1))
        widest = std::max(widest, line.width);
    return widest;
}

qsizetype CPdfTextLayout::FittingPrefix(QStringView text, qint64 maxUnits, QString* composed)
{
    QString shown;
    for (const QString& line : HardLines(text)) {
        if (!shown.isEmpty() || line.size() != 0)
            shown += shown.isEmpty() ? line : QLatin1Char(' ') + line;
    }
    const Paragraph paragraph(m_fonts, shown);
    if (composed)
        *composed = shown;
    return paragraph.Fitting(maxUnits);
}
