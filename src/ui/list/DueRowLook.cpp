#include "ui/list/DueRowLook.h"

#include "model/base/LocaleFormat.h"

#include <QCoreApplication>

DueState StateOf(const DueRecord& record, const QDate& today)
{
    if (record.m_bPaid)
        return DueState::Paid;
    const QDate day = record.m_dtDue.ToQDate();
    // A due date that is not a date at all is never late.
    if (!day.isValid() || !today.isValid())
        return DueState::Upcoming;
    if (day < today)
        return DueState::Overdue;
    if (day == today)
        return DueState::DueToday;
    return DueState::Upcoming;
}

const DueRowColours& RowColours(bool dark)
{
    // Grey (123, 123, 123) and red (255, 0, 0) read at only 3.3:1 and 3.1:1
    // on the green rows; these keep their hues at 4.5:1 or more.
    static const DueRowColours light{QColor(255, 255, 255), QColor(214, 227, 206), QColor(0, 0, 0),
                                     QColor(255, 255, 255), QColor(96, 96, 96),    QColor(192, 0, 0),
                                     QColor(0, 0, 255),     QColor(0, 0, 0)};
    static const DueRowColours night{QColor(32, 34, 38),    QColor(34, 50, 38),    QColor(230, 230, 230),
                                     QColor(0, 0, 0),       QColor(160, 160, 160), QColor(255, 120, 110),
                                     QColor(125, 175, 255), QColor(235, 235, 235)};
    return dark ? night : light;
}

DueRowLook ComputeRowLook(const DueRecord& record, int row, bool selected, const QDate& today,
                          const DueRowColours& colours)
{
    DueRowLook look;
    if (selected) {
        look.background = colours.selectedBackground;
        look.text = colours.selectedText;
    } else {
        look.background = row % 2 == 0 ? colours.even : colours.odd;
        switch (StateOf(record, today)) {
        case DueState::Paid:
            look.text = colours.paid;
            break;
        case DueState::Overdue:
            look.text = colours.overdue;
            break;
        case DueState::DueToday:
            look.text = colours.dueToday;
            break;
        case DueState::Upcoming:
            look.text = colours.upcoming;
            break;
        }
    }
    look.line1 = record.m_strTitle;
    if (!record.m_strPayTo.isEmpty())
        look.line1 += QStringLiteral(" - ") + record.m_strPayTo;
    look.amount = FormatCurrencyText(AmountText(record.m_dAmount), QLocale());
    look.line2 = FormatDatePicture(record.m_dtDue, QString(), QLocale()) + QLatin1Char(' ') +
                 FormatTimePicture(record.m_dtDue, QString(), QLocale());
    look.paidMark = record.m_bPaid != 0;
    look.recurringMark = !record.m_strSeriesId.isEmpty();
    return look;
}

QString DueStateText(DueState state)
{
    switch (state) {
    case DueState::Paid:
        return QCoreApplication::translate("DueRowLook", "paid");
    case DueState::Overdue:
        return QCoreApplication::translate("DueRowLook", "overdue");
    case DueState::DueToday:
        return QCoreApplication::translate("DueRowLook", "due today");
    case DueState::Upcoming:
        break;
    }
    return QCoreApplication::translate("DueRowLook", "unpaid");
}

QString SpokenDue(const DueRecord& record, const QDate& today)
{
    const DueRowLook look = ComputeRowLook(record, 0, false, today);
    QString when = FormatDatePicture(record.m_dtDue, QString(), QLocale());
    const QDateTime due = record.m_dtDue.ToQDateTime();
    if (due.isValid() && due.time() != QTime(0, 0))
        when += QLatin1Char(' ') + FormatTimePicture(record.m_dtDue, QString(), QLocale());
    const QString state = DueStateText(StateOf(record, today));
    return (look.recurringMark
                ? QCoreApplication::translate("DueRowLook", "%1, %2, due %3, %4, part of a series")
                : QCoreApplication::translate("DueRowLook", "%1, %2, due %3, %4"))
        .arg(look.line1, look.amount, when, state);
}

DueRowLayout ComputeRowLayout(const QRect& row)
{
    // Edges as the row gives them: right and bottom one past the last pixel.
    const int l = row.left(), t = row.top(), r = row.left() + row.width(), b = row.top() + row.height();
    const int h = b - t;
    const int half = h / 2;
    DueRowLayout out;
    out.fill = QRect(l, t, r - l + 20, h);
    out.line1 = QRect(QPoint(l + 100, t), QPoint(r - 1, b - half - 1));
    out.amount = QRect(QPoint(l, t), QPoint(r - 40 - 1, b - 1));
    out.line2 = QRect(QPoint(l + 110, t + half), QPoint(r - 1, b - 1));
    out.rowImage = QPoint(l + 10, t);
    out.paidMark = QPoint(l + 45, t + 8);
    out.recurringMark = QPoint(l + 67, t + 8);
    return out;
}

QRect PlaceInRow(const QRect& part, const QRect& row, Qt::LayoutDirection direction)
{
    if (direction != Qt::RightToLeft)
        return part;
    return QRect(row.left() + row.right() - part.right(), part.top(), part.width(), part.height());
}

namespace {
constexpr int kTextGap = 12;        // between the title or date and the amount
constexpr int kNarrowRightEdge = 6; // amount's margin on the first line
} // namespace

DueRowTextPlaces PlaceRowTexts(const QRect& row, int amountWidth, int dateWidth)
{
    const DueRowLayout layout = ComputeRowLayout(row);
    const int right = layout.line1.right();
    DueRowTextPlaces out;
    // Beside both lines: the amount ends where it always did.
    const int besideLeft = layout.amount.right() + 1 - amountWidth;
    if (besideLeft - kTextGap >= layout.line2.left() + dateWidth) {
        out.amount = QRect(besideLeft, layout.amount.top(), amountWidth, layout.amount.height());
        out.title = layout.line1;
        out.title.setRight(qMax(out.title.left() - 1, besideLeft - kTextGap - 1));
        out.date = layout.line2;
        out.date.setRight(qMax(out.date.left() - 1, besideLeft - kTextGap - 1));
        return out;
    }
    // On the first line, at its end; the date has the second line to itself.
    out.amountOnFirstLine = true;
    const int amountRight = qMax(layout.line1.left() - 1, right - kNarrowRightEdge);
    const int amountLeft = qMax(layout.line1.left(), amountRight + 1 - amountWidth);
    out.amount = QRect(QPoint(amountLeft, layout.line1.top()), QPoint(amountRight, layout.line1.bottom()));
    out.title = layout.line1;
    out.title.setRight(qMax(out.title.left() - 1, amountLeft - kTextGap - 1));
    out.date = layout.line2;
    out.date.setRight(qMax(out.date.left() - 1, right - kNarrowRightEdge));
    return out;
}

int MinimumRowWidth(int amountWidth, int dateWidth, int titleLetters)
{
    // Measured on a row at x = 0; see ComputeRowLayout for the fixed parts.
    const DueRowLayout layout = ComputeRowLayout(QRect(0, 0, 1000, kDueRowHeight));
    const int forDate = layout.line2.left() + dateWidth + kNarrowRightEdge;
    const int forAmount = layout.line1.left() + titleLetters + kTextGap + amountWidth + kNarrowRightEdge;
    return qMax(forDate, forAmount) + 1;
}
