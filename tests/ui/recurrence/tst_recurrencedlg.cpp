#include "model/base/Clock.h"
#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"
#include "ui/dialogs/Prompt.h"
#include "ui/recurrence/CRecurrenceDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QLineEdit>
#include <QProgressDialog>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using Setup = std::function<void(CRecurrenceDlg&)>;
Q_DECLARE_METATYPE(Setup)

namespace {
template <typename T> T* Child(QWidget& w, const char* name)
{
    T* child = w.findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

int DueFileCount()
{
    // Due files, and the placeholders of a series not finished yet (kept in
    // memory only: a folder must never hold one).
    int placeholders = 0;
    theDueStore.ForEachBrief([&](const DueBrief& brief) { placeholders += brief.placeholder ? 1 : 0; });
    return int(QDir(theDueStore.Folder().Path())
                   .entryList({QStringLiteral("*.due"), QStringLiteral("*.pending")}, QDir::Files)
                   .size()) +
           placeholders;
}
} // namespace

class TestRecurrenceDlg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void defaults_data();
    void defaults();
    void okValidates_data();
    void okValidates();
    void lastWeekdayStays();
    void frequencyShowsOneGroup();
    void startCannotPassEndUntilEndMoves();
    void okGeneratesInOrder();
    void cancelledLongRunLeavesNothing();
    void weekendRuleDropsAndCounts();

private:
    QTemporaryDir* m_dir = nullptr;
};

void TestRecurrenceDlg::init()
{
    m_dir = new QTemporaryDir;
    theDueStore.SetFolder(DataFolder(m_dir->path()));
    theDueStore.LoadAll();
    Prompt::SetTestMode(true);
    Prompt::TakeShownTexts();
    // 7 March 2007, a Wednesday.
    Clock::SetFixed(QDateTime(QDate(2007, 3, 7), QTime(14, 25, 30)));
}

void TestRecurrenceDlg::cleanup()
{
    Prompt::SetTestMode(false);
    Clock::SetFixed(QDateTime());
    theDueStore.RemoveAll();
    delete m_dir;
}

void TestRecurrenceDlg::defaults_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("ordinal");
    QTest::newRow("7th is the second") << QDate(2007, 3, 7) << "second";
    QTest::newRow("6th is the first") << QDate(2007, 3, 6) << "first";
    QTest::newRow("28th is the last") << QDate(2007, 2, 28) << "last";
}

void TestRecurrenceDlg::defaults()
{
    QFETCH(QDate, today);
    QFETCH(QString, ordinal);
    Clock::SetFixed(QDateTime(today, QTime(9, 0)));
    CRecurrenceDlg dlg;
    QCOMPARE(Child<QComboBox>(dlg, "monthlyOrdinal")->currentText(), ordinal);
    QCOMPARE(Child<QComboBox>(dlg, "yearlyOrdinal")->currentText(), ordinal);
    const QString weekday = QLocale::c().dayName(today.dayOfWeek());
    QCOMPARE(Child<QComboBox>(dlg, "monthlyWeekday")->currentText(), weekday);
    QCOMPARE(Child<QComboBox>(dlg, "yearlyMonth")->currentIndex(), today.month() - 1);
    QCOMPARE(Child<QLineEdit>(dlg, "monthlyDay")->text(), QString::number(today.day()));
    for (int d = 0; d < 7; ++d)
        QCOMPARE(Child<QCheckBox>(dlg, qPrintable(QStringLiteral("weekday%1").arg(d)))->isChecked(),
                 d == today.dayOfWeek() % 7);
    QCOMPARE(Child<QComboBox>(dlg, "frequency")->currentText(), QStringLiteral("Day"));
    QVERIFY(Child<QRadioButton>(dlg, "endAfter")->isChecked());
    QCOMPARE(Child<QDateTimeEdit>(dlg, "rangeStart")->dateTime(), QDateTime(today, QTime(9, 0)));
}

void TestRecurrenceDlg::okValidates_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("message"); // empty: accepted

    QTest::newRow("defaults generate") << Setup([](CRecurrenceDlg&) {}) << QString();
    QTest::newRow("daily 0") << Setup([](CRecurrenceDlg& d) {
        Child<QLineEdit>(d, "dailyInterval")->setText("0");
    }) << "Please enter valid recurrence day";
    QTest::newRow("every weekday ignores an empty interval") << Setup([](CRecurrenceDlg& d) {
        Child<QLineEdit>(d, "dailyInterval")->clear();
        Child<QRadioButton>(d, "dailyWeekday")->click();
    }) << QString();
    QTest::newRow("yearly 30 February") << Setup([](CRecurrenceDlg& d) {
        Child<QComboBox>(d, "frequency")->setCurrentIndex(3);
        Child<QComboBox>(d, "yearlyMonth")->setCurrentIndex(1);
        Child<QLineEdit>(d, "yearlyDay")->setText("30");
    }) << "Month February does not have date 30";
    QTest::newRow("monthly both bad") << Setup([](CRecurrenceDlg& d) {
        Child<QComboBox>(d, "frequency")->setCurrentIndex(2);
        Child<QLineEdit>(d, "monthlyDay")->setText("0");
        Child<QLineEdit>(d, "monthlyDayInterval")->setText("0");
    }) << "Please enter valid recurrence month";
    QTest::newRow("no occurrences") << Setup([](CRecurrenceDlg& d) {
        Child<QLineEdit>(d, "occurrences")->clear();
    }) << "Please enter valid number of recurrences";
    QTest::newRow("end by ignores the count") << Setup([](CRecurrenceDlg& d) {
        Child<QLineEdit>(d, "occurrences")->clear();
        Child<QRadioButton>(d, "endBy")->click();
    }) << QString();
}

void TestRecurrenceDlg::okValidates()
{
    QFETCH(Setup, setup);
    QFETCH(QString, message);
    CRecurrenceDlg dlg;
    dlg.show();
    setup(dlg);
    dlg.accept();
    const QStringList shown = Prompt::TakeShownTexts();
    if (message.isEmpty()) {
        QCOMPARE(shown, QStringList());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(!dlg.m_arrOccurrenceIds.isEmpty());
        QCOMPARE(DueFileCount(), dlg.m_arrOccurrenceIds.size());
    } else {
        QCOMPARE(shown, QStringList{message});
        QVERIFY(dlg.isVisible());
        QVERIFY(dlg.m_arrOccurrenceIds.isEmpty());
        QCOMPARE(DueFileCount(), 0);
    }
}

void TestRecurrenceDlg::lastWeekdayStays()
{
    CRecurrenceDlg dlg;
    dlg.show();
    Child<QComboBox>(dlg, "frequency")->setCurrentIndex(1);
    QCheckBox* wednesday = Child<QCheckBox>(dlg, "weekday3");
    QVERIFY(wednesday->isChecked());
    QTest::mouseClick(wednesday, Qt::LeftButton);
    QCOMPARE(Prompt::TakeShownTexts(), QStringList{"Atleast one day should be selected!"});
    QVERIFY(wednesday->isChecked());
    // With a second day, the first may go.
    QTest::mouseClick(Child<QCheckBox>(dlg, "weekday1"), Qt::LeftButton);
    QTest::mouseClick(wednesday, Qt::LeftButton);
    QVERIFY(!wednesday->isChecked());
    QVERIFY(Prompt::TakeShownTexts().isEmpty());
}

void TestRecurrenceDlg::frequencyShowsOneGroup()
{
    CRecurrenceDlg dlg;
    dlg.show();
    auto* groups = dlg.findChild<QStackedWidget*>();
    for (int i : {2, 0, 3, 1}) {
        Child<QComboBox>(dlg, "frequency")->setCurrentIndex(i);
        QCOMPARE(groups->currentIndex(), i);
    }
    QVERIFY(Child<QLineEdit>(dlg, "weeklyInterval")->isVisible());
    QVERIFY(!Child<QLineEdit>(dlg, "dailyInterval")->isVisible());
    dlg.ShowFrequencyGroup(7); // not a group: nothing changes
    QCOMPARE(groups->currentIndex(), 1);
}

void TestRecurrenceDlg::startCannotPassEndUntilEndMoves()
{
    CRecurrenceDlg dlg;
    auto* start = Child<QDateTimeEdit>(dlg, "rangeStart");
    auto* end = Child<QDateTimeEdit>(dlg, "endByDate");
    const QDateTime opened = start->dateTime();
    start->setDateTime(opened.addDays(5));
    QCOMPARE(start->dateTime(), opened);
    end->setDateTime(opened.addDays(30));
    start->setDateTime(opened.addDays(5));
    QCOMPARE(start->dateTime(), opened.addDays(5));
    // Now the end cannot go before the start.
    end->setDateTime(opened);
    QCOMPARE(end->dateTime(), opened.addDays(5));
}

void TestRecurrenceDlg::okGeneratesInOrder()
{
    CRecurrenceDlg dlg;
    dlg.show();
    Child<QComboBox>(dlg, "frequency")->setCurrentIndex(2); // monthly, day 7 of every month
    Child<QLineEdit>(dlg, "occurrences")->setText("3");
    dlg.accept();
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(dlg.m_arrOccurrenceIds.size(), 3);
    QStringList starts;
    for (const QString& id : dlg.m_arrOccurrenceIds) {
        const DueRecord r = theDueStore.GetDue(id);
        QCOMPARE(r.m_strSeriesId, dlg.m_strSeriesId);
        starts << r.m_dtStart.ToQDateTime().toString(Qt::ISODate);
    }
    QCOMPARE(starts, (QStringList{"2007-03-07T14:25:30", "2007-04-07T14:25:30", "2007-05-07T14:25:30"}));
}

void TestRecurrenceDlg::cancelledLongRunLeavesNothing()
{
    const QString keep = theDueStore.AddDue(DueRecord());
    CRecurrenceDlg dlg;
    dlg.show();
    Child<QLineEdit>(dlg, "dailyInterval")->setText("1");
    // Placeholders are made in memory, quickly: enough of them that the
    // progress shows (after 400 ms) before the run ends.
    Child<QLineEdit>(dlg, "occurrences")->setText("900000");
    Prompt::SetNextAnswer(QMessageBox::Yes); // to "This pattern makes 900,000 dues..."

    // Press the progress dialog's Cancel once it has written a few dues.
    int seenWhileRunning = -1;
    int onDiskWhileRunning = -1;
    QTimer poll;
    poll.setInterval(5);
    connect(&poll, &QTimer::timeout, this, [&] {
        auto* progress = dlg.findChild<QProgressDialog*>(QStringLiteral("generationProgress"));
        if (progress && progress->isVisible() && progress->value() >= 50) {
            seenWhileRunning = theDueStore.GetCount();
            onDiskWhileRunning =
                int(QDir(theDueStore.Folder().Path())
                        .entryList({QStringLiteral("*.due"), QStringLiteral("*.pending")}, QDir::Files)
                        .size());
            progress->cancel();
            poll.stop();
        }
    });
    poll.start();
    dlg.accept();
    poll.stop();

    QVERIFY2(seenWhileRunning > 1, "the run was cancelled while it was making placeholders");
    // The placeholders of a series not finished never reach the folder.
    QCOMPARE(onDiskWhileRunning, 1);
    QVERIFY(dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QVERIFY(dlg.m_arrOccurrenceIds.isEmpty());
    QCOMPARE(DueFileCount(), 1);
    QCOMPARE(theDueStore.GetCount(), 1);
    QVERIFY(theDueStore.Contains(keep));
}

void TestRecurrenceDlg::weekendRuleDropsAndCounts()
{
    // Opened on Wednesday 7 March 2007: daily for five days runs into the weekend.
    CRecurrenceDlg dlg;
    dlg.show();
    auto* rule = Child<QComboBox>(dlg, "weekendRule");
    QCOMPARE(rule->currentIndex(), int(RecurrencePattern::KeepWeekend));
    Child<QLineEdit>(dlg, "dailyInterval")->setText("1");
    Child<QLineEdit>(dlg, "occurrences")->setText("5");
    rule->setCurrentIndex(RecurrencePattern::FridayBefore);
    dlg.accept();
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QStringList days;
    for (const QString& id : dlg.m_arrOccurrenceIds)
        days << theDueStore.GetDue(id).m_dtStart.ToQDateTime().date().toString(Qt::ISODate);
    QCOMPARE(days, (QStringList{"2007-03-07", "2007-03-08", "2007-03-09"}));
    QCOMPARE(dlg.m_nDroppedOccurrences, qint64(2));
    QCOMPARE(DueFileCount(), 3);
}

QTEST_MAIN(TestRecurrenceDlg)
#include "tst_recurrencedlg.moc"
