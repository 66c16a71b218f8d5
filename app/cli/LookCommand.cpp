// orbivox look: what the station sees of each satellite at given UTC instants. Format
// documented in docs/cli.md.
#include "app/cli/Commands.h"
#include "app/cli/OrbitArguments.h"
#include "orbit/StationView.h"

namespace orbivox::cli {
namespace {

constexpr const char* kUsage =
    "usage: orbivox look --site LAT,LON,ALT [--model sgp4|sgp8] [--sat NAME] "
    "--at T1[,T2...] FILE\n"
    "       instants are UTC, YYYY-MM-DDTHH:MM:SS[.fff]Z\n";

}  // namespace

int RunLook(const Arguments& args, std::ostream& out, std::ostream& err) {
    std::optional<orbit::ObserverSite> site;
    orbit::ModelChoice model = orbit::ModelChoice::Sgp4;
    std::optional<std::string> satellite;
    std::optional<std::vector<double>> instants;
    std::optional<std::string> file;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--site" && hasValue) {
            site = ParseSite(args[++i]);
            if (!site) {
                err << "orbivox look: --site wants LAT,LON,ALT (degrees, degrees, metres)\n"
                    << kUsage;
                return 2;
            }
        } else if (a == "--model" && hasValue) {
            const auto parsed = ParseModel(args[++i]);
            if (!parsed) {
                err << "orbivox look: unknown model \"" << args[i] << "\"\n" << kUsage;
                return 2;
            }
            model = *parsed;
        } else if (a == "--sat" && hasValue) {
            satellite = args[++i];
        } else if (a == "--at" && hasValue) {
            instants = ParseInstantList(args[++i]);
            if (!instants) {
                err << "orbivox look: --at wants UTC instants YYYY-MM-DDTHH:MM:SS[.fff]Z\n"
                    << kUsage;
                return 2;
            }
        } else if (!a.empty() && a[0] == '-') {
            err << "orbivox look: unknown or incomplete option \"" << a << "\"\n" << kUsage;
            return 2;
        } else if (!file) {
            file = a;
        } else {
            err << "orbivox look: one element file only\n" << kUsage;
            return 2;
        }
    }
    if (!site || !instants || !file) {
        err << kUsage;
        return 2;
    }

    orbit::OrbitEngine engine(YearOf(instants->front()), model);
    const auto sets = LoadSets(engine, *file, satellite, "look", err);
    if (!sets)
        return 1;
    const orbit::FixedClock clock;
    orbit::StationView view(engine, clock);
    view.SetZoneMode(orbit::ZoneMode::Utc);
    view.SetObserver(*site);
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
