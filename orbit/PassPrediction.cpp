// Look angles and pass search over an engine's set table, without station state.
#include "orbit/PassPrediction.h"

namespace orbit {

double ComputationInstant(double dayNumber, double computationShift) {
    // The same sum as the time scales form, so a search meets the tick's instants exactly.
    return TimeAtDayNumber(dayNumber, TimeShifts{computationShift, 0.0}).computationInstant;
}

Observation ObserveSet(OrbitEngine& orbit, int setIndex, const GeodeticSite& site,
                       double julianDate) {
    orbit.SelectCurrentSet(setIndex);
    Observation seen;
    seen.state = orbit.Propagate(julianDate);
    if (seen.state.ok)
        seen.look = ComputeLookAngles(seen.state, site, julianDate);
    return seen;
}

LookAtFunction LookAtCurrentSet(OrbitEngine& orbit, const GeodeticSite& site,
                                double computationShift) {
    return [&orbit, site, computationShift](double dayNumber) {
        const double julianDate = ComputationInstant(dayNumber, computationShift);
        const PropagationResult state = orbit.Propagate(julianDate);
        LookSample sample;
        if (!state.ok) {
            sample.ok = false;
            return sample;
        }
        const LookAngles look = ComputeLookAngles(state, site, julianDate);
        sample.azimuth = look.azimuth;
        sample.elevation = look.elevation;
        sample.radius = state.position.magnitude;
        return sample;
    };
}

PassRequest MakePassRequest(const ElementSet& set, const GeodeticSite& site, double now,
                            const Observation& current) {
    PassRequest request;
    request.now = now;
    request.current = {current.look.azimuth, current.look.elevation, true,
                       current.state.position.magnitude};
    request.meanMotionRevPerDay = set.meanMotionRevPerDay;
    request.semiMajorAxis = set.semiMajorAxis;
    request.skipEmptyStretches = true;
    request.eccentricity = set.eccentricity;
    request.siteAltitudeKm = site.altitudeKm;
    return request;
}

PassOutcome PredictPass(PassData& pass, OrbitEngine& orbit, int setIndex, const GeodeticSite& site,
                        const TimeState& start, double computationShift) {
    const ElementSet& set = orbit.Sets()[setIndex];
    if (set.fault == ElementFault::None) {
        const Observation now = ObserveSet(orbit, setIndex, site, start.computationInstant);
        if (now.state.ok) {
            const PassRequest request = MakePassRequest(set, site, start.dayNumber, now);
            return SearchPass(pass, request, LookAtCurrentSet(orbit, site, computationShift));
        }
    }
    pass.finding = PassFinding::NoPass;
    return PassOutcome::Unavailable;
}

PassPrediction NextPass(OrbitEngine& orbit, int setIndex, const GeodeticSite& site,
                        const TimeState& start, double computationShift) {
    PassPrediction prediction;
    prediction.outcome =
        PredictPass(prediction.pass, orbit, setIndex, site, start, computationShift);
    return prediction;
}

PassPrediction PassFromRise(OrbitEngine& orbit, int setIndex, const GeodeticSite& site, double at,
                            double computationShift) {
    constexpr double kLookBackDays = 1.0;
    constexpr double kLookBackStep = 30.0 * kSecondInDays;
    orbit.SelectCurrentSet(setIndex);
    const LookAtFunction lookAt = LookAtCurrentSet(orbit, site, computationShift);
    double start = at;
    const LookSample now = lookAt(at);
    if (now.ok && now.elevation > kPassHorizon) {
        while (start > at - kLookBackDays) {
            start -= kLookBackStep;
            const LookSample seen = lookAt(start);
            if (!seen.ok || !(seen.elevation > kPassHorizon))
                break;
        }
    }
    return NextPass(orbit, setIndex, site,
                    TimeAtDayNumber(start, TimeShifts{computationShift, 0.0}), computationShift);
}

std::vector<CountdownEntry> CountdownEntries(OrbitEngine& orbit, const std::vector<int>& setIndices,
                                             const GeodeticSite& site, double now,
                                             double computationShift, double minElevation) {
    std::vector<CountdownEntry> entries;
    for (const int index : setIndices) {
        const ElementSet& set = orbit.Sets()[index];
        if (set.fault != ElementFault::None) {
            entries.push_back(CountdownEntry{});
            continue;
        }
        orbit.SelectCurrentSet(index);
        entries.push_back(ComputeCountdownEntry(now, set.meanMotionRevPerDay, set.semiMajorAxis,
                                                minElevation,
                                                LookAtCurrentSet(orbit, site, computationShift)));
    }
    return entries;
}

}  // namespace orbit
