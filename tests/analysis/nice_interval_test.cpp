#include "analysis/nice_interval.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace quorvane {
namespace {

constexpr double Tolerance = 1e-12;

TEST(RoundToNiceInterval, DecadeTableAndPowerOfTwoRefinement) {
    // Plain: 0.92 x, then the first table entry not below it within its decade. Refined: with
    // class 1 and the option, the largest 1/2^k (k <= 11) not above the plain result.
    struct Case { double X; double Plain; double Refined; };
    const Case cases[] = {
        {1, 1, 1},           {0.27, 0.25, 0.25},   {6.5, 6, 6},         {0.011, 0.01125, 1.0 / 128},
        {0.3, 0.3, 0.25},    {0.1, 0.1, 1.0 / 16}, {7, 6.5, 6.5},       {1000, 1000, 1000},
        {3e-6, 3e-6, 3e-6},  {0.0004, 0.0004, 0.0004},                  {0.0006, 0.0006, 1.0 / 2048},
        {3e38, 3e38, 3e38},   // near the top of the float range the decade search still reaches 1e-38
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.X);
        EXPECT_NEAR(RoundToNiceInterval(c.X), c.Plain, c.Plain * Tolerance);
        EXPECT_NEAR(RoundToNiceInterval(c.X, 1, false), c.Plain, c.Plain * Tolerance);
        EXPECT_NEAR(RoundToNiceInterval(c.X, 2, true), c.Plain, c.Plain * Tolerance);
        EXPECT_NEAR(RoundToNiceInterval(c.X, 1, true), c.Refined, c.Refined * Tolerance);
    }
}

TEST(RoundToNiceInterval, DegenerateInputsStayFinitePositive) {
    for (double x : {0.0, -3.0, 1e-300, 1e300, std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(x);
        EXPECT_TRUE(std::isfinite(RoundToNiceInterval(x)) && RoundToNiceInterval(x) > 0);
    }
}

TEST(RoundToInteger, TiesGoToEvenAndClamp) {
    EXPECT_EQ((std::vector<int>{RoundToInteger(2.5), RoundToInteger(3.5), RoundToInteger(-2.5), RoundToInteger(2.6)}),
              (std::vector<int>{2, 4, -2, 3}));
    EXPECT_EQ(RoundToInteger(1e30), std::numeric_limits<int>::max());
}

}  // namespace
}  // namespace quorvane
