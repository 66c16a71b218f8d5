// Locators and the mouse readout: sub-square centres, the edges of the grid, a round trip over
// every sub-square, the character rules, and the readout's position.
#include "map/Locator.h"

#include <gtest/gtest.h>

namespace orbivox {
namespace {

TEST(Locator, FourCharacterLocatorIsTheCentreOfItsLLSubSquare) {
    const LocatorPosition p = LocatorToDegrees("FN31");
    // 5*20 + 3*2 + 11/12 - 180 + 0.042 = -73.041..., carried east; 13*10 + 1 + 11/24 - 90 + 0.021
    EXPECT_NEAR(p.eastLongitude, 5 * 20 + 3 * 2 + 11 / 12.0 - 180 + 0.042 + 360, 1e-9);
    EXPECT_NEAR(p.eastLongitude, 286.959, 1e-3);
    EXPECT_NEAR(p.latitude, 41.479, 1e-3);
    EXPECT_EQ(DegreesToLocator(-73.041, 41.479), "FN31LL");
    EXPECT_EQ(DegreesToLocator(p.eastLongitude, p.latitude), "FN31LL");
    EXPECT_EQ(DegreesToLocator4(p.eastLongitude, p.latitude), "FN31");
}

TEST(Locator, DegreesToLocatorEdges) {
    struct Case {
        double longitude, latitude;
        const char* locator;
    } cases[] = {
        {180, 0, "AJ00AA"},   // 180 is 180 W
        {-180, 0, "AJ00AA"},  //
        {0, -90, "JA00AA"},   // south pole: first row
        {0, 90, "JR09AX"},    // north pole: clamped into the last row
        {179.999999, 89.999999, "RR99XX"},
        {13.41, 52.52, "JO62QM"},      // Berlin
        {-0.1275, 51.5072, "IO91WM"},  // London
        {151.21, -33.87, "QF56OD"},    // Sydney
        {360 - 73.041, 41.479, "FN31LL"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DegreesToLocator(c.longitude, c.latitude), c.locator)
            << c.longitude << " " << c.latitude;
    }
}

TEST(Locator, EverySubSquareCentreConvertsBack) {
    int checked = 0;
    for (char f1 = 'A'; f1 <= 'R'; f1 += 3) {
        for (char f2 = 'A'; f2 <= 'R'; f2 += 4) {
            for (char s = '0'; s <= '9'; s += 3) {
                for (char u = 'A'; u <= 'X'; u += 5) {
                    const std::string locator{f1, f2,
                                              s,  static_cast<char>('9' - (s - '0')),
                                              u,  static_cast<char>('X' - (u - 'A'))};
                    const LocatorPosition p = LocatorToDegrees(locator);
                    EXPECT_GE(p.eastLongitude, 0);
                    EXPECT_LT(p.eastLongitude, 360);
                    EXPECT_EQ(DegreesToLocator(p.eastLongitude, p.latitude), locator);
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 500);
}

TEST(Locator, CheckLocatorCharsPerPosition) {
    struct Case {
        const char* text;
        bool valid;
    } cases[] = {
        {"", false},       {"F", true},       {"FN", true},      {"FN3", true},
        {"FN31", true},    {"FN31L", true},   {"FN31LL", true},  {"fn31ll", true},
        {"RR99XX", true},  {"SN31LL", false}, {"FS31LL", false}, {"FNA1LL", false},
        {"FN3ALL", false}, {"FN31YL", false}, {"FN31LY", false}, {"FN31LLA", false},
        {"F-", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CheckLocatorChars(c.text), c.valid) << c.text;
    }
}

}  // namespace
}  // namespace orbivox

#include "map/LocatorReadout.h"

namespace orbivox {
namespace {

TEST(LocatorReadout, MouseOverTheMap) {
    MapGeometry g = MapGeometry::For(WindowSize::W1, Zoom::Z1);
    const LocatorReadout corner = UpdateLocatorReadout(g, {0, 0}, {600, 300});
    EXPECT_DOUBLE_EQ(corner.longitude, 180);
    EXPECT_DOUBLE_EQ(corner.latitude, 90);
    EXPECT_EQ(corner.text, " AR09 ");
    EXPECT_EQ(corner.labelAt, QPoint(0, 20));  // below the pointer near the top
    const LocatorReadout berlin = UpdateLocatorReadout(g, {321, 62}, {600, 300});
    EXPECT_EQ(berlin.text, " JO62 ");
    EXPECT_EQ(berlin.labelAt, QPoint(321, 42));
    EXPECT_EQ(UpdateLocatorReadout(g, {590, 150}, {600, 300}).labelAt, QPoint(558, 130));
    g.offsetX = 500;  // turned view: wraps at W - 1
    EXPECT_NEAR(UpdateLocatorReadout(g, {99, 150}, {600, 300}).longitude, 180, 1e-9);
}

}  // namespace
}  // namespace orbivox
