#include "OfficeExportFixtures.h"
#include "export/CSpreadsheetExport.h"
#include "model/base/LocaleFormat.h"
#include "model/base/MessageTexts.h"
#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"
#include "platform/ShellOpen.h"

#include "../platform/OfficeTestTools.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>
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
    bool GetRangeValue(const QString& cell, QString* text) override
    {
        *text = cells.value(cell);
        return Log(QStringLiteral("Get %1").arg(cell));
    }
    bool SetRangeValue(const QString& cell, const QString& text) override
    {
        return Log(QStringLiteral("Value %1 %2").arg(cell, text));
    }
    bool GetColumnWidth(const QString& column, double* width) override
    {
        *width = columnWidth;
        return Log(QStringLiteral("Width? %1").arg(column));
    }
    bool SetColumnWidth(const QString& column, double width) override
    {
        return Log(QStringLiteral("Width %1 %2").arg(column).arg(width));
    }
    bool SetRangeNumber(const QString& cell, double value) override
    {
        return Log(QStringLiteral("Number %1 %2").arg(cell).arg(value, 0, 'g', 12));
    }
    bool SetRangeNumberFormat(const QString& cell, const QString& format) override
    {
        return Log(QStringLiteral("Format %1 %2").arg(cell, format));
    }
    bool SetPaperSize(int paperSize) override { return Log(QStringLiteral("Paper %1").arg(paperSize)); }
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

    QHash<QString, QString> cells; // what GetRangeValue reads
    double columnWidth = 255;      // every column's width
};

// Translates the texts of the spreadsheet export into a made-up language,
// so that a test sees which texts follow the language.
class BracketTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char* = nullptr, int = -1) const override
    {
        if (qstrcmp(context, "CSpreadsheetExport") != 0)
            return QString();
        return QStringLiteral("[%1]").arg(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
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

// A cell of the first sheet as the file holds it: its type attribute, its
// value (or inline text) and the code of its number format ("" for General).
struct CellData
{
    QString type;
    QString value;
    QString format;
    int borderStyles = 0; // sides of its border that are drawn
};

QHash<QString, CellData> CellsOf(const OoxmlPackage& package)
{
    pugi::xml_document sheet, styles;
    OfficeTest::LoadPart(package, QStringLiteral("xl/worksheets/sheet1.xml"), sheet);
    OfficeTest::LoadPart(package, QStringLiteral("xl/styles.xml"), styles);
    QHash<int, QString> codes;
    for (pugi::xml_node f : styles.document_element().child("numFmts").children("numFmt"))
        codes.insert(f.attribute("numFmtId").as_int(), Attr(f, "formatCode"));
    QList<pugi::xml_node> xfs, borders;
    for (pugi::xml_node xf : styles.document_element().child("cellXfs").children("xf"))
        xfs << xf;
    for (pugi::xml_node b : styles.document_element().child("borders").children("border"))
        borders << b;
    QHash<QString, CellData> cells;
    for (pugi::xml_node row : sheet.document_element().child("sheetData").children("row")) {
        for (pugi::xml_node c : row.children("c")) {
            CellData d;
            d.type = Attr(c, "t");
            d.value = c.child("is") ? Text(c.child("is").child("t")) : Text(c.child("v"));
            const pugi::xml_node xf = xfs.value(c.attribute("s").as_int());
            d.format = codes.value(xf.attribute("numFmtId").as_int());
            for (pugi::xml_node side : borders.value(xf.attribute("borderId").as_int()).children())
                d.borderStyles += side.attribute("style") ? 1 : 0;
            cells.insert(Attr(c, "r"), d);
        }
    }
    return cells;
}

// The column entries of the first sheet as "min-max:width".
QStringList ColumnWidths(const OoxmlPackage& package)
{
    pugi::xml_document sheet;
    OfficeTest::LoadPart(package, QStringLiteral("xl/worksheets/sheet1.xml"), sheet);
    QStringList out;
    for (pugi::xml_node c : sheet.document_element().child("cols").children("col"))
        out << QStringLiteral("%1-%2:%3").arg(Attr(c, "min"), Attr(c, "max"), Attr(c, "width"));
    return out;
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
    void numberFormatsFollowTheLocale_data();
    void numberFormatsFollowTheLocale();
    void dateSerials_data();
    void dateSerials();
    void paperFollowsTheLocale_data();
    void paperFollowsTheLocale();
    void oddValuesStayReadable();
    void textFieldsStayText_data();
    void textFieldsStayText();
    void showSavesUnderMonthNameAndOpens();
    void amountsAsEveryOutputShowsThem_data();
    void amountsAsEveryOutputShowsThem();
    void labelsFollowTheLanguage_data();
    void labelsFollowTheLanguage();
    void narrowColumnsAreWidened();
    void libreOfficeReadsTheWorkbook();
    void libreOfficeShowsWhatTheListShows();

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
                              QStringLiteral("Count"), QStringLiteral("Select 1"), QStringLiteral("Paper 1")};
    const QStringList clearI9 = {QStringLiteral("Value I9 "), QStringLiteral("Color I9 16777215")};
    // Amounts and dates are numbers with number formats; the rest is text.
    // A row: the calls for "row;title;start;due;pay to;account;amount;type;status", a
    // date with a time of day written with its time.
    const QString money = QStringLiteral("\"$\"#,##0.00;\"($\"#,##0.00\")\"");
    auto number = [&](const QString& cell, const QString& value, const QString& format) {
        return QStringList{QStringLiteral("Number %1 %2").arg(cell, value),
                           QStringLiteral("Format %1 %2").arg(cell, format)};
    };
    auto row = [&](const QString& line) {
        const QStringList f = line.split(QLatin1Char(';'));
        auto date = [&](int i) {
            return number(QChar('A' + i - 1) + f[0], f[i],
                          f[i].contains(QLatin1Char('.')) ? QStringLiteral("m/d/yyyy h:mm:ss AM/PM")
                                                          : QStringLiteral("m/d/yyyy"));
        };
        QStringList calls = {QStringLiteral("Value A%1 %2").arg(f[0], f[1])};
        calls << date(2) << date(3);
        for (int i = 4; i <= 5; ++i)
            calls << QStringLiteral("Value %1%2 %3").arg(QChar('A' + i - 1)).arg(f[0], f[i]);
        calls << number(QLatin1Char('F') + f[0], f[6], money);
        calls << QStringLiteral("Value G%1 %2").arg(f[0], f[7])
              << QStringLiteral("Value H%1 %2").arg(f[0], f[8]);
        return calls;
    };
    const QStringList rows =
        row(QStringLiteral("10;Rent;39142;39146;Landlord & Sons;ACC-1;1200.5;Business;Paid")) +
        row(QStringLiteral("11;Power;39143.6041667;39161;City Power;7788;85.25;Personal;Unpaid"));
    const QStringList row11Notes = {QStringLiteral("Value I11 Show Notes"),
                                    QStringLiteral("Comment I11 Line one\nLine two")};
    const QStringList row12 =
        row(QStringLiteral("12;Phone <mobile>;39151;39169;Tel\u00e9 Ltd;55;40;Business;Unpaid"));
    const QStringList row12Notes = {QStringLiteral("Value I12 Show Notes"),
                                    QStringLiteral("Comment I12 Call <first> & _x0041_")};
    // Then the columns of numbers and words are measured (wide enough here).
    const QStringList sums =
        QStringList{QStringLiteral("Value C4 March, 2007")} +
        number(QStringLiteral("F4"), QStringLiteral("1200.5"), money) +
        number(QStringLiteral("F5"), QStringLiteral("125.25"), money) +
        QStringList{QStringLiteral("Width? B"), QStringLiteral("Width? C"), QStringLiteral("Width? F"),
                    QStringLiteral("Width? G"), QStringLiteral("Width? H"), QStringLiteral("Visible 1")};
    const QStringList emptySums = QStringList{QStringLiteral("Value C4 March, 2007")} +
                                  number(QStringLiteral("F4"), QStringLiteral("0"), money) +
                                  number(QStringLiteral("F5"), QStringLiteral("0"), money) +
                                  QStringList{QStringLiteral("Width? F"), QStringLiteral("Visible 1")};

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
    // Call 17 is the first write of row 11: 5 opening calls, 11 of row 10.
    SetSpreadsheetApplicationFactory(
        [this](const QString&) { return std::make_unique<RecordingSpreadsheet>(&m_log, 17); });
    QString error;
    QVERIFY(!ShowSpreadsheetExportFromTemplate(MarchRequest(ThreeDues(), true), TemplatePath(), &error));
    QVERIFY(error.startsWith(LoadResString(MessageId::SpreadsheetExportFailed)));
    QVERIFY(error.contains(QLatin1String("call refused")));
    QCOMPARE(m_log.size(), 17); // 16 before the failure, then making it visible
    QCOMPARE(m_log.at(15), QStringLiteral("Value H10 Paid"));
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
    QCOMPARE(cells.value(QStringLiteral("I9")), QStringLiteral("Notes"));
    QCOMPARE(cells.value(QStringLiteral("A12")), QStringLiteral("Phone <mobile>"));
    QCOMPARE(cells.value(QStringLiteral("D12")), QStringLiteral("Tel\u00e9 Ltd"));
    QVERIFY(!cells.contains(QStringLiteral("I10")));
    QCOMPARE(cells.value(QStringLiteral("I11")), QStringLiteral("Show Notes"));

    // Sums, amounts and dates are numbers; each number shows through a
    // format of the locale.
    const QString money = QStringLiteral("\"$\"#,##0.00;\"($\"#,##0.00\")\"");
    const QHash<QString, CellData> data = CellsOf(package);
    const QList<std::tuple<const char*, const char*, QString>> numbers = {
        {"F4", "1200.5", money},
        {"F5", "125.25", money},
        {"F10", "1200.5", money},
        {"F12", "40", money},
        {"B10", "39142", QStringLiteral("m/d/yyyy")},
        {"C12", "39169", QStringLiteral("m/d/yyyy")},
        {"B11", "39143.604166666664", QStringLiteral("m/d/yyyy h:mm:ss AM/PM")},
    };
    for (const auto& [ref, value, format] : numbers) {
        const CellData d = data.value(QLatin1String(ref));
        QVERIFY2(d.type.isEmpty(), ref);
        QCOMPARE(d.value, QLatin1String(value));
        QCOMPARE(d.format, format);
    }
    QCOMPARE(data.value(QStringLiteral("G11")).type, QStringLiteral("inlineStr"));

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

void TestSpreadsheetExport::numberFormatsFollowTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("money");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("dateTime");

    // Symbols and words are quoted: the point of "kr." or "B/." is no decimal
    // point, the "г" of a Bulgarian date no code.
    QTest::newRow("en_US") << QLocale(QStringLiteral("en_US")) << "\"$\"#,##0.00;\"($\"#,##0.00\")\""
                           << "m/d/yyyy"
                           << "m/d/yyyy h:mm:ss AM/PM";
    QTest::newRow("de_DE") << QLocale(QStringLiteral("de_DE"))
                           << "#,##0.00\"\u00a0\u20ac\";\"-\"#,##0.00\"\u00a0\u20ac\""
                           << "dd\".\"mm\".\"yyyy"
                           << "dd\".\"mm\".\"yyyy hh:mm:ss";
    QTest::newRow("ja_JP: no decimals")
        << QLocale(QStringLiteral("ja_JP")) << "\"\uffe5\"#,##0;\"(\uffe5\"#,##0\")\""
        << "yyyy/mm/dd"
        << "yyyy/mm/dd h:mm:ss";
    QTest::newRow("da_DK") << QLocale(QStringLiteral("da_DK"))
                           << "#,##0.00\"\u00a0kr.\";\"-\"#,##0.00\"\u00a0kr.\""
                           << "dd\".\"mm\".\"yyyy"
                           << "dd\".\"mm\".\"yyyy hh:mm:ss";
    QTest::newRow("es_PA: symbol with a slash")
        << QLocale(QStringLiteral("es_PA")) << "\"B/.\"#,##0.00;\"B/.-\"#,##0.00"
        << "mm/dd/yyyy"
        << "mm/dd/yyyy h:mm:ss AM/PM";
    QTest::newRow("ko_KR: marker first")
        << QLocale(QStringLiteral("ko_KR")) << "\"\u20a9\"#,##0;\"(\u20a9\"#,##0\")\""
        << "yyyy\".\" m\".\" d\".\""
        << "yyyy\".\" m\".\" d\".\" AM/PM h:mm:ss";
    QTest::newRow("bg_BG: quoted word")
        << QLocale(QStringLiteral("bg_BG"))
        << "#,##0.00\"\u00a0\u043b\u0432.\";\"(\"#,##0.00\"\u00a0\u043b\u0432.)\""
        << "d\".\"mm\".\"yyyy \"\u0433.\""
        << "d\".\"mm\".\"yyyy \"\u0433.\" h:mm:ss";
    QTest::newRow("C: no symbol") << QLocale::c() << "#,##0.00;\"-\"#,##0.00"
                                  << "d mmm yyyy"
                                  << "d mmm yyyy hh:mm:ss";
}

void TestSpreadsheetExport::numberFormatsFollowTheLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, money);
    QFETCH(QString, date);
    QFETCH(QString, dateTime);
    QCOMPARE(SpreadsheetCurrencyFormat(locale), money);
    QCOMPARE(SpreadsheetDateFormat(locale, false), date);
    QCOMPARE(SpreadsheetDateFormat(locale, true), dateTime);
}

void TestSpreadsheetExport::dateSerials_data()
{
    QTest::addColumn<COleDateTime>("date");
    QTest::addColumn<bool>("counted");
    QTest::addColumn<double>("serial");
    COleDateTime invalid(2007, 3, 1, 0, 0, 0);
    invalid.SetStatus(COleDateTime::invalid);
    QTest::newRow("a day") << COleDateTime(2007, 3, 1, 0, 0, 0) << true << 39142.0;
    QTest::newRow("noon") << COleDateTime(2007, 3, 1, 12, 0, 0) << true << 39142.5;
    QTest::newRow("1 March 1900") << COleDateTime(1900, 3, 1, 0, 0, 0) << true << 61.0;
    QTest::newRow("28 February 1900") << COleDateTime(1900, 2, 28, 23, 0, 0) << false << 0.0;
    QTest::newRow("before 1899") << COleDateTime(1850, 1, 1, 0, 0, 0) << false << 0.0;
    QTest::newRow("last day") << COleDateTime(9999, 12, 31, 0, 0, 0) << true << 2958465.0;
    QTest::newRow("invalid") << invalid << false << 0.0;
    QTest::newRow("NaN") << COleDateTime(std::nan("")) << false << 0.0;
}

void TestSpreadsheetExport::dateSerials()
{
    QFETCH(COleDateTime, date);
    QFETCH(bool, counted);
    QFETCH(double, serial);
    double got = -1;
    QCOMPARE(SpreadsheetDateSerial(date, &got), counted);
    if (counted)
        QCOMPARE(got, serial);
}

void TestSpreadsheetExport::paperFollowsTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("letter");
    for (const char* name : {"en_US", "fr_CA", "es_MX", "es_CL", "en_PH"})
        QTest::newRow(name) << QLocale(QLatin1String(name)) << true;
    for (const char* name : {"en_GB", "de_DE", "pt_BR", "es_ES"})
        QTest::newRow(name) << QLocale(QLatin1String(name)) << false;
    QTest::newRow("C") << QLocale::c() << false;
}

void TestSpreadsheetExport::paperFollowsTheLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(bool, letter);
    QCOMPARE(LocaleUsesLetterPaper(locale), letter);

    // The sheet's page setup says the same.
    const QString out = m_dir.filePath(QStringLiteral("paper.xlsx"));
    QLocale::setDefault(locale);
    QString error;
    const bool ok =
        ExportSpreadsheetFileFromTemplate(MarchRequest(ThreeDues(), false, out), TemplatePath(), &error);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY2(ok, qPrintable(error));
    OoxmlPackage package;
    QVERIFY(package.Read(out, &error));
    pugi::xml_document sheet;
    QVERIFY(OfficeTest::LoadPart(package, QStringLiteral("xl/worksheets/sheet1.xml"), sheet));
    QCOMPARE(sheet.document_element().child("pageSetup").attribute("paperSize").as_int(), letter ? 1 : 9);
}

void TestSpreadsheetExport::oddValuesStayReadable()
{
    // A date the sheets count differently stays text; an amount that is no
    // number leaves its cell empty rather than failing the export.
    QList<DueRecord> dues = ThreeDues();
    dues[0].m_dtStart = COleDateTime(1899, 12, 1, 0, 0, 0);
    dues[1].m_dAmount = std::nan("");
    dues[2].m_dtDue.SetStatus(COleDateTime::invalid);
    const QString out = m_dir.filePath(QStringLiteral("odd.xlsx"));
    QString error;
    QVERIFY2(ExportSpreadsheetFileFromTemplate(MarchRequest(dues, false, out), TemplatePath(), &error),
             qPrintable(error));
    OoxmlPackage package;
    QVERIFY(package.Read(out, &error));
    const QHash<QString, CellData> cells = CellsOf(package);
    QCOMPARE(cells.value(QStringLiteral("B10")).type, QStringLiteral("inlineStr"));
    QCOMPARE(cells.value(QStringLiteral("B10")).value, QStringLiteral("12/1/1899"));
    QCOMPARE(cells.value(QStringLiteral("F11")).value, QString());
    QCOMPARE(cells.value(QStringLiteral("C12")).value, QString());
    // Only the good amounts count; the sums say so.
    QCOMPARE(cells.value(QStringLiteral("F4")).value, QStringLiteral("1200.5"));
    QCOMPARE(cells.value(QStringLiteral("F5")).value, QString());
}

void TestSpreadsheetExport::textFieldsStayText_data()
{
    AddFieldRows();
}

void TestSpreadsheetExport::textFieldsStayText()
{
    QFETCH(DueField, field);
    const QString out = m_dir.filePath(QStringLiteral("text.xlsx"));
    QString error;
    QVERIFY2(ExportSpreadsheetFileFromTemplate(MarchRequest({DueWithHardField(field)}, true, out),
                                               TemplatePath(), &error),
             qPrintable(error));
    OoxmlPackage package;
    QVERIFY(package.Read(out, &error));
    QCOMPARE(OfficeTest::PackageProblems(package), QStringList());
    QVERIFY(!package.Part(QStringLiteral("xl/worksheets/sheet1.xml")).contains("<b>"));
    QVERIFY(!package.Part(QStringLiteral("xl/comments1.xml")).contains("<b>"));

    // Every text reads back exactly as written, as text; the amount is a
    // number. What a reader makes of the stored text: _x005F_ stands for the
    // underscore, a line feed ends a line.
    const QHash<QString, CellData> cells = CellsOf(package);
    pugi::xml_document comments;
    QVERIFY(OfficeTest::LoadPart(package, QStringLiteral("xl/comments1.xml"), comments));
    const QString note = Text(comments.document_element()
                                  .child("commentList")
                                  .child("comment")
                                  .child("text")
                                  .child("r")
                                  .child("t"));
    QStringList texts;
    for (const char* ref : {"A10", "D10", "E10", "G10", "H10"}) {
        const CellData d = cells.value(QLatin1String(ref));
        QCOMPARE(d.type, QStringLiteral("inlineStr"));
        texts << d.value;
    }
    texts << note;
    QStringList expected = {QStringLiteral("Rent"),     QStringLiteral("Landlord"), QStringLiteral("ACC-1"),
                            QStringLiteral("Business"), QStringLiteral("Unpaid"),   QStringLiteral("plain")};
    double amount = 12.5;
    switch (field) {
    case DueField::Title:
        expected[0] = MarkupText();
        break;
    case DueField::PayTo:
        expected[1] = MarkupText();
        break;
    case DueField::Account:
        expected[2] = MarkupText();
        break;
    case DueField::Notes:
        expected[5] = MarkupText() + QLatin1Char('\n') + MarkupText();
        break;
    case DueField::Type:
        expected[3] = QStringLiteral("Personal");
        break;
    case DueField::Amount:
        amount = -1234.5;
        break;
    }
    QCOMPARE(texts, expected);
    const CellData f10 = cells.value(QStringLiteral("F10"));
    QVERIFY(f10.type.isEmpty());
    QCOMPARE(f10.value.toDouble(), amount);
    QCOMPARE(f10.format, SpreadsheetCurrencyFormat(QLocale()));
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
    // White on white with no border: no empty box where the heading was.
    QCOMPARE(CellsOf(package).value(QStringLiteral("I9")).borderStyles, 0);
}

// The sheet holds each amount as the list, the status bar and the documents
// show it: rounded to cents by the same text, so a spreadsheet program shows
// the same cents and its sums add what the user saw.
void TestSpreadsheetExport::amountsAsEveryOutputShowsThem_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("stored");
    QTest::newRow("half cent below the tie") << 12345.005 << "12345";
    QTest::newRow("a cent and a half") << 0.015 << "0.01";
    QTest::newRow("2.675") << 2.675 << "2.67";
    QTest::newRow("sum of tenths") << 0.1 + 0.2 << "0.3";
    QTest::newRow("more than cents") << 19.98765 << "19.99";
    QTest::newRow("negative below half a cent") << -0.004 << "0";
    QTest::newRow("negative half cent") << -0.005 << "-0.01";
    QTest::newRow("negative") << -1234.5678 << "-1234.57";
    QTest::newRow("large") << 12345678901.234 << "12345678901.23";
}

void TestSpreadsheetExport::amountsAsEveryOutputShowsThem()
{
    QFETCH(double, amount);
    QFETCH(QString, stored);
    QList<DueRecord> dues = ThreeDues();
    dues[0].m_dAmount = amount; // paid, alone in F4
    dues[1].m_dAmount = amount;
    dues[2].m_dAmount = amount; // unpaid with the one before: F5 is their rounded sum
    const QString out = m_dir.filePath(QStringLiteral("cents.xlsx"));
    QString error;
    QVERIFY2(ExportSpreadsheetFileFromTemplate(MarchRequest(dues, false, out), TemplatePath(), &error),
             qPrintable(error));
    OoxmlPackage package;
    QVERIFY(package.Read(out, &error));
    const QHash<QString, CellData> cells = CellsOf(package);
    for (const char* ref : {"F10", "F11", "F12", "F4"})
        QCOMPARE(cells.value(QLatin1String(ref)).value, stored);
    const QString unpaid = cells.value(QStringLiteral("F5")).value;
    QCOMPARE(FormatCurrencyText(unpaid, QLocale()),
             FormatCurrencyText(AmountText(amount + amount), QLocale()));
    QCOMPARE(unpaid.toDouble(), AmountText(amount + amount).toDouble());
}

void TestSpreadsheetExport::labelsFollowTheLanguage_data()
{
    QTest::addColumn<bool>("withNotes");
    QTest::newRow("with notes") << true;
    QTest::newRow("without notes") << false;
}

// The template's labels are written in the user's language; a label the
// user changed in the template stays theirs, and the notes heading stays
// cleared without notes.
void TestSpreadsheetExport::labelsFollowTheLanguage()
{
    QFETCH(bool, withNotes);
    const QString own = m_dir.filePath(QStringLiteral("own.xltx"));
    {
        OoxmlPackage package;
        QString why;
        QVERIFY(package.Read(TemplatePath(), &why));
        QByteArray strings = package.Part(QStringLiteral("xl/sharedStrings.xml"));
        QVERIFY(strings.contains("<t>The dues listed for the month</t>"));
        strings.replace("<t>The dues listed for the month</t>", "<t>Household bills</t>");
        package.SetPart(QStringLiteral("xl/sharedStrings.xml"), strings);
        QVERIFY(package.Write(own, &why));
    }
    BracketTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const QString out = m_dir.filePath(QStringLiteral("labels.xlsx"));
    QString error;
    const bool ok = ExportSpreadsheetFileFromTemplate(MarchRequest(ThreeDues(), withNotes, out), own, &error);
    QCoreApplication::removeTranslator(&translator);
    QVERIFY2(ok, qPrintable(error));
    OoxmlPackage package;
    QVERIFY(package.Read(out, &error));
    QCOMPARE(OfficeTest::PackageProblems(package), QStringList());
    const QHash<QString, QString> cells = CellTexts(package);
    QStringList labels;
    for (const char* ref :
         {"A1", "A2", "B4", "E4", "E5", "A9", "B9", "C9", "D9", "E9", "F9", "G9", "H9", "I9"})
        labels << cells.value(QLatin1String(ref));
    QCOMPARE(labels, QStringList({"[Tallyvane Dues]", "Household bills", "[Month:]", "[Paid:]", "[Unpaid:]",
                                  "[Title]", "[Start Date]", "[Due Date]", "[Pay To]", "[Account]",
                                  "[Amount]", "[Type]", "[Status]", withNotes ? "[Notes]" : ""}));
    QCOMPARE(cells.value(QStringLiteral("H10")), QStringLiteral("[Paid]"));
}

// A column too narrow for its widest number is widened, so that no reader
// shows "###"; columns wide enough keep the template's width, and the two
// date columns that share an entry are parted only when one must grow.
void TestSpreadsheetExport::narrowColumnsAreWidened()
{
    auto widthsFor = [&](const QList<DueRecord>& dues) {
        const QString out = m_dir.filePath(QStringLiteral("widths.xlsx"));
        QString error;
        OoxmlPackage package;
        if (!ExportSpreadsheetFileFromTemplate(MarchRequest(dues, false, out), TemplatePath(), &error) ||
            !package.Read(out, &error))
            return QStringList(error);
        return ColumnWidths(package);
    };
    // Dates without a time of day and amounts of a few digits fit.
    QList<DueRecord> dues = ThreeDues();
    dues[1].m_dtStart = COleDateTime(2007, 3, 2, 0, 0, 0);
    const QStringList shipped = {"1-1:30", "2-3:21", "4-4:24", "5-5:18",
                                 "6-6:16", "7-7:12", "8-8:10", "9-9:14"};
    QCOMPARE(widthsFor(dues), shipped);

    dues[1].m_dAmount = -98765432109.99;                     // "($98,765,432,109.99)": 20 characters
    dues[2].m_dtDue = COleDateTime(2007, 3, 28, 23, 59, 59); // "3/28/2007 11:59:59 PM": 21
    const QStringList widened = widthsFor(dues);
    QCOMPARE(widened.size(), shipped.size() + 1);
    auto width = [&](int i) { return widened.at(i).section(QLatin1Char(':'), 1).toDouble(); };
    QVERIFY2(widened.at(2).startsWith(QLatin1String("3-3:")) && width(2) >= 23, qPrintable(widened.at(2)));
    QVERIFY2(widened.at(5).startsWith(QLatin1String("6-6:")) && width(5) >= 22, qPrintable(widened.at(5)));
    QStringList others = widened;
    others.removeAt(5);
    others.removeAt(2);
    QCOMPARE(others, QStringList({"1-1:30", "2-2:21", "4-4:24", "5-5:18", "7-7:12", "8-8:10", "9-9:14"}));
}

void TestSpreadsheetExport::libreOfficeReadsTheWorkbook()
{
    if (OfficeTest::Soffice::Program().isEmpty())
        QSKIP("LibreOffice (soffice) is not installed: the conversion check is skipped");
    // Every workbook converted together: LibreOffice is slow to start. With
    // notes and without; a copy with formulas over the amounts and dates, its
    // dues in reverse date order; three more locales.
    const QStringList outs = {
        m_dir.filePath(QStringLiteral("lo-notes.xlsx")), m_dir.filePath(QStringLiteral("lo-plain.xlsx")),
        m_dir.filePath(QStringLiteral("lo-sums.xlsx")),  m_dir.filePath(QStringLiteral("lo-da.xlsx")),
        m_dir.filePath(QStringLiteral("lo-pa.xlsx")),    m_dir.filePath(QStringLiteral("lo-ja.xlsx")),
    };
    QString error;
    for (int i = 0; i < 2; ++i)
        QVERIFY2(ExportSpreadsheetFileFromTemplate(MarchRequest(ThreeDues(), i == 0, outs.at(i)),
                                                   TemplatePath(), &error),
                 qPrintable(error));
    QList<DueRecord> reversed = ThreeDues();
    std::reverse(reversed.begin(), reversed.end());
    QVERIFY(
        ExportSpreadsheetFileFromTemplate(MarchRequest(reversed, false, outs.at(2)), TemplatePath(), &error));
    {
        OoxmlPackage package;
        QVERIFY(package.Read(outs.at(2), &error));
        pugi::xml_document sheet;
        QVERIFY(OfficeTest::LoadPart(package, QStringLiteral("xl/worksheets/sheet1.xml"), sheet));
        pugi::xml_node row = sheet.document_element().child("sheetData").append_child("row");
        row.append_attribute("r") = 40;
        const char* formulas[] = {"SUM(F10:F12)", "COUNT(B10:C12)", "AND(C12<C11,C11<C10)",
                                  "MATCH(MIN(C10:C12),C10:C12,0)", "F4+F5"};
        for (int c = 0; c < 5; ++c) {
            pugi::xml_node cell = row.append_child("c");
            cell.append_attribute("r") = qPrintable(QStringLiteral("%1%2").arg(QChar('A' + c)).arg(40));
            cell.append_child("f").text().set(formulas[c]);
        }
        package.SetPart(QStringLiteral("xl/worksheets/sheet1.xml"), OoxmlXml::Save(sheet));
        QVERIFY(package.Write(outs.at(2), &error));
    }
    const char* locales[] = {"da_DK", "es_PA", "ja_JP"};
    for (int i = 0; i < 3; ++i) {
        QLocale::setDefault(QLocale(QLatin1String(locales[i])));
        const bool ok = ExportSpreadsheetFileFromTemplate(MarchRequest(ThreeDues(), false, outs.at(3 + i)),
                                                          TemplatePath(), &error);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY2(ok, qPrintable(error));
    }

    OfficeTest::Soffice soffice(m_dir.path());
    const QStringList csvPaths = soffice.Convert(
        outs, QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1"), QStringLiteral("csv"), &error);
    QVERIFY2(!csvPaths.isEmpty(), qPrintable(error));
    const QStringList fodsPaths =
        soffice.Convert(outs.mid(0, 2), QStringLiteral("fods"), QStringLiteral("fods"), &error);
    QVERIFY2(!fodsPaths.isEmpty(), qPrintable(error));
    auto csvRows = [&](int i) {
        QFile csvFile(csvPaths.at(i));
        return csvFile.open(QIODevice::ReadOnly) ? CsvRows(QString::fromUtf8(csvFile.readAll()))
                                                 : QList<QStringList>();
    };

    for (int i = 0; i < 2; ++i) {
        const bool withNotes = i == 0;
        const QList<QStringList> rows = csvRows(i);
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

        pugi::xml_document fods;
        QVERIFY(fods.load_file(fodsPaths.at(i).toLocal8Bit().constData()));
        // LibreOffice reads the amounts and sums as numbers and the dates as
        // dates, the texts as texts.
        QMap<QString, QString> types;
        for (pugi::xpath_node n : fods.select_nodes("//table:table-cell[@office:value-type]")) {
            const QString type = Attr(n.node(), "office:value-type");
            types[type == QLatin1String("currency") ? QStringLiteral("float") : type] +=
                QLatin1Char('|') + (type == QLatin1String("date")     ? Attr(n.node(), "office:date-value")
                                    : type == QLatin1String("string") ? QString()
                                                                      : Attr(n.node(), "office:value"));
        }
        QCOMPARE(types.value(QStringLiteral("float")), QStringLiteral("|1200.5|125.25|1200.5|85.25|40"));
        QCOMPARE(
            types.value(QStringLiteral("date")),
            QStringLiteral("|2007-03-01|2007-03-05|2007-03-02T14:30:00|2007-03-20|2007-03-10|2007-03-28"));

        // The notes as LibreOffice reads them: one annotation per noted cell.
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

    // The amounts add up and the dates order by time, not by their text
    // (as text "3/20/2007" would come before "3/5/2007").
    const QList<QStringList> sums = csvRows(2);
    QVERIFY(sums.size() >= 40);
    QCOMPARE(sums.at(39).mid(0, 5),
             QStringList({QStringLiteral("1325.75"), QStringLiteral("6"), QStringLiteral("TRUE"),
                          QStringLiteral("3"), QStringLiteral("1325.75")}));

    // Symbols with points and slashes stay symbols; the years have four digits.
    const QStringList expected[] = {
        {QStringLiteral("01.03.2007"), QStringLiteral("1,200.50\u00a0kr."), QStringLiteral("85.25\u00a0kr.")},
        {QStringLiteral("03/01/2007"), QStringLiteral("B/.1,200.50"), QStringLiteral("B/.85.25")},
        {QStringLiteral("2007/03/01"), QStringLiteral("\uffe51,201"), QStringLiteral("\uffe585")},
    };
    for (int i = 0; i < 3; ++i) {
        const QList<QStringList> rows = csvRows(3 + i);
        QVERIFY(rows.size() >= 12);
        QCOMPARE(QStringList({rows.at(9).value(1), rows.at(9).value(5), rows.at(10).value(5)}), expected[i]);
    }
}

// What LibreOffice shows of a sheet is what the program shows: the same
// cents for amounts and sums, labels in the program's language, and no
// amount or date too wide for its column ("###" on the printed page).
void TestSpreadsheetExport::libreOfficeShowsWhatTheListShows()
{
    if (OfficeTest::Soffice::Program().isEmpty())
        QSKIP("LibreOffice (soffice) is not installed: the conversion check is skipped");
    QList<DueRecord> dues = ThreeDues();
    dues[0].m_dAmount = 12345.005; // paid
    dues[1].m_dAmount = 0.015;
    dues[1].m_dtStart = COleDateTime(2007, 3, 2, 23, 59, 59);
    dues[2].m_dAmount = 1234567890123.45; // 15 digits: what spreadsheet programs show of a number
    dues << MakeDue(QStringLiteral("Refund"), COleDateTime(2007, 3, 12, 0, 0, 0),
                    COleDateTime(2007, 3, 31, 0, 0, 0), QString(), QString(), -98765432109.99, 1, false,
                    QString());
    const QString out = m_dir.filePath(QStringLiteral("lo-shown.xlsx"));
    BracketTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QString error;
    const bool ok = ExportSpreadsheetFileFromTemplate(MarchRequest(dues, true, out), TemplatePath(), &error);
    QCoreApplication::removeTranslator(&translator);
    QVERIFY2(ok, qPrintable(error));

    OfficeTest::Soffice soffice(m_dir.path());
    const QStringList csv = soffice.Convert(
        {out}, QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1"), QStringLiteral("csv"), &error);
    QVERIFY2(!csv.isEmpty(), qPrintable(error));
    QFile csvFile(csv.first());
    QVERIFY(csvFile.open(QIODevice::ReadOnly));
    const QList<QStringList> rows = CsvRows(QString::fromUtf8(csvFile.readAll()));
    QVERIFY(rows.size() >= 13);
    const QLocale locale;
    auto shown = [&](double amount) { return FormatCurrencyText(AmountText(amount), locale); };
    double unpaid = 0;
    QStringList amounts, expected;
    for (int i = 0; i < dues.size(); ++i) {
        amounts << rows.at(9 + i).value(5);
        expected << shown(dues.at(i).m_dAmount);
        if (!dues.at(i).m_bPaid)
            unpaid += dues.at(i).m_dAmount;
    }
    amounts << rows.at(3).value(5) << rows.at(4).value(5);
    expected << shown(dues.at(0).m_dAmount) << shown(unpaid);
    QCOMPARE(amounts, expected);
    QCOMPARE(expected.mid(0, 2), QStringList({"$12,345.00", "$0.01"}));
    QCOMPARE(rows.at(8).mid(0, 3), QStringList({"[Title]", "[Start Date]", "[Due Date]"}));
    QCOMPARE(rows.at(3).value(1), QStringLiteral("[Month:]"));

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed: the printed page is not checked");
    const QStringList pdf = soffice.Convert({out}, QStringLiteral("pdf"), QStringLiteral("pdf"), &error);
    QVERIFY2(!pdf.isEmpty(), qPrintable(error));
    QProcess text;
    text.start(pdftotext, {pdf.first(), QStringLiteral("-")});
    QVERIFY(text.waitForFinished(60000));
    const QString page = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(!page.contains(QLatin1String("###")), qPrintable(page));
    for (const QString& amount : std::as_const(expected))
        QVERIFY2(page.contains(amount), qPrintable(amount));
    QVERIFY2(page.contains(QLatin1String("3/2/2007 11:59:59 PM")), qPrintable(page));
}

QTEST_GUILESS_MAIN(TestSpreadsheetExport)
#include "tst_spreadsheetexport.moc"
