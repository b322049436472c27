#include "PdfTestTools.h"
#include "app/CTallyvaneApp.h"
#include "export/CPdfExport.h"
#include "export/CPdfWriter.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

DueRecord MakeDue(const QString& title, int day, double amount, int type, bool paid,
                  const QString& notes = {})
{
    DueRecord d;
    d.m_strRecId = QStringLiteral("2007030%1000000").arg(day, 2, 10, QLatin1Char('0'));
    d.m_strTitle = title;
    d.m_dtStart = COleDateTime(2007, 3, 1, 0, 0, 0);
    d.m_dtDue = COleDateTime(2007, 3, day, 0, 0, 0);
    d.m_strPayTo = QStringLiteral("City Works (Water)");
    d.m_strAccount = QStringLiteral("AC-7731");
    d.m_dAmount = amount;
    d.m_nType = type;
    d.m_bPaid = paid ? 1 : 0;
    d.m_strNotes = notes;
    return d;
}

// Content references of a page object, in order.
QList<int> PageContents(const QByteArray& doc, int page)
{
    const qsizetype at = doc.indexOf(QByteArray::number(page) + " 0 obj<</Type /Page ");
    const qsizetype open = doc.indexOf("/Contents [", at) + 11;
    QList<int> refs;
    for (const QByteArray& part : doc.mid(open, doc.indexOf(']', open) - open).split(' ')) {
        bool ok = false;
        const int n = part.toInt(&ok);
        if (ok && n > 0)
            refs.append(n);
    }
    return refs;
}

QByteArray Stream(const QByteArray& doc, int object)
{
    const QByteArray head = "\n" + QByteArray::number(object) + " 0 obj<</Length";
    qsizetype at = doc.indexOf(head);
    if (at < 0)
        return {};
    at = doc.indexOf("stream\r\n", at) + 8;
    return doc.mid(at, doc.indexOf("\r\nendstream", at) - at);
}

// Page object numbers in page order (the page tree lists them ascending).
QList<int> Pages(const QByteArray& doc)
{
    const qsizetype open = doc.indexOf("/Kids [") + 7;
    QList<int> pages;
    static const QRegularExpression re(QStringLiteral("(\\d+) 0 R"));
    auto it = re.globalMatch(QString::fromLatin1(doc.mid(open, doc.indexOf(']', open) - open)));
    while (it.hasNext())
        pages.append(it.next().captured(1).toInt());
    return pages;
}

} // namespace

class TestPdfExport : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // The pages' texts as pdftotext reads them, in content order.
    static QStringList SplitPages(const QString& text)
    {
        QStringList pages = text.split(QLatin1Char('\f'));
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
            pages.removeLast();
        return pages;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        theApp.SetLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void bodyText_data()
    {
        QTest::addColumn<DueRecord>("due");
        QTest::addColumn<bool>("withNotes");
        QTest::addColumn<QString>("expected");

        // Dates in the locale's short format, the amount through "%0.2lf".
        const QString head =
            QStringLiteral("\r\n\r\n Due : Rent (March)\r\n\r\n Start Date : %1\r\n\r\n Due Date : "
                           "%2\r\n\r\n Pay To : City Works (Water)\r\n\r\n Account: AC-7731\r\n\r\n"
                           " Amount: %3\r\n\r\n Due Type: ")
                .arg(theApp.FormatDate(COleDateTime(2007, 3, 1, 0, 0, 0), QString()),
                     theApp.FormatDate(COleDateTime(2007, 3, 5, 0, 0, 0), QString()),
                     theApp.FormatCurrency(QStringLiteral("1234.50")));
        const DueRecord noted =
            MakeDue(QStringLiteral("Rent (March)"), 5, 1234.5, 2, true, QStringLiteral("first\r\nsecond"));
        QTest::newRow("with notes")
            << noted << true
            << head + QStringLiteral("Personal\r\n\r\n Status: Paid\r\n\r\nNotes\r\n\r\nfirst\r\nsecond");
        QTest::newRow("without notes")
            << noted << false << head + QStringLiteral("Personal\r\n\r\n Status: Paid");
        QTest::newRow("empty notes") << MakeDue(QStringLiteral("Rent (March)"), 5, 1234.5, 1, false) << true
                                     << head + QStringLiteral("Business\r\n\r\n Status: Unpaid");
    }

    void bodyText()
    {
        QFETCH(DueRecord, due);
        QFETCH(bool, withNotes);
        QFETCH(QString, expected);
        QCOMPARE(PdfDueBody(due, withNotes), expected);
    }

    // Two short dues: cover plus one page each, every label and value readable.
    void twoDuesReadBack()
    {
        ExportRequest request;
        request.month = COleDateTime(2007, 3, 1, 0, 0, 0);
        request.withNotes = true;
        request.dues = {MakeDue(QStringLiteral("Rent (March)"), 5, 1234.5, 2, true,
                                QStringLiteral("Café at 9\r\nsecond line")),
                        MakeDue(QStringLiteral("Power \\ Gas"), 20, -3, 1, false)};
        request.outputPath = m_dir.filePath(QStringLiteral("two.pdf"));

        QString error;
        QVERIFY2(ExportPdfFile(request, &error), qPrintable(error));
        QVERIFY(error.isEmpty());

        QFile f(request.outputPath);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray doc = f.readAll();
        QCOMPARE(Pages(doc).size(), 3);
        // The cover: heading, rule, month.
        const QList<int> cover = PageContents(doc, Pages(doc)[0]);
        QCOMPARE(cover.size(), 3);
        QVERIFY(Stream(doc, cover[1]) == "2 w\r\n100 470 m\r\n500 470 l\r\nS");
        QVERIFY(Stream(doc, cover[2]).contains("12 0 0 12 380 460 Tm \rT* (Mar - 2007) Tj"));

        CHECK_WITH_QPDF(request.outputPath);
        QString text;
        READ_TEXT(request.outputPath, text);
        const QStringList pages = SplitPages(text);
        QCOMPARE(pages.size(), 3);
        QCOMPARE(pages[0], QStringLiteral("Due Date(s)\nMar - 2007\n"));
        // A negative amount in the accounting form keeps its sign as a minus.
        QString negative = theApp.FormatCurrency(QStringLiteral("-3.00"));
        if (negative.startsWith(QLatin1Char('(')))
            negative = QLatin1Char('-') + negative.mid(1, negative.size() - 2);
        QVERIFY(negative.contains(QLatin1Char('-')));
        auto date = [](int day) { return theApp.FormatDate(COleDateTime(2007, 3, day, 0, 0, 0), QString()); };
        // Title and record text share the top line; title, pay-to and
        // notes keep their parentheses everywhere.
        QCOMPARE(pages[1], QStringLiteral("Rent (March) Record 1 of 2\n"
                                          "Due : Rent (March)\n"
                                          "Start Date : %1\n"
                                          "Due Date : %2\n"
                                          "Pay To : City Works (Water)\n"
                                          "Account: AC-7731\n"
                                          "Amount: %3\n"
                                          "Due Type: Personal\n"
                                          "Status: Paid\n"
                                          "Notes\n"
                                          "Café at 9\n"
                                          "second line\n")
                               .arg(date(1), date(5), theApp.FormatCurrency(QStringLiteral("1234.50"))));
        QCOMPARE(pages[2], QStringLiteral("Power \\ Gas Record 2 of 2\n"
                                          "Due : Power \\ Gas\n"
                                          "Start Date : %1\n"
                                          "Due Date : %2\n"
                                          "Pay To : City Works (Water)\n"
                                          "Account: AC-7731\n"
                                          "Amount: %3\n"
                                          "Due Type: Business\n"
                                          "Status: Unpaid\n")
                               .arg(date(1), date(20), negative));
    }

    // A body past 40 lines continues from y 750 on a second page, which gets
    // the closing rule; the first page of the due does not.
    void longDueContinues()
    {
        QStringList notes;
        for (int i = 1; i <= 30; ++i)
            notes << QStringLiteral("Note line %1").arg(i);
        ExportRequest request;
        request.month = COleDateTime(2007, 3, 1, 0, 0, 0);
        request.dues = {MakeDue(QStringLiteral("Long"), 5, 10, 1, false, notes.join(QStringLiteral("\r\n"))),
                        MakeDue(QStringLiteral("Short"), 6, 20, 2, true)};
        request.outputPath = m_dir.filePath(QStringLiteral("long.pdf"));
        QString error;
        QVERIFY2(ExportPdfFile(request, &error), qPrintable(error));

        QFile f(request.outputPath);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray doc = f.readAll();
        const QList<int> pages = Pages(doc);
        QCOMPARE(pages.size(), 4); // cover, Long (2 pages), Short

        const QByteArray closingRule = "1 w\r\n50 60 m\r\n500 60 l\r\nS";
        auto streams = [&](int page) {
            QList<QByteArray> s;
            for (int n : PageContents(doc, page))
                s.append(Stream(doc, n));
            return s;
        };
        const QList<QByteArray> first = streams(pages[1]);
        const QList<QByteArray> second = streams(pages[2]);
        const QList<QByteArray> shortDue = streams(pages[3]);
        QVERIFY(!first.contains(closingRule));
        QCOMPARE(second.size(), 3); // rest of the body, empty block, rule
        QVERIFY(second[0].contains("12 0 0 12 50 750 Tm"));
        QVERIFY(second[1].contains("12 0 0 12 50 80 Tm \rT* () Tj"));
        QCOMPARE(second[2], closingRule);
        QCOMPARE(shortDue.last(), closingRule);
        QVERIFY(shortDue[1].contains("(Record 2 of 2)"));

        // Body: 2 + 8 * 2 - 1 = 17 lines, then "", Notes, "" and 30 notes:
        // 50 lines, 40 on the first page.
        QCOMPARE(first[3].count(")Tj T*("), 40);
        QCOMPARE(second[0].count(")Tj T*("), 10);

        CHECK_WITH_QPDF(request.outputPath);
        QString all;
        READ_TEXT(request.outputPath, all);
        const QStringList text = SplitPages(all);
        QCOMPARE(text.size(), 4);
        QVERIFY(text[1].endsWith(QStringLiteral("Note line 20\n")));
        QVERIFY(text[2].startsWith(QStringLiteral("Note line 21\n")));
        QVERIFY(text[2].endsWith(QStringLiteral("Note line 30\n")));
    }

    void failuresAreReported_data()
    {
        QTest::addColumn<bool>("withDues");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");

        QTest::newRow("missing folder") << true << m_dir.filePath(QStringLiteral("gone/x.pdf"))
                                        << QStringLiteral("No such file or directory");
        QTest::newRow("a folder") << true << m_dir.path() << QString();
        QTest::newRow("nothing listed")
            << false << m_dir.filePath(QStringLiteral("none.pdf")) << QStringLiteral("No dues are listed");
    }

    void failuresAreReported()
    {
        QFETCH(bool, withDues);
        QFETCH(QString, path);
        QFETCH(QString, reason);

        ExportRequest request;
        request.month = COleDateTime(2007, 3, 1, 0, 0, 0);
        if (withDues)
            request.dues = {MakeDue(QStringLiteral("Rent"), 5, 10, 1, false)};
        request.outputPath = path;
        QString error;
        QVERIFY(!ExportPdfFile(request, &error));
        QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QVERIFY(!error.contains(QLatin1Char('\n')));
        QVERIFY(!QFileInfo(path).isFile());
    }
};

QTEST_GUILESS_MAIN(TestPdfExport)
#include "tst_pdfexport.moc"
