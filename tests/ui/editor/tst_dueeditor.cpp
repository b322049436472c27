#include "../../model/store/FullDisk.h"
#include "model/base/Clock.h"
#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"
#include "ui/dialogs/Prompt.h"
#include "ui/editor/CDetailPage.h"
#include "ui/editor/CDueDateSheet.h"
#include "ui/editor/CNotesPage.h"
#include "ui/editor/DueEditFlows.h"
#include "ui/editor/DueEditRules.h"
#include "ui/recurrence/CRecurrenceDlg.h"
#include "ui/recurrence/PickerFormat.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <QWizard>

#include <csignal>
#include <functional>
#include <optional>

#include <sys/resource.h>

namespace {
template <typename T> T* Child(QWidget* w, const char* name)
{
    T* child = w->findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

// Runs `step` on the next modal window that opens while the caller blocks in
// exec() (the window that is modal now does not count).
void OnNextModal(std::function<void(QWidget*)> step)
{
    QWidget* before = QApplication::activeModalWidget();
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || w == before || !w->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        step(w);
    });
    timer->start();
}

// Due files, and the placeholders of a series not finished yet (kept in
// memory only: a folder must never hold one).
QStringList DueFiles()
{
    QStringList names = QDir(theDueStore.Folder().Path())
                            .entryList({QStringLiteral("*.due"), QStringLiteral("*.pending")}, QDir::Files);
    theDueStore.ForEachBrief([&](const DueBrief& brief) {
        if (brief.placeholder)
            names << QStringLiteral("placeholder ") + brief.recId;
    });
    return names;
}

QList<DueRecord> AllDues()
{
    QList<DueRecord> all;
    theDueStore.ForEach([&](const DueRecord& r) { all << r; });
    std::sort(all.begin(), all.end(),
              [](const DueRecord& a, const DueRecord& b) { return a.m_dtStart < b.m_dtStart; });
    return all;
}

// In the recurrence dialog: daily every `interval` days from `start`, `count` times, then OK.
void ConfirmDailyPattern(QWidget* dlg, int interval, int count, const QDateTime& start)
{
    Child<QLineEdit>(dlg, "dailyInterval")->setText(QString::number(interval));
    Child<QLineEdit>(dlg, "occurrences")->setText(QString::number(count));
    auto* end = Child<QDateTimeEdit>(dlg, "endByDate");
    end->setDateTime(start.addYears(1));
    Child<QDateTimeEdit>(dlg, "rangeStart")->setDateTime(start);
    static_cast<QDialog*>(dlg)->accept();
}
} // namespace

class TestDueEditor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void parseAmount_data();
    void parseAmount();
    void formatAmountReadsBack_data();
    void formatAmountReadsBack();
    void notesKeepCrLf();
    void parseAmountInLocale_data();
    void parseAmountInLocale();
    void formatAmountInLocale_data();
    void formatAmountInLocale();
    void pickerFormatFollowsLocale_data();
    void pickerFormatFollowsLocale();

    void amountFieldTakesOnePoint();
    void amountTypedInGermanIsStoredAsTyped();
    void datesKeepTheirOrder_data();
    void datesKeepTheirOrder();
    void datesStoredOutOfOrderAreShownAsStored();
    void newSingleDueWithDefaults();
    void recursiveNeedsPattern();
    void badAmountStaysOnPage();
    void newRecurringSeries();
    void secondPatternReplacesFirst();
    void patternThenOff_data();
    void patternThenOff();
    void emptyPatternStoresNothing();
    void seriesIsKeptWholeOrNotAtAll_data();
    void seriesIsKeptWholeOrNotAtAll();
    void weekendRuleCountSaysWhatWasLeftOut();
    void newOnAGivenDay_data();
    void newOnAGivenDay();

    void modifySeries_data();
    void modifySeries();
    void modifyHidesRecursive();

private:
    QStringList MakeSeries(int members);
    QTemporaryDir* m_dir = nullptr;
    const QDateTime m_now{QDate(2007, 3, 7), QTime(14, 25, 30)};
};

void TestDueEditor::init()
{
    m_dir = new QTemporaryDir;
    theDueStore.SetFolder(DataFolder(m_dir->path()));
    theDueStore.LoadAll();
    theDueStore.TakeErrors();
    Prompt::SetTestMode(true);
    Prompt::TakeShownTexts();
    Clock::SetFixed(m_now);
}

void TestDueEditor::cleanup()
{
    Prompt::SetTestMode(false);
    Clock::SetFixed(QDateTime());
    QVERIFY(theDueStore.TakeErrors().isEmpty());
    theDueStore.RemoveAll();
    delete m_dir;
}

void TestDueEditor::parseAmount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("whole") << "125" << true << 125.0;
    QTest::newRow("decimals") << "125.50" << true << 125.5;
    QTest::newRow("leading point") << ".5" << true << 0.5;
    QTest::newRow("trailing point") << "7." << true << 7.0;
    QTest::newRow("zero") << "0" << true << 0.0;
    QTest::newRow("the largest") << "1000000000000000000" << true << 1e18;
    QTest::newRow("beyond the largest") << "1000000000000000001000" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("point alone") << "." << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0;
    QTest::newRow("sign") << "-5" << false << 0.0;
    QTest::newRow("exponent") << "1e5" << false << 0.0;
}

void TestDueEditor::parseAmount()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    double got = -1.0;
    const QString message = DueEditRules::ParseAmount(text, got);
    QCOMPARE(message.isEmpty(), ok);
    if (ok)
        QCOMPARE(got, value);
}

void TestDueEditor::formatAmountReadsBack_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "0.00";
    QTest::newRow("half") << 125.5 << "125.50";
    QTest::newRow("cents") << 19.99 << "19.99";
    QTest::newRow("large, no exponent") << 1e18 << "1000000000000000000.00";
    QTest::newRow("finer than cents") << 0.001 << "0.001";
    QTest::newRow("many decimals") << 2.0 / 3.0 << "0.6666666666666666";
}

void TestDueEditor::formatAmountReadsBack()
{
    QFETCH(double, amount);
    QFETCH(QString, text);
    QCOMPARE(DueEditRules::FormatAmount(amount), text);
    double back = -1.0;
    QVERIFY(DueEditRules::ParseAmount(text, back).isEmpty());
    QCOMPARE(back, amount);
}

void TestDueEditor::notesKeepCrLf()
{
    QCOMPARE(DueEditRules::NotesForEdit("a\r\nb\r\n"), QStringLiteral("a\nb\n"));
    QCOMPARE(DueEditRules::NotesForStore("a\nb"), QStringLiteral("a\r\nb"));
    QCOMPARE(DueEditRules::NotesForStore("a\r\nb"), QStringLiteral("a\r\nb"));
}

void TestDueEditor::parseAmountInLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("en_US point") << "en_US"
                                 << "12.50" << true << 12.5;
    QTest::newRow("en_US grouped") << "en_US"
                                   << "1,234.50" << true << 1234.5;
    QTest::newRow("en_US two groups") << "en_US"
                                      << "1,234,567" << true << 1234567.0;
    QTest::newRow("en_US comma is not a decimal point") << "en_US"
                                                        << "12,50" << false << 0.0;
    QTest::newRow("en_US short last group") << "en_US"
                                            << "1,2345" << false << 0.0;
    QTest::newRow("en_US leading comma") << "en_US"
                                         << ",5" << false << 0.0;
    QTest::newRow("en_US group after the point") << "en_US"
                                                 << "1.234,5" << false << 0.0;
    QTest::newRow("de_DE comma") << "de_DE"
                                 << "12,50" << true << 12.5;
    QTest::newRow("de_DE plain point as well") << "de_DE"
                                               << "12.50" << true << 12.5;
    QTest::newRow("de_DE grouped") << "de_DE"
                                   << "1.234,50" << true << 1234.5;
    QTest::newRow("de_DE groups only") << "de_DE"
                                       << "1.234.567" << true << 1234567.0;
    QTest::newRow("de_DE two commas") << "de_DE"
                                      << "1,2,3" << false << 0.0;
    QTest::newRow("de_DE point after the comma") << "de_DE"
                                                 << "12,5.0" << false << 0.0;
    QTest::newRow("de_DE short group") << "de_DE"
                                       << "1.23,5" << false << 0.0;
    QTest::newRow("de_DE leading comma") << "de_DE"
                                         << ",75" << true << 0.75;
    QTest::newRow("fr_FR typed blank groups") << "fr_FR"
                                              << "1 234,50" << true << 1234.5;
    QTest::newRow("fr_FR point") << "fr_FR"
                                 << "12.5" << true << 12.5;
    QTest::newRow("letters") << "de_DE"
                             << "12,5 EUR" << false << 0.0;
    QTest::newRow("separator alone") << "de_DE"
                                     << "," << false << 0.0;
}

void TestDueEditor::parseAmountInLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    double got = -1.0;
    const QString message = DueEditRules::ParseAmount(text, QLocale(locale), got);
    QCOMPARE(message.isEmpty(), ok);
    if (ok)
        QCOMPARE(got, value);
    else
        QCOMPARE(message, QStringLiteral("Please enter a number."));
}

void TestDueEditor::formatAmountInLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("text");
    QTest::newRow("en_US") << "en_US" << 1234.5 << "1234.50";
    QTest::newRow("de_DE") << "de_DE" << 1234.5 << "1234,50";
    QTest::newRow("de_DE finer than cents") << "de_DE" << 0.001 << "0,001";
    QTest::newRow("fr_FR") << "fr_FR" << 12.0 << "12,00";
}

void TestDueEditor::formatAmountInLocale()
{
    QFETCH(QString, locale);
    QFETCH(double, amount);
    QFETCH(QString, text);
    QCOMPARE(DueEditRules::FormatAmount(amount, QLocale(locale)), text);
    double back = -1.0;
    QVERIFY(DueEditRules::ParseAmount(text, QLocale(locale), back).isEmpty());
    QCOMPARE(back, amount);
}

void TestDueEditor::pickerFormatFollowsLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("shown");
    QTest::newRow("en_US") << "en_US"
                           << "M/d/yyyy  h:mm:ss AP"
                           << "4/4/1897  2:05:09 PM";
    QTest::newRow("de_DE") << "de_DE"
                           << "dd.MM.yyyy  HH:mm:ss"
                           << "04.04.1897  14:05:09";
}

void TestDueEditor::pickerFormatFollowsLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, format);
    QFETCH(QString, shown);
    QCOMPARE(LocaleDateTimeFormat(QLocale(locale)), format);

    QLocale::setDefault(QLocale(locale));
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
    CDueDateSheet sheet(CDueDateSheet::Mode::Modify);
    sheet.m_due.m_dtStart = COleDateTime(1897, 4, 4, 14, 5, 9);
    sheet.m_due.m_dtDue = sheet.m_due.m_dtStart;
    QWidget* w = sheet.Create();
    w->show();
    for (const char* name : {"startDate", "dueDate"}) {
        auto* picker = Child<QDateTimeEdit>(w, name);
        QCOMPARE(picker->displayFormat(), format);
        QCOMPARE(picker->text(), shown);
    }
}

void TestDueEditor::amountTypedInGermanIsStoredAsTyped()
{
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
    OnNextModal([](QWidget* w) {
        auto* wizard = qobject_cast<QWizard*>(w);
        auto* amount = Child<QLineEdit>(w, "amount");
        QCOMPARE(amount->text(), QStringLiteral("0,00"));
        amount->clear();
        QTest::keyClicks(amount, "1.234,5,0x"); // the second comma and the letter are refused
        QCOMPARE(amount->text(), QStringLiteral("1.234,50"));
        wizard->button(QWizard::NextButton)->click();
        wizard->button(QWizard::FinishButton)->click();
    });
    QVERIFY(DueEditFlows::NewDue(nullptr));
    QCOMPARE(AllDues().size(), 1);
    QCOMPARE(AllDues().first().m_dAmount, 1234.5);
}

void TestDueEditor::datesKeepTheirOrder_data()
{
    QTest::addColumn<QString>("moved");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("startDays"); // where start ends up, from now
    QTest::addColumn<int>("dueDays");
    // Start now, due two days later.
    QTest::newRow("due before start stops at start") << "dueDate" << -5 << 0 << 0;
    QTest::newRow("start past due stops at due") << "startDate" << 5 << 2 << 2;
    QTest::newRow("due later is fine") << "dueDate" << 10 << 0 << 12;
    QTest::newRow("start earlier is fine") << "startDate" << -10 << -10 << 2;
}

void TestDueEditor::datesKeepTheirOrder()
{
    QFETCH(QString, moved);
    QFETCH(int, days);
    QFETCH(int, startDays);
    QFETCH(int, dueDays);
    CDueDateSheet sheet(CDueDateSheet::Mode::Modify);
    sheet.m_due.m_dtStart = COleDateTime::FromQDateTime(m_now);
    sheet.m_due.m_dtDue = COleDateTime::FromQDateTime(m_now.addDays(2));
    QWidget* w = sheet.Create();
    w->show();
    auto* start = Child<QDateTimeEdit>(w, "startDate");
    auto* due = Child<QDateTimeEdit>(w, "dueDate");
    auto* picker = Child<QDateTimeEdit>(w, qPrintable(moved));
    picker->setDateTime(picker->dateTime().addDays(days));
    QCOMPARE(start->dateTime(), m_now.addDays(startDays));
    QCOMPARE(due->dateTime(), m_now.addDays(dueDays));
    // And by the keyboard: stepping the day down in the due picker stops at the start.
    due->setFocus();
    due->setCurrentSection(QDateTimeEdit::DaySection);
    for (int i = 0; i < 40; ++i)
        due->stepBy(-1);
    QVERIFY(due->dateTime() >= start->dateTime());
    for (int i = 0; i < 40; ++i)
        start->stepBy(1);
    QVERIFY(start->dateTime() <= due->dateTime());
}

void TestDueEditor::datesStoredOutOfOrderAreShownAsStored()
{
    CDueDateSheet sheet(CDueDateSheet::Mode::Modify);
    sheet.m_due.m_dtStart = COleDateTime::FromQDateTime(m_now.addDays(5));
    sheet.m_due.m_dtDue = COleDateTime::FromQDateTime(m_now);
    QWidget* w = sheet.Create();
    w->show();
    auto* start = Child<QDateTimeEdit>(w, "startDate");
    auto* due = Child<QDateTimeEdit>(w, "dueDate");
    QCOMPARE(start->dateTime(), m_now.addDays(5));
    QCOMPARE(due->dateTime(), m_now);
    // Once the due date is moved past the start, the order holds from then on.
    due->setDateTime(m_now.addDays(6));
    due->setDateTime(m_now);
    QCOMPARE(due->dateTime(), m_now.addDays(5));
}

void TestDueEditor::amountFieldTakesOnePoint()
{
    CDueDateSheet sheet(CDueDateSheet::Mode::New);
    QWidget* w = sheet.Create();
    auto* amount = Child<QLineEdit>(w, "amount");
    amount->clear();
    QTest::keyClicks(amount, "12a.5.3-");
    QCOMPARE(amount->text(), QStringLiteral("12.53"));
    auto* days = Child<QLineEdit>(w, "offsetDays");
    days->clear();
    QTest::keyClicks(days, "1x2.");
    QCOMPARE(days->text(), QStringLiteral("12"));
}

void TestDueEditor::newSingleDueWithDefaults()
{
    OnNextModal([](QWidget* w) {
        auto* wizard = qobject_cast<QWizard*>(w);
        QVERIFY(wizard);
        QVERIFY(!wizard->button(QWizard::BackButton)->isEnabled());
        Child<QLineEdit>(w, "amount")->setText("42.5");
        auto* type = Child<QComboBox>(w, "type");
        QCOMPARE(type->count(), 2);
        QCOMPARE(type->currentText(), QStringLiteral("Business"));
        type->setCurrentIndex(1);
        Child<QCheckBox>(w, "paid")->setChecked(true);
        wizard->button(QWizard::NextButton)->click();
        QCOMPARE(wizard->currentPage()->objectName(), QStringLiteral("notesPage"));
        Child<QPlainTextEdit>(w, "notes")->setPlainText("line one\nline two");
        wizard->button(QWizard::FinishButton)->click();
    });
    QVERIFY(DueEditFlows::NewDue(nullptr));

    const QList<DueRecord> all = AllDues();
    QCOMPARE(all.size(), 1);
    const DueRecord& r = all.first();
    QCOMPARE(r.m_strTitle, QStringLiteral("No Title"));
    QCOMPARE(r.m_strPayTo, QStringLiteral("Someone"));
    QCOMPARE(r.m_strAccount, QString());
    QCOMPARE(r.m_dAmount, 42.5);
    QCOMPARE(r.m_nType, 2);
    QCOMPARE(r.m_bPaid, 1);
    QCOMPARE(r.m_strNotes, QStringLiteral("line one\r\nline two"));
    QVERIFY(r.m_strSeriesId.isEmpty());
    QVERIFY(r.m_strRecId.endsWith(QLatin1String("10")));
    QCOMPARE(r.m_dtStart.ToQDateTime(), m_now);
    QCOMPARE(DueFiles().size(), 1);
    QVERIFY(QFile::exists(theDueStore.Folder().PreferencesPath()));
}

void TestDueEditor::recursiveNeedsPattern()
{
    CDueDateSheet sheet(CDueDateSheet::Mode::New);
    auto* wizard = qobject_cast<QWizard*>(sheet.Create());
    wizard->show();
    auto* recursive = Child<QCheckBox>(wizard, "makeRecursive");
    QVERIFY(!Child<QWidget>(wizard, "recurrenceBox")->isVisible());
    recursive->click();
    QVERIFY(Child<QWidget>(wizard, "recurrenceBox")->isVisible());
    QVERIFY(!Child<QDateTimeEdit>(wizard, "startDate")->isEnabled());
    QCOMPARE(Child<QTimeEdit>(wizard, "offsetTime")->time(), QTime(0, 0));
    QCOMPARE(Child<QLineEdit>(wizard, "offsetDays")->text(), QStringLiteral("1"));

    wizard->button(QWizard::NextButton)->click();
    QCOMPARE(Prompt::TakeShownTexts(), QStringList{"Please set the Recurrence Pattern."});
    QCOMPARE(wizard->currentPage(), static_cast<QWizardPage*>(sheet.m_pDetailPage));

    recursive->click(); // off again: Next works
    QVERIFY(Child<QDateTimeEdit>(wizard, "startDate")->isEnabled());
    wizard->button(QWizard::NextButton)->click();
    QCOMPARE(wizard->currentPage(), static_cast<QWizardPage*>(sheet.m_pNotesPage));
}

void TestDueEditor::badAmountStaysOnPage()
{
    CDueDateSheet sheet(CDueDateSheet::Mode::New);
    auto* wizard = qobject_cast<QWizard*>(sheet.Create());
    wizard->show();
    QApplication::setActiveWindow(wizard);
    auto* amount = Child<QLineEdit>(wizard, "amount");
    amount->setText(".");
    wizard->button(QWizard::NextButton)->click();
    QCOMPARE(Prompt::TakeShownTexts(), QStringList{"Please enter a number."});
    QCOMPARE(wizard->currentPage(), static_cast<QWizardPage*>(sheet.m_pDetailPage));
    QTRY_VERIFY(amount->hasFocus());
}

void TestDueEditor::newRecurringSeries()
{
    const QDateTime start(QDate(2007, 4, 1), QTime(9, 0));
    OnNextModal([&](QWidget* w) {
        auto* wizard = qobject_cast<QWizard*>(w);
        Child<QLineEdit>(w, "title")->setText("Rent");
        Child<QLineEdit>(w, "payTo")->setText("Landlord");
        Child<QLineEdit>(w, "amount")->setText("500");
        Child<QCheckBox>(w, "paid")->setChecked(true);
        Child<QCheckBox>(w, "makeRecursive")->click();
        Child<QLineEdit>(w, "offsetDays")->setText("2");
        Child<QTimeEdit>(w, "offsetTime")->setTime(QTime(10, 30));
        OnNextModal([&](QWidget* dlg) { ConfirmDailyPattern(dlg, 7, 4, start); });
        Child<QAbstractButton>(w, "setPattern")->click();
        QCOMPARE(Child<QLabel>(w, "count")->text(), QStringLiteral("Estimated number of records :  4"));
        QCOMPARE(DueFiles().size(), 4);
        wizard->button(QWizard::NextButton)->click();
        Child<QPlainTextEdit>(w, "notes")->setPlainText("monthly");
        wizard->button(QWizard::FinishButton)->click();
    });
    QVERIFY(DueEditFlows::NewDue(nullptr));

    const QList<DueRecord> all = AllDues();
    QCOMPARE(all.size(), 4);
    QCOMPARE(DueFiles().size(), 4);
    for (int i = 0; i < 4; ++i) {
        const DueRecord& r = all[i];
        QCOMPARE(r.m_dtStart.ToQDateTime(), start.addDays(7 * i));
        QCOMPARE(r.m_dtDue.ToQDateTime(), start.addDays(7 * i + 2).addSecs(10 * 3600 + 30 * 60));
        QCOMPARE(r.m_strTitle, QStringLiteral("Rent"));
        QCOMPARE(r.m_strPayTo, QStringLiteral("Landlord"));
        QCOMPARE(r.m_dAmount, 500.0);
        QCOMPARE(r.m_strNotes, QStringLiteral("monthly"));
        QCOMPARE(r.m_bPaid, i == 0 ? 1 : 0);
        QCOMPARE(r.m_strSeriesId, all.first().m_strSeriesId);
    }
    QVERIFY(!all.first().m_strSeriesId.isEmpty());
}

void TestDueEditor::secondPatternReplacesFirst()
{
    const QDateTime start(QDate(2007, 4, 1), QTime(9, 0));
    CDueDateSheet sheet(CDueDateSheet::Mode::New);
    QWidget* w = sheet.Create();
    w->show();
    Child<QCheckBox>(w, "makeRecursive")->click();
    OnNextModal([&](QWidget* dlg) { ConfirmDailyPattern(dlg, 1, 5, start); });
    Child<QAbstractButton>(w, "setPattern")->click();
    const QStringList first = sheet.m_pDetailPage->m_arrOccurrenceIds;
    QCOMPARE(first.size(), 5);

    // A cancelled dialog changes nothing.
    OnNextModal([](QWidget* dlg) { static_cast<QDialog*>(dlg)->reject(); });
    Child<QAbstractButton>(w, "setPattern")->click();
    QCOMPARE(sheet.m_pDetailPage->m_arrOccurrenceIds, first);

    OnNextModal([&](QWidget* dlg) { ConfirmDailyPattern(dlg, 1, 2, start); });
    Child<QAbstractButton>(w, "setPattern")->click();
    QCOMPARE(sheet.m_pDetailPage->m_arrOccurrenceIds.size(), 2);
    QCOMPARE(Child<QLabel>(w, "count")->text(), QStringLiteral("Estimated number of records :  2"));
    for (const QString& id : first)
        QVERIFY(!theDueStore.Contains(id));
    QCOMPARE(DueFiles().size(), 2);
}

void TestDueEditor::patternThenOff_data()
{
    QTest::addColumn<bool>("finish");
    QTest::addColumn<int>("dues");
    QTest::newRow("switched off, then Finish: one ordinary due") << true << 1;
    QTest::newRow("Cancel: nothing") << false << 0;
}

void TestDueEditor::patternThenOff()
{
    QFETCH(bool, finish);
    QFETCH(int, dues);
    const QDateTime start(QDate(2007, 4, 1), QTime(9, 0));
    OnNextModal([&](QWidget* w) {
        auto* wizard = qobject_cast<QWizard*>(w);
        Child<QCheckBox>(w, "makeRecursive")->click();
        OnNextModal([&](QWidget* dlg) { ConfirmDailyPattern(dlg, 1, 6, start); });
        Child<QAbstractButton>(w, "setPattern")->click();
        QCOMPARE(DueFiles().size(), 6);
        if (!finish) {
            wizard->reject();
            return;
        }
        Child<QCheckBox>(w, "makeRecursive")->click();
        wizard->button(QWizard::NextButton)->click();
        wizard->button(QWizard::FinishButton)->click();
    });
    QVERIFY(DueEditFlows::NewDue(nullptr));
    const QList<DueRecord> all = AllDues();
    QCOMPARE(all.size(), dues);
    QCOMPARE(DueFiles().size(), dues);
    for (const DueRecord& r : all)
        QVERIFY(r.m_strSeriesId.isEmpty());
}

void TestDueEditor::emptyPatternStoresNothing()
{
    // A monthly pattern whose only candidate lies after the end date.
    OnNextModal([](QWidget* w) {
        auto* wizard = qobject_cast<QWizard*>(w);
        Child<QCheckBox>(w, "makeRecursive")->click();
        OnNextModal([](QWidget* dlg) {
            Child<QComboBox>(dlg, "frequency")->setCurrentIndex(2);
            Child<QLineEdit>(dlg, "monthlyDay")->setText("5"); // today is the 7th
            Child<QRadioButton>(dlg, "endBy")->click();
            static_cast<QDialog*>(dlg)->accept();
        });
        Child<QAbstractButton>(w, "setPattern")->click();
        QCOMPARE(Child<QLabel>(w, "count")->text(), QStringLiteral("Estimated number of records :  0"));
        wizard->button(QWizard::NextButton)->click();
        wizard->button(QWizard::FinishButton)->click();
    });
    QVERIFY(!DueEditFlows::NewDue(nullptr));
    QCOMPARE(theDueStore.GetCount(), 0);
    QCOMPARE(DueFiles().size(), 0);
}

void TestDueEditor::seriesIsKeptWholeOrNotAtAll_data()
{
    QTest::addColumn<int>("stopAt"); // -1: never
    QTest::addColumn<bool>("diskFull");
    QTest::newRow("finished") << -1 << false;
    QTest::newRow("cancelled half way") << 3 << false;
    QTest::newRow("disk full half way") << 3 << true;
    QTest::newRow("disk full at the first") << 0 << true;
}

void TestDueEditor::seriesIsKeptWholeOrNotAtAll()
{
    QFETCH(int, stopAt);
    QFETCH(bool, diskFull);
    const QString other = theDueStore.AddDue(DueRecord());
    RecurrencePattern p;
    p.m_strDailyInterval = QStringLiteral("1");
    p.m_dtRangeStart = COleDateTime(2007, 4, 1, 9, 0, 0);
    p.m_strOccurrences = QStringLiteral("6");
    CRecurrenceDlg dlg;
    dlg.SetPattern(p);
    dlg.accept();
    DueEditRules::NewDueResult r;
    r.finished = r.recursive = r.patternSet = true;
    r.occurrenceIds = dlg.m_arrOccurrenceIds;
    r.due.m_strTitle = QStringLiteral("Gym");

    std::optional<FullDisk> full;
    DueEditRules::NewDueOutcome outcome;
    QVERIFY(DueEditRules::ApplyNewDue(theDueStore, r, &outcome, [&](qsizetype done, qsizetype) {
        if (done == stopAt && diskFull)
            full.emplace();
        return done != stopAt || diskFull;
    }));
    full.reset();
    const bool kept = stopAt < 0;
    QCOMPARE(outcome.cancelled, !kept && !diskFull);
    QCOMPARE(outcome.failed, diskFull);
    QCOMPARE(outcome.newId.isEmpty(), !kept);
    QCOMPARE(theDueStore.GetCount(), kept ? 7 : 1);
    QCOMPARE(DueFiles().size(), kept ? 7 : 1);
    QVERIFY(theDueStore.Contains(other));
    if (kept)
        QCOMPARE(theDueStore.GetDue(outcome.newId).m_strTitle, QStringLiteral("Gym"));
    QCOMPARE(theDueStore.TakeErrors().size(), diskFull ? 1 : 0);
}

void TestDueEditor::weekendRuleCountSaysWhatWasLeftOut()
{
    // Daily from Thursday 5 April 2007, five times, weekend to the Friday before:
    // Saturday and Sunday both fold onto Friday and are left out.
    const QDateTime start(QDate(2007, 4, 5), QTime(9, 0));
    OnNextModal([&](QWidget* w) {
        auto* wizard = qobject_cast<QWizard*>(w);
        Child<QCheckBox>(w, "makeRecursive")->click();
        OnNextModal([&](QWidget* dlg) {
            Child<QComboBox>(dlg, "weekendRule")->setCurrentIndex(RecurrencePattern::FridayBefore);
            ConfirmDailyPattern(dlg, 1, 5, start);
        });
        Child<QAbstractButton>(w, "setPattern")->click();
        QCOMPARE(
            Child<QLabel>(w, "count")->text(),
            QStringLiteral("Estimated number of records :  3 (2 left out: moved off the weekend onto a day "
                           "that already has one)"));
        QCOMPARE(DueFiles().size(), 3);
        wizard->reject();
    });
    (void)DueEditFlows::NewDue(nullptr); // cancelled: the placeholders go again
    QCOMPARE(DueFiles().size(), 0);
}

void TestDueEditor::newOnAGivenDay_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QDateTime>("start");
    QTest::newRow("later day: starts now") << m_now.date().addDays(9) << m_now;
    QTest::newRow("earlier day: starts that day")
        << m_now.date().addDays(-20) << QDateTime(m_now.date().addDays(-20), QTime(0, 0));
}

void TestDueEditor::newOnAGivenDay()
{
    QFETCH(QDate, day);
    QFETCH(QDateTime, start);
    QDateTime shownDue, shownStart;
    OnNextModal([&](QWidget* w) {
        shownDue = Child<QDateTimeEdit>(w, "dueDate")->dateTime();
        shownStart = Child<QDateTimeEdit>(w, "startDate")->dateTime();
        qobject_cast<QWizard*>(w)->reject();
    });
    QVERIFY(!DueEditFlows::NewDue(nullptr, nullptr, day));
    QCOMPARE(shownDue, QDateTime(day, QTime(0, 0)));
    QCOMPARE(shownStart, start);
}

QStringList TestDueEditor::MakeSeries(int members)
{
    DueEditRules::NewDueResult r;
    RecurrencePattern p;
    p.m_strDailyInterval = QStringLiteral("1");
    p.m_dtRangeStart = COleDateTime(2007, 4, 1, 9, 0, 0);
    p.m_strOccurrences = QString::number(members);
    CRecurrenceDlg dlg;
    dlg.SetPattern(p);
    dlg.accept();
    r.finished = true;
    r.recursive = true;
    r.patternSet = true;
    r.occurrenceIds = dlg.m_arrOccurrenceIds;
    r.due.m_strTitle = QStringLiteral("Gym");
    r.due.m_strPayTo = QStringLiteral("Club");
    r.due.m_dAmount = 30.0;
    r.due.m_strNotes = QStringLiteral("shared note");
    DueEditRules::ApplyNewDue(theDueStore, r);
    return r.occurrenceIds;
}

void TestDueEditor::modifySeries_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("changeTitle");
    QTest::addColumn<bool>("sheetOk");
    QTest::addColumn<QString>("otherTitle");  // title of another member afterwards
    QTest::addColumn<QString>("chosenNotes"); // notes of the chosen member afterwards
    QTest::addColumn<bool>("changed");

    QTest::newRow("Yes, title changed: whole series") << QMessageBox::Yes << true << true << "Fitness"
                                                      << "edited" << true;
    QTest::newRow("No, title changed: this one only") << QMessageBox::No << true << true << "Gym"
                                                      << "edited" << true;
    QTest::newRow("Yes, only notes changed: this one only") << QMessageBox::Yes << false << true << "Gym"
                                                            << "edited" << true;
    QTest::newRow("Cancel: no sheet, no change") << QMessageBox::Cancel << true << true << "Gym"
                                                 << "shared note" << false;
    QTest::newRow("sheet cancelled: no change") << QMessageBox::Yes << true << false << "Gym"
                                                << "shared note" << false;
}

void TestDueEditor::modifySeries()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, changeTitle);
    QFETCH(bool, sheetOk);
    QFETCH(QString, otherTitle);
    QFETCH(QString, chosenNotes);
    QFETCH(bool, changed);

    const QStringList ids = MakeSeries(3);
    const QString chosen = ids.at(1);
    const DueRecord before = theDueStore.GetDue(chosen);

    Prompt::SetNextAnswer(answer);
    bool sheetShown = false;
    if (answer != QMessageBox::Cancel) {
        OnNextModal([&](QWidget* w) {
            sheetShown = true;
            QCOMPARE(w->windowTitle(), QStringLiteral("Modify Due"));
            QCOMPARE(Child<QLineEdit>(w, "title")->text(), QStringLiteral("Gym"));
            if (changeTitle)
                Child<QLineEdit>(w, "title")->setText("Fitness");
            Child<QPlainTextEdit>(w, "notes")->setPlainText("edited");
            if (sheetOk)
                static_cast<QDialog*>(w)->accept();
            else
                static_cast<QDialog*>(w)->reject();
        });
    }
    QCOMPARE(DueEditFlows::ModifyDue(nullptr, chosen), changed);
    QCOMPARE(sheetShown, answer != QMessageBox::Cancel);
    QCOMPARE(
        Prompt::TakeShownTexts(),
        QStringList{"This is a recursive due. Select \"Yes\" to modify the whole series or \"No\" to modify "
                    "this record individually."});

    const DueRecord after = theDueStore.GetDue(chosen);
    QCOMPARE(after.m_strNotes, chosenNotes);
    QCOMPARE(after.m_dtStart, before.m_dtStart);
    QCOMPARE(after.m_strSeriesId, before.m_strSeriesId);
    for (const QString& id : {ids.at(0), ids.at(2)}) {
        const DueRecord other = theDueStore.GetDue(id);
        QCOMPARE(other.m_strTitle, otherTitle);
        QCOMPARE(other.m_strNotes, QStringLiteral("shared note"));
    }
    QCOMPARE(DueFiles().size(), 3);
}

void TestDueEditor::modifyHidesRecursive()
{
    CDueDateSheet sheet(CDueDateSheet::Mode::Modify);
    sheet.m_due.m_strTitle = QStringLiteral("Water");
    sheet.m_due.m_nType = 7; // not in the list: nothing selected
    QWidget* w = sheet.Create();
    w->show();
    QVERIFY(!Child<QCheckBox>(w, "makeRecursive")->isVisible());
    QCOMPARE(Child<QComboBox>(w, "type")->currentIndex(), -1);
    static_cast<QDialog*>(w)->accept();
    QCOMPARE(sheet.m_due.m_nType, 7);
    QCOMPARE(sheet.m_due.m_strTitle, QStringLiteral("Water"));
}

QTEST_MAIN(TestDueEditor)
#include "tst_dueeditor.moc"
