#pragma once
// orbivox track --json: a tick of the working satellite as one JSON object, the list line's
// fields with the list's rounding, its instant and, with a radio tuned, the frequencies;
// then what the tick sent to the radio and the rotor.
#include <QString>
#include <optional>
#include <string>

#include "tracking/TrackingEngine.h"

namespace orbivox::cli {

struct TunedFrequencies {
    double downlinkKHz = 0;
    double uplinkKHz = 0;  // 0 when the entry has no uplink
};

// A rotor set point as the texts sent to the rotor server.
struct SentSetPoint {
    QString azimuth, elevation;
};

// What went out during one tick: the radio frequencies of the send routine, the rotor's
// set point (the last of each, should a tick send twice).
struct TickSends {
    std::optional<TunedFrequencies> frequencies;
    std::optional<SentSetPoint> setPoint;
};

// `instant` is the tick's UTC Julian date.
std::string TrackJsonLine(double instant, const TrackingEngine& engine,
                          const std::optional<TunedFrequencies>& tuned, const TickSends& sends);

}  // namespace orbivox::cli
