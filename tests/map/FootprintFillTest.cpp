// The drawn and filled footprint against the radio horizon computed point by point: every
// pixel well inside must be lit, every pixel well outside dark, wherever the footprint
// lies (across the map edge, over a pole, the sun's day side).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "map/Footprint.h"
#include "map/FootprintDrawing.h"
#include "map/Raster.h"

namespace orbivox {
namespace {

using std::numbers::pi;

struct Body {
    double longitude;  // east
    double latitude;
    double r;
};

// Cosine of the angular distance from the sub-point, per pixel centre, row by row.
struct Distances {
    std::vector<double> cosLongitudeOffset;
    Distances(const MapGeometry& g, const Body& b) {
        for (int x = 0; x < g.width; ++x) {
            const double lon = (x + 0.5) / g.degScaleX - 180;
            cosLongitudeOffset.push_back(std::cos((lon - b.longitude) * pi / 180));
        }
    }
};

class FootprintFill : public ::testing::TestWithParam<Body> {};

TEST_P(FootprintFill, LitInsideDarkOutside) {
    const Body body = GetParam();
    for (const auto& [size, zoom] :
         {std::pair{WindowSize::W1, Zoom::Z1}, std::pair{WindowSize::W3, Zoom::Z2}}) {
        const MapGeometry g = MapGeometry::For(size, zoom);
        QImage work = MapSurface(g.width, g.height);
        const MapPoint p = ProjectToMap(g, body.longitude, body.latitude);
        const FootprintRows f = ComputeFootprint(g, p, body.latitude, body.r);
        DrawFootprintOutline(work, g, f, kWhite);
        FillFootprint(work, g, f, p);

        // The angular radius the rows are computed with (its guard caps it near 88.2).
        const double c = std::sqrt(body.r * body.r - kEarthRadiusKm * kEarthRadiusKm) / body.r;
        const double psi = std::atan(c / std::sqrt(std::max(1 - c * c, 0.001))) * 180 / pi;
        const double margin = 1.6;  // rows every 0.6 degrees, and a pixel or two
        const Distances distances(g, body);
        const double inside = std::cos((psi - margin) * pi / 180);
        const double outside = std::cos((psi + margin) * pi / 180);
        const double sinB = std::sin(body.latitude * pi / 180);
        const double cosB = std::cos(body.latitude * pi / 180);
        int wrong = 0;
        for (int y = 2; y < g.height - 2; ++y) {
            const double lat = (90 - (y + 0.5) / g.degScaleY) * pi / 180;
            const double a = std::sin(lat) * sinB;
            const double c2 = std::cos(lat) * cosB;
            const QRgb* row = reinterpret_cast<const QRgb*>(work.constScanLine(y));
            for (int x = 1; x < g.width - 2; ++x) {
                const double cosD = a + c2 * distances.cosLongitudeOffset[x];
                const bool lit = row[x] == kWhite;
                if ((cosD > inside && !lit) || (cosD < outside && lit)) {
                    ++wrong;
                }
            }
        }
        EXPECT_EQ(wrong, 0) << "size " << g.width << ", body at " << body.longitude << " "
                            << body.latitude << " r " << body.r;
    }
}

INSTANTIATE_TEST_SUITE_P(
    AcrossTheMap, FootprintFill,
    ::testing::Values(Body{0, 0, kEarthRadiusKm + 800},        // plain
                      Body{170, 20, kEarthRadiusKm + 800},     // over the right edge
                      Body{-175, -30, kEarthRadiusKm + 1500},  // over the left edge
                      Body{180, 0, kEarthRadiusKm + 800},      // on the edge
                      Body{0, 75, kEarthRadiusKm + 2000},      // over the north pole
                      Body{120, 80, kEarthRadiusKm + 800},     // pole and edge
                      Body{-100, 62, kEarthRadiusKm + 5000},
                      Body{30, -78, kEarthRadiusKm + 1000},    // over the south pole
                      Body{10, 89.9, kEarthRadiusKm + 200},    // just off the pole
                      Body{-50, -89.9, kEarthRadiusKm + 800},  // just off the south pole
                      Body{-60, 10, 42164},                    // geostationary
                      Body{100, 23, kSunDistanceKm},           // northern summer sun
                      Body{-40, -23, kSunDistanceKm}));        // southern summer sun

}  // namespace
}  // namespace orbivox
