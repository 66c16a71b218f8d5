// The one-line data display built from fixed values: narrow and wide layouts, the pass columns
// by mode, and the headers.
#include "tracking/ListLine.h"

#include <gtest/gtest.h>

#include "map/WindowSizes.h"
#include "tests/tracking/PassStates.h"

namespace orbivox {
namespace {

ListValues HighOrbitNumber() {
    ListValues v;
    v.azimuth = 123.44;
    v.elevation = 5.55;
    v.meanAnomaly = 200.1;
    v.height = 415.4;
    v.range = 1234.4;
    v.longitude = 347.7;  // shown as -12
    v.latitude = 51.6;
    v.orbitNumber = 12346;  // shown as 12345
    return v;
}

TEST(ListLine, NarrowLayoutInsertsAtColumnsEachAfterABlank) {
    // Each field goes in at its column, or after a blank behind a field that reaches it: a
    // five-digit range before the longitude, a long longitude before the latitude, an orbit
    // number before the squint at 49. The line is cut at 49 through blanks only.
    const struct {
        double range;
        double longitude;
        double orbitNumber;
        std::optional<double> squint;
        const char* line;
    } cases[] = {
        {1234.4, 347.7, 8, 12.4, "123.4      5.6   200.1 415   1234 -12 52     7  12"},
        {1234.4, 347.7, 124, 12.4, "123.4      5.6   200.1 415   1234 -12 52     123 12"},
        {1234.4, 347.7, 1235, 2.4, "123.4      5.6   200.1 415   1234 -12 52     1234 2"},
        {1234.4, 347.7, 12346, std::nullopt, "123.4      5.6   200.1 415   1234 -12 52     12345 --"},
        {10160, 336, 59916, 8, "123.4      5.6   200.1 415   10160 -24 52    59915 8"},
        {10160, 180.2, 59916, 8, "123.4      5.6   200.1 415   10160 -180 52   59915 8"},
    };
    for (const auto& c : cases) {
        ListValues v = HighOrbitNumber();
        v.range = c.range;
        v.longitude = c.longitude;
        v.orbitNumber = c.orbitNumber;
        v.squint = c.squint;
        for (const int sizeCode : {1, 2}) {
            EXPECT_EQ(FormatListFields(v, sizeCode, '.'), c.line) << c.orbitNumber;
        }
    }
}

TEST(ListLine, WideLayoutRightAlignsInFixedWidths) {
    ListValues v = HighOrbitNumber();
    EXPECT_EQ(FormatListFields(v, 3, '.'),
              " 123.4     5.6   200.1    415   1234   -12  52   12345    --");
    v.squint = -7.6;
    v.azimuth = 5;
    EXPECT_EQ(FormatListFields(v, 5, ','),
              " 5,0       5,6   200,1    415   1234   -12  52   12345    -8");
}

TEST(ListLine, PassColumnsByModeAndLayout) {
    PassColumns p;
    p.aosText = "12:34 x";
    p.losText = "12:45";
    p.maxElevation = 7.4;
    p.untilRecompute = (1 * 60 + 5) / 1440.0;
    p.untilAos = (2 * 60 + 30) / 1440.0;
    // The narrow layout's columns begin with a blank after the squint.
    EXPECT_EQ(FormatPassColumns(p, 3, 1, '.'), " 12:34 12:45");
    EXPECT_EQ(FormatPassColumns(p, 3, 3, '.'), "   12:34 12:45  07");
    p.countdownMode = true;
    EXPECT_EQ(FormatPassColumns(p, 3, 1, '.'), "       01:05");
    EXPECT_EQ(FormatPassColumns(p, -3, 1, '.'), " 02:30");
    EXPECT_EQ(FormatPassColumns(p, 0, 4, '.'), "         01:05  07");
    EXPECT_EQ(FormatPassColumns(p, -0.1, 4, '.'), "   02:30        07");
    p.geostationary = true;
    EXPECT_EQ(FormatPassColumns(p, 20, 1, '.'), " ----- -----");
    EXPECT_EQ(FormatPassColumns(p, 20, 3, '.'), "   ----- ----- --");
}

TEST(ListLine, AosLosTextJoinsTheTimesByLayout) {
    const orbit::PassData pass = test::FoundPass();
    const orbit::PassData up = test::UpPass();
    const orbit::PassData neverSets = test::NeverSettingPass();
    const orbit::PassData none = test::NoPass();
    const orbit::PassData notSearched;
    const struct {
        const orbit::PassData& pass;
        int sizeCode;
        const char* expected;
    } cases[] = {
        {pass, 1, "12:34 12:45"},
        {pass, 2, "12:34 12:45"},
        {pass, 3, "12:34  12:45"},
        {pass, 7, "12:34  12:45"},
        {up, 1, "***** 12:45"},
        {up, 5, "*****  12:45"},
        {neverSets, 1, "***** *****"},
        {neverSets, 4, "*****  *****"},
        {none, 1, "-----"},
        {none, 6, "-----"},
        {notSearched, 3, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AosLosText(c.pass, c.sizeCode), c.expected) << c.sizeCode << " " << c.expected;
    }
    // W2 on an ordinary screen is the wide layout; only a 120-dpi screen makes it narrow.
    EXPECT_EQ(AosLosText(pass, SizeCode(WindowSize::W2, false)), "12:34  12:45");
    EXPECT_EQ(AosLosText(pass, SizeCode(WindowSize::W2, true)), "12:34 12:45");

    // The narrow columns show the first six characters, the wide ones the first five.
    PassColumns columns;
    columns.aosText = AosLosText(none, 1);
    columns.losText = LosText(none);
    EXPECT_EQ(FormatPassColumns(columns, -5, 1, '.'), " ----------");
    EXPECT_EQ(FormatPassColumns(columns, -5, 3, '.'), "   ----- -----  00");
}

TEST(ListLine, HeadersByLayout) {
    EXPECT_EQ(ListHeader(2), " Azm   Elev   MA   Hght  Rge   Lon Lat   Orb Squ  Aos   Los");
    EXPECT_EQ(ListHeader(7),
              "Azimuth Elevation  MA  Height  Range   Lon Lat   Orbit  Squint  Aos   Los  MaxE");
}

}  // namespace
}  // namespace orbivox
