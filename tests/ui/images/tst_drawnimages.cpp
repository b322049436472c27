// The program's drawn icons: painted when a size is first asked for, the
// same image at every size the frame uses, and a disabled look of their own.
#include "ui/images/DrawnImages.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <thread>

using DrawnImages::Glyph;

namespace {
bool HasInk(const QPixmap& pix)
{
    const QImage image = pix.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
    return false;
}
} // namespace

class TestDrawnImages : public QObject
{
    Q_OBJECT
private slots:
    void iconsPaintTheGlyphAtTheAskedSize_data()
    {
        QTest::addColumn<QString>("kind"); // glyph, theme (a name no theme has), app
        QTest::addColumn<int>("glyph");
        QTest::addColumn<int>("size");
        QTest::newRow("glyph at 16") << "glyph" << int(Glyph::New) << 16;
        QTest::newRow("glyph at an odd size") << "glyph" << int(Glyph::Delete) << 19;
        QTest::newRow("theme fallback at 24") << "theme" << int(Glyph::Refresh) << 24;
        QTest::newRow("undo at 16") << "glyph" << int(Glyph::Undo) << 16;
        QTest::newRow("redo at 22") << "glyph" << int(Glyph::Redo) << 22;
        QTest::newRow("application icon at 64") << "app" << int(Glyph::AppIcon) << 64;
    }

    void iconsPaintTheGlyphAtTheAskedSize()
    {
        QFETCH(QString, kind);
        QFETCH(int, glyph);
        QFETCH(int, size);
        const Glyph g = Glyph(glyph);
        const QIcon icon = kind == QLatin1String("app") ? DrawnImages::AppIcon()
                           : kind == QLatin1String("theme")
                               ? DrawnImages::ThemeIcon("tallyvane-no-such-icon", g)
                               : DrawnImages::GlyphIcon(g);
        QVERIFY(!icon.isNull());
        QVERIFY(!icon.availableSizes().isEmpty());
        const QPixmap normal = icon.pixmap(QSize(size, size));
        QCOMPARE(normal.size(), QSize(size, size));
        QVERIFY(HasInk(normal));
        QCOMPARE(normal.toImage(), DrawnImages::Paint(g, size).toImage());
        // Disabled commands look disabled.
        const QPixmap disabled = icon.pixmap(QSize(size, size), QIcon::Disabled);
        QCOMPARE(disabled.size(), QSize(size, size));
        QVERIFY(disabled.toImage() != normal.toImage());
    }

    void eachGlyphIsPaintedOncePerSize()
    {
        const QPixmap first = DrawnImages::Paint(Glyph::Calendar, 32);
        const QPixmap again = DrawnImages::Paint(Glyph::Calendar, 32);
        QCOMPARE(again.cacheKey(), first.cacheKey());
        QVERIFY(DrawnImages::Paint(Glyph::Calendar, 16).cacheKey() != first.cacheKey());
    }

    // A window's start paints its first images on another thread: they must be
    // the very pixels the GUI thread paints, letters (drawn from font
    // outlines) included, and a strip's single cell must be its cell.
    void imagesPaintedAheadAreThoseOfTheGuiThread()
    {
        const QList<std::pair<Glyph, int>> ahead = {{Glyph::Excel, 16},
                                                    {Glyph::Pdf, 16},
                                                    {Glyph::Unpaid, 16},
                                                    {Glyph::New, 32},
                                                    {Glyph::AppIcon, 24}};
        std::thread painter([&] {
            DrawnImages::PaintAhead(ahead);
            DrawnImages::PaintBitmapsAhead({164});
        });
        painter.join();
        for (const auto& [glyph, size] : ahead) {
            QImage here(size, size, QImage::Format_ARGB32_Premultiplied);
            here.fill(Qt::transparent);
            {
                QPainter p(&here);
                p.setRenderHint(QPainter::Antialiasing);
                p.setRenderHint(QPainter::TextAntialiasing);
                p.scale(size / 32.0, size / 32.0);
                DrawnImages::PaintInto(p, glyph);
            }
            const QImage taken = DrawnImages::Paint(glyph, size).toImage().convertToFormat(here.format());
            QVERIFY2(taken == here, qPrintable(QStringLiteral("glyph %1 at %2").arg(int(glyph)).arg(size)));
        }
        const QImage banner = DrawnImages::Bitmap(164).toImage();
        QCOMPARE(banner.size(), QSize(100, 14));
        QVERIFY(HasInk(QPixmap::fromImage(banner)));

        const QImage strip = DrawnImages::Bitmap(156).toImage();
        QCOMPARE(DrawnImages::BitmapSize(156), strip.size());
        const QImage cell = DrawnImages::BitmapCell(156, 24, 32).toImage().convertToFormat(strip.format());
        QCOMPARE(cell, strip.copy(24 * 32, 0, 32, 32));
    }
};

QTEST_MAIN(TestDrawnImages)
#include "tst_drawnimages.moc"
