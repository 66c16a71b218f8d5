// The station's tracking state and its delegation to the plain orbit functions.
#include "orbit/StationView.h"

#include "orbit/Preview.h"

namespace orbit {

SearchScope::SearchScope(StationView& view)
    : view_(view),
      time_(view.time_),
      current_(view.orbit_.Sets().Current()),
      setInProcess_(view.setInProcess_),
      result_(view.result_),
      state_(view.state_),
      site_(view.site_) {}

SearchScope::~SearchScope() {
    view_.time_ = time_;
    view_.orbit_.Sets().Current() = current_;
    // The models now hold another satellite's initialisation.
    view_.orbit_.Sets().Current().initialiseFlag = 1;
    view_.setInProcess_ = setInProcess_;
    view_.result_ = result_;
    view_.state_ = state_;
    view_.site_ = site_;
}

StationView::StationView(OrbitEngine& orbit, const Clock& clock) : orbit_(orbit), clock_(clock) {
    shifts_ = ShiftsFor(utcOffsetHours_, zone_);
}

bool StationView::SetObserver(const ObserverSite& site) {
    observer_ = site;
    site_ = ObserverToSite(site);
    const auto offset = ParseUtcOffset(site.utcOffset, clock_);
    SetUtcOffsetHours(offset.value_or(0.0));
    return offset.has_value();
}

void StationView::SetUtcOffsetHours(double hours) {
    utcOffsetHours_ = hours;
    if (!previewing_)
        shifts_ = ShiftsFor(utcOffsetHours_, zone_);
}

void StationView::SetZoneMode(ZoneMode mode) {
    zone_ = mode;
    if (!previewing_)
        shifts_ = ShiftsFor(utcOffsetHours_, zone_);
}

void StationView::UpdateClock() {
    time_ = orbit::UpdateClock(clock_, shifts_);
}

void StationView::SetTime(double dayNumber) {
    time_ = TimeAtDayNumber(dayNumber, shifts_);
}

void StationView::SetSelection(const std::vector<int>& setIndices) {
    selection_.assign(setIndices.begin(),
                      setIndices.begin() + std::min<size_t>(setIndices.size(), kMaxSelected));
    passes_.assign(selection_.size(), PassData{});
    squint_.assign(selection_.size(), SquintAxis{});
}

bool StationView::Evaluate(int position) {
    return EvaluateSet(selection_.at(position));
}

bool StationView::EvaluateSet(int setIndex) {
    setInProcess_ = setIndex;
    result_ = TrackResult{};
    const Observation seen = ObserveSet(orbit_, setIndex, site_, time_.computationInstant);
    state_ = seen.state;
    if (!state_.ok)
        return false;
    const LookAngles& look = seen.look;
    result_.azimuth = look.azimuth;
    result_.elevation = look.elevation;
    result_.range = look.range;
    result_.rangeRate = look.rangeRate;
    const OrbitPhase phase =
        ComputeOrbitPhase(orbit_.Sets()[setIndex], time_.dayNumber, shifts_.computation);
    result_.meanAnomaly = phase.meanAnomaly;
    result_.orbitNumber = phase.orbitNumber;
    result_.ok = true;
    return true;
}

void StationView::ComputeSubPoint() {
    if (!result_.ok)
        return;
    const SubPoint point = orbit::ComputeSubPoint(state_, time_.computationInstant);
    result_.subLatitude = point.latitude;
    result_.subLongitude = point.longitude;
    result_.height = point.height;
    result_.centreDistance = point.centreDistance;
}

void StationView::ComputeSquint(int position) {
    SquintView view;
    view.elevation = result_.elevation;
    view.azimuth = result_.azimuth;
    view.centreDistance = result_.centreDistance;
    view.observerLatitude = observer_.latitude;
    view.observerLongitude = observer_.longitude;
    view.dayNumber = time_.dayNumber;
    view.computationShift = shifts_.computation;
    result_.squint = orbit::ComputeSquint(squint_.at(position), view);
}

void StationView::PrepareSquint(int position) {
    squint_.at(position) = orbit::PrepareSquint(orbit_.Sets()[selection_.at(position)],
                                                squintEntries_, time_.dayNumber);
}

SiteReadout StationView::SecondSiteReadout(const ObserverSite& second, int working,
                                           char decimalSeparator) {
    SearchScope scope(*this);
    ObserverSite moved = observer_;
    moved.longitude = second.longitude;
    moved.latitude = second.latitude;
    site_ = ObserverToSite(moved);
    const ObserverSite mainObserver = observer_;
    observer_ = moved;
    SiteReadout readout;
    if (Evaluate(working)) {
        ComputeSubPoint();
        ComputeSquint(working);
        readout = FormatSiteReadout(result_, squint_.at(working).mode != SquintMode::None,
                                    decimalSeparator);
    }
    observer_ = mainObserver;
    return readout;
}

PassOutcome StationView::ComputePass(int position) {
    PassOutcome outcome = PassOutcome::Searched;
    {
        // The search makes the satellite's set current and steps it through time.
        SearchScope scope(*this);
        outcome = PredictPass(passes_.at(position), orbit_, selection_.at(position), site_, time_,
                              shifts_.computation);
    }
    if (outcome == PassOutcome::Searched && decidePassGeometry)
        decidePassGeometry(position);
    return outcome;
}

void StationView::ResetPasses() {
    for (PassData& pass : passes_)
        ResetPass(pass);
}

void StationView::ClearStalePasses() {
    for (PassData& pass : passes_) {
        if (pass.recomputeAfter < time_.dayNumber) {
            pass.upSearched = false;
            pass.downSearched = false;
        }
    }
}

StationView::CountdownResult StationView::ComputeCountdown(double minElevation) {
    SearchScope scope(*this);
    if (!previewing_)
        UpdateClock();
    CountdownResult result;
    result.now = time_.dayNumber;
    result.entries =
        CountdownEntries(orbit_, selection_, site_, result.now, shifts_.computation, minElevation);
    return result;
}

std::optional<double> StationView::JumpToMA(int position, double target) const {
    const ElementSet& set = orbit_.Sets()[selection_.at(position)];
    const OrbitPhase phase = ComputeOrbitPhase(set, time_.dayNumber, shifts_.computation);
    const auto days = MeanAnomalyJumpDays(target, phase.meanAnomaly, set.meanMotionRevPerDay);
    if (!days)
        return std::nullopt;
    return time_.dayNumber + *days;
}

}  // namespace orbit
