#include "ui/skinui/CGuiToolBarWnd.h"

#include <QActionEvent>
#include <QToolButton>

CGuiToolBarWnd::CGuiToolBarWnd(const QString& title, QWidget* parent) : QToolBar(title, parent)
{
    setMovable(true);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    // The button that shows the tools a narrow window has no room for.
    if (auto* more = findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(tr("More Tools"));
}

void CGuiToolBarWnd::actionEvent(QActionEvent* event)
{
    QToolBar::actionEvent(event);
    if (event->type() != QEvent::ActionAdded && event->type() != QEvent::ActionChanged)
        return;
    if (auto* button = qobject_cast<QToolButton*>(widgetForAction(event->action())))
        button->setAccessibleName(event->action()->toolTip().simplified());
}

QAction* CGuiToolBarWnd::AddControlSlot(QWidget* control, int width, int id)
{
    control->setFixedWidth(width);
    QAction* action = addWidget(control);
    action->setData(id);
    return action;
}
