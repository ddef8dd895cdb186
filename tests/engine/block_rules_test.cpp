#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/stepping.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

constexpr double FloatTolerance = 1e-6;

TEST(BlockRules, MemorylessValues) {
    struct Row {
        const char* Name;
        int Code;
        std::vector<float> Constants;
        float InitialCondition;
        float Input1;   ///< NAN leaves the input unconnected
        float Input2;
        double Expected;
    };
    const std::vector<Row> rows = {
        {"sum with only input 2 connected", 2, {}, 0.0f, NAN, 4.0f, 4.0},
        {"sum of two", 3, {}, 0.0f, 2.0f, -0.5f, 1.5},
        {"sum of two negative zeros is a positive zero", 2, {}, 0.0f, -0.0f, -0.0f, 0.0},
        {"invert negates the sum", 4, {}, 0.0f, 3.0f, -1.0f, -2.0},
        {"gain", 7, {3.0f}, 0.0f, 0.5f, NAN, 1.5},
        {"multiply", 16, {}, 0.0f, 1.5f, -4.0f, -6.0},
        {"square root", 29, {}, 0.0f, 2.25f, NAN, 1.5},
        {"ln", 30, {1e-6f}, 0.0f, static_cast<float>(M_E), NAN, 1.0},
        {"exponential", 32, {}, 0.0f, -2.0f, NAN, std::exp(-2.0)},
        {"output terminal passes its input", 50, {}, 0.0f, 0.7f, NAN, 0.7},
        {"zero holds its IC", 0, {}, 2.5f, NAN, NAN, 2.5},
        {"divide", 18, {}, 0.0f, 3.0f, -4.0f, -0.75},
        {"ln of zero takes the zero value", 30, {1e-6f}, 0.0f, 0.0f, NAN, std::log(1e-6)},
        {"ln of a negative input too", 31, {2.0f}, 0.0f, -5.0f, NAN, std::log(2.0)},
        {"switch at equal inputs keeps IC", 34, {5.0f}, -3.0f, 2.0f, 2.0f, -3.0},
        {"switch above", 35, {5.0f}, -3.0f, 2.5f, 2.0f, 5.0},
        {"stickslip within static friction", 58, {1.0f, 0.5f}, 0.0f, 0.8f, NAN, 0.0},
        {"stickslip slipping", 58, {1.0f, 0.5f}, 0.0f, 3.0f, NAN, 2.5},
        {"stickslip slipping backwards", 59, {1.0f, 0.5f}, 0.0f, -3.0f, NAN, -2.5},
        {"driven sine", 26, {9.0f, 3.0f}, 0.0f, 0.5f, NAN, 3.0 * std::sin(0.5)},
        // 8 bits over -1..1: 128 counts per unit with zero at count 128, full scale 255.
        {"ADC at zero", 54, {8.0f, -1.0f, 1.0f}, 0.0f, 0.0f, NAN, 0.0},
        {"ADC at full scale", 54, {8.0f, -1.0f, 1.0f}, 0.0f, 1.0f, NAN, 127.0 / 128.0},
        {"ADC below range", 55, {8.0f, -1.0f, 1.0f}, 0.0f, -2.0f, NAN, -1.0},
        {"DAC truncates to the count below", 52, {8.0f, -1.0f, 1.0f}, 0.0f, 0.3f, NAN, 38.0 / 128.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TestSimulation m{Begin::RunReady};
        m.Add(row.Code, "Block", row.Constants, row.InitialCondition);
        const float inputs[] = {row.Input1, row.Input2};
        for (int k = 1; k <= 2; ++k) {
            if (!std::isnan(inputs[k - 1])) {
                const std::string name = "In" + std::to_string(k);
                m.Add(1, name, {}, inputs[k - 1]);
                m.Connect(name, "Block", k);
            }
        }
        ASSERT_TRUE(m.Start(0.1));
        EXPECT_NEAR(m.At("Block").Output, row.Expected, FloatTolerance) << "at the start";
        m.Step();
        EXPECT_NEAR(m.At("Block").Output, row.Expected, FloatTolerance) << "after a step";
        EXPECT_EQ(std::signbit(m.At("Block").Output), std::signbit(row.Expected)) << "after a step";
    }
}

TEST(BlockRules, SourcesAtTheStartAndAtTheEndOfEachStep) {
    TestSimulation m{Begin::RunReady};
    m.Add(40, "Ramp");
    m.Add(26, "Sine", {2.0f, 3.0f});
    m.Add(44, "Delta");
    m.Add(60, "Chirp", {1.0f, 3.0f, 10.0f}, 2.0f);
    m.Add(61, "Freq");
    m.Connect("Chirp", "Freq");
    m.Sim.Fft.HalfSize = 512;
    m.Sim.Fft.SampleInterval = 0.25f;
    ASSERT_TRUE(m.Start(0.1, 1.0, 10.0));
    EXPECT_NEAR(m.At("Ramp").Output, 1.0, FloatTolerance);
    EXPECT_NEAR(m.At("Sine").Output, 3.0 * std::sin(2.0), FloatTolerance);
    EXPECT_EQ(m.At("Delta").Output, 0.0f);
    EXPECT_EQ(m.At("Chirp").Output, 0.0f);
    EXPECT_NEAR(m.At("Freq").Output, 1.0 / (2.0 * M_PI), FloatTolerance);

    m.Step();   // from t = 1 to 1.1
    EXPECT_NEAR(m.At("Ramp").Output, 1.1, FloatTolerance);
    EXPECT_NEAR(m.At("Sine").Output, 3.0 * std::sin(2.2), FloatTolerance);
    // The delta pulse lasts while t < sample interval, counted from time 0: over by now.
    EXPECT_EQ(m.At("Delta").Output, 0.0f);
    // Chirp at the start of the step: w ramp = 1 + 0.2 t, output 2 sin(t (1 + 0.2 t)).
    EXPECT_NEAR(m.At("Chirp").History[1], 1.2, FloatTolerance);
    EXPECT_NEAR(m.At("Chirp").Output, 2.0 * std::sin(1.2), FloatTolerance);
    // Instantaneous frequency 1 + 2 x 0.2 t in hertz.
    EXPECT_NEAR(m.At("Freq").Output, 1.4 / (2.0 * M_PI), FloatTolerance);

    TestSimulation pulse{Begin::RunReady};
    pulse.Add(44, "Delta");
    pulse.Sim.Fft.HalfSize = 512;
    pulse.Sim.Fft.SampleInterval = 0.25f;
    ASSERT_TRUE(pulse.Start(0.1));
    for (float value : {512.0f, 512.0f, 512.0f, 0.0f}) {   // steps from t = 0, 0.1, 0.2, 0.3
        pulse.Step();
        EXPECT_EQ(pulse.At("Delta").Output, value);
    }
}

TEST(BlockRules, RampDrivenBlocks) {
    TestSimulation m{Begin::RunReady};
    m.Add(40, "Ramp");
    m.Add(38, "Delay", {0.5f}, 9.0f);
    m.Add(39, "Through", {0.0f}, 9.0f);
    m.Add(38, "Longest", {3000.0f}, -1.0f);   // 30000 steps of 0.1
    m.Add(12, "Lead", {2.0f}, 5.0f);
    m.Add(24, "Lead2", {2.0f, 3.0f}, 5.0f);
    m.Add(56, "Hyst", {10.0f, 20.0f});
    m.Add(36, "PID", {2.0f, 1.0f, 0.1f});
    for (const char* name : {"Delay", "Through", "Longest", "Lead", "Lead2", "Hyst"}) {
        m.Connect("Ramp", name);
    }
    m.Connect("Ramp", "PID", 2);   // demand = ramp, measured value unconnected
    ASSERT_TRUE(m.Start(0.1));
    for (int n = 0; n <= 140; ++n) {   // evaluation n, the initial one being 0
        SCOPED_TRACE(n);
        if (n > 0) {
            m.Step();
        }
        const double ramp = 0.1 * n;
        if (n <= 12) {
            // 0.5 s at 0.1: five evaluations of IC, then the ramp five evaluations earlier; a
            // zero delay passes the input straight through.
            EXPECT_NEAR(m.At("Delay").Output, n < 5 ? 9.0 : 0.1 * (n - 5), FloatTolerance);
            EXPECT_NEAR(m.At("Through").Output, ramp, FloatTolerance);
        }
        if (n <= 3) {
            // Slope 1: Lead gives I1 + K1, 2nd Lead I1 + B once its second difference has
            // history (the first step is still at the start time).
            EXPECT_NEAR(m.At("Lead").Output, n < 1 ? 5.0 : ramp + 2.0, 1e-5);
            EXPECT_NEAR(m.At("Lead2").Output, n < 2 ? 5.0 : ramp + 3.0, 1e-4);
            // Error 0.1 n; derivative term (0.1 n - 0.1 (n - 1)) x 0.1 / 0.1 = 0.1; integral
            // of the errors of the steps before, 0.1 x 0.1 (1 + .. + n - 1); all times 2.
            const double integral = 0.01 * n * (n - 1) / 2.0;
            EXPECT_NEAR(m.At("PID").Output, n < 1 ? 0.0 : 2.0 * (integral + ramp + 0.1), 1e-5);
        }
        // Range 10 and 20 %: half band W2 = 1. The first step starts the movement at 0.1, so
        // the output holds 0 until the ramp passes 0.1 + 2, then follows 1 behind, up to the
        // range. At 2.1 itself the float ramp sits on the edge of the band.
        if (n != 21) {
            EXPECT_NEAR(m.At("Hyst").Output, ramp < 2.1 ? 0.0 : std::min(ramp - 1.0, 10.0), 1e-5);
        }
    }
    while (m.Steps < 29999) {
        m.Step(false);
    }
    EXPECT_EQ(m.At("Longest").Output, -1.0f);
    m.Step(false);   // evaluation 30000 returns the input of the initial evaluation
    EXPECT_EQ(m.At("Longest").Output, 0.0f);
    m.Step(false);
    EXPECT_NEAR(m.At("Longest").Output, 0.1, FloatTolerance);
}

TEST(BlockRules, StateBlocksAndTheRefreshThatFollowsThem) {
    TestSimulation m{Begin::RunReady};
    m.Add(1, "One", {}, 1.0f);
    m.Add(8, "Integrator", {1.0f});
    m.Add(6, "Gain", {3.0f});
    m.Add(20, "Sat");
    m.Add(36, "PID", {2.0f, 1.0f, 0.1f}, 1.0f);
    m.Connect({{"One", "Integrator"}, {"Integrator", "Gain"}, {"Integrator", "Sat"}, {"One", "PID", 1},
               {"One", "PID", 2}});
    ASSERT_TRUE(m.Start(0.1));
    // A controller with proportional 2 starts at its initial condition when its error is 0.
    EXPECT_NEAR(m.At("PID").Output, 1.0, FloatTolerance);
    double previous = 0.0;
    for (int step = 1; step <= 5; ++step) {
        SCOPED_TRACE(step);
        m.Step(false);
        EXPECT_NEAR(m.At("Gain").Output, 3.0 * previous, FloatTolerance);
        RefreshAlgebraic(m.Sim, m.Form);
        // Trapezoidal rule with the seeded history: 0.5 (1 + 1) 0.1 a step.
        const double integral = 0.1 * step;
        EXPECT_NEAR(m.At("Integrator").Output, integral, FloatTolerance);
        EXPECT_NEAR(m.At("Gain").Output, 3.0 * integral, FloatTolerance);
        EXPECT_NEAR(m.At("Sat").Output, previous, FloatTolerance);   // one step behind
        previous = integral;
        EXPECT_NEAR(m.At("PID").Output, 1.0, FloatTolerance);
    }
}

TEST(BlockRules, LimitsAndSecondOrderStepsWorkedByHand) {
    TestSimulation m{Begin::RunReady};
    m.Add(1, "One", {}, 1.0f);
    m.Add(8, "Held", {1.0f});
    m.At("Held").SatHigh = 0.25f;
    m.Add(20, "Clip");
    m.At("Clip").SatLow = 0.0f;
    m.At("Clip").SatHigh = 5.0f;
    m.Add(1, "Seven", {}, 7.0f);
    m.Add(21, "Floor");
    m.At("Floor").SatLow = 0.0f;
    m.Add(1, "Minus two", {}, -2.0f);
    m.Add(22, "Lag2", {1.0f, 2.0f});
    m.Add(40, "Ramp");
    m.Add(15, "Slope", {2.0f}, 4.0f);
    m.Add(36, "Windup", {2.0f, 1.0f, 1.0f});
    m.At("Windup").SatHigh = 0.3f;
    m.Connect({{"One", "Held"}, {"Seven", "Clip"}, {"Minus two", "Floor"}, {"One", "Lag2"}, {"Ramp", "Slope"},
               {"One", "Windup", 2}});
    ASSERT_TRUE(m.Start(0.1));
    EXPECT_EQ(m.At("Clip").Output, 5.0f);
    EXPECT_EQ(m.At("Floor").Output, 0.0f);
    EXPECT_EQ(m.At("Slope").Output, 4.0f);   // the initial condition at the start
    // 2nd Lag A = 1, B = 2 at 0.1: W1 = 0.05, W2 = 1 - e^-0.2 = 0.181269. Step 1: H2 = 0.05,
    // Y = 0.05 W2 = 0.0090635; step 2: H2 = 0.05 + 0.05 (1 - 0.0090635) = 0.0995468,
    // Y = 0.0090635 + (0.0995468 - 0.0090635) W2 = 0.0254653.
    // Controller P 2, I 1 on a steady error of 1: the integral grows by 0.1 a step but is held at
    // 0.3 / 2 = 0.15, so its term stays within the limit of 0.3 while the output (2 + 2 x integral
    // of the steps before) does not: 2, 2.2, then 2.3 for good.
    struct Row {
        double Held;   ///< the integrator of a constant 1, held at its upper limit 0.25
        double Lag2;   ///< NAN: not checked
        double Windup;
    };
    for (const Row& row : {Row{0.1, 0.0090635, 2.0}, Row{0.2, 0.0254653, 2.2}, Row{0.25, NAN, 2.3},
                           Row{0.25, NAN, 2.3}}) {
        m.Step();
        EXPECT_NEAR(m.At("Held").Output, row.Held, FloatTolerance);
        if (!std::isnan(row.Lag2)) {
            EXPECT_NEAR(m.At("Lag2").Output, row.Lag2, FloatTolerance);
        }
        EXPECT_NEAR(m.At("Slope").Output, 2.0, 1e-5);   // k x the ramp's slope of 1
        EXPECT_NEAR(m.At("Windup").Output, row.Windup, 1e-5);
    }
}

TEST(BlockRules, LinksToOtherFormsAndPrbs) {
    TestSimulation m{Begin::RunReady};
    m.Sim.Forms[2].Blocks[4].Output = 4.5f;
    m.Add(48, "Linked", {2.0f, 1.0f, 4.0f});
    m.Add(49, "Dropped", {0.0f, 0.0f, 0.0f});
    m.Add(41, "Prbs");
    m.Add(46, "Correlator");
    m.Add(1, "Seven", {}, 7.0f);
    m.Connect("Seven", "Correlator");
    m.Sim.Prbs.PrbsSequence[0] = 1.0f;
    m.Sim.Prbs.PrbsSequence[2] = -1.0f;
    m.Sim.Prbs.PrbsIndex = 9;
    ASSERT_TRUE(m.Start(0.1));
    EXPECT_EQ(m.At("Linked").Output, 4.5f);
    EXPECT_EQ(m.At("Dropped").Output, 0.0f);
    EXPECT_EQ(m.Sim.Prbs.PrbsIndex, 0);
    EXPECT_EQ(m.At("Prbs").Output, 1.0f);
    EXPECT_EQ(m.Sim.Prbs.PrbsRecord[0], 7.0f);

    m.Sim.Prbs.PrbsIndex = 2;
    m.Sim.Prbs.PrbsState = 0;   // settling: nothing recorded
    m.Step();
    EXPECT_EQ(m.At("Prbs").Output, -1.0f);
    EXPECT_EQ(m.Sim.Prbs.PrbsRecord[2], 0.0f);
    m.Sim.Prbs.PrbsState = 1;
    m.Step();
    EXPECT_EQ(m.Sim.Prbs.PrbsRecord[2], 7.0f);
}

}  // namespace
}  // namespace quorvane
