// Greenwich sidereal time at a set's epoch, and the epoch in days since 1950, for DEEP.
#include "orbit/SiderealTime.h"

#include <cmath>

#include "orbit/EpochTime.h"
#include "orbit/NumericHelpers.h"
#include "orbit/OrbitConstants.h"

namespace orbit {

EpochSiderealTime SiderealTimeAtEpoch(double epoch, int century) {
    const double jd = EpochToJulianDate(epoch, century);
    const double jd0h = std::floor(jd - 0.5) + 0.5;
    const double dayFraction = jd - jd0h;
    const double t = (jd0h - 2451545.0) / 36525.0;
    const double seconds = 24110.54841 + 8640184.812866 * t + 0.093104 * t * t -
                           6.2e-6 * t * t * t + 86636.555366976 * dayFraction;
    EpochSiderealTime result;
    result.theta = Remainder(seconds, 86400.0) * kTwoPi / 86400.0;
    result.ds50 = jd - 2433281.5;
    return result;
}

}  // namespace orbit
