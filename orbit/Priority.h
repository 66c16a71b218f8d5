#pragma once
// The automatic change of the working satellite by priority (Prior.SQF: one "name,number"
// line per satellite, first line = highest priority).

#include <optional>
#include <string>
#include <vector>

namespace orbit {

struct PriorityEntry {
    std::string name;
    double number = 0.0;  // read, but the order of the lines is the priority
};

inline constexpr int kMaxPriorityEntries = 2000;

// ";" lines are comments; a line is split at its first comma. Lines without a comma name no
// satellite and are skipped.
std::vector<PriorityEntry> ParsePriorityLines(const std::vector<std::string>& lines);

// Selection positions in priority order: for each entry, every selected satellite of exactly
// that name.
std::vector<int> BuildPriorityList(const std::vector<PriorityEntry>& entries,
                                   const std::vector<std::string>& selectedNames);

// What the tick knows about each selected satellite.
struct PriorityCandidate {
    double elevation = 0.0;
    double aosRounded = 0.0;  // day number
};

inline constexpr double kPriorityLeadTime = 15.0 / 1440.0;  // days

// The new working satellite, or nothing when the working satellite stays.
std::optional<int> SelectByPriority(const std::vector<int>& priorityList,
                                    const std::vector<PriorityCandidate>& satellites, int working,
                                    double minElevation, double now);

}  // namespace orbit
