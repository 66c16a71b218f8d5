// Map projection and footprints, computed without files: the radio horizon of a low satellite,
// broken input, bodies near the poles and the sun, and the polar cap.
#include "map/Footprint.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "map/FootprintDrawing.h"
#include "map/MapFrame.h"
#include "map/Raster.h"
#include "orbit/DisplayFormat.h"

namespace orbivox {
namespace {

using std::numbers::pi;

TEST(Projection, LongitudeAndLatitudeToMapPixels) {
    const MapGeometry w1 = MapGeometry::For(WindowSize::W1, Zoom::Z1);
    EXPECT_NEAR(ProjectToMap(w1, 180, 0).x, 0, 1e-9);
    EXPECT_NEAR(ProjectToMap(w1, 0, 0).x, 300, 1e-3);  // Greenwich in the middle
    EXPECT_NEAR(ProjectToMap(w1, 0, 0).y, 150, 1e-3);
    EXPECT_NEAR(ProjectToMap(w1, 90, 90).y, 0, 1e-9);
    EXPECT_NEAR(ProjectToMap(w1, 270, -90).x, 150, 1e-3);  // 90 W
    EXPECT_NEAR(ProjectToMap(w1, -90, -90).x, 150, 1e-3);
    const MapGeometry w3z2 = MapGeometry::For(WindowSize::W3, Zoom::Z2);
    EXPECT_EQ(w3z2.width, 1920);
    EXPECT_EQ(w3z2.zoomFactor, 4);
    EXPECT_NEAR(ProjectToMap(w3z2, 0, 0).x, 960, 1e-2);
    EXPECT_EQ(ObserverMarkPosition(w1, 0, 0), (PixelPoint{300, 150}));
    EXPECT_EQ(ObserverMarkPosition(w1, 286.959, 41.479), (PixelPoint{178, 81}));
    // On the date line the mark sits on the left edge, inside the image.
    EXPECT_EQ(ObserverMarkPosition(w1, 180, 0), (PixelPoint{0, 150}));
    EXPECT_EQ(ObserverMarkPosition(w1, 179.9, 0), (PixelPoint{0, 150}));
    EXPECT_EQ(ObserverMarkPosition(w1, -180, 0), (PixelPoint{0, 150}));
    EXPECT_EQ(ObserverMarkPosition(w1, 359.9, 0), (PixelPoint{300, 150}));  // second observer
}

TEST(Footprint, LowSatelliteOverTheEquatorMatchesTheRadioHorizon) {
    const MapGeometry g = MapGeometry::For(WindowSize::W1, Zoom::Z1);
    const double r = kEarthRadiusKm + 800;
    const double psi = std::acos(kEarthRadiusKm / r);  // 27.3 degrees
    const FootprintRows f = ComputeFootprint(g, ProjectToMap(g, 0, 0), 0, r);
    ASSERT_FALSE(f.rows.empty());
    EXPECT_EQ(f.northOverflow, 0);
    EXPECT_LT(f.southOverflow, 0);
    EXPECT_NEAR(f.rows.front().y, (pi / 2 - psi) * g.radScale, 1.0);
    EXPECT_NEAR(f.rows.back().y, (pi / 2 + psi) * g.radScale, 2.0);
    const FootprintRow& middle = f.rows[f.rows.size() / 2];
    EXPECT_NEAR(middle.y, 150, 1.0);
    EXPECT_NEAR(middle.east - 300, psi * g.radScale, 1.0);  // 45.5 pixels
    EXPECT_NEAR(300 - middle.west, psi * g.radScale, 1.0);
    EXPECT_TRUE(f.firstWrapPending);
    for (const FootprintRow& row : f.rows) {
        EXPECT_GE(row.east, row.west);
    }
}

TEST(Footprint, NoFootprintBelowTheSurfaceOrForBrokenNumbers) {
    const MapGeometry g;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(ComputeFootprint(g, {300, 150}, 0, kEarthRadiusKm).rows.empty());
    EXPECT_TRUE(ComputeFootprint(g, {300, 150}, 0, 100).rows.empty());
    EXPECT_TRUE(ComputeFootprint(g, {300, 150}, 0, nan).rows.empty());
    EXPECT_TRUE(ComputeFootprint(g, {nan, 150}, 0, 7000).rows.empty());
    EXPECT_TRUE(
        ComputeFootprint(g, {300, 150}, 0, std::numeric_limits<double>::infinity()).rows.empty());
}

TEST(Footprint, GuardedRootsGiveRowsOnTheMapForLowAndPolarBodies) {
    // |u| > 1 next to the top and bottom rows, sub-points on the poles, the sun.
    const MapGeometry g = MapGeometry::For(WindowSize::W3, Zoom::Z2);
    for (const double latitude : {-90.0, -89.9, -45.0, 0.0, 33.3, 89.9, 90.0}) {
        for (const double r :
             {kEarthRadiusKm + 0.5, kEarthRadiusKm + 200, 42164.0, kSunDistanceKm}) {
            const FootprintRows f = ComputeFootprint(g, ProjectToMap(g, 10, latitude), latitude, r);
            ASSERT_FALSE(f.rows.empty()) << latitude << " " << r;
            ASSERT_LE(f.rows.size(), 330u);
            for (const FootprintRow& row : f.rows) {
                ASSERT_GE(row.east, 0);
                ASSERT_LT(row.east, g.width);
                ASSERT_GE(row.west, 0);
                ASSERT_LT(row.west, g.width);
                ASSERT_GE(row.y, 0);
                ASSERT_LE(row.y, g.height);
            }
        }
    }
}

TEST(Footprint, CoveringTheNorthPoleStoresNoRowsInsideThePolarCap) {
    const MapGeometry g = MapGeometry::For(WindowSize::W1, Zoom::Z1);
    const double r = kEarthRadiusKm + 2000;  // psi about 37.6 degrees
    const FootprintRows f = ComputeFootprint(g, ProjectToMap(g, 0, 75), 75, r);
    const double psi = std::acos(kEarthRadiusKm / r);
    EXPECT_NEAR(f.northOverflow, psi - 15 * pi / 180, 1e-12);
    EXPECT_FALSE(f.noPolarRowSkipped);
    ASSERT_FALSE(f.rows.empty());
    EXPECT_GE(f.rows.front().y, orbit::RealToPixel(f.northOverflow * g.radScale) - 1);
    // The first row spans nearly the whole map, its gap on the far side of the pole.
    const FootprintRow& top = f.rows.front();
    EXPECT_GT(top.east, top.west);  // both ends near the map borders at 180 degrees
    EXPECT_GT(top.east - top.west, 500);
}

}  // namespace
}  // namespace orbivox
