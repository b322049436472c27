#include "OfficeExportFixtures.h"
#include "export/CSpreadsheetExport.h"
#include "model/CDueStore.h"
#include "model/DataFolder.h"
#include "model/MessageTexts.h"
#include "platform/ShellOpen.h"

#include "../platform/OfficeTestTools.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using OfficeTest::Attr;
using OfficeTest::Text;

namespace {

// Logs every call as one line; fails the call numbered failAt (from 1).
class RecordingSpreadsheet : public ISpreadsheetApplication, private CallRecorder
{
public:
    using CallRecorder::CallRecorder;

    bool SetVisible(bool visible) override { return Log(QStringLiteral("Visible %1").arg(visible)); }
    bool AddWorkbook(const QString& path) override { return Log(QStringLiteral("Add %1").arg(path)); }
    bool GetSheetCount(int* count) override
    {
        *count = 1;
        return Log(QStringLiteral("Count"));
    }
    bool SelectSheet(int index) override { return Log(QStringLiteral("Select %1").arg(index)); }
    bool SetRangeValue(const QString& cell, const QString& text) override
    {
        return Log(QStringLiteral("Value %1 %2").arg(cell, text));
    }
    bool SetRangeInteriorColor(const QString& cell, quint32 color) override
    {
        return Log(QStringLiteral("Color %1 %2").arg(cell).arg(color));
    }
    bool AddRangeComment(const QString& cell, const QString& text) override
    {
        return Log(QStringLiteral("Comment %1 %2").arg(cell, text));
    }
    bool SaveActiveWorkbook(const QString& path) override { return Log(QStringLiteral("Save %1").arg(path)); }
    QString ErrorString() const override { return QStringLiteral("call refused"); }
};

QString TemplatePath()
{
    return QStringLiteral(TALLYVANE_BIN_DIR "/Templates/tlv.xltx");
}

// Cell texts of the first sheet of an .xlsx, inline and shared strings alike.
QHash<QString, QString> CellTexts(const OoxmlPackage& package)
{
    QHash<QString, QString> cells;
    QStringList shared;
    pugi::xml_document sst;
    if (OfficeTest::LoadPart(package, QStringLiteral("xl/sharedStrings.xml"), sst)) {
        for (pugi::xml_node si : sst.document_element().children("si"))
            shared << Text(si.child("t"));
    }
    pugi::xml_document sheet;
    OfficeTest::LoadPart(package, QStringLiteral("xl/worksheets/sheet1.xml"), sheet);
    for (pugi::xml_node row : sheet.document_element().child("sheetData").children("row")) {
        for (pugi::xml_node c : row.children("c")) {
            const QString t = Attr(c, "t");
            if (t == QLatin1String("inlineStr"))
                cells.insert(Attr(c, "r"), Text(c.child("is").child("t")));
            else if (t == QLatin1String("s"))
                cells.insert(Attr(c, "r"), shared.value(Text(c.child("v")).toInt()));
            else if (c.child("v"))
                cells.insert(Attr(c, "r"), Text(c.child("v")));
        }
    }
    return cells;
}

// Rows of a comma-separated text with double-quoted fields, each padded to
// nine fields (the width of the sheet).
QList<QStringList> CsvRows(const QString& csv)
{
    QList<QStringList> rows;
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < csv.size(); ++i) {
        const QChar c = csv.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < csv.size() && csv.at(i + 1) == QLatin1Char('"'))
                field += csv.at(++i);
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                field += c;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
        } else if (c == QLatin1Char('\n')) {
            fields << field;
            while (fields.size() < 9)
                fields << QString();
            rows << fields;
            fields.clear();
            field.clear();
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    return rows;
}

} // namespace

class TestSpreadsheetExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void callSequence_data();
    void callSequence();
    void failureKeepsEarlierRowsAndShows();
    void noApplicationIsSilent();
    void brokenTemplateReports_data();
    void brokenTemplateReports();
    void unwritableOutputKeepsOldFile();
    void workbookHoldsEveryValue();
    void showSavesUnderMonthNameAndOpens();
    void libreOfficeReadsTheWorkbook();

private:
    QStringList m_log;
    QStringList m_opened;
    QTemporaryDir m_dir;
};

void TestSpreadsheetExport::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    SetShellOpenHandler([this](const QString& path) {
        m_opened << path;
        return true;
    });
    QVERIFY2(QFileInfo::exists(TemplatePath()),
             "Templates/tlv.xltx is missing: build the tallyvane_templates target");
}

void TestSpreadsheetExport::cleanup()
{
    SetSpreadsheetApplicationFactory({});
    m_log.clear();
    for (const QString& path : std::as_const(m_opened))
        QDir(QFileInfo(path).absolutePath()).removeRecursively();
    m_opened.clear();
}

void TestSpreadsheetExport::callSequence_data()
{
    QTest::addColumn<QList<DueRecord>>("dues");
    QTest::addColumn<bool>("withNotes");
    QTest::addColumn<QStringList>("expected");

    const QStringList head = {QStringLiteral("Visible 0"), QStringLiteral("Add ") + TemplatePath(),
                              QStringLiteral("Count"), QStringLiteral("Select 1")};
    const QStringList clearI9 = {QStringLiteral("Value I9 "), QStringLiteral("Color I9 16777215")};
    const QStringList rows = {
        QStringLiteral("Value A10 Rent"),      QStringLiteral("Value B10 3/1/2007"),
        QStringLiteral("Value C10 3/5/2007"),  QStringLiteral("Value D10 Landlord & Sons"),
        QStringLiteral("Value E10 ACC-1"),     QStringLiteral("Value F10 $1,200.50"),
        QStringLiteral("Value G10 Business"),  QStringLiteral("Value H10 Paid"),
        QStringLiteral("Value A11 Power"),     QStringLiteral("Value B11 3/2/2007 2:30:00 PM"),
        QStringLiteral("Value C11 3/20/2007"), QStringLiteral("Value D11 City Power"),
        QStringLiteral("Value E11 7788"),      QStringLiteral("Value F11 $85.25"),
        QStringLiteral("Value G11 Personal"),  QStringLiteral("Value H11 Unpaid"),
    };
    const QStringList row11Notes = {QStringLiteral("Value I11 Show Notes"),
                                    QStringLiteral("Comment I11 Line one\nLine two")};
    const QStringList row12 = {
        QStringLiteral("Value A12 Phone <mobile>"),
        QStringLiteral("Value B12 3/10/2007"),
        QStringLiteral("Value C12 3/28/2007"),
        QStringLiteral("Value D12 Tel\u00e9 Ltd"),
        QStringLiteral("Value E12 55"),
        QStringLiteral("Value F12 $40.00"),
        QStringLiteral("Value G12 Business"),
        QStringLiteral("Value H12 Unpaid"),
    };
    const QStringList row12Notes = {QStringLiteral("Value I12 Show Notes"),
                                    QStringLiteral("Comment I12 Call <first> & _x0041_")};
    const QStringList sums = {QStringLiteral("Value C4 March, 2007"), QStringLiteral("Value F4 $1,200.50"),
                              QStringLiteral("Value F5 $125.25"), QStringLiteral("Visible 1")};
    const QStringList emptySums = {QStringLiteral("Value C4 March, 2007"), QStringLiteral("Value F4 $0.00"),
                                   QStringLiteral("Value F5 $0.00"), QStringLiteral("Visible 1")};

    QTest::newRow("three with notes")
        << ThreeDues() << true << head + rows + row11Notes + row12 + row12Notes + sums;
    QTest::newRow("three without notes") << ThreeDues() << false << head + clearI9 + rows + row12 + sums;
    QTest::newRow("empty with notes") << QList<DueRecord>() << true << head + emptySums;
    QTest::newRow("empty without notes") << QList<DueRecord>() << false << head + clearI9 + emptySums;
}

void TestSpreadsheetExport::callSequence()
{
    QFETCH(QList<DueRecord>, dues);
    QFETCH(bool, withNotes);
    QFETCH(QStringList, expected);

    SetSpreadsheetApplicationFactory(
        [this](const QString&) { return std::make_unique<RecordingSpreadsheet>(&m_log, -1); });
    QString error;
    QVERIFY(ShowSpreadsheetExportFromTemplate(MarchRequest(dues, withNotes), TemplatePath(), &error));
    QVERIFY(error.isEmpty());
    QCOMPARE(m_log, expected);
}

void TestSpreadsheetExport::failureKeepsEarlierRowsAndShows()
{
    // Call 13 is the first write of row 11: 4 opening calls, 8 of row 10.
    SetSpreadsheetApplicationFactory(
        [this](const QString&) { return std::make_unique<RecordingSpreadsheet>(&m_log, 13); });
    QString error;
    QVERIFY(!ShowSpreadsheetExportFromTemplate(MarchRequest(ThreeDues(), true), TemplatePath(), &error));
    QVERIFY(error.startsWith(LoadResString(MessageId::SpreadsheetExportFailed)));
    QVERIFY(error.contains(QLatin1String("call refused")));
    QCOMPARE(m_log.size(), 13); // 12 before the failure, then making it visible
    QCOMPARE(m_log.at(11), QStringLiteral("Value H10 Paid"));
    QCOMPARE(m_log.last(), QStringLiteral("Visible 1"));
    QVERIFY(!m_log.join(QLatin1Char('\n')).contains(QLatin1String("C4")));
}

void TestSpreadsheetExport::noApplicationIsSilent()
{
    SetSpreadsheetApplicationFactory(
        [](const QString&) { return std::unique_ptr<ISpreadsheetApplication>(); });
    QString error = QStringLiteral("untouched");
    QVERIFY(!ShowSpreadsheetExportFromTemplate(MarchRequest(ThreeDues(), true), TemplatePath(), &error));
    QVERIFY(error.isEmpty());
    QVERIFY(m_opened.isEmpty());

    // The command line has no silent path: it says why nothing was written.
    const QString out = m_dir.filePath(QStringLiteral("none.xlsx"));
    QVERIFY(!ExportSpreadsheetFileFromTemplate(MarchRequest(ThreeDues(), true, out), TemplatePath(), &error));
    QVERIFY(error.startsWith(LoadResString(MessageId::SpreadsheetExportFailed)));
    QVERIFY(!QFileInfo::exists(out));
}

void TestSpreadsheetExport::brokenTemplateReports_data()
{
    QTest::addColumn<QString>("templatePath");
    QTest::newRow("missing") << m_dir.filePath(QStringLiteral("no-such.xltx"));
    QTest::newRow("not a package") << QStringLiteral(TALLYVANE_TEST_DATA "/office/not-a-package.xltx");
    QTest::newRow("truncated") << QStringLiteral(TALLYVANE_TEST_DATA "/office/truncated.xltx");
    QTest::newRow("word document") << QStringLiteral(TALLYVANE_TEST_DATA "/office/not-a-spreadsheet.xltx");
}

void TestSpreadsheetExport::brokenTemplateReports()
{
    QFETCH(QString, templatePath);
    const QString out = m_dir.filePath(QStringLiteral("broken.xlsx"));
    QString error;
    QVERIFY(!ExportSpreadsheetFileFromTemplate(MarchRequest(ThreeDues(), true, out), templatePath, &error));
    QVERIFY(error.startsWith(LoadResString(MessageId::SpreadsheetExportFailed)));
    QVERIFY2(error.contains(templatePath), qPrintable(error));
    QVERIFY(!QFileInfo::exists(out));

    // The menu path shows one message and opens nothing.
    QVERIFY(!ShowSpreadsheetExportFromTemplate(MarchRequest(ThreeDues(), true), templatePath, &error));
    QCOMPARE(error.count(LoadResString(MessageId::SpreadsheetExportFailed)), 1);
    QVERIFY(m_opened.isEmpty());
}

void TestSpreadsheetExport::unwritableOutputKeepsOldFile()
{
    const QString out = m_dir.filePath(QStringLiteral("old.xlsx"));
    {
        QFile f(out);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("old contents");
    }
    QString error;
    // A folder in place of the file cannot be written.
    const QString folder = m_dir.filePath(QStringLiteral("folder.xlsx"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(
        !ExportSpreadsheetFileFromTemplate(MarchRequest(ThreeDues(), true, folder), TemplatePath(), &error));
    QVERIFY(error.startsWith(LoadResString(MessageId::SpreadsheetExportFailed)));
    QVERIFY(error.contains(folder));

    QVERIFY(!ExportSpreadsheetFileFromTemplate(MarchRequest(ThreeDues(), true, out),
                                               QStringLiteral("/nonexistent"), &error));
    QFile f(out);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("old contents"));
}

void TestSpreadsheetExport::workbookHoldsEveryValue()
{
    const QString out = m_dir.filePath(QStringLiteral("values.xlsx"));
    QString error;
    QVERIFY2(ExportSpreadsheetFileFromTemplate(MarchRequest(ThreeDues(), true, out), TemplatePath(), &error),
             qPrintable(error));
    OoxmlPackage package;
    QVERIFY(package.Read(out, &error));
    QCOMPARE(OfficeTest::PackageProblems(package), QStringList());

    const QHash<QString, QString> cells = CellTexts(package);
    QCOMPARE(cells.value(QStringLiteral("C4")), QStringLiteral("March, 2007"));
    QCOMPARE(cells.value(QStringLiteral("F4")), QStringLiteral("$1,200.50"));
    QCOMPARE(cells.value(QStringLiteral("F5")), QStringLiteral("$125.25"));
    QCOMPARE(cells.value(QStringLiteral("I9")), QStringLiteral("Notes"));
    QCOMPARE(cells.value(QStringLiteral("A12")), QStringLiteral("Phone <mobile>"));
    QCOMPARE(cells.value(QStringLiteral("D12")), QStringLiteral("Tel\u00e9 Ltd"));
    QVERIFY(!cells.contains(QStringLiteral("I10")));
    QCOMPARE(cells.value(QStringLiteral("I11")), QStringLiteral("Show Notes"));
    // The escaped form keeps a literal _x0041_ literal for a reader.
    pugi::xml_document comments;
    QVERIFY(OfficeTest::LoadPart(package, QStringLiteral("xl/comments1.xml"), comments));
    QStringList refs, texts;
    for (pugi::xml_node c : comments.document_element().child("commentList").children("comment")) {
        refs << Attr(c, "ref");
        texts << Text(c.child("text").child("r").child("t"));
    }
    QCOMPARE(refs, QStringList({QStringLiteral("I11"), QStringLiteral("I12")}));
    QCOMPARE(texts, QStringList({QStringLiteral("Line one\nLine two"),
                                 QStringLiteral("Call <first> & _x005F_x0041_")}));
}

void TestSpreadsheetExport::showSavesUnderMonthNameAndOpens()
{
    QString error;
    QVERIFY2(ShowSpreadsheetExportFromTemplate(MarchRequest(ThreeDues(), false), TemplatePath(), &error),
             qPrintable(error));
    QCOMPARE(m_opened.size(), 1);
    QCOMPARE(QFileInfo(m_opened.first()).fileName(), QStringLiteral("Dues March 2007.xlsx"));
    OoxmlPackage package;
    QVERIFY(package.Read(m_opened.first(), &error));
    const QHash<QString, QString> cells = CellTexts(package);
    QCOMPARE(cells.value(QStringLiteral("I9")), QString());
    QCOMPARE(cells.value(QStringLiteral("A10")), QStringLiteral("Rent"));
    QVERIFY(!package.Contains(QStringLiteral("xl/comments1.xml")));

    // I9 keeps its heading style but with a white fill.
    pugi::xml_document sheet, styles;
    QVERIFY(OfficeTest::LoadPart(package, QStringLiteral("xl/worksheets/sheet1.xml"), sheet));
    QVERIFY(OfficeTest::LoadPart(package, QStringLiteral("xl/styles.xml"), styles));
    pugi::xml_node i9 = sheet.document_element()
                            .child("sheetData")
                            .find_child_by_attribute("row", "r", "9")
                            .find_child_by_attribute("c", "r", "I9");
    const int s = i9.attribute("s").as_int();
    pugi::xml_node xf = styles.document_element().child("cellXfs").first_child();
    for (int i = 0; i < s; ++i)
        xf = xf.next_sibling();
    pugi::xml_node fill = styles.document_element().child("fills").first_child();
    for (int i = 0; i < xf.attribute("fillId").as_int(); ++i)
        fill = fill.next_sibling();
    QCOMPARE(Attr(fill.child("patternFill").child("fgColor"), "rgb"), QStringLiteral("FFFFFFFF"));
    QCOMPARE(xf.attribute("fontId").as_int(), 7); // the heading's font, kept
}

void TestSpreadsheetExport::libreOfficeReadsTheWorkbook()
{
    if (OfficeTest::Soffice::Program().isEmpty())
        QSKIP("LibreOffice (soffice) is not installed: the conversion check is skipped");
    // With notes and without, converted together: LibreOffice is slow to start.
    const QStringList outs = {m_dir.filePath(QStringLiteral("lo-notes.xlsx")),
                              m_dir.filePath(QStringLiteral("lo-plain.xlsx"))};
    QString error;
    for (int i = 0; i < 2; ++i)
        QVERIFY2(ExportSpreadsheetFileFromTemplate(MarchRequest(ThreeDues(), i == 0, outs.at(i)),
                                                   TemplatePath(), &error),
                 qPrintable(error));
    OfficeTest::Soffice soffice(m_dir.path());
    const QStringList csvPaths = soffice.Convert(
        outs, QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1"), QStringLiteral("csv"), &error);
    QVERIFY2(!csvPaths.isEmpty(), qPrintable(error));
    const QStringList fodsPaths =
        soffice.Convert(outs, QStringLiteral("fods"), QStringLiteral("fods"), &error);
    QVERIFY2(!fodsPaths.isEmpty(), qPrintable(error));

    for (int i = 0; i < 2; ++i) {
        const bool withNotes = i == 0;
        QFile csvFile(csvPaths.at(i));
        QVERIFY(csvFile.open(QIODevice::ReadOnly));
        const QList<QStringList> rows = CsvRows(QString::fromUtf8(csvFile.readAll()));
        QVERIFY(rows.size() >= 12);
        QCOMPARE(rows.at(3).value(2), QStringLiteral("March, 2007"));
        QCOMPARE(rows.at(3).value(5), QStringLiteral("$1,200.50"));
        QCOMPARE(rows.at(4).value(5), QStringLiteral("$125.25"));
        QCOMPARE(rows.at(8),
                 QStringList({QStringLiteral("Title"), QStringLiteral("Start Date"),
                              QStringLiteral("Due Date"), QStringLiteral("Pay To"), QStringLiteral("Account"),
                              QStringLiteral("Amount"), QStringLiteral("Type"), QStringLiteral("Status"),
                              withNotes ? QStringLiteral("Notes") : QString()}));
        const QString noted = withNotes ? QStringLiteral("Show Notes") : QString();
        QCOMPARE(rows.at(9), QStringList({QStringLiteral("Rent"), QStringLiteral("3/1/2007"),
                                          QStringLiteral("3/5/2007"), QStringLiteral("Landlord & Sons"),
                                          QStringLiteral("ACC-1"), QStringLiteral("$1,200.50"),
                                          QStringLiteral("Business"), QStringLiteral("Paid"), QString()}));
        QCOMPARE(rows.at(10), QStringList({QStringLiteral("Power"), QStringLiteral("3/2/2007 2:30:00 PM"),
                                           QStringLiteral("3/20/2007"), QStringLiteral("City Power"),
                                           QStringLiteral("7788"), QStringLiteral("$85.25"),
                                           QStringLiteral("Personal"), QStringLiteral("Unpaid"), noted}));
        QCOMPARE(rows.at(11), QStringList({QStringLiteral("Phone <mobile>"), QStringLiteral("3/10/2007"),
                                           QStringLiteral("3/28/2007"), QStringLiteral("Tel\u00e9 Ltd"),
                                           QStringLiteral("55"), QStringLiteral("$40.00"),
                                           QStringLiteral("Business"), QStringLiteral("Unpaid"), noted}));

        // The notes as LibreOffice reads them: one annotation per noted cell.
        pugi::xml_document fods;
        QVERIFY(fods.load_file(fodsPaths.at(i).toLocal8Bit().constData()));
        QStringList notes;
        for (pugi::xpath_node n : fods.select_nodes("//office:annotation")) {
            // A hover note, not one shown all the time.
            QVERIFY(!n.node().attribute("office:display").as_bool());
            QStringList paragraphs;
            for (pugi::xml_node p : n.node().children("text:p"))
                paragraphs << QString::fromUtf8(p.child_value());
            notes << paragraphs.join(QLatin1Char('\n'));
        }
        QCOMPARE(notes, withNotes ? QStringList({QStringLiteral("Line one\nLine two"),
                                                 QStringLiteral("Call <first> & _x0041_")})
                                  : QStringList());
    }
}

QTEST_GUILESS_MAIN(TestSpreadsheetExport)
#include "tst_spreadsheetexport.moc"
