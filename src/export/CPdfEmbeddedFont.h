#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <map>
#include <tuple>
#include <vector>

class CPdfFontFace;

// The part of one installed font that a document uses, embedded as a Type0
// font with Identity-H: two-byte CIDs in the content, a subset of the font
// program made by HarfBuzz, widths, and a ToUnicode map so that readers
// give back the characters.
//
// TrueType fonts number their CIDs in the order each glyph is first shown
// with a text, and map them to the subset's glyphs with a CIDToGIDMap; so two
// characters that share a glyph, a glyph that shows several characters (a
// ligature, a conjunct) and characters shown as a replacement mark each keep
// their own text. A glyph shown with an empty text reads as nothing (the
// second glyph of a vowel sign drawn in two parts). CID-keyed CFF fonts keep
// the CIDs of the font, which the subsetter preserves; the first text given
// for a glyph is what readers give back for it.
class CPdfEmbeddedFont
{
public:
    explicit CPdfEmbeddedFont(const CPdfFontFace& face);

    const CPdfFontFace& Face() const { return m_face; }

    // The CID that shows c with glyph (0: the missing-glyph box).
    quint16 CidFor(char32_t c, unsigned glyph);
    // The CID that shows glyph and reads as text. A TrueType glyph may be
    // given a width of its own (thousandths of an em; -1: the font's), as
    // the glyph that reads as a whole cluster spans the cluster's width.
    quint16 CidFor(unsigned glyph, const QString& text, int width = -1);
    // Thousandths of an em.
    int Width(quint16 cid) const { return cid < m_widths.size() ? m_widths[cid] : 0; }

    // The text a CID was first given for.
    QString TextOf(quint16 cid) const;

    int ObjectCount() const;
    // The font's objects, numbered from first on, the Type0 font first.
    // False, with the reason, when the font could not be subset.
    bool MakeObjects(qint32 first, std::vector<QByteArray>* objects, QString* errorText) const;

private:
    struct Use
    {
        quint16 cid;
        unsigned glyph;
        QString text;
    };

    QByteArray SubsetTag() const;
    QByteArray WidthsArray() const;
    QByteArray ToUnicode() const;

    const CPdfFontFace& m_face;
    std::vector<Use> m_uses; // in order of first use
    std::map<std::tuple<unsigned, int, QString>, quint16> m_byUse;
    QHash<quint16, int> m_byCid;   // CID to its first use
    std::vector<quint16> m_widths; // by CID
};
