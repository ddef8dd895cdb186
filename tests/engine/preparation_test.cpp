#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/preparation.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

constexpr const char* BadParameters = "Zero or negative time constant / parameter in marked blocks";

TEST(ValidateParameters, MarksExactlyTheBlocksWithUnusableConstants) {
    struct Row {
        int Code;
        std::vector<float> Constants;
        bool Fails;
    };
    const std::vector<Row> rows = {
        {8, {0.0f}, true},                 // Integrate
        {11, {-1.0f}, true},               // Lag
        {12, {-1.0f}, false},              // Lead: only 0 fails
        {13, {0.0f}, true},
        {22, {1.0f, 0.0f}, true},          // 2nd Lag
        {25, {1.0f, -1.0f}, false},        // 2nd Lead: B may be negative
        {36, {1.0f, 1.0f, 0.0f}, true},    // Controller without derivative time
        {37, {0.0f, 1.0f, 0.1f}, false},
        {36, {1.0f, 0.0f, 0.1f}, true},
        {60, {1.0f, 2.0f, 0.0f}, true},    // Chirp
        {30, {0.0f}, true},                // Ln zero value
        {56, {0.0f, 20.0f}, true},         // Hysteresis
        {54, {0.0f, -1.0f, 1.0f}, true},   // ADC bits
        {38, {-0.5f}, true},               // Delay Line looking ahead
        {38, {0.0f}, false},
        {6, {0.0f}, false},                // Gain has nothing to check
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Code);
        TestSimulation m{Begin::RunReady};
        m.Add(1, "C", {}, 1.0f);
        const int b = m.Add(row.Code, "B", row.Constants);
        EXPECT_EQ(ValidateParameters(m.Sim, m.Form), row.Fails ? 1 : 0);
        EXPECT_EQ(m.Windows.MarkersHidden, 1);
        ASSERT_EQ(m.Windows.Markers.size(), row.Fails ? 1u : 0u);
        if (row.Fails) {
            EXPECT_EQ(m.Windows.Markers[0].Number, 0);
            EXPECT_EQ(m.Windows.Markers[0].Block, b);
        }
        EXPECT_EQ(m.Host.Messages(), row.Fails ? std::vector<std::string>{BadParameters} : std::vector<std::string>{});
    }
}

TEST(ValidateParameters, MarksAtMostTen) {
    TestSimulation m{Begin::RunReady};
    for (int i = 0; i < 11; ++i) {
        m.Add(8, "I", {0.0f});
    }
    EXPECT_EQ(ValidateParameters(m.Sim, m.Form), 10);
    ASSERT_EQ(m.Windows.Markers.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(m.Windows.Markers[static_cast<std::size_t>(i)].Number, i);
        EXPECT_EQ(m.Windows.Markers[static_cast<std::size_t>(i)].Block, i + 1);
    }
    EXPECT_EQ(m.Host.Messages(), std::vector<std::string>{BadParameters});
}

TEST(PrepareBlocks, DelayLinesAreLimitedInNumberAndLength) {
    {
        SCOPED_TRACE("six delay lines");
        TestSimulation m{Begin::RunReady};
        for (int i = 0; i < 6; ++i) {
            m.Add(38, "D", {1.0f});
        }
        m.Sim.Run.TimeStep = 0.5f;
        EXPECT_EQ(PrepareBlocks(m.Sim, m.Form), 6);
        EXPECT_EQ(m.Host.Messages(), std::vector<std::string>{"Run out of delay lines"});
        EXPECT_EQ(m.Sim.Forms[1].Blocks[5].Work[1], 5.0f);
    }
    // With a step of 0.5, 15000.5 s is 30001 steps, one more than the longest line (whose full
    // use BlockRules.RampDrivenBlocks shows). The refused line still holds its initial condition.
    TestSimulation m{Begin::RunReady};
    m.Add(38, "Short", {0.0f});
    m.Add(38, "Long", {15000.5f}, 7.0f);
    m.Sim.Run.TimeStep = 0.5f;
    EXPECT_EQ(PrepareBlocks(m.Sim, m.Form), 2);
    EXPECT_EQ(m.Host.Messages(), std::vector<std::string>{"Delay exceeds delay line size"});
    EXPECT_EQ(m.Sim.Delays.Cell(2, DelayLineCellLast), 7.0f);
}

TEST(PrepareBlocks, ChirpWarnsWhenTheStepCannotResolveItsEndFrequency) {
    // 6.283 / 0.1 = 62.83 against 3.999 x end frequency: 16 rad/s is too fast, 15 is not.
    for (float endFrequency : {15.0f, 16.0f}) {
        SCOPED_TRACE(endFrequency);
        TestSimulation m{Begin::RunReady};
        m.Add(60, "Chirp", {1.0f, endFrequency, 10.0f}, 1.0f);
        m.Sim.Run.TimeStep = 0.1f;
        EXPECT_EQ(PrepareBlocks(m.Sim, m.Form), 0);
        const std::vector<std::string> expected =
            endFrequency > 15.5f ? std::vector<std::string>{"Warning - time step too large for CHIRP setting"}
                                 : std::vector<std::string>{};
        EXPECT_EQ(m.Host.Messages(), expected);
        EXPECT_FLOAT_EQ(m.Sim.Forms[1].Blocks[1].Work[1], (endFrequency - 1.0f) / 10.0f);
    }
}

}  // namespace
}  // namespace quorvane
