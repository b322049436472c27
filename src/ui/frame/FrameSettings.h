#pragma once

class CMainFrame;

// What the main window remembers between runs (settings "Quillory",
// "Tallyvane"): its place, size and maximised state, the docked bars and the
// toolbar, the width of the navigation pane, the shown month, the filter and
// the order of the list.
namespace FrameSettings {

void Save(const CMainFrame& frame);
// Puts the window back as it was left, not shown yet, fitted to the screen it
// opens on; false on the first start (nothing remembered), when the window
// keeps its defaults.
bool Restore(CMainFrame& frame);
// The first start's place, for a window not shown yet: maximised, over a
// normal size that fits the screen, so that leaving the maximised state
// gives a window, not the screen.
void PlaceAsNew(CMainFrame& frame);
// Fits the window's normal place to its screen, frame included: a hidden one
// to the screen it will show on, which may have changed while it waited in the
// tray (a maximised one stays so); a shown one once its real frame is known.
void FitToScreen(CMainFrame& frame);

} // namespace FrameSettings
