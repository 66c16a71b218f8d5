// orbivox passes: the next passes of each satellite over a site, found by the program's own
// pass search. Format documented in docs/cli.md.
#include <charconv>

#include "app/cli/Commands.h"
#include "app/cli/OrbitArguments.h"
#include "orbit/StationView.h"

namespace orbivox::cli {
namespace {

constexpr const char* kUsage =
    "usage: orbivox passes --site LAT,LON,ALT --from T [--count N] [--model sgp4|sgp8] "
    "[--sat NAME] FILE\n"
    "       instants are UTC, YYYY-MM-DDTHH:MM:SS[.fff]Z\n";

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

void WritePasses(orbit::StationView& view, int setIndex, double from, int count,
                 std::ostream& out) {
    const std::string name = view.Orbit().Sets()[setIndex].name;
    view.SetSelection({setIndex});
    double t = from - orbit::kDayNumberToJulianDate;
    for (int k = 0; k < count; ++k) {
        view.SetTime(t);
        view.Pass(0) = orbit::PassData{};
        const orbit::PassOutcome outcome = view.ComputePass(0);
        out << name << '|';
        if (outcome == orbit::PassOutcome::Geostationary) {
            out << "geostationary\n";
            return;
        }
        if (outcome == orbit::PassOutcome::Unavailable) {
            view.EvaluateSet(setIndex);
            out << "error " << orbit::FailureReason(view.LastState().failure) << '\n';
            return;
        }
        const orbit::PassData& pass = view.Pass(0);
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
                    << kUsage;
                return 2;
            }
        } else if (a == "--count" && hasValue) {
            const auto parsed = ParseCount(args[++i]);
            if (!parsed) {
                err << "orbivox passes: --count wants a whole number 1.." << kMaxCount << "\n"
                    << kUsage;
                return 2;
            }
            count = *parsed;
        } else if (TakeSkyArgument(args, i, sky, "passes", kUsage, err) == OptionResult::Bad) {
            return 2;
        }
    }
    if (!sky.site || !from || !sky.file) {
        err << kUsage;
        return 2;
    }
    const orbit::ObserverSite& site = *sky.site;

    orbit::OrbitEngine engine(YearOf(*from), sky.model);
    const auto sets = LoadSets(engine, *sky.file, sky.satellite, "passes", err);
    if (!sets)
        return 1;
    const orbit::FixedClock clock;
    orbit::StationView view(engine, clock);
    view.SetZoneMode(orbit::ZoneMode::Utc);
    view.SetObserver(site);
    for (const int index : *sets)
        WritePasses(view, index, *from, count, out);
    return 0;
}

}  // namespace orbivox::cli
