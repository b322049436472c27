#pragma once

#include "model/store/CDueStore.h"
#include "ui/skinui/CGuiComboBoxExt.h"

// The filter box: 0 "All", 1 "Paid Dues", 2 "Unpaid Dues". Its width is
// fixed by the tool bar.
class CFilterCombo : public CGuiComboBoxExt
{
    Q_OBJECT
public:
    explicit CFilterCombo(QWidget* parent = nullptr);
};

// The filter of a box index; an index the box does not have lists all.
inline DueFilter FilterOfIndex(int index)
{
    return index == 1 ? DueFilter::Paid : index == 2 ? DueFilter::Unpaid : DueFilter::All;
}
