#include "platform/CDocxWriter.h"
#include "platform/CWordDocument.h"

#include "OfficeTestTools.h"

#include <QtTest>

using OfficeTest::Attr;

namespace {

constexpr int kCell = IWordSelection::kCellUnit;

// Runs a small script on a document: "R2" / "L1" move by cells, "S" splits,
// "T:text" types.
bool Run(CWordDocument& doc, const QString& script)
{
    for (const QString& op : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        if (op.startsWith(QLatin1String("T:")))
            ok = doc.TypeText(op.mid(2));
        else if (op == QLatin1String("S"))
            ok = doc.SplitCells(2, 1);
        else if (op.startsWith(QLatin1Char('R')))
            ok = doc.MoveRight(kCell, op.mid(1).toInt(), 1);
        else if (op.startsWith(QLatin1Char('L')))
            ok = doc.MoveLeft(kCell, op.mid(1).toInt(), 1);
        if (!ok) {
            qWarning("%s: %s", qPrintable(op), qPrintable(doc.ErrorString()));
            return false;
        }
    }
    return true;
}

QString CellText(const WordCell* cell)
{
    if (!cell)
        return QString();
    QStringList lines;
    for (const WordParagraph& p : cell->paragraphs)
        lines << p.Text();
    return lines.join(QLatin1Char('/'));
}

// Drawn lines as "text[span]" with "[r]" for a merge start and "^" for its continuation.
QList<QStringList> Drawn(const WordTable& table)
{
    QList<QStringList> out;
    for (const auto& line : CWordDocument::Draw(table).lines) {
        QStringList items;
        for (const CWordDocument::DrawnCell& c : line) {
            QString item =
                c.merge == CWordDocument::DrawnCell::Continue ? QStringLiteral("^") : CellText(c.cell);
            if (c.gridSpan > 1)
                item += QStringLiteral("[%1]").arg(c.gridSpan);
            if (c.merge == CWordDocument::DrawnCell::Restart)
                item += QStringLiteral("[r]");
            items << item;
        }
        out << items;
    }
    return out;
}

const WordTable& TableOf(const CWordDocument& doc)
{
    for (const WordBlock& b : doc.Blocks()) {
        if (b.isTable)
            return b.table;
    }
    static const WordTable none;
    return none;
}

} // namespace

class TestWordDocument : public QObject
{
    Q_OBJECT

private slots:
    void splitting_data();
    void splitting();
    void movesStayInsideTheTable_data();
    void movesStayInsideTheTable();
    void typingBreaksParagraphs();
    void tablePlacement();
    void commentsInTheDocx();
    void runTextInTheDocx();
    void headingRows_data();
    void headingRows();
    void paperInTheDocx_data();
    void paperInTheDocx();
};

void TestWordDocument::splitting_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QList<QStringList>>("lines");

    QTest::newRow("unsplit row") << "T:a R1 T:b R1 T:c"
                                 << QList<QStringList>{
                                        {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}};
    // The place under the split cell is its own; the others continue the
    // cells above, and what is typed there goes into those cells.
    QTest::newRow("first split")
        << "R1 S T:b R1 T:c R1 T:above R1 T:below-b"
        << QList<QStringList>{{QStringLiteral("above[r]"), QStringLiteral("b"), QStringLiteral("c[r]")},
                              {QStringLiteral("^"), QStringLiteral("below-b"), QStringLiteral("^")}};
    QTest::newRow("split at a continuing place")
        << "S R5 S T:x L5 T:a"
        << QList<QStringList>{{QStringLiteral("a"), QStringLiteral("[r]"), QString()},
                              {QString(), QStringLiteral("^"), QStringLiteral("x")}};
    // A split of a place that is a cell already adds a neighbour; the second
    // line keeps its right edge, so the first column takes the extra.
    QTest::newRow("split of an own place")
        << "S R3 S T:p R1 T:q R1 T:r"
        << QList<QStringList>{
               {QStringLiteral("[2]"), QStringLiteral("r[r]"), QStringLiteral("[r]")},
               {QStringLiteral("p"), QStringLiteral("q"), QStringLiteral("^"), QStringLiteral("^")}};
    QTest::newRow("split through the first line")
        << "S R1 S R3 T:under-b"
        << QList<QStringList>{{QString(), QString(), QStringLiteral("[r]")},
                              {QString(), QStringLiteral("under-b"), QStringLiteral("^")}};
}

void TestWordDocument::splitting()
{
    QFETCH(QString, script);
    QFETCH(QList<QStringList>, lines);
    CWordDocument doc;
    QVERIFY(doc.AddTable(1, 3, 1, 0));
    QVERIFY(Run(doc, script));
    QCOMPARE(Drawn(TableOf(doc)), lines);
}

void TestWordDocument::movesStayInsideTheTable_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("extend");
    QTest::addColumn<bool>("ok");
    QTest::newRow("to the last cell") << "" << kCell << 5 << 1 << true;
    QTest::newRow("past the last cell") << "" << kCell << 6 << 1 << false;
    QTest::newRow("past the second line") << "S" << kCell << 9 << 0 << false;
    QTest::newRow("into the second line") << "S" << kCell << 8 << 0 << true;
    QTest::newRow("left of the first") << "" << kCell << -1 << 1 << false;
    QTest::newRow("by character") << "" << 1 << 1 << 1 << false;
    QTest::newRow("odd extension") << "" << kCell << 1 << 2 << false;
}

void TestWordDocument::movesStayInsideTheTable()
{
    QFETCH(QString, setup);
    QFETCH(int, unit);
    QFETCH(int, right);
    QFETCH(int, extend);
    QFETCH(bool, ok);
    CWordDocument doc;
    QVERIFY(!doc.MoveRight(kCell, 1, 1)); // no table yet
    QVERIFY(!doc.ErrorString().isEmpty());
    QVERIFY(doc.AddTable(2, 3, 1, 0));
    QVERIFY(Run(doc, setup));
    const bool moved = right >= 0 ? doc.MoveRight(unit, right, extend) : doc.MoveLeft(unit, -right, extend);
    QCOMPARE(moved, ok);
    // A failed move leaves the selection where it was.
    if (!ok) {
        QVERIFY(doc.TypeText(QStringLiteral("here")));
        QCOMPARE(TableOf(doc).rows.first().cells.first().paragraphs.first().Text(), QStringLiteral("here"));
    }
}

void TestWordDocument::typingBreaksParagraphs()
{
    CWordDocument doc;
    QVERIFY(doc.SetParagraphAlignment(2));
    QVERIFY(doc.TypeText(QStringLiteral("a\r\nb\rc\nd")));
    QCOMPARE(doc.Blocks().size(), 4);
    for (const WordBlock& b : doc.Blocks())
        QCOMPARE(b.paragraph.alignment, 2);
    QCOMPARE(doc.Blocks().at(3).paragraph.Text(), QStringLiteral("d"));

    // Formatting applies to what is typed next; equal runs join.
    QVERIFY(doc.SetFontBold(1));
    QVERIFY(doc.TypeText(QStringLiteral("e")));
    QVERIFY(doc.TypeText(QStringLiteral("f")));
    QVERIFY(doc.SetFontSize(20));
    QVERIFY(doc.TypeText(QStringLiteral("g")));
    const QList<WordRun>& runs = doc.Blocks().at(3).paragraph.runs;
    QCOMPARE(runs.size(), 3);
    QCOMPARE(runs.at(1).text, QStringLiteral("ef"));
    QVERIFY(runs.at(1).format.bold && !runs.at(0).format.bold);
    QCOMPARE(runs.at(2).format.size, 20.0);
    QVERIFY(!doc.SetFontSize(0.5));
    QVERIFY(!doc.SetFontSize(qQNaN()));
    QVERIFY(!doc.SetParagraphAlignment(7));

    // In a cell the paragraphs stay in the cell.
    QVERIFY(doc.TypeText(QStringLiteral("\r\n")));
    QVERIFY(doc.AddTable(1, 1, 1, 0));
    QVERIFY(doc.TypeText(QStringLiteral("x\r\ny")));
    QCOMPARE(TableOf(doc).rows.first().cells.first().paragraphs.size(), 2);
}

void TestWordDocument::tablePlacement()
{
    // At an empty paragraph the table takes its place; after text it follows.
    CWordDocument empty;
    QVERIFY(empty.AddTable(1, 2, 1, 0));
    QCOMPARE(empty.Blocks().size(), 2);
    QVERIFY(empty.Blocks().at(0).isTable && !empty.Blocks().at(1).isTable);
    QVERIFY(!empty.AddTable(1, 1, 1, 0)); // tables do not nest
    QVERIFY(!empty.SplitCells(3, 1));

    CWordDocument withText;
    QVERIFY(withText.SetParagraphAlignment(1));
    QVERIFY(withText.TypeText(QStringLiteral("title")));
    QVERIFY(withText.AddTable(2, 2, 1, 0));
    QCOMPARE(withText.Blocks().size(), 3);
    QCOMPARE(withText.Blocks().at(0).paragraph.Text(), QStringLiteral("title"));
    QVERIFY(withText.Blocks().at(1).isTable);
    QCOMPARE(withText.Blocks().at(1).table.rows.first().cells.first().paragraphs.first().alignment, 1);
    QVERIFY(!CWordDocument().AddTable(0, 2, 1, 0));
}

void TestWordDocument::commentsInTheDocx()
{
    CWordDocument doc;
    QVERIFY(doc.AddComment(QStringLiteral("on nothing"))); // empty paragraph: a point
    QVERIFY(doc.TypeText(QStringLiteral("\r\nShow Notes")));
    QVERIFY(doc.AddComment(QStringLiteral("one\r\ntwo\n\nfour")));

    const OoxmlPackage package = CDocxWriter(doc).Package();
    QCOMPARE(OfficeTest::PackageProblems(package), QStringList());
    pugi::xml_document document, comments;
    QVERIFY(OfficeTest::LoadPart(package, QStringLiteral("word/document.xml"), document));
    QVERIFY(OfficeTest::LoadPart(package, QStringLiteral("word/comments.xml"), comments));

    QStringList first, second;
    pugi::xml_node p = document.document_element().child("w:body").child("w:p");
    for (pugi::xml_node c : p.children())
        first << QString::fromUtf8(c.name());
    for (pugi::xml_node c : p.next_sibling("w:p").children())
        second << QString::fromUtf8(c.name());
    QCOMPARE(first, QStringList({QStringLiteral("w:commentRangeStart"), QStringLiteral("w:commentRangeEnd"),
                                 QStringLiteral("w:r")}));
    QCOMPARE(second, QStringList({QStringLiteral("w:commentRangeStart"), QStringLiteral("w:r"),
                                  QStringLiteral("w:commentRangeEnd"), QStringLiteral("w:r")}));
    QCOMPARE(Attr(p.next_sibling("w:p").child("w:r").next_sibling("w:r").child("w:commentReference"), "w:id"),
             QStringLiteral("1"));

    pugi::xml_node comment = comments.document_element().child("w:comment").next_sibling("w:comment");
    QCOMPARE(Attr(comment, "w:id"), QStringLiteral("1"));
    QCOMPARE(Attr(comment, "w:author"), QStringLiteral("Tallyvane"));
    QStringList lines;
    for (pugi::xml_node para : comment.children("w:p")) {
        QString text;
        for (pugi::xpath_node t : para.select_nodes(".//w:t"))
            text += OfficeTest::Text(t.node());
        lines << text;
    }
    QCOMPARE(lines,
             QStringList({QStringLiteral("one"), QStringLiteral("two"), QString(), QStringLiteral("four")}));

    // No comments: no comments part and no relationship to one.
    const OoxmlPackage plain = CDocxWriter(CWordDocument()).Package();
    QVERIFY(!plain.Contains(QStringLiteral("word/comments.xml")));
    QVERIFY(!plain.Part(QStringLiteral("word/_rels/document.xml.rels")).contains("comments"));
}

void TestWordDocument::runTextInTheDocx()
{
    CWordDocument doc;
    QVERIFY(doc.SetFontUnderline(1));
    QVERIFY(doc.SetFontStrikeThrough(1));
    QVERIFY(doc.SetFontColor(0x0000FF));
    QVERIFY(doc.SetFontSize(10.5));
    QVERIFY(doc.TypeText(QStringLiteral(" lead\tand\x01 tail ")));
    pugi::xml_document document;
    QVERIFY(OfficeTest::LoadPart(CDocxWriter(doc).Package(), QStringLiteral("word/document.xml"), document));
    pugi::xml_node run = document.document_element().child("w:body").child("w:p").child("w:r");
    QStringList parts;
    for (pugi::xml_node c : run.children()) {
        if (QByteArray(c.name()) == "w:t")
            parts << QStringLiteral("t'%1'%2").arg(OfficeTest::Text(c), Attr(c, "xml:space"));
        else if (QByteArray(c.name()) == "w:tab")
            parts << QStringLiteral("tab");
    }
    QCOMPARE(parts, QStringList({QStringLiteral("t' lead'preserve"), QStringLiteral("tab"),
                                 QStringLiteral("t'and tail 'preserve")}));
    pugi::xml_node rPr = run.child("w:rPr");
    QCOMPARE(Attr(rPr.child("w:color"), "w:val"), QStringLiteral("FF0000"));
    QCOMPARE(Attr(rPr.child("w:sz"), "w:val"), QStringLiteral("21"));
    QCOMPARE(Attr(rPr.child("w:u"), "w:val"), QStringLiteral("single"));
    QVERIFY(rPr.child("w:strike"));
}

void TestWordDocument::headingRows_data()
{
    // A script run on a table of four rows and two columns; "H" marks the
    // selection's row as a heading row, "D" moves down a row.
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("headingLines");
    QTest::addColumn<int>("repeatedRows"); // w:tr with w:tblHeader in the docx
    QTest::newRow("none") << "" << 0 << 0;
    QTest::newRow("first row") << "H" << 1 << 1;
    QTest::newRow("first row split") << "H S" << 2 << 2;
    QTest::newRow("first two rows") << "H R2 H" << 2 << 2;
    // Only rows from the top repeat: a heading further down is an ordinary row.
    QTest::newRow("second row only") << "R2 H" << 0 << 0;
    QTest::newRow("first and third") << "H R4 H" << 1 << 1;
}

void TestWordDocument::headingRows()
{
    QFETCH(QString, script);
    QFETCH(int, headingLines);
    QFETCH(int, repeatedRows);
    CWordDocument doc;
    QVERIFY(!doc.SetRowsHeadingFormat(1)); // no table yet
    QVERIFY(doc.AddTable(4, 2, 1, 0));
    for (const QString& op : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (op == QLatin1String("H"))
            QVERIFY(doc.SetRowsHeadingFormat(1));
        else
            QVERIFY(Run(doc, op));
    }
    QCOMPARE(CWordDocument::Draw(TableOf(doc)).headingLines, headingLines);

    pugi::xml_document document;
    QVERIFY(OfficeTest::LoadPart(CDocxWriter(doc).Package(), QStringLiteral("word/document.xml"), document));
    QStringList marks;
    for (pugi::xml_node tr : document.document_element().child("w:body").child("w:tbl").children("w:tr")) {
        // The row properties come first in a row.
        const bool repeated = tr.child("w:trPr").child("w:tblHeader");
        QVERIFY(!repeated || QByteArray(tr.first_child().name()) == "w:trPr");
        marks << (repeated ? QStringLiteral("H") : QStringLiteral("-"));
    }
    QCOMPARE(marks.count(QStringLiteral("H")), repeatedRows);
    QCOMPARE(marks.mid(0, repeatedRows), QStringList(repeatedRows, QStringLiteral("H")));
}

void TestWordDocument::paperInTheDocx_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("code");
    QTest::newRow("default") << 0 << 11906 << 16838 << 9;
    QTest::newRow("A4") << int(IWordSelection::kPaperA4) << 11906 << 16838 << 9;
    QTest::newRow("Letter") << int(IWordSelection::kPaperLetter) << 12240 << 15840 << 1;
}

void TestWordDocument::paperInTheDocx()
{
    QFETCH(int, paper);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, code);
    CWordDocument doc;
    QVERIFY(!doc.SetPageSetupPaperSize(1)); // a paper size of another program
    if (paper)
        QVERIFY(doc.SetPageSetupPaperSize(paper));
    QVERIFY(doc.AddTable(2, 5, 1, 0));
    pugi::xml_document document;
    QVERIFY(OfficeTest::LoadPart(CDocxWriter(doc).Package(), QStringLiteral("word/document.xml"), document));
    const pugi::xml_node sect = document.document_element().child("w:body").child("w:sectPr");
    QCOMPARE(sect.child("w:pgSz").attribute("w:w").as_int(), width);
    QCOMPARE(sect.child("w:pgSz").attribute("w:h").as_int(), height);
    QCOMPARE(sect.child("w:pgSz").attribute("w:code").as_int(), code);

    // The table fills the width between the margins, and no more.
    const int text = width - sect.child("w:pgMar").attribute("w:left").as_int() -
                     sect.child("w:pgMar").attribute("w:right").as_int();
    const pugi::xml_node tbl = document.document_element().child("w:body").child("w:tbl");
    int grid = 0;
    for (pugi::xml_node g : tbl.child("w:tblGrid").children("w:gridCol"))
        grid += g.attribute("w:w").as_int();
    QCOMPARE(tbl.child("w:tblPr").child("w:tblW").attribute("w:w").as_int(), grid);
    QVERIFY(grid <= text && grid > text - 5);
}

QTEST_GUILESS_MAIN(TestWordDocument)
#include "tst_worddocument.moc"
