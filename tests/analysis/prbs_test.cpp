#include "analysis/prbs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/analysis_support.h"

namespace quorvane {
namespace {

constexpr int Generator = 41;
constexpr int Correlator = 46;

std::vector<float> Period(const PrbsData& prbs) {
    return {prbs.PrbsSequence.begin() + 1, prbs.PrbsSequence.begin() + prbs.Length + 1};
}

TEST(GeneratePrbsSequence, ShortSequencesAsListed) {
    PrbsData prbs;
    prbs.Amplitude = 1;
    prbs.BitLength = 2;
    GeneratePrbsSequence(prbs);
    EXPECT_EQ(prbs.Length, 3);
    EXPECT_EQ(prbs.PrbsSequence[0], -1.0f);
    EXPECT_EQ(Period(prbs), (std::vector<float>{1, -1, 1}));
    prbs.BitLength = 3;
    GeneratePrbsSequence(prbs);
    EXPECT_EQ(Period(prbs), (std::vector<float>{1, 1, -1, -1, 1, -1, 1}));
    EXPECT_EQ(prbs.PrbsSequence[8], 0.0f);
    EXPECT_EQ(prbs.PrbsSequence[9], 0.0f);
}

TEST(GeneratePrbsSequence, EveryTapPairIsMaximal) {
    for (int n : {2, 3, 4, 5, 6, 7, 9, 10, 11}) {
        SCOPED_TRACE(n);
        PrbsData prbs;
        prbs.Amplitude = 1;
        prbs.BitLength = n;
        GeneratePrbsSequence(prbs);
        const int length = (1 << n) - 1;
        ASSERT_EQ(prbs.Length, length);
        int high = 0;
        for (float v : Period(prbs)) high += v > 0 ? 1 : 0;
        EXPECT_EQ(high, 1 << (n - 1));
        // A maximal sequence's circular autocorrelation is L at lag 0 and -1 at every other lag.
        for (int lag = 0; lag < length; ++lag) {
            int sum = 0;
            for (int i = 0; i < length; ++i)
                sum += static_cast<int>(prbs.PrbsSequence[i + 1] * prbs.PrbsSequence[(i + lag) % length + 1]);
            ASSERT_EQ(sum, lag == 0 ? length : -1) << "lag " << lag;
        }
        EXPECT_EQ(prbs.PrbsSequence[length + 1], 0.0f);
        EXPECT_EQ(prbs.PrbsSequence[length + 2], 0.0f);
    }
}

struct Detection : TestSimulation {
    Detection() {
        Sim.Run.StartTime = 0;
        Sim.Run.StopTime = 100;
    }
};

TEST(DetectPrbs, AutomaticDurationFromTheRunSpan) {
    struct Case {
        bool Correlator;
        bool Automatic;
        double Duration;
    };
    // (1.05 * 100 - 0) / 2 with the correlator (two sequences), the whole span without;
    // manual: the block's second constant.
    const Case cases[] = {{true, true, 52.5}, {false, true, 105}, {true, false, 30}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Correlator << c.Automatic);
        Detection d;
        d.AddBlock(Generator, 10, 30, 0.5f);
        if (c.Correlator) d.AddBlock(Correlator);
        d.Sim.Prbs.AutomaticDuration = c.Automatic;
        ASSERT_TRUE(DetectPrbs(d.Sim, 1));
        const PrbsData& p = d.Sim.Prbs;
        EXPECT_EQ(p.PrbsState, -1);
        EXPECT_EQ(p.CorrelatorPresent, c.Correlator);
        EXPECT_EQ(p.Length, 1023);
        EXPECT_NEAR(p.Duration, c.Duration, 1e-4);
        EXPECT_NEAR(p.BitInterval, c.Duration / 1023, 1e-7);
        EXPECT_EQ(p.PrbsSequence[0], -0.5f);
        EXPECT_TRUE(d.Host.Messages().empty());
    }
}

TEST(DetectPrbs, BitLengthsWithoutASequenceRefuseTheRun) {
    struct Case {
        float BitLength;
        std::string Message;
    };
    const Case cases[] = {
        {8, "PRBS bit length cannot be 8 - run cancelled"},
        {7.5f, "PRBS bit length cannot be 8 - run cancelled"},   // rounds to 8
        {12, "PRBS bit length must be in the range 2 to 11 - run cancelled"},
        {1, "PRBS bit length must be in the range 2 to 11 - run cancelled"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.BitLength);
        Detection d;
        d.AddBlock(Generator, c.BitLength, 10, 1);
        EXPECT_FALSE(DetectPrbs(d.Sim, 1));
        EXPECT_EQ(d.Host.Messages(), std::vector<std::string>{c.Message});
        EXPECT_EQ(d.Sim.Prbs.PrbsState, 0);
    }
    Detection d;
    d.AddBlock(Generator, 2.5f, 10, 1);   // rounds to 2
    EXPECT_TRUE(DetectPrbs(d.Sim, 1));
    EXPECT_EQ(d.Sim.Prbs.Length, 3);
}

TEST(DetectPrbs, CorrelatorWithoutGenerator) {
    Detection d;
    d.AddBlock(Correlator);
    d.Sim.Prbs.PrbsState = 2;
    EXPECT_TRUE(DetectPrbs(d.Sim, 1));
    EXPECT_EQ(d.Sim.Prbs.PrbsState, 0);
    EXPECT_TRUE(d.Sim.Prbs.CorrelatorPresent);
    EXPECT_EQ(d.Sim.Prbs.BitLength, 10);
    EXPECT_EQ(d.Host.Messages(), std::vector<std::string>{"Correllation block found -but no PRBS injection block"});
}

TEST(PrbsInjectionSetUp, StepsPerBitAndItsWarnings) {
    struct Case {
        float BitInterval;
        float TimeStep;
        bool Manual;
        int StepsPerBit;
        std::vector<std::string> Messages;
    };
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
        t.Sim.Prbs.PrbsState = -1;
        t.Sim.Prbs.PrbsIndex = 7;
        t.Sim.Prbs.BitInterval = c.BitInterval;
        t.Sim.Run.TimeStep = c.TimeStep;
        t.Sim.Run.ManualTimeStep = c.Manual;
        PrbsInjectionSetUp(t.Sim);
        EXPECT_EQ(t.Sim.Prbs.StepsPerBit, c.StepsPerBit);
        EXPECT_EQ(t.Host.Messages(), c.Messages);
        EXPECT_EQ(t.Sim.Prbs.PrbsState, 0);
        EXPECT_EQ(t.Sim.Prbs.PrbsIndex, 0);
    }
}

// Generator output at each step when the schedule is advanced before every step.
std::vector<float> Injected(PrbsData& prbs, int steps) {
    std::vector<float> out;
    for (int k = 0; k < steps; ++k) {
        AdvancePrbsSchedule(prbs, k);
        out.push_back(prbs.PrbsSequence[prbs.PrbsIndex]);
    }
    return out;
}

TEST(AdvancePrbsSchedule, SettlingThenRecordingThenZero) {
    PrbsData prbs;
    prbs.Amplitude = 1;
    prbs.BitLength = 2;   // +1 -1 +1
    GeneratePrbsSequence(prbs);
    prbs.StepsPerBit = 1;
    // One step per bit: the entry-0 value lasts zero steps.
    EXPECT_EQ(Injected(prbs, 9), (std::vector<float>{1, -1, 1, 1, -1, 1, 0, 0, 0}));
    EXPECT_EQ(prbs.PrbsState, 2);

    prbs.PrbsState = 0;
    prbs.PrbsIndex = 0;
    prbs.StepsPerBit = 2;
    // Entry 0 lasts one step, then each bit two steps.
    EXPECT_EQ(Injected(prbs, 15), (std::vector<float>{-1, 1, 1, -1, -1, 1, 1, 1, 1, -1, -1, 1, 1, 0, 0}));
}

}  // namespace
}  // namespace quorvane
