// orbivox passes: the next passes of each satellite over a site, found by the program's own
// pass search. Format documented in docs/cli.md.
#include <optional>

#include "app/cli/Commands.h"
#include "app/cli/OrbitArguments.h"
#include "orbit/PassPrediction.h"

namespace orbivox::cli {

const char* const kPassesUsage =
    "usage: orbivox passes --site LAT,LON,ALT --from T [--until T] [--count N] "
    "[--model sgp4|sgp8] [--sat NAME] FILE\n"
    "       instants are UTC, YYYY-MM-DDTHH:MM:SS[.fff]Z\n";

namespace {

constexpr int kMaxCount = 1000;

// Instants are UTC here: the display scale is UTC and the computation shift is 0. Passes
// rising at or after `until` (a Julian date; nothing when absent) are left out, and with them
// every later one.
void WritePasses(orbit::OrbitEngine& engine, const orbit::GeodeticSite& site, int setIndex,
                 double from, std::optional<double> until, int count, std::ostream& out) {
    const std::string name = engine.Sets()[setIndex].name;
    double t = from - orbit::kDayNumberToJulianDate;
    for (int k = 0; count == 0 || k < count; ++k) {
        const orbit::TimeState start = orbit::TimeAtDayNumber(t, orbit::TimeShifts{});
        const orbit::PassPrediction next = orbit::NextPass(engine, setIndex, site, start, 0.0);
        if (next.outcome == orbit::PassOutcome::Geostationary) {
            out << name << "|geostationary\n";
            return;
        }
        if (next.outcome == orbit::PassOutcome::Unavailable) {
            const orbit::Observation seen =
                orbit::ObserveSet(engine, setIndex, site, start.computationInstant);
            out << name << "|error " << orbit::FailureReason(seen.state.failure) << '\n';
            return;
        }
        const orbit::PassData& pass = next.pass;
        if (pass.aosText == orbit::kNoPassText) {
            out << name << "|none\n";
            return;
        }
        if (until && pass.aosTime + orbit::kDayNumberToJulianDate >= *until)
            return;
        out << name << '|' << FormatInstant(pass.aosTime + orbit::kDayNumberToJulianDate) << ' '
            << Fixed(pass.aosAzimuth, 2) << ' '
            << FormatInstant(pass.losTime + orbit::kDayNumberToJulianDate) << ' '
            << Fixed(pass.losAzimuth, 2) << ' ' << Fixed(pass.maxElevation, 2) << '\n';
        // A satellite that stays up: the search gave up, there is no next pass to find.
        if (pass.neverSets)
            return;
        t = pass.recomputeAfter;
    }
}

}  // namespace

int RunPasses(const Arguments& args, std::ostream& out, std::ostream& err) {
    SkyArguments sky;
    std::optional<double> from;
    std::optional<double> until;
    std::optional<int> count;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--from" && hasValue) {
            from = ParseInstant(args[++i]);
            if (!from) {
                err << "orbivox passes: --from wants a UTC instant YYYY-MM-DDTHH:MM:SS[.fff]Z\n"
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
                err << "orbivox passes: --until wants a UTC instant YYYY-MM-DDTHH:MM:SS[.fff]Z\n"
                    << kPassesUsage;
                return 2;
            }
        } else if (TakeSkyArgument(args, i, sky, "passes", kPassesUsage, err) ==
                   OptionResult::Bad) {
            return 2;
        }
    }
    if (!sky.site || !from || !sky.file) {
        err << kPassesUsage;
        return 2;
    }
    if (until && !(*until > *from)) {
        err << "orbivox passes: --until must be later than --from\n" << kPassesUsage;
        return 2;
    }
    // Up to --until every pass counts; without it five per satellite.
    const int perSatellite = count ? *count : (until ? 0 : 5);
    const orbit::ObserverSite& site = *sky.site;

    orbit::OrbitEngine engine(YearOf(*from), sky.model);
    const auto sets = LoadSets(engine, *sky.file, sky.satellite, *from, "passes", err);
    if (!sets)
        return 1;
    const orbit::GeodeticSite geodetic = orbit::ObserverToSite(site);
    for (const int index : *sets)
        WritePasses(engine, geodetic, index, *from, until, perSatellite, out);
    return 0;
}

}  // namespace orbivox::cli
