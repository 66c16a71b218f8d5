// The countdown window's settings file, CountDownPos.SQF.
#include <gtest/gtest.h>

#include "tracking/CountdownSettings.h"

namespace orbivox {
namespace {

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

}  // namespace
}  // namespace orbivox
