// A whole refresh frame from a scene: what is lit, what is drawn over it, and where the
// view is turned to.
#include "map/MapRenderer.h"

#include <gtest/gtest.h>

#include "map/Raster.h"
#include "orbit/DisplayFormat.h"

namespace orbivox {
namespace {

constexpr QRgb kLightGrey = 0xFFB4B4B4;
constexpr QRgb kDarkGrey = 0xFF3C3C3C;

MapFrame GreyFrame(WindowSize size, Zoom zoom) {
    MapFrame frame;
    const MapImagePair& pair = MapImagesFor(size, zoom);
    QImage light = MapSurface(pair.width, pair.height);
    light.fill(kLightGrey);
    QImage dark = MapSurface(pair.width, pair.height);
    dark.fill(kDarkGrey);
    frame.observerLongitude = 13.4;
    frame.observerLatitude = 52.5;
    UseMapImages(frame, {size, zoom}, light, dark);
    return frame;
}

int Count(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += image.pixel(x, y) == colour;
        }
    }
    return n;
}

MapScene FullScene() {
    MapScene scene;
    scene.working = WorkingOnMap{{20, 10}, kEarthRadiusKm + 420, 5, GeoPoint{20.4, 10.3}};
    scene.subSolarPoint = GeoPoint{-60, 11};
    scene.others = {{{150, -20}, kEarthRadiusKm + 800, GeoPoint{150.5, -20.2}, "B:SO-50"}};
    for (int i = 0; i < 40; ++i) {
        scene.groundTrack.push_back({25.0 + 9 * i, 15.0});
    }
    return scene;
}

TEST(MapRenderer, FrameLightsTheFootprintAndDrawsEverythingOverIt) {
    MapFrame frame = GreyFrame(WindowSize::W1, Zoom::Z1);
    const MapPoint p = RenderMapFrame(frame, FullScene(), CentringMode::GreenwichOrSecondObserver);
    EXPECT_NEAR(p.x, (20 + 180) * 1.666667, 1e-9);

    const QImage& v = frame.view;
    ASSERT_EQ(v.size(), QSize(600, 299));  // W1 shows one row less than its images
    EXPECT_EQ(v.pixel(orbit::RealToPixel(p.x) + 15, orbit::RealToPixel(p.y) + 15), kLightGrey);
    EXPECT_EQ(v.pixel(20, 280), kDarkGrey);
    EXPECT_GT(Count(v, kYellow), 300);  // the day/night line
    // Track dots: white 2 x 2 on the dark part of the map, along latitude 15.
    const int trackY = orbit::RealToPixel((90 - 15) * 1.666667);
    const int trackX = orbit::RealToPixel((25 + 9 * 30 - 180) * 1.666667);
    EXPECT_EQ(v.pixel(trackX, trackY), kWhite);
    EXPECT_EQ(v.pixel(trackX + 2, trackY + 2), kBlack);

    // Without the working satellite's position the whole world is dark.
    MapScene none;
    RenderMapFrame(frame, none, CentringMode::GreenwichOrSecondObserver);
    EXPECT_EQ(Count(frame.view, kLightGrey), 0);
    EXPECT_GT(Count(frame.view, kDarkGrey), 600 * 290);
}

TEST(MapRenderer, ZoomFollowsTheSatelliteAndTheCentringModeTurnsTheMap) {
    MapFrame zoomed = GreyFrame(WindowSize::W3, Zoom::Z2);
    const MapPoint p = RenderMapFrame(zoomed, FullScene(), CentringMode::Observer);
    EXPECT_EQ(zoomed.view.size(), QSize(960, 480));
    // The satellite stands in the middle of the zoomed view, in its lit footprint.
    EXPECT_EQ(zoomed.geometry.offsetX, orbit::RealToPixel(p.x) - 480);
    EXPECT_EQ(zoomed.view.pixel(480 + 20, orbit::RealToPixel(p.y) - zoomed.geometry.offsetY + 20),
              kLightGrey);

    MapFrame frame = GreyFrame(WindowSize::W1, Zoom::Z1);
    RenderMapFrame(frame, FullScene(), CentringMode::Satellite);
    EXPECT_EQ(frame.view.pixel(299 + 15, 133 + 15), kLightGrey);  // lit around the middle
    frame.secondObserverLongitude = 286.959;
    frame.secondObserverLatitude = 41.479;
    frame.UpdateObserverMarks();
    RenderMapFrame(frame, FullScene(), CentringMode::GreenwichOrSecondObserver);
    EXPECT_EQ(frame.geometry.offsetX, 0);  // shown but not centred: Greenwich stays
    frame.secondObserverCentre = true;
    RenderMapFrame(frame, FullScene(), CentringMode::GreenwichOrSecondObserver);
    EXPECT_NE(frame.geometry.offsetX, 0);
    EXPECT_EQ(frame.view.pixel(300, 81), kBlue);  // its blue cross in the middle
    EXPECT_EQ(frame.view.pixel(303, 81), kBlue);
}

}  // namespace
}  // namespace orbivox
