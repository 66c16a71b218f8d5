#pragma once

// Epoch arithmetic for element sets. Two-digit epoch years take their
// century from the clock at program start; there is no clock in here, the
// caller passes that year in.
namespace orbit {

// The clock's year rounded down to a multiple of 100 (2025 -> 2000).
int CenturyOf(int clockYear);

// Julian date of 0 January 00:00 of `year`.
double JulianDateOfYearStart(int year);

// Julian date of an epoch written YYDDD.DDDDDDDD.
double EpochToJulianDate(double epoch, int century);

// Days since 1978-01-01 00:00 of an epoch, by the closed formula that holds
// for the years of the current century.
double EpochDayNumber(double epoch);

}  // namespace orbit
