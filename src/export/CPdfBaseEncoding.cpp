#include "export/CPdfBaseEncoding.h"

#include "export/HelveticaMetrics.h"

#include <cstring>

namespace {

// Codes handed to glyphs outside MacRomanEncoding, first those the encoding
// leaves empty, then control codes that are no escape in a PDF string
// (not NUL, backspace, tab, line feed, form feed or carriage return). After
// these, MacRoman codes the document has not used are taken, highest first.
constexpr quint8 kSpareCodes[] = {0xAD, 0xB0, 0xB2, 0xB3, 0xB6, 0xB7, 0xB8, 0xB9, 0xBA, 0xBD, 0xC3,
                                  0xC5, 0xC6, 0xD7, 0xF0, 0x7F, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06,
                                  0x07, 0x0B, 0x0E, 0x0F, 0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16,
                                  0x17, 0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x1F};

} // namespace

CPdfBaseEncoding::CPdfBaseEncoding()
{
    Q_ASSERT(HelveticaGlyphCount() <= int(m_glyphCode.size()));
    m_glyphCode.fill(-1);
    m_codeGlyph.fill(-1);
    m_width.fill(0);
    // ASCII is never given away, so it is assigned from the start.
    for (int c = 0x20; c < 0x7F; ++c) {
        const int glyph = HelveticaGlyphIndex(char32_t(c));
        m_glyphCode[size_t(glyph)] = qint16(c);
        m_codeGlyph[size_t(c)] = qint16(glyph);
        m_width[size_t(c)] = HelveticaGlyphAt(glyph).width;
    }
}

int CPdfBaseEncoding::Assign(int glyph)
{
    int code = -1;
    const quint8 natural = HelveticaGlyphAt(glyph).macRoman;
    if (natural != 0 && m_codeGlyph[natural] < 0) {
        code = natural;
    } else {
        for (quint8 spare : kSpareCodes) {
            if (m_codeGlyph[spare] < 0) {
                code = spare;
                break;
            }
        }
        for (int c = 0xFF; code < 0 && c >= 0x80; --c) {
            if (m_codeGlyph[size_t(c)] < 0)
                code = c;
        }
    }
    if (code < 0)
        return -1;
    m_glyphCode[size_t(glyph)] = qint16(code);
    m_codeGlyph[size_t(code)] = qint16(glyph);
    m_width[size_t(code)] = HelveticaGlyphAt(glyph).width;
    return code;
}

bool CPdfBaseEncoding::HasDifferences() const
{
    for (int c = 0; c < 256; ++c) {
        const int glyph = m_codeGlyph[size_t(c)];
        if (glyph < 0)
            continue;
        const int base = HelveticaGlyphOfMacRoman(quint8(c));
        if (base < 0 || std::strcmp(HelveticaGlyphAt(base).name, HelveticaGlyphAt(glyph).name) != 0)
            return true;
    }
    return false;
}

QByteArray CPdfBaseEncoding::EncodingText() const
{
    if (!HasDifferences())
        return "/MacRomanEncoding";
    QByteArray text = "<< /Type /Encoding /BaseEncoding /MacRomanEncoding /Differences [";
    int next = -1; // the code a bare name in the array would stand for
    for (int c = 0; c < 256; ++c) {
        const int glyph = m_codeGlyph[size_t(c)];
        if (glyph < 0)
            continue;
        const char* name = HelveticaGlyphAt(glyph).name;
        const int base = HelveticaGlyphOfMacRoman(quint8(c));
        if (base >= 0 && std::strcmp(HelveticaGlyphAt(base).name, name) == 0)
            continue;
        if (c != next) {
            if (next >= 0)
                text += ' ';
            text += QByteArray::number(c);
        }
        text += " /";
        text += name;
        next = c + 1;
    }
    text += "] >>";
    return text;
}
