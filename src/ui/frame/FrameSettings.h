#pragma once

class CMainFrame;

// What the main window remembers between runs (settings "Quillory",
// "Tallyvane"): its place, size and maximised state, the docked bars and the
// toolbar, the width of the navigation pane, the shown month, the filter and
// the order of the list.
namespace FrameSettings {

void Save(const CMainFrame& frame);
// Puts the window back as it was left, shown or not; false on the first
// start (nothing remembered), when the window keeps its defaults.
bool Restore(CMainFrame& frame);
// The first start's place, for a window not shown yet: maximised, over a
// normal size that fits the screen, so that leaving the maximised state
// gives a window, not the screen.
void PlaceAsNew(CMainFrame& frame);

} // namespace FrameSettings
