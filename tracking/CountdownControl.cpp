// The countdown's triggers, its rows and the attached window's position.
#include "tracking/CountdownControl.h"

#include "orbit/PassPrediction.h"
#include "map/WindowSizes.h"
#include "settings/SqfFile.h"
#include "tracking/TrackingEngine.h"

namespace orbivox {

QPoint AttachedPosition(const QRect& mainFrame, QSize ownFrame, const QRect& workArea,
                        int horizontalOffset, int verticalOffset) {
    const int top = mainFrame.top() + verticalOffset;
    const int right = mainFrame.left() + mainFrame.width() + horizontalOffset;
    const QPoint at = right + ownFrame.width() > workArea.left() + workArea.width()
                          ? QPoint(mainFrame.left() - ownFrame.width() - horizontalOffset, top)
                          : QPoint(right, top);
    return KeepInsideWorkArea(QRect(at, ownFrame), workArea);
}

CountdownControl::CountdownControl(TrackingEngine& engine, CountdownSettings settings, QString file)
    : engine_(engine), settings_(std::move(settings)), file_(std::move(file)) {}

void CountdownControl::ConnectHooks(std::function<void()> redraw,
                                    std::function<void()> openAtStart) {
    TrackingHooks& hooks = engine_.Hooks();
    hooks.openCountdownAtStart = [this, openAtStart] {
        if (settings_.openAtStart && openAtStart) {
            openAtStart();
        }
    };
    const auto recompute = [this, redraw] {
        if (opened_) {
            Compute();
            if (redraw) {
                redraw();
            }
        }
    };
    // The entries borrow the current set as the tick's own pass search does; the loop
    // makes each satellite current again before it looks at it.
    hooks.countdownCrossing = [recompute](int) { recompute(); };
    // Entries computed at a preview instant are recomputed for now.
    hooks.returnedToRealTime = recompute;
    hooks.refreshCountdownWindow = [this, redraw] {
        if (opened_ && redraw) {
            redraw();
        }
    };
}

void CountdownControl::Compute() {
    const orbit::StationView& view = engine_.View();
    entries_ = orbit::CountdownEntries(engine_.Orbit(), engine_.Selected(), view.Site(),
                                       view.Time().dayNumber, view.Shifts().computation,
                                       settings_.MinElevationDegrees());
    engine_.Switches().countdownElevation = settings_.MinElevationDegrees();
}

std::vector<CountdownRow> CountdownControl::Rows() const {
    std::vector<std::string> names;
    for (int i : engine_.Selected()) {
        names.push_back(engine_.Orbit().Sets()[i].name);
    }
    std::vector<orbit::CountdownEntry> entries = entries_;
    entries.resize(names.size());
    return ShowCountdown(names, entries, engine_.Time().dayNumber, settings_.sortByLetters);
}

void CountdownControl::SetSortByLetters(bool byLetters) {
    settings_.sortByLetters = byLetters;
    Compute();
}

void CountdownControl::SetOffsets(int horizontal, int vertical) {
    settings_.horizontalOffset = horizontal;
    settings_.verticalOffset = vertical;
}

void CountdownControl::Store(int minElevation, QPoint windowPosition) {
    settings_.minElevation = std::to_string(minElevation);
    settings_.left = windowPosition.x();
    settings_.top = windowPosition.y();
    QStringList lines;
    for (const std::string& line : CountdownSettingsLines(settings_)) {
        lines << QString::fromStdString(line);
    }
    SqfWriter().Lines(lines).Commit(file_);
    Compute();
}

}  // namespace orbivox
