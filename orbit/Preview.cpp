// Preview steps (the first step chosen by orbit height) and the MA jump: the target read with
// a comma or a point, and the time until the mean anomaly reaches it on a 256 scale.
#include "orbit/Preview.h"

#include <charconv>
#include <cmath>
#include <string>

namespace orbit {

PreviewStep InitialPreviewStep(double meanMotionRevPerDay) {
    PreviewStep step;
    step.minutes = meanMotionRevPerDay <= 6.4 ? 15 : 2;
    return step;
}

double PreviewStepDays(const PreviewStep& step) {
    const double days = step.hours / 24.0 + step.minutes / 1440.0 + step.seconds / 86400.0;
    return days == 0.0 ? 2.0 / 1440.0 : days;
}

double StepPreview(double t, int direction, int factor, const PreviewStep& step) {
    return t + direction * factor * PreviewStepDays(step);
}

std::optional<double> ParseMaTarget(std::string_view text) {
    std::string value(text);
    for (char& c : value) {
        if (c == ',')
            c = '.';
    }
    std::string_view trimmed = value;
    while (!trimmed.empty() && trimmed.front() == ' ')
        trimmed.remove_prefix(1);
    while (!trimmed.empty() && trimmed.back() == ' ')
        trimmed.remove_suffix(1);
    if (trimmed.empty())
        return 0.0;
    double target = 0.0;
    const auto [end, error] =
        std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), target);
    if (error != std::errc() || end != trimmed.data() + trimmed.size())
        return std::nullopt;
    if (!(target >= 0.0 && target <= 256.0))
        return std::nullopt;
    return target;
}

std::optional<double> MeanAnomalyJumpDays(double target, double current,
                                          double meanMotionRevPerDay) {
    if (!(meanMotionRevPerDay > 0.0))
        return std::nullopt;
    double fraction = (target - current) / 256.0;
    if (fraction < 0.0)
        fraction += 1.0;
    return fraction / meanMotionRevPerDay;
}

}  // namespace orbit
