#pragma once
// Lists of passes over a site, for the `passes` command, the next-passes table and the sky
// plot: the passes of one set from an instant on (the same search the list line uses, run
// again from each pass's end), all selected sets' passes in one list by rise time, and the
// look angles along one pass. Instants are day numbers of the UTC scale (computation shift 0).

#include <string>
#include <vector>

#include "orbit/ObserverSite.h"
#include "orbit/OrbitEngine.h"
#include "orbit/PassSearch.h"

namespace orbit {

enum class PassListEnd {
    Listed,         // as many passes as asked for, or up to the end instant
    NoMorePasses,   // the search found no further rise
    NeverSets,      // the last pass listed does not end within the search
    Geostationary,  // no passes to list
    Unavailable,    // the set cannot be propagated at the start
};

struct SetPasses {
    int setIndex = 0;
    std::vector<PassData> passes;
    PassListEnd end = PassListEnd::Listed;
    double endSearchedFrom = 0.0;  // where the search that ended the list started
};

// The passes of set `setIndex` rising before `until` (no limit when it is 0), at most `count`
// of them (no limit when 0; with neither limit, one), searched from `from`. A satellite up at
// `from` starts the list with that pass, its rise then being `from`.
SetPasses ListPasses(OrbitEngine& orbit, int setIndex, const GeodeticSite& site, double from,
                     double until, int count);

// One line of the next-passes table.
struct PassRow {
    int setIndex = 0;
    std::string name;
    PassData pass;
};

// Every pass of `setIndices` rising in [from, until), and a pass in progress at `from` with
// its real rise, sorted by rise time (ties by the order of `setIndices`).
std::vector<PassRow> PassTable(OrbitEngine& orbit, const std::vector<int>& setIndices,
                               const GeodeticSite& site, double from, double until);

struct SkyPoint {
    double dayNumber = 0.0;
    double azimuth = 0.0;    // degrees
    double elevation = 0.0;  // degrees
};

// The pass of `setIndex` in progress at `at`, from its real rise (searched backwards up to a
// day), else the next one; false when there is none within the search.
bool PassAround(OrbitEngine& orbit, int setIndex, const GeodeticSite& site, double at,
                PassData& pass);

// Look angles from the rise to the set of `pass` every `stepDays` (the last point at the set).
std::vector<SkyPoint> PassTrack(OrbitEngine& orbit, int setIndex, const GeodeticSite& site,
                                const PassData& pass, double stepDays);

}  // namespace orbit
