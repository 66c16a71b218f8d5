// The shared numeric helpers at the points where a naive version goes wrong.
#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

#include "orbit/NumericHelpers.h"
#include "orbit/OrbitConstants.h"

namespace {

using orbit::kPi;

TEST(NumericHelpers, RemainderIsNeverNegative) {
    EXPECT_DOUBLE_EQ(orbit::Remainder(7.0, 3.0), 1.0);
    EXPECT_DOUBLE_EQ(orbit::Remainder(-1.0, 3.0), 2.0);
    EXPECT_DOUBLE_EQ(orbit::ReduceAngle(-kPi / 2.0), 1.5 * kPi);
}

TEST(NumericHelpers, ArcTangentsByQuadrant) {
    struct Case {
        double s, c, quadrant, fullCircle;
    };
    const std::vector<Case> cases = {
        {1, 0, kPi / 2, kPi / 2},         {-1, 0, 1.5 * kPi, 1.5 * kPi},
        {1, 1, kPi / 4, kPi / 4},         {1, -1, 0.75 * kPi, 0.75 * kPi},
        {-1, -1, 1.25 * kPi, 1.25 * kPi}, {-1, 1, -kPi / 4, 1.75 * kPi},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(orbit::QuadrantArcTan(c.s, c.c), c.quadrant) << c.s << "," << c.c;
        EXPECT_DOUBLE_EQ(orbit::FullCircleArcTan(c.s, c.c), c.fullCircle) << c.s << "," << c.c;
    }
}

TEST(NumericHelpers, BoundedArcSinSaturates) {
    EXPECT_DOUBLE_EQ(orbit::BoundedArcSin(1.0000001), kPi / 2);
    EXPECT_DOUBLE_EQ(orbit::BoundedArcSin(-2.0), -kPi / 2);
    EXPECT_NEAR(orbit::BoundedArcSin(0.5), kPi / 6, 1e-15);
}

TEST(NumericHelpers, PowerOfNonPositiveBaseIsZeroAndSaysSoOnStandardError) {
    std::ostringstream out, err;
    std::streambuf* const oldOut = std::cout.rdbuf(out.rdbuf());
    std::streambuf* const oldErr = std::cerr.rdbuf(err.rdbuf());
    const double positive = orbit::Power(8.0, 1.0 / 3.0);
    const double zero = orbit::Power(0.0, 2.0);
    const double negative = orbit::Power(-8.0, 1.0 / 3.0);
    std::cout.rdbuf(oldOut);
    std::cerr.rdbuf(oldErr);
    EXPECT_NEAR(positive, 2.0, 1e-15);
    EXPECT_EQ(zero, 0.0);
    EXPECT_EQ(negative, 0.0);
    // Once per refused call, and nothing in a command's output.
    EXPECT_EQ(err.str(),
              "Invalid argument in Function Power!\nInvalid argument in Function Power!\n");
    EXPECT_EQ(out.str(), "");
}

}  // namespace
