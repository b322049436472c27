#include "ui/editor/DueEditRules.h"

#include "model/base/MessageTexts.h"
#include "model/store/CDueStore.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QValidator>

#include <cmath>

namespace DueEditRules {

namespace {

// The file's texts, translated under one context (declared so that lupdate finds them).
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DueEditRules)
};

// The separators of a locale as the Amount field reads them. A group
// separator that is a kind of blank also stands for a typed blank.
struct AmountSeparators
{
    QChar decimal;
    QChar group; // null when the locale has none
    bool blankGroup = false;

    explicit AmountSeparators(const QLocale& locale)
    {
        const QString dp = locale.decimalPoint();
        const QString gs = locale.groupSeparator();
        decimal = dp.size() == 1 ? dp.at(0) : QLatin1Char('.');
        if (gs.size() == 1 && gs.at(0) != decimal)
            group = gs.at(0);
        blankGroup = !group.isNull() && group.isSpace();
    }

    bool IsGroup(QChar c) const { return !group.isNull() && (c == group || (blankGroup && c.isSpace())); }
    bool IsDigit(QChar c) const { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
    bool Allowed(QChar c) const { return IsDigit(c) || c == decimal || c == QLatin1Char('.') || IsGroup(c); }
};

// The whole part with its group separators: groups after the first hold
// three digits, so "12,50" in English is refused rather than read as 1250.
bool ReadWholePart(QStringView part, const AmountSeparators& seps, QString& digits)
{
    qsizetype groupLength = 0;
    bool grouped = false;
    for (QChar c : part) {
        if (seps.IsDigit(c)) {
            digits += c;
            ++groupLength;
        } else if (seps.IsGroup(c) || (c == QLatin1Char('.') && seps.group == QLatin1Char('.'))) {
            if (groupLength == 0 || (grouped && groupLength != 3) || (!grouped && groupLength > 3))
                return false;
            grouped = true;
            groupLength = 0;
        } else {
            return false;
        }
    }
    return !grouped || groupLength == 3;
}

class AmountValidator : public QValidator
{
public:
    AmountValidator(const QLocale& locale, QObject* parent) : QValidator(parent), m_seps(locale) {}

    State validate(QString& input, int&) const override
    {
        int decimals = 0;
        for (QChar c : std::as_const(input)) {
            if (!m_seps.Allowed(c))
                return Invalid;
            // "." is a decimal point unless the locale groups with it.
            if (c == m_seps.decimal || (c == QLatin1Char('.') && m_seps.group != QLatin1Char('.')))
                ++decimals;
        }
        return decimals > 1 ? Invalid : Intermediate;
    }

private:
    AmountSeparators m_seps;
};

} // namespace

QString ParseAmount(const QString& text, const QLocale& locale, double& value)
{
    const AmountSeparators seps(locale);
    const QString t = text.trimmed();
    const QString notANumber = Texts::tr("Please enter a number.");
    for (QChar c : t) {
        if (!seps.Allowed(c))
            return notANumber;
    }
    // The decimal point: the locale's separator, else a single "." (also in
    // a locale that groups with "."; several of them there are groups).
    qsizetype point = -1;
    if (seps.decimal != QLatin1Char('.') && t.contains(seps.decimal)) {
        if (t.count(seps.decimal) > 1)
            return notANumber;
        point = t.indexOf(seps.decimal);
    } else {
        const qsizetype dots = t.count(QLatin1Char('.'));
        if (dots == 1)
            point = t.indexOf(QLatin1Char('.'));
        else if (dots > 1 && seps.group != QLatin1Char('.'))
            return notANumber;
    }
    const QStringView whole = point < 0 ? QStringView(t) : QStringView(t).left(point);
    const QStringView fraction = point < 0 ? QStringView() : QStringView(t).mid(point + 1);
    QString digits;
    if (!ReadWholePart(whole, seps, digits))
        return notANumber;
    QString fractionDigits;
    for (QChar c : fraction) {
        if (!seps.IsDigit(c))
            return notANumber;
        fractionDigits += c;
    }
    if (digits.isEmpty() && fractionDigits.isEmpty())
        return notANumber;
    const QString plain = (digits.isEmpty() ? QStringLiteral("0") : digits) + QLatin1Char('.') +
                          fractionDigits + QLatin1Char('0');
    bool ok = false;
    const double v = plain.toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < 0.0 || v > kMaxAmount)
        return Texts::tr("Please enter an amount from 0 to 1000000000000000000.");
    value = v;
    return {};
}

QString ParseAmount(const QString& text, double& value)
{
    return ParseAmount(text, QLocale(), value);
}

QString FormatAmount(double amount, const QLocale& locale)
{
    QString text = FormatAmount(amount);
    const AmountSeparators seps(locale);
    if (seps.decimal != QLatin1Char('.'))
        text.replace(QLatin1Char('.'), seps.decimal);
    return text;
}

QValidator* MakeAmountValidator(const QLocale& locale, QObject* parent)
{
    return new AmountValidator(locale, parent);
}

QString FormatAmount(double amount)
{
    if (!std::isfinite(amount))
        return QStringLiteral("0.00");
    // Whole cents show as money ("84.20"); anything finer keeps every digit
    // it needs, so that opening and closing the editor never changes it.
    if (std::fabs(amount) < 1e18 * 100 && std::round(amount * 100.0) / 100.0 == amount) {
        const QString cents = QString::number(amount, 'f', 2);
        return cents == QLatin1String("-0.00") ? QStringLiteral("0.00") : cents;
    }
    // The shortest text that reads back as the same amount, without exponent.
    return QString::number(amount, 'f', QLocale::FloatingPointShortest);
}

QString ParseOffsetDays(const QString& text, int& days)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    const QString t = text.trimmed();
    if (!digits.match(t).hasMatch())
        return Texts::tr("Please enter a whole number of days.");
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok);
    if (!ok || v > kMaxOffsetDays)
        return Texts::tr("Please enter a number of days from 0 to %1.").arg(kMaxOffsetDays);
    days = int(v);
    return {};
}

QString NotesForEdit(const QString& stored)
{
    QString text = stored;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

QString NotesForStore(const QString& edited)
{
    QString text = NotesForEdit(edited);
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

void FillTypeCombo(QComboBox* combo, bool includeAll)
{
    combo->clear();
    for (const DueTypeEntry* e = g_dueTypes; e->code != -1; ++e)
        combo->addItem(LoadResString(e->stringId), e->code);
    if (includeAll)
        combo->addItem(Texts::tr("All"), 0);
}

bool ApplyNewDue(CDueStore& store, const NewDueResult& result, NewDueOutcome* outcome,
                 const ChangeProgress& progress)
{
    CDueStore::Batch batch; // the whole series is one sync pass
    NewDueOutcome local;
    NewDueOutcome& out = outcome ? *outcome : local;
    out = NewDueOutcome();
    if (result.finished && result.recursive) {
        // Complete every placeholder of the series: Due Date = its Start Date
        // plus the offset, the edited fields, and Paid on the first one only.
        const COleDateTimeSpan offset(result.offsetDays, result.offsetHours, result.offsetMinutes,
                                      result.offsetSeconds);
        QList<DueRecord> members;
        members.reserve(result.occurrenceIds.size());
        for (const QString& id : result.occurrenceIds) {
            DueRecord member = store.GetDue(id);
            if (member.m_strRecId.isEmpty())
                continue;
            member.m_dtDue = member.m_dtStart + offset;
            member.m_strTitle = result.due.m_strTitle;
            member.m_strPayTo = result.due.m_strPayTo;
            member.m_strAccount = result.due.m_strAccount;
            member.m_dAmount = result.due.m_dAmount;
            member.m_nType = result.due.m_nType;
            member.m_strNotes = result.due.m_strNotes;
            if (members.isEmpty() && result.due.m_bPaid)
                member.m_bPaid = result.due.m_bPaid;
            members << std::move(member);
        }
        if (members.isEmpty())
            return false;
        const ChangeOutcome written = store.ReplaceDues(members, progress);
        if (!written.Complete()) {
            // Half a series of untitled placeholders is worth nothing: take it all back.
            (void)store.DiscardDues(result.occurrenceIds);
            out.cancelled = written.cancelled;
            out.failed = written.failed;
            return true;
        }
        out.newId = members.first().m_strRecId;
        out.written = members.size();
        return true;
    }

    bool changed = false;
    if (result.finished) {
        DueRecord single = result.due;
        single.m_strSeriesId.clear();
        const qsizetype errors = store.ErrorCount();
        out.newId = store.AddDue(single);
        out.written = 1;
        out.failed = store.ErrorCount() > errors;
        changed = true;
    }
    if (result.patternSet) {
        for (const QString& id : result.occurrenceIds)
            (void)store.RemoveDue(id, false);
        changed = changed || !result.occurrenceIds.isEmpty();
    }
    return changed;
}

namespace {
bool SharedFieldChanged(const DueRecord& fetched, const DueRecord& edited)
{
    // Dates, notes and the paid flag belong to one occurrence; only a change
    // to what the members share is worth spreading over the series.
    return edited.m_strRecId != fetched.m_strRecId || edited.m_strTitle != fetched.m_strTitle ||
           edited.m_strSeriesId != fetched.m_strSeriesId || edited.m_strPayTo != fetched.m_strPayTo ||
           edited.m_strAccount != fetched.m_strAccount || edited.m_dAmount != fetched.m_dAmount ||
           edited.m_nType != fetched.m_nType;
}
} // namespace

ChangeOutcome ApplyModifiedDue(CDueStore& store, const DueRecord& fetched, const DueRecord& edited,
                               bool wholeSeries, const ChangeProgress& progress)
{
    CDueStore::Batch batch; // one sync pass for all it writes
    if (wholeSeries && SharedFieldChanged(fetched, edited)) {
        ChangeOutcome outcome;
        (void)store.ModifySeries(edited, progress, &outcome);
        return outcome;
    }
    ChangeOutcome outcome;
    outcome.total = 1;
    outcome.failed = !store.ReplaceDue(edited);
    outcome.done = outcome.failed ? 0 : 1;
    return outcome;
}

qsizetype ModifiedDueCount(const CDueStore& store, const DueRecord& fetched, const DueRecord& edited,
                           bool wholeSeries)
{
    if (!wholeSeries || !SharedFieldChanged(fetched, edited))
        return 1;
    QStringList ids;
    store.GetSeriesIds(edited.m_strSeriesId, ids);
    return ids.size();
}

} // namespace DueEditRules
