// orbivox propagate: states of every set in an element file at given minutes
// from each set's epoch. Format documented in docs/cli.md.
#include <charconv>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/Commands.h"
#include "catalogue/ElementFileReader.h"
#include "orbit/OrbitEngine.h"
#include "orbit/PropagationReport.h"

namespace orbivox::cli {

const char* const kPropagateUsage =
    "usage: orbivox propagate [--model sgp4|sgp8] [--now YYYY-MM-DDTHH:MM:SSZ] "
    "[--times T1,T2,...] FILE\n";

const char* const kPropagateHelp =
    "Position and velocity of every set of FILE at the given times.\n"
    "  --model sgp4|sgp8   SGP4/SDP4 (default) or SGP8/SDP8\n"
    "  --now T             the clock for the run (its year decides the century of two-digit\n"
    "                      epoch years); default: the system clock\n"
    "  --times T1,T2,...   minutes since each set's epoch (default 0,360,720,1080,1440)\n"
    "  FILE                an element file: two-line, verbose or OMM (CSV, XML, JSON)\n";

}  // namespace orbivox::cli

using orbivox::cli::kPropagateUsage;

namespace {

bool AllDigits(const std::string& s, size_t from, size_t count) {
    for (size_t i = from; i < from + count; ++i)
        if (s[i] < '0' || s[i] > '9')
            return false;
    return true;
}

// Only the year matters here (it fixes the century of two-digit epoch
// years), but the whole stamp is checked so typos do not pass silently.
std::optional<int> YearOfStamp(const std::string& s) {
    if (s.size() != 20 || s[4] != '-' || s[7] != '-' || s[10] != 'T' || s[13] != ':' ||
        s[16] != ':' || s[19] != 'Z')
        return std::nullopt;
    if (!AllDigits(s, 0, 4) || !AllDigits(s, 5, 2) || !AllDigits(s, 8, 2) || !AllDigits(s, 11, 2) ||
        !AllDigits(s, 14, 2) || !AllDigits(s, 17, 2))
        return std::nullopt;
    return std::stoi(s.substr(0, 4));
}

int ClockYear() {
    const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    return static_cast<int>(std::chrono::year_month_day(today).year());
}

std::optional<std::vector<double>> ParseTimes(const std::string& list) {
    std::vector<double> times;
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(',', start);
        if (end == std::string::npos)
            end = list.size();
        const char* first = list.data() + start;
        const char* last = list.data() + end;
        if (first != last && *first == '+')
            ++first;
        double value = 0.0;
        const auto [ptr, ec] = std::from_chars(first, last, value);
        if (first == last || ec != std::errc() || ptr != last)
            return std::nullopt;
        times.push_back(value);
        start = end + 1;
    }
    return times;
}

}  // namespace

int RunPropagate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    orbit::ModelChoice model = orbit::ModelChoice::Sgp4;
    std::optional<int> year;
    std::vector<double> times = {0, 360, 720, 1080, 1440};
    std::optional<std::string> file;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--model" && hasValue) {
            const std::string& v = args[++i];
            if (v == "sgp4") {
                model = orbit::ModelChoice::Sgp4;
            } else if (v == "sgp8") {
                model = orbit::ModelChoice::Sgp8;
            } else {
                err << "orbivox propagate: unknown model \"" << v << "\"\n" << kPropagateUsage;
                return 2;
            }
        } else if (a == "--now" && hasValue) {
            year = YearOfStamp(args[++i]);
            if (!year) {
                err << "orbivox propagate: --now wants YYYY-MM-DDTHH:MM:SSZ\n" << kPropagateUsage;
                return 2;
            }
        } else if (a == "--times" && hasValue) {
            const auto parsed = ParseTimes(args[++i]);
            if (!parsed) {
                err << "orbivox propagate: --times wants numbers separated by commas\n"
                    << kPropagateUsage;
                return 2;
            }
            times = *parsed;
        } else if (!a.empty() && a[0] == '-' && a != "-") {
            err << "orbivox propagate: unknown or incomplete option \"" << a << "\"\n"
                << kPropagateUsage;
            return 2;
        } else if (!file) {
            file = a;
        } else {
            err << "orbivox propagate: one element file only\n" << kPropagateUsage;
            return 2;
        }
    }
    if (!file) {
        err << kPropagateUsage;
        return 2;
    }
    orbit::OrbitEngine engine(year ? *year : ClockYear(), model);
    const orbit::ElementReadResult read = orbivox::ReadElementFileByContent(*file, engine);
    if (!read.fileRead) {
        err << "orbivox propagate: " << read.error << '\n';
        return 1;
    }
    if (read.format == orbit::ElementFormat::None) {
        err << "orbivox propagate: no element sets in \"" << *file << "\"\n";
        return 1;
    }
    orbit::WritePropagationReport(engine, times, out);
    return 0;
}
