#include "export/CPdfExport.h"

#include "export/CPdfWriter.h"
#include "model/base/LocaleFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QStringList>

namespace {

constexpr int kLineUnit = 8;  // 16 points a body line, a 14 px measuring cell
constexpr int kLeft = 50;     // left end of the rules and the text
constexpr int kRecordX = 400; // where "Record i of n" starts
constexpr int kTitleGap = 12; // at least this many points between the title and it

// The export's texts for translators, in the context "CPdfExport".
class PdfExportTexts
{
    Q_DECLARE_TR_FUNCTIONS(CPdfExport)
};

// The labelled lines of a due's details; read once for a whole export.
struct BodyLabels
{
    QString due = QStringLiteral("\r\n\r\n ") + PdfExportTexts::tr("Due") + QStringLiteral(" : ");
    QString start = QStringLiteral("\r\n\r\n ") + PdfExportTexts::tr("Start Date") + QStringLiteral(" : ");
    QString dueDate = QStringLiteral("\r\n\r\n ") + PdfExportTexts::tr("Due Date") + QStringLiteral(" : ");
    QString payTo = QStringLiteral("\r\n\r\n ") + PdfExportTexts::tr("Pay To") + QStringLiteral(" : ");
    QString account = QStringLiteral("\r\n\r\n ") + PdfExportTexts::tr("Account") + QStringLiteral(": ");
    QString amount = QStringLiteral("\r\n\r\n ") + PdfExportTexts::tr("Amount") + QStringLiteral(": ");
    QString type = QStringLiteral("\r\n\r\n ") + PdfExportTexts::tr("Due Type") + QStringLiteral(": ");
    QString status = QStringLiteral("\r\n\r\n ") + PdfExportTexts::tr("Status") + QStringLiteral(": ");
    QString paid = PdfExportTexts::tr("Paid");
    QString unpaid = PdfExportTexts::tr("Unpaid");
    QString notes = QStringLiteral("\r\n\r\n") + PdfExportTexts::tr("Notes") + QStringLiteral("\r\n\r\n");
};

// Short dates in the locale; a month of dues has only a few distinct ones.
class DateTexts
{
public:
    explicit DateTexts(const QLocale& locale) : m_locale(locale) {}

    const QString& Text(const COleDateTime& date)
    {
        if (date.m_status != COleDateTime::valid) {
            m_other = FormatDatePicture(date, QString(), m_locale);
            return m_other;
        }
        auto it = m_texts.find(date.m_dt);
        if (it == m_texts.end())
            it = m_texts.insert(date.m_dt, FormatDatePicture(date, QString(), m_locale));
        return *it;
    }

private:
    const QLocale& m_locale;
    QHash<double, QString> m_texts; // of valid dates
    QString m_other;
};

// A value that has right-to-left characters, between a first-strong isolate
// and its end: on the line after its label it takes the direction of its own
// first strong character, as in a cell of the print page (an ar_EG date that
// starts with a digit and a right-to-left mark reads right to left). Other
// values are left as they are, so Latin text keeps the base font's bytes.
QString Isolated(const QString& value)
{
    for (qsizetype i = 0; i < value.size(); ++i) {
        char32_t c = value.at(i).unicode();
        if (c < 0x590)
            continue; // no right-to-left character comes before Hebrew
        if (QChar::isHighSurrogate(c) && i + 1 < value.size())
            c = QChar::surrogateToUcs4(value.at(i), value.at(++i));
        switch (QChar::direction(c)) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirRLI:
            return QChar(0x2068) + value + QChar(0x2069);
        default:
            break;
        }
    }
    return value;
}

// Writes the body into body, which keeps its memory from due to due.
void DueBody(const DueRecord& due, bool withNotes, const QLocale& locale, const BodyLabels& labels,
             DateTexts& dates, QString& body)
{
    const QString title = Isolated(due.m_strTitle);
    const QString start = Isolated(dates.Text(due.m_dtStart));
    const QString dueDate = Isolated(dates.Text(due.m_dtDue));
    const QString payTo = Isolated(due.m_strPayTo);
    const QString account = Isolated(due.m_strAccount);
    const QString amount = Isolated(FormatCurrencyText(AmountText(due.m_dAmount), locale));
    const QString type = DueTypeText(due.m_nType);
    const QString& status = due.m_bPaid ? labels.paid : labels.unpaid;
    const bool notes = withNotes && !due.m_strNotes.isEmpty();

    body.resize(0);
    body.reserve(labels.due.size() + title.size() + labels.start.size() + start.size() +
                 labels.dueDate.size() + dueDate.size() + labels.payTo.size() + payTo.size() +
                 labels.account.size() + account.size() + labels.amount.size() + amount.size() +
                 labels.type.size() + type.size() + labels.status.size() + status.size() +
                 (notes ? labels.notes.size() + due.m_strNotes.size() : 0));
    body += labels.due;
    body += title;
    body += labels.start;
    body += start;
    body += labels.dueDate;
    body += dueDate;
    body += labels.payTo;
    body += payTo;
    body += labels.account;
    body += account;
    body += labels.amount;
    body += amount;
    body += labels.type;
    body += type;
    body += labels.status;
    body += status;
    if (notes) {
        body += labels.notes;
        body += due.m_strNotes;
    }
}

// The characters no font has, for a message: the first few, each with its
// code point.
QString MissingList(const std::vector<char32_t>& missing)
{
    constexpr size_t kNamed = 5;
    QStringList named;
    for (size_t i = 0; i < missing.size() && i < kNamed; ++i) {
        const char32_t c = missing[i];
        named << QStringLiteral("\"%1\" (U+%2)")
                     .arg(QString::fromUcs4(&c, 1),
                          QString::number(uint(c), 16).toUpper().rightJustified(4, QLatin1Char('0')));
    }
    QString list = named.join(QStringLiteral(", "));
    if (missing.size() > kNamed)
        list += QStringLiteral(", \u2026");
    return list;
}

// The title as one line: line breaks and tabs become blanks.
QString TitleLine(const QString& title)
{
    QString line = title;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar& ch : line) {
        if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n') || ch == QLatin1Char('\t') ||
            ch == QChar(0x2028) || ch == QChar(0x2029) || ch == QChar(0x85))
            ch = QLatin1Char(' ');
    }
    return line;
}

} // namespace

QString PdfDueBody(const DueRecord& due, bool withNotes, const QLocale& locale)
{
    DateTexts dates(locale);
    QString body;
    DueBody(due, withNotes, locale, BodyLabels(), dates, body);
    return body;
}

void BuildPdfExport(CPdfWriter& writer, const ExportRequest& request, const QLocale& locale)
{
    // Cover page.
    writer.NewPage();
    writer.AddTextBlock(PdfExportTexts::tr("Due Date(s)"), 100, 500, 2);
    writer.DrawLine(100, 470, 500, 470, 2);
    writer.AddTextBlock(FormatDatePicture(request.month, QStringLiteral("MMM - yyyy"), locale), 380, 460, 2);

    const BodyLabels labels;
    DateTexts dates(locale);
    const QString recordText = PdfExportTexts::tr("Record %1 of %2");
    QString body;
    const qsizetype count = request.dues.size();
    for (qsizetype i = 0; i < count; ++i) {
        const DueRecord& due = request.dues.at(i);
        writer.NewPage();
        // The title keeps clear of "Record i of n" on the same line.
        // A right-to-left title ends where its room does.
        writer.AddTextBlock(writer.ElideText(TitleLine(due.m_strTitle), 1, kRecordX - kLeft - kTitleGap),
                            kLeft, 750, 1, kRecordX - kTitleGap);
        writer.AddTextBlock(recordText.arg(i + 1).arg(count), kRecordX, 750, 1);
        writer.DrawLine(kLeft, 725, CPdfWriter::kTextRight, 725, 1);

        DueBody(due, request.withNotes, locale, labels, dates, body);
        writer.AddParagraph(body, kLeft, 720, 1, kLineUnit, CPdfWriter::kTextRight);

        // Closes the due's last page.
        writer.AddTextBlock(QString(), kLeft, 80, 1);
        writer.DrawLine(kLeft, 60, CPdfWriter::kTextRight, 60, 1);
    }
}

void BuildPdfExport(CPdfWriter& writer, const ExportRequest& request)
{
    BuildPdfExport(writer, request, request.locale);
}

bool ExportPdfFile(const ExportRequest& request, QString* errorText)
{
    const QString shownPath = QDir::toNativeSeparators(request.outputPath);
    // An empty list gives the cover page alone; the menu command asks for no
    // file when nothing is listed.
    CPdfWriter writer;
    BuildPdfExport(writer, request, request.locale);
    QString reason;
    if (!writer.Save(request.outputPath, &reason)) {
        if (errorText)
            *errorText = PdfExportTexts::tr("Could not write \"%1\": %2").arg(shownPath, reason.simplified());
        return false;
    }
    const std::vector<char32_t>& missing = writer.MissingCharacters();
    if (!missing.empty() && request.warn) {
        request.warn(
            PdfExportTexts::tr("\"%1\" shows a replacement mark for %n character(s) that no installed "
                               "font has: %2. Installing fonts-noto-core, fonts-noto-cjk and "
                               "fonts-symbola adds fonts for most scripts and for emoji.",
                               nullptr, int(missing.size()))
                .arg(shownPath, MissingList(missing)));
    }
    return true;
}
