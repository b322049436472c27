#include "PdfTestTools.h"
#include "export/CPdfExport.h"
#include "export/CPdfFontFinder.h"
#include "export/CPdfWriter.h"
#include "model/base/LocaleFormat.h"

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

// The text pdftotext gives back for what was written: no-break spaces read
// as blanks.
QString AsRead(QString text)
{
    return text.replace(QChar(0x00A0), QLatin1Char(' ')).replace(QChar(0x202F), QLatin1Char(' '));
}

QString WithoutBlanks(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text;
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
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
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
                .arg(FormatDatePicture(COleDateTime(2007, 3, 1, 0, 0, 0), QString(), QLocale()),
                     FormatDatePicture(COleDateTime(2007, 3, 5, 0, 0, 0), QString(), QLocale()),
                     FormatCurrencyText(QStringLiteral("1234.50"), QLocale()));
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
        // A negative amount reads as the locale writes it, parentheses and all.
        const QString negative = FormatCurrencyText(QStringLiteral("-3.00"), QLocale());
        auto date = [](int day) {
            return FormatDatePicture(COleDateTime(2007, 3, day, 0, 0, 0), QString(), QLocale());
        };
        // Title and record text share the top line; title, pay-to and
        // notes keep their parentheses everywhere.
        QCOMPARE(pages[1],
                 QStringLiteral("Rent (March) Record 1 of 2\n"
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
                     .arg(date(1), date(5), FormatCurrencyText(QStringLiteral("1234.50"), QLocale())));
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

    // In every locale, every value of every due comes back out of the PDF:
    // titles, payees, accounts and notes in Latin, Polish, Greek, Cyrillic
    // and Japanese, and the locale's dates, amounts and month.
    void localesReadBack_data()
    {
        QTest::addColumn<QLocale>("locale");
        for (const char* name : {"en_US", "en_GB", "de_DE", "fr_FR", "pl_PL", "ru_RU", "ja_JP", "it_IT",
                                 "es_ES", "nl_NL", "en_IN"})
            QTest::newRow(name) << QLocale(QString::fromLatin1(name));
    }

    void localesReadBack()
    {
        QFETCH(QLocale, locale);

        ExportRequest request;
        request.month = COleDateTime(2007, 3, 1, 0, 0, 0);
        request.withNotes = true;
        request.dues = {
            MakeDue(QStringLiteral("Rent (March)"), 5, 1234.5, 2, true,
                    QStringLiteral("Card (Visa)\r\nsecond")),
            MakeDue(QStringLiteral("Czynsz \u2013 \u0141\u00F3d\u017A"), 6, 850.25, 1, false,
                    QStringLiteral("Zap\u0142acono; \u017Ad\u017Ab\u0142o \u201E\u017B\u00F3\u0142w\u201D")),
            MakeDue(QStringLiteral("\u0395\u03BD\u03BF\u03AF\u03BA\u03B9\u03BF"), 7, 99.9, 2, true,
                    QStringLiteral("\u03A0\u03BB\u03B7\u03C1\u03CE\u03B8\u03B7\u03BA\u03B5")),
            MakeDue(QStringLiteral("\u0410\u0440\u0435\u043D\u0434\u0430"), 8, 12.5, 1, false,
                    QStringLiteral("\u041E\u043F\u043B\u0430\u0447\u0435\u043D\u043E \u00AB\u0401\u00BB")),
            MakeDue(QStringLiteral("\u5BB6\u8CC3 3\u6708\u5206"), 9, 65000, 2, false,
                    QStringLiteral("\u30AB\u30FC\u30C9\u3067\u652F\u6255\u3044\u6E08\u307F\u3002")),
            MakeDue(QStringLiteral("Negative"), 10, -3, 1, true)};
        request.dues[2].m_strPayTo = QStringLiteral("\u0394\u03AE\u03BC\u03BF\u03C2");
        request.dues[3].m_strAccount = QStringLiteral("\u0421\u0447\u0451\u0442 40817");
        request.dues[4].m_strPayTo = QStringLiteral("\u6771\u4EAC\u96FB\u529B");
        request.outputPath = m_dir.filePath(QStringLiteral("locale-%1.pdf").arg(locale.name()));

        QString error;
        request.locale = locale;
        QVERIFY2(ExportPdfFile(request, &error), qPrintable(error));
        CHECK_WITH_QPDF(request.outputPath);
        QString all;
        READ_TEXT(request.outputPath, all);
        const QStringList pages = SplitPages(all);
        QCOMPARE(pages.size(), 1 + request.dues.size());
        QCOMPARE(pages[0].split(QLatin1Char('\n')).value(1),
                 AsRead(FormatDatePicture(request.month, QStringLiteral("MMM - yyyy"), locale)));
        for (qsizetype i = 0; i < request.dues.size(); ++i) {
            const DueRecord& due = request.dues[i];
            const QStringList lines = pages[i + 1].split(QLatin1Char('\n'));
            auto has = [&](const QString& line) { return lines.contains(AsRead(line)); };
            QVERIFY2(has(QStringLiteral("Due : ") + due.m_strTitle), qPrintable(pages[i + 1]));
            QVERIFY(
                has(QStringLiteral("Start Date : ") + FormatDatePicture(due.m_dtStart, QString(), locale)));
            QVERIFY(has(QStringLiteral("Due Date : ") + FormatDatePicture(due.m_dtDue, QString(), locale)));
            QVERIFY(has(QStringLiteral("Pay To : ") + due.m_strPayTo));
            QVERIFY(has(QStringLiteral("Account: ") + due.m_strAccount));
            QVERIFY2(has(QStringLiteral("Amount: ") + FormatCurrencyText(AmountText(due.m_dAmount), locale)),
                     qPrintable(pages[i + 1]));
            for (const QString& note : due.m_strNotes.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
                QVERIFY2(has(note), qPrintable(note));
        }
        QVERIFY(!all.contains(QLatin1Char('?')));
    }

    // Dues in Arabic, Hebrew, Hindi and Thai, exported in their locales:
    // every title, payee and note reads back as typed, and the cover's month
    // reads as the locale writes it, at the rule's right end where the
    // locale writes right to left.
    void scriptLocalesReadBack_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("values"); // title, payee, note
        QTest::addColumn<bool>("rightToLeft");

        QTest::newRow("ar_EG") << QLocale(QStringLiteral("ar_EG"))
                               << QStringList{QStringLiteral("فاتورة الكهرباء"),
                                              QStringLiteral("شركة الكهرباء"), QStringLiteral("دفعت نقدا")}
                               << true;
        QTest::newRow("he_IL") << QLocale(QStringLiteral("he_IL"))
                               << QStringList{QStringLiteral("חשבון חשמל"), QStringLiteral("חברת החשמל"),
                                              QStringLiteral("שולם במזומן")}
                               << true;
        QTest::newRow("hi_IN") << QLocale(QStringLiteral("hi_IN"))
                               << QStringList{QStringLiteral("बिजली बिल"), QStringLiteral("विद्युत विभाग"),
                                              QStringLiteral("नकद भुगतान")}
                               << false;
        QTest::newRow("th_TH") << QLocale(QStringLiteral("th_TH"))
                               << QStringList{QStringLiteral("ค่าไฟฟ้า"), QStringLiteral("การไฟฟ้านครหลวง"),
                                              QStringLiteral("จ่ายเงินสดแล้ว")}
                               << false;
    }

    void scriptLocalesReadBack()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, values);
        QFETCH(bool, rightToLeft);
        if (!CPdfFontFinder::Instance().FaceFor(values[0].toUcs4().value(0)))
            QSKIP("no installed font has the script (fonts-dejavu-core, fonts-noto-core)");

        ExportRequest request;
        request.month = COleDateTime(2007, 3, 1, 0, 0, 0);
        request.locale = locale;
        request.dues = {MakeDue(values[0], 5, 1234.5, 2, false, values[2])};
        request.dues[0].m_strPayTo = values[1];
        request.outputPath = m_dir.filePath(QStringLiteral("script-%1.pdf").arg(locale.name()));
        int warnings = 0;
        request.warn = [&](const QString&) { ++warnings; };
        QString error;
        QVERIFY2(ExportPdfFile(request, &error), qPrintable(error));
        QCOMPARE(warnings, 0);
        CHECK_WITH_QPDF(request.outputPath);

        QString all;
        READ_TEXT_ORDERED(request.outputPath, all);
        const QStringList pages = SplitPages(all);
        QCOMPARE(pages.size(), 2);
        for (const QString& value : values)
            QVERIFY2(WithoutDirectionMarks(pages[1]).contains(value),
                     qPrintable(value + QLatin1Char('/') + pages[1]));

        // The cover's month: the name before the year as the locale reads,
        // so right of it in a right-to-left locale.
        const QString month = FormatDatePicture(request.month, QStringLiteral("MMM - yyyy"), locale);
        QList<PdfWord> words;
        READ_WORDS(request.outputPath, words);
        double left = 1000;
        double right = 0;
        double year = -1;
        double name = -1;
        for (const PdfWord& word : words) {
            // Below the rule at 470 (fonts of other scripts reach higher).
            if (word.page != 0 || word.yMin < 792 - 480)
                continue;
            left = std::min(left, word.xMin);
            right = std::max(right, word.xMax);
            if (word.text.contains(QLatin1String("2007")))
                year = word.xMin;
            else if (word.text.contains(WithoutDirectionMarks(month).at(0)) && name < 0)
                name = word.xMin; // a right-to-left word may come either way round
        }
        QVERIFY2(year >= 0 && name >= 0, qPrintable(month));
        if (rightToLeft) {
            QVERIFY2(qAbs(right - 500) < 1.5, qPrintable(QString::number(right)));
            QVERIFY(name > year);
        } else {
            QVERIFY2(qAbs(left - 380) < 1.5, qPrintable(QString::number(left)));
            QVERIFY(name < year);
            QCOMPARE(WithoutDirectionMarks(pages[0]).split(QLatin1Char('\n')).value(1),
                     WithoutDirectionMarks(AsRead(month)));
        }
    }

    // An ar_EG date (a digit, a right-to-left mark, ...) after its label
    // reads right to left as in the print page's cell: the year leftmost.
    void rightToLeftValueAfterItsLabel()
    {
        const QLocale egypt(QStringLiteral("ar_EG"));
        const QString start = FormatDatePicture(COleDateTime(2007, 3, 1, 0, 0, 0), QString(), egypt);
        if (!start.contains(QChar(0x200F)))
            QSKIP("this Qt writes ar_EG dates without right-to-left marks");
        ExportRequest request;
        request.month = COleDateTime(2007, 3, 1, 0, 0, 0);
        request.locale = egypt;
        request.dues = {MakeDue(QStringLiteral("Rent"), 5, 10, 1, false)};
        request.outputPath = m_dir.filePath(QStringLiteral("isolated.pdf"));
        QString error;
        QVERIFY2(ExportPdfFile(request, &error), qPrintable(error));
        QList<PdfWord> words;
        READ_WORDS(request.outputPath, words);
        QStringList startLine;
        double top = -1;
        for (const PdfWord& word : words) {
            if (word.page == 1 && word.text == QLatin1String("Start"))
                top = word.yMin;
        }
        for (const PdfWord& word : words) {
            if (word.page == 1 && qAbs(word.yMin - top) < 1)
                startLine << word.text;
        }
        QCOMPARE(startLine, (QStringList{QStringLiteral("Start"), QStringLiteral("Date"), QStringLiteral(":"),
                                         QStringLiteral("2007/3/1")}));
    }

    // Body text reads as typed: parentheses stay, a tab is blank space, a
    // lone line feed or carriage return breaks the line.
    void bodyAsTyped_data()
    {
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("parentheses") << QStringLiteral("Card (Visa)")
                                     << QStringList{QStringLiteral("Card (Visa)")};
        QTest::newRow("tab") << QStringLiteral("Tab\tand") << QStringList{QStringLiteral("Tab and")};
        QTest::newRow("line feed") << QStringLiteral("first\nsecond")
                                   << QStringList{QStringLiteral("first"), QStringLiteral("second")};
        QTest::newRow("carriage return") << QStringLiteral("first\rsecond")
                                         << QStringList{QStringLiteral("first"), QStringLiteral("second")};
        QTest::newRow("mixed") << QStringLiteral("a (1)\tb\r\nc\nd")
                               << QStringList{QStringLiteral("a (1) b"), QStringLiteral("c"),
                                              QStringLiteral("d")};
    }

    void bodyAsTyped()
    {
        QFETCH(QString, notes);
        QFETCH(QStringList, lines);

        ExportRequest request;
        request.month = COleDateTime(2007, 3, 1, 0, 0, 0);
        request.dues = {MakeDue(QStringLiteral("Typed"), 5, 10, 1, false, notes)};
        request.outputPath = m_dir.filePath(QStringLiteral("typed.pdf"));
        QString error;
        QVERIFY2(ExportPdfFile(request, &error), qPrintable(error));
        CHECK_WITH_QPDF(request.outputPath);
        QString text;
        READ_TEXT(request.outputPath, text);
        QStringList shown = SplitPages(text).value(1).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (QString& line : shown)
            line = line.simplified();
        const qsizetype notesAt = shown.indexOf(QStringLiteral("Notes"));
        QVERIFY(notesAt > 0);
        QCOMPARE(shown.mid(notesAt + 1), lines);
    }

    // A title too long for the top line ends in an ellipsis before "Record
    // i of n"; the body still holds all of it.
    void longTitle_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("shortened");

        QTest::newRow("fits") << QStringLiteral("Rent (March)") << false;
        QTest::newRow("latin") << QStringLiteral(
                                      "A very long title that keeps going well past where the record "
                                      "number is printed on the top line")
                               << true;
        QTest::newRow("one long word") << QString(60, QLatin1Char('W')) << true;
        QTest::newRow("japanese") << QStringLiteral("\u96FB\u6C17\u6599\u91D1").repeated(10) << true;
        QTest::newRow("line break in the title") << QStringLiteral("Two\r\nlines") << false;
    }

    void longTitle()
    {
        QFETCH(QString, title);
        QFETCH(bool, shortened);

        ExportRequest request;
        request.month = COleDateTime(2007, 3, 1, 0, 0, 0);
        request.dues = {MakeDue(title, 5, 10, 1, false)};
        request.outputPath = m_dir.filePath(QStringLiteral("title.pdf"));
        QString error;
        QVERIFY2(ExportPdfFile(request, &error), qPrintable(error));
        CHECK_WITH_QPDF(request.outputPath);

        QList<PdfWord> words;
        READ_WORDS(request.outputPath, words);
        double recordX = -1;
        double top = -1;
        for (const PdfWord& w : words) {
            if (w.page == 1 && w.text == QLatin1String("Record")) {
                recordX = w.xMin;
                top = w.yMin;
            }
        }
        QCOMPARE(recordX, 400.0);
        QString topLine;
        for (const PdfWord& w : words) {
            // Boxes of other fonts start a little higher or lower.
            if (w.page == 1 && qAbs(w.yMin - top) < 10 && w.xMin < recordX) {
                QVERIFY2(w.xMax < recordX,
                         qPrintable(QStringLiteral("%1 ends at %2").arg(w.text).arg(w.xMax)));
                topLine += w.text;
            }
        }
        QCOMPARE(topLine.endsWith(QChar(0x2026)), shortened);
        if (shortened)
            QVERIFY(WithoutBlanks(title).startsWith(topLine.chopped(1)));
        else
            QCOMPARE(topLine, WithoutBlanks(title));

        QString text;
        READ_TEXT(request.outputPath, text);
        QVERIFY(
            WithoutBlanks(SplitPages(text).value(1)).contains(QStringLiteral("Due:") + WithoutBlanks(title)));
    }

    void failuresAreReported_data()
    {
        QTest::addColumn<bool>("withDues");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");

        QTest::newRow("missing folder") << true << m_dir.filePath(QStringLiteral("gone/x.pdf"))
                                        << QStringLiteral("No such file or directory");
        QTest::newRow("a folder") << true << m_dir.path() << QString();
    }

    void emptyMonthGivesTheCoverPage()
    {
        ExportRequest request;
        request.month = COleDateTime(2007, 3, 1, 0, 0, 0);
        request.locale = QLocale(QLocale::English, QLocale::UnitedStates);
        request.outputPath = m_dir.filePath(QStringLiteral("none.pdf"));
        QString error;
        QVERIFY2(ExportPdfFile(request, &error), qPrintable(error));
        CHECK_WITH_QPDF(request.outputPath);
        QString all;
        READ_TEXT(request.outputPath, all);
        QVERIFY2(all.contains(QStringLiteral("Due Date(s)")) && all.contains(QStringLiteral("Mar - 2007")),
                 qPrintable(all));
        QVERIFY(!all.contains(QStringLiteral("Record")));
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
