#pragma once

// Number of days of a month; monthIndex runs 0 (January) to 11 (December).
// February follows the Gregorian leap rule. An index outside 0 to 11 gives 31.
int DaysInMonth(int monthIndex, int year);
