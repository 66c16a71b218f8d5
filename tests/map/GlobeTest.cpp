// The globe view: picture sectors at their edges, the projection both ways near the rim,
// pictures drawn from flat images or taken from a user's files, the footprint lit on the
// visible side only (also for a satellite behind the Earth), the missing-picture message and
// the lbl3D switch's state rules.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>

#include "map/GlobeSwitch.h"
#include "map/GlobeView.h"
#include "map/Raster.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RecordingNotifier.h"

namespace orbivox {
namespace {

TEST(GlobeSectors, EdgesOfTheTables) {
    const struct {
        double latitude;
        const char* code;
    } latitudes[] = {{22.4, "000"},  {22.6, "045"},  {-22.5, "000"},  // -22.5 rounds to -22
                     {-67.5, "_90"}, {-67.4, "_45"}, {68.5, "045"},   // 68.5 rounds to 68
                     {68.6, "090"},  {-90, "_90"},   {90, "090"}};
    for (const auto& c : latitudes) {
        EXPECT_STREQ(LatitudeSector(c.latitude).code, c.code) << c.latitude;
    }
    const struct {
        double longitude;
        const char* code;
    } longitudes[] = {{337.4, "315"}, {337.6, "000"}, {-22.6, "315"}, {22.5, "000"},
                      {22.6, "045"},  {359.6, "000"}, {180, "180"},   {-90, "270"}};
    for (const auto& c : longitudes) {
        EXPECT_STREQ(LongitudeSector(c.longitude).code, c.code) << c.longitude;
    }
    const GlobePictureChoice choice = ChooseGlobePicture(GlobeMode::Globe2, "BM_", -50, 3);
    EXPECT_EQ(choice.name, "BM_Maps3D_2/000_45");
    EXPECT_EQ(choice.centre.latitude, -45);
    EXPECT_EQ(choice.centre.longitude, 0);
}

TEST(GlobeProjection, RoundTripsNearTheRim) {
    for (GlobeMode mode : {GlobeMode::Globe1, GlobeMode::Globe2}) {
        const GlobeLayout& layout = LayoutOf(mode);
        const GlobeCentre centre{45, 0};
        const QPoint middle = layout.globeCentre();
        // Screen to Earth to screen: every pixel of a ring just inside the rim.
        for (int degree = 0; degree < 360; degree += 7) {
            const double a = degree * 3.14159265358979 / 180;
            const int x = middle.x() + int(std::lround((layout.radius - 1.5) * std::cos(a)));
            const int y = middle.y() - int(std::lround((layout.radius - 1.5) * std::sin(a)));
            const auto geo = GlobeToGeography(layout, centre, x, y);
            ASSERT_TRUE(geo) << x << "," << y;
            const GlobePoint back = ProjectToGlobe(layout, centre, geo->latitude, geo->longitude);
            EXPECT_EQ(QPoint(back.x, back.y), QPoint(x, y)) << degree;
            EXPECT_TRUE(back.visible());
        }
        // Earth to screen to Earth: points 80 to 89.9 degrees from the centre.
        for (double lon : {80.0, 85.0, 89.0, 89.9, -89.9}) {
            const GlobeCentre equator{0, 0};
            const GlobePoint p = ProjectToGlobe(layout, equator, 10, lon);
            ASSERT_TRUE(p.visible());
            const auto geo =
                GlobeToGeography(layout, equator, layout.offset + layout.radius * (1 + p.nx),
                                 layout.radius * (1 - p.ny));
            ASSERT_TRUE(geo);
            EXPECT_NEAR(geo->latitude, 10, 1e-6);
            EXPECT_NEAR(geo->longitude, lon, 1e-6);
        }
        EXPECT_FALSE(GlobeToGeography(layout, centre, middle.x() + layout.radius + 1, middle.y()));
        EXPECT_FALSE(ProjectToGlobe(layout, centre, -45, 180).visible());  // the antipode
    }
}

constexpr QRgb kLightGrey = 0xFFC8C8C8;
constexpr QRgb kDarkGrey = 0xFF141414;

// A program folder with uniform flat images: light grey and dark grey.
class GlobeFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (MapSet set : {MapSet::Political, MapSet::Physical}) {
            QDir folder(dir_.path());
            folder.mkdir(QLatin1String(NamesOf(set).folder));
            Flat(kLightGrey).save(dir_.filePath(QString(NamesOf(set).folder) + "/Welt1l.bmp"));
            Flat(kDarkGrey).save(dir_.filePath(QString(NamesOf(set).folder) + "/Welt1d.bmp"));
        }
    }
    static QImage Flat(QRgb colour) {
        QImage image(600, 300, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }
    // Renders the working satellite at (latitude, longitude) with the pictures centred at
    // Europe (45 N, 0), and counts the lit pixels.
    int LitPixels(GlobeMode mode, double latitude, double longitude, double radiusKm,
                  GlobePoint* satellite = nullptr) {
        MapFrame frame;
        frame.size = WindowSize::W3;
        frame.view = MapSurface(960, 480);
        frame.observerLatitude = -45;  // behind the Earth, out of the way
        frame.observerLongitude = 180;
        GlobeState state;
        GlobePictures pictures(dir_.path());
        EnterGlobe(frame, state, mode);
        EXPECT_EQ(SelectGlobePictures(frame, state, pictures, dir_.path(), {50, 10}), "");
        MapScene scene;
        scene.working = WorkingOnMap{{longitude, latitude}, radiusKm, -5, std::nullopt};
        const GlobePoint at = RenderGlobeFrame(frame, state, scene);
        if (satellite) {
            *satellite = at;
        }
        work_ = frame.work;
        int lit = 0;
        for (int y = 0; y < frame.work.height(); ++y) {
            for (int x = 0; x < frame.work.width(); ++x) {
                lit += frame.work.pixel(x, y) == kLightGrey;
            }
        }
        return lit;
    }

    QTemporaryDir dir_;
    QImage work_;
};

TEST_F(GlobeFrameTest, FootprintLitOnTheVisibleSideOnly) {
    constexpr double kLeo = kEarthRadiusKm + 800;
    for (GlobeMode mode : {GlobeMode::Globe1, GlobeMode::Globe2}) {
        const GlobeLayout& layout = LayoutOf(mode);
        // Over Europe: lit around the satellite, which is drawn.
        GlobePoint sat;
        const int overEurope = LitPixels(mode, 50, 10, kLeo, &sat);
        EXPECT_TRUE(sat.visible());
        EXPECT_GT(overEurope, 3000);
        EXPECT_EQ(work_.pixel(sat.x + 12, sat.y + 12), kLightGrey);
        const GlobePoint outside = ProjectToGlobe(layout, {45, 0}, -10, -40);
        EXPECT_EQ(work_.pixel(outside.x, outside.y), kDarkGrey);
        // Behind the rim but its footprint reaches over it: a thinner lit crescent.
        const int crossing = LitPixels(mode, 10, 110, kLeo, &sat);
        EXPECT_FALSE(sat.visible());
        EXPECT_GT(crossing, 100);
        EXPECT_LT(crossing, overEurope);
        // Far behind the Earth: nothing lit.
        EXPECT_EQ(LitPixels(mode, -40, 190, kLeo, &sat), 0);
        EXPECT_FALSE(sat.visible());
        // A decayed satellite has no footprint.
        EXPECT_EQ(LitPixels(mode, 50, 10, kEarthRadiusKm - 1), 0);
    }
}

TEST_F(GlobeFrameTest, FootprintRowsAreBoundedAndClosed) {
    for (double r : {kEarthRadiusKm + 800, kEarthRadiusKm + 36000}) {
        // Next to the pole the circle is a thin band of co-latitudes: it still gets rows.
        const auto rows = ComputeGlobeFootprint(89.9, 0, r);
        EXPECT_GE(rows.size(), 30u) << r;
        EXPECT_LE(rows.size(), size_t(kMaxGlobeFootprintRows));
        EXPECT_EQ(rows.front().east, rows.front().west);
        EXPECT_EQ(rows.back().east, rows.back().west);
    }
    EXPECT_TRUE(ComputeGlobeFootprint(NAN, 0, 7000).empty());
    // Over the pole the cap is lit, not the whole globe.
    const int cap = LitPixels(GlobeMode::Globe1, 89.9, 0, kEarthRadiusKm + 800);
    const int disk = int(3.14159 * 187 * 187);
    EXPECT_GT(cap, 1000);
    EXPECT_LT(cap, disk / 3);
}

TEST_F(GlobeFrameTest, PicturesDrawnFromTheFlatMapOrTakenFromTheUsersFiles) {
    GlobePictures pictures(dir_.path());
    const auto choice = ChooseGlobePicture(GlobeMode::Globe1, "", 50, 10);
    auto drawn = pictures.Load(MapSet::Political, GlobeMode::Globe1, choice);
    ASSERT_TRUE(drawn);
    const GlobeLayout& layout = LayoutOf(GlobeMode::Globe1);
    EXPECT_EQ(drawn->light.size(), QSize(375, 375));
    EXPECT_EQ(drawn->light.pixel(187, 187), kLightGrey);
    EXPECT_EQ(drawn->dark.pixel(187, 187), kDarkGrey);
    EXPECT_EQ(drawn->light.pixel(2, 2), kBlack);  // off the disk
    EXPECT_TRUE(pictures.Has3D2(MapSet::Physical));

    // A user's own pictures of that name win.
    QDir(dir_.path()).mkdir("Maps3D");
    QImage own(375, 375, QImage::Format_RGB32);
    own.fill(kRed);
    own.save(dir_.filePath("Maps3D/000045_h.bmp"));
    own.save(dir_.filePath("Maps3D/000045_d.bmp"));
    MapFrame frame;
    GlobeState state;
    EnterGlobe(frame, state, GlobeMode::Globe1);
    EXPECT_EQ(SelectGlobePictures(frame, state, pictures, dir_.path(), {50, 10}), "");
    EXPECT_EQ(frame.light.pixel(layout.copyX + 187, 187), kRed);
    EXPECT_EQ(frame.light.size(), QSize(750, 375));
}

TEST(GlobePictures, MissingPicturesSaidOnceUntilTheSectorChanges) {
    QTemporaryDir empty;
    GlobePictures pictures(empty.path());
    EXPECT_FALSE(pictures.Has3D2(MapSet::Political));
    MapFrame frame;
    GlobeState state;
    EnterGlobe(frame, state, GlobeMode::Globe2);
    const QString base = empty.path() + "/Maps3D_2/000045";
    EXPECT_EQ(SelectGlobePictures(frame, state, pictures, empty.path(), {50, 10}),
              "Files " + base + "_h.bmp and " + base + "_d.bmp not found!");
    EXPECT_EQ(frame.light.pixel(500, 200), kBlack);  // the black frames stay
    EXPECT_EQ(SelectGlobePictures(frame, state, pictures, empty.path(), {51, 12}), "");
    EXPECT_NE(SelectGlobePictures(frame, state, pictures, empty.path(), {0, 10}), "");
    EnterGlobe(frame, state, GlobeMode::Globe2);  // switching the mode tries again
    EXPECT_NE(SelectGlobePictures(frame, state, pictures, empty.path(), {0, 10}), "");
}

TEST(GlobeCentre, ByCentringModeAndPolarInPreview) {
    MapFrame frame;
    frame.observerLatitude = 48;
    frame.observerLongitude = -100;
    MapScene scene;
    scene.working = WorkingOnMap{{-20, -30}, 7000, 10, std::nullopt};
    const struct {
        CentringMode mode;
        bool preview;
        const char* picture;
    } cases[] = {
        {CentringMode::Satellite, false, "Maps3D/000_45"},  // 340 E
        {CentringMode::Satellite, true, "Maps3D/270_90"},   // polar, observer's longitude
        {CentringMode::Observer, false, "Maps3D/270045"},
        {CentringMode::GreenwichOrSecondObserver, false, "Maps3D/000045"},  // none set
    };
    for (const auto& c : cases) {
        const GlobeCentre centre = GlobeCentreFor(frame, scene, c.mode, c.preview);
        EXPECT_EQ(ChooseGlobePicture(GlobeMode::Globe1, "", centre.latitude, centre.longitude).name,
                  c.picture);
    }
    frame.secondObserverLongitude = 140;
    frame.secondObserverLatitude = -35;
    const GlobeCentre second =
        GlobeCentreFor(frame, scene, CentringMode::GreenwichOrSecondObserver, false);
    EXPECT_EQ(ChooseGlobePicture(GlobeMode::Globe1, "", second.latitude, second.longitude).name,
              "Maps3D/135_45");
}

// The switch with a program folder that has flat images for both sets.
class GlobeSwitchTest : public GlobeFrameTest {
protected:
    void SetUp() override {
        GlobeFrameTest::SetUp();
        QImage tiny(8, 4, QImage::Format_RGB32);
        tiny.fill(Qt::darkBlue);
        for (MapSet set : {MapSet::Political, MapSet::Physical}) {
            for (const WindowSizeLayout& layout : kWindowSizes) {
                for (const MapImagePair* pair : {&layout.z1, layout.z2 ? &*layout.z2 : nullptr}) {
                    if (pair) {
                        const QString folder = dir_.filePath(NamesOf(set).folder) + "/";
                        if (!QFile::exists(folder + pair->light)) {
                            tiny.save(folder + pair->light, "BMP");
                            tiny.save(folder + pair->dark, "BMP");
                        }
                    }
                }
            }
        }
    }
    MapViewSwitches view_;
    FixedScreen screen_;
    RecordingNotifier notifier_;
};

TEST_F(GlobeSwitchTest, CyclesAndItsStateRules) {
    MapDisplay display(dir_.path(), view_, screen_, notifier_);
    display.Start(WindowSize::W3, Zoom::Z2, MapSet::Political);
    GlobeSwitch globe(dir_.path(), display, notifier_);
    globe.Start();
    display.ClickMap();  // the locator readout on
    ASSERT_TRUE(display.readoutOn());

    std::vector<QString> captions;
    for (int click = 0; click < 3; ++click) {
        globe.Cycle();
        captions.push_back(globe.caption());
        if (click == 0) {
            EXPECT_FALSE(display.readoutOn());
            EXPECT_EQ(display.zoom(), Zoom::Z1);  // the globe shows Z1 underneath
            EXPECT_EQ(display.frame().work.size(), QSize(750, 375));
        }
        if (click == 1) {
            EXPECT_EQ(display.frame().work.size(), QSize(750, 480));
        }
    }
    EXPECT_EQ(captions, (std::vector<QString>{"3D1", "3D2", "2D"}));
    EXPECT_EQ(display.zoom(), Zoom::Z2);                       // remembered
    EXPECT_EQ(display.frame().work.size(), QSize(1920, 960));  // the flat map at Z2 again

    // A size change returns to 2D; W2 offers 3D1 only; W1 no globe.
    globe.Cycle();
    display.SetWindowSize(WindowSize::W2);
    globe.SizeChanged();
    EXPECT_EQ(globe.caption(), "2D");
    globe.Cycle();
    globe.Cycle();
    EXPECT_EQ(globe.caption(), "2D");
    display.SetWindowSize(WindowSize::W1);
    globe.Cycle();
    EXPECT_EQ(globe.caption(), "2D");
    EXPECT_TRUE(notifier_.boxes.empty());
}

TEST_F(GlobeSwitchTest, MapSetWithout3D2FallsBackTo3D1) {
    // The physical set loses what 3D2 is drawn from.
    QDir(dir_.filePath("BM_Maps2D")).removeRecursively();
    QDir(dir_.path()).mkdir("BM_Maps2D");
    QImage tiny(8, 4, QImage::Format_RGB32);
    tiny.fill(Qt::darkGreen);
    for (const WindowSizeLayout& layout : kWindowSizes) {
        if (layout.size == WindowSize::W3) {
            tiny.save(dir_.filePath("BM_Maps2D/") + layout.z1.light, "BMP");
            tiny.save(dir_.filePath("BM_Maps2D/") + layout.z1.dark, "BMP");
        }
    }
    MapDisplay display(dir_.path(), view_, screen_, notifier_);
    display.Start(WindowSize::W3, Zoom::Z1, MapSet::Political);
    GlobeSwitch globe(dir_.path(), display, notifier_);
    globe.Start();
    globe.Cycle();
    globe.Cycle();
    ASSERT_EQ(globe.caption(), "3D2");
    display.ToggleMapSet();
    globe.MapSetChanged();
    EXPECT_EQ(globe.caption(), "3D1");
}

}  // namespace
}  // namespace orbivox
