#pragma once

#include "platform/CWordDocument.h"
#include "platform/OoxmlPackage.h"

#include <QString>

// Writes a CWordDocument as a .docx package: the body with its paragraphs and
// tables on the document's paper (A4 or Letter), the comments, and a style
// part with the document's default font (Times New Roman, 12 points).
class CDocxWriter
{
public:
    static constexpr int kSideMargin = 720; // twips
    static constexpr int kTopMargin = 1134;

    explicit CDocxWriter(const CWordDocument& document) : m_document(document) {}

    OoxmlPackage Package() const;
    // Written atomically: the old file stays on failure; why names the path.
    bool Save(const QString& path, QString* why) const;

private:
    // The large parts are printed a block, a table row or a comment at a time.
    QByteArray DocumentPart() const;
    QByteArray CommentsPart() const;

    const CWordDocument& m_document;
};
