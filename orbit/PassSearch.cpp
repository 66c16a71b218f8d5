// The pass search: a coarse step to the horizon crossing and back with finer steps for AOS,
// climbing to the culmination, walking on to LOS; geostationary satellites are left out.
#include "orbit/PassSearch.h"

#include <algorithm>
#include <cmath>

#include "orbit/DisplayFormat.h"
#include "orbit/OrbitConstants.h"
#include "orbit/TimeScales.h"

namespace orbit {
namespace {

constexpr double kGeostationaryLow = 0.98;  // revolutions per day
constexpr double kGeostationaryHigh = 1.02;
constexpr double kHighOrbitRadii = 3.0;

bool Crossed(double before, double after, double level) {
    return (before > level && level > after) || (before < level && level < after);
}

// The skip bound's margins. A geometric elevation below -1 degree is never lifted by the
// refraction correction; the geodetic and geocentric verticals differ by under 0.2 degree.
constexpr double kRiseElevation = -1.5;       // degrees, geocentric, with room to spare
constexpr double kVerticalTilt = 0.25;        // degrees
constexpr double kSkipBelowElevation = -3.0;  // degrees: nearer the horizon every step is looked at
constexpr double kEccentricityMargin = 0.01;  // osculating against mean eccentricity
constexpr double kRadiusMarginKm = 25.0;      // short-period terms and drag within a stretch
constexpr double kRateMargin = 1.05;          // perturbed velocity against the two-body bound
constexpr double kEarthPolarKm = 6356.75;
constexpr double kEarthEquatorialKm = 6378.14;
constexpr double kClearOfGroundKm = kXkmper + 50.0;
constexpr double kEarthRotation = 7.2921159e-5;  // rad/s
constexpr double kSecondsPerDay = 86400.0;

double Radians(double degrees) {
    return degrees * (kPi / 180.0);
}

// The angle at the Earth's centre between a site at distance `site` and a satellite at
// distance `satellite` that the site sees at geocentric elevation `elevation` (radians).
double CentralAngle(double elevation, double site, double satellite) {
    return std::acos(site / satellite * std::cos(elevation)) - elevation;
}

void MarkNoPass(PassData& pass) {
    pass.aosText = kNoPassText;
    pass.losText = kNoPassText;
}

}  // namespace

double CoarseStep(double semiMajorAxis) {
    return semiMajorAxis > kHighOrbitRadii ? kFifteenMinutes : kOneMinute;
}

bool IsGeostationary(double meanMotionRevPerDay) {
    return meanMotionRevPerDay > kGeostationaryLow && meanMotionRevPerDay < kGeostationaryHigh;
}

std::string TimeOfDayText(double dayNumber) {
    return FormatDateTime(dayNumber + kDayNumberToJulianDate, "hh:nn");
}

std::string DurationText(double days) {
    return TimeOfDayText(days);
}

int StepsSurelyBelowHorizon(const LookSample& sample, const PassRequest& request, double stepDays) {
    if (!request.skipEmptyStretches || !(sample.radius > 0.0) ||
        !(sample.elevation < kSkipBelowElevation) || !(stepDays > 0.0))
        return 0;
    const double e = std::max(request.eccentricity, 0.0) + kEccentricityMargin;
    if (!(e < 0.9))
        return 0;
    const double r = sample.radius;
    const double rMin = r * (1.0 - e) / (1.0 + e) - kRadiusMarginKm;
    const double rMax = r * (1.0 + e) / (1.0 - e) + kRadiusMarginKm;
    const double siteMin = kEarthPolarKm + request.siteAltitudeKm;
    const double siteMax = kEarthEquatorialKm + request.siteAltitudeKm;
    // Only orbits that stay clear of the ground through the stretch: a set that is re-entering
    // fails at some instants and not at others, and each of those must be looked at.
    if (!(rMin > std::max(siteMax, kClearOfGroundKm)) || !(siteMin > 0.0))
        return 0;
    // The central angle grows with the satellite's distance and shrinks with the site's: the
    // smallest it can be now against the largest it can be at the rise.
    const double now = CentralAngle(Radians(sample.elevation + kVerticalTilt), siteMax, rMin);
    const double atRise = CentralAngle(Radians(kRiseElevation), siteMin, rMax);
    const double gap = now - atRise;
    if (!(gap > 0.0))
        return 0;
    // Angular momentum per unit mass is sqrt(mu p) with p = r_p (1 + e) <= r (1 + e).
    const double satelliteRate = std::sqrt(kGe * r * (1.0 + e)) / (rMin * rMin);
    const double closingRate = kRateMargin * (satelliteRate + kEarthRotation);
    const double steps = std::floor(gap / closingRate / (stepDays * kSecondsPerDay)) - 1.0;
    if (!(steps > 0.0))
        return 0;
    return steps > 100000.0 ? 100000 : static_cast<int>(steps);
}

void ResetPass(PassData& pass) {
    pass.upSearched = false;
    pass.downSearched = false;
    pass.previousElevation = kStoredElevationReset;
    pass.aosRounded = 0.0;
}

std::string PassCountdownText(const PassData& pass, double elevation, double now) {
    return DurationText(elevation >= 0.0 ? pass.recomputeAfter - now : pass.aosRounded - now);
}

PassOutcome SearchPass(PassData& pass, const PassRequest& request, const LookAtFunction& lookAt) {
    const double n = request.meanMotionRevPerDay;
    if (IsGeostationary(n)) {
        pass.geostationary = true;
        return PassOutcome::Geostationary;
    }
    pass.geostationary = false;

    const double el0 = request.current.elevation;
    if (el0 >= kPassHorizon) {
        if (pass.upSearched)
            return PassOutcome::NotDue;
        pass.upSearched = true;
        pass.downSearched = false;
    } else {
        if (pass.downSearched)
            return PassOutcome::NotDue;
        pass.downSearched = true;
        pass.upSearched = false;
    }
    pass.neverSets = false;

    const double coarse = CoarseStep(request.semiMajorAxis);
    const double losLimit = request.now + kLosSearchDays;
    double t = request.now;
    double s = coarse;
    bool culminationPending = false;
    LookSample sample = request.current;
    double elevationAtT = el0;

    if (el0 > kPassHorizon) {
        pass.aosAzimuth = request.current.azimuth;
        pass.aosTime = t;
        pass.aosText = kAlreadyUpText;
        pass.maxElevation = el0;
        culminationPending = true;
    } else {
        // AOS: step until the elevation passes the horizon, then go back and refine.
        const double aosLimit = t + kAosSearchDays;
        double prev = el0;
        int refinements = 0;
        for (;;) {
            if (refinements == 0) {
                // Steps the satellite cannot rise through are taken without looking, by the
                // same additions, so the search lands on the instants it would have tried.
                // Looking would have found it below (or the set failing, or the day over:
                // no pass either way).
                for (int k = StepsSurelyBelowHorizon(sample, request, s); k > 0; --k) {
                    t += s;
                    if (t > aosLimit) {
                        MarkNoPass(pass);
                        return PassOutcome::Searched;
                    }
                }
            }
            const double kept = t;
            t += s;
            sample = lookAt(t);
            if (!sample.ok) {
                MarkNoPass(pass);
                return PassOutcome::Searched;
            }
            if (Crossed(prev, sample.elevation, kPassHorizon)) {
                t = kept;
                s *= kStepFactor;
                if (++refinements == kRefinements)
                    break;
                continue;
            }
            if (t > aosLimit) {
                MarkNoPass(pass);
                return PassOutcome::Searched;
            }
            prev = sample.elevation;
        }
        pass.aosAzimuth = sample.azimuth;
        pass.aosTime = t;
        t += kThirtySeconds;
        pass.aosRounded = t;
        pass.recomputeAfter = t;
        pass.aosText = TimeOfDayText(t);

        // Culmination: climb while the elevation grows, refine where it turns.
        s = coarse;
        prev = 0.1;
        pass.maxElevation = 0.0;
        refinements = 0;
        bool elevationKnown = false;
        while (t < losLimit) {
            const double kept = t;
            t += s;
            sample = lookAt(t);
            if (!sample.ok) {
                MarkNoPass(pass);
                return PassOutcome::Searched;
            }
            pass.maxElevation = std::max(pass.maxElevation, sample.elevation);
            if (sample.elevation >= prev) {
                prev = sample.elevation;
                elevationAtT = prev;
                elevationKnown = true;
                continue;
            }
            t = kept;
            s *= kStepFactor;
            if (++refinements == kRefinements)
                break;
        }
        if (!elevationKnown) {
            sample = lookAt(t);
            if (!sample.ok) {
                MarkNoPass(pass);
                return PassOutcome::Searched;
            }
            elevationAtT = sample.elevation;
        }
    }

    // LOS: a pass that ended within the half minute after its rise has its LOS here.
    bool losFound = elevationAtT < kPassHorizon;
    s = coarse;
    double prev = elevationAtT;
    int refinements = 0;
    while (!losFound) {
        const double kept = t;
        t += s;
        sample = lookAt(t);
        if (!sample.ok) {
            MarkNoPass(pass);
            return PassOutcome::Searched;
        }
        pass.maxElevation = std::max(pass.maxElevation, sample.elevation);
        if (culminationPending && prev > sample.elevation) {
            // Past the top: walk over it with a fine step for the maximum.
            t = kept;
            s /= 12.0;
            do {
                t += s;
                sample = lookAt(t);
                if (!sample.ok) {
                    MarkNoPass(pass);
                    return PassOutcome::Searched;
                }
                pass.maxElevation = std::max(pass.maxElevation, sample.elevation);
            } while (sample.elevation >= prev && t < losLimit);
            s *= 5.0;
            culminationPending = false;
        } else if (Crossed(prev, sample.elevation, kPassHorizon)) {
            t = kept;
            s *= kStepFactor;
            if (++refinements == kRefinements)
                losFound = true;
            continue;
        } else {
            prev = sample.elevation;
        }
        if (t > losLimit)
            break;
    }

    if (!losFound) {
        pass.neverSets = true;
        pass.losAzimuth = sample.azimuth;
        pass.losTime = t;
        pass.recomputeAfter = t;
        pass.losText = kAlreadyUpText;
        return PassOutcome::Searched;
    }
    pass.losAzimuth = sample.azimuth;
    pass.losTime = t;
    t += kThirtySeconds;
    pass.recomputeAfter = t;
    pass.losText = TimeOfDayText(t);
    return PassOutcome::Searched;
}

}  // namespace orbit
