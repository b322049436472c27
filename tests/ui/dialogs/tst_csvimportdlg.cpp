// The CSV import's preview: it says how the file was read and reads it again
// as the user takes its columns, separator, decimal sign or dates otherwise.
#include "../UiTestSupport.h"
#include "model/base/Clock.h"
#include "ui/dialogs/CCsvImportDlg.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {
QStringList Column(QTableWidget* table, int column)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << table->item(row, column)->text();
    return texts;
}

void Choose(QComboBox* combo, const QString& text)
{
    const int at = combo->findText(text);
    QVERIFY2(at >= 0, qPrintable(text));
    combo->setCurrentIndex(at);
}
} // namespace

class TestCsvImportDlg : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString Write(const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("in.csv"));
        QFile f(path);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(bytes);
        return path;
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Clock::SetFixed(QDateTime(QDate(2025, 3, 1), QTime(9, 0)));
    }

    void columnsChosenByHand()
    {
        // Names the program does not know, Windows-1252, semicolons, decimal commas.
        const QString path = Write("Name;Datum;Summe;Memo\r\n"
                                   "Caf\xE9;03/04/2025;1.234,50;a\r\n"
                                   "Tea;05/04/2025;2,500;b\r\n"
                                   "Bad;31/04/2025;1;c\r\n");
        DueCsv::Reading reading = DueCsv::ReadFile(path);
        QVERIFY(!reading.ok);
        CCsvImportDlg dlg(path, reading);
        auto* import = dlg.findChild<QPushButton*>(QStringLiteral("import"));
        QCOMPARE(dlg.SeparatorChoice()->currentText(), QStringLiteral("Semicolon"));
        QVERIFY2(dlg.EncodingLabel()->text().contains(QLatin1String("taken as Windows-1252")),
                 qPrintable(dlg.EncodingLabel()->text()));
        for (int c = 0; c < 4; ++c)
            QCOMPARE(dlg.ColumnChoice(c)->currentText(), QStringLiteral("(not imported)"));
        QVERIFY(!import->isEnabled());
        QVERIFY(dlg.findChild<QLabel*>(QStringLiteral("problem"))->text().contains(QLatin1String("lacks")));

        Choose(dlg.ColumnChoice(0), QStringLiteral("Title"));
        Choose(dlg.ColumnChoice(1), QStringLiteral("Due Date"));
        QVERIFY(!import->isEnabled());
        Choose(dlg.ColumnChoice(2), QStringLiteral("Amount"));
        QVERIFY(import->isEnabled());
        QVERIFY(dlg.findChild<QLabel*>(QStringLiteral("problem"))->isHidden());
        QCOMPARE(Column(dlg.AddedTable(), 1), (QStringList{"Café", "Tea"}));
        // "1.234,50" settles the decimal sign of "2,500".
        QCOMPARE(dlg.DecimalChoice()->currentText(), QStringLiteral("Comma (1.234,50)"));
        QCOMPARE(Column(dlg.AddedTable(), 6), (QStringList{"$1,234.50", "$2.50"}));
        // "31/04" settles the order as day first, though April has no 31st.
        QCOMPARE(dlg.DateOrderChoice()->currentText(), QStringLiteral("Day, month, year"));
        QCOMPARE(Column(dlg.AddedTable(), 3), (QStringList{"4/3/2025 12:00 AM", "4/5/2025 12:00 AM"}));
        QCOMPARE(Column(dlg.RejectedTable(), 0), QStringList{"4"});

        // The order of dates and the decimal sign as the user says.
        Choose(dlg.DateOrderChoice(), QStringLiteral("Month, day, year"));
        QCOMPARE(Column(dlg.AddedTable(), 3), (QStringList{"3/4/2025 12:00 AM", "5/4/2025 12:00 AM"}));
        QCOMPARE(Column(dlg.RejectedTable(), 0), QStringList{"4"});
        Choose(dlg.DecimalChoice(), QStringLiteral("Point (1,234.50)"));
        QCOMPARE(Column(dlg.AddedTable(), 6), (QStringList{"$1,234.50", "$2,500.00"}));

        // A field comes from one column: choosing it again moves it.
        Choose(dlg.ColumnChoice(3), QStringLiteral("Title"));
        QCOMPARE(dlg.ColumnChoice(0)->currentText(), QStringLiteral("(not imported)"));
        QCOMPARE(Column(dlg.AddedTable(), 1), (QStringList{"a", "b"}));
        Choose(dlg.ColumnChoice(0), QStringLiteral("Notes"));
        QCOMPARE(dlg.Reading().lines.value(0).due.m_strNotes, QStringLiteral("Café"));

        import->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.Reading().lines.size(), 2);
    }

    void anotherSeparatorReadsTheHeaderAgain()
    {
        const QString path = Write("Title;Due Date;Amount;x,y\n"
                                   "Rent;2025-04-01;12,5;z\n");
        CCsvImportDlg dlg(path, DueCsv::ReadFile(path));
        QCOMPARE(dlg.EncodingLabel()->text(), QStringLiteral("UTF-8"));
        QCOMPARE(dlg.ColumnChoice(2)->currentText(), QStringLiteral("Amount"));
        QCOMPARE(Column(dlg.AddedTable(), 6), QStringList{"$12.50"});
        Choose(dlg.SeparatorChoice(), QStringLiteral("Comma"));
        QCOMPARE(dlg.AddedTable()->horizontalHeaderItem(0)->text(), QStringLiteral("Line"));
        QCOMPARE(dlg.findChild<QTableWidget*>(QStringLiteral("columns"))->columnCount(), 2);
        QVERIFY(!dlg.findChild<QPushButton*>(QStringLiteral("import"))->isEnabled());
        Choose(dlg.SeparatorChoice(), QStringLiteral("Semicolon"));
        QCOMPARE(dlg.ColumnChoice(0)->currentText(), QStringLiteral("Title"));
        QVERIFY(dlg.findChild<QPushButton*>(QStringLiteral("import"))->isEnabled());
    }
};

QTEST_MAIN(TestCsvImportDlg)
#include "tst_csvimportdlg.moc"
