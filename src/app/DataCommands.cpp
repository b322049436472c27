#include "app/DataCommands.h"

#include "app/CommandLine.h"
#include "export/DueCsv.h"
#include "model/CDueStore.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>

namespace DataCommands {

namespace {

int Fail(QTextStream& err, const QString& text)
{
    err << "tallyvane: " << text << '\n';
    err.flush();
    return 2;
}

bool ParseMonth(const QString& text, COleDateTime& month)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{4})-(\\d{2})$"));
    const auto m = re.match(text);
    return m.hasMatch() && month.SetDate(m.captured(1).toInt(), m.captured(2).toInt(), 1) == 0;
}

// Opens the data folder of workDir in the store; an empty text when it could.
QString OpenFolder(const QString& workDir, QTextStream& err)
{
    const QFileInfo dirInfo(workDir);
    if (!dirInfo.isDir())
        return QStringLiteral("working directory not found: %1").arg(workDir);
    if (!dirInfo.isReadable())
        return QStringLiteral("working directory not readable: %1").arg(workDir);
    const DataFolder folder(dirInfo.absoluteFilePath());
    theDueStore.SetFolder(folder);
    theDueStore.LoadAll();
    const QFileInfo dataInfo(folder.Path());
    if (dataInfo.exists() && !dataInfo.isReadable())
        return QStringLiteral("data folder not readable: %1").arg(folder.Path());
    for (const QString& problem : theDueStore.LoadProblems())
        err << "tallyvane: skipped " << problem << '\n';
    err.flush();
    return QString();
}

int RunImport(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.value(1) != QLatin1String("csv"))
        return Fail(err, QStringLiteral("import needs a format: csv"));
    QString workDir, file;
    bool haveWorkDir = false;
    for (int i = 2; i < args.size(); ++i) {
        const QString a = args.at(i);
        if (a == QLatin1String("--workdir")) {
            if (i + 1 >= args.size())
                return Fail(err, QStringLiteral("option --workdir needs a value"));
            workDir = args.at(++i);
            haveWorkDir = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            return Fail(err, QStringLiteral("unknown option: %1").arg(a));
        } else if (!file.isEmpty()) {
            return Fail(err, QStringLiteral("import takes one file, not \"%1\" as well").arg(a));
        } else {
            file = a;
        }
    }
    if (!haveWorkDir)
        return Fail(err, QStringLiteral("--workdir DIR is required"));
    if (file.isEmpty())
        return Fail(err, QStringLiteral("import csv needs the FILE to read"));

    // Read the file before the folder is touched: a file that cannot be used changes nothing.
    const DueCsv::Reading reading = DueCsv::ReadFile(file);
    if (!reading.ok)
        return Fail(err, reading.error);
    const QString problem = OpenFolder(workDir, err);
    if (!problem.isEmpty())
        return Fail(err, problem);

    const QStringList ids = DueCsv::AddAll(reading, theDueStore);
    const QStringList writeErrors = theDueStore.TakeErrors();
    for (const DueCsv::Rejected& r : reading.rejected)
        err << "tallyvane: " << QDir::toNativeSeparators(file) << ':' << r.lineNumber
            << ": rejected: " << r.reason << '\n';
    for (const QString& e : writeErrors)
        err << "tallyvane: " << e << '\n';
    err.flush();
    out << "imported " << ids.size() << " due(s), rejected " << reading.rejected.size() << " line(s)\n";
    out.flush();
    if (!writeErrors.isEmpty())
        return 2;
    return reading.rejected.isEmpty() ? 0 : 1;
}

int RunRangeExport(const QStringList& args, QTextStream& err)
{
    const QString format = args.value(1);
    const CommandLine::ExportFunction exporter = CommandLine::Exports().value(format);
    if (format.startsWith(QLatin1String("--")) || format.isEmpty())
        return Fail(err, QStringLiteral("export needs a format: %1")
                             .arg(QStringList(CommandLine::Exports().keys()).join(QLatin1Char('|'))));
    if (!exporter)
        return Fail(err, QStringLiteral("unknown export format \"%1\"").arg(format));
    QString workDir, from, to, filter = QStringLiteral("all"), output;
    bool withNotes = true;
    for (int i = 2; i < args.size(); ++i) {
        const QString a = args.at(i);
        QString* dst = a == QLatin1String("--workdir")  ? &workDir
                       : a == QLatin1String("--from")   ? &from
                       : a == QLatin1String("--to")     ? &to
                       : a == QLatin1String("--filter") ? &filter
                       : a == QLatin1String("--output") ? &output
                                                        : nullptr;
        if (a == QLatin1String("--no-notes")) {
            withNotes = false;
        } else if (!dst) {
            return Fail(err, a == QLatin1String("--month")
                                 ? QStringLiteral("--month cannot be combined with --from and --to")
                                 : QStringLiteral("unknown option: %1").arg(a));
        } else if (i + 1 >= args.size()) {
            return Fail(err, QStringLiteral("option %1 needs a value").arg(a));
        } else {
            *dst = args.at(++i);
        }
    }
    if (workDir.isEmpty())
        return Fail(err, QStringLiteral("--workdir DIR is required"));
    if (from.isEmpty() || to.isEmpty())
        return Fail(err, QStringLiteral("--from YYYY-MM and --to YYYY-MM go together"));
    if (output.isEmpty())
        return Fail(err, QStringLiteral("--output FILE is required"));
    COleDateTime first, last;
    if (!ParseMonth(from, first))
        return Fail(err, QStringLiteral("bad month \"%1\": expected YYYY-MM").arg(from));
    if (!ParseMonth(to, last))
        return Fail(err, QStringLiteral("bad month \"%1\": expected YYYY-MM").arg(to));
    if (last < first)
        return Fail(err, QStringLiteral("--to %1 is before --from %2").arg(to, from));
    DueFilter dueFilter;
    if (filter == QLatin1String("all"))
        dueFilter = DueFilter::All;
    else if (filter == QLatin1String("paid"))
        dueFilter = DueFilter::Paid;
    else if (filter == QLatin1String("unpaid"))
        dueFilter = DueFilter::Unpaid;
    else
        return Fail(err, QStringLiteral("bad filter \"%1\": expected all, paid or unpaid").arg(filter));
    const QString problem = OpenFolder(workDir, err);
    if (!problem.isEmpty())
        return Fail(err, problem);

    ExportRequest request;
    int year = first.GetYear(), month = first.GetMonth();
    while (year * 12 + month <= last.GetYear() * 12 + last.GetMonth()) {
        COleDateTime m;
        (void)m.SetDate(year, month, 1);
        MonthList list = theDueStore.FillMonthList(m, dueFilter);
        std::stable_sort(list.rows.begin(), list.rows.end(), DueListLess);
        request.dues += list.rows;
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    request.month = first;
    request.withNotes = withNotes;
    request.outputPath = output;
    QString why;
    if (!exporter(request, &why))
        return Fail(err, why.isEmpty() ? QStringLiteral("could not write %1").arg(output) : why);
    return 0;
}

} // namespace

bool Handles(const QStringList& args)
{
    if (args.value(0) == QLatin1String("import"))
        return true;
    return args.value(0) == QLatin1String("export") &&
           (args.contains(QStringLiteral("--from")) || args.contains(QStringLiteral("--to")));
}

int Run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.value(0) == QLatin1String("import"))
        return RunImport(args, out, err);
    return RunRangeExport(args, err);
}

} // namespace DataCommands
