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

// The list line's fields and the pass it shows.
void AddPosition(JsonLine& line, const TrackingEngine& engine) {
    const orbit::TrackResult& r = engine.Working();
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
}

// `<prefix>downlink_hz` and, for an entry with an uplink, `<prefix>uplink_hz`.
void AddFrequencies(JsonLine& line, const std::string& prefix, const TunedFrequencies& f) {
    line.Number(prefix + "downlink_hz", f.downlinkKHz * 1000.0, 0);
    if (f.uplinkKHz > 0) {
        line.Number(prefix + "uplink_hz", f.uplinkKHz * 1000.0, 0);
    }
}

// A rotor angle as sent (either decimal separator), with the decimals it was sent with.
void AddAngle(JsonLine& line, const std::string& name, QString text) {
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const int decimals = point < 0 ? 0 : static_cast<int>(text.size() - point - 1);
    bool ok = false;
    const double value = text.toDouble(&ok);
    line.Number(name, ok ? std::optional<double>(value) : std::nullopt, decimals);
}

}  // namespace

std::string TrackJsonLine(double instant, const TrackingEngine& engine,
                          const std::optional<TunedFrequencies>& tuned, const TickSends& sends) {
    JsonLine line;
    line.Text("time", FormatInstant(instant)).Text("name", engine.WorkingName());
    const orbit::TrackResult& r = engine.Working();
    if (r.ok) {
        AddPosition(line, engine);
        if (tuned) {
            AddFrequencies(line, "", *tuned);
        }
    } else {
        line.Text("error", "no position");
    }
    if (sends.frequencies) {
        AddFrequencies(line, "sent_", *sends.frequencies);
    }
    if (sends.setPoint) {
        AddAngle(line, "rotor_az_deg", sends.setPoint->azimuth);
        AddAngle(line, "rotor_el_deg", sends.setPoint->elevation);
    }
    return line.Line();
}

}  // namespace orbivox::cli
