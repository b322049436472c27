#pragma once

// Menu style value, kept with the drawing style.
class CNewMenu
{
public:
    static int m_StyleMenu;
};
