#include "model/base/Clock.h"

namespace {
QDateTime g_fixed;
}

QDateTime Clock::Now()
{
    if (g_fixed.isValid())
        return g_fixed;
    return QDateTime::currentDateTime();
}

void Clock::SetFixed(const QDateTime& when)
{
    g_fixed = when;
}

void Clock::Advance(qint64 seconds)
{
    if (g_fixed.isValid())
        g_fixed = g_fixed.addSecs(seconds);
}

bool Clock::IsFixed()
{
    return g_fixed.isValid();
}
