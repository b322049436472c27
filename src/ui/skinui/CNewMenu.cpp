#include "ui/skinui/CNewMenu.h"

#include "ui/skinui/GuiDrawLayer.h"

int CNewMenu::m_StyleMenu = GuiDrawLayer::kStyleBlue;
