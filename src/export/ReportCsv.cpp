#include "export/ReportCsv.h"

#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace ReportCsv {

namespace {

QString AmountCell(double amount)
{
    // Sums of many amounts carry binary noise; a sum of money has two decimals.
    if (!std::isfinite(amount))
        return QString();
    const double rounded = std::round(amount * 100.0) / 100.0;
    return QString::number(rounded == 0.0 ? 0.0 : rounded, 'f', 2);
}

QString KeyColumn(ReportGrouping grouping)
{
    switch (grouping) {
    case ReportGrouping::Month:
        return QStringLiteral("Month");
    case ReportGrouping::Payee:
        return QStringLiteral("Pay To");
    case ReportGrouping::Account:
        return QStringLiteral("Account");
    case ReportGrouping::Type:
        return QStringLiteral("Type");
    case ReportGrouping::Series:
        return QStringLiteral("Series ID");
    }
    return QString();
}

} // namespace

QString TextCell(const QString& text)
{
    QString cell = text;
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!cell.isEmpty() && formulaStarts.contains(cell.front()))
        cell.prepend(QLatin1Char('\''));
    static const QRegularExpression special(QStringLiteral("[\",\\r\\n]|^\\s|\\s$"));
    if (!special.match(cell).hasMatch())
        return cell;
    cell.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + cell + QLatin1Char('"');
}

QByteArray Write(const Report& report)
{
    const bool series = report.grouping == ReportGrouping::Series;
    QStringList header{KeyColumn(report.grouping)};
    if (series)
        header << QStringLiteral("Title");
    header << QStringLiteral("Dues") << QStringLiteral("Paid") << QStringLiteral("Unpaid")
           << QStringLiteral("Overdue") << QStringLiteral("Total");
    if (series)
        header << QStringLiteral("Monthly") << QStringLiteral("Yearly") << QStringLiteral("Previous Amount")
               << QStringLiteral("Current Amount") << QStringLiteral("Changed On");

    QString out = header.join(QLatin1Char(',')) + QLatin1String("\r\n");
    for (const ReportGroup& g : report.groups) {
        if (series && g.key.isEmpty())
            continue; // the dues of no series: no recurring cost
        QStringList row{TextCell(g.key)};
        if (series)
            row << TextCell(g.title);
        row << QString::number(g.count) << AmountCell(g.paid) << AmountCell(g.unpaid) << AmountCell(g.overdue)
            << AmountCell(g.Total());
        if (series) {
            row << AmountCell(g.monthly) << AmountCell(g.yearly);
            if (g.changed)
                row << AmountCell(g.previousAmount) << AmountCell(g.currentAmount)
                    << g.changedOn.toString(Qt::ISODate);
            else
                row << QString() << QString() << QString();
        }
        out += row.join(QLatin1Char(',')) + QLatin1String("\r\n");
    }
    return out.toUtf8();
}

} // namespace ReportCsv
