#include "forms/sheet_pointer.h"

#include <gtest/gtest.h>

#include "support/test_simulation.h"

namespace quorvane {
namespace {

constexpr int Constant = 1;
constexpr int Sum = 2;

using SheetPointerTest = SimulationFixture<>;

// The pointer a key puts on a terminal must be one the hit test gives to that very terminal, or a
// press there starts no connection, or the wrong one: every catalogued block, both ways round.
TEST_F(SheetPointerTest, EveryTerminalOfEveryBlockCanBeReached) {
    for (int code = 0; code < FunctionCodeLast; ++code) {
        SCOPED_TRACE(code);
        Sim.Forms[1].Blocks[1].FunctionCode = code;
        Sim.Forms[1].Blocks[1].Left = 2400;
        Sim.Forms[1].Blocks[1].Top = 1200;
        Sim.Forms[1].BlockCount = 1;
        const BlockFunction& f = Sim.Functions[code];
        for (int k = 1; k <= f.InputCount; ++k) {
            const auto on = PointerOnInput(Sim, 1, 1, k);
            ASSERT_TRUE(on.has_value());
            EXPECT_EQ(InputTerminalAt(Sim.Functions, code, on->X - 2400, on->Y - 1200), k);
        }
        for (int t = 1; t <= f.OutputCount; ++t) {
            const auto on = PointerOnOutput(Sim, 1, 1, t);
            // The chirp's fourth output stands on its third: no press reaches it, the mouse's neither.
            bool hidden = false;
            for (int u = 1; u < t; ++u) {
                hidden = hidden || (f.OutputX[u] == f.OutputX[t] && f.OutputY[u] == f.OutputY[t]);
            }
            ASSERT_EQ(on.has_value(), !hidden);
            if (hidden) continue;
            EXPECT_EQ(OutputTerminalAt(Sim.Functions, code, on->X - 2400, on->Y - 1200), t);
        }
        EXPECT_FALSE(PointerOnInput(Sim, 1, 1, f.InputCount + 1).has_value());
        EXPECT_FALSE(PointerOnOutput(Sim, 1, 1, f.OutputCount + 1).has_value());
    }
    // No block under it, or a damaged code: nowhere to go.
    EXPECT_FALSE(PointerOnInput(Sim, 1, 2, 1).has_value());
    Sim.Forms[1].Blocks[1].FunctionCode = 200;
    EXPECT_FALSE(PointerOnOutput(Sim, 1, 1, 1).has_value());
    EXPECT_EQ(DescribePointer(Sim, 1, {2500, 1300}), "Block, block 1");
}

TEST_F(SheetPointerTest, TellsWhatLiesUnderThePointer) {
    Place(1, Constant, 1200, 1200);
    Place(1, Sum, 3600, 1200);
    EXPECT_EQ(DescribePointer(Sim, 1, PointerOnBlock(Sim.Forms[1], 2)), "Sum, block 2");
    EXPECT_EQ(DescribePointer(Sim, 1, *PointerOnInput(Sim, 1, 2, 3)), "Sum, block 2, input 3");
    EXPECT_EQ(DescribePointer(Sim, 1, *PointerOnOutput(Sim, 1, 1, 2)), "Constant, block 1, output 2");
    EXPECT_EQ(DescribePointer(Sim, 1, {100, 50}), "free area at 100, 50 twips");
}

}  // namespace
}  // namespace quorvane
