// The month list without a window: row colours and texts, row geometry, the
// list model's order and totals, and the images the rows are painted with.

#include "../UiTestSupport.h"

#include "ui/images/DrawnImages.h"
#include "ui/images/LoadImageList.h"
#include "ui/list/DueListModel.h"
#include "ui/list/DueListQuery.h"
#include "ui/list/DueRowLook.h"
#include "ui/skinui/CGuiToolButton.h"
#include "ui/skinui/GuiDrawLayer.h"

#include <QAbstractItemModelTester>
#include <QPainter>
#include <QTest>

class TestDueList : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    const QDate m_today{2007, 3, 14};

private slots:
    void initTestCase()
    {
        UiTest::IsolateSettings();
        QVERIFY(m_dir.isValid());
        Clock::SetFixed(QDateTime(m_today, QTime(10, 0)));
    }

    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        UiTest::UseWorkDir(m_dir.path());
    }

    void rowColours_data()
    {
        QTest::addColumn<QDateTime>("due");
        QTest::addColumn<bool>("paid");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("background");

        const QColor white(255, 255, 255), green(214, 227, 206);
        const QDate t = m_today;
        QTest::newRow("today unpaid, blue")
            << QDateTime(t, QTime(9, 0)) << false << 0 << false << QColor(0, 0, 255) << white;
        QTest::newRow("today at 23:59 is still today")
            << QDateTime(t, QTime(23, 59)) << false << 1 << false << QColor(0, 0, 255) << green;
        QTest::newRow("today paid, grey")
            << QDateTime(t, QTime(9, 0)) << true << 2 << false << QColor(96, 96, 96) << white;
        QTest::newRow("yesterday, red")
            << QDateTime(t.addDays(-1), QTime(23, 59)) << false << 3 << false << QColor(192, 0, 0) << green;
        QTest::newRow("last year, red")
            << QDateTime(t.addYears(-1), QTime(0, 0)) << false << 4 << false << QColor(192, 0, 0) << white;
        QTest::newRow("tomorrow at midnight, black")
            << QDateTime(t.addDays(1), QTime(0, 0)) << false << 5 << false << QColor(0, 0, 0) << green;
        QTest::newRow("overdue but paid, grey")
            << QDateTime(t.addDays(-10), QTime(8, 0)) << true << 6 << false << QColor(96, 96, 96) << white;
        QTest::newRow("selected overdue, white on black")
            << QDateTime(t.addDays(-1), QTime(8, 0)) << false << 1 << true << QColor(255, 255, 255)
            << QColor(0, 0, 0);
        QTest::newRow("selected paid, white on black")
            << QDateTime(t, QTime(8, 0)) << true << 0 << true << QColor(255, 255, 255) << QColor(0, 0, 0);
    }

    void rowColours()
    {
        QFETCH(QDateTime, due);
        QFETCH(bool, paid);
        QFETCH(int, row);
        QFETCH(bool, selected);
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        const DueRecord r = UiTest::MakeDue(QStringLiteral("Rent"), due, 10, paid);
        const DueRowLook look = ComputeRowLook(r, row, selected, Clock::Now().date());
        QCOMPARE(look.text, text);
        QCOMPARE(look.background, background);
    }

    // Light and dark rows alike: every state reads on both row colours at
    // 4.5:1 (WCAG AA), a selected row too, and no two states look the same.
    void rowStatesReadAndDiffer_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }

    void rowStatesReadAndDiffer()
    {
        QFETCH(bool, dark);
        const DueRowColours& c = RowColours(dark);
        const QList<std::pair<const char*, QColor>> states = {
            {"paid", c.paid}, {"overdue", c.overdue}, {"due today", c.dueToday}, {"to come", c.upcoming}};
        for (const auto& [name, text] : states) {
            for (const QColor& row : {c.even, c.odd}) {
                const double contrast = GuiDrawLayer::Contrast(text, row);
                QVERIFY2(contrast >= 4.5, qPrintable(QStringLiteral("%1 on %2: %3:1")
                                                         .arg(QLatin1String(name), row.name())
                                                         .arg(contrast, 0, 'f', 2)));
            }
        }
        QVERIFY(GuiDrawLayer::Contrast(c.selectedText, c.selectedBackground) >= 4.5);
        for (qsizetype i = 0; i < states.size(); ++i) {
            for (qsizetype j = i + 1; j < states.size(); ++j) {
                // Apart by more than a shade: a clear step in hue or in lightness.
                const QColor a = states[i].second.toHsl(), b = states[j].second.toHsl();
                const bool hueApart =
                    a.hslSaturation() > 60 && b.hslSaturation() > 60 && qAbs(a.hslHue() - b.hslHue()) > 60;
                const bool lightApart = qAbs(a.lightness() - b.lightness()) > 60;
                QVERIFY2(
                    hueApart || lightApart || (a.hslSaturation() > 60) != (b.hslSaturation() > 60),
                    qPrintable(QStringLiteral("%1 and %2")
                                   .arg(QLatin1String(states[i].first), QLatin1String(states[j].first))));
            }
        }
        // The list's light rows are the list's own; a dark skin's list has dark rows.
        QCOMPARE(GuiDrawLayer::Luminance(c.even) < 0.2, dark);
    }

    void invalidDueDateIsNeverOverdue()
    {
        DueRecord r = UiTest::MakeDue(QStringLiteral("Broken"), QDateTime(m_today, QTime(1, 0)), 1);
        r.m_dtDue.SetStatus(COleDateTime::invalid);
        QCOMPARE(StateOf(r, m_today), DueState::Upcoming);
        r.m_dtDue = COleDateTime(std::numeric_limits<double>::quiet_NaN());
        QCOMPARE(StateOf(r, m_today), DueState::Upcoming);
        ComputeRowLook(r, 0, false, m_today); // formats without crashing
    }

    void rowTexts_data()
    {
        QTest::addColumn<QString>("payTo");
        QTest::addColumn<QString>("series");
        QTest::addColumn<bool>("paid");
        QTest::addColumn<QString>("line1");
        QTest::addColumn<bool>("paidMark");
        QTest::addColumn<bool>("recurringMark");
        QTest::newRow("with pay to") << "City Power"
                                     << "" << false << "Electricity - City Power" << false << false;
        QTest::newRow("without pay to, no dash") << ""
                                                 << "" << true << "Electricity" << true << false;
        QTest::newRow("member of a series")
            << "City Power"
            << "recId20070101000000" << true << "Electricity - City Power" << true << true;
    }

    void rowTexts()
    {
        QFETCH(QString, payTo);
        QFETCH(QString, series);
        QFETCH(bool, paid);
        QFETCH(QString, line1);
        QFETCH(bool, paidMark);
        QFETCH(bool, recurringMark);
        const DueRecord r = UiTest::MakeDue(QStringLiteral("Electricity"), QDateTime(m_today, QTime(18, 30)),
                                            12.5, paid, series, payTo);
        const DueRowLook look = ComputeRowLook(r, 0, false, m_today);
        QCOMPARE(look.line1, line1);
        QCOMPARE(look.amount, FormatCurrencyText(QStringLiteral("12.50"), QLocale()));
        QVERIFY(!look.amount.isEmpty());
        QCOMPARE(look.line2, FormatDatePicture(r.m_dtDue, QString(), QLocale()) + QLatin1Char(' ') +
                                 FormatTimePicture(r.m_dtDue, QString(), QLocale()));
        QCOMPARE(look.paidMark, paidMark);
        QCOMPARE(look.recurringMark, recurringMark);
    }

    void rowLayout()
    {
        // A row 400 wide and 30 high at (0, 60).
        const DueRowLayout l = ComputeRowLayout(QRect(0, 60, 400, 30));
        QCOMPARE(l.fill, QRect(0, 60, 420, 30));
        QCOMPARE(l.line1, QRect(QPoint(100, 60), QPoint(399, 74)));
        QCOMPARE(l.line2, QRect(QPoint(110, 75), QPoint(399, 89)));
        QCOMPARE(l.amount.right(), 359);
        QCOMPARE(l.rowImage, QPoint(10, 60));
        QCOMPARE(l.paidMark, QPoint(45, 68));
        QCOMPARE(l.recurringMark, QPoint(67, 68));
    }

    // At every width the list allows, with texts of every width: the amount
    // never covers the date, the title never runs under the amount, and all
    // stays inside the row.
    void rowTextsNeverOverlap_data()
    {
        QTest::addColumn<int>("rowWidth");
        QTest::addColumn<int>("amountWidth");
        QTest::addColumn<int>("dateWidth");
        QTest::addColumn<bool>("onFirstLine");
        QTest::newRow("wide row, short texts") << 900 << 60 << 120 << false;
        QTest::newRow("wide row, millions") << 900 << 110 << 150 << false;
        QTest::newRow("just wide enough beside") << 110 + 150 + 12 + 110 + 40 << 110 << 150 << false;
        QTest::newRow("one pixel less: first line") << 110 + 150 + 12 + 110 + 40 - 1 << 110 << 150 << true;
        QTest::newRow("800x600 window's list") << 380 << 104 << 131 << true;
        QTest::newRow("narrowest list") << MinimumRowWidth(104, 131, 40) << 104 << 131 << true;
    }

    void rowTextsNeverOverlap()
    {
        QFETCH(int, rowWidth);
        QFETCH(int, amountWidth);
        QFETCH(int, dateWidth);
        QFETCH(bool, onFirstLine);
        const QRect row(0, 90, rowWidth, kDueRowHeight);
        const DueRowTextPlaces p = PlaceRowTexts(row, amountWidth, dateWidth);
        QCOMPARE(p.amountOnFirstLine, onFirstLine);
        QVERIFY(!p.amount.intersects(p.date));
        QVERIFY(!p.amount.intersects(p.title));
        QCOMPARE(p.amount.width(), amountWidth); // the amount is never cut
        for (const QRect& r : {p.title, p.date, p.amount})
            QVERIFY2(row.contains(r) || r.isEmpty(), qPrintable(QStringLiteral("%1 wide").arg(r.width())));
        // The date is shown whole wherever the list can be.
        if (rowWidth >= MinimumRowWidth(amountWidth, dateWidth, 40))
            QVERIFY(p.date.width() >= dateWidth);
        // Beside both lines the amount ends where it always did.
        if (!onFirstLine)
            QCOMPARE(p.amount.right(), ComputeRowLayout(row).amount.right());
    }

    void captionIsElidedNotWidened()
    {
        CGuiToolButton button;
        const QString title = QString(150, QLatin1Char('W'));
        button.SetCaption(title);
        button.resize(300, 40);
        QCOMPARE(button.text(), title); // the whole caption is kept
        QVERIFY(button.ShownCaption().endsWith(QChar(0x2026)));
        QVERIFY(button.fontMetrics().horizontalAdvance(button.ShownCaption()) <= 300);
        QVERIFY(button.minimumSizeHint().width() < 120);
        button.SetCaption(QStringLiteral("Rent"));
        QCOMPARE(button.ShownCaption(), QStringLiteral("Rent"));
    }

    void search_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("nothing typed") << "" << QStringList{"Café rent", "Power", "Water"};
        QTest::newRow("blank only") << "   " << QStringList{"Café rent", "Power", "Water"};
        QTest::newRow("accent-free finds accent") << "cafe" << QStringList{"Café rent"};
        QTest::newRow("case does not count") << "POWER" << QStringList{"Power"};
        QTest::newRow("pay to") << "city" << QStringList{"Power", "Water"};
        QTest::newRow("account") << "acc-77" << QStringList{"Water"};
        QTest::newRow("notes") << "receipt" << QStringList{"Café rent"};
        QTest::newRow("every word, any field") << "city water" << QStringList{"Water"};
        QTest::newRow("a word found nowhere") << "city gas" << QStringList();
        QTest::newRow("accented search finds plain") << QString::fromUtf8("pöwer") << QStringList{"Power"};
    }

    void search()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        QList<DueRecord> rows;
        DueRecord a = UiTest::MakeDue(QString::fromUtf8("Café rent"), QDateTime(m_today, QTime(9, 0)), 1);
        a.m_strNotes = QStringLiteral("Keep the\r\nRECEIPT");
        DueRecord b = UiTest::MakeDue("Power", QDateTime(m_today, QTime(9, 0)), 2, false, {}, "City Power");
        DueRecord c = UiTest::MakeDue("Water", QDateTime(m_today, QTime(9, 0)), 3, false, {}, "City Water");
        c.m_strAccount = QStringLiteral("ACC-77");
        rows << a << b << c;
        QStringList titles;
        for (const DueRecord& r : SearchDues(rows, DueSearch(text)))
            titles << r.m_strTitle;
        QCOMPARE(titles, found);
    }

    // What counts as the same letter: a due's title and pay to against what
    // is typed.
    void searchFoldsSpellings_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("payTo");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("found");
        auto row = [](const char* name, const char* title, const char* typed, bool found,
                      const char* payTo = "") {
            QTest::newRow(name) << QString::fromUtf8(title) << QString::fromUtf8(payTo)
                                << QString::fromUtf8(typed) << found;
        };
        row("ss finds sharp s", "Stra\u00dfe 5", "strasse", true);
        row("capital sharp s finds ss", "STRA\u1e9eE", "strasse", true);
        row("umlaut typed, none stored", "Muller", "m\u00fcller", true);
        row("combining accent stored apart", "Cafe\u0301", "caf\u00e9", true);
        row("ligature fi", "\ufb01nance", "finance", true);
        row("full-width letters", "\uff21\uff22\uff23 Bank", "abc", true);
        row("oe ligature, letters with a stroke", "C\u0153ur \u0141\u00f3d\u017a", "coeur lodz", true);
        row("Greek final sigma", "\u039f\u0394\u039f\u03a3", "\u03bf\u03b4\u03bf\u03c2", true);
        row("a sharp s is two letters", "Stra\u00dfe", "strase", false);
        row("no word across two fields", "Gas", "sw", false, "Works");
    }

    void searchFoldsSpellings()
    {
        QFETCH(QString, title);
        QFETCH(QString, payTo);
        QFETCH(QString, typed);
        QFETCH(bool, found);
        const DueRecord r = UiTest::MakeDue(title, QDateTime(m_today, QTime(9, 0)), 1, false, {}, payTo);
        QCOMPARE(DueSearch(typed).Matches(r), found);
    }

    // The model folds a listing once for all the keystrokes after it: what it
    // compares with must follow every new listing and order.
    void modelSearchFollowsTheListing()
    {
        const QString id = UiTest::AddDue(
            UiTest::MakeDue(QString::fromUtf8("Stra\u00dfe"), QDateTime(QDate(2007, 3, 2), QTime(9, 0)), 5));
        UiTest::AddDue(UiTest::MakeDue("Water", QDateTime(QDate(2007, 3, 3), QTime(9, 0)), 1));
        DueListModel model;
        model.Fill(COleDateTime(2007, 3, 14, 0, 0, 0), DueFilter::All);
        for (const char* typed : {"s", "st", "str", "stras", "strass", "strasse"})
            model.SetSearch(QString::fromLatin1(typed));
        QCOMPARE(model.rowCount(), 1);
        DueRecord renamed = theDueStore.GetDue(id);
        renamed.m_strTitle = QStringLiteral("Weg");
        QVERIFY(theDueStore.ReplaceDue(renamed));
        model.Fill(COleDateTime(2007, 3, 14, 0, 0, 0), DueFilter::All);
        QCOMPARE(model.rowCount(), 0);
        model.SetSearch(QStringLiteral("w"));
        QCOMPARE(model.rowCount(), 2);
        // A new order puts the rows elsewhere: each keeps its own text.
        model.SetSort(DueSort::Amount);
        model.SetSearch(QStringLiteral("wat"));
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.index(0).data().toString(), QStringLiteral("Water"));
    }

    void sortOrders_data()
    {
        QTest::addColumn<DueSort>("sort");
        QTest::addColumn<QStringList>("order");
        // Rows: title, pay to, amount, day of the month.
        QTest::newRow("due date") << DueSort::DueDate << QStringList{"bill 10", "Bill 2", "apple", "Zebra"};
        QTest::newRow("amount, ties by due date")
            << DueSort::Amount << QStringList{"Zebra", "bill 10", "Bill 2", "apple"};
        QTest::newRow("title: case and numbers as people read them")
            << DueSort::Title << QStringList{"apple", "Bill 2", "bill 10", "Zebra"};
        QTest::newRow("pay to") << DueSort::Payee << QStringList{"Zebra", "apple", "bill 10", "Bill 2"};
    }

    void sortOrders()
    {
        QFETCH(DueSort, sort);
        QFETCH(QStringList, order);
        auto due = [&](const char* title, const char* payTo, double amount, int day) {
            return UiTest::MakeDue(QString::fromLatin1(title), QDateTime(QDate(2007, 3, day), QTime(9, 0)),
                                   amount, false, {}, QString::fromLatin1(payTo));
        };
        QList<DueRecord> rows{due("Zebra", "Aardvark Ltd", 1.0, 20), due("apple", "bank", 9.0, 3),
                              due("bill 10", "Corner shop", 5.0, 1), due("Bill 2", "corner Shop", 5.0, 2)};
        SortDues(rows, sort);
        QStringList titles;
        for (const DueRecord& r : rows)
            titles << r.m_strTitle;
        QCOMPARE(titles, order);
        QCOMPARE(DueSortFromKey(DueSortKey(sort)), sort);
    }

    void modelSearchSumsWhatIsShown()
    {
        UiTest::AddDue(UiTest::MakeDue("Rent", QDateTime(QDate(2007, 3, 2), QTime(9, 0)), 500.00, true));
        UiTest::AddDue(UiTest::MakeDue("Rent garage", QDateTime(QDate(2007, 3, 3), QTime(9, 0)), 40.00));
        UiTest::AddDue(UiTest::MakeDue("Power", QDateTime(QDate(2007, 3, 4), QTime(9, 0)), 60.25));
        DueListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.Fill(COleDateTime(2007, 3, 14, 0, 0, 0), DueFilter::All);
        model.SetSearch(QStringLiteral("rent"));
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.MonthCount(), 3);
        QCOMPARE(AmountText(model.Paid()), QStringLiteral("500.00"));
        QCOMPARE(AmountText(model.Unpaid()), QStringLiteral("40.00"));
        model.SetSort(DueSort::Amount);
        QCOMPARE(model.index(0).data().toString(), QStringLiteral("Rent garage"));
        // A new fill of the month keeps the search and the order.
        model.Fill(COleDateTime(2007, 3, 1, 0, 0, 0), DueFilter::All);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.index(0).data().toString(), QStringLiteral("Rent garage"));
        model.SetSearch(QString());
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(AmountText(model.Paid() + model.Unpaid()), QStringLiteral("600.25"));
    }

    void modelOrderAndFilter_data()
    {
        QTest::addColumn<DueFilter>("filter");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("paid");
        QTest::addColumn<QString>("unpaid");
        QTest::addColumn<QString>("total");
        QTest::newRow("all") << DueFilter::All << QStringList{"A", "B1", "B2", "C"} << "7.25"
                             << "13.50"
                             << "20.75";
        QTest::newRow("paid") << DueFilter::Paid << QStringList{"B2", "C"} << "7.25"
                              << "0.00"
                              << "7.25";
        QTest::newRow("unpaid") << DueFilter::Unpaid << QStringList{"A", "B1"} << "0.00"
                                << "13.50"
                                << "13.50";
    }

    void modelOrderAndFilter()
    {
        QFETCH(DueFilter, filter);
        QFETCH(QStringList, titles);
        QFETCH(QString, paid);
        QFETCH(QString, unpaid);
        QFETCH(QString, total);

        const QDateTime same(QDate(2007, 3, 20), QTime(12, 0));
        UiTest::AddDue(UiTest::MakeDue("C", QDateTime(QDate(2007, 3, 31), QTime(23, 0)), 5.00, true));
        // Equal due dates: the record identifier decides, so B1 (added first) leads.
        const QString b1 = UiTest::AddDue(UiTest::MakeDue("B1", same, 3.50));
        const QString b2 = UiTest::AddDue(UiTest::MakeDue("B2", same, 2.25, true));
        QVERIFY(b1 < b2);
        UiTest::AddDue(UiTest::MakeDue("A", QDateTime(QDate(2007, 3, 1), QTime(0, 0)), 10.00));
        UiTest::AddDue(UiTest::MakeDue("Other month", QDateTime(QDate(2007, 4, 1), QTime(0, 0)), 99.00));
        UiTest::AddDue(UiTest::MakeDue("Other year", QDateTime(QDate(2006, 3, 15), QTime(0, 0)), 99.00));

        DueListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.Fill(COleDateTime(2007, 3, 14, 0, 0, 0), filter);
        QStringList listed;
        for (int row = 0; row < model.rowCount(); ++row)
            listed << model.index(row).data().toString();
        QCOMPARE(listed, titles);
        QCOMPARE(AmountText(model.Paid()), paid);
        QCOMPARE(AmountText(model.Unpaid()), unpaid);
        QCOMPARE(AmountText(model.Paid() + model.Unpaid()), total);

        // The record role carries the whole record.
        const DueRecord first = model.index(0).data(DueListModel::RecordRole).value<DueRecord>();
        QCOMPARE(first.m_strTitle, titles.first());
        QCOMPARE(model.RowOf(first.m_strRecId), 0);

        // Refilling gives the same order again.
        model.Fill(COleDateTime(2007, 3, 1, 0, 0, 0), filter);
        QCOMPARE(model.rowCount(), titles.size());
        QCOMPARE(model.index(0).data().toString(), titles.first());
        model.Clear();
        QCOMPARE(model.rowCount(), 0);
    }

    void emptyMonthTotalsAreZero()
    {
        DueListModel model;
        model.Fill(COleDateTime(1999, 5, 1, 0, 0, 0), DueFilter::All);
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.Paid() + model.Unpaid(), 0.0);
    }

    void bannerColours_data()
    {
        QTest::addColumn<QColor>("face");
        QTest::addColumn<QColor>("top");
        QTest::addColumn<QColor>("bottom");
        QTest::newRow("blue") << QColor(173, 201, 243) << QColor(222, 234, 253) << QColor(141, 178, 223);
        QTest::newRow("olive") << QColor(220, 222, 185) << QColor(243, 251, 221) << QColor(179, 194, 138);
        QTest::newRow("silver") << QColor(231, 227, 241) << QColor(248, 248, 250) << QColor(165, 160, 184);
        QTest::newRow("other: 30 darker")
            << QColor(200, 100, 50) << QColor(200, 100, 50) << QColor(170, 70, 20);
        QTest::newRow("other: never below 0") << QColor(10, 40, 0) << QColor(10, 40, 0) << QColor(0, 10, 0);
    }

    void bannerColours()
    {
        QFETCH(QColor, face);
        QFETCH(QColor, top);
        QFETCH(QColor, bottom);
        const auto colours = GuiDrawLayer::BannerColors(face);
        QCOMPARE(colours.first, top);
        QCOMPARE(colours.second, bottom);
        QCOMPARE(GuiDrawLayer::BandColor(top, bottom, 0, 192), top);
        const QColor last = GuiDrawLayer::BandColor(top, bottom, 191, 192);
        QVERIFY(qAbs(last.red() - bottom.red()) <= 1 && qAbs(last.blue() - bottom.blue()) <= 1);
    }

    void imageStrips_data()
    {
        QTest::addColumn<int>("bitmap");
        QTest::addColumn<int>("cx");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("height");
        QTest::newRow("row image") << 132 << 32 << 1 << 30;
        QTest::newRow("toolbar") << 138 << 16 << 16 << 16;
        QTest::newRow("marks") << 142 << 16 << 2 << 16;
        QTest::newRow("navigation") << 156 << 32 << 25 << 32;
        QTest::newRow("banner") << 164 << 100 << 1 << 14;
        QTest::newRow("caption") << 165 << 32 << 3 << 32;
        QTest::newRow("no such bitmap") << 9999 << 16 << 0 << 0;
    }

    void imageStrips()
    {
        QFETCH(int, bitmap);
        QFETCH(int, cx);
        QFETCH(int, count);
        QFETCH(int, height);
        const QList<QPixmap> images = LoadImageList(bitmap, cx);
        QCOMPARE(images.size(), count);
        for (const QPixmap& image : images) {
            QCOMPARE(image.width(), cx);
            QCOMPARE(image.height(), height);
        }
    }

    // The icons cut from a strip, painted when first shown, are the strip's
    // own images: the status panes and the caption take them so.
    void iconsAreTheStripsImages()
    {
        QFETCH(int, bitmap);
        QFETCH(int, cx);
        QCOMPARE(DrawnImages::BitmapSize(bitmap), DrawnImages::Bitmap(bitmap).size());
        const QList<QPixmap> images = LoadImageList(bitmap, cx);
        const QList<QIcon> icons = LoadImageIcons(bitmap, cx);
        QCOMPARE(icons.size(), images.size());
        for (int i = 0; i < images.size(); ++i) {
            const QImage expected = images.at(i).toImage().convertToFormat(QImage::Format_ARGB32);
            const QImage shown =
                icons.at(i).pixmap(images.at(i).size()).toImage().convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(shown == expected, qPrintable(QStringLiteral("image %1").arg(i)));
        }
    }

    void iconsAreTheStripsImages_data() { imageStrips_data(); }

    void whiteBecomesTransparent()
    {
        QPixmap strip(32, 16);
        strip.fill(Qt::white);
        {
            QPainter p(&strip);
            p.fillRect(20, 4, 4, 4, Qt::red);
        }
        const QList<QPixmap> images = CutImageList(strip, 16);
        QCOMPARE(images.size(), 2);
        const QImage second = images.at(1).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(qAlpha(second.pixel(0, 0)), 0);
        QCOMPARE(second.pixelColor(5, 5), QColor(Qt::red));
        QVERIFY(CutImageList(strip, 0).isEmpty());
    }
};

QTEST_MAIN(TestDueList)
#include "tst_duelist.moc"
