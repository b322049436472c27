#pragma once

#include "model/base/COleDateTime.h"
#include "model/store/DueRecord.h"
#include "ui/calendar/CalendarMonth.h"
#include "ui/list/DueRecordMeta.h"

#include <QWidget>

// The month as a grid of weeks, each day listing its dues (title and amount,
// coloured by state as in the list, paid ones struck through) with "+N more"
// when the day is full; today is marked. It shows the dues the list shows, so
// the filter and the sums are the same in both views. Where the layout runs
// right to left, so does the week.
//
// Click selects a due, double-click modifies it; double-click on a day's free
// space starts a new due on that day. Arrow keys move the current day by a
// day or a week (the way they point), Home and End to the month's ends, Page
// Down and Page Up through the day's dues (those behind "+N more" too), Enter
// modifies. A screen reader finds the days and their dues as items.
class CCalendarView : public QWidget
{
    Q_OBJECT

public:
    explicit CCalendarView(QWidget* parent = nullptr);

    // Shows month's month with these dues (already filtered and in list order).
    void SetMonth(const COleDateTime& month, const QList<DueRecord>& dues);

    const CalendarMonth& Grid() const { return m_grid; }
    QDate CurrentDay() const { return m_current; }
    QString SelectedId() const { return m_selected; }
    // Selects a due of the shown month (the details follow); false when it is not shown.
    bool SelectDue(const QString& recId);
    void SetCurrentDay(const QDate& day);
    // The dues of a day, in list order.
    QList<DueRecord> DuesOn(const QDate& day) const { return m_byDay.value(day); }

    // Where things are drawn, for the mouse and for tests.
    QRect DayRect(const QDate& day) const;
    QRect DueRect(const QDate& day, int index) const; // empty when not shown
    QRect MoreRect(const QDate& day) const;           // empty when all are shown
    // Where a shown due's title and amount go within its DueRect: never over
    // each other, the title on the layout's leading side. The amount's is
    // empty when a narrow cell has room for the title alone.
    QRect TitleRect(const QDate& day, int index) const;
    QRect AmountRect(const QDate& day, int index) const;
    int LinesPerDay() const;
    // 1: title and amount side by side; 2: the amount under the title.
    int LinesPerDue() const;

    // What a screen reader says of a day ("Monday, December 21, 2026, today, 2 dues").
    QString DayText(const QDate& day) const;
    // The tool tip at a point: a due's whole title, amount and date, or the
    // titles behind "+N more".
    QString ToolTipAt(const QPoint& pos) const;

signals:
    void dueSelected(const DueRecord& record);
    void selectionCleared();
    void modifyRequested(const QString& recId);
    void newDueRequested(const QDate& dueDate);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Hit
    {
        QDate day;
        int index = -1; // due index within the day, -1 for free space
        bool more = false;
    };
    Hit HitAt(const QPoint& pos) const;
    int HeaderHeight() const;
    int LineHeight() const;
    QRect HeaderRect(int column) const;
    QRect CellRect(int cell) const;
    void MoveTo(const QDate& day);
    void Select(const QString& recId);
    // The selected due's place among the current day's dues, or -1.
    int SelectedIndex() const;
    void PlaceTexts(const QDate& day, int index, QRect* title, QRect* amount) const;
    void MeasureAmounts();
    // Tells a screen reader where the keys are: the selected due, else the day.
    void NotifyAccessible();

    CalendarMonth m_grid;
    QMap<QDate, QList<DueRecord>> m_byDay;
    QDate m_current;
    QString m_selected;
    Qt::DayOfWeek m_firstDay = Qt::Monday;
    int m_amountWidth = 0; // the widest amount of the month
};
