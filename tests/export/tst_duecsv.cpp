#include "export/DueCsv.h"
#include "model/base/Clock.h"
#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
DueRecord Due(const QString& id, const QString& title, const COleDateTime& start, const COleDateTime& due,
              double amount, int type, bool paid, const QString& notes = QString(),
              const QString& series = QString())
{
    DueRecord r(Qt::Uninitialized);
    r.m_strRecId = id;
    r.m_strTitle = title;
    r.m_dtStart = start;
    r.m_dtDue = due;
    r.m_strPayTo = title + QStringLiteral(" payee");
    r.m_strAccount = QStringLiteral("ACC-") + id.right(4);
    r.m_dAmount = amount;
    r.m_nType = type;
    r.m_bPaid = paid ? 1 : 0;
    r.m_strNotes = notes;
    r.m_strSeriesId = series;
    return r;
}

QList<DueRecord> AwkwardDues()
{
    const QString series = QStringLiteral("2007031214253001");
    return {
        Due("2007031214253000", "Rent", COleDateTime(2007, 3, 1, 0, 0, 0), COleDateTime(2007, 3, 1, 0, 0, 0),
            500, 1, true),
        Due("2007031214253101", "Gas, \"winter\" bill", COleDateTime(2007, 3, 2, 8, 0, 0),
            COleDateTime(2007, 3, 31, 23, 59, 59), 0.1 + 0.2, 2, false,
            QStringLiteral("line one\r\nline \"two\", with comma\r\n"), series),
        Due("2007031214253102", "  padded  ", COleDateTime(2007, 12, 31, 12, 0, 0),
            COleDateTime(2008, 1, 1, 9, 30, 0), 123456789012.34, 2, false, QStringLiteral("Zoë — 東京 €"),
            series),
        Due("2007031214253200", QString(), COleDateTime(1999, 12, 31, 0, 0, 0),
            COleDateTime(2000, 2, 29, 0, 0, 1), 0, 1, false, QStringLiteral("\n"), QString()),
        // Texts a spreadsheet would run as formulas, and one that only looks guarded.
        Due("2007031214253300", "=HYPERLINK(\"http://evil.example\",\"x\")",
            COleDateTime(2007, 3, 5, 0, 0, 0), COleDateTime(2007, 3, 5, 0, 0, 0), -12.5, 1, false,
            QStringLiteral("-5 on the next bill"), QString()),
        Due("2007031214253301", "'=already quoted", COleDateTime(2007, 3, 6, 0, 0, 0),
            COleDateTime(2007, 3, 6, 0, 0, 0), 1, 1, false, QStringLiteral("@home"), QString()),
    };
}

QString Header()
{
    return QStringLiteral("Title,Due Date,Amount\r\n");
}
} // namespace

class TestDueCsv : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void roundTripIsExact();
    void writesRfc4180();
    void formulasStayText();
    void reads_data();
    void reads();
    void refusesFile_data();
    void refusesFile();

private:
    QTemporaryDir m_dir;
};

void TestDueCsv::init()
{
    Clock::SetFixed(QDateTime(QDate(2007, 3, 12), QTime(14, 25, 30)));
}

void TestDueCsv::roundTripIsExact()
{
    const QList<DueRecord> dues = AwkwardDues();
    const DueCsv::Reading reading = DueCsv::Read(DueCsv::Write(dues));
    QVERIFY2(reading.ok, qPrintable(reading.error));
    QCOMPARE(reading.rejected.size(), 0);
    QCOMPARE(reading.lines.size(), dues.size());

    QTemporaryDir empty;
    CDueStore store;
    store.SetFolder(DataFolder(empty.path()));
    store.LoadAll();
    const QStringList ids = DueCsv::AddAll(reading, store);
    QCOMPARE(ids.size(), dues.size());
    QVERIFY(store.TakeErrors().isEmpty());

    // Read back from the folder, not from memory: what the files hold counts.
    CDueStore reread;
    reread.SetFolder(DataFolder(empty.path()));
    reread.LoadAll();
    QCOMPARE(reread.GetCount(), int(dues.size()));
    for (qsizetype i = 0; i < dues.size(); ++i) {
        DueRecord got = reread.GetDue(ids.at(i));
        got.m_strRecId = dues.at(i).m_strRecId; // the store gives new identifiers
        QCOMPARE(got.m_strTitle, dues.at(i).m_strTitle);
        QCOMPARE(got.m_strNotes, dues.at(i).m_strNotes);
        QCOMPARE(got.m_dAmount, dues.at(i).m_dAmount);
        QVERIFY2(got == dues.at(i), qPrintable(dues.at(i).m_strTitle));
    }
}

void TestDueCsv::writesRfc4180()
{
    const QByteArray bytes = DueCsv::Write(AwkwardDues().mid(1, 1), false);
    QCOMPARE(
        bytes,
        QByteArray("Record ID,Title,Start Date,Due Date,Pay To,Account,Amount,Type,Paid,Series ID\r\n"
                   "2007031214253101,\"Gas, \"\"winter\"\" bill\",2007-03-02T08:00:00,2007-03-31T23:59:59,"
                   "\"Gas, \"\"winter\"\" bill payee\",ACC-3101,0.30000000000000004,Personal,Unpaid,"
                   "2007031214253001\r\n"));
}

// A spreadsheet opening the file shows these as text and runs nothing.
void TestDueCsv::formulasStayText()
{
    const QByteArray bytes = DueCsv::Write(AwkwardDues().mid(4), true);
    QVERIFY2(bytes.contains(",\"'=HYPERLINK(\"\"http://evil.example\"\",\"\"x\"\")\","), bytes.constData());
    QVERIFY2(bytes.contains(",'-5 on the next bill,"), bytes.constData());
    QVERIFY2(bytes.contains(",''=already quoted,"), bytes.constData());
    QVERIFY2(bytes.contains(",'@home,"), bytes.constData());
    // The amount is a number, not a text: no guard.
    QVERIFY2(bytes.contains(",-12.5,"), bytes.constData());
    for (const QByteArray& line : bytes.split('\n'))
        for (const QByteArray& cell : line.split(','))
            QVERIFY2(cell.isEmpty() || !QByteArray("=+@").contains(cell.at(0)), cell.constData());
}

void TestDueCsv::reads_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("taken");    // title|start|due|amount|type|paid|series
    QTest::addColumn<QStringList>("rejected"); // line: start of the reason

    QTest::newRow("header any case, optional columns missing, extra ignored")
        << QByteArray("\xEF\xBB\xBFtItLe,DUE DATE,amount,Colour\n"
                      "Water,2024-02-29,12.5,blue\n")
        << QStringList{"Water|2024-02-29T00:00:00|2024-02-29T00:00:00|12.5|1|0|"} << QStringList{};
    QTest::newRow("columns in another order, LF and CR LF mixed, blank line")
        << QByteArray("series id,Paid,Type,Amount,Due Date,Start Date,Title\r\n"
                      "S1,yes,personal,-.5,2024-01-31 18:45,2024-01-01T08:00:00,Phone\n"
                      "\r\n"
                      ",Unpaid,Business,7,2024-12-31T23:59:59,,Tax\r\n")
        << QStringList{"Phone|2024-01-01T08:00:00|2024-01-31T18:45:00|-0.5|2|1|S1",
                       "Tax|2024-12-31T23:59:59|2024-12-31T23:59:59|7|1|0|"}
        << QStringList{};
    QTest::newRow("quoted line break keeps the line count")
        << QByteArray("Title,Due Date,Amount,Notes\n"
                      "A,2024-03-01,1,\"two\nlines\"\n"
                      "B,2024-13-01,1,\n"
                      "C,2024-03-02,1,x\n")
        << QStringList{"A|2024-03-01T00:00:00|2024-03-01T00:00:00|1|1|0|",
                       "C|2024-03-02T00:00:00|2024-03-02T00:00:00|1|1|0|"}
        << QStringList{"4: the due date \"2024-13-01\""};
    QTest::newRow("each rejected line with its reason")
        << QByteArray("Title,Start Date,Due Date,Amount,Type,Paid\n"
                      "a,,2024-03-01,\"1,5\",Business,Paid\n"
                      "b,,2024-03-01,3.5.1,Business,Paid\n"
                      "c,,2024-03-01,1e3,Business,Paid\n"
                      "d,,2024-03-01,3,Household,Paid\n"
                      "e,,2024-03-01,3,Business,maybe\n"
                      "f,2024-03-02,2024-03-01,3,Business,Paid\n"
                      "g,,2024-03-01,3,Business\n"
                      "h,,2024-02-30,3,Business,Paid\n"
                      "i,,2024-03-01,3,Busi\"ness,Paid\n"
                      "\"j\"x,,2024-03-01,3,Business,Paid\n"
                      "k,,2024-03-01,3,Business,\"Paid\n")
        << QStringList{}
        << QStringList{"2: the amount \"1,5\"",
                       "3: the amount \"3.5.1\"",
                       "4: the amount \"1e3\"",
                       "5: the type \"Household\"",
                       "6: the paid state \"maybe\"",
                       "7: the due date is before the start date",
                       "8: 5 fields where the header has 6",
                       "9: the due date \"2024-02-30\"",
                       "10: a quote inside a field",
                       "11: text follows a closing quote",
                       "12: a quoted field is not closed"};
    QTest::newRow("header only") << Header().toUtf8() << QStringList{} << QStringList{};
}

void TestDueCsv::reads()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, taken);
    QFETCH(QStringList, rejected);

    const DueCsv::Reading reading = DueCsv::Read(bytes);
    QVERIFY2(reading.ok, qPrintable(reading.error));
    QStringList got;
    for (const DueCsv::Line& l : reading.lines) {
        const DueRecord& r = l.due;
        got << QStringList{r.m_strTitle,
                           r.m_dtStart.ToQDateTime().toString(Qt::ISODate),
                           r.m_dtDue.ToQDateTime().toString(Qt::ISODate),
                           QString::number(r.m_dAmount),
                           QString::number(r.m_nType),
                           QString::number(r.m_bPaid),
                           r.m_strSeriesId}
                   .join(QLatin1Char('|'));
        QVERIFY(r.m_strRecId.isEmpty());
    }
    QCOMPARE(got, taken);
    QCOMPARE(reading.rejected.size(), rejected.size());
    for (qsizetype i = 0; i < rejected.size(); ++i) {
        const QString line = QStringLiteral("%1: %2")
                                 .arg(reading.rejected.at(i).lineNumber)
                                 .arg(reading.rejected.at(i).reason);
        QVERIFY2(line.startsWith(rejected.at(i)), qPrintable(line));
    }
}

void TestDueCsv::refusesFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    QTest::newRow("empty") << QByteArray() << QStringLiteral("the file is empty");
    QTest::newRow("not UTF-8") << QByteArray("Title,Due Date,Amount\nCaf\xE9,2024-01-01,1\n")
                               << QStringLiteral("not UTF-8");
    QTest::newRow("required column missing")
        << QByteArray("Title,Date,Amount\n") << QStringLiteral("lacks the column(s) Due Date");
    QTest::newRow("column twice") << QByteArray("Title,Due Date,Amount,amount\n")
                                  << QStringLiteral("names the column \"Amount\" twice");
    QTest::newRow("header with a broken quote")
        << QByteArray("\"Title,Due Date,Amount\n") << QStringLiteral("the header row cannot be read");
}

void TestDueCsv::refusesFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    const QString path = m_dir.filePath(QStringLiteral("in.csv"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    f.close();
    const DueCsv::Reading reading = DueCsv::ReadFile(path);
    QVERIFY(!reading.ok);
    QVERIFY2(reading.error.startsWith(path + QStringLiteral(": ")), qPrintable(reading.error));
    QVERIFY2(reading.error.contains(error), qPrintable(reading.error));
    QVERIFY(reading.lines.isEmpty());
}

QTEST_GUILESS_MAIN(TestDueCsv)
#include "tst_duecsv.moc"
