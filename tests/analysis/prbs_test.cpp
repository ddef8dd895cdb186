#include "analysis/prbs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_simulation.h"

namespace quorvane {
namespace {

constexpr int Generator = 41;
constexpr int Correlator = 46;

TEST(GeneratePrbsSequence, ListedShortSequencesAndEveryTapPairMaximal) {
    const std::vector<float> listed[] = {{}, {}, {1, -1, 1}, {1, 1, -1, -1, 1, -1, 1}};
    for (int n : {2, 3, 4, 5, 6, 7, 9, 10, 11}) {
        SCOPED_TRACE(n);
        PrbsData prbs;
        prbs.Amplitude = 1;
        prbs.BitLength = n;
        GeneratePrbsSequence(prbs);
        const int length = (1 << n) - 1;
        ASSERT_EQ(prbs.Length, length);
        const std::vector<float> period(prbs.PrbsSequence.begin() + 1, prbs.PrbsSequence.begin() + length + 1);
        if (n <= 3) { EXPECT_EQ(period, listed[n]); }
        int high = 0;
        for (float v : period) high += v > 0 ? 1 : 0;
        EXPECT_EQ(high, 1 << (n - 1));
        // A maximal sequence's circular autocorrelation is L at lag 0 and -1 at every other lag.
        for (int lag = 0; lag < length; ++lag) {
            int sum = 0;
            for (int i = 0; i < length; ++i) sum += static_cast<int>(period[i] * period[(i + lag) % length]);
            ASSERT_EQ(sum, lag == 0 ? length : -1) << "lag " << lag;
        }
        // Entry 0 holds the low level; two zeros end the sequence.
        EXPECT_EQ(prbs.PrbsSequence[0], -1.0f);
        EXPECT_EQ(prbs.PrbsSequence[length + 1], 0.0f);
        EXPECT_EQ(prbs.PrbsSequence[length + 2], 0.0f);
    }
}

TEST(DetectPrbs, DurationFromTheRunSpanOrTheBlock) {
    // Automatic: (1.05 * 100 - 0) / 2 with the correlator (two sequences), the whole span
    // without; manual: the block's second constant.
    struct Case { bool Correlator; bool Automatic; double Duration; };
    for (const Case& c : {Case{true, true, 52.5}, Case{false, true, 105}, Case{true, false, 30}}) {
        SCOPED_TRACE(testing::Message() << c.Correlator << c.Automatic);
        TestSimulation t;
        t.SetRun(0, 100);
        t.Add(Generator, "", {10, 30, 0.5f});
        if (c.Correlator) t.Add(Correlator);
        t.Sim.Prbs.AutomaticDuration = c.Automatic;
        ASSERT_TRUE(DetectPrbs(t.Sim, 1));
        const PrbsData& p = t.Sim.Prbs;
        EXPECT_EQ(p.PrbsState, -1);
        EXPECT_EQ(p.CorrelatorPresent, c.Correlator);
        EXPECT_NEAR(p.Duration, c.Duration, 1e-4);
        EXPECT_NEAR(p.BitInterval, c.Duration / 1023, 1e-7);
        EXPECT_EQ(p.PrbsSequence[0], -0.5f);
        EXPECT_TRUE(t.Host.Messages().empty());
    }
}

TEST(DetectPrbs, BitLengthsWithoutASequenceRefuseTheRun) {
    const std::string eight = "PRBS bit length cannot be 8 - run cancelled";
    const std::string range = "PRBS bit length must be in the range 2 to 11 - run cancelled";
    struct Case { float BitLength; std::string Message; };
    // 7.5 rounds to 8, 2.5 to 2.
    for (const Case& c : {Case{8, eight}, Case{7.5f, eight}, Case{12, range}, Case{1, range}, Case{2.5f, ""}}) {
        SCOPED_TRACE(c.BitLength);
        TestSimulation t;
        t.Add(Generator, "", {c.BitLength, 10, 1});
        EXPECT_EQ(DetectPrbs(t.Sim, 1), c.Message.empty());
        EXPECT_EQ(t.Host.Messages(), c.Message.empty() ? Strings{} : Strings{c.Message});
        EXPECT_EQ(t.Sim.Prbs.PrbsState, c.Message.empty() ? -1 : 0);
        if (c.Message.empty()) { EXPECT_EQ(t.Sim.Prbs.Length, 3); }
    }
}

TEST(DetectPrbs, CorrelatorWithoutGenerator) {
    TestSimulation t;
    t.Add(Correlator);
    t.Sim.Prbs.PrbsState = 2;
    EXPECT_TRUE(DetectPrbs(t.Sim, 1));
    EXPECT_EQ(t.Sim.Prbs.PrbsState, 0);
    EXPECT_TRUE(t.Sim.Prbs.CorrelatorPresent);
    EXPECT_EQ(t.Host.Messages(), Strings{"Correllation block found -but no PRBS injection block"});
}

TEST(PrbsInjectionSetUp, StepsPerBitAndItsWarnings) {
    struct Case { float BitInterval; float TimeStep; bool Manual; int StepsPerBit; Strings Messages; };
    const Case cases[] = {
        {0.5f, 0.125f, false, 4, {}},
        {0.52f, 0.5f, false, 1, {}},   // 1.04 steps: close enough to one
        {0.3125f, 0.125f, false, 2,
         {"PRBS sample time not an exact interval of simulation time step (ratio: 2.5 --  2 used)"}},
        {0.1f, 0.5f, true, 1, {"The PRBS interval is less than the fixed simulation time step"}},
        {0.1f, 0.5f, false, 1, {"The PRBS interval is less than the simulation time step - Error in program"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.BitInterval);
        TestSimulation t;
        PrbsData& p = t.Sim.Prbs;
        p.PrbsState = -1;
        p.PrbsIndex = 7;
        p.BitInterval = c.BitInterval;
        t.Sim.Run.TimeStep = c.TimeStep;
        t.Sim.Run.ManualTimeStep = c.Manual;
        PrbsInjectionSetUp(t.Sim);
        EXPECT_EQ(p.StepsPerBit, c.StepsPerBit);
        EXPECT_EQ(t.Host.Messages(), c.Messages);
        EXPECT_EQ(p.PrbsState, 0);
        EXPECT_EQ(p.PrbsIndex, 0);
    }
}

TEST(AdvancePrbsSchedule, SettlingThenRecordingThenZero) {
    PrbsData prbs;
    prbs.Amplitude = 1;
    prbs.BitLength = 2;   // +1 -1 +1
    GeneratePrbsSequence(prbs);
    // Generator output at each step when the schedule is advanced before every step.
    const auto injected = [&](int stepsPerBit, int steps) {
        prbs.PrbsState = 0;
        prbs.PrbsIndex = 0;
        prbs.StepsPerBit = stepsPerBit;
        std::vector<float> out;
        for (int k = 0; k < steps; ++k) {
            AdvancePrbsSchedule(prbs, k);
            out.push_back(prbs.PrbsSequence[prbs.PrbsIndex]);
        }
        return out;
    };
    // One step per bit: the entry-0 value lasts zero steps.
    EXPECT_EQ(injected(1, 9), (std::vector<float>{1, -1, 1, 1, -1, 1, 0, 0, 0}));
    EXPECT_EQ(prbs.PrbsState, 2);
    // Entry 0 lasts one step, then each bit two steps.
    EXPECT_EQ(injected(2, 15), (std::vector<float>{-1, 1, 1, -1, -1, 1, 1, 1, 1, -1, -1, 1, 1, 0, 0}));
}

}  // namespace
}  // namespace quorvane
