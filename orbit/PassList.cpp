// Pass lists: the pass search run again from the end of each pass, merged over the sets, and
// the look angles along one pass.
#include "orbit/PassList.h"

#include <algorithm>

#include "orbit/PassPrediction.h"
#include "orbit/TimeScales.h"

namespace orbit {
namespace {

// A pass that does not end within the search is drawn for at most this long.
constexpr double kLongestTrackDays = 1.0;

}  // namespace

SetPasses ListPasses(OrbitEngine& orbit, int setIndex, const GeodeticSite& site, double from,
                     double until, int count) {
    if (count <= 0 && until <= 0.0) {
        count = 1;
    }
    SetPasses list;
    list.setIndex = setIndex;
    double t = from;
    for (int k = 0; count <= 0 || k < count; ++k) {
        list.endSearchedFrom = t;
        const PassPrediction next =
            NextPass(orbit, setIndex, site, TimeAtDayNumber(t, TimeShifts{}), 0.0);
        if (next.outcome == PassOutcome::Geostationary) {
            list.end = PassListEnd::Geostationary;
            return list;
        }
        if (next.outcome == PassOutcome::Unavailable) {
            list.end = PassListEnd::Unavailable;
            return list;
        }
        if (next.pass.finding == PassFinding::NoPass) {
            list.end = PassListEnd::NoMorePasses;
            return list;
        }
        if (until > 0.0 && next.pass.aosTime >= until) {
            return list;
        }
        list.passes.push_back(next.pass);
        // A satellite that stays up: the search gave up, there is no next pass to find.
        if (next.pass.neverSets) {
            list.end = PassListEnd::NeverSets;
            return list;
        }
        t = next.pass.recomputeAfter;
    }
    return list;
}

std::vector<PassRow> PassTable(OrbitEngine& orbit, const std::vector<int>& setIndices,
                               const GeodeticSite& site, double from, double until) {
    std::vector<PassRow> rows;
    for (const int index : setIndices) {
        for (PassData pass : ListPasses(orbit, index, site, from, until, 0).passes) {
            // The search from `from` sees a pass in progress rise at `from`; the table gives
            // its real rise, as the sky plot does. Later passes are the search's own.
            PassData whole;
            if (pass.alreadyUp && PassAround(orbit, index, site, from, whole) &&
                whole.aosTime <= from) {
                pass = whole;
            }
            rows.push_back({index, orbit.Sets()[index].name, pass});
        }
    }
    std::stable_sort(rows.begin(), rows.end(), [](const PassRow& a, const PassRow& b) {
        return a.pass.aosTime < b.pass.aosTime;
    });
    return rows;
}

bool PassAround(OrbitEngine& orbit, int setIndex, const GeodeticSite& site, double at,
                PassData& pass) {
    const PassPrediction found = PassFromRise(orbit, setIndex, site, at, 0.0);
    if (found.outcome != PassOutcome::Searched || found.pass.finding != PassFinding::Pass) {
        return false;
    }
    pass = found.pass;
    return true;
}

std::vector<SkyPoint> PassTrack(OrbitEngine& orbit, int setIndex, const GeodeticSite& site,
                                const PassData& pass, double stepDays) {
    std::vector<SkyPoint> track;
    const double end = pass.neverSets ? pass.aosTime + kLongestTrackDays
                                      : std::min(pass.losTime, pass.aosTime + kLongestTrackDays);
    if (!(stepDays > 0.0) || !(end >= pass.aosTime)) {
        return track;
    }
    const int steps = static_cast<int>((end - pass.aosTime) / stepDays);
    for (int k = 0; k <= steps + 1; ++k) {
        // Stepped from the rise by whole multiples, the last point exactly at the set.
        const double t = k <= steps ? pass.aosTime + k * stepDays : end;
        if (k == steps + 1 && t - (pass.aosTime + steps * stepDays) < kSecondInDays) {
            break;
        }
        const Observation seen = ObserveSet(orbit, setIndex, site, ComputationInstant(t, 0.0));
        if (seen.state.ok) {
            track.push_back({t, seen.look.azimuth, seen.look.elevation});
        }
    }
    return track;
}

}  // namespace orbit
