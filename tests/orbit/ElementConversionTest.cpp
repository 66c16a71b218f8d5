// Two-line conversion: the drag rule, the deep-space boundary, the epoch
// century and the flags for sets no model can run.
#include <gtest/gtest.h>

#include <cmath>

#include "orbit/ElementConversion.h"
#include "orbit/EpochTime.h"
#include "orbit/OrbitConstants.h"
#include "tests/orbit/OrbitFixtures.h"

namespace {

using namespace orbit;

orbit::ElementSet Convert(const std::string& l1, const std::string& l2,
                          orbit::ModelChoice model = orbit::ModelChoice::Sgp4, int century = 1900) {
    orbit::ElementSet s;
    s.line1 = l1;
    s.line2 = l2;
    orbit::ConvertTwoLineSet(s, {model, century});
    return s;
}

TEST(ConvertTwoLine, FieldsOfAStandardSet) {
    const orbit::ElementSet s =
        Convert("1 25544U 98067A   08264.51782528 -.00002182  00000-0 -11606-4 0  2927",
                "2 25544  51.6416 247.4627 0006703 130.5360 325.0288 15.72125391563537",
                orbit::ModelChoice::Sgp4, 2000);
    EXPECT_DOUBLE_EQ(s.epoch, 8264.51782528);
    EXPECT_NEAR(s.epochJulianDate, 2454730.01782528, 1e-8);  // 2008 September 20.5178...
    EXPECT_DOUBLE_EQ(s.meanMotionRate, -0.00002182 * orbit::kTwoPi / (1440.0 * 1440.0));
    EXPECT_NEAR(s.dragTerm, -0.11606e-4, 1e-18);
    EXPECT_DOUBLE_EQ(s.eccentricity, 0.0006703);
    EXPECT_DOUBLE_EQ(s.inclinationDeg, 51.6416);
    EXPECT_DOUBLE_EQ(s.meanMotionRevPerDay, 15.72125391);
    EXPECT_EQ(s.elementSetNumber, "292");
    EXPECT_DOUBLE_EQ(s.epochRevolution, 56352.5);
    EXPECT_EQ(s.deepSpaceFlag, 0);
    EXPECT_EQ(s.initialiseFlag, 1);
    EXPECT_EQ(s.fault, orbit::ElementFault::None);
}

// The report's own test lines: blank designator and a second rate.
TEST(ConvertTwoLine, SecondRateOfTheReportsTestSet) {
    const orbit::ElementSet s = Convert(kNearLine1, kNearLine2);
    EXPECT_NEAR(s.epochJulianDate, 2444514.48708465, 1e-8);  // 1980 October 1.987...
    EXPECT_DOUBLE_EQ(s.dragTerm, 0.66816e-4);
    EXPECT_NEAR(s.meanMotionSecondRate * 1440.0 * 1440.0 * 1440.0 / orbit::kTwoPi, 0.13844e-3,
                1e-15);
}

TEST(ConvertTwoLine, ZeroDragMantissaGetsTokenDragOnlyUnderSgp8) {
    const std::string noDrag = WithColumns(kNearLine1, 54, " 00000-0");
    EXPECT_EQ(Convert(noDrag, kNearLine2, orbit::ModelChoice::Sgp4).dragTerm, 0.0);
    EXPECT_DOUBLE_EQ(Convert(noDrag, kNearLine2, orbit::ModelChoice::Sgp8).dragTerm, 0.0001);
    // The exponent still scales the substitute.
    const std::string noDragExp = WithColumns(kNearLine1, 54, " 00000-2");
    EXPECT_DOUBLE_EQ(Convert(noDragExp, kNearLine2, orbit::ModelChoice::Sgp8).dragTerm, 1e-6);
    // A real drag term is never replaced.
    EXPECT_DOUBLE_EQ(Convert(kNearLine1, kNearLine2, orbit::ModelChoice::Sgp8).dragTerm,
                     0.66816e-4);
}

TEST(ConvertTwoLine, DeepSpaceBelowSixPointFourRevolutionsPerDay) {
    EXPECT_EQ(Convert(kDeepLine1, WithColumns(kDeepLine2, 53, " 6.40000000")).deepSpaceFlag, 0);
    EXPECT_EQ(Convert(kDeepLine1, WithColumns(kDeepLine2, 53, " 6.39999999")).deepSpaceFlag, 1);
}

TEST(ConvertTwoLine, CenturyComesFromTheClock) {
    const std::string y99 = WithColumns(kNearLine1, 19, "99001.00000000");
    EXPECT_DOUBLE_EQ(Convert(y99, kNearLine2, orbit::ModelChoice::Sgp4, 2000).epochJulianDate,
                     orbit::JulianDateOfYearStart(2099) + 1.0);
    EXPECT_DOUBLE_EQ(Convert(y99, kNearLine2, orbit::ModelChoice::Sgp4, 1900).epochJulianDate,
                     2451179.5);  // 1999 January 1 00:00
    EXPECT_EQ(orbit::CenturyOf(2025), 2000);
    EXPECT_EQ(orbit::CenturyOf(2100), 2100);
}

TEST(ConvertTwoLine, AbsurdEpochGivesAFarDateNotAnOverflow) {
    // A damaged verbose file's "80230.2962978E8" is the year 80 million.
    const double far = orbit::EpochToJulianDate(80230.2962978e8, 2000);
    EXPECT_TRUE(std::isfinite(far));
    EXPECT_GT(far, orbit::EpochToJulianDate(99365.0, 2000) + 1e10);
}

TEST(ConvertTwoLine, DayNumberCountsFrom1978) {
    // 2000 January 1 00:00 is day 8035 after 1978 January 1 00:00.
    EXPECT_DOUBLE_EQ(orbit::EpochDayNumber(1.0), 8035.0);
    EXPECT_DOUBLE_EQ(orbit::EpochDayNumber(1001.5), 8401.5);  // 2001, after leap year 2000
}

TEST(ConvertTwoLine, NonPhysicalSetsAreFlagged) {
    struct Case {
        const char* what;
        std::string line2;
        orbit::ElementFault expected;
    };
    const std::vector<Case> cases = {
        {"zero mean motion", WithColumns(kNearLine2, 53, " 0.00000000"),
         orbit::ElementFault::MeanMotionNotPositive},
        {"negative mean motion", WithColumns(kNearLine2, 53, "-1.00000000"),
         orbit::ElementFault::MeanMotionNotPositive},
        // Only 7 digits fit, so e >= 1 comes from a field that reads larger.
        {"unreadable mean motion", WithColumns(kNearLine2, 53, "16.0x824518"),
         orbit::ElementFault::MeanMotionNotPositive},
        // A re-entering object: judged per instant by where its position falls.
        {"perigee inside the earth", WithColumns(kNearLine2, 27, "9000000"),
         orbit::ElementFault::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Convert(kNearLine1, c.line2).fault, c.expected) << c.what;

    orbit::ElementSet s = Convert(kNearLine1, kNearLine2);
    orbit::ConvertVerboseSet(s, {80275.0, 72.0, 115.0, 1.2, 52.0, 110.0, 16.0, 0.0, 1.0}, {});
    EXPECT_EQ(s.fault, orbit::ElementFault::EccentricityOutOfRange);
    EXPECT_EQ(s.semiMajorAxis, 0.0);  // no infinities in the derived values
}

TEST(ConvertAllSets, ModelChangeReappliesTheDragRuleButKeepsVerboseSets) {
    orbit::SetTable table;
    table[1].line1 = WithColumns(kNearLine1, 54, " 00000-0");
    table[1].line2 = kNearLine2;
    orbit::ConvertTwoLineSet(table[1], {orbit::ModelChoice::Sgp4, 1900});
    orbit::ConvertVerboseSet(
        table[2],
        {80230.29629788, 46.7916, 230.4354, 0.7318036, 47.4722, 10.4117, 2.28537848, 0.0, 13.0},
        {orbit::ModelChoice::Sgp4, 1900});
    table.SetCount(2);
    orbit::ConvertAllSets(table, {orbit::ModelChoice::Sgp8, 1900});
    EXPECT_DOUBLE_EQ(table[1].dragTerm, 0.0001);
    EXPECT_EQ(table[2].dragTerm, 0.0);
    EXPECT_DOUBLE_EQ(table[2].inclinationDeg, 46.7916);       // not zeroed for want of lines
    EXPECT_DOUBLE_EQ(table.Current().epoch, 80230.29629788);  // set N left current
}

}  // namespace
