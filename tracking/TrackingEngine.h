#pragma once
// The tracking cycle. Once per tick every selected satellite is made current, propagated
// and looked at from the station; its letter turns white above the horizon and silver
// below; for the working satellite the list line is formed and the other subsystems get
// their turn through the hooks, in a fixed order.
//
// Responsibilities: tick order, letter colours and repaint marks, map refresh counting,
// the list line and header, working-satellite changes, the quit order.
// Collaborations: orbit::OrbitEngine (sets, models) and orbit::StationView (time, look
// angles, passes, squint), a Clock, the Sun, the published items (links/DataItems);
// everything else through TrackingHooks. The display switches the list and the map share
// are held here (TrackingSwitches).
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "links/DataItems.h"
#include "map/MapViewSwitches.h"
#include "orbit/ObserverSite.h"
#include "orbit/OrbitEngine.h"
#include "orbit/StationView.h"
#include "orbit/Sun.h"
#include "orbit/TimeScales.h"
#include "orbit/TrackResult.h"
#include "tracking/ListLine.h"
#include "tracking/TrackingHooks.h"

namespace orbivox {

inline constexpr int kMaxSelected = orbit::kMaxSelected;

enum class LetterColour { Silver, White };

struct Letter {
    LetterColour colour = LetterColour::Silver;
    bool repaint = true;  // the window repaints marked letters after the tick
};

// Display switches the cycle reads. The ones the list and the map share live here alone;
// the map reads them from here (tracking/MapRefresh.h holds the map's own).
struct TrackingSwitches {
    MapViewSwitches map;            // window size, zoom, map set: the list follows the size
    bool countdownColumns = false;  // "Ct": countdowns in the list and the map labels
    bool sunDisplay = true;         // the Sun's position, eclipse and the map's sun line
    // Preview: no radio step for an instant that is not now. CAT on or off is the radio's
    // own state (TuningState::catOn), which the radio step reads.
    bool radioHeld = false;
    // Preview and MA: the name and data items keep their last real-time text (a program
    // reading them would follow an instant that is not now).
    bool itemsHeld = false;
    bool rotorControl = false;
    bool autoChange = false;
    bool announcements = false;
    bool globeShown = false;
    bool dataItemAlways = true;            // DivOptions line 2
    bool dataItemRadioFrequencies = true;  // DivOptions line 3: converter offsets taken off
    double minElevation = -3;              // degrees, SatIni line 10
    double countdownElevation = 0;         // degrees, CountDownPos.SQF line 4
    char decimalSeparator = '.';
};

class TrackingEngine {
public:
    TrackingEngine(const orbit::Clock& clock, int clockYear);

    orbit::OrbitEngine& Orbit() { return orbit_; }
    orbit::StationView& View() { return view_; }
    const orbit::StationView& View() const { return view_; }
    TrackingHooks& Hooks() { return hooks_; }
    TrackingSwitches& Switches() { return switches_; }
    const TrackingSwitches& Switches() const { return switches_; }

    // Station and time zone; also renews the time scales.
    void SetSite(const orbit::ObserverSite& site, orbit::ZoneMode zone);
    void SetSquintEntries(std::vector<orbit::SquintEntry> entries);
    // The selected index table (set indices in selection order, at most 24) and the
    // working satellite's slot. Marks every letter for repainting.
    void SetSelection(const std::vector<int>& setIndices, int workingSlot);
    // The same satellites after their element file was read again (their sets may have
    // moved): the working slot stays, and with it what was decided for its pass (the
    // transponder, the rotor); every pass is searched afresh.
    void RefreshSets(const std::vector<int>& setIndices);
    // Map update interval (seconds) and speed factor 1, 5 or 10.
    void SetMapUpdate(int seconds, int speedFactor);
    int TickIntervalMs() const;

    void TrackingTick();
    void TrackAll();
    // Makes the satellite in `slot` the working one (start-up, letter click, automatic
    // change); passes whose time to be searched again has come are searched afresh.
    void ApplyWorkingChange(int slot);
    // Runs the quit steps in their order; quitCommand: "&Quit" rather than the frame.
    static void QuitProgram(const QuitHooks& hooks, bool quitCommand, bool switchingSlot);

    const orbit::TimeState& Time() const { return view_.Time(); }
    const orbit::TrackResult& Working() const { return working_; }
    const std::array<Letter, kMaxSelected>& Letters() const { return letters_; }
    void LettersRepainted();
    const std::string& ListText() const { return listText_; }
    // The name and data items other programs read; the programs give them a server.
    DataItems& Data() { return dataItems_; }
    // The rotor holds still after LOS until the satellite has been below the minimum
    // elevation on a previous tick.
    bool LosStandby() const { return losStandby_; }
    // The Sun at the current instant, worked out again only when the instant has moved. The
    // tick takes it on refresh ticks with the sun display on; the map scene reads it.
    const orbit::SunState& SunNow();
    // Whether the working satellite is in sunlight by the Sun of the last refresh tick; set
    // on every tick with the sun display on, nothing before or without an evaluation.
    std::optional<orbit::Illumination> WorkingIllumination() const { return illumination_; }
    std::string Header() const { return ListHeader(switches_.map.SizeCode()); }
    int WorkingSlot() const { return workingSlot_; }
    int WorkingSetIndex() const;
    // The working satellite's name; empty with no satellite selected.
    std::string WorkingName() const;
    // The selection is the station view's; the engine reads it from there.
    int SelectedCount() const { return static_cast<int>(view_.Selection().size()); }
    const std::vector<int>& Selected() const { return view_.Selection(); }
    bool IsRefreshTick() const { return refreshTick_; }
    bool StartupComplete() const { return startupTicks_ >= 3; }
    const orbit::PassData& WorkingPass() const;
    // The map is redrawn at the next tick.
    void RequestMapRefresh() { mapRefreshCounter_ = 0; }

private:
    // The selected sets into the view, their squint prepared, the list repainted whole.
    void LoadSets(const std::vector<int>& setIndices);
    // One selected satellite's part of a tick: its set, the evaluation, the elevation and
    // letter colour of the tick before.
    struct SlotTick {
        int setIndex = 0;
        orbit::TrackResult result;
        double previousElevation = 0;
        LetterColour oldColour = LetterColour::Silver;
    };
    // The steps of TrackAll, in their order for each slot, then once after the loop.
    SlotTick EvaluateSlot(int slot);
    void WorkingSatelliteStep(int slot, const SlotTick& tick);
    void SlotEvents(int slot, const SlotTick& tick);
    void AfterTheLoop();
    void ShowListLine();
    void PublishDataItem();
    void CheckWorkingEclipse();

    orbit::OrbitEngine orbit_;
    orbit::StationView view_;
    TrackingHooks hooks_;
    TrackingSwitches switches_;

    int workingSlot_ = -1;
    // The previous tick's elevation per set index: the one place it is kept (letters,
    // countdown crossings and the name item read it).
    std::vector<double> lastElevation_;
    std::array<Letter, kMaxSelected> letters_{};
    bool repaintAll_ = true;
    int mapRefreshCounter_ = 0;
    int mapUpdateTicks_ = 5;
    int speedFactor_ = 1;
    int startupTicks_ = 0;
    bool refreshTick_ = false;
    orbit::TrackResult working_;  // the working satellite's evaluation of this tick
    double previousRange_ = 0;
    std::string listText_;
    DataItems dataItems_;
    bool losStandby_ = false;
    orbit::SunState sun_;
    std::optional<std::pair<double, double>> sunInstant_;  // day number, computation shift
    std::optional<orbit::Illumination> illumination_;
};

}  // namespace orbivox
