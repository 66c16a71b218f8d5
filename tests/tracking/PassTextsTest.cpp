// The AOS and LOS texts formed from what the pass search found, and the "hh:nn" of instants
// and spans.
#include "tracking/PassTexts.h"

#include <gtest/gtest.h>

#include "tests/tracking/PassStates.h"

namespace orbivox {
namespace {

TEST(PassTexts, AosAndLosByWhatTheSearchFound) {
    const struct {
        const char* what;
        orbit::PassData pass;
        const char* aos;
        const char* los;
    } cases[] = {
        // The LOS text is half a minute after the LOS instant, as the AOS text is.
        {"pass", test::FoundPass(), "12:34", "12:45"},
        {"up at the start", test::UpPass(), "*****", "12:45"},
        {"never sets", test::NeverSettingPass(), "*****", "*****"},
        {"rises, never sets", test::PassState(orbit::PassFinding::Pass, false, true), "12:34",
         "*****"},
        // No pass outweighs whatever an earlier search left in the flags.
        {"no pass", test::PassState(orbit::PassFinding::NoPass, true, true), "-----", "-----"},
        {"not searched", orbit::PassData{}, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AosText(c.pass), c.aos) << c.what;
        EXPECT_EQ(LosText(c.pass), c.los) << c.what;
    }
}

TEST(PassTexts, TimesOfDayAndSpansCutToTheMinute) {
    EXPECT_EQ(TimeOfDayText(test::kPassDay + (23 * 60 + 59.99) / 1440.0), "23:59");
    EXPECT_EQ(TimeOfDayText(test::kPassDay + 1.0), "00:00");
    EXPECT_EQ(DurationText((61 + 59.0 / 60.0) / 1440.0), "01:01");
}

}  // namespace
}  // namespace orbivox
