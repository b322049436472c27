#pragma once

#include "model/base/COleDateTime.h"

#include <QDateEdit>
#include <QTime>

// The toolbar's month picker. It holds the shown date (with its time of day);
// userDateChanged fires only for changes made by the user.
class CMonthPicker : public QDateEdit
{
    Q_OBJECT
public:
    explicit CMonthPicker(QWidget* parent = nullptr);

    COleDateTime GetTime() const;
    // Sets the date and time without counting as a change by the user.
    void SetTime(const COleDateTime& when);

signals:
    void userDateChanged();

protected:
    // One stop for Tab, month and year together: Left and Right move between
    // them, as in every date field.
    bool focusNextPrevChild(bool next) override;

private:
    QTime m_time;
    bool m_setting = false;
};
