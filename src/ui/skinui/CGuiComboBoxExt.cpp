#include "ui/skinui/CGuiComboBoxExt.h"

CGuiComboBoxExt::CGuiComboBoxExt(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}
