#pragma once

#include <QToolBox>
#include <QWidget>

class CGuiOutLook;

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

signals:
    void commandRequested(int commandId);

private:
    CGuiFolder* m_folders;
};
