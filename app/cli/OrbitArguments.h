#pragma once
// Arguments shared by the commands: UTC instants, the observer's site, the model choice, the
// element file with an optional satellite name, and counts.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "orbit/ModelChoice.h"
#include "orbit/ObserverSite.h"
#include "orbit/OrbitEngine.h"

namespace orbivox::cli {

// "YYYY-MM-DDTHH:MM:SS[.f...]Z" (any number of fraction digits) as a UTC Julian date; "now"
// is this machine's clock, to the millisecond.
std::optional<double> ParseInstant(const std::string& text);
// This machine's clock as a UTC Julian date, to the millisecond.
double NowJulianDate();
// A comma-separated list of instants; empty optional when any of them does not read.
std::optional<std::vector<double>> ParseInstantList(const std::string& text);
// "YYYY-MM-DDTHH:MM:SS.fffZ".
std::string FormatInstant(double julianDate);

// "LAT,LON,ALT": degrees north, degrees east, metres. Longitude -180..360, latitude -90..90.
std::optional<orbit::ObserverSite> ParseSite(const std::string& text);

std::optional<orbit::ModelChoice> ParseModel(const std::string& text);

// The year of a UTC Julian date: it fixes the century of two-digit epoch years.
int YearOf(double julianDate);

// How old elements are warned about: a line per satellite where the output has a line per
// satellite, one line for the whole file where it mixes them (a table of passes).
enum class AgeWarnings { EachSatellite, OncePerFile };

// The sets a command reports, or the exit status when there are none to report.
struct LoadedSets {
    std::vector<int> sets;
    int exitCode = 0;  // 1 for a file without the satellite, 2 for an ambiguous name

    explicit operator bool() const { return exitCode == 0; }
    const std::vector<int>& operator*() const { return sets; }
    const std::vector<int>* operator->() const { return &sets; }
};

// Reads the element file into the engine and lists the set indices to report (all sets, or
// the satellite `satellite` names, see catalogue/SatelliteLookup.h). Writes the message on
// failure. Warnings go to `err` for the sets whose elements are old at `julianDate` (UTC),
// the first instant asked about, as `ageWarnings` says, and for OMM records left out.
LoadedSets LoadSets(orbit::OrbitEngine& engine, const std::string& file,
                    const std::optional<std::string>& satellite, double julianDate,
                    const std::string& command, std::ostream& err,
                    AgeWarnings ageWarnings = AgeWarnings::EachSatellite);

// The options look, passes and sky share: --site, --model, --sat and the element file.
struct SkyArguments {
    std::optional<orbit::ObserverSite> site;
    orbit::ModelChoice model = orbit::ModelChoice::Sgp4;
    std::optional<std::string> satellite;
    std::optional<std::string> file;
};

enum class OptionResult { Taken, Bad };

// Takes args[i] (and its value, advancing i) as one of the shared options or the file; a
// command's own options are tried before. Bad: the message and usage are written to err.
OptionResult TakeSkyArgument(const std::vector<std::string>& args, size_t& i, SkyArguments& sky,
                             const std::string& command, const char* usage, std::ostream& err);

// A whole number from `least` to `most` and nothing else (--count, --ticks); nothing when the
// text is anything more or less.
std::optional<long> ParseWholeNumber(const std::string& text, long least, long most);

// A number with `decimals` places, "." as separator.
std::string Fixed(double value, int decimals);

}  // namespace orbivox::cli
