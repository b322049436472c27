#include "ui/reports/ChartScale.h"

#include <algorithm>
#include <cmath>

ChartScale ChartScale::For(double largest, int maxSteps)
{
    ChartScale scale;
    if (!std::isfinite(largest) || largest <= 0.0 || maxSteps < 1)
        return scale;
    const double rough = largest / maxSteps;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10.0 * power;
    for (const double nice : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (nice * power >= rough * (1.0 - 1e-12)) {
            step = nice * power;
            break;
        }
    }
    scale.m_step = step;
    scale.m_top = std::ceil(largest / step * (1.0 - 1e-12)) * step;
    return scale;
}

QList<double> ChartScale::Lines() const
{
    QList<double> lines{0.0};
    if (m_step <= 0.0)
        return lines;
    const int steps = int(std::lround(m_top / m_step));
    for (int i = 1; i <= steps; ++i)
        lines << i * m_step;
    return lines;
}

double ChartScale::Fraction(double value) const
{
    if (m_top <= 0.0 || !std::isfinite(value))
        return 0.0;
    return std::clamp(value / m_top, 0.0, 1.0);
}
