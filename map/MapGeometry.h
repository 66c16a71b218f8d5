#pragma once
// The pixel geometry of the loaded map image, and where a point of the Earth lands on it.
#include "map/WindowSizes.h"

namespace orbivox {

struct MapGeometry {
    int width = 600;  // W, of the loaded map image
    int height = 300;
    int widthLast = 599;  // W - 1
    int heightLast = 299;
    double degScaleX = 1.666667;  // pixels per degree
    double degScaleY = 1.666667;
    double radScale = 300.0 / 3.14159265358979323846;  // pixels per radian
    int zoomFactor = 1;                                // 1 at Z1, 4 at Z2
    int offsetX = 0;                                   // the view's top-left pixel in the map image
    int offsetY = 0;

    static MapGeometry For(WindowSize size, Zoom zoom);
};

// A real pixel position on the map image: x = 0 is longitude 180, x = W/2 Greenwich,
// y = 0 the north pole.
struct MapPoint {
    double x = 0;
    double y = 0;
};

// East longitude 0..360 (other values are brought into that range) and latitude, degrees.
MapPoint ProjectToMap(const MapGeometry& geometry, double eastLongitude, double latitude);

// The pixel of an observer's mark (whole pixels, as the mark is drawn).
struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};
PixelPoint ObserverMarkPosition(const MapGeometry& geometry, double eastLongitude, double latitude);

}  // namespace orbivox
