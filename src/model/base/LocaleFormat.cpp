#include "model/base/LocaleFormat.h"

#include <QList>

#include <optional>
#include <string>

namespace {

// Results longer than this are refused: an amount, date or time is a short
// field text, and a longer result means a runaway picture or value.
constexpr qsizetype kMaxResultChars = 99;

// The first year the date pictures format; earlier dates give no text, as
// the calendar the pictures describe does not reach further back.
constexpr int kFirstDateYear = 1601;

QString Bounded(QString text)
{
    if (text.size() > kMaxResultChars)
        return {};
    return text;
}

// ---------------------------------------------------------------------------
// Currency

// A decimal number as text: sign, integer digits without leading zeros (maybe
// empty) and fraction digits, all ASCII.
struct DecimalDigits
{
    bool negative = false;
    std::string integer;
    std::string fraction;
};

// Accepts digits with at most one '.', and an optional '-' in first position.
// At least one digit is required, so "", "-" and "." are refused.
std::optional<DecimalDigits> ParseDecimal(QStringView text)
{
    DecimalDigits d;
    qsizetype i = 0;
    if (i < text.size() && text[i] == u'-') {
        d.negative = true;
        ++i;
    }
    bool seenPoint = false;
    bool seenDigit = false;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'.') {
            if (seenPoint)
                return std::nullopt;
            seenPoint = true;
        } else if (c >= u'0' && c <= u'9') {
            seenDigit = true;
            if (seenPoint)
                d.fraction.push_back(char(c));
            else if (!d.integer.empty() || c != u'0')
                d.integer.push_back(char(c));
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    return d;
}

// Brings the fraction to `digits` places. The first dropped digit decides:
// 5 or more rounds the magnitude up, carrying into the integer part. The sign
// is not involved, so halves go away from zero.
void RoundToDigits(DecimalDigits& d, int digits)
{
    const size_t keep = size_t(digits);
    if (d.fraction.size() <= keep) {
        d.fraction.append(keep - d.fraction.size(), '0');
        return;
    }
    const bool up = d.fraction[keep] >= '5';
    d.fraction.resize(keep);
    if (!up)
        return;
    for (size_t i = d.fraction.size(); i-- > 0;) {
        if (d.fraction[i] != '9') {
            ++d.fraction[i];
            return;
        }
        d.fraction[i] = '0';
    }
    for (size_t i = d.integer.size(); i-- > 0;) {
        if (d.integer[i] != '9') {
            ++d.integer[i];
            return;
        }
        d.integer[i] = '0';
    }
    d.integer.insert(d.integer.begin(), '1');
}

bool IsZero(const DecimalDigits& d)
{
    return d.integer.find_first_not_of('0') == std::string::npos &&
           d.fraction.find_first_not_of('0') == std::string::npos;
}

// Everything the locale decides about a currency text, learnt from QLocale's
// own output so that our texts match it while the digits stay exact.
struct CurrencyShape
{
    int digits = 2;
    // Patterns with kNumberMark where the number goes, kSymbolMark for the symbol.
    QString positive;
    QString negative;
    QString symbol;
    QString decimalPoint;
    QString groupSeparator;
    // Separators, counted in digits to the right: the first after `least`,
    // then every `higher`. A number is grouped only when at least
    // `minLeading` digits stand left of the first separator, and then at
    // every boundary (the rule of CLDR's minimum grouping digits: Polish
    // "1234" and "12 345", "1 234 567"). Qt 6.4 drops the leftmost separator
    // instead ("1234 567"), so its texts are not copied.
    bool grouped = false;
    int least = 3;
    int higher = 3;
    int minLeading = 1;
    QString digitText[10];
};

const QChar kSymbolMark(0xE000);
const QChar kNumberMark(0xE001);

// The locale's pattern for a sign, found by formatting 1 with a stand-in
// symbol and replacing the number's text by a mark. Any sign, bracket or
// spacing the locale adds stays in the pattern.
QString CurrencyPattern(const QLocale& locale, double one, int digits)
{
    QString sample = locale.toCurrencyString(one, QString(kSymbolMark), digits);
    const QString numberText = locale.toString(1.0, 'f', digits);
    const qsizetype at = sample.indexOf(numberText);
    if (at < 0 || numberText.isEmpty())
        return {};
    sample.replace(at, numberText.size(), QString(kNumberMark));
    return sample;
}

int CountOf(const QString& text, const QString& part)
{
    if (part.isEmpty())
        return 0;
    int n = 0;
    for (qsizetype at = text.indexOf(part); at >= 0; at = text.indexOf(part, at + part.size()))
        ++n;
    return n;
}

void LearnGrouping(const QLocale& locale, CurrencyShape& shape)
{
    shape.groupSeparator = locale.groupSeparator();
    const QString& sep = shape.groupSeparator;
    const QString& one = shape.digitText[1];
    if (sep.isEmpty() || one.isEmpty())
        return;

    // Nineteen ones: the widest run a qlonglong holds, enough to show the
    // sizes of the last two groups.
    const QString sample = locale.toString(qlonglong(1111111111111111111LL));
    const QStringList groups = sample.split(sep);
    if (groups.size() < 2)
        return;
    shape.least = int(groups.last().size() / one.size());
    shape.higher = groups.size() >= 3 ? int(groups[groups.size() - 2].size() / one.size()) : 0;
    if (shape.least <= 0)
        return;

    // The shortest number that gets a separator tells how many digits must
    // stand in front of one.
    qlonglong value = 1;
    for (int i = 1; i < shape.least; ++i)
        value *= 10;
    for (int length = shape.least + 1; length <= 19; ++length) {
        value *= 10;
        if (locale.toString(value).contains(sep)) {
            shape.minLeading = length - shape.least;
            shape.grouped = true;
            return;
        }
    }
}

CurrencyShape LearnCurrencyShape(const QLocale& locale)
{
    CurrencyShape shape;
    for (int i = 0; i < 10; ++i)
        shape.digitText[i] = locale.toString(i);

    // Zero in the locale's own precision shows how many digits it keeps.
    const QString zero = locale.toCurrencyString(0.0, QString(kSymbolMark));
    shape.digits = qBound(0, CountOf(zero, shape.digitText[0]) - 1, 9);

    shape.positive = CurrencyPattern(locale, 1.0, shape.digits);
    shape.negative = CurrencyPattern(locale, -1.0, shape.digits);
    if (shape.positive.isEmpty())
        shape.positive = QString(kSymbolMark) + kNumberMark;
    if (shape.negative.isEmpty())
        shape.negative = locale.negativeSign() + shape.positive;

    // QLocale falls back to the ISO code when the locale has no symbol.
    shape.symbol = locale.currencySymbol();
    if (shape.symbol.isEmpty())
        shape.symbol = locale.currencySymbol(QLocale::CurrencyIsoCode);
    shape.decimalPoint = locale.decimalPoint();
    LearnGrouping(locale, shape);
    return shape;
}

// Learning the shape costs a few dozen QLocale calls; a listing formats many
// amounts in one locale, so the last shape is kept.
const CurrencyShape& CurrencyShapeFor(const QLocale& locale)
{
    thread_local std::optional<QLocale> cachedLocale;
    thread_local CurrencyShape cachedShape;
    if (!cachedLocale || *cachedLocale != locale) {
        cachedShape = LearnCurrencyShape(locale);
        cachedLocale = locale;
    }
    return cachedShape;
}

QString NumberText(const DecimalDigits& d, const CurrencyShape& shape)
{
    const std::string integer = d.integer.empty() ? std::string("0") : d.integer;
    const int length = int(integer.size());
    const bool grouped = shape.grouped && length >= shape.least + shape.minLeading;
    QString out;
    for (int k = 0; k < length; ++k) {
        if (grouped && k > 0) {
            const int right = length - k;
            const bool boundary = right == shape.least || (right > shape.least && shape.higher > 0 &&
                                                           (right - shape.least) % shape.higher == 0);
            if (boundary)
                out += shape.groupSeparator;
        }
        out += shape.digitText[integer[size_t(k)] - '0'];
    }
    if (!d.fraction.empty()) {
        out += shape.decimalPoint;
        for (char c : d.fraction)
            out += shape.digitText[c - '0'];
    }
    return out;
}

// ---------------------------------------------------------------------------
// Date and time pictures

enum class Field
{
    Literal,
    Day,
    Month,
    Year,
    Era,
    Hour12,
    Hour24,
    Minute,
    Second,
    Marker
};
enum class MarkerCase
{
    AsIs,
    Upper,
    Lower
};

struct Token
{
    Field field = Field::Literal;
    int count = 0; // length of the letter run
    QString text;  // literal text
    MarkerCase markerCase = MarkerCase::AsIs;
};

void AppendLiteral(QList<Token>& tokens, const QString& text)
{
    if (text.isEmpty())
        return;
    if (!tokens.isEmpty() && tokens.last().field == Field::Literal)
        tokens.last().text += text;
    else
        tokens.append({Field::Literal, 0, text, MarkerCase::AsIs});
}

qsizetype RunLength(QStringView s, qsizetype i)
{
    qsizetype j = i + 1;
    while (j < s.size() && s[j] == s[i])
        ++j;
    return j - i;
}

// Quoted text: '' inside quotes is one quote and a quote left open runs to
// the end. A bare '' prints nothing in a Windows picture but one quote in a
// Qt pattern. On return i is past the closing quote.
QString ReadQuoted(QStringView s, qsizetype& i, bool bareDoubledIsQuote)
{
    ++i;
    if (bareDoubledIsQuote && i < s.size() && s[i] == u'\'') {
        ++i;
        return QStringLiteral("'");
    }
    QString text;
    while (i < s.size()) {
        if (s[i] == u'\'') {
            if (i + 1 < s.size() && s[i + 1] == u'\'') {
                text += u'\'';
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        text += s[i++];
    }
    return text;
}

// A run of one letter is one token; only d, M, y, g count in a date picture
// and h, H, m, s, t in a time picture. Every other character is copied.
QList<Token> ParseWindowsPicture(QStringView picture, bool time)
{
    QList<Token> tokens;
    qsizetype i = 0;
    while (i < picture.size()) {
        const QChar c = picture[i];
        if (c == u'\'') {
            AppendLiteral(tokens, ReadQuoted(picture, i, false));
            continue;
        }
        const int run = int(RunLength(picture, i));
        Field field = Field::Literal;
        if (!time) {
            switch (c.unicode()) {
            case u'd':
                field = Field::Day;
                break;
            case u'M':
                field = Field::Month;
                break;
            case u'y':
                field = Field::Year;
                break;
            case u'g':
                field = Field::Era;
                break;
            default:
                break;
            }
        } else {
            switch (c.unicode()) {
            case u'h':
                field = Field::Hour12;
                break;
            case u'H':
                field = Field::Hour24;
                break;
            case u'm':
                field = Field::Minute;
                break;
            case u's':
                field = Field::Second;
                break;
            case u't':
                field = Field::Marker;
                break;
            default:
                break;
            }
        }
        if (field == Field::Literal)
            AppendLiteral(tokens, QString(run, c));
        else
            tokens.append({field, run, {}, MarkerCase::AsIs});
        i += run;
    }
    return tokens;
}

bool QtPatternHasMarker(QStringView pattern)
{
    bool quoted = false;
    for (QChar c : pattern) {
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && (c == u'a' || c == u'A'))
            return true;
    }
    return false;
}

// The locale's own formats come in Qt's pattern syntax: yy/yyyy only, h is
// 24-hour unless the pattern has a marker, AP/ap/A/a are the marker, z is
// milliseconds and t the time zone.
QList<Token> ParseQtPattern(QStringView pattern, bool time)
{
    QList<Token> tokens;
    const bool twelveHour = time && QtPatternHasMarker(pattern);
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        if (c == u'\'') {
            AppendLiteral(tokens, ReadQuoted(pattern, i, true));
            continue;
        }
        const int run = int(RunLength(pattern, i));
        if (!time) {
            if (c == u'y' && run >= 2) {
                // A two-digit year is shown whole: "4/4/97" could be 1897 or 1997.
                const int used = run >= 4 ? 4 : 2;
                tokens.append({Field::Year, 4, {}, MarkerCase::AsIs});
                i += used;
                continue;
            }
            if (c == u'd' || c == u'M') {
                const int used = qMin(run, 4);
                tokens.append({c == u'd' ? Field::Day : Field::Month, used, {}, MarkerCase::AsIs});
                i += used;
                continue;
            }
        } else {
            switch (c.unicode()) {
            case u'h':
            case u'H':
            case u'm':
            case u's': {
                const int used = qMin(run, 2);
                Field field = Field::Minute;
                if (c == u'h')
                    field = twelveHour ? Field::Hour12 : Field::Hour24;
                else if (c == u'H')
                    field = Field::Hour24;
                else if (c == u's')
                    field = Field::Second;
                tokens.append({field, used, {}, MarkerCase::AsIs});
                i += used;
                continue;
            }
            case u'a':
            case u'A': {
                const bool pair =
                    i + 1 < pattern.size() && (pattern[i + 1] == u'p' || pattern[i + 1] == u'P');
                MarkerCase markerCase = c == u'A' ? MarkerCase::Upper : MarkerCase::Lower;
                if (pair && (pattern[i + 1] == u'p') != (c == u'a'))
                    markerCase = MarkerCase::AsIs; // "Ap", "aP": the locale's text as it is
                tokens.append({Field::Marker, 2, {}, markerCase});
                i += pair ? 2 : 1;
                continue;
            }
            case u'z':
                // Milliseconds go the way of seconds.
                tokens.append({Field::Second, run, {}, MarkerCase::AsIs});
                i += run;
                continue;
            case u't':
                // The time zone: a due's time is a wall-clock time without one.
                i += run;
                continue;
            default:
                break;
            }
        }
        AppendLiteral(tokens, QString(run, c));
        i += run;
    }
    return tokens;
}

// A full month name takes the genitive (format) form when the nearest day
// token before it, or the first one after it, is a day number (d or dd).
bool GenitiveContext(const QList<Token>& tokens, qsizetype index)
{
    for (qsizetype j = index - 1; j >= 0; --j) {
        if (tokens[j].field == Field::Day) {
            if (tokens[j].count <= 2)
                return true;
            break;
        }
    }
    for (qsizetype j = index + 1; j < tokens.size(); ++j) {
        if (tokens[j].field == Field::Day)
            return tokens[j].count <= 2;
    }
    return false;
}

QString TwoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString RenderDate(const QList<Token>& tokens, const COleDateTime::Parts& p, const QLocale& locale)
{
    const int qtDayOfWeek = (p.dayOfWeek + 5) % 7 + 1; // 1 = Sunday -> Qt's 7
    QString out;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        switch (t.field) {
        case Field::Literal:
            out += t.text;
            break;
        case Field::Day:
            if (t.count == 1)
                out += QString::number(p.day);
            else if (t.count == 2)
                out += TwoDigits(p.day);
            else
                out += locale.dayName(qtDayOfWeek, t.count == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
            break;
        case Field::Month:
            if (t.count == 1)
                out += QString::number(p.month);
            else if (t.count == 2)
                out += TwoDigits(p.month);
            else if (t.count == 3)
                out += locale.standaloneMonthName(p.month, QLocale::ShortFormat);
            else if (GenitiveContext(tokens, i))
                out += locale.monthName(p.month, QLocale::LongFormat);
            else
                out += locale.standaloneMonthName(p.month, QLocale::LongFormat);
            break;
        case Field::Year:
            // A lone y reads as yy; three or more give the full year.
            if (t.count <= 2)
                out += TwoDigits(p.year % 100);
            else
                out += QString::number(p.year);
            break;
        case Field::Era:
            // QLocale has no era names; the era is left out rather than
            // printed in the wrong language.
            break;
        default:
            break;
        }
    }
    return out;
}

QString MarkerText(const Token& t, int hour, const QLocale& locale)
{
    QString marker = hour < 12 ? locale.amText() : locale.pmText();
    if (t.markerCase == MarkerCase::Upper)
        marker = marker.toUpper();
    else if (t.markerCase == MarkerCase::Lower)
        marker = marker.toLower();
    if (t.count == 1 && !marker.isEmpty()) {
        const qsizetype len = marker.at(0).isHighSurrogate() && marker.size() > 1 ? 2 : 1;
        marker.truncate(len);
    }
    return marker;
}

// Seconds are never shown. Reaching a seconds token cuts the text back to the
// end of the last number written, and after it literal text other than plain
// spaces is dropped until the next printing token: "h:mm:ss tt" gives
// "8:56 AM", not "8:56: AM".
QString RenderTime(const QList<Token>& tokens, const COleDateTime::Parts& p, const QLocale& locale)
{
    QString out;
    qsizetype lastNumberEnd = 0;
    bool skipping = false;
    for (const Token& t : tokens) {
        switch (t.field) {
        case Field::Literal:
            if (!skipping) {
                out += t.text;
            } else {
                for (QChar c : t.text) {
                    if (c == u' ')
                        out += c;
                }
            }
            break;
        case Field::Hour12:
        case Field::Hour24:
        case Field::Minute: {
            int value = p.minute;
            if (t.field == Field::Hour24)
                value = p.hour;
            else if (t.field == Field::Hour12)
                value = p.hour % 12 == 0 ? 12 : p.hour % 12;
            out += t.count == 1 ? QString::number(value) : TwoDigits(value);
            lastNumberEnd = out.size();
            skipping = false;
            break;
        }
        case Field::Second:
            out.truncate(lastNumberEnd);
            skipping = true;
            break;
        case Field::Marker:
            out += MarkerText(t, p.hour, locale);
            skipping = false;
            break;
        default:
            break;
        }
    }
    return out;
}

// A number too long for a field, in scientific form with the locale's
// digits and decimal point: "1.00E+300".
QString ScientificText(const DecimalDigits& d, const CurrencyShape& shape)
{
    if (d.integer.empty())
        return NumberText(d, shape);
    DecimalDigits m;
    m.integer = d.integer.substr(0, 1);
    m.fraction = d.integer.substr(1, size_t(shape.digits) + 1);
    size_t exponent = d.integer.size() - 1;
    RoundToDigits(m, shape.digits);
    if (m.integer.size() > 1) { // 9.995 rounded up to 10.00
        m.integer = "1";
        ++exponent;
    }
    CurrencyShape ungrouped = shape;
    ungrouped.grouped = false;
    QString out = NumberText(m, ungrouped) + QStringLiteral("E+");
    for (char c : std::to_string(exponent))
        out += shape.digitText[c - '0'];
    return out;
}

QString ApplyPattern(const QString& pattern, const QString& number, const CurrencyShape& shape)
{
    QString out;
    out.reserve(pattern.size() + number.size() + shape.symbol.size());
    for (QChar c : pattern) {
        if (c == kNumberMark)
            out += number;
        else if (c == kSymbolMark)
            out += shape.symbol;
        else
            out += c;
    }
    return out;
}

} // namespace

QString FourDigitYearPattern(const QString& qtPattern)
{
    QString out;
    qsizetype i = 0;
    while (i < qtPattern.size()) {
        const QChar c = qtPattern[i];
        if (c == u'\'') {
            // Copy quoted text as it stands, quotes included.
            const qsizetype start = i;
            ReadQuoted(qtPattern, i, true);
            out += QStringView(qtPattern).mid(start, i - start);
            continue;
        }
        const qsizetype run = RunLength(qtPattern, i);
        if (c == u'y' && run == 2)
            out += QStringLiteral("yyyy");
        else
            out += QStringView(qtPattern).mid(i, run);
        i += run;
    }
    return out;
}

QString ShortDatePattern(const QLocale& locale)
{
    return FourDigitYearPattern(locale.dateFormat(QLocale::ShortFormat));
}

QString FormatCurrencyText(const QString& valueText, const QLocale& locale)
{
    std::optional<DecimalDigits> value = ParseDecimal(QStringView(valueText).trimmed());
    if (!value)
        return {};

    const CurrencyShape& shape = CurrencyShapeFor(locale);
    // A number too long to show whole in a field (1e300 has 301 digits) still
    // shows as a number, in scientific form; it is never dropped.
    auto scientific = [&] {
        const QString& pattern = value->negative ? shape.negative : shape.positive;
        return Bounded(ApplyPattern(pattern, ScientificText(*value, shape), shape));
    };
    if (value->integer.size() > size_t(kMaxResultChars))
        return scientific();
    const DecimalDigits exact = *value;
    RoundToDigits(*value, shape.digits);
    // A value that rounds to zero carries no sign: "-0.00" is "$0.00".
    const QString& pattern = value->negative && !IsZero(*value) ? shape.negative : shape.positive;
    QString whole = Bounded(ApplyPattern(pattern, NumberText(*value, shape), shape));
    if (!whole.isEmpty())
        return whole;
    *value = exact;
    return scientific();
}

QString FormatNumberText(const QString& valueText, const QLocale& locale)
{
    const std::optional<DecimalDigits> value = ParseDecimal(QStringView(valueText).trimmed());
    if (!value || value->integer.size() > size_t(kMaxResultChars))
        return {};
    const QString number = NumberText(*value, CurrencyShapeFor(locale));
    return Bounded(value->negative && !IsZero(*value) ? locale.negativeSign() + number : number);
}

QString FormatDatePicture(const COleDateTime& date, const QString& picture, const QLocale& locale)
{
    COleDateTime::Parts parts;
    if (!date.GetParts(parts) || parts.year < kFirstDateYear)
        return {};
    const QList<Token> tokens = picture.isEmpty()
                                    ? ParseQtPattern(locale.dateFormat(QLocale::ShortFormat), false)
                                    : ParseWindowsPicture(picture, false);
    return Bounded(RenderDate(tokens, parts, locale));
}

QString FormatTimePicture(const COleDateTime& date, const QString& picture, const QLocale& locale)
{
    COleDateTime::Parts parts;
    if (!date.GetParts(parts))
        return {};
    const QList<Token> tokens = picture.isEmpty()
                                    ? ParseQtPattern(locale.timeFormat(QLocale::ShortFormat), true)
                                    : ParseWindowsPicture(picture, true);
    return Bounded(RenderTime(tokens, parts, locale));
}
