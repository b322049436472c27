#include "export/CPdfFontFinder.h"
#include "export/CPdfWriter.h"
#include "model/base/COleDateTime.h"
#include "model/base/LocaleFormat.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include <cmath>

// The PDF export draws a line of Arabic, Hebrew or Devanagari as the print
// preview does, and never leaves a blank for a character no font has: pdftoppm's rendering of the PDF and the
// preview's text document painted on an image are compared by their ink (the box it fills, and the two boxes'
// pictures, brought to one size, correlated). Nothing is compared pixel for pixel: the two renderers hint and
// smooth differently. Texts that the preview draws wrongly on purpose (reversed, unjoined, a vowel sign after
// its consonant) show that the comparison tells them apart.
namespace {

constexpr int kDpi = 144;
constexpr int kEmPixels = 48; // 24 points at 144 dpi: size 2 of the writer
constexpr int kSampleWidth = 320;
constexpr int kSampleHeight = 64;

// The part of image that has ink (pixels darker than mid grey).
QRect InkBox(const QImage& image)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    int left = grey.width();
    int right = -1;
    int top = grey.height();
    int bottom = -1;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            if (row[x] < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Ink of the box, as values from 0 (paper) to 1 (black), at one size.
std::vector<double> Sample(const QImage& image, const QRect& box)
{
    const QImage scaled =
        image.copy(box)
            .convertToFormat(QImage::Format_Grayscale8)
            .scaled(kSampleWidth, kSampleHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    std::vector<double> ink;
    ink.reserve(size_t(kSampleWidth) * kSampleHeight);
    for (int y = 0; y < scaled.height(); ++y) {
        const uchar* row = scaled.constScanLine(y);
        for (int x = 0; x < scaled.width(); ++x)
            ink.push_back((255 - row[x]) / 255.0);
    }
    return ink;
}

double Correlation(const std::vector<double>& a, const std::vector<double>& b)
{
    double meanA = 0;
    double meanB = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        meanA += a[i];
        meanB += b[i];
    }
    meanA /= double(a.size());
    meanB /= double(b.size());
    double ab = 0;
    double aa = 0;
    double bb = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        ab += (a[i] - meanA) * (b[i] - meanB);
        aa += (a[i] - meanA) * (a[i] - meanA);
        bb += (b[i] - meanB) * (b[i] - meanB);
    }
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0;
}

// The preview's drawing of text: a text document in the PDF's fonts, Nimbus
// Sans (what readers draw Helvetica with) for Latin letters and digits, then
// DejaVu Sans; both fall back through fontconfig for what these lack.
QImage PreviewImage(const QString& text)
{
    QImage image(2400, 240, QImage::Format_RGB32);
    image.fill(Qt::white);
    QTextDocument document;
    QFont font;
    font.setFamilies({QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(kEmPixels);
    document.setDefaultFont(font);
    document.setTextWidth(image.width());
    document.setPlainText(text);
    QPainter painter(&image);
    document.drawContents(&painter);
    return image;
}

} // namespace

class TestPdfMatchesPreview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_canRender = !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
    }

    void lineLooksAsInThePreview_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("previewText");
        QTest::addColumn<bool>("alike");

        const QString arabic = QStringLiteral("فاتورة الكهرباء");
        const QString hebrew = QStringLiteral("חשבון חשמל");
        const QString hindi = QStringLiteral("बिजली बिल");
        QTest::newRow("arabic") << arabic << arabic << true;
        QTest::newRow("hebrew") << hebrew << hebrew << true;
        QTest::newRow("devanagari") << hindi << hindi << true;
        QTest::newRow("arabic month, ar_EG")
            << FormatDatePicture(COleDateTime(2007, 3, 1, 0, 0, 0), QStringLiteral("MMM - yyyy"),
                                 QLocale(QStringLiteral("ar_EG")))
            << FormatDatePicture(COleDateTime(2007, 3, 1, 0, 0, 0), QStringLiteral("MMM - yyyy"),
                                 QLocale(QStringLiteral("ar_EG")))
            << true;
        const QString shekels =
            FormatCurrencyText(QStringLiteral("1234.50"), QLocale(QStringLiteral("he_IL")));
        QTest::newRow("amount, he_IL") << shekels << shekels << true;
        const QString pounds =
            FormatCurrencyText(QStringLiteral("1234.50"), QLocale(QStringLiteral("ar_EG")));
        QTest::newRow("amount, ar_EG") << pounds << pounds << true;

        // What the comparison must catch: left to right instead of right to
        // left, letters that do not join, a vowel sign after its consonant.
        QTest::newRow("arabic reversed")
            << arabic << QStringLiteral("\u202D") + arabic + QStringLiteral("\u202C") << false;
        QString unjoined;
        for (QChar c : arabic)
            unjoined += QString(c) + QChar(0x200C);
        QTest::newRow("arabic unjoined") << arabic << unjoined << false;
        QTest::newRow("hebrew reversed")
            << hebrew << QStringLiteral("\u202D") + hebrew + QStringLiteral("\u202C") << false;
        // As an unshaped PDF drew it: the vowel sign after its consonant, as
        // if it belonged to the next one.
        QTest::newRow("devanagari vowel sign out of place") << hindi << QStringLiteral("बजिली बलि") << false;
    }

    void lineLooksAsInThePreview()
    {
        QFETCH(QString, text);
        QFETCH(QString, previewText);
        QFETCH(bool, alike);
        if (!m_canRender)
            QSKIP("pdftoppm is not installed (scripts/setup-deps.sh --with-test-tools)");
        for (char32_t c : text.toUcs4()) {
            if (c > 0x7F && !CPdfFontFinder::Instance().FaceFor(c))
                QSKIP("no installed font has the script (fonts-dejavu-core, fonts-noto-core)");
        }

        CPdfWriter writer;
        writer.NewPage();
        writer.AddTextBlock(text, 50, 700, 2);
        const QString pdf = m_dir.filePath(QStringLiteral("line.pdf"));
        QString error;
        QVERIFY2(writer.Save(pdf, &error), qPrintable(error));
        QVERIFY(writer.MissingCharacters().empty());
        const QImage page = Render(pdf);
        QVERIFY(!page.isNull());
        const QImage preview = PreviewImage(previewText);

        const QRect pageBox = InkBox(page);
        const QRect previewBox = InkBox(preview);
        QVERIFY(pageBox.isValid() && previewBox.isValid());
        const double widths = double(pageBox.width()) / previewBox.width();
        const double heights = double(pageBox.height()) / previewBox.height();
        const double correlation = Correlation(Sample(page, pageBox), Sample(preview, previewBox));
        const QString measured =
            QStringLiteral("width %1, height %2, correlation %3").arg(widths).arg(heights).arg(correlation);
        qInfo("%s", qPrintable(measured));
        const bool sameBox = qAbs(widths - 1) < 0.1 && qAbs(heights - 1) < 0.15;
        QVERIFY2((sameBox && correlation > kAlike) == alike, qPrintable(measured));
    }

    // A character no installed font has leaves ink, a replacement mark,
    // with the installed fonts and with none at all.
    void replacementMarkIsInk_data()
    {
        QTest::addColumn<bool>("installedFonts");
        QTest::newRow("installed fonts") << true;
        QTest::newRow("no fonts at all") << false;
    }

    void replacementMarkIsInk()
    {
        QFETCH(bool, installedFonts);
        if (!m_canRender)
            QSKIP("pdftoppm is not installed (scripts/setup-deps.sh --with-test-tools)");
        if (!installedFonts)
            CPdfFontFinder::Instance().UseOnlyFiles({});
        const auto restore = qScopeGuard([] { CPdfFontFinder::Instance().UseInstalledFonts(); });

        CPdfWriter writer;
        writer.NewPage();
        writer.AddTextBlock(QStringLiteral("\uE000\uE000\uE000"), 50, 700, 2); // private use: no font has it
        QCOMPARE(writer.MissingCharacters().size(), size_t(1));
        const QString pdf = m_dir.filePath(QStringLiteral("mark.pdf"));
        QVERIFY(writer.Save(pdf));
        const QRect ink = InkBox(Render(pdf));
        QVERIFY2(ink.width() > kEmPixels / 2 && ink.height() > kEmPixels / 4, "the marks left no ink");
    }

private:
    // The first page at kDpi, as pdftoppm renders it.
    QImage Render(const QString& pdf)
    {
        const QString root = pdf.chopped(4);
        QProcess render;
        render.start(QStringLiteral("pdftoppm"),
                     {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(kDpi),
                      QStringLiteral("-singlefile"), pdf, root});
        if (!render.waitForFinished(60000) || render.exitCode() != 0)
            return QImage();
        return QImage(root + QStringLiteral(".png"));
    }

    bool m_canRender = false;
    // Alike lines measure above 0.95 here, the wrong ones below 0.65.
    static constexpr double kAlike = 0.85;
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestPdfMatchesPreview)
#include "tst_pdfmatchespreview.moc"
