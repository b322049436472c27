#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <vector>

class CPdfFontFace;

// The part of one installed font that a document uses, embedded as a Type0
// font with Identity-H: two-byte CIDs in the content, a subset of the font
// program made by HarfBuzz, widths, and a ToUnicode map so that readers
// give back the characters.
//
// TrueType fonts number their CIDs in the order characters first appear and
// map them to the subset's glyphs with a CIDToGIDMap; so two characters that
// share a glyph, and characters shown as the missing-glyph box, each keep
// their own text. CID-keyed CFF fonts keep the CIDs of the font, which the
// subsetter preserves.
class CPdfEmbeddedFont
{
public:
    explicit CPdfEmbeddedFont(const CPdfFontFace& face);

    const CPdfFontFace& Face() const { return m_face; }

    // The CID that shows c with glyph (0: the missing-glyph box).
    quint16 CidFor(char32_t c, unsigned glyph);
    // Thousandths of an em.
    int Width(quint16 cid) const { return cid < m_widths.size() ? m_widths[cid] : 0; }

    // The character a CID was first given for.
    char32_t CharacterOf(quint16 cid) const;

    int ObjectCount() const;
    // The font's objects, numbered from first on, the Type0 font first.
    // False, with the reason, when the font could not be subset.
    bool MakeObjects(qint32 first, std::vector<QByteArray>* objects, QString* errorText) const;

private:
    struct Use
    {
        quint16 cid;
        unsigned glyph;
        char32_t character;
    };

    QByteArray SubsetTag() const;
    QByteArray WidthsArray() const;
    QByteArray ToUnicode() const;

    const CPdfFontFace& m_face;
    std::vector<Use> m_uses; // in order of first use
    QHash<char32_t, quint16> m_byChar;
    QHash<quint16, int> m_byCid;   // CID to its first use
    std::vector<quint16> m_widths; // by CID
};
