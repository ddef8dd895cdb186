#include "analysis/nice_interval.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quorvane {
namespace {

constexpr double Tolerance = 1e-12;

TEST(RoundToNiceInterval, RoundsUpToTheDecadeTable) {
    struct Case {
        double X;
        double Expected;
    };
    // 0.92 x, then the first table entry not below it within its decade.
    const Case cases[] = {
        {1, 1},           {0.27, 0.25},       {6.5, 6},        {7, 6.5},     {0.011, 0.01125},
        {10.0 / 1024, 0.009}, {1.126125 / 1024, 0.001125}, {5.5, 6},  {1000, 1000}, {3e-6, 3e-6},
        {250, 250},       {0.06, 0.06},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.X);
        EXPECT_NEAR(RoundToNiceInterval(c.X), c.Expected, c.Expected * Tolerance);
        EXPECT_NEAR(RoundToNiceInterval(c.X, 1, false), c.Expected, c.Expected * Tolerance);
        EXPECT_NEAR(RoundToNiceInterval(c.X, 2, true), c.Expected, c.Expected * Tolerance);
    }
}

TEST(RoundToNiceInterval, PowerOfTwoRefinementForDerivativeClassOne) {
    struct Case {
        double X;
        double Expected;
    };
    const Case cases[] = {
        {0.3, 0.25}, {0.1, 1.0 / 16}, {0.27, 0.25}, {1, 1}, {6.5, 6},
        {0.0004, 0.0004},   // below 1/2048: left as rounded
        {0.0006, 1.0 / 2048},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.X);
        EXPECT_NEAR(RoundToNiceInterval(c.X, 1, true), c.Expected, c.Expected * Tolerance);
    }
}

TEST(RoundToNiceInterval, DegenerateInputsStayFinitePositive) {
    for (double x : {0.0, -3.0, 1e-300, 1e300, std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(x);
        const double r = RoundToNiceInterval(x);
        EXPECT_TRUE(std::isfinite(r));
        EXPECT_GT(r, 0);
    }
}

TEST(RoundToInteger, TiesGoToEven) {
    EXPECT_EQ(RoundToInteger(2.5), 2);
    EXPECT_EQ(RoundToInteger(3.5), 4);
    EXPECT_EQ(RoundToInteger(-2.5), -2);
    EXPECT_EQ(RoundToInteger(2.6), 3);
    EXPECT_EQ(RoundToInteger(1e30), std::numeric_limits<int>::max());
}

}  // namespace
}  // namespace quorvane
