#pragma once

#include <QDateTime>

// The one source of "now" for the whole program. Identifiers, default dates
// and the colour of a row all depend on it, so tests pin it.
class Clock
{
public:
    // Current local date and time (or the pinned time, when set).
    static QDateTime Now();

    // Pins the clock to a fixed local time; an invalid QDateTime releases it.
    static void SetFixed(const QDateTime& when);
    // Moves a pinned clock forward (no effect on the real clock).
    static void Advance(qint64 seconds);
    static bool IsFixed();
};
