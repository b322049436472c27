#include "platform/CXlsxWorkbook.h"

#include "OfficeTestTools.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using OfficeTest::Attr;
using OfficeTest::Text;

namespace {

// A template as other producers write them: prefixed namespace, rows and
// cells without positions, a formula with a calculation chain, a table part
// and an extension list after where the note drawing goes, a second sheet.
void WriteForeignTemplate(const QString& path)
{
    OoxmlPackage p;
    p.SetPart(QStringLiteral("[Content_Types].xml"),
              "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
              "<Default Extension=\"rels\" "
              "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
              "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
              "<Override PartName=\"/xl/book.xml\" ContentType=\"application/"
              "vnd.openxmlformats-officedocument.spreadsheetml.template.main+xml\"/>"
              "<Override PartName=\"/xl/sheets/one.xml\" ContentType=\"application/"
              "vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
              "<Override PartName=\"/xl/sheets/two.xml\" ContentType=\"application/"
              "vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
              "<Override PartName=\"/xl/calcChain.xml\" ContentType=\"application/"
              "vnd.openxmlformats-officedocument.spreadsheetml.calcChain+xml\"/>"
              "</Types>");
    p.SetPart(
        QStringLiteral("_rels/.rels"),
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"R1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
        "officeDocument\" Target=\"/xl/book.xml\"/></Relationships>");
    // The second sheet is listed first: "first" means first in the list.
    p.SetPart(QStringLiteral("xl/book.xml"),
              "<x:workbook xmlns:x=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
              "xmlns:rel=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
              "<x:sheets><x:sheet name=\"Front\" sheetId=\"2\" rel:id=\"s2\"/>"
              "<x:sheet name=\"Back\" sheetId=\"1\" rel:id=\"s1\"/></x:sheets></x:workbook>");
    p.SetPart(
        QStringLiteral("xl/_rels/book.xml.rels"),
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"s1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
        "worksheet\" Target=\"sheets/two.xml\"/>"
        "<Relationship Id=\"s2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
        "worksheet\" Target=\"sheets/one.xml\"/>"
        "<Relationship Id=\"c1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
        "calcChain\" Target=\"calcChain.xml\"/></Relationships>");
    p.SetPart(QStringLiteral("xl/sheets/one.xml"),
              "<x:worksheet xmlns:x=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
              "<x:cols><x:col min=\"4\" max=\"4\" width=\"9\" style=\"0\"/></x:cols>"
              "<x:sheetData>"
              "<x:row><x:c><x:v>1</x:v></x:c><x:c><x:v>2</x:v></x:c></x:row>"
              "<x:row r=\"5\"><x:c r=\"B5\"><x:f>A1+B1</x:f><x:v>3</x:v></x:c></x:row>"
              "</x:sheetData>"
              "<x:pageMargins left=\"0.7\" right=\"0.7\" top=\"0.75\" bottom=\"0.75\" header=\"0.3\" "
              "footer=\"0.3\"/>"
              "<x:tableParts count=\"0\"/><x:extLst/></x:worksheet>");
    p.SetPart(QStringLiteral("xl/sheets/two.xml"),
              "<worksheet "
              "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData/></worksheet>");
    p.SetPart(
        QStringLiteral("xl/calcChain.xml"),
        "<calcChain xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><c r=\"B5\" i=\"1\"/>"
        "</calcChain>");
    QString why;
    QVERIFY2(p.Write(path, &why), qPrintable(why));
}

QStringList ChildNames(const pugi::xml_node& node)
{
    QStringList names;
    for (pugi::xml_node c : node.children())
        names << OoxmlXml::LocalName(c);
    return names;
}

} // namespace

class TestXlsxWorkbook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void templateBecomesWorkbook();
    void cellsKeepTheirOrder_data();
    void cellsKeepTheirOrder();
    void fillCopiesTheCellStyle();
    void emptyTextAndSharedStrings();
    void commentsWithNoteShapes();
    void commentsOfAnEarlierSave();
    void numbersWithFormats();
    void paperSize();
    void cellNames_data();
    void cellNames();
    void cellTexts_data();
    void cellTexts();
    void columnWidths_data();
    void columnWidths();

private:
    bool LoadForeign(CXlsxWorkbook& book);
    OoxmlPackage Saved(CXlsxWorkbook& book);

    QTemporaryDir m_dir;
    QString m_foreign;
};

void TestXlsxWorkbook::initTestCase()
{
    m_foreign = m_dir.filePath(QStringLiteral("foreign.xltx"));
    WriteForeignTemplate(m_foreign);
}

bool TestXlsxWorkbook::LoadForeign(CXlsxWorkbook& book)
{
    QString why;
    const bool ok = book.Load(m_foreign, &why);
    if (!ok)
        qWarning("%s", qPrintable(why));
    return ok;
}

OoxmlPackage TestXlsxWorkbook::Saved(CXlsxWorkbook& book)
{
    const QString path = m_dir.filePath(QStringLiteral("saved.xlsx"));
    QString why;
    OoxmlPackage package;
    if (!book.Save(path, &why) || !package.Read(path, &why))
        qWarning("%s", qPrintable(why));
    return package;
}

void TestXlsxWorkbook::templateBecomesWorkbook()
{
    CXlsxWorkbook book;
    QVERIFY(LoadForeign(book));
    QCOMPARE(book.SheetCount(), 2);
    QCOMPARE(book.ActiveSheetPart(), QStringLiteral("xl/sheets/one.xml"));
    QString why;
    QVERIFY(book.SetCellText(QStringLiteral("B5"), QStringLiteral("text over a formula"), &why));

    const OoxmlPackage package = Saved(book);
    QCOMPARE(OfficeTest::PackageProblems(package), QStringList());
    OoxmlXml::ContentTypes types;
    QVERIFY(types.Load(package.Part(QStringLiteral("[Content_Types].xml")), &why));
    QCOMPARE(types.TypeOf(QStringLiteral("xl/book.xml")),
             QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"));
    // The calculation chain would name a cell that no longer has a formula.
    QVERIFY(!package.Contains(QStringLiteral("xl/calcChain.xml")));
    QVERIFY(!package.Part(QStringLiteral("xl/_rels/book.xml.rels")).contains("calcChain"));
}

void TestXlsxWorkbook::cellsKeepTheirOrder_data()
{
    QTest::addColumn<QStringList>("writes");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("existing cells") << QStringList{QStringLiteral("A1"), QStringLiteral("B5")}
                                    << QStringList{QStringLiteral("A1"), QStringLiteral("B1"),
                                                   QStringLiteral("B5")};
    QTest::newRow("new rows between and after")
        << QStringList{QStringLiteral("C12"), QStringLiteral("A3"), QStringLiteral("C10")}
        << QStringList{QStringLiteral("A1"), QStringLiteral("B1"),  QStringLiteral("A3"),
                       QStringLiteral("B5"), QStringLiteral("C10"), QStringLiteral("C12")};
    QTest::newRow("new cells before, between, after")
        << QStringList{QStringLiteral("AA5"), QStringLiteral("A5"), QStringLiteral("C1")}
        << QStringList{QStringLiteral("A1"), QStringLiteral("B1"), QStringLiteral("C1"),
                       QStringLiteral("A5"), QStringLiteral("B5"), QStringLiteral("AA5")};
}

void TestXlsxWorkbook::cellsKeepTheirOrder()
{
    QFETCH(QStringList, writes);
    QFETCH(QStringList, cells);
    CXlsxWorkbook book;
    QVERIFY(LoadForeign(book));
    QString why;
    for (const QString& cell : writes)
        QVERIFY2(book.SetCellText(cell, QStringLiteral(" v ") + cell, &why), qPrintable(why));

    const OoxmlPackage package = Saved(book);
    pugi::xml_document sheet;
    QVERIFY(OfficeTest::LoadPart(package, QStringLiteral("xl/sheets/one.xml"), sheet));
    QStringList order;
    int lastRow = 0;
    for (pugi::xml_node row : sheet.document_element().child("x:sheetData").children("x:row")) {
        QVERIFY(row.attribute("r").as_int() > lastRow);
        lastRow = row.attribute("r").as_int();
        for (pugi::xml_node c : row.children("x:c")) {
            order << Attr(c, "r");
            if (!writes.contains(Attr(c, "r")))
                continue;
            QCOMPARE(Attr(c, "t"), QStringLiteral("inlineStr"));
            QCOMPARE(ChildNames(c), QStringList(QStringLiteral("is")));
            pugi::xml_node t = c.child("x:is").child("x:t");
            QCOMPARE(Text(t), QStringLiteral(" v ") + Attr(c, "r"));
            QCOMPARE(Attr(t, "xml:space"), QStringLiteral("preserve"));
        }
    }
    QCOMPARE(order, cells);
}

void TestXlsxWorkbook::fillCopiesTheCellStyle()
{
    CXlsxWorkbook book;
    QString why;
    QVERIFY(book.Load(QStringLiteral(TALLYVANE_BIN_DIR "/Templates/tlv.xltx"), &why));
    QVERIFY(book.SetCellFill(QStringLiteral("I9"), 16777215, &why));
    QVERIFY(book.SetCellFill(QStringLiteral("H9"), 16777215, &why));  // same style and colour: reused
    QVERIFY(book.SetCellFill(QStringLiteral("Z30"), 0x0000FF, &why)); // a new cell
    QVERIFY(!book.SetCellFill(QStringLiteral("A1"), 0xFF000000u, &why));

    const OoxmlPackage package = Saved(book);
    pugi::xml_document styles, sheet;
    QVERIFY(OfficeTest::LoadPart(package, QStringLiteral("xl/styles.xml"), styles));
    QVERIFY(OfficeTest::LoadPart(package, QStringLiteral("xl/worksheets/sheet1.xml"), sheet));
    pugi::xml_node fills = styles.document_element().child("fills");
    pugi::xml_node xfs = styles.document_element().child("cellXfs");
    QCOMPARE(fills.attribute("count").as_int(), 6);
    QCOMPARE(xfs.attribute("count").as_int(), 15);
    QVector<pugi::xml_node> xfList, fillList;
    for (pugi::xml_node xf : xfs.children("xf"))
        xfList << xf;
    for (pugi::xml_node f : fills.children("fill"))
        fillList << f;
    QCOMPARE(xfList.size(), 15);

    auto cellStyle = [&](const char* row, const char* ref) {
        return sheet.document_element()
            .child("sheetData")
            .find_child_by_attribute("row", "r", row)
            .find_child_by_attribute("c", "r", ref)
            .attribute("s")
            .as_int();
    };
    const int i9 = cellStyle("9", "I9");
    QCOMPARE(cellStyle("9", "H9"), i9);
    pugi::xml_node xf = xfList.at(i9);
    QCOMPARE(Attr(xf, "fontId"), QStringLiteral("7")); // copied from the heading style
    QCOMPARE(Attr(xf, "borderId"), Attr(xfList.at(10), "borderId"));
    QCOMPARE(Attr(xf, "applyFill"), QStringLiteral("1"));
    QCOMPARE(Attr(xf.child("alignment"), "horizontal"), QStringLiteral("center"));
    QCOMPARE(Attr(fillList.at(xf.attribute("fillId").as_int()).child("patternFill").child("fgColor"), "rgb"),
             QStringLiteral("FFFFFFFF"));
    const int z30 = cellStyle("30", "Z30");
    QCOMPARE(
        Attr(fillList.at(xfList.at(z30).attribute("fillId").as_int()).child("patternFill").child("fgColor"),
             "rgb"),
        QStringLiteral("FFFF0000"));
}

void TestXlsxWorkbook::emptyTextAndSharedStrings()
{
    CXlsxWorkbook book;
    QString why;
    QVERIFY(book.Load(QStringLiteral(TALLYVANE_BIN_DIR "/Templates/tlv.xltx"), &why));
    QVERIFY(book.SetCellText(QStringLiteral("I9"), QString(), &why));               // was a shared string
    QVERIFY(book.SetCellText(QStringLiteral("H9"), QStringLiteral("State"), &why)); // likewise
    QVERIFY(book.SetCellText(QStringLiteral("C4"), QStringLiteral("x"), &why));     // was empty
    Saved(book);
    const OoxmlPackage package = Saved(book); // saving twice counts once
    pugi::xml_document sst, sheet;
    QVERIFY(OfficeTest::LoadPart(package, QStringLiteral("xl/sharedStrings.xml"), sst));
    QCOMPARE(sst.document_element().attribute("count").as_int(), 12);
    QCOMPARE(sst.document_element().attribute("uniqueCount").as_int(), 14);
    QVERIFY(OfficeTest::LoadPart(package, QStringLiteral("xl/worksheets/sheet1.xml"), sheet));
    pugi::xml_node i9 = sheet.document_element()
                            .child("sheetData")
                            .find_child_by_attribute("row", "r", "9")
                            .find_child_by_attribute("c", "r", "I9");
    QVERIFY(i9);
    QVERIFY(!i9.first_child());
    QVERIFY(!i9.attribute("t"));
    QCOMPARE(Attr(i9, "s"), QStringLiteral("10"));
}

void TestXlsxWorkbook::commentsWithNoteShapes()
{
    CXlsxWorkbook book;
    QVERIFY(LoadForeign(book));
    QString why;
    QVERIFY(book.SetCellText(QStringLiteral("I10"), QStringLiteral("Show Notes"), &why));
    QVERIFY(book.AddCellComment(QStringLiteral("I10"), QStringLiteral("line 1\nline 2"), &why));
    QVERIFY(book.AddCellComment(QStringLiteral("A1"), QStringLiteral("first cell"), &why));
    QVERIFY(!book.AddCellComment(QStringLiteral("i10"), QStringLiteral("again"), &why));
    QVERIFY(why.contains(QLatin1String("I10")));

    const OoxmlPackage package = Saved(book);
    QCOMPARE(OfficeTest::PackageProblems(package), QStringList());

    // The drawing goes after the margins and before the table parts.
    pugi::xml_document sheet;
    QVERIFY(OfficeTest::LoadPart(package, QStringLiteral("xl/sheets/one.xml"), sheet));
    QCOMPARE(ChildNames(sheet.document_element()),
             QStringList({QStringLiteral("dimension"), QStringLiteral("cols"), QStringLiteral("sheetData"),
                          QStringLiteral("pageMargins"), QStringLiteral("legacyDrawing"),
                          QStringLiteral("tableParts"), QStringLiteral("extLst")}));
    QCOMPARE(Attr(sheet.document_element().child("x:dimension"), "ref"), QStringLiteral("A1:I10"));

    OoxmlXml::Relationships rels;
    QVERIFY(rels.Load(package.Part(QStringLiteral("xl/sheets/_rels/one.xml.rels")), &why));
    const QString drawingId = Attr(sheet.document_element().child("x:legacyDrawing"), "r:id");
    const QString vmlPart =
        OoxmlXml::ResolveTarget(QStringLiteral("xl/sheets/one.xml"), rels.TargetOfId(drawingId));
    const QString commentsPart = OoxmlXml::ResolveTarget(QStringLiteral("xl/sheets/one.xml"),
                                                         rels.TargetOfType(QStringLiteral("comments")));
    QCOMPARE(vmlPart, QStringLiteral("xl/drawings/vmlDrawing1.vml"));
    QCOMPARE(commentsPart, QStringLiteral("xl/comments1.xml"));
    QVERIFY(!package.Part(vmlPart).startsWith("<?xml"));

    pugi::xml_document comments, vml;
    QVERIFY(OfficeTest::LoadPart(package, commentsPart, comments));
    QVERIFY(OfficeTest::LoadPart(package, vmlPart, vml));
    QCOMPARE(Text(comments.document_element().child("authors").child("author")), QStringLiteral("Tallyvane"));
    QStringList refs;
    for (pugi::xml_node c : comments.document_element().child("commentList").children("comment")) {
        refs << Attr(c, "ref");
        QCOMPARE(Attr(c, "authorId"), QStringLiteral("0"));
    }
    QCOMPARE(refs, QStringList({QStringLiteral("I10"), QStringLiteral("A1")}));
    QCOMPARE(Text(comments.document_element()
                      .child("commentList")
                      .child("comment")
                      .child("text")
                      .child("r")
                      .child("t")),
             QStringLiteral("line 1\nline 2"));

    // One hidden note shape per comment, on the same cell, zero-based.
    QStringList places, ids;
    for (pugi::xml_node shape : vml.document_element().children("v:shape")) {
        pugi::xml_node data = shape.child("x:ClientData");
        QCOMPARE(Attr(data, "ObjectType"), QStringLiteral("Note"));
        QVERIFY(Attr(shape, "style").contains(QLatin1String("visibility:hidden")));
        places << Text(data.child("x:Row")) + QLatin1Char(',') + Text(data.child("x:Column"));
        ids << Attr(shape, "id");
        const QStringList anchor = Text(data.child("x:Anchor")).split(QLatin1Char(','));
        QCOMPARE(anchor.size(), 8);
        for (const QString& a : anchor)
            QVERIFY(a.trimmed().toInt() >= 0);
    }
    QCOMPARE(places, QStringList({QStringLiteral("9,8"), QStringLiteral("0,0")}));
    QCOMPARE(ids, QStringList({QStringLiteral("_x0000_s1025"), QStringLiteral("_x0000_s1026")}));
    QVERIFY(vml.select_node("//v:shapetype[@id='_x0000_t202']"));
}

void TestXlsxWorkbook::commentsOfAnEarlierSave()
{
    // A workbook saved with notes, opened again: the notes it has are known,
    // new shapes take new ids and the author is not listed twice.
    const QString first = m_dir.filePath(QStringLiteral("noted.xlsx"));
    QString why;
    {
        CXlsxWorkbook book;
        QVERIFY(LoadForeign(book));
        QVERIFY(book.AddCellComment(QStringLiteral("B2"), QStringLiteral("one"), &why));
        QVERIFY(book.AddCellComment(QStringLiteral("C3"), QStringLiteral("two"), &why));
        QVERIFY2(book.Save(first, &why), qPrintable(why));
    }
    CXlsxWorkbook book;
    QVERIFY2(book.Load(first, &why), qPrintable(why));
    QVERIFY(!book.AddCellComment(QStringLiteral("c3"), QStringLiteral("again"), &why));
    QVERIFY(why.contains(QLatin1String("C3")));
    QVERIFY(book.AddCellComment(QStringLiteral("D4"), QStringLiteral("three"), &why));

    const OoxmlPackage package = Saved(book);
    QCOMPARE(OfficeTest::PackageProblems(package), QStringList());
    pugi::xml_document comments, vml;
    QVERIFY(OfficeTest::LoadPart(package, QStringLiteral("xl/comments1.xml"), comments));
    QVERIFY(OfficeTest::LoadPart(package, QStringLiteral("xl/drawings/vmlDrawing1.vml"), vml));
    QCOMPARE(ChildNames(comments.document_element().child("authors")), QStringList(QStringLiteral("author")));
    QStringList ids;
    for (pugi::xml_node shape : vml.document_element().children("v:shape"))
        ids << Attr(shape, "id");
    QCOMPARE(ids, QStringList({QStringLiteral("_x0000_s1025"), QStringLiteral("_x0000_s1026"),
                               QStringLiteral("_x0000_s1027")}));
}

void TestXlsxWorkbook::numbersWithFormats()
{
    CXlsxWorkbook book;
    QString why;
    QVERIFY(book.Load(QStringLiteral(TALLYVANE_BIN_DIR "/Templates/tlv.xltx"), &why));
    QVERIFY(book.SetCellText(QStringLiteral("F10"), QStringLiteral("text first"), &why));
    QVERIFY(book.SetCellNumber(QStringLiteral("F10"), 1200.5, &why));
    QVERIFY(book.SetCellNumber(QStringLiteral("F11"), 0.1 + 0.2, &why));
    QVERIFY(book.SetCellNumber(QStringLiteral("F12"), -0.0, &why));
    QVERIFY(book.SetCellNumber(QStringLiteral("H9"), 7, &why)); // was a shared string
    for (double bad : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        QVERIFY(!book.SetCellNumber(QStringLiteral("F13"), bad, &why));
        QVERIFY(!why.isEmpty());
    }
    const QString money = QStringLiteral("\"$\"#,##0.00");
    QVERIFY(book.SetCellNumberFormat(QStringLiteral("F10"), money, &why));
    QVERIFY(book.SetCellNumberFormat(QStringLiteral("F11"), money, &why)); // same column style: reused
    QVERIFY(book.SetCellNumberFormat(QStringLiteral("F4"), money, &why));  // another style: copied
    QVERIFY(book.SetCellNumberFormat(QStringLiteral("B10"), QStringLiteral("m/d/yyyy"), &why));
    QVERIFY(book.SetCellNumberFormat(QStringLiteral("F12"), QStringLiteral("General"), &why));
    QVERIFY(!book.SetCellNumberFormat(QStringLiteral("F12"), QString(), &why));

    const OoxmlPackage package = Saved(book);
    QCOMPARE(OfficeTest::PackageProblems(package), QStringList());
    pugi::xml_document sheet, styles, sst;
    QVERIFY(OfficeTest::LoadPart(package, QStringLiteral("xl/worksheets/sheet1.xml"), sheet));
    QVERIFY(OfficeTest::LoadPart(package, QStringLiteral("xl/styles.xml"), styles));
    QVERIFY(OfficeTest::LoadPart(package, QStringLiteral("xl/sharedStrings.xml"), sst));
    QCOMPARE(sst.document_element().attribute("count").as_int(), 13);
    QVERIFY(!sheet.select_node("//c[@r='F13']"));

    // The formats come first in the style sheet, numbered from 164, once each.
    QCOMPARE(ChildNames(styles.document_element()).first(), QStringLiteral("numFmts"));
    QStringList formats;
    for (pugi::xml_node f : styles.document_element().child("numFmts").children())
        formats << Attr(f, "numFmtId") + QLatin1Char('=') + Attr(f, "formatCode");
    QCOMPARE(formats, QStringList({QStringLiteral("164=") + money, QStringLiteral("165=m/d/yyyy")}));
    QCOMPARE(styles.document_element().child("numFmts").attribute("count").as_int(), 2);

    QList<pugi::xml_node> xfs;
    for (pugi::xml_node xf : styles.document_element().child("cellXfs").children("xf"))
        xfs << xf;
    struct Expect
    {
        const char* ref;
        const char* value;
        int numFmt;
        int fontId; // kept from the cell's own style
    };
    const Expect expected[] = {{"F10", "1200.5", 164, 0}, {"F11", "0.30000000000000004", 164, 0},
                               {"F4", nullptr, 164, 4},   {"B10", nullptr, 165, 0},
                               {"F12", "0", 0, 0},        {"H9", "7", 0, 7}};
    for (const Expect& e : expected) {
        const pugi::xml_node c =
            sheet.select_node(qPrintable(QStringLiteral("//c[@r='%1']").arg(QLatin1String(e.ref)))).node();
        QVERIFY2(c, e.ref);
        QVERIFY2(!c.attribute("t"), e.ref);
        QVERIFY2(!c.child("is"), e.ref);
        if (e.value)
            QCOMPARE(Text(c.child("v")), QLatin1String(e.value));
        const pugi::xml_node xf = xfs.value(c.attribute("s").as_int());
        QCOMPARE(xf.attribute("numFmtId").as_int(), e.numFmt);
        QCOMPARE(xf.attribute("fontId").as_int(), e.fontId);
    }
    QCOMPARE(Attr(sheet.select_node("//c[@r='F10']").node(), "s"),
             Attr(sheet.select_node("//c[@r='F11']").node(), "s"));
}

void TestXlsxWorkbook::paperSize()
{
    // A sheet without page setup gets one in its place; one that has it
    // keeps its other settings.
    CXlsxWorkbook foreign, shipped;
    QString why;
    QVERIFY(LoadForeign(foreign));
    QVERIFY(foreign.SetPaperSize(1, &why));
    QVERIFY(!foreign.SetPaperSize(0, &why));
    QVERIFY(shipped.Load(QStringLiteral(TALLYVANE_BIN_DIR "/Templates/tlv.xltx"), &why));
    QVERIFY(shipped.SetPaperSize(1, &why));
    QVERIFY(shipped.SetPaperSize(9, &why));

    pugi::xml_document sheet;
    QVERIFY(OfficeTest::LoadPart(Saved(foreign), QStringLiteral("xl/sheets/one.xml"), sheet));
    QCOMPARE(ChildNames(sheet.document_element()),
             QStringList({QStringLiteral("dimension"), QStringLiteral("cols"), QStringLiteral("sheetData"),
                          QStringLiteral("pageMargins"), QStringLiteral("pageSetup"),
                          QStringLiteral("tableParts"), QStringLiteral("extLst")}));
    QCOMPARE(Attr(sheet.document_element().child("x:pageSetup"), "paperSize"), QStringLiteral("1"));

    QVERIFY(OfficeTest::LoadPart(Saved(shipped), QStringLiteral("xl/worksheets/sheet1.xml"), sheet));
    const pugi::xml_node setup = sheet.document_element().child("pageSetup");
    QCOMPARE(Attr(setup, "paperSize"), QStringLiteral("9"));
    QCOMPARE(Attr(setup, "orientation"), QStringLiteral("landscape"));
    QCOMPARE(Attr(setup, "fitToWidth"), QStringLiteral("1"));
}

void TestXlsxWorkbook::cellNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::newRow("A1") << "A1" << 1 << 1;
    QTest::newRow("I10") << "I10" << 9 << 10;
    QTest::newRow("lower case") << "aa3" << 27 << 3;
    QTest::newRow("last") << "XFD1048576" << 16384 << 1048576;
    QTest::newRow("column too far") << "XFE1" << 0 << 0;
    QTest::newRow("row too far") << "A1048577" << 0 << 0;
    QTest::newRow("row zero") << "A0" << 0 << 0;
    QTest::newRow("no row") << "A" << 0 << 0;
    QTest::newRow("junk") << "1A" << 0 << 0;
    QTest::newRow("four letters") << "AAAA1" << 0 << 0;
    QTest::newRow("leading zero") << "A01" << 0 << 0;
    QTest::newRow("eight digits") << "A12345678" << 0 << 0;
    QTest::newRow("letter after digits") << "A1B" << 0 << 0;
    QTest::newRow("empty") << "" << 0 << 0;
    QTest::newRow("not ASCII") << "\u00c41" << 0 << 0;
}

void TestXlsxWorkbook::cellNames()
{
    QFETCH(QString, name);
    QFETCH(int, column);
    QFETCH(int, row);
    int c = 0, r = 0;
    QCOMPARE(CXlsxWorkbook::ParseCellName(name, &c, &r), column != 0);
    if (column) {
        QCOMPARE(c, column);
        QCOMPARE(r, row);
        QCOMPARE(CXlsxWorkbook::ColumnName(c) + QString::number(r), name.toUpper());
    }
}

// What a cell shows as text, whatever way the file holds it; a cell that
// points past the shared strings is refused rather than read as empty.
void TestXlsxWorkbook::cellTexts_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("text");
    QTest::newRow("shared") << "A1" << true << "Tallyvane Dues";
    QTest::newRow("shared in runs, without the reading guide") << "G4" << true << "Title";
    QTest::newRow("shared with escapes") << "H4" << true << "a_x0041_ b\r";
    QTest::newRow("shared index past the table") << "I4" << false << "";
    QTest::newRow("inline with escapes") << "B6" << true << "x_x0041_\r\ny";
    QTest::newRow("number as stored") << "D5" << true << "12.5";
    QTest::newRow("formula's text") << "A6" << true << "f_x0041_";
    QTest::newRow("styled but empty") << "C4" << true << "";
    QTest::newRow("no such cell in the row") << "Z1" << true << "";
    QTest::newRow("no such row") << "A99" << true << "";
    QTest::newRow("not a cell name") << "4A" << false << "";
}

void TestXlsxWorkbook::cellTexts()
{
    QFETCH(QString, cell);
    QFETCH(bool, ok);
    QFETCH(QString, text);
    const QString path = m_dir.filePath(QStringLiteral("texts.xltx"));
    if (!QFileInfo::exists(path)) {
        OoxmlPackage p;
        QString why;
        QVERIFY(p.Read(QStringLiteral(TALLYVANE_BIN_DIR "/Templates/tlv.xltx"), &why));
        QByteArray sst = p.Part(QStringLiteral("xl/sharedStrings.xml"));
        sst.replace("</sst>", "<si><r><t>Ti</t></r><r><rPr><b/></rPr><t>tle</t></r>"
                              "<rPh sb=\"0\" eb=\"1\"><t>ta</t></rPh></si>"
                              "<si><t>a_x005F_x0041_ b_x000D_</t></si></sst>");
        p.SetPart(QStringLiteral("xl/sharedStrings.xml"), sst);
        QByteArray sheet = p.Part(QStringLiteral("xl/worksheets/sheet1.xml"));
        sheet.replace(
            "<c r=\"F4\" s=\"5\"/>",
            "<c r=\"F4\" s=\"5\"/><c r=\"G4\" t=\"s\"><v>14</v></c><c r=\"H4\" t=\"s\"><v>15</v></c>"
            "<c r=\"I4\" t=\"s\"><v>16</v></c>");
        sheet.replace("<c r=\"E5\"", "<c r=\"D5\"><v>12.5</v></c><c r=\"E5\"");
        sheet.replace("<row r=\"9\"",
                      "<row r=\"6\"><c r=\"A6\" t=\"str\"><f>\"f\"</f><v>f_x005F_x0041_</v></c></row>"
                      "<row r=\"9\"");
        QVERIFY(sheet.contains("G4") && sheet.contains("D5") && sheet.contains("A6"));
        p.SetPart(QStringLiteral("xl/worksheets/sheet1.xml"), sheet);
        QVERIFY(p.Write(path, &why));
    }
    CXlsxWorkbook book;
    QString why;
    QVERIFY2(book.Load(path, &why), qPrintable(why));
    // A text the program wrote reads back as it was given.
    QVERIFY(book.SetCellText(QStringLiteral("B6"), QStringLiteral("x_x0041_\r\ny"), &why));
    QString got = QStringLiteral("left over");
    QCOMPARE(book.CellText(cell, &got, &why), ok);
    if (ok)
        QCOMPARE(got, text);
    else
        QVERIFY2(why.contains(cell), qPrintable(why));
}

// One column gets its own width: an entry it shares is parted so that the
// other columns keep theirs (and their style), a new entry goes in column
// order, and a sheet without column entries gets them in the schema's place.
void TestXlsxWorkbook::columnWidths_data()
{
    QTest::addColumn<bool>("shipped");
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("entries"); // "min-max:width:style"
    const QString rest = QStringLiteral("4-4:24:7,5-5:18:7,6-6:16:8,7-7:12:11,8-8:10:11,9-9:14:9");
    auto list = [](const QString& s) { return s.split(QLatin1Char(','), Qt::SkipEmptyParts); };
    QTest::newRow("first of a shared entry") << true << 2 << list("1-1:30:7,2-2:25.5:12,3-3:21:12," + rest);
    QTest::newRow("last of a shared entry") << true << 3 << list("1-1:30:7,2-2:21:12,3-3:25.5:12," + rest);
    QTest::newRow("an entry of its own") << true << 1 << list("1-1:25.5:7,2-3:21:12," + rest);
    QTest::newRow("after every entry") << true << 12 << list("1-1:30:7,2-3:21:12," + rest + ",12-12:25.5:");
    QTest::newRow("before an entry") << false << 2 << list("2-2:25.5:,4-4:9:0");
    QTest::newRow("after an entry") << false << 5 << list("4-4:9:0,5-5:25.5:");
}

void TestXlsxWorkbook::columnWidths()
{
    QFETCH(bool, shipped);
    QFETCH(int, column);
    QFETCH(QStringList, entries);
    CXlsxWorkbook book;
    QString why;
    QVERIFY(shipped ? book.Load(QStringLiteral(TALLYVANE_BIN_DIR "/Templates/tlv.xltx"), &why)
                    : LoadForeign(book));
    double width = 0;
    QVERIFY(book.ColumnWidth(column == 12 ? 12 : 4, &width, &why));
    QCOMPARE(width, column == 12 ? 8.43 : shipped ? 24.0 : 9.0); // no entry: a spreadsheet's default
    QVERIFY(book.SetColumnWidth(column, 25.5, &why));
    QVERIFY(book.ColumnWidth(column, &width, &why));
    QCOMPARE(width, 25.5);
    for (double bad : {-1.0, 255.5, std::nan("")})
        QVERIFY(!book.SetColumnWidth(column, bad, &why));
    QVERIFY(!book.SetColumnWidth(0, 10, &why));

    const OoxmlPackage package = Saved(book);
    QCOMPARE(OfficeTest::PackageProblems(package), QStringList());
    pugi::xml_document sheet;
    QVERIFY(OfficeTest::LoadPart(
        package, shipped ? QStringLiteral("xl/worksheets/sheet1.xml") : QStringLiteral("xl/sheets/one.xml"),
        sheet));
    const pugi::xml_node cols = sheet.document_element().first_element_by_path(shipped ? "cols" : "x:cols");
    QStringList got;
    for (pugi::xml_node c : cols.children()) {
        got << QStringLiteral("%1-%2:%3:%4")
                   .arg(Attr(c, "min"), Attr(c, "max"), Attr(c, "width"), Attr(c, "style"));
        if (c.attribute("min").as_int() == column)
            QCOMPARE(Attr(c, "customWidth"), QStringLiteral("1"));
    }
    QCOMPARE(got, entries);

    // A sheet without column entries gets them before its data.
    if (!shipped) {
        QVERIFY(book.SelectSheet(2, &why));
        QVERIFY(book.SetColumnWidth(3, 12, &why));
        QVERIFY(OfficeTest::LoadPart(Saved(book), QStringLiteral("xl/sheets/two.xml"), sheet));
        QCOMPARE(ChildNames(sheet.document_element()),
                 QStringList({QStringLiteral("cols"), QStringLiteral("sheetData")}));
    }
}

QTEST_GUILESS_MAIN(TestXlsxWorkbook)
#include "tst_xlsxworkbook.moc"
