#include "PdfTestTools.h"
#include "export/CPdfWriter.h"
#include "export/HelveticaMetrics.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Object numbers in the order their objects appear in the file.
QList<int> ObjectOrder(const QByteArray& doc)
{
    QList<int> order;
    static const QRegularExpression re(QStringLiteral("(?:^|[\\r\\n])(\\d+) 0 obj"));
    auto it = re.globalMatch(QString::fromLatin1(doc));
    while (it.hasNext())
        order.append(it.next().captured(1).toInt());
    return order;
}

// Checks what a reader relies on without one: startxref, 20-byte entries that
// point at their objects, stream lengths. Empty when all is well.
QString StructureProblem(const QByteArray& doc)
{
    const qsizetype sx = doc.lastIndexOf("startxref\r\n");
    if (sx < 0 || !doc.endsWith("\r\n%%EOF\r\n"))
        return QStringLiteral("no trailer");
    const qint64 xref = doc.mid(sx + 11, doc.size() - sx - 11 - 9).toLongLong();
    if (!doc.mid(xref).startsWith("xref\r\n0 "))
        return QStringLiteral("startxref does not point at the table");
    const qsizetype countEnd = doc.indexOf("\r\n", xref + 8);
    const int count = doc.mid(xref + 8, countEnd - xref - 8).toInt();
    const qsizetype entries = countEnd + 2;
    if (doc.mid(entries, 20) != "0000000000 65535 f\r\n")
        return QStringLiteral("bad free entry");
    for (int n = 1; n < count; ++n) {
        const QByteArray entry = doc.mid(entries + 20 * n, 20);
        if (entry.size() != 20 || !entry.endsWith(" 00000 n\r\n"))
            return QStringLiteral("entry %1 is not 20 bytes").arg(n);
        const qint64 off = entry.left(10).toLongLong();
        if (!doc.mid(off).startsWith(QByteArray::number(n) + " 0 obj"))
            return QStringLiteral("entry %1 points elsewhere").arg(n);
    }
    if (!doc.mid(entries + 20 * count)
             .startsWith("trailer\n<</Size " + QByteArray::number(count) + "/Root 1 0 R>>"))
        return QStringLiteral("trailer does not follow the table");
    static const QRegularExpression len(QStringLiteral("/Length (\\d+) ?>>stream\\r\\n"));
    auto it = len.globalMatch(QString::fromLatin1(doc));
    while (it.hasNext()) {
        const auto m = it.next();
        const qsizetype start = m.capturedEnd();
        const qsizetype end = doc.indexOf("\r\nendstream", start);
        if (end - start != m.captured(1).toLongLong())
            return QStringLiteral("stream length %1 is wrong").arg(m.captured(1));
    }
    return {};
}

QByteArray ContentsOf(const QByteArray& doc, int page)
{
    const QByteArray head = QByteArray::number(page) + " 0 obj<</Type /Page ";
    const qsizetype at = doc.indexOf(head);
    const qsizetype open = doc.indexOf("/Contents [", at) + 11;
    return doc.mid(open, doc.indexOf(']', open) - open);
}

} // namespace

class TestPdfWriter : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString SaveTemp(const CPdfWriter& w, const QString& name)
    {
        const QString path = m_dir.filePath(name);
        QString error;
        if (!w.Save(path, &error))
            qWarning() << "save failed:" << error;
        return path;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void onePageOneBlock()
    {
        CPdfWriter w;
        w.NewPage();
        w.AddTextBlock(QStringLiteral("Hi"), 100, 500, 2);

        const QByteArray expected =
            "%PDF-1.4\r\n"
            "1 0 obj<</Type /Catalog /Pages 4 0 R>>\nendobj\r"
            "2 0 obj\r\n[/PDF /Text]\r\nendobj\n"
            "3 0 obj\r\n<< /Type /Font /Subtype /Type1 /Name /F1 /BaseFont /Helvetica /Encoding "
            "/MacRomanEncoding>>endobj\r\n"
            "4 0 obj<</Type /Pages /Kids [5 0 R ] /Count 1>>\nendobj\r"
            "5 0 obj<</Type /Page /Parent 4 0 R /MediaBox[0 0 612 792] /Contents [6 0 R ] "
            "/Resources<</ProcSet 2 0 "
            "R\r\n/Font << /F1 3 0 R>>>>>>\nendobj\n"
            "6 0 obj<</Length 93>>stream\r\n"
            "0 g\r1 i \rBT\r/F1 2 Tf\r0 Tc 0 Tw 0  Ts 100  Tz 0 Tr 1.2 TL 12 0 0 12 100 500 Tm \rT* (Hi) Tj "
            "\rET"
            "\r\nendstream\rendobj\n"
            "xref\r\n0 7\r\n"
            "0000000000 65535 f\r\n"
            "0000000010 00000 n\r\n"
            "0000000056 00000 n\r\n"
            "0000000086 00000 n\r\n"
            "0000000194 00000 n\r\n"
            "0000000249 00000 n\r\n"
            "0000000386 00000 n\r\n"
            "trailer\n<</Size 7/Root 1 0 R>>\r\nstartxref\r\n527\r\n%%EOF\r\n";
        QCOMPARE(w.Document(), expected);

        const QString path = SaveTemp(w, QStringLiteral("one.pdf"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), expected);
        f.close();
        CHECK_WITH_QPDF(path);
        QString text;
        READ_TEXT(path, text);
        QCOMPARE(text.trimmed(), QStringLiteral("Hi"));
    }

    void pageWithTwoContents()
    {
        CPdfWriter w;
        w.NewPage();
        w.AddTextBlock(QStringLiteral("Due Date(s)"), 100, 500, 2);
        w.DrawLine(100, 470, 500, 470, 2);
        const QByteArray doc = w.Document();

        QVERIFY(
            doc.contains("5 0 obj<</Type /Page /Parent 4 0 R /MediaBox[0 0 612 792] /Contents [6 0 R 7 0 R ] "
                         "/Resources<</ProcSet 2 0 R\r\n/Font << /F1 3 0 R>>>>>>\nendobj\n"));
        // Both contents share bucket 0, the newer first.
        QVERIFY(doc.contains("7 0 obj<</Length 28 >>stream\r\n2 w\r\n100 470 m\r\n500 470 l\r\nS"
                             "\r\nendstream\rendobj\n6 0 obj<</Length "));
        // Parentheses in a text block are escaped, so the string stays closed.
        QVERIFY(doc.contains("T* (Due Date\\(s\\)) Tj \rET"));
        QVERIFY(!doc.contains(kContentsPlaceholderText()));
        QCOMPARE(StructureProblem(doc), QString());

        const QString path = SaveTemp(w, QStringLiteral("two.pdf"));
        CHECK_WITH_QPDF(path);
        QString text;
        READ_TEXT(path, text);
        QCOMPARE(text.trimmed(), QStringLiteral("Due Date(s)"));
    }

    // Pages and contents go to the file bucket by bucket: 0..15 descending,
    // then 16..31, ...; from 272 on a number comes before the one 272 lower.
    void enumerationOrder_data()
    {
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QList<int>>("expected");

        auto down = [](int from, int to) {
            QList<int> r;
            for (int n = from; n >= to; --n)
                r.append(n);
            return r;
        };

        // 20 empty pages: objects 5..24.
        QTest::newRow("pages past 16") << 20 << 0 << (QList<int>{1, 2, 3, 4} + down(15, 5) + down(24, 16));

        // One page (5) and 300 lines (6..305).
        QList<int> contents = down(287, 272) + down(15, 6) + down(303, 288) + down(31, 16) + down(305, 304);
        for (int b = 2; b <= 16; ++b)
            contents += down(16 * b + 15, 16 * b);
        QTest::newRow("contents past 272") << 1 << 300 << (QList<int>{1, 2, 3, 4, 5} + contents);
    }

    void enumerationOrder()
    {
        QFETCH(int, pages);
        QFETCH(int, lines);
        QFETCH(QList<int>, expected);

        CPdfWriter w;
        for (int i = 0; i < pages; ++i)
            w.NewPage();
        for (int i = 0; i < lines; ++i)
            w.DrawLine(10, 10 + i, 600, 10 + i, 1);
        const QByteArray doc = w.Document();

        QCOMPARE(ObjectOrder(doc), expected);
        QCOMPARE(StructureProblem(doc), QString());

        QByteArray kids = "/Kids [";
        for (int n = 5; n < 5 + pages; ++n)
            kids += QByteArray::number(n) + " 0 R ";
        kids += "] /Count " + QByteArray::number(pages) + ">>";
        QVERIFY(doc.contains(kids));

        CHECK_WITH_QPDF(SaveTemp(w, QStringLiteral("order%1.pdf").arg(pages)));
    }

    void escapingAndEncoding_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("inStream");
        QTest::addColumn<QString>("readBack");

        QTest::newRow("balanced parentheses")
            << QStringLiteral("Rent (March)") << QByteArray("(Rent \\(March\\))")
            << QStringLiteral("Rent (March)");
        QTest::newRow("lone parenthesis")
            << QStringLiteral("smile :)") << QByteArray("(smile :\\))") << QStringLiteral("smile :)");
        QTest::newRow("backslash at the end")
            << QStringLiteral("C:\\") << QByteArray("(C:\\\\)") << QStringLiteral("C:\\");
        QTest::newRow("accents") << QStringLiteral("Café Größe")
                                 << QByteArray("(Caf\x8E Gr\x9A\xA7"
                                               "e)")
                                 << QStringLiteral("Café Größe");
        QTest::newRow("decomposed accent")
            << QStringLiteral("Cafe\u0301") << QByteArray("(Caf\x8E)") << QStringLiteral("Café");
        QTest::newRow("typographic marks") << QStringLiteral("\u201CA\u201D \u2013 \u2022")
                                           << QByteArray("(\xD2"
                                                         "A\xD3 \xD0 \xA5)")
                                           << QStringLiteral("\u201CA\u201D \u2013 \u2022");
        QTest::newRow("no-break space") << QStringLiteral("1\u00A0234")
                                        << QByteArray("(1\xCA"
                                                      "234)")
                                        << QStringLiteral("1 234");
        // Glyphs of the standard Latin set that MacRoman lacks take the
        // encoding's empty codes, named in /Differences.
        QTest::newRow("euro through the differences")
            << QStringLiteral("\u20AC 5") << QByteArray("(\xAD 5)") << QStringLiteral("\u20AC 5");
        QTest::newRow("polish letters") << QStringLiteral("\u0141\u00F3d\u017A")
                                        << QByteArray("(\xAD\x97"
                                                      "d\xB0)")
                                        << QStringLiteral("\u0141\u00F3d\u017A");
        QTest::newRow("narrow no-break space shown as a space") << QStringLiteral("1\u202F234")
                                                                << QByteArray("(1\xCA"
                                                                              "234)")
                                                                << QStringLiteral("1 234");
        // Other scripts come from an embedded font, whose CIDs depend on it.
        QTest::newRow("cjk") << QStringLiteral("\u65E5\u672C x") << QByteArray()
                             << QStringLiteral("\u65E5\u672C x");
        QTest::newRow("astral character is one")
            << QStringLiteral("a\U0001F600b") << QByteArray() << QStringLiteral("a\U0001F600b");
    }

    void escapingAndEncoding()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, inStream);
        QFETCH(QString, readBack);

        CPdfWriter w;
        w.NewPage();
        w.AddTextBlock(text, 50, 700, 1);
        const QByteArray doc = w.Document();
        if (!inStream.isEmpty())
            QVERIFY2(doc.contains("T* " + inStream + " Tj"), doc.constData());
        QCOMPARE(StructureProblem(doc), QString());

        const QString path = SaveTemp(w, QStringLiteral("enc.pdf"));
        CHECK_WITH_QPDF(path);
        QString got;
        READ_TEXT(path, got);
        QCOMPARE(got.trimmed(), readBack);
    }

    // Wrapping at 500 px; the cell is unit * 9 / 5 (14 px for unit 8, 7 px
    // for unit 4). "W" is 944/1000 em: 42 fit at a 14 px cell, 84 at 7 px.
    void wrapLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QStringList>("expected");

        const QString w10(10, QLatin1Char('W'));
        auto ws = [](int n) { return QString(n, QLatin1Char('W')); };
        QTest::newRow("short") << QStringLiteral("Due : Rent") << 8
                               << QStringList{QStringLiteral("Due : Rent")};
        QTest::newRow("parentheses kept")
            << QStringLiteral("Rent (March)") << 8 << QStringList{QStringLiteral("Rent (March)")};
        QTest::newRow("empty lines kept")
            << QStringLiteral("\r\n\r\n Due : x\r\n") << 8
            << QStringList{QString(), QString(), QStringLiteral(" Due : x"), QString()};
        QTest::newRow("lone LF breaks the line")
            << QStringLiteral("a\nb") << 8 << QStringList{QStringLiteral("a"), QStringLiteral("b")};
        QTest::newRow("lone CR breaks the line")
            << QStringLiteral("a\rb\r\nc") << 8
            << QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
        QTest::newRow("tab becomes blanks")
            << QStringLiteral("Tab\tand") << 8 << QStringList{QStringLiteral("Tab    and")};
        QTest::newRow("next line and line separator break the line")
            << QStringLiteral("a\u0085b\u2028c") << 8
            << QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
        QTest::newRow("other control characters have no glyph")
            << QStringLiteral("a\x01\x7F\u0090b") << 8 << QStringList{QStringLiteral("ab")};
        QTest::newRow("exactly full") << ws(42) << 8 << QStringList{ws(42)};
        QTest::newRow("one glyph over") << ws(43) << 8 << QStringList{ws(42), ws(1)};
        QTest::newRow("word wider than the line") << ws(100) << 8 << QStringList{ws(42), ws(42), ws(16)};
        QTest::newRow("after the last blank that fits")
            << (w10 + QLatin1Char(' ')).repeated(5) << 8
            << QStringList{(w10 + QLatin1Char(' ')).repeated(4), w10 + QLatin1Char(' ')};
        QTest::newRow("after the last hyphen")
            << ws(20) + QLatin1Char('-') + ws(30) << 8 << QStringList{ws(20) + QLatin1Char('-'), ws(30)};
        QTest::newRow("blank before hyphen")
            << w10 + QLatin1Char(' ') + w10 + QLatin1Char('-') + ws(30) << 8
            << QStringList{w10 + QLatin1Char(' '), w10 + QLatin1Char('-') + ws(30)};
        QTest::newRow("cell rounds down") << ws(100) << 4 << QStringList{ws(84), ws(16)};
        QTest::newRow("accented letters measured")
            << QString(72, QChar(0xE9)) << 8 // é is 556/1000 em: 71 fit
            << QStringList{QString(71, QChar(0xE9)), QString(QChar(0xE9))};
        QTest::newRow("glyph wider than the line")
            << QStringLiteral("WWW") << 400 << QStringList{ws(1), ws(1), ws(1)};
    }

    void wrapLines()
    {
        QFETCH(QString, text);
        QFETCH(int, unit);
        QFETCH(QStringList, expected);
        QCOMPARE(CPdfWriter::WrapLines(text, unit), expected);
    }

    // A paragraph from y 720 with unit 8 holds 40 lines, each further page 43.
    void paragraphPages_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<QList<int>>("linesPerPage");

        QTest::newRow("one line") << 1 << QList<int>{1};
        QTest::newRow("first page full") << 40 << QList<int>{40};
        QTest::newRow("one over") << 41 << QList<int>{40, 1};
        QTest::newRow("second page full") << 83 << QList<int>{40, 43};
        QTest::newRow("third page") << 84 << QList<int>{40, 43, 1};
    }

    void paragraphPages()
    {
        QFETCH(int, lines);
        QFETCH(QList<int>, linesPerPage);

        QStringList body;
        for (int i = 1; i <= lines; ++i)
            body << QStringLiteral("line %1").arg(i);

        CPdfWriter w;
        w.NewPage();
        w.AddParagraph(body.join(QStringLiteral("\r\n")), 50, 720, 1, 8);
        const QByteArray doc = w.Document();
        QCOMPARE(StructureProblem(doc), QString());

        // Page p is object 5 + 2p (each page holds one block), block 6 + 2p.
        for (int p = 0; p < linesPerPage.size(); ++p) {
            const int page = 5 + 2 * p;
            const int block = page + 1;
            QCOMPARE(ContentsOf(doc, page), QByteArray::number(block) + " 0 R ");
            const qsizetype at = doc.indexOf("\n" + QByteArray::number(block) + " 0 obj<</Length");
            QVERIFY(at >= 0);
            const QByteArray stream = doc.mid(at, doc.indexOf("endstream", at) - at);
            QVERIFY(stream.contains(p == 0 ? "12 0 0 12 50 720 Tm" : "12 0 0 12 50 750 Tm"));
            QCOMPARE(stream.count(")Tj T*("), linesPerPage[p]);
        }
        QVERIFY(doc.contains("/Count " + QByteArray::number(linesPerPage.size()) + ">>"));

        const QString path = SaveTemp(w, QStringLiteral("para.pdf"));
        CHECK_WITH_QPDF(path);
        QString text;
        READ_TEXT(path, text);
        const QStringList shown =
            text.split(QRegularExpression(QStringLiteral("[\n\f]")), Qt::SkipEmptyParts);
        QCOMPARE(shown.size(), lines);
        QCOMPARE(shown.first(), QStringLiteral("line 1"));
        QCOMPARE(shown.last(), QStringLiteral("line %1").arg(lines));
    }

    void emptyLineIsEmptyString()
    {
        CPdfWriter w;
        w.NewPage();
        w.AddParagraph(QStringLiteral("a\r\n\r\nb"), 50, 720, 1, 8);
        QVERIFY(w.Document().contains("T* (a)Tj T*()Tj T*(b)Tj T*() Tj \rET"));
    }

    // Every glyph of Helvetica's standard Latin set reads back as its
    // character: MacRoman alone keeps the plain encoding, the rest of the
    // set goes through /Differences, and once the 256 codes are used up the
    // remainder comes from an embedded font.
    void standardLatinSet_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("differences");
        QTest::addColumn<bool>("embedded");

        QString macRoman, others;
        for (int i = 0; i < HelveticaGlyphCount(); ++i) {
            const HelveticaGlyph& g = HelveticaGlyphAt(i);
            if (g.unicode <= 0x20 || QChar::isSpace(g.unicode))
                continue; // blanks read back as word breaks
            (g.macRoman != 0 ? macRoman : others) += QChar(g.unicode);
        }
        QTest::newRow("MacRoman") << macRoman << false << false;
        QTest::newRow("outside MacRoman") << others << true << false;
        QTest::newRow("whole set, more glyphs than codes") << macRoman + others << true << true;
    }

    void standardLatinSet()
    {
        QFETCH(QString, text);
        QFETCH(bool, differences);
        QFETCH(bool, embedded);

        // In lines that stay on the page.
        QStringList lines;
        for (qsizetype i = 0; i < text.size(); i += 30)
            lines << text.mid(i, 30);
        CPdfWriter w;
        w.NewPage();
        w.AddTextBlock(lines.join(QStringLiteral("\r\n")), 50, 740, 1);
        const QByteArray doc = w.Document();
        QCOMPARE(doc.contains("/Differences ["), differences);
        QCOMPARE(doc.contains("/Subtype /Type0"), embedded);
        if (!differences)
            QVERIFY(doc.contains("/BaseFont /Helvetica /Encoding /MacRomanEncoding>>endobj"));

        const QString path = SaveTemp(w, QStringLiteral("latin.pdf"));
        CHECK_WITH_QPDF(path);
        QString got;
        READ_TEXT(path, got);
        // Readers spell out the fi and fl ligatures.
        QCOMPARE(
            got.remove(QLatin1Char('\n')).remove(QLatin1Char('\f')).normalized(QString::NormalizationForm_KC),
            text.normalized(QString::NormalizationForm_KC));
    }

    // Scripts beyond the Latin set come from embedded subsets: TrueType
    // (DejaVu Sans) as CIDFontType2 with a CIDToGIDMap, CFF (Noto Sans CJK)
    // as CIDFontType0; characters no font has show a box and still read back.
    void otherScripts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("fontParts");

        const QStringList trueType{QStringLiteral("/CIDFontType2"), QStringLiteral("/FontFile2"),
                                   QStringLiteral("/CIDToGIDMap"), QStringLiteral("/Encoding /Identity-H")};
        const QStringList cff{QStringLiteral("/CIDFontType0"), QStringLiteral("/FontFile3"),
                              QStringLiteral("/Subtype /CIDFontType0C")};
        QTest::newRow("greek") << QStringLiteral("\u0395\u03BD\u03BF\u03AF\u03BA\u03B9\u03BF (\u03A9)")
                               << trueType;
        QTest::newRow("cyrillic") << QStringLiteral("\u0410\u0440\u0435\u043D\u0434\u0430 \u20BD 5")
                                  << trueType;
        QTest::newRow("rupee and romanian comma below")
            << QStringLiteral("\u20B9 12 \u021Bar\u0103") << trueType;
        QTest::newRow("japanese") << QStringLiteral("\u5BB6\u8CC3 3\u6708\u5206\u3002\u30AB\u30FC\u30C9")
                                  << cff;
        QTest::newRow("mixed in one line")
            << QStringLiteral("\u0141\u00F3d\u017A \u0391 \u0416 \u65E5 (x)") << (trueType + cff);
        // Shown as a replacement mark that still reads as the character.
        QTest::newRow("character no font has") << QStringLiteral("a\uE000b") << trueType;
    }

    void otherScripts()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, fontParts);

        for (bool paragraph : {false, true}) {
            CPdfWriter w;
            w.NewPage();
            if (paragraph)
                w.AddParagraph(text, 50, 720, 1, 8);
            else
                w.AddTextBlock(text, 50, 720, 1);
            QString error;
            const QByteArray doc = w.Document(&error);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            for (const QString& part : fontParts)
                QVERIFY2(doc.contains(part.toLatin1()), qPrintable(part));
            QCOMPARE(StructureProblem(doc), QString());

            const QString path = SaveTemp(w, QStringLiteral("scripts.pdf"));
            CHECK_WITH_QPDF(path);
            QString got;
            READ_TEXT(path, got);
            QCOMPARE(got.trimmed(), text);
        }
    }

    // Wrapped lines end before the right margin as a reader lays them out,
    // whatever the script, and still use the width they have.
    void paragraphInsideRight_data()
    {
        QTest::addColumn<QString>("text");

        QTest::newRow("words") << QStringLiteral("Twelve monthly payments of the water bill, ").repeated(6);
        QTest::newRow("one long word") << QString(120, QLatin1Char('W'));
        QTest::newRow("cyrillic")
            << QStringLiteral("\u041E\u043F\u043B\u0430\u0447\u0435\u043D\u043E ").repeated(20);
        QTest::newRow("japanese without blanks")
            << QStringLiteral("\u652F\u6255\u3044\u6E08\u307F").repeated(20);
    }

    void paragraphInsideRight()
    {
        QFETCH(QString, text);

        CPdfWriter w;
        w.NewPage();
        w.AddParagraph(text, 50, 720, 1, 8, 500);
        const QString path = SaveTemp(w, QStringLiteral("margin.pdf"));
        CHECK_WITH_QPDF(path);
        QList<PdfWord> words;
        READ_WORDS(path, words);
        QVERIFY(!words.isEmpty());
        QList<double> rows;
        double widest = 0;
        QString all;
        for (const PdfWord& word : words) {
            QVERIFY2(word.xMax <= 500.5,
                     qPrintable(QStringLiteral("%1 ends at %2").arg(word.text).arg(word.xMax)));
            widest = std::max(widest, word.xMax);
            if (!rows.contains(word.yMin))
                rows.append(word.yMin);
            all += word.text;
        }
        QVERIFY(rows.size() > 1);
        // A line gives away at most a word's width.
        QVERIFY2(widest > 400, qPrintable(QString::number(widest)));
        QString expected = text;
        QCOMPARE(all, expected.remove(QLatin1Char(' ')));
    }

    void elideText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");

        QTest::newRow("fits") << QStringLiteral("Rent (March)") << 338 << QStringLiteral("Rent (March)");
        QTest::newRow("empty") << QString() << 338 << QString();
        // W is 944/1000 em, 11.328 pt at 12 pt: 10 fit into 120 pt, 9 with
        // the ellipsis (12 pt) after them.
        QTest::newRow("exactly full")
            << QString(10, QLatin1Char('W')) << 114 << QString(10, QLatin1Char('W'));
        QTest::newRow("one over") << QString(11, QLatin1Char('W')) << 114
                                  << QString(9, QLatin1Char('W')) + QChar(0x2026);
        QTest::newRow("blank before the cut goes")
            << QStringLiteral("WWWWWWWW WW") << 114 << QStringLiteral("WWWWWWWW") + QChar(0x2026);
        QTest::newRow("no room at all") << QStringLiteral("WW") << 5 << QString(QChar(0x2026));
    }

    void elideText()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, expected);

        CPdfWriter w;
        QCOMPARE(w.ElideText(text, 1, width), expected);
    }

    // The cut falls between whole characters as readers see them, never
    // between a letter and its mark, nor inside a flag.
    void elideKeepsClusters_data()
    {
        QTest::addColumn<QString>("cluster");
        QTest::addColumn<QString>("last");

        QTest::newRow("consonant with a spacing vowel sign")
            << QStringLiteral("\u0915\u093E") << QStringLiteral("\u093E");
        QTest::newRow("flag") << QStringLiteral("\U0001F1E9\U0001F1EA") << QStringLiteral("\U0001F1EA");
    }

    void elideKeepsClusters()
    {
        QFETCH(QString, cluster);
        QFETCH(QString, last);

        CPdfWriter w;
        const QString text = cluster.repeated(80);
        // Widths across a few clusters, so the room left ends mid-cluster
        // for some of them.
        for (int width = 100; width <= 130; ++width) {
            const QString shown = w.ElideText(text, 1, width);
            QVERIFY2(shown.endsWith(last + QChar(0x2026)), qPrintable(QString::number(width)));
            QVERIFY(shown.size() < text.size());
        }
    }

    void saveFailureIsReported_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing folder") << m_dir.filePath(QStringLiteral("no/such/folder/x.pdf"));
        QTest::newRow("a folder") << m_dir.path();
        QTest::newRow("empty path") << QString();
    }

    void saveFailureIsReported()
    {
        QFETCH(QString, path);
        CPdfWriter w;
        w.NewPage();
        QString error;
        QVERIFY(!w.Save(path, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFileInfo(path).isFile());
    }

    void saveReplacesLongerFile()
    {
        const QString path = m_dir.filePath(QStringLiteral("replace.pdf"));
        CPdfWriter big;
        big.NewPage();
        big.AddParagraph(QString(5000, QLatin1Char('x')), 50, 720, 1, 8);
        QVERIFY(big.Save(path));
        CPdfWriter small;
        small.NewPage();
        QVERIFY(small.Save(path));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), small.Document());
    }

private:
    static QByteArray kContentsPlaceholderText() { return CPdfWriter::kContentsPlaceholder; }
};

QTEST_GUILESS_MAIN(TestPdfWriter)
#include "tst_pdfwriter.moc"
