#include "PdfTestTools.h"
#include "export/CPdfFontFinder.h"
#include "export/CPdfWriter.h"

#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <array>

// Text beyond the Latin set as readers see it: shaped, in the order typed,
// right-to-left lines at the right edge, wrapped where the script allows,
// and every character drawn by some font or by a visible replacement mark.
namespace {

const QString kDejaVu = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
const QString kSymbola = QStringLiteral("/usr/share/fonts/truetype/ancient-scripts/Symbola_hint.ttf");

// Whether an installed font has the first character of text.
bool HasFontFor(const QString& text)
{
    return CPdfFontFinder::Instance().FaceFor(text.toUcs4().value(0)) != nullptr;
}

} // namespace

class TestPdfScripts : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString Save(const CPdfWriter& w, const QString& name)
    {
        const QString path = m_dir.filePath(name);
        QString error;
        if (!w.Save(path, &error))
            qWarning() << "save failed:" << error;
        return path;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // pdftotext gives back what was typed: Arabic joined and in order,
    // Hebrew with its points, a Devanagari vowel sign drawn before its
    // consonant still after it, Thai vowels that the font draws in two
    // pieces once, an emoji sequence with its joiners.
    void readsBackAsTyped_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("package");

        QTest::newRow("arabic") << QStringLiteral("فاتورة الكهرباء") << QStringLiteral("fonts-dejavu-core");
        QTest::newRow("arabic ligature") << QStringLiteral("لا إله") << QStringLiteral("fonts-dejavu-core");
        QTest::newRow("arabic in brackets")
            << QStringLiteral("فاتورة (مارس)") << QStringLiteral("fonts-dejavu-core");
        QTest::newRow("hebrew") << QStringLiteral("חשבון חשמל") << QStringLiteral("fonts-dejavu-core");
        QTest::newRow("hebrew with points") << QStringLiteral("שָׁלוֹם") << QStringLiteral("fonts-dejavu-core");
        QTest::newRow("devanagari vowel sign before its consonant")
            << QStringLiteral("बिजली बिल") << QStringLiteral("fonts-noto-core");
        QTest::newRow("devanagari conjuncts")
            << QStringLiteral("क्षत्रिय") << QStringLiteral("fonts-noto-core");
        QTest::newRow("thai") << QStringLiteral("ค่าไฟฟ้าประจำเดือน") << QStringLiteral("fonts-noto-core");
        QTest::newRow("emoji sequences") << QStringLiteral("👨\u200D👩\u200D👧\u200D👦 🇩🇪 🍿")
                                         << QStringLiteral("fonts-symbola");
    }

    void readsBackAsTyped()
    {
        QFETCH(QString, text);
        QFETCH(QString, package);
        if (!HasFontFor(text))
            QSKIP(qPrintable(QStringLiteral("no installed font has this script (%1)").arg(package)));

        for (bool paragraph : {false, true}) {
            CPdfWriter w;
            w.NewPage();
            if (paragraph)
                w.AddParagraph(text, 50, 700, 1, 8);
            else
                w.AddTextBlock(text, 50, 700, 2);
            QVERIFY(w.MissingCharacters().empty());
            const QString path = Save(w, QStringLiteral("typed.pdf"));
            CHECK_WITH_QPDF(path);
            QString got;
            READ_TEXT_ORDERED(path, got);
            QCOMPARE(WithoutDirectionMarks(got), text);
        }
    }

    // A right-to-left paragraph's lines end at the right edge, wrapped or
    // not; a line that starts with a left-to-right label starts at the left.
    void linesAlign_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("toTheRight");

        QTest::newRow("arabic") << QStringLiteral("فاتورة الكهرباء") << true;
        QTest::newRow("hebrew, wrapped") << QStringLiteral("חשבון חשמל לחודש מרץ ").repeated(8) << true;
        QTest::newRow("label before arabic") << QStringLiteral("Due : فاتورة الكهرباء") << false;
        QTest::newRow("devanagari") << QStringLiteral("बिजली बिल") << false;
    }

    void linesAlign()
    {
        QFETCH(QString, text);
        QFETCH(bool, toTheRight);
        if (!HasFontFor(text.right(3)))
            QSKIP("no installed font has this script (fonts-dejavu-core, fonts-noto-core)");

        constexpr int kLeft = 50;
        constexpr int kRight = 400;
        CPdfWriter w;
        w.NewPage();
        w.AddParagraph(text, kLeft, 700, 1, 8, kRight);
        const QString path = Save(w, QStringLiteral("align.pdf"));
        CHECK_WITH_QPDF(path);
        QList<PdfWord> words;
        READ_WORDS(path, words);
        QVERIFY(!words.isEmpty());
        // Each line's ends. Lines are 16 points apart; the words of one line
        // start a little higher or lower by their fonts.
        QList<std::array<double, 3>> rows; // top, left, right
        for (const PdfWord& word : words) {
            auto row = std::find_if(rows.begin(), rows.end(),
                                    [&](const auto& r) { return qAbs(r[0] - word.yMin) < 8; });
            if (row == rows.end()) {
                rows.append({word.yMin, word.xMin, word.xMax});
                continue;
            }
            (*row)[1] = std::min((*row)[1], word.xMin);
            (*row)[2] = std::max((*row)[2], word.xMax);
        }
        for (const auto& [top, left, right] : rows) {
            const QString where = QStringLiteral("%1..%2").arg(left).arg(right);
            if (toTheRight) {
                QVERIFY2(qAbs(right - kRight) < 1.5, qPrintable(where));
                QVERIFY2(left > kLeft + 1, qPrintable(where));
            } else {
                QVERIFY2(qAbs(left - kLeft) < 1.5, qPrintable(where));
            }
        }
        if (text.endsWith(QLatin1Char(' ')))
            QVERIFY(rows.size() > 1);
    }

    // Thai has no blanks between words: lines break between words, never
    // inside one (nor between a consonant and its marks).
    void thaiWrapsBetweenWords()
    {
        // ค่า ไฟฟ้า ประจำ เดือน: words of 3, 5, 5 and 5 units.
        const QString phrase = QStringLiteral("ค่าไฟฟ้าประจำเดือน");
        if (!HasFontFor(phrase))
            QSKIP("no installed font has Thai (fonts-noto-core)");
        const QString text = phrase.repeated(12);
        const QStringList lines = CPdfWriter::WrapLines(text, 8);
        QVERIFY(lines.size() > 1);
        QCOMPARE(lines.join(QString()), text);
        qsizetype at = 0;
        for (const QString& line : lines) {
            const qsizetype inPhrase = at % phrase.size();
            QVERIFY2(inPhrase == 0 || inPhrase == 3 || inPhrase == 8 || inPhrase == 13,
                     qPrintable(QStringLiteral("line starts at %1").arg(at)));
            at += line.size();
        }
    }

    // Without any break opportunity, lines still end between clusters as
    // shaped: a conjunct (three characters, one glyph) stays whole.
    void conjunctStaysOnOneLine()
    {
        const QString conjunct = QStringLiteral("क्ष");
        if (!HasFontFor(conjunct))
            QSKIP("no installed font has Devanagari (fonts-noto-core)");
        const QStringList lines = CPdfWriter::WrapLines(conjunct.repeated(100), 8);
        QVERIFY(lines.size() > 1);
        for (const QString& line : lines)
            QVERIFY2(line.size() % conjunct.size() == 0, qPrintable(QString::number(line.size())));
    }

    // Characters no font has: the replacement mark, the characters listed
    // once each, the text still reading as typed where a font can carry it.
    void missingCharacters_data()
    {
        QTest::addColumn<QStringList>("fontFiles");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("readBack");
        QTest::addColumn<QList<uint>>("missing");

        QTest::newRow("latin needs no font") << QStringList() << QStringLiteral("\u0141\u00F3d\u017A \u20AC")
                                             << QStringLiteral("\u0141\u00F3d\u017A \u20AC") << QList<uint>{};
        QTest::newRow("no font at all: a question mark")
            << QStringList() << QStringLiteral("ab \u0416") << QStringLiteral("ab ?") << QList<uint>{0x416};
        QTest::newRow("japanese with DejaVu only")
            << QStringList{kDejaVu} << QStringLiteral("\u65E5\u672C") << QStringLiteral("\u65E5\u672C")
            << QList<uint>{0x65E5, 0x672C};
        // Words of more than one character: a reader takes even gaps between
        // single characters for letter spacing.
        QTest::newRow("emoji without an emoji font, twice")
            << QStringList{kDejaVu} << QStringLiteral("Popcorn \U0001F37F and \U0001F37F")
            << QStringLiteral("Popcorn \U0001F37F and \U0001F37F") << QList<uint>{0x1F37F};
        QTest::newRow("emoji with a monochrome emoji font")
            << QStringList{kDejaVu, kSymbola} << QStringLiteral("Popcorn \U0001F37F done \u2705")
            << QStringLiteral("Popcorn \U0001F37F done \u2705") << QList<uint>{};
        QTest::newRow("arabic word with a character no font has")
            << QStringList{kDejaVu} << QStringLiteral("فا\uE000ة") << QStringLiteral("فا\uE000ة")
            << QList<uint>{0xE000};
    }

    void missingCharacters()
    {
        QFETCH(QStringList, fontFiles);
        QFETCH(QString, text);
        QFETCH(QString, readBack);
        QFETCH(QList<uint>, missing);
        for (const QString& file : fontFiles) {
            if (!QFileInfo::exists(file))
                QSKIP(qPrintable(file + QStringLiteral(" is not installed (scripts/setup-deps.sh)")));
        }
        CPdfFontFinder::Instance().UseOnlyFiles(fontFiles);
        const auto restore = qScopeGuard([] { CPdfFontFinder::Instance().UseInstalledFonts(); });

        CPdfWriter w;
        w.NewPage();
        w.AddParagraph(text, 50, 720, 1, 8);
        QList<uint> got;
        for (char32_t c : w.MissingCharacters())
            got.append(uint(c));
        QCOMPARE(got, missing);
        const QString path = Save(w, QStringLiteral("missing.pdf"));
        QVERIFY(QFileInfo::exists(path));
        CHECK_WITH_QPDF(path);
        QString read;
        READ_TEXT_ORDERED(path, read);
        QCOMPARE(WithoutDirectionMarks(read), readBack);
    }

    // An elided right-to-left title keeps its start (the right end) and
    // then fits.
    void elideRightToLeft()
    {
        const QString title = QStringLiteral("فاتورة الكهرباء الشهرية للمنزل ").repeated(4);
        if (!HasFontFor(title))
            QSKIP("no installed font has Arabic (fonts-dejavu-core)");
        CPdfWriter w;
        const QString shown = w.ElideText(title, 1, 150);
        QVERIFY(shown.endsWith(QChar(0x2026)));
        QVERIFY(shown.size() < title.size());
        QVERIFY(title.startsWith(shown.chopped(1)));
        QCOMPARE(w.ElideText(shown, 1, 150), shown);
    }
};

QTEST_GUILESS_MAIN(TestPdfScripts)
#include "tst_pdfscripts.moc"
