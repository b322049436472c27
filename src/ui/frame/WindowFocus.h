#pragma once

#include <QString>

class QWidget;

// Gives a window of the program the focus when another start of the program
// asked for it. Qt's activateWindow alone is not enough there: on X11 it asks
// with the time of the last event the window saw, which the server and the
// window manager take as older than the focus someone else got since; under
// Wayland only a token that the compositor gave the asking start may move
// the focus.
namespace WindowFocus {

// Makes window (shown already, or about to be) the active one. token: the
// asking start's Wayland activation token or X11 startup identifier; empty
// when it had none.
void Take(QWidget* window, const QString& token);

// The X server time of the user's action that a startup identifier carries
// ("..._TIME<n>"); 0 when it names none.
quint32 StartupTime(const QString& startupId);

} // namespace WindowFocus
