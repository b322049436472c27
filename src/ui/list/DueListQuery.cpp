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
    // Most texts are plain ASCII, which folding only lowers.
    const bool ascii = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii)
        return text.toLower();
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString kept;
    kept.reserve(decomposed.size());
    const qsizetype n = decomposed.size();
    for (qsizetype i = 0; i < n;) {
        // Whole code points: marks beyond the first plane go too.
        qsizetype length = 1;
        char32_t ucs = decomposed.at(i).unicode();
        if (QChar::isHighSurrogate(ucs) && i + 1 < n && decomposed.at(i + 1).isLowSurrogate()) {
            ucs = QChar::surrogateToUcs4(decomposed.at(i), decomposed.at(i + 1));
            length = 2;
        }
        const QChar::Category category = QChar::category(ucs);
        if (category != QChar::Mark_NonSpacing && category != QChar::Mark_Enclosing)
            kept.append(decomposed.constData() + i, length);
        i += length;
    }
    QString folded = kept.toCaseFolded();
    // Case folding keeps one character for one; these take two, or are
    // letters with a stroke that no decomposition takes off.
    static const std::pair<char16_t, const char*> kSpelledOut[] = {
        {u'\u00DF', "ss"}, // ß, and ẞ once folded
        {u'\u00E6', "ae"}, // æ
        {u'\u0153', "oe"}, // œ
        {u'\u00F8', "o"},  // ø
        {u'\u0142', "l"},  // ł
        {u'\u0111', "d"},  // đ
        {u'\u0127', "h"},  // ħ
    };
    for (const auto& [from, to] : kSpelledOut) {
        if (folded.contains(QChar(from)))
            folded.replace(QChar(from), QLatin1String(to));
    }
    return folded;
}

QString DueSearch::Haystack(const DueRecord& record)
{
    // A line break between the fields: a word of the search never holds one,
    // so no word is found across two fields.
    const QChar gap(QLatin1Char('\n'));
    return Fold(record.m_strTitle) + gap + Fold(record.m_strPayTo) + gap + Fold(record.m_strAccount) + gap +
           Fold(record.m_strNotes);
}

bool DueSearch::Matches(const DueRecord& record) const
{
    return m_words.isEmpty() || MatchesHaystack(Haystack(record));
}

bool DueSearch::MatchesHaystack(const QString& haystack) const
{
    for (const QString& word : m_words) {
        if (!haystack.contains(word))
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

QList<DueRecord> SearchDues(const QList<DueRecord>& rows, const QStringList& haystacks,
                            const DueSearch& search)
{
    Q_ASSERT(haystacks.size() == rows.size());
    if (search.IsEmpty())
        return rows;
    QList<DueRecord> kept;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (search.MatchesHaystack(haystacks.at(i)))
            kept << rows.at(i);
    }
    return kept;
}
