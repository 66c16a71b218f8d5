// Finding each satellite's next rise or set across the countdown elevation and the top of its
// pass, laying out the rows (names cut by characters, not bytes), and the settings lines.
#include "orbit/Countdown.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "orbit/DisplayFormat.h"

namespace orbit {
namespace {

bool Crossed(double before, double after, double level) {
    return (before > level && level > after) || (before < level && level < after);
}

// Names are UTF-8 here; widths count characters, not bytes.
size_t CharacterCount(const std::string& text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string FirstCharacters(const std::string& text, size_t count) {
    size_t seen = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (seen == count)
                return text.substr(0, i);
            ++seen;
        }
    }
    return text;
}

std::string PadOrCut(const std::string& text, size_t width) {
    std::string result = FirstCharacters(text, width);
    result.append(width - CharacterCount(result), ' ');
    return result;
}

char Letter(int position) {
    return static_cast<char>('A' + position);
}

std::optional<int> ReadInteger(const std::string& line) {
    std::string_view text = line;
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc())
        return std::nullopt;
    for (const char* p = end; p != text.data() + text.size(); ++p) {
        if (*p != ' ' && *p != '\r')
            return std::nullopt;
    }
    return value;
}

std::optional<double> ReadReal(const std::string& line) {
    std::string_view text = line;
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r'))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<bool> ReadFlag(const std::string& line) {
    if (line.empty())
        return std::nullopt;
    if (line.front() == '+')
        return true;
    if (line.front() == '-')
        return false;
    return std::nullopt;
}

}  // namespace

char CountdownStatusLetter(CountdownStatus status) {
    switch (status) {
        case CountdownStatus::Rising:
            return '+';
        case CountdownStatus::Up:
            return '-';
        case CountdownStatus::None:
            break;
    }
    return 'n';
}

CountdownEntry ComputeCountdownEntry(double now, double meanMotionRevPerDay, double semiMajorAxis,
                                     double minElevation, const LookAtFunction& lookAt) {
    CountdownEntry entry;
    if (IsGeostationary(meanMotionRevPerDay))
        return entry;
    const double coarse = CoarseStep(semiMajorAxis);
    double s = coarse;
    double t = now;
    LookSample sample = lookAt(t);
    if (!sample.ok)
        return entry;
    const double el0 = sample.elevation;
    int refinements = 0;

    if (el0 > minElevation) {
        // Up now: find when it drops below the countdown elevation, and its top on the way.
        const double limit = now + kLosSearchDays;
        entry.maxElevation = el0;
        double prev = el0;
        bool culminationPending = true;
        while (t <= limit) {
            const double kept = t;
            t += s;
            sample = lookAt(t);
            if (!sample.ok)
                return CountdownEntry{};
            entry.maxElevation = std::max(entry.maxElevation, sample.elevation);
            if (culminationPending && prev > sample.elevation) {
                t = kept;
                s /= 12.0;
                do {
                    t += s;
                    sample = lookAt(t);
                    if (!sample.ok)
                        return CountdownEntry{};
                    entry.maxElevation = std::max(entry.maxElevation, sample.elevation);
                } while (sample.elevation >= prev && t <= limit);
                s *= 5.0;
                culminationPending = false;
            } else if (Crossed(prev, sample.elevation, minElevation)) {
                t = kept;
                s *= kStepFactor;
                if (++refinements == kRefinements)
                    break;
            } else {
                prev = sample.elevation;
            }
        }
        entry.time = t + kThirtySeconds;
        entry.status = CountdownStatus::Up;
        return entry;
    }

    const double limit = now + kAosSearchDays;
    double prev = el0;
    for (;;) {
        const double kept = t;
        t += s;
        sample = lookAt(t);
        if (!sample.ok)
            return CountdownEntry{};
        if (Crossed(prev, sample.elevation, minElevation)) {
            t = kept;
            s *= kStepFactor;
            if (++refinements == kRefinements)
                break;
            continue;
        }
        if (t > limit)
            return CountdownEntry{};
        prev = sample.elevation;
    }
    entry.time = t;
    entry.status = CountdownStatus::Rising;

    // The top of the coming pass, climbing as the pass search does.
    s = coarse;
    prev = 0.0;
    refinements = 0;
    const double topLimit = t + kLosSearchDays;
    while (t < topLimit) {
        const double kept = t;
        t += s;
        sample = lookAt(t);
        if (!sample.ok)
            break;
        entry.maxElevation = std::max(entry.maxElevation, sample.elevation);
        if (sample.elevation >= prev) {
            prev = sample.elevation;
            continue;
        }
        t = kept;
        s *= kStepFactor;
        if (++refinements == kRefinements)
            break;
    }
    return entry;
}

std::string CountdownRowText(int position, const std::string& name, const CountdownEntry& entry,
                             double now) {
    std::string row(1, Letter(position));
    row += ' ';
    if (entry.status == CountdownStatus::None) {
        return row + PadOrCut(name, 11) + " ----- --";
    }
    const std::string shown = CharacterCount(name) > 10 ? FirstCharacters(name, 10) + ".." : name;
    row += PadOrCut(shown, 12);
    row += DurationText(entry.time - now + kThirtySeconds);
    row += "  ";
    row += FormatNumber(entry.maxElevation, "00");
    return row;
}

std::vector<CountdownRow> ShowCountdown(const std::vector<std::string>& names,
                                        const std::vector<CountdownEntry>& entries, double now,
                                        bool sortByLetters) {
    const int count = static_cast<int>(std::min(names.size(), entries.size()));
    std::vector<int> order;
    for (int i = 0; i < count; ++i)
        order.push_back(i);
    const bool anyNone = std::any_of(entries.begin(), entries.begin() + count, [](const auto& e) {
        return e.status == CountdownStatus::None;
    });
    if (!sortByLetters && !anyNone) {
        // Up first in selection order, then the rising ones by time; equal times keep order.
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const bool upA = entries[a].status == CountdownStatus::Up;
            const bool upB = entries[b].status == CountdownStatus::Up;
            if (upA != upB)
                return upA;
            if (upA)
                return false;
            return entries[a].time < entries[b].time;
        });
    }
    std::vector<CountdownRow> rows;
    for (int i : order) {
        CountdownRow row;
        row.satellite = i;
        row.text = CountdownRowText(i, names[i], entries[i], now);
        row.highlighted = entries[i].status == CountdownStatus::Up;
        rows.push_back(row);
    }
    return rows;
}

double CountdownSettings::MinElevationDegrees() const {
    return ReadReal(minElevation).value_or(0.0);
}

std::optional<CountdownSettings> ParseCountdownSettings(const std::vector<std::string>& lines,
                                                        std::string* error) {
    auto fail = [&](int line, const char* what) -> std::optional<CountdownSettings> {
        if (error)
            *error = "line " + std::to_string(line) + ": " + what;
        return std::nullopt;
    };
    if (lines.size() < 8)
        return fail(static_cast<int>(lines.size()) + 1, "missing");
    CountdownSettings settings;
    const auto top = ReadInteger(lines[0]);
    if (!top)
        return fail(1, "window top is not a whole number");
    const auto left = ReadInteger(lines[1]);
    if (!left)
        return fail(2, "window left is not a whole number");
    const auto open = ReadFlag(lines[2]);
    if (!open)
        return fail(3, "expected + or -");
    if (!ReadReal(lines[3]))
        return fail(4, "minimum elevation is not a number");
    const auto sort = ReadFlag(lines[4]);
    if (!sort)
        return fail(5, "expected + or -");
    const auto attached = ReadFlag(lines[5]);
    if (!attached)
        return fail(6, "expected + or -");
    const auto horizontal = ReadInteger(lines[6]);
    if (!horizontal)
        return fail(7, "offset is not a whole number");
    const auto vertical = ReadInteger(lines[7]);
    if (!vertical)
        return fail(8, "offset is not a whole number");
    settings.top = *top;
    settings.left = *left;
    settings.openAtStart = *open;
    settings.minElevation = lines[3];
    if (!settings.minElevation.empty() && settings.minElevation.back() == '\r') {
        settings.minElevation.pop_back();
    }
    settings.sortByLetters = *sort;
    settings.attached = *attached;
    settings.horizontalOffset = *horizontal;
    settings.verticalOffset = *vertical;
    return settings;
}

std::vector<std::string> CountdownSettingsLines(const CountdownSettings& settings) {
    auto flag = [](bool on) { return std::string(on ? "+" : "-"); };
    return {std::to_string(settings.top),
            std::to_string(settings.left),
            flag(settings.openAtStart),
            settings.minElevation,
            flag(settings.sortByLetters),
            flag(settings.attached),
            std::to_string(settings.horizontalOffset),
            std::to_string(settings.verticalOffset)};
}

}  // namespace orbit
