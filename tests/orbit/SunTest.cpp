// The Sun's position, the sub-solar point and the eclipse decision.
#include <gtest/gtest.h>

#include "orbit/Sun.h"

namespace {

using namespace orbit;

TEST(Sun, ReferenceInstantOfJanuary2000) {
    SunState sun;
    SetSunTimeUtc(sun, 2451545.0);
    EXPECT_EQ(sun.hour, 12);
    ComputeSun(sun);
    EXPECT_DOUBLE_EQ(sun.julianDate0h + sun.dayFraction, 2451545.0);
    EXPECT_NEAR(sun.longitude, 280.372, 0.001);
    EXPECT_NEAR(sun.declination, -23.032, 0.001);
    EXPECT_NEAR(sun.rightAscension, 281.282, 0.001);
    EXPECT_NEAR(sun.siderealTime, 280.461, 0.001);
    EXPECT_NEAR(sun.distance, 1.47103e8, 0.00001e8);
    EXPECT_NEAR(sun.subLatitude, -23.171, 0.001);
    EXPECT_NEAR(sun.subLongitude, 0.822, 0.0015);
}

TEST(Sun, TimeTakenFromTheClockOrTheDisplayScaleIsUtc) {
    // 14:30 local in a zone two hours ahead is 12:30 UTC; so is day number D of a display
    // scale in local time with A = 2 h, and the same D shown in UTC with A = 0.
    const double local =
        JulianDateFromCivil({2026, 3, 20, 14, 30, 0, 0}) - kDisplayTimeToJulianDate;
    SunState fromClock;
    SetSunTimeNow(fromClock, FixedClock(local, local - 2.0 / 24.0), 2.0);
    EXPECT_EQ(fromClock.hour, 12);
    EXPECT_EQ(fromClock.minute, 30);
    SunState fromDisplay;
    SetSunTime(fromDisplay, local - kDisplayTimeToDayNumber, 2.0 / 24.0);
    EXPECT_EQ(fromDisplay.hour, 12);
    EXPECT_EQ(fromDisplay.day, 20);
    // Near the March equinox the Sun stands over the equator.
    ComputeSun(fromDisplay);
    EXPECT_NEAR(fromDisplay.subLatitude, 0.0, 0.05);
}

TEST(Sun, DegreeHelpers) {
    EXPECT_EQ(ReduceDegrees(-360.0), 360.0);
    EXPECT_EQ(ReduceDegrees(725.0), 5.0);
    EXPECT_EQ(ReduceDegrees(-10.0), 350.0);
    EXPECT_NEAR(ArcTan2Degrees(-1.0, -1.0), 225.0, 1e-5);
    EXPECT_EQ(ArcTan2Degrees(-1.0, 0.0), 270.0);
}

TEST(Eclipse, CylindricalShadowAroundTheAntiSolarPoint) {
    SunState sun;
    sun.subLatitude = 10.0;
    sun.subLongitude = 20.0;
    // Anti-solar point: latitude -10, longitude 200 (shown -160).
    struct Case {
        double latitude, longitude;
        Illumination expected;
    };
    const Case cases[] = {
        {-10.0, 200.0, Illumination::Eclipsed},
        {20.0, 200.0, Illumination::Eclipsed},  // 30 degrees away, inside 62.69
        {60.0, 200.0, Illumination::InSun},     // 70 degrees away
        {10.0, 20.0, Illumination::InSun},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CheckEclipse(sun, c.latitude, c.longitude, 800.0), c.expected) << c.latitude;
    }
}

}  // namespace
