#pragma once
// The next pass of a satellite: AOS, LOS, azimuths, maximum elevation and their times of day
// as texts. How a window lays the two texts out is for the window to say.
// Times are day numbers of the display scale (days since
// 1978-01-01 00:00); the search steps through time and asks for the look angles at each
// instant it tries.

#include <functional>
#include <string>

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
inline constexpr double kStoredElevationReset = -96.0;

inline constexpr const char* kAlreadyUpText = "*****";
inline constexpr const char* kNoPassText = "-----";

struct PassData {
    double aosTime = 0.0;
    double aosAzimuth = 0.0;
    double aosRounded = 0.0;
    double losTime = 0.0;
    double losAzimuth = 0.0;
    double recomputeAfter = 0.0;
    double maxElevation = 0.0;
    std::string aosText;  // "hh:nn" of aosRounded, "*****" when already up, "-----" when none
    std::string losText;  // "hh:nn" of losTime + 30 s, "*****" when it never sets, "-----"
    bool upSearched = false;
    bool downSearched = false;
    bool geostationary = false;
    bool neverSets = false;                            // the LOS search ran out of simulated time
    double previousElevation = kStoredElevationReset;  // last tick's elevation (crossings)
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

// "hh:nn" of the time of day of a day number.
std::string TimeOfDayText(double dayNumber);
// "hh:nn" of a length of time (days).
std::string DurationText(double days);

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
    Unavailable,  // the set cannot be propagated (texts "-----")
};

// Runs the search when it is due and fills `pass`. Does not touch anything but `pass`; the
// caller keeps its own time and set (see PassPrediction.h).
PassOutcome SearchPass(PassData& pass, const PassRequest& request, const LookAtFunction& lookAt);

// Clears the searched flags, the stored previous elevation and aosRounded.
void ResetPass(PassData& pass);

// The list's countdown column: time to LOS while up, else time to AOS.
std::string PassCountdownText(const PassData& pass, double elevation, double now);

}  // namespace orbit
