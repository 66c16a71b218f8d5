// The pass search in its three searches, each a coarse step and finer ones back where it
// turns: the rise, the culmination, the set; and the bound that lets the rise search skip
// stretches the satellite cannot rise through. Geostationary satellites are left out.
#include "orbit/PassSearch.h"

#include <algorithm>
#include <cmath>

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
// How closely the top of a pass is found: near the zenith the elevation falls about a degree
// a second on either side, so this keeps the maximum within a few hundredths of a degree.
constexpr double kTopPrecision = 0.02 / kSecondsPerDay;

double Radians(double degrees) {
    return degrees * (kPi / 180.0);
}

// The angle at the Earth's centre between a site at distance `site` and a satellite at
// distance `satellite` that the site sees at geocentric elevation `elevation` (radians).
double CentralAngle(double elevation, double site, double satellite) {
    return std::acos(site / satellite * std::cos(elevation)) - elevation;
}

}  // namespace

double CoarseStep(double semiMajorAxis) {
    return semiMajorAxis > kHighOrbitRadii ? kFifteenMinutes : kOneMinute;
}

bool IsGeostationary(double meanMotionRevPerDay) {
    return meanMotionRevPerDay > kGeostationaryLow && meanMotionRevPerDay < kGeostationaryHigh;
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

namespace {

// The highest point in [from, to], where the elevation climbs to a single top and falls after
// it; `known` unless a higher one turns up.
PassPoint HighestPoint(const LookAtFunction& lookAt, double from, double to, PassPoint known) {
    // Golden-section search: each look narrows the bracket to 0.618 of itself. A failing look
    // ends it with what is known.
    const double ratio = (std::sqrt(5.0) - 1.0) / 2.0;
    PassPoint best = known;
    const auto look = [&](double t, PassPoint& point) {
        const LookSample sample = lookAt(t);
        point = {t, sample.azimuth, sample.elevation};
        if (sample.ok && sample.elevation > best.elevation)
            best = point;
        return sample.ok;
    };
    double a = from;
    double b = to;
    PassPoint left;
    PassPoint right;
    if (!(b > a) || !look(b - ratio * (b - a), left) || !look(a + ratio * (b - a), right))
        return best;
    while (b - a > kTopPrecision) {
        if (left.elevation < right.elevation) {
            a = left.time;
            left = right;
            if (!look(a + ratio * (b - a), right))
                break;
        } else {
            b = right.time;
            right = left;
            if (!look(b - ratio * (b - a), left))
                break;
        }
    }
    return best;
}

}  // namespace

PassPoint TopNear(const LookAtFunction& lookAt, PassPoint best, double coarse, double earliest) {
    return HighestPoint(lookAt, std::max(earliest, best.time - coarse), best.time + coarse, best);
}

void ResetPass(PassData& pass) {
    pass.upSearched = false;
    pass.downSearched = false;
    pass.aosRounded = 0.0;
}

namespace {

// Where the searches stand, handed from one to the next.
struct Walk {
    double t = 0.0;          // the instant reached, day number
    double step = 0.0;       // days
    double elevation = 0.0;  // what the next sample's elevation is compared with
    LookSample sample;       // the last look angles taken
};

enum class Reached {
    Found,
    NoPass,     // no rise within a day, or the set could not be propagated
    OutOfTime,  // still up when the LOS search's simulated time ran out
};

double LosLimit(const PassRequest& request) {
    return request.now + kLosSearchDays;
}

// One step on and the look angles there; false when the set could not be propagated.
bool StepOn(Walk& walk, const LookAtFunction& lookAt) {
    walk.t += walk.step;
    walk.sample = lookAt(walk.t);
    return walk.sample.ok;
}

// Back to `kept` with a fifth of the step; true once the step has been refined enough.
bool StepBackFiner(Walk& walk, double kept, int& refinements) {
    walk.t = kept;
    walk.step *= kStepFactor;
    return ++refinements == kRefinements;
}

// AOS: step until the elevation passes the horizon, then go back and refine. Fills the rise
// and leaves the walk half a minute after it; false when there is no pass.
bool SearchRise(PassData& pass, const PassRequest& request, const LookAtFunction& lookAt,
                Walk& walk) {
    const double aosLimit = walk.t + kAosSearchDays;
    double prev = walk.elevation;
    int refinements = 0;
    for (;;) {
        if (refinements == 0) {
            // Steps the satellite cannot rise through are taken without looking, by the same
            // additions, so the search lands on the instants it would have tried. Looking
            // would have found it below (or the set failing, or the day over: no pass either
            // way).
            for (int k = StepsSurelyBelowHorizon(walk.sample, request, walk.step); k > 0; --k) {
                walk.t += walk.step;
                if (walk.t > aosLimit)
                    return false;
            }
        }
        const double kept = walk.t;
        if (!StepOn(walk, lookAt))
            return false;
        if (Crossed(prev, walk.sample.elevation, kPassHorizon)) {
            if (StepBackFiner(walk, kept, refinements))
                break;
            continue;
        }
        if (walk.t > aosLimit)
            return false;
        prev = walk.sample.elevation;
    }
    pass.aosAzimuth = walk.sample.azimuth;
    pass.aosTime = walk.t;
    walk.t += kThirtySeconds;
    pass.aosRounded = walk.t;
    pass.recomputeAfter = walk.t;
    return true;
}

// The best point the search has seen, kept with the pass.
void NoteSample(PassData& pass, double t, const LookSample& sample) {
    if (sample.elevation > pass.maxElevation) {
        pass.maxElevation = sample.elevation;
        pass.maxTime = t;
        pass.maxAzimuth = sample.azimuth;
    }
}

// The true top near the best sample the culmination search saw. The top lies within a coarse
// step of it, and not before `earliest`.
void RefineTop(PassData& pass, const PassRequest& request, const LookAtFunction& lookAt,
               double earliest) {
    const PassPoint top = TopNear(lookAt, {pass.maxTime, pass.maxAzimuth, pass.maxElevation},
                                  CoarseStep(request.semiMajorAxis), earliest);
    pass.maxTime = top.time;
    pass.maxAzimuth = top.azimuth;
    pass.maxElevation = top.elevation;
}

// Culmination after the rise: climb with the coarse step while the elevation grows, refine
// where it turns, then look closer at the top. Leaves the walk at the best instant of the
// climb with the elevation there; false when the set could not be propagated.
bool SearchCulmination(PassData& pass, const PassRequest& request, const LookAtFunction& lookAt,
                       Walk& walk) {
    const double losLimit = LosLimit(request);
    walk.step = CoarseStep(request.semiMajorAxis);
    double prev = 0.1;
    pass.maxElevation = 0.0;
    pass.maxTime = pass.aosTime;
    pass.maxAzimuth = pass.aosAzimuth;
    int refinements = 0;
    bool elevationKnown = false;
    while (walk.t < losLimit) {
        const double kept = walk.t;
        if (!StepOn(walk, lookAt))
            return false;
        NoteSample(pass, walk.t, walk.sample);
        if (walk.sample.elevation >= prev) {
            prev = walk.sample.elevation;
            walk.elevation = prev;
            elevationKnown = true;
            continue;
        }
        if (StepBackFiner(walk, kept, refinements))
            break;
    }
    if (!elevationKnown) {
        walk.sample = lookAt(walk.t);
        if (!walk.sample.ok)
            return false;
        walk.elevation = walk.sample.elevation;
    }
    RefineTop(pass, request, lookAt, pass.aosTime);
    return true;
}

// Culmination of a satellite up at the start: step on until the elevation first drops, then
// walk over the top with a twelfth of the step, and look closer at the top. The LOS search
// goes on from there with five twelfths of the step, comparing with the last elevation before
// the drop.
Reached SearchCulminationWhileUp(PassData& pass, const PassRequest& request,
                                 const LookAtFunction& lookAt, Walk& walk) {
    const double losLimit = LosLimit(request);
    for (;;) {
        const double kept = walk.t;
        if (!StepOn(walk, lookAt))
            return Reached::NoPass;
        NoteSample(pass, walk.t, walk.sample);
        if (walk.elevation > walk.sample.elevation) {
            walk.t = kept;
            walk.step /= 12.0;
            do {
                if (!StepOn(walk, lookAt))
                    return Reached::NoPass;
                NoteSample(pass, walk.t, walk.sample);
            } while (walk.sample.elevation >= walk.elevation && walk.t < losLimit);
            walk.step *= 5.0;
            RefineTop(pass, request, lookAt, request.now);
            return walk.t > losLimit ? Reached::OutOfTime : Reached::Found;
        }
        // Still climbing, so above the horizon: no set to look for before the top.
        walk.elevation = walk.sample.elevation;
        if (walk.t > losLimit)
            return Reached::OutOfTime;
    }
}

// LOS: step on until the elevation passes the horizon, then go back and refine. A pass that
// ended within the half minute after its rise has its LOS where the walk stands.
Reached SearchSet(PassData& pass, const PassRequest& request, const LookAtFunction& lookAt,
                  Walk& walk) {
    if (walk.elevation < kPassHorizon)
        return Reached::Found;
    const double losLimit = LosLimit(request);
    int refinements = 0;
    for (;;) {
        const double kept = walk.t;
        if (!StepOn(walk, lookAt))
            return Reached::NoPass;
        NoteSample(pass, walk.t, walk.sample);
        if (Crossed(walk.elevation, walk.sample.elevation, kPassHorizon)) {
            if (StepBackFiner(walk, kept, refinements))
                return Reached::Found;
            continue;
        }
        walk.elevation = walk.sample.elevation;
        if (walk.t > losLimit)
            return Reached::OutOfTime;
    }
}

// The set where the walk ended, or what the search found instead.
void KeepSet(PassData& pass, const Walk& walk, Reached reached) {
    if (reached == Reached::NoPass) {
        pass.finding = PassFinding::NoPass;
        return;
    }
    pass.finding = PassFinding::Pass;
    pass.neverSets = reached == Reached::OutOfTime;
    pass.losAzimuth = walk.sample.azimuth;
    pass.losTime = walk.t;
    // A satellite that never sets is searched again from where the search gave up.
    pass.recomputeAfter = pass.neverSets ? walk.t : walk.t + kThirtySeconds;
}

}  // namespace

PassOutcome SearchPass(PassData& pass, const PassRequest& request, const LookAtFunction& lookAt) {
    if (IsGeostationary(request.meanMotionRevPerDay)) {
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
    Walk walk{request.now, coarse, el0, request.current};
    Reached reached = Reached::NoPass;
    pass.alreadyUp = el0 > kPassHorizon;
    if (pass.alreadyUp) {
        pass.aosAzimuth = request.current.azimuth;
        pass.aosTime = walk.t;
        pass.maxElevation = el0;
        pass.maxTime = walk.t;
        pass.maxAzimuth = request.current.azimuth;
        reached = SearchCulminationWhileUp(pass, request, lookAt, walk);
    } else if (SearchRise(pass, request, lookAt, walk) &&
               SearchCulmination(pass, request, lookAt, walk)) {
        walk.step = coarse;
        reached = Reached::Found;
    }
    if (reached == Reached::Found)
        reached = SearchSet(pass, request, lookAt, walk);
    KeepSet(pass, walk, reached);
    return PassOutcome::Searched;
}

}  // namespace orbit
