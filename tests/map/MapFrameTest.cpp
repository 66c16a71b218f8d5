// Whole frames as the tracking cycle draws them, checked by pixels, and the pieces around
// them: presentation, arrows, labels, window sizes, loading the images.
#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "map/FootprintDrawing.h"
#include "map/MapOverlays.h"
#include "map/PresentMap.h"
#include "map/Raster.h"
#include "orbit/DisplayFormat.h"

namespace orbivox {
namespace {

QImage Plain(int w, int h, QRgb colour) {
    QImage image = MapSurface(w, h);
    image.fill(colour);
    return image;
}

constexpr QRgb kLightGrey = 0xFFB4B4B4;
constexpr QRgb kDarkGrey = 0xFF3C3C3C;

MapFrame GreyFrame(WindowSize size, Zoom zoom) {
    MapFrame frame;
    const MapImagePair& pair = MapImagesFor(size, zoom);
    frame.observerLongitude = 13.4;
    frame.observerLatitude = 52.5;
    UseMapImages(frame, {size, zoom}, Plain(pair.width, pair.height, kLightGrey),
                 Plain(pair.width, pair.height, kDarkGrey));
    return frame;
}

int Count(const QImage& image, QRgb colour, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            n += image.pixel(x, y) == colour;
        }
    }
    return n;
}

TEST(MapFrame, FootprintIsLighterThanTheRestWithTerminatorAndLabels) {
    MapFrame frame = GreyFrame(WindowSize::W1, Zoom::Z1);
    const GeoPoint satellite{20, 10};
    const MapPoint p = ProjectToMap(frame.geometry, satellite.longitude, satellite.latitude);
    DrawFootprint(frame, ComputeFootprint(frame.geometry, p, 10, kEarthRadiusKm + 800), p, true);
    DrawDirectionArrow(frame.work, frame.geometry, p, ProjectToMap(frame.geometry, 20.5, 10.5));
    const std::vector<OtherSatellite> others = {
        {{-100, 40}, kEarthRadiusKm + 600, GeoPoint{-99.5, 40.4}, "B:AO-07 Aos:12:34 maxE:45"},
        {{150, -20}, kEarthRadiusKm + 800, std::nullopt, "C:FO-29"}};
    DrawOtherSatellites(frame, others);
    DrawSunTerminator(frame, {-60, 23});
    PresentMap(frame, p, CentringMode::GreenwichOrSecondObserver);
    if (const QString out = qEnvironmentVariable("ORBIVOX_MAP_FRAME_OUT"); !out.isEmpty()) {
        frame.view.save(out);  // to look at
    }

    const QImage& v = frame.view;
    EXPECT_EQ(v.size(), QSize(600, 299));  // W1 shows one row less than its images
    // Inside the footprint the light map, far away the dark one.
    EXPECT_EQ(v.pixel(orbit::RealToPixel(p.x) + 20, orbit::RealToPixel(p.y) + 20), kLightGrey);
    EXPECT_EQ(v.pixel(30, 280), kDarkGrey);
    EXPECT_GT(Count(v, kLightGrey, v.rect()), 3000);
    // The day/night line in yellow, the outlines of the others in white.
    EXPECT_GT(Count(v, kYellow, v.rect()), 300);
    const MapPoint b = ProjectToMap(frame.geometry, -100, 40);
    EXPECT_GT(
        Count(v, kWhite, QRect(orbit::RealToPixel(b.x) - 40, orbit::RealToPixel(b.y) - 40, 80, 80)),
        50);
    // The label text starts at the sub-point's row, under the outline's top: bright
    // (white text, smoothed over its dark rim) in the rows below, on nothing but grey.
    int bright = 0;
    for (int y = orbit::RealToPixel(b.y); y < orbit::RealToPixel(b.y) + 12; ++y) {
        for (int x = 0; x < 600; ++x) {
            bright += qGray(v.pixel(x, y)) > 0xC8;
        }
    }
    EXPECT_GT(bright, 20);
}

TEST(MapFrame, PresentCentresTheChosenColumn) {
    MapFrame frame = GreyFrame(WindowSize::W1, Zoom::Z1);
    for (int x = 0; x < frame.geometry.width; ++x) {
        for (int y = 0; y < frame.geometry.height; ++y) {
            frame.work.setPixel(x, y, qRgb(x % 256, x / 256, 7));
        }
    }
    auto columnOf = [&](int viewX) {
        const QRgb p = frame.view.pixel(viewX, 100);
        return qRed(p) + 256 * qGreen(p);
    };
    PresentMap(frame, {0, 0}, CentringMode::GreenwichOrSecondObserver);
    EXPECT_EQ(columnOf(0), 0);
    EXPECT_EQ(columnOf(599), 599);

    PresentMap(frame, {500.4, 10}, CentringMode::Satellite);  // d >= W / 2
    EXPECT_EQ(columnOf(299), 500);
    EXPECT_EQ(columnOf(0), 201);
    EXPECT_EQ(columnOf(397), 598);  // the last column is dropped: the map repeats at W - 1
    EXPECT_EQ(columnOf(398), 0);

    frame.observerMark = {100, 50};  // d < W / 2
    PresentMap(frame, {0, 0}, CentringMode::Observer);
    EXPECT_EQ(columnOf(300), 100);
    EXPECT_EQ(columnOf(200), 0);
    EXPECT_EQ(columnOf(199), 598);
}

TEST(MapFrame, ZoomFollowsTheSatelliteWithinTheMap) {
    MapFrame frame = GreyFrame(WindowSize::W1, Zoom::Z2);
    ASSERT_EQ(frame.geometry.width, 1200);
    PresentMap(frame, {600, 2}, CentringMode::Observer);  // near the pole: no vertical centring
    EXPECT_EQ(frame.geometry.offsetY, 0);
    EXPECT_EQ(frame.geometry.offsetX, 300);
    PresentMap(frame, {600, 598}, CentringMode::Observer);
    EXPECT_EQ(frame.geometry.offsetY, 600 - 300 - 1);
    PresentMap(frame, {1150, 300}, CentringMode::Observer);  // across the right edge
    EXPECT_EQ(frame.geometry.offsetX, 850);
    EXPECT_EQ(frame.geometry.offsetY, 150);
}

TEST(MapFrame, ArrowAcrossTheMapEdgePointsTheWayTheSatelliteGoes) {
    const MapGeometry g = MapGeometry::For(WindowSize::W1, Zoom::Z1);
    // Eastbound over the right edge: from x = 597 to x = 2 (dx -595, really +5).
    QImage work = MapSurface(g.width, g.height);
    DrawDirectionArrow(work, g, {297, 150}, {302, 150});
    const int straight = Count(work, kWhite, QRect(298, 120, 40, 60));
    work.fill(kBlack);
    DrawDirectionArrow(work, g, {597, 150}, {2, 150});
    EXPECT_EQ(Count(work, kWhite, QRect(560, 120, 37, 60)), 0);  // nothing drawn backwards
    EXPECT_GT(straight, 20);
}

TEST(MapFrame, OtherSatelliteLabels) {
    LabelPass pass{"12:34", "12:46", 2461000.0, 2461000.01, 45.4};
    EXPECT_EQ(SatelliteLabel('B', "AO-07", 12.5, -3, pass, LabelTimes::AosLos, 0),
              "B:AO-07 Aos:12:34 maxE:45");
    EXPECT_EQ(SatelliteLabel('B', "AO-07", 12.5, 0, pass, LabelTimes::AosLos, 0),
              "B:AO-07 Los:12:46 maxE:45");
    EXPECT_EQ(SatelliteLabel('A', "AO-07", 12.5, -3, pass, LabelTimes::Countdown,
                             2461000.0 - 75.0 / 1440),
              "A:AO-07 Aos:01:15 maxE:45");
    pass.maxElevation = 5;
    EXPECT_EQ(SatelliteLabel('C', "QO-100", 1.0027, 20, pass, LabelTimes::AosLos, 0), "C:QO-100");
    EXPECT_EQ(SatelliteLabel('C', "X", 2, 20, pass, LabelTimes::AosLos, 0),
              "C:X Los:12:46 maxE:05");
}

// Squared distance between two colours.
int Distance(QRgb a, QRgb b) {
    const int r = qRed(a) - qRed(b);
    const int g = qGreen(a) - qGreen(b);
    const int bl = qBlue(a) - qBlue(b);
    return r * r + g * g + bl * bl;
}

// Every label, in each of its colours, is rimmed by a dark halo: no pixel that is mostly the
// text's colour touches the bare map, and the rim is dark.
TEST(MapFrame, LabelsAreRimmedByADarkHalo) {
    constexpr QRgb kMapBlue = 0xFF4664A0;
    const struct {
        const char* what;
        QRgb background;
        bool sun;
        QRgb text;
    } cases[] = {
        {"label on the dark map", kMapBlue, false, kWhite},
        {"label in a lit footprint", kWhite, false, kRed},
        {"sun on the dark map", kMapBlue, true, kYellow},
        {"sun in a lit footprint", kWhite, true, kRed},
    };
    const GeoPoint at{-20, 0};
    for (const auto& c : cases) {
        MapFrame frame = GreyFrame(WindowSize::W1, Zoom::Z1);
        frame.work.fill(c.background);
        if (c.sun) {
            DrawSunTerminator(frame, at);
        } else {
            // A high satellite: its outline stays far from its short label.
            const std::vector<OtherSatellite> others = {{at, 42164, std::nullopt, "C:QO-100"}};
            DrawOtherSatellites(frame, others);
        }
        // Each pixel is taken for the one of text, halo (black) and map it is nearest to.
        enum Kind { Text, Halo, Map };
        const auto kind = [&](QPoint pixel) {
            const QRgb v = frame.work.pixel(pixel);
            const int text = Distance(v, c.text);
            const int halo = Distance(v, kBlack);
            const int map = Distance(v, c.background);
            return text < halo && text < map ? Text : halo < map ? Halo : Map;
        };
        const MapPoint p = ProjectToMap(frame.geometry, at.longitude, at.latitude);
        const QRect area(orbit::RealToPixel(p.x) - 40, orbit::RealToPixel(p.y) - 20, 80, 40);
        int text = 0;
        int halo = 0;
        int touching = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const Kind k = kind({x, y});
                halo += k == Halo;
                if (k != Text) {
                    continue;
                }
                ++text;
                for (const QPoint n :
                     {QPoint(x - 1, y), QPoint(x + 1, y), QPoint(x, y - 1), QPoint(x, y + 1)}) {
                    touching += frame.work.pixel(n) == c.background;
                }
            }
        }
        EXPECT_GT(text, 10) << c.what;
        EXPECT_GT(halo, text / 2) << c.what;
        EXPECT_EQ(touching, 0) << c.what;
    }
}

TEST(MapFrame, GroundTrackStartsPastTheArrowAndEndsAfterOneOrbit) {
    const double now = 2461000.0;
    const std::vector<double> t = GroundTrackInstants(now, 14.4, true, 1);  // 100 min orbit
    ASSERT_FALSE(t.empty());
    EXPECT_NEAR((t.front() - now) * 1440, 7, 1e-6);
    EXPECT_NEAR((t[1] - t[0]) * 1440, 2, 1e-6);
    EXPECT_LT(t.back(), now + 1 / 14.4);
    EXPECT_EQ(t.size(), 47u);
    EXPECT_NEAR((GroundTrackInstants(now, 14.4, true, 4).front() - now) * 1440, 4, 1e-6);
    EXPECT_NEAR((GroundTrackInstants(now, 14.4, false, 4).front() - now) * 1440, 2, 1e-6);
    EXPECT_TRUE(GroundTrackInstants(now, 0, false, 1).empty());
    EXPECT_TRUE(GroundTrackInstants(now, -1, false, 1).empty());
    EXPECT_LE(GroundTrackInstants(now, 1e-6, false, 1).size(), 2000u);
}

TEST(WindowSizes, ScreenLimitsAndTheSizeSwitch) {
    const QSize laptop(1280, 800);
    EXPECT_EQ(LargestWindowSize(laptop, false), WindowSize::W4);
    EXPECT_EQ(NextWindowSize(WindowSize::W3, laptop, false), WindowSize::W4);
    EXPECT_EQ(NextWindowSize(WindowSize::W4, laptop, false), WindowSize::W1);
    EXPECT_EQ(NextWindowSize(WindowSize::W5, QSize(1920, 1080), false), WindowSize::W1);
    EXPECT_EQ(NextWindowSize(WindowSize::W4, laptop, true), WindowSize::W2);
    EXPECT_EQ(LargestWindowSize(QSize(1512, 912), false), WindowSize::W5);
    EXPECT_EQ(LargestWindowSize(QSize(1511, 912), false), WindowSize::W4);
    EXPECT_EQ(LargestWindowSize(QSize(800, 600), false), WindowSize::W2);
    EXPECT_EQ(LargestWindowSize(QSize(640, 480), true), WindowSize::W2);
    EXPECT_EQ(LimitWindowSize(WindowSize::W5, laptop, 1280, false), WindowSize::W4);
    EXPECT_EQ(LimitWindowSize(WindowSize::W4, QSize(1920, 1080), 1024, false), WindowSize::W3);
    EXPECT_EQ(LimitWindowSize(WindowSize::W1, laptop, 1280, true), WindowSize::W2);
    EXPECT_FALSE(ZoomAvailable(WindowSize::W4));
    EXPECT_EQ(MapGeometry::For(WindowSize::W5, Zoom::Z2).zoomFactor, 1);  // no Z2 at W5
    EXPECT_EQ(SizeCode(WindowSize::W3, true), 4);
    EXPECT_EQ(AspectCorrectedSize(QSize(600, 300), QSize(700, 320)), QSize(700, 350));
    EXPECT_EQ(AspectCorrectedSize(QSize(600, 300), QSize(610, 400)), QSize(800, 400));
}

TEST(WindowSizes, SizeCodeTellsA120DpiScreenApartOnlyAtW2AndW3) {
    const struct {
        WindowSize size;
        int ordinary;
        int dpi120;
    } cases[] = {
        {WindowSize::W1, 1, 1}, {WindowSize::W2, 3, 2}, {WindowSize::W3, 5, 4},
        {WindowSize::W4, 6, 6}, {WindowSize::W5, 7, 7},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SizeCode(c.size, false), c.ordinary) << LayoutOf(c.size).caption;
        EXPECT_EQ(SizeCode(c.size, true), c.dpi120) << LayoutOf(c.size).caption;
    }
}

// The view is a row short of the images at W1, and at W2 on a 120-dpi screen (code 2).
TEST(WindowSizes, ViewSizeIsARowShortAtCodesOneAndTwo) {
    const struct {
        WindowSize size;
        QSize ordinary;
        QSize dpi120;
    } cases[] = {
        {WindowSize::W1, {600, 299}, {600, 299}},   {WindowSize::W2, {750, 375}, {750, 374}},
        {WindowSize::W3, {960, 480}, {960, 480}},   {WindowSize::W4, {1200, 600}, {1200, 600}},
        {WindowSize::W5, {1500, 750}, {1500, 750}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ViewSize(c.size, false), c.ordinary) << LayoutOf(c.size).caption;
        EXPECT_EQ(ViewSize(c.size, true), c.dpi120) << LayoutOf(c.size).caption;
    }
}

// A window grown to a larger size moves back into the work area, only as far as it must.
TEST(WindowSizes, AGrownWindowIsMovedBackIntoTheWorkArea) {
    const QRect area(0, 30, 1600, 970);  // a panel along the top
    const struct {
        QRect frame;
        QPoint expected;
    } cases[] = {
        {QRect(100, 100, 800, 500), QPoint(100, 100)},  // inside: stays
        {QRect(300, 200, 1512, 912), QPoint(88, 88)},   // W5 grown from a W3 place
        {QRect(-40, 10, 600, 400), QPoint(0, 30)},      // above and left of the area
        {QRect(200, 200, 1700, 1100), QPoint(0, 30)},   // larger: its top-left shows
        {QRect(300, 200, 800, 500), QPoint(300, 200)},  // no work area known: as it is
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const QRect workArea = i + 1 == std::size(cases) ? QRect() : area;
        EXPECT_EQ(KeepInsideWorkArea(cases[i].frame, workArea), cases[i].expected) << i;
    }
}

TEST(LoadMapImages, FindsFilesWhateverTheirCaseAndKeepsTheFrameOnFailure) {
    QTemporaryDir program;
    QDir(program.path()).mkpath(QStringLiteral("MAPS2D"));
    Plain(600, 300, kLightGrey).save(program.filePath(QStringLiteral("MAPS2D/welt1L.BMP")));
    Plain(600, 300, kDarkGrey).save(program.filePath(QStringLiteral("MAPS2D/WELT1D.bmp")));
    MapFrame frame;
    frame.observerLongitude = -73.0;
    frame.observerLatitude = 41.5;
    EXPECT_EQ(LoadMapImages(frame, program.path(), {WindowSize::W1, Zoom::Z1, MapSet::Political}),
              QString());
    EXPECT_EQ(frame.light.pixel(10, 10), kLightGrey);
    EXPECT_EQ(frame.dark.pixel(10, 10), kDarkGrey);
    EXPECT_EQ(frame.observerMark, (PixelPoint{178, 81}));

    const QString error =
        LoadMapImages(frame, program.path(), {WindowSize::W1, Zoom::Z2, MapSet::Political});
    EXPECT_TRUE(error.contains(QStringLiteral("Welt4l.bmp"))) << error.toStdString();
    EXPECT_EQ(frame.geometry.width, 600);  // still the loaded W1 set
    EXPECT_FALSE(LoadMapImages(frame, program.path(), {WindowSize::W1, Zoom::Z1, MapSet::Physical})
                     .isEmpty());
}

TEST(LoadMapImages, TheBuiltImageSetsHaveEveryFileAtItsSize) {
    const QString programFolder = QStringLiteral(ORBIVOX_PROGRAM_FOLDER);
    if (!QFileInfo::exists(programFolder + QStringLiteral("/Maps2D"))) {
        GTEST_SKIP() << "map images not drawn (no map data)";
    }
    for (const MapSet set : {MapSet::Political, MapSet::Physical}) {
        for (const WindowSizeLayout& layout : kWindowSizes) {
            for (const Zoom zoom : {Zoom::Z1, Zoom::Z2}) {
                MapFrame frame;
                ASSERT_EQ(LoadMapImages(frame, programFolder, {layout.size, zoom, set}), QString());
                const MapImagePair& pair = MapImagesFor(layout.size, zoom);
                EXPECT_EQ(frame.light.size(), QSize(pair.width, pair.height));
                // The dark variant is plainly darker.
                const QRgb light =
                    frame.light.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .pixel(0, 0);
                const QRgb dark =
                    frame.dark.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .pixel(0, 0);
                EXPECT_LT(qGray(dark) * 2, qGray(light)) << pair.dark;
            }
        }
    }
}

}  // namespace
}  // namespace orbivox
