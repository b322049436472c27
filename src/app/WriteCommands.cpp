#include "app/WriteCommands.h"

#include "app/CommandLine.h"
#include "model/base/Clock.h"
#include "model/base/LocaleFormat.h"
#include "model/services/ComingUp.h"
#include "model/services/DueMarking.h"
#include "model/store/CDueStore.h"
#include "recurrence/OccurrenceSequence.h"
#include "recurrence/RecurrencePattern.h"

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>

#include <optional>

namespace WriteCommands {

namespace {

// More members than this in one series is taken for a typing mistake.
constexpr qint64 kMaxSeriesSize = 100000;
constexpr double kMaxAmount = 1e18;

// The file's texts. Named as its translation context, so that lupdate files
// them under it even where it loses track of the scope (after a qualified
// return type).
struct WriteCommandsText
{
    Q_DECLARE_TR_FUNCTIONS(WriteCommandsText)
};

using CommandLine::Fail;

// The options and words of one command as its handler reads them: values
// and flags by their spelling ("--title").
struct Parsed
{
    QHash<QString, QString> values;
    QSet<QString> flags;
    QStringList words;
};

Parsed FromCall(const CommandLine::Invocation& call, const QList<QCommandLineOption>& options)
{
    Parsed p;
    for (const QCommandLineOption& option : options) {
        const QString name = option.names().constLast();
        if (!call.parser.isSet(name))
            continue;
        if (option.valueName().isEmpty())
            p.flags.insert(QStringLiteral("--") + name);
        else
            p.values.insert(QStringLiteral("--") + name, call.parser.value(name));
    }
    p.words = call.arguments;
    return p;
}

QCommandLineOption Valued(const QString& name, const QString& valueName, const char* description)
{
    return QCommandLineOption(name, WriteCommandsText::tr(description), valueName);
}

QCommandLineOption Flag(const QString& name, const char* description)
{
    return QCommandLineOption(name, WriteCommandsText::tr(description));
}

QCommandLineOption WorkDir()
{
    return Valued(QStringLiteral("workdir"), QStringLiteral("DIR"),
                  QT_TRANSLATE_NOOP("WriteCommandsText", "The working directory that holds the dues"));
}

std::optional<QDateTime> ParseWhen(const QString& text)
{
    for (const char* format : {"yyyy-MM-dd", "yyyy-MM-ddTHH:mm"}) {
        const QDateTime dt = QDateTime::fromString(text, QString::fromLatin1(format));
        if (dt.isValid() && COleDateTime::FromQDateTime(dt).IsValid())
            return dt;
    }
    return std::nullopt;
}

std::optional<qint64> ParseCount(const QString& text, qint64 min, qint64 max)
{
    static const QRegularExpression digits(QStringLiteral("^\\d{1,12}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const qint64 n = text.toLongLong();
    if (n < min || n > max)
        return std::nullopt;
    return n;
}

std::optional<double> ParseAmountText(const QString& text)
{
    // Plain digits with "." for the decimals, whatever the locale: scripts
    // should not depend on it.
    static const QRegularExpression re(QStringLiteral("^\\d{1,18}(\\.\\d+)?$|^\\.\\d+$"));
    if (!re.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || value > kMaxAmount)
        return std::nullopt;
    return value;
}

QString TypeName(int type)
{
    return type == 2 ? QStringLiteral("personal") : QStringLiteral("business");
}

QString IsoText(const COleDateTime& date)
{
    const QDateTime dt = date.ToQDateTime();
    return dt.isValid() ? dt.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) : QString();
}

// Every identifier must name a due of the folder before anything is written.
bool CheckIds(const QStringList& ids, QTextStream& err)
{
    for (const QString& id : ids) {
        if (!theDueStore.Contains(id)) {
            Fail(err, WriteCommandsText::tr("no due with the identifier %1").arg(id));
            return false;
        }
    }
    return true;
}

struct SeriesOptions
{
    RecurrencePattern pattern;
    bool repeat = false;
};

// Reads --repeat, --every, --count/--until and --weekdays into a pattern that
// starts at start. An empty string when they are acceptable.
QString ReadRepeat(const Parsed& p, const QDateTime& start, SeriesOptions& series)
{
    const bool any =
        p.values.contains(QStringLiteral("--repeat")) || p.values.contains(QStringLiteral("--every")) ||
        p.values.contains(QStringLiteral("--count")) || p.values.contains(QStringLiteral("--until")) ||
        p.values.contains(QStringLiteral("--weekdays"));
    if (!any)
        return {};
    const QString repeat = p.values.value(QStringLiteral("--repeat"));
    static const QStringList kinds{QStringLiteral("daily"), QStringLiteral("weekly"),
                                   QStringLiteral("monthly"), QStringLiteral("yearly")};
    const qsizetype frequency = kinds.indexOf(repeat);
    if (frequency < 0)
        return WriteCommandsText::tr("--repeat must be daily, weekly, monthly or yearly");
    const std::optional<qint64> every = ParseCount(p.values.value(QStringLiteral("--every")), 1, 9999);
    if (!every)
        return WriteCommandsText::tr("--every N needs a whole number from 1 to 9999");
    if (frequency == RecurrencePattern::Year && *every != 1)
        return WriteCommandsText::tr("a yearly due repeats every year: --every must be 1");
    const bool hasCount = p.values.contains(QStringLiteral("--count"));
    const bool hasUntil = p.values.contains(QStringLiteral("--until"));
    if (hasCount == hasUntil)
        return WriteCommandsText::tr("a repeating due needs either --count N or --until YYYY-MM-DD");
    if (p.values.contains(QStringLiteral("--weekdays")) && frequency != RecurrencePattern::Week)
        return WriteCommandsText::tr("--weekdays goes with --repeat weekly only");

    RecurrencePattern& pat = series.pattern;
    pat = RecurrencePattern::Defaults(COleDateTime::FromQDateTime(start));
    pat.m_nFrequency = int(frequency);
    const QString n = QString::number(*every);
    const QDate day = start.date();
    switch (frequency) {
    case RecurrencePattern::Day:
        pat.m_bDailyEvery = true;
        pat.m_strDailyInterval = n;
        break;
    case RecurrencePattern::Week: {
        pat.m_strWeeklyInterval = n;
        pat.m_bWeekday.fill(false);
        if (p.values.contains(QStringLiteral("--weekdays"))) {
            static const QStringList names{
                QStringLiteral("sun"), QStringLiteral("mon"), QStringLiteral("tue"), QStringLiteral("wed"),
                QStringLiteral("thu"), QStringLiteral("fri"), QStringLiteral("sat")};
            for (const QString& w : p.values.value(QStringLiteral("--weekdays")).split(QLatin1Char(','))) {
                const qsizetype i = names.indexOf(w.trimmed().toLower());
                if (i < 0)
                    return WriteCommandsText::tr(
                               "bad weekday \"%1\": expected mon, tue, wed, thu, fri, sat or sun")
                        .arg(w);
                pat.m_bWeekday[size_t(i)] = true;
            }
        } else {
            pat.m_bWeekday[size_t(day.dayOfWeek() % 7)] = true; // Sunday first
        }
        break;
    }
    case RecurrencePattern::Month:
        pat.m_bMonthlyByDay = true;
        pat.m_strMonthlyDay = QString::number(day.day());
        pat.m_strMonthlyDayInterval = n;
        break;
    default:
        pat.m_bYearlyByDate = true;
        pat.m_nYearlyMonth = day.month() - 1;
        pat.m_strYearlyDay = QString::number(day.day());
        break;
    }
    pat.m_dtRangeStart = COleDateTime::FromQDateTime(start);
    if (hasCount) {
        const std::optional<qint64> count =
            ParseCount(p.values.value(QStringLiteral("--count")), 1, kMaxSeriesSize);
        if (!count)
            return WriteCommandsText::tr("--count N needs a whole number from 1 to %1").arg(kMaxSeriesSize);
        pat.m_bEndAfter = true;
        pat.m_strOccurrences = QString::number(*count);
    } else {
        const QDate until = QDate::fromString(p.values.value(QStringLiteral("--until")), Qt::ISODate);
        if (!until.isValid() || !COleDateTime::FromQDateTime(QDateTime(until, QTime(23, 59, 59))).IsValid())
            return WriteCommandsText::tr("bad date for --until \"%1\": expected YYYY-MM-DD")
                .arg(p.values.value(QStringLiteral("--until")));
        if (until < day)
            return WriteCommandsText::tr("--until lies before the first due date");
        pat.m_bEndAfter = false;
        pat.m_dtEndBy = COleDateTime::FromQDateTime(QDateTime(until, QTime(23, 59, 59)));
    }
    QString problem = pat.ValidatePattern();
    if (problem.isEmpty())
        problem = pat.ValidateRange();
    if (!problem.isEmpty())
        return problem;
    series.repeat = true;
    return {};
}

} // namespace

// Store errors after a change: one line each. Returns the exit status: 3
// when a due's file changed under the command (nothing was written over it).
int ReportErrors(QTextStream& err)
{
    const bool stale = !theDueStore.TakeStaleChanges().isEmpty();
    const QStringList errors = theDueStore.TakeErrors();
    for (const QString& e : errors)
        err << "tallyvane: " << e << '\n';
    err.flush();
    if (errors.isEmpty())
        return 0;
    return stale ? kExitChangedElsewhere : 2;
}

QString DueLine(const DueRecord& r)
{
    const QLocale locale;
    const QStringList fields{
        r.m_strRecId,
        r.m_dtDue.ToQDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")),
        CommandLine::EscapeField(r.m_strTitle),
        CommandLine::EscapeField(r.m_strPayTo),
        CommandLine::EscapeField(r.m_strAccount),
        FormatCurrencyText(AmountText(r.m_dAmount), locale),
        r.m_bPaid ? QStringLiteral("Paid") : QStringLiteral("Unpaid"),
        r.m_strSeriesId.isEmpty() ? QStringLiteral("-") : CommandLine::EscapeField(r.m_strSeriesId),
    };
    return fields.join(QLatin1Char('\t'));
}

QJsonObject DueJson(const DueRecord& r)
{
    QJsonObject o;
    o.insert(QStringLiteral("id"), r.m_strRecId);
    o.insert(QStringLiteral("title"), r.m_strTitle);
    o.insert(QStringLiteral("start"), IsoText(r.m_dtStart));
    o.insert(QStringLiteral("due"), IsoText(r.m_dtDue));
    o.insert(QStringLiteral("payTo"), r.m_strPayTo);
    o.insert(QStringLiteral("account"), r.m_strAccount);
    o.insert(QStringLiteral("amount"), r.m_dAmount);
    o.insert(QStringLiteral("type"), TypeName(r.m_nType));
    o.insert(QStringLiteral("paid"), r.m_bPaid != 0);
    o.insert(QStringLiteral("notes"), r.m_strNotes);
    o.insert(QStringLiteral("series"),
             r.m_strSeriesId.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(r.m_strSeriesId));
    return o;
}

QByteArray DuesJson(const QList<DueRecord>& dues)
{
    QJsonArray array;
    for (const DueRecord& r : dues)
        array.append(DueJson(r));
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

QCommandLineOption FormatOption()
{
    return QCommandLineOption(QStringLiteral("format"), WriteCommandsText::tr("text (the default) or json"),
                              QStringLiteral("text|json"), QStringLiteral("text"));
}

bool ReadFormat(const QString& value, bool& json, QTextStream& err)
{
    if (value != QLatin1String("json") && value != QLatin1String("text")) {
        Fail(err, WriteCommandsText::tr("bad format \"%1\": expected text or json").arg(value));
        return false;
    }
    json = value == QLatin1String("json");
    return true;
}

QList<QCommandLineOption> AddOptions()
{
    using namespace Qt::StringLiterals;
    return {
        WorkDir(),
        Valued(u"title"_s, u"T"_s, QT_TRANSLATE_NOOP("WriteCommandsText", "The title")),
        Valued(u"due"_s, u"YYYY-MM-DD[THH:MM]"_s,
               QT_TRANSLATE_NOOP("WriteCommandsText", "When it falls due")),
        Valued(u"start"_s, u"YYYY-MM-DD[THH:MM]"_s,
               QT_TRANSLATE_NOOP("WriteCommandsText", "Its start date (the due date when not given)")),
        Valued(u"payto"_s, u"P"_s, QT_TRANSLATE_NOOP("WriteCommandsText", "Whom it is paid to")),
        Valued(u"account"_s, u"A"_s, QT_TRANSLATE_NOOP("WriteCommandsText", "The account")),
        Valued(u"amount"_s, u"12.50"_s,
               QT_TRANSLATE_NOOP("WriteCommandsText", "The amount, with \".\" for decimals")),
        Valued(u"type"_s, u"business|personal"_s, QT_TRANSLATE_NOOP("WriteCommandsText", "The type")),
        Flag(u"paid"_s, QT_TRANSLATE_NOOP("WriteCommandsText", "Already paid (the first of a series)")),
        Valued(u"notes"_s, u"TEXT"_s, QT_TRANSLATE_NOOP("WriteCommandsText", "Notes")),
        Valued(u"repeat"_s, u"daily|weekly|monthly|yearly"_s,
               QT_TRANSLATE_NOOP("WriteCommandsText", "Make a series that repeats")),
        Valued(u"every"_s, u"N"_s, QT_TRANSLATE_NOOP("WriteCommandsText", "Every N days, weeks or months")),
        Valued(u"count"_s, u"N"_s, QT_TRANSLATE_NOOP("WriteCommandsText", "How many dues the series has")),
        Valued(u"until"_s, u"YYYY-MM-DD"_s,
               QT_TRANSLATE_NOOP("WriteCommandsText", "Or the last day of the series")),
        Valued(u"weekdays"_s, u"mon,wed,..."_s,
               QT_TRANSLATE_NOOP("WriteCommandsText", "The days of a weekly series"))};
}

QList<QCommandLineOption> PaidOptions()
{
    return {WorkDir(), Flag(QStringLiteral("unpaid"),
                            QT_TRANSLATE_NOOP("WriteCommandsText", "Mark them unpaid instead"))};
}

QList<QCommandLineOption> DeleteOptions()
{
    return {WorkDir(), Flag(QStringLiteral("series"),
                            QT_TRANSLATE_NOOP("WriteCommandsText", "Delete every due of its series"))};
}

QList<QCommandLineOption> UpcomingOptions()
{
    return {WorkDir(),
            Valued(QStringLiteral("days"), QStringLiteral("N"),
                   QT_TRANSLATE_NOOP("WriteCommandsText", "How many days ahead (14 when not given)")),
            FormatOption()};
}

QString CheckPaidArguments(const QStringList& arguments)
{
    return arguments.isEmpty() ? WriteCommandsText::tr("paid needs at least one identifier") : QString();
}

QString CheckDeleteArguments(const QStringList& arguments)
{
    return arguments.size() != 1 ? WriteCommandsText::tr("delete needs exactly one identifier") : QString();
}

CommandLine::Outcome RunAdd(const CommandLine::Invocation& call)
{
    QTextStream& out = call.out;
    QTextStream& err = call.err;
    const Parsed p = FromCall(call, AddOptions());
    DueRecord due;
    due.m_strTitle = p.values.value(QStringLiteral("--title")).trimmed();
    if (due.m_strTitle.isEmpty())
        return Fail(err, WriteCommandsText::tr("--title T is required and may not be blank"));
    const QString dueText = p.values.value(QStringLiteral("--due"));
    const std::optional<QDateTime> dueAt = ParseWhen(dueText);
    if (!dueAt)
        return Fail(
            err, WriteCommandsText::tr("bad date for --due \"%1\": expected YYYY-MM-DD or YYYY-MM-DDTHH:MM")
                     .arg(dueText));
    QDateTime startAt = *dueAt;
    if (p.values.contains(QStringLiteral("--start"))) {
        const std::optional<QDateTime> s = ParseWhen(p.values.value(QStringLiteral("--start")));
        if (!s)
            return Fail(err, WriteCommandsText::tr(
                                 "bad date for --start \"%1\": expected YYYY-MM-DD or YYYY-MM-DDTHH:MM")
                                 .arg(p.values.value(QStringLiteral("--start"))));
        if (*s > *dueAt)
            return Fail(err, WriteCommandsText::tr("--start lies after --due"));
        startAt = *s;
    }
    due.m_dtStart = COleDateTime::FromQDateTime(startAt);
    due.m_dtDue = COleDateTime::FromQDateTime(*dueAt);
    due.m_strPayTo = p.values.value(QStringLiteral("--payto"));
    due.m_strAccount = p.values.value(QStringLiteral("--account"));
    if (p.values.contains(QStringLiteral("--amount"))) {
        const std::optional<double> amount = ParseAmountText(p.values.value(QStringLiteral("--amount")));
        if (!amount)
            return Fail(err, WriteCommandsText::tr(
                                 "bad amount \"%1\": expected digits with \".\" for decimals, at most 1e18")
                                 .arg(p.values.value(QStringLiteral("--amount"))));
        due.m_dAmount = *amount;
    } else {
        due.m_dAmount = 0.0;
    }
    const QString type = p.values.value(QStringLiteral("--type"), QStringLiteral("business"));
    if (type != QLatin1String("business") && type != QLatin1String("personal"))
        return Fail(err, WriteCommandsText::tr("bad type \"%1\": expected business or personal").arg(type));
    due.m_nType = type == QLatin1String("personal") ? 2 : 1;
    due.m_bPaid = p.flags.contains(QStringLiteral("--paid")) ? 1 : 0;
    // Notes are kept with CR LF line breaks, as the editor stores them.
    QString notes = p.values.value(QStringLiteral("--notes"));
    notes.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    notes.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    due.m_strNotes = notes;

    // The series runs on the start dates; each due keeps the start-to-due gap.
    SeriesOptions series;
    const QString problem = ReadRepeat(p, startAt, series);
    if (!problem.isEmpty())
        return Fail(err, problem);
    QList<COleDateTime> starts;
    if (series.repeat) {
        starts = OccurrenceSequence::All(series.pattern, kMaxSeriesSize + 1);
        if (starts.isEmpty())
            return Fail(err, WriteCommandsText::tr("the repeat options yield no date"));
        if (starts.size() > kMaxSeriesSize)
            return Fail(
                err, WriteCommandsText::tr("the repeat options yield more than %1 dues").arg(kMaxSeriesSize));
    }
    if (!CommandLine::OpenFolderForWriting(p.values.value(QStringLiteral("--workdir")), err))
        return 2;

    CDueStore::Batch batch; // one sync pass for the whole series
    QStringList added;
    if (!series.repeat) {
        added << theDueStore.AddDue(due);
    } else {
        const qint64 gap = startAt.secsTo(*dueAt);
        due.m_strSeriesId = theDueStore.NewSeriesId();
        for (qsizetype i = 0; i < starts.size(); ++i) {
            DueRecord member = due;
            member.m_dtStart = starts.at(i);
            member.m_dtDue = COleDateTime::FromQDateTime(starts.at(i).ToQDateTime().addSecs(gap));
            member.m_bPaid = i == 0 ? due.m_bPaid : 0; // paid goes to the first, as in the window
            added << theDueStore.AddDue(member);
            // The first write that fails abandons the whole series: no use
            // in asking the disk for the rest.
            if (theDueStore.HasErrors())
                break;
        }
        if (!theDueStore.HasErrors())
            (void)theDueStore.TouchPreferences();
    }
    batch.Commit();
    const int status = ReportErrors(err);
    // Only what was written: a series lands whole or not at all.
    for (const QString& id : added)
        if (theDueStore.Contains(id))
            out << id << '\n';
    out.flush();
    return status;
}

CommandLine::Outcome RunPaid(const CommandLine::Invocation& call)
{
    QTextStream& out = call.out;
    QTextStream& err = call.err;
    const Parsed parsed = FromCall(call, PaidOptions());
    const Parsed* p = &parsed;
    if (!CommandLine::OpenFolderForWriting(p->values.value(QStringLiteral("--workdir")), err) ||
        !CheckIds(p->words, err))
        return 2;
    const bool paid = !p->flags.contains(QStringLiteral("--unpaid"));
    const QStringList written = MarkDues(theDueStore, p->words, paid);
    for (const QString& id : written)
        out << id << '\n';
    out.flush();
    return ReportErrors(err);
}

CommandLine::Outcome RunDelete(const CommandLine::Invocation& call)
{
    QTextStream& out = call.out;
    QTextStream& err = call.err;
    const Parsed parsed = FromCall(call, DeleteOptions());
    const Parsed* p = &parsed;
    if (!CommandLine::OpenFolderForWriting(p->values.value(QStringLiteral("--workdir")), err) ||
        !CheckIds(p->words, err))
        return 2;
    const DueRecord due = theDueStore.GetDue(p->words.first());
    QStringList gone{due.m_strRecId};
    if (p->flags.contains(QStringLiteral("--series"))) {
        if (due.m_strSeriesId.isEmpty())
            return Fail(err, WriteCommandsText::tr("%1 does not belong to a series").arg(due.m_strRecId));
        theDueStore.GetSeriesIds(due.m_strSeriesId, gone);
        (void)theDueStore.DeleteSeries(due.m_strSeriesId);
    } else {
        (void)theDueStore.RemoveDue(due.m_strRecId, true);
    }
    for (const QString& id : gone)
        if (!theDueStore.Contains(id))
            out << id << '\n';
    out.flush();
    return ReportErrors(err);
}

CommandLine::Outcome RunUpcoming(const CommandLine::Invocation& call)
{
    QTextStream& out = call.out;
    QTextStream& err = call.err;
    bool json = false;
    if (!ReadFormat(call.parser.value(QStringLiteral("format")), json, err))
        return 2;
    const Parsed parsed = FromCall(call, UpcomingOptions());
    const Parsed* p = &parsed;
    int days = kDefaultComingUpDays;
    if (p->values.contains(QStringLiteral("--days"))) {
        const std::optional<qint64> n = ParseCount(p->values.value(QStringLiteral("--days")), 0, 36500);
        if (!n)
            return Fail(err, WriteCommandsText::tr("--days N needs a whole number from 0 to 36500"));
        days = int(*n);
    }
    if (!CommandLine::OpenFolderForReading(p->values.value(QStringLiteral("--workdir")), err))
        return 2;
    const ComingUpList list = SelectComingUp(theDueStore, Clock::Now().date(), days, false);
    if (json) {
        out << DuesJson(list.rows);
    } else {
        for (const DueRecord& r : list.rows)
            out << DueLine(r) << '\n';
        const QLocale locale;
        auto money = [&](double amount) { return FormatCurrencyText(AmountText(amount), locale); };
        out << WriteCommandsText::tr("Overdue: ") << money(list.overdue) << '\n'
            << WriteCommandsText::tr("Next 7 days: ") << money(list.next7) << '\n'
            << WriteCommandsText::tr("Next 30 days: ") << money(list.next30) << '\n';
    }
    out.flush();
    return 0;
}

} // namespace WriteCommands
