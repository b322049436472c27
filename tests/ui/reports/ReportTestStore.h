#pragma once

// A generated data folder for the report tests: dues over the first months of
// 2026 across pay tos, accounts, both types and two series, some paid, some
// late; June to December have none. Today is 15 May 2026.

#include "../UiTestSupport.h"

#include <QDate>

namespace ReportTest {

inline QDate Today()
{
    return QDate(2026, 5, 15);
}

inline DueRecord Due(const QString& title, const QDate& day, double amount, bool paid, const QString& payTo,
                     const QString& account = {}, int type = 1, const QString& series = {})
{
    DueRecord r = UiTest::MakeDue(title, QDateTime(day, QTime(9, 0)), amount, paid, series, payTo);
    r.m_strAccount = account;
    r.m_nType = type;
    return r;
}

// payees: how many pay tos get a due of their own in March (amounts 10, 20,
// 30, ...), beside the fixed dues.
inline void Fill(int payees = 12)
{
    Clock::SetFixed(QDateTime(Today(), QTime(12, 0)));
    using UiTest::AddDue;
    AddDue(Due(QStringLiteral("Rent"), QDate(2026, 1, 1), 900, true, QStringLiteral("Landlord"),
               QStringLiteral("Checking")));
    AddDue(Due(QStringLiteral("Power"), QDate(2026, 1, 20), 80, false, QStringLiteral("Grid Co"),
               QStringLiteral("Checking"), 2));
    AddDue(Due(QStringLiteral("Rent"), QDate(2026, 3, 1), 900, true, QStringLiteral("Landlord"),
               QStringLiteral("Checking")));
    AddDue(Due(QStringLiteral("Insurance"), QDate(2026, 5, 30), 120, false, QStringLiteral("Safe Ins"),
               QStringLiteral("Savings"), 2));
    // A monthly series whose price rose in March.
    const QString series = QStringLiteral("2026010109000001");
    for (int m = 1; m <= 5; ++m)
        AddDue(Due(QStringLiteral("Streaming"), QDate(2026, m, 10), m < 3 ? 45.0 : 49.99, m <= 3,
                   QStringLiteral("Stream Inc"), QStringLiteral("Card"), 2, series));
    for (int i = 1; i <= payees; ++i)
        AddDue(Due(QStringLiteral("Bill %1").arg(i), QDate(2026, 3, 5), 10.0 * i, i % 2 == 0,
                   QStringLiteral("Payee %1").arg(i, 2, 10, QLatin1Char('0')), QString()));
}

} // namespace ReportTest
