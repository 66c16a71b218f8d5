#pragma once
// The globe in place of the flat map: which pictures are loaded, and the globe variants of
// the map's drawing operations (footprint with its fill from a seed next to the rim for a
// satellite behind the Earth, marks, cross, arrow, track, other satellites, the sun line),
// all drawn on the frame's work bitmap and presented in the view. Far-side points are not
// drawn.
#include <QString>
#include <vector>

#include "map/GlobePictures.h"
#include "map/GlobeProjection.h"
#include "map/MapFrame.h"
#include "map/MapRenderer.h"

namespace orbivox {

inline constexpr int kMaxGlobeFootprintRows = 500;

struct GlobeState {
    GlobeMode mode = GlobeMode::Flat;
    GlobeMode highest = GlobeMode::Globe1;
    QString loadedName;  // the pictures now in the frame; empty forces loading
    QString previousName;
    GlobeCentre centre;
    bool has3D2[2] = {false, false};  // political, physical

    bool shown() const { return mode != GlobeMode::Flat; }
    bool Has3D2(MapSet set) const { return has3D2[set == MapSet::Political ? 0 : 1]; }
};

// One footprint row: latitude and the east and west longitude, radians.
struct GlobeFootprintRow {
    double latitude = 0;
    double east = 0;
    double west = 0;
};

// The footprint rows of a body at distance r (km) over a sub-point (degrees). None for a
// body not above the surface or input that is not a number.
std::vector<GlobeFootprintRow> ComputeGlobeFootprint(double subLatitude, double subLongitude,
                                                     double r);

// Prepares the frame for a globe mode: black light and dark frames (shown until pictures
// are loaded), the work and mask bitmaps at the mode's size; the loaded pictures forgotten.
void EnterGlobe(MapFrame& frame, GlobeState& state, GlobeMode mode);

// The centre the pictures are chosen by: the centring mode's point; in the preview the
// satellite mode looks at the pole of the satellite's hemisphere from the observer's
// longitude.
GlobeCentre GlobeCentreFor(const MapFrame& frame, const MapScene& scene, CentringMode mode,
                           bool preview);

// Chooses the pictures for the centre and loads them when their name changed. Returns the
// message when they cannot be had (the frame keeps what it had, and the same pictures are
// not tried again until the sector or the mode changes); empty otherwise.
QString SelectGlobePictures(MapFrame& frame, GlobeState& state, GlobePictures& pictures,
                            const QString& programFolder, GlobeCentre wanted);

// Draws a refresh frame on the globe and presents it; returns where the working satellite
// is (not visible when behind the Earth or absent).
GlobePoint RenderGlobeFrame(MapFrame& frame, const GlobeState& state, const MapScene& scene);

// Copies the work bitmap into the view at the size's offset, on black.
void PresentGlobe(MapFrame& frame, GlobeMode mode);

}  // namespace orbivox
