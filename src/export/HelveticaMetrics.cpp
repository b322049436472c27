#include "export/HelveticaMetrics.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

// By Unicode. Widths are the standard Helvetica metrics (equal to those of
// the metric-compatible Nimbus Sans); names follow the Adobe glyph list, and
// each character is the one readers give back for the name (Tcommaaccent
// reads as T with cedilla, so Romanian T with comma below is embedded).
constexpr HelveticaGlyph kGlyphs[] = {
    {0x0020, 278, 0x20, "space"},
    {0x0021, 278, 0x21, "exclam"},
    {0x0022, 355, 0x22, "quotedbl"},
    {0x0023, 556, 0x23, "numbersign"},
    {0x0024, 556, 0x24, "dollar"},
    {0x0025, 889, 0x25, "percent"},
    {0x0026, 667, 0x26, "ampersand"},
    {0x0027, 191, 0x27, "quotesingle"},
    {0x0028, 333, 0x28, "parenleft"},
    {0x0029, 333, 0x29, "parenright"},
    {0x002A, 389, 0x2A, "asterisk"},
    {0x002B, 584, 0x2B, "plus"},
    {0x002C, 278, 0x2C, "comma"},
    {0x002D, 333, 0x2D, "hyphen"},
    {0x002E, 278, 0x2E, "period"},
    {0x002F, 278, 0x2F, "slash"},
    {0x0030, 556, 0x30, "zero"},
    {0x0031, 556, 0x31, "one"},
    {0x0032, 556, 0x32, "two"},
    {0x0033, 556, 0x33, "three"},
    {0x0034, 556, 0x34, "four"},
    {0x0035, 556, 0x35, "five"},
    {0x0036, 556, 0x36, "six"},
    {0x0037, 556, 0x37, "seven"},
    {0x0038, 556, 0x38, "eight"},
    {0x0039, 556, 0x39, "nine"},
    {0x003A, 278, 0x3A, "colon"},
    {0x003B, 278, 0x3B, "semicolon"},
    {0x003C, 584, 0x3C, "less"},
    {0x003D, 584, 0x3D, "equal"},
    {0x003E, 584, 0x3E, "greater"},
    {0x003F, 556, 0x3F, "question"},
    {0x0040, 1015, 0x40, "at"},
    {0x0041, 667, 0x41, "A"},
    {0x0042, 667, 0x42, "B"},
    {0x0043, 722, 0x43, "C"},
    {0x0044, 722, 0x44, "D"},
    {0x0045, 667, 0x45, "E"},
    {0x0046, 611, 0x46, "F"},
    {0x0047, 778, 0x47, "G"},
    {0x0048, 722, 0x48, "H"},
    {0x0049, 278, 0x49, "I"},
    {0x004A, 500, 0x4A, "J"},
    {0x004B, 667, 0x4B, "K"},
    {0x004C, 556, 0x4C, "L"},
    {0x004D, 833, 0x4D, "M"},
    {0x004E, 722, 0x4E, "N"},
    {0x004F, 778, 0x4F, "O"},
    {0x0050, 667, 0x50, "P"},
    {0x0051, 778, 0x51, "Q"},
    {0x0052, 722, 0x52, "R"},
    {0x0053, 667, 0x53, "S"},
    {0x0054, 611, 0x54, "T"},
    {0x0055, 722, 0x55, "U"},
    {0x0056, 667, 0x56, "V"},
    {0x0057, 944, 0x57, "W"},
    {0x0058, 667, 0x58, "X"},
    {0x0059, 667, 0x59, "Y"},
    {0x005A, 611, 0x5A, "Z"},
    {0x005B, 278, 0x5B, "bracketleft"},
    {0x005C, 278, 0x5C, "backslash"},
    {0x005D, 278, 0x5D, "bracketright"},
    {0x005E, 469, 0x5E, "asciicircum"},
    {0x005F, 556, 0x5F, "underscore"},
    {0x0060, 333, 0x60, "grave"},
    {0x0061, 556, 0x61, "a"},
    {0x0062, 556, 0x62, "b"},
    {0x0063, 500, 0x63, "c"},
    {0x0064, 556, 0x64, "d"},
    {0x0065, 556, 0x65, "e"},
    {0x0066, 278, 0x66, "f"},
    {0x0067, 556, 0x67, "g"},
    {0x0068, 556, 0x68, "h"},
    {0x0069, 222, 0x69, "i"},
    {0x006A, 222, 0x6A, "j"},
    {0x006B, 500, 0x6B, "k"},
    {0x006C, 222, 0x6C, "l"},
    {0x006D, 833, 0x6D, "m"},
    {0x006E, 556, 0x6E, "n"},
    {0x006F, 556, 0x6F, "o"},
    {0x0070, 556, 0x70, "p"},
    {0x0071, 556, 0x71, "q"},
    {0x0072, 333, 0x72, "r"},
    {0x0073, 500, 0x73, "s"},
    {0x0074, 278, 0x74, "t"},
    {0x0075, 556, 0x75, "u"},
    {0x0076, 500, 0x76, "v"},
    {0x0077, 722, 0x77, "w"},
    {0x0078, 500, 0x78, "x"},
    {0x0079, 500, 0x79, "y"},
    {0x007A, 500, 0x7A, "z"},
    {0x007B, 334, 0x7B, "braceleft"},
    {0x007C, 260, 0x7C, "bar"},
    {0x007D, 334, 0x7D, "braceright"},
    {0x007E, 584, 0x7E, "asciitilde"},
    {0x00A0, 278, 0xCA, "space"},
    {0x00A1, 333, 0xC1, "exclamdown"},
    {0x00A2, 556, 0xA2, "cent"},
    {0x00A3, 556, 0xA3, "sterling"},
    {0x00A4, 556, 0xDB, "currency"},
    {0x00A5, 556, 0xB4, "yen"},
    {0x00A6, 260, 0x00, "brokenbar"},
    {0x00A7, 556, 0xA4, "section"},
    {0x00A8, 333, 0xAC, "dieresis"},
    {0x00A9, 737, 0xA9, "copyright"},
    {0x00AA, 370, 0xBB, "ordfeminine"},
    {0x00AB, 556, 0xC7, "guillemotleft"},
    {0x00AC, 584, 0xC2, "logicalnot"},
    {0x00AE, 737, 0xA8, "registered"},
    {0x00AF, 333, 0xF8, "macron"},
    {0x00B0, 400, 0xA1, "degree"},
    {0x00B1, 584, 0xB1, "plusminus"},
    {0x00B2, 333, 0x00, "twosuperior"},
    {0x00B3, 333, 0x00, "threesuperior"},
    {0x00B4, 333, 0xAB, "acute"},
    {0x00B5, 556, 0xB5, "mu"},
    {0x00B6, 537, 0xA6, "paragraph"},
    {0x00B7, 278, 0xE1, "periodcentered"},
    {0x00B8, 333, 0xFC, "cedilla"},
    {0x00B9, 333, 0x00, "onesuperior"},
    {0x00BA, 365, 0xBC, "ordmasculine"},
    {0x00BB, 556, 0xC8, "guillemotright"},
    {0x00BC, 834, 0x00, "onequarter"},
    {0x00BD, 834, 0x00, "onehalf"},
    {0x00BE, 834, 0x00, "threequarters"},
    {0x00BF, 611, 0xC0, "questiondown"},
    {0x00C0, 667, 0xCB, "Agrave"},
    {0x00C1, 667, 0xE7, "Aacute"},
    {0x00C2, 667, 0xE5, "Acircumflex"},
    {0x00C3, 667, 0xCC, "Atilde"},
    {0x00C4, 667, 0x80, "Adieresis"},
    {0x00C5, 667, 0x81, "Aring"},
    {0x00C6, 1000, 0xAE, "AE"},
    {0x00C7, 722, 0x82, "Ccedilla"},
    {0x00C8, 667, 0xE9, "Egrave"},
    {0x00C9, 667, 0x83, "Eacute"},
    {0x00CA, 667, 0xE6, "Ecircumflex"},
    {0x00CB, 667, 0xE8, "Edieresis"},
    {0x00CC, 278, 0xED, "Igrave"},
    {0x00CD, 278, 0xEA, "Iacute"},
    {0x00CE, 278, 0xEB, "Icircumflex"},
    {0x00CF, 278, 0xEC, "Idieresis"},
    {0x00D0, 722, 0x00, "Eth"},
    {0x00D1, 722, 0x84, "Ntilde"},
    {0x00D2, 778, 0xF1, "Ograve"},
    {0x00D3, 778, 0xEE, "Oacute"},
    {0x00D4, 778, 0xEF, "Ocircumflex"},
    {0x00D5, 778, 0xCD, "Otilde"},
    {0x00D6, 778, 0x85, "Odieresis"},
    {0x00D7, 584, 0x00, "multiply"},
    {0x00D8, 778, 0xAF, "Oslash"},
    {0x00D9, 722, 0xF4, "Ugrave"},
    {0x00DA, 722, 0xF2, "Uacute"},
    {0x00DB, 722, 0xF3, "Ucircumflex"},
    {0x00DC, 722, 0x86, "Udieresis"},
    {0x00DD, 667, 0x00, "Yacute"},
    {0x00DE, 667, 0x00, "Thorn"},
    {0x00DF, 611, 0xA7, "germandbls"},
    {0x00E0, 556, 0x88, "agrave"},
    {0x00E1, 556, 0x87, "aacute"},
    {0x00E2, 556, 0x89, "acircumflex"},
    {0x00E3, 556, 0x8B, "atilde"},
    {0x00E4, 556, 0x8A, "adieresis"},
    {0x00E5, 556, 0x8C, "aring"},
    {0x00E6, 889, 0xBE, "ae"},
    {0x00E7, 500, 0x8D, "ccedilla"},
    {0x00E8, 556, 0x8F, "egrave"},
    {0x00E9, 556, 0x8E, "eacute"},
    {0x00EA, 556, 0x90, "ecircumflex"},
    {0x00EB, 556, 0x91, "edieresis"},
    {0x00EC, 278, 0x93, "igrave"},
    {0x00ED, 278, 0x92, "iacute"},
    {0x00EE, 278, 0x94, "icircumflex"},
    {0x00EF, 278, 0x95, "idieresis"},
    {0x00F0, 556, 0x00, "eth"},
    {0x00F1, 556, 0x96, "ntilde"},
    {0x00F2, 556, 0x98, "ograve"},
    {0x00F3, 556, 0x97, "oacute"},
    {0x00F4, 556, 0x99, "ocircumflex"},
    {0x00F5, 556, 0x9B, "otilde"},
    {0x00F6, 556, 0x9A, "odieresis"},
    {0x00F7, 584, 0xD6, "divide"},
    {0x00F8, 611, 0xBF, "oslash"},
    {0x00F9, 556, 0x9D, "ugrave"},
    {0x00FA, 556, 0x9C, "uacute"},
    {0x00FB, 556, 0x9E, "ucircumflex"},
    {0x00FC, 556, 0x9F, "udieresis"},
    {0x00FD, 500, 0x00, "yacute"},
    {0x00FE, 556, 0x00, "thorn"},
    {0x00FF, 500, 0xD8, "ydieresis"},
    {0x0100, 667, 0x00, "Amacron"},
    {0x0101, 556, 0x00, "amacron"},
    {0x0102, 667, 0x00, "Abreve"},
    {0x0103, 556, 0x00, "abreve"},
    {0x0104, 667, 0x00, "Aogonek"},
    {0x0105, 556, 0x00, "aogonek"},
    {0x0106, 722, 0x00, "Cacute"},
    {0x0107, 500, 0x00, "cacute"},
    {0x010C, 722, 0x00, "Ccaron"},
    {0x010D, 500, 0x00, "ccaron"},
    {0x010E, 722, 0x00, "Dcaron"},
    {0x010F, 643, 0x00, "dcaron"},
    {0x0110, 722, 0x00, "Dcroat"},
    {0x0111, 556, 0x00, "dcroat"},
    {0x0112, 667, 0x00, "Emacron"},
    {0x0113, 556, 0x00, "emacron"},
    {0x0116, 667, 0x00, "Edotaccent"},
    {0x0117, 556, 0x00, "edotaccent"},
    {0x0118, 667, 0x00, "Eogonek"},
    {0x0119, 556, 0x00, "eogonek"},
    {0x011A, 667, 0x00, "Ecaron"},
    {0x011B, 556, 0x00, "ecaron"},
    {0x011E, 778, 0x00, "Gbreve"},
    {0x011F, 556, 0x00, "gbreve"},
    {0x0122, 778, 0x00, "Gcommaaccent"},
    {0x0123, 556, 0x00, "gcommaaccent"},
    {0x012A, 278, 0x00, "Imacron"},
    {0x012B, 278, 0x00, "imacron"},
    {0x012E, 278, 0x00, "Iogonek"},
    {0x012F, 222, 0x00, "iogonek"},
    {0x0130, 278, 0x00, "Idotaccent"},
    {0x0131, 278, 0xF5, "dotlessi"},
    {0x0136, 667, 0x00, "Kcommaaccent"},
    {0x0137, 500, 0x00, "kcommaaccent"},
    {0x0139, 556, 0x00, "Lacute"},
    {0x013A, 222, 0x00, "lacute"},
    {0x013B, 556, 0x00, "Lcommaaccent"},
    {0x013C, 222, 0x00, "lcommaaccent"},
    {0x013D, 556, 0x00, "Lcaron"},
    {0x013E, 299, 0x00, "lcaron"},
    {0x0141, 556, 0x00, "Lslash"},
    {0x0142, 222, 0x00, "lslash"},
    {0x0143, 722, 0x00, "Nacute"},
    {0x0144, 556, 0x00, "nacute"},
    {0x0145, 722, 0x00, "Ncommaaccent"},
    {0x0146, 556, 0x00, "ncommaaccent"},
    {0x0147, 722, 0x00, "Ncaron"},
    {0x0148, 556, 0x00, "ncaron"},
    {0x014C, 778, 0x00, "Omacron"},
    {0x014D, 556, 0x00, "omacron"},
    {0x0150, 778, 0x00, "Ohungarumlaut"},
    {0x0151, 556, 0x00, "ohungarumlaut"},
    {0x0152, 1000, 0xCE, "OE"},
    {0x0153, 944, 0xCF, "oe"},
    {0x0154, 722, 0x00, "Racute"},
    {0x0155, 333, 0x00, "racute"},
    {0x0156, 722, 0x00, "Rcommaaccent"},
    {0x0157, 333, 0x00, "rcommaaccent"},
    {0x0158, 722, 0x00, "Rcaron"},
    {0x0159, 333, 0x00, "rcaron"},
    {0x015A, 667, 0x00, "Sacute"},
    {0x015B, 500, 0x00, "sacute"},
    {0x015E, 667, 0x00, "Scedilla"},
    {0x015F, 500, 0x00, "scedilla"},
    {0x0160, 667, 0x00, "Scaron"},
    {0x0161, 500, 0x00, "scaron"},
    {0x0162, 611, 0x00, "Tcommaaccent"},
    {0x0163, 278, 0x00, "tcommaaccent"},
    {0x0164, 611, 0x00, "Tcaron"},
    {0x0165, 317, 0x00, "tcaron"},
    {0x016A, 722, 0x00, "Umacron"},
    {0x016B, 556, 0x00, "umacron"},
    {0x016E, 722, 0x00, "Uring"},
    {0x016F, 556, 0x00, "uring"},
    {0x0170, 722, 0x00, "Uhungarumlaut"},
    {0x0171, 556, 0x00, "uhungarumlaut"},
    {0x0172, 722, 0x00, "Uogonek"},
    {0x0173, 556, 0x00, "uogonek"},
    {0x0178, 667, 0xD9, "Ydieresis"},
    {0x0179, 611, 0x00, "Zacute"},
    {0x017A, 500, 0x00, "zacute"},
    {0x017B, 611, 0x00, "Zdotaccent"},
    {0x017C, 500, 0x00, "zdotaccent"},
    {0x017D, 611, 0x00, "Zcaron"},
    {0x017E, 500, 0x00, "zcaron"},
    {0x0192, 556, 0xC4, "florin"},
    {0x0218, 667, 0x00, "Scommaaccent"},
    {0x0219, 500, 0x00, "scommaaccent"},
    {0x02C6, 333, 0xF6, "circumflex"},
    {0x02C7, 333, 0xFF, "caron"},
    {0x02D8, 333, 0xF9, "breve"},
    {0x02D9, 333, 0xFA, "dotaccent"},
    {0x02DA, 333, 0xFB, "ring"},
    {0x02DB, 333, 0xFE, "ogonek"},
    {0x02DC, 333, 0xF7, "tilde"},
    {0x02DD, 333, 0xFD, "hungarumlaut"},
    {0x2007, 278, 0xCA, "space"},
    {0x2013, 556, 0xD0, "endash"},
    {0x2014, 1000, 0xD1, "emdash"},
    {0x2018, 222, 0xD4, "quoteleft"},
    {0x2019, 222, 0xD5, "quoteright"},
    {0x201A, 222, 0xE2, "quotesinglbase"},
    {0x201C, 333, 0xD2, "quotedblleft"},
    {0x201D, 333, 0xD3, "quotedblright"},
    {0x201E, 333, 0xE3, "quotedblbase"},
    {0x2020, 556, 0xA0, "dagger"},
    {0x2021, 556, 0xE0, "daggerdbl"},
    {0x2022, 350, 0xA5, "bullet"},
    {0x2026, 1000, 0xC9, "ellipsis"},
    {0x202F, 278, 0xCA, "space"},
    {0x2030, 1000, 0xE4, "perthousand"},
    {0x2039, 333, 0xDC, "guilsinglleft"},
    {0x203A, 333, 0xDD, "guilsinglright"},
    {0x2044, 278, 0xDA, "fraction"},
    {0x20AC, 556, 0x00, "Euro"},
    {0x2122, 1000, 0xAA, "trademark"},
    {0x2202, 476, 0x00, "partialdiff"},
    {0x2206, 612, 0x00, "Delta"},
    {0x2211, 996, 0x00, "summation"},
    {0x2212, 584, 0x00, "minus"},
    {0x221A, 453, 0x00, "radical"},
    {0x2260, 549, 0x00, "notequal"},
    {0x2264, 549, 0x00, "lessequal"},
    {0x2265, 549, 0x00, "greaterequal"},
    {0x25CA, 471, 0x00, "lozenge"},
    {0xFB01, 500, 0xDE, "fi"},
    {0xFB02, 500, 0xDF, "fl"},
};

constexpr int kGlyphCount = int(std::size(kGlyphs));

constexpr bool SortedByUnicode()
{
    for (int i = 1; i < kGlyphCount; ++i) {
        if (kGlyphs[i - 1].unicode >= kGlyphs[i].unicode)
            return false;
    }
    return true;
}
static_assert(SortedByUnicode(), "the glyph table is searched by Unicode");

// Latin-1 is looked up directly; it is nearly all text.
struct Lookup
{
    std::array<qint16, 256> latin1{};
    std::array<qint16, 256> macRoman{};
};

const Lookup& Tables()
{
    static const Lookup tables = [] {
        Lookup t;
        t.latin1.fill(-1);
        t.macRoman.fill(-1);
        for (int i = 0; i < kGlyphCount; ++i) {
            if (kGlyphs[i].unicode < 256)
                t.latin1[kGlyphs[i].unicode] = qint16(i);
            // 0xCA is shared by the no-break spaces; U+00A0 is the first.
            if (kGlyphs[i].macRoman != 0 && t.macRoman[kGlyphs[i].macRoman] < 0)
                t.macRoman[kGlyphs[i].macRoman] = qint16(i);
        }
        return t;
    }();
    return tables;
}

} // namespace

int HelveticaGlyphIndex(char32_t c)
{
    if (c < 256)
        return Tables().latin1[c];
    if (c > 0xFFFF)
        return -1;
    const auto* end = kGlyphs + kGlyphCount;
    const auto* it =
        std::lower_bound(kGlyphs, end, c, [](const HelveticaGlyph& g, char32_t u) { return g.unicode < u; });
    return it != end && it->unicode == c ? int(it - kGlyphs) : -1;
}

const HelveticaGlyph& HelveticaGlyphAt(int index)
{
    return kGlyphs[index];
}

int HelveticaGlyphCount()
{
    return kGlyphCount;
}

int HelveticaGlyphOfMacRoman(quint8 code)
{
    return Tables().macRoman[code];
}
