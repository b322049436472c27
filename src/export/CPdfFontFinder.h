#pragma once

#include <QHash>
#include <QMutex>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class CPdfFontFace;

// Finds the installed fonts that show what Helvetica cannot: DejaVu Sans
// (Latin, Greek, Cyrillic, Arabic, Hebrew) first, then Noto Sans CJK JP
// (Chinese, Japanese, Korean), then whatever sans-serif font fontconfig
// offers for a character (Noto Sans Devanagari, Noto Sans Thai, Symbola for
// emoji, ...). Colour fonts are passed over: their bitmaps or layers cannot
// be embedded as outlines, so a monochrome font further down the list shows
// the character instead. Faces stay open for the life of the program and are
// shared by every document, so exports that use them run one at a time.
class CPdfFontFinder
{
public:
    static CPdfFontFinder& Instance();

    // The face to draw c with; nullptr when no installed font has it.
    const CPdfFontFace* FaceFor(char32_t c);
    // The first face of the list that has every one of chars (a letter with
    // its marks); nullptr when none has them all.
    const CPdfFontFace* FaceForAll(const std::vector<char32_t>& chars);
    // A TrueType face whose missing-glyph box stands in for characters no
    // font has; nullptr when there is none at all.
    const CPdfFontFace* StandInFace();

    // Search only these font files (face 0 of each) instead of the installed
    // fonts; an empty list finds nothing. For tests.
    void UseOnlyFiles(const QStringList& files);
    // Back to the installed fonts.
    void UseInstalledFonts();

private:
    CPdfFontFinder() = default;

    const CPdfFontFace* OpenFace(const QString& path, int index);
    const std::vector<const CPdfFontFace*>& Preferred();
    const CPdfFontFace* SearchInstalled(const std::vector<char32_t>& chars);
    const CPdfFontFace* FaceForLocked(char32_t c);

    QMutex m_mutex;
    std::vector<std::unique_ptr<CPdfFontFace>> m_open;
    std::optional<std::vector<const CPdfFontFace*>> m_preferred;
    QHash<char32_t, const CPdfFontFace*> m_byChar;
    std::optional<QStringList> m_onlyFiles;
};
