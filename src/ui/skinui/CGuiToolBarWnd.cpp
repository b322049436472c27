#include "ui/skinui/CGuiToolBarWnd.h"

CGuiToolBarWnd::CGuiToolBarWnd(const QString& title, QWidget* parent) : QToolBar(title, parent)
{
    setMovable(true);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
}

QAction* CGuiToolBarWnd::AddControlSlot(QWidget* control, int width, int id)
{
    control->setFixedWidth(width);
    QAction* action = addWidget(control);
    action->setData(id);
    return action;
}
