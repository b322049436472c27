#include "export/HelveticaMetrics.h"

#include <array>

namespace {

// Unicode of MacRoman 0x80..0xFF; 0 where the PDF MacRomanEncoding has no
// glyph (the mathematical signs, the Apple logo; 0xDB is the currency sign
// there, not the euro).
constexpr std::array<char16_t, 128> kHighHalf = {
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1, // 0x80
    0x00E0, 0x00E2, 0x00E4, 0x00E3, 0x00E5, 0x00E7, 0x00E9, 0x00E8, // 0x88
    0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3, // 0x90
    0x00F2, 0x00F4, 0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC, // 0x98
    0x2020, 0x00B0, 0x00A2, 0x00A3, 0x00A7, 0x2022, 0x00B6, 0x00DF, // 0xA0
    0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x0000, 0x00C6, 0x00D8, // 0xA8
    0x0000, 0x00B1, 0x0000, 0x0000, 0x00A5, 0x00B5, 0x0000, 0x0000, // 0xB0
    0x0000, 0x0000, 0x0000, 0x00AA, 0x00BA, 0x0000, 0x00E6, 0x00F8, // 0xB8
    0x00BF, 0x00A1, 0x00AC, 0x0000, 0x0192, 0x0000, 0x0000, 0x00AB, // 0xC0
    0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5, 0x0152, 0x0153, // 0xC8
    0x2013, 0x2014, 0x201C, 0x201D, 0x2018, 0x2019, 0x00F7, 0x0000, // 0xD0
    0x00FF, 0x0178, 0x2044, 0x00A4, 0x2039, 0x203A, 0xFB01, 0xFB02, // 0xD8
    0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1, // 0xE0
    0x00CB, 0x00C8, 0x00CD, 0x00CE, 0x00CF, 0x00CC, 0x00D3, 0x00D4, // 0xE8
    0x0000, 0x00D2, 0x00DA, 0x00DB, 0x00D9, 0x0131, 0x02C6, 0x02DC, // 0xF0
    0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7, // 0xF8
};

// Helvetica advance widths per MacRoman code, in thousandths of an em.
constexpr std::array<quint16, 256> kWidths = {
    0,    0,    0,   0,   0,    0,   0,   0,   0,   0,    0,    0,   0,   0,   0,    0,   // 0x00
    0,    0,    0,   0,   0,    0,   0,   0,   0,   0,    0,    0,   0,   0,   0,    0,   // 0x10
    278,  278,  355, 556, 556,  889, 667, 191, 333, 333,  389,  584, 278, 333, 278,  278, // 0x20
    556,  556,  556, 556, 556,  556, 556, 556, 556, 556,  278,  278, 584, 584, 584,  556, // 0x30
    1015, 667,  667, 722, 722,  667, 611, 778, 722, 278,  500,  667, 556, 833, 722,  778, // 0x40
    667,  778,  722, 667, 611,  722, 667, 944, 667, 667,  611,  278, 278, 278, 469,  556, // 0x50
    333,  556,  556, 500, 556,  556, 278, 556, 556, 222,  222,  500, 222, 833, 556,  556, // 0x60
    556,  556,  333, 500, 278,  556, 500, 722, 500, 500,  500,  334, 260, 334, 584,  0,   // 0x70
    667,  667,  722, 667, 722,  778, 722, 556, 556, 556,  556,  556, 556, 500, 556,  556, // 0x80
    556,  556,  278, 278, 278,  278, 556, 556, 556, 556,  556,  556, 556, 556, 556,  556, // 0x90
    556,  400,  556, 556, 556,  350, 537, 611, 737, 737,  1000, 333, 333, 0,   1000, 778, // 0xA0
    0,    584,  0,   0,   556,  556, 0,   0,   0,   0,    0,    370, 365, 0,   889,  611, // 0xB0
    611,  333,  584, 0,   556,  0,   0,   556, 556, 1000, 278,  667, 667, 778, 1000, 944, // 0xC0
    556,  1000, 333, 333, 222,  222, 584, 0,   500, 667,  278,  556, 333, 333, 500,  500, // 0xD0
    556,  278,  222, 333, 1000, 667, 667, 667, 667, 667,  278,  278, 278, 278, 778,  778, // 0xE0
    0,    778,  722, 722, 722,  278, 333, 333, 333, 333,  333,  333, 333, 333, 333,  333, // 0xF0
};

// Ascent plus descent of Helvetica in thousandths of an em, the height a
// font mapper fits into the character cell.
constexpr qint64 kCellUnits = 905 + 212;

// Unicode (BMP) to MacRoman; 0 means "no glyph" (0 itself maps to 0 below).
const std::array<uchar, 0x10000>& ReverseTable()
{
    static const auto table = [] {
        std::array<uchar, 0x10000> t{};
        for (int c = 1; c < 0x80; ++c)
            t[c] = uchar(c);
        for (int i = 0; i < 128; ++i) {
            if (kHighHalf[i] != 0)
                t[kHighHalf[i]] = uchar(0x80 + i);
        }
        return t;
    }();
    return table;
}

} // namespace

QByteArray ToMacRoman(const QString& text)
{
    const QString composed = text.normalized(QString::NormalizationForm_C);
    const auto& table = ReverseTable();
    QByteArray out;
    out.reserve(composed.size());
    const QChar* p = composed.constData();
    const QChar* end = p + composed.size();
    for (; p < end; ++p) {
        const char16_t c = p->unicode();
        if (c == 0) {
            out.append('\0');
            continue;
        }
        if (QChar::isHighSurrogate(c) && p + 1 < end && QChar::isLowSurrogate(p[1].unicode()))
            ++p; // one character, one "?"
        const uchar b = table[c];
        out.append(b != 0 ? char(b) : '?');
    }
    return out;
}

int HelveticaAdvance(unsigned char code)
{
    return kWidths[code];
}

CHelveticaMeasure::CHelveticaMeasure(int cellHeight) : m_nCellHeight(cellHeight > 0 ? cellHeight : 0) {}

qsizetype CHelveticaMeasure::FitCount(const char* text, qsizetype length, int maxExtent) const
{
    // Compare in integers: width = units * cell / kCellUnits <= maxExtent.
    const qint64 limit = qint64(maxExtent) * kCellUnits;
    qint64 units = 0;
    for (qsizetype i = 0; i < length; ++i) {
        units += kWidths[uchar(text[i])];
        if (units * m_nCellHeight > limit)
            return i;
    }
    return length;
}

qint64 CHelveticaMeasure::TextWidth(const QByteArray& text) const
{
    qint64 units = 0;
    for (char ch : text)
        units += kWidths[uchar(ch)];
    return units * m_nCellHeight / kCellUnits;
}
