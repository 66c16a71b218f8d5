// Number, date and time patterns against hand-checked texts, the caller's decimal separator,
// and the rounding of reals to pixels.
#include "orbit/DisplayFormat.h"

#include <gtest/gtest.h>

namespace orbit {
namespace {

TEST(DisplayFormat, PatternsAgainstHandCheckedTexts) {
    const struct {
        double value;
        const char* pattern;
        const char* text;
    } cases[] = {
        {123.45, "##0.0", "123.5"},
        {-0.04, "##0.0", "0.0"},
        {-12.25, "##0.0", "-12.3"},
        {0.15, "##0.0", "0.2"},
        {5.0, "##0.0", "5.0"},
        {12345.5, "####0", "12346"},
        {-2.5, "##0", "-3"},
        {2.5, "##0", "3"},
        {7, "#00", "07"},
        {7, "00", "07"},
        {123, "00", "123"},
        {0.4, "#0", "0"},
        {1234567.8, "######0", "1234568"},
        {145.123456, "#000000.000", "000145.123"},
        {-145.1235, "#000000.000", "-000145.124"},
        {145.12345, "0000000.00", "0000145.12"},
        {145.9, "0000000.000", "0000145.900"},
        {435.0004999, "000000.000", "000435.000"},
        {436123456.5, "00000000.000", "436123456.500"},
        {435150.0, "######.##", "435150"},
        {145900.5, "######.##", "145900.5"},
        {0.5, "######.##", ".5"},
        {0.0, "######.##", ""},
        {-1.005, "########.##", "-1.01"},
        {9.995, "###0.00", "10.00"},
        {7.0, "000", "007"},
        {7.25, "000.0", "007.3"},
        {359.999, "000.00", "360.00"},
        {42.0, "0000", "0042"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatNumber(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
    }
}

TEST(DisplayFormat, DecimalSeparatorIsTheCallers) {
    EXPECT_EQ(FormatNumber(52.25, "##0.0", ','), "52,3");
    EXPECT_EQ(FormatNumber(52.35, "##0.0", ','), "52,4");
}

TEST(DisplayFormat, DateAndTimePatternsCutTheFields) {
    // 2026-12-10 13:05:59.9996 UTC rounds to 13:06:00.000; 13:05:59.4 stays 13:05:59.
    const double midnight = 2461384.5;
    const double justBeforeSix = midnight + (13 * 3600 + 5 * 60 + 59.9996) / 86400.0;
    EXPECT_EQ(FormatDateTime(justBeforeSix, "hh:nn:ss"), "13:06:00");
    const double fiftyNine = midnight + (13 * 3600 + 5 * 60 + 59.4) / 86400.0;
    EXPECT_EQ(FormatDateTime(fiftyNine, "hh:nn"), "13:05");
    EXPECT_EQ(FormatDateTime(fiftyNine, "dd.mm.yyyy"), "10.12.2026");
    EXPECT_EQ(FormatDateTime(2451544.5, "dd.mm.yyyy hh:nn:ss"), "01.01.2000 00:00:00");
    EXPECT_EQ(FormatDateTime(2451544.5 - 1e-9, "dd.mm.yyyy"), "01.01.2000");
}

TEST(DisplayFormat, RealToPixelRoundsHalvesToEven) {
    const struct {
        double value;
        int pixel;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.4999, 2}, {2.5001, 3}};
    for (const auto& c : cases) {
        EXPECT_EQ(RealToPixel(c.value), c.pixel) << c.value;
    }
}

}  // namespace
}  // namespace orbit
