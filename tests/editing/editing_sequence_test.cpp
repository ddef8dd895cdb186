#include <gtest/gtest.h>

#include "support/test_simulation.h"

namespace quorvane {
namespace {

using EditingSequence = SimulationFixture<>;

inline constexpr int DisplayCode = 42;

TEST_F(EditingSequence, TurnConnectMoveAndDeleteLeaveConsistentTables) {
    Drop(ConstantCode, 1200, 1200);          // 1
    Drop(GainCode, 3000, 3600);              // 2, turned, then deleted
    BeginNewBlockDrag(State, GainCode, 50, 50);
    PlaceBlock(Sim, State, 1, GainCode, 3050, 1250);   // 3 at (3000, 1200)
    Drop(SumCode, 5040, 2400);               // 4
    Drop(DisplayCode, 7200, 2400);           // 5
    Drop(OutputTerminalCode, 7200, 4800);    // 6
    ClickBody(2);
    ASSERT_TRUE(TurnBlock(Sim, 1, 2));
    ConnectOnSheet(1, 3);
    PressOutput(3, 1);
    Bend(4200, 2040);
    Bend(4560, 2280);
    PressInput(4, 1);
    ConnectOnSheet(4, 5);
    ConnectOnSheet(1, 2);
    ConnectOnSheet(2, 4, 2);
    ConnectOnSheet(4, 6);
    BeginBlockDrag(Sim, State, 1, 3, 0, 0);
    ASSERT_TRUE(MoveBlock(Sim, State, 1, 3000, 1440));
    ASSERT_TRUE(DeleteBlock(Sim, State, 1, 2));
    EXPECT_TRUE(Host.Messages().empty());

    const SimulationForm& built = Sheet();
    ASSERT_EQ(built.BlockCount, 5);
    EXPECT_EQ(built.Blocks[2].Top, 1440);
    EXPECT_EQ(built.Blocks[3].Input[1], 2);
    ASSERT_EQ(built.NextConnection, 5);
    EXPECT_EQ(built.Connections[1], (Connection{1, 2, 1, 1, 3, 1}));
    EXPECT_EQ(built.Connections[2], (Connection{1, 3, 2, 1, 3, 4}));   // two bends and the final line
    EXPECT_EQ(built.Connections[3], (Connection{1, 4, 3, 1, 3, 7}));
    EXPECT_EQ(built.Connections[4], (Connection{1, 5, 3, 1, 3, 10}));
    // The gain moved 240 down carried the last segment of its input route and the first
    // segment of its output route, whose bend went along.
    EXPECT_EQ(LineOf(1, 2), (ConnectionLine{2100, 1560, 2100, 1800}));
    EXPECT_EQ(LineOf(1, 3), (ConnectionLine{2100, 1800, 3000, 1800}));
    EXPECT_EQ(LineOf(2, 1), (ConnectionLine{3600, 1800, 4200, 2280}));
    EXPECT_EQ(LineOf(2, 2), (ConnectionLine{4200, 2280, 4560, 2520}));
    EXPECT_EQ(LineOf(2, 3), (ConnectionLine{4560, 2520, 5040, 2520}));
    EXPECT_EQ(built.TermCount, 1);
    EXPECT_EQ(built.Terminals[1], (TerminalEntry{5, 5}));
}

}  // namespace
}  // namespace quorvane
