// orbivox look: what the station sees of each satellite at given UTC instants. Format
// documented in docs/cli.md.
#include "app/cli/Commands.h"
#include "app/cli/ConfiguredDefaults.h"
#include "app/cli/JsonLine.h"
#include "app/cli/OrbitArguments.h"
#include "orbit/StationView.h"

namespace orbivox::cli {

const char* const kLookUsage =
    "usage: orbivox look [--site LAT,LON,ALT] [--model sgp4|sgp8] [--sat NAME] [--json] "
    "--at T1[,T2...] [FILE]\n"
    "       instants are UTC, YYYY-MM-DDTHH:MM:SS[.fff]Z, or now\n";

const char* const kLookHelp =
    "The look angles of each satellite of FILE from the site at the instants, one line each.\n"
    "  --site LAT,LON,ALT   the observer: degrees north, degrees east, metres above sea level\n"
    "                       (default: the station of the configuration in use)\n"
    "  --at T1[,T2...]      the UTC instants\n"
    "  --sat NAME           only that satellite: a catalogue number, a name or the unique\n"
    "                       beginning of one, in any letter case\n"
    "  --model sgp4|sgp8    the orbit model (default sgp4)\n"
    "  --json               one JSON object per line\n"
    "  FILE                 an element file: two-line, verbose or OMM (CSV, XML, JSON)\n"
    "                       (default: the current group's element file)\n";

namespace {

void WriteLookLine(double jd, const orbit::ElementSet& set, const orbit::StationView& view,
                   bool evaluated, bool json, std::ostream& out) {
    const orbit::TrackResult& r = view.Result();
    const double longitude = orbit::ShownLongitude(r.subLongitude);
    if (json) {
        JsonLine line;
        line.Text("time", FormatInstant(jd))
            .Text("name", set.name)
            .WholeNumber("catalogue_number", set.catalogueNumber);
        if (!evaluated) {
            out << line.Text("error", orbit::FailureReason(view.LastState().failure)).Line();
            return;
        }
        out << line.Number("az_deg", r.azimuth, 4)
                   .Number("el_deg", r.elevation, 4)
                   .Number("range_km", r.range, 4)
                   .Number("range_rate_km_s", r.rangeRate, 4)
                   .Number("lat_deg", r.subLatitude, 4)
                   .Number("lon_deg", longitude, 4)
                   .Number("height_km", r.height, 4)
                   .Number("mean_anomaly", r.meanAnomaly, 4)
                   .Number("orbit_number", r.orbitNumber, 4)
                   .Line();
        return;
    }
    out << FormatInstant(jd) << ' ' << set.name << '|';
    if (!evaluated) {
        out << "error " << orbit::FailureReason(view.LastState().failure) << '\n';
        return;
    }
    out << Fixed(r.azimuth, 4) << ' ' << Fixed(r.elevation, 4) << ' ' << Fixed(r.range, 4) << ' '
        << Fixed(r.rangeRate, 4) << ' ' << Fixed(r.subLatitude, 4) << ' ' << Fixed(longitude, 4)
        << ' ' << Fixed(r.height, 4) << ' ' << Fixed(r.meanAnomaly, 4) << ' '
        << Fixed(r.orbitNumber, 4) << '\n';
}

}  // namespace

int RunLook(const Arguments& args, std::ostream& out, std::ostream& err) {
    SkyArguments sky;
    std::optional<std::vector<double>> instants;
    bool json = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--json") {
            json = true;
        } else if (args[i] == "--at" && i + 1 < args.size()) {
            instants = ParseInstantList(args[++i]);
            if (!instants) {
                err << "orbivox look: --at wants UTC instants YYYY-MM-DDTHH:MM:SS[.fff]Z or now\n"
                    << kLookUsage;
                return 2;
            }
        } else if (TakeSkyArgument(args, i, sky, "look", kLookUsage, err) == OptionResult::Bad) {
            return 2;
        }
    }
    if (!instants) {
        err << kLookUsage;
        return 2;
    }
    if (const auto failed = FillFromConfiguration(sky, "look", err))
        return *failed;
    const orbit::ObserverSite& site = *sky.site;

    orbit::OrbitEngine engine(YearOf(instants->front()), sky.model);
    const auto sets = LoadSets(engine, *sky.file, sky.satellite, instants->front(), "look", err);
    if (!sets)
        return sets.exitCode;
    const orbit::FixedClock clock;
    orbit::StationView view(engine, clock);
    view.SetZoneMode(orbit::ZoneMode::Utc);
    view.SetObserver(site);
    for (const double jd : *instants) {
        view.SetTime(jd - orbit::kDayNumberToJulianDate);
        for (const int index : *sets) {
            const bool evaluated = view.EvaluateSet(index);
            if (evaluated)
                view.ComputeSubPoint();
            WriteLookLine(jd, engine.Sets()[index], view, evaluated, json, out);
        }
    }
    return 0;
}

}  // namespace orbivox::cli
