#pragma once

#include "model/DueRecord.h"

#include <QColor>
#include <QDate>
#include <QPoint>
#include <QRect>
#include <QString>

// What one row of the month list shows, worked out without painting so that
// tests can check it: colours, texts and where each part goes.
enum class DueState
{
    Paid,
    Overdue,
    DueToday,
    Upcoming
};

// Paid first, then the due date (date part only) against today.
DueState StateOf(const DueRecord& record, const QDate& today);

struct DueRowLook
{
    QColor background;
    QColor text;
    QString line1;  // title, " - " and Pay To when there is one
    QString line2;  // due date and time
    QString amount; // currency text
    bool paidMark = false;
    bool recurringMark = false;
};

DueRowLook ComputeRowLook(const DueRecord& record, int row, bool selected, const QDate& today);

// Row geometry in the row's rectangle (left, top, right, bottom as given).
struct DueRowLayout
{
    QRect fill;
    QRect line1;
    QRect amount;
    QRect line2;
    QPoint rowImage;
    QPoint paidMark;
    QPoint recurringMark;
};

DueRowLayout ComputeRowLayout(const QRect& row);

// Height of a row: the height of the row image.
inline constexpr int kDueRowHeight = 30;
