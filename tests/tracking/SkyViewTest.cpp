// The sky view's content and plot on real elements: the drawn track against look angles
// sampled on their own, the events, the projection's geometry, and the remembered place.
#include <gtest/gtest.h>

#include <QColor>
#include <QTemporaryDir>
#include <cmath>

#include "map/SkyPlot.h"
#include "orbit/DisplayFormat.h"
#include "orbit/PassPrediction.h"
#include "orbit/TimeScales.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/ScratchFiles.h"
#include "tracking/NextPasses.h"
#include "tracking/SkyView.h"

namespace orbivox {
namespace {

constexpr double kSecond = 1.0 / 86400.0;

struct IssOverMunich : ::testing::Test {
    void SetUp() override {
        ASSERT_GT(
            engine.ReadElementFile(std::string(ORBIVOX_TEST_DATA) + "/elements-2026.txt").count, 0);
        for (int i = 1; i <= engine.Sets().Count(); ++i) {
            if (engine.Sets()[i].name == "ISS (ZARYA)") {
                request.setIndex = i;
            }
        }
        ASSERT_GT(request.setIndex, 0);
        orbit::ObserverSite site;
        site.latitude = 48.15;
        site.longitude = 11.58;
        site.altitude = "520";
        request.name = "ISS (ZARYA)";
        request.site = orbit::ObserverToSite(site);
    }
    static double Utc(int hour, int minute) {
        // 2026-08-23 as a UTC day number.
        return orbit::JulianDateFromCivil({2026, 8, 23, hour, minute, 0, 0}) -
               orbit::kDayNumberToJulianDate;
    }

    orbit::OrbitEngine engine{2026, orbit::ModelChoice::Sgp4};
    SkyViewRequest request;
};

TEST(SkyPlotGeometry, NorthUpEastRightHorizonOnTheRim) {
    const int size = 400;
    const QPointF centre(200, 200);
    const double rim = SkyPlotPosition(0, 0, size).y();  // the top of the rim
    const double radius = 200 - rim;
    ASSERT_GT(radius, 150);
    const struct {
        double azimuth, elevation;
        QPointF expected;
    } cases[] = {
        {0, 90, centre},
        {0, 0, {200, 200 - radius}},
        {90, 0, {200 + radius, 200}},
        {180, 45, {200, 200 + radius / 2}},
        {270, 60, {200 - radius / 3, 200}},
        {45, -5, {200 + radius / std::sqrt(2.0), 200 - radius / std::sqrt(2.0)}},  // rim
    };
    for (const auto& c : cases) {
        const QPointF p = SkyPlotPosition(c.azimuth, c.elevation, size);
        EXPECT_NEAR(p.x(), c.expected.x(), 1e-9) << c.azimuth << "/" << c.elevation;
        EXPECT_NEAR(p.y(), c.expected.y(), 1e-9) << c.azimuth << "/" << c.elevation;
    }
}

// Texts at the rim under the title, at the edges and at the zenith stand whole inside the
// image, their halo too, and they and the directions stay clear of the title, on the
// window's plot and the smallest one.
TEST(SkyPlotLabels, InsideTheImageAndClearOfTheTitle) {
    SkyPlotContent content;
    content.title = "ISS (ZARYA): pass now, 2026-08-23";
    const QString culmination = QString("07:04:04  19.2") + QChar(0x00B0);
    for (const auto& [azimuth, elevation] : {std::pair{0.0, 0.0}, {330.0, 0.0}, {350.0, 20.0},
                                              {90.0, 0.0}, {60.0, 2.0}, {270.0, 0.0},
                                              {180.0, 0.0}, {135.0, 0.0}, {0.0, 90.0}}) {
        content.events.push_back({azimuth, elevation, culmination});
    }
    content.now = SkyPlotMark{300.0, 0.0, "AOS 02:07:13"};
    for (const int size : {360, 120}) {
        const SkyPlotLabels labels = PlaceSkyPlotLabels(content, size);
        ASSERT_EQ(labels.marks.size(), content.events.size() + 1);
        const QRect inside = QRect(0, 0, size, size).adjusted(1, 1, -1, -1);
        for (size_t k = 0; k < labels.marks.size(); ++k) {
            const QRect box = labels.marks[k];
            EXPECT_TRUE(inside.contains(box)) << size << " label " << k << " at " << box.x()
                                              << "," << box.y() << " " << box.width();
            EXPECT_FALSE(box.intersects(labels.title)) << size << " label " << k;
        }
        for (const QRect& direction : labels.directions) {
            EXPECT_FALSE(direction.intersects(labels.title)) << size;
        }
    }
}

// Every look angle sampled along the pass (at instants of its own, not the track's) lands
// within a pixel of a drawn track pixel.
TEST_F(IssOverMunich, TheDrawnTrackLiesOnTheLookAnglesOfThePass) {
    request.nowUtc = Utc(1, 0);  // before the 02:07 pass: no satellite mark
    const SkyPlotContent content = SkyViewContent(engine, request);
    ASSERT_GE(content.track.size(), 30u);
    ASSERT_EQ(content.events.size(), 3u);
    EXPECT_FALSE(content.now);
    EXPECT_TRUE(content.title.startsWith("ISS (ZARYA): next pass, 2026-08-23"));

    // The events name the pass the list would give.
    orbit::PassData pass;
    ASSERT_TRUE(orbit::PassAround(engine, request.setIndex, request.site, request.nowUtc, pass));
    EXPECT_EQ(content.events[0].text,
              "AOS " + QString::fromStdString(orbit::FormatDateTime(
                           pass.aosTime + orbit::kDayNumberToJulianDate, "hh:nn:ss")));
    EXPECT_EQ(content.events[1].elevation, pass.maxElevation);

    const int size = 400;
    const QImage image = DrawSkyPlot(content, size, SkyPlotStyle::Dark);
    auto isTrack = [&](int x, int y) {
        const QColor c = image.pixelColor(x, y);
        return c.red() > 190 && c.green() > 170 && c.blue() < 140;
    };
    int checked = 0;
    for (double t = pass.aosTime + 17 * kSecond; t < pass.losTime; t += 37 * kSecond) {
        const orbit::Observation seen = orbit::ObserveSet(engine, request.setIndex, request.site,
                                                          orbit::ComputationInstant(t, 0.0));
        ASSERT_TRUE(seen.state.ok);
        const QPointF at = SkyPlotPosition(seen.look.azimuth, seen.look.elevation, size);
        // Event marks sit on the track and cover it there.
        bool nearEvent = false;
        for (const SkyPlotMark& e : content.events) {
            nearEvent |= std::hypot(SkyPlotPosition(e.azimuth, e.elevation, size).x() - at.x(),
                                    SkyPlotPosition(e.azimuth, e.elevation, size).y() - at.y()) < 8;
        }
        if (nearEvent) {
            continue;
        }
        bool found = false;
        for (int dy = -1; dy <= 1 && !found; ++dy) {
            for (int dx = -1; dx <= 1 && !found; ++dx) {
                found = isTrack(static_cast<int>(std::lround(at.x())) + dx,
                                static_cast<int>(std::lround(at.y())) + dy);
            }
        }
        EXPECT_TRUE(found) << "no track pixel near " << at.x() << "," << at.y() << " (az "
                           << seen.look.azimuth << ", el " << seen.look.elevation << ")";
        ++checked;
    }
    EXPECT_GE(checked, 10);
}

TEST_F(IssOverMunich, DuringThePassTheWholePassIsDrawnWithTheSatelliteAndTheRotor) {
    request.nowUtc = Utc(2, 12);
    request.rotor = std::pair{190.0, 30.0};
    const SkyPlotContent content = SkyViewContent(engine, request);
    ASSERT_TRUE(content.now);
    ASSERT_TRUE(content.rotor);
    EXPECT_TRUE(content.title.startsWith("ISS (ZARYA): pass now"));
    ASSERT_FALSE(content.track.empty());
    // From the real rise, not from now.
    EXPECT_LT(content.track.front().dayNumber, request.nowUtc - 4 * 60 * kSecond);
    EXPECT_GT(content.track.back().dayNumber, request.nowUtc + 4 * 60 * kSecond);
    EXPECT_LT(content.track.front().elevation, 0.5);
    EXPECT_LT(content.track.back().elevation, 0.5);
    const QImage image = DrawSkyPlot(content, 400, SkyPlotStyle::Light);
    const QPointF sat = SkyPlotPosition(content.now->azimuth, content.now->elevation, 400);
    EXPECT_GT(image.pixelColor(sat.toPoint()).red(), 180);
    EXPECT_LT(image.pixelColor(sat.toPoint()).green(), 80);
}

// During a pass the table gives its real rise, as the plot does and as the table from before
// the pass gave it; the passes after it are the same from either instant.
TEST_F(IssOverMunich, DuringThePassTheTableGivesItsRealRise) {
    request.nowUtc = Utc(2, 12);
    const std::vector<orbit::PassRow> during =
        NextDayPasses(engine, {request.setIndex}, request.site, request.nowUtc);
    std::vector<orbit::PassRow> before =
        NextDayPasses(engine, {request.setIndex}, request.site, Utc(1, 0));
    ASSERT_GE(during.size(), 3u);
    std::erase_if(before, [&](const orbit::PassRow& row) {
        return row.pass.losTime < request.nowUtc;
    });
    ASSERT_GE(before.size(), during.size() - 1);
    const orbit::PassData& now = during.front().pass;
    EXPECT_LT(now.aosTime, request.nowUtc - 4 * 60 * kSecond);
    EXPECT_NEAR(now.aosTime, before.front().pass.aosTime, kSecond);
    EXPECT_NEAR(now.losTime, before.front().pass.losTime, kSecond);
    EXPECT_NEAR(now.aosAzimuth, before.front().pass.aosAzimuth, 0.1);
    for (size_t k = 1; k + 1 < during.size(); ++k) {
        // Searched from other instants: the same passes to the search's few seconds.
        EXPECT_NEAR(during[k].pass.aosTime, before[k].pass.aosTime, 5 * kSecond) << k;
        EXPECT_NEAR(during[k].pass.losTime, before[k].pass.losTime, 5 * kSecond) << k;
    }
    const SkyPlotContent plot = SkyViewContent(engine, request);
    ASSERT_FALSE(plot.events.empty());
    EXPECT_EQ(plot.events[0].text, "AOS " + ZoneTimeText(now.aosTime, 0.0, "hh:nn:ss"));
}

TEST(SkyViewPlace, RoundTripAndADamagedFileGivesAClosedWindow) {
    QTemporaryDir dir;
    const QString path = dir.filePath("SkyView.SQF");
    EXPECT_FALSE(ReadSkyViewPlace(path).open);  // first run
    WriteSkyViewPlace(path, {true, QPoint(120, -30)});
    const SkyViewPlace place = ReadSkyViewPlace(path);
    EXPECT_TRUE(place.open);
    EXPECT_EQ(place.position, QPoint(120, -30));
    WriteBytes(path, "+\r\nleft\r\n");
    EXPECT_TRUE(ReadSkyViewPlace(path).open);
    EXPECT_FALSE(ReadSkyViewPlace(path).position);
}

}  // namespace
}  // namespace orbivox
