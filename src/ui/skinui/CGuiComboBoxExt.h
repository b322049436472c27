#pragma once

#include <QComboBox>

// A skinned combo box that behaves as a drop-down list.
class CGuiComboBoxExt : public QComboBox
{
    Q_OBJECT
public:
    explicit CGuiComboBoxExt(QWidget* parent = nullptr);
};
