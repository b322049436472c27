#include "ui/list/DueListQuery.h"

#include "model/store/CDueStore.h"

#include <QCollator>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

QList<DueSort> DueSortOrders()
{
    return {DueSort::DueDate, DueSort::Amount, DueSort::Title, DueSort::Payee};
}

QString DueSortKey(DueSort sort)
{
    switch (sort) {
    case DueSort::Amount:
        return QStringLiteral("amount");
    case DueSort::Title:
        return QStringLiteral("title");
    case DueSort::Payee:
        return QStringLiteral("payee");
    case DueSort::DueDate:
        break;
    }
    return QStringLiteral("dueDate");
}

DueSort DueSortFromKey(const QString& key)
{
    for (DueSort sort : DueSortOrders()) {
        if (DueSortKey(sort) == key)
            return sort;
    }
    return DueSort::DueDate;
}

DueSearch::DueSearch(const QString& text) : m_text(text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    m_words = Fold(text).split(blanks, Qt::SkipEmptyParts);
}

QString DueSearch::Fold(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            out += c;
    }
    return out.toCaseFolded();
}

bool DueSearch::Matches(const DueRecord& record) const
{
    if (m_words.isEmpty())
        return true;
    const QString fields[] = {Fold(record.m_strTitle), Fold(record.m_strPayTo), Fold(record.m_strAccount),
                              Fold(record.m_strNotes)};
    for (const QString& word : m_words) {
        bool found = false;
        for (const QString& field : fields)
            found = found || field.contains(word);
        if (!found)
            return false;
    }
    return true;
}

void SortDues(QList<DueRecord>& rows, DueSort sort)
{
    switch (sort) {
    case DueSort::DueDate:
        std::stable_sort(rows.begin(), rows.end(), DueListLess);
        return;
    case DueSort::Amount:
        std::stable_sort(rows.begin(), rows.end(), [](const DueRecord& a, const DueRecord& b) {
            // An amount that is not a number goes last instead of breaking the order.
            const double x = std::isnan(a.m_dAmount) ? HUGE_VAL : a.m_dAmount;
            const double y = std::isnan(b.m_dAmount) ? HUGE_VAL : b.m_dAmount;
            if (x != y)
                return x < y;
            return DueListLess(a, b);
        });
        return;
    case DueSort::Title:
    case DueSort::Payee: {
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        collator.setNumericMode(true); // "Bill 2" before "Bill 10"
        const bool byTitle = sort == DueSort::Title;
        std::stable_sort(rows.begin(), rows.end(), [&](const DueRecord& a, const DueRecord& b) {
            const int c = byTitle ? collator.compare(a.m_strTitle, b.m_strTitle)
                                  : collator.compare(a.m_strPayTo, b.m_strPayTo);
            if (c != 0)
                return c < 0;
            return DueListLess(a, b);
        });
        return;
    }
    }
}

QList<DueRecord> SearchDues(const QList<DueRecord>& rows, const DueSearch& search)
{
    if (search.IsEmpty())
        return rows;
    QList<DueRecord> kept;
    for (const DueRecord& r : rows) {
        if (search.Matches(r))
            kept << r;
    }
    return kept;
}
