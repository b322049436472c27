#pragma once

#include "ui/skinui/CGuiToolBarWnd.h"

#include <QHash>

class CBannerStatic;
class CFilterCombo;
class CMonthPicker;
class QLineEdit;

// The main toolbar: previous month, month picker, next month, the command
// buttons, the banner, the filter box and the search field, in that order of
// slots.
class CMainToolBar : public CGuiToolBarWnd
{
    Q_OBJECT
public:
    // actions: the frame's action of each command id.
    CMainToolBar(const QHash<int, QAction*>& actions, QWidget* parent = nullptr);

    CMonthPicker* MonthPicker() const { return m_picker; }
    CFilterCombo* FilterBox() const { return m_filter; }
    CBannerStatic* Banner() const { return m_banner; }
    // Searches the shown month (title, pay to, account, notes).
    QLineEdit* SearchField() const { return m_search; }

    // Ids of the slots in order; 0 for a plain separator.
    static QList<int> SlotIds();

private:
    CMonthPicker* m_picker;
    CBannerStatic* m_banner;
    CFilterCombo* m_filter;
    QLineEdit* m_search;
};
