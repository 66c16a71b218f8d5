#pragma once
// The radio horizon of a body as rows of the map: for each row the east and west edge.
// The same rows serve the sun's day/night line (the sun as a very distant body).
#include <vector>

#include "map/MapGeometry.h"

namespace orbivox {

inline constexpr double kEarthRadiusKm = 6378.135;
inline constexpr double kSunDistanceKm = 1.0e8;  // far enough for a terminator
inline constexpr int kMaxFootprintRows = 2000;

struct FootprintRow {
    int east = 0;  // x of the east edge
    int west = 0;  // x of the west edge
    int y = 0;
};

struct FootprintRows {
    std::vector<FootprintRow> rows;
    double northOverflow = 0;  // radians; > 0 when the circle covers the north pole
    double southOverflow = 0;  // radians; > 0 when it covers the south pole
    PixelPoint seed;           // where the part wrapped around the map edge is filled from
    int eastWraps = 0;
    int westWraps = 0;
    bool firstWrapPending = true;  // cleared by the first row that wraps
    bool noPolarRowSkipped = true;
};

// The footprint around the projected sub-point `position` (latitude in degrees) of a body
// at distance r (km) from the Earth's centre. A body not above the surface (r <= R, or a
// value that is not a number) has no footprint: no rows.
FootprintRows ComputeFootprint(const MapGeometry& geometry, MapPoint position,
                               double subPointLatitude, double r);

}  // namespace orbivox
