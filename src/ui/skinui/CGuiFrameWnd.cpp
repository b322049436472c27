#include "ui/skinui/CGuiFrameWnd.h"

#include "ui/skinui/CNewMenu.h"
#include "ui/skinui/GuiDrawLayer.h"
#include "ui/skinui/SkinStyle.h"

#include <QCoreApplication>
#include <QDockWidget>

CGuiFrameWnd::CGuiFrameWnd(QWidget* parent) : QMainWindow(parent), m_StyleDisplay(GuiDrawLayer::m_Style)
{
    SkinStyle::Install();
    // The skin draws the menu bar in the window. A desktop's global menu bar
    // would take the menus out of it, and only asking the session bus
    // whether there is one holds up every start by a round trip.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
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
    // everything in the window takes the skin's palette, light or dark after
    // the desktop's, so no desktop text colour lands on a skin's face.
    QPalette pal = GuiDrawLayer::SkinPalette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::Window, face);
    setPalette(pal);
    for (QWidget* child : findChildren<QWidget*>())
        child->update();
}
