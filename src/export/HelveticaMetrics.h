#pragma once

#include <QtGlobal>

// Helvetica's standard Latin glyph set: the glyphs every PDF reader has for
// the base font, with their widths and their codes in MacRomanEncoding.

struct HelveticaGlyph
{
    char16_t unicode;
    quint16 width;    // thousandths of an em
    quint8 macRoman;  // code in MacRomanEncoding, 0 when the encoding lacks it
    const char* name; // glyph name, as a /Differences array names it
};

// Index of the glyph for a character into HelveticaGlyphAt, -1 when the set
// lacks it. No-break spaces map to the space at MacRoman 0xCA.
int HelveticaGlyphIndex(char32_t c);
const HelveticaGlyph& HelveticaGlyphAt(int index);
int HelveticaGlyphCount();

// The glyph a MacRomanEncoding code stands for, -1 for codes without one.
int HelveticaGlyphOfMacRoman(quint8 code);

// Ascent plus descent of Helvetica in thousandths of an em: the height a
// screen font mapper fits into a character cell. So a cell of h pixels
// holds an em of h * 1000 / 1117 pixels (12.53 px for the 14 px cell of
// line unit 8).
inline constexpr qint64 kHelveticaCellUnits = 905 + 212;
