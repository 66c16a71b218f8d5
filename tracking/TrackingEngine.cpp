#include "tracking/TrackingEngine.h"

#include <algorithm>

namespace orbivox {
namespace {

constexpr int kStartupTicks = 3;

bool NearGeostationary(double revPerDay) {
    return revPerDay > 0.98 && revPerDay < 1.02;
}

// Puts back the current set an evaluation borrowed.
class CurrentSetGuard {
public:
    explicit CurrentSetGuard(orbit::OrbitEngine& engine)
        : engine_(engine), saved_(engine.Sets().Current()) {}
    ~CurrentSetGuard() { engine_.Sets().Current() = saved_; }
    CurrentSetGuard(const CurrentSetGuard&) = delete;
    CurrentSetGuard& operator=(const CurrentSetGuard&) = delete;

private:
    orbit::OrbitEngine& engine_;
    orbit::CurrentSet saved_;
};

}  // namespace

TrackingEngine::TrackingEngine(const orbit::Clock& clock, int clockYear)
    : clock_(clock), orbit_(clockYear), lastElevation_(orbit::kMaxSets + 1, 0.0) {
    SetSite(orbit::ObserverSite{}, orbit::ZoneMode::Utc);
}

void TrackingEngine::SetSite(const orbit::ObserverSite& site, orbit::ZoneMode zone) {
    site_ = orbit::ObserverToSite(site);
    const double offset = orbit::ParseUtcOffset(site.utcOffset, clock_).value_or(0.0);
    shifts_ = orbit::ShiftsFor(offset, zone);
    time_ = orbit::UpdateClock(clock_, shifts_);
    for (orbit::PassData& pass : passes_) {
        orbit::ResetPass(pass);
    }
}

void TrackingEngine::SetSquintEntries(std::vector<orbit::SquintEntry> entries) {
    squintEntries_ = std::move(entries);
}

void TrackingEngine::SetSelection(const std::vector<int>& setIndices, int workingSlot) {
    selected_.assign(setIndices.begin(),
                     setIndices.begin() + std::min<size_t>(setIndices.size(), kMaxSelected));
    passes_.assign(selected_.size(), orbit::PassData{});
    repaintAll_ = true;
    workingSlot_ = -1;
    if (!selected_.empty()) {
        ApplyWorkingChange(std::clamp(workingSlot, 0, SelectedCount() - 1));
    }
}

void TrackingEngine::SetMapUpdate(int seconds, int speedFactor) {
    speedFactor_ = speedFactor;
    mapUpdateTicks_ = seconds * speedFactor;
}

int TrackingEngine::TickIntervalMs() const {
    return speedFactor_ == 10 ? 100 : speedFactor_ == 5 ? 200 : 1000;
}

int TrackingEngine::WorkingSetIndex() const {
    return workingSlot_ >= 0 ? selected_[static_cast<size_t>(workingSlot_)] : 0;
}

const orbit::PassData& TrackingEngine::WorkingPass() const {
    static const orbit::PassData kNone;
    return workingSlot_ >= 0 ? passes_[static_cast<size_t>(workingSlot_)] : kNone;
}

void TrackingEngine::LettersRepainted() {
    for (Letter& letter : letters_) {
        letter.repaint = false;
    }
}

orbit::TrackResult TrackingEngine::Evaluate(int setIndex, double dayNumber) {
    orbit::TrackResult result;
    orbit_.SelectCurrentSet(setIndex);
    const orbit::TimeState at = orbit::TimeAtDayNumber(dayNumber, shifts_);
    const orbit::PropagationResult state = orbit_.Propagate(at.computationInstant);
    if (!state.ok) {
        return result;
    }
    const orbit::LookAngles look = orbit::ComputeLookAngles(state, site_, at.computationInstant);
    result.azimuth = look.azimuth;
    result.elevation = look.elevation;
    result.range = look.range;
    result.rangeRate = look.rangeRate;
    const orbit::SubPoint sub = orbit::ComputeSubPoint(state, at.computationInstant);
    result.subLatitude = sub.latitude;
    result.subLongitude = sub.longitude;
    result.height = sub.height;
    result.centreDistance = sub.centreDistance;
    const orbit::OrbitPhase phase =
        orbit::ComputeOrbitPhase(orbit_.Sets()[setIndex], dayNumber, shifts_.computation);
    result.meanAnomaly = phase.meanAnomaly;
    result.orbitNumber = phase.orbitNumber;
    result.ok = true;
    return result;
}

void TrackingEngine::TrackingTick() {
    ++startupTicks_;
    if (startupTicks_ == 1) {
        Call(hooks_.startAnnouncement);
    } else if (startupTicks_ == 2) {
        Call(hooks_.openCountdownAtStart);
    }
    startupTicks_ = std::min(startupTicks_, kStartupTicks);
    time_ = orbit::UpdateClock(clock_, shifts_);
    Call(hooks_.markRadioDisplay);
    TrackAll();
}

void TrackingEngine::TrackAll() {
    refreshTick_ = false;
    const int n = SelectedCount();
    for (int k = 0; k < n; ++k) {
        const int i = selected_[static_cast<size_t>(k)];
        Letter& letter = letters_[static_cast<size_t>(k)];
        const bool wasUp = lastElevation_[static_cast<size_t>(i)] > 0;
        const LetterColour oldColour = letter.colour;

        const orbit::TrackResult result = Evaluate(i, time_.dayNumber);
        // A set that cannot be propagated stays silver and is skipped by what follows.
        const bool isUp = result.ok && result.elevation > 0;
        letter.colour = isUp ? LetterColour::White : LetterColour::Silver;
        if (wasUp != isUp || repaintAll_) {
            letter.repaint = true;
        }
        const double previousElevation = lastElevation_[static_cast<size_t>(i)];
        lastElevation_[static_cast<size_t>(i)] = result.ok ? result.elevation : 0.0;

        if (k == workingSlot_) {
            working_ = result;
            Call(hooks_.publishNameItem);
            refreshTick_ = mapRefreshCounter_ == 0;
            if (refreshTick_) {
                Call(hooks_.refreshFootprint);
                if (switches_.sunDisplay) {
                    Call(hooks_.refreshSunPosition);
                }
            }
            if (switches_.sunDisplay) {
                Call(hooks_.checkEclipse);
            }
            if (++mapRefreshCounter_ > mapUpdateTicks_) {
                mapRefreshCounter_ = 0;
            }
            previousRange_ = working_.range;
            Call(hooks_.computeDoppler);
            if (working_.ok) {
                working_.squint = orbit::ComputeSquint(
                    workingSquint_,
                    orbit::SquintView{working_.elevation, working_.azimuth,
                                      working_.centreDistance, orbit::ToDegrees(site_.latitude),
                                      orbit::ToDegrees(site_.longitude), time_.dayNumber,
                                      shifts_.computation});
            }
            ShowListLine();
            Call(hooks_.publishDataItem, listText_);
            if (refreshTick_) {
                Call(hooks_.drawDirectionArrow);
            }
        }
        if (result.ok && (previousElevation > 0) != (result.elevation > 0)) {
            Call(hooks_.countdownCrossing, i);
        }
        if (switches_.announcements && StartupComplete() && oldColour == LetterColour::Silver &&
            letter.colour == LetterColour::White &&
            !NearGeostationary(orbit_.Sets()[i].meanMotionRevPerDay)) {
            Call(hooks_.announceRise, i);
        }
        if (k == workingSlot_ && switches_.catControl) {
            Call(hooks_.radioStep);
        }
    }
    for (int k = n; k < kMaxSelected; ++k) {
        letters_[static_cast<size_t>(k)] = Letter{LetterColour::Silver, true};
    }

    Call(hooks_.secondObserverReadout);
    if (refreshTick_) {
        if (switches_.sunDisplay) {
            Call(hooks_.drawSunTerminator);
        }
        Call(hooks_.drawOtherSatellites);
    }
    repaintAll_ = false;
    if (refreshTick_) {
        Call(hooks_.refreshCountdownWindow);
    }
    if (switches_.rotorControl) {
        Call(hooks_.rotorUpdate);
    }
    if (switches_.autoChange) {
        Call(hooks_.automaticChange);
    }
}

void TrackingEngine::ShowListLine() {
    if (!working_.ok) {
        listText_ = " --";
        return;
    }
    ListValues values;
    values.azimuth = working_.azimuth;
    values.elevation = working_.elevation;
    values.meanAnomaly = working_.meanAnomaly;
    values.height = working_.height;
    values.range = working_.range;
    values.longitude = working_.subLongitude;
    values.latitude = working_.subLatitude;
    values.orbitNumber = working_.orbitNumber;
    if (workingSquint_.mode != orbit::SquintMode::None) {
        values.squint = working_.squint;
    }
    const std::string fields =
        FormatListFields(values, switches_.windowSizeCode, switches_.decimalSeparator);

    // The pass search borrows the current set and steps through time; what it borrowed is
    // put back, and the tick's own look angles stay in force.
    const int i = WorkingSetIndex();
    orbit::PassData& pass = passes_[static_cast<size_t>(workingSlot_)];
    {
        CurrentSetGuard guard(orbit_);
        orbit::PassRequest request;
        request.now = time_.dayNumber;
        request.current = orbit::LookSample{working_.azimuth, working_.elevation, true};
        request.meanMotionRevPerDay = orbit_.Sets()[i].meanMotionRevPerDay;
        request.windowSizeCode = switches_.windowSizeCode;
        orbit::SearchPass(pass, request, [this, i](double dayNumber) {
            const orbit::TrackResult r = Evaluate(i, dayNumber);
            return orbit::LookSample{r.azimuth, r.elevation, r.ok};
        });
    }
    PassColumns columns;
    columns.geostationary = pass.geostationary || NearGeostationary(orbit_.Sets()[i].meanMotionRevPerDay);
    columns.countdownMode = switches_.countdownColumns;
    columns.untilRecompute = pass.recomputeAfter - time_.dayNumber;
    columns.untilAos = pass.aosRounded - time_.dayNumber;
    columns.aosText = pass.aosText;
    columns.losText = pass.losText;
    columns.maxElevation = pass.maxElevation;
    listText_ = fields + FormatPassColumns(columns, working_.elevation, switches_.windowSizeCode,
                                           switches_.decimalSeparator);
}

void TrackingEngine::ApplyWorkingChange(int slot) {
    workingSlot_ = slot;
    Call(hooks_.selectTransponder);
    if (StartupComplete()) {
        Call(hooks_.sendBandSetup);
    }
    Call(hooks_.resetRotorCounter);
    mapRefreshCounter_ = 0;
    Call(hooks_.resetDoppler);
    workingSquint_ = orbit::PrepareSquint(orbit_.Sets()[WorkingSetIndex()], squintEntries_,
                                          time_.dayNumber);
    Call(hooks_.refreshTuningDialog);
}

void TrackingEngine::QuitProgram(const QuitHooks& hooks, bool quitCommand, bool switchingSlot) {
    if (hooks.radio1PortFailed && hooks.radio1PortFailed()) {
        return;
    }
    Call(hooks.releaseRadio2);
    if (quitCommand && !switchingSlot) {
        Call(hooks.writeWindowPosition);
    }
    Call(hooks.toneOff);
    Call(hooks.sendCloseCommands);
    Call(hooks.catOff);
    if (hooks.closeCatServer) {
        hooks.closeCatServer();
    } else {
        Call(hooks.kenwoodSatelliteModeOff);
    }
    Call(hooks.closeRotorServer);
}

}  // namespace orbivox
