#include "ui/CFilterCombo.h"

CFilterCombo::CFilterCombo(QWidget* parent) : CGuiComboBoxExt(parent)
{
    setObjectName(QStringLiteral("FilterCombo"));
    addItems({QStringLiteral("All"), QStringLiteral("Paid Dues"), QStringLiteral("Unpaid Dues")});
    setCurrentIndex(0);
}
