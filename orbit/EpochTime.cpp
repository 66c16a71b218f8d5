// Epoch arithmetic: the century of the clock's year, the Julian date of a year's start, an
// epoch's Julian date, and its day number on the display scale.
#include "orbit/EpochTime.h"

#include <cmath>

namespace orbit {

int CenturyOf(int clockYear) {
    return clockYear - clockYear % 100;
}

namespace {

// The year as a real, so that an absurd epoch in a damaged element file gives an absurd date
// instead of an integer overflow.
double JulianDateOfYear(double year) {
    const double y = year - 1;
    const double a = std::trunc(y / 100.0);
    const double b = 2.0 - a + std::trunc(a / 4.0);
    return std::trunc(365.25 * y) + 428.0 + 1720994.5 + b;
}

}  // namespace

double JulianDateOfYearStart(int year) {
    return JulianDateOfYear(year);
}

double EpochToJulianDate(double epoch, int century) {
    const double twoDigitYear = std::trunc(epoch / 1000.0);
    // epoch - 1000 * yy equals frac(epoch / 1000) * 1000 without its rounding.
    const double day = epoch - 1000.0 * twoDigitYear;
    return JulianDateOfYear(twoDigitYear + century) + day;
}

double EpochDayNumber(double epoch) {
    const double d = epoch + 100000.0;
    const double b = std::trunc(d / 1000.0);
    const double c = b - 85.0;
    const double d4 = std::trunc(c / 4.0);
    return d - (635.0 * c + 82444.0 - d4);
}

}  // namespace orbit
