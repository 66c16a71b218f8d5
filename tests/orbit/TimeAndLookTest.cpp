// Time scales, observer, look angles with refraction, sub-satellite point, MA and orbit
// number, squint and the second observer's readout.
#include <gtest/gtest.h>

#include <cmath>

#include "orbit/LookAngles.h"
#include "orbit/ProgramAngles.h"
#include "orbit/SecondSiteReadout.h"
#include "orbit/Squint.h"
#include "orbit/TimeScales.h"
#include "orbit/TrackResult.h"

namespace {

using namespace orbit;

double ClockTime(int year, int month, int day, int hour, int minute) {
    return JulianDateFromCivil({year, month, day, hour, minute, 0, 0}) - kDisplayTimeToJulianDate;
}

TEST(TimeScales, ZoneModesShowLocalOrUtcAndComputeInUtc) {
    // The PC shows 14:00 local time in a zone two hours ahead of UTC.
    const double local = ClockTime(2026, 8, 22, 14, 0);
    const FixedClock clock(local, local - 2.0 / 24.0);
    const double utcJulian = JulianDateFromCivil({2026, 8, 22, 12, 0, 0, 0});

    const TimeState l = UpdateClock(clock, ShiftsFor(2.0, ZoneMode::Local));
    EXPECT_DOUBLE_EQ(l.displayTime, local);
    EXPECT_NEAR(l.computationInstant, utcJulian, 1e-9);

    const TimeState u = UpdateClock(clock, ShiftsFor(2.0, ZoneMode::Utc));
    EXPECT_NEAR(u.displayTime, local - 2.0 / 24.0, 1e-12);
    EXPECT_NEAR(u.computationInstant, utcJulian, 1e-9);

    // The day number counts from 1978-01-01 00:00 of the display scale.
    EXPECT_NEAR(u.dayNumber + kDayNumberToJulianDate, u.displayJulianDate, 1e-9);
    const TimeState start = TimeFromClock(ClockTime(1978, 1, 1, 0, 0), TimeShifts{});
    EXPECT_NEAR(start.dayNumber, 0.0, 1e-9);
}

TEST(TimeScales, UtcOffsetTextAndZoneLetters) {
    const FixedClock clock(1000.0 + 5.5 / 24.0, 1000.0);
    EXPECT_EQ(ParseUtcOffset("auto", clock), 5.5);
    EXPECT_EQ(ParseUtcOffset(" AuTo ", clock), 5.5);
    EXPECT_EQ(ParseUtcOffset("-3.5", clock), -3.5);
    EXPECT_EQ(ParseUtcOffset("+1", clock), 1.0);
    EXPECT_EQ(ParseUtcOffset("two", clock), std::nullopt);
    EXPECT_EQ(ParseUtcOffset("", clock), std::nullopt);
    EXPECT_EQ(ParseZoneMode("L"), ZoneMode::Local);
    EXPECT_EQ(ParseZoneMode("U"), ZoneMode::Utc);
    EXPECT_EQ(ParseZoneMode("x"), std::nullopt);
}

TEST(TimeScales, SystemClockAgreesWithItsOwnZone) {
    const ClockReading now = SystemClock().Now();
    // Zones lie within -12..+14 hours, on whole quarter hours.
    const double offsetMinutes = (now.local - now.utc) * 1440.0;
    EXPECT_NEAR(offsetMinutes, std::round(offsetMinutes / 15.0) * 15.0, 1e-3);
    EXPECT_GT(now.utc, ClockTime(2024, 1, 1, 0, 0));
}

TEST(Refraction, LiftsOnlyWhereTheResultIsAtOrAboveTheHorizon) {
    struct Case {
        double geometric;
        double expected;
        double tolerance;
    };
    const Case cases[] = {
        {-0.6, -0.6, 0.0},
        {-0.5, 0.0615, 0.002},
        {0.0, 0.483, 0.002},
        {10.0, 10.090, 0.001},
        {90.0, 90.0, 1e-3},
        // Below -1 degree the formula is not used: it divides by zero at -5.11 degrees and
        // lifts deep negative elevations far above the horizon just above it.
        {-5.11, -5.11, 0.0},
        {-5.0, -5.0, 0.0},
        {-30.0, -30.0, 0.0},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(ApplyRefraction(c.geometric), c.expected, c.tolerance) << c.geometric;
    }
}

// A state `distance` km from the station along local (north, east, up) components.
PropagationResult StateSeenAs(const GeodeticSite& site, double jd, double north, double east,
                              double up) {
    const ObserverState obs = ObserverPosition(site, jd);
    const double t = obs.localSiderealTime;
    const double sp = std::sin(site.latitude), cp = std::cos(site.latitude);
    const double st = std::sin(t), ct = std::cos(t);
    PropagationResult state;
    state.ok = true;
    state.position.x = obs.position[0] + north * (-sp * ct) + east * (-st) + up * (cp * ct);
    state.position.y = obs.position[1] + north * (-sp * st) + east * ct + up * (cp * st);
    state.position.z = obs.position[2] + north * cp + up * sp;
    state.velocity = {obs.velocity[0], obs.velocity[1], obs.velocity[2], 0.0};
    return state;
}

TEST(LookAngles, AzimuthGoesFromNorthThroughEastEvenDueEastAndAtTheZenith) {
    ObserverSite observer;
    observer.latitude = 48.1;
    observer.longitude = 11.6;
    observer.altitude = "520";
    const GeodeticSite site = ObserverToSite(observer);
    const double jd = 2461274.25;
    struct Case {
        double north, east, up, azimuth, elevation;
    };
    const Case cases[] = {
        {1000, 0, 1000, 0.0, 45.017},    {0, 1000, 0, 90.0, 0.483},    {-1000, 0, 0, 180.0, 0.483},
        {0, -1000, 1000, 270.0, 45.017}, {1000, 1000, 0, 45.0, 0.483},
    };
    for (const Case& c : cases) {
        const LookAngles look =
            ComputeLookAngles(StateSeenAs(site, jd, c.north, c.east, c.up), site, jd);
        EXPECT_NEAR(look.azimuth, c.azimuth, 1e-4) << c.north << "," << c.east;
        EXPECT_NEAR(look.elevation, c.elevation, 2e-3) << c.north << "," << c.east;
        EXPECT_NEAR(look.range, std::sqrt(c.north * c.north + c.east * c.east + c.up * c.up), 1e-6);
        EXPECT_NEAR(look.rangeRate, 0.0, 1e-9);
    }
    const LookAngles zenith = ComputeLookAngles(StateSeenAs(site, jd, 0, 0, 800), site, jd);
    EXPECT_TRUE(std::isfinite(zenith.azimuth));
    EXPECT_NEAR(zenith.elevation, 90.0, 1e-3);
}

TEST(LookAngles, SubPointComesBackFromAPositionAboveAKnownPlace) {
    // The position 800 km above latitude 45 N, longitude 200 E on the ellipsoid.
    const double jd = 2461274.75;
    const double lat = ToProgramRadians(45.0), lon = ToProgramRadians(200.0);
    const double e2 = 0.006694317778266722;
    const double c = 6378.135 / std::sqrt(1.0 - e2 * std::sin(lat) * std::sin(lat));
    const double theta = GreenwichSiderealTime(jd) + lon;
    PropagationResult state;
    state.position.x = (c + 800.0) * std::cos(lat) * std::cos(theta);
    state.position.y = (c + 800.0) * std::cos(lat) * std::sin(theta);
    state.position.z = (c * (1.0 - e2) + 800.0) * std::sin(lat);
    const SubPoint point = ComputeSubPoint(state, jd);
    EXPECT_NEAR(point.latitude, 45.0, 1e-6);
    EXPECT_NEAR(point.longitude, 200.0, 1e-5);
    EXPECT_NEAR(point.height, 800.0, 1e-3);
    EXPECT_NEAR(point.centreDistance, 7178.135, 1e-3);
    EXPECT_NEAR(ShownLongitude(point.longitude), -160.0, 1e-5);

    // A broken state cannot keep the latitude iteration going.
    PropagationResult broken;
    broken.position.x = broken.position.y = broken.position.z = std::nan("");
    EXPECT_TRUE(std::isnan(ComputeSubPoint(broken, jd).latitude));
}

TEST(OrbitPhase, MeanAnomalyWrapsAtPerigeeAndOrbitNumberCountsOn) {
    ElementSet set;
    set.perigeeDayNumber = 17000.25;
    set.meanMotionRevPerDay = 14.0;
    set.epochRevolution = 1000.0 - 0.5;
    const double shift = 2.0 / 24.0;  // display scale two hours ahead of UTC
    const double atPerigee = set.perigeeDayNumber + shift;
    EXPECT_NEAR(ComputeOrbitPhase(set, atPerigee + 1e-6, shift).meanAnomaly, 0.0036, 1e-3);
    const double before = ComputeOrbitPhase(set, atPerigee - 1e-6, shift).meanAnomaly;
    EXPECT_LT(before, 256.0);
    EXPECT_GT(before, 255.99);
    const OrbitPhase later = ComputeOrbitPhase(set, atPerigee + 0.5 / 14.0, shift);
    EXPECT_NEAR(later.meanAnomaly, 128.0, 1e-6);
    EXPECT_NEAR(later.orbitNumber, 1000.0, 1e-9);
}

TEST(Squint, ReadsEntriesAndTakesBadOnesAsNoSquintData) {
    const std::vector<std::string> lines = {
        "; satellites with known attitude",
        "AO-7,v",
        "AO-40,NOW,10.5,-7.25",
        "AO-10,15011996,180,-12.5009",
        "BAD-DATE,31132026,0,0",
        "BAD-ANGLE,now,east,0",
        "SHORT,now",
        "",
    };
    const auto entries = ParseSquintLines(lines);
    ASSERT_EQ(entries.size(), 6u);
    EXPECT_EQ(entries[0].mode, SquintMode::Nadir);
    EXPECT_EQ(entries[1].mode, SquintMode::Attitude);
    EXPECT_EQ(entries[1].alon, 10.5);
    EXPECT_EQ(entries[1].alat, -7.25);
    EXPECT_EQ(entries[2].mode, SquintMode::Attitude);
    EXPECT_EQ(entries[2].alat, -12.5);  // at most six characters after the third comma
    EXPECT_EQ(entries[3].mode, SquintMode::None);
    EXPECT_EQ(entries[4].mode, SquintMode::None);
    EXPECT_EQ(entries[5].mode, SquintMode::None);
}

TEST(Squint, DayNumberFormulaCountsFrom1978) {
    EXPECT_EQ(SquintDayNumber(1, 1, 1978), 0.0);
    EXPECT_EQ(SquintDayNumber(1, 3, 1978), 59.0);
    EXPECT_EQ(SquintDayNumber(1, 1, 2000), 8035.0);
}

TEST(Squint, NadirAntennaOverheadIsZeroAndLowerIsLarger) {
    SquintAxis axis;
    axis.mode = SquintMode::Nadir;
    SquintView view;
    view.centreDistance = 6378.135 + 800.0;
    view.elevation = 90.0;
    EXPECT_NEAR(ComputeSquint(axis, view), 0.0, 1e-4);
    view.elevation = 0.0;
    EXPECT_NEAR(ComputeSquint(axis, view), 62.69, 0.01);
    EXPECT_EQ(ComputeSquint(SquintAxis{}, view), 0.0);
}

TEST(Squint, EquatorialOrbitGivesAFiniteAxis) {
    ElementSet set;
    set.name = "EQUATORIAL";
    set.epoch = 26100.5;
    set.inclinationDeg = 0.0;
    SquintEntry entry;
    entry.name = "EQUATORIAL";
    entry.mode = SquintMode::Attitude;
    entry.date = "now";
    const SquintAxis axis = PrepareSquint(set, {entry}, 17700.3);
    EXPECT_EQ(axis.mode, SquintMode::Attitude);
    EXPECT_TRUE(std::isfinite(axis.rightAscension));
    EXPECT_TRUE(std::isfinite(axis.declination));
    SquintView view;
    view.elevation = 30.0;
    view.azimuth = 200.0;
    view.observerLatitude = 48.0;
    view.centreDistance = 42164.0;
    const double squint = ComputeSquint(axis, view);
    EXPECT_GE(squint, 0.0);
    EXPECT_LE(squint, 180.0);
    // A damaged epoch (no YYDDD day to start from): no squint data rather than an overflow.
    const double goodEpoch = set.epoch;
    set.epoch = 8.0e12;
    EXPECT_EQ(PrepareSquint(set, {entry}, 17700.3).mode, SquintMode::None);
    set.epoch = goodEpoch;
    // No entry of that name: no squint data.
    set.name = "OTHER";
    EXPECT_EQ(PrepareSquint(set, {entry}, 17700.3).mode, SquintMode::None);
}

TEST(SecondSiteReadout, ShowsAzElRangeAndSquintOrDashes) {
    TrackResult result;
    result.azimuth = 123.456;
    result.elevation = -1.25;
    result.range = 2345.6;
    result.squint = 12.4;
    const SiteReadout withSquint = FormatSiteReadout(result, true, ',');
    EXPECT_EQ(withSquint.text, " Az:123,5  El:-1,3  Rge:2346  Sq:12");
    EXPECT_FALSE(withSquint.aboveHorizon);
    result.elevation = 0.0;
    const SiteReadout without = FormatSiteReadout(result, false, '.');
    EXPECT_EQ(without.text, " Az:123.5  El:0.0  Rge:2346  Sq:---");
    EXPECT_TRUE(without.aboveHorizon);
}

}  // namespace
