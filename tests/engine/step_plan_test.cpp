#include "engine/step_plan.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <random>
#include <string>

#include "engine/run_error.h"
#include "support/random_model.h"
#include "support/run_trace.h"
#include "support/seventy_blocks.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

void AddFault(RunTrace& trace, const RunError& fault, int steps) {
    trace.Faulted = true;
    trace.Add(fault.Block);
    trace.Add(std::string(fault.what()));
    trace.Add(steps);
}

/// Steps a prepared model by hand, refreshing every `refreshEvery` steps, tracing the outputs
/// after every step and the tables at the end or at the fault.
RunTrace StepAndTrace(TestSimulation& m, int steps, int refreshEvery) {
    RunTrace trace;
    try {
        for (int n = 1; n <= steps; ++n) {
            m.Step(n % refreshEvery == 0);
            trace.AddOutputs(m.Sheet());
        }
    } catch (const RunError& fault) {
        AddFault(trace, fault, m.Steps);
    }
    trace.AddTables(m.Sim, m.Sheet());
    return trace;
}

RunTrace RandomRun(TestSimulation& m, std::uint32_t modelNumber, bool plainLoop) {
    std::mt19937 rng(modelNumber);
    BuildRandomModel(m.Sim, m.Form, rng, 24);
    m.Host.Clear();
    m.Windows.Calls.clear();
    m.Sim.Plan.PlainLoop = plainLoop;
    try {
        if (!m.Start(m.Sim.Run.TimeStep, 0.0, 10.0, false)) return {};
    } catch (const RunError& fault) {
        RunTrace trace;
        AddFault(trace, fault, 0);
        return trace;
    }
    return StepAndTrace(m, 30, 1 + static_cast<int>(modelNumber % 3));
}

TEST(StepPlan, RandomModelsStepAsTheBlockLoopDoes) {
    TestSimulation plain{Begin::RunReady};
    TestSimulation planned{Begin::RunReady};
    int faults = 0;
    for (std::uint32_t modelNumber = 1; modelNumber <= 3000; ++modelNumber) {
        const RunTrace expected = RandomRun(plain, modelNumber, true);
        const RunTrace got = RandomRun(planned, modelNumber, false);
        ASSERT_EQ(FirstDifference(expected, got), -1) << "random model " << modelNumber;
        faults += expected.Faulted ? 1 : 0;
    }
    // Enough models end in a fault for the plan's put-back and replay to be exercised.
    EXPECT_GT(faults, 300);
}

TEST(StepPlan, AStateBlockFaultingAsItMovesLeavesTheBlocksAboveItUnmoved) {
    // The controller's integral limit divides by its gain of 0 as it moves, after the state
    // blocks above it have moved in the plan: each must be put back as the block loop leaves it.
    RunTrace traces[2];
    for (bool plainLoop : {true, false}) {
        TestSimulation m{Begin::RunReady};
        m.Sim.Plan.PlainLoop = plainLoop;
        m.Add(1, "Demand", {}, 0.5f);
        m.Add(36, "Controller", {0.0f, 1.0f, 0.0f});
        m.Add(8, "Integrate", {1.0f});
        m.Add(10, "Lag", {1.0f});
        m.Add(22, "Second lag", {1.0f, 1.0f});
        for (const char* to : {"Controller", "Integrate", "Lag", "Second lag"}) m.Connect("Demand", to);
        ASSERT_TRUE(m.Start(0.1, 0.0, 10.0, false));
        traces[plainLoop ? 0 : 1] = StepAndTrace(m, 3, 1);
    }
    EXPECT_TRUE(traces[0].Faulted);
    EXPECT_EQ(FirstDifference(traces[0], traces[1]), -1);
}

TEST(StepPlan, AFaultAfterManyCheckpointsLeavesTheBlockLoopsTables) {
    // An integral of 1e36 with no upper limit overflows as it moves, some 680 steps on. A delay of 30000 steps (the longest) reads cells written before the last checkpoint and
    // overwritten since, which must be put back: a gain of 1e38 on the delayed integral of 1
    // overflows some 30007 steps on.
    struct Case {
        float Demand;
        float Gain;
    };
    for (const Case c : {Case{1e36f, 0.0f}, Case{1.0f, 1e38f}}) {
        RunTrace traces[2];
        for (bool plainLoop : {true, false}) {
            TestSimulation m{Begin::RunReady};
            m.Sim.Plan.PlainLoop = plainLoop;
            m.Add(1, "Demand", {}, c.Demand);
            m.Sim.Forms[m.Form].Blocks[m.Add(8, "Integrate", {1.0f})].SatHigh = FLT_MAX;
            m.Add(38, "Delay", {15000.0f});
            m.Add(6, "Gain", {c.Gain});
            m.Connect({{"Demand", "Integrate"}, {"Integrate", "Delay"}, {"Delay", "Gain"}});
            ASSERT_TRUE(m.Start(0.5, 0.0, 1e6, false));
            traces[plainLoop ? 0 : 1] = StepAndTrace(m, 31000, 7);
            EXPECT_GT(m.Steps, 2 * StepReplay::Interval);
        }
        EXPECT_TRUE(traces[0].Faulted);
        EXPECT_EQ(FirstDifference(traces[0], traces[1]), -1);
    }
}

TEST(StepPlan, SeventyBlockModelStepsAsTheBlockLoopDoes) {
    RunTrace traces[2];
    for (bool plainLoop : {true, false}) {
        TestSimulation m{Begin::RunReady};
        m.Sim.Plan.PlainLoop = plainLoop;
        BuildSeventyBlocks(m.Sim.Forms[m.Form]);
        ASSERT_TRUE(m.Start(0.001));
        traces[plainLoop ? 0 : 1] = StepAndTrace(m, 3000, seventy::StepsPerSample);
    }
    EXPECT_FALSE(traces[0].Faulted);
    EXPECT_EQ(FirstDifference(traces[0], traces[1]), -1);
}

}  // namespace
}  // namespace quorvane
