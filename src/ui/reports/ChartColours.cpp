#include "ui/reports/ChartColours.h"

#include <algorithm>
#include <cmath>

namespace {

double Channel(double c)
{
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c)
{
    const QColor rgb = c.toRgb();
    return 0.2126 * Channel(rgb.redF()) + 0.7152 * Channel(rgb.greenF()) + 0.0722 * Channel(rgb.blueF());
}

QColor Mix(const QColor& a, const QColor& b, double amountOfB)
{
    const QColor x = a.toRgb(), y = b.toRgb();
    auto mix = [&](double p, double q) { return p + (q - p) * amountOfB; };
    return QColor::fromRgbF(float(mix(x.redF(), y.redF())), float(mix(x.greenF(), y.greenF())),
                            float(mix(x.blueF(), y.blueF())));
}

} // namespace

double ChartColours::Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ChartColours::Against(QColor c, const QColor& background, double ratio)
{
    // Toward black on a light background, toward white on a dark one.
    const QColor target = Luminance(background) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
    for (int i = 0; i < 20 && Contrast(c, background) < ratio; ++i)
        c = Mix(c, target, 0.15);
    return c;
}

ChartColours ChartColours::FromPalette(const QPalette& palette)
{
    ChartColours c;
    c.background = palette.color(QPalette::Active, QPalette::Base);
    const bool dark = Luminance(c.background) <= 0.18;
    c.text = Against(palette.color(QPalette::Active, QPalette::Text), c.background, 4.5);
    c.mutedText = Against(Mix(c.text, c.background, 0.3), c.background, 4.5);
    c.grid = Mix(c.text, c.background, 0.82);
    c.focus = Against(palette.color(QPalette::Active, QPalette::Highlight), c.background, 3.0);
    // Paid is the desktop's accent; unpaid a lighter (on dark: darker) tint of
    // it with an outline in the accent, so the two differ also without colour.
    c.paid = Against(palette.color(QPalette::Active, QPalette::Highlight), c.background, 3.0);
    c.unpaid = Mix(c.paid, c.background, 0.6);
    c.unpaidEdge = c.paid;
    c.overdue = Against(dark ? QColor(255, 120, 110) : QColor(200, 30, 30), c.background, 3.0);
    c.changeUp = Against(dark ? QColor(255, 140, 120) : QColor(180, 30, 20), c.background, 4.5);
    c.changeDown = Against(dark ? QColor(120, 220, 130) : QColor(20, 120, 40), c.background, 4.5);
    return c;
}
