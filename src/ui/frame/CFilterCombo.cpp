#include "ui/frame/CFilterCombo.h"

CFilterCombo::CFilterCombo(QWidget* parent) : CGuiComboBoxExt(parent, Width::Fixed)
{
    setObjectName(QStringLiteral("FilterCombo"));
    setAccessibleName(tr("Show"));
    addItems({tr("All"), tr("Paid Dues"), tr("Unpaid Dues")});
    setCurrentIndex(0);
}
