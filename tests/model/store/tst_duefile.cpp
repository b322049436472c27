#include "model/store/DueFile.h"

#include <QTest>

#include <cmath>

namespace {
DueRecord ExampleRecord()
{
    DueRecord r;
    r.m_strRecId = QStringLiteral("2007031514253010");
    r.m_strTitle = QStringLiteral("Rent");
    r.m_dtStart = COleDateTime(2007, 3, 15, 14, 25, 30);
    r.m_dtDue = COleDateTime(2007, 3, 31, 0, 0, 0);
    r.m_dAmount = 125.5;
    r.m_nType = 1;
    r.m_bPaid = 0;
    return r;
}

QByteArray Hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}
} // namespace

class TestDueFile : public QObject
{
    Q_OBJECT
private slots:
    void exampleFileBytes();
    void sizesOfEmptyRecords();
    void stringPrefixes_data();
    void stringPrefixes();
    void textRoundTrips_data();
    void textRoundTrips();
    void readsUtf16Form();
    void keepsOddValuesUnchanged();
    void rejectsMalformedFiles_data();
    void rejectsMalformedFiles();
    void everyTruncationIsRejected();
    void summaryKnowsSerializedBytes_data();
    void summaryKnowsSerializedBytes();
};

void TestDueFile::exampleFileBytes()
{
    const QByteArray expected = QByteArray("\x10", 1) + "2007031514253010" + Hex("04 52656E74") +
                                Hex("00000000 BCBBBB3B931EE340") + Hex("00000000 0000000080 20E340") +
                                Hex("00 00") + Hex("000000000 0605F40").right(8) +
                                Hex("01000000 00000000 00 00");
    const QByteArray bytes = DueFile::Serialize(ExampleRecord());
    QCOMPARE(bytes.size(), 66);
    QCOMPARE(bytes.toHex(' '), expected.toHex(' '));

    DueRecord back;
    QVERIFY(DueFile::Parse(bytes, back, nullptr));
    QVERIFY(back == ExampleRecord());
}

void TestDueFile::sizesOfEmptyRecords()
{
    DueRecord r;
    QCOMPARE(DueFile::Serialize(r).size(), 46);
    r.m_strRecId = QStringLiteral("2007031514253010");
    QCOMPARE(DueFile::Serialize(r).size(), 62);
}

void TestDueFile::stringPrefixes_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("prefix");
    QTest::newRow("0") << 0 << Hex("00");
    QTest::newRow("254") << 254 << Hex("FE");
    QTest::newRow("255") << 255 << Hex("FF FF 00");
    QTest::newRow("65533") << 65533 << Hex("FF FD FF");
    QTest::newRow("65534") << 65534 << Hex("FF FF FF FE FF 00 00");
    QTest::newRow("70000") << 70000 << Hex("FF FF FF 70 11 01 00");
}

void TestDueFile::stringPrefixes()
{
    QFETCH(int, length);
    QFETCH(QByteArray, prefix);
    QByteArray out;
    DueFile::AppendString(out, QString(length, QLatin1Char('x')));
    QCOMPARE(out.size(), prefix.size() + length);
    QCOMPARE(out.left(prefix.size()).toHex(' '), prefix.toHex(' '));

    DueRecord r;
    r.m_strNotes = QString(length, QLatin1Char('x'));
    DueRecord back;
    QVERIFY(DueFile::Parse(DueFile::Serialize(r), back, nullptr));
    QCOMPARE(back.m_strNotes.size(), length);
}

void TestDueFile::textRoundTrips_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("singleByte");
    QTest::newRow("ascii") << QStringLiteral("Rent <March> & fees") << true;
    QTest::newRow("latin-1") << QStringLiteral("Café Müller") << true;
    QTest::newRow("euro and dashes") << QStringLiteral("€ 5 – “quoted”") << true;
    QTest::newRow("line breaks") << QStringLiteral("one\r\ntwo") << true;
    QTest::newRow("greek") << QStringLiteral("Ενοίκιο") << false;
    QTest::newRow("emoji") << QStringLiteral("Rent 🏠") << false;
}

void TestDueFile::textRoundTrips()
{
    QFETCH(QString, text);
    QFETCH(bool, singleByte);
    QByteArray out;
    DueFile::AppendString(out, text);
    if (singleByte)
        QCOMPARE(out.size(), 1 + text.size());
    else
        QCOMPARE(out.left(3).toHex(' '), QByteArray("ff fe ff"));

    DueRecord r;
    r.m_strTitle = text;
    DueRecord back;
    QVERIFY(DueFile::Parse(DueFile::Serialize(r), back, nullptr));
    QCOMPARE(back.m_strTitle, text);
}

void TestDueFile::readsUtf16Form()
{
    // The example file with its title stored as UTF-16 "Rent".
    QByteArray bytes = DueFile::Serialize(ExampleRecord());
    const QByteArray ansiTitle = Hex("04 52656E74");
    const QByteArray utf16Title = Hex("FF FEFF 04 5200 6500 6E00 7400");
    bytes.replace(17, ansiTitle.size(), utf16Title);
    DueRecord back;
    QVERIFY(DueFile::Parse(bytes, back, nullptr));
    QVERIFY(back == ExampleRecord());
}

void TestDueFile::keepsOddValuesUnchanged()
{
    DueRecord r = ExampleRecord();
    r.m_nType = 7;
    r.m_bPaid = 5;
    r.m_dtStart.m_status = COleDateTime::null;
    r.m_dtStart.m_dt = std::nan("");
    r.m_dtDue.m_status = COleDateTime::invalid;
    r.m_dtDue.m_dt = 1e300;
    DueRecord back;
    QVERIFY(DueFile::Parse(DueFile::Serialize(r), back, nullptr));
    QVERIFY(back == r);
}

void TestDueFile::rejectsMalformedFiles_data()
{
    const QByteArray good = DueFile::Serialize(ExampleRecord());
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty") << QByteArray() << QStringLiteral("ends early");
    QTest::newRow("two UTF-16 markers")
        << Hex("FF FEFF FF FEFF 00") + good << QStringLiteral("two UTF-16 markers");
    // 132,000 markers in a row once overflowed the stack: one is read, the second refused.
    QTest::newRow("a run of markers")
        << Hex("FF FEFF").repeated(132000) << QStringLiteral("two UTF-16 markers");
    QTest::newRow("length past the end")
        << QByteArray(good).replace(0, 1, "\x7f") << QStringLiteral("past the end");
    QTest::newRow("huge 4-byte length") << Hex("FF FFFF FFFFFFFF") + good << QStringLiteral("past the end");
    QTest::newRow("huge UTF-16 length") << Hex("FF FEFF FF FFFF FFFFFF7F") << QStringLiteral("past the end");
    QTest::newRow("lone surrogate") << Hex("FF FEFF 01 00D8") + good.mid(17) << QStringLiteral("UTF-16");

    QByteArray nanDate = good;
    nanDate.replace(26, 8, Hex("000000000000F87F"));
    QTest::newRow("NaN start date") << nanDate << QStringLiteral("start date");
    QByteArray farDate = good;
    farDate.replace(38, 8, Hex("0000000000006A4A")); // about 6e49 days
    QTest::newRow("absurd due date") << farDate << QStringLiteral("due date");
    QByteArray nanAmount = good;
    nanAmount.replace(48, 8, Hex("000000000000F87F"));
    QTest::newRow("NaN amount") << nanAmount << QStringLiteral("amount");
}

void TestDueFile::rejectsMalformedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    DueRecord r;
    QString why;
    QVERIFY(!DueFile::Parse(bytes, r, &why));
    QVERIFY2(why.contains(reason), qPrintable(why));
    // The store's check without texts refuses the same files for the same reason.
    DueFile::Summary summary;
    QString summaryWhy;
    QVERIFY(!DueFile::Summarise(bytes.constData(), bytes.size(), summary, &summaryWhy));
    QCOMPARE(summaryWhy, why);
}

void TestDueFile::summaryKnowsSerializedBytes_data()
{
    DueRecord plain = ExampleRecord();
    plain.m_strSeriesId = QStringLiteral("recId20070315142530");
    plain.m_bPaid = 1;
    const QByteArray good = DueFile::Serialize(plain);
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("canonical");
    QTest::newRow("as written") << good << true;
    DueRecord wide = plain;
    wide.m_strTitle = QStringLiteral("\u0420\u0435\u043d\u0442\u0430 \U0001F4B6");
    QTest::newRow("UTF-16 text that needs it") << DueFile::Serialize(wide) << true;
    DueRecord euro = plain;
    euro.m_strNotes = QStringLiteral("\u20ac 5 \u2014 paid");
    QTest::newRow("1252 text above 0x7F") << DueFile::Serialize(euro) << true;
    QTest::newRow("3-byte prefix for a short text") << Hex("FF 1000") + good.mid(1) << false;
    QByteArray utf16Id = Hex("FF FEFF 10");
    for (char c : QByteArray("2007031514253010"))
        utf16Id += c, utf16Id += '\0';
    QTest::newRow("UTF-16 for plain text") << utf16Id + good.mid(17) << false;
    QByteArray unassigned = good;
    unassigned.replace(18, 1, "\x81"); // a title byte 1252 does not assign
    QTest::newRow("unassigned 1252 byte") << unassigned << false;
    QTest::newRow("bytes after the record") << good + "x" << false;
}

void TestDueFile::summaryKnowsSerializedBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, canonical);
    DueRecord r;
    QVERIFY(DueFile::Parse(bytes, r, nullptr));
    DueFile::Summary s;
    QVERIFY(DueFile::Summarise(bytes.constData(), bytes.size(), s, nullptr));
    QCOMPARE(s.canonical, canonical);
    QCOMPARE(DueFile::Serialize(r) == bytes, canonical);
    QCOMPARE(s.due, r.m_dtDue.m_dt);
    QCOMPARE(s.paid, r.m_bPaid);
    QCOMPARE(s.amount, r.m_dAmount);
    // The identifier and series fields lie where Serialize puts them.
    QByteArray id, series;
    DueFile::AppendString(id, r.m_strRecId);
    DueFile::AppendString(series, r.m_strSeriesId);
    if (canonical) {
        QCOMPARE(bytes.mid(s.idBegin, s.idEnd - s.idBegin), id);
        QCOMPARE(bytes.mid(s.seriesBegin, s.seriesEnd - s.seriesBegin), series);
    }
}

void TestDueFile::everyTruncationIsRejected()
{
    DueRecord r = ExampleRecord();
    r.m_strNotes = QStringLiteral("Ενοίκιο"); // UTF-16 form inside
    r.m_strSeriesId = QStringLiteral("recId20070315142530");
    const QByteArray good = DueFile::Serialize(r);
    for (int n = 0; n < good.size(); ++n) {
        DueRecord back;
        QVERIFY2(!DueFile::Parse(good.left(n), back, nullptr), qPrintable(QString::number(n)));
    }
    DueRecord back;
    QVERIFY(DueFile::Parse(good, back, nullptr));
    QVERIFY(back == r);
}

QTEST_APPLESS_MAIN(TestDueFile)
#include "tst_duefile.moc"
