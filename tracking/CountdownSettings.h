#pragma once
// The countdown window's settings file CountDownPos.SQF: position, start option, countdown
// elevation, order and attachment, eight lines.
#include <optional>
#include <string>
#include <vector>

namespace orbivox {

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

}  // namespace orbivox
