#pragma once

#include <QByteArray>
#include <QMargins>
#include <QRect>

#include <optional>

// Where a main window goes on the screen it opens on. Qt's own restore gives
// up (leaving the window at its default size, not maximised) when the screen
// is much narrower or wider than the one it was saved on, as at another scale
// or on a smaller monitor; these pieces let a saved place be fitted instead.
namespace WindowPlacement {

// What QWidget::saveGeometry() wrote: the window's normal place (inside its
// frame) and whether it was maximised or full screen.
struct Saved
{
    QRect normal;
    bool maximized = false;
    bool fullScreen = false;
};

// Null for data that saveGeometry() of this Qt did not write.
std::optional<Saved> Decode(const QByteArray& geometry);

// The normal place inside `area` (a screen's free area), the frame around it
// included: the saved size where it fits, else as large as the area; moved in
// where it reaches out. An empty `normal` gets the first start's place.
QRect Fit(const QRect& normal, const QMargins& frame, const QRect& area);

// The first start's normal place: a comfortable size, at most nine tenths of
// the area, in its middle.
QRect FirstPlace(const QMargins& frame, const QRect& area);

} // namespace WindowPlacement
