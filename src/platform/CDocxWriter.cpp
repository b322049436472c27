#include "platform/CDocxWriter.h"

#include "model/base/Clock.h"
#include "platform/OoxmlXml.h"

#include <QDateTime>

#include <cmath>

using namespace OoxmlXml;

namespace {

const char* const kWordNs = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
const char* const kAuthor = "Tallyvane";

QByteArray Utf8(const QString& s)
{
    return s.toUtf8();
}

void SetVal(pugi::xml_node node, const char* value)
{
    node.append_attribute("w:val") = value;
}

void SetVal(pugi::xml_node node, int value)
{
    node.append_attribute("w:val") = value;
}

// "RRGGBB" of an automation colour, or "auto"; a document sets the same few
// colours on every run, so this stays clear of strings on the heap.
void SetColor(pugi::xml_attribute attribute, quint32 colorRef)
{
    if (colorRef & 0xFF000000u) {
        attribute = "auto";
        return;
    }
    static const char hex[] = "0123456789ABCDEF";
    char rgb[7];
    for (int i = 0; i < 3; ++i) {
        const unsigned byte = (colorRef >> (8 * i)) & 0xFF;
        rgb[2 * i] = hex[byte >> 4];
        rgb[2 * i + 1] = hex[byte & 0xF];
    }
    rgb[6] = '\0';
    attribute = rgb;
}

// Text of a run: tabs and stray line breaks become their own elements,
// characters XML cannot carry are dropped.
void AppendRunText(pugi::xml_node run, const QString& text)
{
    const QString clean = CleanText(text);
    auto append = [&](qsizetype from, qsizetype to) {
        if (from >= to)
            return;
        const QString chunk = clean.mid(from, to - from);
        pugi::xml_node t = run.append_child("w:t");
        if (NeedsPreserve(chunk))
            t.append_attribute("xml:space") = "preserve";
        t.text().set(Utf8(chunk).constData());
    };
    qsizetype from = 0;
    for (qsizetype i = 0; i < clean.size(); ++i) {
        const QChar c = clean.at(i);
        if (c != QLatin1Char('\t') && c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        append(from, i);
        run.append_child(c == QLatin1Char('\t') ? "w:tab" : "w:br");
        from = i + 1;
    }
    append(from, clean.size());
}

void AppendRun(pugi::xml_node p, const WordRun& r)
{
    pugi::xml_node run = p.append_child("w:r");
    pugi::xml_node rPr = run.append_child("w:rPr");
    // Schema order: b, i, strike, color, sz, szCs, u.
    if (r.format.bold)
        rPr.append_child("w:b");
    if (r.format.strike)
        rPr.append_child("w:strike");
    SetColor(rPr.append_child("w:color").append_attribute("w:val"), r.format.color);
    const int halfPoints = int(std::lround(r.format.size * 2.0));
    SetVal(rPr.append_child("w:sz"), halfPoints);
    SetVal(rPr.append_child("w:szCs"), halfPoints);
    if (r.format.underline)
        SetVal(rPr.append_child("w:u"), "single");
    AppendRunText(run, r.text);
}

void AppendCommentStart(pugi::xml_node p, int id)
{
    p.append_child("w:commentRangeStart").append_attribute("w:id") = id;
}

void AppendCommentEnd(pugi::xml_node p, int id)
{
    p.append_child("w:commentRangeEnd").append_attribute("w:id") = id;
    p.append_child("w:r").append_child("w:commentReference").append_attribute("w:id") = id;
}

void AppendParagraph(pugi::xml_node parent, const WordParagraph& para)
{
    pugi::xml_node p = parent.append_child("w:p");
    static const char* const jc[] = {"left", "center", "right", "both"};
    if (para.alignment > 0 && para.alignment < 4)
        SetVal(p.append_child("w:pPr").append_child("w:jc"), jc[para.alignment]);
    const int n = int(para.runs.size());
    for (int i = 0; i <= n; ++i) {
        for (const WordCommentMark& m : para.comments) {
            if (m.endRun == i && m.firstRun < i)
                AppendCommentEnd(p, m.commentId);
        }
        for (const WordCommentMark& m : para.comments) {
            if (m.firstRun == i && m.endRun == i) {
                AppendCommentStart(p, m.commentId);
                AppendCommentEnd(p, m.commentId);
            } else if (m.firstRun == i) {
                AppendCommentStart(p, m.commentId);
            }
        }
        if (i < n)
            AppendRun(p, para.runs.at(i));
    }
}

void AppendCell(pugi::xml_node tr, const CWordDocument::DrawnCell& drawn, int width)
{
    pugi::xml_node tc = tr.append_child("w:tc");
    pugi::xml_node tcPr = tc.append_child("w:tcPr");
    // Schema order: tcW, gridSpan, vMerge, shd, vAlign.
    pugi::xml_node tcW = tcPr.append_child("w:tcW");
    tcW.append_attribute("w:w") = width;
    tcW.append_attribute("w:type") = "dxa";
    if (drawn.gridSpan > 1)
        SetVal(tcPr.append_child("w:gridSpan"), drawn.gridSpan);
    if (drawn.merge == CWordDocument::DrawnCell::Restart)
        SetVal(tcPr.append_child("w:vMerge"), "restart");
    else if (drawn.merge == CWordDocument::DrawnCell::Continue)
        tcPr.append_child("w:vMerge");
    if (drawn.cell && !(drawn.cell->shading & 0xFF000000u)) {
        pugi::xml_node shd = tcPr.append_child("w:shd");
        shd.append_attribute("w:val") = "clear";
        shd.append_attribute("w:color") = "auto";
        SetColor(shd.append_attribute("w:fill"), drawn.cell->shading);
    }
    if (drawn.cell && drawn.cell->verticalAlignment != 0)
        SetVal(tcPr.append_child("w:vAlign"), drawn.cell->verticalAlignment == 3 ? "bottom" : "center");
    // The content of a merged cell lives in its first line; every cell ends
    // with a paragraph.
    if (drawn.cell && drawn.merge != CWordDocument::DrawnCell::Continue) {
        for (const WordParagraph& para : drawn.cell->paragraphs)
            AppendParagraph(tc, para);
    } else {
        tc.append_child("w:p");
    }
}

// A table, one row at a time: each row's tree is printed and let go, so the
// memory a table needs does not grow with it.
void AppendTable(QByteArray& out, const WordTable& table, int textWidth)
{
    const CWordDocument::DrawnTable drawn = CWordDocument::Draw(table);
    const int totalUnits = table.columns * drawn.partsPerColumn;
    const int unit = textWidth / totalUnits;

    out += "<w:tbl>";
    pugi::xml_document piece;
    pugi::xml_node tblPr = piece.append_child("w:tblPr");
    pugi::xml_node tblW = tblPr.append_child("w:tblW");
    tblW.append_attribute("w:w") = unit * totalUnits;
    tblW.append_attribute("w:type") = "dxa";
    pugi::xml_node borders = tblPr.append_child("w:tblBorders");
    for (const char* side : {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"}) {
        pugi::xml_node b = borders.append_child(side);
        b.append_attribute("w:val") = "single";
        b.append_attribute("w:sz") = 4;
        b.append_attribute("w:space") = 0;
        b.append_attribute("w:color") = "auto";
    }
    tblPr.append_child("w:tblLayout").append_attribute("w:type") = "fixed";
    pugi::xml_node margins = tblPr.append_child("w:tblCellMar");
    for (const char* side : {"w:left", "w:right"}) {
        pugi::xml_node m = margins.append_child(side);
        m.append_attribute("w:w") = 57;
        m.append_attribute("w:type") = "dxa";
    }
    AppendNode(out, tblPr);

    piece.reset();
    pugi::xml_node grid = piece.append_child("w:tblGrid");
    for (int units : drawn.gridUnits)
        grid.append_child("w:gridCol").append_attribute("w:w") = units * unit;
    AppendNode(out, grid);

    for (qsizetype l = 0; l < drawn.lines.size(); ++l) {
        piece.reset();
        pugi::xml_node tr = piece.append_child("w:tr");
        if (l < drawn.headingLines)
            tr.append_child("w:trPr").append_child("w:tblHeader");
        int gridIndex = 0;
        for (const CWordDocument::DrawnCell& cell : drawn.lines.at(l)) {
            int width = 0;
            for (int g = gridIndex; g < gridIndex + cell.gridSpan && g < drawn.gridUnits.size(); ++g)
                width += drawn.gridUnits.at(g) * unit;
            gridIndex += cell.gridSpan;
            AppendCell(tr, cell, width);
        }
        AppendNode(out, tr);
    }
    out += "</w:tbl>";
}

const char* const kStyles =
    "<w:styles xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
    "<w:docDefaults><w:rPrDefault><w:rPr>"
    "<w:rFonts w:ascii=\"Times New Roman\" w:hAnsi=\"Times New Roman\" w:eastAsia=\"Times New Roman\" "
    "w:cs=\"Times New Roman\"/><w:sz w:val=\"24\"/><w:szCs w:val=\"24\"/><w:lang w:val=\"en-US\"/>"
    "</w:rPr></w:rPrDefault>"
    "<w:pPrDefault><w:pPr><w:spacing w:after=\"0\" w:line=\"240\" "
    "w:lineRule=\"auto\"/></w:pPr></w:pPrDefault>"
    "</w:docDefaults>"
    "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/></w:style>"
    "<w:style w:type=\"table\" w:default=\"1\" w:styleId=\"TableNormal\"><w:name w:val=\"Normal Table\"/>"
    "<w:tblPr><w:tblInd w:w=\"0\" w:type=\"dxa\"/><w:tblCellMar><w:top w:w=\"0\" w:type=\"dxa\"/>"
    "<w:left w:w=\"108\" w:type=\"dxa\"/><w:bottom w:w=\"0\" w:type=\"dxa\"/><w:right w:w=\"108\" "
    "w:type=\"dxa\"/>"
    "</w:tblCellMar></w:tblPr></w:style>"
    "</w:styles>";

const char* const kContentTypes =
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "</Types>";

} // namespace

QByteArray CDocxWriter::DocumentPart() const
{
    QByteArray out = kDeclaration;
    out += "<w:document xmlns:w=\"";
    out += kWordNs;
    out += "\"><w:body>";
    pugi::xml_document piece;
    for (const WordBlock& block : m_document.Blocks()) {
        if (block.isTable) {
            AppendTable(out, block.table, m_document.PageWidth() - 2 * kSideMargin);
        } else {
            piece.reset();
            AppendParagraph(piece, block.paragraph);
            AppendNode(out, piece.first_child());
        }
    }
    piece.reset();
    pugi::xml_node sect = piece.append_child("w:sectPr");
    pugi::xml_node size = sect.append_child("w:pgSz");
    size.append_attribute("w:w") = m_document.PageWidth();
    size.append_attribute("w:h") = m_document.PageHeight();
    // The printer's paper code: 1 Letter, 9 A4.
    size.append_attribute("w:code") = m_document.PaperSize() == IWordSelection::kPaperLetter ? 1 : 9;
    pugi::xml_node margins = sect.append_child("w:pgMar");
    margins.append_attribute("w:top") = kTopMargin;
    margins.append_attribute("w:right") = kSideMargin;
    margins.append_attribute("w:bottom") = kTopMargin;
    margins.append_attribute("w:left") = kSideMargin;
    margins.append_attribute("w:header") = 709;
    margins.append_attribute("w:footer") = 709;
    margins.append_attribute("w:gutter") = 0;
    AppendNode(out, sect);
    out += "</w:body></w:document>";
    return out;
}

QByteArray CDocxWriter::CommentsPart() const
{
    QByteArray out = kDeclaration;
    out += "<w:comments xmlns:w=\"";
    out += kWordNs;
    out += "\">";
    const QByteArray date = Clock::Now().toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ")).toUtf8();
    pugi::xml_document piece;
    for (const WordComment& c : m_document.Comments()) {
        piece.reset();
        pugi::xml_node comment = piece.append_child("w:comment");
        comment.append_attribute("w:id") = c.id;
        comment.append_attribute("w:author") = kAuthor;
        comment.append_attribute("w:date") = date.constData();
        comment.append_attribute("w:initials") = "TV";
        const QStringList lines = c.text.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            pugi::xml_node p = comment.append_child("w:p");
            if (i == 0)
                p.append_child("w:r").append_child("w:annotationRef");
            if (!lines.at(i).isEmpty())
                AppendRunText(p.append_child("w:r"), lines.at(i));
        }
        AppendNode(out, comment);
    }
    out += "</w:comments>";
    return out;
}

OoxmlPackage CDocxWriter::Package() const
{
    ContentTypes types;
    types.Load(kContentTypes, nullptr);
    Relationships packageRels, documentRels;
    packageRels.Load({}, nullptr);
    documentRels.Load({}, nullptr);
    packageRels.Add(QStringLiteral("officeDocument"), QStringLiteral("word/document.xml"));
    types.SetOverride(
        QStringLiteral("word/document.xml"),
        QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"));
    documentRels.Add(QStringLiteral("styles"), QStringLiteral("styles.xml"));
    types.SetOverride(
        QStringLiteral("word/styles.xml"),
        QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"));

    OoxmlPackage package;
    package.SetPart(QStringLiteral("[Content_Types].xml"), QByteArray()); // first in the archive
    package.SetPart(QStringLiteral("_rels/.rels"), packageRels.Save());
    package.SetPart(QStringLiteral("word/document.xml"), DocumentPart());
    pugi::xml_document styles;
    styles.load_string(kStyles);
    package.SetPart(QStringLiteral("word/styles.xml"), OoxmlXml::Save(styles));

    if (!m_document.Comments().isEmpty()) {
        package.SetPart(QStringLiteral("word/comments.xml"), CommentsPart());
        documentRels.Add(QStringLiteral("comments"), QStringLiteral("comments.xml"));
        types.SetOverride(
            QStringLiteral("word/comments.xml"),
            QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.comments+xml"));
    }
    package.SetPart(QStringLiteral("word/_rels/document.xml.rels"), documentRels.Save());
    package.SetPart(QStringLiteral("[Content_Types].xml"), types.Save());
    return package;
}

bool CDocxWriter::Save(const QString& path, QString* why) const
{
    QString reason;
    if (!Package().Write(path, &reason)) {
        if (why)
            *why = QStringLiteral("%1: %2").arg(path, reason);
        return false;
    }
    return true;
}
