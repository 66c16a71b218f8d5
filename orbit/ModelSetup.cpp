// What every model's set-up begins with: the inclination kept off the exact equator, and the
// original mean motion and semi-major axis recovered from the set's mean motion (the set's own
// copy, worked out at conversion, when it still matches).
#include <cmath>

#include "orbit/Models.h"
#include "orbit/OrbitConstants.h"

namespace orbit::models {

double SetupInclination(double inclination) {
    constexpr double kClosest = 1.0e-4 * kPi / 180.0;
    if (std::fabs(inclination) < kClosest)
        return kClosest;
    if (std::fabs(inclination - kPi) < kClosest)
        return kPi - kClosest;
    return inclination;
}

RecoveredMotionCache ComputeRecoveredMotion(double meanMotion, double inclination,
                                            double eccentricity) {
    RecoveredMotionCache cache;
    cache.made = true;
    cache.meanMotion = meanMotion;
    cache.inclination = inclination;
    cache.eccentricity = eccentricity;
    RecoveredMotion& r = cache.motion;
    const double a1 = Power(kXke / meanMotion, kTothrd);
    r.cosio = std::cos(SetupInclination(inclination));
    r.theta2 = r.cosio * r.cosio;
    r.x3thm1 = 3.0 * r.theta2 - 1.0;
    r.eosq = eccentricity * eccentricity;
    r.betao2 = 1.0 - r.eosq;
    r.betao = std::sqrt(r.betao2);
    const double del1 = 1.5 * kCk2 * r.x3thm1 / (a1 * a1 * r.betao * r.betao2);
    const double ao = a1 * (1.0 - del1 * (0.5 * kTothrd + del1 * (1.0 + 134.0 / 81.0 * del1)));
    const double delo = 1.5 * kCk2 * r.x3thm1 / (ao * ao * r.betao * r.betao2);
    r.xnodp = meanMotion / (1.0 + delo);
    r.aodp = ao / (1.0 - delo);
    return cache;
}

RecoveredMotion RecoverMeanMotion(const CurrentSet& set) {
    const RecoveredMotionCache& kept = set.recovered;
    if (kept.made && kept.meanMotion == set.meanMotion && kept.inclination == set.inclination &&
        kept.eccentricity == set.eccentricity)
        return kept.motion;
    return ComputeRecoveredMotion(set.meanMotion, set.inclination, set.eccentricity).motion;
}

}  // namespace orbit::models
