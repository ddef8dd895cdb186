#include "analysis/fft_sizing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/text.h"
#include "run/run_window.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

constexpr double Tolerance = 1e-6;

struct Sizing : TestSimulation {
    // A run from 0 as the driver has read it: intervals set and the time step preset to span / 10.
    Sizing(float stop, bool fft, float print = 1.0f, float graph = 0.1f) {
        SetRun(0, stop);
        Sim.Run.PrintInterval = print;
        Sim.Run.GraphInterval = graph;
        Sim.Run.FftEnabled = fft;
        Sim.Run.TimeStep = stop / 10;
    }
    void ExpectNear(double value, double expected) { EXPECT_NEAR(value, expected, expected * Tolerance); }
};

TEST(AutomaticTimeStep, SizesTheFftFromTheRunSpan) {
    struct Case { float Stop; float Print; float Graph; double Step; double Sample; int HalfSize; Strings Messages; };
    const Case cases[] = {
        // 1024 points: 10 s gives RoundToNiceInterval(10 / 1024) = 0.009 and 1111 samples (M = 512);
        // 1001 samples of 1.125 ms drop the FFT to 512 points.
        {10, 1, 0.1f, 0.009, 0.009, 512, {}},
        {1.126125f, 1, 0.1f, 0.001125, 0.001125, 256, {}},
        // 1000 s: step 0.5 (the graph interval), sample interval 0.9 aligned to 2 steps = 1, which
        // the graph interval is raised to (not the print interval); 1000 samples: 512 points.
        {1000, 10, 0.5f, 0.5, 1, 256, {"Display times have been automatically amended to allow FFT"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Stop);
        Sizing s(c.Stop, true, c.Print, c.Graph);
        ASSERT_TRUE(AutomaticTimeStep(s.Sim, 1));
        s.ExpectNear(s.Sim.Run.TimeStep, c.Step);
        s.ExpectNear(s.Sim.Fft.SampleInterval, c.Sample);
        s.ExpectNear(s.Sim.Status.MinDisplayInterval, c.Sample);
        s.ExpectNear(s.Sim.Run.GraphInterval, std::max(c.Graph, static_cast<float>(c.Sample)));
        EXPECT_EQ(s.Sim.Fft.HalfSize, c.HalfSize);
        EXPECT_EQ(s.Sim.Run.PrintInterval, c.Print);
        EXPECT_EQ(s.Host.Messages(), c.Messages);
    }
}

TEST(AutomaticTimeStep, FastestBlockAndDerivativeClassSetTheStep) {
    struct Case { const char* Name; std::vector<std::vector<float>> Blocks; double Step; int DerivativeClass; Strings Messages; };
    const Case cases[] = {
        // Blocks as code, k1, k2. Controller: class 1, lag 0.05 / 5 / 20 = 0.0005, refined to 1/2048.
        {"lag and controller", {{10, 0.05f, 0}, {36, 1, 1}}, 1.0 / 2048, 1, {}},
        // A later 2nd Lead sets class 2: 0.05 / 10 / 20 = 0.00025, no power-of-two refinement.
        {"2nd lead decides", {{10, 0.05f, 0}, {36, 1, 1}, {24, 1, 2}}, 0.00025, 2, {}},
        // Underdamped 2nd lag A = 1, B = 0: 6.28318 / 5 / 20 = 0.0628, 0.92 of it rounds to 0.06.
        {"underdamped 2nd lag", {{22, 1, 0}}, 0.06, 0, {}},
        // Sine of 100 rad/s with class 1 (Hysteresis): 0.01 / 5 / 20 = 1e-4, below 1/2048.
        {"sine with class 1", {{56, 1, 1}, {26, 100, 0}}, 1e-4, 1, {}},
        // A sine without a derivative class does not count: the preset span / 10 stays.
        {"sine alone", {{26, 100, 0}}, 0.1, 0, {}},
        {"chirp", {{60, 1, 40}}, 0.0025, 0, {}},   // 2 / K2 / 20
        // A zero time constant from a file is not a dynamic.
        {"zero lag", {{8, 0, 0}}, 0.1, 0, {}},
        {"lag too fast for the span", {{10, 1e-9f, 0}}, 5e-11, 0, {"Time step is too small compared to time interval"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Sizing s(10, false);
        for (const auto& b : c.Blocks) s.Add(static_cast<int>(b[0]), "", {b[1], b[2]});
        EXPECT_EQ(AutomaticTimeStep(s.Sim, 1), c.Messages.empty());
        s.ExpectNear(s.Sim.Run.TimeStep, c.Step);
        EXPECT_EQ(s.Sim.Fft.DerivativeClass, c.DerivativeClass);
        s.ExpectNear(s.Sim.Fft.SampleInterval, 0.1);   // without the FFT: the display interval
        EXPECT_EQ(s.Host.Messages(), c.Messages);
    }
}

TEST(AlignFftToManualStep, LengthCheckAndRaisedIntervals) {
    const Strings raised{"Display times have bee automatically amended to align with FFT"};
    struct Case { float Stop; float Step; double Sample; int HalfSize; Strings Messages; float Graph = 0.1f; float Print = 1.0f; };
    const Case cases[] = {
        {10, 0.001f, 0.009, 512, {}},   // 9 steps of 1 ms per sample
        {10, 0.004f, 0.008, 512, {}},   // 0.009 / 0.004 rounds to 2 steps
        {25.5f, 0.1f, 0.1, 0, {"FFT resolution too low with these time settings - FFT cancelled"}},   // 255 samples
        {25.6f, 0.1f, 0.1, 128, {}},    // 256 samples: a 256-point FFT
        // 1000 s: RoundToNiceInterval(1000 / 1024) = 0.9, 7.2 steps of 0.125 round to 7: 0.875.
        {1000, 0.125f, 0.875, 512, raised, 0.875f},
        {1000, 2, 2, 128, raised, 2, 2},   // the step itself, above both intervals
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Stop << " " << c.Step);
        Sizing s(c.Stop, true);
        s.Sim.Run.TimeStep = c.Step;
        s.Sim.Run.ManualTimeStep = true;
        AlignFftToManualStep(s.Sim);
        s.ExpectNear(s.Sim.Fft.SampleInterval, c.Sample);
        s.ExpectNear(s.Sim.Status.MinDisplayInterval, c.Sample);
        EXPECT_EQ(s.Sim.Run.FftEnabled, c.HalfSize > 0);
        if (c.HalfSize > 0) { EXPECT_EQ(s.Sim.Fft.HalfSize, c.HalfSize); }
        EXPECT_EQ(s.Host.Messages(), c.Messages);
        EXPECT_EQ(s.Sim.Run.GraphInterval, c.Graph);
        EXPECT_EQ(s.Sim.Run.PrintInterval, c.Print);
    }
}

TEST(TimeStepWithinLimit, AStepOfExactlyTwoMillionthsOfTheSpanPasses) {
    struct Case { float Start, Stop; const char* Step; };
    const Case cases[] = {{0, 10, "5e-6"}, {0, 1, "5e-7"}, {0, 2, "1e-6"}, {-1, 1, "1e-6"}, {0, 1000000, "0.5"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Step);
        TestSimulation t;
        t.SetRun(c.Start, c.Stop);
        // The step as typed into its box passes; the next smaller single-precision step fails.
        t.Sim.Run.TimeStep = SingleFromText(c.Step);
        EXPECT_TRUE(TimeStepWithinLimit(t.Sim));
        EXPECT_TRUE(t.Host.Messages().empty());
        t.Sim.Run.TimeStep = std::nextafter(t.Sim.Run.TimeStep, 0.0f);
        EXPECT_FALSE(TimeStepWithinLimit(t.Sim));
        EXPECT_EQ(t.Host.Messages(), Strings{"Time step is too small compared to time interval"});
    }
}

}  // namespace
}  // namespace quorvane
