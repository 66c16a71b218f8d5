#pragma once
// Finding a satellite the operator names on the command line: by catalogue number, or by name
// without regard to letter case, an exact name before a unique beginning ("iss" finds
// "ISS (ZARYA)" when no other name begins so).
#include <string>
#include <vector>

#include "orbit/SetTable.h"

namespace orbivox {

struct SatelliteLookup {
    std::vector<int> sets;                // the matching set indices, in the order given
    std::vector<std::string> candidates;  // the names an ambiguous beginning fits, sets empty

    bool found() const { return !sets.empty(); }
    bool ambiguous() const { return sets.empty() && !candidates.empty(); }
};

// Looks `query` up among the sets `among` (indices into `table`). A query of digits alone is
// a catalogue number first; every set of the name found is returned (a file may repeat one).
SatelliteLookup LookUpSatellite(const orbit::SetTable& table, const std::vector<int>& among,
                                const std::string& query);

// "X", "Y" and "Z": the candidates of an ambiguous beginning, for a message.
std::string CandidateList(const std::vector<std::string>& names);

}  // namespace orbivox
