#include "export/HtmlTemplate.h"
#include "model/base/Clock.h"
#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"
#include "ui/dialogs/Prompt.h"
#include "ui/print/CPrintBrowser.h"
#include "ui/print/CPrintDuesDlg.h"
#include "ui/print/CPrintListCtrl.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

DueRecord Due(const QString& title, int month, const QString& account, bool paid, double amount,
              bool series = false)
{
    DueRecord r;
    r.m_strTitle = title;
    r.m_dtStart = COleDateTime(2007, month, 1, 0, 0, 0);
    r.m_dtDue = COleDateTime(2007, month, 20, 0, 0, 0);
    r.m_strPayTo = QStringLiteral("Payee of ") + title;
    r.m_strAccount = account;
    r.m_dAmount = amount;
    r.m_bPaid = paid ? 1 : 0;
    if (series)
        r.m_strSeriesId = QStringLiteral("20070301090000");
    return r;
}

QSet<QString> Ticked(const CPrintListCtrl* list)
{
    QSet<QString> titles;
    for (int row = 0; row < list->count(); ++row)
        if (list->IsChecked(row))
            titles << list->Record(row).m_strTitle;
    return titles;
}

QSet<QString> AllTitles(const CPrintListCtrl* list)
{
    QSet<QString> titles;
    for (int row = 0; row < list->count(); ++row)
        titles << list->Record(row).m_strTitle;
    return titles;
}

int RowOf(const CPrintListCtrl* list, const QString& title)
{
    for (int row = 0; row < list->count(); ++row)
        if (list->Record(row).m_strTitle == title)
            return row;
    return -1;
}

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestPrintDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensWithTheMonthTicked();
    void presets_data();
    void presets();
    void accountSelectsBlankInsensitively();
    void clickInListShowsAll();
    void fromAfterToMovesTo();
    void printMakesPageOfTickedDues();
    void keyboardPrintUsesCurrentTicks();
    void nothingTickedOpensNoPreview();
    void missingTemplateIsReported();
    void unwritablePageIsNeverStale();

private:
    QTemporaryDir m_work;
    QString m_templates;
    int m_previews = 0;
    int m_previewPages = 0;
};

void TestPrintDialog::initTestCase()
{
    QVERIFY(m_work.isValid());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Prompt::SetTestMode(true);
    Clock::SetFixed(QDateTime(QDate(2007, 3, 10), QTime(9, 30)));
    theDueStore.SetFolder(DataFolder(m_work.filePath(QStringLiteral("work"))));
    QVERIFY(theDueStore.Folder().Create());
    theDueStore.RemoveAll();
    theDueStore.AddDue(Due(QStringLiteral("Rent"), 3, QStringLiteral("Bank"), false, 950));
    theDueStore.AddDue(Due(QStringLiteral("Power"), 3, QStringLiteral(" Bank "), true, 61.2, true));
    theDueStore.AddDue(Due(QStringLiteral("Phone"), 3, QStringLiteral("Card"), false, 30));
    theDueStore.AddDue(Due(QStringLiteral("Gym"), 3, QStringLiteral("Ba nk"), true, 25));
    theDueStore.AddDue(Due(QStringLiteral("Insurance"), 4, QStringLiteral("Bank"), false, 120));
    QVERIFY(!theDueStore.HasErrors());

    CPrintDuesDlg::SetPreviewHandler([this](QPrintPreviewDialog& preview) {
        ++m_previews;
        preview.show();
        QCoreApplication::processEvents();
        auto* widget = preview.findChild<QPrintPreviewWidget*>();
        m_previewPages = widget ? widget->pageCount() : -1;
        const QByteArray shots = qgetenv("TALLYVANE_SCREENSHOT_DIR");
        if (!shots.isEmpty() && widget) {
            widget->fitToWidth();
            QCoreApplication::processEvents();
            const QString prefix =
                QString::fromLocal8Bit(shots) + QStringLiteral("/%1-").arg(QTest::currentTestFunction());
            preview.grab().save(prefix + QString::number(m_previews) + QStringLiteral("-preview.png"));
            if (auto* dlg = qobject_cast<CPrintDuesDlg*>(preview.parentWidget()))
                dlg->grab().save(prefix + QString::number(m_previews) + QStringLiteral("-dialog.png"));
        }
        preview.close();
    });
}

void TestPrintDialog::init()
{
    m_templates = m_work.filePath(QStringLiteral("Templates"));
    QDir(m_templates).removeRecursively();
    QVERIFY(QDir().mkpath(m_templates));
    const QString source = QStringLiteral(TALLYVANE_TEST_DATA "/../../templates/");
    for (const char* name : {"printtemplate.html", "icon.bmp", "recicon.bmp"})
        QVERIFY(
            QFile::copy(source + QLatin1String(name), m_templates + QLatin1Char('/') + QLatin1String(name)));
    HtmlTemplate::SetTemplatesFolder(m_templates);
    m_previews = 0;
    m_previewPages = 0;
    Prompt::TakeShownTexts();
}

void TestPrintDialog::cleanup()
{
    HtmlTemplate::SetTemplatesFolder(QString());
}

void TestPrintDialog::opensWithTheMonthTicked()
{
    CPrintDuesDlg dlg;
    const CPrintListCtrl* list = dlg.List();
    const QSet<QString> march{"Rent", "Power", "Phone", "Gym"};
    QCOMPARE(AllTitles(list), march);
    QCOMPARE(Ticked(list), march);
    QCOMPARE(dlg.RecordsBox()->currentText(), QStringLiteral("All"));
    QCOMPARE(dlg.RecordsBox()->count(), 5);

    // One entry per trimmed account, in the order the list shows them first.
    QStringList expected;
    for (int row = 0; row < list->count(); ++row) {
        const QString account = list->Record(row).m_strAccount.trimmed();
        if (!expected.contains(account))
            expected << account;
    }
    QCOMPARE(dlg.m_arrAccounts, expected);
    QCOMPARE(QSet<QString>(expected.begin(), expected.end()), QSet<QString>({"Bank", "Card", "Ba nk"}));
    QCOMPARE(dlg.AccountBox()->count(), 3);
    QCOMPARE(dlg.AccountBox()->currentIndex(), -1);

    for (int row = 0; row < list->count(); ++row)
        QCOMPARE(list->item(row)->font().strikeOut(), list->Record(row).m_bPaid != 0);
}

void TestPrintDialog::presets_data()
{
    QTest::addColumn<QList<int>>("chosen");
    QTest::addColumn<QStringList>("ticked");

    QTest::newRow("paid") << QList<int>{CPrintDuesDlg::Paid} << QStringList{"Power", "Gym"};
    QTest::newRow("unpaid") << QList<int>{CPrintDuesDlg::UnPaid} << QStringList{"Rent", "Phone"};
    QTest::newRow("reset") << QList<int>{CPrintDuesDlg::Reset} << QStringList{};
    QTest::newRow("reset, all") << QList<int>{CPrintDuesDlg::Reset, CPrintDuesDlg::All}
                                << QStringList{"Rent", "Power", "Phone", "Gym"};
    QTest::newRow("paid, invert") << QList<int>{CPrintDuesDlg::Paid, CPrintDuesDlg::Invert}
                                  << QStringList{"Rent", "Phone"};
    QTest::newRow("invert twice restores")
        << QList<int>{CPrintDuesDlg::Paid, CPrintDuesDlg::Invert, CPrintDuesDlg::Invert}
        << QStringList{"Power", "Gym"};
}

void TestPrintDialog::presets()
{
    QFETCH(QList<int>, chosen);
    QFETCH(QStringList, ticked);
    CPrintDuesDlg dlg;
    for (int index : chosen) {
        dlg.RecordsBox()->setCurrentIndex(index);
        emit dlg.RecordsBox()->activated(index); // as the user's choice sends it
    }
    QCOMPARE(Ticked(dlg.List()), QSet<QString>(ticked.begin(), ticked.end()));
}

void TestPrintDialog::accountSelectsBlankInsensitively()
{
    CPrintDuesDlg dlg;
    const int bank = dlg.m_arrAccounts.indexOf(QStringLiteral("Bank"));
    QVERIFY(bank >= 0);
    dlg.AccountBox()->setCurrentIndex(bank);
    emit dlg.AccountBox()->activated(bank);
    QCOMPARE(dlg.m_nAccount, bank);
    QCOMPARE(Ticked(dlg.List()), QSet<QString>({"Rent", "Power", "Gym"}));

    const int card = dlg.m_arrAccounts.indexOf(QStringLiteral("Card"));
    dlg.AccountBox()->setCurrentIndex(card);
    emit dlg.AccountBox()->activated(card);
    QCOMPARE(Ticked(dlg.List()), QSet<QString>({"Phone"}));
}

void TestPrintDialog::clickInListShowsAll()
{
    CPrintDuesDlg dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    dlg.RecordsBox()->setCurrentIndex(CPrintDuesDlg::Paid);
    emit dlg.RecordsBox()->activated(CPrintDuesDlg::Paid);
    const QSet<QString> before = Ticked(dlg.List());

    const int row = RowOf(dlg.List(), QStringLiteral("Phone"));
    const QRect rect = dlg.List()->visualItemRect(dlg.List()->item(row));
    QTest::mouseClick(dlg.List()->viewport(), Qt::LeftButton, {},
                      QPoint(rect.right() - 4, rect.center().y()));
    QCOMPARE(dlg.RecordsBox()->currentIndex(), 0);
    QCOMPARE(Ticked(dlg.List()), before); // showing "All" applies nothing
}

void TestPrintDialog::fromAfterToMovesTo()
{
    CPrintDuesDlg dlg;
    dlg.FromEdit()->setDate(QDate(2007, 4, 10));
    QVERIFY(dlg.ToEdit()->date() >= QDate(2007, 4, 10));
    QCOMPARE(dlg.ToEdit()->minimumDate(), QDate(2007, 4, 10));
    QCOMPARE(AllTitles(dlg.List()), QSet<QString>({"Insurance"}));
    QCOMPARE(Ticked(dlg.List()), QSet<QString>()); // a refresh lists unticked
    QCOMPARE(dlg.m_arrAccounts, QStringList({"Bank"}));

    // Back to March: To stays in April, the range spans both months.
    dlg.FromEdit()->setDate(QDate(2007, 3, 1));
    QCOMPARE(dlg.ToEdit()->minimumDate(), QDate(2007, 3, 1));
    QCOMPARE(AllTitles(dlg.List()).size(), 5);
}

void TestPrintDialog::printMakesPageOfTickedDues()
{
    CPrintDuesDlg dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    dlg.FromEdit()->setDate(QDate(2007, 3, 1));
    dlg.ToEdit()->setDate(QDate(2007, 4, 1));
    dlg.List()->SetChecked(RowOf(dlg.List(), QStringLiteral("Power")), true);
    dlg.List()->SetChecked(RowOf(dlg.List(), QStringLiteral("Insurance")), true);
    QTest::mouseClick(dlg.PrintButton(), Qt::LeftButton);

    QCOMPARE(m_previews, 1);
    QVERIFY(m_previewPages >= 1);
    const QString page = ReadText(m_templates + QStringLiteral("/print.html"));
    QVERIFY(page.contains(QLatin1String("Mar/2007 - Apr/2007")));
    QVERIFY(page.contains(QLatin1String(">Power<")));
    QVERIFY(page.contains(QLatin1String(">Insurance<")));
    QVERIFY(!page.contains(QLatin1String(">Rent<")));
    QVERIFY(page.contains(QLatin1String(">1.<")));
    QVERIFY(page.contains(QLatin1String(">2.<")));
    QVERIFY(!page.contains(QLatin1String(">3.<")));
    QVERIFY(page.contains(QLatin1String("$181.20"))); // 61.20 paid + 120.00 unpaid
    QVERIFY(page.contains(QLatin1String("recicon.bmp")));
    QCOMPARE(dlg.Browser()->CurrentPath(), QDir::cleanPath(m_templates + QStringLiteral("/print.html")));
    QVERIFY(dlg.Browser()->toPlainText().contains(QLatin1String("Insurance")));
    QVERIFY(dlg.isVisible()); // the dialog stays open after the preview
}

void TestPrintDialog::keyboardPrintUsesCurrentTicks()
{
    CPrintDuesDlg dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QTest::mouseClick(dlg.PrintButton(), Qt::LeftButton);
    QVERIFY(dlg.Browser()->toPlainText().contains(QLatin1String("Phone")));

    dlg.ApplyPreset(CPrintDuesDlg::Reset);
    dlg.List()->SetChecked(RowOf(dlg.List(), QStringLiteral("Rent")), true);
    dlg.PrintButton()->setFocus();
    QTest::keyClick(dlg.PrintButton(), Qt::Key_Space);

    QCOMPARE(m_previews, 2);
    const QString shown = dlg.Browser()->toPlainText();
    QVERIFY(shown.contains(QLatin1String("Rent")));
    QVERIFY(!shown.contains(QLatin1String("Phone")));
}

void TestPrintDialog::nothingTickedOpensNoPreview()
{
    CPrintDuesDlg dlg;
    QTest::mouseClick(dlg.PrintButton(), Qt::LeftButton);
    QCOMPARE(m_previews, 1);
    dlg.ApplyPreset(CPrintDuesDlg::Reset);
    QTest::mouseClick(dlg.PrintButton(), Qt::LeftButton);
    QCOMPARE(m_previews, 1);
    // The page is still made afresh, without dues.
    const QString page = ReadText(m_templates + QStringLiteral("/print.html"));
    QVERIFY(!page.contains(QLatin1String(">Rent<")));
    QCOMPARE(page.count(QLatin1String("$0.00")), 3);
}

void TestPrintDialog::missingTemplateIsReported()
{
    QVERIFY(QFile::remove(m_templates + QStringLiteral("/printtemplate.html")));
    CPrintDuesDlg dlg;
    QTest::mouseClick(dlg.PrintButton(), Qt::LeftButton);
    QCOMPARE(m_previews, 0);
    const QStringList shown = Prompt::TakeShownTexts();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().contains(m_templates + QStringLiteral("/printtemplate.html")),
             qPrintable(shown.first()));
}

void TestPrintDialog::unwritablePageIsNeverStale()
{
    // print.html cannot be written where a folder holds its name.
    QVERIFY(QDir().mkpath(m_templates + QStringLiteral("/print.html")));
    CPrintDuesDlg dlg;
    dlg.ApplyPreset(CPrintDuesDlg::Reset);
    dlg.List()->SetChecked(RowOf(dlg.List(), QStringLiteral("Gym")), true);
    QTest::mouseClick(dlg.PrintButton(), Qt::LeftButton);
    QCOMPARE(m_previews, 1);
    QVERIFY(m_previewPages >= 1);
    QVERIFY(dlg.Browser()->CurrentPath().isEmpty());
    const QString shown = dlg.Browser()->toPlainText();
    QVERIFY(shown.contains(QLatin1String("Gym")));
    QVERIFY(!shown.contains(QLatin1String("Rent")));
}

QTEST_MAIN(TestPrintDialog)
#include "tst_printdialog.moc"
