// The map scene after a tracking tick with three real satellites: the tick's state left alone,
// positions and track, the switches that leave parts out, and their start values.
#include "tracking/MapRefresh.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/tracking/ThreeSatellites.h"

namespace orbivox {
namespace {

double LongitudeStep(double a, double b) {
    const double d = std::fmod(std::abs(a - b), 360.0);
    return std::min(d, 360 - d);
}

// ISS working, SO-50 and a geostationary satellite beside it, after one tick.
class MapRefreshTest : public ThreeSatellites {
protected:
    void SetUp() override {
        ThreeSatellites::SetUp();
        engine_->TrackingTick();
    }
};

TEST_F(MapRefreshTest, SceneOfARefreshTickLeavesTheTickAsItWas) {
    const orbit::TrackResult before = engine_->View().Result();
    const double instant = engine_->Time().dayNumber;
    const int inProcess = engine_->View().SetInProcess();
    const double currentEpoch = engine_->Orbit().Sets().Current().epochJulianDate;

    MapSwitches switches;
    const MapScene scene = ComposeMapScene(*engine_, switches);

    EXPECT_EQ(engine_->Time().dayNumber, instant);
    EXPECT_EQ(engine_->View().SetInProcess(), inProcess);
    EXPECT_EQ(engine_->Orbit().Sets().Current().epochJulianDate, currentEpoch);
    EXPECT_EQ(engine_->View().Result().subLongitude, before.subLongitude);

    ASSERT_TRUE(scene.working);
    EXPECT_EQ(scene.working->subPoint.longitude, engine_->Working().subLongitude);
    EXPECT_NEAR(scene.working->radiusKm, 6378.135 + engine_->Working().height, 1e-6);
    ASSERT_TRUE(scene.working->later);
    // 10 s of a low orbit: well under a degree, yet not standing still.
    const double arrowStep =
        LongitudeStep(scene.working->later->longitude, scene.working->subPoint.longitude);
    EXPECT_GT(
        arrowStep + std::abs(scene.working->later->latitude - scene.working->subPoint.latitude),
        0.01);
    EXPECT_LT(arrowStep, 1.0);

    ASSERT_TRUE(scene.subSolarPoint);
    EXPECT_NEAR(scene.subSolarPoint->latitude, 11.5, 1.0);  // late August

    ASSERT_EQ(scene.others.size(), 2u);
    EXPECT_EQ(scene.others[0].label.rfind("B:SAUDISAT 1C (SO-50)", 0), 0u);
    EXPECT_NE(scene.others[0].label.find("maxE:"), std::string::npos);
    EXPECT_EQ(scene.others[1].label, "C:ES'HAIL 2");  // geostationary: letter and name

    // One orbit of dots 2 minutes apart: a continuous line, not scattered points.
    ASSERT_GT(scene.groundTrack.size(), 40u);
    ASSERT_LT(scene.groundTrack.size(), 48u);
    for (size_t i = 1; i < scene.groundTrack.size(); ++i) {
        EXPECT_LT(LongitudeStep(scene.groundTrack[i].longitude, scene.groundTrack[i - 1].longitude),
                  12.0)
            << i;
    }
}

TEST_F(MapRefreshTest, SwitchesLeaveOutWhatIsOff) {
    engine_->Switches().sunDisplay = false;
    MapSwitches switches;
    switches.arrows = false;
    switches.multiple = false;
    switches.groundTrack = GroundTrackMode::Off;
    const MapScene scene = ComposeMapScene(*engine_, switches);
    ASSERT_TRUE(scene.working);
    EXPECT_FALSE(scene.working->later);
    EXPECT_FALSE(scene.subSolarPoint);
    EXPECT_TRUE(scene.others.empty());
    EXPECT_TRUE(scene.groundTrack.empty());

    // Members not marked for the map are left out too.
    switches.multiple = true;
    EXPECT_EQ(ComposeMapScene(*engine_, switches, {true, false, true}).others.size(), 1u);
}

// The label times are the list's "Ct"/"AL" switch, read from the engine. (Away from midnight,
// where a countdown would read like a time of day.)
TEST_F(MapRefreshTest, LabelsFollowTheEnginesCountdownSwitch) {
    clock_.Advance(0.3);
    engine_->TrackingTick();
    MapSwitches switches;
    const std::string aosLos = ComposeMapScene(*engine_, switches).others.at(0).label;
    const orbit::PassData& pass = engine_->View().Pass(1);
    const bool found = aosLos.find("s:" + AosText(pass) + " maxE:") != std::string::npos ||
                       aosLos.find("s:" + LosText(pass) + " maxE:") != std::string::npos;
    EXPECT_TRUE(found) << aosLos;
    engine_->Switches().countdownColumns = true;
    const std::string countdown = ComposeMapScene(*engine_, switches).others.at(0).label;
    EXPECT_NE(countdown, aosLos);
}

TEST(MapSwitches, StartValues) {
    EXPECT_EQ(CentringFromFlags('+', '+'), CentringMode::Observer);
    EXPECT_EQ(CentringFromFlags('+', '-'), CentringMode::GreenwichOrSecondObserver);
    EXPECT_EQ(CentringFromFlags('-', '+'), CentringMode::Satellite);
    StartValues v;
    v.windowSize = WindowSize::W4;
    v.zoom2 = true;  // W4 has no zoom
    v.physicalMap = true;
    v.groundTrack = false;
    const MapSwitches s = MapSwitchesFromStart(v);
    const MapViewSwitches view = MapViewFromStart(v);
    EXPECT_EQ(view.size, WindowSize::W4);
    EXPECT_EQ(view.zoom, Zoom::Z1);
    EXPECT_EQ(view.set, MapSet::Physical);
    EXPECT_EQ(s.groundTrack, GroundTrackMode::Off);
    EXPECT_EQ(OnMapBySlot({{"A", true}, {"B", false}}, {"B", "A"}),
              (std::vector<bool>{false, true}));
}

}  // namespace
}  // namespace orbivox
