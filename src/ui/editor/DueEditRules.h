#pragma once

#include "model/DueRecord.h"

#include <QString>
#include <QStringList>

class CDueStore;
class QComboBox;

// The editor's rules that need no window: reading the Amount field, the
// texts a new or modified due falls back to, and what Finish and OK write.
namespace DueEditRules {

// Largest amount the editor accepts.
inline constexpr double kMaxAmount = 1e18;

// Reads the Amount text (digits with at most one decimal point). Returns an
// empty string and sets value when the text is an amount from 0 to
// kMaxAmount, else the message to show.
QString ParseAmount(const QString& text, double& value);
// An amount as the field shows it: plain digits, no exponent; two decimals
// for whole cents, more only when the amount has them.
QString FormatAmount(double amount);

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

// Writes the outcome of the wizard: one due, the completed series, or
// nothing; placeholders of a pattern that is not used are removed again.
// True when the store changed.
bool ApplyNewDue(CDueStore& store, const NewDueResult& result);

// Writes a modified due: the whole series when asked for and a shared field
// (title, payee, account, amount, type, identifiers) changed, else this due.
void ApplyModifiedDue(CDueStore& store, const DueRecord& fetched, const DueRecord& edited, bool wholeSeries);

} // namespace DueEditRules
