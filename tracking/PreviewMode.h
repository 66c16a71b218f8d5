#pragma once
// Preview and MA mode without their dialogs: the whole display computed for an instant the
// operator chooses (preview, stepped by hand) or for the instant the working satellite
// reaches a mean anomaly (MA), and the way back to real time.
//
// Responsibilities: the time mode, the preview instant and step, the MA jump, the name item
// while the clock stands still, whether the tracking timer may run again.
// Collaborations: TrackingEngine (computes the display at an instant; rotor, radio,
// announcements and the automatic change are held off meanwhile), links/DataItems.
#include <optional>
#include <string>

#include "tracking/TrackingEngine.h"

namespace orbivox {

enum class TimeMode { RealTime, Preview, Ma };

struct PreviewStep {
    int hours = 0;
    int minutes = 15;
    int seconds = 0;
};

// The dialog's first step: 15 minutes for a satellite of at most 6.4 revolutions a day, else 2.
PreviewStep DefaultPreviewStep(double meanMotionRevPerDay);
// In days; a step of nothing is taken as 2 minutes.
double PreviewStepDays(const PreviewStep& step);

// The MA field: "," read as ".", empty as 0; nothing outside 0..256 or not a number.
std::optional<double> ParseMaTarget(const QString& text);
inline const QString kInvalidMaText = QStringLiteral("    unvalid  value!");
// The instant after `now` at which the mean anomaly (0..256) goes from `current` to
// `target`, for n revolutions per day; `now` itself when n is not positive.
double MaJumpTime(double now, double current, double target, double meanMotionRevPerDay);

class PreviewMode {
public:
    explicit PreviewMode(TrackingEngine& engine) : engine_(engine) {}

    TimeMode Mode() const { return mode_; }
    bool RealTime() const { return mode_ == TimeMode::RealTime; }
    double Instant() const { return instant_; }
    int StepFactor() const { return stepFactor_; }

    // "&Preview": the clock stops, the name item says " Standby".
    void EnterPreview();
    // "OK" of the preview dialog: the display for `dayNumber`, stepped by `step`.
    void StartPreview(double dayNumber, const PreviewStep& step);
    // `UpDown1`: forward (right arrow) or back by factor × step.
    void StepPreview(bool forward);
    // `lblVorZur`: "F-" (factor 1) and "F+" (factor 5).
    QString ToggleStepFactor();
    QString StepFactorText() const;

    // "&MA": the clock stops at the current time, the name item says " Standby".
    void EnterMa();
    // "OK" of the MA dialog, again and again from the last instant.
    void JumpToMa(double target);

    // "&Real Time", "Cancel" or closing a dialog: passes searched afresh and the name item
    // published again at the next tick.
    void ReturnToRealTime();

private:
    void StopClock();
    void ComputeAt(double dayNumber);
    std::string WorkingName() const;

    TrackingEngine& engine_;
    TimeMode mode_ = TimeMode::RealTime;
    double instant_ = 0;
    double stepDays_ = 1.0 / 96;
    int stepFactor_ = 1;
};

}  // namespace orbivox
