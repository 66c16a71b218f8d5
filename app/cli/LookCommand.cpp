// orbivox look: what the station sees of each satellite at given UTC instants. Format
// documented in docs/cli.md.
#include "app/cli/Commands.h"
#include "app/cli/OrbitArguments.h"
#include "orbit/StationView.h"

namespace orbivox::cli {

const char* const kLookUsage =
    "usage: orbivox look --site LAT,LON,ALT [--model sgp4|sgp8] [--sat NAME] "
    "--at T1[,T2...] FILE\n"
    "       instants are UTC, YYYY-MM-DDTHH:MM:SS[.fff]Z\n";

const char* const kLookHelp =
    "The look angles of each satellite of FILE from the site at the instants, one line each.\n"
    "  --site LAT,LON,ALT   the observer: degrees north, degrees east, metres above sea level\n"
    "  --at T1[,T2...]      the UTC instants\n"
    "  --sat NAME           only the satellite of that name\n"
    "  --model sgp4|sgp8    the orbit model (default sgp4)\n"
    "  FILE                 an element file: two-line, verbose or OMM (CSV, XML, JSON)\n";

int RunLook(const Arguments& args, std::ostream& out, std::ostream& err) {
    SkyArguments sky;
    std::optional<std::vector<double>> instants;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--at" && i + 1 < args.size()) {
            instants = ParseInstantList(args[++i]);
            if (!instants) {
                err << "orbivox look: --at wants UTC instants YYYY-MM-DDTHH:MM:SS[.fff]Z\n"
                    << kLookUsage;
                return 2;
            }
        } else if (TakeSkyArgument(args, i, sky, "look", kLookUsage, err) == OptionResult::Bad) {
            return 2;
        }
    }
    if (!sky.site || !instants || !sky.file) {
        err << kLookUsage;
        return 2;
    }
    const orbit::ObserverSite& site = *sky.site;

    orbit::OrbitEngine engine(YearOf(instants->front()), sky.model);
    const auto sets = LoadSets(engine, *sky.file, sky.satellite, instants->front(), "look", err);
    if (!sets)
        return 1;
    const orbit::FixedClock clock;
    orbit::StationView view(engine, clock);
    view.SetZoneMode(orbit::ZoneMode::Utc);
    view.SetObserver(site);
    for (const double jd : *instants) {
        view.SetTime(jd - orbit::kDayNumberToJulianDate);
        for (const int index : *sets) {
            out << FormatInstant(jd) << ' ' << engine.Sets()[index].name << '|';
            if (!view.EvaluateSet(index)) {
                out << "error " << orbit::FailureReason(view.LastState().failure) << '\n';
                continue;
            }
            view.ComputeSubPoint();
            const orbit::TrackResult& r = view.Result();
            out << Fixed(r.azimuth, 4) << ' ' << Fixed(r.elevation, 4) << ' ' << Fixed(r.range, 4)
                << ' ' << Fixed(r.rangeRate, 4) << ' ' << Fixed(r.subLatitude, 4) << ' '
                << Fixed(orbit::ShownLongitude(r.subLongitude), 4) << ' ' << Fixed(r.height, 4)
                << ' ' << Fixed(r.meanAnomaly, 4) << ' ' << Fixed(r.orbitNumber, 4) << '\n';
        }
    }
    return 0;
}

}  // namespace orbivox::cli
