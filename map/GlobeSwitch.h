#pragma once
// The lbl3D switch's operation: 2D, 3D1 and, where the window is W3 or larger and the map
// set has its 3D2 pictures, 3D2, with the rules that go with the globe (the zoom kept aside
// and the flat map at Z1 while the globe is shown, the locator readout off, back to 2D on a
// size change, 3D2 to 3D1 when the new map set has none). The panel that holds the switch
// calls Cycle() on a click and shows caption(); the map panel draws through Render().
#include "map/GlobeView.h"
#include "map/MapDisplay.h"

namespace orbivox {

class GlobeSwitch {
public:
    GlobeSwitch(QString programFolder, MapDisplay& display, Notifier& notifier);

    // At start: which map sets can show 3D2.
    void Start();
    // A click on lbl3D.
    void Cycle();
    // After the window size changed (the display has loaded the flat images): 2D.
    void SizeChanged();
    // After the map set switch: the globe of the new set, 3D1 when it has no 3D2.
    void MapSetChanged();

    // Chooses the pictures and draws a refresh frame on the globe; a picture that cannot
    // be had is said once.
    GlobePoint Render(const MapScene& scene, CentringMode mode, bool preview);

    bool shown() const { return state_.shown(); }
    // False at W1, which offers no globe.
    bool available() const { return display_.size() != WindowSize::W1; }
    QString caption() const;
    const GlobeState& state() const { return state_; }

private:
    QString programFolder_;
    MapDisplay& display_;
    Notifier& notifier_;
    GlobeState state_;
    GlobePictures pictures_;
    Zoom rememberedZoom_ = Zoom::Z1;
};

}  // namespace orbivox
