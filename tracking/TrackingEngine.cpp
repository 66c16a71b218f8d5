// The tracking tick: every selected satellite looked at, letters coloured and rises announced,
// the countdown renewed on crossings, the list line and pass columns, working changes, and quit.
#include "tracking/TrackingEngine.h"

#include <algorithm>

#include "orbit/PassSearch.h"

namespace orbivox {
namespace {

constexpr int kStartupTicks = 3;

}  // namespace

TrackingEngine::TrackingEngine(const orbit::Clock& clock, int clockYear)
    : orbit_(clockYear), view_(orbit_, clock), lastElevation_(orbit::kMaxSets + 1, 0.0) {
    SetSite(orbit::ObserverSite{}, orbit::ZoneMode::Utc);
}

void TrackingEngine::SetSite(const orbit::ObserverSite& site, orbit::ZoneMode zone) {
    view_.SetObserver(site);
    view_.SetZoneMode(zone);
    view_.UpdateClock();
    view_.ResetPasses();
}

void TrackingEngine::SetSquintEntries(std::vector<orbit::SquintEntry> entries) {
    view_.SetSquintEntries(std::move(entries));
}

void TrackingEngine::LoadSets(const std::vector<int>& setIndices) {
    view_.SetSelection(setIndices);
    for (int k = 0; k < SelectedCount(); ++k) {
        view_.PrepareSquint(k);
    }
    repaintAll_ = true;
}

void TrackingEngine::SetSelection(const std::vector<int>& setIndices, int workingSlot) {
    LoadSets(setIndices);
    workingSlot_ = -1;
    if (SelectedCount() > 0) {
        ApplyWorkingChange(std::clamp(workingSlot, 0, SelectedCount() - 1));
    }
}

void TrackingEngine::RefreshSets(const std::vector<int>& setIndices) {
    LoadSets(setIndices);
    RequestMapRefresh();
}

void TrackingEngine::SetMapUpdate(int seconds, int speedFactor) {
    speedFactor_ = speedFactor;
    mapUpdateTicks_ = seconds * speedFactor;
}

int TrackingEngine::TickIntervalMs() const {
    return speedFactor_ == 10 ? 100 : speedFactor_ == 5 ? 200 : 1000;
}

int TrackingEngine::WorkingSetIndex() const {
    return workingSlot_ >= 0 ? Selected()[static_cast<size_t>(workingSlot_)] : 0;
}

std::string TrackingEngine::WorkingName() const {
    const int set = WorkingSetIndex();
    return SelectedCount() > 0 && set >= 1 && set <= orbit_.Sets().Count() ? orbit_.Sets()[set].name
                                                                           : std::string();
}

const orbit::PassData& TrackingEngine::WorkingPass() const {
    static const orbit::PassData kNone;
    return workingSlot_ >= 0 ? view_.Pass(workingSlot_) : kNone;
}

void TrackingEngine::LettersRepainted() {
    for (Letter& letter : letters_) {
        letter.repaint = false;
    }
}

void TrackingEngine::TrackingTick() {
    ++startupTicks_;
    if (startupTicks_ == 1) {
        Call(hooks_.startAnnouncement);
    } else if (startupTicks_ == 2) {
        Call(hooks_.openCountdownAtStart);
    }
    // Counted one past the start-up phase: rises are announced only once it has ended.
    startupTicks_ = std::min(startupTicks_, kStartupTicks + 1);
    view_.UpdateClock();
    TrackAll();
}

void TrackingEngine::TrackAll() {
    refreshTick_ = false;
    const int n = SelectedCount();
    for (int k = 0; k < n; ++k) {
        const SlotTick tick = EvaluateSlot(k);
        if (k == workingSlot_) {
            WorkingSatelliteStep(k, tick);
        }
        SlotEvents(k, tick);
    }
    for (int k = n; k < kMaxSelected; ++k) {
        letters_[static_cast<size_t>(k)] = Letter{LetterColour::Silver, true};
    }
    AfterTheLoop();
}

TrackingEngine::SlotTick TrackingEngine::EvaluateSlot(int slot) {
    SlotTick tick;
    tick.setIndex = view_.Selection()[static_cast<size_t>(slot)];
    Letter& letter = letters_[static_cast<size_t>(slot)];
    double& lastElevation = lastElevation_[static_cast<size_t>(tick.setIndex)];
    tick.previousElevation = lastElevation;
    tick.oldColour = letter.colour;

    view_.Evaluate(slot);
    tick.result = view_.Result();
    // A set that cannot be propagated stays silver and is skipped by what follows.
    const bool isUp = tick.result.ok && tick.result.elevation > 0;
    letter.colour = isUp ? LetterColour::White : LetterColour::Silver;
    if ((tick.previousElevation > 0) != isUp || repaintAll_) {
        letter.repaint = true;
    }
    lastElevation = tick.result.ok ? tick.result.elevation : 0.0;
    return tick;
}

void TrackingEngine::WorkingSatelliteStep(int slot, const SlotTick& tick) {
    if (tick.result.ok && !switches_.itemsHeld) {
        dataItems_.PublishNameTick(orbit_.Sets()[tick.setIndex].name, tick.previousElevation,
                                   tick.result.elevation, switches_.minElevation, losStandby_);
    }
    view_.ComputeSubPoint();
    refreshTick_ = mapRefreshCounter_ == 0;
    if (switches_.sunDisplay) {
        if (refreshTick_) {
            SunNow();
        }
        CheckWorkingEclipse();
        Call(hooks_.checkEclipse);
    }
    if (++mapRefreshCounter_ > mapUpdateTicks_) {
        mapRefreshCounter_ = 0;
    }
    previousRange_ = working_.range;
    Call(hooks_.computeDoppler);
    view_.ComputeSquint(slot);
    working_ = view_.Result();
    ShowListLine();
    if (working_.ok && !switches_.itemsHeld) {
        PublishDataItem();
    }
}

void TrackingEngine::SlotEvents(int slot, const SlotTick& tick) {
    // The countdown is recomputed when a satellite crosses its elevation, either way.
    const double c = switches_.countdownElevation;
    if (tick.result.ok && (tick.previousElevation > c) != (tick.result.elevation > c)) {
        Call(hooks_.countdownCrossing, tick.setIndex);
    }
    const Letter& letter = letters_[static_cast<size_t>(slot)];
    if (switches_.announcements && startupTicks_ > kStartupTicks &&
        tick.oldColour == LetterColour::Silver && letter.colour == LetterColour::White &&
        !orbit::IsGeostationary(orbit_.Sets()[tick.setIndex].meanMotionRevPerDay)) {
        Call(hooks_.announceRise, tick.setIndex);
    }
    if (slot == workingSlot_ && !switches_.radioHeld) {
        Call(hooks_.radioStep);
    }
}

void TrackingEngine::AfterTheLoop() {
    Call(hooks_.secondObserverReadout);
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
    if (view_.Squint(workingSlot_).mode != orbit::SquintMode::None) {
        values.squint = working_.squint;
    }
    const int sizeCode = switches_.map.SizeCode();
    const std::string fields = FormatListFields(values, sizeCode, switches_.decimalSeparator);

    // The pass search borrows the instant and the current set and puts them back; the
    // tick's own look angles stay in force.
    const int i = WorkingSetIndex();
    view_.ComputePass(workingSlot_);
    const orbit::PassData& pass = view_.Pass(workingSlot_);
    PassColumns columns;
    columns.geostationary =
        pass.geostationary || orbit::IsGeostationary(orbit_.Sets()[i].meanMotionRevPerDay);
    columns.countdownMode = switches_.countdownColumns;
    columns.untilRecompute = pass.recomputeAfter - Time().dayNumber;
    columns.untilAos = pass.aosRounded - Time().dayNumber;
    columns.aosText = AosLosText(pass, sizeCode);
    columns.losText = LosText(pass);
    columns.maxElevation = pass.maxElevation;
    listText_ = fields + FormatPassColumns(columns, working_.elevation, sizeCode,
                                           switches_.decimalSeparator);
}

const orbit::SunState& TrackingEngine::SunNow() {
    const std::pair<double, double> instant{view_.Time().dayNumber, view_.Shifts().computation};
    if (sunInstant_ != instant) {
        orbit::SetSunTime(sun_, instant.first, instant.second);
        orbit::ComputeSun(sun_);
        sunInstant_ = instant;
    }
    return sun_;
}

void TrackingEngine::CheckWorkingEclipse() {
    if (!sunInstant_) {
        SunNow();  // the sun display was off at the last refresh tick
    }
    const orbit::TrackResult& working = view_.Result();
    if (working.ok) {
        illumination_ =
            orbit::CheckEclipse(sun_, working.subLatitude, working.subLongitude, working.height);
    }
}

void TrackingEngine::PublishDataItem() {
    // The tick's own look angles, not those of a pass search.
    DataLineValues values;
    values.name = orbit_.Sets()[WorkingSetIndex()].name;
    values.azimuth = working_.azimuth;
    values.elevation = working_.elevation;
    values.meanAnomaly = working_.meanAnomaly;
    Call(hooks_.dataLineRadio, values);
    Call(hooks_.dataLineRotor, values);
    dataItems_.PublishDataTick(values, switches_.dataItemAlways, switches_.dataItemRadioFrequencies,
                               switches_.decimalSeparator);
}

void TrackingEngine::ApplyWorkingChange(int slot) {
    losStandby_ = false;
    workingSlot_ = slot;
    // A pass that went by while another satellite worked was never searched again (its
    // satellite kept the same side of the horizon); search every such pass afresh.
    view_.ClearStalePasses();
    Call(hooks_.selectTransponder);
    Call(hooks_.resetRotorCounter);
    mapRefreshCounter_ = 0;
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
