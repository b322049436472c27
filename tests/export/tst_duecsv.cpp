#include "../platform/OfficeTestTools.h"
#include "export/CsvRecordReader.h"
#include "export/DueCsv.h"
#include "model/base/AppPaths.h"
#include "model/base/Clock.h"
#include "model/store/CDueStore.h"
#include "model/store/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <algorithm>
#include <cmath>
#include <memory>

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
        // Each kind of line end alone in a note, then all of them together.
        Due("2007031214253400", "LF", COleDateTime(2007, 4, 1, 0, 0, 0), COleDateTime(2007, 4, 1, 0, 0, 0),
            0.1, 1, false, QStringLiteral("one\ntwo")),
        Due("2007031214253403", "CR", COleDateTime(2007, 4, 1, 0, 0, 0), COleDateTime(2007, 4, 1, 0, 0, 0),
            0.1, 1, false, QStringLiteral("one\rtwo")),
        Due("2007031214253404", "CR LF", COleDateTime(2007, 4, 1, 0, 0, 0), COleDateTime(2007, 4, 1, 0, 0, 0),
            0.1, 1, false, QStringLiteral("one\r\ntwo")),
        Due("2007031214253405", "Breaks", COleDateTime(2007, 4, 1, 0, 0, 0),
            COleDateTime(2007, 4, 1, 0, 0, 0), 0.1, 1, false,
            QStringLiteral("lf\nlone cr\rcr lf\r\n\r\rend\r")),
        Due("2007031214253401", "Big", COleDateTime(2007, 4, 2, 0, 0, 0), COleDateTime(2007, 4, 2, 0, 0, 0),
            1e18, 2, true, QStringLiteral("\rstarts with a carriage return"), QString()),
        Due("2007031214253402", "Three decimals", COleDateTime(2007, 4, 3, 0, 0, 0),
            COleDateTime(2007, 4, 3, 0, 0, 0), 1.234, 2, false),
    };
}

QString Header()
{
    return QStringLiteral("Title,Due Date,Amount\r\n");
}

// "title|start|due|amount|type|paid|series" of each due read.
QStringList Summary(const DueCsv::Reading& reading)
{
    QStringList got;
    for (const DueCsv::Line& l : reading.lines) {
        const DueRecord& r = l.due;
        got << QStringList{r.m_strTitle,
                           r.m_dtStart.ToQDateTime().toString(Qt::ISODate),
                           r.m_dtDue.ToQDateTime().toString(Qt::ISODate),
                           QString::number(r.m_dAmount, 'f', QLocale::FloatingPointShortest),
                           QString::number(r.m_nType),
                           QString::number(r.m_bPaid),
                           r.m_strSeriesId}
                   .join(QLatin1Char('|'));
    }
    return got;
}

QStringList RejectedLines(const DueCsv::Reading& reading)
{
    QStringList lines;
    for (const DueCsv::Rejected& r : reading.rejected)
        lines << QStringLiteral("%1: %2").arg(r.lineNumber).arg(r.reason);
    return lines;
}

DueCsv::Options In(const char* locale)
{
    DueCsv::Options options;
    options.locale = QLocale(QString::fromLatin1(locale));
    return options;
}

bool TranslationsBuilt()
{
    return QFileInfo::exists(QStringLiteral(TALLYVANE_BIN_DIR "/translations/tallyvane_de.qm"));
}
} // namespace

class TestDueCsv : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void roundTripIsExact_data();
    void roundTripIsExact();
    void writesRfc4180();
    void writesShortestAmounts();
    void formulasStayText();
    void formulasStayTextInLibreOffice();
    void reads_data();
    void reads();
    void findsSeparatorAndEncoding_data();
    void findsSeparatorAndEncoding();
    void readsAmounts_data();
    void readsAmounts();
    void readsDates_data();
    void readsDates();
    void settlesWhatValuesLeaveOpen_data();
    void settlesWhatValuesLeaveOpen();
    void readsWordsOfEveryLanguage_data();
    void readsWordsOfEveryLanguage();
    void germanExportReadsInEnglishAndBack();
    void refusesFile_data();
    void refusesFile();
    void recordsReadInPiecesAsWhole();
    void largeFileReadAsItComes();
    void importOfChangedFileAddsNothing();
    void unclosedQuoteStopsReading();

private:
    void UseLanguage(const char* locale);

    QTemporaryDir m_dir;
    std::unique_ptr<QTranslator> m_translator;
};

void TestDueCsv::initTestCase()
{
    // The shipped translations, as the program finds them beside itself.
    SetInstalledDataFolder(
        QDir(QCoreApplication::applicationDirPath()).relativeFilePath(QStringLiteral(TALLYVANE_BIN_DIR)));
}

void TestDueCsv::init()
{
    Clock::SetFixed(QDateTime(QDate(2025, 3, 12), QTime(14, 25, 30)));
}

void TestDueCsv::cleanup()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
    m_translator.reset();
    QLocale::setDefault(QLocale::c());
}

// The program running in this language: its locale and its translation.
void TestDueCsv::UseLanguage(const char* locale)
{
    QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
    m_translator = std::make_unique<QTranslator>();
    if (!m_translator->load(QLocale(), QStringLiteral("tallyvane"), QStringLiteral("_"),
                            QStringLiteral(TALLYVANE_BIN_DIR "/translations")))
        return;
    QCoreApplication::installTranslator(m_translator.get());
}

void TestDueCsv::roundTripIsExact_data()
{
    // The file the program writes reads back the same in every language it
    // runs in, whatever the locale's decimal sign and order of dates.
    QTest::addColumn<QString>("locale");
    for (const char* locale : {"en_US", "de_DE", "fr_FR", "pl_PL", "ja_JP"})
        QTest::newRow(locale) << QString::fromLatin1(locale);
}

void TestDueCsv::roundTripIsExact()
{
    QFETCH(QString, locale);
    UseLanguage(qPrintable(locale));
    const QList<DueRecord> dues = AwkwardDues();
    const DueCsv::Reading reading = DueCsv::Read(DueCsv::Write(dues), In(qPrintable(locale)));
    QVERIFY2(reading.ok, qPrintable(reading.error));
    QCOMPARE(RejectedLines(reading), QStringList{});
    QCOMPARE(reading.lines.size(), dues.size());

    QTemporaryDir empty;
    CDueStore store;
    store.SetFolder(DataFolder(empty.path()));
    store.LoadAll();
    QStringList ids;
    QCOMPARE(DueCsv::AddAll(reading, store, &ids), dues.size());
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

// The shortest text that reads back the same double, never 17 digits of noise.
void TestDueCsv::writesShortestAmounts()
{
    const QByteArray bytes = DueCsv::Write(AwkwardDues(), false);
    for (const char* amount : {",500,", ",0.1,", ",-12.5,", ",1000000000000000000,", ",1.234,"})
        QVERIFY2(bytes.contains(amount), amount);
    QVERIFY2(!bytes.contains("0.10000000000000001"), bytes.constData());
}

// A spreadsheet opening the file shows these as text and runs nothing.
void TestDueCsv::formulasStayText()
{
    const QByteArray bytes = DueCsv::Write(AwkwardDues().mid(4, 2), true);
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

// LibreOffice's own CSV import (formulas on, as it is by default) keeps the
// guarded cells as text: its CSV of them reads back as the dues' texts.
void TestDueCsv::formulasStayTextInLibreOffice()
{
    if (OfficeTest::Soffice::Program().isEmpty())
        QSKIP("LibreOffice (soffice) is not installed: the CSV is not opened in a spreadsheet");
    QTemporaryDir work;
    QList<DueRecord> dues = AwkwardDues().mid(4, 2);
    dues.append(Due("2007031214253302", "=1+1", COleDateTime(2007, 3, 7, 0, 0, 0),
                    COleDateTime(2007, 3, 7, 0, 0, 0), 2, 1, false, QStringLiteral("+49 30 123456")));
    const QString path = work.filePath(QStringLiteral("dues.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(DueCsv::Write(dues, true));
    file.close();

    QString why;
    const QStringList out =
        OfficeTest::Soffice(work.path()).Convert({path}, QStringLiteral("csv"), "csv", &why);
    QVERIFY2(!out.isEmpty(), qPrintable(why));
    QFile converted(out.first());
    QVERIFY(converted.open(QIODevice::ReadOnly));
    const QByteArray bytes = converted.readAll();
    const DueCsv::Reading reading = DueCsv::Read(bytes);
    QVERIFY2(reading.ok, qPrintable(reading.error));
    QCOMPARE(reading.lines.size(), dues.size());
    for (qsizetype i = 0; i < dues.size(); ++i) {
        QCOMPARE(reading.lines.at(i).due.m_strTitle, dues.at(i).m_strTitle);
        QCOMPARE(reading.lines.at(i).due.m_strNotes, dues.at(i).m_strNotes);
    }
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
    QTest::newRow("columns in another order, LF, CR LF and CR mixed, blank line")
        << QByteArray("series id,Paid,Type,Amount,Due Date,Start Date,Title\r\n"
                      "S1,yes,personal,-.5,2024-01-31 18:45,2024-01-01T08:00:00,Phone\n"
                      "\r\n"
                      ",Unpaid,Business,7,2024-12-31T23:59:59,,Tax\r"
                      ",Paid,Business,8,2024-12-31,,Fee\r")
        << QStringList{"Phone|2024-01-01T08:00:00|2024-01-31T18:45:00|-0.5|2|1|S1",
                       "Tax|2024-12-31T23:59:59|2024-12-31T23:59:59|7|1|0|",
                       "Fee|2024-12-31T00:00:00|2024-12-31T00:00:00|8|1|1|"}
        << QStringList{};
    QTest::newRow("quoted line breaks keep the line count")
        << QByteArray("Title,Due Date,Amount,Notes\n"
                      "A,2024-03-01,1,\"two\nlines\"\n"
                      "B,2024-13-01,1,\"lone\rcr and\r\ncr lf\"\n"
                      "C,2024-03-02,1,x\n"
                      "D,2024-03-32,1,x\n")
        << QStringList{"A|2024-03-01T00:00:00|2024-03-01T00:00:00|1|1|0|",
                       "C|2024-03-02T00:00:00|2024-03-02T00:00:00|1|1|0|"}
        << QStringList{"4: the due date \"2024-13-01\"", "8: the due date \"2024-03-32\""};
    QTest::newRow("each rejected line with its reason")
        << QByteArray("Title,Start Date,Due Date,Amount,Type,Paid\n"
                      "a,,2024-03-01,\"1,5,0\",Business,Paid\n"
                      "b,,2024-03-01,3.5.1,Business,Paid\n"
                      "c,,2024-03-01,1e3,Business,Paid\n"
                      "d,,2024-03-01,3,Household,Paid\n"
                      "e,,2024-03-01,3,Business,maybe\n"
                      "f,2024-03-02,2024-03-01,3,Business,Paid\n"
                      "g,,2024-03-01,3,Business\n"
                      "h,,2024-02-30,3,Business,Paid\n"
                      "i,,2024-03-01,3,Busi\"ness,Paid\n"
                      "\"j\"x,,2024-03-01,3,Business,Paid\n"
                      "l,,2024-03-01,3,Business,Paid,\n"
                      "m,,2024-03-01,3,Business,Paid,Unpaid,\"x\"\n"
                      "k,,2024-03-01,3,Business,\"Paid\n")
        << QStringList{}
        << QStringList{"2: the amount \"1,5,0\"",
                       "3: the amount \"3.5.1\"",
                       "4: the amount \"1e3\"",
                       "5: the type \"Household\"",
                       "6: the paid state \"maybe\"",
                       "7: the due date is before the start date",
                       "8: 5 fields where the header has 6",
                       "9: the due date \"2024-02-30\"",
                       "10: a quote inside a field",
                       "11: text follows a closing quote",
                       "12: 7 fields where the header has 6",
                       "13: 8 fields where the header has 6",
                       "14: a quoted field is not closed"};
    QTest::newRow("header only") << Header().toUtf8() << QStringList{} << QStringList{};
}

void TestDueCsv::reads()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, taken);
    QFETCH(QStringList, rejected);

    const DueCsv::Reading reading = DueCsv::Read(bytes);
    QVERIFY2(reading.ok, qPrintable(reading.error));
    QCOMPARE(Summary(reading), taken);
    for (const DueCsv::Line& l : reading.lines)
        QVERIFY(l.due.m_strRecId.isEmpty());
    const QStringList lines = RejectedLines(reading);
    QCOMPARE(lines.size(), rejected.size());
    for (qsizetype i = 0; i < rejected.size(); ++i)
        QVERIFY2(lines.at(i).startsWith(rejected.at(i)), qPrintable(lines.at(i)));
}

void TestDueCsv::findsSeparatorAndEncoding_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QStringList>("taken");

    const auto utf8 = int(DueCsv::Encoding::Utf8);
    static const char16_t utf16[] =
        u"Title\tDue Date\tAmount\r\nZoë\t2025-06-03\t7\r\n"; // little-endian here
    const struct
    {
        const char* name;
        QByteArray bytes;
        const char* separator;
        int encoding;
        QStringList taken;
    } rows[] = {
        {"comma",
         QByteArray("Title,Due Date,Amount\nCafé;x,2025-06-03,\"1,5\"\n"),
         ",",
         utf8,
         {"Café;x|2025-06-03T00:00:00|2025-06-03T00:00:00|1.5|1|0|"}},
        {"semicolon with commas in the cells",
         QByteArray("\xEF\xBB\xBFTitle;Due Date;Amount;Notes\r\nRent, flat;2025-06-03;1.234,50;a,b,c\r\n"),
         ";",
         int(DueCsv::Encoding::Utf8WithBom),
         {"Rent, flat|2025-06-03T00:00:00|2025-06-03T00:00:00|1234.5|1|0|"}},
        {"tab",
         QByteArray("Title\tAmount\tDue Date\nTab;le\t12,5\t2025-06-03\n"),
         "\t",
         utf8,
         {"Tab;le|2025-06-03T00:00:00|2025-06-03T00:00:00|12.5|1|0|"}},
        {"Windows-1252",
         QByteArray("Title;Due Date;Amount\nCaf\xE9 \x80 \x93x\x94;2025-06-03;\x80 3,10\n"),
         ";",
         int(DueCsv::Encoding::Windows1252),
         {"Café € “x”|2025-06-03T00:00:00|2025-06-03T00:00:00|3.1|1|0|"}},
        {"UTF-16 as spreadsheets save Unicode text",
         QByteArray("\xFF\xFE", 2) + QByteArray(reinterpret_cast<const char*>(utf16), sizeof utf16 - 2),
         "\t",
         int(DueCsv::Encoding::Utf16WithBom),
         {"Zoë|2025-06-03T00:00:00|2025-06-03T00:00:00|7|1|0|"}},
        // Without known names the separator that splits every line alike wins.
        {"unknown names, semicolons", QByteArray("a;b;c\nx,1;2;3\ny;4;5\n"), ";", utf8, {}},
    };
    // The separator and the encoding do not depend on the user's locale.
    for (const char* locale : {"en_US", "de_DE", "fr_FR", "pl_PL", "ja_JP"})
        for (const auto& row : rows)
            QTest::addRow("%s %s", row.name, locale)
                << QString::fromLatin1(locale) << row.bytes << QString::fromLatin1(row.separator)
                << row.encoding << row.taken;
}

void TestDueCsv::findsSeparatorAndEncoding()
{
    QFETCH(QString, locale);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, separator);
    QFETCH(int, encoding);
    QFETCH(QStringList, taken);
    const DueCsv::Reading reading = DueCsv::Read(bytes, In(qPrintable(locale)));
    QCOMPARE(QString(reading.separator), separator);
    QCOMPARE(int(reading.encoding), encoding);
    QCOMPARE(Summary(reading), taken);
    QCOMPARE(reading.ok, !taken.isEmpty());
    QCOMPARE(RejectedLines(reading), QStringList{});
}

void TestDueCsv::readsAmounts_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("amount"); // NaN: rejected

    const double no = std::nan("");
    const struct
    {
        const char* locale;
        const char* text;
        double amount;
    } rows[] = {
        {"en_US", "$1,234.50", 1234.5},
        {"en_US", "(12.50)", -12.5},
        {"en_US", "-$12.50", -12.5},
        {"en_US", "1,234", 1234},
        {"en_US", "-12,5", -12.5},
        {"en_US", "1.234,50 €", 1234.5},
        {"en_US", "12.50-", -12.5},
        {"de_DE", "1.234,50 €", 1234.5},
        {"de_DE", "-12,5", -12.5},
        {"de_DE", "1.234", 1234},
        {"de_DE", "1234.5", 1234.5},
        {"de_DE", "EUR −3,00", -3},
        {"de_DE", "0,125", 0.125},
        {"fr_FR", "1\u202F234,50\u00A0€", 1234.5},
        {"pl_PL", "1\u00A0234\u00A0567,89\u00A0zł", 1234567.89},
        {"pl_PL", "12,5 PLN", 12.5},
        {"ja_JP", "￥1,234", 1234},
        {"ja_JP", "¥1,234,567", 1234567},
        {"de_CH", "CHF 1’234.50", 1234.5},
        {"en_IN", "₹12,34,567.50", 1234567.5},
        // What no locale writes.
        {"en_US", "12,34,5", no},
        {"en_US", "12 34", no},
        {"de_DE", "1.234.5", no},
        {"en_US", "--5", no},
        {"en_US", "$", no},
        {"en_US", "1e3", no},
        {"en_US", "(12.50", no},
        {"en_US", "(-12.50)", no},
        {"en_US", "12 apples", no},
        {"en_US", "2000000000000000000", no},
    };
    for (const auto& row : rows)
        QTest::addRow("%s %s", row.locale, row.text)
            << QString::fromLatin1(row.locale) << QString::fromUtf8(row.text) << row.amount;
}

// One amount in a semicolon file, as spreadsheets save it where the comma is
// the decimal sign: what the value leaves open goes by the user's locale.
void TestDueCsv::readsAmounts()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(double, amount);
    const DueCsv::Reading reading =
        DueCsv::Read(QStringLiteral("Title;Due Date;Amount\nx;2025-06-03;%1\n").arg(text).toUtf8(),
                     In(qPrintable(locale)));
    QVERIFY2(reading.ok, qPrintable(reading.error));
    if (std::isnan(amount)) {
        QCOMPARE(reading.lines.size(), 0);
        QVERIFY2(RejectedLines(reading).value(0).startsWith(QStringLiteral("2: the amount \"%1\"").arg(text)),
                 qPrintable(RejectedLines(reading).value(0)));
    } else {
        QCOMPARE(RejectedLines(reading), QStringList{});
        QCOMPARE(reading.lines.value(0).due.m_dAmount, amount);
    }
}

void TestDueCsv::readsDates_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("date"); // empty: rejected

    const struct
    {
        const char* locale;
        const char* text;
        const char* date;
    } rows[] = {
        {"en_US", "06/03/2025 14:30", "2025-06-03T14:30:00"},
        {"en_US", "6/3/25", "2025-06-03T00:00:00"},
        {"en_US", "6/3/25 2:30 PM", "2025-06-03T14:30:00"},
        {"en_US", "6/3/2025 12:05 am", "2025-06-03T00:05:00"},
        {"en_US", "Tuesday, June 3, 2025", "2025-06-03T00:00:00"},
        {"en_US", "Jun 3, 2025, 9:15:30", "2025-06-03T09:15:30"},
        {"en_US", "2025-06-03T08:00:00", "2025-06-03T08:00:00"},
        {"en_US", "1/2/70", "1970-01-02T00:00:00"},
        {"de_DE", "05.06.25", "2025-06-05T00:00:00"},
        {"de_DE", "05.06.2025 14:30:15", "2025-06-05T14:30:15"},
        {"de_DE", "Dienstag, 3. Juni 2025", "2025-06-03T00:00:00"},
        {"de_DE", "3. Juni 2025 14:30", "2025-06-03T14:30:00"},
        {"fr_FR", "03/06/2025", "2025-06-03T00:00:00"},
        {"fr_FR", "mardi 3 juin 2025", "2025-06-03T00:00:00"},
        {"pl_PL", "3.06.2025", "2025-06-03T00:00:00"},
        {"pl_PL", "wtorek, 3 czerwca 2025", "2025-06-03T00:00:00"},
        {"pl_PL", "3 czerwiec 2025", "2025-06-03T00:00:00"},
        {"ja_JP", "2025/06/03", "2025-06-03T00:00:00"},
        {"ja_JP", "25/06/03 9:05", "2025-06-03T09:05:00"},
        {"ja_JP", "2025年6月3日火曜日", "2025-06-03T00:00:00"},
        {"en_US", "2025-02-29", ""},
        {"en_US", "13/13/2025", ""},
        {"en_US", "June 2025", ""},
        {"en_US", "14:30", ""},
        {"en_US", "6/3/2025 25:00", ""},
        {"en_US", "6/3/2025 13:00 PM", ""},
        {"de_DE", "3. Juno 2025", ""},
        {"de_DE", "3. Juni 2025 etwa", ""},
        {"en_US", "6/3", ""},
    };
    for (const auto& row : rows)
        QTest::addRow("%s %s", row.locale, row.text)
            << QString::fromLatin1(row.locale) << QString::fromUtf8(row.text)
            << QString::fromLatin1(row.date);
}

void TestDueCsv::readsDates()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QString, date);
    const DueCsv::Reading reading = DueCsv::Read(
        QStringLiteral("Title;Due Date;Amount\nx;%1;1\n").arg(text).toUtf8(), In(qPrintable(locale)));
    QVERIFY2(reading.ok, qPrintable(reading.error));
    if (date.isEmpty()) {
        QCOMPARE(reading.lines.size(), 0);
        QVERIFY2(
            RejectedLines(reading).value(0).startsWith(QStringLiteral("2: the due date \"%1\"").arg(text)),
            qPrintable(RejectedLines(reading).value(0)));
    } else {
        QCOMPARE(RejectedLines(reading), QStringList{});
        QCOMPARE(reading.lines.value(0).due.m_dtDue.ToQDateTime().toString(Qt::ISODate), date);
    }
}

void TestDueCsv::settlesWhatValuesLeaveOpen_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("decimalSign");
    QTest::addColumn<QStringList>("taken"); // due|amount

    // One value that shows its decimal sign or its order settles the others.
    QTest::newRow("decimal commas shown") << "en_US"
                                          << QByteArray("Title;Due Date;Amount\na;2025-01-01;1.234\n"
                                                        "b;2025-01-01;2,5\n")
                                          << "," << QStringList{"2025-01-01|1234", "2025-01-01|2.5"};
    QTest::newRow("decimal points shown") << "de_DE"
                                          << QByteArray("Title;Due Date;Amount\na;2025-01-01;1,234\n"
                                                        "b;2025-01-01;2.5\n")
                                          << "." << QStringList{"2025-01-01|1234", "2025-01-01|2.5"};
    QTest::newRow("day first shown") << "en_US"
                                     << QByteArray("Title;Due Date;Amount\na;03/04/2025;1\nb;25/12/2025;1\n")
                                     << "." << QStringList{"2025-04-03|1", "2025-12-25|1"};
    QTest::newRow("month first shown")
        << "de_DE" << QByteArray("Title;Due Date;Amount\na;03/04/2025;1\nb;12/25/2025;1\n") << ","
        << QStringList{"2025-03-04|1", "2025-12-25|1"};
    // Nothing shown: a comma-separated file has decimal points, else the locale says.
    QTest::newRow("comma file in German")
        << "de_DE" << QByteArray("Title,Due Date,Amount\na,03.04.2025,1.234\n") << "."
        << QStringList{"2025-04-03|1.234"};
    QTest::newRow("semicolon file in German")
        << "de_DE" << QByteArray("Title;Due Date;Amount\na;03.04.2025;1.234\n") << ","
        << QStringList{"2025-04-03|1234"};
    QTest::newRow("semicolon file in English")
        << "en_US" << QByteArray("Title;Due Date;Amount\na;03/04/2025;1.234\n") << "."
        << QStringList{"2025-03-04|1.234"};
}

void TestDueCsv::settlesWhatValuesLeaveOpen()
{
    QFETCH(QString, locale);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, decimalSign);
    QFETCH(QStringList, taken);
    const DueCsv::Reading reading = DueCsv::Read(bytes, In(qPrintable(locale)));
    QVERIFY2(reading.ok, qPrintable(reading.error));
    QCOMPARE(RejectedLines(reading), QStringList{});
    QCOMPARE(QString(reading.decimalSign), decimalSign);
    QStringList got;
    for (const DueCsv::Line& l : reading.lines)
        got << l.due.m_dtDue.ToQDateTime().date().toString(Qt::ISODate) + QLatin1Char('|') +
                   QString::number(l.due.m_dAmount, 'f', QLocale::FloatingPointShortest);
    QCOMPARE(got, taken);
}

void TestDueCsv::readsWordsOfEveryLanguage_data()
{
    QTest::addColumn<QString>("language"); // the program's; "" for English
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("taken");

    const QStringList german{"Miete|2025-06-03T00:00:00|2025-06-03T00:00:00|1234.5|1|1|",
                             "Kino|2025-06-03T00:00:00|2025-06-03T00:00:00|12|2|0|"};
    const QByteArray germanFile("Titel;Fälligkeitsdatum;Betrag;Art;Bezahlt\n"
                                "Miete;03.06.2025;1.234,50 €;GESCHÄFTLICH;Bezahlt\n"
                                "Kino;03.06.2025;12;privat;unbezahlt\n");
    QTest::newRow("German header and words in German") << "de_DE" << germanFile << german;
    QTest::newRow("German header and words in English") << "" << germanFile << german;
    QTest::newRow("French header and words in English")
        << ""
        << QByteArray("Titre;Date d'échéance;Montant;Type;Payé\n"
                      "Loyer;2025-06-03;1234,5;Professionnelle;Payé\n"
                      "Cinéma;2025-06-03;12;PERSONNELLE;Impayé\n")
        << QStringList{"Loyer|2025-06-03T00:00:00|2025-06-03T00:00:00|1234.5|1|1|",
                       "Cinéma|2025-06-03T00:00:00|2025-06-03T00:00:00|12|2|0|"};
    QTest::newRow("German header and words in Polish") << "pl_PL" << germanFile << german;
    QTest::newRow("French words in Japanese")
        << "ja_JP"
        << QByteArray("Title,Due Date,Amount,Type,Paid\nLoyer,2025/06/03,\"1,234\",Personnelle,payé\n")
        << QStringList{"Loyer|2025-06-03T00:00:00|2025-06-03T00:00:00|1234|2|1|"};
    QTest::newRow("English words in French")
        << "fr_FR" << QByteArray("title,due date,amount,type,paid\nRent,2025-06-03,5,personal,PAID\n")
        << QStringList{"Rent|2025-06-03T00:00:00|2025-06-03T00:00:00|5|2|1|"};
}

// A file made by the program in another language (types, paid states and
// headers in its words) reads the same in every language.
void TestDueCsv::readsWordsOfEveryLanguage()
{
    if (!TranslationsBuilt())
        QSKIP("the translations are not built (lrelease from qt6-l10n-tools is missing)");
    QFETCH(QString, language);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, taken);
    if (!language.isEmpty())
        UseLanguage(qPrintable(language));
    const DueCsv::Reading reading =
        DueCsv::Read(bytes, In(language.isEmpty() ? "en_US" : qPrintable(language)));
    QVERIFY2(reading.ok, qPrintable(reading.error));
    QCOMPARE(RejectedLines(reading), QStringList{});
    QCOMPARE(Summary(reading), taken);
}

void TestDueCsv::germanExportReadsInEnglishAndBack()
{
    if (!TranslationsBuilt())
        QSKIP("the translations are not built (lrelease from qt6-l10n-tools is missing)");
    const QList<DueRecord> dues = AwkwardDues();
    UseLanguage("de_DE");
    const QByteArray german = DueCsv::Write(dues);
    cleanup();
    QVERIFY(german.contains(",Personal,Unpaid,") && german.contains(",Business,Paid,"));
    QVERIFY(!german.contains("Privat") && !german.contains("Gesch"));

    const DueCsv::Reading english = DueCsv::Read(german, In("en_US"));
    QVERIFY2(english.ok, qPrintable(english.error));
    QCOMPARE(RejectedLines(english), QStringList{});
    QCOMPARE(english.lines.size(), dues.size());
    QList<DueRecord> read;
    for (qsizetype i = 0; i < dues.size(); ++i) {
        DueRecord got = english.lines.at(i).due;
        got.m_strRecId = dues.at(i).m_strRecId;
        QVERIFY2(got == dues.at(i), qPrintable(dues.at(i).m_strTitle));
        read << got;
    }
    // Written again in English and read in German: the same bytes, the same dues.
    const QByteArray again = DueCsv::Write(read);
    QCOMPARE(again, german);
    UseLanguage("de_DE");
    QCOMPARE(Summary(DueCsv::Read(again, In("de_DE"))), Summary(english));
}

void TestDueCsv::refusesFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    QTest::newRow("empty") << QByteArray() << QStringLiteral("the file is empty");
    QTest::newRow("marked UTF-8 but is not")
        << QByteArray("\xEF\xBB\xBFTitle,Due Date,Amount\nCaf\xE9,2024-01-01,1\n")
        << QStringLiteral("starts as UTF-8 text but is not");
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

void TestDueCsv::recordsReadInPiecesAsWhole()
{
    // Quotes, doubled quotes, separators and every kind of line end, read
    // whole and one character at a time: a record cut between two pieces,
    // even between the CR and the LF of its end, reads the same.
    const QString text = QStringLiteral("a,\"b,\r\n\"\"c\"\"\",d\r\n\r\n\"e\"\rf,\"g\nh\"\n,\n\"unclosed");
    auto records = [](CsvRecordReader& reader) {
        QStringList got;
        CsvRecordReader::Record r;
        while (reader.Next(r))
            got << QStringLiteral("%1:%2:%3").arg(r.lineNumber).arg(r.fields.join(QLatin1Char('|')), r.error);
        return got;
    };
    CsvRecordReader whole(text, QLatin1Char(','));
    const QStringList expected = records(whole);
    QCOMPARE(expected.size(), 5);
    for (qsizetype piece : {1, 2, 3, 7}) {
        qsizetype at = 0;
        CsvRecordReader inPieces(
            [&](QString& more) {
                if (at >= text.size())
                    return false;
                more += text.mid(at, piece);
                at += piece;
                return true;
            },
            QLatin1Char(','));
        QCOMPARE(records(inPieces), expected);
    }
}

void TestDueCsv::largeFileReadAsItComes()
{
    // Many pieces long, with a two-byte letter across the boundary of the
    // first piece the file is read in (256 KiB): still UTF-8, every line counted.
    constexpr qsizetype kBoundary = 256 * 1024;
    const QByteArray rest(",2025-06-03,12.5\n");
    QByteArray bytes("Title,Due Date,Amount\n");
    int count = 0, bad = 0;
    while (count < 3 * int(DueCsv::kKeptLines) + 17 || bytes.size() < 2 * kBoundary) {
        if (bytes.size() > kBoundary - 400 && bytes.size() < kBoundary) {
            // A line of padding that puts the next line's letter astride the boundary.
            bytes += QByteArray(kBoundary - 1 - bytes.size() - rest.size() - 3, 'p') + rest;
            ++count;
        }
        bytes += "Caf\xC3\xA9 " + QByteArray::number(count) + QByteArray(count % 97, 'x') + rest;
        if (++count % 500 == 0) {
            bytes += "bad line,someday,1\n";
            ++bad;
        }
    }
    QCOMPARE(bytes.mid(kBoundary - 4, 5), QByteArray("Caf\xC3\xA9"));
    const QString path = m_dir.filePath(QStringLiteral("large.csv"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    f.close();

    const DueCsv::Reading reading = DueCsv::ReadFile(path);
    QVERIFY2(reading.ok, qPrintable(reading.error));
    QCOMPARE(reading.encoding, DueCsv::Encoding::Utf8);
    QCOMPARE(reading.lineCount, qint64(count));
    QCOMPARE(reading.lines.size(), DueCsv::kKeptLines);
    QCOMPARE(reading.rejectedCount, qint64(bad));
    QCOMPARE(reading.lines.last().due.m_strTitle.left(5), QStringLiteral("Caf\u00e9 "));

    QTemporaryDir folder;
    CDueStore store;
    store.SetFolder(DataFolder(folder.path()));
    store.LoadAll();
    QList<int> rejectedLines;
    QString error;
    QStringList ids;
    const qsizetype added = DueCsv::AddAll(
        reading, store, &ids, [&](const DueCsv::Rejected& r) { rejectedLines << r.lineNumber; }, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(added, qsizetype(count));
    QCOMPARE(store.GetCount(), count);
    QCOMPARE(store.GetDue(ids.last()).m_strTitle,
             QStringLiteral("Caf\u00e9 %1").arg(count - 1) + QString((count - 1) % 97, QLatin1Char('x')));
    QCOMPARE(rejectedLines.size(), int(reading.rejectedCount));
    QCOMPARE(rejectedLines.first(), 502);
    QVERIFY(std::is_sorted(rejectedLines.begin(), rejectedLines.end()));
    QCOMPARE(QDir(store.Folder().Path()).entryList({QStringLiteral("*.due")}, QDir::Files).size(), count);
}

void TestDueCsv::importOfChangedFileAddsNothing()
{
    // The preview keeps the head of the file; the import reads it again. A
    // file changed in between is not taken for the one the user saw.
    const QString path = m_dir.filePath(QStringLiteral("changing.csv"));
    QByteArray bytes("Title,Due Date,Amount\n");
    for (int i = 0; i < int(DueCsv::kKeptLines) + 5; ++i)
        bytes += "Rent " + QByteArray::number(i) + ",2025-06-03,850\n";
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    f.close();
    const DueCsv::Reading reading = DueCsv::ReadFile(path);
    QVERIFY(reading.ok);
    QVERIFY(f.open(QIODevice::Append));
    f.write("Late,2025-06-04,1\n");
    f.close();

    QTemporaryDir folder;
    CDueStore store;
    store.SetFolder(DataFolder(folder.path()));
    store.LoadAll();
    QString error;
    QCOMPARE(DueCsv::AddAll(reading, store, nullptr, {}, &error), 0);
    QVERIFY2(error.contains(QStringLiteral("changed since it was read")), qPrintable(error));
    QVERIFY2(error.startsWith(QDir::toNativeSeparators(path)), qPrintable(error));
    QCOMPARE(store.GetCount(), 0);
    QCOMPARE(QDir(store.Folder().Path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

void TestDueCsv::unclosedQuoteStopsReading()
{
    // A quote never closed would take the rest of a large file into one
    // field: the reading stops, names the line and keeps nothing to import.
    QByteArray bytes("Title,Due Date,Amount\nRent,2025-06-03,850\n\"Open,2025-06-03,1\n");
    bytes += QByteArray(CsvRecordReader::kMaxRecordChars + 10, 'y');
    const DueCsv::Reading reading = DueCsv::Read(bytes);
    QVERIFY(!reading.ok);
    QVERIFY2(reading.error.startsWith(QStringLiteral("line 3: ")), qPrintable(reading.error));
    QVERIFY2(reading.error.contains(QStringLiteral("not closed")), qPrintable(reading.error));
}

QTEST_GUILESS_MAIN(TestDueCsv)
#include "tst_duecsv.moc"
