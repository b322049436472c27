#include "model/base/LocaleFormat.h"

#include <QTest>

#include <cmath>
#include <limits>

// Texts are checked in named locales only; the test run's own locale is C.
class TestLocaleFormat : public QObject
{
    Q_OBJECT

private slots:
    void currency_data();
    void currency();
    void currencyRefusesNonNumbers_data();
    void currencyRefusesNonNumbers();
    void currencyResultLimit_data();
    void currencyResultLimit();
    void currencyAgreesWithQLocale();
    void currencyAfterLocaleChange();
    void groupingFollowsCldr_data();
    void groupingFollowsCldr();

    void datePicture_data();
    void datePicture();
    void timePicture_data();
    void timePicture();
    void unusableDates_data();
    void unusableDates();
    void pictureResultLimit();
    void defaultFormatsAgreeWithQLocale();
    void fourDigitYearPattern_data();
    void fourDigitYearPattern();
};

Q_DECLARE_METATYPE(COleDateTime)

namespace {

COleDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return COleDateTime(y, mo, d, h, mi, s);
}

const QString kNnbsp(QChar(0x202F)); // fr_FR digit grouping
const QString kNbsp(QChar(0x00A0));
const QString kEuro(QChar(0x20AC));
const QString kYen(QChar(0xFFE5));
const QString kZloty = QStringLiteral("z\u0142");

} // namespace

// clang-format off
void TestLocaleFormat::currency_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");

    // Rounding is decided on the digits, never on a binary double.
    QTest::newRow("round down") << "en_US" << "2353.111" << "$2,353.11";
    QTest::newRow("round up") << "en_US" << "2353.119" << "$2,353.12";
    QTest::newRow("tie goes up") << "en_US" << "2353.115" << "$2,353.12";
    QTest::newRow("only first dropped digit") << "en_US" << "0.0049999" << "$0.00";
    QTest::newRow("carry into integer") << "en_US" << "9.999" << "$10.00";
    QTest::newRow("carry adds group") << "en_US" << "999999.995" << "$1,000,000.00";
    QTest::newRow("negative tie away from zero") << "en_US" << "-0.005" << "($0.01)";
    QTest::newRow("trailing point") << "en_US" << "5." << "$5.00";
    QTest::newRow("leading point") << "en_US" << ".5" << "$0.50";
    QTest::newRow("leading zeros") << "en_US" << "000235" << "$235.00";
    QTest::newRow("blanks around") << "en_US" << " 12.5 " << "$12.50";
    QTest::newRow("tabs and newline around") << "en_US" << "\t12.50\r\n" << "$12.50";
    QTest::newRow("zero") << "en_US" << "0.00" << "$0.00";
    // The accounting form that QLocale gives a negative amount in en_US.
    QTest::newRow("negative") << "en_US" << "-3.00" << "($3.00)";
    QTest::newRow("negative zero unsigned") << "en_US" << "-0.00" << "$0.00";
    QTest::newRow("negative rounds to zero") << "en_US" << "-0.004" << "$0.00";
    QTest::newRow("beyond double precision")
        << "en_US" << "12345678901234567.125" << "$12,345,678,901,234,567.13";
    QTest::newRow("beyond 64 bits") << "en_US" << "123456789012345678901234567890"
                                    << "$123,456,789,012,345,678,901,234,567,890.00";
    QTest::newRow("long fraction") << "en_US" << "1.99999999999999999999999999995" << "$2.00";

    QTest::newRow("de_DE") << "de_DE" << "2353.11" << "2.353,11" + kNbsp + kEuro;
    QTest::newRow("de_DE negative") << "de_DE" << "-3.00" << "-3,00" + kNbsp + kEuro;
    QTest::newRow("de_DE big") << "de_DE" << "1234567890.5" << "1.234.567.890,50" + kNbsp + kEuro;

    QTest::newRow("fr_FR") << "fr_FR" << "1234567.5"
                           << "1" + kNnbsp + "234" + kNnbsp + "567,50" + kNbsp + kEuro;
    QTest::newRow("fr_FR negative") << "fr_FR" << "-3.00" << "(3,00" + kNbsp + kEuro + ")";

    // No currency decimals: "%0.2lf" texts are brought to whole yen.
    QTest::newRow("ja_JP") << "ja_JP" << "2353.49" << kYen + "2,353";
    QTest::newRow("ja_JP half up") << "ja_JP" << "2353.50" << kYen + "2,354";
    QTest::newRow("ja_JP negative") << "ja_JP" << "-0.50" << "(" + kYen + "1)";
    QTest::newRow("ja_JP small negative") << "ja_JP" << "-0.49" << kYen + "0";

    // Three currency digits.
    QTest::newRow("fr_TN three digits") << "fr_TN" << "1234.0005" << "1" + kNnbsp + "234,001" + kNbsp + "DT";
    // Indian grouping: 3 then 2.
    QTest::newRow("hi_IN grouping") << "en_IN" << "12345678.5" << QString::fromUtf8("₹1,23,45,678.50");
    // Four-digit numbers stay ungrouped in Spanish.
    QTest::newRow("es_ES short") << "es_ES" << "1234" << "1234,00" + kNbsp + kEuro;
    QTest::newRow("es_ES five digits") << "es_ES" << "12345" << "12.345,00" + kNbsp + kEuro;
}
// clang-format on

void TestLocaleFormat::currency()
{
    QFETCH(QString, locale);
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QCOMPARE(FormatCurrencyText(value, QLocale(locale)), expected);
}

// clang-format off
void TestLocaleFormat::currencyRefusesNonNumbers_data()
{
    QTest::addColumn<QString>("value");
    for (const char* bad : {"", "   ", "-", ".", "-.", "abc", "12a", "1,000", "1 000", "+1", "--1", "0-", "1-",
                            "0..", "1.2.3", "1e5", "0x10", "- 1", "NaN", "inf"})
        QTest::newRow(bad[0] ? bad : "empty") << QString::fromLatin1(bad);
    // Digits of other scripts are not ASCII digits.
    QTest::newRow("fullwidth digits") << QString::fromUtf8("１２");
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("١٢");
    QTest::newRow("embedded nul") << QString::fromLatin1("1\0" "2", 3);
}
// clang-format on

void TestLocaleFormat::currencyRefusesNonNumbers()
{
    QFETCH(QString, value);
    QCOMPARE(FormatCurrencyText(value, QLocale(QStringLiteral("en_US"))), QString());
    QCOMPARE(FormatCurrencyText(value, QLocale(QStringLiteral("de_DE"))), QString());
}

// clang-format off
void TestLocaleFormat::currencyResultLimit_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("expectedLength");
    // "$" + 72 digits + 23 separators + ".00" is exactly 99 characters.
    const QString digits72(72, QLatin1Char('9'));
    QTest::newRow("long fraction is not the result") << "0." + QString(500, QLatin1Char('1')) << 5;
    QTest::newRow("exactly 99") << digits72 << 99;
    // Past 99 a number shows in scientific form, never as nothing.
    QTest::newRow("101 in scientific form") << digits72 + "9" << 9;         // $1.00E+73
    QTest::newRow("negative brackets push past 99") << "-" + digits72 << 11; // ($1.00E+72)
    QTest::newRow("carry pushes past 99") << digits72 + ".995" << 9;
    QTest::newRow("huge") << QString(100000, QLatin1Char('7')) << 12;      // $7.78E+99999
}
// clang-format on

void TestLocaleFormat::currencyResultLimit()
{
    QFETCH(QString, value);
    QFETCH(int, expectedLength);
    QCOMPARE(FormatCurrencyText(value, QLocale(QStringLiteral("en_US"))).size(), expectedLength);
}

// Texts of values a double holds exactly must be exactly QLocale's, in every
// locale Qt knows: symbol, placement, grouping, digits and negative form.
// The values keep three digits before the first separator, where Qt's
// grouping is right whatever the locale's minimum (see groupingFollowsCldr).
void TestLocaleFormat::currencyAgreesWithQLocale()
{
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    QVERIFY(locales.size() > 100);
    const char* values[] = {"0.00", "12.75", "-3.00", "123456789.25", "-123456789.25", "987654321012.75"};
    QStringList mismatches;
    for (const QLocale& locale : locales) {
        for (const char* v : values) {
            const QString text = QString::fromLatin1(v);
            const QString ours = FormatCurrencyText(text, locale);
            const QString qt = locale.toCurrencyString(text.toDouble());
            if (ours != qt)
                mismatches << QStringLiteral("%1 %2: '%3' vs '%4'").arg(locale.name(), text, ours, qt);
        }
    }
    QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.mid(0, 10).join(QLatin1Char('\n'))));
}

// The learnt locale data is kept between calls; a different locale, or the
// same one with other number options, must not reuse it.
void TestLocaleFormat::currencyAfterLocaleChange()
{
    QLocale us(QStringLiteral("en_US"));
    QCOMPARE(FormatCurrencyText(QStringLiteral("1234.5"), us), QStringLiteral("$1,234.50"));
    QCOMPARE(FormatCurrencyText(QStringLiteral("1234.5"), QLocale(QStringLiteral("ja_JP"))), kYen + "1,235");
    us.setNumberOptions(QLocale::OmitGroupSeparator);
    QCOMPARE(FormatCurrencyText(QStringLiteral("1234.5"), us), QStringLiteral("$1234.50"));
    QCOMPARE(FormatCurrencyText(QStringLiteral("1234.5"), us), us.toCurrencyString(1234.5));
}

// Grouping as CLDR's patterns and minimum grouping digits give it: with a
// minimum of two (Polish, Spanish, European Portuguese) a four-digit number
// stays whole and a longer one is grouped at every boundary; Indian grouping
// is three digits, then twos.
// clang-format off
void TestLocaleFormat::groupingFollowsCldr_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("currency"); // empty: not checked

    const QString n = kNbsp;
    const QString nn = kNnbsp;
    const QString apostrophe(QChar(0x2019));
    QTest::newRow("pl_PL 3 digits") << "pl_PL" << "123.45" << "123,45" << "123,45" + n + kZloty;
    QTest::newRow("pl_PL 4 digits whole") << "pl_PL" << "1234.56" << "1234,56" << "1234,56" + n + kZloty;
    QTest::newRow("pl_PL 5 digits") << "pl_PL" << "12345.67" << "12" + n + "345,67" << "12" + n + "345,67" + n + kZloty;
    QTest::newRow("pl_PL 7 digits") << "pl_PL" << "1234567.89" << "1" + n + "234" + n + "567,89"
                                    << "1" + n + "234" + n + "567,89" + n + kZloty;
    QTest::newRow("pl_PL 10 digits") << "pl_PL" << "1234567890" << "1" + n + "234" + n + "567" + n + "890"
                                     << "1" + n + "234" + n + "567" + n + "890,00" + n + kZloty;
    QTest::newRow("pl_PL negative") << "pl_PL" << "-1234567.5" << "-1" + n + "234" + n + "567,5"
                                    << "(1" + n + "234" + n + "567,50" + n + kZloty + ")";
    QTest::newRow("pl_PL carry makes 5 digits") << "pl_PL" << "9999.995" << "9999,995" << "10" + n + "000,00" + n + kZloty;
    QTest::newRow("es_ES 4 digits whole") << "es_ES" << "1234" << "1234" << "";
    QTest::newRow("es_ES 7 digits") << "es_ES" << "1234567.8" << "1.234.567,8" << "1.234.567,80" + n + kEuro;
    QTest::newRow("pt_PT 7 digits") << "pt_PT" << "1234567.89" << "1" + n + "234" + n + "567,89" << "";
    QTest::newRow("de_CH 4 digits") << "de_CH" << "1234.5" << "1" + apostrophe + "234.5" << "";
    QTest::newRow("de_CH 7 digits") << "de_CH" << "1234567.89" << "1" + apostrophe + "234" + apostrophe + "567.89" << "";
    QTest::newRow("fr_FR 4 digits") << "fr_FR" << "1234.56" << "1" + nn + "234,56" << "1" + nn + "234,56" + n + kEuro;
    QTest::newRow("fr_FR 7 digits") << "fr_FR" << "1234567.89" << "1" + nn + "234" + nn + "567,89" << "";
    QTest::newRow("hi_IN 4 digits") << "hi_IN" << "1234.5" << "1,234.5" << "";
    QTest::newRow("hi_IN 8 digits") << "hi_IN" << "12345678.9" << "1,23,45,678.9" << QString::fromUtf8("₹1,23,45,678.90");
    QTest::newRow("en_IN 6 digits") << "en_IN" << "123456.78" << "1,23,456.78" << "";
    QTest::newRow("en_IN 12 digits") << "en_IN" << "123456789012" << "1,23,45,67,89,012" << "";
    QTest::newRow("en_US 4 digits") << "en_US" << "1234.56" << "1,234.56" << "$1,234.56";
    QTest::newRow("en_US 7 digits") << "en_US" << "1234567.89" << "1,234,567.89" << "$1,234,567.89";
    QTest::newRow("de_DE 4 digits") << "de_DE" << "1234.56" << "1.234,56" << "1.234,56" + n + kEuro;
    QTest::newRow("de_DE 7 digits") << "de_DE" << "1234567.89" << "1.234.567,89" << "";
    QTest::newRow("C ungrouped") << "C" << "1234567.89" << "1234567.89" << "";
}
// clang-format on

void TestLocaleFormat::groupingFollowsCldr()
{
    QFETCH(QString, locale);
    QFETCH(QString, value);
    QFETCH(QString, number);
    QFETCH(QString, currency);
    const QLocale l(locale);
    QCOMPARE(FormatNumberText(value, l), number);
    if (!currency.isEmpty())
        QCOMPARE(FormatCurrencyText(value, l), currency);
}

// clang-format off
void TestLocaleFormat::datePicture_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<COleDateTime>("date");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("expected");

    const COleDateTime may4 = At(2002, 5, 4, 8, 56, 13); // a Saturday
    const COleDateTime mar5 = At(2007, 3, 5);

    QTest::newRow("quotes and escapes") << "en_US" << may4 << "ddd',' MMM dd ''''yy" << "Sat, May 04 '02";
    QTest::newRow("long form") << "en_US" << may4 << "dddd, MMMM d, yyyy" << "Saturday, May 4, 2002";
    QTest::newRow("numbers") << "en_US" << may4 << "d/M/yy" << "4/5/02";
    // The locale's short date shows the whole year, whatever its own pattern says.
    QTest::newRow("empty en_US") << "en_US" << may4 << "" << "5/4/2002";
    QTest::newRow("empty en_US, 1897 is not 1997") << "en_US" << At(1897, 4, 4) << "" << "4/4/1897";
    QTest::newRow("de_DE empty") << "de_DE" << may4 << "" << "04.05.2002";
    QTest::newRow("empty en_GB") << "en_GB" << mar5 << "" << "05/03/2007";
    // The pictures the program itself passes.
    QTest::newRow("dd/MM/yyyy") << "en_US" << mar5 << "dd/MM/yyyy" << "05/03/2007";
    QTest::newRow("dd/MM/yyyy - ") << "en_US" << mar5 << "dd/MM/yyyy - " << "05/03/2007 - ";
    QTest::newRow("MMMM - yyyy") << "en_US" << mar5 << "MMMM - yyyy" << "March - 2007";
    QTest::newRow("MMM/yyyy") << "en_US" << mar5 << "MMM/yyyy" << "Mar/2007";
    QTest::newRow("dd MMM, yyyy") << "en_US" << mar5 << "dd MMM, yyyy" << "05 Mar, 2007";
    QTest::newRow("MMM - yyyy") << "en_US" << mar5 << "MMM - yyyy" << "Mar - 2007";
    QTest::newRow("MMMM-yyyy") << "en_US" << mar5 << "MMMM-yyyy" << "March-2007";
    QTest::newRow("time letters are literal") << "en_US" << may4 << "MM/dd/yyyy  hh:mm:ss tt"
                                              << "05/04/2002  hh:mm:ss tt";

    QTest::newRow("long runs") << "en_US" << may4 << "dddddd MMMMMM yyyyy yyy" << "Saturday May 2002 2002";
    QTest::newRow("single y as yy") << "en_US" << At(2009, 1, 2) << "y" << "09";
    QTest::newRow("era left out") << "en_US" << may4 << "gg yyyy" << " 2002";
    QTest::newRow("other letters copied") << "en_US" << may4 << "D Y m h s t, d" << "D Y m h s t, 4";
    QTest::newRow("quoted letters") << "en_US" << may4 << "'dd MM yy' d" << "dd MM yy 4";
    QTest::newRow("doubled quote in quotes") << "en_US" << may4 << "'it''s' d" << "it's 4";
    QTest::newRow("bare doubled quote") << "en_US" << may4 << "d''M" << "45";
    QTest::newRow("unclosed quote") << "en_US" << may4 << "d 'MMMM yyyy" << "4 MMMM yyyy";

    QTest::newRow("de_DE long") << "de_DE" << may4 << "dddd, d. MMMM yyyy" << "Samstag, 4. Mai 2002";
    QTest::newRow("de_DE MMM/yyyy") << "de_DE" << mar5 << "MMM/yyyy" << QString::fromUtf8("Mär/2007");
    QTest::newRow("de_DE MMMM - yyyy") << "de_DE" << mar5 << "MMMM - yyyy" << QString::fromUtf8("März - 2007");

    QTest::newRow("fr_FR empty") << "fr_FR" << may4 << "" << "04/05/2002";
    QTest::newRow("fr_FR long") << "fr_FR" << may4 << "dddd d MMMM yyyy" << "samedi 4 mai 2002";
    QTest::newRow("fr_FR dd MMM, yyyy") << "fr_FR" << mar5 << "dd MMM, yyyy" << "05 mars, 2007";

    // Genitive month names where a day number goes with the month.
    const QString mayGen = QString::fromUtf8("мая");
    const QString mayNom = QString::fromUtf8("май");
    QTest::newRow("ru day before") << "ru_RU" << may4 << "d MMMM yyyy" << "4 " + mayGen + " 2002";
    QTest::newRow("ru day after") << "ru_RU" << may4 << "MMMM, dd" << mayGen + ", 04";
    QTest::newRow("ru no day") << "ru_RU" << may4 << "MMMM yyyy" << mayNom + " 2002";
    QTest::newRow("ru day name only") << "ru_RU" << may4 << "dddd MMMM"
                                      << QString::fromUtf8("суббота ") + mayNom;
    QTest::newRow("ru day name nearer") << "ru_RU" << may4 << "d dddd MMMM"
                                        << QString::fromUtf8("4 суббота ") + mayNom;
    QTest::newRow("ru day name before, number after") << "ru_RU" << may4 << "dddd MMMM d"
                                                      << QString::fromUtf8("суббота ") + mayGen + " 4";
    QTest::newRow("ru quoted d") << "ru_RU" << may4 << "'d' MMMM" << "d " + mayNom;
    QTest::newRow("ru empty") << "ru_RU" << may4 << "" << "04.05.2002";

    // Before the OLE epoch, and the first day the system call accepts.
    QTest::newRow("1899") << "en_US" << At(1899, 12, 29, 6, 0, 0) << "dddd dd/MM/yyyy" << "Friday 29/12/1899";
    QTest::newRow("1776") << "en_US" << At(1776, 7, 4) << "MMMM d, yyyy" << "July 4, 1776";
    QTest::newRow("1601") << "en_US" << At(1601, 1, 1) << "dd/MM/yyyy yy" << "01/01/1601 01";
    QTest::newRow("9999") << "en_US" << At(9999, 12, 31) << "ddd dd/MM/yyyy" << "Fri 31/12/9999";
}
// clang-format on

void TestLocaleFormat::datePicture()
{
    QFETCH(QString, locale);
    QFETCH(COleDateTime, date);
    QFETCH(QString, picture);
    QFETCH(QString, expected);
    QCOMPARE(FormatDatePicture(date, picture, QLocale(locale)), expected);
}

// clang-format off
void TestLocaleFormat::timePicture_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<COleDateTime>("date");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("expected");

    const COleDateTime morning = At(2002, 5, 4, 8, 56, 13);
    const COleDateTime afternoon = At(2002, 5, 4, 14, 5, 3);
    const COleDateTime midnight = At(2002, 5, 4, 0, 7, 0);

    // Seconds and what separates them are cut away.
    QTest::newRow("h:m:s tt") << "en_US" << morning << "h:m:s tt" << "8:56 AM";
    QTest::newRow("separators after seconds") << "en_US" << morning << "h.@:m.@:s.@:tt" << "8.@:56AM";
    QTest::newRow("seconds only") << "en_US" << morning << "s1s2s3" << "";
    QTest::newRow("every field") << "en_US" << afternoon << "h hh H HH m mm s ss t tt" << "2 02 14 14 5 05 P PM";
    QTest::newRow("midnight") << "en_US" << midnight << "h/H/hh/HH" << "12/0/12/00";
    QTest::newRow("noon") << "en_US" << At(2002, 5, 4, 12, 0, 0) << "h:mm tt" << "12:00 PM";
    QTest::newRow("long runs act as two") << "en_US" << morning << "hhhh HHH mmm ttt" << "08 08 56 AM";
    QTest::newRow("quoted text after seconds") << "en_US" << morning << "ss 'sec' HH" << "  08";
    QTest::newRow("quoted text kept before seconds") << "en_US" << morning << "H 'h' mm" << "8 h 56";
    QTest::newRow("seconds before anything") << "en_US" << morning << "'at' ss HH" << " 08";
    QTest::newRow("date letters are literal") << "en_US" << morning << "MM/dd/yyyy  hh:mm:ss tt"
                                              << "MM/dd/yyyy  08:56 AM";
    QTest::newRow("spaced 24-hour") << "en_US" << afternoon << " HH : mm" << " 14 : 05";
    QTest::newRow("HH:mm:ss") << "de_DE" << afternoon << "HH:mm:ss" << "14:05";

    // The locale's time of day, without seconds.
    QTest::newRow("empty en_US") << "en_US" << afternoon << "" << "2:05 PM";
    QTest::newRow("empty de_DE") << "de_DE" << morning << "" << "08:56";
    QTest::newRow("empty fr_FR") << "fr_FR" << afternoon << "" << "14:05";
    QTest::newRow("empty ko_KR marker first") << "ko_KR" << afternoon << ""
                                              << QString::fromUtf8("오후 2:05");

    // Only the time counts: a year the date call refuses is fine here.
    QTest::newRow("year 1500") << "en_US" << At(1500, 6, 15, 21, 30, 59) << "HH:mm" << "21:30";
    QTest::newRow("before the OLE epoch") << "en_US" << At(1899, 12, 29, 6, 15, 0) << "" << "6:15 AM";
}
// clang-format on

void TestLocaleFormat::timePicture()
{
    QFETCH(QString, locale);
    QFETCH(COleDateTime, date);
    QFETCH(QString, picture);
    QFETCH(QString, expected);
    QCOMPARE(FormatTimePicture(date, picture, QLocale(locale)), expected);
}

// clang-format off
void TestLocaleFormat::unusableDates_data()
{
    QTest::addColumn<COleDateTime>("date");
    QTest::addColumn<bool>("timeUsable");

    COleDateTime invalid = At(2002, 5, 4);
    invalid.SetStatus(COleDateTime::invalid);
    COleDateTime null = At(2002, 5, 4);
    null.SetStatus(COleDateTime::null);
    COleDateTime nan;
    nan.m_dt = std::numeric_limits<double>::quiet_NaN(); // valid status, bad value
    COleDateTime huge;
    huge.m_dt = 1e300;

    QTest::newRow("invalid status") << invalid << false;
    QTest::newRow("null status") << null << false;
    QTest::newRow("bad day") << At(2002, 2, 30) << false;
    QTest::newRow("NaN") << nan << false;
    QTest::newRow("infinity") << COleDateTime(std::numeric_limits<double>::infinity()) << false;
    QTest::newRow("far future") << huge << false;
    QTest::newRow("far past") << COleDateTime(-1e9) << false;
    QTest::newRow("before 1601") << At(1600, 12, 31, 10, 0, 0) << true;
}
// clang-format on

void TestLocaleFormat::unusableDates()
{
    QFETCH(COleDateTime, date);
    QFETCH(bool, timeUsable);
    const QLocale us(QStringLiteral("en_US"));
    QCOMPARE(FormatDatePicture(date, QStringLiteral("dd/MM/yyyy"), us), QString());
    QCOMPARE(FormatDatePicture(date, QString(), us), QString());
    QCOMPARE(FormatTimePicture(date, QStringLiteral("HH:mm"), us).isEmpty(), !timeUsable);
    QCOMPARE(FormatTimePicture(date, QString(), us).isEmpty(), !timeUsable);
}

void TestLocaleFormat::pictureResultLimit()
{
    const QLocale us(QStringLiteral("en_US"));
    const COleDateTime d = At(2002, 5, 4, 8, 56, 0);
    // "Saturday " is 9 characters: 11 of them fill 99, 12 are too many.
    QCOMPARE(FormatDatePicture(d, QStringLiteral("dddd ").repeated(11), us).size(), 99);
    QCOMPARE(FormatDatePicture(d, QStringLiteral("dddd ").repeated(12), us), QString());
    QCOMPARE(FormatTimePicture(d, QString(97, QLatin1Char('x')) + "HH", us).size(), 99);
    QCOMPARE(FormatTimePicture(d, QString(98, QLatin1Char('x')) + "HH", us), QString());
}

// The locale's own patterns come in Qt's syntax; read them the way QLocale
// does (dates with the year widened to four digits). Names only differ where our month rules do
// (abbreviations are the standalone form, full names follow the genitive rule), and we always write ASCII
// digits, so those locales are left out.
void TestLocaleFormat::defaultFormatsAgreeWithQLocale()
{
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    const QDate date(2002, 11, 24);
    const QList<QTime> times = {QTime(0, 5), QTime(9, 7), QTime(12, 30), QTime(23, 59)};
    QStringList mismatches;
    int compared = 0;
    for (const QLocale& locale : locales) {
        if (locale.zeroDigit() != QLatin1String("0"))
            continue;
        if (!locale.dateFormat(QLocale::ShortFormat).contains(QLatin1String("MMM"))) {
            ++compared;
            const COleDateTime d = At(date.year(), date.month(), date.day());
            const QString ours = FormatDatePicture(d, QString(), locale);
            const QString qt = locale.toString(date, ShortDatePattern(locale));
            if (ours != qt)
                mismatches << QStringLiteral("%1 date: '%2' vs '%3'").arg(locale.name(), ours, qt);
        }
        const QString timePattern = locale.timeFormat(QLocale::ShortFormat);
        for (const QTime& t : times) {
            const COleDateTime d = At(2002, 11, 24, t.hour(), t.minute(), 0);
            const QString ours = FormatTimePicture(d, QString(), locale);
            if (timePattern.contains(u's'))
                continue;
            const QString qt = locale.toString(t, timePattern);
            if (ours != qt)
                mismatches << QStringLiteral("%1 time: '%2' vs '%3'").arg(locale.name(), ours, qt);
        }
    }
    QVERIFY(compared > 100);
    QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.mid(0, 10).join(QLatin1Char('\n'))));
}

void TestLocaleFormat::fourDigitYearPattern_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("widened");
    QTest::newRow("en_US") << "M/d/yy"
                           << "M/d/yyyy";
    QTest::newRow("de_DE") << "dd.MM.yy"
                           << "dd.MM.yyyy";
    QTest::newRow("already four") << "yyyy-MM-dd"
                                  << "yyyy-MM-dd";
    QTest::newRow("quoted letters stay") << "d 'yy' yy"
                                         << "d 'yy' yyyy";
    QTest::newRow("doubled quote") << "yy''d"
                                   << "yyyy''d";
    QTest::newRow("no year") << "d MMM"
                             << "d MMM";
}

void TestLocaleFormat::fourDigitYearPattern()
{
    QFETCH(QString, pattern);
    QFETCH(QString, widened);
    QCOMPARE(FourDigitYearPattern(pattern), widened);
}

QTEST_GUILESS_MAIN(TestLocaleFormat)
#include "tst_localeformat.moc"
