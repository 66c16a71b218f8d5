#pragma once

// Greenwich mean sidereal time at an element set's epoch, for DEEP.
namespace orbit {

struct EpochSiderealTime {
    double theta = 0.0;  // radians, [0, 2π)
    double ds50 = 0.0;   // days since 1950 January 0.0 (JD 2433281.5)
};

// `epoch` is YYDDD.DDDDDDDD; `century` as for EpochToJulianDate. Uses the
// IAU 1982 GMST polynomial rather than a fixed-rate formula whose year
// handling breaks after 1999.
EpochSiderealTime SiderealTimeAtEpoch(double epoch, int century);

}  // namespace orbit
