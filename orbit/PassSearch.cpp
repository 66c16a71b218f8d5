// The pass search: a coarse step to the horizon crossing and back with finer steps for AOS,
// climbing to the culmination, walking on to LOS; geostationary satellites are left out.
#include "orbit/PassSearch.h"

#include <algorithm>
#include <cmath>

#include "orbit/DisplayFormat.h"
#include "orbit/TimeScales.h"

namespace orbit {
namespace {

constexpr double kGeostationaryLow = 0.98;  // revolutions per day
constexpr double kGeostationaryHigh = 1.02;
constexpr double kHighOrbitRadii = 3.0;

bool Crossed(double before, double after, double level) {
    return (before > level && level > after) || (before < level && level < after);
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
