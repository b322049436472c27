#include "app/CommandLine.h"

#include "app/ConflictCommands.h"
#include "app/DataCommands.h"
#include "app/InstallLayout.h"
#include "app/ReportCommand.h"
#include "app/SyncCommand.h"
#include "app/WriteCommands.h"
#include "model/base/LocaleFormat.h"
#include "model/base/MessageTexts.h"
#include "model/base/Version.h"
#include "model/services/DeletionMemory.h"
#include "model/store/CDueStore.h"
#include "model/store/DueFolderReader.h"
#include "model/store/Identifiers.h"
#include "model/store/OutputPath.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <memory>
#include <optional>

namespace CommandLine {

int Fail(QTextStream& err, const QString& text)
{
    err << "tallyvane: " << text << '\n';
    err.flush();
    return 2;
}

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

const QString kWorkDir = QStringLiteral("workdir");
const QString kMonth = QStringLiteral("month");
const QString kFilter = QStringLiteral("filter");
const QString kOutput = QStringLiteral("output");
const QString kNoNotes = QStringLiteral("no-notes");
const QString kFrom = QStringLiteral("from");
const QString kTo = QStringLiteral("to");

QCommandLineOption HelpOption()
{
    return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                              Text::tr("Show this help and exit"));
}

QCommandLineOption VersionOption()
{
    return QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                              Text::tr("Show the version and exit"));
}

QCommandLineOption WorkDirOption(const QString& description)
{
    return QCommandLineOption(kWorkDir, description, QStringLiteral("DIR"));
}

QCommandLineOption MonthOption()
{
    return QCommandLineOption(kMonth, Text::tr("The month of the dues"), QStringLiteral("YYYY-MM"));
}

QCommandLineOption FilterOption()
{
    return QCommandLineOption(kFilter,
                              Text::tr("Which dues: all (the default), only the paid or the unpaid ones"),
                              QStringLiteral("all|paid|unpaid"), QStringLiteral("all"));
}

QString DataWorkDirText()
{
    return Text::tr("The working directory; the dues are in \"%1\" inside it")
        .arg(QString::fromLatin1(kDataFolderName));
}

// "--name VALUE", "[--name VALUE]" for an optional one.
QString OptionSynopsis(const QCommandLineOption& option, bool required)
{
    QString text = QStringLiteral("--") + option.names().constLast();
    if (!option.valueName().isEmpty())
        text += QLatin1Char(' ') + option.valueName();
    return required ? text : QLatin1Char('[') + text + QLatin1Char(']');
}

QString Synopsis(const Command& command)
{
    QStringList parts{command.name};
    if (!command.arguments.isEmpty())
        parts << command.arguments;
    for (const QCommandLineOption& option : command.options())
        parts << OptionSynopsis(option, command.required.contains(option.names().constFirst()));
    return parts.join(QLatin1Char(' '));
}

// Two columns: names and value, then the description.
QString OptionTable(const QList<QCommandLineOption>& options)
{
    QStringList left;
    for (const QCommandLineOption& option : options) {
        QStringList names;
        for (const QString& name : option.names())
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        QString text = names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty())
            text += QLatin1Char(' ') + option.valueName();
        left << text;
    }
    qsizetype width = 0;
    for (const QString& text : left)
        width = std::max(width, text.size());
    QString table;
    for (qsizetype i = 0; i < options.size(); ++i)
        table += QStringLiteral("  ") + left.at(i).leftJustified(width + 3) + options.at(i).description() +
                 QLatin1Char('\n');
    return table;
}

const Command* FindCommand(const QString& name)
{
    for (const Command& command : Commands())
        if (command.name == name)
            return &command;
    return nullptr;
}

// The option as the user wrote it, for the message about it.
QString Spelling(const QString& name, const QStringList& args)
{
    for (const QString& arg : args) {
        QString bare = arg;
        while (bare.startsWith(QLatin1Char('-')))
            bare.remove(0, 1);
        if (bare.section(QLatin1Char('='), 0, 0) == name && bare.size() < arg.size())
            return arg.section(QLatin1Char('='), 0, 0);
    }
    return QStringLiteral("--") + name;
}

// Whether the parser stopped at an option without its value at the end of
// the line. Its text is Qt's, in the user's language; passed as variables
// so that our translation sources do not take it up.
bool IsMissingValue(const QCommandLineParser& parser, const QString& last)
{
    static const char* const context = "QCommandLineParser";
    static const char* const text = "Missing value after '%1'.";
    return parser.errorText() == QCoreApplication::translate(context, text).arg(last);
}

QStringList SortedExportNames()
{
    QStringList names = Exports().keys() + ExportsElsewhere().keys();
    names.sort();
    names.removeDuplicates();
    return names;
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

struct MonthQuery
{
    COleDateTime month;
    DueFilter filter = DueFilter::All;
};

// --month and --filter; false once the bad one is said.
bool ReadMonthQuery(const Invocation& call, MonthQuery& query)
{
    const QString monthText = call.parser.value(kMonth);
    if (!ParseMonth(monthText, query.month)) {
        Fail(call.err, Text::tr("bad month \"%1\": expected YYYY-MM").arg(monthText));
        return false;
    }
    const QString filterText = call.parser.value(kFilter);
    const std::optional<DueFilter> filter = FilterOfName(filterText);
    if (!filter) {
        Fail(call.err, Text::tr("bad filter \"%1\": expected all, paid or unpaid").arg(filterText));
        return false;
    }
    query.filter = *filter;
    return true;
}

// Loads the working directory of --workdir into the store and lists the
// month; false once the reason is said. Files that could not be read are
// named and skipped.
bool LoadMonth(const Invocation& call, const MonthQuery& query, MonthList& list)
{
    if (!OpenFolderForReading(call.parser.value(kWorkDir), call.err))
        return false;
    list = theDueStore.FillMonthList(query.month, query.filter);
    std::stable_sort(list.rows.begin(), list.rows.end(), DueListLess);
    return true;
}

Outcome RunList(const Invocation& call)
{
    MonthQuery query;
    if (!ReadMonthQuery(call, query))
        return 2;
    bool json = false;
    if (!WriteCommands::ReadFormat(call.parser.value(QStringLiteral("format")), json, call.err))
        return 2;
    MonthList list;
    if (!LoadMonth(call, query, list))
        return 2;
    if (json) {
        call.out << WriteCommands::DuesJson(list.rows);
        call.out.flush();
        return 0;
    }
    const QLocale locale; // the system locale unless a caller set another default
    for (const DueRecord& r : list.rows)
        call.out << WriteCommands::DueLine(r) << '\n';
    auto money = [&](double amount) { return FormatCurrencyText(AmountText(amount), locale); };
    call.out << LoadResString(MessageId::PaidLabel) << money(list.paid) << '\n'
             << LoadResString(MessageId::UnpaidLabel) << money(list.unpaid) << '\n'
             << LoadResString(MessageId::TotalLabel) << money(list.Total()) << '\n';
    call.out.flush();
    return 0;
}

// The months of an export: --month, or --from and --to. False once the
// problem is said.
bool ReadExportMonths(const Invocation& call, COleDateTime& first, COleDateTime& last)
{
    const bool range = call.parser.isSet(kFrom) || call.parser.isSet(kTo);
    if (!range) {
        if (!call.parser.isSet(kMonth)) {
            Fail(call.err, Text::tr("--month YYYY-MM is required (or --from and --to)"));
            return false;
        }
        const QString monthText = call.parser.value(kMonth);
        if (!ParseMonth(monthText, first)) {
            Fail(call.err, Text::tr("bad month \"%1\": expected YYYY-MM").arg(monthText));
            return false;
        }
        last = first;
        return true;
    }
    if (call.parser.isSet(kMonth)) {
        Fail(call.err, Text::tr("--month cannot be combined with --from and --to"));
        return false;
    }
    if (!call.parser.isSet(kFrom) || !call.parser.isSet(kTo)) {
        Fail(call.err, Text::tr("--from YYYY-MM and --to YYYY-MM go together"));
        return false;
    }
    return ReadMonthRange(call, first, last);
}

Outcome RunExport(const Invocation& call)
{
    const QString format = call.arguments.value(0);
    COleDateTime first, last;
    if (!ReadExportMonths(call, first, last))
        return 2;
    MonthQuery query;
    query.month = first;
    const QString filterText = call.parser.value(kFilter);
    const std::optional<DueFilter> filter = FilterOfName(filterText);
    if (!filter)
        return Fail(call.err, Text::tr("bad filter \"%1\": expected all, paid or unpaid").arg(filterText));
    query.filter = *filter;
    const ExportFunction exporter = Exports().value(format);
    if (!exporter) {
        if (ExportsElsewhere().contains(format))
            return HandOver{ExportsElsewhere().value(format)};
        return Fail(call.err, Text::tr("unknown export format \"%1\"").arg(format));
    }
    MonthList list;
    if (!LoadMonth(call, query, list))
        return 2;
    const QString refusal = OutputPath::Refusal(call.parser.value(kOutput), theDueStore.Folder());
    if (!refusal.isEmpty())
        return Fail(call.err, refusal);
    ExportRequest request;
    request.dues = list.rows;
    // A range lists every month from the first to the last, each in list order.
    for (int m = first.GetYear() * 12 + first.GetMonth(); m < last.GetYear() * 12 + last.GetMonth();) {
        ++m;
        COleDateTime month;
        (void)month.SetDate((m - 1) / 12, (m - 1) % 12 + 1, 1);
        MonthList more = theDueStore.FillMonthList(month, query.filter);
        std::stable_sort(more.rows.begin(), more.rows.end(), DueListLess);
        request.dues += more.rows;
    }
    request.locale = QLocale();
    request.month = first;
    request.withNotes = !call.parser.isSet(kNoNotes);
    request.outputPath = call.parser.value(kOutput);
    // The file is written; what it had to change is said on stderr.
    request.warn = [&call](const QString& text) {
        call.err << "tallyvane: " << text << '\n';
        call.err.flush();
    };
    QString why;
    if (!exporter(request, &why))
        return Fail(call.err, why.isEmpty() ? Text::tr("could not write %1").arg(request.outputPath) : why);
    // Not an error: the file is complete, it just lists nothing.
    if (request.dues.isEmpty()) {
        const QString months = call.parser.isSet(kMonth)
                                   ? call.parser.value(kMonth)
                                   : call.parser.value(kFrom) + QStringLiteral("..") + call.parser.value(kTo);
        Fail(call.err, Text::tr("no dues in %1: %2 lists none").arg(months, request.outputPath));
    }
    return 0;
}

QList<QCommandLineOption> ListOptions()
{
    return {WorkDirOption(DataWorkDirText()), MonthOption(), FilterOption(), WriteCommands::FormatOption()};
}

QList<QCommandLineOption> ExportOptions()
{
    return {WorkDirOption(DataWorkDirText()),
            MonthOption(),
            QCommandLineOption(kFrom, Text::tr("The first month of a range, instead of --month"),
                               QStringLiteral("YYYY-MM")),
            QCommandLineOption(kTo, Text::tr("The last month of the range"), QStringLiteral("YYYY-MM")),
            FilterOption(),
            QCommandLineOption(kNoNotes, Text::tr("Leave the notes out")),
            QCommandLineOption(kOutput, Text::tr("The file to write"), QStringLiteral("FILE"))};
}

// Whatever stands after a command's name that it does not take.
QString UnexpectedArgumentText(const QString& argument)
{
    return Text::tr("unexpected argument: %1").arg(argument);
}

QString CheckExportArguments(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return Text::tr("export needs a format: %1").arg(SortedExportNames().join(QLatin1Char('|')));
    if (arguments.size() > 1)
        return UnexpectedArgumentText(arguments.at(1));
    return {};
}

QString ExportDetails()
{
    return Text::tr("FORMAT is one of: %1").arg(SortedExportNames().join(QStringLiteral(", ")));
}

// What a writing command deleted, kept for the window to say when such a
// due comes back.
std::unique_ptr<DeletionMemory>& Deletions()
{
    static std::unique_ptr<DeletionMemory> memory;
    return memory;
}

void FlushDeletions(QTextStream& err)
{
    std::unique_ptr<DeletionMemory>& memory = Deletions();
    if (!memory)
        return;
    QString why;
    if (!memory->Flush(&why))
        Fail(err, Text::tr("could not note the deleted dues in %1: %2")
                      .arg(QDir::toNativeSeparators(memory->FilePath()), why));
    memory.reset();
}

Outcome RunCommand(const Command& command, const QStringList& args, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    const QList<QCommandLineOption> options = command.options();
    parser.addOptions(options);
    const QCommandLineOption help = HelpOption();
    parser.addOption(help);
    QString error;
    const bool parsed = Parse(parser, args, &error);
    if (parser.isSet(help)) {
        out << CommandUsage(command);
        out.flush();
        return 0;
    }
    if (!parsed)
        return Fail(err, error);
    const QStringList arguments = parser.positionalArguments();
    if (command.checkArguments) {
        const QString problem = command.checkArguments(arguments);
        if (!problem.isEmpty())
            return Fail(err, problem);
    } else if (!arguments.isEmpty()) {
        return Fail(err, UnexpectedArgumentText(arguments.first()));
    }
    for (const QString& name : command.required) {
        if (parser.isSet(name))
            continue;
        const auto it = std::find_if(options.begin(), options.end(),
                                     [&](const QCommandLineOption& o) { return o.names().contains(name); });
        return Fail(err, Text::tr("%1 is required").arg(OptionSynopsis(*it, true)));
    }
    const Outcome outcome = command.run(Invocation{parser, arguments, out, err});
    FlushDeletions(err);
    return outcome;
}

} // namespace

namespace {

// Loads the data folder of workDir into theDueStore; for a command that
// writes, it is created first and its writer's lock taken. False once the
// reason is said on err. Files that could not be read are named and skipped.
bool OpenFolder(const QString& given, QTextStream& err, bool forWriting, bool sayConflicts)
{
    const QString workDir = QFileInfo(given).isDir() ? WorkDirForArgument(given) : given;
    const QFileInfo dirInfo(workDir);
    if (!dirInfo.isDir()) {
        Fail(err, Text::tr("working directory not found: %1").arg(workDir));
        return false;
    }
    if (!dirInfo.isReadable()) {
        Fail(err, Text::tr("working directory not readable: %1").arg(workDir));
        return false;
    }
    const DataFolder folder(dirInfo.absoluteFilePath());
    if (!forWriting) {
        theDueStore.SetFolder(folder);
    } else if (!folder.Create()) {
        Fail(err,
             Text::tr("could not create the data folder %1").arg(QDir::toNativeSeparators(folder.Path())));
        return false;
    } else {
        // Its commits take the folder's writers' lock for as long as they
        // rename: an open window or another command never stops this one.
        theDueStore.SetFolder(folder, true);
        Deletions() = std::make_unique<DeletionMemory>(folder);
        Deletions()->Follow(theDueStore);
    }
    theDueStore.LoadAll();
    QString unusable;
    if (!folder.CheckUsable(&unusable)) {
        Fail(err, unusable);
        return false;
    }
    for (const QString& problem : theDueStore.LoadProblems())
        err << "tallyvane: " << Text::tr("skipped %1").arg(problem) << '\n';
    if (sayConflicts)
        for (const DueConflict& conflict : theDueStore.Conflicts())
            err << "tallyvane: "
                << Text::tr("%1 (see \"tallyvane conflicts\")").arg(CDueStore::ConflictText(conflict))
                << '\n';
    // Said once, as the window says it: what was removed is gone for good.
    for (const QString& note : theDueStore.TakeRecoveryNotes())
        err << "tallyvane: " << note << '\n';
    const QStringList swept = theDueStore.TakeSweptFiles();
    if (!swept.isEmpty())
        err << "tallyvane: "
            << (swept.size() == 1
                    ? Text::tr("removed a leftover file of an earlier save that was interrupted: %1")
                    : Text::tr("removed %n leftover files of an earlier save that was interrupted: %1",
                               nullptr, int(swept.size())))
                   .arg(swept.join(QStringLiteral(", ")))
            << '\n';
    err.flush();
    return true;
}

} // namespace

void VaryIdentifiersByInstallation()
{
    SetSingleDueNumber(InstallationNumber());
    theDueStore.m_nSeriesCounter = int(QRandomGenerator::global()->bounded(99));
}

QString WorkDirForArgument(const QString& folder)
{
    // The data folder itself was given: its parent is the working directory,
    // as when it is picked in the dialog. Only a folder that holds dues
    // counts, so an empty folder that happens to have the name is used as it is.
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QFileInfo info(path);
    if (info.fileName() == QLatin1String(kDataFolderName) && !DueFolderReader::ListDueFiles(path).isEmpty())
        return QDir::cleanPath(info.absolutePath());
    return path;
}

bool OpenFolderForReading(const QString& workDir, QTextStream& err, bool sayConflicts)
{
    return OpenFolder(workDir, err, false, sayConflicts);
}

bool OpenFolderForWriting(const QString& workDir, QTextStream& err, bool sayConflicts)
{
    return OpenFolder(workDir, err, true, sayConflicts);
}

bool ReadMonthRange(const Invocation& call, COleDateTime& first, COleDateTime& last)
{
    const QString from = call.parser.value(kFrom), to = call.parser.value(kTo);
    for (const auto& [text, month] : {std::pair{from, &first}, std::pair{to, &last}}) {
        if (!ParseMonth(text, *month)) {
            Fail(call.err, Text::tr("bad month \"%1\": expected YYYY-MM").arg(text));
            return false;
        }
    }
    if (last < first) {
        Fail(call.err, Text::tr("--to %1 is before --from %2").arg(to, from));
        return false;
    }
    return true;
}

const QList<Command>& Commands()
{
    static const QList<Command> commands{
        {QStringLiteral("list"),
         QString(),
         Text::tr("Print the dues of one month, one tab-separated line each, then their sums"),
         &ListOptions,
         {kWorkDir, kMonth},
         nullptr,
         nullptr,
         &RunList},
        {QStringLiteral("export"),
         QStringLiteral("FORMAT"),
         Text::tr("Write the dues of one month or a range of months to a file, as the window's export does"),
         &ExportOptions,
         {kWorkDir, kOutput},
         &CheckExportArguments,
         &ExportDetails,
         &RunExport},
        {QStringLiteral("import"),
         QStringLiteral("csv FILE"),
         Text::tr("Add the dues of a CSV file, each under a new record identifier"),
         [] { return QList<QCommandLineOption>{WorkDirOption(DataWorkDirText())}; },
         {kWorkDir},
         &DataCommands::CheckImportArguments,
         nullptr,
         &DataCommands::RunImport},
        {QStringLiteral("report"),
         QString(),
         Text::tr("Print the sums of the dues of a range of months by month, payee, account, type or series"),
         &ReportCommand::Options,
         {kWorkDir, kFrom, kTo, QStringLiteral("by")},
         nullptr,
         &ReportCommand::Details,
         &ReportCommand::Run},
        {QStringLiteral("upcoming"),
         QString(),
         Text::tr("Print the unpaid dues that are late or fall due within N days, then their sums"),
         &WriteCommands::UpcomingOptions,
         {kWorkDir},
         nullptr,
         nullptr,
         &WriteCommands::RunUpcoming},
        {QStringLiteral("add"),
         QString(),
         Text::tr("Add a due, or a series with --repeat; prints the identifier of every due it adds"),
         &WriteCommands::AddOptions,
         {kWorkDir, QStringLiteral("title"), QStringLiteral("due")},
         nullptr,
         nullptr,
         &WriteCommands::RunAdd},
        {QStringLiteral("paid"),
         QStringLiteral("ID..."),
         Text::tr("Mark dues paid (or unpaid with --unpaid)"),
         &WriteCommands::PaidOptions,
         {kWorkDir},
         &WriteCommands::CheckPaidArguments,
         nullptr,
         &WriteCommands::RunPaid},
        {QStringLiteral("delete"),
         QStringLiteral("ID"),
         Text::tr("Delete a due, or its whole series with --series"),
         &WriteCommands::DeleteOptions,
         {kWorkDir},
         &WriteCommands::CheckDeleteArguments,
         nullptr,
         &WriteCommands::RunDelete},
        {QStringLiteral("conflicts"),
         QString(),
         Text::tr("Print the dues that more than one file holds, with every file's version"),
         &ConflictCommands::ConflictsOptions,
         {kWorkDir},
         nullptr,
         &ConflictCommands::ConflictsDetails,
         &ConflictCommands::RunConflicts},
        {QStringLiteral("resolve"),
         QStringLiteral("ID"),
         Text::tr("End a conflict: keep one file's version as the due, or keep every version as a due"),
         &ConflictCommands::ResolveOptions,
         {kWorkDir, QStringLiteral("keep")},
         &ConflictCommands::CheckResolveArguments,
         &ConflictCommands::ResolveDetails,
         &ConflictCommands::RunResolve},
        {QStringLiteral("sync"),
         QString(),
         Text::tr("Bring the dues and a CalDAV calendar in step, both ways"),
         &SyncCommand::Options,
         {kWorkDir},
         nullptr,
         &SyncCommand::Details,
         [](const Invocation& call) -> Outcome {
             // Run by the helper that links the network and calendar libraries.
             if (const CommandFunction run = CommandsHere().value(QStringLiteral("sync")))
                 return run(call);
             return HandOver{QStringLiteral(TALLYVANE_SYNC_PROGRAM)};
         }},
    };
    return commands;
}

QList<QCommandLineOption> WindowOptions()
{
    return {
        WorkDirOption(Text::tr("Open the dues under DIR; the remembered working directory stays as it is")),
        QCommandLineOption(QStringLiteral("tray"),
                           Text::tr("Start in the notification area, without the window (as at login)"))};
}

bool Parse(QCommandLineParser& parser, const QStringList& args, QString* error)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // The parser skips the program's name.
    if (parser.parse(QStringList{QStringLiteral("tallyvane")} + args)) {
        // The last of two values would win silently: refuse instead.
        const QStringList found = parser.optionNames();
        for (qsizetype i = 0; i < found.size(); ++i) {
            if (found.indexOf(found.at(i), i + 1) > i) {
                *error = Text::tr("option %1 given twice").arg(Spelling(found.at(i), args));
                return false;
            }
        }
        return true;
    }
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
        *error = Text::tr("unknown option: %1").arg(Spelling(unknown.first(), args));
    else if (!args.isEmpty() && IsMissingValue(parser, args.constLast()))
        *error = Text::tr("option %1 needs a value").arg(args.constLast());
    else
        *error = parser.errorText();
    return false;
}

Outcome Run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (!args.isEmpty()) {
        if (const Command* command = FindCommand(args.first()))
            return RunCommand(*command, args.mid(1), out, err);
        // "help" alone is --help; "help COMMAND" is COMMAND --help.
        if (args.first() == QLatin1String("help")) {
            if (args.size() > 2)
                return Fail(err, UnexpectedArgumentText(args.at(2)));
            if (args.size() == 2) {
                const Command* command = FindCommand(args.at(1));
                if (!command)
                    return Fail(err, Text::tr("unknown command: %1").arg(args.at(1)));
                out << CommandUsage(*command);
            } else {
                out << Usage();
            }
            out.flush();
            return 0;
        }
    }
    QCommandLineParser parser;
    parser.addOptions(WindowOptions());
    const QCommandLineOption help = HelpOption();
    const QCommandLineOption version = VersionOption();
    parser.addOption(help);
    parser.addOption(version);
    QString error;
    const bool parsed = Parse(parser, args, &error);
    if (parser.isSet(help)) {
        out << Usage();
        out.flush();
        return 0;
    }
    if (parser.isSet(version)) {
        out << "tallyvane " << TALLYVANE_VERSION << '\n';
        out.flush();
        return 0;
    }
    // A command further on gets its options refused: say what is wrong instead.
    const QStringList arguments = parser.positionalArguments();
    if (!arguments.isEmpty() && FindCommand(arguments.first()))
        return Fail(err, Text::tr("the command %1 comes first, before any option").arg(arguments.first()));
    if (!parsed)
        return Fail(err, error);
    if (!arguments.isEmpty())
        return Fail(err, Text::tr("unknown command: %1").arg(arguments.first()));
    return HandOver{QStringLiteral(TALLYVANE_WINDOW_PROGRAM)};
}

QString Usage()
{
    QString text;
    QTextStream s(&text);
    const QString usage = Text::tr("Usage:");
    QStringList window{QStringLiteral("tallyvane")};
    for (const QCommandLineOption& option : WindowOptions())
        window << OptionSynopsis(option, false);
    s << usage << ' ' << window.join(QLatin1Char(' ')) << '\n'
      << QString(usage.size(), QLatin1Char(' ')) << " tallyvane COMMAND ...\n\n"
      << Text::tr("Keeps track of bills and other payments that fall due.") << "\n\n"
      << Text::tr("Without a command it opens its window:") << '\n'
      << OptionTable(WindowOptions()) << '\n'
      << Text::tr("Commands, which need no window:") << '\n';
    for (const Command& command : Commands())
        s << "  tallyvane " << Synopsis(command) << '\n' << "      " << command.summary << '\n';
    s << '\n'
      << Text::tr("Options:") << '\n'
      << OptionTable({HelpOption(), VersionOption()}) << '\n'
      << Text::tr("\"tallyvane COMMAND --help\" describes the command's options.") << '\n';
    return text;
}

QString CommandUsage(const Command& command)
{
    QString text;
    QTextStream s(&text);
    s << Text::tr("Usage:") << " tallyvane " << Synopsis(command) << "\n\n" << command.summary << '\n';
    if (command.details)
        s << command.details() << '\n';
    s << '\n' << Text::tr("Options:") << '\n' << OptionTable(command.options() + QList{HelpOption()});
    return text;
}

QHash<QString, CommandFunction>& CommandsHere()
{
    static QHash<QString, CommandFunction> commands;
    return commands;
}

QHash<QString, ExportFunction>& Exports()
{
    static QHash<QString, ExportFunction> exports;
    return exports;
}

QHash<QString, QString>& ExportsElsewhere()
{
    static QHash<QString, QString> exports;
    return exports;
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

} // namespace CommandLine
