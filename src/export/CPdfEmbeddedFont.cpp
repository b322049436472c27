#include "export/CPdfEmbeddedFont.h"

#include "export/CPdfFontFace.h"

#include <QCoreApplication>
#include <QDir>

#include <hb-subset.h>

#include <algorithm>

namespace {

// Tables a PDF reader never looks at in an embedded font; dropping the
// layout tables also keeps the subsetter from pulling in glyphs that
// substitutions could reach.
constexpr const char* kDroppedTables[] = {"GSUB", "GPOS", "GDEF", "BASE", "JSTF", "MATH", "kern",
                                          "morx", "kerx", "vhea", "vmtx", "VORG", "DSIG", "feat"};

QByteArray Num(qint64 n)
{
    return QByteArray::number(n);
}

QByteArray Hex4(unsigned v)
{
    return QByteArray::number(v & 0xFFFF, 16).toUpper().rightJustified(4, '0');
}

// A zlib stream for /FlateDecode (qCompress puts the length in front).
QByteArray Deflate(const QByteArray& data)
{
    return qCompress(data, 9).mid(4);
}

QByteArray DictObject(qint32 number, const QByteArray& dict)
{
    return Num(number) + " 0 obj\r\n" + dict + "\r\nendobj\n";
}

QByteArray StreamObject(qint32 number, const QByteArray& dictEntries, const QByteArray& data)
{
    return Num(number) + " 0 obj\r\n<< /Length " + Num(data.size()) + dictEntries + " >>stream\r\n" + data +
           "\r\nendstream\rendobj\n";
}

struct HbInput
{
    hb_subset_input_t* input = hb_subset_input_create_or_fail();
    ~HbInput() { hb_subset_input_destroy(input); }
};
struct HbPlan
{
    hb_subset_plan_t* plan = nullptr;
    ~HbPlan() { hb_subset_plan_destroy(plan); }
};
struct HbFace
{
    hb_face_t* face = nullptr;
    ~HbFace() { hb_face_destroy(face); }
};
struct HbBlob
{
    hb_blob_t* blob = nullptr;
    ~HbBlob() { hb_blob_destroy(blob); }
    QByteArray Bytes() const
    {
        unsigned length = 0;
        const char* data = hb_blob_get_data(blob, &length);
        return QByteArray(data, qsizetype(length));
    }
};

} // namespace

CPdfEmbeddedFont::CPdfEmbeddedFont(const CPdfFontFace& face) : m_face(face) {}

quint16 CPdfEmbeddedFont::CidFor(char32_t c, unsigned glyph)
{
    return CidFor(glyph, QString::fromUcs4(&c, 1));
}

quint16 CPdfEmbeddedFont::CidFor(unsigned glyph, const QString& text, int width)
{
    const bool trueType = m_face.FontKind() == CPdfFontFace::Kind::TrueType;
    if (!trueType)
        width = -1;
    const std::tuple<unsigned, int, QString> key(glyph, width, text);
    const auto known = m_byUse.find(key);
    if (known != m_byUse.end())
        return known->second;

    quint16 cid = 0;
    if (trueType) {
        if (m_uses.size() >= 0xFFFF)
            return 0;
        cid = quint16(m_uses.size() + 1);
        m_byCid.insert(cid, int(m_uses.size()));
    } else {
        const unsigned fontCid = m_face.CidOf(glyph);
        if (fontCid > 0xFFFF)
            return 0;
        cid = quint16(fontCid);
        const auto first = m_byCid.constFind(cid);
        if (first != m_byCid.cend()) {
            // The glyph is shown already: the text of its first use is what
            // readers give back for both, unless that one had none.
            Use& use = m_uses[size_t(*first)];
            if (use.text.isEmpty())
                use.text = text;
            m_byUse.emplace(key, cid);
            return cid;
        }
        m_byCid.insert(cid, int(m_uses.size()));
    }
    m_uses.push_back({cid, glyph, text});
    m_byUse.emplace(key, cid);
    if (m_widths.size() <= cid)
        m_widths.resize(size_t(cid) + 1, 0);
    m_widths[cid] = quint16(std::clamp(width >= 0 ? width : m_face.AdvanceOf(glyph), 0, 0xFFFF));
    return cid;
}

QString CPdfEmbeddedFont::TextOf(quint16 cid) const
{
    const int use = m_byCid.value(cid, -1);
    return use >= 0 ? m_uses[size_t(use)].text : QString(QChar(0xFFFD));
}

int CPdfEmbeddedFont::ObjectCount() const
{
    return m_face.FontKind() == CPdfFontFace::Kind::TrueType ? 6 : 5;
}

QByteArray CPdfEmbeddedFont::SubsetTag() const
{
    // Six capitals that depend on the font and the glyphs in the subset.
    quint32 hash = 2166136261u;
    auto mix = [&](quint32 v) {
        for (int i = 0; i < 4; ++i) {
            hash ^= (v >> (8 * i)) & 0xFF;
            hash *= 16777619u;
        }
    };
    for (char ch : m_face.PostScriptName())
        mix(quint32(uchar(ch)));
    for (const Use& use : m_uses)
        mix(use.glyph);
    QByteArray tag(6, 'A');
    for (int i = 0; i < 6; ++i) {
        tag[i] = char('A' + hash % 26);
        hash /= 26;
    }
    return tag;
}

QByteArray CPdfEmbeddedFont::WidthsArray() const
{
    std::vector<quint16> cids;
    cids.reserve(m_uses.size());
    for (const Use& use : m_uses)
        cids.push_back(use.cid);
    std::sort(cids.begin(), cids.end());
    QByteArray out = "[";
    for (size_t i = 0; i < cids.size();) {
        out += Num(cids[i]) + " [";
        size_t j = i;
        do {
            if (j > i)
                out += ' ';
            out += Num(m_widths[cids[j]]);
            ++j;
        } while (j < cids.size() && cids[j] == cids[j - 1] + 1);
        out += "] ";
        i = j;
    }
    out += ']';
    return out;
}

QByteArray CPdfEmbeddedFont::ToUnicode() const
{
    QByteArray map = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                     "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                     "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                     "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    // A glyph shown with an empty text gets no entry and reads as nothing.
    std::vector<const Use*> mapped;
    mapped.reserve(m_uses.size());
    for (const Use& use : m_uses) {
        if (!use.text.isEmpty())
            mapped.push_back(&use);
    }
    // At most 100 entries a section.
    for (size_t i = 0; i < mapped.size(); i += 100) {
        const size_t end = std::min(mapped.size(), i + 100);
        map += Num(qint64(end - i)) + " beginbfchar\n";
        for (size_t j = i; j < end; ++j) {
            map += '<' + Hex4(mapped[j]->cid) + "> <";
            // UTF-16, as the map's destination strings are written.
            for (QChar unit : mapped[j]->text)
                map += Hex4(unit.unicode());
            map += ">\n";
        }
        map += "endbfchar\n";
    }
    map += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend";
    return map;
}

bool CPdfEmbeddedFont::MakeObjects(qint32 first, std::vector<QByteArray>* objects, QString* errorText) const
{
    const bool trueType = m_face.FontKind() == CPdfFontFace::Kind::TrueType;
    const QString fontFile = QDir::toNativeSeparators(m_face.Path());
    auto fail = [&](const char* reason) {
        if (errorText)
            *errorText = QCoreApplication::translate("CPdfEmbeddedFont", reason).arg(fontFile);
        return false;
    };

    hb_face_t* source = m_face.HarfBuzzFace();
    if (!source)
        return fail(QT_TRANSLATE_NOOP("CPdfEmbeddedFont", "The font file %1 could not be read."));
    HbInput input;
    if (!input.input)
        return fail(QT_TRANSLATE_NOOP("CPdfEmbeddedFont", "Out of memory while embedding the font %1."));
    hb_set_t* glyphs = hb_subset_input_glyph_set(input.input);
    hb_set_add(glyphs, 0);
    for (const Use& use : m_uses)
        hb_set_add(glyphs, use.glyph);
    hb_set_t* dropped = hb_subset_input_set(input.input, HB_SUBSET_SETS_DROP_TABLE_TAG);
    for (const char* tag : kDroppedTables)
        hb_set_add(dropped, hb_tag_from_string(tag, 4));

    HbPlan plan;
    plan.plan = hb_subset_plan_create_or_fail(source, input.input);
    HbFace subset;
    if (plan.plan)
        subset.face = hb_subset_plan_execute_or_fail(plan.plan);
    if (!subset.face)
        return fail(QT_TRANSLATE_NOOP("CPdfEmbeddedFont", "The font %1 could not be subset for embedding."));
    HbBlob program;
    program.blob = trueType ? hb_face_reference_blob(subset.face)
                            : hb_face_reference_table(subset.face, HB_TAG('C', 'F', 'F', ' '));
    const QByteArray programBytes = program.Bytes();
    if (programBytes.isEmpty())
        return fail(QT_TRANSLATE_NOOP("CPdfEmbeddedFont", "The font %1 could not be subset for embedding."));

    const QByteArray name = '/' + SubsetTag() + '+' + m_face.PostScriptName();
    const QByteArray ref = " 0 R";
    objects->push_back(DictObject(first, "<< /Type /Font /Subtype /Type0 /BaseFont " + name +
                                             " /Encoding /Identity-H /DescendantFonts [" + Num(first + 1) +
                                             ref + "] /ToUnicode " + Num(first + 4) + ref + " >>"));
    QByteArray cidFont = "<< /Type /Font /Subtype " +
                         QByteArray(trueType ? "/CIDFontType2" : "/CIDFontType0") + " /BaseFont " + name +
                         " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>"
                         " /FontDescriptor " +
                         Num(first + 2) + ref + " /DW 1000 /W " + WidthsArray();
    if (trueType)
        cidFont += " /CIDToGIDMap " + Num(first + 5) + ref;
    cidFont += " >>";
    objects->push_back(DictObject(first + 1, cidFont));

    const int* box = m_face.BBox();
    objects->push_back(DictObject(
        first + 2, "<< /Type /FontDescriptor /FontName " + name + " /Flags 4 /FontBBox [" + Num(box[0]) +
                       ' ' + Num(box[1]) + ' ' + Num(box[2]) + ' ' + Num(box[3]) +
                       "] /ItalicAngle 0 /Ascent " + Num(m_face.Ascent()) + " /Descent " +
                       Num(m_face.Descent()) + " /CapHeight " + Num(m_face.CapHeight()) + " /StemV 80 " +
                       QByteArray(trueType ? "/FontFile2 " : "/FontFile3 ") + Num(first + 3) + ref + " >>"));

    objects->push_back(StreamObject(first + 3,
                                    trueType ? " /Filter /FlateDecode /Length1 " + Num(programBytes.size())
                                             : QByteArray(" /Filter /FlateDecode /Subtype /CIDFontType0C"),
                                    Deflate(programBytes)));
    objects->push_back(StreamObject(first + 4, QByteArray(), ToUnicode()));

    if (trueType) {
        const hb_map_t* newGlyph = hb_subset_plan_old_to_new_glyph_mapping(plan.plan);
        QByteArray map(qsizetype(m_widths.size()) * 2, '\0');
        for (const Use& use : m_uses) {
            hb_codepoint_t g = hb_map_get(newGlyph, use.glyph);
            if (g == HB_MAP_VALUE_INVALID)
                g = 0;
            map[2 * use.cid] = char(g >> 8);
            map[2 * use.cid + 1] = char(g & 0xFF);
        }
        objects->push_back(StreamObject(first + 5, " /Filter /FlateDecode", Deflate(map)));
    }
    return true;
}
