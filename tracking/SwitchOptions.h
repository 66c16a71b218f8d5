#pragma once
// The Options dialog (TSatSetup) without its widgets: the switches' start values it edits,
// the settings that act at once (map centring, orbit model, zone mode, map update
// interval, automatic transmit stop, radio 2's DTR pin) and "Store", which writes
// SatStart.SQF from the values in memory.
//
// Collaborations: TrackingSession (both start-value copies, the engine), the map's
// switches (centring), ApplyZoneMode of the switch panel.
#include <QString>

#include "tracking/MapRefresh.h"
#include "tracking/TrackingSession.h"

namespace orbivox {

// The check boxes under "Activate at start::", and the two start-value controls of the map.
enum class StartOption {
    Rotor,        // chkStartOptR
    Cat,          // chkStartOptC
    AutoChange,   // chkStartOptP
    Multiple,     // chkStartOptM
    Tone,         // ChkStartOptTone
    Zoom2,        // chkStartOptZ2
    Sun,          // chkStartOptS
    Arrows,       // chkStartOptD
    Countdown,    // chkCountDown
    Talk,         // chkTalk
    GroundTrack,  // chkOrb
    PhysicalMap,  // RGrMaps "Blue-M."
};

// The label under "Autom.TX Stop".
struct TransmitStopLabel {
    QString text;
    bool red = false;
};
TransmitStopLabel TransmitStopLabelFor(int seconds);
// A number box's text: a blank and the whole number.
QString SpinText(int value);

inline constexpr int kMaxMapUpdateSeconds = 100;
inline constexpr int kMaxTransmitStopSeconds = 180;

// WriteSatStart: the 24 lines from the stored start values. Lines 4, 11 and 16 belong to
// the Rotor Setup and Radio Setup, which store them in the file themselves: their values
// are taken from the file as it is. Throws SqfError.
void WriteSatStart(TrackingSession& session);

class SwitchOptions {
public:
    SwitchOptions(TrackingSession& session, MapSwitches& map);

    // Opening the dialog: the running announcements take their start value.
    void Opening();

    bool Option(StartOption option) const;
    // A click sets the value at once (both zoom copies; the countdown also redraws).
    void SetOption(StartOption option, bool on);

    enum CentringItem { kObserver = 0, kGreenwich = 1, kSatellite = 2 };  // RGrMapFix
    int Centring() const;
    void ChooseCentring(int item);
    bool Sgp8() const { return session_.storedValues().modelSgp8; }
    // RGrSGP8: item 1 SGP8/SDP8, 0 SGP4/SDP4; every set is converted again.
    void ChooseModel(bool sgp8);
    bool LocalZone() const { return session_.storedValues().localZone; }
    void ChooseLocalZone(bool local);

    int MapSeconds() const { return session_.runValues().mapUpdateSeconds; }
    // SpinIntVGr: +1 or -1 within 0..100; the refresh limit follows the tracking speed.
    void StepMapSeconds(int delta);
    int TransmitStopSeconds() const { return session_.runValues().transmitStopSeconds; }
    // SpinRxTime: +1 or -1 within 0..180; Timer4 takes it at the next transmit.
    void StepTransmitStop(int delta);

    // Fetching the group's elements by themselves when older than the days (line 24).
    bool ElementRefresh() const { return session_.storedValues().elementRefresh; }
    int ElementRefreshDays() const { return session_.storedValues().elementRefreshDays; }
    void ChooseElementRefresh(bool on) { session_.storedValues().elementRefresh = on; }
    // Within 1..kMaxElementRefreshDays.
    void SetElementRefreshDays(int days);

    bool DtrToggles() const { return session_.runValues().radio2DtrToggles; }
    void ChooseDtr(bool toggles);
    // rdgDTR is enabled only when radio 2 is configured.
    bool DtrAvailable() const;

private:
    TrackingSession& session_;
    MapSwitches& map_;
};

}  // namespace orbivox
