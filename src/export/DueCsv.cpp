#include "export/DueCsv.h"

#include "model/store/CDueStore.h"
#include "model/store/ExportFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLocale>
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

enum Column
{
    RecordId,
    Title,
    StartDate,
    DueDate,
    PayTo,
    Account,
    Amount,
    Type,
    Paid,
    Notes,
    SeriesId,
    ColumnCount
};

// Largest amount the editor takes; an import holds to the same bound.
constexpr double kMaxAmount = 1e18;
// A larger file is not a list of dues.
constexpr qint64 kMaxFileSize = 256LL * 1024 * 1024;

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

// Splits the text into records of fields. A record that breaks the quoting
// rules is reported with the line it starts on and skipped.
struct RawRecord
{
    int lineNumber = 0;
    QStringList fields;
    QString error;
};

QList<RawRecord> SplitRecords(const QString& text)
{
    QList<RawRecord> records;
    const qsizetype n = text.size();
    qsizetype i = 0;
    int line = 1;
    while (i < n) {
        RawRecord rec;
        rec.lineNumber = line;
        QString field;
        bool endOfRecord = false;
        while (!endOfRecord) {
            field.clear();
            if (i < n && text.at(i) == QLatin1Char('"')) {
                ++i;
                bool closed = false;
                while (i < n) {
                    const QChar c = text.at(i);
                    if (c == QLatin1Char('"')) {
                        if (i + 1 < n && text.at(i + 1) == QLatin1Char('"')) {
                            field += c;
                            i += 2;
                            continue;
                        }
                        ++i;
                        closed = true;
                        break;
                    }
                    if (c == QLatin1Char('\n'))
                        ++line;
                    field += c;
                    ++i;
                }
                if (!closed) {
                    rec.error = Texts::tr("a quoted field is not closed before the end of the file");
                    rec.fields << field;
                    records << rec;
                    return records;
                }
                // After the closing quote only a separator or the line end may follow.
                if (i < n && text.at(i) != QLatin1Char(',') && text.at(i) != QLatin1Char('\r') &&
                    text.at(i) != QLatin1Char('\n') && rec.error.isEmpty())
                    rec.error = Texts::tr("text follows a closing quote");
                while (i < n && text.at(i) != QLatin1Char(',') && text.at(i) != QLatin1Char('\n') &&
                       !(text.at(i) == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n')))
                    ++i;
            } else {
                while (i < n) {
                    const QChar c = text.at(i);
                    if (c == QLatin1Char(',') || c == QLatin1Char('\n') ||
                        (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n')))
                        break;
                    if (c == QLatin1Char('"') && rec.error.isEmpty())
                        rec.error = Texts::tr("a quote inside a field that does not start with one");
                    field += c;
                    ++i;
                }
            }
            rec.fields << field;
            if (i >= n) {
                endOfRecord = true;
            } else if (text.at(i) == QLatin1Char(',')) {
                ++i;
            } else {
                i += text.at(i) == QLatin1Char('\r') ? 2 : 1;
                ++line;
                endOfRecord = true;
            }
        }
        // A blank line is no record.
        if (rec.fields.size() == 1 && rec.fields.first().isEmpty() && rec.error.isEmpty())
            continue;
        records << rec;
    }
    return records;
}

bool ParseDate(const QString& text, COleDateTime& out)
{
    const QString t = text.trimmed();
    static const QRegularExpression re(
        QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})(?:[T ](\\d{2}):(\\d{2})(?::(\\d{2}))?)?$"));
    const auto m = re.match(t);
    if (!m.hasMatch())
        return false;
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    const QTime time(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
    if (!date.isValid() || !time.isValid())
        return false;
    COleDateTime dt;
    if (dt.SetDateTime(date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()) != 0)
        return false;
    out = dt;
    return true;
}

bool ParseAmount(const QString& text, double& out)
{
    // Due files may hold negative amounts (credits), so a minus sign is taken.
    static const QRegularExpression re(QStringLiteral("^-?(\\d+(\\.\\d*)?|\\.\\d+)$"));
    const QString t = text.trimmed();
    if (!re.match(t).hasMatch())
        return false;
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v) || std::fabs(v) > kMaxAmount)
        return false;
    out = v;
    return true;
}

bool ParseType(const QString& text, qint32& out)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t == QLatin1String("1") || t.compare(DueTypeText(1), Qt::CaseInsensitive) == 0) {
        out = 1;
        return true;
    }
    if (t == QLatin1String("2") || t.compare(DueTypeText(2), Qt::CaseInsensitive) == 0) {
        out = 2;
        return true;
    }
    return false;
}

bool ParsePaid(const QString& text, qint32& out)
{
    const QString t = text.trimmed().toLower();
    static const QStringList yes = {QStringLiteral("paid"), QStringLiteral("yes"), QStringLiteral("true"),
                                    QStringLiteral("1")};
    static const QStringList no = {QStringLiteral("unpaid"), QStringLiteral("no"), QStringLiteral("false"),
                                   QStringLiteral("0"), QString()};
    if (yes.contains(t)) {
        out = 1;
        return true;
    }
    if (no.contains(t)) {
        out = 0;
        return true;
    }
    return false;
}

} // namespace

const QStringList& Columns()
{
    static const QStringList names = {
        QStringLiteral("Record ID"), QStringLiteral("Title"),    QStringLiteral("Start Date"),
        QStringLiteral("Due Date"),  QStringLiteral("Pay To"),   QStringLiteral("Account"),
        QStringLiteral("Amount"),    QStringLiteral("Type"),     QStringLiteral("Paid"),
        QStringLiteral("Notes"),     QStringLiteral("Series ID")};
    return names;
}

QByteArray Write(const QList<DueRecord>& dues, bool withNotes)
{
    QStringList header = Columns();
    if (!withNotes)
        header.removeAt(Notes);
    QString out = header.join(QLatin1Char(',')) + QLatin1String("\r\n");
    for (const DueRecord& r : dues) {
        QStringList f;
        f << Quote(r.m_strRecId) << GuardedText(r.m_strTitle) << DateText(r.m_dtStart) << DateText(r.m_dtDue)
          << GuardedText(r.m_strPayTo) << GuardedText(r.m_strAccount) << AmountField(r.m_dAmount)
          << DueTypeText(r.m_nType) << (r.m_bPaid ? QStringLiteral("Paid") : QStringLiteral("Unpaid"));
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

Reading Read(const QByteArray& bytes)
{
    Reading result;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError()) {
        result.error = Texts::tr("the file is not UTF-8 text");
        return result;
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    const QList<RawRecord> records = SplitRecords(text);
    if (records.isEmpty()) {
        result.error = Texts::tr("the file is empty: a header row is needed");
        return result;
    }
    const RawRecord& header = records.first();
    if (!header.error.isEmpty()) {
        result.error = Texts::tr("the header row cannot be read: %1").arg(header.error);
        return result;
    }
    // Where each known column is in this file; -1 when missing.
    std::array<int, ColumnCount> at;
    at.fill(-1);
    for (int i = 0; i < header.fields.size(); ++i) {
        const QString name = header.fields.at(i).trimmed();
        for (int c = 0; c < ColumnCount; ++c) {
            if (name.compare(Columns().at(c), Qt::CaseInsensitive) == 0) {
                if (at[size_t(c)] >= 0) {
                    result.error = Texts::tr("the header names the column \"%1\" twice").arg(Columns().at(c));
                    return result;
                }
                at[size_t(c)] = i;
            }
        }
    }
    QStringList missing;
    for (int c : {int(Title), int(DueDate), int(Amount)})
        if (at[size_t(c)] < 0)
            missing << Columns().at(c);
    if (!missing.isEmpty()) {
        result.error = Texts::tr("the header lacks the column(s) %1").arg(missing.join(QLatin1String(", ")));
        return result;
    }
    result.ok = true;

    const int width = int(header.fields.size());
    for (qsizetype r = 1; r < records.size(); ++r) {
        const RawRecord& rec = records.at(r);
        auto reject = [&](const QString& reason) { result.rejected << Rejected{rec.lineNumber, reason}; };
        if (!rec.error.isEmpty()) {
            reject(rec.error);
            continue;
        }
        if (rec.fields.size() != width) {
            reject(Texts::tr("%1 fields where the header has %2").arg(rec.fields.size()).arg(width));
            continue;
        }
        auto field = [&](Column c) { return at[size_t(c)] < 0 ? QString() : rec.fields.at(at[size_t(c)]); };
        DueRecord due(Qt::Uninitialized);
        due.m_strTitle = UnguardedText(field(Title));
        due.m_strPayTo = UnguardedText(field(PayTo));
        due.m_strAccount = UnguardedText(field(Account));
        due.m_strNotes = UnguardedText(field(Notes));
        due.m_strSeriesId = field(SeriesId).trimmed();
        if (!ParseDate(field(DueDate), due.m_dtDue)) {
            reject(Texts::tr("the due date \"%1\" is not a date as yyyy-MM-dd or yyyy-MM-ddTHH:mm:ss")
                       .arg(field(DueDate)));
            continue;
        }
        if (field(StartDate).trimmed().isEmpty()) {
            due.m_dtStart = due.m_dtDue;
        } else if (!ParseDate(field(StartDate), due.m_dtStart)) {
            reject(Texts::tr("the start date \"%1\" is not a date as yyyy-MM-dd or yyyy-MM-ddTHH:mm:ss")
                       .arg(field(StartDate)));
            continue;
        }
        if (due.m_dtDue < due.m_dtStart) {
            reject(Texts::tr("the due date is before the start date"));
            continue;
        }
        if (!ParseAmount(field(Amount), due.m_dAmount)) {
            reject(Texts::tr("the amount \"%1\" is not a plain number with a dot for decimals")
                       .arg(field(Amount)));
            continue;
        }
        if (!ParseType(field(Type), due.m_nType)) {
            reject(Texts::tr("the type \"%1\" is neither Business nor Personal").arg(field(Type)));
            continue;
        }
        if (!ParsePaid(field(Paid), due.m_bPaid)) {
            reject(Texts::tr("the paid state \"%1\" is neither Paid nor Unpaid").arg(field(Paid)));
            continue;
        }
        result.lines << Line{rec.lineNumber, due};
    }
    return result;
}

Reading ReadFile(const QString& path)
{
    Reading result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return result;
    }
    if (file.size() > kMaxFileSize) {
        result.error =
            QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), Texts::tr("the file is too large"));
        return result;
    }
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        result.error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return result;
    }
    result = Read(bytes);
    if (!result.ok)
        result.error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), result.error);
    return result;
}

QStringList AddAll(const Reading& reading, CDueStore& store)
{
    CDueStore::Batch batch; // one sync pass for the whole file
    QStringList ids;
    for (const Line& line : reading.lines) {
        const qsizetype errors = store.ErrorCount();
        const QString id = store.AddDue(line.due);
        // A due whose file could not be written is not counted as added.
        if (!id.isEmpty() && store.ErrorCount() == errors)
            ids << id;
    }
    return ids;
}

} // namespace DueCsv
