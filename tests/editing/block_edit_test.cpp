#include "editing/block_edit.h"

#include <gtest/gtest.h>

#include <string>

#include "model/terminal_links.h"
#include "support/test_simulation.h"

namespace quorvane {
namespace {

using BlockEdit = SimulationFixture<>;

TEST_F(BlockEdit, DropSnapsToTheGridTowardsZero) {
    struct Row { int X, Y, GrabX, GrabY, Left, Top; };
    const Row rows[] = {
        {250, 130, 10, 10, 240, 120},
        {119, 359, 0, 0, 0, 240},
        {-130, -50, 0, 0, -120, 0},
        {50, 50, 100, 170, 0, -120},
        {-250, 10, 10, 10, -240, 0},
    };
    int n = 0;
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.X) + "," + std::to_string(r.Y));
        BeginNewBlockDrag(State, GainCode, r.GrabX, r.GrabY);
        ASSERT_EQ(PlaceBlock(Sim, State, 1, GainCode, r.X, r.Y), ++n);
        EXPECT_EQ(Sheet().Blocks[n].Left, r.Left);
        EXPECT_EQ(Sheet().Blocks[n].Top, r.Top);
    }
    EXPECT_EQ(State.NewBlockCode, 0);
    EXPECT_EQ(State.SelectedBlock, n);
    EXPECT_EQ(SheetCalls().back(), "PlaceBlockImage 1 5");
    EXPECT_TRUE(Host.Log.empty());
}

TEST_F(BlockEdit, SeventyFirstBlockIsRefused) {
    for (int i = 1; i <= MaxBlocks; ++i) ASSERT_EQ(Drop(GainCode, 120 * (i % 10), 840 * (i / 10)), i);
    EXPECT_EQ(Drop(SumCode, 6000, 6000), 0);
    EXPECT_EQ(Host.Messages(), Strings{"limit reached - No more blocks on this form"});
    EXPECT_EQ(Sheet().BlockCount, 70);
    EXPECT_EQ(Sheet().Blocks[70].FunctionCode, GainCode);
    EXPECT_EQ(State.SelectedBlock, 70);
}

TEST_F(BlockEdit, TenTerminalEntriesThenTheBlockIsRemovedAgain) {
    for (int i = 1; i <= 10; ++i) ASSERT_EQ(Drop(OutputTerminalCode, 1200 * i, 1200), i);
    Windows.Calls.clear();
    EXPECT_EQ(Drop(OutputTerminalCode, 1200, 4800), 0);
    EXPECT_EQ(Host.Messages(), Strings{"Run out of terminals"});
    EXPECT_EQ(Sheet().BlockCount, 10);
    EXPECT_EQ(Sheet().Blocks[11], Block{});
    EXPECT_EQ(SheetCalls(), (Strings{"PlaceBlockImage 1 11", "HideBlockImage 1 11"}));
    EXPECT_EQ(Sheet().TermCount, 10);
    EXPECT_EQ(State.SelectedBlock, 0);

    // Deleting block 3 frees entry 3 and renumbers the entries of blocks 4..10; the next
    // terminal block fills the gap.
    ASSERT_TRUE(DeleteBlock(Sim, State, 1, 3));
    EXPECT_EQ(Sheet().TermCount, 9);
    EXPECT_EQ(Drop(InputTerminalCode, 1200, 4800), 10);
    EXPECT_EQ(Sheet().Terminals[3], (TerminalEntry{10, 0}));
    EXPECT_EQ(Sheet().Terminals[4], (TerminalEntry{3, 3}));
    EXPECT_EQ(Sheet().Terminals[10], (TerminalEntry{9, 9}));
    EXPECT_EQ(Sheet().TermCount, 10);
}

TEST_F(BlockEdit, DeletingTheFirstOfThreeRenumbersTheRest) {
    Drop(ConstantCode, 1200, 1200);
    Drop(GainCode, 2400, 1200);
    Drop(GainCode, 3600, 1200);
    ConnectOnSheet(1, 2);
    ConnectOnSheet(2, 3);
    const ConnectionLine kept[] = {LineOf(2, 1), LineOf(2, 2), LineOf(2, 3)};
    PressOutput(3, 1);   // pending from block 3, which becomes block 2
    Windows.Calls.clear();
    Host.Clear();

    ASSERT_TRUE(DeleteBlock(Sim, State, 1, 1));
    EXPECT_TRUE(Host.Log.empty());
    EXPECT_EQ(Sim.PendingLineCount, 0);
    EXPECT_EQ(State.Band.Now, RubberBand::None);
    EXPECT_EQ(SheetCalls(),
              (Strings{"MoveBlockImage 1 2 1", "MoveBlockImage 1 3 2", "HideBlockImage 1 3"}));
    EXPECT_EQ(Sheet().BlockCount, 2);
    EXPECT_EQ(Sheet().Blocks[1].Left, 2400);
    EXPECT_EQ(Sheet().Blocks[1].Input[1], 0);
    EXPECT_EQ(Sheet().Blocks[2].Input[1], 1);
    EXPECT_EQ(Sheet().Blocks[3], Block{});
    EXPECT_EQ(Sheet().NextConnection, 2);
    EXPECT_EQ(Sheet().Connections[1], (Connection{1, 2, 1, 1, 3, 1}));
    EXPECT_EQ(Sheet().NextLine, 4);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(Sheet().Lines[i], kept[i - 1]);

    // Numbers outside the sheet are refused.
    Host.Clear();
    for (int b : {0, 3, -1}) EXPECT_FALSE(DeleteBlock(Sim, State, 1, b));
    EXPECT_EQ(Host.Messages(), Strings(3, "attempt to delete nonexistant block"));
    EXPECT_EQ(Sheet().BlockCount, 2);
}

TEST_F(BlockEdit, DeletingTheThirdOfFiveRenumbersInputsConnectionsAndTerminals) {
    Drop(ConstantCode, 1200, 1200);         // 1
    Drop(GainCode, 2400, 600);              // 2
    Drop(GainCode, 2400, 2400);             // 3, deleted below
    Drop(OutputTerminalCode, 6000, 1200);   // 4
    Drop(SumCode, 3600, 1200);              // 5
    ConnectOnSheet(1, 3);
    ConnectOnSheet(3, 5, 1);
    ConnectOnSheet(1, 2);
    ConnectOnSheet(2, 5, 2);
    ConnectOnSheet(5, 4);
    ASSERT_EQ(Sheet().NextConnection, 6);
    Sim.Forms[1].Blocks[5].Input[3] = 3;   // a stale reference no connection explains
    Host.Clear();

    ASSERT_TRUE(DeleteBlock(Sim, State, 1, 3));
    EXPECT_EQ(Host.Messages(), Strings{"deleted block ref found and set to zero"});
    EXPECT_EQ(Sheet().BlockCount, 4);
    EXPECT_EQ(Sheet().Blocks[3].FunctionCode, OutputTerminalCode);
    EXPECT_EQ(Sheet().Blocks[3].Input[1], 4);
    EXPECT_EQ(Sheet().Blocks[4].FunctionCode, SumCode);
    EXPECT_EQ(Sheet().Blocks[4].Input[1], 0);   // was fed by the deleted block
    EXPECT_EQ(Sheet().Blocks[4].Input[2], 2);
    EXPECT_EQ(Sheet().Blocks[4].Input[3], 0);
    // Every connection is a three-line direct route; the survivors keep their order.
    EXPECT_EQ(Sheet().NextConnection, 4);
    EXPECT_EQ(Sheet().Connections[1], (Connection{1, 2, 1, 1, 3, 1}));
    EXPECT_EQ(Sheet().Connections[2], (Connection{2, 4, 2, 1, 3, 4}));
    EXPECT_EQ(Sheet().Connections[3], (Connection{1, 3, 4, 1, 3, 7}));
    EXPECT_EQ(Sheet().NextLine, 10);
    EXPECT_EQ(Sheet().TermCount, 1);
    EXPECT_EQ(Sheet().Terminals[1], (TerminalEntry{3, 3}));
}

TEST_F(BlockEdit, TurningRoundAndItsRefusals) {
    Drop(SumCode, 1200, 1200);        // 1
    Drop(ConstantCode, 1200, 2400);   // 2
    Drop(GainCode, 2400, 2400);       // 3
    Drop(ConstantCode, 3600, 3600);   // 4
    Drop(GainCode, 4800, 3600);       // 5
    ConnectOnSheet(2, 3);
    ClickBody(1);
    Host.Clear();

    EXPECT_TRUE(TurnBlock(Sim, 1, 1));
    EXPECT_EQ(Sheet().Blocks[1].FunctionCode, 3);
    EXPECT_TRUE(TurnBlock(Sim, 1, 1));
    EXPECT_EQ(Sheet().Blocks[1].FunctionCode, SumCode);

    const int redraws = Windows.Redraws;
    EXPECT_FALSE(TurnBlock(Sim, 1, 4));   // a constant cannot turn: nothing at all happens
    EXPECT_EQ(Sheet().Blocks[4].FunctionCode, ConstantCode);
    EXPECT_EQ(Windows.Redraws, redraws);
    EXPECT_TRUE(Host.Log.empty());

    // Connections refuse first, even on a block that could not turn anyway.
    EXPECT_FALSE(TurnBlock(Sim, 1, 2));
    EXPECT_FALSE(TurnBlock(Sim, 1, 3));
    EXPECT_EQ(Sheet().Blocks[3].FunctionCode, GainCode);
    PressOutput(5, 1);   // the first click of the double click lands on a terminal
    EXPECT_FALSE(TurnBlock(Sim, 1, 5));
    EXPECT_EQ(Sheet().Blocks[5].FunctionCode, GainCode);
    EXPECT_EQ(Host.Messages(), (Strings{"Cannot turn around block as it has connections",
                                        "Cannot turn around block as it has connections",
                                        "Cannot turn around block as it has just aquired a connection"}));
}

// Longer routes carry their whole end segment along (see the editing sequence); a two-line one
// moves only its end.
TEST_F(BlockEdit, MovedBlockCarriesItsLineEnds) {
    Drop(GainCode, 1200, 1200);   // output anchor (1800, 1560)
    Drop(SumCode, 3600, 2400);    // input anchors (3600, 2520), (3600, 2760), (3600, 3000)
    ConnectOnSheet(1, 2, 2);             // three lines with the vertical at 2700
    PressOutput(1, 1);
    Bend(2400, 3000);
    PressInput(2, 3);             // two lines

    BeginBlockDrag(Sim, State, 1, 2, 100, 100);
    ASSERT_TRUE(MoveBlock(Sim, State, 1, 3940, 2980));
    EXPECT_EQ(Sheet().Blocks[2].Left, 3840);
    EXPECT_EQ(Sheet().Blocks[2].Top, 2880);
    EXPECT_FALSE(State.Moving);
    // Moved by (240, 480).
    EXPECT_EQ(LineOf(1, 2), (ConnectionLine{2700, 1560, 2940, 3240}));
    EXPECT_EQ(LineOf(1, 3), (ConnectionLine{2940, 3240, 3840, 3240}));
    EXPECT_EQ(LineOf(2, 1), (ConnectionLine{1800, 1560, 2400, 3000}));
    EXPECT_EQ(LineOf(2, 2), (ConnectionLine{2400, 3000, 3840, 3480}));
}

TEST_F(BlockEdit, SelfFedBlockMovesItsConnectionWhole) {
    Drop(GainCode, 1200, 1200);
    ConnectOnSheet(1, 1);
    ASSERT_EQ(LineOf(1, 1), (ConnectionLine{1800, 1560, 1500, 1560}));
    ASSERT_EQ(LineOf(1, 3), (ConnectionLine{1500, 1560, 1200, 1560}));
    // Moving by exactly the width between input and output puts the input end where the output
    // was; each end still moves once.
    BeginBlockDrag(Sim, State, 1, 1, 0, 0);
    ASSERT_TRUE(MoveBlock(Sim, State, 1, 1800, 1200));
    EXPECT_EQ(LineOf(1, 1), (ConnectionLine{2400, 1560, 2100, 1560}));
    EXPECT_EQ(LineOf(1, 2), (ConnectionLine{2100, 1560, 2100, 1560}));
    EXPECT_EQ(LineOf(1, 3), (ConnectionLine{2100, 1560, 1800, 1560}));
}

TEST_F(BlockEdit, DropsOnBlocksAndStrayReleases) {
    Drop(GainCode, 1200, 1200);
    Drop(GainCode, 3600, 1200);
    Host.Clear();

    // Onto its own image: shifted by less than its size.
    BeginBlockDrag(Sim, State, 1, 2, 50, 50);
    EXPECT_TRUE(DropOnBlock(Sim, State, 1, 2, 180, 300));
    EXPECT_EQ(Sheet().Blocks[2].Left, 3720);
    EXPECT_EQ(Sheet().Blocks[2].Top, 1440);

    BeginBlockDrag(Sim, State, 1, 2, 50, 50);
    EXPECT_FALSE(DropOnBlock(Sim, State, 1, 1, 50, 50));
    BeginNewBlockDrag(State, SumCode, 10, 10);
    EXPECT_FALSE(DropOnBlock(Sim, State, 1, 1, 50, 50));
    EXPECT_EQ(State.NewBlockCode, 0);
    // A drag begun on sheet 1 and dropped on sheet 2 leaves the block alone.
    BeginBlockDrag(Sim, State, 1, 1, 0, 0);
    EXPECT_FALSE(MoveBlock(Sim, State, 2, 6000, 6000));
    EXPECT_FALSE(State.Moving);
    BeginNewBlockDrag(State, SumCode, 10, 10);
    ReleaseOnBlock(Sim, State, 2);
    BeginBlockDrag(Sim, State, 1, 1, 0, 0);
    ReleaseOnBlock(Sim, State, 1);
    ReleaseOnBlock(Sim, State, 3);   // nothing pending any more

    EXPECT_EQ(Host.Messages(), (Strings{"attempt to place block on top of another",
                                        "Blocks cannot be placed upon other blocks - Drag Drop",
                                        "Attempt to place New Blocks on other blocks - MouseUp Image1() on fsim2",
                                        "Attemp to drag a block onto another -mouseUp from Image1() on Fsim1"}));
    EXPECT_EQ(Sheet().BlockCount, 2);
    EXPECT_EQ(Sheet().Blocks[1].Left, 1200);
    EXPECT_EQ(Sheet().Blocks[1].Top, 1200);
}

}  // namespace
}  // namespace quorvane
