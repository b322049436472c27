#include "model/services/Reports.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

// Months counted from year 0, so that a range is a pair of integers.
int MonthNumber(int year, int month)
{
    return year * 12 + month - 1;
}

// The month number and the day of a due date; false for a date that is not one.
bool DueDay(const COleDateTime& due, int& month, QDate& day)
{
    COleDateTime::Parts p;
    if (!due.GetParts(p))
        return false;
    month = MonthNumber(p.year, p.month);
    day = QDate(p.year, p.month, p.day);
    return true;
}

struct MonthBounds
{
    int first = 0;
    int last = -1; // empty when last < first
    bool Contains(int month) const { return month >= first && month <= last; }
};

MonthBounds BoundsOf(const ReportRange& range)
{
    MonthBounds b;
    if (!range.from.isValid() || !range.to.isValid())
        return b;
    // No due date lies outside the years 100 to 9999: a wider range lists no more.
    b.first = std::max(MonthNumber(range.from.year(), range.from.month()), MonthNumber(100, 1));
    b.last = std::min(MonthNumber(range.to.year(), range.to.month()), MonthNumber(9999, 12));
    return b;
}

QString MonthKey(int month)
{
    return QStringLiteral("%1-%2")
        .arg(month / 12, 4, 10, QLatin1Char('0'))
        .arg(month % 12 + 1, 2, 10, QLatin1Char('0'));
}

QString KeyOf(const DueRecord& r, ReportGrouping grouping, int month)
{
    switch (grouping) {
    case ReportGrouping::Month:
        return MonthKey(month);
    case ReportGrouping::Payee:
        return r.m_strPayTo;
    case ReportGrouping::Account:
        return r.m_strAccount;
    case ReportGrouping::Type:
        // As DueTypeText reads a type code, in words that do not depend on the language.
        return r.m_nType == 2 ? QStringLiteral("Personal") : QStringLiteral("Business");
    case ReportGrouping::Series:
        return r.m_strSeriesId;
    }
    return {};
}

// How many times a month a series falls due, from the median gap in days
// between its members. Month multiples take 28 to 31 days each; weeks and
// days count by the year (52 weeks, 365 days).
double TimesAMonth(qint64 gap)
{
    if (gap <= 0)
        return 0.0;
    const qint64 months = std::llround(double(gap) / (365.2425 / 12.0));
    if (months >= 1 && gap >= 28 * months && gap <= 31 * months)
        return 1.0 / double(months);
    if (gap % 7 == 0)
        return 52.0 / (12.0 * double(gap / 7));
    return 365.0 / (12.0 * double(gap));
}

qint64 MedianGap(std::vector<qint64>& days)
{
    if (days.size() < 2)
        return 0;
    std::sort(days.begin(), days.end());
    std::vector<qint64> gaps;
    gaps.reserve(days.size() - 1);
    for (size_t i = 1; i < days.size(); ++i)
        gaps.push_back(days[i] - days[i - 1]);
    // The lower middle: a gap that occurs, not the mean of two different ones.
    const auto middle = gaps.begin() + std::ptrdiff_t((gaps.size() - 1) / 2);
    std::nth_element(gaps.begin(), middle, gaps.end());
    return *middle;
}

// A member of a series within the range, for its title and amount history.
struct Member
{
    QDate day;
    double due = 0.0; // the OLE value, for ties within a day
    QString recId;
    double amount = 0.0;
    QString title;
};

bool MemberLess(const Member& a, const Member& b)
{
    if (a.due != b.due)
        return COleDateTime::ToLinear(a.due) < COleDateTime::ToLinear(b.due);
    return a.recId < b.recId;
}

void FillSeries(ReportGroup& g, std::vector<Member>& members, std::vector<qint64>* allDays)
{
    if (members.empty())
        return;
    std::sort(members.begin(), members.end(), MemberLess);
    const Member& latest = members.back();
    g.title = latest.title;
    g.currentAmount = latest.amount;
    for (size_t i = members.size() - 1; i > 0; --i) {
        if (members[i].amount != members[i - 1].amount) {
            g.changed = true;
            g.previousAmount = members[i - 1].amount;
            g.changedOn = members[i].day;
            break;
        }
    }
    const qint64 gap = allDays ? MedianGap(*allDays) : 0;
    g.monthly = TimesAMonth(gap) * latest.amount;
    g.yearly = g.monthly * 12.0;
}

// Walks the store once and hands over each due of the range, read whole,
// with its month number and day; the others are passed over from their
// brief. For grouping by series, every due of a series, in the range or not,
// also gives its series identifier and day to seriesDay.
using TakeDue = std::function<void(const DueRecord& due, int month, const QDate& day)>;
using TakeSeriesDay = std::function<void(const QString& seriesId, const QDate& day)>;

void WalkRange(const CDueStore& store, const MonthBounds& bounds, const TakeDue& take,
               const TakeSeriesDay& seriesDay = {})
{
    if (bounds.last < bounds.first)
        return;
    QDate day;
    auto visit = [&](const DueBrief& brief) {
        int month = 0;
        if (brief.placeholder || !DueDay(brief.due, month, day))
            return false;
        if (bounds.Contains(month))
            take(store.GetDue(brief.recId), month, day);
        return true;
    };
    if (!seriesDay) {
        store.ForEachBrief([&](const DueBrief& brief) { (void)visit(brief); });
        return;
    }
    store.ForEachBriefWithSeries([&](const DueBrief& brief, const QString& seriesId) {
        if (visit(brief) && !seriesId.isEmpty())
            seriesDay(seriesId, day);
    });
}

} // namespace

Report BuildReport(const CDueStore& store, const ReportRange& range, ReportGrouping grouping,
                   const QDate& today)
{
    Report report;
    report.grouping = grouping;
    report.range = range;
    const MonthBounds bounds = BoundsOf(range);
    const bool bySeries = grouping == ReportGrouping::Series;

    QHash<QString, qsizetype> index; // key -> place in report.groups
    if (grouping == ReportGrouping::Month) {
        for (int m = bounds.first; m <= bounds.last; ++m) {
            ReportGroup g;
            g.key = MonthKey(m);
            index.insert(g.key, report.groups.size());
            report.groups.append(g);
        }
    }
    QHash<QString, std::vector<Member>> members;    // series -> its members in the range
    QHash<QString, std::vector<qint64>> seriesDays; // series -> every member's day, as a Julian day

    const TakeDue take = [&](const DueRecord& r, int month, const QDate& day) {
        const QString key = KeyOf(r, grouping, month);
        auto it = index.constFind(key);
        if (it == index.constEnd()) {
            ReportGroup g;
            g.key = key;
            it = index.insert(key, report.groups.size());
            report.groups.append(g);
        }
        ReportGroup& g = report.groups[it.value()];
        ++g.count;
        ++report.count;
        if (r.m_bPaid) {
            g.paid += r.m_dAmount;
            report.paid += r.m_dAmount;
        } else {
            g.unpaid += r.m_dAmount;
            report.unpaid += r.m_dAmount;
            if (today.isValid() && day < today) {
                g.overdue += r.m_dAmount;
                report.overdue += r.m_dAmount;
            }
        }
        if (bySeries && !r.m_strSeriesId.isEmpty())
            members[key].push_back(Member{day, r.m_dtDue.m_dt, r.m_strRecId, r.m_dAmount, r.m_strTitle});
    };
    if (bySeries)
        WalkRange(store, bounds, take, [&](const QString& seriesId, const QDate& day) {
            seriesDays[seriesId].push_back(day.toJulianDay());
        });
    else
        WalkRange(store, bounds, take);

    if (bySeries) {
        for (ReportGroup& g : report.groups) {
            if (g.key.isEmpty())
                continue;
            auto days = seriesDays.find(g.key);
            FillSeries(g, members[g.key], days == seriesDays.end() ? nullptr : &days.value());
            report.fixedMonthly += g.monthly;
        }
    }
    if (grouping != ReportGrouping::Month) {
        // Amounts beyond the double's range may sum to NaN, which must not upset the sort.
        auto total = [](const ReportGroup& g) { return std::isnan(g.Total()) ? -HUGE_VAL : g.Total(); };
        std::sort(report.groups.begin(), report.groups.end(),
                  [&](const ReportGroup& a, const ReportGroup& b) {
                      const double ta = total(a), tb = total(b);
                      if (ta != tb)
                          return ta > tb;
                      return a.key < b.key;
                  });
    }
    return report;
}

QList<DueRecord> ReportDues(const CDueStore& store, const ReportRange& range, ReportGrouping grouping,
                            const QString& key)
{
    QList<DueRecord> dues;
    WalkRange(store, BoundsOf(range), [&](const DueRecord& r, int month, const QDate&) {
        if (KeyOf(r, grouping, month) == key)
            dues.append(r);
    });
    std::stable_sort(dues.begin(), dues.end(), DueListLess);
    return dues;
}
