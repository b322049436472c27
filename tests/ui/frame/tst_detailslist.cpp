// The Details bar's rows: columns, keys, mouse, tool tips, what screen
// readers see, and how the rows are painted.
#include "ui/frame/CDetailsList.h"
#include "ui/frame/ToolTipText.h"

#include <QAccessible>
#include <QApplication>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QToolTip>

#include <memory>

namespace {

const QStringList kHeadings = {QStringLiteral("Title"), QStringLiteral("Start Date"),
                               QStringLiteral("Due Date"), QStringLiteral("Status")};

QColor PixelAt(const QImage& image, const QPoint& at)
{
    return image.pixelColor(at);
}

} // namespace

class TestDetailsList : public QObject
{
    Q_OBJECT

private slots:
    void headingColumnTakesTheWidestHeading()
    {
        CDetailsList english(kHeadings);
        QCOMPARE(english.HeadingWidth(), 100); // short headings keep the English layout

        const QString longest = QStringLiteral("Fälligkeitsdatum und Uhrzeit der Zahlung");
        CDetailsList german({QStringLiteral("Titel"), longest});
        QFont bold = german.font();
        bold.setBold(true);
        QVERIFY(german.HeadingWidth() > QFontMetrics(bold).horizontalAdvance(longest));

        // A larger font measures again.
        const int before = german.HeadingWidth();
        QFont larger = german.font();
        larger.setPointSizeF(larger.pointSizeF() * 2);
        german.setFont(larger);
        QVERIFY(german.HeadingWidth() > before);
    }

    void keysMoveTheCurrentRowAndTabLeaves()
    {
        QWidget window;
        auto* layout = new QHBoxLayout(&window);
        auto* list = new CDetailsList(kHeadings);
        auto* next = new QLineEdit;
        layout->addWidget(list);
        layout->addWidget(next);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        list->setFocus();
        QCOMPARE(list->CurrentRow(), -1);

        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->CurrentRow(), 0);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->CurrentRow(), 2);
        QTest::keyClick(list, Qt::Key_End);
        QCOMPARE(list->CurrentRow(), 3);
        QTest::keyClick(list, Qt::Key_Down); // stays on the last
        QCOMPARE(list->CurrentRow(), 3);
        QTest::keyClick(list, Qt::Key_Home);
        QCOMPARE(list->CurrentRow(), 0);
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(list->CurrentRow(), 0);

        QTest::keyClick(list, Qt::Key_Tab);
        QVERIFY(next->hasFocus());
    }

    void clickPicksTheRowUnderTheMouse()
    {
        CDetailsList list(kHeadings);
        list.resize(300, 200);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QTest::mouseClick(&list, Qt::LeftButton, {}, list.RowRect(2).center());
        QCOMPARE(list.CurrentRow(), 2);
        QVERIFY(list.hasFocus());
        // Below the rows: nothing changes.
        QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(50, list.RowRect(3).bottom() + 20));
        QCOMPARE(list.CurrentRow(), 2);
        QCOMPARE(list.RowAt(QPoint(50, list.RowRect(3).bottom() + 20)), -1);
    }

    void valuesShowWholeAsToolTips()
    {
        CDetailsList list(kHeadings);
        list.resize(200, 200);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const QString long_ =
            QStringLiteral("Rent for the flat on the long street whose name goes on and on");
        list.SetValue(0, long_);
        QHelpEvent over(QEvent::ToolTip, list.RowRect(0).center(),
                        list.mapToGlobal(list.RowRect(0).center()));
        QApplication::sendEvent(&list, &over);
        // Whole, in lines that fit the screen.
        QTRY_COMPARE(QString(QToolTip::text()).replace(QLatin1Char('\n'), QLatin1Char(' ')), long_);
        const int half = list.screen()->availableGeometry().width() / 2;
        for (const QString& line : QToolTip::text().split(QLatin1Char('\n')))
            QVERIFY2(QFontMetrics(QToolTip::font()).horizontalAdvance(line) <= half, qPrintable(line));
        QHelpEvent empty(QEvent::ToolTip, list.RowRect(1).center(),
                         list.mapToGlobal(list.RowRect(1).center()));
        QApplication::sendEvent(&list, &empty);
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    // A tool tip's text in lines no wider than asked: at blanks where it
    // can, inside a word where one is too long, the text's own breaks kept.
    void toolTipLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("letters"); // the width, in widths of "x"
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("fits") << "Rent" << 10 << QStringList{"Rent"};
        QTest::newRow("at blanks") << "aaa bbb ccc ddd" << 8 << QStringList{"aaa bbb", "ccc ddd"};
        QTest::newRow("a word too long")
            << "xxxxxxxxxxxxxxxxxxxx" << 8 << QStringList{"xxxxxxxx", "xxxxxxxx", "xxxx"};
        QTest::newRow("own breaks kept") << "aaa\nbbb" << 20 << QStringList{"aaa", "bbb"};
        QTest::newRow("long word after a short one")
            << "to xxxxxxxxxxxx" << 8 << QStringList{"to", "xxxxxxxx", "xxxx"};
        QTest::newRow("empty") << "" << 8 << QStringList{""};
    }

    void toolTipLines()
    {
        QFETCH(QString, text);
        QFETCH(int, letters);
        QFETCH(QStringList, lines);
        QFont mono(QStringLiteral("DejaVu Sans Mono"));
        mono.setStyleHint(QFont::Monospace);
        const QFontMetrics metrics(mono);
        const int width = metrics.horizontalAdvance(QString(letters, QLatin1Char('x')));
        QCOMPARE(ToolTipText::Wrapped(text, metrics, width).split(QLatin1Char('\n')), lines);
    }

    void screenReadersSeeHeadingAndValue()
    {
        CDetailsList list(kHeadings);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.SetValue(2, QStringLiteral("12 Dec 2026 09:00"));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&list);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::List);
        QCOMPARE(iface->childCount(), kHeadings.size());
        QCOMPARE(iface->child(2)->role(), QAccessible::ListItem);
        QCOMPARE(iface->child(2)->text(QAccessible::Name), QStringLiteral("Due Date: 12 Dec 2026 09:00"));
        QCOMPARE(iface->child(0)->text(QAccessible::Name), QStringLiteral("Title"));
        QCOMPARE(iface->indexOfChild(iface->child(3)), 3);
        QCOMPARE(iface->child(3)->parent(), iface);
        QCOMPARE(iface->child(1)->rect().topLeft(), list.mapToGlobal(list.RowRect(1).topLeft()));

        list.setFocus();
        list.SetCurrentRow(1);
        QCOMPARE(iface->focusChild(), iface->child(1));
        QVERIFY(iface->child(1)->state().focused);
        QVERIFY(!iface->child(2)->state().selected);
    }

    void rowsAlternateAndTheCurrentOneIsHighlighted()
    {
        CDetailsList list(kHeadings);
        QPalette pal = list.palette();
        pal.setColor(QPalette::Base, Qt::white);
        pal.setColor(QPalette::AlternateBase, QColor(239, 245, 253));
        list.setPalette(pal);
        list.resize(300, 120);
        list.SetCurrentRow(2);
        const QImage image = list.grab().toImage();
        const int x = list.HeadingWidth() + 60; // in the value column, right of any text
        QCOMPARE(PixelAt(image, QPoint(x, list.RowRect(0).center().y())), QColor(Qt::white));
        QCOMPARE(PixelAt(image, QPoint(x, list.RowRect(1).center().y())), QColor(239, 245, 253));
        QCOMPARE(PixelAt(image, QPoint(x, list.RowRect(2).center().y())),
                 list.palette().color(QPalette::Inactive, QPalette::Highlight));
        // The headings are drawn: the heading cell of a row is not all background.
        bool inked = false;
        const QRect heading(list.RowRect(0).left() + 2, list.RowRect(0).top() + 2, 40, 16);
        for (int y = heading.top(); y <= heading.bottom() && !inked; ++y)
            for (int xx = heading.left(); xx <= heading.right() && !inked; ++xx)
                inked = PixelAt(image, QPoint(xx, y)) != QColor(Qt::white);
        QVERIFY(inked);
    }

    void rightToLeftPutsTheHeadingsOnTheRight()
    {
        CDetailsList list(kHeadings);
        list.setLayoutDirection(Qt::RightToLeft);
        list.resize(300, 120);
        QPalette pal = list.palette();
        pal.setColor(QPalette::Base, Qt::white);
        list.setPalette(pal);
        list.SetValue(0, QString());
        const QImage image = list.grab().toImage();
        auto inked = [&](const QRect& r) {
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    if (PixelAt(image, QPoint(x, y)) != QColor(Qt::white))
                        return true;
            return false;
        };
        const QRect row = list.RowRect(0);
        const QRect right(row.right() - 40, row.top() + 3, 36, 15);
        const QRect left(row.left() + 4, row.top() + 3, 60, 15);
        QVERIFY(inked(right)); // "Title", starting on the right
        QVERIFY(!inked(left)); // no value
    }
};

QTEST_MAIN(TestDetailsList)
#include "tst_detailslist.moc"
