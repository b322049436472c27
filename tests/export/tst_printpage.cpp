#include "BrowserPrint.h"
#include "OfficeExportFixtures.h"
#include "export/HtmlTemplate.h"
#include "export/PrintPage.h"
#include "model/base/LocaleFormat.h"
#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(QList<DueRecord>)

namespace {

DueRecord Due(const QString& title, double amount, bool paid, bool series = false)
{
    DueRecord r;
    r.m_strTitle = title;
    r.m_dtStart = COleDateTime(2007, 3, 5, 0, 0, 0);
    r.m_dtDue = COleDateTime(2007, 4, 15, 0, 0, 0);
    r.m_strPayTo = QStringLiteral("Power & Light");
    r.m_strAccount = QStringLiteral("Checking");
    r.m_dAmount = amount;
    r.m_nType = 2;
    r.m_bPaid = paid ? 1 : 0;
    if (series)
        r.m_strSeriesId = QStringLiteral("20070305101010");
    return r;
}

COleDateTime Month(int year, int month, int day = 1)
{
    return COleDateTime(year, month, day, 0, 0, 0);
}

} // namespace

class TestPrintPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rangeText_data();
    void rangeText();
    void fill_data();
    void fill();
    void everyFieldIsEscaped_data();
    void everyFieldIsEscaped();
    void shippedTemplate();
    void shippedTemplatePrintsWordsWhole();
};

void TestPrintPage::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestPrintPage::rangeText_data()
{
    QTest::addColumn<COleDateTime>("from");
    QTest::addColumn<COleDateTime>("to");
    QTest::addColumn<QString>("expected");

    QTest::newRow("same month, other days") << Month(2007, 3, 2) << Month(2007, 3, 30) << " Mar/2007 ";
    QTest::newRow("two months") << Month(2007, 3) << Month(2007, 4) << "Mar/2007 - Apr/2007";
    QTest::newRow("same month, other year") << Month(2007, 3) << Month(2008, 3) << "Mar/2007 - Mar/2008";
}

void TestPrintPage::rangeText()
{
    QFETCH(COleDateTime, from);
    QFETCH(COleDateTime, to);
    QFETCH(QString, expected);
    QCOMPARE(PrintRangeText(from, to), expected);
}

// clang-format off
void TestPrintPage::fill_data()
{
    QTest::addColumn<QString>("templ");
    QTest::addColumn<QList<DueRecord>>("ticked");
    QTest::addColumn<QString>("expected");

    const QList<DueRecord> three{Due("Rent", 10, true), Due("Gas", 2.5, false, true), Due("Water", 7.25, false)};
    const QString sums = "P=<{[paidamount]}> U=<{[unpaidamount]}> T=<{[totalamount]}>";

    QTest::newRow("serial numbers and icons") << "<{[loopstart]}><{[snumber]}><{[icon]}>;<{[loopend]}>" << three
        << "1.icon.bmp;2.recicon.bmp;3.icon.bmp;";
    QTest::newRow("every block tag")
        << "<{[loopstart]}><{[duetitle]}>|<{[startdate]}>|<{[duedate]}>|<{[payee]}>|<{[account]}>|<{[duetype]}>|<{[status]}>|<{[amount]}><{[loopend]}>"
        << QList<DueRecord>{Due("Rent <B>", 1234.5, false)}
        << "Rent &lt;B&gt;|05 Mar, 2007|15 Apr, 2007|Power &amp; Light|Checking|Personal|Unpaid|$1,234.50";
    QTest::newRow("sums") << sums << three << "P=$10.00 U=$9.75 T=$19.75";
    QTest::newRow("nothing ticked") << "[<{[loopstart]}>x<{[loopend]}>]" + sums << QList<DueRecord>{}
        << "[]P=$0.00 U=$0.00 T=$0.00";
    QTest::newRow("total in every block") << "<{[loopstart]}><{[snumber]}><{[totalamount]}>;<{[loopend]}>" << three.mid(0, 2)
        << "1.$12.50;2.$12.50;";
    QTest::newRow("header") << "<{[headerstart]}>[<{[headerleft]}>|<{[headercenter]}>|<{[headerright]}>]<{[headerend]}>"
        << three << "[Due Date Details| Mar/2007 |]";
    QTest::newRow("footer keeps only its own text")
        << "<{[footerstart]}>{<{[footerleft]}>|<{[footercenter]}>|<{[footerright]}>|<{[headerleft]}><{[headercenter]}>}<{[footerend]}>"
        << three << "{|||}";
    QTest::newRow("sums stay out of header and footer")
        << "<{[headerstart]}>h<{[totalamount]}><{[headerend]}><{[footerstart]}>f<{[paidamount]}><{[footerend]}>"
        << three << "h<{[totalamount]}>f<{[paidamount]}>";
    QTest::newRow("blocks stand where their markers stood")
        << "A<{[headerstart]}>H<{[headerend]}>B<{[loopstart]}><{[snumber]}><{[loopend]}>C<{[footerstart]}>F<{[footerend]}>D"
        << three << "AHB1.2.3.CFD";
    QTest::newRow("no header markers") << "<{[headerleft]}>x<{[headercenter]}>" << three << "x";
    QTest::newRow("dues once though loopstart is repeated") << "<{[loopstart]}>a<{[loopstart]}>b<{[loopend]}>|<{[loopstart]}>"
        << three << "ababab|";
}
// clang-format on

void TestPrintPage::fill()
{
    QFETCH(QString, templ);
    QFETCH(QList<DueRecord>, ticked);
    QFETCH(QString, expected);
    QCOMPARE(FillPrintTemplate(templ, ticked, Month(2007, 3, 10), Month(2007, 3, 20)), expected);
}

void TestPrintPage::everyFieldIsEscaped_data()
{
    AddFieldRows(false);
}

void TestPrintPage::everyFieldIsEscaped()
{
    QFETCH(DueField, field);
    const QString all = QStringLiteral(
        "<{[loopstart]}><{[duetitle]}>|<{[startdate]}>|<{[duedate]}>|<{[payee]}>|<{[account]}>|"
        "<{[duetype]}>|<{[status]}>|<{[amount]}><{[loopend]}>");
    const QString out = FillPrintTemplate(all, {DueWithHardField(field)}, Month(2007, 3), Month(2007, 3));
    QVERIFY2(!out.contains(QLatin1String("<b>")) && !out.contains(QLatin1String("<{[")), qPrintable(out));
    const QString hard = EscapedMarkupText();
    QStringList expected = {QStringLiteral("Rent"),         QStringLiteral("01 Mar, 2007"),
                            QStringLiteral("05 Mar, 2007"), QStringLiteral("Landlord"),
                            QStringLiteral("ACC-1"),        QStringLiteral("Business"),
                            QStringLiteral("Unpaid"),       QStringLiteral("$12.50")};
    switch (field) {
    case DueField::Title:
        expected[0] = hard;
        break;
    case DueField::PayTo:
        expected[3] = hard;
        break;
    case DueField::Account:
        expected[4] = hard;
        break;
    case DueField::Type:
        expected[5] = QStringLiteral("Personal");
        break;
    case DueField::Amount:
        expected[7] = QStringLiteral("($1,234.50)");
        break;
    case DueField::Notes:
        QFAIL("the print page has no notes");
    }
    QCOMPARE(out.split(QLatin1Char('|')), expected);
}

void TestPrintPage::shippedTemplate()
{
    QFile file(QStringLiteral(TALLYVANE_TEST_DATA "/../../templates/printtemplate.html"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString templ = HtmlTemplate::DecodeTemplate(file.readAll());
    QVERIFY(templ.contains(QLatin1String("<meta charset=\"utf-8\">")));
    for (const char* tag : {"headerstart", "headerend", "headerleft", "headercenter", "headerright",
                            "footerstart", "footerend", "footerleft", "footercenter", "footerright",
                            "loopstart",   "loopend",   "snumber",    "icon",         "duetitle",
                            "startdate",   "duedate",   "payee",      "account",      "duetype",
                            "status",      "amount",    "paidamount", "unpaidamount", "totalamount"})
        QVERIFY2(templ.contains(HtmlTemplate::Tag(tag)), tag);

    const QList<DueRecord> ticked{Due("Rent", 950, true), Due("Gas", 40, false, true)};
    const QString out = FillPrintTemplate(templ, ticked, Month(2007, 3), Month(2007, 5));
    QVERIFY(!out.contains(QLatin1String("<{[")));
    QVERIFY(!out.contains(QLatin1String("]}>")));
    QVERIFY(out.contains(QLatin1String("Due Date Details")));
    QVERIFY(out.contains(QLatin1String("Mar/2007 - May/2007")));
    QVERIFY(out.contains(QLatin1String("src=\"icon.bmp\"")));
    QVERIFY(out.contains(QLatin1String("src=\"recicon.bmp\"")));
    QVERIFY(out.contains(QLatin1String("$990.00")));
    // The header stands before the dues, the footer after the sums.
    QVERIFY(out.indexOf(QLatin1String("Due Date Details")) < out.indexOf(QLatin1String(">1.<")));
    QVERIFY(out.indexOf(QLatin1String("$990.00")) < out.indexOf(QLatin1String("class=\"footer\"")));
}

void TestPrintPage::shippedTemplatePrintsWordsWhole()
{
    if (!BrowserPrint::Available())
        QSKIP("chromium or pdftotext is not installed: the browser print check is skipped");
    QFile templ(QStringLiteral(TALLYVANE_TEST_DATA "/../../templates/printtemplate.html"));
    QVERIFY(templ.open(QIODevice::ReadOnly));
    QTemporaryDir dir;
    const QList<DueRecord> dues = BrowserPrint::TwelveDues();
    const QString page = dir.filePath(QStringLiteral("print.html"));
    QFile file(page);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        FillPrintTemplate(QString::fromUtf8(templ.readAll()), dues, Month(2007, 3), Month(2007, 3)).toUtf8());
    file.close();
    QString why;
    const QStringList words = BrowserPrint::Words(BrowserPrint::PrintedText(page, dir.path(), &why));
    QVERIFY2(!words.isEmpty(), qPrintable(why));

    // Pay To and Account have room for their words: none is cut in two; every
    // amount is on the page, and so is the total of all twelve.
    QStringList amounts = {QStringLiteral("$96,295.68")};
    for (const DueRecord& due : dues)
        amounts << FormatCurrencyText(AmountText(due.m_dAmount), QLocale());
    QCOMPARE(BrowserPrint::PrintPageProblems(words, amounts), QStringList());
}

QTEST_GUILESS_MAIN(TestPrintPage)
#include "tst_printpage.moc"
