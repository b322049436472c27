#pragma once

#include "model/store/DueRecord.h"
#include "ui/skinui/CGuiControlBar.h"

#include <QStringList>

class CDetailsList;

// The "Details" bar: every field of the selected due as eight rows of
// headings (bold) and values.
class CDetailsBar : public CGuiControlBar
{
    Q_OBJECT
public:
    explicit CDetailsBar(QWidget* parent = nullptr);

    static QStringList Headings();
    // The eight value texts of a record, in row order.
    static QStringList DetailValues(const DueRecord& record);

    void ShowDue(const DueRecord& record);
    void ClearDetails();

    QString Heading(int row) const;
    QString Value(int row) const;
    CDetailsList* List() const { return m_list; }

private:
    CDetailsList* m_list;
};
