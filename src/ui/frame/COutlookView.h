#pragma once

#include "ui/skinui/CGuiOutLookView.h"

class CGuiOutLook;

// The navigation pane: folders "Due", "Tools", "Export" and "Print" of large
// icons; a click on an item sends its command id, as the menu would.
class COutlookView : public CGuiOutLookView
{
    Q_OBJECT
public:
    explicit COutlookView(QWidget* parent = nullptr);

    // The item list of a folder (0 Due, 1 Tools, 2 Export, 3 Print).
    CGuiOutLook* FolderList(int folder) const { return m_lists.value(folder); }
    // Follows the enabled state of a command in every folder.
    void SetCommandEnabled(int commandId, bool enabled);

private:
    QList<CGuiOutLook*> m_lists;
};
