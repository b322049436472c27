#include "OfficeExportFixtures.h"
#include "export/CWordExport.h"
#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"
#include "platform/CDocxWriter.h"
#include "platform/CWordDocument.h"
#include "platform/ShellOpen.h"

#include "../platform/OfficeTestTools.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using OfficeTest::Attr;

namespace {

// Logs every call on the application and its selection; fails call failAt.
class RecordingWord : public IWordApplication, public IWordSelection, private CallRecorder
{
public:
    using CallRecorder::CallRecorder;

    bool SetVisible(bool v) override { return Log(QStringLiteral("Visible %1").arg(v)); }
    bool AddDocument() override { return Log(QStringLiteral("AddDocument")); }
    IWordSelection* Selection() override { return this; }
    bool SaveActiveDocument(const QString& path) override { return Log(QStringLiteral("Save %1").arg(path)); }

    bool SetFontBold(int b) override { return Log(QStringLiteral("Bold %1").arg(b)); }
    bool SetFontUnderline(int u) override { return Log(QStringLiteral("Underline %1").arg(u)); }
    bool SetFontStrikeThrough(int s) override { return Log(QStringLiteral("Strike %1").arg(s)); }
    bool SetFontColor(quint32 c) override
    {
        return Log(QStringLiteral("Color %1").arg(c, 6, 16, QLatin1Char('0')));
    }
    bool GetFontSize(double* points) override
    {
        *points = m_size;
        return Log(QStringLiteral("GetSize"));
    }
    bool SetFontSize(double points) override
    {
        m_size = points;
        return Log(QStringLiteral("Size %1").arg(points));
    }
    bool SetParagraphAlignment(int a) override { return Log(QStringLiteral("Align %1").arg(a)); }
    bool SetCellsVerticalAlignment(int v) override { return Log(QStringLiteral("VAlign %1").arg(v)); }
    bool SetCellsShading(quint32 c) override
    {
        return Log(QStringLiteral("Shade %1").arg(c, 6, 16, QLatin1Char('0')));
    }
    bool TypeText(const QString& t) override { return Log(QStringLiteral("Type ") + t); }
    bool MoveRight(int unit, int count, int extend) override
    {
        return Log(QStringLiteral("Right %1 %2 %3").arg(unit).arg(count).arg(extend));
    }
    bool MoveLeft(int unit, int count, int extend) override
    {
        return Log(QStringLiteral("Left %1 %2 %3").arg(unit).arg(count).arg(extend));
    }
    bool SplitCells(int rows, int columns) override
    {
        return Log(QStringLiteral("Split %1 %2").arg(rows).arg(columns));
    }
    bool AddTable(int rows, int columns, int behavior, int autoFit) override
    {
        return Log(QStringLiteral("Table %1 %2 %3 %4").arg(rows).arg(columns).arg(behavior).arg(autoFit));
    }
    bool AddComment(const QString& t) override { return Log(QStringLiteral("Comment ") + t); }
    bool SetRowsHeadingFormat(int h) override { return Log(QStringLiteral("Heading %1").arg(h)); }
    bool SetPageSetupPaperSize(int p) override { return Log(QStringLiteral("Paper %1").arg(p)); }
    QString ErrorString() const override { return QStringLiteral("call refused"); }

private:
    double m_size = 12;
};

QString CellText(const WordCell* cell)
{
    if (!cell)
        return QString();
    QStringList lines;
    for (const WordParagraph& p : cell->paragraphs)
        lines << p.Text();
    return lines.join(QLatin1Char('\n'));
}

// One drawn line as "text[span,merge]" items; merge is r(estart) or c(ontinue).
QStringList DrawnLine(const QList<CWordDocument::DrawnCell>& line)
{
    QStringList out;
    for (const CWordDocument::DrawnCell& c : line) {
        QString item = c.merge == CWordDocument::DrawnCell::Continue ? QStringLiteral("^") : CellText(c.cell);
        if (c.gridSpan > 1)
            item += QStringLiteral("[%1]").arg(c.gridSpan);
        if (c.merge == CWordDocument::DrawnCell::Restart)
            item += QStringLiteral("[r]");
        out << item;
    }
    return out;
}

// Calls written one step a line, separated by ";"; "\r\n" stands for CR LF.
QStringList Calls(const QString& script)
{
    QStringList calls;
    for (const QString& line : script.split(QLatin1Char('\n'))) {
        for (const QString& call : line.split(QLatin1Char(';')))
            calls << call.trimmed().replace(QStringLiteral("\\r\\n"), QStringLiteral("\r\n"));
    }
    return calls;
}

const WordTable* FirstTable(const CWordDocument& doc)
{
    for (const WordBlock& b : doc.Blocks()) {
        if (b.isTable)
            return &b.table;
    }
    return nullptr;
}

} // namespace

class TestWordExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void exactSequenceForOneDue();
    void sequenceProperties_data();
    void sequenceProperties();
    void emptyList();
    void failureInsideBuildIsShownThenReported();
    void noWordProcessorIsSilent();
    void blocksFollowTheHeadings_data();
    void blocksFollowTheHeadings();
    void formattingOfTheBuild();
    void docxPackageIsConsistent();
    void everyFieldReadsAsTyped_data();
    void everyFieldReadsAsTyped();
    void fileExportReportsUnwritablePath();
    void showSavesUnderMonthNameAndOpens();
    void libreOfficeReadsTheDocument();
    void headerRepeatsOnEveryPageOfTheLocalesPaper();

private:
    void CheckLibreOfficeText(const QString& txtPath, const QString& fodtPath, bool withNotes);

    QStringList m_log;
    QStringList m_opened;
    QTemporaryDir m_dir;
};

void TestWordExport::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    SetShellOpenHandler([this](const QString& path) {
        m_opened << path;
        return true;
    });
}

void TestWordExport::cleanup()
{
    SetWordApplicationFactory({});
    m_log.clear();
    for (const QString& path : std::as_const(m_opened))
        QDir(QFileInfo(path).absolutePath()).removeRecursively();
    m_opened.clear();
}

void TestWordExport::exactSequenceForOneDue()
{
    SetWordApplicationFactory([this](const QString&) { return std::make_unique<RecordingWord>(&m_log, -1); });
    QString error;
    QVERIFY(ShowWordExport(MarchRequest(ThreeDues(QStringLiteral("Call <first> & co")).mid(0, 1), false),
                           &error));
    // One step of the build per line; its calls separated by ";".
    const QStringList expected = Calls(QStringLiteral(
        "Visible 0; AddDocument\n"
        "Paper 2\n"
        "Underline 1; Bold 1; Color 000000; Align 1; GetSize; Size 14; Type March-2007\\r\\n\\r\\n\n"
        "Underline 0; Strike 0; GetSize; Size 12; Color 000000\n"
        "Table 3 4 1 0; Heading 1\n"
        "VAlign 1; Color 800000; Shade dcdcdc; Type Due\n"
        "Right 12 1 1; Color 800000; VAlign 1; Shade dcdcdc; Type Pay To/Account\n"
        "Right 12 1 1; Color 800000; VAlign 1; Shade dcdcdc; Type Type/Status\n"
        "Right 12 1 1; Color 800000; VAlign 1; Shade dcdcdc; Type Amount\n"
        "GetSize; Size 8\n"
        "Right 12 1 1; Split 2 1; Right 12 5 1; Split 2 1; Left 12 5 1; Right 12 1 1; Split 2 1; Right 12 2 "
        "1\n"
        "Split 2 1; Left 12 4 1; Right 12 1 1\n"
        "Bold 1; Align 1; Type Rent; Shade eedfd3\n"
        "Right 12 1 1; Bold 1; Align 0; Type Landlord & Sons\n"
        "Right 12 1 1; Bold 1; Align 0; Type Business\n"
        "Right 12 1 1\n"
        "Right 12 1 1; Bold 1; Align 0; Type 01/03/2007\n"
        "Right 12 1 1; Bold 1; Align 0; Type 05/03/2007\n"
        "Right 12 1 1; Bold 1; Align 2; Type ACC-1\n"
        "Right 12 1 1; Bold 1; Align 2; Type Paid\n"
        "Right 12 1 1; Bold 1; Align 2; VAlign 3; Type $1,200.50\n"
        "Right 12 1 1; Shade dcdcdc; Color c80000; Type Status: (1/1)\n"
        "Right 12 1 1; Shade dcdcdc; Align 2; Color c80000; Type $1,200.50\n"
        "Right 12 1 1; Shade dcdcdc; Align 2; Color c80000; Type $0.00\n"
        "Right 12 1 1; Shade dcdcdc; Align 2; Color c80000; Type $1,200.50\n"
        "Shade dcdcdc; Visible 1"));
    QCOMPARE(m_log, expected);
}

void TestWordExport::sequenceProperties_data()
{
    QTest::addColumn<bool>("withNotes");
    QTest::newRow("with notes") << true;
    QTest::newRow("without notes") << false;
}

void TestWordExport::sequenceProperties()
{
    QFETCH(bool, withNotes);
    SetWordApplicationFactory([this](const QString&) { return std::make_unique<RecordingWord>(&m_log, -1); });
    QString error;
    QVERIFY(ShowWordExport(MarchRequest(ThreeDues(QStringLiteral("Call <first> & co")), withNotes), &error));

    const int cols = withNotes ? 5 : 4;
    QVERIFY(m_log.contains(QStringLiteral("Table 5 %1 1 0").arg(cols)));
    QCOMPARE(m_log.contains(QStringLiteral("Type Notes")), withNotes);
    QVERIFY(m_log.contains(QStringLiteral("Type Status: (1/3)")));
    QCOMPARE(m_log.count(QStringLiteral("Right 12 %1 1").arg(cols + 1)), 3);
    QCOMPARE(m_log.count(QStringLiteral("Split 2 1")), 12);
    // Comments only for notes that are not empty, CR LF as LF, right after
    // "Show Notes".
    QStringList comments;
    for (int i = 0; i < m_log.size(); ++i) {
        if (m_log.at(i).startsWith(QLatin1String("Comment "))) {
            comments << m_log.at(i).mid(8);
            QCOMPARE(m_log.at(i - 1), QStringLiteral("Type Show Notes"));
        }
    }
    QCOMPARE(comments, withNotes ? QStringList({QStringLiteral("Line one\nLine two"),
                                                QStringLiteral("Call <first> & co")})
                                 : QStringList());
    QCOMPARE(m_log.count(QStringLiteral("Type Show Notes")), withNotes ? 2 : 0);
    // Sums: paid, unpaid, both.
    const qsizetype status = m_log.indexOf(QStringLiteral("Type Status: (1/3)"));
    const QStringList tail = m_log.mid(status);
    QVERIFY(tail.indexOf(QStringLiteral("Type $1,200.50")) < tail.indexOf(QStringLiteral("Type $125.25")));
    QVERIFY(tail.indexOf(QStringLiteral("Type $125.25")) < tail.indexOf(QStringLiteral("Type $1,325.75")));
}

void TestWordExport::emptyList()
{
    SetWordApplicationFactory([this](const QString&) { return std::make_unique<RecordingWord>(&m_log, -1); });
    QString error;
    QVERIFY(ShowWordExport(MarchRequest({}, true), &error));
    QCOMPARE(m_log, QStringList({QStringLiteral("Visible 0"), QStringLiteral("AddDocument"),
                                 QStringLiteral("Visible 1")}));

    // A file written for an empty month: the title, the header row and zero totals.
    const QString out = m_dir.filePath(QStringLiteral("empty.docx"));
    SetWordApplicationFactory({});
    QVERIFY2(ExportWordFile(MarchRequest({}, true, out), &error), qPrintable(error));
    OoxmlPackage package;
    QVERIFY(package.Read(out, &error));
    pugi::xml_document doc;
    QVERIFY(OfficeTest::LoadPart(package, QStringLiteral("word/document.xml"), doc));
    pugi::xml_node table = doc.document_element().child("w:body").child("w:tbl");
    QVERIFY(table);
    QStringList rows;
    for (pugi::xml_node tr : table.children("w:tr")) {
        QStringList cells;
        for (pugi::xml_node tc : tr.children("w:tc")) {
            QString text;
            for (pugi::xpath_node t : tc.select_nodes(".//w:t"))
                text += QString::fromUtf8(t.node().text().get());
            cells << text;
        }
        rows << cells.join(QLatin1Char('|'));
    }
    QCOMPARE(rows, QStringList({QStringLiteral("Due|Pay To/Account|Type/Status|Amount|Notes"),
                                QStringLiteral("Status: (0/0)|$0.00|$0.00|$0.00|")}));
}

void TestWordExport::failureInsideBuildIsShownThenReported()
{
    // Call 22 is the move to the second heading: the build ends there.
    SetWordApplicationFactory([this](const QString&) { return std::make_unique<RecordingWord>(&m_log, 22); });
    QString error;
    QVERIFY(!ShowWordExport(MarchRequest(ThreeDues(QStringLiteral("Call <first> & co")), true), &error));
    QCOMPARE(m_log.size(), 22);
    QCOMPARE(m_log.at(20), QStringLiteral("Type Due"));
    QCOMPARE(m_log.last(), QStringLiteral("Visible 1"));
    QVERIFY(error.startsWith(WordExportErrorText()));
    QVERIFY(error.contains(QLatin1String("call refused")));

    // The file export writes nothing for a document cut short.
    m_log.clear();
    const QString out = m_dir.filePath(QStringLiteral("cut.docx"));
    QVERIFY(!ExportWordFile(MarchRequest(ThreeDues(QStringLiteral("Call <first> & co")), true, out), &error));
    QVERIFY(error.startsWith(WordExportErrorText()));
    QVERIFY(!m_log.join(QLatin1Char('\n')).contains(QLatin1String("Save")));
}

void TestWordExport::noWordProcessorIsSilent()
{
    SetWordApplicationFactory([](const QString&) { return std::unique_ptr<IWordApplication>(); });
    QString error = QStringLiteral("untouched");
    QVERIFY(!ShowWordExport(MarchRequest(ThreeDues(QStringLiteral("Call <first> & co")), true), &error));
    QVERIFY(error.isEmpty());
    QVERIFY(m_opened.isEmpty());
    QVERIFY(!ExportWordFile(MarchRequest(ThreeDues(QStringLiteral("Call <first> & co")), true,
                                         m_dir.filePath(QStringLiteral("x.docx"))),
                            &error));
    QVERIFY(error.startsWith(WordExportErrorText()));
}

void TestWordExport::blocksFollowTheHeadings_data()
{
    QTest::addColumn<bool>("withNotes");
    QTest::addColumn<QList<QStringList>>("lines");
    // One drawn line per line, cells separated by "|": [n] spans n grid
    // columns, [r] starts a merge that "^" continues.
    auto lines = [](const QString& text) {
        QList<QStringList> out;
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            QStringList cells;
            for (const QString& cell : line.split(QLatin1Char('|')))
                cells << cell.trimmed();
            out << cells;
        }
        return out;
    };
    QTest::newRow("with notes") << true
                                << lines(QStringLiteral(
                                       "Due[2] | Pay To/Account | Type/Status | Amount | Notes\n"
                                       "Rent[2] | Landlord & Sons | Business | $1,200.50[r] | [r]\n"
                                       "01/03/2007 | 05/03/2007 | ACC-1 | Paid | ^ | ^\n"
                                       "Power[2] | City Power | Personal | $85.25[r] | Show Notes[r]\n"
                                       "02/03/2007 | 20/03/2007 | 7788 | Unpaid | ^ | ^\n"
                                       "Phone <mobile>[2] | Tel\u00e9 Ltd | Business | $40.00[r] | "
                                       "Show Notes[r]\n"
                                       "10/03/2007 | 28/03/2007 | 55 | Unpaid | ^ | ^\n"
                                       "Status: (1/3)[2] | $1,200.50 | $125.25 | $1,325.75 |"));
    QTest::newRow("without notes") << false
                                   << lines(QStringLiteral(
                                          "Due[2] | Pay To/Account | Type/Status | Amount\n"
                                          "Rent[2] | Landlord & Sons | Business | $1,200.50[r]\n"
                                          "01/03/2007 | 05/03/2007 | ACC-1 | Paid | ^\n"
                                          "Power[2] | City Power | Personal | $85.25[r]\n"
                                          "02/03/2007 | 20/03/2007 | 7788 | Unpaid | ^\n"
                                          "Phone <mobile>[2] | Tel\u00e9 Ltd | Business | $40.00[r]\n"
                                          "10/03/2007 | 28/03/2007 | 55 | Unpaid | ^\n"
                                          "Status: (1/3)[2] | $1,200.50 | $125.25 | $1,325.75"));
}

void TestWordExport::blocksFollowTheHeadings()
{
    QFETCH(bool, withNotes);
    QFETCH(QList<QStringList>, lines);
    CWordDocument doc;
    QVERIFY2(BuildWordDocument(doc, ThreeDues(QStringLiteral("Call <first> & co")),
                               COleDateTime(2007, 3, 15, 0, 0, 0), withNotes,
                               QLocale(QStringLiteral("en_US"))),
             qPrintable(doc.ErrorString()));
    const WordTable* table = FirstTable(doc);
    QVERIFY(table);
    const CWordDocument::DrawnTable drawn = CWordDocument::Draw(*table);
    QList<QStringList> actual;
    for (const auto& line : drawn.lines)
        actual << DrawnLine(line);
    QCOMPARE(actual, lines);
}

void TestWordExport::formattingOfTheBuild()
{
    CWordDocument doc;
    QVERIFY(BuildWordDocument(doc, ThreeDues(QStringLiteral("Call <first> & co")),
                              COleDateTime(2007, 3, 15, 0, 0, 0), true, QLocale(QStringLiteral("en_US"))));

    // Title: centred, underlined, bold, 2 points up; an empty paragraph, the
    // table, and the paragraph that always follows a table.
    const QList<WordBlock>& blocks = doc.Blocks();
    QCOMPARE(blocks.size(), 4);
    const WordParagraph& title = blocks.at(0).paragraph;
    QCOMPARE(title.Text(), QStringLiteral("March-2007"));
    QCOMPARE(title.alignment, 1);
    QVERIFY(title.runs.first().format.underline && title.runs.first().format.bold);
    QCOMPARE(title.runs.first().format.size, 14.0);
    QVERIFY(blocks.at(2).isTable);

    // Headings at the normal size, the rest 4 points smaller; the amount at
    // the bottom right of its merged cell.
    const CWordDocument::DrawnTable drawn = CWordDocument::Draw(blocks.at(2).table);
    QCOMPARE(drawn.lines.at(0).at(1).cell->paragraphs.first().runs.first().format.size, 12.0);
    QCOMPARE(drawn.lines.at(1).at(0).cell->paragraphs.first().runs.first().format.size, 8.0);
    const WordCell* amount = drawn.lines.at(1).at(3).cell;
    QCOMPARE(amount->verticalAlignment, 3);
    QCOMPARE(amount->paragraphs.first().alignment, 2);
    QCOMPARE(drawn.lines.last().at(1).cell->paragraphs.first().runs.first().format.color, quint32(0xC80000));
}

void TestWordExport::docxPackageIsConsistent()
{
    const QString out = m_dir.filePath(QStringLiteral("consistent.docx"));
    QString error;
    QVERIFY2(ExportWordFile(MarchRequest(ThreeDues(QStringLiteral("Call <first> & co")), true, out), &error),
             qPrintable(error));
    OoxmlPackage package;
    QVERIFY(package.Read(out, &error));
    QCOMPARE(OfficeTest::PackageProblems(package), QStringList());

    pugi::xml_document doc, comments;
    QVERIFY(OfficeTest::LoadPart(package, QStringLiteral("word/document.xml"), doc));
    QVERIFY(OfficeTest::LoadPart(package, QStringLiteral("word/comments.xml"), comments));
    pugi::xml_node tbl = doc.document_element().child("w:body").child("w:tbl");
    int gridColumns = 0;
    for (pugi::xml_node g : tbl.child("w:tblGrid").children("w:gridCol")) {
        Q_UNUSED(g);
        ++gridColumns;
    }
    QCOMPARE(gridColumns, 6);
    // Every row fills the grid, every cell ends with a paragraph, every merge
    // continues a cell that starts one in the line above at the same place.
    QList<QList<QString>> merges;
    for (pugi::xml_node tr : tbl.children("w:tr")) {
        int span = 0;
        QList<QString> line;
        for (pugi::xml_node tc : tr.children("w:tc")) {
            const int s = tc.child("w:tcPr").child("w:gridSpan").attribute("w:val").as_int(1);
            QVERIFY(QByteArray(tc.last_child().name()) == "w:p");
            pugi::xml_node vMerge = tc.child("w:tcPr").child("w:vMerge");
            const QString m =
                !vMerge ? QString()
                        : (Attr(vMerge, "w:val").isEmpty() ? QStringLiteral("c") : Attr(vMerge, "w:val"));
            for (int i = 0; i < s; ++i)
                line << m;
            span += s;
        }
        QCOMPARE(span, gridColumns);
        merges << line;
    }
    for (int r = 1; r < merges.size(); ++r) {
        for (int g = 0; g < gridColumns; ++g) {
            if (merges.at(r).at(g) == QLatin1String("c"))
                QVERIFY(merges.at(r - 1).at(g) == QLatin1String("restart") ||
                        merges.at(r - 1).at(g) == QLatin1String("c"));
        }
    }
    // Comment references and comments match one to one.
    QStringList referenced, defined;
    for (pugi::xpath_node n : doc.select_nodes("//w:commentReference"))
        referenced << Attr(n.node(), "w:id");
    for (pugi::xml_node c : comments.document_element().children("w:comment"))
        defined << Attr(c, "w:id");
    QCOMPARE(referenced, defined);
    QCOMPARE(doc.select_nodes("//w:commentRangeStart").size(), size_t(2));
    // Run properties in the order the schema fixes.
    const QStringList order = {QStringLiteral("w:b"),  QStringLiteral("w:strike"), QStringLiteral("w:color"),
                               QStringLiteral("w:sz"), QStringLiteral("w:szCs"),   QStringLiteral("w:u")};
    for (pugi::xpath_node n : doc.select_nodes("//w:rPr")) {
        int last = -1;
        for (pugi::xml_node c : n.node().children()) {
            const int at = int(order.indexOf(QString::fromUtf8(c.name())));
            QVERIFY(at > last);
            last = at;
        }
    }
    // The title's colours and the header shading as RGB.
    QCOMPARE(doc.select_nodes("//w:shd[@w:fill='DCDCDC']").size(), size_t(5 + 5));
    QCOMPARE(doc.select_nodes("//w:shd[@w:fill='D3DFEE']").size(), size_t(3));
    QVERIFY(doc.select_node("//w:color[@w:val='000080']"));
    QVERIFY(doc.select_node("//w:color[@w:val='0000C8']"));
}

void TestWordExport::everyFieldReadsAsTyped_data()
{
    AddFieldRows();
}

void TestWordExport::everyFieldReadsAsTyped()
{
    QFETCH(DueField, field);
    const QString out = m_dir.filePath(QStringLiteral("fields.docx"));
    QString error;
    QVERIFY2(ExportWordFile(MarchRequest({DueWithHardField(field)}, true, out), &error), qPrintable(error));
    OoxmlPackage package;
    QVERIFY(package.Read(out, &error));
    QCOMPARE(OfficeTest::PackageProblems(package), QStringList());
    QVERIFY(!package.Part(QStringLiteral("word/document.xml")).contains("<b>"));
    QVERIFY(!package.Part(QStringLiteral("word/comments.xml")).contains("<b>"));

    // The texts of the due's block, one per cell paragraph, and its comment.
    auto paragraphs = [](const pugi::xml_node& root) {
        QStringList texts;
        for (pugi::xpath_node p : root.select_nodes(".//w:p")) {
            QString t;
            for (pugi::xpath_node piece : p.node().select_nodes(".//w:t"))
                t += OfficeTest::Text(piece.node());
            texts << t;
        }
        return texts;
    };
    pugi::xml_document doc, comments;
    QVERIFY(OfficeTest::LoadPart(package, QStringLiteral("word/document.xml"), doc));
    QVERIFY(OfficeTest::LoadPart(package, QStringLiteral("word/comments.xml"), comments));
    const pugi::xml_node block = doc.select_node("//w:tbl/w:tr[2]").node();
    const pugi::xml_node below = block.next_sibling("w:tr");
    const QStringList texts = paragraphs(block) + paragraphs(below);
    const QStringList note = paragraphs(comments.document_element());

    QStringList expected = {QStringLiteral("Rent"),
                            QStringLiteral("Landlord"),
                            QStringLiteral("Business"),
                            QStringLiteral("$12.50"),
                            QStringLiteral("Show Notes"),
                            QStringLiteral("01/03/2007"),
                            QStringLiteral("05/03/2007"),
                            QStringLiteral("ACC-1"),
                            QStringLiteral("Unpaid"),
                            QString(),
                            QString()};
    QStringList expectedNote = {QStringLiteral("plain")};
    switch (field) {
    case DueField::Title:
        expected[0] = MarkupText();
        break;
    case DueField::PayTo:
        expected[1] = MarkupText();
        break;
    case DueField::Account:
        expected[7] = MarkupText();
        break;
    case DueField::Notes:
        expectedNote = {MarkupText(), MarkupText()};
        break;
    case DueField::Type:
        expected[2] = QStringLiteral("Personal");
        break;
    case DueField::Amount:
        expected[3] = QStringLiteral("($1,234.50)");
        break;
    }
    QCOMPARE(texts, expected);
    QCOMPARE(note, expectedNote);
}

void TestWordExport::fileExportReportsUnwritablePath()
{
    const QString folder = m_dir.filePath(QStringLiteral("folder.docx"));
    QVERIFY(QDir().mkpath(folder));
    QString error;
    QVERIFY(
        !ExportWordFile(MarchRequest(ThreeDues(QStringLiteral("Call <first> & co")), true, folder), &error));
    QVERIFY(error.startsWith(WordExportErrorText()));
    QVERIFY(error.contains(folder));
}

void TestWordExport::showSavesUnderMonthNameAndOpens()
{
    QString error;
    QVERIFY2(ShowWordExport(MarchRequest(ThreeDues(QStringLiteral("Call <first> & co")), false), &error),
             qPrintable(error));
    QCOMPARE(m_opened.size(), 1);
    QCOMPARE(QFileInfo(m_opened.first()).fileName(), QStringLiteral("Dues March 2007.docx"));
    OoxmlPackage package;
    QVERIFY(package.Read(m_opened.first(), &error));
    QVERIFY(!package.Contains(QStringLiteral("word/comments.xml")));
}

void TestWordExport::libreOfficeReadsTheDocument()
{
    if (OfficeTest::Soffice::Program().isEmpty())
        QSKIP("LibreOffice (soffice) is not installed: the conversion check is skipped");
    // With notes and without, converted together: LibreOffice is slow to start.
    const QStringList outs = {m_dir.filePath(QStringLiteral("lo-notes.docx")),
                              m_dir.filePath(QStringLiteral("lo-plain.docx"))};
    QString error;
    for (int i = 0; i < 2; ++i)
        QVERIFY2(
            ExportWordFile(MarchRequest(ThreeDues(QStringLiteral("Call <first> & co")), i == 0, outs.at(i)),
                           &error),
            qPrintable(error));
    OfficeTest::Soffice soffice(m_dir.path());
    const QStringList txtPaths =
        soffice.Convert(outs, QStringLiteral("txt:Text (encoded):UTF8"), QStringLiteral("txt"), &error);
    QVERIFY2(!txtPaths.isEmpty(), qPrintable(error));
    const QStringList fodtPaths =
        soffice.Convert(outs, QStringLiteral("fodt"), QStringLiteral("fodt"), &error);
    QVERIFY2(!fodtPaths.isEmpty(), qPrintable(error));

    for (int i = 0; i < 2; ++i) {
        const bool withNotes = i == 0;
        CheckLibreOfficeText(txtPaths.at(i), fodtPaths.at(i), withNotes);
        if (QTest::currentTestFailed())
            return;
    }
}

void TestWordExport::headerRepeatsOnEveryPageOfTheLocalesPaper()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (OfficeTest::Soffice::Program().isEmpty() || pdftotext.isEmpty() || pdfinfo.isEmpty())
        QSKIP("LibreOffice (soffice) or the PDF readers (poppler-utils) are missing: the page check is "
              "skipped");

    // Enough dues for several pages, on Letter (en_US) and on A4 (de_DE).
    QList<DueRecord> dues;
    for (int i = 0; i < 25; ++i)
        dues << ThreeDues(QStringLiteral("Call <first> & co"));
    const QStringList outs = {m_dir.filePath(QStringLiteral("pages-us.docx")),
                              m_dir.filePath(QStringLiteral("pages-de.docx"))};
    const char* locales[] = {"en_US", "de_DE"};
    QString error;
    for (int i = 0; i < 2; ++i) {
        QLocale::setDefault(QLocale(QLatin1String(locales[i])));
        const bool ok = ExportWordFile(MarchRequest(dues, true, outs.at(i)), &error);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY2(ok, qPrintable(error));
    }
    const QStringList pdfs =
        OfficeTest::Soffice(m_dir.path()).Convert(outs, QStringLiteral("pdf"), QStringLiteral("pdf"), &error);
    QVERIFY2(!pdfs.isEmpty(), qPrintable(error));

    auto run = [](const QString& program, const QStringList& args) {
        QProcess p;
        p.start(program, args);
        p.waitForFinished(60000);
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    const char* sizes[] = {"612 x 792 pts (letter)", "pts (A4)"};
    for (int i = 0; i < 2; ++i) {
        const QString info = run(pdfinfo, {pdfs.at(i)});
        QVERIFY2(info.contains(QLatin1String(sizes[i])), qPrintable(info));
        QStringList pages = run(pdftotext, {pdfs.at(i), QStringLiteral("-")}).split(QLatin1Char('\f'));
        while (!pages.isEmpty() && pages.last().trimmed().isEmpty())
            pages.removeLast();
        QVERIFY2(pages.size() >= 3, qPrintable(info));
        for (const QString& page : std::as_const(pages))
            QVERIFY2(page.contains(QLatin1String("Pay To/Account")), qPrintable(page.left(300)));
    }
}

void TestWordExport::CheckLibreOfficeText(const QString& txtPath, const QString& fodtPath, bool withNotes)
{
    QFile txtFile(txtPath);
    QVERIFY(txtFile.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(txtFile.readAll());
    for (const QString& value : {QStringLiteral("March-2007"),
                                 QStringLiteral("Due"),
                                 QStringLiteral("Pay To/Account"),
                                 QStringLiteral("Type/Status"),
                                 QStringLiteral("Amount"),
                                 QStringLiteral("Rent"),
                                 QStringLiteral("Landlord & Sons"),
                                 QStringLiteral("ACC-1"),
                                 QStringLiteral("01/03/2007"),
                                 QStringLiteral("05/03/2007"),
                                 QStringLiteral("Paid"),
                                 QStringLiteral("$1,200.50"),
                                 QStringLiteral("Power"),
                                 QStringLiteral("City Power"),
                                 QStringLiteral("Personal"),
                                 QStringLiteral("$85.25"),
                                 QStringLiteral("Phone <mobile>"),
                                 QStringLiteral("Tel\u00e9 Ltd"),
                                 QStringLiteral("28/03/2007"),
                                 QStringLiteral("$40.00"),
                                 QStringLiteral("Status: (1/3)"),
                                 QStringLiteral("$125.25"),
                                 QStringLiteral("$1,325.75")})
        QVERIFY2(text.contains(value), qPrintable(value));
    QCOMPARE(text.contains(QLatin1String("Show Notes")), withNotes);

    // The table and the comments as LibreOffice reads them.
    pugi::xml_document fodt;
    QVERIFY(fodt.load_file(fodtPath.toLocal8Bit().constData()));
    QStringList notes;
    for (pugi::xpath_node n : fodt.select_nodes("//office:annotation")) {
        QStringList paragraphs;
        for (pugi::xml_node p : n.node().children("text:p"))
            paragraphs << QString::fromUtf8(p.child_value());
        notes << paragraphs.join(QLatin1Char('\n'));
    }
    QCOMPARE(notes, withNotes ? QStringList({QStringLiteral("Line one\nLine two"),
                                             QStringLiteral("Call <first> & co")})
                              : QStringList());
    // Rows as LibreOffice lays them out: the block's first line and its
    // second, the amount in the merged cell.
    QList<QStringList> rows;
    for (pugi::xpath_node tr : fodt.select_nodes("//table:table-row")) {
        QStringList cells;
        for (pugi::xml_node tc : tr.node().children("table:table-cell")) {
            QStringList paragraphs;
            for (pugi::xpath_node p : tc.select_nodes(".//text:p")) {
                QString t;
                for (pugi::xpath_node piece : p.node().select_nodes(".//text()"))
                    t += QString::fromUtf8(piece.node().value());
                paragraphs << t.trimmed();
            }
            cells << paragraphs.join(QLatin1Char(' ')).trimmed();
        }
        rows << cells;
    }
    QCOMPARE(rows.size(), 8);
    QCOMPARE(rows.at(1).mid(0, 4), QStringList({QStringLiteral("Rent"), QStringLiteral("Landlord & Sons"),
                                                QStringLiteral("Business"), QStringLiteral("$1,200.50")}));
    QCOMPARE(rows.at(2), QStringList({QStringLiteral("01/03/2007"), QStringLiteral("05/03/2007"),
                                      QStringLiteral("ACC-1"), QStringLiteral("Paid")}));
}

QTEST_GUILESS_MAIN(TestWordExport)
#include "tst_wordexport.moc"
