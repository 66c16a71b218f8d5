#pragma once
// PanSchalter, the main window's panel of switches: one framed caption per switch, clicked
// to change it. What a switch shows and changes is SwitchPanelState's; this panel shows it,
// passes the map-view switches to the map panel, takes the keyboard table's keys and the
// status bar's double click, and holds Timer2 (the pause after a VFO step).
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>

#include "settings/Notifier.h"
#include "tracking/SwitchPanelState.h"

namespace orbivox {

class MapPanel;

class SwitchPanel : public QWidget {
public:
    // `radios` and `rotor` may be null (no rotor files). Keys and the status bar's double
    // click are taken from `window`.
    SwitchPanel(QMainWindow& window, TrackingSession& session, Notifier& notifier, MapPanel& map,
                RadioControl* radios, AntennaPositioning* rotor);

    SwitchPanelState& State() { return state_; }
    QLabel* Switch(SwitchId id) const { return switches_.at(id); }
    // Every caption again (after each tick and every click).
    void Refresh();
    // Preview hides the rotor, CAT, automatic change and VFO switches and shows lblVorZur.
    void SetPreviewMode(bool preview);
    QTimer& Timer2() { return timer2_; }
    // The TX/RX buttons the status bar's double click shows and hides.
    void SetTxRxButtons(QList<QWidget*> buttons) { txRx_ = std::move(buttons); }
    // lblUTC changed the zone mode.
    std::function<void()> zoneChanged;
    // lblVorZur clicked during a preview: toggles the step factor, gives the new caption.
    std::function<QString()> toggleStepFactor;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Clicked(SwitchId id, bool doubleClick);
    void HoldTracking();

    QMainWindow& window_;
    TrackingSession& session_;
    Notifier& notifier_;
    MapPanel& map_;
    RadioControl* radios_;
    SwitchPanelState state_;
    std::map<SwitchId, QLabel*> switches_;
    QList<QWidget*> txRx_;
    QWidget* statusBar_ = nullptr;
    QTimer timer2_;
    bool trackingHeld_ = false;
};

}  // namespace orbivox
