#include "recurrence/DaysInMonth.h"

int DaysInMonth(int monthIndex, int year)
{
    switch (monthIndex) {
    case 3:
    case 5:
    case 8:
    case 10:
        return 30;
    case 1:
        return ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0) ? 29 : 28;
    default:
        return 31;
    }
}
