#pragma once

#include <QDateTime>
#include <QString>

// Record identifier: the 14 digits of a date and time followed by a two-digit
// number N (for a single due this installation's number, 10 unless set; 01
// to 99 for the members of a series). n = 0 gives the single due's number.
QString MakeRecordId(int n, const QDateTime& when);
QString MakeRecordId(int n); // now

// Series identifier: "recId" followed by the 14 digits of a date and time.
QString MakeSeriesId(const QDateTime& when);
QString MakeSeriesId(); // now

// The number of single dues made here (10 to 99). Each installation takes one
// of its own (InstallationNumber), so that two machines that share a data
// folder rarely make the same identifier in the same second; a clash that
// still happens is a conflict the user resolves.
void SetSingleDueNumber(int n);
// This installation's number, chosen at random once and kept in the user's
// settings (group "Identifiers", key "Number").
int InstallationNumber();
