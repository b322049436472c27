#pragma once

#include <QToolBox>
#include <QWidget>

class CGuiOutLook;
class QToolButton;

// Folders stacked in one column; one is open at a time.
class CGuiFolder : public QToolBox
{
    Q_OBJECT
public:
    explicit CGuiFolder(QWidget* parent = nullptr);

    void AddFolder(QWidget* content, const QString& caption, const QIcon& icon = {});
    void SelectFolder(int index) { setCurrentIndex(index); }
};

// The outlook-style navigation pane: a folder control whose folders hold
// item lists; item clicks come out as command ids.
class CGuiOutLookView : public QWidget
{
    Q_OBJECT
public:
    explicit CGuiOutLookView(QWidget* parent = nullptr);

    CGuiFolder* Folders() const { return m_folders; }
    // Adds a folder holding `list` and forwards its item clicks.
    void AddFolder(CGuiOutLook* list, const QString& caption);
    void SetStyle(int style);
    // Makes the items of the folders not opened yet (they are made when a
    // folder is first opened otherwise).
    void BuildAllItems();

    // Keyboard: gives the focus to the item last used in the open folder (or
    // its first). Up and Down move between the items, past the last item into
    // the next folder and before the first into the previous one; Home and
    // End go to the ends of the folder; Space and Enter run the item.
    void FocusCurrentItem();
    // Opens a folder and focuses one of its items (-1: the last).
    void FocusItem(int folder, int item);
    // The item that has the focus, or null.
    QToolButton* FocusedItem() const;

signals:
    void commandRequested(int commandId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CGuiOutLook* ListAt(int folder) const;

    CGuiFolder* m_folders;
    QToolButton* m_lastItem = nullptr;
};
