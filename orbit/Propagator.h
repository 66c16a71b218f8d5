#pragma once
// Runs SGP4/SDP4 or SGP8/SDP8 on the current set. Owns each model family's
// initialised state; a set's initialise flag decides when it is rebuilt.

#include "orbit/ElementSet.h"
#include "orbit/ModelChoice.h"
#include "orbit/ModelState.h"
#include "orbit/PropagationResult.h"

namespace orbit {

class Propagator {
public:
    // `century` is the clock's century at program start (2000 for 2025); DEEP
    // needs it to place two-digit epoch years.
    explicit Propagator(int century) : century_(century) {}

    // `jd` is the instant as a UTC Julian date. Initialises the model first
    // when the current set asks for it and clears its flag.
    PropagationResult Propagate(CurrentSet& set, ModelChoice choice, double jd);

    // Same, with the time given directly in minutes from the epoch; saves the
    // caller a round trip through a Julian date.
    PropagationResult PropagateMinutes(CurrentSet& set, ModelChoice choice, double tsince);

private:
    // A set that names its epoch's century (OMM) is placed by it, others by the clock's.
    int EpochCentury(const CurrentSet& set) const {
        return set.epochCentury != 0 ? set.epochCentury : century_;
    }

    int century_;
    Sgp4State sgp4_;
    Sdp4State sdp4_;
    Sgp8State sgp8_;
    Sdp8State sdp8_;
};

}  // namespace orbit
