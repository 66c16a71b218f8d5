#pragma once
// The next pass of a satellite: AOS, LOS, azimuths and maximum elevation, found by a rise, a
// culmination and a set search. Times are day numbers of the display scale (days since
// 1978-01-01 00:00); the search steps through time and asks for the look angles at each
// instant it tries. The texts shown of a pass are formed from these in tracking/PassTexts.

#include <functional>

namespace orbit {

inline constexpr double kPassHorizon = -0.6;        // degrees: rise and set threshold
inline constexpr double kOneMinute = 1.0 / 1440.0;  // days
inline constexpr double kFifteenMinutes = 1.0 / 96.0;
inline constexpr double kThirtySeconds = 1.0 / 2880.0;
inline constexpr double kStepFactor = 0.2;  // each refinement divides the step by 5
inline constexpr int kRefinements = 3;
inline constexpr double kAosSearchDays = 1.0;
// A satellite that never sets for this station would keep the LOS search running; after
// this much simulated time it is shown as up.
inline constexpr double kLosSearchDays = 3.0;
// What the last search of a pass found.
enum class PassFinding {
    NotSearched,
    Pass,    // the times and azimuths below hold the pass
    NoPass,  // no rise within a day, or the set could not be propagated along the way
};

struct PassData {
    double aosTime = 0.0;
    double aosAzimuth = 0.0;
    double aosRounded = 0.0;
    double losTime = 0.0;
    double losAzimuth = 0.0;
    double recomputeAfter = 0.0;
    double maxElevation = 0.0;
    double maxTime = 0.0;  // where the pass reaches maxElevation, and the azimuth there
    double maxAzimuth = 0.0;
    PassFinding finding = PassFinding::NotSearched;
    bool alreadyUp = false;  // up when the search started: aosTime is that instant
    bool upSearched = false;
    bool downSearched = false;
    bool geostationary = false;
    bool neverSets = false;  // the LOS search ran out of simulated time
};

// Look angles at one instant; ok is false when the set could not be propagated there.
struct LookSample {
    double azimuth = 0.0;
    double elevation = 0.0;
    bool ok = true;
    double radius = 0.0;  // km from the Earth's centre; 0 when not known
};

using LookAtFunction = std::function<LookSample(double dayNumber)>;

// 15 minutes for orbits whose semi-major axis (Earth radii, as the set holds it) exceeds 3,
// else 1 minute.
double CoarseStep(double semiMajorAxis);
bool IsGeostationary(double meanMotionRevPerDay);

struct PassRequest {
    double now = 0.0;    // day number, display scale
    LookSample current;  // the satellite's look angles at `now`
    double meanMotionRevPerDay = 0.0;
    double semiMajorAxis = 1.0;  // Earth radii
    // While the satellite is far below the horizon the AOS search may pass over the steps it
    // provably cannot rise through, without looking; it lands on the same instants and finds
    // the same pass. Needs the samples' radius, the set's eccentricity and the site's height.
    bool skipEmptyStretches = false;
    double eccentricity = 0.0;
    double siteAltitudeKm = 0.0;
};

// How many steps of `stepDays` after `sample` the satellite is certain to stay below the
// pass horizon (0 when skipping is off or nothing is certain). The bound comes from the
// fastest the angle between site and satellite can close: the satellite's angular rate at
// the lowest radius its orbit allows plus the Earth's rotation, with margins for the
// perturbations, the refraction lift and the tilt of the local vertical.
int StepsSurelyBelowHorizon(const LookSample& sample, const PassRequest& request, double stepDays);

enum class PassOutcome {
    NotDue,         // searched already for this visibility state
    Geostationary,  // no pass data
    Searched,
    Unavailable,  // the set cannot be propagated (found: no pass)
};

// Runs the search when it is due and fills `pass`: the rise, the culmination and the set
// searched in turn, as libpredict separates predict_next_aos and predict_next_los; a satellite
// up at `request.now` starts from there and finds its culmination on the way down. Does not
// touch anything but `pass`; the caller keeps its own time and set (see PassPrediction.h).
PassOutcome SearchPass(PassData& pass, const PassRequest& request, const LookAtFunction& lookAt);

// A point of a pass: instant (day number) and look angles.
struct PassPoint {
    double time = 0.0;
    double azimuth = 0.0;
    double elevation = 0.0;
};

// The true top of a pass near `best`, the best point a search with step `coarse` saw: the
// top lies within a step of it, and not before `earliest`. Found to a fraction of a second
// by golden-section search; `best`, unless a higher point turns up. The search's own
// instants are left alone: this only looks closer at the top.
PassPoint TopNear(const LookAtFunction& lookAt, PassPoint best, double coarse, double earliest);

// Clears the searched flags and aosRounded.
void ResetPass(PassData& pass);

}  // namespace orbit
