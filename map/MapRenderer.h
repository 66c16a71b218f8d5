#pragma once
// One refresh frame of the world map from positions already computed: the working
// satellite's footprint (light map inside, dark outside) with its marks and arrow, the
// day/night line, the other satellites with their labels, the ground track, and the view
// turned or scrolled as the centring mode and zoom say. The desktop window and the
// command-line tool both draw their frames here.
#include <optional>
#include <vector>

#include "map/MapFrame.h"
#include "map/MapOverlays.h"
#include "map/PresentMap.h"

namespace orbivox {

struct WorkingOnMap {
    GeoPoint subPoint;
    double radiusKm = 0;  // distance from the Earth's centre
    double elevation = 0;
    std::optional<GeoPoint> later;  // a little later, for the arrow (arrows on)
};

struct MapScene {
    std::optional<WorkingOnMap> working;    // none while its set cannot be propagated
    std::optional<GeoPoint> subSolarPoint;  // sun line on
    std::vector<OtherSatellite> others;     // several satellites on
    std::vector<GeoPoint> groundTrack;      // track on
};

// Draws the scene on the frame's work bitmap and presents it in the view. Returns the
// working satellite's map position (the view's centre at Z2, or where it would be).
MapPoint RenderMapFrame(MapFrame& frame, const MapScene& scene, CentringMode mode);

}  // namespace orbivox
