#pragma once
// The arithmetic of the preview (stepping a chosen instant by hand) and of the MA jump (the
// instant at which the working satellite reaches a given mean anomaly). Times are day numbers.

#include <optional>
#include <string>
#include <string_view>

namespace orbit {

enum class TrackingMode { RealTime, Preview, MeanAnomaly };

struct PreviewStep {
    int hours = 0;     // 0..12
    int minutes = 15;  // 0..59
    int seconds = 0;   // 0..59
};

// 15 minutes for slow orbits (mean motion at most 6.4 revolutions per day), else 2 minutes.
PreviewStep InitialPreviewStep(double meanMotionRevPerDay);

// The step in days; an all-zero step moves 2 minutes.
double PreviewStepDays(const PreviewStep& step);

// One click of the arrows: direction +1 or -1, factor 1 ("F-") or 5 ("F+").
double StepPreview(double t, int direction, int factor, const PreviewStep& step);

inline constexpr const char* kInvalidMaText = "    unvalid  value!";

// The MA field: "," counts as ".", empty means 0; nothing when outside 0..256 or no number.
std::optional<double> ParseMaTarget(std::string_view text);

// Days from a mean anomaly `current` to `target` (both 0..256) at n revolutions per day,
// always forward, less than one revolution. Nothing when n is not positive.
std::optional<double> MeanAnomalyJumpDays(double target, double current,
                                          double meanMotionRevPerDay);

}  // namespace orbit
