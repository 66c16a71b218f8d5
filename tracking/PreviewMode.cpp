// Computing the display for a chosen instant and stepping it.
#include "tracking/PreviewMode.h"

#include <cmath>

namespace orbivox {
namespace {

constexpr double kTwoMinutes = 2.0 / 1440;

}  // namespace

PreviewStep DefaultPreviewStep(double meanMotionRevPerDay) {
    return meanMotionRevPerDay <= 6.4 ? PreviewStep{0, 15, 0} : PreviewStep{0, 2, 0};
}

double PreviewStepDays(const PreviewStep& step) {
    const double days = step.hours / 24.0 + step.minutes / 1440.0 + step.seconds / 86400.0;
    return days > 0 ? days : kTwoMinutes;
}

std::optional<double> ParseMaTarget(const QString& text) {
    QString t = text.trimmed();
    if (t.isEmpty()) {
        return 0.0;
    }
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 0 || value > 256) {
        return std::nullopt;
    }
    return value;
}

double MaJumpTime(double now, double current, double target, double meanMotionRevPerDay) {
    // A set without a positive mean motion never gets there: stay put rather than divide.
    if (!(meanMotionRevPerDay > 0) || !std::isfinite(current)) {
        return now;
    }
    double f = (target - current) / 256;
    if (f < 0) {
        f += 1;
    }
    return now + f / meanMotionRevPerDay;
}

void PreviewMode::StopClock() {
    if (mode_ == TimeMode::RealTime) {
        instant_ = engine_.Time().dayNumber;
    }
    engine_.Data().PublishStandby(WorkingName());
}

void PreviewMode::EnterPreview() {
    StopClock();
    mode_ = TimeMode::Preview;
}

void PreviewMode::StartPreview(double dayNumber, const PreviewStep& step) {
    mode_ = TimeMode::Preview;
    stepDays_ = PreviewStepDays(step);
    ComputeAt(dayNumber);
}

void PreviewMode::StepPreview(bool forward) {
    ComputeAt(instant_ + (forward ? 1 : -1) * stepFactor_ * stepDays_);
}

QString PreviewMode::ToggleStepFactor() {
    stepFactor_ = stepFactor_ == 1 ? 5 : 1;
    return StepFactorText();
}

QString PreviewMode::StepFactorText() const {
    return stepFactor_ == 1 ? QStringLiteral("F-") : QStringLiteral("F+");
}

void PreviewMode::EnterMa() {
    // The jumps start from now, even after a preview.
    mode_ = TimeMode::RealTime;
    engine_.View().UpdateClock();
    StopClock();
    mode_ = TimeMode::Ma;
}

void PreviewMode::JumpToMa(double target) {
    ComputeAt(instant_);
    const orbit::TrackResult& working = engine_.Working();
    if (!working.ok || engine_.SelectedCount() == 0) {
        return;
    }
    const double n = engine_.Orbit().Sets()[engine_.WorkingSetIndex()].meanMotionRevPerDay;
    const double next = MaJumpTime(instant_, working.meanAnomaly, target, n);
    if (next != instant_) {
        ComputeAt(next);
    }
}

void PreviewMode::ReturnToRealTime() {
    mode_ = TimeMode::RealTime;
    stepFactor_ = 1;
    engine_.View().UpdateClock();
    engine_.View().ResetPasses();
    engine_.Data().ForgetName();
    engine_.RequestMapRefresh();
    // What was computed for the preview instant goes stale now.
    Call(engine_.Hooks().returnedToRealTime);
}

void PreviewMode::ComputeAt(double dayNumber) {
    instant_ = dayNumber;
    TrackingSwitches& switches = engine_.Switches();
    // No rotor, radio, voice, satellite change or published items for an instant that is not
    // now.
    const TrackingSwitches kept = switches;
    switches.radioHeld = true;
    switches.itemsHeld = true;
    switches.rotorControl = false;
    switches.autoChange = false;
    switches.announcements = false;
    engine_.View().SetTime(dayNumber);
    engine_.View().ResetPasses();
    engine_.RequestMapRefresh();
    engine_.TrackAll();
    switches = kept;
    // While the clock stands still the name item says Standby.
    engine_.Data().PublishStandby(WorkingName());
}

std::string PreviewMode::WorkingName() const {
    if (engine_.SelectedCount() == 0) {
        return {};
    }
    return engine_.Orbit().Sets()[engine_.WorkingSetIndex()].name;
}

}  // namespace orbivox
