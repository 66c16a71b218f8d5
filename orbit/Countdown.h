#pragma once
// The countdown: for every selected satellite the time until it rises above (or drops below)
// the countdown elevation, and the top of that pass. The rows shown of it are formed in
// tracking/CountdownRows.

#include "orbit/PassSearch.h"

namespace orbit {

enum class CountdownStatus { Rising, Up, None };

struct CountdownEntry {
    double time = 0.0;  // day number
    CountdownStatus status = CountdownStatus::None;
    double maxElevation = 0.0;
};

// One satellite. `minElevation` is the countdown elevation C in degrees.
CountdownEntry ComputeCountdownEntry(double now, double meanMotionRevPerDay, double semiMajorAxis,
                                     double minElevation, const LookAtFunction& lookAt);

}  // namespace orbit
