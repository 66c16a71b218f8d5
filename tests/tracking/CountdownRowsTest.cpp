// The countdown rows: their texts, names cut to the column, and their order.
#include <gtest/gtest.h>

#include "orbit/PassSearch.h"
#include "tracking/CountdownRows.h"

namespace orbivox {
namespace {

using orbit::CountdownEntry;
using orbit::CountdownStatus;
using orbit::kOneMinute;

constexpr double kNow = 17762.5;  // 12:00 of a day

CountdownEntry Up(double max) {
    return {kNow + 5 * kOneMinute, CountdownStatus::Up, max};
}
CountdownEntry Rising(double minutes, double max) {
    return {kNow + minutes * kOneMinute, CountdownStatus::Rising, max};
}

TEST(CountdownRows, SortedByTimesPutsTheUpOnesFirstThenTheRisingByAos) {
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

TEST(CountdownRows, LongNamesAreCutToTheColumn) {
    EXPECT_EQ(CountdownRowText(23, "GREENCUBE (IO-117)", CountdownEntry{}, kNow),
              "X GREENCUBE ( ----- --");
    EXPECT_EQ(CountdownRowText(0, "ABCDEFGHIJ", Rising(61, 5), kNow), "A ABCDEFGHIJ  01:01  05");
    EXPECT_EQ(CountdownRowText(0, "ABCDEFGHIJK", Rising(61, 5), kNow), "A ABCDEFGHIJ..01:01  05");
}

}  // namespace
}  // namespace orbivox
