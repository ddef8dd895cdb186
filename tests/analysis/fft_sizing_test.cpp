#include "analysis/fft_sizing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/analysis_support.h"
#include "engine/run_window.h"

namespace quorvane {
namespace {

constexpr double Tolerance = 1e-6;

struct Sizing : TestSimulation {
    RunWindow Window;

    // A run as the driver has read it: intervals set and the time step preset to span / 10.
    void Prepare(float start, float stop, bool fft, float print = 1.0f, float graph = 0.1f) {
        Sim.Run.StartTime = start;
        Sim.Run.StopTime = stop;
        Sim.Status.StopTimeEntered = stop;
        Sim.Run.PrintInterval = print;
        Sim.Run.GraphInterval = graph;
        Sim.Run.FftEnabled = fft;
        Window.Check4 = fft;
        Sim.Run.TimeStep = (stop - start) / 10;
    }
};

TEST(AutomaticTimeStep, SizesTheFftFromTheRunSpan) {
    struct Case {
        float Stop;
        double Step;
        double SampleInterval;
        int HalfSize;
    };
    // 1024 points: 10 s gives RoundToNiceInterval(10 / 1024) = 0.009 and 1111 samples (M = 512);
    // 1001 * 1.125 ms gives 1001 samples of 1.125 ms, so the FFT drops to 512 points.
    const Case cases[] = {{10.0f, 0.009, 0.009, 512}, {1.126125f, 0.001125, 0.001125, 256}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Stop);
        Sizing s;
        s.Prepare(0, c.Stop, true);
        ASSERT_TRUE(AutomaticTimeStep(s.Sim, 1, s.Window));
        EXPECT_NEAR(s.Sim.Run.TimeStep, c.Step, c.Step * Tolerance);
        EXPECT_NEAR(s.Sim.Fft.SampleInterval, c.SampleInterval, c.SampleInterval * Tolerance);
        EXPECT_NEAR(s.Sim.Status.MinDisplayInterval, c.SampleInterval, c.SampleInterval * Tolerance);
        EXPECT_EQ(s.Sim.Fft.HalfSize, c.HalfSize);
        EXPECT_EQ(s.Sim.Fft.TargetSize, 1024);
        EXPECT_TRUE(s.Host.Messages().empty());
        EXPECT_TRUE(s.Sim.Run.FftEnabled);
    }
}

TEST(AutomaticTimeStep, FastestBlockAndDerivativeClassSetTheStep) {
    struct Case {
        const char* Name;
        std::vector<std::vector<float>> Blocks;   // code, k1, k2
        double Step;
        int DerivativeClass;
    };
    const Case cases[] = {
        {"no blocks", {}, 0.1, 0},
        // Lag of 0.05: 0.05 / 20 = 0.0025.
        {"lag", {{10, 0.05f, 0}}, 0.0025, 0},
        // Controller: class 1, 0.05 / 5 / 20 = 0.0005, refined to 1/2048.
        {"lag and controller", {{10, 0.05f, 0}, {36, 1, 1}}, 1.0 / 2048, 1},
        // A later 2nd Lead sets class 2: 0.05 / 10 / 20 = 0.00025, no power-of-two refinement.
        {"2nd lead decides", {{10, 0.05f, 0}, {36, 1, 1}, {24, 1, 2}}, 0.00025, 2},
        // Underdamped 2nd lag A = 1, B = 0: 6.28318 / 5 / 20 = 0.0628, 0.92 of it rounds to 0.06.
        {"underdamped 2nd lag", {{22, 1, 0}}, 0.06, 0},
        // Sine of 100 rad/s with class 1 (Hysteresis): 0.01 / 5 / 20 = 1e-4, below 1/2048 so
        // left as rounded.
        {"sine with class 1", {{56, 1, 1}, {26, 100, 0}}, 1e-4, 1},
        // A sine without a derivative class does not count.
        {"sine alone", {{26, 100, 0}}, 0.1, 0},
        // Chirp 2 / K2: 2 / 40 / 20 = 0.0025.
        {"chirp", {{60, 1, 40}}, 0.0025, 0},
        // A zero time constant from a file is not a dynamic.
        {"zero lag", {{8, 0, 0}}, 0.1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Sizing s;
        for (const auto& b : c.Blocks) s.AddBlock(static_cast<int>(b[0]), b[1], b[2]);
        s.Prepare(0, 10, false);
        ASSERT_TRUE(AutomaticTimeStep(s.Sim, 1, s.Window));
        EXPECT_NEAR(s.Sim.Run.TimeStep, c.Step, c.Step * Tolerance);
        EXPECT_EQ(s.Sim.Fft.DerivativeClass, c.DerivativeClass);
        // Without the FFT the sample interval follows the display interval.
        EXPECT_NEAR(s.Sim.Fft.SampleInterval, 0.1, 0.1 * Tolerance);
        EXPECT_TRUE(s.Host.Messages().empty());
    }
}

TEST(AutomaticTimeStep, DisplayIntervalsRaisedToTheSampleInterval) {
    // 1000 s: step 0.5 (the graph interval), sample interval 0.9 aligned to 2 steps = 1,
    // 1000 samples give a 512-point FFT.
    Sizing s;
    s.Prepare(0, 1000, true, 10.0f, 0.5f);
    ASSERT_TRUE(AutomaticTimeStep(s.Sim, 1, s.Window));
    EXPECT_NEAR(s.Sim.Run.TimeStep, 0.5, 0.5 * Tolerance);
    EXPECT_NEAR(s.Sim.Fft.SampleInterval, 1.0, Tolerance);
    EXPECT_NEAR(s.Sim.Run.GraphInterval, 1.0, Tolerance);
    EXPECT_EQ(s.Sim.Fft.HalfSize, 256);
    EXPECT_EQ(s.Window.Text7, "1");
    EXPECT_EQ(s.Window.Text8, "");   // the print interval was not below
    EXPECT_EQ(s.Host.Messages(), std::vector<std::string>{"Display times have been automatically amended to allow FFT"});
}

TEST(AutomaticTimeStep, RefusesAStepTooSmallForTheSpan) {
    Sizing s;
    s.AddBlock(10, 1e-9f, 0);
    s.Prepare(0, 10, false);
    EXPECT_FALSE(AutomaticTimeStep(s.Sim, 1, s.Window));
    EXPECT_EQ(s.Host.Messages(), std::vector<std::string>{"Time step is too small compared to time interval"});
}

TEST(AlignFftToManualStep, LengthCheckAndCancellation) {
    struct Case {
        float Stop;
        float Step;
        double SampleInterval;
        int HalfSize;   // 0: cancelled
    };
    const Case cases[] = {
        {10, 0.001f, 0.009, 512},   // 9 steps of 1 ms per sample
        {10, 0.004f, 0.008, 512},   // 0.009 / 0.004 rounds to 2 steps
        {10, 0.1f, 0.1, 0},         // 100 samples: cancelled
        {25.5f, 0.1f, 0.1, 0},      // 255 samples: cancelled
        {25.6f, 0.1f, 0.1, 128},    // 256 samples: a 256-point FFT
    };
    const std::string cancelled = "FFT resolution too low with these time settings - FFT cancelled";
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Stop << " " << c.Step);
        Sizing s;
        s.Prepare(0, c.Stop, true);
        s.Sim.Run.TimeStep = c.Step;
        s.Sim.Run.ManualTimeStep = true;
        AlignFftToManualStep(s.Sim, s.Window);
        EXPECT_NEAR(s.Sim.Fft.SampleInterval, c.SampleInterval, c.SampleInterval * Tolerance);
        EXPECT_NEAR(s.Sim.Status.MinDisplayInterval, c.SampleInterval, c.SampleInterval * Tolerance);
        if (c.HalfSize == 0) {
            EXPECT_EQ(s.Host.Messages(), std::vector<std::string>{cancelled});
            EXPECT_FALSE(s.Sim.Run.FftEnabled);
            EXPECT_FALSE(s.Window.Check4);
        } else {
            EXPECT_TRUE(s.Host.Messages().empty());
            EXPECT_EQ(s.Sim.Fft.HalfSize, c.HalfSize);
            EXPECT_TRUE(s.Window.Check4);
        }
    }
}

TEST(AlignFftToManualStep, RaisedIntervalsUseTheirOwnMessage) {
    // 1000 s: RoundToNiceInterval(1000 / 1024) = 0.9, 7.2 steps of 0.125 round to 7: 0.875.
    Sizing s;
    s.Prepare(0, 1000, true, 0.25f, 0.5f);
    s.Sim.Run.TimeStep = 0.125f;
    AlignFftToManualStep(s.Sim, s.Window);
    EXPECT_EQ(s.Window.Text7, "0.875");
    EXPECT_EQ(s.Window.Text8, "0.875");
    EXPECT_NEAR(s.Sim.Run.PrintInterval, 0.875, Tolerance);
    EXPECT_EQ(s.Sim.Fft.HalfSize, 512);
    EXPECT_EQ(s.Host.Messages(),
              std::vector<std::string>{"Display times have bee automatically amended to align with FFT"});
}

}  // namespace
}  // namespace quorvane
