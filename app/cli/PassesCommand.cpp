// orbivox passes: the next passes of each satellite over a site, found by the program's own
// pass search. Format documented in docs/cli.md.
#include <charconv>

#include "app/cli/Commands.h"
#include "app/cli/OrbitArguments.h"
#include "orbit/PassPrediction.h"

namespace orbivox::cli {

const char* const kPassesUsage =
    "usage: orbivox passes --site LAT,LON,ALT --from T [--count N] [--model sgp4|sgp8] "
    "[--sat NAME] FILE\n"
    "       instants are UTC, YYYY-MM-DDTHH:MM:SS[.fff]Z\n";

namespace {

constexpr int kMaxCount = 1000;

std::optional<int> ParseCount(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 1 ||
        value > kMaxCount) {
        return std::nullopt;
    }
    return value;
}

// Instants are UTC here: the display scale is UTC and the computation shift is 0.
void WritePasses(orbit::OrbitEngine& engine, const orbit::GeodeticSite& site, int setIndex,
                 double from, int count, std::ostream& out) {
    const std::string name = engine.Sets()[setIndex].name;
    double t = from - orbit::kDayNumberToJulianDate;
    for (int k = 0; k < count; ++k) {
        const orbit::TimeState start = orbit::TimeAtDayNumber(t, orbit::TimeShifts{});
        const orbit::PassPrediction next = orbit::NextPass(engine, setIndex, site, start, 0.0);
        out << name << '|';
        if (next.outcome == orbit::PassOutcome::Geostationary) {
            out << "geostationary\n";
            return;
        }
        if (next.outcome == orbit::PassOutcome::Unavailable) {
            const orbit::Observation seen =
                orbit::ObserveSet(engine, setIndex, site, start.computationInstant);
            out << "error " << orbit::FailureReason(seen.state.failure) << '\n';
            return;
        }
        const orbit::PassData& pass = next.pass;
        if (pass.aosText == orbit::kNoPassText) {
            out << "none\n";
            return;
        }
        out << FormatInstant(pass.aosTime + orbit::kDayNumberToJulianDate) << ' '
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
    int count = 5;
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
            const auto parsed = ParseCount(args[++i]);
            if (!parsed) {
                err << "orbivox passes: --count wants a whole number 1.." << kMaxCount << "\n"
                    << kPassesUsage;
                return 2;
            }
            count = *parsed;
        } else if (TakeSkyArgument(args, i, sky, "passes", kPassesUsage, err) ==
                   OptionResult::Bad) {
            return 2;
        }
    }
    if (!sky.site || !from || !sky.file) {
        err << kPassesUsage;
        return 2;
    }
    const orbit::ObserverSite& site = *sky.site;

    orbit::OrbitEngine engine(YearOf(*from), sky.model);
    const auto sets = LoadSets(engine, *sky.file, sky.satellite, "passes", err);
    if (!sets)
        return 1;
    const orbit::GeodeticSite geodetic = orbit::ObserverToSite(site);
    for (const int index : *sets)
        WritePasses(engine, geodetic, index, *from, count, out);
    return 0;
}

}  // namespace orbivox::cli
