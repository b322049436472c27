#pragma once

#include "model/store/DueRecord.h"

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

// The colours of a list's rows, light or dark: every state's text reads on
// both row backgrounds at 4.5:1 or more, and the states stay apart.
struct DueRowColours
{
    QColor even;
    QColor odd;
    QColor selectedBackground;
    QColor selectedText;
    QColor paid;
    QColor overdue;
    QColor dueToday;
    QColor upcoming;
};

// Light: white and light green rows, black with white text when selected;
// paid grey, overdue red, due today blue, the rest black (the grey and the
// red deep enough to read on the green). Dark: the same hues lightened on
// dark rows, selected rows light with black text.
const DueRowColours& RowColours(bool dark);

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

DueRowLook ComputeRowLook(const DueRecord& record, int row, bool selected, const QDate& today,
                          const DueRowColours& colours = RowColours(false));

// The state in a word, for those who do not see the colour: "paid",
// "overdue", "due today" or "unpaid".
QString DueStateText(DueState state);

// A row as a screen reader says it: what the row shows, its state in words
// and whether it belongs to a series ("Rent - Landlord, $850.00, due
// 12/20/2026, overdue"). The time is said when it is not midnight.
QString SpokenDue(const DueRecord& record, const QDate& today);

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

// A part of a row, laid out left to right, where the layout's direction puts
// it: right to left, mirrored within the row.
QRect PlaceInRow(const QRect& part, const QRect& row, Qt::LayoutDirection direction);

// Where the three texts of a row go, for texts of the given widths (the
// title's room is what is left; it is elided to fit). The amount never
// covers the date and the title never runs under the amount: while the row
// is wide enough for date and amount side by side, the amount stands beside
// both lines as always; in a narrower row it moves to the end of the first
// line. Every rectangle lies inside the row.
struct DueRowTextPlaces
{
    QRect title;
    QRect date;
    QRect amount;
    bool amountOnFirstLine = false;
};

DueRowTextPlaces PlaceRowTexts(const QRect& row, int amountWidth, int dateWidth);

// The narrowest row that shows the widest date and amount of this locale
// whole, with room for a few letters of the title.
int MinimumRowWidth(int amountWidth, int dateWidth, int titleLetters);

// Height of a row: the height of the row image.
inline constexpr int kDueRowHeight = 30;
