#include "ui/reports/ReportBars.h"

#include "model/base/LocaleFormat.h"
#include "model/base/MessageTexts.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ReportBars)
};

ReportBar BarOf(ReportGrouping grouping, const ReportGroup& g, const QLocale& locale)
{
    ReportBar bar;
    bar.label = ReportBars::GroupLabel(grouping, g, locale);
    bar.keys = {g.key};
    bar.count = g.count;
    bar.paid = g.paid;
    bar.unpaid = g.unpaid;
    bar.overdue = g.overdue;
    bar.monthly = g.monthly;
    bar.yearly = g.yearly;
    if (grouping == ReportGrouping::Month)
        bar.month = QDate::fromString(g.key + QStringLiteral("-01"), Qt::ISODate);
    if (grouping == ReportGrouping::Series && g.changed) {
        bar.change = ReportBars::ChangeText(g, locale);
        bar.changeSign = g.currentAmount >= g.previousAmount ? 1 : -1;
    }
    return bar;
}

} // namespace

QList<ReportBar> ReportBars::FromReport(const Report& report, const QLocale& locale)
{
    QList<ReportBar> bars;
    const QList<ReportGroup>& groups = report.groups;
    switch (report.grouping) {
    case ReportGrouping::Month:
        for (const ReportGroup& g : groups)
            bars << BarOf(report.grouping, g, locale);
        break;
    case ReportGrouping::Series:
        // The bars measure the monthly cost, so they go by it; the dues of no
        // series cost nothing that recurs.
        for (const ReportGroup& g : groups)
            if (!g.key.isEmpty())
                bars << BarOf(report.grouping, g, locale);
        std::stable_sort(bars.begin(), bars.end(),
                         [](const ReportBar& a, const ReportBar& b) { return a.monthly > b.monthly; });
        break;
    case ReportGrouping::Payee:
    case ReportGrouping::Account:
    case ReportGrouping::Type: {
        // One group alone is never "Other": its own name says more.
        const qsizetype named = groups.size() > kNamedGroups + 1 ? kNamedGroups : groups.size();
        for (qsizetype i = 0; i < named; ++i)
            bars << BarOf(report.grouping, groups.at(i), locale);
        if (named == groups.size())
            break;
        ReportBar other;
        other.other = true;
        for (qsizetype i = named; i < groups.size(); ++i) {
            const ReportGroup& g = groups.at(i);
            other.keys << g.key;
            other.count += g.count;
            other.paid += g.paid;
            other.unpaid += g.unpaid;
            other.overdue += g.overdue;
        }
        other.label = Texts::tr("Other (%n)", nullptr, int(other.keys.size()));
        bars << other;
        break;
    }
    }
    return bars;
}

QString ReportBars::GroupLabel(ReportGrouping grouping, const ReportGroup& group, const QLocale& locale)
{
    switch (grouping) {
    case ReportGrouping::Month:
        return MonthName(QDate::fromString(group.key + QStringLiteral("-01"), Qt::ISODate), locale);
    case ReportGrouping::Payee:
        return group.key.isEmpty() ? Texts::tr("(no pay to)") : group.key;
    case ReportGrouping::Account:
        return group.key.isEmpty() ? Texts::tr("(no account)") : group.key;
    case ReportGrouping::Type:
        return LoadResString(group.key == QLatin1String("Personal") ? MessageId::TypePersonal
                                                                    : MessageId::TypeBusiness);
    case ReportGrouping::Series:
        return group.title.isEmpty() ? Texts::tr("(untitled series)") : group.title;
    }
    return group.key;
}

QString ReportBars::MonthName(const QDate& month, const QLocale& locale)
{
    if (!month.isValid())
        return QString();
    return Texts::tr("%1 %2", "month name, year")
        .arg(locale.standaloneMonthName(month.month(), QLocale::LongFormat), QString::number(month.year()));
}

QString ReportBars::ChangeText(const ReportGroup& group, const QLocale& locale)
{
    if (!group.changed)
        return QString();
    const QString arrow =
        group.currentAmount >= group.previousAmount ? QStringLiteral("▲") : QStringLiteral("▼");
    const QDate since(group.changedOn.year(), group.changedOn.month(), 1);
    return Texts::tr("%1 %2 → %3 since %4")
        .arg(arrow, FormatNumberText(AmountText(group.previousAmount), locale),
             FormatNumberText(AmountText(group.currentAmount), locale), MonthName(since, locale));
}

QString ReportBars::Money(double amount, const QLocale& locale)
{
    return FormatCurrencyText(AmountText(amount), locale);
}

QString ReportBars::AccessibleText(ReportGrouping grouping, const ReportBar& bar, const QLocale& locale)
{
    if (grouping == ReportGrouping::Series) {
        QString text = Texts::tr("%1: %2 a month, %3 a year")
                           .arg(bar.label, Money(bar.monthly, locale), Money(bar.yearly, locale));
        if (!bar.change.isEmpty())
            text += QStringLiteral(", ") + bar.change;
        return text;
    }
    QString text = Texts::tr("%1: paid %2, unpaid %3")
                       .arg(bar.label, Money(bar.paid, locale), Money(bar.unpaid, locale));
    if (bar.overdue > 0.0)
        text += Texts::tr(", of which overdue %1").arg(Money(bar.overdue, locale));
    return text;
}
