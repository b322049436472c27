#pragma once

#include <QString>
#include <QStringView>

#include <vector>

class CPdfFontSet;

// Lays out text that needs more than the base font's one glyph a character,
// as the print preview lays it out: a font for each grapheme cluster (the
// base font where it has the cluster, else the first installed font that has
// it all), right-to-left runs ordered by the bidirectional algorithm (ICU),
// every run of an installed font shaped by HarfBuzz (joined Arabic letters,
// Devanagari conjuncts and vowel signs, Thai marks), lines broken where the
// script allows it (ICU's line breaks: Thai between words), and each line's
// glyphs in the order they stand on the page, left to right.
//
// A glyph reads as the characters it shows (its tokens carry the text). Where
// one glyph shows several characters, or a cluster's glyphs are not its
// characters' own glyphs in their order, the leftmost glyph of the cluster
// reads as all of them and spans the cluster's width, and the others are
// silent: they read as nothing. Inside right-to-left runs a glyph's text is
// written backwards, since readers turn the run's characters around one by
// one to get back to the order they were typed in.
class CPdfTextLayout
{
public:
    // A glyph as CPdfFontSet's tokens name it, with the shaper's advance and
    // offsets, in thousandths of an em.
    struct Glyph
    {
        quint32 token;
        qint32 advance;
        qint32 xOffset;
        qint32 yOffset;
        bool silent; // reads as nothing: drawn after the line's text
    };
    struct Line
    {
        std::vector<Glyph> glyphs; // left to right
        qint64 width = 0;          // the advances added up
        bool rightToLeft = false;  // the direction of its paragraph
        QString text;              // its characters in the order typed
    };

    explicit CPdfTextLayout(CPdfFontSet& fonts);

    // The lines of text: one for each line break (CR LF, CR, LF, U+0085,
    // U+2028, U+2029), and more where a line would be wider than maxUnits
    // (thousandths of an em; negative for no limit). A line that does not fit
    // is cut after its last blank that fits, else after its last hyphen, else
    // at its last break opportunity that fits, else between the clusters
    // that fit, and at least after one cluster. Tabs become four blanks;
    // other control characters are left out. text is composed to NFC first.
    std::vector<Line> Layout(QStringView text, qint64 maxUnits);

    // The width of text laid out as one line.
    qint64 Width(QStringView text);
    // How many UTF-16 units at the start of text (composed to NFC, as
    // returned in composed) make whole clusters no wider than maxUnits.
    qsizetype FittingPrefix(QStringView text, qint64 maxUnits, QString* composed);

private:
    CPdfFontSet& m_fonts;
};
