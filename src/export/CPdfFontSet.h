#pragma once

#include "export/CPdfBaseEncoding.h"
#include "export/PdfTokens.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

class CPdfEmbeddedFont;
class CPdfFontFace;

// The fonts of one document and the way its text becomes glyph codes.
//
// Text is turned into tokens: a code of the base font F1 (below 256), or a
// CID of embedded font i ((i + 1) << 16 | cid, shown as font F(i + 2)).
// Characters of Helvetica's standard Latin set use the base font; every
// other one the first installed font that has it. A character no installed
// font has is shown as a replacement mark that still reads as the character,
// and is listed in MissingCharacters().
class CPdfFontSet
{
public:
    static constexpr quint32 kLineBreak = 0xFFFFFFFFu;
    static constexpr int kTabBlanks = 4;
    static constexpr quint32 kBlank = ' ';
    static constexpr quint32 kHyphen = '-';

    CPdfFontSet();
    ~CPdfFontSet();

    // Whether text has a character that the base font's codes cannot show
    // one for one (line breaks, tabs and control characters aside): text of
    // other scripts, which CPdfTextLayout lays out.
    static bool NeedsLayout(QStringView text);

    // Appends the tokens of text. CR LF, a lone CR or LF and the Unicode
    // line and paragraph separators each give one kLineBreak; a tab gives
    // kTabBlanks blanks; other control characters have no glyph and are
    // left out. Text is composed to NFC first.
    void Encode(QStringView text, PdfTokens* tokens);

    // Thousandths of an em.
    int Width(quint32 token) const
    {
        return token < 256 ? m_base.Width(quint8(token)) : EmbeddedWidth(token);
    }
    // The width c will have, without adding it to the document.
    int CharWidth(char32_t c) const;
    // The same for a text (composed to NFC, as Encode does).
    qint64 TextWidth(QStringView text) const;

    // The characters the tokens stand for.
    QString Text(const quint32* begin, const quint32* end) const;

    // The base font's code for c, kNone when the base font cannot show it.
    quint32 BaseToken(char32_t c);
    // The token that shows glyph of face and reads as text; width as for
    // CPdfEmbeddedFont::CidFor.
    quint32 GlyphToken(const CPdfFontFace& face, unsigned glyph, const QString& text, int width = -1);
    // The replacement mark for characters no installed font has, reading as
    // text; the characters of missing go to MissingCharacters().
    quint32 ReplacementToken(const QString& text, const std::vector<char32_t>& missing);

    const CPdfBaseEncoding& Base() const { return m_base; }
    int EmbeddedCount() const { return int(m_embedded.size()); }
    const CPdfEmbeddedFont& Embedded(int i) const { return *m_embedded[size_t(i)]; }

    // Characters no installed font has, each once, in the order met.
    const std::vector<char32_t>& MissingCharacters() const { return m_missing; }

    static constexpr quint32 kNone = 0xFFFFFFFEu;

private:
    quint32 Resolve(char32_t c);
    int EmbeddedWidth(quint32 token) const;

    CPdfBaseEncoding m_base;
    std::vector<std::unique_ptr<CPdfEmbeddedFont>> m_embedded;
    QHash<char32_t, quint32> m_embeddedTokens;
    std::vector<char32_t> m_missing;
};
