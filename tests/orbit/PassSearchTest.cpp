// The pass search: AOS, LOS, culmination and flags, on made-up elevation curves where
// the true rise and set are known, and on real elements through the station view and through
// the plain functions it delegates to.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "orbit/OrbitConstants.h"
#include "orbit/PassSearch.h"
#include "orbit/StationView.h"

namespace {

using namespace orbit;

constexpr double kSecond = 1.0 / 86400.0;
constexpr double kRise = 17762.4;  // a day number

// Elevation -0.6 + amplitude * sin(2π (t - rise) / period): up from `rise` for half a period.
struct SineSky {
    double period;
    double amplitude = 20.0;
    int calls = 0;

    LookSample At(double t) {
        ++calls;
        const double phase = (t - kRise) / period;
        LookSample s;
        s.elevation = kPassHorizon + amplitude * std::sin(2.0 * kPi * phase);
        s.azimuth = std::fmod(std::fabs(phase) * 360.0, 360.0);
        return s;
    }
    LookAtFunction Function() {
        return [this](double t) { return At(t); };
    }
    double Set() const { return kRise + period / 2.0; }
};

PassRequest RequestAt(SineSky& sky, double now) {
    PassRequest request;
    request.now = now;
    request.current = sky.At(now);
    request.meanMotionRevPerDay = 15.0;
    request.semiMajorAxis = 1.07;
    return request;
}

TEST(PassSearch, SatelliteBelowTheHorizonGetsAosLosAndTop) {
    SineSky sky{100.0 / 1440.0};
    PassData pass;
    ASSERT_EQ(SearchPass(pass, RequestAt(sky, kRise - 20 * kOneMinute), sky.Function()),
              PassOutcome::Searched);
    // The last instant before each crossing, less than 1 minute / 25 early.
    EXPECT_LE(pass.aosTime, kRise);
    EXPECT_GT(pass.aosTime, kRise - 2.4 * kSecond);
    EXPECT_LE(pass.losTime, sky.Set());
    EXPECT_GT(pass.losTime, sky.Set() - 2.4 * kSecond);
    EXPECT_NEAR(pass.maxElevation, 19.4, 0.05);
    EXPECT_NEAR(pass.aosAzimuth, 0.0, 0.5);  // just after the rise
    EXPECT_NEAR(pass.losAzimuth, 180.0, 0.5);
    EXPECT_DOUBLE_EQ(pass.aosRounded, pass.aosTime + kThirtySeconds);
    EXPECT_DOUBLE_EQ(pass.recomputeAfter, pass.losTime + kThirtySeconds);
    EXPECT_EQ(pass.finding, PassFinding::Pass);
    EXPECT_FALSE(pass.alreadyUp);
    EXPECT_FALSE(pass.neverSets);
    EXPECT_TRUE(pass.downSearched);
    EXPECT_FALSE(pass.upSearched);

    // Searched once per visibility state; a reset opens it again.
    EXPECT_EQ(SearchPass(pass, RequestAt(sky, kRise - 19 * kOneMinute), sky.Function()),
              PassOutcome::NotDue);
    ResetPass(pass);
    EXPECT_EQ(pass.aosRounded, 0.0);
    EXPECT_EQ(SearchPass(pass, RequestAt(sky, kRise - 19 * kOneMinute), sky.Function()),
              PassOutcome::Searched);
}

TEST(PassSearch, SatelliteAlreadyUpStartsNowAndFindsItsTopOnTheWayDown) {
    SineSky sky{100.0 / 1440.0};
    PassData pass;
    pass.maxElevation = 80.0;  // left over from an earlier pass
    const double now = kRise + 5 * kOneMinute;
    const PassRequest request = RequestAt(sky, now);
    ASSERT_EQ(SearchPass(pass, request, sky.Function()), PassOutcome::Searched);
    EXPECT_EQ(pass.aosTime, now);
    EXPECT_EQ(pass.aosAzimuth, request.current.azimuth);
    EXPECT_TRUE(pass.alreadyUp);
    EXPECT_NEAR(pass.maxElevation, 19.4, 0.01);
    EXPECT_GT(pass.losTime, sky.Set() - 2.4 * kSecond);
    EXPECT_LE(pass.losTime, sky.Set());
    EXPECT_TRUE(pass.upSearched);
    EXPECT_EQ(SearchPass(pass, RequestAt(sky, now + kOneMinute), sky.Function()),
              PassOutcome::NotDue);
}

// A pass over the zenith: 90° less the angle from the zenith, which shrinks to `closest` at
// `top` and grows a degree a second on either side, so the top is a sharp point.
LookAtFunction ZenithSky(double top, double closest) {
    return [top, closest](double t) {
        const double away = (t - top) / kSecond;
        LookSample s;
        s.elevation = 90.0 - std::hypot(closest, away);
        s.azimuth = away < 0 ? 10.0 : 190.0;
        return s;
    };
}

// Wherever the top falls between the search's instants, rising or already up, the maximum is
// the top's elevation, found at the top's instant; the rise and set stay where the search's
// steps put them.
TEST(PassSearch, MaximumIsTheTopOfTheElevationWhereverItFallsBetweenSamples) {
    for (const double offset : {0.0, 0.3, 0.7, 1.1, 1.6, 2.0, 13.9, 29.5, 41.2}) {
        for (const double closest : {3.0, 0.4, 25.0}) {
            const double top = kRise + (90.0 + offset) * kSecond;
            const LookAtFunction sky = ZenithSky(top, closest);
            const double expected = 90.0 - closest;
            for (const double start : {kRise - 20 * kOneMinute, top - 40 * kSecond}) {
                PassRequest request;
                request.now = start;
                request.current = sky(start);
                request.meanMotionRevPerDay = 15.5;
                request.semiMajorAxis = 1.07;
                PassData pass;
                ASSERT_EQ(SearchPass(pass, request, sky), PassOutcome::Searched);
                const std::string where = std::to_string(offset) + " s, top " +
                                          std::to_string(expected) + ", up " +
                                          std::to_string(pass.alreadyUp);
                EXPECT_NEAR(pass.maxElevation, expected, 0.03) << where;
                EXPECT_NEAR(pass.maxTime, top, 0.05 * kSecond) << where;
                EXPECT_EQ(sky(pass.maxTime).elevation, pass.maxElevation) << where;
                EXPECT_LT(pass.aosTime, top);
                EXPECT_GT(pass.losTime, top);
            }
        }
    }
}

TEST(PassSearch, HighOrbitStepsAQuarterHourAndRefinesTo36Seconds) {
    EXPECT_EQ(CoarseStep(4.0), kFifteenMinutes);
    EXPECT_EQ(CoarseStep(2.9), kOneMinute);
    SineSky sky{1.0};
    PassData pass;
    PassRequest request = RequestAt(sky, kRise - 0.2);
    request.meanMotionRevPerDay = 2.13;
    request.semiMajorAxis = 4.0;
    ASSERT_EQ(SearchPass(pass, request, sky.Function()), PassOutcome::Searched);
    EXPECT_LE(pass.aosTime, kRise);
    EXPECT_GT(pass.aosTime, kRise - 36 * kSecond);
    EXPECT_GT(pass.losTime, sky.Set() - 36 * kSecond);
    EXPECT_LE(pass.losTime, sky.Set());
}

TEST(PassSearch, GeostationaryNoPassAndNeverSetting) {
    SineSky sky{100.0 / 1440.0};
    PassData pass;
    PassRequest request = RequestAt(sky, kRise - 20 * kOneMinute);
    request.meanMotionRevPerDay = 1.0027;
    sky.calls = 0;
    EXPECT_EQ(SearchPass(pass, request, sky.Function()), PassOutcome::Geostationary);
    EXPECT_TRUE(pass.geostationary);
    EXPECT_EQ(sky.calls, 0);

    // Never above the horizon within a day.
    int calls = 0;
    auto below = [&](double) {
        ++calls;
        return LookSample{90.0, -10.0, true};
    };
    PassData none;
    request.meanMotionRevPerDay = 15.0;
    request.current = {90.0, -10.0, true};
    EXPECT_EQ(SearchPass(none, request, below), PassOutcome::Searched);
    EXPECT_FALSE(none.geostationary);
    EXPECT_EQ(none.finding, PassFinding::NoPass);
    EXPECT_LE(calls, 1442);

    // Never below it: the LOS search gives up after three simulated days and shows it up.
    calls = 0;
    auto above = [&](double) {
        ++calls;
        return LookSample{10.0, 25.0, true};
    };
    PassData up;
    request.current = {10.0, 25.0, true};
    EXPECT_EQ(SearchPass(up, request, above), PassOutcome::Searched);
    EXPECT_TRUE(up.neverSets);
    EXPECT_EQ(up.finding, PassFinding::Pass);
    EXPECT_TRUE(up.alreadyUp);
    EXPECT_LE(calls, 3 * 1440 + 2);
}

TEST(PassSearch, PropagationFailureEndsTheSearchWithoutPass) {
    PassData pass;
    PassRequest request;
    request.now = kRise;
    request.current = {0.0, -20.0, true};
    request.meanMotionRevPerDay = 15.0;
    int calls = 0;
    auto failing = [&](double) {
        ++calls;
        return LookSample{0.0, 0.0, calls < 5};
    };
    EXPECT_EQ(SearchPass(pass, request, failing), PassOutcome::Searched);
    EXPECT_EQ(pass.finding, PassFinding::NoPass);
    EXPECT_EQ(calls, 5);
}

// Real elements: the search must leave the tick's state as it found it.
class StationPass : public ::testing::Test {
protected:
    void SetUp() override {
        engine.ReadElementFile(std::string(ORBIVOX_TEST_DATA) + "/elements-2026.txt");
        for (int i = 1; i <= engine.Sets().Count(); ++i) {
            if (engine.Sets()[i].name.rfind("ISS", 0) == 0)
                iss = i;
            if (engine.Sets()[i].name.rfind("ES'HAIL", 0) == 0)
                geo = i;
        }
        ASSERT_GT(iss, 0);
        ASSERT_GT(geo, 0);
        ObserverSite site;
        site.latitude = 48.15;
        site.longitude = 11.58;
        site.altitude = "520";
        site.utcOffset = "2";
        view.SetObserver(site);
        view.SetSelection({iss, geo});
        // 2026-08-23 00:00 local, UTC + 2.
        const double local =
            JulianDateFromCivil({2026, 8, 23, 0, 0, 0, 0}) - kDisplayTimeToJulianDate;
        clock.Set(local, local - 2.0 / 24.0);
        view.UpdateClock();
    }

    double ElevationAt(double dayNumber) {
        const TimeState saved = view.Time();
        view.SetTime(dayNumber);
        view.Evaluate(0);
        view.SetTime(saved.dayNumber);
        return view.Result().elevation;
    }

    FixedClock clock;
    OrbitEngine engine{2026};
    StationView view{engine, clock};
    int iss = 0;
    int geo = 0;
};

TEST_F(StationPass, FindsTheCrossingsAndRestoresTheTick) {
    int decided = -1;
    view.decidePassGeometry = [&](int position) { decided = position; };
    view.Evaluate(1);
    const TrackResult before = view.Result();
    const TimeState timeBefore = view.Time();
    ASSERT_EQ(view.ComputePass(0), PassOutcome::Searched);
    EXPECT_EQ(decided, 0);
    EXPECT_EQ(view.SetInProcess(), geo);
    EXPECT_EQ(view.Result().elevation, before.elevation);
    EXPECT_EQ(view.Result().azimuth, before.azimuth);
    EXPECT_EQ(view.Time().computationInstant, timeBefore.computationInstant);
    EXPECT_EQ(engine.Sets().Current().meanMotionRevPerDay, engine.Sets()[geo].meanMotionRevPerDay);

    const PassData& pass = view.Pass(0);
    ASSERT_EQ(pass.finding, PassFinding::Pass);
    EXPECT_LT(ElevationAt(pass.aosTime), kPassHorizon);
    EXPECT_GT(ElevationAt(pass.aosTime + 2.4 * kSecond), kPassHorizon);
    EXPECT_GT(ElevationAt(pass.losTime), kPassHorizon);
    EXPECT_LT(ElevationAt(pass.losTime + 2.4 * kSecond), kPassHorizon);
    EXPECT_GT(pass.maxElevation, 0.0);
    EXPECT_GT(pass.losTime - pass.aosTime, 2 * kOneMinute);
    EXPECT_LT(pass.losTime - pass.aosTime, 15 * kOneMinute);

    EXPECT_EQ(view.ComputePass(1), PassOutcome::Geostationary);
    EXPECT_TRUE(view.Pass(1).geostationary);
}

}  // namespace

namespace {

using namespace orbit;

TEST_F(StationPass, CountdownMaJumpAndSecondSiteLeaveTheTickAlone) {
    view.Evaluate(0);
    const TrackResult before = view.Result();

    const auto countdown = view.ComputeCountdown(0.0);
    ASSERT_EQ(countdown.entries.size(), 2u);
    EXPECT_NE(countdown.entries[0].status, CountdownStatus::None);
    EXPECT_GT(countdown.entries[0].time, countdown.now);
    EXPECT_LT(countdown.entries[0].time, countdown.now + 0.2);
    EXPECT_EQ(countdown.entries[1].status, CountdownStatus::None);  // geostationary

    const SiteReadout far = view.SecondSiteReadout(
        [] {
            ObserverSite s;
            s.latitude = -33.9;
            s.longitude = 18.4;
            return s;
        }(),
        0, '.');
    EXPECT_EQ(far.text.rfind(" Az:", 0), 0u) << far.text;
    EXPECT_NE(far.text.find("  Sq:---"), std::string::npos);
    EXPECT_EQ(view.Result().azimuth, before.azimuth);
    EXPECT_EQ(view.Site().latitude, ObserverToSite(view.Observer()).latitude);

    // The MA jump lands where the satellite shows the target mean anomaly.
    const auto target = view.JumpToMA(0, 10.0);
    ASSERT_TRUE(target);
    EXPECT_GT(*target, view.Time().dayNumber);
    EXPECT_LT(*target, view.Time().dayNumber + 1.0 / 15.0);
    view.SetTime(*target);
    view.Evaluate(0);
    EXPECT_NEAR(view.Result().meanAnomaly, 10.0, 1e-6);
}

// Without a station view: the same figures from the site, the set and the instant alone.
TEST_F(StationPass, PlainFunctionsGiveTheViewsFigures) {
    const TimeState now = view.Time();
    const double shift = view.Shifts().computation;
    ASSERT_NE(shift, 0.0);  // local time: the shift must reach the search

    const Observation seen = ObserveSet(engine, iss, view.Site(), now.computationInstant);
    ASSERT_TRUE(view.Evaluate(0));
    ASSERT_TRUE(seen.state.ok);
    EXPECT_EQ(seen.look.azimuth, view.Result().azimuth);
    EXPECT_EQ(seen.look.elevation, view.Result().elevation);
    EXPECT_EQ(seen.look.rangeRate, view.Result().rangeRate);

    const PassPrediction next = NextPass(engine, iss, view.Site(), now, shift);
    ASSERT_EQ(view.ComputePass(0), PassOutcome::Searched);
    ASSERT_EQ(next.outcome, PassOutcome::Searched);
    const PassData& pass = view.Pass(0);
    EXPECT_EQ(next.pass.aosTime, pass.aosTime);
    EXPECT_EQ(next.pass.losTime, pass.losTime);
    EXPECT_EQ(next.pass.aosAzimuth, pass.aosAzimuth);
    EXPECT_EQ(next.pass.maxElevation, pass.maxElevation);
    EXPECT_EQ(next.pass.aosRounded, pass.aosRounded);
    EXPECT_EQ(next.pass.recomputeAfter, pass.recomputeAfter);
    EXPECT_EQ(next.pass.finding, pass.finding);

    // A set that cannot be propagated has no pass, and the observation says why.
    engine.Sets()[iss].fault = ElementFault::MeanMotionNotPositive;
    EXPECT_EQ(NextPass(engine, iss, view.Site(), now, shift).outcome, PassOutcome::Unavailable);
    EXPECT_EQ(NextPass(engine, iss, view.Site(), now, shift).pass.finding, PassFinding::NoPass);
    EXPECT_EQ(ObserveSet(engine, iss, view.Site(), now.computationInstant).state.failure,
              PropagationFailure::MeanMotionNotPositive);
}

}  // namespace
