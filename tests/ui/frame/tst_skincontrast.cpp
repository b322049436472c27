// Every text of the window and its dialogs reads on what it is drawn on, at
// 4.5:1 or more (WCAG AA), under a light and under a dark desktop palette.
// Each part is painted twice: once into an image, once into a device that
// only records where each text went and in which colour; the background of a
// text is the most common colour under it in the image.

#include "../UiTestSupport.h"

#include "ui/calendar/CCalendarView.h"
#include "ui/dialogs/CAboutDlg.h"
#include "ui/dialogs/CWorkDirDlg.h"
#include "ui/editor/CDueDateSheet.h"
#include "ui/frame/CMainFrame.h"
#include "ui/list/CTallyvaneView.h"
#include "ui/list/DueListModel.h"
#include "ui/print/CPrintDuesDlg.h"
#include "ui/recurrence/CRecurrenceDlg.h"
#include "ui/reminders/CReminderSettingsDlg.h"
#include "ui/skinui/GuiDrawLayer.h"

#include <QHash>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEngine>
#include <QPainter>
#include <QStyleFactory>
#include <QTest>
#include <QToolBox>
#include <QWizard>

#include <functional>

namespace {

struct DrawnText
{
    QString text;
    QColor ink;
    QRect place; // in the painted widget's pixels
};

// A paint engine that draws nothing and keeps each text's place and colour.
class TextRecordingEngine : public QPaintEngine
{
public:
    TextRecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    QList<DrawnText> texts;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF& at, const QTextItem& item) override
    {
        const QRectF box(at.x(), at.y() - item.ascent(), item.width(), item.ascent() + item.descent());
        const QRect place = painter()->deviceTransform().mapRect(box).toAlignedRect();
        texts.append({item.text(), painter()->pen().color(), place});
    }
    Type type() const override { return QPaintEngine::User; }
};

class TextRecorder : public QPaintDevice
{
public:
    explicit TextRecorder(const QSize& size) : m_size(size) {}
    QPaintEngine* paintEngine() const override { return &m_engine; }
    QList<DrawnText> Texts() const { return m_engine.texts; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmWidthMM:
            return m_size.width() * 254 / 960;
        case PdmHeightMM:
            return m_size.height() * 254 / 960;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 96; // the resolutions
        }
    }

private:
    mutable TextRecordingEngine m_engine;
    QSize m_size;
};

QPalette DarkPalette()
{
    // A dark scheme as desktops give it: dark windows and fields, light text.
    const QColor window(53, 53, 53), base(35, 35, 35), text(240, 240, 240);
    QPalette p(text, window, window.lighter(150), window.darker(150), window.darker(120), text, Qt::red, base,
               window);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::PlaceholderText, QColor(160, 160, 160));
    p.setColor(QPalette::Link, QColor(120, 170, 255));
    for (const QPalette::ColorRole r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, r, QColor(127, 127, 127));
    return p;
}

// The colour most of a text's box shows besides the text itself: the pixels
// of the ink's own colour left out, the rest counted in coarse steps so that
// a gradient's rows count as one. Nothing left means text on its own colour.
QColor Underneath(const QImage& image, const QRect& area, const QColor& ink)
{
    struct Bucket
    {
        int count = 0;
        qint64 r = 0, g = 0, b = 0;
    };
    QHash<int, Bucket> buckets;
    int others = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = QColor::fromRgb(image.pixel(x, y));
            if (qAbs(c.red() - ink.red()) + qAbs(c.green() - ink.green()) + qAbs(c.blue() - ink.blue()) <= 24)
                continue;
            ++others;
            Bucket& bucket = buckets[(c.red() >> 4) << 8 | (c.green() >> 4) << 4 | (c.blue() >> 4)];
            ++bucket.count;
            bucket.r += c.red();
            bucket.g += c.green();
            bucket.b += c.blue();
        }
    }
    const Bucket* best = nullptr;
    for (const Bucket& bucket : std::as_const(buckets)) {
        if (!best || bucket.count > best->count)
            best = &bucket;
    }
    // Too few others to be a background: only anti-aliased edges on the ink's colour.
    if (!best || others * 5 < area.width() * area.height())
        return ink;
    return QColor(int(best->r / best->count), int(best->g / best->count), int(best->b / best->count));
}

// A colour with alpha as it shows over `under`.
QColor Over(const QColor& ink, const QColor& under)
{
    const double a = ink.alphaF();
    return QColor::fromRgbF(ink.redF() * a + under.redF() * (1 - a),
                            ink.greenF() * a + under.greenF() * (1 - a),
                            ink.blueF() * a + under.blueF() * (1 - a));
}

// The text colours of controls that are off: exempt, as WCAG has it.
QSet<QRgb> DisabledInks(const QWidget* root)
{
    QSet<QRgb> inks{GuiDrawLayer::Skin().disabledText.rgb()};
    QList<const QWidget*> all{root};
    for (const QWidget* w : root->findChildren<QWidget*>())
        all << w;
    for (const QWidget* w : all) {
        for (const QPalette::ColorRole r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            inks << w->palette().color(QPalette::Disabled, r).rgb();
    }
    return inks;
}

// What reads too faintly in a painted widget, one line per text.
QStringList FaintTexts(QWidget* widget, const QString& part)
{
    const QImage image = widget->grab().toImage();
    if (qEnvironmentVariableIsSet("TALLYVANE_CONTRAST_DUMP"))
        image.save(
            QDir::temp().filePath(QStringLiteral("contrast-%1.png").arg(QString(part).replace(' ', '_'))));
    TextRecorder recorder(widget->size());
    {
        QPainter painter(&recorder);
        widget->render(&painter);
    }
    const QSet<QRgb> disabled = DisabledInks(widget);
    QStringList faint;
    int checked = 0;
    for (const DrawnText& t : recorder.Texts()) {
        const QRect place = t.place.intersected(image.rect());
        if (place.width() < 2 || place.height() < 4 || t.text.trimmed().isEmpty())
            continue;
        if (disabled.contains(t.ink.rgb()))
            continue;
        const QColor under = Underneath(image, place, Over(t.ink, Qt::white));
        const double contrast = GuiDrawLayer::Contrast(Over(t.ink, under), under);
        ++checked;
        if (contrast < 4.5)
            faint << QStringLiteral("%1: \"%2\" %3 on %4 at %5,%6: %7:1")
                         .arg(part, t.text.left(40), t.ink.name(), under.name())
                         .arg(place.x())
                         .arg(place.y())
                         .arg(contrast, 0, 'f', 2);
    }
    if (checked == 0)
        faint << part + QStringLiteral(": no text was seen");
    return faint;
}

} // namespace

class TestSkinContrast : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QPalette m_light;

    void AddDues()
    {
        const QDate today = Clock::Now().date();
        const auto at = [&](int days) { return QDateTime(today.addDays(days), QTime(9, 0)); };
        UiTest::AddDue(
            UiTest::MakeDue(QStringLiteral("Rent"), at(-7), 850, true, {}, QStringLiteral("Landlord")));
        UiTest::AddDue(
            UiTest::MakeDue(QStringLiteral("Electricity"), at(-3), 72.4, false, {}, QStringLiteral("City")));
        UiTest::AddDue(
            UiTest::MakeDue(QStringLiteral("Phone"), at(0), 39.99, false, {}, QStringLiteral("Telco")));
        UiTest::AddDue(
            UiTest::MakeDue(QStringLiteral("Insurance"), at(3), 410, false, {}, QStringLiteral("Insurer")));
        UiTest::AddDue(UiTest::MakeDue(QStringLiteral("Gym"), at(5), 25, false));
    }

private slots:
    void initTestCase()
    {
        UiTest::IsolateSettings();
        // A style that paints with the palette it is given, as desktop styles do.
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        m_light = QApplication::style()->standardPalette();
        Clock::SetFixed(QDateTime(QDate(2007, 1, 15), QTime(10, 0)));
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        UiTest::UseWorkDir(m_dir->path());
        AddDues();
    }

    void cleanup() { QApplication::setPalette(m_light); }

    void everyTextReads_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QString>("part");
        const QStringList parts = {
            "window",    "calendar",          "coming up",        "reports",    "navigation folders",
            "file menu", "new due wizard",    "modify due sheet", "recurrence", "working directory",
            "about",     "reminder settings", "print dialog"};
        for (const bool dark : {false, true}) {
            for (const QString& part : parts)
                QTest::addRow("%s: %s", dark ? "dark" : "light", qPrintable(part)) << dark << part;
        }
    }

    void everyTextReads()
    {
        QFETCH(bool, dark);
        QFETCH(QString, part);
        QApplication::setPalette(dark ? DarkPalette() : m_light);

        CMainFrame frame;
        frame.resize(1024, 768);
        frame.ShowMonthOf(COleDateTime::FromQDateTime(Clock::Now()));
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QTRY_VERIFY(!frame.IsLoading());
        frame.RefreshMonth();
        QVERIFY(frame.View()->Model()->rowCount() >= 5);
        frame.View()->setCurrentIndex(
            frame.View()->Model()->index(1, 0)); // a selected row, the Details filled

        QWidget* painted = &frame;
        std::unique_ptr<QWidget> own;
        std::unique_ptr<CDueDateSheet> sheet;
        if (part == QLatin1String("calendar")) {
            frame.ShowCalendar(true);
        } else if (part == QLatin1String("coming up")) {
            frame.ShowComingUp(true);
        } else if (part == QLatin1String("reports")) {
            frame.ShowReports(true);
        } else if (part == QLatin1String("navigation folders")) {
            // Another folder open, its items showing.
            auto* folders = frame.findChild<QToolBox*>();
            QVERIFY(folders && folders->count() > 1);
            folders->setCurrentIndex(folders->count() - 1);
        } else if (part == QLatin1String("file menu")) {
            QMenu* menu = frame.menuBar()->actions().constFirst()->menu();
            QVERIFY(menu);
            menu->ensurePolished();
            menu->adjustSize();
            painted = menu;
        } else if (part == QLatin1String("new due wizard") || part == QLatin1String("modify due sheet")) {
            sheet = std::make_unique<CDueDateSheet>(part.startsWith(QLatin1String("new"))
                                                        ? CDueDateSheet::Mode::New
                                                        : CDueDateSheet::Mode::Modify,
                                                    &frame);
            painted = sheet->Create();
        } else if (part == QLatin1String("recurrence")) {
            own = std::make_unique<CRecurrenceDlg>(&frame);
        } else if (part == QLatin1String("working directory")) {
            own = std::make_unique<CWorkDirDlg>(&frame, m_dir->path());
        } else if (part == QLatin1String("about")) {
            own = std::make_unique<CAboutDlg>(&frame);
        } else if (part == QLatin1String("reminder settings")) {
            own = std::make_unique<CReminderSettingsDlg>(&frame);
        } else if (part == QLatin1String("print dialog")) {
            auto print = std::make_unique<CPrintDuesDlg>(&frame);
            // A selected row among the others.
            auto* list = print->findChild<QListWidget*>();
            QVERIFY(list && list->count() > 1);
            list->setCurrentRow(1);
            own = std::move(print);
        }
        if (own)
            painted = own.get();
        if (painted != &frame) {
            painted->show();
            QVERIFY(QTest::qWaitForWindowExposed(painted));
        }
        QStringList faint = FaintTexts(painted, part);
        // Every page of the wizard.
        if (auto* wizard = qobject_cast<QWizard*>(painted)) {
            for (int guard = 0; guard < 10 && wizard->currentId() != wizard->pageIds().constLast(); ++guard) {
                wizard->next();
                faint << FaintTexts(painted, part + QStringLiteral(", next page"));
            }
        }
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestSkinContrast)
#include "tst_skincontrast.moc"
