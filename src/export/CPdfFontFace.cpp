#include "export/CPdfFontFace.h"

#include <QFile>
#include <QFileInfo>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_CID_H
#include FT_TRUETYPE_TABLES_H
#include FT_TRUETYPE_TAGS_H
#include <hb.h>

namespace {

// One library for the whole program; it lives as long as the program, so
// the cached faces can be closed at exit in any order.
FT_Library Library()
{
    static FT_Library library = [] {
        FT_Library lib = nullptr;
        if (FT_Init_FreeType(&lib) != 0)
            lib = nullptr;
        return lib;
    }();
    return library;
}

bool HasTable(FT_Face face, FT_ULong tag)
{
    FT_ULong length = 0;
    return FT_Load_Sfnt_Table(face, tag, 0, nullptr, &length) == 0 && length > 0;
}

// A name usable after "/" in a PDF: letters, digits and a few marks only.
QByteArray PdfName(const QByteArray& name)
{
    QByteArray out;
    for (char c : name) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
            c == '_')
            out += c;
    }
    return out.isEmpty() ? QByteArray("Font") : out.left(100);
}

} // namespace

std::unique_ptr<CPdfFontFace> CPdfFontFace::Open(const QString& path, int index)
{
    FT_Library library = Library();
    if (!library)
        return nullptr;
    FT_Face face = nullptr;
    if (FT_New_Face(library, QFile::encodeName(path).constData(), index, &face) != 0)
        return nullptr;
    std::unique_ptr<CPdfFontFace> font(new CPdfFontFace);
    font->m_face = face;
    font->m_path = path;
    font->m_index = index;
    if (!FT_IS_SFNT(face) || !FT_IS_SCALABLE(face) || face->units_per_EM == 0)
        return nullptr;
    if (HasTable(face, TTAG_glyf)) {
        font->m_kind = Kind::TrueType;
    } else {
        FT_Bool cidKeyed = 0;
        if (!HasTable(face, TTAG_CFF) || FT_Get_CID_Is_Internally_CID_Keyed(face, &cidKeyed) != 0 ||
            !cidKeyed)
            return nullptr;
        font->m_kind = Kind::CidCff;
    }

    const char* ps = FT_Get_Postscript_Name(face);
    font->m_psName = PdfName(ps ? QByteArray(ps) : QFileInfo(path).completeBaseName().toLatin1());
    font->m_unitsPerEm = face->units_per_EM;
    auto scale = [&](long v) { return int(v * 1000 / font->m_unitsPerEm); };
    font->m_ascent = scale(face->ascender);
    font->m_descent = scale(face->descender);
    font->m_capHeight = font->m_ascent;
    if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2))) {
        if (os2->version >= 2 && os2->sCapHeight > 0)
            font->m_capHeight = scale(os2->sCapHeight);
    }
    font->m_bbox[0] = scale(face->bbox.xMin);
    font->m_bbox[1] = scale(face->bbox.yMin);
    font->m_bbox[2] = scale(face->bbox.xMax);
    font->m_bbox[3] = scale(face->bbox.yMax);
    return font;
}

CPdfFontFace::~CPdfFontFace()
{
    if (m_hbFont)
        hb_font_destroy(m_hbFont);
    if (m_hbFace)
        hb_face_destroy(m_hbFace);
    if (m_face)
        FT_Done_Face(m_face);
}

unsigned CPdfFontFace::GlyphOf(char32_t c) const
{
    return FT_Get_Char_Index(m_face, FT_ULong(c));
}

unsigned CPdfFontFace::CidOf(unsigned glyph) const
{
    if (m_kind == Kind::TrueType)
        return glyph;
    FT_UInt cid = 0;
    return FT_Get_CID_From_Glyph_Index(m_face, glyph, &cid) == 0 ? cid : 0;
}

int CPdfFontFace::AdvanceOf(unsigned glyph) const
{
    FT_Fixed advance = 0;
    if (FT_Get_Advance(m_face, glyph, FT_LOAD_NO_SCALE, &advance) != 0)
        return 0;
    return int((qint64(advance) * 1000 + m_unitsPerEm / 2) / m_unitsPerEm);
}

hb_face_t* CPdfFontFace::HarfBuzzFace() const
{
    if (!m_hbFace) {
        hb_blob_t* blob = hb_blob_create_from_file_or_fail(QFile::encodeName(m_path).constData());
        if (!blob)
            return nullptr;
        m_hbFace = hb_face_create(blob, unsigned(m_index));
        hb_blob_destroy(blob);
    }
    return m_hbFace;
}

hb_font_t* CPdfFontFace::HarfBuzzFont() const
{
    if (!m_hbFont) {
        hb_face_t* face = HarfBuzzFace();
        if (!face)
            return nullptr;
        // Scaled to font units, as the face's own tables count.
        m_hbFont = hb_font_create(face);
        hb_font_set_scale(m_hbFont, m_unitsPerEm, m_unitsPerEm);
    }
    return m_hbFont;
}
