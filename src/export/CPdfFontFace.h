#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

struct FT_FaceRec_;
struct hb_face_t;
struct hb_font_t;

// An installed font file opened for embedding: outlines in TrueType ("glyf")
// or in a CID-keyed CFF, the two kinds a PDF CIDFont takes as they are.
class CPdfFontFace
{
public:
    enum class Kind
    {
        TrueType,
        CidCff
    };

    // Opens face index of the file; nullptr when it cannot be read or is of
    // another kind (Type 1, bitmap, name-keyed or variable CFF).
    static std::unique_ptr<CPdfFontFace> Open(const QString& path, int index);
    ~CPdfFontFace();

    CPdfFontFace(const CPdfFontFace&) = delete;
    CPdfFontFace& operator=(const CPdfFontFace&) = delete;

    const QString& Path() const { return m_path; }
    int Index() const { return m_index; }
    Kind FontKind() const { return m_kind; }
    // The PostScript name, or one made from the file name.
    const QByteArray& PostScriptName() const { return m_psName; }

    // Glyph of a character; 0 when the font lacks it.
    unsigned GlyphOf(char32_t c) const;
    // The CID a CID-keyed CFF gives a glyph (for TrueType the glyph itself).
    unsigned CidOf(unsigned glyph) const;
    // Advance in thousandths of an em.
    int AdvanceOf(unsigned glyph) const;
    int UnitsPerEm() const { return m_unitsPerEm; }

    // Thousandths of an em.
    int Ascent() const { return m_ascent; }
    int Descent() const { return m_descent; }
    int CapHeight() const { return m_capHeight; }
    const int* BBox() const { return m_bbox; }

    // The face for the subsetter, opened on first use; nullptr when the file
    // cannot be read any more.
    hb_face_t* HarfBuzzFace() const;
    // The same face for shaping, in font units; nullptr as above.
    hb_font_t* HarfBuzzFont() const;

private:
    CPdfFontFace() = default;

    FT_FaceRec_* m_face = nullptr;
    mutable hb_face_t* m_hbFace = nullptr;
    mutable hb_font_t* m_hbFont = nullptr;
    QString m_path;
    int m_index = 0;
    Kind m_kind = Kind::TrueType;
    QByteArray m_psName;
    int m_unitsPerEm = 1000;
    int m_ascent = 0;
    int m_descent = 0;
    int m_capHeight = 0;
    int m_bbox[4] = {0, 0, 0, 0};
};
