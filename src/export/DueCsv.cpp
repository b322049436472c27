#include "export/DueCsv.h"

#include "export/CsvRecordReader.h"
#include "model/base/Clock.h"
#include "model/base/LocaleFormat.h"
#include "model/base/ShippedTranslations.h"
#include "model/store/CDueStore.h"
#include "model/store/DueFile.h"
#include "model/store/ExportFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

#include <array>
#include <cmath>

namespace DueCsv {

namespace {

// The file's texts, translated under one context (declared so that lupdate finds them).
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DueCsv)
};

// The header names; a file may also use their translations.
const char* const kColumnSources[ColumnCount] = {
    QT_TRANSLATE_NOOP("DueCsv", "Record ID"),  QT_TRANSLATE_NOOP("DueCsv", "Title"),
    QT_TRANSLATE_NOOP("DueCsv", "Start Date"), QT_TRANSLATE_NOOP("DueCsv", "Due Date"),
    QT_TRANSLATE_NOOP("DueCsv", "Pay To"),     QT_TRANSLATE_NOOP("DueCsv", "Account"),
    QT_TRANSLATE_NOOP("DueCsv", "Amount"),     QT_TRANSLATE_NOOP("DueCsv", "Type"),
    QT_TRANSLATE_NOOP("DueCsv", "Paid"),       QT_TRANSLATE_NOOP("DueCsv", "Notes"),
    QT_TRANSLATE_NOOP("DueCsv", "Series ID")};
const char* const kUnpaid = QT_TRANSLATE_NOOP("DueCsv", "Unpaid");

// What the separator, the decimal sign and the order of dates are told from:
// the head of the file, so that the rest can be read as it comes.
constexpr int kSampleRecords = 200;
constexpr qsizetype kHeadChars = 256 * 1024;
// The file is read this many bytes at a time.
constexpr qint64 kPieceBytes = 256 * 1024;

const QString kDateTimeFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");

QString Quote(const QString& field)
{
    static const QRegularExpression special(QStringLiteral("[\",\\r\\n]|^\\s|\\s$"));
    if (!special.match(field).hasMatch())
        return field;
    QString out = field;
    out.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

// A text a spreadsheet would take for a formula (=, +, -, @, or a tab or a
// carriage return before one) goes out behind an apostrophe, which the
// spreadsheet shows as text; the import takes that apostrophe off again. A
// text that itself starts with apostrophes before such a character gets one
// more, so that every text reads back as it was.
bool NeedsGuard(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char('\''))
        ++i;
    return i < text.size() && QStringView(u"=+-@\t\r").contains(text.at(i));
}

QString GuardedText(const QString& text)
{
    return Quote(NeedsGuard(text) ? QLatin1Char('\'') + text : text);
}

QString UnguardedText(const QString& text)
{
    return text.startsWith(QLatin1Char('\'')) && NeedsGuard(QStringView(text).mid(1)) ? text.mid(1) : text;
}

QString DateText(const COleDateTime& dt)
{
    const QDateTime q = dt.ToQDateTime();
    return q.isValid() ? q.toString(kDateTimeFormat) : QString();
}

QString AmountField(double amount)
{
    if (!std::isfinite(amount))
        return QString();
    // Shortest digits that read back to the same double, never an exponent.
    return QString::number(amount, 'f', QLocale::FloatingPointShortest);
}

// The words a file may hold, in English and in every shipped language.
struct Words
{
    std::array<QStringList, ColumnCount> columns;
    QStringList business, personal, paid, unpaid;

    Words()
    {
        for (int c = 0; c < ColumnCount; ++c)
            columns[size_t(c)] = TextInEveryLanguage("DueCsv", kColumnSources[c]);
        business = TextInEveryLanguage("Messages", "Business");
        personal = TextInEveryLanguage("Messages", "Personal");
        paid = TextInEveryLanguage("DueCsv", kColumnSources[Paid]);
        unpaid = TextInEveryLanguage("DueCsv", kUnpaid);
    }

    static bool Has(const QStringList& words, const QString& text)
    {
        for (const QString& w : words)
            if (text.compare(w, Qt::CaseInsensitive) == 0)
                return true;
        return false;
    }

    int ColumnOf(const QString& name) const
    {
        for (int c = 0; c < ColumnCount; ++c)
            if (Has(columns[size_t(c)], name.trimmed()))
                return c;
        return -1;
    }
};

bool ParseType(const QString& text, const Words& words, qint32& out)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t == QLatin1String("1") || Words::Has(words.business, t)) {
        out = 1;
        return true;
    }
    if (t == QLatin1String("2") || Words::Has(words.personal, t)) {
        out = 2;
        return true;
    }
    return false;
}

bool ParsePaid(const QString& text, const Words& words, qint32& out)
{
    const QString t = text.trimmed().toLower();
    static const QStringList yes = {QStringLiteral("yes"), QStringLiteral("true"), QStringLiteral("1")};
    static const QStringList no = {QStringLiteral("no"), QStringLiteral("false"), QStringLiteral("0"),
                                   QString()};
    if (yes.contains(t) || Words::Has(words.paid, t)) {
        out = 1;
        return true;
    }
    if (no.contains(t) || Words::Has(words.unpaid, t)) {
        out = 0;
        return true;
    }
    return false;
}

QString SeparatorName(QChar separator)
{
    if (separator == QLatin1Char(';'))
        return Texts::tr("semicolon");
    if (separator == QLatin1Char('\t'))
        return Texts::tr("tab");
    return Texts::tr("comma");
}

// The bytes of data up to the end of its last whole UTF-8 sequence: a piece
// of a file may end inside one.
qsizetype WholeUtf8(const QByteArray& data)
{
    qsizetype i = data.size();
    int continuation = 0;
    while (i > 0 && continuation < 3 && (uchar(data.at(i - 1)) & 0xC0) == 0x80) {
        --i;
        ++continuation;
    }
    if (i == 0)
        return data.size();
    const uchar lead = uchar(data.at(i - 1));
    const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return length == 1 || continuation + 1 >= length ? data.size() : i - 1;
}

// The text of a file in its encoding, a piece at a time.
class TextSource
{
public:
    TextSource(QIODevice& in, Encoding encoding) : m_in(in), m_encoding(encoding)
    {
        if (encoding == Encoding::Utf16WithBom) {
            const std::optional<QStringConverter::Encoding> marked =
                QStringConverter::encodingForData(m_in.peek(4));
            m_utf16 = QStringDecoder(marked.value_or(QStringConverter::Utf16));
        }
    }

    // Appends the next piece; false at the end, or (with error set) when the
    // text is not in its encoding or the file cannot be read.
    bool More(QString& text)
    {
        if (m_done)
            return false;
        QByteArray piece = m_in.read(kPieceBytes);
        if (piece.isEmpty() && !m_in.atEnd()) {
            m_error = m_in.errorString();
            m_readFailed = true;
            m_done = true;
            return false;
        }
        const bool last = piece.isEmpty();
        const qsizetype before = text.size();
        switch (m_encoding) {
        case Encoding::Utf8:
        case Encoding::Utf8WithBom: {
            piece.prepend(m_carry);
            const qsizetype whole = last ? piece.size() : WholeUtf8(piece);
            m_carry = piece.mid(whole);
            QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            text += decoder(QByteArrayView(piece.constData(), whole));
            if (decoder.hasError())
                m_error = m_encoding == Encoding::Utf8WithBom
                              ? Texts::tr("the file starts as UTF-8 text but is not")
                              : Texts::tr("the file is not UTF-8 text");
            break;
        }
        case Encoding::Utf16WithBom:
            text += m_utf16(piece);
            if (m_utf16.hasError())
                m_error = Texts::tr("the file starts as UTF-16 text but is not");
            break;
        case Encoding::Windows1252:
            text += DueFile::FromCp1252(piece.constData(), piece.size());
            break;
        }
        if (m_first && text.size() > before && text.at(before) == QChar(0xFEFF))
            text.remove(before, 1);
        m_first = false;
        if (!m_error.isEmpty() || last) {
            m_done = true;
            return text.size() > before && m_error.isEmpty();
        }
        return true;
    }

    const QString& Error() const { return m_error; }
    bool ReadFailed() const { return m_readFailed; }

private:
    QIODevice& m_in;
    Encoding m_encoding;
    QStringDecoder m_utf16;
    QByteArray m_carry;
    QString m_error;
    bool m_first = true;
    bool m_done = false;
    bool m_readFailed = false;
};

// The file's encoding, read through once: a byte order mark says it, else
// UTF-8 when every byte fits, else Windows-1252. False with the reason when
// the file claims an encoding it breaks, or cannot be read.
bool FindEncoding(QIODevice& in, Encoding& encoding, QString& error)
{
    const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(in.peek(4));
    encoding = !marked                             ? Encoding::Utf8
               : *marked == QStringConverter::Utf8 ? Encoding::Utf8WithBom
                                                   : Encoding::Utf16WithBom;
    TextSource source(in, encoding);
    QString text;
    while (source.More(text))
        text.clear();
    error = source.Error();
    if (!in.seek(0) && error.isEmpty())
        error = in.errorString();
    if (error.isEmpty())
        return true;
    if (encoding != Encoding::Utf8 || source.ReadFailed())
        return false;
    // Not UTF-8: what spreadsheets in Western Europe and America save.
    encoding = Encoding::Windows1252;
    error.clear();
    return true;
}

// The separator that splits the header into the most known columns, then
// gives the head of the file the same number of fields on every line.
QChar FindSeparator(const QString& text, const Words& words)
{
    QChar best = QLatin1Char(',');
    std::array<int, 4> bestScore{-1, -1, -1, -1};
    for (QChar separator : {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')}) {
        CsvRecordReader reader(text, separator);
        CsvRecordReader::Record record;
        if (!reader.Next(record))
            return best;
        const qsizetype width = record.fields.size();
        int required = 0, known = 0, even = 0;
        for (const QString& name : record.fields) {
            const int c = words.ColumnOf(name);
            known += c >= 0;
            required += c == Title || c == DueDate || c == Amount;
        }
        for (int i = 0; i < kSampleRecords / 10 && reader.Next(record); ++i)
            even += record.fields.size() == width ? 1 : -1;
        const std::array<int, 4> score{required, known, width > 1 ? 1 : 0, even};
        if (score > bestScore) {
            bestScore = score;
            best = separator;
        }
    }
    return best;
}

// A date as the file is read: in the locale's short form when its order is
// the one taken, else with slashes.
QString DateExample(CsvValueReader::DateOrder order, const QLocale& locale)
{
    const QDate example(2025, 12, 31);
    if (CsvValueReader::LocaleDateOrder(locale) == order)
        return locale.toString(example, ShortDatePattern(locale));
    switch (order) {
    case CsvValueReader::DateOrder::DayMonthYear:
        return QStringLiteral("31/12/2025");
    case CsvValueReader::DateOrder::MonthDayYear:
        return QStringLiteral("12/31/2025");
    case CsvValueReader::DateOrder::YearMonthDay:
        break;
    }
    return QStringLiteral("2025/12/31");
}

} // namespace

const QStringList& Columns()
{
    static const QStringList names = [] {
        QStringList list;
        for (const char* source : kColumnSources)
            list << QString::fromLatin1(source);
        return list;
    }();
    return names;
}

QString ColumnName(int column)
{
    return column >= 0 && column < ColumnCount ? QCoreApplication::translate("DueCsv", kColumnSources[column])
                                               : QString();
}

QByteArray Write(const QList<DueRecord>& dues, bool withNotes)
{
    QStringList header = Columns();
    if (!withNotes)
        header.removeAt(Notes);
    QString out = header.join(QLatin1Char(',')) + QLatin1String("\r\n");
    for (const DueRecord& r : dues) {
        QStringList f;
        // Type and paid state in fixed English words, whatever the language.
        f << Quote(r.m_strRecId) << GuardedText(r.m_strTitle) << DateText(r.m_dtStart) << DateText(r.m_dtDue)
          << GuardedText(r.m_strPayTo) << GuardedText(r.m_strAccount) << AmountField(r.m_dAmount)
          << (r.m_nType == 2 ? QStringLiteral("Personal") : QStringLiteral("Business"))
          << (r.m_bPaid ? QStringLiteral("Paid") : QStringLiteral("Unpaid"));
        if (withNotes)
            f << GuardedText(r.m_strNotes);
        f << Quote(r.m_strSeriesId);
        out += f.join(QLatin1Char(',')) + QLatin1String("\r\n");
    }
    return out.toUtf8();
}

bool ExportFile(const ExportRequest& request, QString* errorText)
{
    QString why;
    if (SaveExportFile(request.outputPath, Write(request.dues, request.withNotes), &why))
        return true;
    if (errorText)
        *errorText = Texts::tr("Could not write the CSV file %1: %2")
                         .arg(QDir::toNativeSeparators(request.outputPath), why);
    return false;
}

namespace {

using LineFunction = std::function<void(const Line&)>;
using RejectedFunction = std::function<void(const Rejected&)>;

// One pass over the file's text in a known encoding: what is left open in
// options is told from the head of the file, then every record is read as it
// comes. The first keep dues and refused lines are kept (all when keep < 0);
// each also goes to line or rejected.
Reading ReadText(QIODevice& in, Encoding encoding, const Options& options, qsizetype keep,
                 const LineFunction& line, const RejectedFunction& rejected)
{
    Reading result;
    result.encoding = encoding;
    result.locale = options.locale;
    QString head;
    {
        TextSource source(in, encoding);
        while (head.size() < kHeadChars && source.More(head)) {
        }
        if (!source.Error().isEmpty() || !in.seek(0)) {
            result.error = source.Error().isEmpty() ? in.errorString() : source.Error();
            return result;
        }
    }

    const Words words;
    result.separator = options.separator.isNull() ? FindSeparator(head, words) : options.separator;
    TextSource source(in, encoding);
    CsvRecordReader reader([&source](QString& text) { return source.More(text); }, result.separator);
    // Why the text stopped before its end, if it did.
    auto stopped = [&] { return !reader.Fatal().isEmpty() ? reader.Fatal() : source.Error(); };
    CsvRecordReader::Record header;
    if (!reader.Next(header)) {
        result.error =
            !stopped().isEmpty() ? stopped() : Texts::tr("the file is empty: a header row is needed");
        return result;
    }
    if (!header.error.isEmpty()) {
        result.error = Texts::tr("the header row cannot be read: %1").arg(header.error);
        return result;
    }
    result.header = header.fields;
    const int width = int(header.fields.size());

    // Where each known column is in this file; -1 when missing.
    std::array<int, ColumnCount> at;
    at.fill(-1);
    if (options.columns.size() == width) {
        result.columns = options.columns;
        for (int i = 0; i < width; ++i) {
            const int c = options.columns.at(i);
            if (c >= 0 && c < ColumnCount && at[size_t(c)] < 0)
                at[size_t(c)] = i;
            else
                result.columns[i] = -1;
        }
    } else {
        for (int i = 0; i < width; ++i) {
            const int c = words.ColumnOf(header.fields.at(i));
            result.columns << c;
            if (c < 0)
                continue;
            if (at[size_t(c)] >= 0) {
                result.error = Texts::tr("the header names the column \"%1\" twice").arg(Columns().at(c));
                return result;
            }
            at[size_t(c)] = i;
        }
    }
    auto field = [&](const CsvRecordReader::Record& rec, Column c) {
        const int i = at[size_t(c)];
        return i < 0 || i >= rec.fields.size() ? QString() : rec.fields.at(i);
    };

    // What single values leave open, settled by the head of the file: the
    // decimal sign most amounts show, the order dates show.
    {
        CsvRecordReader sample(head, result.separator);
        CsvRecordReader::Record rec;
        sample.Next(rec);
        int points = 0, commas = 0, dayFirst = 0, monthFirst = 0;
        for (int i = 0; i < kSampleRecords && sample.Next(rec); ++i) {
            const QChar sign = CsvValueReader::DecimalSignOf(field(rec, Amount));
            points += sign == QLatin1Char('.');
            commas += sign == QLatin1Char(',');
            for (Column c : {StartDate, DueDate}) {
                const auto order = CsvValueReader::DateOrderOf(field(rec, c));
                dayFirst += order == CsvValueReader::DateOrder::DayMonthYear;
                monthFirst += order == CsvValueReader::DateOrder::MonthDayYear;
            }
        }
        // A file of commas between fields rarely has decimal commas; else the user's sign.
        const QChar localeSign =
            options.locale.decimalPoint() == QLatin1String(",") ? QLatin1Char(',') : QLatin1Char('.');
        result.decimalSign = !options.decimalSign.isNull() ? options.decimalSign
                             : points != commas ? (points > commas ? QLatin1Char('.') : QLatin1Char(','))
                             : result.separator == QLatin1Char(',') ? QLatin1Char('.')
                                                                    : localeSign;
        result.dateOrder = options.dateOrder                 ? *options.dateOrder
                           : dayFirst > 0 && monthFirst == 0 ? CsvValueReader::DateOrder::DayMonthYear
                           : monthFirst > 0 && dayFirst == 0
                               ? CsvValueReader::DateOrder::MonthDayYear
                               : CsvValueReader::LocaleDateOrder(options.locale);
    }

    QStringList missing;
    for (int c : {int(Title), int(DueDate), int(Amount)})
        if (at[size_t(c)] < 0)
            missing << ColumnName(c);
    if (!missing.isEmpty()) {
        result.error =
            Texts::tr("the header (split at each %1) lacks the column(s) %2", nullptr, int(missing.size()))
                .arg(SeparatorName(result.separator), missing.join(QLatin1String(", ")));
        return result;
    }
    result.ok = true;

    const CsvValueReader values(options.locale, Clock::Now().date().year());
    const QString dateExample = DateExample(result.dateOrder, options.locale);
    const QString amountExample =
        result.decimalSign == QLatin1Char(',') ? QStringLiteral("1234,50") : QStringLiteral("1234.50");
    CsvRecordReader::Record rec;
    while (reader.Next(rec)) {
        auto reject = [&](const QString& reason) {
            const Rejected refused{rec.lineNumber, reason};
            if (keep < 0 || result.rejected.size() < keep)
                result.rejected << refused;
            ++result.rejectedCount;
            if (rejected)
                rejected(refused);
        };
        if (!rec.error.isEmpty()) {
            reject(rec.error);
            continue;
        }
        if (rec.fields.size() != width) {
            reject(Texts::tr("%1 fields where the header has %2").arg(rec.fields.size()).arg(width));
            continue;
        }
        DueRecord due(Qt::Uninitialized);
        due.m_strTitle = UnguardedText(field(rec, Title));
        due.m_strPayTo = UnguardedText(field(rec, PayTo));
        due.m_strAccount = UnguardedText(field(rec, Account));
        due.m_strNotes = UnguardedText(field(rec, Notes));
        due.m_strSeriesId = field(rec, SeriesId).trimmed();
        const std::optional<COleDateTime> dueDate = values.Date(field(rec, DueDate), result.dateOrder);
        if (!dueDate) {
            reject(Texts::tr(
                       "the due date \"%1\" is not a date such as %2 or 2025-12-31, with or without a time")
                       .arg(field(rec, DueDate), dateExample));
            continue;
        }
        due.m_dtDue = *dueDate;
        if (field(rec, StartDate).trimmed().isEmpty()) {
            due.m_dtStart = due.m_dtDue;
        } else if (const auto start = values.Date(field(rec, StartDate), result.dateOrder)) {
            due.m_dtStart = *start;
        } else {
            reject(Texts::tr(
                       "the start date \"%1\" is not a date such as %2 or 2025-12-31, with or without a time")
                       .arg(field(rec, StartDate), dateExample));
            continue;
        }
        if (due.m_dtDue < due.m_dtStart) {
            reject(Texts::tr("the due date is before the start date"));
            continue;
        }
        if (const auto amount = values.Amount(field(rec, Amount), result.decimalSign)) {
            due.m_dAmount = *amount;
        } else {
            reject(Texts::tr("the amount \"%1\" is not an amount such as %2, -12 or $1,234.50")
                       .arg(field(rec, Amount), amountExample));
            continue;
        }
        if (!ParseType(field(rec, Type), words, due.m_nType)) {
            reject(Texts::tr("the type \"%1\" is neither Business nor Personal").arg(field(rec, Type)));
            continue;
        }
        if (!ParsePaid(field(rec, Paid), words, due.m_bPaid)) {
            reject(Texts::tr("the paid state \"%1\" is neither Paid nor Unpaid").arg(field(rec, Paid)));
            continue;
        }
        const Line read{rec.lineNumber, due};
        if (keep < 0 || result.lines.size() < keep)
            result.lines << read;
        ++result.lineCount;
        if (line)
            line(read);
    }
    if (!stopped().isEmpty()) {
        result.ok = false;
        result.error = stopped();
    }
    return result;
}

// Hands on the kept dues and refused lines in the order of the file.
void ForEachKept(const Reading& reading, const LineFunction& line, const RejectedFunction& rejected)
{
    qsizetype r = 0;
    for (const Line& l : reading.lines) {
        for (; r < reading.rejected.size() && reading.rejected.at(r).lineNumber < l.lineNumber; ++r)
            if (rejected)
                rejected(reading.rejected.at(r));
        if (line)
            line(l);
    }
    for (; r < reading.rejected.size(); ++r)
        if (rejected)
            rejected(reading.rejected.at(r));
}

QString FileError(const QString& path, const QString& why)
{
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), why);
}

} // namespace

Reading Read(const QByteArray& bytes, const Options& options)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    Encoding encoding = Encoding::Utf8;
    QString error;
    if (!FindEncoding(buffer, encoding, error)) {
        Reading result;
        result.error = error;
        return result;
    }
    return ReadText(buffer, encoding, options, -1, {}, {});
}

Reading ReadFile(const QString& path, const Options& options, qsizetype keep)
{
    Reading result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = FileError(path, file.errorString());
        return result;
    }
    const QFileInfo info(file);
    Encoding encoding = Encoding::Utf8;
    QString error;
    if (!FindEncoding(file, encoding, error)) {
        result.error = FileError(path, error);
        return result;
    }
    result = ReadText(file, encoding, options, keep, {}, {});
    if (!result.ok)
        result.error = FileError(path, result.error);
    result.path = path;
    result.size = info.size();
    result.modified = info.lastModified();
    return result;
}

bool ForEach(const Reading& reading, const LineFunction& line, const RejectedFunction& rejected,
             QString* error)
{
    if (reading.path.isEmpty() ||
        (reading.lines.size() == reading.lineCount && reading.rejected.size() == reading.rejectedCount)) {
        ForEachKept(reading, line, rejected);
        return true;
    }
    QFile file(reading.path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = FileError(reading.path, file.errorString());
        return false;
    }
    const QFileInfo info(file);
    if (info.size() != reading.size || info.lastModified() != reading.modified) {
        if (error)
            *error = FileError(reading.path, Texts::tr("the file changed since it was read; read it again"));
        return false;
    }
    Options options;
    options.separator = reading.separator;
    options.columns = reading.columns;
    options.decimalSign = reading.decimalSign;
    options.dateOrder = reading.dateOrder;
    options.locale = reading.locale;
    const Reading again = ReadText(file, reading.encoding, options, 0, line, rejected);
    if (!again.ok) {
        if (error)
            *error = FileError(reading.path, again.error);
        return false;
    }
    return true;
}

qsizetype AddAll(const Reading& reading, CDueStore& store, QStringList* ids, const RejectedFunction& rejected,
                 QString* error)
{
    // One sync pass for the whole file, whole or not at all: the first write
    // that fails abandons the rest, so no use in asking the disk for more.
    CDueStore::Batch batch;
    // The identifiers given, one line each: compact for a file of a million dues.
    QByteArray given;
    const qsizetype errors = store.ErrorCount();
    bool failed = false;
    const bool read = ForEach(
        reading,
        [&](const Line& line) {
            if (failed)
                return;
            const QString id = store.AddDue(line.due);
            failed = store.ErrorCount() > errors;
            if (!failed)
                given += id.toLatin1() + '\n';
        },
        rejected, error);
    if (!read) {
        // The file could not be read through again: nothing of it is kept.
        QStringList added;
        for (const QByteArray& id : given.split('\n'))
            if (!id.isEmpty())
                added << QString::fromLatin1(id);
        (void)store.DiscardDues(added);
        return 0;
    }
    batch.Commit();
    // Only what landed is counted as added.
    qsizetype landed = 0;
    qsizetype from = 0;
    while (from < given.size()) {
        const qsizetype end = given.indexOf('\n', from);
        const QString id = QString::fromLatin1(given.constData() + from, end - from);
        from = end + 1;
        if (!store.Contains(id))
            continue;
        ++landed;
        if (ids)
            *ids << id;
    }
    return landed;
}

qint64 ImportAll(const Reading& reading, CDueStore& store, const RejectedFunction& rejected, QString* error)
{
    CDueStore::BulkAdd bulk(store);
    bool failed = false;
    const bool read = ForEach(
        reading,
        [&](const Line& line) {
            if (!failed)
                failed = !bulk.Add(line.due);
        },
        rejected, error);
    // Not read through, or a due not written: nothing lands.
    if (!read || failed)
        return 0;
    return bulk.Commit();
}

} // namespace DueCsv
