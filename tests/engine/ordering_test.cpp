#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/ordering.h"
#include "model/terminal_links.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

constexpr const char* LoopWarning = "A block self loopback condition exists in the model";

std::vector<std::string> TitlesInOrder(TestSimulation& m) {
    std::vector<std::string> titles;
    for (int b = 1; b <= m.Sim.Forms[m.Form].BlockCount; ++b) {
        titles.push_back(m.Sim.Forms[m.Form].Blocks[b].Title);
    }
    return titles;
}

TEST(ExecutionOrder, ChainIsSectionedAndEveryReferenceFollows) {
    TestSimulation m{Begin::RunReady};
    // Placed back to front, so every block moves.
    m.Add(42, "Display");
    m.Add(8, "Integrator", {1.0f});
    m.Add(2, "Sum");
    m.Add(6, "Gain", {2.0f});
    m.Add(1, "Constant", {}, 3.0f);
    m.Connect({{"Constant", "Gain"}, {"Gain", "Sum", 2}, {"Sum", "Integrator"}, {"Integrator", "Display"}});

    BuildExecutionOrder(m.Sim, m.Form);

    EXPECT_EQ(TitlesInOrder(m), (std::vector<std::string>{"Constant", "Gain", "Sum", "Integrator", "Display"}));
    const ExecutionList& order = m.Sim.Order;
    EXPECT_EQ((std::vector<int>{order.ConstantsEnd, order.SourcesEnd, order.AlgebraicEnd, order.StatesEnd,
                                order.DisplaysEnd}),
              (std::vector<int>{1, 1, 3, 4, 5}));
    // Each block n is now fed by block n - 1 (the Sum on its second input), and connection c,
    // made in chain order, runs from block c to block c + 1.
    const SimulationForm& sheet = m.Sim.Forms[m.Form];
    EXPECT_EQ(sheet.Blocks[3].Input[1], 0);
    for (int c = 1; c <= 4; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(sheet.Blocks[c + 1].Input[c + 1 == 3 ? 2 : 1], c);
        EXPECT_EQ(sheet.Connections[c].FromBlock, c);
        EXPECT_EQ(sheet.Connections[c].ToBlock, c + 1);
    }
    // Whole records travel: the Gain keeps its constant and its picture is placed again.
    EXPECT_EQ(sheet.Blocks[2].Constant[1], 2.0f);
    EXPECT_EQ(sheet.Blocks[2].Left, 120 * 4);
    EXPECT_EQ(m.Windows.Of({"PlaceBlockImage"}), (std::vector<std::string>{"PlaceBlockImage 1 1", "PlaceBlockImage 1 2",
                                                        "PlaceBlockImage 1 3", "PlaceBlockImage 1 4",
                                                        "PlaceBlockImage 1 5"}));
    EXPECT_TRUE(m.Host.Messages().empty());
}

TEST(ExecutionOrder, LoopWarningOnlyForLoopsWithoutStateBlock) {
    struct Row {
        const char* Name;
        int Code;
        std::vector<float> Constants;
        bool Warns;
    };
    const Row rows[] = {{"integrator feedback", 8, {1.0f}, false},
                        {"gain-sum loop", 6, {0.5f}, true},
                        {"controller loop", 36, {1.0f, 1.0f, 1.0f}, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TestSimulation m{Begin::RunReady};
        m.Add(1, "C", {}, 1.0f);
        m.Add(row.Code, "A", row.Constants);
        m.Add(2, "B");
        m.Connect({{"C", "B", 1}, {"A", "B", 2}, {"B", "A"}});
        BuildExecutionOrder(m.Sim, m.Form);
        EXPECT_EQ(m.Host.Messages(), row.Warns ? std::vector<std::string>{LoopWarning} : std::vector<std::string>{});
        EXPECT_EQ(m.Sim.Order.DisplaysEnd, 3);
    }
}

TEST(ExecutionOrder, EvaluatedBlocksFollowTheirLevelsAndSinesTheirInput) {
    TestSimulation m{Begin::RunReady};
    // Two chains of different length into one Multiply; a driven sine among them.
    m.Add(20, "Sat");
    m.Add(16, "Mul");
    m.Add(26, "DrivenSine", {1.0f, 1.0f});
    m.Add(6, "Gain", {1.0f});
    m.Add(40, "Ramp");
    m.Add(26, "FreeSine", {1.0f, 1.0f});
    m.Connect({{"Ramp", "DrivenSine"}, {"DrivenSine", "Gain"}, {"Gain", "Mul", 1}, {"FreeSine", "Mul", 2},
               {"Mul", "Sat"}});

    BuildExecutionOrder(m.Sim, m.Form);

    // Sources in number order, then the evaluated blocks closest to the sources first.
    EXPECT_EQ(TitlesInOrder(m), (std::vector<std::string>{"Ramp", "FreeSine", "DrivenSine", "Gain", "Mul", "Sat"}));
    EXPECT_EQ(m.Sim.Order.ConstantsEnd, 0);
    EXPECT_EQ(m.Sim.Order.SourcesEnd, 2);
    EXPECT_EQ(m.Sim.Order.AlgebraicEnd, 6);
    EXPECT_TRUE(m.Host.Messages().empty());
}

TEST(ExecutionOrder, TerminalEntriesFollowTheirBlocksOnce) {
    TestSimulation m{Begin::RunReady};
    // The constant moves first, so OutA goes 1->2 and OutB 2->3: the entry moved to 2 must
    // not be taken for OutB's.
    m.Add(50, "OutA");
    m.Add(50, "OutB");
    m.Add(1, "C", {}, 1.0f);
    m.Connect({{"C", "OutA"}, {"C", "OutB"}});
    ASSERT_EQ(RegisterTerminalBlock(m.Sim, m.Form, 1), 1);
    ASSERT_EQ(RegisterTerminalBlock(m.Sim, m.Form, 2), 2);

    BuildExecutionOrder(m.Sim, m.Form);

    ASSERT_EQ(m.Find("OutA"), 2);
    ASSERT_EQ(m.Find("OutB"), 3);
    EXPECT_EQ(m.Sim.Forms[m.Form].Terminals[1].TermBlk, 2);
    EXPECT_EQ(m.Sim.Forms[m.Form].Terminals[2].TermBlk, 3);
}

TEST(DisplayRunList, FollowsChainsUpstreamUntilStateOrFixedSource) {
    TestSimulation m{Begin::RunReady};
    m.Add(1, "C", {}, 1.0f);
    m.Add(8, "I", {1.0f});
    m.Add(2, "Sum");
    m.Add(6, "G", {1.0f});
    m.Add(42, "D1");
    m.Add(6, "G2", {1.0f});
    m.Add(42, "D2");
    m.Connect({{"C", "I"}, {"I", "Sum"}, {"Sum", "G"}, {"G", "D1"}, {"C", "G2"}, {"G2", "D2"}});

    BuildExecutionOrder(m.Sim, m.Form);

    // D1: G, Sum, then the Integrator ends the chain keeping both; D2's chain reaches the
    // Constant and is dropped; unconnected second inputs add nothing.
    const ExecutionList& order = m.Sim.Order;
    ASSERT_EQ(order.DisplayRunCount, 2);
    EXPECT_EQ(order.DisplayRunList[1], m.Find("G"));
    EXPECT_EQ(order.DisplayRunList[2], m.Find("Sum"));
}

TEST(DisplayRunList, StopsAtItsCapacity) {
    TestSimulation m{Begin::RunReady};
    // Eleven displays on a Gain-Sum loop: each chain runs to its 21-entry limit, 231 in all.
    m.Add(6, "G", {1.0f});
    m.Add(2, "S");
    m.Connect({{"G", "S"}, {"S", "G"}});
    for (int d = 1; d <= 11; ++d) {
        const std::string name = "D" + std::to_string(d);
        m.Add(42, name);
        m.Connect("G", name);
    }
    BuildExecutionOrder(m.Sim, m.Form);
    EXPECT_EQ(m.Sim.Order.DisplayRunCount, DisplayRunListLast);
    EXPECT_EQ(m.Host.Messages(), std::vector<std::string>{LoopWarning});
}

}  // namespace
}  // namespace quorvane
