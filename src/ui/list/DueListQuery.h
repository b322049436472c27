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

// Searches title, pay to, account and notes. Case and accents do not count
// ("cafe" finds "Café"); every word of the search must occur in one of the
// fields.
class DueSearch
{
public:
    DueSearch() = default;
    explicit DueSearch(const QString& text);

    bool IsEmpty() const { return m_words.isEmpty(); }
    const QString& Text() const { return m_text; }
    bool Matches(const DueRecord& record) const;

    // Lower case without accents: what the search compares.
    static QString Fold(const QString& text);

private:
    QString m_text;
    QStringList m_words;
};

// Orders rows in place. Ties always fall back on the due date, then the record
// identifier, so the list never reshuffles between refreshes.
void SortDues(QList<DueRecord>& rows, DueSort sort);

// The rows the search keeps, in their order.
QList<DueRecord> SearchDues(const QList<DueRecord>& rows, const DueSearch& search);
