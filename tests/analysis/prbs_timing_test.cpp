#include "analysis/prbs_timing.h"

#include <gtest/gtest.h>

#include <string>

#include "analysis/prbs.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

constexpr double Tolerance = 1e-5;

struct Case {
    const char* Name;
    bool Correlator, AutomaticDuration;
    float ManualDuration, Step;
    double BitInterval, NewStep, Stop;
    Strings Messages;
    std::string Info;
    bool Refused = false;
};

// A run from 0 to `entered` with a generator of bit length n, detected and stretched by 1.05
// as the run driver does, then timed.
void CheckTiming(const Case& c, float entered, int n, bool manualStep) {
    SCOPED_TRACE(c.Name);
    TestSimulation t;
    t.SetRun(0, entered);
    t.Sim.Run.ManualTimeStep = manualStep;
    t.Sim.Run.PrintInterval = t.Sim.Run.GraphInterval = t.Sim.Status.MinDisplayInterval = 1;
    t.Sim.Prbs.AutomaticDuration = c.AutomaticDuration;
    t.Add(41, "", {static_cast<float>(n), c.ManualDuration, 1});
    if (c.Correlator) t.Add(46);
    ASSERT_TRUE(DetectPrbs(t.Sim, 1));
    t.Sim.Run.StopTime = entered * 1.05f;
    t.Sim.Run.TimeStep = c.Step;
    EXPECT_EQ(PrbsTimingSetUp(t.Sim), !c.Refused);
    EXPECT_NEAR(t.Sim.Prbs.BitInterval, c.BitInterval, c.BitInterval * Tolerance);
    EXPECT_NEAR(t.Sim.Run.TimeStep, c.NewStep, c.NewStep * Tolerance);
    EXPECT_NEAR(t.Sim.Run.StopTime, c.Stop, c.Stop * Tolerance);
    EXPECT_EQ(t.Host.Messages(), c.Messages);
    std::string info;
    for (const auto& entry : t.Host.Log)
        if (entry.What == RecordingHost::Kind::Info) info = entry.Text;
    EXPECT_EQ(info, c.Info);
}

TEST(PrbsTimingSetUp, ManualTimeStep) {
    const std::string prefix = "Required PRBS interval < fixed simulation time step - ";
    const Case cases[] = {
        // 15 bits, two sequences over 10.5 s: 0.35 = 35 steps; stop 32 bits = 11.2.
        {"correlated", true, true, 0, 0.01f, 0.35, 0.01, 11.2, {}, ""},
        // One sequence: 0.7 = 70 steps, rounded to 65; stop 17 bits = 11.05.
        {"injected only", false, true, 0, 0.01f, 0.65, 0.01, 11.05, {}, "PRBS Seq. duration set to: 9.75 sec"},
        // 3.5 steps round to 3.5, taken as 4 whole steps: 0.4; stop 12.8.
        {"whole steps", true, true, 0, 0.1f, 0.4, 0.1, 12.8, {}, ""},
        // Bits shorter than a step: one step each, the stop time stays stretched.
        {"too short", true, true, 0, 1.0f, 1.0, 1.0, 10.5, {prefix + "partial/inaccurate correlation will result"}, ""},
        {"too short, injected only", false, true, 0, 1.0f, 1.0, 1.0, 10.5, {prefix + "partial injection will result"},
         "PRBS Seq. duration set to: 15. sec"},
        // Manual duration 0.015 / 15 bits = 0.001 < 0.01: corrected; 32 bits fit before 10.
        {"manual clash", true, false, 0.015f, 0.01f, 0.01, 0.01, 10,
         {"clash between Manual PRBS duration and manual simulation time step - corrected"}, ""},
        // Manual duration 30 / 15 = 2: 32 bits need 64.
        {"manual long", true, false, 30, 0.01f, 2, 0.01, 64, {}, ""},
        // 1e6 / 15 per bit stretches the stop to 32 bits, over two million steps of 0.01.
        {"manual too long for the step", true, false, 1e6f, 0.01f, 1e6 / 15, 0.01, 32e6 / 15,
         {"Time step is too small compared to time interval"}, "", true},
    };
    for (const Case& c : cases) CheckTiming(c, 10, 4, true);
}

TEST(PrbsTimingSetUp, AutomaticTimeStep) {
    const Case cases[] = {
        // 1023 bits, correlated, 105 s stretched: 52.5 / 1023 = 0.0513 is below the step of 1;
        // shrunk and rounded to 0.05, which becomes the step too; stop 2048 bits = 102.4.
        {"short bits", true, true, 0, 1.0f, 0.05, 0.05, 102.4, {}, ""},
        // Above a step of 0.01: bit 0.05 = 5 steps, the step becomes 0.05 / 8.
        {"long bits", true, true, 0, 0.01f, 0.05, 0.00625, 102.4, {}, ""},
        // One sequence: 105 / 1023 fitted to 0.1, 10 steps -> 0.1 / 16; stop 1025 bits.
        {"injected only", false, true, 0, 0.01f, 0.1, 0.00625, 102.5, {}, "PRBS Seq. duration set to: 102.3 sec"},
        // Manual duration 10.23: bit 0.01 below the step, the step follows it; the stop time
        // entered already holds the sequences.
        {"manual duration", true, false, 10.23f, 1.0f, 0.01, 0.01, 100, {}, ""},
        // Manual 61.38 s without correlator: 0.06 = 6 steps -> 0.06 / 8. One sequence and two
        // spare bits end at 61.5, before the stop time entered, which is kept.
        {"sequence ends early", false, false, 61.38f, 0.01f, 0.06, 0.0075, 100, {},
         "PRBS Seq. duration set to: 61.38 sec"},
        // A manual duration of 0 leaves nothing to step by.
        {"zero duration", true, false, 0, 1.0f, 0, 0, 100, {"Time step is too small compared to time interval"}, "", true},
    };
    for (const Case& c : cases) CheckTiming(c, 100, 10, false);
}

TEST(PrbsTimingSetUp, RefusedWhenStopTimeFallsBeforeStart) {
    TestSimulation t;   // a negative stop time stretched by 1.05
    t.SetRun(-100, -99 * 1.05f);
    EXPECT_FALSE(PrbsTimingSetUp(t.Sim));
    EXPECT_EQ(t.Host.Messages(), Strings{"Stop Time must be greater than Start Time"});
}

}  // namespace
}  // namespace quorvane
