#include "ui/skinui/CGuiFrameWnd.h"

#include "ui/skinui/CNewMenu.h"
#include "ui/skinui/GuiDrawLayer.h"

#include <QDockWidget>

CGuiFrameWnd::CGuiFrameWnd(QWidget* parent) : QMainWindow(parent), m_StyleDisplay(GuiDrawLayer::m_Style)
{
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
    const auto [top, bottom] = GuiDrawLayer::BannerColors(face);
    const QColor shadow = GuiDrawLayer::GetRGBColorShadow(style);
    const QColor hot(255, 231, 162);
    const QColor hotBorder(230, 139, 44);
    // One sheet for the bars of the frame; dialogs take the face colour through
    // GuiDrawLayer::ApplyFace.
    setStyleSheet(
        QStringLiteral(
            "QMenuBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2);"
            " border-bottom: 1px solid %3; }"
            "QMenuBar::item { background: transparent; padding: 3px 8px; }"
            "QMenuBar::item:selected { background: %4; border: 1px solid %5; }"
            "QToolBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2);"
            " border: none; border-bottom: 1px solid %3; spacing: 2px; padding: 2px; }"
            "QToolBar QToolButton { border: 1px solid transparent; border-radius: 2px; padding: 2px; }"
            "QToolBar QToolButton:hover { background: %4; border-color: %5; }"
            "QToolBar QToolButton:pressed, QToolBar QToolButton:checked { background: #fbc46b;"
            " border-color: %5; }"
            "QToolBar::separator { background: %3; width: 1px; margin: 4px 3px; }"
            "QStatusBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2);"
            " border-top: 1px solid %3; }"
            "QStatusBar::item { border: none; }"
            "QMainWindow::separator { background: %6; width: 4px; height: 4px; }")
            .arg(top.name(), bottom.name(), shadow.name(), hot.name(), hotBorder.name(), face.name()));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, face);
    setPalette(pal);
    update();
}
