#pragma once
// The station view: everything the tracker works out for the station and its satellites.

// What the tracking cycle keeps of the station: the observer and the time scales, the
// selection, the last evaluation with its propagated state, and each selected satellite's
// pass data and squint data. The computations themselves are the plain functions of
// PassPrediction.h, LookAngles.h and Squint.h; this object feeds them its state and keeps
// what they return. The main window, the command-line tool and tests each make their own.
#include <functional>
#include <optional>
#include <vector>

#include "orbit/Countdown.h"
#include "orbit/LookAngles.h"
#include "orbit/ObserverSite.h"
#include "orbit/OrbitEngine.h"
#include "orbit/PassPrediction.h"
#include "orbit/PassSearch.h"
#include "orbit/SecondSiteReadout.h"
#include "orbit/Squint.h"
#include "orbit/TimeScales.h"
#include "orbit/TrackResult.h"

namespace orbit {

inline constexpr int kMaxSelected = 24;

class StationView {
public:
    StationView(OrbitEngine& orbit, const Clock& clock);

    // --- observer and time ---------------------------------------------------------------
    // Derives the site and reads the UTC offset ("auto" or hours); false when the offset
    // text is neither, in which case the offset is 0.
    bool SetObserver(const ObserverSite& site);
    const ObserverSite& Observer() const { return observer_; }
    const GeodeticSite& Site() const { return site_; }
    double UtcOffsetHours() const { return utcOffsetHours_; }
    void SetUtcOffsetHours(double hours);
    ZoneMode Zone() const { return zone_; }
    // The shifts follow a new zone mode except while previewing (they stay as they were).
    void SetZoneMode(ZoneMode mode);
    void SetPreviewing(bool previewing) { previewing_ = previewing; }
    const TimeShifts& Shifts() const { return shifts_; }

    void UpdateClock();              // real time: from the clock
    void SetTime(double dayNumber);  // preview, MA and searches
    const TimeState& Time() const { return time_; }

    // --- selection and evaluation ----------------------------------------------------------
    // Set indices of the selected satellites in selection order (positions 0..23).
    void SetSelection(const std::vector<int>& setIndices);
    const std::vector<int>& Selection() const { return selection_; }
    int SetInProcess() const { return setInProcess_; }

    // Makes the set of `position` current and in process and computes its look angles, MA
    // and orbit number at the current instant. False (and result().ok false) when the set
    // cannot be propagated.
    bool Evaluate(int position);
    // The same for a set index.
    bool EvaluateSet(int setIndex);
    // Sub-satellite point of the last evaluation.
    void ComputeSubPoint();
    // Squint of the satellite at `position` from the last evaluation.
    void ComputeSquint(int position);
    const TrackResult& Result() const { return result_; }
    // The propagated state behind the last evaluation (failure reason when it failed).
    const PropagationResult& LastState() const { return state_; }

    // --- squint and the second observer -----------------------------------------------------
    void SetSquintEntries(std::vector<SquintEntry> entries) { squintEntries_ = std::move(entries); }
    void PrepareSquint(int position);
    const SquintAxis& Squint(int position) const { return squint_.at(position); }
    SiteReadout SecondSiteReadout(const ObserverSite& second, int working, char decimalSeparator);

    // --- passes -----------------------------------------------------------------------------
    PassOutcome ComputePass(int position);
    void ResetPasses();
    // Clears the searched flags of every satellite whose recomputeAfter has passed.
    void ClearStalePasses();
    PassData& Pass(int position) { return passes_.at(position); }
    const PassData& Pass(int position) const { return passes_.at(position); }
    // Called at the end of every completed pass search (the rotor fills it in).
    std::function<void(int position)> decidePassGeometry;

    // --- countdown and MA jump ------------------------------------------------------------
    struct CountdownResult {
        double now = 0.0;
        std::vector<CountdownEntry> entries;
    };
    // Real time is read from the clock first; in preview the shown instant is used.
    CountdownResult ComputeCountdown(double minElevation);
    // The day number at which the satellite at `position` next reaches mean anomaly `target`,
    // from the current time. Nothing when its mean motion is not positive.
    std::optional<double> JumpToMA(int position, double target) const;

    OrbitEngine& Orbit() { return orbit_; }

private:
    friend class SearchScope;

    OrbitEngine& orbit_;
    const Clock& clock_;
    ObserverSite observer_;
    GeodeticSite site_;
    double utcOffsetHours_ = 0.0;
    ZoneMode zone_ = ZoneMode::Local;
    bool previewing_ = false;
    TimeShifts shifts_;
    TimeState time_;
    std::vector<int> selection_;
    int setInProcess_ = 0;
    TrackResult result_;
    PropagationResult state_;
    std::vector<PassData> passes_;
    std::vector<SquintEntry> squintEntries_;
    std::vector<SquintAxis> squint_;
};

// Saves the instant, the current set, the set in process and the last evaluation, and puts
// them back when it goes: every search that steps time or switches sets runs inside one.
class SearchScope {
public:
    explicit SearchScope(StationView& view);
    ~SearchScope();
    SearchScope(const SearchScope&) = delete;
    SearchScope& operator=(const SearchScope&) = delete;

private:
    StationView& view_;
    TimeState time_;
    CurrentSet current_;
    int setInProcess_;
    TrackResult result_;
    PropagationResult state_;
    GeodeticSite site_;
};

}  // namespace orbit
