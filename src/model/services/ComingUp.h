#pragma once

#include "model/store/CDueStore.h"
#include "model/store/DueRecord.h"

#include <QDate>
#include <QList>

// What is late and what falls due soon, across all months. Days count by the
// date part only, as the month list's colours do: a due of today is not late
// until tomorrow.
struct ComingUpList
{
    QList<DueRecord> rows; // by due date, equal dates by record identifier
    double overdue = 0.0;  // unpaid, due before today
    double next7 = 0.0;    // unpaid, due from today to today + 7
    double next30 = 0.0;   // unpaid, due from today to today + 30
};

// Every unpaid due before today and every due from today through today +
// days (paid ones too when includePaid, so a due just marked stays in view).
// The sums do not depend on days.
ComingUpList SelectComingUp(const CDueStore& store, const QDate& today, int days, bool includePaid);

inline constexpr int kDefaultComingUpDays = 14;
