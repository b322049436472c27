#include "export/CPdfFontFinder.h"

#include "export/CPdfFontFace.h"

#include <QFile>

#include <memory>

#include <fontconfig/fontconfig.h>

namespace {

struct PreferredFont
{
    const char* family;
    const char* style;
    const char* debianPath; // where Debian installs it, when fontconfig does not answer
    int debianIndex;
};

constexpr PreferredFont kPreferred[] = {
    {"DejaVu Sans", "Book", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 0},
    {"Noto Sans CJK JP", "Regular", "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc", 0},
};

// How many of fontconfig's candidates for a character are tried.
constexpr int kMaxCandidates = 40;

// Fontconfig's font list, read once; released at exit.
FcConfig* Config()
{
    static const std::unique_ptr<FcConfig, void (*)(FcConfig*)> config(
        FcInitLoadConfigAndFonts(), [](FcConfig* c) { FcConfigDestroy(c); });
    return config.get();
}

bool FileAndIndex(FcPattern* pattern, QString* path, int* index)
{
    FcChar8* file = nullptr;
    if (FcPatternGetString(pattern, FC_FILE, 0, &file) != FcResultMatch || !file)
        return false;
    *path = QFile::decodeName(reinterpret_cast<const char*>(file));
    int i = 0;
    if (FcPatternGetInteger(pattern, FC_INDEX, 0, &i) != FcResultMatch)
        i = 0;
    *index = i;
    return true;
}

// The file fontconfig has for exactly this family and style; false when it
// would only offer a substitute.
bool FindFamily(const PreferredFont& font, QString* path, int* index)
{
    FcConfig* config = Config();
    if (!config)
        return false;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(font.family));
    FcPatternAddString(pattern, FC_STYLE, reinterpret_cast<const FcChar8*>(font.style));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    bool found = false;
    if (match) {
        FcChar8* family = nullptr;
        for (int i = 0; !found && FcPatternGetString(match, FC_FAMILY, i, &family) == FcResultMatch; ++i)
            found = family && qstrcmp(reinterpret_cast<const char*>(family), font.family) == 0;
        found = found && FileAndIndex(match, path, index);
        FcPatternDestroy(match);
    }
    return found;
}

} // namespace

CPdfFontFinder& CPdfFontFinder::Instance()
{
    static CPdfFontFinder finder;
    return finder;
}

const CPdfFontFace* CPdfFontFinder::OpenFace(const QString& path, int index)
{
    for (const auto& face : m_open) {
        if (face->Path() == path && face->Index() == index)
            return face.get();
    }
    std::unique_ptr<CPdfFontFace> face = CPdfFontFace::Open(path, index);
    if (!face)
        return nullptr;
    m_open.push_back(std::move(face));
    return m_open.back().get();
}

const std::vector<const CPdfFontFace*>& CPdfFontFinder::Preferred()
{
    if (m_preferred)
        return *m_preferred;
    m_preferred.emplace();
    if (m_onlyFiles) {
        for (const QString& file : *m_onlyFiles) {
            if (const CPdfFontFace* face = OpenFace(file, 0))
                m_preferred->push_back(face);
        }
        return *m_preferred;
    }
    for (const PreferredFont& font : kPreferred) {
        QString path;
        int index = 0;
        if (!FindFamily(font, &path, &index)) {
            path = QString::fromLatin1(font.debianPath);
            index = font.debianIndex;
        }
        if (const CPdfFontFace* face = OpenFace(path, index))
            m_preferred->push_back(face);
    }
    return *m_preferred;
}

namespace {

bool HasAll(const CPdfFontFace* face, const std::vector<char32_t>& chars)
{
    for (char32_t c : chars) {
        if (face->GlyphOf(c) == 0)
            return false;
    }
    return true;
}

} // namespace

const CPdfFontFace* CPdfFontFinder::SearchInstalled(const std::vector<char32_t>& chars)
{
    FcConfig* config = Config();
    if (!config || chars.empty())
        return nullptr;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
    FcCharSet* charset = FcCharSetCreate();
    for (char32_t c : chars)
        FcCharSetAddChar(charset, FcChar32(c));
    FcPatternAddCharSet(pattern, FC_CHARSET, charset);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcFontSet* fonts = FcFontSort(config, pattern, FcTrue, nullptr, &result);
    FcPatternDestroy(pattern);
    const CPdfFontFace* found = nullptr;
    if (fonts) {
        for (int i = 0; !found && i < fonts->nfont && i < kMaxCandidates; ++i) {
            FcCharSet* has = nullptr;
            if (FcPatternGetCharSet(fonts->fonts[i], FC_CHARSET, 0, &has) != FcResultMatch ||
                FcCharSetSubtractCount(charset, has) != 0)
                continue;
            FcBool color = FcFalse;
            if (FcPatternGetBool(fonts->fonts[i], FC_COLOR, 0, &color) == FcResultMatch && color)
                continue;
            QString path;
            int index = 0;
            if (!FileAndIndex(fonts->fonts[i], &path, &index))
                continue;
            // Opening fails for what cannot be embedded (colour bitmaps, Type 1).
            const CPdfFontFace* face = OpenFace(path, index);
            if (face && HasAll(face, chars))
                found = face;
        }
        FcFontSetDestroy(fonts);
    }
    FcCharSetDestroy(charset);
    return found;
}

const CPdfFontFace* CPdfFontFinder::FaceForLocked(char32_t c)
{
    const auto cached = m_byChar.constFind(c);
    if (cached != m_byChar.cend())
        return *cached;
    const CPdfFontFace* found = nullptr;
    for (const CPdfFontFace* face : Preferred()) {
        if (face->GlyphOf(c) != 0) {
            found = face;
            break;
        }
    }
    if (!found && !m_onlyFiles)
        found = SearchInstalled({c});
    m_byChar.insert(c, found);
    return found;
}

const CPdfFontFace* CPdfFontFinder::FaceFor(char32_t c)
{
    QMutexLocker lock(&m_mutex);
    return FaceForLocked(c);
}

const CPdfFontFace* CPdfFontFinder::FaceForAll(const std::vector<char32_t>& chars)
{
    if (chars.empty())
        return nullptr;
    QMutexLocker lock(&m_mutex);
    // The face of the first character, when it has the marks too.
    const CPdfFontFace* first = FaceForLocked(chars.front());
    if (!first)
        return nullptr;
    if (HasAll(first, chars))
        return first;
    for (const CPdfFontFace* face : Preferred()) {
        if (HasAll(face, chars))
            return face;
    }
    return m_onlyFiles ? nullptr : SearchInstalled(chars);
}

const CPdfFontFace* CPdfFontFinder::StandInFace()
{
    QMutexLocker lock(&m_mutex);
    for (const CPdfFontFace* face : Preferred()) {
        if (face->FontKind() == CPdfFontFace::Kind::TrueType)
            return face;
    }
    return nullptr;
}

void CPdfFontFinder::UseOnlyFiles(const QStringList& files)
{
    QMutexLocker lock(&m_mutex);
    m_onlyFiles = files;
    m_preferred.reset();
    m_byChar.clear();
}

void CPdfFontFinder::UseInstalledFonts()
{
    QMutexLocker lock(&m_mutex);
    m_onlyFiles.reset();
    m_preferred.reset();
    m_byChar.clear();
}
