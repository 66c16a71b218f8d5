// The map drawn sharp for a screen with more device pixels than logical ones: the same frame
// as the view, at the same place, with the map's finer detail, and what was drawn on the map
// kept pixel for pixel; and which pictures it is drawn from.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <string>

#include "map/MapFrame.h"
#include "map/MapRenderer.h"
#include "map/Raster.h"

namespace orbivox {
namespace {

const QString kProgramFolder = QStringLiteral(ORBIVOX_PROGRAM_FOLDER "/");

MapScene BusyScene() {
    MapScene scene;
    scene.working = WorkingOnMap{{20, 10}, kEarthRadiusKm + 800, 30, GeoPoint{20.5, 10.5}};
    scene.subSolarPoint = GeoPoint{-60, 23};
    scene.others = {{{-100, 40}, kEarthRadiusKm + 600, GeoPoint{-99.5, 40.4}, "B:AO-07"},
                    {{150, -20}, kEarthRadiusKm + 800, std::nullopt, "C:FO-29"}};
    for (int k = 0; k < 40; ++k) {
        scene.groundTrack.push_back({20.0 + 3 * k, 10.0 + k});
    }
    return scene;
}

struct SharpCase {
    WindowSize size;
    Zoom zoom;
    double ratio;
    CentringMode centring;
};

class SharpFrame : public testing::TestWithParam<SharpCase> {};

TEST_P(SharpFrame, IsTheViewWithFinerDetailAndTheDrawingKept) {
    const SharpCase c = GetParam();
    MapFrame frame;
    frame.pixelRatio = c.ratio;
    frame.observerLongitude = 13.4;
    frame.observerLatitude = 52.5;
    frame.observerLabel = QStringLiteral("JO62");
    ASSERT_EQ(LoadMapImages(frame, kProgramFolder, {c.size, c.zoom}), QString());
    RenderMapFrame(frame, BusyScene(), c.centring);

    const QImage& view = frame.view;
    const QImage& sharp = frame.Shown();
    ASSERT_EQ(sharp.size(), SharpSize(frame, view.size()));
    EXPECT_EQ(sharp.devicePixelRatio(), c.ratio);
    // Every device pixel against the view pixel it lies in: the same picture at the same
    // place (a shifted or turned map would differ by far more), with detail of its own.
    long long difference = 0;
    long long finer = 0;
    for (int y = 0; y < sharp.height(); ++y) {
        const int vy = std::min(static_cast<int>(y / c.ratio), view.height() - 1);
        for (int x = 0; x < sharp.width(); ++x) {
            const QRgb logical =
                view.pixel(std::min(static_cast<int>(x / c.ratio), view.width() - 1), vy);
            const QRgb device = sharp.pixel(x, y);
            difference += std::abs(qGray(logical) - qGray(device));
            finer += logical != device;
        }
    }
    // The yellow day/night line is drawing, never map: each of its pixels is there in the
    // device pixels of its place. At a ratio like 1.5 the pieces of a turned map start half
    // a device pixel apart, so there it may lie one device pixel aside.
    const int aside = c.ratio == std::floor(c.ratio) ? 0 : 1;
    long long drawnKept = 0;
    long long drawnLost = 0;
    for (int vy = 0; vy < view.height(); ++vy) {
        for (int vx = 0; vx < view.width(); ++vx) {
            if (view.pixel(vx, vy) != kYellow) {
                continue;
            }
            bool kept = false;
            const auto first = [&](int v) { return static_cast<int>(std::ceil(v * c.ratio)); };
            for (int y = first(vy) - aside; y < first(vy + 1) + aside; ++y) {
                for (int x = first(vx) - aside; x < first(vx + 1) + aside; ++x) {
                    kept = kept || (sharp.rect().contains(x, y) && sharp.pixel(x, y) == kYellow);
                }
            }
            (kept ? drawnKept : drawnLost) += 1;
        }
    }
    const long long pixels = static_cast<long long>(sharp.width()) * sharp.height();
    EXPECT_LT(difference / pixels, 8);
    EXPECT_GT(finer * 20, pixels) << "fewer than 5 % of the device pixels add detail";
    EXPECT_GT(drawnKept, 0);
    EXPECT_EQ(drawnLost, 0);
}

INSTANTIATE_TEST_SUITE_P(
    SizesZoomsAndRatios, SharpFrame,
    testing::Values(SharpCase{WindowSize::W1, Zoom::Z1, 2.0, CentringMode::Observer},
                    SharpCase{WindowSize::W2, Zoom::Z1, 1.5, CentringMode::Satellite},
                    SharpCase{WindowSize::W3, Zoom::Z2, 2.0, CentringMode::Observer},
                    SharpCase{WindowSize::W5, Zoom::Z1, 2.0,
                              CentringMode::GreenwichOrSecondObserver}),
    [](const testing::TestParamInfo<SharpCase>& info) {
        const SharpCase& c = info.param;
        return "W" + std::to_string(static_cast<int>(c.size)) + "Z" +
               std::to_string(static_cast<int>(c.zoom)) + "AtRatio" +
               std::to_string(static_cast<int>(c.ratio * 10));
    });

// A program folder with fewer pictures: the sharp map comes from the next smaller pair that is
// there, and where none is larger than the map itself it is simply not drawn sharp.
TEST(SharpPictures, AMissingPairGivesWayToASmallerOneAndNoneToTheViewAlone) {
    QTemporaryDir program;
    ASSERT_TRUE(program.isValid());
    QDir(program.path()).mkpath(QStringLiteral("Maps2D"));
    for (const char* name : {"Welt1l.bmp", "Welt1d.bmp", "Welt4l.bmp", "Welt4d.bmp"}) {
        ASSERT_TRUE(QFile::copy(kProgramFolder + QStringLiteral("Maps2D/") + QLatin1String(name),
                                program.filePath(QStringLiteral("Maps2D/")) + QLatin1String(name)));
    }
    const QString folder = program.path() + QLatin1Char('/');

    MapFrame small;
    small.pixelRatio = 2;
    ASSERT_EQ(LoadMapImages(small, folder, {WindowSize::W1, Zoom::Z1}), QString());
    EXPECT_EQ(small.sharpLight.size(), QSize(1200, 600));
    RenderMapFrame(small, BusyScene(), CentringMode::Observer);
    EXPECT_EQ(small.Shown().size(), QSize(1200, 598));

    MapFrame large;
    large.pixelRatio = 2;
    ASSERT_EQ(LoadMapImages(large, folder, {WindowSize::W4, Zoom::Z1}), QString());
    EXPECT_TRUE(large.sharpLight.isNull());
    RenderMapFrame(large, BusyScene(), CentringMode::Observer);
    EXPECT_EQ(&large.Shown(), &large.view);
}

}  // namespace
}  // namespace orbivox
