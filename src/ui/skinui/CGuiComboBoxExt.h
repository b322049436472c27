#pragma once

#include <QComboBox>

// A skinned combo box that behaves as a drop-down list.
class CGuiComboBoxExt : public QComboBox
{
    Q_OBJECT
public:
    enum class Width
    {
        FromItems, // as wide as its items need, at least
        Fixed      // the owner fixes the width: nothing to measure
    };
    explicit CGuiComboBoxExt(QWidget* parent = nullptr, Width width = Width::FromItems);
};
