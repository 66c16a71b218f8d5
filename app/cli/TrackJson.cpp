// The fields of a track tick in JSON: what the list line shows, by name and with units.
#include "app/cli/TrackJson.h"

#include <cmath>

#include "app/cli/JsonLine.h"
#include "app/cli/OrbitArguments.h"

namespace orbivox::cli {
namespace {

// A pass instant of the display scale as a UTC instant; nothing before a pass was found.
std::optional<double> PassInstant(const TrackingEngine& engine, double dayNumber) {
    if (engine.WorkingPass().finding != orbit::PassFinding::Pass)
        return std::nullopt;
    return orbit::TimeAtDayNumber(dayNumber, engine.View().Shifts()).computationInstant;
}

}  // namespace

std::string TrackJsonLine(double instant, const TrackingEngine& engine,
                          const std::optional<TunedFrequencies>& tuned) {
    JsonLine line;
    line.Text("time", FormatInstant(instant)).Text("name", engine.WorkingName());
    const orbit::TrackResult& r = engine.Working();
    if (!r.ok) {
        return line.Text("error", "no position").Line();
    }
    line.Number("az_deg", r.azimuth, 1)
        .Number("el_deg", r.elevation, 1)
        .Number("mean_anomaly", r.meanAnomaly, 1)
        .Number("height_km", r.height, 0)
        .Number("range_km", r.range, 0)
        .Number("lon_deg", orbit::ShownLongitude(std::fmod(r.subLongitude, 360.0)), 0)
        .Number("lat_deg", r.subLatitude, 0)
        .Number("orbit", r.orbitNumber - 1, 0);
    const bool squint = engine.View().Squint(engine.WorkingSlot()).mode != orbit::SquintMode::None;
    line.Number("squint_deg", squint ? std::optional<double>(r.squint) : std::nullopt, 0);
    const orbit::PassData& pass = engine.WorkingPass();
    const auto aos = PassInstant(engine, pass.aosTime);
    const auto los = PassInstant(engine, pass.losTime);
    if (aos && los) {
        line.Text("aos", FormatInstant(*aos)).Text("los", FormatInstant(*los));
    }
    line.Number("max_el_deg", pass.maxElevation, 0);
    if (tuned) {
        line.Number("downlink_hz", tuned->downlinkKHz * 1000.0, 0);
        if (tuned->uplinkKHz > 0)
            line.Number("uplink_hz", tuned->uplinkKHz * 1000.0, 0);
    }
    return line.Line();
}

}  // namespace orbivox::cli
