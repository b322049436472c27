#include "ui/skinui/CGuiComboBoxExt.h"

CGuiComboBoxExt::CGuiComboBoxExt(QWidget* parent, Width width) : QComboBox(parent)
{
    setEditable(false);
    // Setting the policy builds the drop-down list at once, which a box of
    // fixed width (one in a tool bar) leaves to its first drop-down.
    if (width == Width::FromItems)
        setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}
