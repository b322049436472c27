#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <array>
#include <vector>

// Object texts keyed by object number, enumerated the way the file lays them
// out: 17 buckets (number >> 4) % 17 in turn, each newest entry first.
class CPdfObjectMap
{
public:
    // Adds or replaces; a replaced entry keeps its place.
    void SetAt(qint32 number, const QByteArray& text);
    QByteArray* Lookup(qint32 number);
    qsizetype GetCount() const { return m_texts.size(); }
    // Object numbers in enumeration order.
    std::vector<qint32> EnumerationOrder() const;
    const QByteArray& At(qint32 number) const;

    static int Bucket(qint32 number) { return int((quint32(number) >> 4) % kBuckets); }

private:
    static constexpr int kBuckets = 17;
    std::array<std::vector<qint32>, kBuckets> m_chains; // oldest first
    QHash<qint32, QByteArray> m_texts;
};

// A PDF 1.4 document of 612 x 792 pages with Helvetica text blocks, lines and
// wrapped paragraphs. Everything is kept in memory and written by Save in one
// go. Text is written in the font's MacRomanEncoding (characters it lacks
// become "?") with "\", "(" and ")" escaped.
class CPdfWriter
{
public:
    CPdfWriter() = default;
    virtual ~CPdfWriter() = default;

    // Starts a new page and makes it current.
    void NewPage();
    // A text block whose first baseline lies one leading (14.4 pt) below
    // (x, y); size s gives 12 * s point glyphs; CR LF starts a new line.
    void AddTextBlock(const QString& text, int x, int y, int size);
    void DrawLine(int x1, int y1, int x2, int y2, int width);
    // Lays out text from (x, y) downwards, wrapped at 500 pixels of a
    // Helvetica with a character cell of unit * 9 / 5 pixels, two units per
    // line, continuing on new pages (from y 750) below 65. Parentheses become
    // blanks.
    void AddParagraph(const QString& text, int x, int y, int size, int unit);

    // The whole file.
    QByteArray Document() const;
    // Writes Document() to path, replacing the file only once all of it is
    // written. On failure errorText gets the reason; no file is left behind.
    bool Save(const QString& path, QString* errorText = nullptr) const;

    // The lines AddParagraph writes for text: split at CR LF, parentheses
    // blanked, wrapped. MacRoman bytes.
    static QList<QByteArray> WrapLines(const QString& text, int unit);

    static constexpr const char* kContentsPlaceholder = "%%123Page_Contents321%%";

private:
    qint32 m_nLastObject = 4;
    qint32 m_nCurrentPage = 0;
    CPdfObjectMap m_mapPages;
    CPdfObjectMap m_mapContents;

    void AddTextBlockBytes(const QByteArray& text, int x, int y, int size);
    void AddContentObject(qint32 number, const QByteArray& objectText);
};
