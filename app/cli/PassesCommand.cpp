// orbivox passes: the next passes of each satellite over a site, found by the program's own
// pass search. Format documented in docs/cli.md.
#include <optional>

#include "app/cli/Commands.h"
#include "app/cli/ConfiguredDefaults.h"
#include "app/cli/JsonLine.h"
#include "app/cli/OrbitArguments.h"
#include "orbit/PassList.h"
#include "orbit/PassPrediction.h"
#include "tracking/NextPasses.h"

namespace orbivox::cli {

const char* const kPassesUsage =
    "usage: orbivox passes [--site LAT,LON,ALT] --from T [--until T] [--count N] "
    "[--model sgp4|sgp8] [--sat NAME] [--table | --json] [FILE]\n"
    "       instants are UTC, YYYY-MM-DDTHH:MM:SS[.fff]Z, or now\n";

const char* const kPassesHelp =
    "The next passes of each satellite of FILE over the site.\n"
    "  --site LAT,LON,ALT   the observer: degrees north, degrees east, metres above sea level\n"
    "                       (default: the station of the configuration in use)\n"
    "  --from T             where the search starts\n"
    "  --until T            list every pass rising before T (later than --from)\n"
    "  --count N            passes per satellite (default 5, at most 1000); with --table the\n"
    "                       number of lines\n"
    "  --sat NAME           only that satellite: a catalogue number, a name or the unique\n"
    "                       beginning of one, in any letter case\n"
    "  --model sgp4|sgp8    the orbit model (default sgp4)\n"
    "  --table              one table of all passes by rise time, as the sky view window shows\n"
    "                       it (up to --until, else the next 24 hours)\n"
    "  --json               one JSON object per pass and line\n"
    "  FILE                 an element file: two-line, verbose or OMM (CSV, XML, JSON)\n"
    "                       (default: the current group's element file)\n";

namespace {

constexpr int kMaxCount = 1000;

// Instants are UTC here: the display scale is UTC and the computation shift is 0. Passes
// rising at or after `until` (a Julian date; nothing when absent) are left out, and with them
// every later one.
void WritePasses(orbit::OrbitEngine& engine, const orbit::GeodeticSite& site, int setIndex,
                 double from, std::optional<double> until, int count, bool json,
                 std::ostream& out) {
    const orbit::ElementSet& set = engine.Sets()[setIndex];
    const std::string name = set.name;
    // A pass, or how the list ended, as one JSON object.
    auto object = [&] {
        return JsonLine().Text("name", name).WholeNumber("catalogue_number", set.catalogueNumber);
    };
    const double start = from - orbit::kDayNumberToJulianDate;
    const orbit::SetPasses list = orbit::ListPasses(
        engine, setIndex, site, start, until ? *until - orbit::kDayNumberToJulianDate : 0.0, count);
    for (const orbit::PassData& pass : list.passes) {
        if (json) {
            out << object()
                       .Text("aos", FormatInstant(pass.aosTime + orbit::kDayNumberToJulianDate))
                       .Number("aos_az_deg", pass.aosAzimuth, 2)
                       .Text("los", FormatInstant(pass.losTime + orbit::kDayNumberToJulianDate))
                       .Number("los_az_deg", pass.losAzimuth, 2)
                       .Number("max_el_deg", pass.maxElevation, 2)
                       .Line();
            continue;
        }
        out << name << '|' << FormatInstant(pass.aosTime + orbit::kDayNumberToJulianDate) << ' '
            << Fixed(pass.aosAzimuth, 2) << ' '
            << FormatInstant(pass.losTime + orbit::kDayNumberToJulianDate) << ' '
            << Fixed(pass.losAzimuth, 2) << ' ' << Fixed(pass.maxElevation, 2) << '\n';
    }
    switch (list.end) {
        case orbit::PassListEnd::Geostationary:
            out << (json ? object().Text("end", "geostationary").Line()
                         : name + "|geostationary\n");
            break;
        case orbit::PassListEnd::Unavailable: {
            // Why the set could not be propagated where that search started.
            const orbit::Observation seen = orbit::ObserveSet(
                engine, setIndex, site, list.endSearchedFrom + orbit::kDayNumberToJulianDate);
            const std::string reason(orbit::FailureReason(seen.state.failure));
            out << (json ? object().Text("error", reason).Line()
                         : name + "|error " + reason + '\n');
            break;
        }
        case orbit::PassListEnd::NoMorePasses:
            out << (json ? object().Text("end", "none").Line() : name + "|none\n");
            break;
        case orbit::PassListEnd::Listed:
        case orbit::PassListEnd::NeverSets:
            break;
    }
}

}  // namespace

int RunPasses(const Arguments& args, std::ostream& out, std::ostream& err) {
    SkyArguments sky;
    std::optional<double> from;
    std::optional<double> until;
    std::optional<int> count;
    bool table = false;
    bool json = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--table") {
            table = true;
        } else if (a == "--json") {
            json = true;
        } else if (a == "--from" && hasValue) {
            from = ParseInstant(args[++i]);
            if (!from) {
                err << "orbivox passes: --from wants a UTC instant YYYY-MM-DDTHH:MM:SS[.fff]Z or "
                       "now\n"
                    << kPassesUsage;
                return 2;
            }
        } else if (a == "--count" && hasValue) {
            const auto parsed = ParseWholeNumber(args[++i], 1, kMaxCount);
            if (!parsed) {
                err << "orbivox passes: --count wants a whole number 1.." << kMaxCount << "\n"
                    << kPassesUsage;
                return 2;
            }
            count = *parsed;
        } else if (a == "--until" && hasValue) {
            until = ParseInstant(args[++i]);
            if (!until) {
                err << "orbivox passes: --until wants a UTC instant YYYY-MM-DDTHH:MM:SS[.fff]Z or "
                       "now\n"
                    << kPassesUsage;
                return 2;
            }
        } else if (TakeSkyArgument(args, i, sky, "passes", kPassesUsage, err) ==
                   OptionResult::Bad) {
            return 2;
        }
    }
    if (!from) {
        err << kPassesUsage;
        return 2;
    }
    if (table && json) {
        err << "orbivox passes: --table and --json do not go together\n" << kPassesUsage;
        return 2;
    }
    if (until && !(*until > *from)) {
        err << "orbivox passes: --until must be later than --from\n" << kPassesUsage;
        return 2;
    }
    if (const auto failed = FillFromConfiguration(sky, "passes", err))
        return *failed;
    // Up to --until every pass counts; without it five per satellite.
    const int perSatellite = count ? *count : (until ? 0 : 5);
    const orbit::ObserverSite& site = *sky.site;

    orbit::OrbitEngine engine(YearOf(*from), sky.model);
    // The table mixes the satellites: one warning for the file, not a line per satellite.
    const auto sets = LoadSets(engine, *sky.file, sky.satellite, *from, "passes", err,
                               table ? AgeWarnings::OncePerFile : AgeWarnings::EachSatellite);
    if (!sets)
        return sets.exitCode;
    const orbit::GeodeticSite geodetic = orbit::ObserverToSite(site);
    if (table) {
        // Every pass of the span by rise time: up to --until, else the next 24 hours.
        const double start = *from - orbit::kDayNumberToJulianDate;
        const double end = (until ? *until : *from + 1.0) - orbit::kDayNumberToJulianDate;
        std::vector<orbit::PassRow> rows = orbit::PassTable(engine, *sets, geodetic, start, end);
        if (count && static_cast<int>(rows.size()) > *count)
            rows.resize(*count);
        out << NextPassTableText(NextPassLines(rows, 0.0), QStringLiteral("UTC")).toStdString();
        return 0;
    }
    for (const int index : *sets)
        WritePasses(engine, geodetic, index, *from, until, perSatellite, json, out);
    return 0;
}

}  // namespace orbivox::cli
