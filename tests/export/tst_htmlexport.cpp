#include "BrowserPrint.h"
#include "OfficeExportFixtures.h"
#include "export/CHtmlExport.h"
#include "export/HtmlTemplate.h"
#include "model/base/LocaleFormat.h"
#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(QList<DueRecord>)

namespace {

DueRecord Due(const QString& title, double amount = 0.0, const QString& notes = {}, int type = 1,
              bool paid = false)
{
    DueRecord r;
    r.m_strTitle = title;
    r.m_dtStart = COleDateTime(2007, 3, 5, 0, 0, 0);
    r.m_dtDue = COleDateTime(2007, 4, 5, 0, 0, 0);
    r.m_strPayTo = QStringLiteral("Landlord");
    r.m_strAccount = QStringLiteral("Checking");
    r.m_dAmount = amount;
    r.m_strNotes = notes;
    r.m_nType = type;
    r.m_bPaid = paid ? 1 : 0;
    return r;
}

// A function, not a global: a date built during static initialisation would
// depend on the date code's own globals being ready.
COleDateTime March2007()
{
    return COleDateTime(2007, 3, 1, 0, 0, 0);
}

QString ShippedTemplate(const char* name)
{
    QFile file(QStringLiteral(TALLYVANE_TEST_DATA "/../../templates/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TestHtmlExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void fill_data();
    void fill();
    void everyFieldIsEscaped_data();
    void everyFieldIsEscaped();
    void brokenTemplates_data();
    void brokenTemplates();
    void repeatedMarkerStaysLinear();
    void shippedTemplate();
    void shippedTemplatePrintsWithinThePage();

    void writesUtf8UpToZeroByte();
    void unreadableTemplateLeavesTheOutputAlone();
    void failuresAreReported_data();
    void failuresAreReported();
};

void TestHtmlExport::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestHtmlExport::cleanup()
{
    HtmlTemplate::SetTemplatesFolder(QString());
}

// clang-format off
void TestHtmlExport::fill_data()
{
    QTest::addColumn<QString>("templ");
    QTest::addColumn<QList<DueRecord>>("dues");
    QTest::addColumn<bool>("withNotes");
    QTest::addColumn<QString>("expected");

    const QList<DueRecord> abc{Due("A"), Due("B"), Due("C")};
    const QString all = "<{[loopstart]}><{[duetitle]}>|<{[dates]}>|<{[payee]}>|<{[account]}>|<{[duetype]}>|"
                        "<{[status]}>|<{[amount]}>|<{[notesstart]}><{[notes]}><{[notesend]}>|<{[countrecord]}><{[loopend]}>";
    const QString notesBlock = "<{[loopstart]}>(<{[notesstart]}>N:<{[notes]}><{[notesend]}>)<{[loopend]}>";

    QTest::newRow("list order and count") << "[<{[loopstart]}><{[countrecord]}>:<{[duetitle]}>;<{[loopend]}>]" << abc << true
        << "[Record 1 of 3:A;Record 2 of 3:B;Record 3 of 3:C;]";
    QTest::newRow("every block tag") << all << QList<DueRecord>{Due("Rent", 12.5, "a\r\nb")} << true
        << "Rent|05/03/2007 - 05/04/2007|Landlord|Checking|Business|Unpaid|$12.50|a<br>b|Record 1 of 1";
    QTest::newRow("type and status texts") << "<{[loopstart]}><{[duetype]}>/<{[status]}>,<{[loopend]}>"
        << QList<DueRecord>{Due("a", 0, {}, 2, true), Due("b", 0, {}, 1), Due("c", 0, {}, 0), Due("d", 0, {}, 7, true)} << true
        << "Personal/Paid,Business/Unpaid,Business/Unpaid,Business/Paid,";
    QTest::newRow("without notes drops every section") << notesBlock
        << QList<DueRecord>{Due("a", 0, "x"), Due("b", 0, "")} << false << "()()";
    QTest::newRow("with notes drops empty ones") << notesBlock
        << QList<DueRecord>{Due("a", 0, ""), Due("b", 0, "a\r\nb")} << true << "()(N:a<br>b)";
    // Every line end a note may hold is a break: CR LF once, LF then CR twice.
    QTest::newRow("every line end breaks") << notesBlock << QList<DueRecord>{Due("a", 0, "a\rb\nc\r\nd\n\re\r\n")} << true
        << "(N:a<br>b<br>c<br>d<br><br>e<br>)";
    QTest::newRow("tabs keep their room") << notesBlock << QList<DueRecord>{Due("a", 0, "k\tv <\t>\t\tw")} << true
        << "(N:k&nbsp;&nbsp;&nbsp; v &lt;&nbsp;&nbsp;&nbsp; &gt;&nbsp;&nbsp;&nbsp; &nbsp;&nbsp;&nbsp; w)";
    QTest::newRow("monthyear in the block") << "<{[loopstart]}><{[monthyear]}>;<{[loopend]}>" << abc.mid(0, 2) << true
        << "March - 2007;March - 2007;";
    QTest::newRow("monthyear outside") << "<h1><{[monthyear]}></h1><{[loopstart]}>x<{[loopend]}><{[monthyear]}>" << abc << true
        << "<h1>March - 2007</h1>xxxMarch - 2007";
    QTest::newRow("values are escaped") << "<{[loopstart]}><{[duetitle]}>|<{[notes]}>;<{[loopend]}>"
        << QList<DueRecord>{Due("Rent <March> & \"fees\"", 0, "<b>\r\n"), Due("<{[amount]}>", 7)} << true
        << "Rent &lt;March&gt; &amp; &quot;fees&quot;|&lt;b&gt;<br>;&lt;{[amount]}&gt;|;";
    QTest::newRow("tag in value is not a marker") << notesBlock << QList<DueRecord>{Due("a", 0, "<{[notesend]}>x")} << true
        << "(N:&lt;{[notesend]}&gt;x)";
    // The section is dropped before the values go in: a title equal to the
    // notes must survive an export without notes.
    QTest::newRow("title equal to notes survives")
        << "<{[loopstart]}><{[duetitle]}>|<{[notesstart]}><{[notes]}><{[notesend]}><{[loopend]}>"
        << QList<DueRecord>{Due("Rent", 0, "Rent")} << false << "Rent|";
    QTest::newRow("block text elsewhere stays") << "<i>x</i><{[loopstart]}><i>x</i><{[loopend]}>" << abc.mid(0, 2) << true
        << "<i>x</i><i>x</i><i>x</i>";
    QTest::newRow("dues once though loopstart is repeated") << "<{[loopstart]}>x<{[loopend]}>|<{[loopstart]}>" << abc << true
        << "xxx|";
    QTest::newRow("two notes sections") << "<{[loopstart]}><{[notesstart]}>1<{[notesend]}>-<{[notesstart]}>2<{[notesend]}><{[loopend]}>"
        << QList<DueRecord>{Due("a")} << true << "-";
}
// clang-format on

void TestHtmlExport::fill()
{
    QFETCH(QString, templ);
    QFETCH(QList<DueRecord>, dues);
    QFETCH(bool, withNotes);
    QFETCH(QString, expected);
    QCOMPARE(FillExportTemplate(templ, dues, March2007(), withNotes), expected);
}

// clang-format off
void TestHtmlExport::everyFieldIsEscaped_data()
{
    AddFieldRows();
}

void TestHtmlExport::everyFieldIsEscaped()
{
    QFETCH(DueField, field);
    const QString all = QStringLiteral(
        "<{[loopstart]}><{[duetitle]}>|<{[dates]}>|<{[payee]}>|<{[account]}>|<{[duetype]}>|<{[status]}>|"
        "<{[amount]}>|<{[notesstart]}><{[notes]}><{[notesend]}>|<{[countrecord]}><{[loopend]}>");
    const QString out = FillExportTemplate(all, {DueWithHardField(field)}, March2007(), true);
    // The field shows its text, no markup of its own and no tag.
    QVERIFY2(!out.contains(QLatin1String("<b>")) && !out.contains(QLatin1String("<{[")), qPrintable(out));
    const QStringList values = out.split(QLatin1Char('|'));
    QCOMPARE(values.size(), 9);
    const QString hard = EscapedMarkupText();
    const QStringList plain = {QStringLiteral("Rent"),  QStringLiteral("01/03/2007 - 05/03/2007"),
                               QStringLiteral("Landlord"), QStringLiteral("ACC-1"),
                               QStringLiteral("Business"), QStringLiteral("Unpaid"),
                               QStringLiteral("$12.50"),   QStringLiteral("plain"),
                               QStringLiteral("Record 1 of 1")};
    QStringList expected = plain;
    switch (field) {
    case DueField::Title:
        expected[0] = hard;
        break;
    case DueField::PayTo:
        expected[2] = hard;
        break;
    case DueField::Account:
        expected[3] = hard;
        break;
    case DueField::Notes:
        expected[7] = hard + QStringLiteral("<br>") + hard;
        break;
    case DueField::Type:
        expected[4] = QStringLiteral("Personal");
        break;
    case DueField::Amount:
        expected[6] = QStringLiteral("($1,234.50)");
        break;
    }
    QCOMPARE(values, expected);
}

void TestHtmlExport::brokenTemplates_data()
{
    QTest::addColumn<QString>("templ");
    QTest::addColumn<bool>("withNotes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << "" << true << "";
    QTest::newRow("no markers") << "<p><{[monthyear]}></p>" << true << "<p>March - 2007</p>";
    QTest::newRow("no loopstart") << "a<{[duetitle]}>b<{[loopend]}>c" << true << "a<{[duetitle]}>bc";
    QTest::newRow("no loopend") << "a<{[loopstart]}><{[duetitle]}>b" << true << "a<{[duetitle]}>b";
    QTest::newRow("loopend first") << "<{[loopend]}>x<{[loopstart]}>y" << true << "xy";
    QTest::newRow("loopstart cut short") << "a<{[loopstart]" << true << "a<{[loopstart]";
    QTest::newRow("no notesend, with notes") << "<{[loopstart]}>(<{[notesstart]}><{[notes]}>)<{[loopend]}>" << true << "(n)(n)";
    QTest::newRow("no notesend, without notes") << "<{[loopstart]}>(<{[notesstart]}><{[notes]}>)<{[loopend]}>" << false << "()()";
    QTest::newRow("notes markers reversed") << "<{[loopstart]}>(<{[notesend]}><{[notes]}><{[notesstart]}>)<{[loopend]}>" << true << "(n)(n)";
    QTest::newRow("no notes markers, without notes") << "<{[loopstart]}>(<{[notes]}>)<{[loopend]}>" << false << "()()";
}
// clang-format on

void TestHtmlExport::brokenTemplates()
{
    QFETCH(QString, templ);
    QFETCH(bool, withNotes);
    QFETCH(QString, expected);
    const QList<DueRecord> dues{Due("a", 1, "n"), Due("b", 2, "n")};
    QCOMPARE(FillExportTemplate(templ, dues, March2007(), withNotes), expected);
}

void TestHtmlExport::repeatedMarkerStaysLinear()
{
    // A second loopstart inside the block is part of every filled copy; it
    // must not make each due multiply the page.
    QList<DueRecord> dues;
    for (int i = 0; i < 40; ++i)
        dues << Due(QString::number(i));
    const QString out = FillExportTemplate(QStringLiteral("<{[loopstart]}>a<{[loopstart]}>b<{[loopend]}>"),
                                           dues, March2007(), true);
    QCOMPARE(out, QStringLiteral("ab").repeated(40));
}

void TestHtmlExport::shippedTemplate()
{
    const QString templ = ShippedTemplate("exporttemplate.html");
    QVERIFY(!templ.isEmpty());
    QVERIFY(templ.contains(QLatin1String("<meta charset=\"utf-8\">")));
    for (const char* tag :
         {"loopstart", "loopend", "duetitle", "dates", "payee", "account", "duetype", "status", "amount",
          "notes", "countrecord", "notesstart", "notesend", "monthyear"})
        QVERIFY2(templ.contains(HtmlTemplate::Tag(tag)), tag);

    const QList<DueRecord> dues{Due("Rent", 950, "Key\r\nunder the mat"), Due("Power", 61.2, {}, 2, true)};
    for (bool withNotes : {true, false}) {
        const QString out = FillExportTemplate(templ, dues, March2007(), withNotes);
        QVERIFY(!out.contains(QLatin1String("<{[")));
        QVERIFY(!out.contains(QLatin1String("]}>")));
        QCOMPARE(out.count(QLatin1String("<table class=\"due\"")), 2);
        QVERIFY(out.indexOf(QLatin1String("Record 1 of 2")) < out.indexOf(QLatin1String("Record 2 of 2")));
        QCOMPARE(out.contains(QLatin1String("Key<br>under the mat")), withNotes);
        QCOMPARE(out.count(QLatin1String(">Notes<")), withNotes ? 1 : 0);
        QVERIFY(out.contains(QLatin1String("$950.00")));
        QVERIFY(out.contains(QLatin1String("March - 2007")));
    }
}

void TestHtmlExport::shippedTemplatePrintsWithinThePage()
{
    if (!BrowserPrint::Available())
        QSKIP("chromium or pdftotext is not installed: the browser print check is skipped");
    // A long unbroken word wraps inside its cell: the amount and the record
    // count beside it stay on the page. Each kind of line end in a note
    // starts a new printed line.
    QTemporaryDir dir;
    QList<DueRecord> dues = BrowserPrint::TwelveDues();
    dues[1].m_strNotes = QStringLiteral("Meter\rreading\nfollows\r\nsoon");
    const QString page = dir.filePath(QStringLiteral("export.html"));
    QFile file(page);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(FillExportTemplate(ShippedTemplate("exporttemplate.html"), dues, March2007(), true).toUtf8());
    file.close();
    QString why;
    const QString text = BrowserPrint::PrintedText(page, dir.path(), &why);
    QVERIFY2(!text.isEmpty(), qPrintable(why));
    for (int i = 1; i <= 12; ++i) {
        const QString count = QStringLiteral("Record %1 of 12").arg(i);
        QVERIFY2(text.contains(count), qPrintable(count));
        const QString amount = FormatCurrencyText(AmountText(dues.at(i - 1).m_dAmount), QLocale());
        QVERIFY2(text.contains(amount), qPrintable(amount));
    }
    const QStringList lines = text.split(QLatin1Char('\n'));
    const QStringList noteWords = {QStringLiteral("Meter"), QStringLiteral("reading"),
                                   QStringLiteral("follows"), QStringLiteral("soon")};
    for (qsizetype i = 0; i + 1 < noteWords.size(); ++i) {
        const auto line = std::find_if(lines.begin(), lines.end(),
                                       [&](const QString& l) { return l.contains(noteWords.at(i)); });
        QVERIFY2(line != lines.end(), qPrintable(noteWords.at(i)));
        QVERIFY2(!line->contains(noteWords.at(i + 1)), qPrintable(*line));
    }
}

void TestHtmlExport::writesUtf8UpToZeroByte()
{
    QTemporaryDir dir;
    ExportRequest request;
    request.dues = {Due(QString::fromUtf8("Caf\xC3\xA9")), Due("y")};
    request.month = March2007();
    request.outputPath = dir.filePath(QStringLiteral("out.html"));
    // The fixture is named after what it tests; the export reads its own name.
    QVERIFY(QFile::copy(QStringLiteral(TALLYVANE_TEST_DATA "/html/templates/nul-byte.html"),
                        dir.filePath(QStringLiteral("exporttemplate.html"))));
    HtmlTemplate::SetTemplatesFolder(dir.path());
    QString why;
    QVERIFY2(ExportHtmlFile(request, &why), qPrintable(why));
    QCOMPARE(ReadAll(request.outputPath), QByteArray("<meta charset=\"utf-8\">\xE2\x82\xAC"
                                                     "Caf\xC3\xA9;y;Z"));
}

void TestHtmlExport::unreadableTemplateLeavesTheOutputAlone()
{
    QTemporaryDir dir;
    const QString templates = dir.filePath(QStringLiteral("NoTemplates"));
    HtmlTemplate::SetTemplatesFolder(templates);
    ExportRequest request;
    request.dues = {Due("x")};
    request.outputPath = dir.filePath(QStringLiteral("out.html"));
    QFile old(request.outputPath);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an older export");
    old.close();

    QString why;
    QVERIFY(!ExportHtmlFile(request, &why));
    QVERIFY2(why.contains(templates + QStringLiteral("/exporttemplate.html")), qPrintable(why));
    QCOMPARE(ReadAll(request.outputPath), QByteArray("an older export"));
}

void TestHtmlExport::failuresAreReported_data()
{
    QTest::addColumn<int>("dueCount");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("mention");

    QTest::newRow("no output path") << 1 << ""
                                    << "output";
    QTest::newRow("missing folder") << 1 << "missing/out.html"
                                    << "missing/out.html";
    QTest::newRow("output is a folder") << 1 << "."
                                        << "Could not write";
}

void TestHtmlExport::failuresAreReported()
{
    QFETCH(int, dueCount);
    QFETCH(QString, output);
    QFETCH(QString, mention);
    QTemporaryDir dir;
    QFile templ(dir.filePath(QStringLiteral("exporttemplate.html")));
    QVERIFY(templ.open(QIODevice::WriteOnly));
    templ.write("<{[loopstart]}>x<{[loopend]}>");
    templ.close();
    HtmlTemplate::SetTemplatesFolder(dir.path());

    ExportRequest request;
    for (int i = 0; i < dueCount; ++i)
        request.dues << Due("d");
    request.outputPath = output.isEmpty() ? QString() : dir.filePath(output);
    QString why;
    QVERIFY(!ExportHtmlFile(request, &why));
    QVERIFY2(why.contains(mention, Qt::CaseInsensitive), qPrintable(why));
    if (dueCount == 0)
        QVERIFY(!QFile::exists(request.outputPath));
}

QTEST_GUILESS_MAIN(TestHtmlExport)
#include "tst_htmlexport.moc"
