#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "engine/run_error.h"
#include "engine/stepping.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

TEST(Stepping, LagStepFollowsTheExponential) {
    // The lag is exact for an input held over the step, so only float rounding remains.
    constexpr double Tolerance = 1e-5;
    TestSimulation m{Begin::RunReady};
    m.Add(1, "Step", {}, 1.0f);
    m.Add(10, "Lag", {0.5f});
    m.Connect("Step", "Lag");
    ASSERT_TRUE(m.Start(0.01));
    for (double t : {0.1, 0.5, 1.0, 2.0}) {
        SCOPED_TRACE(t);
        m.RunTo(t);
        EXPECT_NEAR(m.At("Lag").Output, 1.0 - std::exp(-t / 0.5), Tolerance);
    }
}

TEST(Stepping, IntegratorOfASineIsItsTrapezoidalSum) {
    // 1/k x the trapezoidal sum of sin(w t) over the step ends; a stored integral of about 1
    // rounds by at most 6e-8 a step, 6e-5 over 1000 steps.
    constexpr double Omega = 2.0;
    constexpr double K = 0.5;
    constexpr double Ts = 0.01;
    constexpr double RoundingBound = 6e-5;
    TestSimulation m{Begin::RunReady};
    m.Add(8, "Integrator", {static_cast<float>(K)});
    m.Add(26, "Sine", {static_cast<float>(Omega), 1.0f});
    m.Connect("Sine", "Integrator");
    ASSERT_TRUE(m.Start(Ts));
    double sum = 0.0;
    for (int n = 1; n <= 1000; ++n) {
        m.Step();
        const double previous = std::sin(Omega * Ts * (n - 1));
        const double current = std::sin(Omega * Ts * n);
        sum += 0.5 * (previous + current) * Ts / K;
        if (n % 100 == 0) {
            SCOPED_TRACE(n);
            EXPECT_NEAR(m.At("Integrator").Output, sum, RoundingBound);
            // And the rule's own error against the exact integral (1 - cos w t) / (w k):
            // at most t ts^2 max|f''| / (12 k).
            const double t = Ts * n;
            EXPECT_NEAR(m.At("Integrator").Output, (1.0 - std::cos(Omega * t)) / (Omega * K),
                        t * Ts * Ts * Omega * Omega / (12.0 * K) + RoundingBound);
        }
    }
}

/// Unit step response of A y'' + B y' + y = 1 from rest, for an underdamped A, B.
struct SecondOrder {
    double A;
    double B;
    double Zeta() const { return B / (2.0 * std::sqrt(A)); }
    double Wn() const { return 1.0 / std::sqrt(A); }
    double Wd() const { return Wn() * std::sqrt(1.0 - Zeta() * Zeta()); }
    double Y(double t) const {
        const double r = Zeta() / std::sqrt(1.0 - Zeta() * Zeta());
        return 1.0 - std::exp(-Zeta() * Wn() * t) * (std::cos(Wd() * t) + r * std::sin(Wd() * t));
    }
    double Slope(double t) const {
        return Wn() / std::sqrt(1.0 - Zeta() * Zeta()) * std::exp(-Zeta() * Wn() * t) * std::sin(Wd() * t);
    }
};

double SecondLagError(const SecondOrder& system, double ts, double stop) {
    TestSimulation m{Begin::RunReady};
    m.Add(22, "Lag2", {static_cast<float>(system.A), static_cast<float>(system.B)});
    m.Add(1, "Step", {}, 1.0f);
    m.Connect("Step", "Lag2");
    EXPECT_TRUE(m.Start(ts));
    double worst = 0.0;
    while (m.Time() < stop - ts / 2) {
        m.Step();
        worst = std::max(worst, std::fabs(m.At("Lag2").Output - system.Y(m.Time())));
    }
    return worst;
}

TEST(Stepping, SecondLagStepResponseConvergesOnTheAnalyticSolution) {
    // The step takes the H2 integrator's error at the start of the step and lets Y follow the
    // end-of-step H2. Each step thus misplaces H2 by at most ts^2 |y'| / (2B) and Y by at most
    // ts^2 |1 - y| / (2A); summed over the run with no credit for damping:
    //   |error| <= ts / 2 x integral of (|y'| / B + |1 - y| / A) dt.
    constexpr double Stop = 10.0;
    for (const SecondOrder system : {SecondOrder{1.0, 1.0}, SecondOrder{0.25, 0.4}}) {
        SCOPED_TRACE(system.A);
        double integral = 0.0;
        constexpr double Dt = 1e-4;
        for (double t = 0.0; t < Stop; t += Dt) {
            integral += (std::fabs(system.Slope(t)) / system.B + std::fabs(1.0 - system.Y(t)) / system.A) * Dt;
        }
        const double coarse = SecondLagError(system, 0.01, Stop);
        const double fine = SecondLagError(system, 0.005, Stop);
        EXPECT_LE(coarse, 0.01 / 2.0 * integral);
        EXPECT_LE(fine, 0.005 / 2.0 * integral);
        // First order: halving the step halves the error.
        EXPECT_NEAR(fine / coarse, 0.5, 0.05);
    }
}

TEST(Stepping, ControllerLoopSettlesOnItsDemand) {
    struct Row {
        const char* Name;
        float Proportional;
        float PlantGain;
    };
    // The reverse-acting row drives a plant of negative gain with a negative proportional
    // term; its integral limits must still hold the integral term inside the (absent) limits.
    for (const Row& row : {Row{"direct", 2.0f, 1.0f}, Row{"reverse", -2.0f, -1.0f}}) {
        SCOPED_TRACE(row.Name);
        TestSimulation m{Begin::RunReady};
        m.Add(36, "PID", {row.Proportional, 1.0f, 0.05f});
        m.Add(6, "Plant gain", {row.PlantGain});
        m.Add(10, "Plant", {1.0f});
        m.Add(1, "Demand", {}, 1.0f);
        m.Connect({{"Plant", "PID", 1}, {"Demand", "PID", 2}, {"PID", "Plant gain"}, {"Plant gain", "Plant"}});
        ASSERT_TRUE(m.Start(0.01, 0.0, 20.0));
        EXPECT_EQ(m.At("Plant").Output, 0.0f);
        m.RunTo(20.0);
        EXPECT_NEAR(m.At("Plant").Output, 1.0, 1e-4);
        EXPECT_NEAR(m.At("PID").Output, row.PlantGain, 1e-3);
        EXPECT_TRUE(m.Host.Messages().empty());
    }
}

TEST(Stepping, ArithmeticFaultsNameTheBlockAndLeaveTheTablesFinite) {
    /// A block feeding "Faulty"; a Gain is fed back from "Faulty" itself.
    struct Feed {
        int Code = 0;   ///< 0: unconnected
        std::vector<float> Constants;
        float InitialCondition = 0;
    };
    struct Row {
        const char* Name;
        const char* Description;
        int Code;
        std::vector<float> Constants;
        float InitialCondition;
        Feed In1;
        Feed In2;
        double TimeStep = 0.1;
        double FaultTime = 0;   ///< the start of the step that fails
        double Within = 0;
    };
    const Row rows[] = {
        // Constants that pass validation but fail when the block is prepared.
        {"DAC with equal ranges", DivisionByZeroText, 52, {8, 2, 2}, 0, {}, {}},
        {"ADC with too many bits", OverflowText, 55, {200, 0, 1}, 0, {}, {}},
        {"controller without proportional gain", DivisionByZeroText, 36, {0, 1, 1}, 1, {}, {1, {}, 1}},
        {"divide by an unconnected input", DivisionByZeroText, 18, {}, 0, {1, {}, 1}, {}},
        // sin(t + 0.5) first falls below zero in the step from t = 3 (sin 3.5 < 0).
        {"square root of a sine going negative", InvalidCallText, 28, {}, 0, {26, {1, 1}}, {}, 0.5, 3.0},
        {"logarithm of a negative zero value", InvalidCallText, 30, {-1}, 0, {}, {}},
        {"exponential beyond the float range", OverflowText, 32, {}, 0, {1, {}, 100}, {}},
        {"product beyond the float range", OverflowText, 16, {}, 0, {1, {}, 1e20f}, {1, {}, 1e20f}},
        // Trapezoidal steps of W1 = 10 on y' = 1000 y: y(n+1) = 6 y(n) + 5 y(n-1), growing
        // by 3 + sqrt(14) = 6.74 a step, so 1e38 is passed after ln(1e38) / ln(6.74) = 46 steps.
        {"integrator growing without limit", OverflowText, 8, {0.001f}, 1, {6, {1}}, {}, 0.01, 0.46, 0.02},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TestSimulation m{Begin::RunReady};
        m.Add(row.Code, "Faulty", row.Constants, row.InitialCondition);
        for (int k = 1; k <= 2; ++k) {
            const Feed& feed = k == 1 ? row.In1 : row.In2;
            if (feed.Code != 0) {
                const std::string name = "In" + std::to_string(k);
                m.Add(feed.Code, name, feed.Constants, feed.InitialCondition);
                m.Connect(name, "Faulty", k);
                if (feed.Code == 6) {
                    m.Connect("Faulty", name);
                }
            }
        }
        std::optional<RunError> fault;
        try {
            m.Start(row.TimeStep, 0.0, 10.0, false);
            m.RunTo(10.0);
        } catch (const RunError& error) {
            fault = error;
        }
        ASSERT_TRUE(fault.has_value());
        EXPECT_EQ(fault->Block, m.Find("Faulty"));
        EXPECT_STREQ(fault->what(), row.Description);
        EXPECT_NEAR(m.Time(), row.FaultTime, row.Within + 1e-6);
        EXPECT_TRUE(TablesFinite(m.Sim, m.Form));
    }
}

}  // namespace
}  // namespace quorvane
