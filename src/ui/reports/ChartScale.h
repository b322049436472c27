#pragma once

#include <QList>

// The value axis of a chart: a top a little above the largest value on a
// round number, and the steps of its grid lines (1, 2, 2.5 or 5 times a power
// of ten), so the lines fall on amounts a reader takes in at a glance.
class ChartScale
{
public:
    ChartScale() = default;
    // At most maxSteps grid steps between zero and the top.
    static ChartScale For(double largest, int maxSteps = 5);

    double Top() const { return m_top; }
    double Step() const { return m_step; }
    // The amounts of the grid lines from zero to the top; only zero when there
    // is nothing to show.
    QList<double> Lines() const;
    // Where a value lies between zero (0.0) and the top (1.0), clamped.
    double Fraction(double value) const;

private:
    double m_top = 0.0;
    double m_step = 0.0;
};
