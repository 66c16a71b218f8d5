// The switch panel's captions and clicks, the keyboard table and the zone mode change.
#include "tracking/SwitchPanelState.h"

#include <Qt>

#include "map/MapSet.h"
#include "map/WindowSizes.h"

namespace orbivox {
namespace {

QString OnOff(bool on, const char* onText, const char* offText) {
    return QString::fromLatin1(on ? onText : offText);
}

}  // namespace

const SwitchInfo& InfoOf(SwitchId id) {
    for (const SwitchInfo& info : kSwitchTable) {
        if (info.id == id) {
            return info;
        }
    }
    return kSwitchTable.front();
}

std::optional<KeyAction> KeyActionFor(int key, bool keypad) {
    if (keypad) {
        switch (key) {
            case Qt::Key_Plus:
                return KeyAction{KeyStep::Calibration, 100};
            case Qt::Key_Minus:
                return KeyAction{KeyStep::Calibration, -100};
            case Qt::Key_8:
                return KeyAction{KeyStep::Receive, 10};
            case Qt::Key_2:
                return KeyAction{KeyStep::Receive, -10};
            case Qt::Key_9:
                return KeyAction{KeyStep::Receive, 100};
            case Qt::Key_3:
                return KeyAction{KeyStep::Receive, -100};
            default:
                break;  // the keypad's arrows and page keys act as the others do
        }
    }
    switch (key) {
        case Qt::Key_Escape:
            return KeyAction{KeyStep::Resync, 0};
        case Qt::Key_Space:
            return KeyAction{KeyStep::SecondObserver, 0};
        case Qt::Key_Minus:
            return KeyAction{KeyStep::Calibration, -10};
        case Qt::Key_6:
            // The 6 key of the main keyboard only: on the keypad it is a digit of nothing.
            return keypad ? std::nullopt : std::optional(KeyAction{KeyStep::Calibration, -10});
        case Qt::Key_Plus:
            return KeyAction{KeyStep::Calibration, 10};
        case Qt::Key_PageUp:
            return KeyAction{KeyStep::Vfo, 5000};
        case Qt::Key_PageDown:
            return KeyAction{KeyStep::Vfo, -5000};
        case Qt::Key_Home:
            return KeyAction{KeyStep::Vfo, 1000};
        case Qt::Key_End:
            return KeyAction{KeyStep::Vfo, -1000};
        case Qt::Key_Right:
            return KeyAction{KeyStep::Vfo, 500};
        case Qt::Key_Left:
            return KeyAction{KeyStep::Vfo, -500};
        case Qt::Key_Up:
            return KeyAction{KeyStep::Vfo, 100};
        case Qt::Key_Down:
            return KeyAction{KeyStep::Vfo, -100};
        case Qt::Key_Insert:
            return KeyAction{KeyStep::Vfo, 20};
        case Qt::Key_Delete:
            return KeyAction{KeyStep::Vfo, -20};
        default:
            return std::nullopt;
    }
}

void ApplyZoneMode(TrackingSession& session, bool local) {
    session.runValues().localZone = local;
    session.storedValues().localZone = local;
    TrackingEngine& engine = session.engine();
    engine.View().SetZoneMode(local ? orbit::ZoneMode::Local : orbit::ZoneMode::Utc);
    // AOS and LOS texts are formed in the zone: every pass is searched again.
    engine.View().ResetPasses();
    engine.RequestMapRefresh();
}

SwitchPanelState::SwitchPanelState(TrackingSession& session, MapSwitches& map)
    : session_(session), map_(map) {}

QString SwitchPanelState::Caption(SwitchId id) const {
    const TrackingSwitches& s = session_.engine().Switches();
    const DopplerTracker* tracker = radios_ ? &radios_->Tracker() : nullptr;
    switch (id) {
        case SwitchId::Rotor:
            return rotor_ ? rotor_->RotorSwitchText() : OnOff(s.rotorControl, "R+", "R-");
        case SwitchId::Cat:
            return tracker ? tracker->CatLabel()
                           : OnOff(session_.startValues().catControl, "C+", "C-");
        case SwitchId::Wechsel:
            return OnOff(s.autoChange, "A+", "A-");
        case SwitchId::Vfo:
            return tracker ? tracker->VfoLabel() : QStringLiteral("V-");
        case SwitchId::Tone:
            return radios_ ? radios_->Tone().Label() : QStringLiteral("T0");
        case SwitchId::VorZur:
            return QStringLiteral("F-");
        case SwitchId::Utc:
            return OnOff(session_.engine().View().Zone() == orbit::ZoneMode::Local, "L", "U");
        case SwitchId::CountD:
            return OnOff(s.countdownColumns, "Ct", "AL");
        case SwitchId::Cw:
            return OnOff(tracker && tracker->Tuning().cwSwitch, "CW+", "CW-");
        case SwitchId::Multi:
            return OnOff(map_.multiple, "M+", "M-");
        case SwitchId::Zoom:
            return OnOff(s.map.zoom == Zoom::Z2, "Z2", "Z1");
        case SwitchId::Spur:
            switch (map_.groundTrack) {
                case GroundTrackMode::Off:
                    return QStringLiteral("G-");
                case GroundTrackMode::Temporary:
                    return QStringLiteral("Gt");
                case GroundTrackMode::Continuous:
                    return QStringLiteral("G+");
            }
            break;
        case SwitchId::Sun:
            return OnOff(s.sunDisplay, "S+", "S-");
        case SwitchId::Arrow:
            return OnOff(map_.arrows, "D+", "D-");
        case SwitchId::WinSize:
            return QString::fromLatin1(LayoutOf(s.map.size).caption);
        case SwitchId::BlueM:
            return QString::fromLatin1(NamesOf(s.map.set).caption);
        case SwitchId::View3D:
            return QStringLiteral("2D");
    }
    return {};
}

bool SwitchPanelState::CwEnabled() const {
    return radios_ && radios_->Tracker().CwSwitchEnabled();
}

QString SwitchPanelState::Click(SwitchId id) {
    TrackingEngine& engine = session_.engine();
    TrackingSwitches& s = engine.Switches();
    switch (id) {
        case SwitchId::Rotor:
            if (rotor_) {
                rotor_->ToggleRotor();
            } else {
                s.rotorControl = !s.rotorControl;
            }
            break;
        case SwitchId::Cat:
            if (radios_) {
                return radios_->CatClicked();
            }
            break;
        case SwitchId::Wechsel:
            s.autoChange = !s.autoChange;
            break;
        case SwitchId::Vfo:
            if (radios_) {
                radios_->Tracker().SetVfoMode(!radios_->Tracker().Tuning().vfoMode);
            }
            break;
        case SwitchId::Tone:
            if (radios_) {
                radios_->Tone().Click();
            }
            break;
        case SwitchId::Utc:
            ApplyZoneMode(session_, engine.View().Zone() != orbit::ZoneMode::Local);
            if (zoneChanged) {
                zoneChanged();
            }
            break;
        case SwitchId::CountD:
            s.countdownColumns = !s.countdownColumns;
            engine.RequestMapRefresh();
            break;
        case SwitchId::Cw:
            if (CwEnabled()) {
                radios_->Tracker().SetCwSwitch(!radios_->Tracker().Tuning().cwSwitch);
            }
            break;
        case SwitchId::Multi:
            map_.multiple = !map_.multiple;
            if (map_.multiple) {
                // The other satellites' labels need their passes.
                engine.View().ResetPasses();
            }
            engine.RequestMapRefresh();
            break;
        case SwitchId::Spur: {
            static constexpr GroundTrackMode kNext[] = {
                GroundTrackMode::Temporary, GroundTrackMode::Continuous, GroundTrackMode::Off};
            map_.groundTrack = kNext[static_cast<int>(map_.groundTrack)];
            session_.storedValues().groundTrack = map_.groundTrack == GroundTrackMode::Continuous;
            session_.runValues().groundTrack = session_.storedValues().groundTrack;
            // "Gt" is drawn once by the window at once; the next refresh ends it.
            if (map_.groundTrack != GroundTrackMode::Temporary) {
                engine.RequestMapRefresh();
            }
            break;
        }
        case SwitchId::Sun:
            s.sunDisplay = !s.sunDisplay;
            engine.RequestMapRefresh();
            break;
        case SwitchId::Arrow:
            map_.arrows = !map_.arrows;
            engine.RequestMapRefresh();
            break;
        case SwitchId::VorZur:
        case SwitchId::Zoom:
        case SwitchId::WinSize:
        case SwitchId::BlueM:
        case SwitchId::View3D:
            break;  // run by the map panel and the preview
    }
    return {};
}

QString SwitchPanelState::DoubleClick(SwitchId id) {
    if (id != SwitchId::Spur) {
        return Click(id);
    }
    map_.groundTrack = GroundTrackMode::Continuous;
    session_.storedValues().groundTrack = true;
    session_.runValues().groundTrack = true;
    session_.engine().RequestMapRefresh();
    return {};
}

void SwitchPanelState::MapViewChanged() {
    const MapViewSwitches& view = session_.engine().Switches().map;
    for (StartValues* values : {&session_.storedValues(), &session_.runValues()}) {
        values->windowSize = view.size;
        values->physicalMap = view.set == MapSet::Physical;
    }
}

void SwitchPanelState::BeforeRefresh() {
    if (map_.groundTrack == GroundTrackMode::Temporary) {
        map_.groundTrack = GroundTrackMode::Off;
    }
}

void SwitchPanelState::ResyncVfos() {
    radios_->Tracker().ResynchroniseVfos();
}

bool SwitchPanelState::Key(int key, bool keypad) {
    const std::optional<KeyAction> action = KeyActionFor(key, keypad);
    if (!action) {
        return false;
    }
    if (action->step == KeyStep::SecondObserver) {
        if (openSecondObserver) {
            openSecondObserver();
        }
        return true;
    }
    if (!radios_) {
        return true;
    }
    DopplerTracker& tracker = radios_->Tracker();
    bool hold = false;
    switch (action->step) {
        case KeyStep::Calibration:
            if (tracker.Tuning().vfoMode) {
                hold = tracker.StepReceiveCorrection(action->hertz);
            } else {
                tracker.StepCalibration(action->hertz);
            }
            break;
        case KeyStep::Receive:
            hold = tracker.StepReceiveCorrection(action->hertz);
            break;
        case KeyStep::Vfo:
            hold = tracker.Tuning().vfoMode && tracker.VfoStep(action->hertz);
            break;
        case KeyStep::Resync:
            ResyncVfos();
            break;
        case KeyStep::SecondObserver:
            break;
    }
    if (hold && holdTracking) {
        holdTracking();
    }
    return true;
}

}  // namespace orbivox
