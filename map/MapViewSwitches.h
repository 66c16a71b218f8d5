#pragma once
// The switches that choose what the map shows: window size, zoom and map set, and whether the
// screen is a 120-dpi one. Kept once, by the tracking engine: the map display changes them,
// the list line reads the size code, the map scene reads the zoom.
#include "map/MapSet.h"
#include "map/WindowSizes.h"

namespace orbivox {

struct MapViewSwitches {
    WindowSize size = WindowSize::W3;
    Zoom zoom = Zoom::Z1;
    MapSet set = MapSet::Political;
    bool dpi120Screen = false;  // W2 and W3 are laid out narrower on a 120-dpi screen

    // The size code the list and pass columns are laid out for.
    int SizeCode() const { return orbivox::SizeCode(size, dpi120Screen); }
    // Map images at Z2 are four times the view; a size without zoom shows Z1.
    int ZoomFactor() const { return zoom == Zoom::Z2 && ZoomAvailable(size) ? 4 : 1; }
};

}  // namespace orbivox
