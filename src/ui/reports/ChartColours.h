#pragma once

#include <QColor>
#include <QPalette>

// The colours of a chart, taken from a palette so that a chart follows the
// desktop's light or dark scheme. Each bar colour is moved away from the
// background until it keeps a contrast of 3:1 with it (what a graphical
// object needs to be told apart), and the texts keep 4.5:1.
class ChartColours
{
public:
    static ChartColours FromPalette(const QPalette& palette);

    // The WCAG contrast ratio of two colours (1 to 21).
    static double Contrast(const QColor& a, const QColor& b);

    QColor background;
    QColor text;
    QColor mutedText; // axis labels
    QColor grid;
    QColor paid;
    QColor unpaid;
    QColor unpaidEdge; // the outline that sets the light unpaid fill off
    QColor overdue;    // the hatching over the overdue part of unpaid
    QColor focus;      // the ring around the current bar
    QColor changeUp;   // a series whose amount rose
    QColor changeDown; // and fell

private:
    // c, made lighter or darker (away from the background) until it keeps ratio.
    static QColor Against(QColor c, const QColor& background, double ratio);
};
