#pragma once
// What a site sees of one set, as plain functions of the site, the set and the instant. They
// need no station state: the engine supplies the set table and the models, and each function
// makes the set it is given the engine's current set (callers that must keep the current set
// save it around the call).

#include <vector>

#include "orbit/Countdown.h"
#include "orbit/LookAngles.h"
#include "orbit/ObserverSite.h"
#include "orbit/OrbitEngine.h"
#include "orbit/PassSearch.h"
#include "orbit/PropagationResult.h"
#include "orbit/TimeScales.h"

namespace orbit {

// The UTC Julian date of a day number of the display scale under the computation shift A.
double ComputationInstant(double dayNumber, double computationShift);

struct Observation {
    PropagationResult state;  // the failure reason when it could not be propagated
    LookAngles look;          // only when state.ok
};

// Makes set `setIndex` current and looks at it from `site` at a UTC Julian date.
Observation ObserveSet(OrbitEngine& orbit, int setIndex, const GeodeticSite& site,
                       double julianDate);

// The look angles of the engine's current set at display-scale day numbers, for the
// searches. Selecting the set once keeps its models initialised across the steps.
LookAtFunction LookAtCurrentSet(OrbitEngine& orbit, const GeodeticSite& site,
                                double computationShift);

// The search's request for `set` seen from `site` at day number `now` (`current` is what the
// site sees then, propagated), with the skip over empty stretches on.
PassRequest MakePassRequest(const ElementSet& set, const GeodeticSite& site, double now,
                            const Observation& current);

// The pass of set `setIndex` from `site`, searched from `start` when it is due for `pass`
// (its searched flags); the search steps day numbers and takes them to UTC with the shift A.
// A set that cannot be propagated at `start` is found to have no pass, and Unavailable.
PassOutcome PredictPass(PassData& pass, OrbitEngine& orbit, int setIndex, const GeodeticSite& site,
                        const TimeState& start, double computationShift);

// The next pass from `start`, searched afresh.
struct PassPrediction {
    PassOutcome outcome = PassOutcome::Unavailable;
    PassData pass;
};
PassPrediction NextPass(OrbitEngine& orbit, int setIndex, const GeodeticSite& site,
                        const TimeState& start, double computationShift);

// The pass of set `setIndex` in progress at day number `at` from its real rise: the search
// starts where the satellite was last below the horizon, looking back up to a day in steps of
// 30 s. A satellite not up at `at` gets its next pass.
PassPrediction PassFromRise(OrbitEngine& orbit, int setIndex, const GeodeticSite& site, double at,
                            double computationShift);

// The countdown entry of each of `setIndices` from day number `now`, at the countdown
// elevation `minElevation` (degrees); a set that cannot be propagated gets an empty entry.
std::vector<CountdownEntry> CountdownEntries(OrbitEngine& orbit, const std::vector<int>& setIndices,
                                             const GeodeticSite& site, double now,
                                             double computationShift, double minElevation);

}  // namespace orbit
