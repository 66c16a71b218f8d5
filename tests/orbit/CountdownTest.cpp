// Countdown entries, rows and order; settings file; priority change; preview and MA steps.
#include <gtest/gtest.h>

#include <cmath>

#include "orbit/Countdown.h"
#include "orbit/OrbitConstants.h"
#include "orbit/Preview.h"
#include "orbit/Priority.h"

namespace {

using namespace orbit;

constexpr double kNow = 17762.5;  // 12:00 of a day

CountdownEntry Up(double max) {
    return {kNow + 5 * kOneMinute, CountdownStatus::Up, max};
}
CountdownEntry Rising(double minutes, double max) {
    return {kNow + minutes * kOneMinute, CountdownStatus::Rising, max};
}

TEST(Countdown, SortedByTimesPutsTheUpOnesFirstThenTheRisingByAos) {
    const std::vector<std::string> names = {"NOAA 19", "ISS (ZARYA)", "AO-7", "SO-50", "FO-29"};
    const std::vector<CountdownEntry> entries = {Rising(40, 30), Up(45), Rising(10, 12), Up(8),
                                                 Rising(25, 60)};
    const auto rows = ShowCountdown(names, entries, kNow, false);
    ASSERT_EQ(rows.size(), 5u);
    const int expected[] = {1, 3, 2, 4, 0};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(rows[i].satellite, expected[i]) << i;
        EXPECT_EQ(rows[i].highlighted, i < 2) << i;
    }
    EXPECT_EQ(rows[0].text, "B ISS (ZARYA..00:05  45");
    EXPECT_EQ(rows[2].text, "C AO-7        00:10  12");

    // By letters: selection order, the up ones still highlighted.
    const auto byLetters = ShowCountdown(names, entries, kNow, true);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(byLetters[i].satellite, i);
    EXPECT_TRUE(byLetters[1].highlighted);
    EXPECT_FALSE(byLetters[0].highlighted);

    // One satellite without a time puts the list in letter order as well.
    std::vector<CountdownEntry> withNone = entries;
    withNone[4] = CountdownEntry{};
    const auto rowsWithNone = ShowCountdown(names, withNone, kNow, false);
    EXPECT_EQ(rowsWithNone[0].satellite, 0);
    EXPECT_EQ(rowsWithNone[4].text, "E FO-29       ----- --");
}

TEST(Countdown, LongNamesAreCutToTheColumn) {
    EXPECT_EQ(CountdownRowText(23, "GREENCUBE (IO-117)", CountdownEntry{}, kNow),
              "X GREENCUBE ( ----- --");
    EXPECT_EQ(CountdownRowText(0, "ABCDEFGHIJ", Rising(61, 5), kNow), "A ABCDEFGHIJ  01:01  05");
    EXPECT_EQ(CountdownRowText(0, "ABCDEFGHIJK", Rising(61, 5), kNow), "A ABCDEFGHIJ..01:01  05");
}

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

TEST(CountdownSettings, ReadsAndWritesItsEightLines) {
    const std::vector<std::string> lines = {"120", "-40", "+", "10.5", "-", "+", "3", "-2"};
    std::string error;
    const auto settings = ParseCountdownSettings(lines, &error);
    ASSERT_TRUE(settings) << error;
    EXPECT_EQ(settings->left, -40);
    EXPECT_TRUE(settings->openAtStart);
    EXPECT_EQ(settings->MinElevationDegrees(), 10.5);
    EXPECT_FALSE(settings->sortByLetters);
    EXPECT_EQ(settings->verticalOffset, -2);
    EXPECT_EQ(CountdownSettingsLines(*settings), lines);

    std::vector<std::string> bad = lines;
    bad[3] = "ten";
    EXPECT_FALSE(ParseCountdownSettings(bad, &error));
    EXPECT_EQ(error, "line 4: minimum elevation is not a number");
    EXPECT_FALSE(ParseCountdownSettings({"1", "2"}, &error));
    EXPECT_EQ(error, "line 3: missing");
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
