#pragma once

#include <QByteArray>

#include <array>

// The codes of the document's base font F1 (Helvetica). A glyph of the
// standard Latin set keeps its MacRomanEncoding code while that code is
// free; every other glyph of the set gets a code the document does not use,
// named in a /Differences array. A document that only needs MacRoman so
// keeps the plain /MacRomanEncoding.
class CPdfBaseEncoding
{
public:
    CPdfBaseEncoding();

    // The code for a glyph of the set (an index for HelveticaGlyphAt), -1
    // when every code is taken.
    int CodeFor(int glyph)
    {
        const int code = m_glyphCode[size_t(glyph)];
        return code >= 0 ? code : Assign(glyph);
    }

    // Thousandths of an em.
    int Width(quint8 code) const { return m_width[code]; }
    const quint16* Widths() const { return m_width.data(); }
    // The glyph a code stands for, -1 when it has none yet.
    int GlyphAt(quint8 code) const { return m_codeGlyph[code]; }

    // The /Encoding value of the font object: the name, or a dictionary
    // with the /Differences the document needs.
    QByteArray EncodingText() const;

    bool HasDifferences() const;

private:
    int Assign(int glyph);

    std::array<qint16, 512> m_glyphCode;
    std::array<qint16, 256> m_codeGlyph;
    std::array<quint16, 256> m_width;
};
