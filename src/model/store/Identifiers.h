#pragma once

#include <QDateTime>
#include <QString>

// Record identifier: the 14 digits of a date and time followed by a two-digit
// number N (10 for a single due, 01 to 99 for the members of a series).
// n = 0 gives N = 10.
QString MakeRecordId(int n, const QDateTime& when);
QString MakeRecordId(int n); // now

// Series identifier: "recId" followed by the 14 digits of a date and time.
QString MakeSeriesId(const QDateTime& when);
QString MakeSeriesId(); // now
