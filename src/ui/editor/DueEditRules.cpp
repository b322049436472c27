#include "ui/editor/DueEditRules.h"

#include "model/CDueStore.h"
#include "model/MessageTexts.h"

#include <QComboBox>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace DueEditRules {

QString ParseAmount(const QString& text, double& value)
{
    static const QRegularExpression number(QStringLiteral("^[0-9]*\\.?[0-9]*$"));
    const QString t = text.trimmed();
    if (!number.match(t).hasMatch() || !t.contains(QRegularExpression(QStringLiteral("[0-9]"))))
        return QStringLiteral("Please enter a number.");
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < 0.0 || v > kMaxAmount)
        return QStringLiteral("Please enter an amount from 0 to 1000000000000000000.");
    value = v;
    return {};
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
        return QStringLiteral("Please enter a whole number of days.");
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok);
    if (!ok || v > kMaxOffsetDays)
        return QStringLiteral("Please enter a number of days from 0 to %1.").arg(kMaxOffsetDays);
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
        combo->addItem(QStringLiteral("All"), 0);
}

bool ApplyNewDue(CDueStore& store, const NewDueResult& result)
{
    CDueStore::Batch batch; // the whole series is one sync pass
    if (result.finished && result.recursive) {
        // Complete every placeholder of the series: Due Date = its Start Date
        // plus the offset, the edited fields, and Paid on the first one only.
        const COleDateTimeSpan offset(result.offsetDays, result.offsetHours, result.offsetMinutes,
                                      result.offsetSeconds);
        bool changed = false;
        for (qsizetype i = 0; i < result.occurrenceIds.size(); ++i) {
            DueRecord member = store.GetDue(result.occurrenceIds[i]);
            if (member.m_strRecId.isEmpty())
                continue;
            member.m_dtDue = member.m_dtStart + offset;
            member.m_strTitle = result.due.m_strTitle;
            member.m_strPayTo = result.due.m_strPayTo;
            member.m_strAccount = result.due.m_strAccount;
            member.m_dAmount = result.due.m_dAmount;
            member.m_nType = result.due.m_nType;
            member.m_strNotes = result.due.m_strNotes;
            if (i == 0 && result.due.m_bPaid)
                member.m_bPaid = result.due.m_bPaid;
            (void)store.ReplaceDue(member);
            changed = true;
        }
        return changed;
    }

    bool changed = false;
    if (result.finished) {
        DueRecord single = result.due;
        single.m_strSeriesId.clear();
        store.AddDue(single);
        changed = true;
    }
    if (result.patternSet) {
        for (const QString& id : result.occurrenceIds)
            (void)store.RemoveDue(id, false);
        changed = changed || !result.occurrenceIds.isEmpty();
    }
    return changed;
}

void ApplyModifiedDue(CDueStore& store, const DueRecord& fetched, const DueRecord& edited, bool wholeSeries)
{
    // Dates, notes and the paid flag belong to one occurrence; only a change
    // to what the members share is worth spreading over the series.
    const bool sharedChanged =
        edited.m_strRecId != fetched.m_strRecId || edited.m_strTitle != fetched.m_strTitle ||
        edited.m_strSeriesId != fetched.m_strSeriesId || edited.m_strPayTo != fetched.m_strPayTo ||
        edited.m_strAccount != fetched.m_strAccount || edited.m_dAmount != fetched.m_dAmount ||
        edited.m_nType != fetched.m_nType;
    CDueStore::Batch batch;
    if (wholeSeries && sharedChanged)
        (void)store.ModifySeries(edited);
    else
        (void)store.ReplaceDue(edited);
}

} // namespace DueEditRules
