#include "app/ReportCommand.h"

#include "model/base/Clock.h"
#include "model/base/LocaleFormat.h"
#include "model/store/CDueStore.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <optional>

namespace ReportCommand {

namespace {

// Named as its translation context, so that lupdate files the texts under
// it even where it loses track of the scope.
struct ReportCommandText
{
    Q_DECLARE_TR_FUNCTIONS(ReportCommandText)
};

using CommandLine::Fail;

const QString kBy = QStringLiteral("by");
const QString kFormat = QStringLiteral("format");

enum class Format
{
    Text,
    Json,
    Csv
};

const std::pair<const char*, ReportGrouping> kGroupings[] = {{"month", ReportGrouping::Month},
                                                             {"payee", ReportGrouping::Payee},
                                                             {"account", ReportGrouping::Account},
                                                             {"type", ReportGrouping::Type},
                                                             {"series", ReportGrouping::Series}};

std::optional<ReportGrouping> GroupingOfName(const QString& name)
{
    for (const auto& [word, grouping] : kGroupings)
        if (name == QLatin1String(word))
            return grouping;
    return std::nullopt;
}

std::optional<Format> FormatOfName(const QString& name)
{
    if (name == QLatin1String("text"))
        return Format::Text;
    if (name == QLatin1String("json"))
        return Format::Json;
    if (name == QLatin1String("csv"))
        return Format::Csv;
    return std::nullopt;
}

// Sums are shown to the cent everywhere; files for programs get the same
// value instead of the binary noise of a long addition (0.30000000000000004).
double Cents(double amount)
{
    if (!std::isfinite(amount) || std::fabs(amount) >= 1e15)
        return amount;
    return std::round(amount * 100.0) / 100.0;
}

QString NumberText(double amount)
{
    return QString::number(Cents(amount), 'f', QLocale::FloatingPointShortest);
}

// A text cell as the CSV export quotes it, and never read as a formula: a
// spreadsheet would run one that starts with =, +, - or @.
QString CsvText(const QString& text)
{
    QString field = text;
    static const QRegularExpression formula(QStringLiteral("^[=+\\-@\\t\\r]"));
    if (formula.match(field).hasMatch())
        field.prepend(QLatin1Char('\''));
    static const QRegularExpression special(QStringLiteral("[\",\\r\\n]|^\\s|\\s$"));
    if (!special.match(field).hasMatch())
        return field;
    field.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

QString IsoDate(const QDate& day)
{
    return day.toString(QStringLiteral("yyyy-MM-dd"));
}

// What the key of a group reads as in a table.
QString ShownKey(const Report& report, const ReportGroup& g, const QLocale& locale)
{
    switch (report.grouping) {
    case ReportGrouping::Month: {
        const QDate month = QDate::fromString(g.key, QStringLiteral("yyyy-MM"));
        return month.isValid() ? locale.toString(month, QStringLiteral("MMMM yyyy")) : g.key;
    }
    case ReportGrouping::Type:
        return DueTypeText(g.key == QLatin1String("Personal") ? 2 : 1);
    case ReportGrouping::Series:
        if (g.key.isEmpty())
            return ReportCommandText::tr("(no series)");
        return g.title.isEmpty() ? g.key : g.title;
    default:
        return g.key.isEmpty() ? ReportCommandText::tr("(none)") : g.key;
    }
}

QString KeyHeading(ReportGrouping grouping)
{
    switch (grouping) {
    case ReportGrouping::Month:
        return ReportCommandText::tr("Month");
    case ReportGrouping::Payee:
        return ReportCommandText::tr("Pay To");
    case ReportGrouping::Account:
        return ReportCommandText::tr("Account");
    case ReportGrouping::Type:
        return ReportCommandText::tr("Type");
    case ReportGrouping::Series:
        return ReportCommandText::tr("Series");
    }
    return {};
}

} // namespace

QList<QCommandLineOption> Options()
{
    return {QCommandLineOption(QStringLiteral("workdir"),
                               ReportCommandText::tr("The working directory that holds the dues"),
                               QStringLiteral("DIR")),
            QCommandLineOption(QStringLiteral("from"), ReportCommandText::tr("The first month"),
                               QStringLiteral("YYYY-MM")),
            QCommandLineOption(QStringLiteral("to"), ReportCommandText::tr("The last month, included"),
                               QStringLiteral("YYYY-MM")),
            QCommandLineOption(kBy, ReportCommandText::tr("What the dues are summed by"),
                               QStringLiteral("month|payee|account|type|series")),
            QCommandLineOption(kFormat, ReportCommandText::tr("text (the default), json or csv"),
                               QStringLiteral("text|json|csv"), QStringLiteral("text"))};
}

QString Details()
{
    return ReportCommandText::tr(
        "A due counts in the month of its due date. By series, each series also shows what it costs a\n"
        "month and a year and its latest change of amount; the dues of no series are a group of their own.");
}

QByteArray Json(const Report& report)
{
    const bool bySeries = report.grouping == ReportGrouping::Series;
    QJsonArray array;
    for (const ReportGroup& g : report.groups) {
        QJsonObject o;
        o.insert(QStringLiteral("key"), g.key);
        o.insert(QStringLiteral("count"), g.count);
        o.insert(QStringLiteral("paid"), Cents(g.paid));
        o.insert(QStringLiteral("unpaid"), Cents(g.unpaid));
        o.insert(QStringLiteral("total"), Cents(g.Total()));
        if (bySeries) {
            o.insert(QStringLiteral("title"), g.title);
            o.insert(QStringLiteral("monthly"), Cents(g.monthly));
            o.insert(QStringLiteral("yearly"), Cents(g.yearly));
            o.insert(QStringLiteral("changed"), g.changed);
            if (g.changed) {
                o.insert(QStringLiteral("previousAmount"), Cents(g.previousAmount));
                o.insert(QStringLiteral("currentAmount"), Cents(g.currentAmount));
                o.insert(QStringLiteral("changedOn"), IsoDate(g.changedOn));
            }
        }
        array.append(o);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

QString Csv(const Report& report)
{
    const bool bySeries = report.grouping == ReportGrouping::Series;
    QStringList header{"key", "count", "paid", "unpaid", "total"};
    if (bySeries)
        header << QStringList{"monthly",        "yearly",        "title",    "changed",
                              "previousAmount", "currentAmount", "changedOn"};
    const QString crlf = QStringLiteral("\r\n");
    QString out = header.join(QLatin1Char(',')) + crlf;
    for (const ReportGroup& g : report.groups) {
        QStringList row{CsvText(g.key), QString::number(g.count), NumberText(g.paid), NumberText(g.unpaid),
                        NumberText(g.Total())};
        if (bySeries) {
            row << NumberText(g.monthly) << NumberText(g.yearly) << CsvText(g.title)
                << (g.changed ? QStringLiteral("true") : QStringLiteral("false"));
            if (g.changed)
                row << NumberText(g.previousAmount) << NumberText(g.currentAmount) << IsoDate(g.changedOn);
            else
                row << QString() << QString() << QString();
        }
        out += row.join(QLatin1Char(',')) + crlf;
    }
    return out;
}

QString Text(const Report& report, const QLocale& locale)
{
    const bool bySeries = report.grouping == ReportGrouping::Series;
    auto money = [&](double amount) { return FormatCurrencyText(AmountText(amount), locale); };
    auto dueCount = [&](int n) { return locale.toString(n); };

    // Cells row by row; the first column and the series' texts are left-aligned.
    QList<QStringList> rows;
    QStringList heading{KeyHeading(report.grouping), ReportCommandText::tr("Dues"),
                        ReportCommandText::tr("Paid"), ReportCommandText::tr("Unpaid"),
                        ReportCommandText::tr("Total")};
    if (bySeries)
        heading << ReportCommandText::tr("A month") << ReportCommandText::tr("A year")
                << ReportCommandText::tr("Latest change") << ReportCommandText::tr("Series ID");
    rows << heading;
    for (const ReportGroup& g : report.groups) {
        QStringList row{CommandLine::EscapeField(ShownKey(report, g, locale)), dueCount(g.count),
                        money(g.paid), money(g.unpaid), money(g.Total())};
        if (bySeries) {
            const bool series = !g.key.isEmpty();
            QString change;
            if (g.changed)
                change = ReportCommandText::tr("%1 from %2, before %3")
                             .arg(money(g.currentAmount),
                                  FormatDatePicture(COleDateTime(g.changedOn.year(), g.changedOn.month(),
                                                                 g.changedOn.day(), 0, 0, 0),
                                                    QString(), locale),
                                  money(g.previousAmount));
            row << (series ? money(g.monthly) : QString()) << (series ? money(g.yearly) : QString()) << change
                << CommandLine::EscapeField(g.key);
        }
        rows << row;
    }
    QStringList totals{ReportCommandText::tr("Total"), dueCount(report.count), money(report.paid),
                       money(report.unpaid), money(report.Total())};
    if (bySeries)
        totals << money(report.fixedMonthly) << money(report.fixedMonthly * 12.0) << QString() << QString();
    rows << totals;

    const qsizetype columns = heading.size();
    QList<qsizetype> width(columns, 0);
    for (const QStringList& row : std::as_const(rows))
        for (qsizetype c = 0; c < columns; ++c)
            width[c] = std::max(width[c], row.at(c).size());
    auto leftAligned = [&](qsizetype c) { return c == 0 || c >= 7; };
    QStringList lines;
    qsizetype longest = 0;
    for (const QStringList& row : std::as_const(rows)) {
        QString line;
        for (qsizetype c = 0; c < columns; ++c) {
            if (c > 0)
                line += QStringLiteral("  ");
            line += leftAligned(c) ? row.at(c).leftJustified(width[c]) : row.at(c).rightJustified(width[c]);
        }
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        longest = std::max(longest, line.size());
        lines << line;
    }
    // The totals stand apart from the groups under a rule as wide as the table.
    lines.insert(lines.size() - 1, QString(longest, QLatin1Char('-')));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

CommandLine::Outcome Run(const CommandLine::Invocation& call)
{
    COleDateTime first, last;
    if (!CommandLine::ReadMonthRange(call, first, last))
        return 2;
    const QString byText = call.parser.value(kBy);
    const std::optional<ReportGrouping> by = GroupingOfName(byText);
    if (!by)
        return Fail(call.err, ReportCommandText::tr(
                                  "bad grouping \"%1\": expected month, payee, account, type or series")
                                  .arg(byText));
    const QString formatText = call.parser.value(kFormat);
    const std::optional<Format> format = FormatOfName(formatText);
    if (!format)
        return Fail(call.err,
                    ReportCommandText::tr("bad format \"%1\": expected text, json or csv").arg(formatText));
    if (!CommandLine::OpenFolderForReading(call.parser.value(QStringLiteral("workdir")), call.err))
        return 2;

    const Report report =
        BuildReport(theDueStore, ReportRange{first.ToQDate(), last.ToQDate()}, *by, Clock::Now().date());
    switch (*format) {
    case Format::Json:
        call.out << Json(report);
        break;
    case Format::Csv:
        call.out << Csv(report);
        break;
    case Format::Text:
        call.out << Text(report, QLocale());
        break;
    }
    call.out.flush();
    return 0;
}

} // namespace ReportCommand
