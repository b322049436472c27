#include "app/CommandLine.h"

#include "app/WriteCommands.h"

#include "model/CDueStore.h"
#include "model/LocaleFormat.h"
#include "model/MessageTexts.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <optional>

namespace CommandLine {

namespace {

struct Options
{
    QString command;
    QString format; // export only
    QString workDir;
    QString month;
    QString filter = QStringLiteral("all");
    QString output;
    bool withNotes = true;
};

bool Fail(QTextStream& err, const QString& text)
{
    err << "tallyvane: " << text << '\n';
    err.flush();
    return false;
}

bool Parse(const QStringList& args, Options& o, QTextStream& err)
{
    int i = 0;
    o.command = args.value(i++);
    if (o.command == QLatin1String("export")) {
        if (i >= args.size() || args.at(i).startsWith(QLatin1String("--")))
            return Fail(err, QStringLiteral("export needs a format: %1")
                                 .arg(QStringList(Exports().keys()).join(QLatin1Char('|'))));
        o.format = args.at(i++);
    }
    bool haveWorkDir = false, haveMonth = false, haveOutput = false;
    for (; i < args.size(); ++i) {
        const QString a = args.at(i);
        auto value = [&](QString& dst, bool& have) {
            if (i + 1 >= args.size())
                return Fail(err, QStringLiteral("option %1 needs a value").arg(a));
            dst = args.at(++i);
            have = true;
            return true;
        };
        bool dummy = false;
        if (a == QLatin1String("--workdir")) {
            if (!value(o.workDir, haveWorkDir))
                return false;
        } else if (a == QLatin1String("--month")) {
            if (!value(o.month, haveMonth))
                return false;
        } else if (a == QLatin1String("--filter")) {
            if (!value(o.filter, dummy))
                return false;
        } else if (a == QLatin1String("--output") && o.command == QLatin1String("export")) {
            if (!value(o.output, haveOutput))
                return false;
        } else if (a == QLatin1String("--no-notes") && o.command == QLatin1String("export")) {
            o.withNotes = false;
        } else {
            return Fail(err, QStringLiteral("unknown option: %1").arg(a));
        }
    }
    if (!haveWorkDir)
        return Fail(err, QStringLiteral("--workdir DIR is required"));
    if (!haveMonth)
        return Fail(err, QStringLiteral("--month YYYY-MM is required"));
    if (o.command == QLatin1String("export") && !haveOutput)
        return Fail(err, QStringLiteral("--output FILE is required"));
    return true;
}

bool ParseMonth(const QString& text, COleDateTime& month)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{4})-(\\d{2})$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return false;
    const int year = m.captured(1).toInt();
    const int mon = m.captured(2).toInt();
    return month.SetDate(year, mon, 1) == 0;
}

std::optional<DueFilter> FilterOfName(const QString& name)
{
    if (name == QLatin1String("all"))
        return DueFilter::All;
    if (name == QLatin1String("paid"))
        return DueFilter::Paid;
    if (name == QLatin1String("unpaid"))
        return DueFilter::Unpaid;
    return std::nullopt;
}

} // namespace

QHash<QString, ExportFunction>& Exports()
{
    static QHash<QString, ExportFunction> exports;
    return exports;
}

bool IsHeadlessCommand(const QStringList& args)
{
    return !args.isEmpty() &&
           (args.first() == QLatin1String("list") || args.first() == QLatin1String("export") ||
            WriteCommands::IsCommand(args.first()));
}

QString EscapeField(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\t'))
            out += QLatin1String("\\t");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else
            out += c;
    }
    return out;
}

int Run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (WriteCommands::IsCommand(args.value(0)))
        return WriteCommands::Run(args, out, err);
    QStringList rest = args;
    bool json = false; // list --format json
    if (args.value(0) == QLatin1String("list") && !WriteCommands::TakeFormat(rest, json, err))
        return 2;
    Options o;
    if (!Parse(rest, o, err))
        return 2;
    COleDateTime month;
    if (!ParseMonth(o.month, month)) {
        Fail(err, QStringLiteral("bad month \"%1\": expected YYYY-MM").arg(o.month));
        return 2;
    }
    const std::optional<DueFilter> filter = FilterOfName(o.filter);
    if (!filter) {
        Fail(err, QStringLiteral("bad filter \"%1\": expected all, paid or unpaid").arg(o.filter));
        return 2;
    }
    ExportFunction exporter;
    if (o.command == QLatin1String("export")) {
        exporter = Exports().value(o.format);
        if (!exporter) {
            Fail(err, QStringLiteral("unknown export format \"%1\"").arg(o.format));
            return 2;
        }
    }
    const QFileInfo dirInfo(o.workDir);
    if (!dirInfo.isDir()) {
        Fail(err, QStringLiteral("working directory not found: %1").arg(o.workDir));
        return 2;
    }
    if (!dirInfo.isReadable()) {
        Fail(err, QStringLiteral("working directory not readable: %1").arg(o.workDir));
        return 2;
    }
    const DataFolder folder(dirInfo.absoluteFilePath());
    theDueStore.SetFolder(folder);
    theDueStore.LoadAll();
    const QFileInfo dataInfo(folder.Path());
    if (dataInfo.exists() && !dataInfo.isReadable()) {
        Fail(err, QStringLiteral("data folder not readable: %1").arg(folder.Path()));
        return 2;
    }
    for (const QString& problem : theDueStore.LoadProblems())
        err << "tallyvane: skipped " << problem << '\n';
    err.flush();

    MonthList list = theDueStore.FillMonthList(month, *filter);
    std::stable_sort(list.rows.begin(), list.rows.end(), DueListLess);
    const QLocale locale; // the system locale unless a caller set another default

    if (exporter) {
        ExportRequest request;
        request.dues = list.rows;
        request.locale = locale;
        request.month = month;
        request.withNotes = o.withNotes;
        request.outputPath = o.output;
        QString why;
        if (!exporter(request, &why)) {
            Fail(err, why.isEmpty() ? QStringLiteral("could not write %1").arg(o.output) : why);
            return 2;
        }
        return 0;
    }

    if (json) {
        out << WriteCommands::DuesJson(list.rows);
        out.flush();
        return 0;
    }
    for (const DueRecord& r : list.rows) {
        const QDateTime due = r.m_dtDue.ToQDateTime();
        QStringList fields{
            r.m_strRecId,
            due.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")),
            EscapeField(r.m_strTitle),
            EscapeField(r.m_strPayTo),
            EscapeField(r.m_strAccount),
            FormatCurrencyText(AmountText(r.m_dAmount), locale),
            r.m_bPaid ? QStringLiteral("Paid") : QStringLiteral("Unpaid"),
            r.m_strSeriesId.isEmpty() ? QStringLiteral("-") : EscapeField(r.m_strSeriesId),
        };
        out << fields.join(QLatin1Char('\t')) << '\n';
    }
    auto money = [&](double amount) { return FormatCurrencyText(AmountText(amount), locale); };
    out << LoadResString(MessageId::PaidLabel) << money(list.paid) << '\n'
        << LoadResString(MessageId::UnpaidLabel) << money(list.unpaid) << '\n'
        << LoadResString(MessageId::TotalLabel) << money(list.Total()) << '\n';
    out.flush();
    return 0;
}

} // namespace CommandLine
