// OMM epochs, designators and catalogue numbers in their written forms.
#include <gtest/gtest.h>

#include "orbit/CatalogueNumber.h"
#include "orbit/EpochTime.h"
#include "orbit/OmmRecords.h"

namespace orbit {
namespace {

TEST(OmmEpoch, AnyFractionAndAnOptionalZoneLetterGiveTheSameEpoch) {
    const struct {
        const char* text;
        double epoch;  // YYDDD.DDDDDDDD
        int century;
    } cases[] = {
        {"2026-08-22T12:00:00", 26234.5, 2000},
        {"2026-08-22T12:00:00Z", 26234.5, 2000},
        {"2026-08-22T12:00:00.000000000000Z", 26234.5, 2000},
        {"2026-08-22T12:00:43.2", 26234.5005, 2000},
        {"2026-234T12:00:00", 26234.5, 2000},
        {"2024-12-31T00:00:00", 24366.0, 2000},  // leap year
        {"1999-01-01T06:00:00", 99001.25, 1900},
        {"2100-03-01T00:00:00", 60.0, 2100},  // no century rule: 2100 is not a leap year
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<OmmEpoch> epoch = ParseOmmEpoch(c.text);
        ASSERT_TRUE(epoch);
        EXPECT_NEAR(epoch->epoch, c.epoch, 1e-9);
        EXPECT_EQ(epoch->century, c.century);
    }
    // The whole year places the epoch whatever the clock's century is.
    EXPECT_DOUBLE_EQ(EpochToJulianDate(ParseOmmEpoch("1999-01-01T06:00:00")->epoch, 1900),
                     2451179.75);
}

TEST(OmmEpoch, TextThatIsNoDateIsRefused) {
    for (const char* text :
         {"", "2026-02-29T00:00:00", "2026-13-01T00:00:00", "2026-08-22T24:00:00",
          "2026-08-22T12:60:00", "2026-08-22 12:00:00", "2026-08-22T12:00:00.", "2026-08-22",
          "2026-08-22T12:00:00.5x", "26234.50053383", "2026-367T00:00:00", "1900-01-01T00:00:00"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParseOmmEpoch(text));
    }
}

TEST(CatalogueNumbers, FiveDigitsAlpha5AndWholeNumbers) {
    const struct {
        const char* text;
        std::optional<long long> value;
    } cases[] = {
        {"25544", 25544},         {"07530", 7530},         {"  123", 123},
        {"A0000", 100000},        {"H9999", 179999},       {"J0000", 180000},
        {"P0001", 230001},        {"Z9999", 339999},       {"100123", 100123},
        {"999999999", 999999999}, {"I0001", std::nullopt}, {"O0001", std::nullopt},
        {"a0001", std::nullopt},  {"A001", std::nullopt},  {"1234567890", std::nullopt},
        {"", std::nullopt},       {"12a45", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CatalogueNumberValue(c.text), c.value);
    }
    EXPECT_EQ(CatalogueNumberText(7530), "07530");
    EXPECT_EQ(CatalogueNumberText(100123), "100123");
    EXPECT_EQ(ShownCatalogueNumber("A0123"), "100123");
    EXPECT_EQ(DesignatorFromObjectId("1998-067A"), "98067A  ");
    EXPECT_EQ(DesignatorFromObjectId("2026-123ABC"), "26123ABC");
}

}  // namespace
}  // namespace orbit
