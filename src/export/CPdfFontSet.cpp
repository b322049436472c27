#include "export/CPdfFontSet.h"

#include "export/CPdfEmbeddedFont.h"
#include "export/CPdfFontFace.h"
#include "export/CPdfFontFinder.h"
#include "export/HelveticaMetrics.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Whether some unit of text is limit or above.
bool AnyFrom(QStringView text, char16_t limit)
{
    const char16_t* p = text.utf16();
    const char16_t* end = p + text.size();
#if defined(__SSE2__)
    const __m128i below = _mm_set1_epi16(short(limit - 1));
    for (; end - p >= 8; p += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        // Saturating: nonzero exactly where a unit is limit or above.
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_subs_epu16(v, below), _mm_setzero_si128())) != 0xFFFF)
            return true;
    }
#endif
    for (; p < end; ++p) {
        if (*p >= limit)
            return true;
    }
    return false;
}

// Below U+0300 every character is already composed and nothing composes
// with it, so most text needs no normalisation pass.
bool MayNeedComposition(QStringView text)
{
    return AnyFrom(text, 0x300);
}

bool IsControl(char16_t u)
{
    return u < 0x20 || (u >= 0x7F && u < 0xA0);
}

} // namespace

bool CPdfFontSet::NeedsLayout(QStringView text)
{
    // ASCII, nearly all text, is the base font's.
    if (!AnyFrom(text, 0x80))
        return false;
    QString composed;
    if (MayNeedComposition(text)) {
        composed = text.toString().normalized(QString::NormalizationForm_C);
        text = composed;
    }
    const char16_t* p = text.utf16();
    const char16_t* end = p + text.size();
    for (; p < end; ++p) {
        const char16_t u = *p;
        if (u < 0x80 || IsControl(u) || u == 0x2028 || u == 0x2029)
            continue;
        if (QChar::isSurrogate(u) || HelveticaGlyphIndex(u) < 0)
            return true;
    }
    return false;
}

CPdfFontSet::CPdfFontSet() = default;
CPdfFontSet::~CPdfFontSet() = default;

void CPdfFontSet::Encode(QStringView text, PdfTokens* tokens)
{
    QString composed;
    if (MayNeedComposition(text)) {
        composed = text.toString().normalized(QString::NormalizationForm_C);
        text = composed;
    }
    const char16_t* p = text.utf16();
    const char16_t* end = p + text.size();
    // One token a UTF-16 unit at most, but for tabs.
    size_t at = tokens->size();
    tokens->resize(at + size_t(text.size()));
    quint32* o = tokens->data() + at;
    auto room = [&](size_t n) {
        at = size_t(o - tokens->data());
        tokens->resize(tokens->size() + n);
        o = tokens->data() + at;
    };
    while (p < end) {
#if defined(__SSE2__)
        // Eight units of printable ASCII at a time.
        const __m128i space = _mm_set1_epi16(0x20);
        const __m128i lastOffset = _mm_set1_epi16(0x7E - 0x20);
        while (end - p >= 8) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const __m128i past = _mm_subs_epu16(_mm_sub_epi16(v, space), lastOffset);
            if (_mm_movemask_epi8(_mm_cmpeq_epi16(past, _mm_setzero_si128())) != 0xFFFF)
                break;
            _mm_storeu_si128(reinterpret_cast<__m128i*>(o), _mm_unpacklo_epi16(v, _mm_setzero_si128()));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(o + 4), _mm_unpackhi_epi16(v, _mm_setzero_si128()));
            p += 8;
            o += 8;
        }
        if (p == end)
            break;
#endif
        const char16_t u = *p++;
        // Printable ASCII, nearly all text, is its own code.
        if (char16_t(u - 0x20) < 0x5F) {
            *o++ = u;
            continue;
        }
        if (u == '\r') {
            *o++ = kLineBreak;
            if (p < end && *p == '\n')
                ++p;
            continue;
        }
        if (u == '\n' || u == 0x85 || u == 0x2028 || u == 0x2029) {
            *o++ = kLineBreak;
            continue;
        }
        if (u == '\t') {
            room(kTabBlanks - 1);
            o = std::fill_n(o, kTabBlanks, kBlank);
            continue;
        }
        if (IsControl(u))
            continue;
        char32_t c = u;
        if (QChar::isHighSurrogate(u) && p < end && QChar::isLowSurrogate(*p))
            c = QChar::surrogateToUcs4(u, *p++);
        else if (QChar::isSurrogate(u))
            c = 0xFFFD;
        const quint32 token = Resolve(c);
        if (token != kNone)
            *o++ = token;
    }
    tokens->resize(size_t(o - tokens->data()));
}

quint32 CPdfFontSet::Resolve(char32_t c)
{
    const int glyph = HelveticaGlyphIndex(c);
    if (glyph >= 0) {
        const int code = m_base.CodeFor(glyph);
        if (code >= 0)
            return quint32(code);
        // Every code of the base font is taken: the character goes to an
        // embedded font like any other.
    }
    const auto known = m_embeddedTokens.constFind(c);
    if (known != m_embeddedTokens.cend())
        return *known;

    const CPdfFontFace* face = CPdfFontFinder::Instance().FaceFor(c);
    const QString text = QString::fromUcs4(&c, 1);
    const quint32 token = face ? GlyphToken(*face, face->GlyphOf(c), text) : ReplacementToken(text, {c});
    m_embeddedTokens.insert(c, token);
    return token;
}

quint32 CPdfFontSet::BaseToken(char32_t c)
{
    if (c >= 0x20 && c < 0x7F)
        return c;
    const int glyph = HelveticaGlyphIndex(c);
    if (glyph < 0)
        return kNone;
    const int code = m_base.CodeFor(glyph);
    return code >= 0 ? quint32(code) : kNone;
}

quint32 CPdfFontSet::GlyphToken(const CPdfFontFace& face, unsigned glyph, const QString& text, int width)
{
    int index = 0;
    while (index < int(m_embedded.size()) && &m_embedded[size_t(index)]->Face() != &face)
        ++index;
    if (index == int(m_embedded.size()))
        m_embedded.push_back(std::make_unique<CPdfEmbeddedFont>(face));
    return (quint32(index + 1) << 16) | m_embedded[size_t(index)]->CidFor(glyph, text, width);
}

quint32 CPdfFontSet::ReplacementToken(const QString& text, const std::vector<char32_t>& missing)
{
    for (char32_t c : missing) {
        if (std::find(m_missing.begin(), m_missing.end(), c) == m_missing.end())
            m_missing.push_back(c);
    }
    // The replacement character where a font has it, else the font's own
    // missing-glyph box; with no font at all, a question mark of the base font.
    CPdfFontFinder& finder = CPdfFontFinder::Instance();
    constexpr char32_t kReplacement = 0xFFFD;
    const CPdfFontFace* standIn = finder.StandInFace();
    if (standIn && standIn->GlyphOf(kReplacement) != 0)
        return GlyphToken(*standIn, standIn->GlyphOf(kReplacement), text);
    if (const CPdfFontFace* face = finder.FaceFor(kReplacement))
        return GlyphToken(*face, face->GlyphOf(kReplacement), text);
    if (standIn)
        return GlyphToken(*standIn, 0, text);
    return '?';
}

int CPdfFontSet::EmbeddedWidth(quint32 token) const
{
    const size_t font = (token >> 16) - 1;
    return font < m_embedded.size() ? m_embedded[font]->Width(quint16(token & 0xFFFF)) : 0;
}

int CPdfFontSet::CharWidth(char32_t c) const
{
    if (c < 0x20 || (c >= 0x7F && c < 0xA0))
        return 0;
    const int glyph = HelveticaGlyphIndex(c);
    if (glyph >= 0)
        return HelveticaGlyphAt(glyph).width;
    const auto known = m_embeddedTokens.constFind(c);
    if (known != m_embeddedTokens.cend())
        return *known == kNone ? 0 : EmbeddedWidth(*known);
    CPdfFontFinder& finder = CPdfFontFinder::Instance();
    if (const CPdfFontFace* face = finder.FaceFor(c))
        return face->AdvanceOf(face->GlyphOf(c));
    if (const CPdfFontFace* face = finder.StandInFace())
        return face->AdvanceOf(0);
    return 0;
}

qint64 CPdfFontSet::TextWidth(QStringView text) const
{
    QString composed;
    if (MayNeedComposition(text)) {
        composed = text.toString().normalized(QString::NormalizationForm_C);
        text = composed;
    }
    qint64 width = 0;
    const char16_t* p = text.utf16();
    const char16_t* end = p + text.size();
    while (p < end) {
        char32_t c = *p++;
        if (QChar::isHighSurrogate(c) && p < end && QChar::isLowSurrogate(*p))
            c = QChar::surrogateToUcs4(char16_t(c), *p++);
        width += c < 0x80 ? m_base.Width(quint8(c)) : CharWidth(c);
    }
    return width;
}

QString CPdfFontSet::Text(const quint32* begin, const quint32* end) const
{
    QString text;
    text.reserve(end - begin);
    for (const quint32* t = begin; t < end; ++t) {
        if (*t == kLineBreak) {
            text += QLatin1String("\r\n");
        } else if (*t < 256) {
            const int glyph = m_base.GlyphAt(quint8(*t));
            if (glyph >= 0)
                text += QChar(HelveticaGlyphAt(glyph).unicode);
        } else {
            const size_t font = (*t >> 16) - 1;
            if (font < m_embedded.size())
                text += m_embedded[font]->TextOf(quint16(*t & 0xFFFF));
        }
    }
    return text;
}
