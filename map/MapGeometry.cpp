// The scale factors for each window size and zoom, and projecting longitude and latitude to
// map pixels, with longitudes wrapped into 0..360.
#include "map/MapGeometry.h"

#include <cmath>
#include <numbers>

#include "orbit/DisplayFormat.h"

namespace orbivox {

MapGeometry MapGeometry::For(WindowSize size, Zoom zoom) {
    const MapImagePair& images = MapImagesFor(size, zoom);
    const double s = LayoutOf(size).scale;
    const bool z2 = zoom == Zoom::Z2 && ZoomAvailable(size);
    MapGeometry g;
    g.width = images.width;
    g.height = images.height;
    g.widthLast = g.width - 1;
    g.heightLast = g.height - 1;
    // These literal factors are what the marks and the readout have always used.
    g.degScaleX = g.degScaleY = s * (z2 ? 3.333333 : 1.666667);
    g.radScale = s * (z2 ? 600.0 : 300.0) / std::numbers::pi;
    g.zoomFactor = z2 ? 4 : 1;
    return g;
}

namespace {
double East0To360(double longitude) {
    if (longitude >= 0 && longitude < 360) {
        return longitude;
    }
    const double wrapped = std::fmod(longitude, 360.0);
    return wrapped < 0 ? wrapped + 360.0 : wrapped;
}
}  // namespace

MapPoint ProjectToMap(const MapGeometry& geometry, double eastLongitude, double latitude) {
    const double lambda = East0To360(eastLongitude);
    MapPoint p;
    p.x = (lambda >= 180 ? lambda - 180 : lambda + 180) * geometry.degScaleX;
    if (p.x > geometry.width) {
        p.x -= geometry.width;
    }
    p.y = (90 - latitude) * geometry.degScaleY;
    return p;
}

PixelPoint ObserverMarkPosition(const MapGeometry& geometry, double eastLongitude,
                                double latitude) {
    double l = eastLongitude + 180;
    if (l > 360) {
        l -= 360;
    }
    // Longitude 180 (and just west of it, rounded up) is the map's left edge, not x = W,
    // which lies off the image.
    int x = orbit::RealToPixel(geometry.width / 360.0 * l);
    if (x >= geometry.width) {
        x -= geometry.width;
    }
    return {x, orbit::RealToPixel((90 - latitude) * geometry.height / 180.0)};
}

}  // namespace orbivox
