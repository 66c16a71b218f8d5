#pragma once
// The main window's switch panel (PanSchalter) without its widgets: what each switch shows,
// its hint, what a click changes, and the keys that step the radio. Most switches change
// only the running state; the window size, zone mode, map set and ground track are also
// the values the Options dialog stores, so a click changes the stored copy too.
//
// Responsibilities: captions, hints, clicks, the keyboard table, the zone mode change.
// Collaborations: TrackingSession (engine switches, start values), the map's own switches
// (MapSwitches), RadioControl (CAT, VFO, tone, CW, the steppers) and AntennaPositioning
// (the rotor switch), either of which may be missing.
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "rotator/AntennaPositioning.h"
#include "tracking/MapRefresh.h"
#include "tracking/RadioControl.h"
#include "tracking/TrackingSession.h"

namespace orbivox {

enum class SwitchId {
    Rotor,    // lblRotor
    Cat,      // lblCat
    Wechsel,  // lblWechsel
    Vfo,      // lblVFO
    Tone,     // lblTone
    VorZur,   // lblVorZur
    Utc,      // lblUTC
    CountD,   // lblCountD
    Cw,       // lblCW
    Multi,    // lblMulti
    Zoom,     // lblZoom
    Spur,     // lblSpur
    Sun,      // lblSun
    Arrow,    // lblArrow
    WinSize,  // lblWinSize
    BlueM,    // lblBlueM
    View3D,   // lbl3D
};

struct SwitchInfo {
    SwitchId id;
    const char* name;  // the control's name
    const char* hint;
    bool stored;  // a click also changes the value SatStart.SQF keeps
};

// The panel's switches in their order on the panel.
inline constexpr std::array<SwitchInfo, 17> kSwitchTable = {{
    {SwitchId::Rotor, "lblRotor", "Rotor control on/off", false},
    {SwitchId::Cat, "lblCat", "CAT control on/off", false},
    {SwitchId::Wechsel, "lblWechsel", "Automatic sat change on/off", false},
    {SwitchId::Vfo, "lblVFO", "VFO mode on/off", false},
    {SwitchId::Tone, "lblTone", "Subaudible tone on/off", false},
    {SwitchId::VorZur, "lblVorZur", "Change time step of preview function (normal/fast)", false},
    {SwitchId::Utc, "lblUTC", "Switch between UTC and Local Time", true},
    {SwitchId::CountD, "lblCountD", "Show AOS/LOS time (AL) or Countdown (Ct) with World Map",
     false},
    {SwitchId::Cw, "lblCW", "CW mode on/off", false},
    {SwitchId::Multi, "lblMulti", "Display multiple sats on/off", false},
    {SwitchId::Zoom, "lblZoom", "Change zoom factor", false},
    {SwitchId::Spur, "lblSpur", "Display ground track off / temporarily on / continuously on",
     true},
    {SwitchId::Sun, "lblSun", "Display sun line on/off", false},
    {SwitchId::Arrow, "lblArrow", "Display direction arrows on/off", false},
    {SwitchId::WinSize, "lblWinSize", "Switch program window size", true},
    {SwitchId::BlueM, "lblBlueM", "Switch between political (Pl) and physical (BM) world maps",
     true},
    {SwitchId::View3D, "lbl3D", "3D map on/off", false},
}};

const SwitchInfo& InfoOf(SwitchId id);

inline const QString kStatusBarHint =
    QStringLiteral("Double click to activate/deactivate RX/TX button");
inline const QString kTxRxHint = QStringLiteral("Click to switch TX on/off");

// The keyboard table: what a key does while the main window is active.
enum class KeyStep {
    Resync,          // Esc: a one-VFO radio's VFO resynchronisation
    SecondObserver,  // Space: the "Observer 2" dialog
    Calibration,     // uplink calibration, or receive correction in VFO mode
    Receive,         // receive correction
    Vfo,             // VFO step, only in VFO mode
};
struct KeyAction {
    KeyStep step;
    int hertz = 0;
    bool operator==(const KeyAction&) const = default;
};
// `key` is a Qt::Key; `keypad`: the key came from the numeric keypad.
std::optional<KeyAction> KeyActionFor(int key, bool keypad);

// The zone mode of the display time ("L" local, else "U"), from lblUTC or the Options
// dialog's "Local time": both start-value copies, the time shifts, every pass searched
// again and the map redrawn at the next tick.
void ApplyZoneMode(TrackingSession& session, bool local);

class SwitchPanelState {
public:
    SwitchPanelState(TrackingSession& session, MapSwitches& map);

    void SetRadios(RadioControl* radios) { radios_ = radios; }
    void SetRotor(AntennaPositioning* rotor) { rotor_ = rotor; }

    QString Caption(SwitchId id) const;
    // A click on a switch whose change is the panel's own (every switch but the map-view
    // ones, WinSize, Zoom, BlueM and View3D, which the map panel runs, and VorZur, which the
    // preview runs). Returns a message for the operator, if any.
    QString Click(SwitchId id);
    // A double click: "G+" at once on lblSpur; elsewhere a single click.
    QString DoubleClick(SwitchId id);
    // lblRotor's background: yellow while flipped positions are sent.
    bool RotorFlipped() const { return rotor_ && rotor_->FlippedSend(); }
    // lblCW is clickable only while the entry has a mode to switch.
    bool CwEnabled() const;

    // The operator changed the window size or map set (lblWinSize, lblBlueM, the Options
    // dialog): the stored values follow the map's. Not at start, where the screen may have
    // limited the size the file asks for.
    void MapViewChanged();
    // Before each refresh frame: a temporary ground track ("Gt") was drawn by the click,
    // and the next refresh ends it.
    void BeforeRefresh();

    // A key of the keyboard table; false when the key means nothing here. `holdTracking`
    // is called after a step that re-sent at once (the tracking timer waits for Timer2).
    bool Key(int key, bool keypad);
    std::function<void()> holdTracking;
    std::function<void()> openSecondObserver;

    // Said after lblUTC changed the zone (the Options dialog's box follows, the countdown
    // is recomputed).
    std::function<void()> zoneChanged;

private:
    // Esc with a radio that can lose track of its VFO: CAT off, the radio's own step, CAT
    // on, so the radio's VFOs are in step with the tracking again (DopplerTracker).
    void ResyncVfos();

    TrackingSession& session_;
    MapSwitches& map_;
    RadioControl* radios_ = nullptr;
    AntennaPositioning* rotor_ = nullptr;
};

}  // namespace orbivox
