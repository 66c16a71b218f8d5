// Propagate through the engine: epoch state, times before the epoch,
// independence of sets, model switching and sets no model can run.
#include <gtest/gtest.h>

#include <cmath>

#include "orbit/OrbitConstants.h"
#include "orbit/OrbitEngine.h"
#include "orbit/Propagator.h"
#include "orbit/SiderealTime.h"
#include "tests/orbit/OrbitFixtures.h"

namespace {

using namespace orbit;

orbit::OrbitEngine EngineWith(const std::vector<std::string>& lines,
                              orbit::ModelChoice model = orbit::ModelChoice::Sgp4) {
    orbit::OrbitEngine engine(1985, model);
    engine.ReadElementLines(lines);
    return engine;
}

std::vector<std::string> BothTestSets() {
    std::vector<std::string> lines;
    Append(lines, ThreeLineSet("NEAR", kNearLine1, kNearLine2));
    Append(lines, ThreeLineSet("DEEP", kDeepLine1, kDeepLine2));
    // A 12-hour orbit of e > 0.5 runs the resonance integrator, whose state is
    // the likeliest to leak from one set into the next.
    Append(lines,
           ThreeLineSet("MOLNIYA",
                        "1 08195U 75081A   06176.33215444  .00000099  00000-0  11873-3 0   813",
                        "2 08195  64.1586 279.0717 6877146 264.7651  20.2257  2.00491383225656"));
    return lines;
}

bool SameState(const orbit::PropagationResult& a, const orbit::PropagationResult& b) {
    return a.ok && b.ok && a.position.x == b.position.x && a.position.y == b.position.y &&
           a.position.z == b.position.z && a.velocity.x == b.velocity.x &&
           a.velocity.y == b.velocity.y && a.velocity.z == b.velocity.z;
}

TEST(Propagate, JulianDateAndMinutesAgree) {
    for (const auto model : {orbit::ModelChoice::Sgp4, orbit::ModelChoice::Sgp8}) {
        orbit::OrbitEngine engine = EngineWith(BothTestSets(), model);
        for (int i = 1; i <= 3; ++i) {
            engine.SelectCurrentSet(i);
            const double epoch = engine.Sets()[i].epochJulianDate;
            const auto atEpoch = engine.Propagate(epoch);
            EXPECT_TRUE(atEpoch.ok);
            EXPECT_EQ(atEpoch.tsince, 0.0);
            EXPECT_TRUE(SameState(atEpoch, engine.PropagateMinutes(0.0)));
            const auto before = engine.Propagate(epoch - 0.5);
            EXPECT_NEAR(before.tsince, -720.0, 1e-6);
            EXPECT_TRUE(before.ok);
            EXPECT_NEAR(before.position.magnitude,
                        std::sqrt(before.position.x * before.position.x +
                                  before.position.y * before.position.y +
                                  before.position.z * before.position.z),
                        1e-9);
        }
    }
}

TEST(Propagate, NegativeTimeIsContinuousThroughTheEpoch) {
    for (const auto model : {orbit::ModelChoice::Sgp4, orbit::ModelChoice::Sgp8}) {
        orbit::OrbitEngine engine = EngineWith(BothTestSets(), model);
        for (int i = 1; i <= 3; ++i) {
            engine.SelectCurrentSet(i);
            const auto before = engine.PropagateMinutes(-0.01);
            const auto after = engine.PropagateMinutes(0.01);
            ASSERT_TRUE(before.ok && after.ok);
            // 1.2 s apart at under 11 km/s.
            EXPECT_LT(std::hypot(after.position.x - before.position.x,
                                 after.position.y - before.position.y,
                                 after.position.z - before.position.z),
                      13.0);
        }
    }
}

TEST(Propagate, SelectingASetAgainReproducesItExactly) {
    for (const auto model : {orbit::ModelChoice::Sgp4, orbit::ModelChoice::Sgp8}) {
        orbit::OrbitEngine engine = EngineWith(BothTestSets(), model);
        for (const auto& [a, b] : {std::pair{2, 1}, std::pair{3, 2}, std::pair{1, 3}}) {
            engine.SelectCurrentSet(a);
            const auto first = engine.PropagateMinutes(10000.0);
            engine.PropagateMinutes(-5000.0);  // moves the integrator backwards
            engine.SelectCurrentSet(b);
            engine.PropagateMinutes(3000.0);
            engine.SelectCurrentSet(a);
            EXPECT_TRUE(SameState(first, engine.PropagateMinutes(10000.0))) << a << " after " << b;
        }
    }
}

// Conversion works out what depends on a set's elements alone (the recovered mean motion, the
// epoch's sidereal time and lunar geometry) for the models to reuse. The models must give the
// same state as when they work it out themselves, and must not use it for other elements or
// another century.
TEST(Propagate, WhatConversionWorksOutAheadServesOnlyTheElementsItCameFrom) {
    const auto fresh = [](orbit::CurrentSet set) {
        set.recovered = orbit::RecoveredMotionCache{};
        set.deepEpoch = orbit::DeepEpochTerms{};
        return set;
    };
    const auto run = [](int century, orbit::ModelChoice model, orbit::CurrentSet set) {
        orbit::Propagator propagator(century);
        set.initialiseFlag = 1;
        return propagator.PropagateMinutes(set, model, 1500.0);
    };
    for (const auto model : {orbit::ModelChoice::Sgp4, orbit::ModelChoice::Sgp8}) {
        orbit::OrbitEngine engine = EngineWith(BothTestSets(), model);
        for (int index = 1; index <= 3; ++index) {
            engine.SelectCurrentSet(index);
            const orbit::CurrentSet kept = engine.Sets().Current();
            ASSERT_TRUE(kept.recovered.made) << index;
            EXPECT_TRUE(SameState(run(1900, model, kept), run(1900, model, fresh(kept)))) << index;
            // Another century puts a two-digit epoch year elsewhere.
            EXPECT_TRUE(SameState(run(2000, model, kept), run(2000, model, fresh(kept)))) << index;

            orbit::CurrentSet changed = kept;
            changed.meanMotion *= 1.001;
            changed.inclination += 0.01;
            changed.eccentricity *= 0.99;
            changed.epoch += 1.0;
            EXPECT_TRUE(SameState(run(1900, model, changed), run(1900, model, fresh(changed))))
                << index;
            EXPECT_FALSE(SameState(run(1900, model, changed), run(1900, model, kept))) << index;
        }
    }
}

TEST(Propagate, ModelChangeTakesEffectOnTheNextCall) {
    orbit::OrbitEngine engine = EngineWith(BothTestSets());
    engine.SelectCurrentSet(1);
    const auto sgp4 = engine.PropagateMinutes(1440.0);
    engine.SetModel(orbit::ModelChoice::Sgp8);
    engine.SelectCurrentSet(1);
    const auto sgp8 = engine.PropagateMinutes(1440.0);
    ASSERT_TRUE(sgp4.ok && sgp8.ok);
    // The published tables put the two models about 3.4 km apart here.
    const double apart =
        std::hypot(sgp8.position.x - sgp4.position.x, sgp8.position.y - sgp4.position.y,
                   sgp8.position.z - sgp4.position.z);
    EXPECT_GT(apart, 1.0);
    EXPECT_LT(apart, 10.0);
}

TEST(Propagate, SetsNoModelCanRunReportWhyInsteadOfNaN) {
    std::vector<std::string> lines;
    Append(lines, ThreeLineSet("STOPPED", kNearLine1, WithColumns(kNearLine2, 53, " 0.00000000")));
    // Heavy drag: the orbit comes down within days.
    Append(lines, ThreeLineSet("FALLING", WithColumns(kNearLine1, 54, " 50000-1"), kNearLine2));
    for (const auto model : {orbit::ModelChoice::Sgp4, orbit::ModelChoice::Sgp8}) {
        orbit::OrbitEngine engine = EngineWith(lines, model);
        engine.SelectCurrentSet(1);
        const auto stopped = engine.PropagateMinutes(0.0);
        EXPECT_FALSE(stopped.ok);
        EXPECT_EQ(stopped.failure, orbit::PropagationFailure::MeanMotionNotPositive);

        engine.SelectCurrentSet(2);
        EXPECT_TRUE(engine.PropagateMinutes(0.0).ok);
        const auto later = engine.PropagateMinutes(30.0 * 1440.0);
        EXPECT_FALSE(later.ok);
        EXPECT_TRUE(later.failure == orbit::PropagationFailure::Decayed ||
                    later.failure == orbit::PropagationFailure::EccentricityOutOfRange)
            << orbit::FailureReason(later.failure);
        EXPECT_EQ(engine.PropagateMinutes(NAN).failure, orbit::PropagationFailure::TimeOutOfRange);
    }
}

// Orbits in the equator, either way round, are legal sets: sin i, 1 + cos i and cos(i/2) must
// not turn them into NaN, and the result must join on to that of the sets just beside them.
TEST(Propagate, EquatorialOrbitsJoinOnToTheirNeighbours) {
    struct Case {
        const char* exact;
        const char* beside;
    };
    const std::vector<Case> inclinations = {{"  0.0000", "  0.0001"}, {"180.0000", "179.9999"}};
    const std::vector<std::pair<const char*, std::pair<std::string, std::string>>> sets = {
        {"near-earth", {kNearLine1, kNearLine2}}, {"deep-space", {kDeepLine1, kDeepLine2}}};
    for (const auto model : {orbit::ModelChoice::Sgp4, orbit::ModelChoice::Sgp8}) {
        for (const auto& [kind, lines] : sets) {
            for (const Case& c : inclinations) {
                std::vector<std::string> file;
                Append(file,
                       ThreeLineSet("EXACT", lines.first, WithColumns(lines.second, 9, c.exact)));
                Append(file,
                       ThreeLineSet("BESIDE", lines.first, WithColumns(lines.second, 9, c.beside)));
                orbit::OrbitEngine engine = EngineWith(file, model);
                for (const double tsince : {0.0, 360.0, 1440.0, 10000.0}) {
                    engine.SelectCurrentSet(1);
                    const auto exact = engine.PropagateMinutes(tsince);
                    engine.SelectCurrentSet(2);
                    const auto beside = engine.PropagateMinutes(tsince);
                    const std::string what = std::string(kind) + " i=" + c.exact + " model " +
                                             (model == orbit::ModelChoice::Sgp4 ? "4" : "8") +
                                             " t=" + std::to_string(tsince);
                    ASSERT_TRUE(exact.ok) << what << ": " << orbit::FailureReason(exact.failure);
                    ASSERT_TRUE(beside.ok) << what;
                    // 0.0001 degree of tilt is under 0.1 km even at the deep set's apogee.
                    EXPECT_LT(std::hypot(exact.position.x - beside.position.x,
                                         exact.position.y - beside.position.y,
                                         exact.position.z - beside.position.z),
                              0.1)
                        << what;
                    EXPECT_LT(std::hypot(exact.velocity.x - beside.velocity.x,
                                         exact.velocity.y - beside.velocity.y,
                                         exact.velocity.z - beside.velocity.z),
                              1e-4)
                        << what;
                }
            }
        }
    }
}

TEST(SiderealTimeAtEpoch, J2000) {
    // 2000 January 1 12:00 UT: GMST 280.46061837 degrees.
    const orbit::EpochSiderealTime s = orbit::SiderealTimeAtEpoch(1.5, 2000);
    EXPECT_NEAR(s.theta * 180.0 / orbit::kPi, 280.46061837, 1e-7);
    EXPECT_DOUBLE_EQ(s.ds50, 2451545.0 - 2433281.5);
}

}  // namespace
