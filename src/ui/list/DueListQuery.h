#pragma once

#include "model/store/DueRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

// What the month list shows of a month's dues: the order and the search.
// Plain logic, so that other views of the dues can share it.

enum class DueSort
{
    DueDate, // earliest first, as the list always was
    Amount,  // smallest first
    Title,   // alphabetical, in the user's language
    Payee,
};

// The sort orders with their settings names, in menu order.
QList<DueSort> DueSortOrders();
QString DueSortKey(DueSort sort);
DueSort DueSortFromKey(const QString& key); // DueDate for an unknown key

// Searches title, pay to, account and notes. Case, accents and the other
// differences of spelling a reader does not see do not count ("cafe" finds
// "Café", "strasse" "Straße", "fi" the ligature "ﬁ"); every word of the search
// must occur in one of the fields.
class DueSearch
{
public:
    DueSearch() = default;
    explicit DueSearch(const QString& text);

    bool IsEmpty() const { return m_words.isEmpty(); }
    const QString& Text() const { return m_text; }
    // Folds the record's fields first: for one look at a record.
    bool Matches(const DueRecord& record) const;
    // The same on the record's Haystack: a list searched keystroke after
    // keystroke folds each record once.
    bool MatchesHaystack(const QString& haystack) const;

    // What the search compares: compatibility forms and ligatures taken
    // apart (NFKD), combining marks dropped, case folded, "ß" as "ss".
    static QString Fold(const QString& text);
    // The searched fields of a record, folded, in one text.
    static QString Haystack(const DueRecord& record);

private:
    QString m_text;
    QStringList m_words;
};

// Orders rows in place. Ties always fall back on the due date, then the record
// identifier, so the list never reshuffles between refreshes.
void SortDues(QList<DueRecord>& rows, DueSort sort);

// The rows the search keeps, in their order.
QList<DueRecord> SearchDues(const QList<DueRecord>& rows, const DueSearch& search);
// The same with the rows' haystacks at hand (one per row, in the same order).
QList<DueRecord> SearchDues(const QList<DueRecord>& rows, const QStringList& haystacks,
                            const DueSearch& search);
