// Countdown entries; priority change; preview and MA steps.
#include <gtest/gtest.h>

#include <cmath>

#include "orbit/Countdown.h"
#include "orbit/OrbitConstants.h"
#include "orbit/Preview.h"
#include "orbit/Priority.h"

namespace {

using namespace orbit;

constexpr double kNow = 17762.5;  // 12:00 of a day

// Elevation 20 sin(2π (t - rise) / 100 min): above 0 from `rise` for 50 minutes.
LookAtFunction Sky(double rise, int* calls = nullptr) {
    return [rise, calls](double t) {
        if (calls)
            ++*calls;
        LookSample s;
        s.elevation = 20.0 * std::sin(2.0 * kPi * (t - rise) / (100.0 / 1440.0));
        return s;
    };
}

TEST(Countdown, EntryFindsTheRiseOrTheSetOfTheCountdownElevation) {
    const double second = 1.0 / 86400.0;
    // Below: the time of the rise through C = 0 and the pass's top.
    const CountdownEntry rising = ComputeCountdownEntry(kNow, 15.0, 1.07, 0.0, Sky(kNow + 0.01));
    EXPECT_EQ(rising.status, CountdownStatus::Rising);
    EXPECT_LE(rising.time, kNow + 0.01);
    EXPECT_GT(rising.time, kNow + 0.01 - 2.4 * second);
    EXPECT_NEAR(rising.maxElevation, 20.0, 0.05);

    // Up: half a minute after it drops below C, with the top found on the way.
    const double rise = kNow - 10 * kOneMinute;
    const CountdownEntry up = ComputeCountdownEntry(kNow, 15.0, 1.07, 0.0, Sky(rise));
    EXPECT_EQ(up.status, CountdownStatus::Up);
    EXPECT_NEAR(up.time, rise + 50 * kOneMinute + kThirtySeconds, 2.4 * second);
    EXPECT_NEAR(up.maxElevation, 20.0, 0.01);

    // Geostationary and never rising: status "n".
    EXPECT_EQ(ComputeCountdownEntry(kNow, 1.0, 6.6, 0.0, Sky(kNow)).status, CountdownStatus::None);
    int calls = 0;
    auto below = [&](double) {
        ++calls;
        return LookSample{0.0, -5.0, true};
    };
    EXPECT_EQ(ComputeCountdownEntry(kNow, 15.0, 1.07, 0.0, below).status, CountdownStatus::None);
    EXPECT_LE(calls, 1442);
}

// A pass 3° from the zenith whose elevation falls a degree a second from its top: the
// countdown shows the top's elevation wherever it lies between the search's instants.
TEST(Countdown, TopOfASharpPassIsItsTrueMaximum) {
    const double second = 1.0 / 86400.0;
    for (const double offset : {0.0, 0.3, 0.7, 1.1, 1.6, 2.0, 13.9, 29.5}) {
        const double top = kNow + 0.01 + offset * second;
        const auto sky = [top, second](double t) {
            LookSample s;
            s.elevation = 87.0 - (std::hypot(3.0, (t - top) / second) - 3.0);
            return s;
        };
        // Rising from 20 minutes before, and up 40 s before the top.
        EXPECT_NEAR(ComputeCountdownEntry(top - 0.014, 15.5, 1.07, 0.0, sky).maxElevation, 87.0,
                    0.03)
            << offset;
        const CountdownEntry up = ComputeCountdownEntry(top - 40 * second, 15.5, 1.07, 0.0, sky);
        EXPECT_EQ(up.status, CountdownStatus::Up);
        EXPECT_NEAR(up.maxElevation, 87.0, 0.03) << offset;
    }
}

TEST(Priority, ListFollowsTheFileAndTheHighestUpSatelliteWins) {
    const auto entries =
        ParsePriorityLines({"; highest first", "P,5", "Q,1", "no comma", "p,3", "R, x"});
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].number, 5.0);
    // Names match exactly, letter case included.
    const std::vector<int> list = BuildPriorityList(entries, {"Q", "R", "P"});
    EXPECT_EQ(list, (std::vector<int>{2, 0, 1}));

    const int p = 2, q = 0;
    std::vector<PriorityCandidate> sats(3);
    sats[p].elevation = 10.0;
    sats[q].elevation = 30.0;
    EXPECT_EQ(SelectByPriority(list, sats, q, 5.0, kNow), p);
    EXPECT_EQ(SelectByPriority(list, sats, p, 5.0, kNow), std::nullopt);

    // None up: one about to rise (elevation above the rotor minimum, AOS within 15 minutes)
    // takes over unless the working one comes first in the list.
    sats[p] = {-2.0, kNow + 10 * kOneMinute};
    sats[q] = {-1.0, kNow + 60 * kOneMinute};
    EXPECT_EQ(SelectByPriority(list, sats, q, -5.0, kNow), p);
    sats[p].aosRounded = kNow + 20 * kOneMinute;
    EXPECT_EQ(SelectByPriority(list, sats, q, -5.0, kNow), std::nullopt);
    EXPECT_EQ(SelectByPriority(list, sats, p, -5.0, kNow), std::nullopt);
}

TEST(Preview, StepsAndFactor) {
    EXPECT_EQ(InitialPreviewStep(2.0).minutes, 15);
    EXPECT_EQ(InitialPreviewStep(15.0).minutes, 2);
    const PreviewStep zero{0, 0, 0};
    EXPECT_DOUBLE_EQ(StepPreview(kNow, +1, 1, zero), kNow + 2 * kOneMinute);
    EXPECT_DOUBLE_EQ(StepPreview(kNow, -1, 5, zero), kNow - 10 * kOneMinute);
    EXPECT_DOUBLE_EQ(PreviewStepDays({1, 2, 3}), 1 / 24.0 + 2 / 1440.0 + 3 / 86400.0);
}

TEST(Preview, MeanAnomalyTargetArithmetic) {
    EXPECT_EQ(MeanAnomalyJumpDays(100.0, 100.0, 14.0), 0.0);
    EXPECT_DOUBLE_EQ(*MeanAnomalyJumpDays(10.0, 250.0, 14.0), (16.0 / 256.0) / 14.0);
    EXPECT_DOUBLE_EQ(*MeanAnomalyJumpDays(250.0, 10.0, 2.0), (240.0 / 256.0) / 2.0);
    EXPECT_EQ(MeanAnomalyJumpDays(10.0, 250.0, 0.0), std::nullopt);
    EXPECT_EQ(MeanAnomalyJumpDays(10.0, 250.0, -1.0), std::nullopt);

    EXPECT_EQ(ParseMaTarget(""), 0.0);
    EXPECT_EQ(ParseMaTarget("12,5"), 12.5);
    EXPECT_EQ(ParseMaTarget("256"), 256.0);
    EXPECT_EQ(ParseMaTarget("256.1"), std::nullopt);
    EXPECT_EQ(ParseMaTarget("-1"), std::nullopt);
    EXPECT_EQ(ParseMaTarget("1x"), std::nullopt);
    EXPECT_STREQ(kInvalidMaText, "    unvalid  value!");
}

}  // namespace
