#include "../../export/BrowserPrint.h"
#include "export/PrintPage.h"
#include "model/base/LocaleFormat.h"

#include <QFile>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

// The print page as the print preview prints it: the page's HTML laid out by
// the text document of the dialog's browser, on the paper of the printer.
class TestPrintPageLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void wordsStayWhole_data();
    void wordsStayWhole();
};

void TestPrintPageLayout::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestPrintPageLayout::wordsStayWhole_data()
{
    QTest::addColumn<int>("paper");
    QTest::newRow("A4") << int(QPageSize::A4);
    QTest::newRow("Letter") << int(QPageSize::Letter);
}

void TestPrintPageLayout::wordsStayWhole()
{
    QFETCH(int, paper);
    if (BrowserPrint::PdfToText().isEmpty())
        QSKIP("pdftotext is not installed: the layout check is skipped");
    QFile templ(QStringLiteral(TALLYVANE_TEST_DATA "/../../templates/printtemplate.html"));
    QVERIFY(templ.open(QIODevice::ReadOnly));
    const QList<DueRecord> dues = BrowserPrint::TwelveDues();
    const COleDateTime march(2007, 3, 1, 0, 0, 0);
    QTextDocument document;
    document.setHtml(FillPrintTemplate(QString::fromUtf8(templ.readAll()), dues, march, march));

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
        document.print(&printer);
    }
    QProcess text;
    text.start(BrowserPrint::PdfToText(), {pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(60000));
    const QStringList words = BrowserPrint::Words(QString::fromUtf8(text.readAllStandardOutput()));
    QVERIFY(!words.isEmpty());

    // Ordinary words of Pay To and Account are never cut in two.
    QStringList amounts = {QStringLiteral("$96,295.68")};
    for (const DueRecord& due : dues)
        amounts << FormatCurrencyText(AmountText(due.m_dAmount), QLocale());
    QCOMPARE(BrowserPrint::PrintPageProblems(words, amounts), QStringList());
}

QTEST_MAIN(TestPrintPageLayout)
#include "tst_printpagelayout.moc"
