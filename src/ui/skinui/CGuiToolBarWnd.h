#pragma once

#include <QToolBar>

// A dockable toolbar; besides buttons it holds child controls in slots of a
// fixed width.
class CGuiToolBarWnd : public QToolBar
{
    Q_OBJECT
public:
    explicit CGuiToolBarWnd(const QString& title, QWidget* parent = nullptr);

    // Puts a control into a slot `width` pixels wide; returns its action.
    QAction* AddControlSlot(QWidget* control, int width, int id);

protected:
    // A button says what its tool tip says: the short texts of commands
    // repeat ("With Notes" for each export), their tips do not.
    void actionEvent(QActionEvent* event) override;
};
