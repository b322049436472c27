#include "ui/skinui/CGuiFrameWnd.h"

#include "ui/skinui/CNewMenu.h"
#include "ui/skinui/GuiDrawLayer.h"
#include "ui/skinui/SkinStyle.h"

#include <QDockWidget>

CGuiFrameWnd::CGuiFrameWnd(QWidget* parent) : QMainWindow(parent), m_StyleDisplay(GuiDrawLayer::m_Style)
{
    SkinStyle::Install();
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);
}

void CGuiFrameWnd::EnableDocking(Qt::DockWidgetAreas areas)
{
    for (QDockWidget* dock : findChildren<QDockWidget*>())
        dock->setAllowedAreas(areas);
}

void CGuiFrameWnd::StyleDispl(int style)
{
    m_StyleDisplay = style;
    GuiDrawLayer::m_Style = style;
    CNewMenu::m_StyleMenu = style;

    const QColor face = GuiDrawLayer::GetRGBColorFace(style);
    // The bars take their colours from the style when they paint (SkinStyle);
    // dialogs take the face colour through GuiDrawLayer::ApplyFace.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, face);
    setPalette(pal);
    for (QWidget* child : findChildren<QWidget*>())
        child->update();
}
