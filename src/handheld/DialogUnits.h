#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// Dialog units as the handheld's dialogs are laid out in: a horizontal unit
// is a quarter of the font's average character width, a vertical unit an
// eighth of its height.
namespace DialogUnits {

// Average width of the Latin letters and the height of the font, in pixels.
QSize BaseUnits(const QFont& font);

inline int ToPixelsX(int units, const QSize& base)
{
    return units * base.width() / 4;
}
inline int ToPixelsY(int units, const QSize& base)
{
    return units * base.height() / 8;
}
inline QSize ToPixels(const QSize& units, const QSize& base)
{
    return {ToPixelsX(units.width(), base), ToPixelsY(units.height(), base)};
}

// The font the handheld's dialogs are designed for: Tahoma 8, or the nearest
// sans-serif font here.
QFont DialogFont();

} // namespace DialogUnits
