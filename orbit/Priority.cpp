// Reading the priority lines, mapping them onto the selected satellites, and choosing which
// satellite should become the working one.
#include "orbit/Priority.h"

#include <charconv>

namespace orbit {

std::vector<PriorityEntry> ParsePriorityLines(const std::vector<std::string>& lines) {
    std::vector<PriorityEntry> entries;
    for (std::string line : lines) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line.front() == ';')
            continue;
        const auto comma = line.find(',');
        if (comma == std::string::npos)
            continue;
        if (static_cast<int>(entries.size()) >= kMaxPriorityEntries)
            break;
        PriorityEntry entry;
        entry.name = line.substr(0, comma);
        std::string_view number = std::string_view(line).substr(comma + 1);
        while (!number.empty() && number.front() == ' ')
            number.remove_prefix(1);
        std::from_chars(number.data(), number.data() + number.size(), entry.number);
        entries.push_back(entry);
    }
    return entries;
}

std::vector<int> BuildPriorityList(const std::vector<PriorityEntry>& entries,
                                   const std::vector<std::string>& selectedNames) {
    std::vector<int> list;
    for (const PriorityEntry& entry : entries) {
        for (int i = 0; i < static_cast<int>(selectedNames.size()); ++i) {
            if (selectedNames[i] == entry.name)
                list.push_back(i);
        }
    }
    return list;
}

std::optional<int> SelectByPriority(const std::vector<int>& priorityList,
                                    const std::vector<PriorityCandidate>& satellites, int working,
                                    double minElevation, double now) {
    auto valid = [&](int i) { return i >= 0 && i < static_cast<int>(satellites.size()); };
    // The highest-priority satellite above the horizon wins.
    for (int i : priorityList) {
        if (!valid(i) || satellites[i].elevation <= 0.0)
            continue;
        if (i == working)
            return std::nullopt;
        return i;
    }
    // None up: take one that is about to rise, unless the working one is still above the
    // rotor's minimum elevation first.
    for (int i : priorityList) {
        if (!valid(i))
            continue;
        const PriorityCandidate& sat = satellites[i];
        if (sat.elevation <= minElevation)
            continue;
        if (i == working)
            return std::nullopt;
        if (sat.aosRounded - now < kPriorityLeadTime)
            return i;
    }
    return std::nullopt;
}

}  // namespace orbit
