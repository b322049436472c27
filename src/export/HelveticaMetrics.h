#pragma once

#include <QByteArray>
#include <QString>

// The text side of the PDF font F1: Helvetica in MacRomanEncoding.
//
// Text goes into the file as MacRoman bytes, the encoding the font object
// declares, and is measured in those same bytes, so what is measured is
// exactly what the viewer draws.

// The MacRoman bytes of a text (composed to NFC first). Every character that
// the declared encoding has no glyph for becomes one "?", also a character
// outside the Basic Multilingual Plane.
QByteArray ToMacRoman(const QString& text);

// Advance width of a MacRoman byte in thousandths of an em (the standard
// Helvetica widths). Control characters and unused codes are 0.
int HelveticaAdvance(unsigned char code);

// Text measurement in whole pixels for a font selected by its character cell
// height, as a screen font mapper would select "Helvetica".
//
// A cell height h holds ascent and descent, 905 + 212 thousandths of an em
// for Helvetica on Windows (Arial: 1854 + 434 per 2048), so the em is
// h * 1000 / 1117 pixels: 12.53 px for the 14 px cell that line unit 8 gives.
// Widths add up exactly at that em; nothing is rounded per glyph.
class CHelveticaMeasure
{
public:
    explicit CHelveticaMeasure(int cellHeight);

    int CellHeight() const { return m_nCellHeight; }

    // How many leading bytes of text[0, length) fit into maxExtent pixels.
    qsizetype FitCount(const char* text, qsizetype length, int maxExtent) const;

    // The width in pixels, rounded down.
    qint64 TextWidth(const QByteArray& text) const;

private:
    int m_nCellHeight;
};
