#pragma once

#include "model/store/CDueStore.h"
#include "model/store/DueRecord.h"

#include <QLocale>
#include <QString>
#include <QStringList>

class QComboBox;
class QObject;
class QValidator;

// The editor's rules that need no window: reading the Amount field, the
// texts a new or modified due falls back to, and what Finish and OK write.
namespace DueEditRules {

// Largest amount the editor accepts.
inline constexpr double kMaxAmount = 1e18;

// Reads the Amount text as typed in a locale: digits, the locale's decimal
// separator or a plain "." as the decimal point, and the locale's digit
// grouping in the whole part ("1.234,50" in German). Returns an empty string
// and sets value when the text is an amount from 0 to kMaxAmount, else the
// message to show. Text the locale cannot read is refused, never read with a
// separator left out.
QString ParseAmount(const QString& text, const QLocale& locale, double& value);
QString ParseAmount(const QString& text, double& value); // in the default locale
// An amount as the field shows it: plain digits, the locale's decimal
// separator, no grouping and no exponent; two decimals for whole cents, more
// only when the amount has them.
QString FormatAmount(double amount, const QLocale& locale);
QString FormatAmount(double amount); // "." as the decimal point

// What may be typed into the Amount field: digits, the locale's separators
// and ".", with at most one decimal separator.
QValidator* MakeAmountValidator(const QLocale& locale, QObject* parent);

// Reads the days offset (digits only). Empty string when acceptable.
QString ParseOffsetDays(const QString& text, int& days);
inline constexpr int kMaxOffsetDays = 99999;

// Notes are kept with CR LF line breaks; the edit control works with LF.
QString NotesForEdit(const QString& stored);
QString NotesForStore(const QString& edited);

// Fills a Type list: "Business" (1), "Personal" (2), and "All" (0) when asked.
void FillTypeCombo(QComboBox* combo, bool includeAll);

// What the new-due wizard leaves behind.
struct NewDueResult
{
    bool finished = false;   // ended with Finish
    DueRecord due;           // the sheet's fields
    bool recursive = false;  // "Make Recursive Due" was on
    bool patternSet = false; // a pattern was confirmed (placeholders exist)
    QStringList occurrenceIds;
    int offsetDays = 1;
    int offsetHours = 0, offsetMinutes = 0, offsetSeconds = 0;
};

// How writing the wizard's outcome went.
struct NewDueOutcome
{
    QString newId;          // the new due, or the series' first; empty when none was kept
    qsizetype written = 0;  // dues kept
    bool cancelled = false; // completing the series was cancelled: none of it was kept
    bool failed = false;    // a due of the series could not be written: none of it was kept
};

// Writes the outcome of the wizard: one due, the completed series, or
// nothing; placeholders of a pattern that is not used are removed again. A
// series is kept whole or not at all: when completing it is cancelled or a
// write fails, every member is taken back. True when the store changed.
bool ApplyNewDue(CDueStore& store, const NewDueResult& result, NewDueOutcome* outcome = nullptr,
                 const ChangeProgress& progress = {});

// Writes a modified due: the whole series when asked for and a shared field
// (title, payee, account, amount, type, identifiers) changed, else this due.
// A series change may be stopped through progress; each member is then
// either changed or as it was.
ChangeOutcome ApplyModifiedDue(CDueStore& store, const DueRecord& fetched, const DueRecord& edited,
                               bool wholeSeries, const ChangeProgress& progress = {});
// The number of dues ApplyModifiedDue writes.
qsizetype ModifiedDueCount(const CDueStore& store, const DueRecord& fetched, const DueRecord& edited,
                           bool wholeSeries);

} // namespace DueEditRules
