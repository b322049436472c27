#pragma once

#include "ui/skinui/CGuiComboBoxExt.h"

// The filter box: 0 "All", 1 "Paid Dues", 2 "Unpaid Dues".
class CFilterCombo : public CGuiComboBoxExt
{
    Q_OBJECT
public:
    explicit CFilterCombo(QWidget* parent = nullptr);
};
