#pragma once
// orbivox track --json: a tick of the working satellite as one JSON object, the list line's
// fields with the list's rounding, its instant and, with a radio tuned, the frequencies.
#include <optional>
#include <string>

#include "tracking/TrackingEngine.h"

namespace orbivox::cli {

struct TunedFrequencies {
    double downlinkKHz = 0;
    double uplinkKHz = 0;  // 0 when the entry has no uplink
};

// `instant` is the tick's UTC Julian date.
std::string TrackJsonLine(double instant, const TrackingEngine& engine,
                          const std::optional<TunedFrequencies>& tuned);

}  // namespace orbivox::cli
