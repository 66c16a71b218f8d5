#pragma once
// The countdown: for every selected satellite the time until it rises above (or drops below)
// the countdown elevation, and the rows of the countdown list.

#include <optional>
#include <string>
#include <vector>

#include "orbit/PassSearch.h"

namespace orbit {

enum class CountdownStatus { Rising, Up, None };  // "+", "-", "n"

struct CountdownEntry {
    double time = 0.0;  // day number
    CountdownStatus status = CountdownStatus::None;
    double maxElevation = 0.0;
};

char CountdownStatusLetter(CountdownStatus status);

// One satellite. `minElevation` is the countdown elevation C in degrees.
CountdownEntry ComputeCountdownEntry(double now, double meanMotionRevPerDay, double semiMajorAxis,
                                     double minElevation, const LookAtFunction& lookAt);

struct CountdownRow {
    int satellite = 0;  // selection position, 0 = "A"
    std::string text;
    bool highlighted = false;
};

// The row text of satellite `position` (0..23).
std::string CountdownRowText(int position, const std::string& name, const CountdownEntry& entry,
                             double now);

// Rows in display order: selection order when sorting by letters or when any satellite has
// no time; otherwise the satellites that are up, then the rising ones by time.
std::vector<CountdownRow> ShowCountdown(const std::vector<std::string>& names,
                                        const std::vector<CountdownEntry>& entries, double now,
                                        bool sortByLetters);

// CountDownPos.SQF, eight lines.
struct CountdownSettings {
    int top = 0;
    int left = 0;
    bool openAtStart = false;
    std::string minElevation = "0";  // text holding degrees, as stored
    bool sortByLetters = true;
    bool attached = false;
    int horizontalOffset = 0;
    int verticalOffset = 0;

    double MinElevationDegrees() const;
};

// Empty optional with `error` set when a line is missing or does not read.
std::optional<CountdownSettings> ParseCountdownSettings(const std::vector<std::string>& lines,
                                                        std::string* error = nullptr);
std::vector<std::string> CountdownSettingsLines(const CountdownSettings& settings);

}  // namespace orbit
