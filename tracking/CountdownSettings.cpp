// Reading and writing CountDownPos.SQF's eight lines.
#include "tracking/CountdownSettings.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace orbivox {
namespace {

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

}  // namespace orbivox
