#include "export/CsvValueReader.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>

#include <cmath>

namespace {

// Largest amount the editor takes; an import holds to the same bound.
constexpr double kMaxAmount = 1e18;

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Blanks and apostrophes only ever group digits ("1 234,50", "1'234.50").
bool IsGroupingOnly(QChar c)
{
    return c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x202F) || c == QChar(0x2009) ||
           c == QLatin1Char('\'') || c == QChar(0x2019);
}

bool IsMinus(QChar c)
{
    return c == QLatin1Char('-') || c == QChar(0x2212);
}

QString Folded(const QString& word)
{
    QString w = word.toCaseFolded();
    while (w.endsWith(QLatin1Char('.')))
        w.chop(1);
    return w;
}

// The digits of an integer part with its grouping taken out; empty when the
// groups are not where grouping puts them (the last three digits, before them
// groups of three, or of two as in India).
bool UngroupedDigits(QStringView part, QString& digits)
{
    digits.clear();
    QList<qsizetype> groups{0};
    QChar separator;
    for (QChar c : part) {
        if (IsAsciiDigit(c)) {
            digits += c;
            ++groups.last();
            continue;
        }
        const QChar kind = IsGroupingOnly(c) ? QLatin1Char(' ') : c;
        if (!separator.isNull() && kind != separator)
            return false;
        separator = kind;
        groups << 0;
    }
    if (groups.size() == 1)
        return true;
    if (groups.first() < 1 || groups.first() > 3 || groups.last() != 3)
        return false;
    for (qsizetype i = 1; i + 1 < groups.size(); ++i)
        if (groups.at(i) != 2 && groups.at(i) != 3)
            return false;
    return true;
}

struct AmountShape
{
    bool valid = false;
    QChar decimalSign; // null: no decimal part, or it cannot be told
    bool settled = false;
};

// Which of '.' and ',' is the decimal sign of body (digits and separators only).
AmountShape ShapeOf(QStringView body)
{
    AmountShape shape;
    qsizetype dots = 0, commas = 0, lastDot = -1, lastComma = -1;
    bool blanks = false, digits = false;
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body.at(i);
        if (IsAsciiDigit(c)) {
            digits = true;
        } else if (c == QLatin1Char('.')) {
            ++dots;
            lastDot = i;
        } else if (c == QLatin1Char(',')) {
            ++commas;
            lastComma = i;
        } else if (IsGroupingOnly(c)) {
            blanks = true;
        } else {
            return shape;
        }
    }
    if (!digits)
        return shape;
    shape.valid = true;
    if (dots > 0 && commas > 0) {
        shape.decimalSign = lastDot > lastComma ? QLatin1Char('.') : QLatin1Char(',');
        shape.settled = true;
        return shape;
    }
    if (dots + commas == 0) {
        shape.settled = true;
        return shape;
    }
    const QChar sign = dots > 0 ? QLatin1Char('.') : QLatin1Char(',');
    if (dots + commas > 1) {
        // The same sign twice groups digits; the other is the decimal sign.
        shape.decimalSign = sign == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.');
        shape.settled = true;
        shape.valid = true;
        return shape;
    }
    const qsizetype at = sign == QLatin1Char('.') ? lastDot : lastComma;
    const QStringView before = body.left(at);
    const QStringView after = body.mid(at + 1);
    // Only "1,234" and "123.456" (one to three digits, no leading zero, then
    // three) could be grouping as well as decimals.
    const bool couldGroup = !blanks && after.size() == 3 && !before.isEmpty() && before.size() <= 3 &&
                            before.at(0) != QLatin1Char('0');
    shape.decimalSign = sign;
    shape.settled = !couldGroup;
    return shape;
}

} // namespace

CsvValueReader::CsvValueReader(const QLocale& locale, int thisYear) : m_locale(locale), m_thisYear(thisYear)
{
    for (const QString& symbol :
         {locale.currencySymbol(QLocale::CurrencySymbol), locale.currencySymbol(QLocale::CurrencyIsoCode)})
        if (!symbol.isEmpty() && !m_currencyTexts.contains(symbol))
            m_currencyTexts << symbol;

    // Month and weekday names of the locale (also the forms used inside a
    // date, "3 czerwca") and of English.
    for (const QLocale& names : {locale, QLocale(QLocale::English, QLocale::UnitedStates)}) {
        for (int month = 1; month <= 12; ++month)
            for (const QString& name :
                 {names.monthName(month, QLocale::LongFormat), names.monthName(month, QLocale::ShortFormat),
                  names.standaloneMonthName(month, QLocale::LongFormat),
                  names.standaloneMonthName(month, QLocale::ShortFormat)})
                if (!name.isEmpty() && !m_months.contains(Folded(name)))
                    m_months.insert(Folded(name), month);
        for (int day = 1; day <= 7; ++day)
            for (const QString& name :
                 {names.dayName(day, QLocale::LongFormat), names.dayName(day, QLocale::ShortFormat),
                  names.standaloneDayName(day, QLocale::LongFormat),
                  names.standaloneDayName(day, QLocale::ShortFormat)})
                if (!name.isEmpty())
                    m_ignorable << Folded(name);
        m_amTexts << Folded(names.amText());
        m_pmTexts << Folded(names.pmText());
    }
    m_amTexts << QStringLiteral("am") << QStringLiteral("a.m");
    m_pmTexts << QStringLiteral("pm") << QStringLiteral("p.m");

    // Words the locale's own date formats put between the numbers ("年",
    // "'de'"): quoted text, and letters that are no format field.
    for (const QString& format :
         {locale.dateFormat(QLocale::ShortFormat), locale.dateFormat(QLocale::LongFormat)}) {
        bool quoted = false;
        QString word;
        auto flush = [&] {
            if (!word.isEmpty())
                m_ignorable << Folded(word);
            word.clear();
        };
        for (QChar c : format) {
            if (c == QLatin1Char('\'')) {
                flush();
                quoted = !quoted;
            } else if (c.isLetter() && (quoted || c.unicode() > 0x7F)) {
                word += c;
            } else {
                flush();
            }
        }
        flush();
    }
    m_ignorable.removeDuplicates();
    // Longest first, so that a word made of several is taken apart right.
    std::sort(m_ignorable.begin(), m_ignorable.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
}

QChar CsvValueReader::DecimalSignOf(const QString& text)
{
    // Enough of the amount to see its digits: everything else is dropped.
    QString body;
    for (QChar c : text)
        if (IsAsciiDigit(c) || c == QLatin1Char('.') || c == QLatin1Char(',') || IsGroupingOnly(c))
            body += c;
    const AmountShape shape = ShapeOf(QStringView(body).trimmed());
    return shape.valid && shape.settled ? shape.decimalSign : QChar();
}

CsvValueReader::DateOrder CsvValueReader::LocaleDateOrder(const QLocale& locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype d = format.indexOf(QLatin1Char('d'));
    const qsizetype m = format.indexOf(QLatin1Char('M'));
    const qsizetype y = format.indexOf(QLatin1Char('y'));
    if (y >= 0 && y < d && y < m)
        return DateOrder::YearMonthDay;
    if (m >= 0 && m < d)
        return DateOrder::MonthDayYear;
    return DateOrder::DayMonthYear;
}

std::optional<CsvValueReader::DateOrder> CsvValueReader::DateOrderOf(const QString& text)
{
    static const QRegularExpression numeric(
        QStringLiteral("^\\s*(\\d{1,2})([./-])(\\d{1,2})\\2(\\d{2,4})(?:\\D|$)"));
    const auto match = numeric.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    // Dots between day, month and year are written where the day comes first.
    if (match.captured(2) == QLatin1String("."))
        return DateOrder::DayMonthYear;
    // With a two-digit year "25/06/03" may as well be year first.
    if (match.captured(4).size() != 4)
        return std::nullopt;
    const int first = match.captured(1).toInt();
    const int second = match.captured(3).toInt();
    if (first > 12 && first <= 31 && second <= 12)
        return DateOrder::DayMonthYear;
    if (second > 12 && second <= 31 && first <= 12)
        return DateOrder::MonthDayYear;
    return std::nullopt;
}

bool CsvValueReader::StripCurrency(QString& text, bool atStart) const
{
    text = text.trimmed();
    if (text.isEmpty())
        return false;
    for (const QString& symbol : m_currencyTexts) {
        if (atStart ? text.startsWith(symbol, Qt::CaseInsensitive)
                    : text.endsWith(symbol, Qt::CaseInsensitive)) {
            text = atStart ? text.mid(symbol.size()) : text.chopped(symbol.size());
            return true;
        }
    }
    // Any currency sign, or an ISO code ("EUR 12", "12 USD").
    qsizetype n = 0;
    while (n < text.size() && text.at(atStart ? n : text.size() - 1 - n).category() == QChar::Symbol_Currency)
        ++n;
    if (n == 0 && text.size() > 3) {
        const QStringView code = atStart ? QStringView(text).left(3) : QStringView(text).right(3);
        bool upper = true;
        for (QChar c : code)
            upper = upper && c >= QLatin1Char('A') && c <= QLatin1Char('Z');
        if (upper)
            n = 3;
    }
    if (n == 0)
        return false;
    text = atStart ? text.mid(n) : text.chopped(n);
    return true;
}

std::optional<double> CsvValueReader::Amount(const QString& text, QChar decimalSign) const
{
    QString t = text.trimmed();
    const bool parenthesised = t.size() > 2 && t.startsWith(QLatin1Char('(')) && t.endsWith(QLatin1Char(')'));
    bool negative = parenthesised;
    if (parenthesised)
        t = t.mid(1, t.size() - 2);
    StripCurrency(t, true);
    StripCurrency(t, false);
    t = t.trimmed();
    int signs = 0;
    if (!t.isEmpty() && (IsMinus(t.front()) || t.front() == QLatin1Char('+'))) {
        negative = negative != IsMinus(t.front());
        ++signs;
        t.remove(0, 1);
    }
    if (!t.isEmpty() && IsMinus(t.back())) {
        negative = !negative;
        ++signs;
        t.chop(1);
    }
    // One sign at most: "(-5)" and "-5-" say nothing sure.
    if (signs + int(parenthesised) > 1)
        return std::nullopt;
    // "-$12.50", "$ -12.50"
    StripCurrency(t, true);
    t = t.trimmed();
    if (t.isEmpty() ||
        !(IsAsciiDigit(t.front()) || t.front() == QLatin1Char('.') || t.front() == QLatin1Char(',')))
        return std::nullopt;

    const AmountShape shape = ShapeOf(t);
    if (!shape.valid)
        return std::nullopt;
    QChar sign = shape.decimalSign;
    if (!shape.settled && sign != decimalSign)
        sign = QChar(); // "1,234" in a file of decimal points: grouping
    const qsizetype at = sign.isNull() ? -1 : t.lastIndexOf(sign);
    QString digits;
    if (!UngroupedDigits(at < 0 ? QStringView(t) : QStringView(t).left(at), digits))
        return std::nullopt;
    if (at >= 0) {
        const QStringView fraction = QStringView(t).mid(at + 1);
        for (QChar c : fraction)
            if (!IsAsciiDigit(c))
                return std::nullopt;
        if (digits.isEmpty() && fraction.isEmpty())
            return std::nullopt;
        digits += QLatin1Char('.') + fraction.toString();
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(digits, &ok);
    if (!ok || !std::isfinite(value) || value > kMaxAmount)
        return std::nullopt;
    return negative ? -value : value;
}

bool CsvValueReader::SplitTime(QString& text, int& hour, int& minute, int& second) const
{
    static const QRegularExpression time(QStringLiteral(
        "^(.*?)(?:T|\\s+|,\\s*)(\\d{1,2}):(\\d{2})(?::(\\d{2}))?(?:\\s*([^\\d\\s:]\\S*))?\\s*$"));
    hour = minute = second = 0;
    const auto match = time.match(text);
    if (!match.hasMatch())
        return true;
    hour = match.captured(2).toInt();
    minute = match.captured(3).toInt();
    second = match.captured(4).toInt();
    const QString meridiem = Folded(match.captured(5));
    if (!meridiem.isEmpty()) {
        const bool pm = m_pmTexts.contains(meridiem);
        if ((!pm && !m_amTexts.contains(meridiem)) || hour < 1 || hour > 12)
            return false;
        hour = hour % 12 + (pm ? 12 : 0);
    }
    text = match.captured(1);
    return true;
}

int CsvValueReader::FullYear(const QString& digits) const
{
    const int year = digits.toInt();
    if (digits.size() > 2)
        return year;
    int full = m_thisYear / 100 * 100 + year;
    if (full > m_thisYear + 20)
        full -= 100;
    else if (full <= m_thisYear - 80)
        full += 100;
    return full;
}

bool CsvValueReader::IsIgnorableWord(QStringView word, int depth) const
{
    if (word.isEmpty())
        return true;
    if (depth > 3)
        return false;
    // Run together as "日火曜日" (the day's sign, then the weekday).
    for (const QString& known : m_ignorable)
        if (word.startsWith(known) && IsIgnorableWord(word.mid(known.size()), depth + 1))
            return true;
    return false;
}

std::optional<COleDateTime> CsvValueReader::Date(const QString& text, DateOrder order) const
{
    QString rest = text.trimmed();
    int hour = 0, minute = 0, second = 0;
    if (rest.isEmpty() || !SplitTime(rest, hour, minute, second))
        return std::nullopt;

    // Numbers and words; whatever else stands between them only separates.
    QStringList numbers;
    int month = 0;
    const qsizetype n = rest.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = rest.at(i);
        qsizetype j = i;
        if (IsAsciiDigit(c)) {
            while (j < n && IsAsciiDigit(rest.at(j)))
                ++j;
            numbers << rest.mid(i, j - i);
        } else if (c.isLetterOrNumber() || c.isMark()) {
            while (j < n && !IsAsciiDigit(rest.at(j)) &&
                   (rest.at(j).isLetterOrNumber() || rest.at(j).isMark()))
                ++j;
            const QString word = Folded(rest.mid(i, j - i));
            const auto found = m_months.constFind(word);
            if (found != m_months.cend() && month == 0)
                month = found.value();
            else if (!IsIgnorableWord(word))
                return std::nullopt;
        } else if (c == QLatin1Char(':')) {
            return std::nullopt;
        } else {
            ++j;
        }
        i = j;
    }

    int year = 0, day = 0;
    if (month != 0) {
        // "3. Juni 2025", "June 3, 2025", "3 juin 25"
        if (numbers.size() != 2)
            return std::nullopt;
        const int yearAt = numbers.at(0).size() > 2 && numbers.at(1).size() <= 2 ? 0 : 1;
        year = FullYear(numbers.at(yearAt));
        day = numbers.at(1 - yearAt).size() <= 2 ? numbers.at(1 - yearAt).toInt() : 0;
    } else {
        if (numbers.size() != 3)
            return std::nullopt;
        if (numbers.at(0).size() > 2)
            order = DateOrder::YearMonthDay; // ISO and "2025/06/03" whatever the locale
        else if (numbers.at(2).size() > 2 && order == DateOrder::YearMonthDay)
            order = DateOrder::DayMonthYear;
        QString y = numbers.at(2), m = numbers.at(1), d = numbers.at(0);
        if (order == DateOrder::MonthDayYear)
            std::swap(m, d);
        else if (order == DateOrder::YearMonthDay)
            y = numbers.at(0), d = numbers.at(2);
        if (m.size() > 2 || d.size() > 2)
            return std::nullopt;
        year = FullYear(y);
        month = m.toInt();
        day = d.toInt();
    }
    if (!QDate(year, month, day).isValid() || !QTime(hour, minute, second).isValid())
        return std::nullopt;
    COleDateTime date;
    if (date.SetDateTime(year, month, day, hour, minute, second) != 0)
        return std::nullopt;
    return date;
}
